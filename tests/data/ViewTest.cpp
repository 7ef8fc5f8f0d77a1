#include "platform/View.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "data/Globals.h"
#include "support/Fixtures.h"

namespace ntx {
namespace {

using test::addPeople;
using test::addReminders;
using test::readAll;
using test::StoreFixture;
using test::ymd;
using ::testing::ElementsAreArray;
using Names = std::vector<std::string>;

class BirthdayViews : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(s.people().open());
        addPeople(s);
    }
    Names read(ViewOptions o, bool backward = false) {
        View v(s.people(), std::move(o));
        return readAll(v, s.people(), backward);
    }
    StoreFixture s;
};

// Each key's order and which people it holds: text without regard to case (accents too),
// the age descending inside a month, and records with all key fields empty left out.
TEST_F(BirthdayViews, EachKeysOrderAndMembership) {
    struct Case {
        int key;
        Names expected;
    };
    const Case cases[] = {
        {birkey::NameKey,
         {"Baby/New", "Nobody/Nodate", "smith/Ann", "Smith/bob", "Zed/Adam", "élodie/X",
          "Élodie/Y"}},
        {birkey::DateKey,
         {"Zed/Adam", "Smith/bob", "smith/Ann", "Élodie/Y", "élodie/X", "/", "Baby/New"}},
        {birkey::ByAgeKey, {"/", "élodie/X", "Élodie/Y", "smith/Ann", "Smith/bob", "Zed/Adam"}},
        {birkey::MonthKey,
         {"élodie/X", "smith/Ann", "Zed/Adam", "Élodie/Y", "/", "Baby/New", "Smith/bob"}},
        {birkey::BirthdayMonthKey,
         {"élodie/X", "smith/Ann", "Élodie/Y", "/", "Baby/New", "Zed/Adam", "Smith/bob"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(birthdayFile().keys[c.key].name);
        EXPECT_THAT(read({c.key}), ElementsAreArray(c.expected));
        Names reversed = c.expected;
        std::reverse(reversed.begin(), reversed.end());
        EXPECT_THAT(read({c.key}, true), ElementsAreArray(reversed));
        View v(s.people(), {c.key});
        EXPECT_EQ(v.count(), static_cast<std::int64_t>(c.expected.size()));
    }
}

TEST_F(BirthdayViews, ReadingStartsFromTheValuesInTheBuffer) {
    View v(s.people(), {birkey::NameKey});
    s.people().buffer().clear();
    s.people().buffer().setText(bir::LASTNAME, "SMITH");
    v.setStartFromBuffer();
    EXPECT_THAT(readAll(v, s.people()),
                ElementsAreArray({"smith/Ann", "Smith/bob", "Zed/Adam", "élodie/X", "Élodie/Y"}));
    s.people().buffer().clear();
    s.people().buffer().setText(bir::LASTNAME, "smith");
    s.people().buffer().setText(bir::FIRSTNAME, "ANN");
    v.setStartFromBuffer();
    EXPECT_THAT(readAll(v, s.people(), true),
                ElementsAreArray({"smith/Ann", "Nobody/Nodate", "Baby/New"}));
}

TEST_F(BirthdayViews, ARangeHoldsTheLeadingKeyValuesOfTheBuffer) {
    s.people().buffer().clear();
    s.people().buffer().setNumber(bir::MONTHTAG, 5);
    ViewOptions o{birkey::BirthdayMonthKey};
    o.rangeComponents = 1;
    View v(s.people(), o);
    EXPECT_EQ(v.count(), 4);
    EXPECT_THAT(readAll(v, s.people()),
                ElementsAreArray({"Élodie/Y", "/", "Baby/New", "Zed/Adam"}));
}

TEST_F(BirthdayViews, DirectionsMayChangeWhileReading) {
    View v(s.people(), {birkey::NameKey});
    ASSERT_TRUE(v.next() && v.next() && v.next());
    EXPECT_EQ(test::label(s.people().buffer()), "smith/Ann");
    ASSERT_TRUE(v.previous());
    EXPECT_EQ(test::label(s.people().buffer()), "Nobody/Nodate");
    ASSERT_TRUE(v.next());
    EXPECT_EQ(test::label(s.people().buffer()), "smith/Ann");
}

// Every filter the windows and reports use, over the same people; the SQL that the view
// runs selects exactly what evaluating the filter record by record selects.
TEST_F(BirthdayViews, QuotedFiltersSelectTheRightPeople) {
    globals().rptMonth = "5";
    struct Case {
        std::string filter;
        int key;
        Names expected;
    };
    const Names may = {"Élodie/Y", "/", "Baby/New", "Zed/Adam"};
    std::vector<Case> cases = {
        {"(MONTH(BIR:DOB) = 5)", birkey::BirthdayMonthKey, may},
        {"(MONTH(BIR:DOB)  = 5)", birkey::BirthdayMonthKey, may},
        {"(MONTH(BIR:DOB) = 2)", birkey::BirthdayMonthKey, {}},
        {"(MONTH(BIR:DOB) = 11)", birkey::BirthdayMonthKey, {"Smith/bob"}},
        {"BIR:SkipPrintBirth = 0",
         birkey::NameKey,
         {"Baby/New", "Nobody/Nodate", "Smith/bob", "Zed/Adam", "élodie/X", "Élodie/Y"}},
        {"MONTH(BIR:DOB) = GLO:RptMonth AND BIR:SkipPrintBirth = 0", birkey::BirthdayMonthKey, may},
        {"BIR:SkipPrintBirth = 1 OR BIR:UpdateAge = 1 OR BIR:DOB = 0",
         birkey::NameKey,
         {"Nobody/Nodate", "smith/Ann", "Zed/Adam"}},
        {"CLIP(BIR:HomePhone) > '' OR CLIP(BIR:WorkPhone) > ''  OR CLIP(BIR:MobilePhone) > '' OR "
         "CLIP(BIR:Fax)>''",
         birkey::NameKey,
         {"smith/Ann"}},
        {"CLIP(BIR:Email) > '' ", birkey::NameKey, {"Zed/Adam"}},
        {"BIR:UpdateAge=0",
         -1,
         {"smith/Ann", "Élodie/Y", "Nobody/Nodate", "/", "Smith/bob", "élodie/X", "Baby/New"}},
    };
    const std::pair<const char*, int> monthOf[] = {
        {"élodie/X", 1}, {"smith/Ann", 3}, {"Élodie/Y", 5},  {"/", 5},
        {"Baby/New", 5}, {"Zed/Adam", 5},  {"Smith/bob", 11}};
    for (int m = 1; m <= 12; ++m) {
        Names expected;
        for (const auto& [who, month] : monthOf) {
            if (month == m) expected.emplace_back(who);
        }
        cases.push_back(
            {"(MONTH(BIR:DOB) = " + std::to_string(m) + ")", birkey::BirthdayMonthKey, expected});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter);
        ViewOptions o{c.key, c.filter};
        o.bindings = {rptMonthBinding()};
        EXPECT_THAT(read(o), ElementsAreArray(c.expected));
        View counted(s.people(), o);
        EXPECT_EQ(counted.count(), static_cast<std::int64_t>(c.expected.size()));

        // The same filter evaluated on each record in memory.
        std::string error;
        const auto f = Filter::parse(c.filter, birthdayFile(), o.bindings, error);
        ASSERT_TRUE(f) << error;
        View all(s.people(), {c.key});
        Names byEvaluation;
        while (all.next()) {
            if (f->matches(s.people().buffer()))
                byEvaluation.push_back(test::label(s.people().buffer()));
        }
        EXPECT_THAT(byEvaluation, ElementsAreArray(c.expected));
    }
    EXPECT_TRUE(s.messages.shown.empty());
}

TEST_F(BirthdayViews, TheChosenMonthIsReadWhenTheViewRuns) {
    ViewOptions o{birkey::BirthdayMonthKey,
                  "MONTH(BIR:DOB) = GLO:RptMonth AND BIR:SkipPrintBirth = 0"};
    o.bindings = {rptMonthBinding()};
    View v(s.people(), o);
    globals().rptMonth = "3";  // the only March person is left out of reports
    EXPECT_EQ(v.count(), 0);
    globals().rptMonth = "11";
    EXPECT_EQ(v.count(), 1);
    globals().rptMonth = "";  // blank until a month is chosen: nobody
    EXPECT_EQ(v.count(), 0);
}

TEST_F(BirthdayViews, AMalformedFilterIsReportedAndSelectsNothing) {
    View v(s.people(), {birkey::NameKey, "(MONTH(BIR:DOB) = 5"});
    EXPECT_FALSE(v.isValid());
    EXPECT_FALSE(v.next());
    EXPECT_EQ(v.count(), 0);
    ASSERT_EQ(s.messages.shown.size(), 1u);
    EXPECT_EQ(s.messages.shown[0].caption, "Filter Error");
    EXPECT_THAT(s.messages.shown[0].text,
                ::testing::HasSubstr("\"(MONTH(BIR:DOB) = 5\": expected ')' at character 20"));
}

TEST(ReminderViews, QuotedFiltersAndKeys) {
    StoreFixture s;
    ASSERT_TRUE(s.reminders().open());
    addReminders(s);
    globals().rptMonth = "4";
    struct Case {
        std::string filter;
        int key;
        Names expected;
    };
    const Case cases[] = {
        {"", remkey::DateKey, {"Car service", "tax return", "Dentist", "Party"}},
        {"", remkey::DescriptionKey, {"Car service", "Dentist", "Party", "tax return"}},
        {"", remkey::MonthKey, {"Car service", "tax return", "Dentist", "Party"}},
        {"(MONTH(REM:Date) = 4)", remkey::DateKey, {"tax return", "Dentist"}},
        {"(MONTH(REM:Date) = 2)", remkey::DateKey, {}},
        {"MONTH(REM:Date) = GLO:RptMonth AND REM:ExcludeFromPrint = 0",
         remkey::MonthKey,
         {"Dentist"}},
        {"REM:ExcludeFromPrint = 0", remkey::MonthKey, {"Car service", "Dentist", "Party"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter);
        ViewOptions o{c.key, c.filter};
        o.bindings = {rptMonthBinding()};
        View v(s.reminders(), o);
        EXPECT_THAT(readAll(v, s.reminders()), ElementsAreArray(c.expected));
    }
}

// Reading goes on correctly across the chunks a view fetches, in both directions.
TEST(LargeViews, ReadAcrossChunksInBothDirections) {
    StoreFixture s;
    ASSERT_TRUE(s.people().open());
    Names expected;
    for (int i = 0; i < 700; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "P%04d", (i * 37) % 700);
        s.addPerson({name, "", ymd(1950 + i % 50, 1 + i % 12, 1 + i % 28), 1 + i % 90});
    }
    for (int i = 0; i < 700; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "P%04d/", i);
        expected.emplace_back(name);
    }
    View v(s.people(), {birkey::NameKey});
    EXPECT_THAT(readAll(v, s.people()), ElementsAreArray(expected));
    v.reset();
    Names backward = readAll(v, s.people(), true);
    std::reverse(backward.begin(), backward.end());
    EXPECT_THAT(backward, ElementsAreArray(expected));
    View monthly(s.people(), {birkey::MonthKey, "(MONTH(BIR:DOB) = 5)"});
    std::int64_t n = 0;
    std::int64_t lastMonth = 0;
    std::int64_t lastAge = 1000;
    while (monthly.next()) {
        ++n;
        const auto& b = s.people().buffer();
        EXPECT_EQ(b.number(bir::MONTHTAG), 5);
        EXPECT_LE(b.number(bir::AGE), lastMonth == 5 ? lastAge : 1000);
        lastMonth = b.number(bir::MONTHTAG);
        lastAge = b.number(bir::AGE);
    }
    EXPECT_EQ(n, monthly.count());
    EXPECT_GT(n, 50);
}

}  // namespace
}  // namespace ntx
