#include "platform/FileAccessManager.h"

#include "platform/KeyQuery.h"
#include "platform/StoreFile.h"

namespace ntx {

FileAccessManager::FileAccessManager(const FileDef& def, ErrorManager& errors,
                                     std::filesystem::path folder)
    : def_(def), errors_(errors), folder_(std::move(folder)), buffer_(def) {}

FileAccessManager::~FileAccessManager() {
    db_.close();
}

void FileAccessManager::fail(ErrorCode code, const std::string& why) {
    errors_.report(code, {def_.fileName.data(), why, {}, {}});
}

bool FileAccessManager::open() {
    if (users_ > 0) {
        ++users_;
        return true;
    }
    const std::filesystem::path file = path();
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        if (auto why = createStoreFile(file, def_)) {
            fail(ErrorCode::FileCreationError, *why);
            return false;
        }
    }
    Attempt a = attemptOpen(std::chrono::milliseconds(0));
    if (a == Attempt::Denied) a = attemptOpen(recovery_);
    if (a == Attempt::Denied) {
        fail(ErrorCode::AccessDenied, {});
        if (!openReadOnly()) return false;
        a = Attempt::Opened;
    }
    if (a != Attempt::Opened) return false;
    users_ = 1;
    return true;
}

FileAccessManager::Attempt FileAccessManager::attemptOpen(std::chrono::milliseconds wait) {
    db_.close();
    readOnly_ = false;
    if (auto why = checkStoreHeader(path())) {
        fail(ErrorCode::FileAccessError, *why);
        return Attempt::Failed;
    }
    if (const int rc = db_.open(path().string(), SQLITE_OPEN_READWRITE); rc != SQLITE_OK) {
        fail(ErrorCode::FileAccessError, sqlite3_errstr(rc));
        return Attempt::Failed;
    }
    db_.setBusyTimeout(static_cast<int>(wait.count()));
    std::string problem;
    const int rc = verifyStore(db_, def_, problem);
    if (rc == SQLITE_BUSY || (rc == SQLITE_OK && problem.empty() && db_.isReadOnly())) {
        db_.close();
        return Attempt::Denied;
    }
    if (rc != SQLITE_OK || !problem.empty()) {
        fail(ErrorCode::FileAccessError, problem.empty() ? db_.errorMessage() : problem);
        db_.close();
        return Attempt::Failed;
    }
    // Write access: another program holding a write lock refuses it.
    const int w = db_.exec("BEGIN IMMEDIATE");
    if (w != SQLITE_OK) {
        db_.close();
        return (w & 0xFF) == SQLITE_BUSY || (w & 0xFF) == SQLITE_READONLY ? Attempt::Denied
                                                                          : Attempt::Failed;
    }
    db_.exec("ROLLBACK");
    db_.setBusyTimeout(static_cast<int>(recovery_.count()));
    return Attempt::Opened;
}

bool FileAccessManager::openReadOnly() {
    if (const int rc = db_.open(path().string(), SQLITE_OPEN_READONLY); rc != SQLITE_OK) {
        fail(ErrorCode::FileAccessError, sqlite3_errstr(rc));
        return false;
    }
    db_.setBusyTimeout(static_cast<int>(recovery_.count()));
    std::string problem;
    const int rc = verifyStore(db_, def_, problem);
    if (rc != SQLITE_OK || !problem.empty()) {
        fail(ErrorCode::FileAccessError, problem.empty() ? db_.errorMessage() : problem);
        db_.close();
        return false;
    }
    readOnly_ = true;
    return true;
}

void FileAccessManager::close() {
    if (users_ == 0) return;
    if (--users_ == 0) {
        rollbackTransaction();
        db_.close();
        readOnly_ = false;
    }
}

bool FileAccessManager::validate() {
    if (def_.validate == nullptr) return true;
    if (auto failure = def_.validate(buffer_)) {
        errors_.report(ErrorCode::RangeError,
                       {def_.fileName.data(), {}, failure->field, failure->message});
        return false;
    }
    return true;
}

bool FileAccessManager::writable(ErrorCode code) {
    if (!isOpen()) {
        fail(code, "the file is not open");
        return false;
    }
    if (readOnly_) {
        fail(code, "the file is open for reading only");
        return false;
    }
    return true;
}

bool FileAccessManager::finish(ErrorCode code, int rc) {
    if (rc == SQLITE_OK) return true;
    const std::string why = db_.errorMessage();
    if (!batch_) db_.exec("ROLLBACK");
    fail(code, why);
    return false;
}

bool FileAccessManager::inTransaction() const {
    return batch_;
}

bool FileAccessManager::beginTransaction() {
    if (!writable(ErrorCode::RecordUpdateError)) return false;
    if (!finish(ErrorCode::RecordUpdateError, db_.exec("BEGIN IMMEDIATE"))) return false;
    batch_ = true;
    return true;
}

bool FileAccessManager::commitTransaction() {
    if (!batch_) return true;
    const int rc = db_.exec("COMMIT");
    if (rc != SQLITE_OK) return finish(ErrorCode::RecordUpdateError, rc);
    batch_ = false;
    return true;
}

void FileAccessManager::rollbackTransaction() {
    if (!batch_) return;
    db_.exec("ROLLBACK");
    batch_ = false;
}

