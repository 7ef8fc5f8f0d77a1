#include "platform/qt/BrowseList.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "support/Fixtures.h"

namespace ntx {
namespace {

using test::StoreFixture;
using test::ymd;

const char* const kTwoColumns = "50L(2)|M*~Last name~L(1)@s22@41C|M*~Born~L(2)@D017B@";

class BrowseListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(s.people().open());
        ASSERT_TRUE(s.people().beginTransaction());
        for (int i = 0; i < 1000; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "P%04d", (i * 389) % 1000);  // inserted out of order
            s.addPerson(
                {name, "", i % 10 == 0 ? kNoDate : ymd(1950 + i % 50, 1 + i % 12, 1 + i % 28), 30});
        }
        ASSERT_TRUE(s.people().commitTransaction());
        list = std::make_unique<BrowseList>(s.people(), QStringLiteral("Browse:2"));
        ASSERT_TRUE(list->setFormat(kTwoColumns, {bir::LASTNAME, bir::DOB}));
    }
    QString cell(int row, int column) {
        return list->model().data(list->model().index(row, column), Qt::DisplayRole).toString();
    }
    StoreFixture s;
    std::unique_ptr<BrowseList> list;
};

// Rows come page by page, in key order, anywhere in the file, without holding the file.
TEST_F(BrowseListTest, RowsAreReadOnlyAsTheyAreShown) {
    EXPECT_EQ(list->setSortOrder({birkey::NameKey, "", bir::LASTNAME}), 1000);
    EXPECT_EQ(list->model().rowCount(), 1000);
    EXPECT_EQ(list->model().headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Last name");
    for (int row : {999, 0, 500, 501, 499, 63, 64, 998}) {
        SCOPED_TRACE(row);
        char name[16];
        std::snprintf(name, sizeof name, "P%04d", row);
        EXPECT_EQ(cell(row, 0), name);
    }
    for (int row = 0; row < 1000; row += 7) (void)cell(row, 0);  // scroll through everything
    EXPECT_EQ(list->model().data(list->model().index(1000, 0), Qt::DisplayRole), QVariant());
}

TEST_F(BrowseListTest, AFilteredOrderCountsAndShowsOnlyItsRows) {
    const std::int64_t n =
        list->setSortOrder({birkey::BirthdayMonthKey, "(MONTH(BIR:DOB) = 2)", bir::MONTHTAG});
    int expected = 0;  // the people made above with a date in February
    for (int i = 0; i < 1000; ++i) expected += i % 10 != 0 && i % 12 == 1;
    EXPECT_EQ(n, expected);
    for (int row = 0; row < n; ++row) {
        ASSERT_NE(list->model().rowAt(row), nullptr);
        EXPECT_EQ(
            monthOf(static_cast<Date>(list->model().rowAt(row)->values.fields[bir::DOB].number)),
            2);
    }
}

TEST_F(BrowseListTest, TheLocatorAndTheHighlightFillTheRecordBuffer) {
    list->setSortOrder({birkey::NameKey, "", bir::LASTNAME});
    list->locate(QStringLiteral("p05"));  // the locator ignores case
    EXPECT_EQ(list->currentRow(), 500);
    EXPECT_EQ(s.people().buffer().text(bir::LASTNAME), "P0500");
    list->selectRow(998);
    EXPECT_EQ(s.people().buffer().text(bir::LASTNAME), "P0998");
    list->locate(QStringLiteral("z"));  // past the end: the last row
    EXPECT_EQ(list->currentRow(), 999);
}

TEST_F(BrowseListTest, ReloadKeepsTheRecordItWasGiven) {
    list->setSortOrder({birkey::NameKey, "", bir::LASTNAME});
    list->selectRow(700);
    const KeyPosition at{s.people().buffer().values(), s.people().buffer().position()};
    s.addPerson({"A-first", "", ymd(1980, 1, 1), 40});
    EXPECT_EQ(list->reload(&at), 1001);
    EXPECT_EQ(list->currentRow(), 701);
    EXPECT_EQ(s.people().buffer().text(bir::LASTNAME), "P0700");
}

TEST_F(BrowseListTest, WidthsTravelThroughTheFormatString) {
    list->setColumnWidthUnits(0, 80);
    list->setColumnWidthUnits(1, 0);
    const std::string format = list->currentFormat();
    BrowseList other(s.people(), QStringLiteral("Browse:2"));
    ASSERT_TRUE(other.setFormat(format, {bir::LASTNAME, bir::DOB}));
    EXPECT_NEAR(other.columnWidthUnits(0), 80, 1);
    EXPECT_TRUE(other.table()->isColumnHidden(1));
    EXPECT_EQ(format.substr(format.find("@s22@") + 5, 2), "0C");
}

}  // namespace
}  // namespace ntx
