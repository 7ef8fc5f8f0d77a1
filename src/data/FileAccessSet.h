#pragma once
// A logical thread's own instances of the two record files: one file access manager (with
// its record buffer and SQLite connection) per file. Procedures open a file when they start
// and close it when they end; the file stays open while any procedure of the thread uses it.

#include <filesystem>

#include "platform/FileAccessManager.h"

namespace ntx {

class FileAccessSet {
  public:
    FileAccessSet(ErrorManager& errors, const std::filesystem::path& folder);

    [[nodiscard]] FileAccessManager& birthdays() { return birthdays_; }
    [[nodiscard]] FileAccessManager& reminders() { return reminders_; }

  private:
    FileAccessManager birthdays_;
    FileAccessManager reminders_;
};

}  // namespace ntx
