#include "platform/Dates.h"

#include <gtest/gtest.h>

#include <chrono>

namespace ntx {
namespace {

struct DateCase {
    Date serial;
    YearMonthDay ymd;
};

TEST(Dates, EncodingAtItsLimitsAndLandmarks) {
    const DateCase cases[] = {
        {4, {1801, 1, 1}},         {5, {1801, 1, 2}},         {59 + 3, {1801, 2, 28}},
        {2994626, {9999, 12, 31}}, {36163, {1900, 1, 1}},     {72687, {2000, 1, 1}},
        {72746, {2000, 2, 29}},    {2994625, {9999, 12, 30}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.serial);
        EXPECT_EQ(toYearMonthDay(c.serial), c.ymd);
        EXPECT_EQ(composeDate(c.ymd.month, c.ymd.day, c.ymd.year), c.serial);
    }
}

TEST(Dates, OutsideTheRangeIsNoDate) {
    for (Date d : {0, 1, 3, -5, 2994627}) {
        SCOPED_TRACE(d);
        EXPECT_FALSE(isValidDate(d));
        EXPECT_EQ(toYearMonthDay(d), YearMonthDay{});
        EXPECT_EQ(monthOf(d), 0);
    }
    EXPECT_EQ(composeDate(12, 31, 1800), kNoDate);
    EXPECT_EQ(composeDate(1, 1, 10000), kNoDate);
}

TEST(Dates, CompositionRollsOver) {
    struct Case {
        int month, day, year;
        YearMonthDay expected;
    };
    const Case cases[] = {
        {13, 1, 2011, {2012, 1, 1}},  {2, 29, 2011, {2011, 3, 1}},  {11, 31, 2011, {2011, 12, 1}},
        {2, 29, 2012, {2012, 2, 29}}, {1, 0, 2011, {2010, 12, 31}}, {0, 1, 2011, {2010, 12, 1}},
        {25, 1, 2010, {2012, 1, 1}},  {12, 32, 2010, {2011, 1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.month << "/" << c.day << "/" << c.year);
        EXPECT_EQ(toYearMonthDay(composeDate(c.month, c.day, c.year)), c.expected);
    }
}

// Every day of the valid range agrees with the standard library's calendar.
TEST(Dates, EveryDayAgreesWithTheStandardCalendar) {
    using namespace std::chrono;
    const sys_days base = sys_days{year{1800} / December / 28};
    for (Date d = kFirstDate; d <= kLastDate; d += 1) {
        const year_month_day ymd{base + days{d}};
        const YearMonthDay ours = toYearMonthDay(d);
        ASSERT_EQ(ours.year, int(ymd.year())) << d;
        ASSERT_EQ(ours.month, int(unsigned(ymd.month()))) << d;
        ASSERT_EQ(ours.day, int(unsigned(ymd.day()))) << d;
        if (d % 997 == 0) {
            ASSERT_EQ(weekdayOf(d), int(weekday{base + days{d}}.c_encoding())) << d;
        }
    }
}

TEST(Dates, RealDays) {
    EXPECT_TRUE(isRealDay(2000, 2, 29));
    EXPECT_FALSE(isRealDay(1900, 2, 29));
    EXPECT_FALSE(isRealDay(2011, 4, 31));
    EXPECT_FALSE(isRealDay(2011, 13, 1));
    EXPECT_FALSE(isRealDay(1800, 12, 31));
}

TEST(Times, EncodingAtItsLimits) {
    EXPECT_EQ(composeTime(0, 0), 1);
    EXPECT_EQ(composeTime(23, 59, 59, 99), kLastTime);
    EXPECT_EQ(composeTime(17, 30), (17 * 3600 + 30 * 60) * 100 + 1);
    EXPECT_EQ(composeTime(24, 0), kNoTime);
    EXPECT_EQ(composeTime(12, 60), kNoTime);
    const auto hm = toHoursMinutes(composeTime(17, 30, 5, 7));
    EXPECT_EQ(hm.hours, 17);
    EXPECT_EQ(hm.minutes, 30);
    EXPECT_EQ(hm.seconds, 5);
    EXPECT_EQ(hm.hundredths, 7);
    EXPECT_EQ(toHoursMinutes(0).hours, 0);
    EXPECT_EQ(toHoursMinutes(kLastTime + 1).minutes, 0);
}

}  // namespace
}  // namespace ntx
