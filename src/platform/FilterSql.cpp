// Writes a parsed filter as an SQL condition that selects exactly the records the
// in-memory evaluation accepts: texts are compared trimmed and byte by byte, mixed
// comparisons go through ntx_num(), and conditions over texts through ntx_truth().
#include "platform/Filter.h"
#include "platform/Sqlite.h"

namespace ntx {

using Node = Filter::Node;
using Kind = Node::Kind;
using Op = Node::Op;

class FilterSqlWriter {
  public:
    explicit FilterSqlWriter(const Filter& f) : f_(f) {}

    SqlCondition run() {
        out_.sql = condition(f_.root_);
        return std::move(out_);
    }

  private:
    const Node& node(int i) const { return f_.nodes_[i]; }

    std::string param(SqlParam p) {
        out_.params.push_back(std::move(p));
        return "?";
    }

    // The node's value as SQL (text or number, as the node is).
    std::string value(int i) {
        const Node& n = node(i);
        switch (n.kind) {
            case Kind::Number:
            case Kind::Text:
                return param({-1, n.literal});
            case Kind::Field:
                return quoteIdentifier(f_.def_->fields[n.ref].name);
            case Kind::Memo:
                return "rtrim(" + quoteIdentifier(f_.def_->memoName) + ", ' ')";
            case Kind::Binding:
                return param({n.ref, {}});
            case Kind::Month:
                return "ntx_month(" + number(n.a) + ")";
            case Kind::Clip:
                return node(n.a).isText ? "rtrim(" + value(n.a) + ", ' ')" : value(n.a);
            default:
                return "(" + condition(i) + ")";
        }
    }

    std::string number(int i) { return node(i).isText ? "ntx_num(" + value(i) + ")" : value(i); }

    static const char* opText(Op op) {
        switch (op) {
            case Op::Eq:
                return " = ";
            case Op::Ne:
                return " <> ";
            case Op::Lt:
                return " < ";
            case Op::Gt:
                return " > ";
            case Op::Le:
                return " <= ";
            case Op::Ge:
                return " >= ";
        }
        return " = ";
    }

    // The node as an SQL condition (true or false).
    std::string condition(int i) {
        const Node& n = node(i);
        switch (n.kind) {
            case Kind::Not:
                return "NOT (" + condition(n.a) + ")";
            case Kind::And:
            case Kind::Or: {
                // Operands are written in order so that their parameters are in SQL order.
                const std::string left = condition(n.a);
                const std::string right = condition(n.b);
                return "(" + left + (n.kind == Kind::And ? " AND " : " OR ") + right + ")";
            }
            case Kind::Compare: {
                const bool texts = node(n.a).isText && node(n.b).isText;
                const std::string left = texts ? value(n.a) : number(n.a);
                const std::string right = texts ? value(n.b) : number(n.b);
                return "(" + left + opText(n.op) + right + (texts ? " COLLATE BINARY)" : ")");
            }
            default:
                return n.isText ? "ntx_truth(" + value(i) + ")" : "(" + value(i) + " <> 0)";
        }
    }

    const Filter& f_;
    SqlCondition out_;
};

SqlCondition Filter::toSql() const {
    return FilterSqlWriter(*this).run();
}

}  // namespace ntx
