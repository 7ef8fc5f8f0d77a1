#pragma once
// A compiled HTML Help file (".chm"), read with chmlib: its pages and pictures, its table of
// contents and keyword index, and the look-up of a window's topic or of an index keyword.
//
// The whole file is read and checked when it is opened (a help file is a few hundred
// kilobytes at most): the file's system entry must be there, every entry must read back in
// full, and the table of contents and the index that the system entry names must be there
// too. A file that is cut short or otherwise damaged does not open; one that opens answers
// every later question from memory, so nothing can fail after that.
//
// Entry paths are written as the file names them, with a leading "/" ("/Birthdays.htm");
// look-ups also take them without it, and ignore the case of letters as help viewers do.
//
// Threads: an open file is never changed, so any thread may read it.

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ntx {

inline constexpr std::string_view kHelpFileName = "ntx.chm";

// One line of the table of contents or of the keyword index, in the order of the file.
struct HelpEntry {
    std::string name;  // the heading, or the keyword
    std::string page;  // "/Page.htm" or "/Page.htm#anchor"; empty for a heading without a page
    int depth = 0;     // 0 at the top level
};

class ChmFile {
  public:
    enum class Problem { None, Missing, Unreadable, Damaged };

    // The file, or the problem that kept it from opening and a short technical detail.
    struct Opened {
        std::unique_ptr<ChmFile> file;
        Problem problem = Problem::None;
        std::string detail;
    };
    [[nodiscard]] static Opened open(const std::filesystem::path& path);

    // The paths of the file's pages, pictures and other plain entries, in the file's order.
    [[nodiscard]] std::vector<std::string> list() const;
    // The bytes of an entry; nullptr when there is none. "#anchor" is not part of a path.
    [[nodiscard]] const std::string* read(std::string_view path) const;

    [[nodiscard]] const std::string& title() const { return title_; }
    // The page shown with the table of contents: the file's default topic, else the first
    // page of the contents.
    [[nodiscard]] const std::string& defaultPage() const { return defaultPage_; }
    [[nodiscard]] const std::vector<HelpEntry>& contents() const { return contents_; }
    [[nodiscard]] const std::vector<HelpEntry>& index() const { return index_; }

    // The page of `page` ("Page.htm#anchor", with or without "/"), spelt as the file spells
    // its entry and with the anchor kept; nothing when the file has no such entry.
    [[nodiscard]] std::optional<std::string> resolve(std::string_view page) const;
    // The page of a window's topic: the page named like the topic ("Birthdays" opens
    // "/Birthdays.htm"), or the page the topic names itself. Nothing when there is none.
    [[nodiscard]] std::optional<std::string> topicPage(std::string_view topic) const;
    // The page of the first index entry whose keyword is `keyword` (case and surrounding
    // blanks do not count). Nothing when no entry has it or its page is not in the file.
    [[nodiscard]] std::optional<std::string> keywordPage(std::string_view keyword) const;

  private:
    ChmFile() = default;

    struct Entry {
        std::string path;
        std::string data;
    };
    std::vector<Entry> entries_;
    std::map<std::string, std::size_t> byFoldedPath_;  // lower-case path without "/" -> entry
    std::string title_;
    std::string defaultPage_;
    std::vector<HelpEntry> contents_;
    std::vector<HelpEntry> index_;
};

// The entries of a table of contents or keyword index file (an HTML list of
// <OBJECT type="text/sitemap"> items with "Name" and "Local" parameters), in order; pages
// are made absolute ("/Page.htm"). Tolerant of what such files contain in practice: any
// case, missing closing tags, comments, character references.
[[nodiscard]] std::vector<HelpEntry> parseSitemap(std::string_view html);

}  // namespace ntx
