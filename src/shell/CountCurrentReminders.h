#pragma once
// Counts the reminders that fall in the current month (of any year) and puts the toolbar text
// into GLO:ANYREMINDERS. Runs on the caller's thread and returns when done.

#include "data/ThreadContext.h"

namespace ntx {

class CountCurrentReminders {
  public:
    // `today` gives the month; the thread's own files are used.
    static void run(ThreadContext& thread, Date today);
};

}  // namespace ntx
