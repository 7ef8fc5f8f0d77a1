#pragma once
// Text rules of the record files. Text is UTF-8; widths count characters (code points).

#include <string>
#include <string_view>

namespace ntx {

// Number of characters in a UTF-8 text (a malformed byte counts as one character).
[[nodiscard]] std::size_t characterCount(std::string_view utf8);

// The text cut to at most `maxChars` characters, never inside a character.
[[nodiscard]] std::string_view cutToCharacters(std::string_view utf8, std::size_t maxChars);

// The text without trailing blanks (spaces only, as a blank-padded field has them).
[[nodiscard]] std::string_view trimRight(std::string_view text);

// True when the text is empty or all blanks.
[[nodiscard]] bool isBlank(std::string_view text);

// Compares two texts without regard to case for every letter (not only A-Z), as if both
// were padded with blanks to the same width. Returns <0, 0 or >0.
[[nodiscard]] int compareNoCase(std::string_view a, std::string_view b);

}  // namespace ntx
