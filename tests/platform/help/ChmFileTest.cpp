// The built help file "ntx.chm" (NATALIX_HELP_FILE), read back by chmlib's own tool and by
// the program's reader, and the reader's handling of files it cannot use.
#include "platform/ChmFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>

#include "support/TempFolder.h"

namespace ntx {
namespace {

using ::testing::Contains;
using ::testing::UnorderedElementsAreArray;

ChmFile& builtHelp() {
    static ChmFile::Opened opened = ChmFile::open(NATALIX_HELP_FILE);
    if (!opened.file)
        throw std::runtime_error("the built help file does not open: " + opened.detail);
    return *opened.file;
}

std::string bytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TEST(BuiltHelpFile, ChmlibsOwnToolAndTheReaderSeeTheSameEntries) {
    std::unique_ptr<FILE, int (*)(FILE*)> out(
        popen((std::string(ENUM_CHMLIB) + " '" + NATALIX_HELP_FILE + "'").c_str(), "r"), pclose);
    ASSERT_TRUE(out);
    std::vector<std::string> listed;
    char line[1024];
    while (std::fgets(line, sizeof line, out.get()) != nullptr) {
        // "   1     3599     2767   normal file\t\t/Welcome.htm"
        std::string text(line);
        if (!text.empty() && text.back() == '\n') text.pop_back();
        if (text.find("normal file") != std::string::npos)
            listed.push_back(text.substr(text.rfind('\t') + 1));
    }
    EXPECT_THAT(builtHelp().list(), UnorderedElementsAreArray(listed));
    for (const char* page :
         {"/Welcome.htm", "/Birthdays.htm", "/natalix.png", "/help.css", "/ntx.hhc", "/ntx.hhk"}) {
        EXPECT_THAT(listed, Contains(page));
    }
    EXPECT_EQ(builtHelp().title(), "Natalix Help");
    EXPECT_EQ(builtHelp().defaultPage(), "/Welcome.htm");
}

// What the windows ask of the help file. Windows not written yet are listed here from the
// start; what the code itself asks for is collected from the sources below and must resolve
// too. A keyword's page is the page its window's topic opens, or a page of its own.
struct Request {
    bool keyword;
    const char* name;
    const char* page;
};
const Request kRequests[] = {
    {false, "Birthdays", "/Birthdays.htm"},
    {false, "UpdateBirthdays", "/UpdateBirthdays.htm"},
    {false, "ToRemember", "/ToRemember.htm"},
    {false, "UpdateRemember", "/UpdateRemember.htm"},
    {false, "Win_SelectMonth", "/Win_SelectMonth.htm"},
    {false, "Win_Photo1", "/Win_Photo1.htm"},
    {false, "Win_ViewNotes", "/Win_ViewNotes.htm"},
    {true, "Browse Birthdays", "/Birthdays.htm"},
    {true, "Update Birthdays", "/UpdateBirthdays.htm"},
    {true, "Browse Reminders", "/ToRemember.htm"},
    {true, "Update Reminders", "/UpdateRemember.htm"},
    {true, "Backup", "/Backup.htm"},
    {true, "Tour Browse Birthdays", "/TourBrowseBirthdays.htm"},
};

// Topics and keywords that the sources under NATALIX_SOURCE_DIR pass as string literals:
// showTopic("..."), setUpWindowHelp(window, help, "..."), lookUpKeyword("...", ...) and a
// form's setHelp("topic", "keyword").
std::set<std::pair<bool, std::string>> requestsInCode() {
    struct Call {
        std::regex pattern;
        bool keyword;
        int group;
    };
    const Call calls[] = {
        {std::regex(R"re(showTopic\(\s*"([^"]+)")re"), false, 1},
        {std::regex(R"re(setUpWindowHelp\([^;"]*"([^"]+)"\s*\))re"), false, 1},
        {std::regex(R"re(lookUpKeyword\(\s*"([^"]+)")re"), true, 1},
        {std::regex(R"re(setHelp\(\s*"([^"]+)"\s*,\s*"([^"]+)")re"), false, 1},
        {std::regex(R"re(setHelp\(\s*"([^"]+)"\s*,\s*"([^"]+)")re"), true, 2},
    };
    std::set<std::pair<bool, std::string>> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(NATALIX_SOURCE_DIR)) {
        const auto extension = entry.path().extension();
        if (extension != ".cpp" && extension != ".h") continue;
        const std::string text = bytesOf(entry.path());
        for (const Call& call : calls) {
            for (std::sregex_iterator it(text.begin(), text.end(), call.pattern), end; it != end;
                 ++it) {
                found.emplace(call.keyword, (*it)[call.group].str());
            }
        }
    }
    return found;
}

TEST(BuiltHelpFile, EveryTopicAndKeywordTheWindowsAskForOpensItsPage) {
    const ChmFile& help = builtHelp();
    for (const Request& r : kRequests) {
        const auto page = r.keyword ? help.keywordPage(r.name) : help.topicPage(r.name);
        EXPECT_EQ(page.value_or("(none)"), r.page) << (r.keyword ? "keyword " : "topic ") << r.name;
    }
    const auto inCode = requestsInCode();
    // The frame's Quick Help is always there: an empty scan means the scan is broken.
    EXPECT_THAT(inCode, Contains(std::pair<bool, std::string>{true, "Tour Browse Birthdays"}));
    for (const auto& [keyword, name] : inCode) {
        const auto page = keyword ? help.keywordPage(name) : help.topicPage(name);
        EXPECT_TRUE(page && help.read(*page) != nullptr)
            << (keyword ? "keyword " : "topic ") << name;
    }
}

TEST(BuiltHelpFile, LookUpsIgnoreCaseAndBlanksButNotWords) {
    const ChmFile& help = builtHelp();
    EXPECT_EQ(help.keywordPage("  browse BIRTHDAYS ").value_or(""), "/Birthdays.htm");
    EXPECT_EQ(help.topicPage("updatebirthdays").value_or(""), "/UpdateBirthdays.htm");
    EXPECT_EQ(help.resolve("keys.HTM#history").value_or(""), "/Keys.htm#history");
    for (const char* missing : {"Browse Birthday", "Birthdays list", "", "Not Found"}) {
        EXPECT_FALSE(help.keywordPage(missing)) << missing;
    }
    EXPECT_FALSE(help.topicPage("Win_BackupData"));
    EXPECT_FALSE(help.topicPage(""));
}

TEST(ChmFile, FilesThatCannotBeUsedDoNotOpenAndSayWhy) {
    test::TempFolder folder;
    const std::string good = bytesOf(NATALIX_HELP_FILE);
    ASSERT_GT(good.size(), 10000u);
    struct Case {
        const char* what;
        std::size_t length;  // bytes of the good file kept; npos writes no file
        ChmFile::Problem problem;
    };
    const Case cases[] = {
        {"no file", std::string::npos, ChmFile::Problem::Missing},
        {"empty file", 0, ChmFile::Problem::Damaged},
        {"header only", 0x60, ChmFile::Problem::Damaged},
        {"a quarter", good.size() / 4, ChmFile::Problem::Damaged},
        {"half", good.size() / 2, ChmFile::Problem::Damaged},
        {"all but the last kilobyte", good.size() - 1024, ChmFile::Problem::Damaged},
        {"all but the last byte", good.size() - 1, ChmFile::Problem::Damaged},
    };
    for (const Case& c : cases) {
        const auto path = folder / (std::string(c.what) + ".chm");
        if (c.length != std::string::npos) write(path, std::string_view(good).substr(0, c.length));
        const ChmFile::Opened opened = ChmFile::open(path);
        EXPECT_FALSE(opened.file) << c.what;
        EXPECT_EQ(opened.problem, c.problem) << c.what;
        EXPECT_FALSE(opened.detail.empty()) << c.what;
    }
    const auto text = folder / "text.chm";
    write(text, "<html>not a compiled help file</html>");
    EXPECT_EQ(ChmFile::open(text).problem, ChmFile::Problem::Damaged);
    EXPECT_EQ(ChmFile::open(folder.path()).problem, ChmFile::Problem::Unreadable);  // a folder
}

// Table of contents and index files as help projects write them by hand.
TEST(ChmFile, SitemapsAreReadAsWrittenInPractice) {
    const std::string sitemap = R"(<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN">
<HTML><BODY>
<object type="text/site properties"><param name="Name" value="not an entry"></object>
<UL>
  <LI><OBJECT type="text/sitemap"><param name="Name" value="Fish &amp; Chips &#233;t&#xE9;">
      <param name="Local" value="food.htm#fish"></OBJECT>
  <ul>
    <li><object TYPE='text/sitemap'><PARAM NAME=name VALUE="Nested"><param name=local value=ntx.chm::/sub/x.htm></object>
    <!-- <li><object type="text/sitemap"><param name="Name" value="commented out"></object> -->
    <li><object type="text/sitemap"><param name="Name" value="Two pages">
        <param name="Local" value="first.htm"><param name="Name" value="see also"><param name="Local" value="second.htm"></object>
  </ul>
  <LI><OBJECT type="text/sitemap"><param name="Name" value="A heading"></OBJECT>
</UL></BODY></HTML>)";
    const auto entries = parseSitemap(sitemap);
    ASSERT_EQ(entries.size(), 4u);
    const HelpEntry expected[] = {
        {"Fish & Chips \xC3\xA9t\xC3\xA9", "/food.htm#fish", 0},
        {"Nested", "/sub/x.htm", 1},
        {"Two pages", "/first.htm", 1},
        {"A heading", "", 0},
    };
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].name, expected[i].name) << i;
        EXPECT_EQ(entries[i].page, expected[i].page) << i;
        EXPECT_EQ(entries[i].depth, expected[i].depth) << i;
    }
    // Cut off anywhere, it gives what came before and never reads past the end.
    for (std::size_t n = 0; n < sitemap.size(); n += 7)
        EXPECT_LE(parseSitemap(sitemap.substr(0, n)).size(), 4u);
}

}  // namespace
}  // namespace ntx
