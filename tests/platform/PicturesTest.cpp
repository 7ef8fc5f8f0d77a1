#include "platform/Pictures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/StoreFixture.h"

namespace ntx {
namespace {

using test::ymd;
using ::testing::HasSubstr;

// The conventions of a day-first and a month-first locale, built from the data the C
// library gives for them.
LocaleConventions british() {
    LocaleTimeData d{"UTF-8", "%d/%m/%y", "%T"};
    d.am = "am";
    d.pm = "pm";
    return conventionsFrom(d);
}

LocaleConventions american() {
    LocaleTimeData d{"UTF-8", "%m/%d/%Y", "%r"};
    d.am = "AM";
    d.pm = "PM";
    return conventionsFrom(d);
}

Picture picture(std::string_view text) {
    const auto p = parsePicture(text);
    EXPECT_TRUE(p.has_value()) << text;
    return p.value_or(Picture{});
}

TEST(Pictures, ReadsEveryPictureTheWindowsAndReportsUse) {
    struct Case {
        const char* text;
        Picture expected;
    };
    using K = PictureKind;
    const Case cases[] = {
        {"@s22", {K::Text, 22}},
        {"S30", {K::Text, 30}},
        {"s254", {K::Text, 254}},
        {"s1", {K::Text, 1}},
        {"N2", {K::Number, 2}},
        {"@N3B", {K::Number, 3, true}},
        {"N8", {K::Number, 8}},
        {"@D4", {K::DateValue, 4}},
        {"D17", {K::DateValue, 17}},
        {"D17B", {K::DateValue, 17, true}},
        {"@D017B", {K::DateValue, 17, true, true}},
        {"D18B", {K::DateValue, 18, true}},
        {"@T3", {K::TimeValue, 3}},
        {"T3B", {K::TimeValue, 3, true}},
        {"@T3-B", {K::TimeValue, 3, true}},
        {"T7B", {K::TimeValue, 7, true}},
        {"pPage <<<#p", {K::PageNumber, 4, false, false, "Page ", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parsePicture(c.text), c.expected);
    }
    for (const char* bad :
         {"", "@", "s", "s0", "s22x", "N3Q", "D99", "D17BB", "T5", "x5", "pPagep"}) {
        EXPECT_EQ(parsePicture(bad), std::nullopt) << bad;
    }
}

TEST(Pictures, LocaleDataGivesTheConventions) {
    struct Case {
        const char* dateFormat;
        const char* timeFormat;
        DateOrder order;
        char separator;
        bool padded, twelveHours;
        const char* longDate;  // 5 March 1980
    };
    const Case cases[] = {
        {"%d/%m/%y", "%T", DateOrder::DayMonthYear, '/', true, false, "05 March 1980"},
        {"%m/%d/%Y", "%r", DateOrder::MonthDayYear, '/', true, true, "Wednesday, March 5, 1980"},
        {"%m/%d/%y", "%H:%M:%S", DateOrder::MonthDayYear, '/', true, false,
         "Wednesday, March 5, 1980"},
        {"%d.%m.%Y", "%T", DateOrder::DayMonthYear, '.', true, false, "05 March 1980"},
        {"%Y-%m-%d", "%H:%M:%S", DateOrder::YearMonthDay, '-', true, false, "1980 March 05"},
        {"%F", "%T", DateOrder::YearMonthDay, '-', true, false, "1980 March 05"},
        {"%e/%-m/%Y", "%l:%M %p", DateOrder::DayMonthYear, '/', false, true, "5 March 1980"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dateFormat);
        const LocaleConventions l = conventionsFrom({"UTF-8", c.dateFormat, c.timeFormat});
        EXPECT_EQ(l.order, c.order);
        EXPECT_EQ(l.separator, c.separator);
        EXPECT_EQ(l.padDayMonth, c.padded);
        EXPECT_EQ(l.twelveHourClock, c.twelveHours);
        EXPECT_EQ(formatDate(picture("D18"), ymd(1980, 3, 5), l), c.longDate);
    }
    // Names come from the locale only when it speaks UTF-8.
    LocaleTimeData french{"UTF-8", "%d/%m/%Y", "%T"};
    french.monthNames = {"janvier", "février", "mars",      "avril",   "mai",      "juin",
                         "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};
    EXPECT_EQ(formatDate(picture("D18"), ymd(1980, 2, 5), conventionsFrom(french)),
              "05 février 1980");
    french.codeset = "ISO-8859-1";
    EXPECT_EQ(formatDate(picture("D18"), ymd(1980, 2, 5), conventionsFrom(french)),
              "05 February 1980");
}

TEST(Pictures, DatesShownInTwoLocales) {
    struct Case {
        const char* picture;
        Date date;
        const char* british;
        const char* american;
    };
    const Case cases[] = {
        {"D4", ymd(1959, 10, 31), "October 31, 1959", "October 31, 1959"},
        {"D4", ymd(2011, 3, 5), "March 5, 2011", "March 5, 2011"},
        {"D17", ymd(1980, 3, 15), "15/03/1980", "03/15/1980"},
        {"D017B", ymd(1911, 1, 1), "01/01/1911", "01/01/1911"},
        {"D18B", ymd(2011, 6, 10), "10 June 2011", "Friday, June 10, 2011"},
        {"D017B", kNoDate, "", ""},
        {"D17", kNoDate, "", ""},
        {"D18", -7, "", ""},
        {"D17", kLastDate + 1, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.picture << " " << c.date);
        EXPECT_EQ(formatValue(picture(c.picture), {{}, c.date}, british()), c.british);
        EXPECT_EQ(formatValue(picture(c.picture), {{}, c.date}, american()), c.american);
    }
    // A locale without leading zeros: "0" in the picture asks for them.
    LocaleConventions plain = american();
    plain.padDayMonth = false;
    EXPECT_EQ(formatDate(picture("D17"), ymd(1980, 3, 5), plain), "3/5/1980");
    EXPECT_EQ(formatDate(picture("D017"), ymd(1980, 3, 5), plain), "03/05/1980");
}

TEST(Pictures, DatesTypedInTwoLocales) {
    struct Case {
        const char* typed;
        Date british;  // -1: refused
        Date american;
    };
    const Case cases[] = {
        {"15/03/1980", ymd(1980, 3, 15), -1},
        {"03/15/1980", -1, ymd(1980, 3, 15)},
        {"15031980", ymd(1980, 3, 15), -1},
        {"03151980", -1, ymd(1980, 3, 15)},
        {"01011911", ymd(1911, 1, 1), ymd(1911, 1, 1)},
        {"5/3/1980", ymd(1980, 3, 5), ymd(1980, 5, 3)},
        {" 5.3.1980 ", ymd(1980, 3, 5), ymd(1980, 5, 3)},
        {"5-3-1980", ymd(1980, 3, 5), ymd(1980, 5, 3)},
        {"29/02/2000", ymd(2000, 2, 29), -1},
        {"29/02/2001", -1, -1},
        {"31/04/1980", -1, -1},
        {"15/03/80", -1, -1},  // the century is not guessed
        {"150380", -1, -1},
        {"1/1/1800", -1, -1},
        {"15/3/1980/1", -1, -1},
        {"15 March 1980", -1, -1},
        {"", kNoDate, kNoDate},
        {"   ", kNoDate, kNoDate},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        for (const auto& [locale, expected] :
             {std::pair{british(), c.british}, std::pair{american(), c.american}}) {
            const EntryResult r = readEntry(picture("D17B"), c.typed, locale);
            if (expected < 0) {
                EXPECT_FALSE(r.ok());
                EXPECT_THAT(r.error, HasSubstr("is not a date"));
            } else {
                EXPECT_TRUE(r.ok()) << r.error;
                EXPECT_EQ(r.value.number, expected);
            }
        }
    }
    // The message shows how this locale writes a date.
    EXPECT_THAT(parseDateEntry("31/02/1980", british()).error,
                HasSubstr("day/month/year with a four-digit year between 1801 and 9999, for "
                          "example 15/03/1980 or 15031980"));
    EXPECT_THAT(parseDateEntry("x", american()).error, HasSubstr("month/day/year"));
    // What a date picture shows, it reads back.
    for (const auto& locale : {british(), american()}) {
        const Date d = ymd(1911, 1, 1);
        EXPECT_EQ(parseDateEntry(formatDate(picture("D017B"), d, locale), locale).value.number, d);
    }
}

TEST(Pictures, TimesShownAndTyped) {
    struct Shown {
        const char* picture;
        Time time;
        const char* british;
        const char* american;
    };
    const Shown shown[] = {
        {"T3", composeTime(17, 30), "5:30PM", "5:30PM"},
        {"T3B", composeTime(0, 5), "12:05AM", "12:05AM"},
        {"T3-B", composeTime(12, 0, 59, 99), "12:00PM", "12:00PM"},
        {"T7B", composeTime(9, 5), "09:05", "9:05AM"},
        {"T7B", composeTime(23, 59), "23:59", "11:59PM"},
        {"T3B", kNoTime, "", ""},
        {"T7B", kLastTime + 1, "", ""},
    };
    for (const auto& c : shown) {
        SCOPED_TRACE(testing::Message() << c.picture << " " << c.time);
        EXPECT_EQ(formatValue(picture(c.picture), {{}, c.time}, british()), c.british);
        EXPECT_EQ(formatValue(picture(c.picture), {{}, c.time}, american()), c.american);
    }

    struct Typed {
        const char* typed;
        Time expected;  // -1: refused
    };
    const Typed typed[] = {
        {"5:30p", composeTime(17, 30)},
        {"12:30a", composeTime(0, 30)},
        {"12:30p", composeTime(12, 30)},
        {"17:30", composeTime(17, 30)},
        {"5:30 PM", composeTime(17, 30)},
        {"5:30am", composeTime(5, 30)},
        {"5.30 p.m.", composeTime(17, 30)},
        {"0:00", composeTime(0, 0)},
        {"1730", composeTime(17, 30)},
        {"530p", composeTime(17, 30)},
        {"5p", composeTime(17, 0)},
        {"23:59:58", composeTime(23, 59, 58)},
        {"", kNoTime},
        {"24:00", -1},
        {"13:00p", -1},
        {"0:30a", -1},
        {"5:60", -1},
        {"5:3", -1},
        {"half past five", -1},
        {"5:30x", -1},
        {"12345", -1},
        {":30", -1},
    };
    for (const auto& c : typed) {
        SCOPED_TRACE(c.typed);
        for (const auto& locale : {british(), american()}) {
            const EntryResult r = readEntry(picture("T7B"), c.typed, locale);
            if (c.expected < 0) {
                EXPECT_THAT(r.error, HasSubstr("is not a time"));
            } else {
                EXPECT_TRUE(r.ok()) << r.error;
                EXPECT_EQ(r.value.number, c.expected);
            }
        }
    }
    // The locale's own am/pm words are understood too.
    LocaleConventions german = british();
    german.am = "vorm.";
    german.pm = "nachm.";
    EXPECT_EQ(parseTimeEntry("5:30 nachm.", german).value.number, composeTime(17, 30));
}

TEST(Pictures, NumbersTextAndPageNumbers) {
    const LocaleConventions l = british();
    EXPECT_EQ(formatValue(picture("N3B"), {{}, 0}, l), "");
    EXPECT_EQ(formatValue(picture("N3B"), {{}, 42}, l), "42");
    EXPECT_EQ(formatValue(picture("N7"), {{}, 0}, l), "0");
    EXPECT_EQ(formatValue(picture("N2B"), {{}, 123}, l), "123");  // never cut
    EXPECT_EQ(formatValue(picture("N8"), {{}, 12345678}, l), "12345678");
    EXPECT_EQ(formatValue(picture("s5"), {"Élodie Smith", 0}, l), "Élodi");
    EXPECT_EQ(formatValue(picture("s22"), {"  5  January", 0}, l), "  5  January");
    EXPECT_EQ(formatPageNumber(picture("pPage <<<#p"), 7), "Page    7");
    EXPECT_EQ(formatPageNumber(picture("pPage <<<#p"), 1234), "Page 1234");
    EXPECT_EQ(formatPageNumber(picture("pPage <<<#p"), 12345), "Page 12345");

    struct Typed {
        const char* picture;
        const char* typed;
        std::int64_t expected;  // -1: refused
    };
    const Typed typed[] = {
        {"N4", "31", 31}, {"N4", " 0031 ", 31}, {"N3B", "", 0},    {"N4", "12345", -1},
        {"N4", "-3", -1}, {"N4", "3.5", -1},    {"N2", "1e2", -1},
    };
    for (const auto& c : typed) {
        SCOPED_TRACE(testing::Message() << c.picture << " '" << c.typed << "'");
        const EntryResult r = readEntry(picture(c.picture), c.typed, l);
        if (c.expected < 0) {
            EXPECT_THAT(r.error, HasSubstr("Please enter a whole number of at most"));
        } else {
            EXPECT_TRUE(r.ok()) << r.error;
            EXPECT_EQ(r.value.number, c.expected);
        }
    }
    const EntryResult text = readEntry(picture("s4"), "O'Hara-Smith", l);
    EXPECT_TRUE(text.ok());
    EXPECT_EQ(text.value.text, "O'Ha");
}

}  // namespace
}  // namespace ntx
