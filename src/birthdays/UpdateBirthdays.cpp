#include "birthdays/UpdateBirthdays.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTabWidget>
#include <QVBoxLayout>

#include "birthdays/PersonCalculations.h"
#include "birthdays/Win_ViewImages.h"
#include "data/BirthdayFile.h"
#include "data/Globals.h"
#include "platform/Text.h"
#include "platform/qt/DialogUnits.h"
#include "platform/qt/PictureFile.h"
#include "shell/Artwork.h"

namespace ntx {
namespace {

const QColor kGrey(128, 128, 128);
constexpr const char* kDateTip = "Select date from calendar";
constexpr const char* kPhoneTip = "Format number to your preference using spaces";
constexpr const char* kAddressTip = "Include Zip/Postal code if applicable";
// The photograph file dialog's mask, as the window describes it.
constexpr const char* kPhotoMask = "*.bmp; *.gif; *.wmf;*.pcx; *.jpg";
constexpr int kPictureArea = 110;  // dialog units, across and down

// "Image Files (*.bmp *.gif ...)" as the file dialog takes its filters.
std::string photoFilter() {
    QStringList patterns;
    for (const QString& p : QString::fromLatin1(kPhotoMask).split(QLatin1Char(';'))) {
        if (!p.trimmed().isEmpty()) patterns << p.trimmed();
    }
    return QStringLiteral("Image Files (%1)").arg(patterns.join(QLatin1Char(' '))).toStdString();
}

void makeGrey(QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, kGrey);
    p.setColor(QPalette::ButtonText, kGrey);
    w->setPalette(p);
}

QLabel* greyText(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    makeGrey(label);
    return label;
}

QLabel* prompt(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(buddy->objectName() + QStringLiteral(":PROMPT"));
    label->setBuddy(buddy);
    return label;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text, const QString& tip) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setToolTip(tip);
    return b;
}

}  // namespace

void UpdateBirthdays::run(AppContext& app, ThreadContext& thread, QWidget* owner,
                          std::function<void(std::uint8_t)> done) {
    auto* form = new UpdateBirthdays(app, thread, owner, std::move(done));
    form->start();
}

UpdateBirthdays::UpdateBirthdays(AppContext& app, ThreadContext& thread, QWidget* owner,
                                 std::function<void(std::uint8_t)> done)
    : UpdateForm(app, thread, thread.files().birthdays(), "UpdateBirthdays", owner,
                 std::move(done)) {
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setWindowIcon(artworkIcon(QStringLiteral("UserOrg.ico")));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setBrush(QPalette::Window, QBrush(artworkPicture(QStringLiteral("WinBG3.bmp"))));
    setPalette(palette);
    setWindowTitle(QStringLiteral("Update Birthdays"));
    setCaptions(QStringLiteral("Add Birthday"), QStringLiteral("Edit Birthday"),
                QStringLiteral("View"));
    setHelp("UpdateBirthdays", "Update Birthdays");
    setDesignedSize(QSize(337, 236));
    build();
}

void UpdateBirthdays::build() {
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("CURRENTTAB"));
    tabs->addTab(buildBirthdayTab(), QStringLiteral("&Birthday details..."));
    tabs->addTab(buildOtherTab(), QStringLiteral("Other &details..."));
    tabs->addTab(buildNotesTab(), QStringLiteral("&Notes..."));
    tabs->addTab(buildPhotographTab(), QStringLiteral("&Photograph"));

    okButton()->setToolTip(QStringLiteral("Save "));
    cancelButton()->setToolTip(QStringLiteral("Abort"));
    layOut(tabs);
}

