#include "reminders/BrowseReminders.h"

#include <QHBoxLayout>
#include <QSplitter>
#include <QVBoxLayout>

#include "data/Globals.h"
#include "data/ReminderFile.h"
#include "reminders/UpdateReminders.h"
#include "shell/CountCurrentReminders.h"
#include "shell/Main.h"

namespace ntx {
namespace {

constexpr BrowseTab kTabs[] = {
    {"All by Date", "TAB:4", remkey::DateKey, "", rem::DATE, " All by Date"},
    {" All by Description", "TAB:3", remkey::DescriptionKey, "", rem::DESCRIPTION,
     " All by Description"},
    {"Jan", "TAB4", remkey::DateKey, "(MONTH(REM:Date) = 1)", rem::DATE, " January only"},
    {"Feb", "TAB5", remkey::DateKey, "(MONTH(REM:Date) = 2)", rem::DATE, " February only"},
    {"Mar", "TAB6", remkey::DateKey, "(MONTH(REM:Date) = 3)", rem::DATE, " March only"},
    {"Apr", "TAB7", remkey::DateKey, "(MONTH(REM:Date) = 4)", rem::DATE, " April only"},
    {"May", "TAB8", remkey::DateKey, "(MONTH(REM:Date) = 5)", rem::DATE, " May only"},
    {"Jun", "TAB9", remkey::DateKey, "(MONTH(REM:Date) = 6)", rem::DATE, " June only"},
    {"Jul", "TAB10", remkey::DateKey, "(MONTH(REM:Date) = 7)", rem::DATE, " July only"},
    {"Aug", "TAB11", remkey::DateKey, "(MONTH(REM:Date) = 8)", rem::DATE, " August only"},
    {"Sep", "TAB12", remkey::DateKey, "(MONTH(REM:Date) = 9)", rem::DATE, " September only"},
    {"Oct", "TAB13", remkey::DateKey, "(MONTH(REM:Date) = 10)", rem::DATE, " October only"},
    {"Nov", "TAB14", remkey::DateKey, "(MONTH(REM:Date) = 11)", rem::DATE, " November only"},
    {"Dec", "TAB15", remkey::DateKey, "(MONTH(REM:Date) = 12)", rem::DATE, " December only"},
};

const std::vector<int> kColumnFields = {rem::DATE, rem::THETIME, rem::DESCRIPTION, rem::COMMENT};

QPointer<BrowseReminders> theList;

BrowseWindowDesign design() {
    return {"BrowseReminders",
            "Browse Reminder's",
            "Reminder3.ico",
            "ToRemember",
            "Browse Reminders",
            "Browse:1",
            kReminderListLayout,
            BrowseReminders::kDesignedFormat,
            kColumnFields,
            kTabs,
            "N8",
            {443, 331},
            {420, 274},
            {950, 750},
            &globals().reminderListOpen,
            &globals().reminderListThread};
}

}  // namespace

const char* const BrowseReminders::kDesignedFormat =
    "40L(1)|M*~Date~L(2)@D017B@35R(4)|M*~Time~L(2)@T3-B@144L(2)|M*~Description~@s45@180L(2)|M*~"
    "Comment~@s45@";

BrowseReminders* BrowseReminders::start(AppContext& app, Main& frame) {
    return startIn(app, frame.mdiArea(), theList);
}

BrowseReminders::BrowseReminders(AppContext& app, ThreadContext& thread)
    : BrowseWindow(app, thread, thread.files().reminders(), design()) {
    notes_ = new QPlainTextEdit(this);
    notes_->setObjectName(QStringLiteral("REM:NOTES"));
    notes_->setReadOnly(true);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("HSPLIT"));
    splitter->addWidget(list_);
    splitter->addWidget(notes_);
    splitter->setStretchFactor(0, 4);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);

    auto* top = new QHBoxLayout;
    top->addWidget(tabs_, 1);
    top->addWidget(countLabel_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(insert_);
    buttons->addWidget(change_);
    buttons->addWidget(delete_);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    closeRow->addWidget(close_);
    closeRow->addWidget(help_);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addWidget(splitter, 1);
    all->addLayout(buttons);
    all->addLayout(closeRow);
}

void BrowseReminders::runForm(std::uint8_t, std::function<void(std::uint8_t)> done) {
    UpdateReminders::run(app(), thread(), this, std::move(done));
}

QColor BrowseReminders::rowColour(const RecordValues& v) const {
    if (v.fields[rem::EXCLUDEFROMPRINT].number != 0) return {128, 128, 128};
    const auto date = static_cast<Date>(v.fields[rem::DATE].number);
    if (date > 0 && monthOf(date) == monthOf(app().ui.clock.today())) return {0, 0, 255};
    return {};
}

void BrowseReminders::refresh() {
    notes_->setPlainText(QString::fromStdString(record().memo()));
}

// The main frame's toolbar shows the new count of this month's reminders at once.
void BrowseReminders::afterClose() {
    CountCurrentReminders::run(thread(), app().ui.clock.today());
    if (auto* frame = qobject_cast<Main*>(window())) frame->refreshCounts();
}

}  // namespace ntx
