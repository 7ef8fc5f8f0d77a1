#pragma once
// The reminder form: one reminder added, changed, viewed or deleted. It keeps the month
// name and number of the reminder's date, fills in today's date when the date is left
// empty, and refuses a reminder without a description.

#include <cstdint>
#include <functional>

#include "platform/qt/UpdateForm.h"

namespace ntx {

class UpdateReminders : public UpdateForm {
    Q_OBJECT
  public:
    // Called by the reminder list on its own thread, with the request in the thread's
    // request code and, for change, view and delete, the highlighted reminder in the
    // thread's Reminder record buffer. Returns at once; `done` gets the response when the
    // form has ended (at once, without a window, for a delete).
    static void run(AppContext& app, ThreadContext& thread, QWidget* owner,
                    std::function<void(std::uint8_t)> done);

  protected:
    void fieldAccepted(int field) override;
    bool checkEntries() override;
    void okAccepted() override;

  private:
    UpdateReminders(AppContext& app, ThreadContext& thread, QWidget* owner,
                    std::function<void(std::uint8_t)> done);
    void build();
    void deriveMonth();
    void pickDate();
    void viewCalendar();
};

}  // namespace ntx
