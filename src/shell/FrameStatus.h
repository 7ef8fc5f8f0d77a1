#pragma once
// What the main frame's status bar shows, and its timer rule.

#include <string>

#include "platform/Dates.h"
#include "platform/LocaleConventions.h"

namespace ntx {

// Zone 3: the weekday name, ", ", then the date as "October 31, 1959".
[[nodiscard]] std::string statusDateText(Date today, const LocaleConventions& locale);
// Zone 4: hours and minutes on the twelve-hour clock, "5:30PM".
[[nodiscard]] std::string statusTimeText(Time now, const LocaleConventions& locale);
// The frame's timer in hundredths of a second: the designed value when it lies between 1
// and 100, otherwise 100 (one second).
[[nodiscard]] int frameTimerInterval(int designed);

}  // namespace ntx
