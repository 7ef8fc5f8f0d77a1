#pragma once
// Dates shown and typed through date pictures ("D4", "D17", "D017", "D18").

#include <string>
#include <string_view>

#include "platform/Dates.h"
#include "platform/LocaleConventions.h"
#include "platform/Picture.h"

namespace ntx {

// The date as the picture shows it; empty for 0 and for a day number outside the valid
// range. Short dates always have a four-digit year.
[[nodiscard]] std::string formatDate(const Picture& picture, Date date,
                                     const LocaleConventions& locale);

// Reads a typed date in the locale's order: with separators ("15/03/1980", "15.3.1980",
// "15-03-1980", "15 3 1980") or as eight digits ("15031980"), always with a four-digit
// year. Blank entry gives 0 (no date). A day that does not exist (31/02/1980) or lies
// before 1801 or after 9999 is refused.
[[nodiscard]] EntryResult parseDateEntry(std::string_view typed, const LocaleConventions& locale);

}  // namespace ntx