QWidget* UpdateBirthdays::buildBirthdayTab() {
    auto* tab = new QWidget;
    tab->setObjectName(QStringLiteral("TAB:1"));
    auto* grid = new QGridLayout(tab);

    auto* lastName =
        bindEntry(makeEntry(tab, QStringLiteral("BIR:LASTNAME")), bir::LASTNAME, "S30");
    auto* firstName =
        bindEntry(makeEntry(tab, QStringLiteral("BIR:FIRSTNAME")), bir::FIRSTNAME, "s25");
    auto* maiden =
        bindEntry(makeEntry(tab, QStringLiteral("BIR:MAIDENNAME")), bir::MAIDENNAME, "s22");
    auto* dob = bindEntry(makeEntry(tab, QStringLiteral("BIR:DOB"),
                                    QStringLiteral("For 1st January 1911 enter 01011911")),
                          bir::DOB, "D17B");
    calendar_ = button(tab, QStringLiteral("CALENDAR"), QStringLiteral("..."),
                       QString::fromLatin1(kDateTip));
    auto* star = bindDisplay(makeEntry(tab, QStringLiteral("BIR:STAR")), bir::STAR, "s12");
    auto* asAt = bindEntry(makeEntry(tab, QStringLiteral("BIR:ASAT")), bir::ASAT, "D017B");
    calendar2_ = button(tab, QStringLiteral("CALENDAR:2"), QStringLiteral("..."),
                        QString::fromLatin1(kDateTip));
    auto* today = button(tab, QStringLiteral("TODAYBUT"), QStringLiteral("Today"),
                         QStringLiteral("Click to use todays date as the Current Date."));
    today->setFont(QFont(QStringLiteral("Arial"), 7));
    makeGrey(today);
    auto* age = bindDisplay(makeEntry(tab, QStringLiteral("BIR:AGE:2")), bir::AGE, "N3B");
    auto* notes = bindEntry(makeEntry(tab, QStringLiteral("BIR:NOTES")), bir::NOTES, "s45");
    auto* skipPrint = bindCheck(
        new QCheckBox(QStringLiteral("  E&xclude this person from printed reports?"), tab),
        bir::SKIPPRINTBIRTH);
    skipPrint->setObjectName(QStringLiteral("BIR:SKIPPRINTBIRTH"));
    skipPrint->setToolTip(QStringLiteral("To exclude from Birthday reports tick this box."));
    auto* updateAge = bindCheck(
        new QCheckBox(QStringLiteral("  &Exclude from auto age updates (use if deceased)"), tab),
        bir::UPDATEAGE);
    updateAge->setObjectName(QStringLiteral("BIR:UPDATEAGE"));
    updateAge->setToolTip(QStringLiteral("Applies if deceased"));

    int row = 0;
    grid->addWidget(prompt(tab, QStringLiteral("&Last name:"), lastName), row, 0);
    grid->addWidget(lastName, row++, 1, 1, 3);
    grid->addWidget(prompt(tab, QStringLiteral("&First name(s):"), firstName), row, 0);
    grid->addWidget(firstName, row++, 1, 1, 3);
    grid->addWidget(prompt(tab, QStringLiteral("&Maiden name:"), maiden), row, 0);
    grid->addWidget(maiden, row, 1, 1, 2);
    grid->addWidget(greyText(tab, QStringLiteral("(if applicable)")), row++, 3);
    grid->addWidget(prompt(tab, QStringLiteral("D&ate Born:"), dob), row, 0);
    grid->addWidget(dob, row, 1);
    grid->addWidget(calendar_, row, 2);
    auto* starLine = new QHBoxLayout;
    starLine->addWidget(new QLabel(QStringLiteral("Star:"), tab));
    starLine->addWidget(star);
    grid->addLayout(starLine, row++, 3);
    grid->addWidget(prompt(tab, QStringLiteral("C&urrent Date:"), asAt), row, 0);
    grid->addWidget(asAt, row, 1);
    auto* dateButtons = new QHBoxLayout;
    dateButtons->addWidget(calendar2_);
    dateButtons->addWidget(today);
    grid->addLayout(dateButtons, row, 2);
    auto* ageLine = new QHBoxLayout;
    ageLine->addWidget(new QLabel(QStringLiteral("Age:"), tab));
    ageLine->addWidget(age);
    grid->addLayout(ageLine, row++, 3);
    grid->addWidget(prompt(tab, QStringLiteral("&Comment:"), notes), row, 0);
    grid->addWidget(notes, row, 1, 1, 2);
    grid->addWidget(greyText(tab, QStringLiteral("(optional)")), row++, 3);
    grid->addWidget(skipPrint, row++, 1, 1, 3);
    grid->addWidget(updateAge, row++, 1, 1, 3);
    grid->setRowStretch(row, 1);

    // Entries the user never sees; they carry the derived fields as the form shows them.
    auto* hiddenAge = bindEntry(makeEntry(tab, QStringLiteral("BIR:AGE")), bir::AGE, "N4");
    auto* monthBorn =
        bindEntry(makeEntry(tab, QStringLiteral("BIR:MONTHBORN")), bir::MONTHBORN, "s10");
    auto* dayBorn = bindEntry(makeEntry(tab, QStringLiteral("BIR:DAYBORN")), bir::DAYBORN, "s4");
    for (QWidget* hidden : {static_cast<QWidget*>(hiddenAge), static_cast<QWidget*>(monthBorn),
                            static_cast<QWidget*>(dayBorn),
                            static_cast<QWidget*>(prompt(tab, QStringLiteral("&Born:"), monthBorn)),
                            static_cast<QWidget*>(prompt(tab, QStringLiteral("&on:"), dayBorn))}) {
        hidden->hide();
    }

    connect(calendar_, &QPushButton::clicked, this, &UpdateBirthdays::pickDateOfBirth);
    connect(calendar2_, &QPushButton::clicked, this, &UpdateBirthdays::pickCurrentDate);
    calendar_->installEventFilter(this);
    calendar2_->installEventFilter(this);
    connect(today, &QPushButton::clicked, this, [this] {
        if (!updateRecordFromWindow()) return;
        record().setDate(bir::ASAT, app().ui.clock.today());
        recalculate();
    });
    setFirstFocus(lastName);
    return tab;
}

