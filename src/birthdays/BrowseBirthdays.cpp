#include "birthdays/BrowseBirthdays.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QToolButton>
#include <QVBoxLayout>

#include "birthdays/PersonCalculations.h"
#include "birthdays/UpdateBirthdays.h"
#include "birthdays/Win_ViewImages.h"
#include "birthdays/Win_ViewNotes.h"
#include "data/BirthdayFile.h"
#include "data/Globals.h"
#include "platform/ListLayout.h"
#include "platform/Pictures.h"
#include "platform/Text.h"
#include "platform/qt/DialogUnits.h"
#include "shell/Artwork.h"
#include "shell/Main.h"

namespace ntx {
namespace {

constexpr BrowseTab kTabs[] = {
    {"Name", "TAB1", birkey::NameKey, "", bir::LASTNAME, " All Birthdays by Name"},
    {"Age", "TAB2", birkey::ByAgeKey, "", bir::AGE, " Birthdays by Age"},
    {"Jan", "JAN", birkey::BirthdayMonthKey, "(MONTH(BIR:DOB) = 1)", bir::MONTHTAG,
     " January only"},
    {"Feb", "FEB", birkey::BirthdayMonthKey, "(MONTH(BIR:DOB) = 2)", bir::MONTHTAG,
     " February only"},
    {"Mar", "MAR", birkey::BirthdayMonthKey, "(MONTH(BIR:DOB) = 3)", bir::MONTHTAG, " March only"},
    {"Apr", "APR", birkey::BirthdayMonthKey, "(MONTH(BIR:DOB) = 4)", bir::MONTHTAG, " April only"},
    {"May", "MAY", birkey::BirthdayMonthKey, "(MONTH(BIR:DOB)  = 5)", bir::MONTHTAG, " May only"},
    {"Jun", "JUN", birkey::BirthdayMonthKey, "(MONTH(BIR:DOB) = 6)", bir::MONTHTAG, " June only"},
    {"Jul   ", "JUL", birkey::BirthdayMonthKey, "(MONTH(BIR:DOB) = 7)", bir::MONTHTAG,
     " July only"},
    {"Aug", "AUG", birkey::BirthdayMonthKey, "(MONTH(BIR:DOB) = 8)", bir::MONTHTAG, " August only"},
    {"Sep", "SEP", birkey::BirthdayMonthKey, "(MONTH(BIR:DOB) = 9)", bir::MONTHTAG,
     " September only"},
    {"Oct", "OCT", birkey::BirthdayMonthKey, "(MONTH(BIR:DOB) = 10)", bir::MONTHTAG,
     " October only"},
    {"Nov", "NOV", birkey::BirthdayMonthKey, "(MONTH(BIR:DOB) = 11)", bir::MONTHTAG,
     " November only"},
    {"Dec", "DEC", birkey::BirthdayMonthKey, "(MONTH(BIR:DOB) = 12)", bir::MONTHTAG,
     " December only"},
};

// The fields the eleven columns show, left to right.
const std::vector<int> kColumnFields = {
    bir::LASTNAME, bir::FIRSTNAME, bir::SECONDNAME, bir::MONTHBORN, bir::AGE,     bir::ASAT,
    bir::DOB,      bir::STAR,      bir::MAIDENNAME, bir::PLACEBORN, bir::TIMEBORN};
constexpr int kAgeColumn = 4;
constexpr int kAsAtColumn = 5;
constexpr int kStarColumn = 7;

const QColor kGrey(128, 128, 128);
const QColor kBlue(0, 0, 255);

QPointer<BrowseBirthdays> theList;

BrowseWindowDesign design() {
    return {"BrowseBirthdays",
            "Browse Birthdays",
            "UserOrg.ico",
            "Birthdays",
            "Browse Birthdays",
            "Browse:2",
            kBirthdayListLayout,
            BrowseBirthdays::kDesignedFormat,
            kColumnFields,
            kTabs,
            "N7",
            {537, 330},
            {540, 330},
            {950, 750},
            &globals().birthdayListOpen,
            &globals().birthdayListThread};
}

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QLabel* greyLabel(const QString& text, QWidget* parent, const QString& name = {}) {
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty()) label->setObjectName(name);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, kGrey);
    label->setPalette(p);
    return label;
}

