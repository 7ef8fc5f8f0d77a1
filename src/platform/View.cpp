#include "platform/View.h"

#include <algorithm>

#include "platform/StoreFile.h"
#include "platform/Text.h"

namespace ntx {

View::View(FileAccessManager& file, ViewOptions options)
    : file_(file), options_(std::move(options)), key_(file.def(), options_.key) {
    if (!options_.filter.empty()) {
        std::string error;
        filter_ = Filter::parse(options_.filter, file.def(), options_.bindings, error);
        if (filter_) {
            filterSql_ = filter_->toSql();
        } else {
            valid_ = false;
            file.errors().report(ErrorCode::FilterError,
                                 {file.def().fileName.data(), {}, {}, error});
        }
    }
    options_.rangeComponents = std::clamp(options_.rangeComponents, 0, key_.componentCount());
    reset();
}

void View::reset() {
    chunk_.clear();
    chunkIndex_ = 0;
    chunkComplete_ = false;
    cursor_.reset();
    nextChunkSize_ = 32;
    range_ = file_.buffer().values();
}

void View::setStartFromBuffer() {
    reset();
    cursor_ = KeyPosition{file_.buffer().values(), 0};
}

std::string View::whereClause(const KeyPosition* from, bool backward,
                              std::vector<int>& positionParams, bool forCount,
                              bool inclusive) const {
    std::vector<std::string> terms;
    // A count needs no order. Without a filter it counts the key's index alone; with one,
    // every record must be read anyway, and reading the table in its own order is far
    // faster than visiting it through the index.
    const bool tableScan = forCount && filter_ && options_.rangeComponents == 0;
    if (key_.hasKey()) terms.push_back(key_.presentTerm(tableScan));
    if (filter_) terms.push_back("(" + filterSql_.sql + ")");
    if (options_.rangeComponents > 0) terms.push_back(key_.equalTerm(options_.rangeComponents));
    if (from != nullptr) {
        const bool withRowid = from->rowid != 0;
        if (withRowid || key_.hasKey()) {
            KeyCondition c = key_.after(backward, withRowid, inclusive && !withRowid);
            terms.push_back(c.sql);
            positionParams = std::move(c.components);
        }
    }
    std::string where;
    for (const auto& t : terms) where += (where.empty() ? " WHERE " : " AND ") + t;
    return where;
}

// Binds the filter's and the range's parameters; returns the next parameter index.
int View::bindCommon(SqliteStatement& stmt) const {
    int index = 1;
    for (const SqlParam& p : filterSql_.params) {
        const FilterValue v = filter_->paramValue(p);
        if (v.isText) {
            stmt.bind(index++, trimRight(v.text));
        } else {
            stmt.bind(index++, v.number);
        }
    }
    return key_.bindKeyValues(stmt, index, range_, options_.rangeComponents);
}

std::optional<std::vector<ViewRow>> View::runRows(const std::string& sql, const KeyPosition* from,
                                                  const std::vector<int>& positionParams) {
    std::vector<ViewRow> rows;
    SqliteStatement stmt;
    int rc = stmt.prepare(file_.database(), sql);
    if (rc == SQLITE_OK) {
        const int next = bindCommon(stmt);
        if (from != nullptr) key_.bindComponents(stmt, next, positionParams, *from);
        while ((rc = stmt.step()) == SQLITE_ROW) {
            ViewRow row;
            row.rowid = readRow(file_.def(), stmt, row.values);
            rows.push_back(std::move(row));
        }
    }
    if (rc != SQLITE_DONE) {
        file_.reportReadError(file_.database().errorMessage());
        return std::nullopt;
    }
    return rows;
}

std::optional<std::vector<ViewRow>> View::readRows(const KeyPosition* from, bool backward,
                                                   std::size_t limit) {
    if (!valid_) return std::vector<ViewRow>{};
    if (!file_.isOpen()) {
        file_.reportReadError("the file is not open");
        return std::nullopt;
    }
    std::vector<int> positionParams;
    const std::string sql = "SELECT " + selectColumns(file_.def()) + " FROM " +
                            quoteIdentifier(file_.def().label) +
                            whereClause(from, backward, positionParams) + " " +
                            key_.orderBy(backward) + " LIMIT " + std::to_string(limit);
    return runRows(sql, from, positionParams);
}

std::optional<std::vector<ViewRow>> View::readRowsAt(std::int64_t offset, std::size_t limit) {
    if (!valid_) return std::vector<ViewRow>{};
    if (!file_.isOpen()) {
        file_.reportReadError("the file is not open");
        return std::nullopt;
    }
    std::vector<int> unused;
    const std::string sql =
        "SELECT " + selectColumns(file_.def()) + " FROM " + quoteIdentifier(file_.def().label) +
        whereClause(nullptr, false, unused) + " " + key_.orderBy(false) + " LIMIT " +
        std::to_string(limit) + " OFFSET " + std::to_string(std::max<std::int64_t>(offset, 0));
    return runRows(sql, nullptr, unused);
}

std::int64_t View::countBefore(const KeyPosition& at) {
    if (!valid_) return 0;
    if (!file_.isOpen()) {
        file_.reportReadError("the file is not open");
        return -1;
    }
    // The records before `at` are those after it when reading backward.
    std::vector<int> positionParams;
    SqliteStatement stmt;
    int rc = stmt.prepare(file_.database(),
                          "SELECT count(*) FROM " + quoteIdentifier(file_.def().label) +
                              whereClause(&at, true, positionParams, false, false));
    if (rc == SQLITE_OK) {
        const int next = bindCommon(stmt);
        key_.bindComponents(stmt, next, positionParams, at);
        if ((rc = stmt.step()) == SQLITE_ROW) return stmt.columnInt(0);
    }
    file_.reportReadError(file_.database().errorMessage());
    return -1;
}

bool View::next() {
    return step(false);
}
bool View::previous() {
    return step(true);
}

bool View::step(bool backward) {
    if (chunkIndex_ >= chunk_.size() || chunkBackward_ != backward) {
        if (chunkBackward_ == backward && chunkComplete_ && !chunk_.empty()) return false;
        const KeyPosition* from = cursor_ ? &*cursor_ : nullptr;
        auto rows = readRows(from, backward, nextChunkSize_);
        if (!rows) return false;
        chunkComplete_ = rows->size() < nextChunkSize_;
        nextChunkSize_ = std::min<std::size_t>(nextChunkSize_ * 2, 1024);
        chunk_ = std::move(*rows);
        chunkIndex_ = 0;
        chunkBackward_ = backward;
        if (chunk_.empty()) return false;
    }
    ViewRow& row = chunk_[chunkIndex_++];
    file_.buffer().loadStored(row.values, row.rowid);
    cursor_ = KeyPosition{row.values, row.rowid};
    return true;
}

std::int64_t View::count() {
    if (!valid_) return 0;
    if (!file_.isOpen()) {
        file_.reportReadError("the file is not open");
        return -1;
    }
    std::vector<int> unused;
    SqliteStatement stmt;
    int rc = stmt.prepare(file_.database(), "SELECT count(*) FROM " +
                                                quoteIdentifier(file_.def().label) +
                                                whereClause(nullptr, false, unused, true));
    if (rc == SQLITE_OK) {
        bindCommon(stmt);
        if ((rc = stmt.step()) == SQLITE_ROW) return stmt.columnInt(0);
    }
    file_.reportReadError(file_.database().errorMessage());
    return -1;
}

}  // namespace ntx