QWidget* UpdateBirthdays::buildOtherTab() {
    auto* tab = new QWidget;
    tab->setObjectName(QStringLiteral("TAB2"));
    auto* grid = new QGridLayout(tab);
    int row = 0;
    grid->addWidget(new QLabel(QStringLiteral("Optional additional information..."), tab), row++, 0,
                    1, 3);
    auto add = [&](const char* promptText, const char* name, int field, const char* picture,
                   const QString& tip = {}, const QString& note = {}) {
        QLineEdit* e = bindEntry(makeEntry(tab, QString::fromLatin1(name), tip), field, picture);
        grid->addWidget(prompt(tab, QString::fromLatin1(promptText), e), row, 0);
        grid->addWidget(e, row, 1);
        if (!note.isEmpty()) grid->addWidget(greyText(tab, note), row, 2);
        ++row;
    };
    add("&Second name:", "BIR:SECONDNAME", bir::SECONDNAME, "s25");
    add("&Nick name:", "BIR:NICKNAME", bir::NICKNAME, "s25");
    add("Time Born:", "BIR:TIMEBORN", bir::TIMEBORN, "T7B", {},
        QStringLiteral("(example: 12:30a for am or p for pm)"));
    add("Place Born:", "BIR:PLACEBORN", bir::PLACEBORN, "s65");
    add("&Address name:", "BIR:ADD1", bir::ADD1, "s55",
        QStringLiteral("  Change to Mr/Mrs etc. if you wish."),
        QStringLiteral("< edit?  (ie. change to Mr/Mrs)"));
    add("Address line &1:", "BIR:ADD2", bir::ADD2, "s30");
    add("line &2:", "BIR:ADD3", bir::ADD3, "s30", QString::fromLatin1(kAddressTip));
    add("line &3:", "BIR:ADD4", bir::ADD4, "s30", QString::fromLatin1(kAddressTip));
    add("line &4:", "BIR:ADD5", bir::ADD5, "s30", QString::fromLatin1(kAddressTip));
    add("&Home phone:", "BIR:HOMEPHONE", bir::HOMEPHONE, "s25", QString::fromLatin1(kPhoneTip));
    add("&Work phone:", "BIR:WORKPHONE", bir::WORKPHONE, "s25", QString::fromLatin1(kPhoneTip));
    add("&Mobile phone:", "BIR:MOBILEPHONE", bir::MOBILEPHONE, "s25",
        QString::fromLatin1(kPhoneTip));
    add("&Fax No:", "BIR:FAX", bir::FAX, "s25", QString::fromLatin1(kPhoneTip));
    add("&e-mail address:", "BIR:EMAIL", bir::EMAIL, "s55", QStringLiteral("e-mail address"));
    grid->setRowStretch(row, 1);
    return tab;
}

