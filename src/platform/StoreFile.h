#pragma once
// How a record file lies in its SQLite database: the table named by the label with one
// column per field (named without prefix, in record order) and the memo last, one index per
// key, and the small "NatalixFile" table with the label, the layout version and the owner
// password check. PRAGMA application_id marks the file as ours.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/RecordBuffer.h"
#include "platform/RecordLayout.h"
#include "platform/Sqlite.h"

namespace ntx {

inline constexpr std::int32_t kApplicationId = 0x4E54584E;  // "NTXN"
inline constexpr int kLayoutVersion = 1;

// Creates an empty record file at `path` (which must not exist) with mode 0600. The file
// appears whole or not at all. Returns an error text on failure.
[[nodiscard]] std::optional<std::string> createStoreFile(const std::filesystem::path& path,
                                                         const FileDef& def);

// Checks, without letting SQLite touch the file, that it is one of our stores and not cut
// short. Returns an error text when it is not.
[[nodiscard]] std::optional<std::string> checkStoreHeader(const std::filesystem::path& path);

// Checks the label, layout version and owner password recorded in an open store. Returns
// the SQLite result code of the read (SQLITE_OK when it could read) and sets `problem` when
// the file is readable but not the record file `def`.
int verifyStore(const SqliteDatabase& db, const FileDef& def, std::string& problem);

// "rowid, "LASTNAME", ..., "NOTESBIG"": the columns every record read selects.
[[nodiscard]] std::string selectColumns(const FileDef& def);
// Fills `values` from a row selected with selectColumns(); returns the row's rowid.
std::int64_t readRow(const FileDef& def, const SqliteStatement& stmt, RecordValues& values);
// Binds the fields and the memo to parameters first .. first + fields.
void bindRow(const FileDef& def, SqliteStatement& stmt, const RecordValues& values, int first);

// The condition that leaves out records whose key fields are all blank or zero. The index
// is declared with it and every query on the key repeats it word for word, so that SQLite
// uses the index. With `tableScan` the same condition is written so that SQLite does not
// use the index (for counts whose filter needs other fields of every record anyway).
[[nodiscard]] std::string keyPresentTerm(const FileDef& def, const KeyDef& key,
                                         bool tableScan = false);

}  // namespace ntx
