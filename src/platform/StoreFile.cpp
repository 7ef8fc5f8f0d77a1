#include "platform/StoreFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>

namespace ntx {
namespace {

std::string columnType(const FieldDef& f) {
    if (f.isText()) return "TEXT NOT NULL DEFAULT ''";
    if (f.type == FieldType::Decimal && f.scale > 0) return "REAL NOT NULL DEFAULT 0";
    return "INTEGER NOT NULL DEFAULT 0";
}

std::string keyColumn(const FileDef& def, const KeyComponent& c) {
    const FieldDef& f = def.fields[c.field];
    std::string col = quoteIdentifier(f.name);
    if (f.isText()) col += " COLLATE " + std::string(kNoCaseCollation);
    if (c.descending) col += " DESC";
    return col;
}

std::string schemaSql(const FileDef& def) {
    const std::string table = quoteIdentifier(def.label);
    std::string sql = "CREATE TABLE " + table + " (";
    for (const FieldDef& f : def.fields)
        sql += quoteIdentifier(f.name) + " " + columnType(f) + ", ";
    sql += quoteIdentifier(def.memoName) + " TEXT NOT NULL DEFAULT '');\n";
    for (const KeyDef& k : def.keys) {
        sql += "CREATE INDEX " + quoteIdentifier(k.name) + " ON " + table + " (";
        for (std::size_t i = 0; i < k.components.size(); ++i) {
            sql += (i ? ", " : "") + keyColumn(def, k.components[i]);
        }
        sql += ") WHERE " + keyPresentTerm(def, k) + ";\n";
    }
    sql +=
        "CREATE TABLE NatalixFile (label TEXT NOT NULL, layoutVersion INTEGER NOT NULL, "
        "ownerCheck TEXT NOT NULL);\n";
    sql += "PRAGMA application_id = " + std::to_string(kApplicationId) + ";\n";
    return sql;
}

// A check value of the owner password; the password itself is never stored.
std::string ownerCheck(const FileDef& def) {
    if (def.ownerPassword.empty()) return {};
    std::uint64_t h = 1469598103934665603ULL;
    const std::string salted =
        "natalix owner " + std::string(def.label) + ":" + std::string(def.ownerPassword);
    for (unsigned char c : salted) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(h));
    return hex;
}

std::uint32_t bigEndian(const unsigned char* p, int bytes) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v = (v << 8) | p[i];
    return v;
}

std::int64_t scaleOf(const FieldDef& f) {
    std::int64_t s = 1;
    for (int i = 0; i < f.scale; ++i) s *= 10;
    return s;
}

}  // namespace

std::string keyPresentTerm(const FileDef& def, const KeyDef& key, bool tableScan) {
    std::string term = "(";
    for (std::size_t i = 0; i < key.components.size(); ++i) {
        const FieldDef& f = def.fields[key.components[i].field];
        term += (i ? " OR " : "") + std::string(tableScan ? "+" : "") + quoteIdentifier(f.name) +
                (f.isText() ? " <> ''" : " <> 0");
    }
    return term + ")";
}

std::optional<std::string> createStoreFile(const std::filesystem::path& path, const FileDef& def) {
    const std::filesystem::path temp =
        path.string() + ".new-" + std::to_string(static_cast<long>(::getpid()));
    std::error_code ec;
    std::filesystem::remove(temp, ec);
    // Made here with mode 0600 so that the new file is private from its first byte.
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0) return std::string(std::strerror(errno));
    ::close(fd);
    {
        SqliteDatabase db;
        if (const int rc = db.open(temp.string(), SQLITE_OPEN_READWRITE); rc != SQLITE_OK) {
            std::filesystem::remove(temp, ec);
            return std::string(sqlite3_errstr(rc));
        }
        const std::string sql = "BEGIN;\n" + schemaSql(def) + "INSERT INTO NatalixFile VALUES ('" +
                                std::string(def.label) + "', " + std::to_string(kLayoutVersion) +
                                ", '" + ownerCheck(def) +
                                "');\nPRAGMA user_version = " + std::to_string(kLayoutVersion) +
                                ";\nCOMMIT;";
        if (db.exec(sql) != SQLITE_OK) {
            const std::string why = db.errorMessage();
            db.close();
            std::filesystem::remove(temp, ec);
            return why;
        }
    }
    // link() never replaces a file that appeared meanwhile; such a file is then opened.
    const int rc = ::link(temp.c_str(), path.c_str());
    const int linkErrno = errno;
    std::filesystem::remove(temp, ec);
    if (rc != 0 && linkErrno != EEXIST) return std::string(std::strerror(linkErrno));
    return std::nullopt;
}