QWidget* UpdateBirthdays::buildNotesTab() {
    auto* tab = new QWidget;
    tab->setObjectName(QStringLiteral("TAB3:2"));
    auto* notes = bindMemo(new QPlainTextEdit(tab));
    notes->setObjectName(QStringLiteral("BIR:NOTESBIG"));
    notes->setToolTip(QStringLiteral("Any other extra information (optional)"));
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(notes);
    return tab;
}

QWidget* UpdateBirthdays::buildPhotographTab() {
    auto* tab = new QWidget;
    tab->setObjectName(QStringLiteral("PICTAB"));
    const DialogUnits du(font());

    region_ = new QWidget(tab);
    region_->setObjectName(QStringLiteral("REGION1"));
    region_->setFixedSize(du.toPixels(QSize(kPictureArea, kPictureArea)));
    image_ = new QLabel(region_);
    image_->setObjectName(QStringLiteral("IMAGE1"));
    image_->setScaledContents(true);
    image_->resize(0, 0);

    lookupFile_ = button(tab, QStringLiteral("LOOKUPFILE"), QStringLiteral("Select Photograph"),
                         QStringLiteral("Select image to display."));
    lookupFile_->setIcon(artworkIcon(QStringLiteral("Magnifier")));
    auto* testView =
        button(tab, QStringLiteral("TESTVIEW"), QStringLiteral("Test in viewing window"),
               QStringLiteral("Click to test in viewing window."));
    testView->setIcon(artworkIcon(QStringLiteral("UserOrg.ico")));
    auto* remove =
        button(tab, QStringLiteral("REMOVEBUT"), QStringLiteral("Remove Photograph"), {});
    remove->setIcon(artworkIcon(QStringLiteral("RedCross")));
    auto* sample = button(tab, QStringLiteral("BUTTON9"), {}, QStringLiteral("Sample button only"));
    sample->setIcon(artworkIcon(QStringLiteral("UserOrg.ico")));
    auto* path = bindEntry(makeEntry(tab, QStringLiteral("BIR:PHOTOIMAGEPATH")),
                           bir::PHOTOIMAGEPATH, "s127");
    loading_ = greyText(tab, {});
    loading_->setObjectName(QStringLiteral("LOC:LOADING"));

    auto* grid = new QGridLayout(tab);
    grid->addWidget(greyText(tab, QStringLiteral("File types can be: jpg, bmp, gif, wmf, pcx")), 0,
                    0, 1, 3);
    grid->addWidget(region_, 1, 0, 4, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(lookupFile_, 1, 1);
    grid->addWidget(testView, 2, 1);
    grid->addWidget(remove, 3, 1);
    grid->addWidget(sample, 1, 2, Qt::AlignLeft);
    grid->addWidget(prompt(tab, QStringLiteral("Photo Path:"), path), 5, 0);
    grid->addWidget(path, 5, 1, 1, 2);
    grid->addWidget(loading_, 6, 1, 1, 2);
    grid->setRowStretch(4, 1);

    connect(lookupFile_, &QPushButton::clicked, this, &UpdateBirthdays::selectPhotograph);
    lookupFile_->installEventFilter(this);
    connect(testView, &QPushButton::clicked, this, &UpdateBirthdays::testView);
    connect(remove, &QPushButton::clicked, this, &UpdateBirthdays::removePhotograph);
    connect(sample, &QPushButton::clicked, this, [this] {
        app().ui.messages.show({"Sample button only...",
                                "Use this same button from the Browse Birthdays window to |view "
                                "the selected persons photograph.|| The printed report from that "
                                "window also includes the photograph.",
                                MessageIcon::Information});
    });
    return tab;
}

// ---- Derivations ----

void UpdateBirthdays::primeRecord() {
    record().setNumber(bir::UPDATEAGE, 0);
    record().setNumber(bir::SKIPPRINTBIRTH, 0);
}

void UpdateBirthdays::windowReset() {
    deriveBirthdayFields(record());
}

void UpdateBirthdays::recalculate() {
    recalculateAge(record());
    display();
}

void UpdateBirthdays::dateOfBirthAccepted() {
    if (record().date(bir::DOB) > 0 && record().date(bir::ASAT) == kNoDate) {
        record().setDate(bir::ASAT, app().ui.clock.today());
    }
    recalculate();
}

void UpdateBirthdays::entryFocused(int field) {
    switch (field) {
        case bir::LASTNAME:
        case bir::FIRSTNAME:
            composeClipNames(record());
            break;
        case bir::ASAT:
            if (globals().newBirthday && record().date(bir::ASAT) == kNoDate) {
                record().setDate(bir::ASAT, globals().programStartDate);
                displayField(bir::ASAT);
            }
            break;
        case bir::ADD1:
            defaultAddressName(record());
            displayField(bir::ADD1);
            break;
        default:
            break;
    }
}

void UpdateBirthdays::fieldAccepted(int field) {
    switch (field) {
        case bir::LASTNAME:
        case bir::FIRSTNAME:
            composeClipNames(record());
            break;
        case bir::DOB:
            dateOfBirthAccepted();
            break;
        case bir::ASAT:
            recalculate();
            break;
        case bir::EMAIL:
            record().setText(
                bir::EMAIL,
                QString::fromStdString(record().text(bir::EMAIL)).toLower().toStdString());
            displayField(bir::EMAIL);
            break;
        default:
            break;
    }
}

bool UpdateBirthdays::checkEntries() {
    RecordBuffer& r = record();
    if (r.text(bir::LASTNAME).empty() && r.text(bir::FIRSTNAME).empty()) {
        app().ui.messages.show({"Please note...", "At least a 'First' or 'Last' name is required.",
                                MessageIcon::Exclamation});
        moveFocusTo(entryOf(bir::LASTNAME));
        return false;
    }
    const Date dob = r.date(bir::DOB);
    if (dob > 0 && r.date(bir::ASAT) < dob) {
        app().ui.messages.show(
            {"Please correct...",
             " The 'Date Born' can not be a future date.|| Is the 'Current' date correct?",
             MessageIcon::Exclamation});
        moveFocusTo(entryOf(bir::DOB));
        return false;
    }
    if (dob == kNoDate && r.date(bir::ASAT) > 0) {
        // A "Current Date" without a date of birth is not kept.
        r.setDate(bir::ASAT, kNoDate);
        displayField(bir::ASAT);
    }
    return true;
}

void UpdateBirthdays::okAccepted() {
    defaultAddressName(record());
    composeClipNames(record());
    deriveBirthdayFields(record());
    display();
}

// ---- Calendars ----

void UpdateBirthdays::pickDateOfBirth() {
    if (!updateRecordFromWindow()) return;
    if (const auto picked = app().ui.dates.pickDate("Select a Date", record().date(bir::DOB))) {
        record().setDate(bir::DOB, *picked);
        displayField(bir::DOB);
    }
    resetWindow();
    dateOfBirthAccepted();
}

void UpdateBirthdays::pickCurrentDate() {
    if (!updateRecordFromWindow()) return;
    if (const auto picked = app().ui.dates.pickDate("Select a Date", record().date(bir::ASAT))) {
        record().setDate(bir::ASAT, *picked);
        displayField(bir::ASAT);
    }
    resetWindow();
    recalculate();
}

// ---- Photograph ----

void UpdateBirthdays::selectPhotograph() {
    if (!updateRecordFromWindow()) return;
    const std::string folder = (app().folder / "Images").string();
    if (const auto chosen = app().ui.files.openFile("Photograph", folder, photoFilter())) {
        const int capacity = record().def().fields[bir::PHOTOIMAGEPATH].capacity();
        if (characterCount(*chosen) > static_cast<std::size_t>(capacity)) {
            // A path cut short would name another file, or none.
            app().ui.messages.show(
                {"Please note...",
                 "The path of this picture is longer than " + std::to_string(capacity) +
                     " characters and cannot be kept:|" + *chosen +
                     "||Please move the picture to a folder with a shorter path.",
                 MessageIcon::Exclamation});
        } else {
            record().setText(bir::PHOTOIMAGEPATH, *chosen);
            displayField(bir::PHOTOIMAGEPATH);
        }
    }
    showPicture();
}

void UpdateBirthdays::showPicture() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    loading_->setText(QStringLiteral("Loading image - please wait..."));
    loading_->repaint();
    fitPicture();
    loading_->clear();
    loading_->repaint();
    QApplication::restoreOverrideCursor();
    updateRecordFromWindow();
}

