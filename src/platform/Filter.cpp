#include "platform/Filter.h"

#include <cctype>
#include <cmath>

#include "platform/Dates.h"
#include "platform/RecordBuffer.h"
#include "platform/Text.h"

namespace ntx {

using Node = Filter::Node;
using Kind = Node::Kind;
using Op = Node::Op;

double textToNumber(std::string_view text) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos) return 0;
    double sign = 1;
    if (text[i] == '+' || text[i] == '-') {
        sign = text[i] == '-' ? -1 : 1;
        ++i;
    }
    double value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
    }
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
            value += (text[i] - '0') * scale;
            scale /= 10;
        }
    }
    return sign * value;
}

// Recursive-descent parser over the expression text.
class FilterParser {
  public:
    FilterParser(Filter& f, std::string& error) : f_(f), s_(f.expression_), error_(error) {}

    bool run() {
        f_.root_ = parseOr();
        if (f_.root_ >= 0) {
            skipBlanks();
            if (pos_ < s_.size()) fail("unexpected text");
        }
        return error_.empty();
    }

  private:
    void skipBlanks() {
        while (pos_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[pos_]))) ++pos_;
    }

    int fail(const std::string& what) {
        if (error_.empty()) {
            error_ = "Filter \"" + std::string(s_) + "\": " + what + " at character " +
                     std::to_string(pos_ + 1) + ".";
        }
        return -1;
    }

    bool isWordChar(char c) const {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == ':';
    }

    // Consumes the keyword `kw` (case-insensitive) when it stands as a whole word here.
    bool keyword(std::string_view kw) {
        skipBlanks();
        if (s_.size() - pos_ < kw.size() || !sameName(s_.substr(pos_, kw.size()), kw)) return false;
        if (pos_ + kw.size() < s_.size() && isWordChar(s_[pos_ + kw.size()])) return false;
        pos_ += kw.size();
        return true;
    }

    bool symbol(char c) {
        skipBlanks();
        if (pos_ < s_.size() && s_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    int add(Node n) {
        f_.nodes_.push_back(std::move(n));
        return static_cast<int>(f_.nodes_.size()) - 1;
    }

    int logical(Kind kind, int a, int b) {
        Node n;
        n.kind = kind;
        n.a = a;
        n.b = b;
        return add(n);
    }

    int parseOr() {
        int left = parseAnd();
        while (left >= 0 && keyword("OR")) {
            const int right = parseAnd();
            if (right < 0) return -1;
            left = logical(Kind::Or, left, right);
        }
        return left;
    }

    int parseAnd() {
        int left = parseNot();
        while (left >= 0 && keyword("AND")) {
            const int right = parseNot();
            if (right < 0) return -1;
            left = logical(Kind::And, left, right);
        }
        return left;
    }

    int parseNot() {
        if (keyword("NOT")) {
            const int operand = parseNot();
            return operand < 0 ? -1 : logical(Kind::Not, operand, -1);
        }
        return parseComparison();
    }

    std::optional<Op> comparisonOperator() {
        skipBlanks();
        const std::string_view rest = s_.substr(pos_);
        static constexpr std::pair<std::string_view, Op> kOps[] = {{"<>", Op::Ne}, {"<=", Op::Le},
                                                                   {">=", Op::Ge}, {"=", Op::Eq},
                                                                   {"<", Op::Lt},  {">", Op::Gt}};
        for (const auto& [text, op] : kOps) {
            if (rest.starts_with(text)) {
                pos_ += text.size();
                return op;
            }
        }
        return std::nullopt;
    }

    int parseComparison() {
        const int left = parsePrimary();
        if (left < 0) return -1;
        const auto op = comparisonOperator();
        if (!op) return left;
        const int right = parsePrimary();
        if (right < 0) return -1;
        Node n;
        n.kind = Kind::Compare;
        n.op = *op;
        n.a = left;
        n.b = right;
        return add(n);
    }

    int parsePrimary() {
        skipBlanks();
        if (pos_ >= s_.size()) return fail("expected a value");
        const char c = s_[pos_];
        if (c == '(') {
            ++pos_;
            const int inner = parseOr();
            if (inner < 0) return -1;
            if (!symbol(')')) return fail("expected ')'");
            return inner;
        }
        if (c == '\'') return parseText();
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-')
            return parseNumber();
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') return parseName();
        return fail(std::string("unexpected '") + c + "'");
    }

    int parseText() {
        std::string text;
        for (++pos_; pos_ < s_.size(); ++pos_) {
            if (s_[pos_] == '\'') {
                if (pos_ + 1 < s_.size() && s_[pos_ + 1] == '\'') {
                    text += '\'';
                    ++pos_;
                    continue;
                }
                ++pos_;
                Node n;
                n.kind = Kind::Text;
                n.isText = true;
                n.literal = FilterValue::ofText(std::move(text));
                return add(n);
            }
            text += s_[pos_];
        }
        return fail("unterminated text");
    }

    int parseNumber() {
        const std::size_t start = pos_;
        if (s_[pos_] == '-') ++pos_;
        bool digits = false;
        while (pos_ < s_.size() &&
               (std::isdigit(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '.')) {
            digits = digits || s_[pos_] != '.';
            ++pos_;
        }
        if (!digits) {
            pos_ = start;
            return fail("expected a number");
        }
        Node n;
        n.kind = Kind::Number;
        n.literal = FilterValue::ofNumber(textToNumber(s_.substr(start, pos_ - start)));
        return add(n);
    }

    int parseName() {
        const std::size_t start = pos_;
        while (pos_ < s_.size() && isWordChar(s_[pos_])) ++pos_;
        const std::string_view name = s_.substr(start, pos_ - start);
        if (symbol('(')) return parseCall(name, start);
        Node n;
        const FileDef& def = *f_.def_;
        if (const int field = def.fieldIndex(name); field >= 0) {
            n.kind = Kind::Field;
            n.ref = field;
            n.isText = def.fields[field].isText();
            return add(n);
        }
        if (def.isMemoName(name)) {
            n.kind = Kind::Memo;
            n.isText = true;
            return add(n);
        }
        for (std::size_t i = 0; i < f_.bindings_.size(); ++i) {
            if (sameName(f_.bindings_[i].name, name)) {
                n.kind = Kind::Binding;
                n.ref = static_cast<int>(i);
                n.isText = f_.bindings_[i].isText;
                return add(n);
            }
        }
        pos_ = start;
        return fail("unknown name '" + std::string(name) + "'");
    }

    int parseCall(std::string_view name, std::size_t start) {
        Node n;
        if (sameName(name, "MONTH")) {
            n.kind = Kind::Month;
        } else if (sameName(name, "CLIP")) {
            n.kind = Kind::Clip;
        } else {
            pos_ = start;
            return fail("unknown function '" + std::string(name) + "'");
        }
        n.a = parseOr();
        if (n.a < 0) return -1;
        if (!symbol(')')) return fail("expected ')'");
        n.isText = n.kind == Kind::Clip && f_.nodes_[n.a].isText;
        return add(n);
    }

    Filter& f_;
    std::string_view s_;
    std::string& error_;
    std::size_t pos_ = 0;
};

class FilterEvaluator {
  public:
    FilterEvaluator(const Filter& f, const RecordBuffer& r) : f_(f), r_(r) {}

    FilterValue eval(int i) const {
        const Node& n = f_.nodes_[i];
        switch (n.kind) {
            case Kind::Number:
            case Kind::Text:
                return n.literal;
            case Kind::Field:
                return fieldValue(n.ref);
            case Kind::Memo:
                return FilterValue::ofText(r_.memo());
            case Kind::Binding:
                return f_.paramValue({n.ref, {}});
            case Kind::Month:
                return FilterValue::ofNumber(monthOf(static_cast<Date>(number(eval(n.a)))));
            case Kind::Clip: {
                FilterValue v = eval(n.a);
                if (v.isText) v.text = std::string(trimRight(v.text));
                return v;
            }
            case Kind::Not:
                return truth(!isTrue(eval(n.a)));
            case Kind::And:
                return truth(isTrue(eval(n.a)) && isTrue(eval(n.b)));
            case Kind::Or:
                return truth(isTrue(eval(n.a)) || isTrue(eval(n.b)));
            case Kind::Compare:
                return truth(compare(n.op, eval(n.a), eval(n.b)));
        }
        return {};
    }

    static bool isTrue(const FilterValue& v) { return v.isText ? !isBlank(v.text) : v.number != 0; }

  private:
    static FilterValue truth(bool b) { return FilterValue::ofNumber(b ? 1 : 0); }
    static double number(const FilterValue& v) {
        return v.isText ? textToNumber(v.text) : v.number;
    }

    FilterValue fieldValue(int field) const {
        const FieldDef& def = f_.def_->fields[field];
        if (def.isText()) return FilterValue::ofText(r_.text(field));
        return FilterValue::ofNumber(static_cast<double>(r_.number(field)) /
                                     std::pow(10.0, def.scale));
    }

    static bool compare(Op op, const FilterValue& x, const FilterValue& y) {
        int c = 0;
        if (x.isText && y.isText) {
            c = trimRight(x.text).compare(trimRight(y.text));
        } else {
            const double a = number(x);
            const double b = number(y);
            c = a < b ? -1 : (a > b ? 1 : 0);
        }
        switch (op) {
            case Op::Eq:
                return c == 0;
            case Op::Ne:
                return c != 0;
            case Op::Lt:
                return c < 0;
            case Op::Gt:
                return c > 0;
            case Op::Le:
                return c <= 0;
            case Op::Ge:
                return c >= 0;
        }
        return false;
    }

    const Filter& f_;
    const RecordBuffer& r_;
};

Filter::Filter(std::string expression, const FileDef& def, const FilterBindings& bindings)
    : expression_(std::move(expression)), def_(&def), bindings_(bindings) {}

Filter::Filter(Filter&&) noexcept = default;
Filter& Filter::operator=(Filter&&) noexcept = default;
Filter::~Filter() = default;

std::optional<Filter> Filter::parse(std::string_view expression, const FileDef& def,
                                    const FilterBindings& bindings, std::string& error) {
    error.clear();
    Filter f(std::string(expression), def, bindings);
    FilterParser parser(f, error);
    if (!parser.run()) return std::nullopt;
    return f;
}

bool Filter::matches(const RecordBuffer& record) const {
    return FilterEvaluator::isTrue(FilterEvaluator(*this, record).eval(root_));
}

FilterValue Filter::paramValue(const SqlParam& p) const {
    if (p.binding < 0) return p.literal;
    const FilterBinding& b = bindings_[p.binding];
    FilterValue v = b.value ? b.value() : FilterValue{};
    v.isText = b.isText;
    return v;
}

}  // namespace ntx