QPushButton* iconButton(const QString& name, const QString& icon, const QString& tip,
                        QWidget* parent) {
    auto* b = new QPushButton(parent);
    b->setObjectName(name);
    b->setIcon(artworkIcon(icon));
    b->setToolTip(tip);
    return b;
}

}  // namespace

const char* const BrowseBirthdays::kDesignedFormat =
    "50L(2)|M*~Last name~L(1)@s22@41L(2)|M*~First name~L(1)@s25@41L(2)|M*~2nd "
    "name~@s25@43L(1)|M*~Month "
    "born~L(2)@s10@18C|M*~Age~L(2)@N3B@42C|M*~as "
    "at...~L(1)@D017B@41C|M*~Born~L(2)@D017B@44L(1)|M*~Star~L(2)@"
    "s12@41L(2)|M*~Maiden~@s22@71L(2)|M*~Place born~@s65@28L(2)|M*~Time born~@T3B@";

BrowseBirthdays* BrowseBirthdays::start(AppContext& app, Main& frame) {
    return startIn(app, frame.mdiArea(), theList);
}

BrowseBirthdays::BrowseBirthdays(AppContext& app, ThreadContext& thread)
    : BrowseWindow(app, thread, thread.files().birthdays(), design()),
      locale_(conventionsOfUserLocale()) {
    auto* ageButton = new QPushButton(QStringLiteral("Show/Hide age as at..."), this);
    ageButton->setObjectName(QStringLiteral("SHOWAGEBUT"));
    starButton_ = new QPushButton(QStringLiteral("Show/Hide Stars"), this);
    starButton_->setObjectName(QStringLiteral("STARBUT"));

    auto* top = new QHBoxLayout;
    top->addWidget(tabs_, 1);
    top->addWidget(countLabel_);
    auto* under = new QHBoxLayout;
    under->addWidget(ageButton);
    under->addWidget(starButton_);
    under->addStretch(1);
    under->addWidget(insert_);
    under->addWidget(change_);
    under->addWidget(delete_);
    auto* left = new QVBoxLayout;
    left->addLayout(top);
    left->addWidget(list_, 1);
    left->addLayout(under);
    auto* right = new QVBoxLayout;
    right->addWidget(buildPanel(), 1);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    closeRow->addWidget(close_);
    closeRow->addWidget(help_);
    right->addLayout(closeRow);
    auto* all = new QHBoxLayout(this);
    all->addLayout(left, 3);
    all->addLayout(right, 2);

    connect(ageButton, &QPushButton::clicked, this, [this] {
        ageColumnsHidden_ = !ageColumnsHidden_;
        refresh();
        list_->table()->setFocus();
    });
    connect(starButton_, &QPushButton::clicked, this, [this] {
        starColumnHidden_ = !starColumnHidden_;
        refresh();
        list_->table()->setFocus();
    });
}

RecordBuffer& BrowseBirthdays::person() {
    return record();
}

