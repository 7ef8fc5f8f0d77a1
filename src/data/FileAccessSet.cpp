#include "data/FileAccessSet.h"

#include "data/BirthdayFile.h"
#include "data/ReminderFile.h"

namespace ntx {

FileAccessSet::FileAccessSet(ErrorManager& errors, const std::filesystem::path& folder)
    : birthdays_(birthdayFile(), errors, folder), reminders_(reminderFile(), errors, folder) {}

}  // namespace ntx
