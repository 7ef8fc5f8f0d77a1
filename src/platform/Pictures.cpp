#include "platform/Pictures.h"

#include <limits>

#include "platform/Text.h"

namespace ntx {

std::string formatText(const Picture& picture, std::string_view text) {
    if (picture.size <= 0) return std::string(text);
    return std::string(cutToCharacters(text, static_cast<std::size_t>(picture.size)));
}

std::string formatNumber(const Picture& picture, std::int64_t number) {
    if (number == 0 && picture.blankWhenZero) return {};
    return std::to_string(number);
}

std::string formatPageNumber(const Picture& picture, std::int64_t page) {
    std::string digits = std::to_string(page);
    const auto places = static_cast<std::size_t>(picture.size);
    if (digits.size() < places) digits.insert(0, places - digits.size(), ' ');
    return picture.prefix + digits + picture.suffix;
}

std::string formatValue(const Picture& picture, const FieldValue& value,
                        const LocaleConventions& locale) {
    const auto n = value.number;
    switch (picture.kind) {
        case PictureKind::Text:
            return formatText(picture, value.text);
        case PictureKind::Number:
            return formatNumber(picture, n);
        case PictureKind::PageNumber:
            return formatPageNumber(picture, n);
        case PictureKind::DateValue:
        case PictureKind::TimeValue:
            break;
    }
    if (n < std::numeric_limits<std::int32_t>::min() ||
        n > std::numeric_limits<std::int32_t>::max()) {
        return {};
    }
    if (picture.kind == PictureKind::DateValue)
        return formatDate(picture, static_cast<Date>(n), locale);
    return formatTime(picture, static_cast<Time>(n), locale);
}

EntryResult parseNumberEntry(const Picture& picture, std::string_view typed) {
    const std::string_view s = trimEntry(typed);
    if (s.empty()) return {};
    const bool digitsOnly = s.find_first_not_of("0123456789") == std::string_view::npos;
    const auto width = static_cast<std::size_t>(picture.size);
    if (digitsOnly && (width == 0 || s.size() <= width) && s.size() <= 18) {
        std::int64_t n = 0;
        for (char c : s) n = n * 10 + (c - '0');
        return {{{}, n}, {}};
    }
    const std::string most = width == 0 ? "" : " of at most " + std::to_string(width) + " digits";
    return {{},
            "\"" + std::string(cutToCharacters(s, 40)) +
                "\" is not a number this program can take. Please enter a whole number" + most +
                "."};
}

EntryResult readEntry(const Picture& picture, std::string_view typed,
                      const LocaleConventions& locale) {
    switch (picture.kind) {
        case PictureKind::Text:
            return {{formatText(picture, typed), 0}, {}};
        case PictureKind::DateValue:
            return parseDateEntry(typed, locale);
        case PictureKind::TimeValue:
            return parseTimeEntry(typed, locale);
        case PictureKind::Number:
        case PictureKind::PageNumber:
            break;
    }
    return parseNumberEntry(picture, typed);
}

}  // namespace ntx
