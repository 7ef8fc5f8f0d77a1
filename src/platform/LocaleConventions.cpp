#include "platform/LocaleConventions.h"

#include <algorithm>
#include <string_view>

#if __has_include(<langinfo.h>)
#include <langinfo.h>
#include <locale.h>
#define NTX_HAVE_LANGINFO 1
#endif

namespace ntx {
namespace {

enum class Part { Day, Month, Year };

// The parts of a short date format in their order, with the first separator between
// them and whether the day and month are padded. "%D" and "%F" stand for their expansions.
struct FormatShape {
    std::string parts;  // "dmy", "mdy", "ymd"
    char separator = '/';
    bool padded = true;
};

FormatShape shapeOf(std::string_view format) {
    FormatShape shape;
    bool separatorSeen = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            if (!separatorSeen && !shape.parts.empty() &&
                std::string_view("/.-").find(format[i]) != std::string_view::npos) {
                shape.separator = format[i];
                separatorSeen = true;
            }
            continue;
        }
        if (++i >= format.size()) break;
        bool unpadded = false;
        while (i < format.size() &&
               std::string_view("-_0^#EO").find(format[i]) != std::string_view::npos) {
            unpadded = unpadded || format[i] == '-';
            ++i;
        }
        if (i >= format.size()) break;
        switch (format[i]) {
            case 'd':
                shape.parts += 'd';
                shape.padded = shape.padded && !unpadded;
                break;
            case 'e':
                shape.parts += 'd';
                shape.padded = false;
                break;
            case 'm':
                shape.parts += 'm';
                shape.padded = shape.padded && !unpadded;
                break;
            case 'y':
            case 'Y':
            case 'C':
            case 'G':
            case 'g':
                shape.parts += 'y';
                break;
            case 'D':
                return {"mdy", '/', true};
            case 'F':
                return {"ymd", '-', true};
            default:
                break;
        }
    }
    return shape;
}

DateOrder orderOf(const std::string& parts) {
    const auto d = parts.find('d');
    const auto m = parts.find('m');
    const auto y = parts.find('y');
    if (y != std::string::npos && (d == std::string::npos || y < d) &&
        (m == std::string::npos || y < m)) {
        return DateOrder::YearMonthDay;
    }
    if (d != std::string::npos && m != std::string::npos && d < m) return DateOrder::DayMonthYear;
    return DateOrder::MonthDayYear;
}

bool usesTwelveHours(std::string_view timeFormat) {
    return timeFormat.find("%r") != std::string_view::npos ||
           timeFormat.find("%I") != std::string_view::npos ||
           timeFormat.find("%l") != std::string_view::npos ||
           timeFormat.find("%p") != std::string_view::npos;
}

bool isUtf8(std::string codeset) {
    std::transform(codeset.begin(), codeset.end(), codeset.begin(),
                   [](char c) { return static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c); });
    return codeset == "UTF-8" || codeset == "UTF8";
}

template <std::size_t N>
bool allNamed(const std::array<std::string, N>& names) {
    return std::none_of(names.begin(), names.end(), [](const std::string& s) { return s.empty(); });
}

}  // namespace

const MonthNames& englishMonthNames() {
    static const MonthNames names{"January",   "February", "March",    "April",
                                  "May",       "June",     "July",     "August",
                                  "September", "October",  "November", "December"};
    return names;
}

const WeekdayNames& englishWeekdayNames() {
    static const WeekdayNames names{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                    "Thursday", "Friday", "Saturday"};
    return names;
}

LocaleConventions conventionsFrom(const LocaleTimeData& data) {
    LocaleConventions c;
    const FormatShape shape = shapeOf(data.dateFormat);
    c.order = orderOf(shape.parts);
    c.separator = shape.separator;
    c.padDayMonth = shape.padded;
    const char* day = c.padDayMonth ? "%d" : "%e";
    switch (c.order) {
        case DateOrder::DayMonthYear:
            c.longDatePattern = std::string(day) + " %B %Y";
            break;
        case DateOrder::MonthDayYear:
            c.longDatePattern = "%A, %B %e, %Y";
            break;
        case DateOrder::YearMonthDay:
            c.longDatePattern = std::string("%Y %B ") + day;
            break;
    }
    c.twelveHourClock = usesTwelveHours(data.timeFormat);
    if (isUtf8(data.codeset)) {
        if (allNamed(data.monthNames)) c.monthNames = data.monthNames;
        if (allNamed(data.weekdayNames)) c.weekdayNames = data.weekdayNames;
        if (!data.am.empty() && !data.pm.empty()) {
            c.am = data.am;
            c.pm = data.pm;
        }
    }
    return c;
}

LocaleConventions conventionsOfUserLocale() {
#ifdef NTX_HAVE_LANGINFO
    locale_t loc = newlocale(LC_TIME_MASK | LC_CTYPE_MASK, "", static_cast<locale_t>(nullptr));
    if (!loc) loc = newlocale(LC_TIME_MASK | LC_CTYPE_MASK, "C", static_cast<locale_t>(nullptr));
    if (!loc) return {};
    const auto info = [loc](nl_item item) { return std::string(nl_langinfo_l(item, loc)); };
    LocaleTimeData data;
    data.codeset = info(CODESET);
    data.dateFormat = info(D_FMT);
    data.timeFormat = info(T_FMT);
    const nl_item months[] = {MON_1, MON_2, MON_3, MON_4,  MON_5,  MON_6,
                              MON_7, MON_8, MON_9, MON_10, MON_11, MON_12};
    const nl_item days[] = {DAY_1, DAY_2, DAY_3, DAY_4, DAY_5, DAY_6, DAY_7};
    for (std::size_t i = 0; i < 12; ++i) data.monthNames[i] = info(months[i]);
    for (std::size_t i = 0; i < 7; ++i) data.weekdayNames[i] = info(days[i]);
    data.am = info(AM_STR);
    data.pm = info(PM_STR);
    freelocale(loc);
    return conventionsFrom(data);
#else
    return {};
#endif
}

}  // namespace ntx
