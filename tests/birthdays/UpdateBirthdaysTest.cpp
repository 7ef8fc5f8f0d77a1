#include "birthdays/UpdateBirthdays.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "birthdays/Win_ViewImages.h"
#include "data/Globals.h"
#include "platform/qt/DialogUnits.h"
#include "support/FormFixture.h"

namespace ntx {
namespace {

using test::activate;
using test::click;
using test::control;
using test::tabOut;
using test::typedDate;
using test::typeInto;
using test::ymd;

const Date kToday = ymd(2026, 12, 11);        // the fixture's clock
const Date kProgramStart = ymd(2026, 12, 1);  // the day the frame opened

struct Fixture : test::FormFixture {
    Fixture() {
        globals().programStartDate = kProgramStart;
        globals().shownPhotoPath.clear();
        globals().shownPhotoName.clear();
    }

    // Calls the form as the list does; the window, or nullptr for a delete.
    QPointer<QWidget> open(std::uint8_t request) {
        globals().newBirthday = request == InsertRecord;
        first.requestCode = request;
        UpdateBirthdays::run(app, first, &owner, recorder());
        auto* form = owner.findChild<UpdateBirthdays*>();
        if (form != nullptr && form->isVisible()) {
            activate(form);
            return form;
        }
        return nullptr;
    }

    void addPerson(const std::string& last, const std::string& firstName, Date dob, Date asAt) {
        FormFixture::addPerson([&](RecordBuffer& b) {
            b.setText(bir::LASTNAME, last);
            b.setText(bir::FIRSTNAME, firstName);
            b.setDate(bir::DOB, dob);
            b.setDate(bir::ASAT, asAt);
        });
    }

