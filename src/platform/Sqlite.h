#pragma once
// A thin RAII layer over SQLite's C API, with the collation and functions that the record
// store's keys and filters use.

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace ntx {

// Name of the collation that orders key text without regard to case (every letter).
inline constexpr std::string_view kNoCaseCollation = "NTXNOCASE";

class SqliteStatement;

class SqliteDatabase {
  public:
    SqliteDatabase() = default;
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;
    SqliteDatabase(SqliteDatabase&& other) noexcept;
    SqliteDatabase& operator=(SqliteDatabase&& other) noexcept;

    // Opens `path` with the given sqlite3_open_v2 flags and registers the store's collation
    // and functions. On failure returns the SQLite result code and keeps no handle.
    int open(const std::string& path, int flags);
    void close();

    [[nodiscard]] bool isOpen() const { return db_ != nullptr; }
    [[nodiscard]] sqlite3* handle() const { return db_; }
    [[nodiscard]] std::string errorMessage() const;
    [[nodiscard]] bool isReadOnly() const;

    // Runs SQL without results; returns the SQLite result code.
    int exec(const std::string& sql);
    void setBusyTimeout(int milliseconds);

  private:
    sqlite3* db_ = nullptr;
};

class SqliteStatement {
  public:
    SqliteStatement() = default;
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;
    SqliteStatement(SqliteStatement&& other) noexcept;
    SqliteStatement& operator=(SqliteStatement&& other) noexcept;

    // Compiles `sql`; returns the SQLite result code.
    int prepare(const SqliteDatabase& db, const std::string& sql);
    [[nodiscard]] bool isPrepared() const { return stmt_ != nullptr; }
    [[nodiscard]] sqlite3_stmt* handle() const { return stmt_; }

    void bind(int index, std::int64_t value);
    void bind(int index, double value);
    void bind(int index, std::string_view value);

    // SQLITE_ROW, SQLITE_DONE or an error code.
    int step();
    void reset();

    [[nodiscard]] std::int64_t columnInt(int column) const;
    [[nodiscard]] double columnDouble(int column) const;
    [[nodiscard]] std::string_view columnText(int column) const;

  private:
    sqlite3_stmt* stmt_ = nullptr;
};

// Quotes an identifier for SQL: "NAME".
[[nodiscard]] std::string quoteIdentifier(std::string_view name);

}  // namespace ntx