std::optional<std::string> checkStoreHeader(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::string("the file cannot be read");
    std::array<unsigned char, 100> h{};
    in.read(reinterpret_cast<char*>(h.data()), h.size());
    if (in.gcount() < static_cast<std::streamsize>(h.size()) ||
        std::memcmp(h.data(), "SQLite format 3", 16) != 0 ||
        static_cast<std::int32_t>(bigEndian(&h[68], 4)) != kApplicationId) {
        return std::string("not a Natalix record file");
    }
    std::uint64_t pageSize = bigEndian(&h[16], 2);
    if (pageSize == 1) pageSize = 65536;
    const std::uint64_t pages = bigEndian(&h[28], 4);
    const bool pageCountValid = bigEndian(&h[24], 4) == bigEndian(&h[92], 4);
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec && pageCountValid && size < pages * pageSize) {
        return std::string(
            "the file is shorter than its contents; it is damaged or an incomplete copy");
    }
    return std::nullopt;
}

int verifyStore(const SqliteDatabase& db, const FileDef& def, std::string& problem) {
    SqliteStatement stmt;
    int rc = stmt.prepare(db, "SELECT label, layoutVersion, ownerCheck FROM NatalixFile");
    if (rc != SQLITE_OK) {
        problem = db.errorMessage();
        return rc;
    }
    rc = stmt.step();
    if (rc != SQLITE_ROW) {
        if (rc == SQLITE_DONE) problem = "not a Natalix record file";
        return rc == SQLITE_DONE ? SQLITE_OK : rc;
    }
    if (stmt.columnText(0) != def.label) {
        problem = "the file holds " + std::string(stmt.columnText(0)) + " records, not " +
                  std::string(def.label);
    } else if (stmt.columnInt(1) > kLayoutVersion) {
        problem = "the file was written by a newer version of the program";
    } else if (stmt.columnText(2) != ownerCheck(def)) {
        problem = "the owner password does not match";
    }
    return SQLITE_OK;
}

std::string selectColumns(const FileDef& def) {
    std::string cols = "rowid";
    for (const FieldDef& f : def.fields) cols += ", " + quoteIdentifier(f.name);
    return cols + ", " + quoteIdentifier(def.memoName);
}

std::int64_t readRow(const FileDef& def, const SqliteStatement& stmt, RecordValues& values) {
    values.fields.resize(def.fields.size());
    for (std::size_t i = 0; i < def.fields.size(); ++i) {
        const FieldDef& f = def.fields[i];
        const int col = static_cast<int>(i) + 1;
        FieldValue& v = values.fields[i];
        if (f.isText()) {
            v.text.assign(stmt.columnText(col));
            v.number = 0;
        } else if (f.type == FieldType::Decimal && f.scale > 0) {
            v.number = std::llround(stmt.columnDouble(col) * static_cast<double>(scaleOf(f)));
        } else {
            v.number = stmt.columnInt(col);
        }
    }
    values.memo.assign(stmt.columnText(static_cast<int>(def.fields.size()) + 1));
    return stmt.columnInt(0);
}

void bindRow(const FileDef& def, SqliteStatement& stmt, const RecordValues& values, int first) {
    for (std::size_t i = 0; i < def.fields.size(); ++i) {
        const FieldDef& f = def.fields[i];
        const int p = first + static_cast<int>(i);
        if (f.isText()) {
            stmt.bind(p, std::string_view(values.fields[i].text));
        } else if (f.type == FieldType::Decimal && f.scale > 0) {
            stmt.bind(
                p, static_cast<double>(values.fields[i].number) / static_cast<double>(scaleOf(f)));
        } else {
            stmt.bind(p, values.fields[i].number);
        }
    }
    stmt.bind(first + static_cast<int>(def.fields.size()), std::string_view(values.memo));
}

}  // namespace ntx
