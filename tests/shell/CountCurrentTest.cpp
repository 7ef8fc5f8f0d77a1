#include <gtest/gtest.h>

#include <fstream>

#include "data/Globals.h"
#include "shell/CountCurrentBirthdays.h"
#include "shell/CountCurrentReminders.h"
#include "support/StoreFixture.h"

namespace ntx {
namespace {

using test::Person;
using test::StoreFixture;
using test::ymd;

const Date kToday = ymd(2026, 12, 11);

TEST(CountCurrentBirthdays, CountsTheMonthOfAnyYearWhateverTheReportFlags) {
    struct Case {
        const char* what;
        std::vector<Person> people;
        const char* text;
    };
    const Case cases[] = {
        {"empty file", {}, ""},
        {"nobody in December",
         {{"Smith", "Ann", ymd(1980, 3, 15), 30}},
         "0  Birthdays for December"},
        {"born on the 31st of December in another year, one left out of reports",
         {{"Smith", "Ann", ymd(1980, 12, 31), 45},
          {"Jones", "Bob", ymd(2001, 12, 1), 24, 1},
          {"Brown", "Cy", ymd(2001, 11, 30), 25}},
         "2  Birthdays for December"},
        {"only people missing from the month key", {{"Nobody", "Nodate", kNoDate, 0}}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StoreFixture s;
        ASSERT_TRUE(s.people().open());
        for (const Person& p : c.people) s.addPerson(p);
        s.people().close();
        globals().anyBirthdays = "stale";
        CountCurrentBirthdays::run(s.thread, kToday);
        EXPECT_EQ(globals().anyBirthdays, c.text);
        EXPECT_FALSE(s.people().isOpen());
        EXPECT_TRUE(s.messages.shown.empty());
    }
}

TEST(CountCurrentReminders, CountsTheMonthOfAnyYear) {
    StoreFixture s;
    ASSERT_TRUE(s.reminders().open());
    s.addReminder("Party", ymd(2027, 12, 24));     // next year
    s.addReminder("Old party", ymd(1999, 12, 1));  // years ago
    s.addReminder("Hidden", ymd(2026, 12, 5), 1);  // left out of reports, still counted
    s.addReminder("Dentist", ymd(2026, 11, 30));
    s.reminders().close();
    CountCurrentReminders::run(s.thread, kToday);
    EXPECT_EQ(globals().anyReminders, "3  Reminders for December");
    EXPECT_EQ(globals().reminderCount, 3);
}

TEST(CountCurrentReminders, AFileThatCannotBeOpenedLeavesTheTextBlank) {
    StoreFixture s;
    {
        std::ofstream garbage(s.folder / "REMS.tps");
        garbage << "not a record file";
    }
    globals().anyReminders = "stale";
    CountCurrentReminders::run(s.thread, kToday);
    EXPECT_EQ(globals().anyReminders, "");
    ASSERT_EQ(s.messages.shown.size(), 1u);
    EXPECT_EQ(s.messages.shown[0].caption, "File Access Error");
}

}  // namespace
}  // namespace ntx
