#include "platform/Sqlite.h"

#include <utility>

#include "platform/Dates.h"
#include "platform/FilterValue.h"
#include "platform/Text.h"

namespace ntx {
namespace {

int noCaseCollation(void*, int lenA, const void* a, int lenB, const void* b) {
    return compareNoCase({static_cast<const char*>(a), static_cast<std::size_t>(lenA)},
                         {static_cast<const char*>(b), static_cast<std::size_t>(lenB)});
}

// MONTH(date): the month 1..12 of a day number; 0 for "no date".
void monthFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const auto d = static_cast<Date>(sqlite3_value_int64(argv[0]));
    sqlite3_result_int(ctx, monthOf(d));
}

// The number a value stands for in a comparison with a number (see FilterValue).
void numberFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    sqlite3_value* v = argv[0];
    if (sqlite3_value_type(v) == SQLITE_TEXT) {
        const auto* t = reinterpret_cast<const char*>(sqlite3_value_text(v));
        sqlite3_result_double(ctx,
                              textToNumber({t, static_cast<std::size_t>(sqlite3_value_bytes(v))}));
    } else {
        sqlite3_result_value(ctx, v);
    }
}

// Truth of a text in a condition: true when not blank.
void textTruthFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const auto* t = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const auto n = static_cast<std::size_t>(sqlite3_value_bytes(argv[0]));
    sqlite3_result_int(ctx, t != nullptr && !isBlank({t, n}) ? 1 : 0);
}

void registerExtensions(sqlite3* db) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    sqlite3_create_collation(db, kNoCaseCollation.data(), SQLITE_UTF8, nullptr, noCaseCollation);
    sqlite3_create_function(db, "ntx_month", 1, flags, nullptr, monthFunction, nullptr, nullptr);
    sqlite3_create_function(db, "ntx_num", 1, flags, nullptr, numberFunction, nullptr, nullptr);
    sqlite3_create_function(db, "ntx_truth", 1, flags, nullptr, textTruthFunction, nullptr,
                            nullptr);
}

}  // namespace

std::string quoteIdentifier(std::string_view name) {
    std::string q = "\"";
    for (char c : name) {
        if (c == '"') q += '"';
        q += c;
    }
    q += '"';
    return q;
}

SqliteDatabase::~SqliteDatabase() {
    close();
}

SqliteDatabase::SqliteDatabase(SqliteDatabase&& other) noexcept
    : db_(std::exchange(other.db_, nullptr)) {}

SqliteDatabase& SqliteDatabase::operator=(SqliteDatabase&& other) noexcept {
    if (this != &other) {
        close();
        db_ = std::exchange(other.db_, nullptr);
    }
    return *this;
}

int SqliteDatabase::open(const std::string& path, int flags) {
    close();
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close_v2(db);
        return rc;
    }
    sqlite3_extended_result_codes(db, 1);
    registerExtensions(db);
    db_ = db;
    return SQLITE_OK;
}

void SqliteDatabase::close() {
    if (db_ != nullptr) sqlite3_close_v2(std::exchange(db_, nullptr));
}

std::string SqliteDatabase::errorMessage() const {
    return db_ != nullptr ? sqlite3_errmsg(db_) : "not open";
}

bool SqliteDatabase::isReadOnly() const {
    return db_ != nullptr && sqlite3_db_readonly(db_, "main") == 1;
}

int SqliteDatabase::exec(const std::string& sql) {
    return sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr);
}

void SqliteDatabase::setBusyTimeout(int milliseconds) {
    sqlite3_busy_timeout(db_, milliseconds);
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(stmt_);
}

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : stmt_(std::exchange(other.stmt_, nullptr)) {}

SqliteStatement& SqliteStatement::operator=(SqliteStatement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(stmt_);
        stmt_ = std::exchange(other.stmt_, nullptr);
    }
    return *this;
}

int SqliteStatement::prepare(const SqliteDatabase& db, const std::string& sql) {
    sqlite3_finalize(std::exchange(stmt_, nullptr));
    return sqlite3_prepare_v2(db.handle(), sql.c_str(), static_cast<int>(sql.size()), &stmt_,
                              nullptr);
}

void SqliteStatement::bind(int index, std::int64_t value) {
    sqlite3_bind_int64(stmt_, index, value);
}
void SqliteStatement::bind(int index, double value) {
    sqlite3_bind_double(stmt_, index, value);
}
void SqliteStatement::bind(int index, std::string_view value) {
    // An empty view may have no data pointer, which SQLite would bind as NULL.
    sqlite3_bind_text(stmt_, index, value.empty() ? "" : value.data(),
                      static_cast<int>(value.size()), SQLITE_TRANSIENT);
}

int SqliteStatement::step() {
    return sqlite3_step(stmt_);
}
void SqliteStatement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

std::int64_t SqliteStatement::columnInt(int column) const {
    return sqlite3_column_int64(stmt_, column);
}
double SqliteStatement::columnDouble(int column) const {
    return sqlite3_column_double(stmt_, column);
}
std::string_view SqliteStatement::columnText(int column) const {
    const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    if (t == nullptr) return {};
    return {t, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column))};
}

}  // namespace ntx
