#include "platform/DatePicture.h"

#include <array>
#include <vector>

#include "platform/Text.h"

namespace ntx {
namespace {

std::string twoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

std::string shortDate(const YearMonthDay& d, const LocaleConventions& locale, bool padded) {
    const auto part = [&](int n) { return padded ? twoDigits(n) : std::to_string(n); };
    const std::string sep(1, locale.separator);
    const std::string year = std::to_string(d.year);
    switch (locale.order) {
        case DateOrder::DayMonthYear:
            return part(d.day) + sep + part(d.month) + sep + year;
        case DateOrder::MonthDayYear:
            return part(d.month) + sep + part(d.day) + sep + year;
        case DateOrder::YearMonthDay:
            break;
    }
    return year + sep + part(d.month) + sep + part(d.day);
}

std::string longDate(Date date, const YearMonthDay& d, const LocaleConventions& locale) {
    const std::string& pattern = locale.longDatePattern;
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 == pattern.size()) {
            out += pattern[i];
            continue;
        }
        switch (pattern[++i]) {
            case 'A':
                out += locale.weekdayNames[static_cast<std::size_t>(weekdayOf(date))];
                break;
            case 'B':
                out += locale.monthNames[static_cast<std::size_t>(d.month - 1)];
                break;
            case 'd':
                out += twoDigits(d.day);
                break;
            case 'e':
                out += std::to_string(d.day);
                break;
            case 'Y':
                out += std::to_string(d.year);
                break;
            default:
                out += pattern[i];
                break;
        }
    }
    return out;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The runs of digits in the text; nothing when anything but digits and the usual date
// separators appears.
std::optional<std::vector<std::string_view>> numberGroups(std::string_view s) {
    std::vector<std::string_view> groups;
    std::size_t i = 0;
    while (i < s.size()) {
        if (std::string_view("/.-, ").find(s[i]) != std::string_view::npos) {
            ++i;
            continue;
        }
        if (!isDigit(s[i])) return std::nullopt;
        const std::size_t start = i;
        while (i < s.size() && isDigit(s[i])) ++i;
        groups.push_back(s.substr(start, i - start));
    }
    return groups;
}

// Splits eight digits into the locale's day, month and year groups.
std::vector<std::string_view> splitDigits(std::string_view s, DateOrder order) {
    if (order == DateOrder::YearMonthDay) return {s.substr(0, 4), s.substr(4, 2), s.substr(6, 2)};
    return {s.substr(0, 2), s.substr(2, 2), s.substr(4, 4)};
}

std::optional<YearMonthDay> readGroups(const std::vector<std::string_view>& g, DateOrder order) {
    if (g.size() != 3) return std::nullopt;
    std::array<std::size_t, 3> at{};  // positions of day, month and year
    switch (order) {
        case DateOrder::DayMonthYear:
            at = {0, 1, 2};
            break;
        case DateOrder::MonthDayYear:
            at = {1, 0, 2};
            break;
        case DateOrder::YearMonthDay:
            at = {2, 1, 0};
            break;
    }
    const auto day = g[at[0]], month = g[at[1]], year = g[at[2]];
    if (day.size() > 2 || month.size() > 2 || year.size() != 4) return std::nullopt;
    return YearMonthDay{digitsValue(year), digitsValue(month), digitsValue(day)};
}

std::string orderWords(const LocaleConventions& locale) {
    const std::string sep(1, locale.separator);
    switch (locale.order) {
        case DateOrder::DayMonthYear:
            return "day" + sep + "month" + sep + "year";
        case DateOrder::MonthDayYear:
            return "month" + sep + "day" + sep + "year";
        case DateOrder::YearMonthDay:
            break;
    }
    return "year" + sep + "month" + sep + "day";
}

std::string refusal(std::string_view typed, const LocaleConventions& locale) {
    const YearMonthDay example{1980, 3, 15};
    std::string digits = shortDate(example, locale, true);
    std::erase(digits, locale.separator);
    return "\"" + std::string(cutToCharacters(typed, 40)) +
           "\" is not a date this program can take. Please enter " + orderWords(locale) +
           " with a four-digit year between 1801 and 9999, for example " +
           shortDate(example, locale, true) + " or " + digits + ".";
}

}  // namespace

std::string formatDate(const Picture& picture, Date date, const LocaleConventions& locale) {
    if (!isValidDate(date)) return {};
    const YearMonthDay d = toYearMonthDay(date);
    switch (picture.size) {
        case 4:
            return englishMonthNames()[static_cast<std::size_t>(d.month - 1)] + " " +
                   std::to_string(d.day) + ", " + std::to_string(d.year);
        case 18:
            return longDate(date, d, locale);
        default:
            return shortDate(d, locale, picture.zeroPadded || locale.padDayMonth);
    }
}

EntryResult parseDateEntry(std::string_view typed, const LocaleConventions& locale) {
    const std::string_view s = trimEntry(typed);
    if (s.empty()) return {};
    auto groups = numberGroups(s);
    if (groups && groups->size() == 1 && (*groups)[0].size() == 8) {
        groups = splitDigits((*groups)[0], locale.order);
    }
    const auto ymd = groups ? readGroups(*groups, locale.order) : std::nullopt;
    if (!ymd || !isRealDay(ymd->year, ymd->month, ymd->day)) return {{}, refusal(s, locale)};
    return {{{}, composeDate(ymd->month, ymd->day, ymd->year)}, {}};
}

}  // namespace ntx
