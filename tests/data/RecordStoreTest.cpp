#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>

#include "platform/Sqlite.h"
#include "platform/StoreFile.h"
#include "support/StoreFixture.h"

namespace ntx {
namespace {

using test::Person;
using test::StoreFixture;
using test::ymd;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

std::string readBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

std::vector<std::string> queryTexts(const std::filesystem::path& file, const std::string& sql) {
    SqliteDatabase db;
    EXPECT_EQ(db.open(file.string(), SQLITE_OPEN_READONLY), SQLITE_OK);
    SqliteStatement stmt;
    EXPECT_EQ(stmt.prepare(db, sql), SQLITE_OK) << db.errorMessage();
    std::vector<std::string> out;
    while (stmt.step() == SQLITE_ROW) out.emplace_back(stmt.columnText(0));
    return out;
}

std::size_t filesIn(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

TEST(RecordStore, MissingFilesAreCreatedEmptyAndPrivateWithoutAMessage) {
    StoreFixture s;
    ASSERT_TRUE(s.people().open());
    ASSERT_TRUE(s.reminders().open());
    EXPECT_TRUE(s.messages.shown.empty());
    EXPECT_EQ(s.people().recordCount(), 0);
    EXPECT_EQ(s.reminders().recordCount(), 0);
    for (const char* name : {"BDAY.tps", "REMS.tps"}) {
        struct stat st {};
        ASSERT_EQ(::stat((s.folder / name).c_str(), &st), 0) << name;
        EXPECT_EQ(st.st_mode & 0777, 0600u) << name;
    }
    EXPECT_EQ(filesIn(s.folder.path()), 2u);  // nothing else is left behind
}

TEST(RecordStore, OnDiskSchemaNamesTablesColumnsAndIndexesAfterTheLayout) {
    StoreFixture s;
    ASSERT_TRUE(s.people().open() && s.reminders().open());
    struct Case {
        const FileDef* def;
        const char* file;
    };
    for (const Case& c : {Case{&birthdayFile(), "BDAY.tps"}, Case{&reminderFile(), "REMS.tps"}}) {
        SCOPED_TRACE(c.file);
        std::vector<std::string> columns;
        for (const FieldDef& f : c.def->fields) columns.emplace_back(f.name);
        columns.emplace_back(c.def->memoName);
        EXPECT_THAT(
            queryTexts(s.folder / c.file, "SELECT name FROM pragma_table_info('" +
                                              std::string(c.def->label) + "') ORDER BY cid"),
            ElementsAreArray(columns));
        std::vector<std::string> keys;
        for (const KeyDef& k : c.def->keys) keys.emplace_back(k.name);
        EXPECT_THAT(
            queryTexts(s.folder / c.file,
                       "SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = '" +
                           std::string(c.def->label) + "' ORDER BY rowid"),
            ElementsAreArray(keys));
    }
    EXPECT_THAT(
        queryTexts(s.folder / "BDAY.tps", "SELECT sql FROM sqlite_master WHERE name = 'MonthKey'"),
        ElementsAreArray({HasSubstr("\"AGE\" DESC")}));
}

TEST(RecordStore, ValuesRoundTripThroughTheFile) {
    StoreFixture s;
    ASSERT_TRUE(s.people().open());
    RecordBuffer& b = s.people().buffer();
    b.clear();
    b.setText(bir::LASTNAME, "Ørsted");
    b.setText(bir::FIRSTNAME, "Hans");
    b.setDate(bir::DOB, ymd(1801, 8, 14));
    b.setNumber(bir::AGE, 123);
    b.setNumber(bir::SPAREDECIMAL, -1234567);  // -12345.67
    b.setNumber(bir::TIMEBORN, composeTime(23, 59, 59, 99));
    const std::string memo(2000, 'm');
    b.setMemo(memo + "cut");
    ASSERT_TRUE(s.people().insert());
    const RecordValues written = b.values();

    b.clear();
    b.setText(bir::LASTNAME, "ørsted");
    b.setText(bir::FIRSTNAME, "HANS");
    ASSERT_TRUE(s.people().fetch(birkey::NameKey));
    EXPECT_EQ(b.values(), written);
    EXPECT_EQ(b.memo(), memo);
    EXPECT_EQ(b.number(bir::SPAREDECIMAL), -1234567);
    EXPECT_EQ(b.number(bir::UPDATEAGE), 0);
    EXPECT_EQ(b.number(bir::SKIPPRINTBIRTH), 0);
}

TEST(RecordStore, ReminderMonthTagOutsideOneToTwelveIsARangeError) {
    StoreFixture s;
    ASSERT_TRUE(s.reminders().open());
    RecordBuffer& b = s.reminders().buffer();
    for (int month : {0, 13, -1}) {
        SCOPED_TRACE(month);
        b.clear();
        b.setText(rem::DESCRIPTION, "Dentist");
        b.setNumber(rem::MONTHTAG2, month);
        s.messages.shown.clear();
        EXPECT_FALSE(s.reminders().insert());
        ASSERT_EQ(s.messages.shown.size(), 1u);
        EXPECT_EQ(s.messages.shown[0].caption, "Range Error");
        EXPECT_EQ(s.messages.shown[0].text, "The value of REM:MonthTag2 must be in range 1 .. 12.");
    }
    EXPECT_EQ(s.reminders().recordCount(), 0);
    for (int month : {1, 12}) {
        b.clear();
        b.setNumber(rem::MONTHTAG2, month);
        EXPECT_TRUE(s.reminders().insert());
    }
    b.setNumber(rem::MONTHTAG2, 13);  // an update is validated too
    EXPECT_FALSE(s.reminders().update());
    EXPECT_EQ(s.messages.shown.back().caption, "Range Error");
}

TEST(RecordStore, TwoThreadsSeeEachOthersWritesAndAStaleUpdateIsRefused) {
    StoreFixture s;
    ThreadContext& other = s.threads.start();
    FileAccessManager& mine = s.people();
    FileAccessManager& theirs = other.files().birthdays();
    ASSERT_TRUE(mine.open() && theirs.open());
    s.addPerson({"Smith", "Ann"});

    theirs.buffer().setText(bir::LASTNAME, "SMITH");
    theirs.buffer().setText(bir::FIRSTNAME, "ann");
    ASSERT_TRUE(theirs.fetch(birkey::NameKey));  // sees the other thread's insert
    theirs.buffer().setText(bir::NOTES, "changed elsewhere");
    ASSERT_TRUE(theirs.update());

    // My buffer still holds the record as I wrote it: my update must not undo theirs.
    mine.buffer().setText(bir::NOTES, "mine");
    EXPECT_FALSE(mine.update());
    ASSERT_FALSE(s.messages.shown.empty());
    EXPECT_EQ(s.messages.shown.back().caption, "Record Update Error");
    EXPECT_THAT(s.messages.shown.back().text, HasSubstr("changed by another"));
    ASSERT_TRUE(mine.fetch(birkey::NameKey));
    EXPECT_EQ(mine.buffer().text(bir::NOTES), "changed elsewhere");

    // After a fresh read the update goes through; a delete by the other thread is seen.
    mine.buffer().setText(bir::NOTES, "mine");
    EXPECT_TRUE(mine.update());
    ASSERT_TRUE(theirs.fetch(birkey::NameKey));
    EXPECT_TRUE(theirs.remove());
    EXPECT_FALSE(mine.remove());
    EXPECT_EQ(s.messages.shown.back().caption, "Record Delete Error");
    EXPECT_EQ(mine.recordCount(), 0);
    theirs.close();
    s.threads.end(other.number());
}

TEST(RecordStore, TwoPeopleWithTheSameNameAreBothKept) {
    StoreFixture s;
    ASSERT_TRUE(s.people().open());
    s.addPerson({"Smith", "John", ymd(1980, 3, 15)});
    s.addPerson({"Smith", "John", ymd(1990, 7, 1)});
    EXPECT_EQ(s.people().recordCount(), 2);
}

TEST(RecordStore, TheOwnerPasswordIsNeededToOpenTheBirthdayFile) {
    StoreFixture s;
    ASSERT_TRUE(s.people().open());
    s.people().close();
    const std::string before = readBytes(s.folder / "BDAY.tps");

    FileDef intruder = birthdayFile();
    intruder.ownerPassword = "Wrong";
    FileAccessManager other(intruder, s.thread.errors(), s.folder.path());
    EXPECT_FALSE(other.open());
    ASSERT_EQ(s.messages.shown.size(), 1u);
    EXPECT_EQ(s.messages.shown[0].caption, "File Access Error");
    EXPECT_EQ(s.messages.shown[0].text,
              "File BDAY.tps could not be opened.  Error: the owner password does not match.");
    EXPECT_EQ(readBytes(s.folder / "BDAY.tps"), before);
}

// A file under the record file's name that is not a valid store is reported and left
// exactly as it was.
TEST(RecordStore, AFileThatIsNotAValidStoreIsNeverTouched) {
    StoreFixture source;
    ASSERT_TRUE(source.people().open() && source.reminders().open());
    for (int i = 0; i < 300; ++i)
        source.addPerson({"Person" + std::to_string(i), "X", ymd(1970, 1, 1 + i % 28)});
    source.people().close();
    source.reminders().close();
    const std::string valid = readBytes(source.folder / "BDAY.tps");
    ASSERT_GT(valid.size(), 8192u);

    std::string otherSqlite;
    {
        test::TempFolder tmp;
        SqliteDatabase db;
        ASSERT_EQ(db.open((tmp / "x.db").string(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE),
                  SQLITE_OK);
        db.exec("CREATE TABLE BDAY (x); INSERT INTO BDAY VALUES (1);");
        db.close();
        otherSqlite = readBytes(tmp / "x.db");
    }
    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""},
        {"text", "Dear diary, today I met a birthday book.\n"},
        {"another program's SQLite file", otherSqlite},
        {"truncated copy", valid.substr(0, valid.size() / 2)},
        {"the reminder file under the birthday file's name", readBytes(source.folder / "REMS.tps")},
    };
    for (const auto& [what, bytes] : cases) {
        SCOPED_TRACE(what);
        StoreFixture s;
        writeBytes(s.folder / "BDAY.tps", bytes);
        EXPECT_FALSE(s.people().open());
        ASSERT_EQ(s.messages.shown.size(), 1u);
        EXPECT_EQ(s.messages.shown[0].caption, "File Access Error");
        EXPECT_THAT(s.messages.shown[0].text,
                    ::testing::StartsWith("File BDAY.tps could not be opened.  Error: "));
        EXPECT_EQ(readBytes(s.folder / "BDAY.tps"), bytes);
        EXPECT_EQ(filesIn(s.folder.path()), 1u);
    }
}

TEST(RecordStore, AFileThatCannotBeCreatedIsReported) {
    test::TempFolder tmp;
    RecordedMessages messages;
    ErrorManager errors(&messages);
    FileAccessManager m(reminderFile(), errors, tmp / "no such folder");
    EXPECT_FALSE(m.open());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "File Creation Error");
    EXPECT_EQ(messages.shown[0].text, "Error: (No such file or directory) creating REMS.tps.");
}

TEST(RecordStore, AFileLockedByAnotherProgramOpensReadOnlyAfterTheMessage) {
    StoreFixture s;
    ASSERT_TRUE(s.people().open());
    s.addPerson({"Smith", "Ann"});
    s.people().close();

    SqliteDatabase holder;  // another program in the middle of a write
    ASSERT_EQ(holder.open((s.folder / "BDAY.tps").string(), SQLITE_OPEN_READWRITE), SQLITE_OK);
    ASSERT_EQ(holder.exec("BEGIN IMMEDIATE"), SQLITE_OK);

    s.people().setLockRecoveryTime(std::chrono::milliseconds(200));
    ASSERT_TRUE(s.people().open());
    EXPECT_TRUE(s.people().isReadOnly());
    ASSERT_EQ(s.messages.shown.size(), 1u);
    EXPECT_EQ(s.messages.shown[0].caption, "Access Denied");
    EXPECT_EQ(s.messages.shown[0].text,
              "Could not get write access to BDAY.tps so trying read-only.");
    EXPECT_EQ(s.people().recordCount(), 1);  // reading works

    // Writing is refused with a message.
    s.people().buffer().clear();
    s.people().buffer().setText(bir::LASTNAME, "Jones");
    EXPECT_FALSE(s.people().insert());
    EXPECT_EQ(s.messages.shown.back().caption, "Record Insert Error");
    EXPECT_THAT(s.messages.shown.back().text, HasSubstr("reading only"));
    holder.exec("ROLLBACK");
    EXPECT_EQ(s.people().recordCount(), 1);
}

}  // namespace
}  // namespace ntx
