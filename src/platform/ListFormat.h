#pragma once
// Column format strings of browse lists, such as
// "50L(2)|M*~Last name~L(1)@s22@41L(2)|M*~First name~L(1)@s25@...": for each column its
// width in dialog units, the data alignment and indent, "|" for a right border, "M" for a
// column the user may resize, "*" for colours taken from the row, the heading between
// "~" with its own alignment and indent, and the display picture between "@".
//
// A list keeps the string it was given and, when the user changes widths, writes the same
// string back with only the widths changed, so a saved layout compares equal to what the
// list would write again.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ntx {

enum class ColumnAlignment { Left, Centre, Right };

struct ListColumnFormat {
    int width = 0;
    ColumnAlignment dataAlignment = ColumnAlignment::Left;
    int dataIndent = 0;
    bool rightBorder = false;
    bool resizable = false;
    bool rowColours = false;
    std::string heading;
    ColumnAlignment headingAlignment = ColumnAlignment::Left;  // the data's when not given
    int headingIndent = 0;
    std::string picture;  // "@s22@"
    std::string rest;     // everything after the width, kept as written
};

// Parses a format string; nothing when it is malformed.
[[nodiscard]] std::optional<std::vector<ListColumnFormat>> parseListFormat(std::string_view format);

// Writes the columns back with their (possibly changed) widths.
[[nodiscard]] std::string writeListFormat(const std::vector<ListColumnFormat>& columns);

}  // namespace ntx
