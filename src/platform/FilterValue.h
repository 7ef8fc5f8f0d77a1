#pragma once
// Values that filter expressions compute with: a number or a text.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ntx {

struct FilterValue {
    bool isText = false;
    std::string text;
    double number = 0;

    static FilterValue ofNumber(double n) { return {false, {}, n}; }
    static FilterValue ofText(std::string t) { return {true, std::move(t), 0}; }
};

// The number a text stands for when it is compared with a number: leading blanks are
// skipped, then an optional sign, digits and an optional decimal part are read; a text
// that does not begin with a number counts as 0 ("12abc" is 12, "abc" is 0).
[[nodiscard]] double textToNumber(std::string_view text);

// A name that filters may use besides the file's fields and memo, for example
// "GLO:RptMonth". Its value is read each time a filter is evaluated or a query runs.
struct FilterBinding {
    std::string name;
    bool isText = false;
    std::function<FilterValue()> value;
};

using FilterBindings = std::vector<FilterBinding>;

}  // namespace ntx