    // A picture of the given size in the Images folder; returns its path.
    std::string picture(const std::string& name, int width, int height) {
        std::filesystem::create_directories(folder / "Images");
        const std::string path = (folder / "Images" / name).string();
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        image.save(QString::fromStdString(path), "BMP");
        return path;
    }
};

QPushButton* button(QWidget* form, const char* name) {
    return control<QPushButton>(form, name);
}

TEST(UpdateBirthdays, InsertDerivesEveryField) {
    Fixture f;
    QPointer<QWidget> form = f.open(InsertRecord);
    ASSERT_TRUE(form);
    EXPECT_EQ(form->windowTitle(), "Add Birthday");
    EXPECT_TRUE(control(form, "BIR:LASTNAME")->hasFocus());
    EXPECT_EQ(control<QTabWidget>(form, "CURRENTTAB")->count(), 4);

    typeInto(control(form, "BIR:LASTNAME"), "Smith");
    typeInto(control(form, "BIR:FIRSTNAME"), "John");
    QLineEdit* dob = control(form, "BIR:DOB");
    typeInto(dob, typedDate(ymd(1980, 3, 15)));
    tabOut(dob);
    // "Current Date" was empty: it becomes today, and the age and sign show at once.
    EXPECT_EQ(control(form, "BIR:ASAT")->text(),
              QString::fromStdString(
                  formatDate(*parsePicture("D017"), kToday, conventionsOfUserLocale())));
    EXPECT_EQ(control(form, "BIR:AGE:2")->text(), "46");
    EXPECT_EQ(control(form, "BIR:STAR")->text(), "Pisces");

    control<QTabWidget>(form, "CURRENTTAB")->setCurrentIndex(1);
    typeInto(control(form, "BIR:EMAIL"), "John.Smith@Example.ORG");
    click(button(form, "OK"));

    EXPECT_EQ(f.responses, std::vector<std::uint8_t>{RequestCompleted});
    const auto john = f.stored("Smith", "John");
    ASSERT_TRUE(john);
    const auto& v = john->fields;
    EXPECT_EQ(v[bir::CLIPNAME].text, "Smith, John");
    EXPECT_EQ(v[bir::CLIPNAME2].text, "John Smith");
    EXPECT_EQ(v[bir::ADD1].text, "John Smith");
    EXPECT_EQ(v[bir::DOB].number, ymd(1980, 3, 15));
    EXPECT_EQ(v[bir::ASAT].number, kToday);
    EXPECT_EQ(v[bir::AGE].number, 46);
    EXPECT_EQ(v[bir::MONTHBORN].text, "March");
    EXPECT_EQ(v[bir::DAYBORN].number, 15);
    EXPECT_EQ(v[bir::DAYANDMONTHBORN].text, "15  March");
    EXPECT_EQ(v[bir::MONTHTAG].number, 3);
    EXPECT_EQ(v[bir::STAR].text, "Pisces");
    EXPECT_EQ(v[bir::EMAIL].text, "john.smith@example.org");
    EXPECT_EQ(v[bir::UPDATEAGE].number, 0);
    EXPECT_EQ(v[bir::SKIPPRINTBIRTH].number, 0);
}

TEST(UpdateBirthdays, CurrentDateFromTheStartDateTodayOrTheCalendar) {
    Fixture f;
    QPointer<QWidget> form = f.open(InsertRecord);
    typeInto(control(form, "BIR:FIRSTNAME"), "Mia");
    // A new person's empty "Current Date" gets the day the program started when entered.
    control(form, "BIR:ASAT")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(f.buffer().date(bir::ASAT), kProgramStart);
    // "Today" gives today and the age again, 0 without a date of birth.
    click(button(form, "TODAYBUT"));
    EXPECT_EQ(f.buffer().date(bir::ASAT), kToday);
    EXPECT_EQ(f.buffer().number(bir::AGE), 0);
    // The calendar of the date of birth opens on it and derives from the date chosen.
    f.ui.dates.answers = {ymd(2001, 12, 23)};
    click(button(form, "CALENDAR"));
    ASSERT_EQ(f.ui.dates.requests.size(), 1u);
    EXPECT_EQ(f.ui.dates.requests[0].title, "Select a Date");
    EXPECT_EQ(f.ui.dates.requests[0].start, kNoDate);
    EXPECT_EQ(control(form, "BIR:DOB")->text(), typedDate(ymd(2001, 12, 23)));
    EXPECT_EQ(control(form, "BIR:STAR")->text(), "Capricorn");
    EXPECT_EQ(control(form, "BIR:AGE:2")->text(), "24");
    // The other calendar changes "Current Date" and the age with it.
    f.ui.dates.answers = {ymd(2011, 12, 23)};
    click(button(form, "CALENDAR:2"));
    EXPECT_EQ(f.ui.dates.requests[1].start, kToday);
    EXPECT_EQ(control(form, "BIR:AGE:2")->text(), "10");
    // The address name gets its default when its entry is entered.
    control<QTabWidget>(form, "CURRENTTAB")->setCurrentIndex(1);
    control(form, "BIR:ADD1")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(control(form, "BIR:ADD1")->text(), "Mia");  // kept without trailing blanks
}

TEST(UpdateBirthdays, ChangeShowsEditBirthdayAndWritesBackTheNewDerivations) {
    Fixture f;
    f.addPerson("Brown", "Bea", ymd(1990, 1, 5), ymd(2011, 1, 1));  // derived fields not set
    QPointer<QWidget> form = f.open(ChangeRecord);
    EXPECT_EQ(form->windowTitle(), "Edit Birthday");
    // Brought up to date as soon as the window opens.
    EXPECT_EQ(control(form, "BIR:STAR")->text(), "Capricorn");
    EXPECT_EQ(control(form, "BIR:AGE:2")->text(), "20");

    QLineEdit* dob = control(form, "BIR:DOB");
    typeInto(dob, typedDate(ymd(1990, 8, 24)));
    click(button(form, "OK"));
    EXPECT_EQ(f.responses, std::vector<std::uint8_t>{RequestCompleted});
    const auto bea = f.stored("Brown", "Bea");
    ASSERT_TRUE(bea);
    EXPECT_EQ(bea->fields[bir::ASAT].number, ymd(2011, 1, 1));  // kept
    EXPECT_EQ(bea->fields[bir::AGE].number, 20);
    EXPECT_EQ(bea->fields[bir::STAR].text, "Virgo");
    EXPECT_EQ(bea->fields[bir::DAYANDMONTHBORN].text, "24  August");
    EXPECT_EQ(bea->fields[bir::MONTHTAG].number, 8);
    EXPECT_EQ(f.people().recordCount(), 1);
}

TEST(UpdateBirthdays, ClearingTheDateOfBirthClearsCurrentDateAndTheDerivedFields) {
    Fixture f;
    f.addPerson("Brown", "Bea", ymd(1990, 1, 5), ymd(2011, 1, 1));
    QPointer<QWidget> form = f.open(ChangeRecord);
    typeInto(control(form, "BIR:DOB"), "");
    click(button(form, "OK"));
    const auto bea = f.stored("Brown", "Bea");
    ASSERT_TRUE(bea);
    const auto& v = bea->fields;
    EXPECT_EQ(v[bir::DOB].number, 0);
    EXPECT_EQ(v[bir::ASAT].number, 0);
    EXPECT_EQ(v[bir::AGE].number, 0);
    EXPECT_EQ(v[bir::MONTHBORN].text, "");
    EXPECT_EQ(v[bir::DAYBORN].number, 0);
    EXPECT_EQ(v[bir::DAYANDMONTHBORN].text, "");
    EXPECT_EQ(v[bir::MONTHTAG].number, 0);
    EXPECT_EQ(v[bir::STAR].text, "");
}

TEST(UpdateBirthdays, DeleteAsksWithoutAWindowAndDeletesOnlyOnYes) {
    for (const int answer : {1, 2}) {
        SCOPED_TRACE(answer);
        Fixture f;
        f.addPerson("Brown", "Bea", ymd(1990, 1, 5), ymd(2011, 1, 1));
        f.ui.messages.answers = {answer};
        EXPECT_FALSE(f.open(DeleteRecord));
        ASSERT_EQ(f.ui.messages.shown.size(), 1u);
        EXPECT_EQ(f.ui.messages.shown[0].caption, "Confirm Delete");
        EXPECT_EQ(f.ui.messages.shown[0].text,
                  "Are you sure you want to delete the highlighted record?");
        EXPECT_EQ(f.ui.messages.shown[0].buttons, "&Yes|&No");
        EXPECT_EQ(f.responses,
                  std::vector<std::uint8_t>{answer == 1 ? RequestCompleted : RequestCancelled});
        EXPECT_EQ(f.first.responseCode, f.responses.back());
        EXPECT_EQ(f.people().recordCount(), answer == 1 ? 0 : 1);
        EXPECT_FALSE(f.settings.fetchValue("UpdateBirthdays", "Maximize").has_value());
    }
}

TEST(UpdateBirthdays, TheChecksWhenOkGetsTheFocusStopItAndMoveTheFocus) {
    struct Case {
        const char* what;
        Date dob, asAt;
        const char* last;
        int way;  // 0 click OK, 1 Tab into OK, 2 Enter in an entry
        const char* caption;
        const char* text;
        const char* focus;
    };
    const char* names = "At least a 'First' or 'Last' name is required.";
    const char* dates =
        " The 'Date Born' can not be a future date.|| Is the 'Current' date correct?";
    const Case cases[] = {
        {"no name, click", kNoDate, kNoDate, "", 0, "Please note...", names, "BIR:LASTNAME"},
        {"no name, Tab", kNoDate, kNoDate, "", 1, "Please note...", names, "BIR:LASTNAME"},
        {"born after current date, click", ymd(2011, 5, 5), ymd(2011, 1, 1), "Zed", 0,
         "Please correct...", dates, "BIR:DOB"},
        {"born after current date, Enter", ymd(2011, 5, 5), ymd(2011, 1, 1), "Zed", 2,
         "Please correct...", dates, "BIR:DOB"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        f.addPerson(c.last, "", c.dob, c.asAt);
        QPointer<QWidget> form = f.open(ChangeRecord);
        control<QTabWidget>(form, "CURRENTTAB")->setCurrentIndex(1);
        QLineEdit* notes = control(form, "BIR:NOTES");
        if (c.way == 0) click(button(form, "OK"));
        if (c.way == 1) {
            button(form, "OK")->setFocus(Qt::TabFocusReason);
            QApplication::processEvents();
        }
        if (c.way == 2) {
            control<QTabWidget>(form, "CURRENTTAB")->setCurrentIndex(0);
            typeInto(notes, "a note");
            QTest::keyClick(notes, Qt::Key_Return);
        }
        ASSERT_EQ(f.ui.messages.shown.size(), 1u);
        EXPECT_EQ(f.ui.messages.shown[0].caption, c.caption);
        EXPECT_EQ(f.ui.messages.shown[0].text, c.text);
        EXPECT_EQ(f.ui.messages.shown[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(QApplication::focusWidget(), control(form, c.focus));
        EXPECT_EQ(control<QTabWidget>(form, "CURRENTTAB")->currentIndex(), 0);
        EXPECT_TRUE(form->isVisible());
        EXPECT_TRUE(f.responses.empty());
    }
}

TEST(UpdateBirthdays, APhotographIsFittedInto110UnitsKeepingItsProportions) {
    struct Case {
        int width, height;
        QSize units;
    };
    for (const Case& c : {Case{200, 100, {110, 55}}, Case{30, 60, {55, 110}}}) {
        SCOPED_TRACE(c.width);
        Fixture f;
        const std::string path = f.picture("photo.bmp", c.width, c.height);
        QPointer<QWidget> form = f.open(InsertRecord);
        control<QTabWidget>(form, "CURRENTTAB")->setCurrentIndex(3);
        f.ui.files.answers = {path};
        click(button(form, "LOOKUPFILE"));

        ASSERT_EQ(f.ui.files.requests.size(), 1u);
        EXPECT_EQ(f.ui.files.requests[0].title, "Photograph");
        EXPECT_EQ(f.ui.files.requests[0].folder, (f.folder / "Images").string());
        EXPECT_EQ(f.ui.files.requests[0].filters, "Image Files (*.bmp *.gif *.wmf *.pcx *.jpg)");
        EXPECT_EQ(control(form, "BIR:PHOTOIMAGEPATH")->text().toStdString(), path);
        const DialogUnits du(form->font());
        EXPECT_EQ(control<QLabel>(form, "IMAGE1")->size(), du.toPixels(c.units));
        EXPECT_EQ(control<QWidget>(form, "REGION1")->size(), du.toPixels(QSize(110, 110)));
        EXPECT_EQ(control<QLabel>(form, "LOC:LOADING")->text(), "");
    }
}

TEST(UpdateBirthdays, RemovingThePhotographAsksFirst) {
    Fixture f;
    const std::string path = f.picture("photo.bmp", 40, 40);
    f.FormFixture::addPerson([&](RecordBuffer& b) {
        b.setText(bir::LASTNAME, "Brown");
        b.setText(bir::PHOTOIMAGEPATH, path);
    });
    QPointer<QWidget> form = f.open(ChangeRecord);
    auto* image = control<QLabel>(form, "IMAGE1");
    EXPECT_TRUE(image->size().isEmpty());  // not shown until the select button is reached
    control<QTabWidget>(form, "CURRENTTAB")->setCurrentIndex(3);  // it takes the focus
    EXPECT_EQ(QApplication::focusWidget(), button(form, "LOOKUPFILE"));
    EXPECT_FALSE(image->size().isEmpty());

    f.ui.messages.answers = {2};
    click(button(form, "REMOVEBUT"));
    ASSERT_EQ(f.captions(), (std::vector<std::string>{"Please confirm...", "Aborted..."}));
    EXPECT_EQ(f.ui.messages.shown[0].text,
              "Remove this photograph from view?||This does not delete the photograph from your "
              "computer.");
    EXPECT_EQ(f.ui.messages.shown[0].defaultButton, 1);
    EXPECT_EQ(f.ui.messages.shown[1].text, "No changes have been made.");
    EXPECT_EQ(f.buffer().text(bir::PHOTOIMAGEPATH), path);
    EXPECT_FALSE(image->size().isEmpty());

    f.ui.messages.answers = {1};
    click(button(form, "REMOVEBUT"));
    EXPECT_EQ(f.buffer().text(bir::PHOTOIMAGEPATH), "");
    EXPECT_TRUE(image->size().isEmpty());
    EXPECT_TRUE(std::filesystem::exists(path));
}

TEST(UpdateBirthdays, APathTooLongToKeepIsRefusedNotCut) {
    Fixture f;
    QPointer<QWidget> form = f.open(InsertRecord);
    control<QTabWidget>(form, "CURRENTTAB")->setCurrentIndex(3);
    const std::string longPath = "/" + std::string(140, 'p') + ".jpg";
    f.ui.files.answers = {longPath};
    click(button(form, "LOOKUPFILE"));
    ASSERT_EQ(f.ui.messages.shown.size(), 1u);
    EXPECT_NE(f.ui.messages.shown[0].text.find(longPath), std::string::npos);
    EXPECT_EQ(f.buffer().text(bir::PHOTOIMAGEPATH), "");
}

TEST(UpdateBirthdays, TestViewShowsThePhotographOrAsksForOne) {
    Fixture f;
    const std::string path = f.picture("photo.bmp", 40, 40);
    QPointer<QWidget> form = f.open(InsertRecord);
    control<QTabWidget>(form, "CURRENTTAB")->setCurrentIndex(3);
    click(button(form, "TESTVIEW"));
    ASSERT_EQ(f.ui.messages.shown.size(), 1u);
    EXPECT_EQ(f.ui.messages.shown[0].caption, "No Photograph?");
    EXPECT_EQ(f.ui.messages.shown[0].text, "Use the [Select Photograph] button to add.");
    EXPECT_EQ(f.ui.messages.shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(QApplication::focusWidget(), button(form, "LOOKUPFILE"));

    control<QTabWidget>(form, "CURRENTTAB")->setCurrentIndex(0);
    typeInto(control(form, "BIR:LASTNAME"), "Smith");
    typeInto(control(form, "BIR:FIRSTNAME"), "John");
    control<QTabWidget>(form, "CURRENTTAB")->setCurrentIndex(3);
    typeInto(control(form, "BIR:PHOTOIMAGEPATH"), QString::fromStdString(path));
    click(button(form, "TESTVIEW"));
    EXPECT_EQ(globals().shownPhotoPath, path);
    EXPECT_EQ(globals().shownPhotoName, "Smith, John");
    auto* viewer = form->findChild<Win_ViewImages*>();
    ASSERT_NE(viewer, nullptr);
    viewer->close();
    QTest::qWait(10);
    EXPECT_TRUE(form->isVisible());
}

TEST(UpdateBirthdays, SampleButtonAndHelp) {
    Fixture f;
    QPointer<QWidget> form = f.open(InsertRecord);
    control<QTabWidget>(form, "CURRENTTAB")->setCurrentIndex(3);
    click(button(form, "BUTTON9"));
    ASSERT_EQ(f.ui.messages.shown.size(), 1u);
    EXPECT_EQ(f.ui.messages.shown[0].caption, "Sample button only...");
    EXPECT_EQ(f.ui.messages.shown[0].text,
              "Use this same button from the Browse Birthdays window to |view the selected "
              "persons photograph.|| The printed report from that window also includes the "
              "photograph.");
    EXPECT_EQ(f.ui.messages.shown[0].icon, MessageIcon::Information);

    QTest::keyClick(button(form, "BUTTON9"), Qt::Key_F1);
    click(button(form, "HELP"));
    EXPECT_EQ(f.ui.help.asked,
              (std::vector<std::string>{"topic:UpdateBirthdays", "keyword:Update Birthdays"}));
}

}  // namespace
}  // namespace ntx
