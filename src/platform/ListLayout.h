#pragma once
// The column layout memory of the two list windows: the format string the user left the
// list with ("SRCF" followed by the list control's name) and the designed format it was
// saved against ("SRCFOriginal" followed by the control's name), in the list's section.

#include <string>
#include <string_view>

#include "platform/SettingsStore.h"

namespace ntx {

struct ListLayoutKeys {
    std::string_view section;  // the list's procedure
    std::string_view control;  // the list control's use name
    [[nodiscard]] std::string savedKey() const;
    [[nodiscard]] std::string designedKey() const;
};

inline constexpr ListLayoutKeys kBirthdayListLayout{"BrowseBirthdays", "?Browse:2"};
inline constexpr ListLayoutKeys kReminderListLayout{"BrowseReminders", "?Browse:1"};

// The format a list opens with. The saved format is used only while the designed format it
// was saved against equals `designed`, is not blank and contains "@", and the saved format
// itself is not blank. Otherwise the layout is reset: `designed` is written under both keys
// and returned.
[[nodiscard]] std::string openListLayout(SettingsStore& settings, const ListLayoutKeys& list,
                                         std::string_view designed);

// Saves the format the list has when it closes. Returns false when the file could not be
// written.
bool saveListLayout(SettingsStore& settings, const ListLayoutKeys& list, std::string_view current);

}  // namespace ntx
