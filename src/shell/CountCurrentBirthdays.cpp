#include "shell/CountCurrentBirthdays.h"

#include "data/BirthdayFile.h"
#include "data/Globals.h"
#include "shell/MonthCount.h"

namespace ntx {

void CountCurrentBirthdays::run(ThreadContext& thread, Date today) {
    globals().anyBirthdays.clear();
    globals().birthdayCount = 0;
    const MonthCountResult r = countThisMonth(
        thread, thread.files().birthdays(),
        {"CountCurrentBirthdays", birkey::MonthKey, "BIR:DOB", "  Birthdays for "}, today);
    globals().anyBirthdays = r.text;
    globals().birthdayCount = r.count;
}

}  // namespace ntx
