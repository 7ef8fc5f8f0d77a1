#include "platform/Dates.h"

namespace ntx {
namespace {

// Days from 1 January 1970 of a proleptic Gregorian date (month 1..12, any day).
constexpr std::int64_t daysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const auto doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

constexpr YearMonthDay civilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = z - era * 146097;
    const auto yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const auto doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const auto mp = (5 * doy + 2) / 153;
    const auto d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const auto m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {static_cast<int>(yoe + era * 400 + (m <= 2)), m, d};
}

// Day 0 of the encoding is 28 December 1800.
constexpr std::int64_t kEpoch = daysFromCivil(1800, 12, 28);

static_assert(daysFromCivil(1801, 1, 1) - kEpoch == kFirstDate);
static_assert(daysFromCivil(9999, 12, 31) - kEpoch == kLastDate);

}  // namespace

bool isValidDate(Date d) {
    return d >= kFirstDate && d <= kLastDate;
}

YearMonthDay toYearMonthDay(Date d) {
    if (!isValidDate(d)) return {};
    return civilFromDays(kEpoch + d);
}

int yearOf(Date d) {
    return toYearMonthDay(d).year;
}
int monthOf(Date d) {
    return toYearMonthDay(d).month;
}
int dayOf(Date d) {
    return toYearMonthDay(d).day;
}

Date composeDate(int month, int day, int year) {
    // Months roll over into years in both directions before days are added.
    std::int64_t y = year;
    std::int64_t m0 = static_cast<std::int64_t>(month) - 1;
    y += m0 >= 0 ? m0 / 12 : (m0 - 11) / 12;
    m0 -= (m0 >= 0 ? m0 / 12 : (m0 - 11) / 12) * 12;
    if (y < 1700 || y > 10100) return kNoDate;  // far outside; avoids overflow below
    const std::int64_t n = daysFromCivil(y, static_cast<int>(m0 + 1), 1) + (day - 1) - kEpoch;
    if (n < kFirstDate || n > kLastDate) return kNoDate;
    return static_cast<Date>(n);
}

bool isRealDay(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > 31) return false;
    const Date d = composeDate(month, day, year);
    return d != kNoDate && dayOf(d) == day;
}

int weekdayOf(Date d) {
    if (!isValidDate(d)) return -1;
    // 1 January 1970 was a Thursday.
    const std::int64_t z = kEpoch + d;
    return static_cast<int>((z % 7 + 7 + 4) % 7);
}

Time composeTime(int hours, int minutes, int seconds, int hundredths) {
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59 || seconds < 0 || seconds > 59 ||
        hundredths < 0 || hundredths > 99) {
        return kNoTime;
    }
    return ((hours * 60 + minutes) * 60 + seconds) * 100 + hundredths + 1;
}

HoursMinutes toHoursMinutes(Time t) {
    if (t < 1 || t > kLastTime) return {};
    int v = t - 1;
    HoursMinutes hm;
    hm.hundredths = v % 100;
    v /= 100;
    hm.seconds = v % 60;
    v /= 60;
    hm.minutes = v % 60;
    hm.hours = v / 60;
    return hm;
}

}  // namespace ntx