void UpdateBirthdays::fitPicture() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QImage picture =
        loadPictureFile(picturePathIn(app().folder, record().text(bir::PHOTOIMAGEPATH)));
    const DialogUnits du(font());
    const QSize area(kPictureArea, kPictureArea);
    region_->setFixedSize(du.toPixels(area));
    const QSize units = fitPictureSize(picture.size(), area);
    if (picture.isNull() || units.isEmpty()) {
        image_->clear();
        image_->resize(0, 0);
    } else {
        const QSize pixels = du.toPixels(units);
        image_->setPixmap(QPixmap::fromImage(
            picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
        image_->setGeometry(QRect(QPoint(0, 0), pixels));
    }
    QApplication::restoreOverrideCursor();
}

void UpdateBirthdays::testView() {
    if (!updateRecordFromWindow() || inViewer_) return;
    const std::string path(trimRight(record().text(bir::PHOTOIMAGEPATH)));
    if (isBlank(path)) {
        app().ui.messages.show({"No Photograph?", "Use the [Select Photograph] button to add.",
                                MessageIcon::Question});
        moveFocusTo(lookupFile_);
        return;
    }
    globals().shownPhotoPath = path;
    globals().shownPhotoName =
        std::string(cutToCharacters(trimRight(record().text(bir::CLIPNAME)), 45));
    inViewer_ = true;
    Win_ViewImages::run(app(), thread(), this, [form = QPointer<UpdateBirthdays>(this)] {
        if (!form) return;
        form->inViewer_ = false;
        form->resetWindow();
    });
}

void UpdateBirthdays::removePhotograph() {
    if (!updateRecordFromWindow()) return;
    const int answer = app().ui.messages.show(
        {"Please confirm...",
         "Remove this photograph from view?||This does not delete the photograph from your "
         "computer.",
         MessageIcon::Question, "&Yes|&No", 1});
    if (answer == 1) {
        record().setText(bir::PHOTOIMAGEPATH, "");
        displayField(bir::PHOTOIMAGEPATH);
    } else {
        app().ui.messages.show(
            {"Aborted...", "No changes have been made.", MessageIcon::Information});
    }
    fitPicture();
    updateRecordFromWindow();
}

// ---- Events ----

bool UpdateBirthdays::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && !isHidden()) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool byUser = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
        // Any event on these buttons counts, the focus arriving included.
        if (byUser && watched == calendar_) dateOfBirthAccepted();
        if (byUser && watched == calendar2_) recalculate();
        if (byUser && watched == lookupFile_) showPicture();
    }
    return UpdateForm::eventFilter(watched, event);
}

}  // namespace ntx