QWidget* BrowseBirthdays::buildPanel() {
    auto* panel = new QGroupBox(this);
    panel->setObjectName(QStringLiteral("PANEL1"));
    auto* grid = new QGridLayout(panel);
    int row = 0;
    auto field = [this, panel](int f) {
        auto* label = new QLabel(panel);
        label->setObjectName(q(birthdayFile().qualifiedName(f)));
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        fieldLabels_[f] = label;
        return label;
    };
    for (int f : {bir::ADD1, bir::ADD2, bir::ADD3, bir::ADD4, bir::ADD5})
        grid->addWidget(field(f), row++, 0, 1, 3);

    auto* buttons = new QHBoxLayout;
    auto* print = iconButton(QStringLiteral("PRTBUT"), QStringLiteral("Printer.ico"), {}, panel);
    copyButton_ =
        iconButton(QStringLiteral("CLIPBOARDBUT"), QStringLiteral("copy.ico"),
                   QStringLiteral("Click to copy address to the Windows Clipboard."), panel);
    auto* photo = iconButton(QStringLiteral("BUTTON9"), QStringLiteral("UserOrg.ico"),
                             QStringLiteral("Click to view selected persons photograph."), panel);
    auto* mail = iconButton(QStringLiteral("INTERNETLINK"), QStringLiteral("MyMail.ico"),
                            QStringLiteral("Click to e-mail selected person."), panel);
    mail->setCursor(Qt::PointingHandCursor);
    for (auto* b : {print, copyButton_, photo, mail}) buttons->addWidget(b);
    buttons->addStretch(1);
    grid->addLayout(buttons, row++, 0, 1, 3);

    auto labelled = [&](const QString& text, const QString& name, int f) {
        grid->addWidget(greyLabel(text, panel, name), row, 0);
        grid->addWidget(field(f), row++, 1, 1, 2);
    };
    labelled(QStringLiteral("nee:"), {}, bir::MAIDENNAME);
    labelled(QStringLiteral("Nick name:"), {}, bir::NICKNAME);
    labelled(QStringLiteral("Star:"), {}, bir::STAR);
    grid->addWidget(field(bir::EMAIL), row++, 0, 1, 3);
    labelled(QStringLiteral("Home:"), QStringLiteral("PHSTRG1"), bir::HOMEPHONE);
    labelled(QStringLiteral("Work:"), QStringLiteral("PHSTRG2"), bir::WORKPHONE);
    labelled(QStringLiteral("Mobile:"), QStringLiteral("PHSTRG3"), bir::MOBILEPHONE);
    labelled(QStringLiteral("Fax:"), QStringLiteral("PHSTRG3:2"), bir::FAX);

    grid->addWidget(greyLabel(QStringLiteral("Age today:"), panel, QStringLiteral("AGESTRG")), row,
                    0);
    ageLine_ = new QLabel(panel);
    ageLine_->setObjectName(QStringLiteral("LOC:AGESTRING"));
    grid->addWidget(ageLine_, row, 1);
    ageBox_ = new QCheckBox(panel);
    ageBox_->setObjectName(QStringLiteral("LOC:HIDESHOWAGEYN"));
    grid->addWidget(ageBox_, row++, 2, Qt::AlignRight);

    labelled(QStringLiteral("Comment..."), QStringLiteral("COMMSTRG"), bir::NOTES);
    notesBox_ = new QPlainTextEdit(panel);
    notesBox_->setObjectName(QStringLiteral("BIR:NOTESBIG"));
    notesBox_->setReadOnly(true);
    grid->addWidget(notesBox_, row, 0, 1, 2);
    notesButton_ = new QPushButton(panel);
    notesButton_->setObjectName(QStringLiteral("VIEWNOTES"));
    notesButton_->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    notesButton_->setToolTip(QStringLiteral("View notes in resizable viewer window"));
    grid->addWidget(notesButton_, row++, 2, Qt::AlignTop);
    grid->setRowStretch(row - 1, 1);

    connect(ageBox_, &QCheckBox::toggled, this, &BrowseBirthdays::refreshAgeLine);
    connect(copyButton_, &QPushButton::clicked, this, &BrowseBirthdays::copyAddress);
    connect(mail, &QPushButton::clicked, this, &BrowseBirthdays::startEmail);
    connect(photo, &QPushButton::clicked, this, &BrowseBirthdays::showPhotograph);
    connect(notesButton_, &QPushButton::clicked, this, &BrowseBirthdays::showNotes);
    connect(print, &QPushButton::clicked, this, &BrowseBirthdays::printPerson);
    return panel;
}

QColor BrowseBirthdays::rowColour(const RecordValues& v) const {
    if (v.fields[bir::UPDATEAGE].number == 1 || v.fields[bir::SKIPPRINTBIRTH].number == 1)
        return kGrey;
    const auto dob = static_cast<Date>(v.fields[bir::DOB].number);
    if (dob > 0 && monthOf(dob) == monthOf(app().ui.clock.today())) return kBlue;
    return {};
}

// The detail panel, the age line and the switchable columns follow the highlighted person.
void BrowseBirthdays::refresh() {
    RecordBuffer& p = person();
    starButton_->setVisible(currentTab() == 0);
    for (auto& [f, label] : fieldLabels_) label->setText(q(p.text(f)));
    notesBox_->setPlainText(q(p.memo()));
    notesButton_->setVisible(!isBlank(p.memo()));
    copyButton_->setVisible(!isBlank(p.text(bir::ADD1)));
    refreshAgeLine();
    setHiddenColumns();
}

