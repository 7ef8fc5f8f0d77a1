#pragma once
// The file access manager of one record file on one logical thread: its own SQLite
// connection, its record buffer, the open protocol and the record writes.
//
// Every failure is reported through the thread's ErrorManager before the call returns
// false; callers only decide what to do next. Not shared between logical threads.

#include <chrono>
#include <filesystem>
#include <memory>

#include "platform/ErrorManager.h"
#include "platform/RecordBuffer.h"
#include "platform/RecordLayout.h"
#include "platform/Sqlite.h"

namespace ntx {

class FileAccessManager {
  public:
    FileAccessManager(const FileDef& def, ErrorManager& errors, std::filesystem::path folder = ".");
    ~FileAccessManager();
    FileAccessManager(const FileAccessManager&) = delete;
    FileAccessManager& operator=(const FileAccessManager&) = delete;

    // Opens the file for the first user and counts further users; the file closes again
    // when the last user closes it. A missing file is created empty without a message; a
    // locked file is waited for up to the lock recovery time, then opened read-only after
    // the "Access Denied" message. Returns false when the file could not be opened.
    bool open();
    void close();

    [[nodiscard]] bool isOpen() const { return db_.isOpen(); }
    [[nodiscard]] bool isReadOnly() const { return readOnly_; }

    // How long an open waits for a lock another program holds before it gives up and
    // opens the file read-only, and how long a write waits for one.
    void setLockRecoveryTime(std::chrono::milliseconds t) { recovery_ = t; }

    [[nodiscard]] const FileDef& def() const { return def_; }
    [[nodiscard]] RecordBuffer& buffer() { return buffer_; }
    [[nodiscard]] ErrorManager& errors() { return errors_; }
    [[nodiscard]] std::filesystem::path path() const { return folder_ / def_.fileName; }
    [[nodiscard]] const SqliteDatabase& database() const { return db_; }

    // Validates the buffer and adds it as a new record; the buffer then stands for it.
    bool insert();
    // Validates the buffer and writes it over the record last read. Refused when that
    // record was changed or deleted by anyone else since it was read.
    bool update();
    // Deletes the record last read.
    bool remove();
    // Reads the first record (in key order) whose key fields equal those in the buffer.
    bool fetch(int key);
    // Groups many writes into one transaction (one disk flush instead of one per write).
    // Inside it, insert, update and remove take part in the transaction; a failed write
    // leaves it to the caller to roll back.
    bool beginTransaction();
    bool commitTransaction();
    void rollbackTransaction();
    [[nodiscard]] bool inTransaction() const;

    // Number of records in the file; -1 after a reported failure.
    [[nodiscard]] std::int64_t recordCount();

    // Reports a failed read of this file (used by views).
    void reportReadError(const std::string& why);

  private:
    enum class Attempt { Opened, Denied, Failed };
    Attempt attemptOpen(std::chrono::milliseconds wait);
    bool openReadOnly();
    void fail(ErrorCode code, const std::string& why);
    bool validate();
    bool writable(ErrorCode code);
    bool changedSinceRead(ErrorCode code);
    bool finish(ErrorCode code, int rc);

    const FileDef& def_;
    ErrorManager& errors_;
    std::filesystem::path folder_;
    RecordBuffer buffer_;
    SqliteDatabase db_;
    std::chrono::milliseconds recovery_{10000};
    int users_ = 0;
    bool readOnly_ = false;
    bool batch_ = false;  // inside beginTransaction() .. commitTransaction()
};

}  // namespace ntx
