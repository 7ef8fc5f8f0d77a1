#include "birthdays/PersonCalculations.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>

#include "data/BirthdayFile.h"
#include "support/StoreFixture.h"

namespace ntx {
namespace {

using test::ymd;
namespace chr = std::chrono;

// The day number of a calendar date, counted independently of the program's date code.
Date dayNumber(chr::year_month_day d) {
    return static_cast<Date>(
        (chr::sys_days{d} - chr::sys_days{chr::year{1800} / chr::December / 28}).count());
}

std::string text(chr::year_month_day d) {
    return std::to_string(static_cast<int>(d.year())) + "-" +
           std::to_string(static_cast<unsigned>(d.month())) + "-" +
           std::to_string(static_cast<unsigned>(d.day()));
}

// Every day of a year, as calendar dates.
std::vector<chr::year_month_day> daysOf(int year) {
    std::vector<chr::year_month_day> out;
    for (chr::sys_days d{chr::year{year} / 1 / 1}; d <= chr::sys_days{chr::year{year} / 12 / 31};
         d += chr::days{1}) {
        out.emplace_back(d);
    }
    return out;
}

TEST(PersonCalculations, CompletedYearsCountsTheBirthdaysThatHavePassed) {
    // A birthday that does not exist in a year (29 February) falls on the day after 28 February.
    const auto independent = [](chr::year_month_day born, chr::year_month_day at) {
        int n = 0;
        for (int k = 1;; ++k) {
            const chr::year_month_day birthday{born.year() + chr::years{k}, born.month(),
                                               born.day()};
            if (chr::sys_days{birthday} > chr::sys_days{at}) return n;
            ++n;
        }
    };
    for (const int bornYear : {2000, 2003}) {
        for (const auto born : daysOf(bornYear)) {
            for (const int atYear : {2011, 2012}) {
                for (const auto at : daysOf(atYear)) {
                    const int expected = independent(born, at);
                    const int got = completedYears(dayNumber(born), dayNumber(at));
                    if (got != expected) {
                        FAIL() << "born " << text(born) << ", as at " << text(at) << ": " << got
                               << ", expected " << expected;
                    }
                }
            }
        }
    }
}

TEST(PersonCalculations, ZodiacSignForEveryDayOfALeapAndACommonYear) {
    struct Range {
        const char* sign;
        chr::month_day from, to;
    };
    using namespace std::chrono;
    const Range ranges[] = {
        {"Capricorn", December / 23, January / 20}, {"Aquarius", January / 21, February / 19},
        {"Pisces", February / 20, March / 20},      {"Aries", March / 21, April / 20},
        {"Taurus", April / 21, May / 21},           {"Gemini", May / 22, June / 21},
        {"Cancer", June / 22, July / 23},           {"Leo", July / 24, August / 23},
        {"Virgo", August / 24, September / 23},     {"Libra", September / 24, October / 23},
        {"Scorpio", October / 24, November / 22},   {"Sagittarius", November / 23, December / 22},
    };
    for (const int year : {2011, 2012}) {
        for (const auto day : daysOf(year)) {
            const month_day md{day.month(), day.day()};
            int matches = 0;
            std::string_view expected;
            for (const auto& r : ranges) {
                const bool in =
                    r.from <= r.to ? (r.from <= md && md <= r.to) : (md >= r.from || md <= r.to);
                if (in) {
                    ++matches;
                    expected = r.sign;
                }
            }
            ASSERT_EQ(matches, 1) << text(day);
            ASSERT_EQ(zodiacSign(dayNumber(day)), expected) << text(day);
        }
    }
}

// The worked examples: completed years, age text and sign.
TEST(PersonCalculations, Examples) {
    struct Case {
        Date dob, at;
        int years;
        const char* ageText;
    };
    const Case cases[] = {
        {ymd(1980, 3, 15), ymd(2011, 3, 14), 30, "30 years 11 months"},
        {ymd(1980, 3, 15), ymd(2011, 3, 15), 31, "31 years "},
        {ymd(1980, 3, 15), ymd(2011, 1, 10), 30, "30 years 9 months"},
        {ymd(2000, 2, 29), ymd(2011, 2, 28), 10, "10 years 11 months"},
        {ymd(2000, 2, 29), ymd(2011, 3, 1), 11, "11 years "},
        {ymd(2000, 2, 29), ymd(2012, 2, 29), 12, "12 years "},
        {ymd(2010, 5, 3), ymd(2010, 6, 10), 0, " 1 month"},
        {ymd(2010, 6, 3), ymd(2010, 6, 10), 0, " "},
        {ymd(2009, 6, 3), ymd(2010, 6, 10), 1, "1 year "},
        {ymd(2008, 4, 3), ymd(2010, 6, 10), 2, "2 years 2 months"},
        // Last days of a month: the plain day comparison, no month lost.
        {ymd(1980, 3, 15), ymd(2011, 1, 31), 30, "30 years 10 months"},
        {ymd(1980, 1, 31), ymd(2011, 2, 28), 31, "31 years "},
        {ymd(1980, 1, 31), ymd(2011, 3, 31), 31, "31 years 2 months"},
        // Born after today: no text, never a negative count.
        {ymd(2011, 6, 11), ymd(2011, 6, 10), -1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << yearOf(c.dob) << "-" << monthOf(c.dob) << "-" << dayOf(c.dob) << " at "
                     << yearOf(c.at) << "-" << monthOf(c.at) << "-" << dayOf(c.at));
        EXPECT_EQ(completedYears(c.dob, c.at), c.years);
        EXPECT_EQ(ageText(c.dob, c.at), c.ageText);
    }
}

TEST(PersonCalculations, MonthNames) {
    EXPECT_EQ(monthName(1), "January");
    EXPECT_EQ(monthName(9), "September");
    EXPECT_EQ(monthName(12), "December");
    EXPECT_EQ(monthName(0), "");
    EXPECT_EQ(monthName(13), "");
}

class PersonRecord : public ::testing::Test {
  protected:
    PersonRecord() : person(birthdayFile()) {}
    void names(const std::string& last, const std::string& first) {
        person.setText(bir::LASTNAME, last);
        person.setText(bir::FIRSTNAME, first);
    }
    RecordBuffer person;
};

TEST_F(PersonRecord, DerivedFieldsFollowTheDateOfBirth) {
    struct Case {
        Date dob;
        const char* month;
        int day;
        const char* dayAndMonth;
        const char* star;
    };
    const Case cases[] = {
        {ymd(1990, 1, 5), "January", 5, "  5  January", "Capricorn"},
        {ymd(1990, 1, 21), "January", 21, "21  January", "Aquarius"},
        {ymd(1990, 2, 19), "February", 19, "19  February", "Aquarius"},
        {ymd(1992, 2, 29), "February", 29, "29  February", "Pisces"},
        {ymd(1990, 9, 9), "September", 9, "  9  September", "Virgo"},
        {ymd(1990, 12, 22), "December", 22, "22  December", "Sagittarius"},
        {ymd(1990, 12, 23), "December", 23, "23  December", "Capricorn"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dayAndMonth);
        person.setDate(bir::DOB, c.dob);
        person.setDate(bir::ASAT, ymd(2011, 3, 15));
        deriveBirthdayFields(person);
        EXPECT_EQ(person.text(bir::MONTHBORN), c.month);
        EXPECT_EQ(person.number(bir::DAYBORN), c.day);
        EXPECT_EQ(person.text(bir::DAYANDMONTHBORN), c.dayAndMonth);
        EXPECT_EQ(person.number(bir::MONTHTAG), monthOf(c.dob));
        EXPECT_EQ(person.text(bir::STAR), c.star);
        EXPECT_EQ(person.number(bir::AGE), completedYears(c.dob, ymd(2011, 3, 15)));
    }
}

TEST_F(PersonRecord, WithoutCurrentDateDeriveClearsAllButRecalculateOnlyTheAge) {
    person.setDate(bir::DOB, ymd(1980, 3, 15));
    person.setDate(bir::ASAT, ymd(2011, 3, 15));
    deriveBirthdayFields(person);
    ASSERT_EQ(person.number(bir::AGE), 31);

    person.setDate(bir::ASAT, kNoDate);
    recalculateAge(person);
    EXPECT_EQ(person.number(bir::AGE), 0);
    EXPECT_EQ(person.text(bir::STAR), "Pisces");
    EXPECT_EQ(person.text(bir::DAYANDMONTHBORN), "15  March");

    deriveBirthdayFields(person);
    EXPECT_EQ(person.number(bir::AGE), 0);
    EXPECT_EQ(person.text(bir::MONTHBORN), "");
    EXPECT_EQ(person.text(bir::DAYANDMONTHBORN), "");
    EXPECT_EQ(person.number(bir::MONTHTAG), 0);
    EXPECT_EQ(person.number(bir::DAYBORN), 0);
    EXPECT_EQ(person.text(bir::STAR), "");

    person.setDate(bir::ASAT, ymd(2011, 3, 14));
    recalculateAge(person);
    EXPECT_EQ(person.number(bir::AGE), 30);
    EXPECT_EQ(person.text(bir::STAR), "Pisces");
}

TEST_F(PersonRecord, NameFormsAndAddressName) {
    struct Case {
        const char* last;
        const char* first;
        const char* clip;
        const char* clip2;
        const char* address;
    };
    const Case cases[] = {
        {"Smith", "John", "Smith, John", "John Smith", "John Smith"},
        {"Smith", "", "Smith", "Smith", " Smith"},
        {"", "John", "John", "John", "John"},  // the trailing blank is not kept by the field
        {"O'Hara", "Ann Marie", "O'Hara, Ann Marie", "Ann Marie O'Hara", "Ann Marie O'Hara"},
        {"", "", "old clip", "old clip 2", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "'" << c.last << "' '" << c.first << "'");
        person.clear();
        person.setText(bir::CLIPNAME, "old clip");
        person.setText(bir::CLIPNAME2, "old clip 2");
        names(c.last, c.first);
        composeClipNames(person);
        defaultAddressName(person);
        EXPECT_EQ(person.text(bir::CLIPNAME), c.clip);
        EXPECT_EQ(person.text(bir::CLIPNAME2), c.clip2);
        EXPECT_EQ(person.text(bir::ADD1), c.address);
    }
    person.setText(bir::ADD1, "Mr and Mrs Smith");
    names("Jones", "Ann");
    defaultAddressName(person);
    EXPECT_EQ(person.text(bir::ADD1), "Mr and Mrs Smith");
}

}  // namespace
}  // namespace ntx
