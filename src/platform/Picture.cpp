#include "platform/Picture.h"

#include <cctype>

namespace ntx {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads the digits at the front of `s` into `n`; false when there are none or too many.
bool takeNumber(std::string_view& s, int& n, std::string* digits = nullptr) {
    std::size_t i = 0;
    n = 0;
    while (i < s.size() && isDigit(s[i]) && i < 6) n = n * 10 + (s[i++] - '0');
    if (i == 0 || (i < s.size() && isDigit(s[i]))) return false;
    if (digits) *digits = std::string(s.substr(0, i));
    s.remove_prefix(i);
    return true;
}

bool takeFlag(std::string_view& s, char flag) {
    if (s.empty() || std::toupper(static_cast<unsigned char>(s.front())) != flag) return false;
    s.remove_prefix(1);
    return true;
}

std::optional<Picture> pageNumber(std::string_view inner) {
    const auto first = inner.find_first_of("<#");
    if (first == std::string_view::npos) return std::nullopt;
    auto last = inner.find_first_not_of("<#", first);
    if (last == std::string_view::npos) last = inner.size();
    Picture p{PictureKind::PageNumber, static_cast<int>(last - first)};
    p.prefix = std::string(inner.substr(0, first));
    p.suffix = std::string(inner.substr(last));
    return p;
}

}  // namespace

std::string_view trimEntry(std::string_view typed) {
    const auto first = typed.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return typed.substr(first, typed.find_last_not_of(" \t") - first + 1);
}

int digitsValue(std::string_view digits) {
    int n = 0;
    for (char c : digits) n = n * 10 + (c - '0');
    return n;
}

std::optional<Picture> parsePicture(std::string_view s) {
    if (!s.empty() && s.front() == '@') s.remove_prefix(1);
    if (s.size() < 2) return std::nullopt;
    const char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(s.front())));
    if (kind == 'P' && s.size() >= 3 && s.back() == s.front()) {
        return pageNumber(s.substr(1, s.size() - 2));
    }
    s.remove_prefix(1);
    Picture p;
    std::string digits;
    if (!takeNumber(s, p.size, &digits)) return std::nullopt;
    switch (kind) {
        case 'S':
            p.kind = PictureKind::Text;
            return s.empty() && p.size > 0 ? std::optional(p) : std::nullopt;
        case 'N':
            p.kind = PictureKind::Number;
            break;
        case 'D':
            p.kind = PictureKind::DateValue;
            p.zeroPadded = digits.size() > 1 && digits.front() == '0';
            if (p.size != 4 && p.size != 17 && p.size != 18) return std::nullopt;
            break;
        case 'T':
            p.kind = PictureKind::TimeValue;
            if (p.size != 3 && p.size != 7) return std::nullopt;
            takeFlag(s, '-');
            break;
        default:
            return std::nullopt;
    }
    p.blankWhenZero = takeFlag(s, 'B');
    return s.empty() ? std::optional(p) : std::nullopt;
}

}  // namespace ntx
