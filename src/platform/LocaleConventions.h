#pragma once
// How the user's locale writes dates and times: the conventions behind "the system's"
// short and long date and the hours of the time entries. The program reads them once
// from the user's LC_TIME locale and passes them to the picture functions, so the rules
// can be tested with any conventions without locales installed.

#include <array>
#include <string>

namespace ntx {

enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

using MonthNames = std::array<std::string, 12>;   // January first
using WeekdayNames = std::array<std::string, 7>;  // Sunday first

// The program's own English names, as the status bar, the reports and the person records
// use them.
[[nodiscard]] const MonthNames& englishMonthNames();
[[nodiscard]] const WeekdayNames& englishWeekdayNames();

struct LocaleConventions {
    DateOrder order = DateOrder::MonthDayYear;
    char separator = '/';
    bool padDayMonth = true;  // "05/03/1980" rather than "5/3/1980"; years have four digits
    // The long date: "%A" weekday name, "%B" month name, "%d" day with two digits, "%e" day
    // without padding, "%Y" year, "%%" a percent sign; all other text as it stands.
    std::string longDatePattern = "%A, %B %e, %Y";
    MonthNames monthNames = englishMonthNames();
    WeekdayNames weekdayNames = englishWeekdayNames();
    bool twelveHourClock = true;  // hours 1 to 12 with am/pm rather than 0 to 23
    std::string am = "AM";
    std::string pm = "PM";
};

// What the C library tells about a locale's time conventions.
struct LocaleTimeData {
    std::string codeset;     // "UTF-8"; names in any other code set are not used
    std::string dateFormat;  // the short date as a strftime format: "%d/%m/%y"
    std::string timeFormat;  // the time as a strftime format: "%r", "%T"
    MonthNames monthNames;
    WeekdayNames weekdayNames;
    std::string am;
    std::string pm;
};

// The conventions a locale's data implies: the order of day, month and year, their
// separator and padding from the short date format (years are always written with four
// digits, since a birth year without its century is ambiguous); a long date built from
// the order; a twelve-hour clock when the time format uses one.
[[nodiscard]] LocaleConventions conventionsFrom(const LocaleTimeData& data);

// The conventions of the user's LC_TIME locale (from the environment); the C locale's
// when the user's locale is not available.
[[nodiscard]] LocaleConventions conventionsOfUserLocale();

}  // namespace ntx
