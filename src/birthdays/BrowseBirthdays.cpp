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

struct BirthdayTab {
    const char* text;
    const char* useName;
    int key;
    const char* filter;
    int locator;
    const char* caption;
};

constexpr BirthdayTab kTabs[] = {
    {"Name", "TAB1", birkey::NameKey, "", bir::LASTNAME, " All Birthdays by Name"},
    {"Age", "TAB2", birkey::ByAgeKey, "", bir::AGE, " Birthdays by Age"},
    {"Jan", "JAN", birkey::BirthdayMonthKey, "(MONTH(BIR:DOB) = 1)", bir::MONTHTAG, " January only"},
    {"Feb", "FEB", birkey::BirthdayMonthKey, "(MONTH(BIR:DOB) = 2)", bir::MONTHTAG, " February only"},
    {"Mar", "MAR", birkey::BirthdayMonthKey, "(MONTH(BIR:DOB) = 3)", bir::MONTHTAG, " March only"},
    {"Apr", "APR", birkey::BirthdayMonthKey, "(MONTH(BIR:DOB) = 4)", bir::MONTHTAG, " April only"},
    {"May", "MAY", birkey::BirthdayMonthKey, "(MONTH(BIR:DOB)  = 5)", bir::MONTHTAG, " May only"},
    {"Jun", "JUN", birkey::BirthdayMonthKey, "(MONTH(BIR:DOB) = 6)", bir::MONTHTAG, " June only"},
    {"Jul   ", "JUL", birkey::BirthdayMonthKey, "(MONTH(BIR:DOB) = 7)", bir::MONTHTAG, " July only"},
    {"Aug", "AUG", birkey::BirthdayMonthKey, "(MONTH(BIR:DOB) = 8)", bir::MONTHTAG, " August only"},
    {"Sep", "SEP", birkey::BirthdayMonthKey, "(MONTH(BIR:DOB) = 9)", bir::MONTHTAG, " September only"},
    {"Oct", "OCT", birkey::BirthdayMonthKey, "(MONTH(BIR:DOB) = 10)", bir::MONTHTAG, " October only"},
    {"Nov", "NOV", birkey::BirthdayMonthKey, "(MONTH(BIR:DOB) = 11)", bir::MONTHTAG, " November only"},
    {"Dec", "DEC", birkey::BirthdayMonthKey, "(MONTH(BIR:DOB) = 12)", bir::MONTHTAG, " December only"},
};

// The fields the eleven columns show, left to right.
const std::vector<int> kColumnFields = {bir::LASTNAME, bir::FIRSTNAME, bir::SECONDNAME, bir::MONTHBORN,
                                        bir::AGE,      bir::ASAT,      bir::DOB,        bir::STAR,
                                        bir::MAIDENNAME, bir::PLACEBORN, bir::TIMEBORN};
constexpr int kAgeColumn = 4;
constexpr int kAsAtColumn = 5;
constexpr int kStarColumn = 7;

const QColor kGrey(128, 128, 128);
const QColor kBlue(0, 0, 255);

QPointer<BrowseBirthdays> theList;

QString q(const std::string& s) { return QString::fromStdString(s); }

QLabel* greyLabel(const QString& text, QWidget* parent, const QString& name = {}) {
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty()) label->setObjectName(name);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, kGrey);
    label->setPalette(p);
    return label;
}

QPushButton* iconButton(const QString& name, const QString& icon, const QString& tip, QWidget* parent) {
    auto* b = new QPushButton(parent);
    b->setObjectName(name);
    b->setIcon(artworkIcon(icon));
    b->setToolTip(tip);
    return b;
}

}  // namespace

const char* const BrowseBirthdays::kDesignedFormat =
    "50L(2)|M*~Last name~L(1)@s22@41L(2)|M*~First name~L(1)@s25@41L(2)|M*~2nd name~@s25@43L(1)|M*~Month "
    "born~L(2)@s10@18C|M*~Age~L(2)@N3B@42C|M*~as at...~L(1)@D017B@41C|M*~Born~L(2)@D017B@44L(1)|M*~Star~L(2)@"
    "s12@41L(2)|M*~Maiden~@s22@71L(2)|M*~Place born~@s65@28L(2)|M*~Time born~@T3B@";

