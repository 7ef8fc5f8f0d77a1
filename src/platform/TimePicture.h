#pragma once
// Times of day shown and typed through time pictures ("T3", "T7").

#include <string>
#include <string_view>

#include "platform/Dates.h"
#include "platform/LocaleConventions.h"
#include "platform/Picture.h"

namespace ntx {

// The time as the picture shows it, hours and minutes only: "T3" on the twelve-hour clock
// with AM or PM («5:30PM», «12:30AM»); "T7" in the locale's clock («5:30PM» or «17:30»).
// Empty for 0 (no time) and for a value outside the day.
[[nodiscard]] std::string formatTime(const Picture& picture, Time time,
                                     const LocaleConventions& locale);

// Reads a typed time: hours, or hours and minutes (and seconds) separated by ":" or ".",
// or three or four digits ("530", "1730"); optionally followed by "a", "p", "am", "pm",
// "a.m.", "p.m." or the locale's own words, in any case ("5:30p", "12:30a", "17:30",
// "5:30 PM"). Blank entry gives 0 (no time). Hours past 23, or past 12 with am/pm,
// minutes or seconds past 59, and anything else are refused.
[[nodiscard]] EntryResult parseTimeEntry(std::string_view typed, const LocaleConventions& locale);

}  // namespace ntx
