#include "platform/WindowPosition.h"

#include <charconv>
#include <optional>
#include <string>
#include <vector>

#include "platform/Text.h"

namespace ntx {
namespace {

constexpr std::string_view kMaximize = "Maximize";
constexpr std::string_view kMinimize = "Minimize";
constexpr std::string_view kXPos = "XPos";
constexpr std::string_view kYPos = "YPos";
constexpr std::string_view kWidth = "Width";
constexpr std::string_view kHeight = "Height";

std::string yesNo(bool b) {
    return b ? "Yes" : "No";
}

bool isWord(const std::optional<std::string>& value, std::string_view word) {
    return value && compareNoCase(*value, word) == 0;
}

std::optional<int> wholeNumber(const std::optional<std::string>& value) {
    if (!value || value->empty()) return std::nullopt;
    int n = 0;
    const char* end = value->data() + value->size();
    const auto [ptr, ec] = std::from_chars(value->data(), end, n);
    if (ec != std::errc{} || ptr != end) return std::nullopt;
    return n;
}

}  // namespace

bool updateWindowPosition(SettingsStore& settings, std::string_view section,
                          const PositionedWindow& window) {
    const std::string s(section);
    const bool maximized = window.isMaximized();
    const bool minimized = window.isMinimized();
    std::vector<SettingChange> changes{{s, std::string(kMaximize), yesNo(maximized)},
                                       {s, std::string(kMinimize), yesNo(minimized)}};
    const auto set = [&](std::string_view key, std::optional<int> v) {
        changes.push_back(
            {s, std::string(key), v ? std::optional(std::to_string(*v)) : std::nullopt});
    };
    const WindowPlacement p = window.placement();
    const bool keepPosition = !maximized && !minimized;
    const bool keepSize = keepPosition && window.isResizable();
    set(kXPos, keepPosition ? std::optional(p.x) : std::nullopt);
    set(kYPos, keepPosition ? std::optional(p.y) : std::nullopt);
    set(kWidth, keepSize ? std::optional(p.width) : std::nullopt);
    set(kHeight, keepSize ? std::optional(p.height) : std::nullopt);
    return settings.apply(changes);
}

void fetchWindowPosition(const SettingsStore& settings, std::string_view section,
                         PositionedWindow& window) {
    const auto read = [&](std::string_view key) { return settings.fetchValue(section, key); };
    const auto maximize = read(kMaximize);
    const bool maximizeYes = isWord(maximize, "Yes");
    if (!maximizeYes && !isWord(maximize, "No")) return;

    if (window.isMaximized() && !maximizeYes) window.setMaximized(false);
    const auto x = wholeNumber(read(kXPos));
    const auto y = wholeNumber(read(kYPos));
    if (x && y) window.moveTo(*x, *y);
    if (window.isResizable()) {
        const auto w = wholeNumber(read(kWidth));
        const auto h = wholeNumber(read(kHeight));
        if (w && h && *w > 0 && *h > 0) window.resizeTo(*w, *h);
    }
    if (maximizeYes && !window.isMaximized()) window.setMaximized(true);
    window.setMinimized(isWord(read(kMinimize), "Yes"));
}

}  // namespace ntx