BrowseBirthdays* BrowseBirthdays::openList() { return theList; }

BrowseBirthdays* BrowseBirthdays::start(AppContext& app, Main& frame) {
    if (globals().birthdayListThread != 0 && theList) {
        bringToFront(theList->parentWidget());
        return theList;
    }
    ThreadContext& thread = app.threads.start();
    auto* list = new BrowseBirthdays(app, thread);
    QMdiSubWindow* window = frame.addChildWindow(list);
    list->open(window);
    if (!list->fileOpened_) {
        window->close();
        return nullptr;
    }
    window->show();
    list->list_->table()->setFocus();
    return list;
}

BrowseBirthdays::BrowseBirthdays(AppContext& app, ThreadContext& thread)
    : app_(app), thread_(thread), locale_(conventionsOfUserLocale()) {
    setObjectName(QStringLiteral("BrowseBirthdays"));
    setWindowTitle(QStringLiteral("Browse Birthdays"));
    setWindowIcon(artworkIcon(QStringLiteral("UserOrg.ico")));
    setFont(QFont(QStringLiteral("Arial"), 8));
    setProperty("helpTopic", QStringLiteral("Birthdays"));
    build();
}

BrowseBirthdays::~BrowseBirthdays() {
    if (theList == this) theList = nullptr;
    app_.threads.end(thread_.number());
}

void BrowseBirthdays::open(QMdiSubWindow* window) {
    procedure_ = std::make_unique<ProcedureWindow>("BrowseBirthdays", thread_, app_.settings, window, true);
    const DialogUnits du(font());
    window->resize(du.toPixels(QSize(537, 330)));
    procedure_->open();
    theList = this;
    globals().birthdayListThread = thread_.number();
    fileOpened_ = thread_.files().birthdays().open();
    if (!fileOpened_) return;
    const std::string format = openListLayout(app_.settings, kBirthdayListLayout, kDesignedFormat);
    if (!list_->setFormat(format, kColumnFields)) list_->setFormat(kDesignedFormat, kColumnFields);
    globals().birthdayListOpen = true;
    procedure_->setSizeLimits({540, 330}, {950, 750});
    ageColumnsHidden_ = true;
    starColumnHidden_ = true;
    ageBox_->setChecked(false);
    chooseTab(0);
    setWindowTitle(QStringLiteral("Browse Birthdays"));
}

void BrowseBirthdays::closeEvent(QCloseEvent* event) {
    if (inCall_) {
        // A form or viewer of this list is still open; it closes first.
        event->ignore();
        return;
    }
    if (fileOpened_) {
        saveListLayout(app_.settings, kBirthdayListLayout, list_->currentFormat());
        thread_.files().birthdays().close();
        fileOpened_ = false;
    }
    if (procedure_) procedure_->close();
    globals().birthdayListOpen = false;
    if (globals().birthdayListThread == thread_.number()) globals().birthdayListThread = 0;
    event->accept();
}

RecordBuffer& BrowseBirthdays::person() { return thread_.files().birthdays().buffer(); }

