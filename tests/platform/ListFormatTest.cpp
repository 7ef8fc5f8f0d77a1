#include "platform/ListFormat.h"

#include <gtest/gtest.h>

namespace ntx {
namespace {

constexpr const char* kBirthdayList =
    "50L(2)|M*~Last name~L(1)@s22@41L(2)|M*~First name~L(1)@s25@41L(2)|M*~2nd "
    "name~@s25@43L(1)|M*~Month "
    "born~L(2)@s10@18C|M*~Age~L(2)@N3B@42C|M*~as "
    "at...~L(1)@D017B@41C|M*~Born~L(2)@D017B@44L(1)|M*~Star~L(2)@"
    "s12@41L(2)|M*~Maiden~@s22@71L(2)|M*~Place born~@s65@28L(2)|M*~Time born~@T3B@";

TEST(ListFormat, ReadsEveryColumnOfTheBirthdayList) {
    const auto columns = parseListFormat(kBirthdayList);
    ASSERT_TRUE(columns);
    ASSERT_EQ(columns->size(), 11u);
    struct Expect {
        int width;
        ColumnAlignment data;
        int dataIndent;
        const char* heading;
        ColumnAlignment head;
        int headIndent;
        const char* picture;
    };
    using A = ColumnAlignment;
    const Expect expected[] = {
        {50, A::Left, 2, "Last name", A::Left, 1, "@s22@"},
        {41, A::Left, 2, "First name", A::Left, 1, "@s25@"},
        {41, A::Left, 2, "2nd name", A::Left, 2, "@s25@"},
        {43, A::Left, 1, "Month born", A::Left, 2, "@s10@"},
        {18, A::Centre, 0, "Age", A::Left, 2, "@N3B@"},
        {42, A::Centre, 0, "as at...", A::Left, 1, "@D017B@"},
        {41, A::Centre, 0, "Born", A::Left, 2, "@D017B@"},
        {44, A::Left, 1, "Star", A::Left, 2, "@s12@"},
        {41, A::Left, 2, "Maiden", A::Left, 2, "@s22@"},
        {71, A::Left, 2, "Place born", A::Left, 2, "@s65@"},
        {28, A::Left, 2, "Time born", A::Left, 2, "@T3B@"},
    };
    for (std::size_t i = 0; i < 11; ++i) {
        SCOPED_TRACE(expected[i].heading);
        const ListColumnFormat& c = (*columns)[i];
        EXPECT_EQ(c.width, expected[i].width);
        EXPECT_EQ(c.dataAlignment, expected[i].data);
        EXPECT_EQ(c.dataIndent, expected[i].dataIndent);
        EXPECT_EQ(c.heading, expected[i].heading);
        EXPECT_EQ(c.headingAlignment, expected[i].head);
        EXPECT_EQ(c.headingIndent, expected[i].headIndent);
        EXPECT_EQ(c.picture, expected[i].picture);
        EXPECT_TRUE(c.rightBorder && c.resizable && c.rowColours);
    }
}

TEST(ListFormat, WritesBackWhatItReadWithOnlyTheWidthsChanged) {
    auto columns = parseListFormat(kBirthdayList);
    ASSERT_TRUE(columns);
    EXPECT_EQ(writeListFormat(*columns), kBirthdayList);
    (*columns)[0].width = 75;
    (*columns)[4].width = 0;
    const std::string written = writeListFormat(*columns);
    EXPECT_EQ(written.substr(0, 3), "75L");
    EXPECT_NE(written.find("@0C|M*~Age~"), std::string::npos);
    auto again = parseListFormat(written);
    ASSERT_TRUE(again);
    EXPECT_EQ((*again)[0].width, 75);
    EXPECT_EQ((*again)[1].heading, "First name");
}

TEST(ListFormat, MalformedStringsAreRefused) {
    for (const char* bad :
         {"", "L(2)@s22@", "50L(2~Name~@s22@", "50X@s22@", "50L~Name@s22@", "50L(2)~Name~@s22"}) {
        EXPECT_FALSE(parseListFormat(bad)) << bad;
    }
}

}  // namespace
}  // namespace ntx
