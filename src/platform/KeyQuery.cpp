#include "platform/KeyQuery.h"

#include "platform/StoreFile.h"

namespace ntx {

KeyQuery::KeyQuery(const FileDef& def, int key)
    : def_(def), key_(key >= 0 ? &def.keys[static_cast<std::size_t>(key)] : nullptr) {}

int KeyQuery::componentCount() const {
    return key_ != nullptr ? static_cast<int>(key_->components.size()) : 0;
}

std::string KeyQuery::presentTerm(bool tableScan) const {
    return key_ != nullptr ? keyPresentTerm(def_, *key_, tableScan) : std::string();
}

// The column as the key's index orders it: text compared without regard to case.
std::string KeyQuery::column(int component) const {
    const FieldDef& f = def_.fields[key_->components[component].field];
    std::string col = quoteIdentifier(f.name);
    if (f.isText()) col += " COLLATE " + std::string(kNoCaseCollation);
    return col;
}

std::string KeyQuery::orderBy(bool backward) const {
    std::string sql = "ORDER BY ";
    for (int i = 0; i < componentCount(); ++i) {
        const bool desc = key_->components[i].descending != backward;
        sql += column(i) + (desc ? " DESC, " : ", ");
    }
    return sql + (backward ? "rowid DESC" : "rowid");
}

std::string KeyQuery::equalTerm(int n) const {
    std::string sql;
    for (int i = 0; i < n; ++i) sql += (i ? " AND " : "") + column(i) + " = ?";
    return sql;
}

KeyCondition KeyQuery::after(bool backward, bool withRowid, bool inclusive) const {
    KeyCondition c;
    const int n = componentCount();
    // Innermost: the rowid breaks ties between equal keys.
    std::string inner =
        withRowid ? (backward ? "rowid < ?" : "rowid > ?") : (inclusive ? "1" : "0");
    std::vector<int> innerParams;
    if (withRowid) innerParams.push_back(-1);
    for (int i = n - 1; i >= 0; --i) {
        const bool greater = key_->components[i].descending == backward;
        const std::string col = column(i);
        inner =
            "(" + col + (greater ? " > ?" : " < ?") + " OR (" + col + " = ? AND " + inner + "))";
        std::vector<int> params = {i, i};
        params.insert(params.end(), innerParams.begin(), innerParams.end());
        innerParams = std::move(params);
    }
    if (n > 0) {
        // A plain bound on the first component lets SQLite start the index scan there.
        const bool greater = key_->components[0].descending == backward;
        c.sql = column(0) + (greater ? " >= ?" : " <= ?") + " AND " + inner;
        c.components.push_back(0);
    } else {
        c.sql = inner;
    }
    c.components.insert(c.components.end(), innerParams.begin(), innerParams.end());
    return c;
}

std::string KeyQuery::selectEqual() const {
    std::string where = presentTerm();
    if (componentCount() > 0) where += " AND " + equalTerm(componentCount());
    return "SELECT " + selectColumns(def_) + " FROM " + quoteIdentifier(def_.label) +
           (where.empty() ? "" : " WHERE " + where) + " " + orderBy(false) + " LIMIT 1";
}

void KeyQuery::bindValue(SqliteStatement& stmt, int index, int component,
                         const RecordValues& values) const {
    const int field = key_->components[component].field;
    const FieldDef& f = def_.fields[field];
    if (f.isText()) {
        stmt.bind(index, std::string_view(values.fields[field].text));
    } else {
        stmt.bind(index, values.fields[field].number);
    }
}

int KeyQuery::bindComponents(SqliteStatement& stmt, int first, const std::vector<int>& components,
                             const KeyPosition& pos) const {
    for (int c : components) {
        if (c < 0) {
            stmt.bind(first++, pos.rowid);
        } else {
            bindValue(stmt, first++, c, pos.values);
        }
    }
    return first;
}

int KeyQuery::bindKeyValues(SqliteStatement& stmt, int first, const RecordValues& values,
                            int n) const {
    for (int i = 0; i < n; ++i) bindValue(stmt, first++, i, values);
    return first;
}

}  // namespace ntx
