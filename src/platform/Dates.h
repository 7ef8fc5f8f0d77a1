#pragma once
// Day numbers and times of day as the record files store them.
//
// A date is a signed 32-bit day count in which 1 January 1801 is day 4 (day 1 is
// 29 December 1800); 0 means "no date". Valid dates run from 4 to 31 December 9999.
// A time is hundredths of a second since midnight plus one; 0 means "no time".

#include <cstdint>

namespace ntx {

using Date = std::int32_t;
using Time = std::int32_t;

inline constexpr Date kNoDate = 0;
inline constexpr Date kFirstDate = 4;       // 1 January 1801
inline constexpr Date kLastDate = 2994626;  // 31 December 9999
inline constexpr Time kNoTime = 0;
inline constexpr Time kLastTime = 8640000;  // 23:59:59.99

struct YearMonthDay {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const YearMonthDay&, const YearMonthDay&) = default;
};

// True for a day number inside the valid range.
[[nodiscard]] bool isValidDate(Date d);

// The calendar date of a valid day number; {0, 0, 0} for 0 or any day outside the range.
[[nodiscard]] YearMonthDay toYearMonthDay(Date d);
[[nodiscard]] int yearOf(Date d);
[[nodiscard]] int monthOf(Date d);
[[nodiscard]] int dayOf(Date d);

// Composes a date from (month, day, year), rolling parts that lie out of range over into
// the next unit: month 13 of 2011 is January 2012, 29 February 2011 is 1 March 2011, and
// day 0 is the last day of the month before. Returns 0 when the result lies outside the
// valid range.
[[nodiscard]] Date composeDate(int month, int day, int year);

// True when (year, month, day) names a real calendar day in the valid range.
[[nodiscard]] bool isRealDay(int year, int month, int day);

// Day of the week, 0 = Sunday .. 6 = Saturday; -1 for an invalid date.
[[nodiscard]] int weekdayOf(Date d);

struct HoursMinutes {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    int hundredths = 0;
};

// Encodes a time of day; returns 0 when a part is out of range.
[[nodiscard]] Time composeTime(int hours, int minutes, int seconds = 0, int hundredths = 0);
// Decodes a time; all parts are 0 for "no time" or an encoding out of range.
[[nodiscard]] HoursMinutes toHoursMinutes(Time t);

}  // namespace ntx
