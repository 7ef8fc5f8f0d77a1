#include "reminders/UpdateReminders.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "birthdays/PersonCalculations.h"
#include "data/ReminderFile.h"
#include "platform/Text.h"
#include "shell/Artwork.h"

namespace ntx {
namespace {

QLabel* prompt(QWidget* parent, const char* name, const char* text, QWidget* buddy = nullptr) {
    auto* l = new QLabel(QString::fromLatin1(text), parent);
    l->setObjectName(QString::fromLatin1(name));
    if (buddy != nullptr) l->setBuddy(buddy);
    return l;
}

}  // namespace

void UpdateReminders::run(AppContext& app, ThreadContext& thread, QWidget* owner,
                          std::function<void(std::uint8_t)> done) {
    auto* form = new UpdateReminders(app, thread, owner, std::move(done));
    form->start();
}

UpdateReminders::UpdateReminders(AppContext& app, ThreadContext& thread, QWidget* owner,
                                 std::function<void(std::uint8_t)> done)
    : UpdateForm(app, thread, thread.files().reminders(), "UpdateReminders", owner,
                 std::move(done)) {
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setWindowIcon(artworkIcon(QStringLiteral("Reminder3.ico")));
    setWindowTitle(QStringLiteral("Update Reminders"));
    setCaptions(QStringLiteral("Add Reminder"), QStringLiteral("Edit Reminder"),
                QStringLiteral("View Record"));
    setHelp("UpdateRemember", "Update Reminders");
    setDesignedSize(QSize(345, 219));
    build();
}

void UpdateReminders::build() {
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("CURRENTTAB"));
    auto* tab = new QWidget;
    tabs->addTab(tab, QStringLiteral("Reminder"));
    auto* grid = new QGridLayout(tab);

    auto* description = bindEntry(makeEntry(tab, QStringLiteral("REM:DESCRIPTION"),
                                            QStringLiteral("Describe what to remember.")),
                                  rem::DESCRIPTION, "s45");
    auto* date = bindEntry(makeEntry(tab, QStringLiteral("REM:DATE")), rem::DATE, "D17");
    auto* calendar = new QPushButton(QStringLiteral("..."), tab);
    calendar->setObjectName(QStringLiteral("CALENDAR"));
    calendar->setAutoDefault(false);
    auto* month = bindDisplay(makeEntry(tab, QStringLiteral("REM:MONTHIS:2")), rem::MONTHIS, "s10");
    month->setFrame(false);
    auto* time = bindEntry(makeEntry(tab, QStringLiteral("REM:THETIME"),
                                     QStringLiteral("     (Leave blank if not applicable)")),
                           rem::THETIME, "T3B");
    auto* comment = bindEntry(makeEntry(tab, QStringLiteral("REM:COMMENT"),
                                        QStringLiteral("Any comment, place, price whatever ?")),
                              rem::COMMENT, "s45");
    auto* exclude =
        bindCheck(new QCheckBox(QStringLiteral(" Tick to e&xclude from printed reports."), tab),
                  rem::EXCLUDEFROMPRINT);
    exclude->setObjectName(QStringLiteral("REM:EXCLUDEFROMPRINT"));
    exclude->setToolTip(QStringLiteral("Tick to exclude from reports."));
    auto* notes = bindMemo(new QPlainTextEdit(tab));
    notes->setObjectName(QStringLiteral("REM:NOTES"));
    auto* viewCalendarButton = new QPushButton(tab);
    viewCalendarButton->setObjectName(QStringLiteral("CALENDAR:2"));
    viewCalendarButton->setIcon(artworkIcon(QStringLiteral("Calendar2.ico")));
    viewCalendarButton->setToolTip(QStringLiteral("View Calendar"));
    viewCalendarButton->setAutoDefault(false);
    // The derived month fields travel in hidden entries, as the record carries them.
    bindEntry(makeEntry(tab, QStringLiteral("REM:MONTHIS")), rem::MONTHIS, "s10")->hide();
    bindEntry(makeEntry(tab, QStringLiteral("REM:MONTHTAG2")), rem::MONTHTAG2, "N2")->hide();

    int row = 0;
    grid->addWidget(prompt(tab, "REM:DESCRIPTION:PROMPT", "&Reminder:", description), row, 0);
    grid->addWidget(description, row++, 1, 1, 3);
    grid->addWidget(prompt(tab, "REM:DATE:PROMPT", "&Date:", date), row, 0);
    grid->addWidget(date, row, 1);
    grid->addWidget(calendar, row, 2);
    grid->addWidget(month, row++, 3);
    grid->addWidget(prompt(tab, "REM:THETIME:PROMPT", "&Time:", time), row, 0);
    grid->addWidget(time, row, 1);
    grid->addWidget(prompt(tab, "STRING5", "(Example: 12:30A for AM or P for PM)"), row++, 2, 1, 2);
    grid->addWidget(prompt(tab, "REM:COMMENT:PROMPT", "&Comment:", comment), row, 0);
    grid->addWidget(comment, row++, 1, 1, 3);
    grid->addWidget(exclude, row++, 1, 1, 3);
    grid->addWidget(prompt(tab, "STRING4", "Notes:"), row, 0, Qt::AlignTop);
    grid->addWidget(notes, row, 1, 1, 3);
    grid->addWidget(viewCalendarButton, row++, 4, Qt::AlignTop);
    setFirstFocus(description);

    okButton()->setToolTip(QStringLiteral("Save"));
    layOut(tabs);

    connect(calendar, &QPushButton::clicked, this, &UpdateReminders::pickDate);
    connect(viewCalendarButton, &QPushButton::clicked, this, &UpdateReminders::viewCalendar);
}

// The month name and number follow the date; without a date they stay as they are.
void UpdateReminders::deriveMonth() {
    const int month = monthOf(record().date(rem::DATE));
    if (month < 1 || month > 12) return;
    record().setText(rem::MONTHIS, std::string(monthName(month)));
    record().setNumber(rem::MONTHTAG2, month);
    displayField(rem::MONTHIS);
    displayField(rem::MONTHTAG2);
}

void UpdateReminders::fieldAccepted(int field) {
    if (field == rem::DATE) deriveMonth();
}

bool UpdateReminders::checkEntries() {
    if (isBlank(record().text(rem::DESCRIPTION))) {
        app().ui.messages.show(
            {"Please note...", "A 'Reminder Description' is required.", MessageIcon::Warning});
        moveFocusTo(entryOf(rem::DESCRIPTION));
        return false;
    }
    deriveMonth();
    return true;
}

void UpdateReminders::okAccepted() {
    if (dayOf(record().date(rem::DATE)) < 1) {
        record().setDate(rem::DATE, app().ui.clock.today());
        displayField(rem::DATE);
    }
}

void UpdateReminders::pickDate() {
    if (!updateRecordFromWindow()) return;
    if (const auto chosen = app().ui.dates.pickDate("Select a Date", record().date(rem::DATE))) {
        record().setDate(rem::DATE, *chosen);
        displayField(rem::DATE);
    }
    display();
    deriveMonth();
}

// A calendar to look at only: nothing it returns is used.
void UpdateReminders::viewCalendar() {
    if (!updateRecordFromWindow()) return;
    (void)app().ui.dates.pickDate("Select a Date", kNoDate);
    display();
}

}  // namespace ntx
