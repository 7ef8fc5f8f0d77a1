#include "platform/ChmFile.h"

#include <chm_lib.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <fstream>
#include <system_error>

namespace ntx {
namespace {

// No entry of a help file comes near this; a larger length means a damaged directory.
constexpr std::uint64_t kLargestEntry = 64u << 20;

struct ChmCloser {
    void operator()(chmFile* h) const { chm_close(h); }
};
using ChmHandle = std::unique_ptr<chmFile, ChmCloser>;

struct Unit {
    chmUnitInfo info;
    bool plainFile;  // a page, picture or other entry of the help project
};

int collectUnit(chmFile*, chmUnitInfo* ui, void* context) {
    if ((ui->flags & CHM_ENUMERATE_FILES) == 0) return CHM_ENUMERATOR_CONTINUE;  // a folder
    const bool plain = (ui->flags & CHM_ENUMERATE_NORMAL) != 0;
    static_cast<std::vector<Unit>*>(context)->push_back({*ui, plain});
    return CHM_ENUMERATOR_CONTINUE;
}

// The whole of one entry, or nothing when it does not read back in full.
std::optional<std::string> readUnit(chmFile* h, chmUnitInfo& ui) {
    if (ui.length > kLargestEntry) return std::nullopt;
    std::string data(static_cast<std::size_t>(ui.length), '\0');
    std::uint64_t done = 0;
    while (done < ui.length) {
        const LONGINT64 got =
            chm_retrieve_object(h, &ui, reinterpret_cast<unsigned char*>(data.data()) + done, done,
                                static_cast<LONGINT64>(ui.length - done));
        if (got <= 0) return std::nullopt;
        done += static_cast<std::uint64_t>(got);
    }
    return data;
}

char foldChar(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string folded(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), foldChar);
    return out;
}

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

// The key under which an entry is looked up: lower case, without leading "/".
std::string pathKey(std::string_view path) {
    while (!path.empty() && path.front() == '/') path.remove_prefix(1);
    return folded(path);
}

// "Page.htm", "/Page.htm", "ntx.chm::/Page.htm" and "Folder\Page.htm" all become "/Page.htm"
// (or "/Folder/Page.htm"); an empty link stays empty.
std::string absolutePage(std::string_view link) {
    link = trimmed(link);
    if (const auto at = link.find("::"); at != std::string_view::npos) link.remove_prefix(at + 2);
    if (link.empty()) return {};
    std::string page(link);
    std::replace(page.begin(), page.end(), '\\', '/');
    if (page.front() != '/') page.insert(page.begin(), '/');
    return page;
}

void appendUtf8(std::string& out, std::uint32_t cp) {
    if (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The text of one character reference ("amp", "#233", "#xE9"); nothing for an unknown one.
std::optional<std::string> referenceText(std::string_view ref) {
    if (ref.size() > 1 && ref[0] == '#') {
        const bool hex = ref[1] == 'x' || ref[1] == 'X';
        const std::string_view digits = ref.substr(hex ? 2 : 1);
        std::uint32_t cp = 0;
        const char* last = digits.data() + digits.size();
        const auto [end, error] = std::from_chars(digits.data(), last, cp, hex ? 16 : 10);
        if (digits.empty() || error != std::errc() || end != last) return std::nullopt;
        std::string text;
        appendUtf8(text, cp);
        return text;
    }
    static const std::pair<std::string_view, std::string_view> named[] = {
        {"amp", "&"},   {"lt", "<"},   {"gt", ">"},
        {"quot", "\""}, {"apos", "'"}, {"nbsp", "\xC2\xA0"}};
    for (const auto& [name, text] : named) {
        if (folded(ref) == name) return std::string(text);
    }
    return std::nullopt;
}

// Replaces the character references of an attribute value; unknown ones stay as written.
std::string decodeReferences(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t semi = s[i] == '&' ? s.find(';', i + 1) : std::string_view::npos;
        if (semi != std::string_view::npos && semi - i <= 10) {
            if (auto text = referenceText(s.substr(i + 1, semi - i - 1))) {
                out += *text;
                i = semi + 1;
                continue;
            }
        }
        out += s[i++];
    }
    return out;
}

struct Tag {
    std::string name;                               // lower case; "/ul" for a closing tag
    std::map<std::string, std::string> attributes;  // names in lower case
};

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

Tag parseTag(std::string_view body) {
    Tag tag;
    std::size_t i = 0;
    while (i < body.size() && !isSpace(body[i]) && body[i] != '>' && !(i > 0 && body[i] == '/'))
        ++i;
    tag.name = folded(body.substr(0, i));
    while (i < body.size()) {
        while (i < body.size() && (isSpace(body[i]) || body[i] == '/')) ++i;
        const std::size_t nameStart = i;
        while (i < body.size() && !isSpace(body[i]) && body[i] != '=' && body[i] != '/') ++i;
        if (i == nameStart) break;
        const std::string name = folded(body.substr(nameStart, i - nameStart));
        while (i < body.size() && isSpace(body[i])) ++i;
        std::string value;
        if (i < body.size() && body[i] == '=') {
            ++i;
            while (i < body.size() && isSpace(body[i])) ++i;
            if (i < body.size() && (body[i] == '"' || body[i] == '\'')) {
                const char quote = body[i++];
                const std::size_t end = std::min(body.find(quote, i), body.size());
                value = decodeReferences(body.substr(i, end - i));
                i = end + 1;
            } else {
                const std::size_t valueStart = i;
                while (i < body.size() && !isSpace(body[i])) ++i;
                value = decodeReferences(body.substr(valueStart, i - valueStart));
            }
        }
        tag.attributes.emplace(name, std::move(value));
    }
    return tag;
}

// The end of the tag that starts at `open` ('<'): its '>' outside quoted values.
std::size_t tagEnd(std::string_view html, std::size_t open) {
    char quote = 0;
    for (std::size_t i = open + 1; i < html.size(); ++i) {
        const char c = html[i];
        if (quote != 0) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            // Only a quote that opens an attribute value counts; a stray one in text does not.
            if (i > 0 && (html[i - 1] == '=' || isSpace(html[i - 1]))) quote = c;
        } else if (c == '>') {
            return i;
        }
    }
    return std::string_view::npos;
}

std::uint16_t le16(const std::string& s, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(s[at]) |
                                      (static_cast<unsigned char>(s[at + 1]) << 8));
}

}  // namespace

