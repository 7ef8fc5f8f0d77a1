#include "platform/Filter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "data/Globals.h"
#include "platform/View.h"
#include "support/StoreFixture.h"

namespace ntx {
namespace {

using test::StoreFixture;
using test::ymd;
using ::testing::HasSubstr;

// The filter semantics that are easy to get wrong, each checked both ways: evaluated on
// the record in memory and run as SQL by a view, over one small file.
class FilterSemantics : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(s.people().open());
        add("Smith", "", ymd(1980, 3, 15), "notes   ");
        add("smith", "12", ymd(1990, 12, 31), "");
        add("", "7abc", kNoDate, "   ");
        add("O'Hara", "Ann", ymd(2001, 5, 1), "x");
    }
    void add(const std::string& last, const std::string& first, Date dob, const std::string& memo) {
        RecordBuffer& b = s.people().buffer();
        b.clear();
        b.setText(bir::LASTNAME, last);
        b.setText(bir::FIRSTNAME, first);
        b.setDate(bir::DOB, dob);
        b.setMemo(memo);
        ASSERT_TRUE(s.people().insert());
    }
    // Last names of the matching records, in file order, found (a) by SQL and (b) in memory.
    std::pair<std::string, std::string> select(const std::string& filter) {
        ViewOptions o{-1, filter};
        o.bindings = {rptMonthBinding()};
        std::string bySql;
        View v(s.people(), o);
        while (v.next()) bySql += "[" + s.people().buffer().text(bir::LASTNAME) + "]";
        std::string error;
        const auto f = Filter::parse(filter, birthdayFile(), o.bindings, error);
        EXPECT_TRUE(f) << error;
        std::string byEval;
        View all(s.people(), {});
        while (f && all.next()) {
            if (f->matches(s.people().buffer()))
                byEval += "[" + s.people().buffer().text(bir::LASTNAME) + "]";
        }
        return {bySql, byEval};
    }
    StoreFixture s;
};

TEST_F(FilterSemantics, SqlAndEvaluationAgree) {
    globals().rptMonth = "12 ";
    const std::pair<const char*, const char*> cases[] = {
        {"BIR:LastName = 'Smith'", "[Smith]"},        // texts compare with case
        {"BIR:LastName = 'Smith   '", "[Smith]"},     // trailing blanks do not count
        {"bir:lastname < 'b'", "[Smith][][O'Hara]"},  // character codes: 'S' < 'b' < 's'
        {"BIR:LASTNAME = 'O''Hara'", "[O'Hara]"},     // a quote inside a text
        {"BIR:FIRSTNAME = 12", "[smith]"},            // a text compared with a number
        {"BIR:FIRSTNAME = 7", "[]"},                  // "7abc" counts as 7
        {"BIR:FIRSTNAME > 0 AND BIR:FIRSTNAME < 10", "[]"},
        {"MONTH(BIR:DOB) = GLO:RptMonth", "[smith]"},  // the month as text "12 "
        {"MONTH(BIR:DOB) = 0", "[]"},                  // no date has no month
        {"NOT BIR:LASTNAME", "[]"},                    // a blank text is false
        {"BIR:NotesBig > ''", "[Smith][O'Hara]"},      // the memo, blanks trimmed
        {"CLIP(BIR:NOTESBIG) = 'notes'", "[Smith]"},
        {"BIR:DOB", "[Smith][smith][O'Hara]"},  // a number is true when not 0
        {"NOT (BIR:DOB > 0) OR BIR:LastName = 'O''Hara'", "[][O'Hara]"},
        {"BIR:DOB > 0 AND BIR:DOB < 60000 OR BIR:FIRSTNAME = 'Ann'", "[O'Hara]"},  // AND first
        {"  ( ( BIR:DOB<>0 ) )  ", "[Smith][smith][O'Hara]"},
        {"BIR:DOB >= 65000 AND BIR:DOB <= 66000", "[Smith]"},
    };
    for (const auto& [filter, expected] : cases) {
        SCOPED_TRACE(filter);
        const auto [bySql, byEval] = select(filter);
        EXPECT_EQ(bySql, expected);
        EXPECT_EQ(byEval, expected);
    }
    EXPECT_TRUE(s.messages.shown.empty());
}

TEST(FilterParse, MalformedFiltersNameTheExpressionAndThePlace) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "expected a value at character 1"},
        {"(MONTH(BIR:DOB) = 5", "expected ')' at character 20"},
        {"BIR:NOPE = 1", "unknown name 'BIR:NOPE' at character 1"},
        {"REM:DATE = 1", "unknown name 'REM:DATE' at character 1"},
        {"MONTH(BIR:DOB) = = 5", "unexpected '=' at character 18"},
        {"BIR:LASTNAME = 'abc", "unterminated text at character 20"},
        {"YEAR(BIR:DOB) = 1980", "unknown function 'YEAR' at character 1"},
        {"BIR:DOB = 1 2", "unexpected text at character 13"},
        {"BIR:DOB = #", "unexpected '#' at character 11"},
        {"GLO:RptMonth = 1", "unknown name 'GLO:RptMonth'"},  // not bound for this view
    };
    for (const auto& [filter, message] : cases) {
        SCOPED_TRACE(filter);
        std::string error;
        EXPECT_FALSE(Filter::parse(filter, birthdayFile(), {}, error));
        EXPECT_THAT(error, HasSubstr(std::string("\"") + filter + "\""));
        EXPECT_THAT(error, HasSubstr(message));
    }
}

TEST(FilterValue, TextsCountAsTheNumberTheyBeginWith) {
    const std::pair<const char*, double> cases[] = {
        {"12", 12}, {"  7abc", 7}, {"-3.5", -3.5}, {"abc", 0}, {"", 0}, {"12 ", 12}, {"+4", 4},
    };
    for (const auto& [text, number] : cases) EXPECT_DOUBLE_EQ(textToNumber(text), number) << text;
}

}  // namespace
}  // namespace ntx
