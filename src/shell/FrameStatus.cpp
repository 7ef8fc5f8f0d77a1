#include "shell/FrameStatus.h"

#include "platform/DatePicture.h"
#include "platform/Text.h"
#include "platform/TimePicture.h"

namespace ntx {
namespace {

// Seven names of nine characters each, Sunday first.
constexpr std::string_view kWeekdays =
    "Sunday   Monday   Tuesday  WednesdayThursday Friday   Saturday ";

}  // namespace

std::string statusDateText(Date today, const LocaleConventions& locale) {
    // Day 4, 1 January 1801, was a Thursday: the day number modulo 7 is the weekday.
    int weekday = today % 7;
    if (weekday < 0) weekday += 7;
    const std::string_view name =
        trimRight(kWeekdays.substr(static_cast<std::size_t>(weekday) * 9, 9));
    return std::string(name) + ", " + formatDate(*parsePicture("@D4"), today, locale);
}

std::string statusTimeText(Time now, const LocaleConventions& locale) {
    return formatTime(*parsePicture("@T3"), now, locale);
}

int frameTimerInterval(int designed) {
    return designed >= 1 && designed <= 100 ? designed : 100;
}

}  // namespace ntx
