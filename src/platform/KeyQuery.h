#pragma once
// The SQL pieces of reading a record file in the order of one of its keys (or in the
// file's physical order): the key's presence term, the ORDER BY, equality with key values
// and the "after this position" condition that pages through the key.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/RecordBuffer.h"
#include "platform/RecordLayout.h"
#include "platform/Sqlite.h"

namespace ntx {

// A place in key order: the key values of a record and, for a record actually read, its
// rowid (0 for a place given by starting values only).
struct KeyPosition {
    RecordValues values;
    std::int64_t rowid = 0;
};

// An SQL condition and, for each of its "?" in order, which key component's value it takes
// (-1 for the rowid).
struct KeyCondition {
    std::string sql;
    std::vector<int> components;
};

class KeyQuery {
  public:
    // `key` is an index into the file's keys, or -1 for the physical order.
    KeyQuery(const FileDef& def, int key);

    [[nodiscard]] int componentCount() const;
    [[nodiscard]] bool hasKey() const { return key_ != nullptr; }

    // "(...)" leaving out records absent from the key; empty for the physical order.
    // `tableScan` writes it so that SQLite reads the table rather than the index.
    [[nodiscard]] std::string presentTerm(bool tableScan = false) const;
    // "ORDER BY ..., rowid" (reversed when `backward`).
    [[nodiscard]] std::string orderBy(bool backward) const;
    // The first `n` components equal to "?" each.
    [[nodiscard]] std::string equalTerm(int n) const;
    // Records after `from` in the reading direction; with `inclusive` and no rowid, the
    // records whose key values equal those of `from` are included.
    [[nodiscard]] KeyCondition after(bool backward, bool withRowid, bool inclusive) const;
    // "SELECT ... WHERE present AND key = ? ... LIMIT 1".
    [[nodiscard]] std::string selectEqual() const;

    // Binds the values of components listed in `components` from `pos`; returns the next
    // parameter index.
    int bindComponents(SqliteStatement& stmt, int first, const std::vector<int>& components,
                       const KeyPosition& pos) const;
    // Binds the first `n` component values from `values`; returns the next parameter index.
    int bindKeyValues(SqliteStatement& stmt, int first, const RecordValues& values, int n) const;

  private:
    [[nodiscard]] std::string column(int component) const;
    void bindValue(SqliteStatement& stmt, int index, int component,
                   const RecordValues& values) const;

    const FileDef& def_;
    const KeyDef* key_ = nullptr;
};

}  // namespace ntx
