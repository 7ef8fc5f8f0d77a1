#pragma once
// An initialisation file held in memory: "[section]" lines, "key=value" lines and
// comment lines (starting with ";" or "#").
//
// Section and key names are compared without regard to case; the spelling met first is
// the one kept. Keys and values are kept without surrounding blanks, as the file format
// cannot hold them; a value is otherwise taken as it stands ("|", "~", "@", "%", ":" and
// "?" are ordinary characters). Text is UTF-8.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ntx {

class IniDocument {
  public:
    struct Entry {
        std::string section;
        std::string key;
        std::string value;
        friend bool operator==(const Entry&, const Entry&) = default;
    };

    // Reads the text of a file, keeping whatever it can understand: lines end with LF, CR
    // LF or CR; a line that is not valid UTF-8 is read as Latin-1 (older files written in a
    // Windows code page); a key that comes before any section, a line that is neither a
    // section, a key nor a comment, and a second occurrence of a section (its keys join the
    // first) or of a key (ignored, as look-ups find the first) are left out.
    [[nodiscard]] static IniDocument parse(std::string_view text);

    // The file text: comments in their places, one blank line between sections, every
    // line ending with "\n".
    [[nodiscard]] std::string serialize() const;

    [[nodiscard]] std::optional<std::string> value(std::string_view section,
                                                   std::string_view key) const;

    // Sets a value, adding the section and the key at the end when they are new. Returns
    // false and changes nothing when the names or the value cannot be held by the file
    // (see isWritable).
    bool setValue(std::string_view section, std::string_view key, std::string_view value);

    // Removes a key; returns true when it was there. The section stays, even when empty.
    bool removeKey(std::string_view section, std::string_view key);

    // Every key with its value, in file order.
    [[nodiscard]] std::vector<Entry> entries() const;

    // True when the file can hold this section, key and value so that it reads them back
    // as written (after surrounding blanks are removed): names not empty, no line breaks
    // or other control characters but tab anywhere, no "[" or "]" in a section name, no
    // "=" in a key, and a key that does not look like a section or a comment.
    [[nodiscard]] static bool isWritable(std::string_view section, std::string_view key,
                                         std::string_view value);

  private:
    struct Line {
        bool comment = false;
        std::string key;  // the whole line for a comment
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Line> lines;
    };

    [[nodiscard]] const Section* findSection(std::string_view name) const;
    [[nodiscard]] Section* findSection(std::string_view name);
    [[nodiscard]] static Line* findKey(Section& s, std::string_view key);
    void addLine(std::string_view line, Section*& current);

    std::vector<std::string> preamble_;  // comments before the first section
    std::vector<Section> sections_;
};

}  // namespace ntx
