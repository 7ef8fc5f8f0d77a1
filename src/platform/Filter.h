#pragma once
// Filter expressions of views: conditions over a record's fields, its memo and bound names.
//
// The language: field names with or without the file prefix in any case ("BIR:DOB",
// "bir:SkipPrintBirth"), the memo's name, bound names ("GLO:RptMonth"), whole and decimal
// numbers, quoted texts ('' for a quote inside), MONTH(date), CLIP(text), the comparisons
// = <> < > <= >=, NOT, AND, OR and parentheses. AND binds tighter than OR.
//
// Two texts compare character code by character code with trailing blanks ignored; when
// either side is a number both compare as numbers (see textToNumber). A number is true
// when not 0, a text when not blank. MONTH of "no date" is 0.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FilterValue.h"
#include "platform/RecordLayout.h"

namespace ntx {

class RecordBuffer;

// A filter compiled to an SQL condition; parameters are bound when the query runs.
struct SqlParam {
    int binding = -1;  // index into the filter's bindings, or -1 for `literal`
    FilterValue literal;
};

struct SqlCondition {
    std::string sql;
    std::vector<SqlParam> params;
};

class Filter {
  public:
    struct Node;

    // Parses `expression` for records of `def`. On a malformed expression returns nothing
    // and sets `error` to a message naming the expression and the character position.
    static std::optional<Filter> parse(std::string_view expression, const FileDef& def,
                                       const FilterBindings& bindings, std::string& error);

    Filter(Filter&&) noexcept;
    Filter& operator=(Filter&&) noexcept;
    ~Filter();

    [[nodiscard]] const std::string& expression() const { return expression_; }

    // Evaluates the filter on the values in `record`.
    [[nodiscard]] bool matches(const RecordBuffer& record) const;

    // The same condition as SQL over the file's table (columns named as the fields).
    [[nodiscard]] SqlCondition toSql() const;

    // The current value of a parameter of toSql(), ready to bind.
    [[nodiscard]] FilterValue paramValue(const SqlParam& p) const;

  private:
    Filter(std::string expression, const FileDef& def, const FilterBindings& bindings);

    std::string expression_;
    const FileDef* def_;
    FilterBindings bindings_;
    std::vector<Node> nodes_;
    int root_ = -1;

    friend class FilterParser;
    friend class FilterEvaluator;
    friend class FilterSqlWriter;
};

// Shared by the parser, the evaluator and the SQL writer.
struct Filter::Node {
    enum class Kind { Number, Text, Field, Memo, Binding, Month, Clip, Not, And, Or, Compare };
    enum class Op { Eq, Ne, Lt, Gt, Le, Ge };
    Kind kind = Kind::Number;
    Op op = Op::Eq;
    bool isText = false;  // the node's value is a text
    int a = -1;           // operands (node indices)
    int b = -1;
    int ref = -1;  // field or binding index
    FilterValue literal;
};

}  // namespace ntx
