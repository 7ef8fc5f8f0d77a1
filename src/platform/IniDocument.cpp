#include "platform/IniDocument.h"

#include <algorithm>
#include <utility>

#include "platform/Text.h"

namespace ntx {
namespace {

std::string_view trimBlanks(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

bool sameName(std::string_view a, std::string_view b) {
    return compareNoCase(a, b) == 0;
}

bool hasControlCharacter(std::string_view s) {
    return std::any_of(s.begin(), s.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return (u < 0x20 && c != '\t') || u == 0x7F;
    });
}

// True when every byte sequence is a well-formed UTF-8 character.
bool isValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t len = 0;
        char32_t cp = 0;
        if (b < 0x80) {
            ++i;
            continue;
        }
        if (b >= 0xC2 && b < 0xE0) {
            len = 2;
            cp = b & 0x1Fu;
        } else if (b >= 0xE0 && b < 0xF0) {
            len = 3;
            cp = b & 0x0Fu;
        } else if (b >= 0xF0 && b < 0xF5) {
            len = 4;
            cp = b & 0x07u;
        } else {
            return false;
        }
        if (i + len > s.size()) return false;
        for (std::size_t k = 1; k < len; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (c & 0x3Fu);
        }
        const char32_t least = len == 3 ? 0x800 : len == 4 ? 0x10000 : 0x80;
        if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += len;
    }
    return true;
}

std::string latin1ToUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size() * 2);
    for (char c : s) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

// Splits at LF, CR LF and CR, as text readers on every system do.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

bool isComment(std::string_view line) {
    return !line.empty() && (line.front() == ';' || line.front() == '#');
}

bool isSectionName(std::string_view name) {
    return !name.empty() && !hasControlCharacter(name) &&
           name.find_first_of("[]") == std::string_view::npos;
}

bool isKeyName(std::string_view key) {
    return !key.empty() && !hasControlCharacter(key) && key.find('=') == std::string_view::npos &&
           key.front() != '[' && !isComment(key);
}

}  // namespace

bool IniDocument::isWritable(std::string_view section, std::string_view key,
                             std::string_view value) {
    return isSectionName(trimBlanks(section)) && isKeyName(trimBlanks(key)) &&
           !hasControlCharacter(value);
}

IniDocument IniDocument::parse(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    IniDocument doc;
    Section* current = nullptr;
    for (std::string_view raw : splitLines(text)) {
        if (isValidUtf8(raw)) {
            doc.addLine(trimBlanks(raw), current);
        } else {
            const std::string converted = latin1ToUtf8(raw);
            doc.addLine(trimBlanks(converted), current);
        }
    }
    return doc;
}

void IniDocument::addLine(std::string_view line, Section*& current) {
    if (line.empty()) return;
    if (isComment(line)) {
        if (current) {
            current->lines.push_back({true, std::string(line), {}});
        } else {
            preamble_.emplace_back(line);
        }
        return;
    }
    if (line.front() == '[') {
        const auto close = line.find(']');
        if (close == std::string_view::npos) return;
        const std::string_view name = trimBlanks(line.substr(1, close - 1));
        if (!isSectionName(name)) return;
        current = findSection(name);
        if (!current) current = &sections_.emplace_back(Section{std::string(name), {}});
        return;
    }
    const auto eq = line.find('=');
    if (!current || eq == std::string_view::npos) return;
    const std::string_view key = trimBlanks(line.substr(0, eq));
    const std::string_view value = trimBlanks(line.substr(eq + 1));
    if (!isWritable(current->name, key, value) || findKey(*current, key)) return;
    current->lines.push_back({false, std::string(key), std::string(value)});
}

std::string IniDocument::serialize() const {
    std::string out;
    for (const auto& c : preamble_) out += c + "\n";
    for (const auto& s : sections_) {
        if (!out.empty()) out += "\n";
        out += "[" + s.name + "]\n";
        for (const auto& l : s.lines) {
            out += l.comment ? l.key + "\n" : l.key + "=" + l.value + "\n";
        }
    }
    return out;
}

const IniDocument::Section* IniDocument::findSection(std::string_view name) const {
    for (const auto& s : sections_) {
        if (sameName(s.name, name)) return &s;
    }
    return nullptr;
}

IniDocument::Section* IniDocument::findSection(std::string_view name) {
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

IniDocument::Line* IniDocument::findKey(Section& s, std::string_view key) {
    for (auto& l : s.lines) {
        if (!l.comment && sameName(l.key, key)) return &l;
    }
    return nullptr;
}

std::optional<std::string> IniDocument::value(std::string_view section,
                                              std::string_view key) const {
    const Section* s = findSection(trimBlanks(section));
    if (!s) return std::nullopt;
    key = trimBlanks(key);
    for (const auto& l : s->lines) {
        if (!l.comment && sameName(l.key, key)) return l.value;
    }
    return std::nullopt;
}

bool IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value) {
    if (!isWritable(section, key, value)) return false;
    section = trimBlanks(section);
    key = trimBlanks(key);
    value = trimBlanks(value);
    Section* s = findSection(section);
    if (!s) s = &sections_.emplace_back(Section{std::string(section), {}});
    if (Line* l = findKey(*s, key)) {
        l->value = value;
    } else {
        s->lines.push_back({false, std::string(key), std::string(value)});
    }
    return true;
}

bool IniDocument::removeKey(std::string_view section, std::string_view key) {
    Section* s = findSection(trimBlanks(section));
    if (!s) return false;
    key = trimBlanks(key);
    const auto it = std::find_if(s->lines.begin(), s->lines.end(),
                                 [&](const Line& l) { return !l.comment && sameName(l.key, key); });
    if (it == s->lines.end()) return false;
    s->lines.erase(it);
    return true;
}

std::vector<IniDocument::Entry> IniDocument::entries() const {
    std::vector<Entry> out;
    for (const auto& s : sections_) {
        for (const auto& l : s.lines) {
            if (!l.comment) out.push_back({s.name, l.key, l.value});
        }
    }
    return out;
}

}  // namespace ntx