void BrowseBirthdays::build() {
    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("CURRENTTAB"));
    for (const BirthdayTab& t : kTabs) {
        const int i = tabs_->addTab(QString::fromLatin1(t.text));
        tabs_->setTabData(i, QString::fromLatin1(t.useName));
    }
    list_ = new BrowseList(thread_.files().birthdays(), QStringLiteral("Browse:2"), this);
    list_->table()->setToolTip(QStringLiteral("Browsing Records"));
    list_->model().setRowColour([this](const RecordValues& v) { return rowColour(v); });
    countLabel_ = new QLabel(this);
    countLabel_->setObjectName(QStringLiteral("LOC:RECORDCOUNT"));
    countLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto button = [this](const QString& name, const QString& text, const QString& tip) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        if (!tip.isEmpty()) b->setToolTip(tip);
        return b;
    };
    auto* insert = button(QStringLiteral("INSERT:2"), QStringLiteral("&Insert"), QStringLiteral("Add a new record."));
    auto* change = button(QStringLiteral("CHANGE:2"), QStringLiteral("&Change"), QStringLiteral("Edit the selected record."));
    auto* remove = button(QStringLiteral("DELETE:2"), QStringLiteral("&Delete"), QStringLiteral("Remove the selected record."));
    auto* ageButton = button(QStringLiteral("SHOWAGEBUT"), QStringLiteral("Show/Hide age as at..."), {});
    starButton_ = button(QStringLiteral("STARBUT"), QStringLiteral("Show/Hide Stars"), {});
    auto* close = button(QStringLiteral("CLOSE"), QStringLiteral("Close"), QStringLiteral("Close Window"));
    auto* help = iconButton(QStringLiteral("HELP"), QStringLiteral("HELP.ICO"), QString(), this);
    help->setText(QStringLiteral("?"));

    auto* top = new QHBoxLayout;
    top->addWidget(tabs_, 1);
    top->addWidget(countLabel_);
    auto* under = new QHBoxLayout;
    under->addWidget(ageButton);
    under->addWidget(starButton_);
    under->addStretch(1);
    under->addWidget(insert);
    under->addWidget(change);
    under->addWidget(remove);
    auto* left = new QVBoxLayout;
    left->addLayout(top);
    left->addWidget(list_, 1);
    left->addLayout(under);
    auto* right = new QVBoxLayout;
    right->addWidget(buildPanel(), 1);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    closeRow->addWidget(close);
    closeRow->addWidget(help);
    right->addLayout(closeRow);
    auto* all = new QHBoxLayout(this);
    all->addLayout(left, 3);
    all->addLayout(right, 2);

    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0 && index != tab_) chooseTab(index);
    });
    connect(list_, &BrowseList::highlightChanged, this, &BrowseBirthdays::refresh);
    connect(insert, &QPushButton::clicked, this, [this] { callForm(InsertRecord); });
    connect(change, &QPushButton::clicked, this, [this] { callForm(ChangeRecord); });
    connect(remove, &QPushButton::clicked, this, [this] { callForm(DeleteRecord); });
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
    connect(close, &QPushButton::clicked, this, [this] {
        if (auto* w = parentWidget()) w->close();
    });
    connect(help, &QPushButton::clicked, this, [this] {
        list_->loadHighlighted();
        app_.ui.help.lookUpKeyword("Browse Birthdays", "Help Topic", "Not Found");
    });
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
    for (int f : {bir::ADD1, bir::ADD2, bir::ADD3, bir::ADD4, bir::ADD5}) grid->addWidget(field(f), row++, 0, 1, 3);

    auto* buttons = new QHBoxLayout;
    auto* print = iconButton(QStringLiteral("PRTBUT"), QStringLiteral("Printer.ico"), {}, panel);
    copyButton_ = iconButton(QStringLiteral("CLIPBOARDBUT"), QStringLiteral("copy.ico"),
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

    grid->addWidget(greyLabel(QStringLiteral("Age today:"), panel, QStringLiteral("AGESTRG")), row, 0);
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

void BrowseBirthdays::chooseTab(int index) {
    tab_ = index;
    if (tabs_->currentIndex() != index) tabs_->setCurrentIndex(index);
    const BirthdayTab& t = kTabs[index];
    setWindowTitle(QString::fromLatin1(t.caption));
    starButton_->setVisible(index == 0);
    const std::int64_t n = list_->setSortOrder({t.key, t.filter, t.locator});
    if (n >= 0) count_ = n;
    refresh();
    list_->table()->setFocus();
}

void BrowseBirthdays::reloadRows(const KeyPosition* at) {
    const std::int64_t n = list_->reload(at);
    if (n >= 0) count_ = n;
    refresh();
}

QColor BrowseBirthdays::rowColour(const RecordValues& v) const {
    if (v.fields[bir::UPDATEAGE].number == 1 || v.fields[bir::SKIPPRINTBIRTH].number == 1) return kGrey;
    const auto dob = static_cast<Date>(v.fields[bir::DOB].number);
    if (dob > 0 && monthOf(dob) == monthOf(app_.ui.clock.today())) return kBlue;
    return {};
}

// The detail panel, the age line and the switchable columns follow the highlighted person.
void BrowseBirthdays::refresh() {
    RecordBuffer& p = person();
    countLabel_->setText(q(formatNumber(*parsePicture("N7"), count_)));
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
        line = ageText(p.date(bir::DOB), app_.ui.clock.today());
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

void BrowseBirthdays::callForm(std::uint8_t request) {
    if (request != InsertRecord && !list_->loadHighlighted()) return;
    if (request == InsertRecord) globals().newBirthday = true;
    if (request == ChangeRecord) globals().newBirthday = false;
    thread_.requestCode = request;
    inCall_ = true;
    setEnabled(false);
    UpdateBirthdays::run(app_, thread_, this, [this](std::uint8_t response) {
        inCall_ = false;
        setEnabled(true);
        // After a save the list shows the person saved; otherwise the same place.
        const RecordBuffer& p = person();
        const KeyPosition at{p.values(), p.position()};
        reloadRows(response == RequestCompleted && p.position() != 0 ? &at : nullptr);
        list_->table()->setFocus();
    });
}

void BrowseBirthdays::copyAddress() {
    const RecordBuffer& p = person();
    const std::string day(trimRight(formatDate(*parsePicture("D18"), app_.ui.clock.today(), locale_)));
    std::string clip = day + "\r\n\r\n";
    std::string shown = "          " + day + "||";
    for (int f : {bir::ADD1, bir::ADD2, bir::ADD3, bir::ADD4, bir::ADD5}) {
        const std::string line(trimRight(p.text(f)));
        clip += line + "\r\n";
        shown += "          " + line + "|";
    }
    shown += "||||The above can now be 'Pasted' to your document.";
    app_.ui.clipboard.setText(clip);
    app_.ui.messages.show({"Sent to Clipboard...", shown, MessageIcon::Information});
    list_->table()->setFocus();
}

void BrowseBirthdays::startEmail() {
    list_->loadHighlighted();
    const std::string address(trimRight(person().text(bir::EMAIL)));
    if (address.empty()) {
        const int answer = app_.ui.messages.show(
            {"Please note...", "The selected person does not have an e-mail address.||Do you want to continue?",
             MessageIcon::Question, "&Yes|&No", 1});
        if (answer != 1) {
            list_->table()->setFocus();
            return;
        }
    }
    app_.ui.shell.open("mailto:" + address);
    list_->table()->setFocus();
}

void BrowseBirthdays::showPhotograph() {
    const RecordBuffer& p = person();
    const std::string path(trimRight(p.text(bir::PHOTOIMAGEPATH)));
    if (path.empty()) {
        app_.ui.messages.show({"Please note...",
                               "No photograph to display.||To add select [Change] then the [Photograph] tab.",
                               MessageIcon::Information});
        return;
    }
    globals().shownPhotoPath = path;
    globals().shownPhotoName = std::string(cutToCharacters(trimRight(p.text(bir::CLIPNAME)), 45));
    list_->loadHighlighted();
    inCall_ = true;
    Win_ViewImages::run(app_, thread_, this, [this] {
        inCall_ = false;
        refresh();
    });
}

void BrowseBirthdays::showNotes() {
    list_->loadHighlighted();
    inCall_ = true;
    Win_ViewNotes::run(app_, thread_, this, [this] {
        inCall_ = false;
        refresh();
    });
}

void BrowseBirthdays::printPerson() {
    if (person().date(bir::DOB) == 0) {
        app_.ui.messages.show({"Please note...",
                               "No Date of Birth for the selected person.||This report requires that a 'Date Born:' be "
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
