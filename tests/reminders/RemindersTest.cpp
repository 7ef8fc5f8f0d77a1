#include <gtest/gtest.h>

#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabBar>

#include "birthdays/PersonCalculations.h"
#include "data/Globals.h"
#include "reminders/BrowseReminders.h"
#include "reminders/UpdateReminders.h"
#include "support/FormFixture.h"

namespace ntx {
namespace {

using test::activate;
using test::click;
using test::control;
using test::typedDate;
using test::typeInto;
using test::ymd;

const Date kToday = ymd(2026, 12, 11);  // the fixture's clock

struct ReminderForm : test::FrameFixture {
    ReminderForm() {
        EXPECT_TRUE(file().open());
        owner.show();
    }
    ~ReminderForm() { file().close(); }
    FileAccessManager& file() { return first.files().reminders(); }

    // Adds a reminder; the buffer then holds it, as the list leaves it for a change.
    void add(const char* description, Date date, const char* comment = "") {
        RecordBuffer& b = file().buffer();
        b.clear();
        b.setText(rem::DESCRIPTION, description);
        b.setText(rem::COMMENT, comment);
        b.setDate(rem::DATE, date);
        b.setNumber(rem::MONTHTAG2, monthOf(date));
        b.setText(rem::MONTHIS, std::string(monthName(monthOf(date))));
        ASSERT_TRUE(file().insert());
    }
    QWidget* open(std::uint8_t request) {
        first.requestCode = request;
        UpdateReminders::run(app, first, &owner,
                             [this](std::uint8_t r) { responses.push_back(r); });
        auto* form = owner.findChild<UpdateReminders*>();
        if (form == nullptr || !form->isVisible()) return nullptr;
        activate(form);
        return form;
    }
    // The stored reminder, read again from the file.
    RecordValues stored() {
        View all(file(), {});
        EXPECT_TRUE(all.next());
        return file().buffer().values();
    }
    QWidget owner;
    std::vector<std::uint8_t> responses;
};

TEST(UpdateReminders, AnEmptyDateBecomesTodayWithItsMonth) {
    ReminderForm f;
    QWidget* form = f.open(InsertRecord);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), "Add Reminder");
    typeInto(control(form, "REM:DESCRIPTION"), "Buy a present");
    click(control<QPushButton>(form, "OK"));
    ASSERT_EQ(f.responses, std::vector<std::uint8_t>{RequestCompleted});
    const RecordValues r = f.stored();
    EXPECT_EQ(r.fields[rem::DESCRIPTION].text, "Buy a present");
    EXPECT_EQ(r.fields[rem::DATE].number, kToday);
    EXPECT_EQ(r.fields[rem::MONTHTAG2].number, 12);
    EXPECT_EQ(r.fields[rem::MONTHIS].text, "December");
}

TEST(UpdateReminders, ADateMovedFromMarchToNovemberMovesBothMonthFields) {
    for (bool byPicker : {false, true}) {
        SCOPED_TRACE(byPicker ? "picker" : "typed");
        ReminderForm f;
        f.add("Dentist", ymd(2026, 3, 3));
        QWidget* form = f.open(ChangeRecord);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->windowTitle(), "Edit Reminder");
        if (byPicker) {
            f.ui.dates.answers = {ymd(2026, 11, 9)};
            click(control<QPushButton>(form, "CALENDAR"));
            EXPECT_EQ(f.ui.dates.requests.back().title, "Select a Date");
            EXPECT_EQ(f.ui.dates.requests.back().start, ymd(2026, 3, 3));
        } else {
            typeInto(control(form, "REM:DATE"), typedDate(ymd(2026, 11, 9)));
        }
        click(control<QPushButton>(form, "OK"));
        ASSERT_EQ(f.responses, std::vector<std::uint8_t>{RequestCompleted});
        const RecordValues r = f.stored();
        EXPECT_EQ(r.fields[rem::DATE].number, ymd(2026, 11, 9));
        EXPECT_EQ(r.fields[rem::MONTHTAG2].number, 11);
        EXPECT_EQ(r.fields[rem::MONTHIS].text, "November");
    }
}

TEST(UpdateReminders, ADescriptionOfSpacesIsRefused) {
    ReminderForm f;
    QWidget* form = f.open(InsertRecord);
    ASSERT_NE(form, nullptr);
    typeInto(control(form, "REM:DESCRIPTION"), "    ");
    click(control<QPushButton>(form, "OK"));
    EXPECT_TRUE(f.responses.empty());
    ASSERT_FALSE(f.ui.messages.shown.empty());
    EXPECT_EQ(f.ui.messages.shown.back().caption, "Please note...");
    EXPECT_EQ(f.ui.messages.shown.back().text, "A 'Reminder Description' is required.");
    EXPECT_EQ(f.file().recordCount(), 0);
    EXPECT_TRUE(form->isVisible());
    form->close();
}

