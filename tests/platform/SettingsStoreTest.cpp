#include "platform/SettingsStore.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/ListLayout.h"
#include "support/TempFolder.h"

namespace ntx {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

// The list format the birthday list is designed with, and a rearranged one.
constexpr const char* kDesigned =
    "50L(2)|M*~Last name~L(1)@s22@41L(2)|M*~First name~L(1)@s25@42C|M*~Age~L(2)@N3B@"
    "41C|M*~Born~L(2)@D017B@";
constexpr const char* kRearranged =
    "80L(2)|M*~Last name~L(1)@s22@42C|M*~Age~L(2)@N3B@41L(2)|M*~First name~L(1)@s25@";

std::string readFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::filesystem::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
}

class Settings : public ::testing::Test {
  protected:
    std::filesystem::path file() const { return folder / "NTX.ini"; }
    void reopen() {
        store.close();
        store.open(file());
    }
    test::TempFolder folder;
    SettingsStore store;
};

TEST_F(Settings, KeepsUnknownSectionsAndOddCharactersAcrossRuns) {
    writeFile(file(),
              "; written by hand\r\n"
              "[Someone Else]\r\n"
              "Colour = Blue; not a comment\r\n"
              "# a comment line\r\n"
              "Path=C:\\Users\\x\\[odd]%PATH%\r\n"
              "[BrowseBirthdays]\r\n"
              "Maximize=No\r\n");
    store.open(file());
    EXPECT_TRUE(store.updateValue("BrowseBirthdays", "SRCF?Browse:2", kDesigned));
    EXPECT_TRUE(store.updateValue("BROWSEBIRTHDAYS", "maximize", "Yes"));
    EXPECT_TRUE(store.updateValue("Win_ViewNotes", "Note", "Élodie's 100% «café» = ok"));
    EXPECT_TRUE(store.close());

    store.open(file());
    EXPECT_EQ(store.fetchValue("someone else", "COLOUR"), "Blue; not a comment");
    EXPECT_EQ(store.fetchValue("Someone Else", "Path"), "C:\\Users\\x\\[odd]%PATH%");
    EXPECT_EQ(store.fetchValue("browsebirthdays", "srcf?browse:2"), kDesigned);
    EXPECT_EQ(store.fetchValue("BrowseBirthdays", "Maximize"), "Yes");
    EXPECT_EQ(store.fetchValue("Win_ViewNotes", "Note"), "Élodie's 100% «café» = ok");
    EXPECT_EQ(store.fetchValue("Win_ViewNotes", "Missing"), std::nullopt);
    EXPECT_EQ(store.fetchValue("Missing", "Note"), std::nullopt);

    const std::string text = readFile(file());
    EXPECT_THAT(text, HasSubstr("; written by hand\n\n[Someone Else]\n"));
    EXPECT_THAT(text, HasSubstr("# a comment line\n"));
    EXPECT_THAT(text, HasSubstr("[BrowseBirthdays]\nMaximize=Yes\n"));  // first spelling kept
    EXPECT_FALSE(std::filesystem::exists(folder / "NTX.ini.tmp"));
}

