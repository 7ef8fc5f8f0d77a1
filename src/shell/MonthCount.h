#pragma once
// What the two start-up counts share: how many records of a file fall in today's month
// (of any year), read in the order of the file's month key, and the toolbar text for it.

#include <cstdint>
#include <string>

#include "data/ThreadContext.h"

namespace ntx {

struct MonthCountSettings {
    const char* procedure;  // "CountCurrentBirthdays"
    int key;                // the file's month key
    const char* dateField;  // "BIR:DOB"
    const char* label;      // "  Birthdays for "
};

struct MonthCountResult {
    std::string text;  // blank when the file is empty or nothing is in the key
    std::int32_t count = 0;
};

// Counts in `file` (opened and closed here) the records of the month key whose date falls
// in the month of `today`. Failures are reported by the file's manager; the text is blank.
[[nodiscard]] MonthCountResult countThisMonth(ThreadContext& thread, FileAccessManager& file,
                                              const MonthCountSettings& settings, Date today);

// "3  Birthdays for March", cut to 30 characters.
[[nodiscard]] std::string monthCountText(std::int32_t count, const char* label, int month);

}  // namespace ntx
