#include <gtest/gtest.h>

#include "data/BirthdayFile.h"
#include "data/ReminderFile.h"
#include "platform/RecordBuffer.h"
#include "platform/Text.h"

namespace ntx {
namespace {

struct LayoutCase {
    const FileDef* def;
    std::size_t fieldCount;
    int recordLength;
};

// Offsets follow one another without gaps and add up to the record length; each size is
// what the field's type takes.
TEST(RecordLayout, FieldsTileTheRecord) {
    const LayoutCase cases[] = {{&birthdayFile(), 54, 1409}, {&reminderFile(), 29, 593}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.def->label);
        ASSERT_EQ(c.def->fields.size(), c.fieldCount);
        EXPECT_EQ(c.def->recordLength, c.recordLength);
        int offset = 0;
        for (const FieldDef& f : c.def->fields) {
            SCOPED_TRACE(f.name);
            EXPECT_EQ(f.offset, offset);
            EXPECT_EQ(f.size, storageSize(f.type, f.size, f.digits));
            offset += f.size;
        }
        EXPECT_EQ(offset, c.recordLength);
    }
}

TEST(RecordLayout, NamesResolveWithOrWithoutPrefixInAnyCase) {
    const FileDef& b = birthdayFile();
    EXPECT_EQ(b.fieldIndex("BIR:LASTNAME"), bir::LASTNAME);
    EXPECT_EQ(b.fieldIndex("bir:SkipPrintBirth"), bir::SKIPPRINTBIRTH);
    EXPECT_EQ(b.fieldIndex("dob"), bir::DOB);
    EXPECT_EQ(b.fieldIndex("REM:DATE"), -1);
    EXPECT_TRUE(b.isMemoName("BIR:NotesBig"));
    EXPECT_FALSE(b.isMemoName("BIR:NOTES"));
    EXPECT_EQ(b.keyIndex("BIR:BirthdayMonthKey"), birkey::BirthdayMonthKey);
    EXPECT_EQ(reminderFile().fieldIndex("REM:MonthTag2"), rem::MONTHTAG2);
    EXPECT_EQ(b.qualifiedName(bir::AGE), "BIR:AGE");
}

TEST(RecordBuffer, TextIsCutToItsWidthInCharactersAndKeptWithoutTrailingBlanks) {
    RecordBuffer r(birthdayFile());
    r.setText(bir::LASTNAME, "Ébéniste-Ébéniste-Ébéniste-Ébéniste");  // 35 characters
    EXPECT_EQ(r.text(bir::LASTNAME), "Ébéniste-Ébéniste-Ébénist");
    r.setText(bir::FIRSTNAME, "  Ann   ");
    EXPECT_EQ(r.text(bir::FIRSTNAME), "  Ann");
    r.setText(bir::PHOTOIMAGEPATH, std::string(200, 'x'));  // CSTRING(128): 127 characters
    EXPECT_EQ(r.text(bir::PHOTOIMAGEPATH).size(), 127u);
}

TEST(RecordBuffer, NumbersStayInTheirTypesRange) {
    RecordBuffer r(birthdayFile());
    r.setNumber(bir::AGE, 1234);  // DECIMAL(3,0)
    EXPECT_EQ(r.number(bir::AGE), 999);
    r.setNumber(bir::MONTHTAG, 70000);  // SHORT
    EXPECT_EQ(r.number(bir::MONTHTAG), 32767);
    r.setNumber(bir::UPDATEAGE, -1);  // BYTE
    EXPECT_EQ(r.number(bir::UPDATEAGE), 0);
}

TEST(RecordBuffer, MemoKeepsTwoThousandCharacters) {
    RecordBuffer r(reminderFile());
    std::string text;
    for (int i = 0; i < 2001; ++i) text += (i % 2 ? "é" : "a");
    r.setMemo(text);
    EXPECT_EQ(characterCount(r.memo()), 2000u);
    EXPECT_EQ(r.memo(), text.substr(0, text.size() - 1));  // the last "a" is cut
}

TEST(RecordBuffer, ClearBlanksEveryFieldAndTheMemo) {
    RecordBuffer r(birthdayFile());
    for (std::size_t i = 0; i < birthdayFile().fields.size(); ++i) {
        const int f = static_cast<int>(i);
        if (birthdayFile().fields[i].isText()) {
            r.setText(f, "x");
        } else {
            r.setNumber(f, 1);
        }
    }
    r.setMemo("notes");
    r.clear();
    for (std::size_t i = 0; i < birthdayFile().fields.size(); ++i) {
        SCOPED_TRACE(birthdayFile().fields[i].name);
        EXPECT_EQ(r.text(static_cast<int>(i)), "");
        EXPECT_EQ(r.number(static_cast<int>(i)), 0);
    }
    EXPECT_EQ(r.memo(), "");
    EXPECT_EQ(r.position(), 0);
}

}  // namespace
}  // namespace ntx