// Python's configparser, with interpolation off, "=" as the only delimiter (keys hold
// ":") and keys folded to lower case, reads exactly what the store holds.
TEST_F(Settings, AnotherIniReaderReadsTheFileAsTheStoreDoes) {
    if (std::system("python3 -c 'import configparser' > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "python3 is not installed";
    }
    writeFile(file(), "[Unknown]\nx = 1\n[Main]\nXPos=3\n");
    store.open(file());
    store.updateValue("BrowseBirthdays", "SRCF?Browse:2", kDesigned);
    store.updateValue("BrowseBirthdays", "SRCFOriginal?Browse:2", kRearranged);
    store.updateValue("Main", "Note", "100% (sure) ~ | * @ [x] ; # é");
    store.updateValue("Main", "Empty", "");
    store.deleteValue("Main", "XPos");
    ASSERT_TRUE(store.close());

    const auto script = folder / "read.py";
    const auto out = folder / "read.txt";
    writeFile(script,
              "import configparser, sys\n"
              "p = configparser.ConfigParser(interpolation=None, delimiters=('=',),\n"
              "                              default_section='\\x01none', strict=True)\n"
              "with open(sys.argv[1], encoding='utf-8') as f:\n"
              "    p.read_file(f)\n"
              "with open(sys.argv[2], 'w', encoding='utf-8', newline='\\n') as o:\n"
              "    for s in p.sections():\n"
              "        for k, v in p.items(s):\n"
              "            o.write(s + '\\n' + k + '\\n' + v + '\\n')\n");
    const std::string command =
        "python3 '" + script.string() + "' '" + file().string() + "' '" + out.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);

    store.open(file());
    std::string expected;
    for (auto e : store.snapshot().entries()) {
        for (char& c : e.key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        expected += e.section + "\n" + e.key + "\n" + e.value + "\n";
    }
    EXPECT_THAT(expected, HasSubstr("Main\nnote\n100% (sure) ~ | * @ [x] ; # é\n"));
    EXPECT_THAT(expected, HasSubstr("__Dont_Touch_Me__\nsectors\nBrowseBirthdays,Main\n"));
    EXPECT_EQ(readFile(out), expected);
}

TEST_F(Settings, AGarbledFileGivesWhatCanBeReadAndIsWrittenClean) {
    writeFile(file(),
              std::string("\xEF\xBB\xBF"
                          "orphan=before any section\n"
                          "[Main]\n"
                          "XPos=10\n"
                          "this line means nothing\n"
                          "xpos=99\n"
                          "Name=M\xFCller\n"  // Latin-1, as an old Windows file has it
                          "=no key\n"
                          "[Main\n"
                          "\x01\x02\x03 binary \xFF\xFE\n"
                          "[main]\n"
                          "YPos=20\r"
                          "Width=30") +
                  std::string("\0\0", 2));
    store.open(file());
    EXPECT_EQ(store.fetchValue("Main", "XPos"), "10");
    EXPECT_EQ(store.fetchValue("Main", "YPos"), "20");
    EXPECT_EQ(store.fetchValue("Main", "Name"), "Müller");
    EXPECT_EQ(store.fetchValue("Main", "Width"), std::nullopt);  // holds NUL characters
    EXPECT_TRUE(store.updateValue("Main", "Height", "40"));
    EXPECT_EQ(readFile(file()),
              "[Main]\n"
              "XPos=10\n"
              "Name=Müller\n"
              "YPos=20\n"
              "Height=40\n");
}

TEST_F(Settings, RefusesWhatTheFileCannotHoldAndChangesNothing) {
    store.open(file());
    ASSERT_TRUE(store.updateValue("Main", "XPos", "1"));
    const std::string before = readFile(file());
    EXPECT_FALSE(store.updateValue("Main", "XPos", "1\n[Evil]\nx=y"));
    EXPECT_FALSE(store.updateValue("Main]\n[Evil", "XPos", "1"));
    EXPECT_FALSE(store.updateValue("Main", "a=b", "1"));
    EXPECT_FALSE(store.updateValue("Main", "[x]", "1"));
    EXPECT_FALSE(store.updateValue("Main", "; x", "1"));
    EXPECT_FALSE(store.updateValue("", "XPos", "1"));
    EXPECT_FALSE(store.updateValue("Main", " ", "1"));
    EXPECT_EQ(readFile(file()), before);
    EXPECT_EQ(store.fetchValue("Main", "XPos"), "1");
    EXPECT_TRUE(store.updateValue("Main", "  XPos ", "  2  "));  // blanks the file cannot hold
    EXPECT_EQ(store.fetchValue("Main", "XPos"), "2");
}

TEST_F(Settings, AFileThatCannotBeReadIsNeverWrittenOver) {
    std::filesystem::create_directory(file());  // exists, but is no readable file
    store.open(file());
    EXPECT_TRUE(store.isOpen());
    EXPECT_FALSE(store.updateValue("Main", "XPos", "1"));
    EXPECT_EQ(store.fetchValue("Main", "XPos"), "1");  // the run still remembers it
    EXPECT_FALSE(store.close());
    EXPECT_TRUE(std::filesystem::is_directory(file()));
}

TEST_F(Settings, AFailedWriteLeavesTheOldFileAndIsRetriedOnClose) {
    store.open(file());
    ASSERT_TRUE(store.updateValue("Main", "XPos", "1"));
    std::filesystem::create_directory(folder / "NTX.ini.tmp");  // blocks the next write
    EXPECT_FALSE(store.updateValue("Main", "XPos", "2"));
    EXPECT_EQ(readFile(file()), "[Main]\nXPos=1\n");
    std::filesystem::remove(folder / "NTX.ini.tmp");
    EXPECT_TRUE(store.close());
    EXPECT_THAT(readFile(file()), HasSubstr("[Main]\nXPos=2\n"));
}

TEST_F(Settings, BookkeepingListIsReadAtOpenAndWrittenAtClose) {
    writeFile(file(), "[__Dont_Touch_Me__]\nSectors=Main, AboutProgram\n");
    store.open(file());
    EXPECT_THAT(store.sectors(), ElementsAre("Main", "AboutProgram"));
    store.updateValue("BrowseReminders", "Maximize", "No");
    store.updateValue("main", "Maximize", "No");
    EXPECT_THAT(readFile(file()), HasSubstr("Sectors=Main, AboutProgram\n"));
    EXPECT_TRUE(store.close());
    EXPECT_THAT(readFile(file()), HasSubstr("Sectors=Main,AboutProgram,BrowseReminders\n"));
}

TEST_F(Settings, NoFileUntilSomethingIsWritten) {
    store.open(file());
    EXPECT_EQ(store.fetchValue("Main", "Maximize"), std::nullopt);
    EXPECT_TRUE(store.close());
    EXPECT_FALSE(std::filesystem::exists(file()));
    EXPECT_FALSE(store.updateValue("Main", "Maximize", "No"));  // closed
}

// The column layout memory of a list window.
TEST_F(Settings, ListLayoutUsesTheSavedFormatOnlyWhileTheDesignIsUnchanged) {
    struct Case {
        const char* name;
        std::optional<std::string> designedStored;
        std::optional<std::string> saved;
        std::string opensWith;
        bool reset;
    };
    const std::string changedDesign = std::string(kDesigned) + "41L(2)|M*~Star~L(2)@s12@";
    const Case cases[] = {
        {"first run", std::nullopt, std::nullopt, kDesigned, true},
        {"same design", kDesigned, kRearranged, kRearranged, false},
        {"same design, nothing saved", kDesigned, std::nullopt, kDesigned, false},
        {"same design, saved blank", kDesigned, "", kDesigned, false},
        {"new design", changedDesign, kRearranged, kDesigned, true},
        {"stored design blank", "", kRearranged, kDesigned, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(file());
        store.open(file());
        const ListLayoutKeys& list = kBirthdayListLayout;
        if (c.designedStored)
            store.updateValue(list.section, list.designedKey(), *c.designedStored);
        if (c.saved) store.updateValue(list.section, list.savedKey(), *c.saved);
        EXPECT_EQ(openListLayout(store, list, kDesigned), c.opensWith);
        if (c.reset) {
            EXPECT_EQ(store.fetchValue("BrowseBirthdays", "SRCFOriginal?Browse:2"), kDesigned);
            EXPECT_EQ(store.fetchValue("BrowseBirthdays", "SRCF?Browse:2"), kDesigned);
        } else {
            EXPECT_EQ(store.fetchValue("BrowseBirthdays", "SRCF?Browse:2"), c.saved);
        }
        store.close();
    }
    // A design without "@" never keeps a saved layout.
    std::filesystem::remove(file());
    store.open(file());
    const ListLayoutKeys& reminders = kReminderListLayout;
    store.updateValue("BrowseReminders", "SRCFOriginal?Browse:1", "40L|M~Date~");
    store.updateValue("BrowseReminders", "SRCF?Browse:1", kRearranged);
    EXPECT_EQ(openListLayout(store, reminders, "40L|M~Date~"), "40L|M~Date~");
    EXPECT_TRUE(saveListLayout(store, reminders, kRearranged));
    reopen();
    EXPECT_EQ(store.fetchValue("BrowseReminders", "SRCF?Browse:1"), kRearranged);
    EXPECT_THAT(readFile(file()), Not(HasSubstr("Browse:2")));
}

}  // namespace
}  // namespace ntx
