#include "shell/CountCurrentReminders.h"

#include "data/Globals.h"
#include "data/ReminderFile.h"
#include "shell/MonthCount.h"

namespace ntx {

void CountCurrentReminders::run(ThreadContext& thread, Date today) {
    globals().anyReminders.clear();
    globals().reminderCount = 0;
    const MonthCountResult r = countThisMonth(
        thread, thread.files().reminders(),
        {"CountCurrentReminders", remkey::MonthKey, "REM:DATE", "  Reminders for "}, today);
    globals().anyReminders = r.text;
    globals().reminderCount = r.count;
}

}  // namespace ntx