bool FileAccessManager::insert() {
    if (!writable(ErrorCode::RecordInsertError) || !validate()) return false;
    std::string names;
    std::string marks;
    for (const FieldDef& f : def_.fields) {
        names += quoteIdentifier(f.name) + ", ";
        marks += "?, ";
    }
    SqliteStatement stmt;
    int rc = stmt.prepare(db_, "INSERT INTO " + quoteIdentifier(def_.label) + " (" + names +
                                   quoteIdentifier(def_.memoName) + ") VALUES (" + marks + "?)");
    if (rc == SQLITE_OK) {
        bindRow(def_, stmt, buffer_.values(), 1);
        rc = stmt.step();
    }
    if (rc != SQLITE_DONE) return finish(ErrorCode::RecordInsertError, rc);
    buffer_.markStored(sqlite3_last_insert_rowid(db_.handle()));
    return true;
}

// Inside a write transaction: true (and reported) when the record last read is no longer
// in the file as it was read.
bool FileAccessManager::changedSinceRead(ErrorCode code) {
    SqliteStatement stmt;
    int rc = stmt.prepare(db_, "SELECT " + selectColumns(def_) + " FROM " +
                                   quoteIdentifier(def_.label) + " WHERE rowid = ?");
    if (rc == SQLITE_OK) {
        stmt.bind(1, buffer_.position());
        rc = stmt.step();
    }
    if (rc == SQLITE_ROW) {
        RecordValues now;
        readRow(def_, stmt, now);
        if (now == buffer_.valuesAsRead()) return false;
        stmt = {};
        if (!batch_) db_.exec("ROLLBACK");
        fail(code, "the record was changed by another window or program since it was read");
        return true;
    }
    stmt = {};
    if (rc == SQLITE_DONE) {
        if (!batch_) db_.exec("ROLLBACK");
        fail(code, "the record was deleted by another window or program since it was read");
    } else {
        finish(code, rc);
    }
    return true;
}

bool FileAccessManager::update() {
    if (!writable(ErrorCode::RecordUpdateError) || !validate()) return false;
    if (buffer_.position() == 0) {
        fail(ErrorCode::RecordUpdateError, "no record has been read");
        return false;
    }
    if (!batch_) {
        if (const int rc = db_.exec("BEGIN IMMEDIATE"); rc != SQLITE_OK) {
            return finish(ErrorCode::RecordUpdateError, rc);
        }
    }
    if (changedSinceRead(ErrorCode::RecordUpdateError)) return false;
    std::string sets;
    for (const FieldDef& f : def_.fields) sets += quoteIdentifier(f.name) + " = ?, ";
    SqliteStatement stmt;
    int rc = stmt.prepare(db_, "UPDATE " + quoteIdentifier(def_.label) + " SET " + sets +
                                   quoteIdentifier(def_.memoName) + " = ? WHERE rowid = ?");
    if (rc == SQLITE_OK) {
        bindRow(def_, stmt, buffer_.values(), 1);
        stmt.bind(static_cast<int>(def_.fields.size()) + 2, buffer_.position());
        rc = stmt.step();
    }
    stmt = {};
    if (rc != SQLITE_DONE) return finish(ErrorCode::RecordUpdateError, rc);
    if (!batch_ && !finish(ErrorCode::RecordUpdateError, db_.exec("COMMIT"))) return false;
    buffer_.markStored(buffer_.position());
    return true;
}

bool FileAccessManager::remove() {
    if (!writable(ErrorCode::RecordDeleteError)) return false;
    if (buffer_.position() == 0) {
        fail(ErrorCode::RecordDeleteError, "no record has been read");
        return false;
    }
    SqliteStatement stmt;
    int rc = stmt.prepare(db_, "DELETE FROM " + quoteIdentifier(def_.label) + " WHERE rowid = ?");
    if (rc == SQLITE_OK) {
        stmt.bind(1, buffer_.position());
        rc = stmt.step();
    }
    if (rc != SQLITE_DONE) return finish(ErrorCode::RecordDeleteError, rc);
    if (sqlite3_changes(db_.handle()) == 0) {
        fail(ErrorCode::RecordDeleteError,
             "the record was deleted by another window or program since it was read");
        return false;
    }
    buffer_.forgetPosition();
    return true;
}

bool FileAccessManager::fetch(int key) {
    if (!isOpen()) {
        reportReadError("the file is not open");
        return false;
    }
    KeyQuery q(def_, key);
    SqliteStatement stmt;
    int rc = stmt.prepare(db_, q.selectEqual());
    if (rc == SQLITE_OK) {
        q.bindKeyValues(stmt, 1, buffer_.values(), q.componentCount());
        rc = stmt.step();
    }
    if (rc == SQLITE_ROW) {
        RecordValues values;
        const auto position = readRow(def_, stmt, values);
        buffer_.loadStored(values, position);
        return true;
    }
    if (rc != SQLITE_DONE) reportReadError(db_.errorMessage());
    return false;
}

std::int64_t FileAccessManager::recordCount() {
    if (!isOpen()) {
        reportReadError("the file is not open");
        return -1;
    }
    SqliteStatement stmt;
    int rc = stmt.prepare(db_, "SELECT count(*) FROM " + quoteIdentifier(def_.label));
    if (rc == SQLITE_OK && (rc = stmt.step()) == SQLITE_ROW) return stmt.columnInt(0);
    reportReadError(db_.errorMessage());
    return -1;
}

void FileAccessManager::reportReadError(const std::string& why) {
    fail(ErrorCode::RecordReadError, why);
}

}  // namespace ntx
