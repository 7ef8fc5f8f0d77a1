#include "platform/SettingsStore.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "platform/Text.h"

#if __has_include(<unistd.h>)
#include <unistd.h>
#define NTX_HAVE_FSYNC 1
#endif

namespace ntx {
namespace {

// Reads the whole file; nothing when it cannot be read.
std::optional<std::string> readWholeFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return std::move(text).str();
}

// Writes `text` to `file` and makes sure it reached the disk. Text mode, so the file gets
// the line ends of the system it is written on.
bool writeAndSync(const std::filesystem::path& file, const std::string& text) {
    std::FILE* f = std::fopen(file.string().c_str(), "w");
    if (!f) return false;
    bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    ok = std::fflush(f) == 0 && ok;
#ifdef NTX_HAVE_FSYNC
    ok = ::fsync(::fileno(f)) == 0 && ok;
#endif
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

// Replaces `file` by a new one holding `text`: the old file stays whole until the new one
// is complete. The new file keeps the old one's permissions.
bool replaceFile(const std::filesystem::path& file, const std::string& text) {
    namespace fs = std::filesystem;
    fs::path temporary = file;
    temporary += ".tmp";
    std::error_code ec;
    // A stale temporary file or link from an earlier crash goes first, so nothing it points
    // to is written.
    if (!fs::is_directory(fs::symlink_status(temporary, ec))) fs::remove(temporary, ec);
    if (!writeAndSync(temporary, text)) {
        if (fs::is_regular_file(fs::symlink_status(temporary, ec))) fs::remove(temporary, ec);
        return false;
    }
    const auto old = fs::status(file, ec);
    if (!ec && fs::exists(old)) fs::permissions(temporary, old.permissions(), ec);
    fs::rename(temporary, file, ec);
    if (ec) {
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

std::vector<std::string> splitList(std::string_view list) {
    std::vector<std::string> out;
    while (!list.empty()) {
        const auto comma = list.find(',');
        std::string_view item = list.substr(0, comma);
        while (!item.empty() && item.front() == ' ') item.remove_prefix(1);
        item = trimRight(item);
        if (!item.empty()) out.emplace_back(item);
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
    }
    return out;
}

std::string joinList(const std::vector<std::string>& items) {
    std::string out;
    for (const auto& s : items) out += (out.empty() ? "" : ",") + s;
    return out;
}

}  // namespace

void SettingsStore::open(std::filesystem::path file) {
    const std::lock_guard lock(mutex_);
    file_ = std::move(file);
    doc_ = {};
    sectors_.clear();
    open_ = true;
    mayWrite_ = true;
    unsaved_ = false;
    std::error_code ec;
    const bool exists = std::filesystem::exists(file_, ec);
    if (ec) {
        mayWrite_ = false;  // cannot tell whether a file is there: never write over it
        return;
    }
    if (!exists) return;
    const auto text = readWholeFile(file_);
    if (!text) {
        mayWrite_ = false;
        return;
    }
    doc_ = IniDocument::parse(*text);
    for (auto& s : splitList(doc_.value(kBookkeepingSection, kBookkeepingKey).value_or(""))) {
        noteSector(s);
    }
}

bool SettingsStore::isOpen() const {
    const std::lock_guard lock(mutex_);
    return open_;
}

std::optional<std::string> SettingsStore::fetchValue(std::string_view section,
                                                     std::string_view key) const {
    const std::lock_guard lock(mutex_);
    if (!open_) return std::nullopt;
    return doc_.value(section, key);
}

bool SettingsStore::updateValue(std::string_view section, std::string_view key,
                                std::string_view value) {
    const SettingChange change{std::string(section), std::string(key), std::string(value)};
    return apply({&change, 1});
}

bool SettingsStore::deleteValue(std::string_view section, std::string_view key) {
    const SettingChange change{std::string(section), std::string(key), std::nullopt};
    return apply({&change, 1});
}

bool SettingsStore::apply(std::span<const SettingChange> changes) {
    const std::lock_guard lock(mutex_);
    if (!open_) return false;
    bool ok = true;
    bool changed = false;
    for (const auto& c : changes) {
        if (!c.value) {
            changed = doc_.removeKey(c.section, c.key) || changed;
            continue;
        }
        const auto before = doc_.value(c.section, c.key);
        if (!doc_.setValue(c.section, c.key, *c.value)) {
            ok = false;
            continue;
        }
        noteSector(c.section);
        changed = changed || doc_.value(c.section, c.key) != before;
    }
    if (changed) unsaved_ = true;
    if (unsaved_) ok = writeFile() && ok;
    return ok;
}

bool SettingsStore::close() {
    const std::lock_guard lock(mutex_);
    if (!open_) return true;
    const std::string list = joinList(sectors_);
    const auto stored = doc_.value(kBookkeepingSection, kBookkeepingKey);
    if ((stored || !list.empty()) && stored != list) {
        unsaved_ = doc_.setValue(kBookkeepingSection, kBookkeepingKey, list) || unsaved_;
    }
    const bool ok = !unsaved_ || writeFile();
    open_ = false;
    return ok;
}

IniDocument SettingsStore::snapshot() const {
    const std::lock_guard lock(mutex_);
    return doc_;
}

std::vector<std::string> SettingsStore::sectors() const {
    const std::lock_guard lock(mutex_);
    return sectors_;
}

bool SettingsStore::writeFile() {
    if (!mayWrite_ || !replaceFile(file_, doc_.serialize())) return false;
    unsaved_ = false;
    return true;
}

void SettingsStore::noteSector(std::string_view section) {
    while (!section.empty() && section.front() == ' ') section.remove_prefix(1);
    section = trimRight(section);
    if (compareNoCase(section, kBookkeepingSection) == 0) return;
    if (section.find(',') != std::string_view::npos) return;  // the list could not hold it
    const bool known = std::any_of(sectors_.begin(), sectors_.end(), [&](const std::string& s) {
        return compareNoCase(s, section) == 0;
    });
    if (!known) sectors_.emplace_back(section);
}

}  // namespace ntx
