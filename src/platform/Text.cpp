#include "platform/Text.h"

#include <unicode/uchar.h>

namespace ntx {
namespace {

// Length of the UTF-8 sequence that starts with byte `b`; 1 for a stray byte.
std::size_t sequenceLength(unsigned char b) {
    if (b < 0xC0) return 1;
    if (b < 0xE0) return 2;
    if (b < 0xF0) return 3;
    return 4;
}

// Decodes the character at `i` and moves `i` past it. Malformed input yields the byte.
char32_t nextCodePoint(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    const std::size_t len = sequenceLength(b0);
    if (len == 1 || i + len > s.size()) {
        ++i;
        return b0;
    }
    char32_t cp = b0 & (0x7F >> len);
    for (std::size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return b0;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    i += len;
    return cp;
}

char32_t foldAscii(char32_t c) {
    return (c >= 'A' && c <= 'Z') ? c + 32 : c;
}

char32_t fold(char32_t c) {
    if (c < 0x80) return foldAscii(c);
    return static_cast<char32_t>(u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT));
}

}  // namespace

std::size_t characterCount(std::string_view utf8) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < utf8.size(); ++n) nextCodePoint(utf8, i);
    return n;
}

std::string_view cutToCharacters(std::string_view utf8, std::size_t maxChars) {
    std::size_t i = 0;
    for (std::size_t n = 0; n < maxChars && i < utf8.size(); ++n) nextCodePoint(utf8, i);
    return utf8.substr(0, i);
}

std::string_view trimRight(std::string_view text) {
    const auto end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

bool isBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

int compareNoCase(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() || j < b.size()) {
        // A text that has ended compares as blanks.
        const char32_t ca = i < a.size() ? fold(nextCodePoint(a, i)) : U' ';
        const char32_t cb = j < b.size() ? fold(nextCodePoint(b, j)) : U' ';
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return 0;
}

}  // namespace ntx