std::vector<HelpEntry> parseSitemap(std::string_view html) {
    std::vector<HelpEntry> entries;
    int depth = 0;
    bool inItem = false;
    HelpEntry item;
    std::size_t pos = 0;
    while ((pos = html.find('<', pos)) != std::string_view::npos) {
        if (html.substr(pos, 4) == "<!--") {
            const std::size_t end = html.find("-->", pos + 4);
            if (end == std::string_view::npos) break;
            pos = end + 3;
            continue;
        }
        const std::size_t end = tagEnd(html, pos);
        if (end == std::string_view::npos) break;
        const Tag tag = parseTag(html.substr(pos + 1, end - pos - 1));
        pos = end + 1;
        const auto attribute = [&tag](const std::string& name) {
            const auto it = tag.attributes.find(name);
            return it == tag.attributes.end() ? std::string() : it->second;
        };
        if (tag.name == "ul") {
            ++depth;
        } else if (tag.name == "/ul") {
            depth = std::max(0, depth - 1);
        } else if (tag.name == "object") {
            inItem = folded(trimmed(attribute("type"))) == "text/sitemap";
            item = HelpEntry{{}, {}, std::max(0, depth - 1)};
        } else if (tag.name == "param" && inItem) {
            // An index item may go on with more names and pages ("see also"); the first of
            // each is the entry.
            const std::string kind = folded(trimmed(attribute("name")));
            if (kind == "name" && item.name.empty())
                item.name = std::string(trimmed(attribute("value")));
            if (kind == "local" && item.page.empty()) item.page = absolutePage(attribute("value"));
        } else if (tag.name == "/object" && inItem) {
            if (!item.name.empty() || !item.page.empty()) entries.push_back(std::move(item));
            inItem = false;
        }
    }
    return entries;
}

