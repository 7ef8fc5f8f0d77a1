#pragma once
// The reminder list: every reminder of the Reminder file in fourteen tabs (all by date,
// all by description, and one per calendar month), the notes of the highlighted reminder
// under the list with a splitter bar between them, and Insert, Change and Delete through
// the reminder form. Only one reminder list is open at a time; when it closes, this
// month's reminders are counted again for the main frame's toolbar.

#include <QPlainTextEdit>

#include "platform/qt/BrowseWindow.h"

namespace ntx {

class Main;

class BrowseReminders : public BrowseWindow {
    Q_OBJECT
  public:
    // Starts the list on a thread of its own as a child window of the frame, or brings the
    // open list forward. Returns the list (nullptr when the file could not be opened).
    static BrowseReminders* start(AppContext& app, Main& frame);

    BrowseReminders(AppContext& app, ThreadContext& thread);

    static const char* const kDesignedFormat;

  protected:
    void runForm(std::uint8_t request, std::function<void(std::uint8_t)> done) override;
    [[nodiscard]] QColor rowColour(const RecordValues& values) const override;
    void refresh() override;
    void afterClose() override;

  private:
    QPlainTextEdit* notes_ = nullptr;
};

}  // namespace ntx
