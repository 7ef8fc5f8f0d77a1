#pragma once
// Values shared by every logical thread of the program. They are plain values without
// locks: all windows run on the user-interface thread, and each value is written by one
// window and only decides whether a message is shown, a window is brought forward or a
// default is offered.

#include <cstdint>
#include <string>

#include "platform/Dates.h"
#include "platform/FilterValue.h"

namespace ntx {

struct Globals {
    Date thisDay = kNoDate;           // GLO:THISDAY: the day the main frame opened
    Date programStartDate = kNoDate;  // default "Current Date" of a new person
    std::string anyBirthdays;         // GLO:ANYBIRTHDAYS, at most 30 characters
    std::string anyReminders;         // GLO:ANYREMINDERS, at most 30 characters
    std::string rptMonth;             // GLO:RPTMONTH: "1" .. "12", blank until chosen
    bool birthdayListOpen = false;
    bool reminderListOpen = false;
    std::int32_t birthdayListThread = 0;
    std::int32_t reminderListThread = 0;
    std::int32_t photoViewerThread = 0;
    std::int32_t backupWindowThread = 0;
    bool newBirthday = false;
    std::string shownPhotoPath;  // at most 128 characters
    std::string shownPhotoName;  // at most 45 characters
    std::int32_t birthdayCount = 0;
    std::int32_t reminderCount = 0;
};

// The program's one set of shared values.
[[nodiscard]] Globals& globals();

// Makes GLO:RPTMONTH known to filters under the name "GLO:RptMonth" (a text that compares
// as a number with numbers).
[[nodiscard]] FilterBinding rptMonthBinding();

}  // namespace ntx
