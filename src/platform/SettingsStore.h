#pragma once
// The settings file "NTX.ini" in the current folder: window positions and list layouts,
// one section per procedure.
//
// The store reads the whole file when it opens and writes the whole file after every
// change, to a temporary file that is then renamed over the old one, so a crash never
// leaves half a file. Sections and keys the program does not know are kept as they were.
// Problems with the file never stop the program: a file that cannot be read or is garbled
// gives what could be read, and a failed write leaves the old file as it was (the change is
// kept in memory and written with the next one).
//
// Under "__Dont_Touch_Me__", key "Sectors", the store keeps its own list: the sections it
// has written for the program, comma-separated, gathered over all runs. It is read when
// the store opens and written when it closes.
//
// Threads: every operation takes the store's lock, so windows on any thread may use it.

#include <filesystem>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/IniDocument.h"

namespace ntx {

inline constexpr std::string_view kSettingsFileName = "NTX.ini";
inline constexpr std::string_view kBookkeepingSection = "__Dont_Touch_Me__";
inline constexpr std::string_view kBookkeepingKey = "Sectors";

// One change of a key: a new value, or its removal when `value` is empty.
struct SettingChange {
    std::string section;
    std::string key;
    std::optional<std::string> value;
};

class SettingsStore {
  public:
    // Starts the store on `file` (normally kSettingsFileName, relative to the current
    // folder). A missing file gives an empty store; the first change creates it. A file
    // that exists but cannot be read also gives an empty store, and the store then never
    // writes over it.
    void open(std::filesystem::path file);
    [[nodiscard]] bool isOpen() const;

    // The value of a key; nothing when the section or the key is missing or the store is
    // not open.
    [[nodiscard]] std::optional<std::string> fetchValue(std::string_view section,
                                                        std::string_view key) const;

    // Writes one key (surrounding blanks of the value are dropped, as the file cannot hold
    // them). Returns false when the store is not open, the names or the value cannot be
    // held by the file (a line break, for instance; see IniDocument::isWritable), or the
    // file could not be written.
    bool updateValue(std::string_view section, std::string_view key, std::string_view value);
    bool deleteValue(std::string_view section, std::string_view key);

    // Applies all changes, then writes the file once. A change the file cannot hold is
    // skipped and makes the result false; the others are still made.
    bool apply(std::span<const SettingChange> changes);

    // Writes the bookkeeping list and ends the store. Returns false when the file could not
    // be written.
    bool close();

    // A copy of the settings as they stand in memory.
    [[nodiscard]] IniDocument snapshot() const;
    // The sections written for the program, from the bookkeeping list and this run.
    [[nodiscard]] std::vector<std::string> sectors() const;

  private:
    bool writeFile();  // called with the lock held
    void noteSector(std::string_view section);

    mutable std::mutex mutex_;
    std::filesystem::path file_;
    bool open_ = false;
    bool mayWrite_ = true;
    bool unsaved_ = false;
    IniDocument doc_;
    std::vector<std::string> sectors_;
};

}  // namespace ntx