void BrowseBirthdays::refreshAgeLine() {
    const RecordBuffer& p = person();
    std::string line;
    if (p.date(bir::DOB) > 0 && p.number(bir::UPDATEAGE) == 0) {
        line = ageText(p.date(bir::DOB), app().ui.clock.today());
    } else if (p.date(bir::DOB) == 0 || p.date(bir::ASAT) == 0) {
        line = "No date(s) entered.";
    }
    if (p.number(bir::UPDATEAGE) == 1) line = "n/a - Set as excluded.";
    if (!ageBox_->isChecked()) line = "To show current age tick box >";
    ageLine_->setText(q(line));
}

void BrowseBirthdays::setHiddenColumns() {
    list_->setColumnWidthUnits(kAgeColumn, ageColumnsHidden_ ? 0 : 18);
    list_->setColumnWidthUnits(kAsAtColumn, ageColumnsHidden_ ? 0 : 41);
    list_->setColumnWidthUnits(kStarColumn, starColumnHidden_ ? 0 : 38);
}

void BrowseBirthdays::beforeForm(std::uint8_t request) {
    if (request == InsertRecord) globals().newBirthday = true;
    if (request == ChangeRecord) globals().newBirthday = false;
}

void BrowseBirthdays::runForm(std::uint8_t, std::function<void(std::uint8_t)> done) {
    UpdateBirthdays::run(app(), thread(), this, std::move(done));
}

void BrowseBirthdays::copyAddress() {
    const RecordBuffer& p = person();
    const std::string day(
        trimRight(formatDate(*parsePicture("D18"), app().ui.clock.today(), locale_)));
    std::string clip = day + "\r\n\r\n";
    std::string shown = "          " + day + "||";
    for (int f : {bir::ADD1, bir::ADD2, bir::ADD3, bir::ADD4, bir::ADD5}) {
        const std::string line(trimRight(p.text(f)));
        clip += line + "\r\n";
        shown += "          " + line + "|";
    }
    shown += "||||The above can now be 'Pasted' to your document.";
    app().ui.clipboard.setText(clip);
    app().ui.messages.show({"Sent to Clipboard...", shown, MessageIcon::Information});
    list_->table()->setFocus();
}

void BrowseBirthdays::startEmail() {
    list_->loadHighlighted();
    const std::string address(trimRight(person().text(bir::EMAIL)));
    if (address.empty()) {
        const int answer = app().ui.messages.show(
            {"Please note...",
             "The selected person does not have an e-mail address.||Do you want to continue?",
             MessageIcon::Question, "&Yes|&No", 1});
        if (answer != 1) {
            list_->table()->setFocus();
            return;
        }
    }
    app().ui.shell.open("mailto:" + address);
    list_->table()->setFocus();
}

void BrowseBirthdays::showPhotograph() {
    const RecordBuffer& p = person();
    const std::string path(trimRight(p.text(bir::PHOTOIMAGEPATH)));
    if (path.empty()) {
        app().ui.messages.show(
            {"Please note...",
             "No photograph to display.||To add select [Change] then the [Photograph] tab.",
             MessageIcon::Information});
        return;
    }
    globals().shownPhotoPath = path;
    globals().shownPhotoName = std::string(cutToCharacters(trimRight(p.text(bir::CLIPNAME)), 45));
    list_->loadHighlighted();
    callOnThread([this](std::function<void()> done) {
        Win_ViewImages::run(app(), thread(), this, std::move(done));
    });
}

void BrowseBirthdays::showNotes() {
    list_->loadHighlighted();
    callOnThread([this](std::function<void()> done) {
        Win_ViewNotes::run(app(), thread(), this, std::move(done));
    });
}

void BrowseBirthdays::printPerson() {
    if (person().date(bir::DOB) == 0) {
        app().ui.messages.show({"Please note...",
                                "No Date of Birth for the selected person.||This report requires "
                                "that a 'Date Born:' be "
                                "entered.",
                                MessageIcon::Information});
        list_->table()->setFocus();
        return;
    }
    globals().shownPhotoPath = std::string(trimRight(person().text(bir::PHOTOIMAGEPATH)));
    // The one-person birthday book page is printed from here once its report exists.
    list_->table()->setFocus();
}

}  // namespace ntx
