#pragma once
// A view: a filtered pass over a record file in the order of one key (or the physical
// order), optionally limited to records whose leading key values equal those in the record
// buffer when the view is reset.
//
// Records are read in chunks with short queries, so no read lock is held between calls and
// other windows and programs can write while a view is being read. Reading fills the
// manager's record buffer; readRows() returns rows without touching it (for lists that show
// many rows at once).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileAccessManager.h"
#include "platform/Filter.h"
#include "platform/KeyQuery.h"

namespace ntx {

struct ViewOptions {
    int key = -1;             // index into the file's keys; -1 = physical order
    std::string filter;       // empty = every record
    int rangeComponents = 0;  // leading key components held equal to the buffer's values
    FilterBindings bindings;  // names such as "GLO:RptMonth" that the filter may use
};

struct ViewRow {
    RecordValues values;
    std::int64_t rowid = 0;
};

class View {
  public:
    // A malformed filter is reported through the error manager ("Filter Error", naming the
    // expression and the place); such a view delivers no records.
    View(FileAccessManager& file, ViewOptions options);

    [[nodiscard]] bool isValid() const { return valid_; }
    [[nodiscard]] const ViewOptions& options() const { return options_; }

    // Back to the top (and, for next-from-the-end, the bottom); captures the range values.
    void reset();
    // The next read starts at the first record whose key values are at or after those in
    // the buffer (at or before them for previous()).
    void setStartFromBuffer();

    // Read the next or previous record into the buffer; false at the end or on an error
    // (an error is reported).
    bool next();
    bool previous();

    // Number of records in the view; -1 after a reported error.
    [[nodiscard]] std::int64_t count();

    // Number of records of the view that come before `at` in key order: before the
    // record `at` names (with its rowid), or before the first record whose key values
    // are at or after those of `at` (rowid 0). -1 after a reported error.
    [[nodiscard]] std::int64_t countBefore(const KeyPosition& at);

    // Up to `limit` rows starting `offset` rows from the top of the view.
    [[nodiscard]] std::optional<std::vector<ViewRow>> readRowsAt(std::int64_t offset,
                                                                 std::size_t limit);

    // Up to `limit` rows after `from` (from the top or bottom when null) in the direction.
    [[nodiscard]] std::optional<std::vector<ViewRow>> readRows(const KeyPosition* from,
                                                               bool backward, std::size_t limit);

  private:
    bool step(bool backward);
    // `inclusive`: for a place given by starting values, whether records with exactly
    // those key values are included.
    std::string whereClause(const KeyPosition* from, bool backward,
                            std::vector<int>& positionParams, bool forCount = false,
                            bool inclusive = true) const;
    int bindCommon(SqliteStatement& stmt) const;
    std::optional<std::vector<ViewRow>> runRows(const std::string& sql, const KeyPosition* from,
                                                const std::vector<int>& positionParams);

    FileAccessManager& file_;
    ViewOptions options_;
    KeyQuery key_;
    std::optional<Filter> filter_;
    SqlCondition filterSql_;
    bool valid_ = true;
    RecordValues range_;

    // Reading state: rows fetched ahead in one direction and the last record delivered.
    std::vector<ViewRow> chunk_;
    std::size_t chunkIndex_ = 0;
    bool chunkBackward_ = false;
    bool chunkComplete_ = false;  // the chunk reached the end of the view
    std::optional<KeyPosition> cursor_;
    std::size_t nextChunkSize_ = 32;
};

}  // namespace ntx