ChmFile::Opened ChmFile::open(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return {nullptr, Problem::Missing, "no such file"};
    if (!std::filesystem::is_regular_file(path, ec) || !std::ifstream(path, std::ios::binary)) {
        return {nullptr, Problem::Unreadable, "the file cannot be read"};
    }
    ChmHandle h(chm_open(path.c_str()));
    if (!h) return {nullptr, Problem::Damaged, "not a compiled help file"};

    std::vector<Unit> units;
    if (chm_enumerate(h.get(), CHM_ENUMERATE_ALL, collectUnit, &units) == 0) {
        return {nullptr, Problem::Damaged, "the directory cannot be read"};
    }
    std::unique_ptr<ChmFile> file(new ChmFile());
    std::optional<std::string> system;
    // Every entry is read, also the file's own (the search index, the storage of the
    // compressed section) that the help window does not use: a file cut short anywhere fails.
    for (Unit& unit : units) {
        const std::string unitPath = unit.info.path;
        auto data = readUnit(h.get(), unit.info);
        if (!data) return {nullptr, Problem::Damaged, unitPath + " cannot be read"};
        if (unitPath == "/#SYSTEM") {
            system = std::move(data);
        } else if (unit.plainFile) {
            file->byFoldedPath_.emplace(pathKey(unitPath), file->entries_.size());
            file->entries_.push_back({unitPath, std::move(*data)});
        }
    }
    if (!system || system->size() < 4) return {nullptr, Problem::Damaged, "no system entry"};

    // The system entry: a version, then records of a code, a length and the data.
    std::string contentsFile, indexFile, defaultTopic;
    for (std::size_t at = 4; at + 4 <= system->size();) {
        const std::uint16_t code = le16(*system, at);
        const std::size_t length = le16(*system, at + 2);
        at += 4;
        if (at + length > system->size())
            return {nullptr, Problem::Damaged, "the system entry is cut short"};
        std::string value = system->substr(at, length);
        value.resize(std::min(value.size(), value.find('\0')));
        at += length;
        if (code == 0) contentsFile = value;
        if (code == 1) indexFile = value;
        if (code == 2) defaultTopic = value;
        if (code == 3) file->title_ = value;
    }
    // A file that names no contents or index may still carry them under their usual names.
    const auto withExtension = [&file](std::string_view extension) {
        for (const Entry& e : file->entries_) {
            if (e.path.size() > extension.size() && folded(e.path).ends_with(extension))
                return e.path;
        }
        return std::string();
    };
    if (contentsFile.empty()) contentsFile = withExtension(".hhc");
    if (indexFile.empty()) indexFile = withExtension(".hhk");
    for (auto [name, target] :
         {std::pair{&contentsFile, &file->contents_}, std::pair{&indexFile, &file->index_}}) {
        if (name->empty()) continue;
        const std::string* text = file->read(absolutePage(*name));
        if (text == nullptr) return {nullptr, Problem::Damaged, *name + " is missing"};
        *target = parseSitemap(*text);
    }

    if (auto page = file->resolve(absolutePage(defaultTopic))) file->defaultPage_ = *page;
    for (const HelpEntry& e : file->contents_) {
        if (!file->defaultPage_.empty()) break;
        if (auto page = file->resolve(e.page)) file->defaultPage_ = *page;
    }
    return {std::move(file), Problem::None, {}};
}

std::vector<std::string> ChmFile::list() const {
    std::vector<std::string> paths;
    paths.reserve(entries_.size());
    for (const Entry& e : entries_) paths.push_back(e.path);
    return paths;
}

const std::string* ChmFile::read(std::string_view path) const {
    const auto it = byFoldedPath_.find(pathKey(path));
    return it == byFoldedPath_.end() ? nullptr : &entries_[it->second].data;
}

std::optional<std::string> ChmFile::resolve(std::string_view page) const {
    const std::size_t hash = page.find('#');
    const auto it = byFoldedPath_.find(pathKey(page.substr(0, hash)));
    if (it == byFoldedPath_.end()) return std::nullopt;
    std::string resolved = entries_[it->second].path;
    if (hash != std::string_view::npos) resolved += page.substr(hash);
    return resolved;
}

std::optional<std::string> ChmFile::topicPage(std::string_view topic) const {
    topic = trimmed(topic);
    if (topic.empty()) return std::nullopt;
    if (topic.find('#') == std::string_view::npos) {
        for (std::string_view extension : {".htm", ".html"}) {
            if (auto page = resolve(std::string(topic) + std::string(extension))) return page;
        }
    }
    return resolve(topic);
}

std::optional<std::string> ChmFile::keywordPage(std::string_view keyword) const {
    const std::string wanted = folded(trimmed(keyword));
    if (wanted.empty()) return std::nullopt;
    for (const HelpEntry& e : index_) {
        if (folded(e.name) != wanted) continue;
        if (auto page = resolve(e.page)) return page;
    }
    return std::nullopt;
}

}  // namespace ntx
