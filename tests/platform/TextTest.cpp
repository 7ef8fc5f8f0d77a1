#include "platform/Text.h"

#include <gtest/gtest.h>

namespace ntx {
namespace {

TEST(Text, CharactersAreCountedAndCutWhole) {
    EXPECT_EQ(characterCount("Élodie"), 6u);
    EXPECT_EQ(cutToCharacters("Élodie", 2), "Él");
    EXPECT_EQ(cutToCharacters("日本語", 2), "日本");
    EXPECT_EQ(cutToCharacters("abc", 10), "abc");
    EXPECT_EQ(characterCount("\xff\xfe"), 2u);  // stray bytes count one each
}

TEST(Text, TrailingBlanksOnly) {
    EXPECT_EQ(trimRight("  Smith  "), "  Smith");
    EXPECT_EQ(trimRight("   "), "");
    EXPECT_TRUE(isBlank("    "));
    EXPECT_FALSE(isBlank(" x "));
}

TEST(Text, CaseInsensitiveOrderForAllLetters) {
    struct Case {
        const char* a;
        const char* b;
        int sign;
    };
    const Case cases[] = {
        {"élodie", "Élodie", 0},
        {"SMITH", "smith", 0},
        {"smith", "Smith  ", 0},
        {"Ab", "ab!", -1},
        {"ÖZ", "öz", 0},
        {"abc", "abd", -1},
        {"Straße", "STRASSE", 1},  // simple folding: ß stays ß
        {"", " ", 0},
        {"b", "A", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
        const int r = compareNoCase(c.a, c.b);
        EXPECT_EQ((r > 0) - (r < 0), c.sign);
        const int back = compareNoCase(c.b, c.a);
        EXPECT_EQ((back > 0) - (back < 0), -c.sign);
    }
}

}  // namespace
}  // namespace ntx
