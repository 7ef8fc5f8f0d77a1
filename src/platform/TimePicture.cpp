#include "platform/TimePicture.h"

#include <optional>
#include <vector>

#include "platform/Text.h"

namespace ntx {
namespace {

enum class Half { None, Morning, Afternoon };

std::string twoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

std::string twelveHour(const HoursMinutes& t, std::string_view am, std::string_view pm) {
    const int h = t.hours % 12 == 0 ? 12 : t.hours % 12;
    return std::to_string(h) + ":" + twoDigits(t.minutes) + std::string(t.hours < 12 ? am : pm);
}

std::string lowerAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    }
    return out;
}

// Takes an am/pm word off the end of the (lower-case) text.
Half takeHalf(std::string& s, const LocaleConventions& locale) {
    const std::string words[][2] = {
        {"a.m.", "p.m."}, {lowerAscii(locale.am), lowerAscii(locale.pm)}, {"am", "pm"}, {"a", "p"}};
    for (const auto& pair : words) {
        for (int i = 0; i < 2; ++i) {
            const std::string& w = pair[i];
            if (w.empty() || !s.ends_with(w)) continue;
            s.resize(s.size() - w.size());
            s = std::string(trimEntry(s));
            return i == 0 ? Half::Morning : Half::Afternoon;
        }
    }
    return Half::None;
}

bool allDigits(std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// Hours, minutes and seconds of the text without its am/pm word.
std::optional<HoursMinutes> readClock(std::string_view s) {
    std::vector<std::string_view> groups;
    for (std::size_t start = 0;;) {
        const auto end = s.find_first_of(":.", start);
        groups.push_back(s.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    for (const auto g : groups) {
        if (!allDigits(g)) return std::nullopt;
    }
    if (groups.size() == 1 && groups[0].size() >= 3 && groups[0].size() <= 4) {
        const auto g = groups[0];
        return HoursMinutes{digitsValue(g.substr(0, g.size() - 2)),
                            digitsValue(g.substr(g.size() - 2))};
    }
    if (groups.size() > 3 || groups[0].size() > 2) return std::nullopt;
    for (std::size_t i = 1; i < groups.size(); ++i) {
        if (groups[i].size() != 2) return std::nullopt;
    }
    HoursMinutes t{digitsValue(groups[0])};
    if (groups.size() > 1) t.minutes = digitsValue(groups[1]);
    if (groups.size() > 2) t.seconds = digitsValue(groups[2]);
    return t;
}

std::string refusal(std::string_view typed) {
    return "\"" + std::string(cutToCharacters(typed, 40)) +
           "\" is not a time this program can take. Please enter hours and minutes, for "
           "example 5:30p, 12:30a or 17:30.";
}

}  // namespace

std::string formatTime(const Picture& picture, Time time, const LocaleConventions& locale) {
    if (time < 1 || time > kLastTime) return {};
    const HoursMinutes t = toHoursMinutes(time);
    if (picture.size == 3) return twelveHour(t, "AM", "PM");
    if (locale.twelveHourClock) return twelveHour(t, locale.am, locale.pm);
    return twoDigits(t.hours) + ":" + twoDigits(t.minutes);
}

EntryResult parseTimeEntry(std::string_view typed, const LocaleConventions& locale) {
    const std::string_view trimmed = trimEntry(typed);
    if (trimmed.empty()) return {};
    std::string s = lowerAscii(trimmed);
    const Half half = takeHalf(s, locale);
    auto t = readClock(s);
    if (t && half != Half::None) {
        if (t->hours < 1 || t->hours > 12) {
            t.reset();
        } else {
            t->hours = t->hours % 12 + (half == Half::Afternoon ? 12 : 0);
        }
    }
    const Time value = t ? composeTime(t->hours, t->minutes, t->seconds) : kNoTime;
    if (value == kNoTime) return {{}, refusal(trimmed)};
    return {{{}, value}, {}};
}

}  // namespace ntx
