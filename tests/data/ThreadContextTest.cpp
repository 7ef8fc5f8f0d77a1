#include "data/ThreadContext.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace ntx {
namespace {

TEST(Threads, StartHookClearsCodesAndGivesLaterThreadsTheirOwnFiles) {
    test::TempFolder folder;
    RecordedMessages messages;
    ThreadRegistry threads(&messages, folder.path());
    ThreadContext& first = threads.start();
    EXPECT_EQ(first.number(), 1);
    EXPECT_FALSE(first.hasFiles());  // the start-up sequence sets them up itself
    ThreadContext& second = threads.start();
    ASSERT_TRUE(second.hasFiles());
    EXPECT_EQ(second.requestCode, NoRequest);
    EXPECT_EQ(second.responseCode, NoResponse);
    EXPECT_FALSE(second.scrollRequest.has_value());
    first.setUpFiles(folder.path());
    EXPECT_NE(&first.files().birthdays().buffer(), &second.files().birthdays().buffer());

    second.requestCode = InsertRecord;
    second.responseCode = RequestCompleted;
    EXPECT_EQ(second.takeRequest(), InsertRecord);
    EXPECT_EQ(second.requestCode, NoRequest);
    EXPECT_EQ(second.responseCode, NoResponse);

    const auto n = second.number();
    threads.end(n);
    EXPECT_EQ(threads.find(n), nullptr);
    EXPECT_EQ(threads.size(), 1u);
}

TEST(Threads, AFileStaysOpenWhileAnyProcedureOfTheThreadUsesIt) {
    test::TempFolder folder;
    RecordedMessages messages;
    ThreadRegistry threads(&messages, folder.path());
    ThreadContext& t = threads.start();
    t.setUpFiles(folder.path());
    FileAccessManager& people = t.files().birthdays();
    ASSERT_TRUE(people.open());  // the list
    ASSERT_TRUE(people.open());  // its form
    people.close();
    EXPECT_TRUE(people.isOpen());
    people.close();
    EXPECT_FALSE(people.isOpen());
}

TEST(ErrorManager, ProcedureNamesAndTheNoRecordsNotice) {
    RecordedMessages messages;
    ErrorManager errors(&messages);
    errors.registerProcedure("BrowseBirthdays");
    errors.registerProcedure("UpdateBirthdays");
    EXPECT_EQ(errors.procedure(), "UpdateBirthdays");
    errors.unregisterProcedure();
    EXPECT_EQ(errors.procedure(), "BrowseBirthdays");

    errors.report(ErrorCode::NoRecords, {});
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "No Records");
    EXPECT_EQ(messages.shown[0].text, "There are no records available to process.");
    errors.setNoRecordsNotice(false);
    errors.report(ErrorCode::NoRecords, {});
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(errors.lastError(), ErrorCode::NoRecords);
    errors.report(ErrorCode::RecordInsertError, {"BDAY.tps", "disk full", {}, {}});
    EXPECT_EQ(messages.shown.back().text,
              "An error was experienced during the creation of a record.|File: BDAY.tps|Error: "
              "disk full.");
}

}  // namespace
}  // namespace ntx