TEST(UpdateReminders, TheViewCalendarNeverChangesTheDateAndViewWritesNothing) {
    ReminderForm f;
    f.add("Dentist", ymd(2026, 3, 3), "early");
    QWidget* form = f.open(ViewRecord);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), "View Record");
    f.ui.dates.answers = {ymd(2030, 1, 1)};
    click(control<QPushButton>(form, "CALENDAR:2"));
    EXPECT_EQ(f.ui.dates.requests.back().start, kNoDate);
    EXPECT_EQ(control(form, "REM:DATE")->text(), typedDate(ymd(2026, 3, 3)));
    click(control<QPushButton>(form, "OK"));
    EXPECT_EQ(f.stored().fields[rem::DATE].number, ymd(2026, 3, 3));
    EXPECT_EQ(f.stored().fields[rem::COMMENT].text, "early");
}

TEST(UpdateReminders, DeleteAnsweredNoKeepsTheReminder) {
    ReminderForm f;
    f.add("Dentist", ymd(2026, 3, 3));
    f.ui.messages.answers = {2};
    EXPECT_EQ(f.open(DeleteRecord), nullptr);
    ASSERT_EQ(f.ui.messages.shown.size(), 1u);
    EXPECT_EQ(f.ui.messages.shown[0].caption, "Confirm Delete");
    EXPECT_EQ(f.ui.messages.shown[0].text,
              "Are you sure you want to delete the highlighted record?");
    EXPECT_EQ(f.responses, std::vector<std::uint8_t>{RequestCancelled});
    EXPECT_EQ(f.file().recordCount(), 1);
}

TEST(BrowseReminders, TabsOrderAndCountAndClosingRecountsTheMonth) {
    test::FrameFixture f;
    {
        FileAccessManager& file = f.first.files().reminders();
        ASSERT_TRUE(file.open());
        for (auto [text, date] :
             std::initializer_list<std::pair<const char*, Date>>{{"banana", ymd(2025, 12, 1)},
                                                                 {"Apple", ymd(2026, 9, 2)},
                                                                 {"cherry", ymd(2024, 9, 30)}}) {
            file.buffer().clear();
            file.buffer().setText(rem::DESCRIPTION, text);
            file.buffer().setDate(rem::DATE, date);
            file.buffer().setNumber(rem::MONTHTAG2, monthOf(date));
            ASSERT_TRUE(file.insert());
        }
        file.close();
    }
    Main& frame = f.openFrame();
    EXPECT_EQ(frame.findChild<QLabel*>("GLO:ANYREMINDERS")->text(), "1  Reminders for December");
    QPointer<BrowseReminders> list = BrowseReminders::start(f.app, frame);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->windowTitle(), "Browse Reminder's");
    EXPECT_TRUE(globals().reminderListOpen);
    auto descriptions = [&] {
        QStringList out;
        for (int row = 0; row < list->list().model().rowCount(); ++row) {
            out << QString::fromStdString(
                list->list().model().rowAt(row)->values.fields[rem::DESCRIPTION].text);
        }
        return out;
    };
    EXPECT_EQ(descriptions(), (QStringList{"cherry", "banana", "Apple"}));  // by date
    auto* tabs = list->findChild<QTabBar*>("CURRENTTAB");
    tabs->setCurrentIndex(1);
    EXPECT_EQ(list->windowTitle(), " All by Description");
    EXPECT_EQ(descriptions(),
              (QStringList{"Apple", "banana", "cherry"}));  // without regard to case
    tabs->setCurrentIndex(10);
    EXPECT_EQ(list->windowTitle(), " September only");
    EXPECT_EQ(list->findChild<QLabel*>("LOC:RECORDCOUNT")->text(), "2");
    tabs->setCurrentIndex(3);
    EXPECT_EQ(list->findChild<QLabel*>("LOC:RECORDCOUNT")->text(), "0");

    // A December reminder added elsewhere shows in the toolbar once the list closes.
    FileAccessManager& other = f.first.files().reminders();
    ASSERT_TRUE(other.open());
    other.buffer().clear();
    other.buffer().setText(rem::DESCRIPTION, "Party");
    other.buffer().setDate(rem::DATE, ymd(2026, 12, 31));
    other.buffer().setNumber(rem::MONTHTAG2, 12);
    ASSERT_TRUE(other.insert());
    other.close();
    list->parentWidget()->close();
    QApplication::processEvents();
    EXPECT_FALSE(globals().reminderListOpen);
    EXPECT_EQ(frame.findChild<QLabel*>("GLO:ANYREMINDERS")->text(), "2  Reminders for December");
}

}  // namespace
}  // namespace ntx
