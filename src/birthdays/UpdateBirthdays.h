#pragma once
// The birthday entry form: one person of the Birthday file added, changed or deleted, over
// four tabs (birthday details, other details, notes, photograph). While the user types it
// keeps the derived fields up to date (name forms, address name, age, month and day of
// birth, zodiac sign); before saving it checks that a name is given and that the date of
// birth does not lie after "Current Date".

#include <QImage>
#include <cstdint>
#include <functional>

#include "platform/qt/UpdateForm.h"

class QLabel;
class QPushButton;

namespace ntx {

class UpdateBirthdays : public UpdateForm {
    Q_OBJECT
  public:
    // Called by the birthday list on its own thread, with the request in the thread's
    // request code, the new birthday flag set, and the highlighted person (if any) in the
    // thread's Birthday record buffer. Returns at once; `done` is called with the response
    // once the form has ended (at once, without a window, for a delete).
    static void run(AppContext& app, ThreadContext& thread, QWidget* owner,
                    std::function<void(std::uint8_t response)> done);

  protected:
    void primeRecord() override;
    void windowReset() override;
    void entryFocused(int field) override;
    void fieldAccepted(int field) override;
    bool checkEntries() override;
    void okAccepted() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    UpdateBirthdays(AppContext& app, ThreadContext& thread, QWidget* owner,
                    std::function<void(std::uint8_t)> done);
    void build();
    QWidget* buildBirthdayTab();
    QWidget* buildOtherTab();
    QWidget* buildNotesTab();
    QWidget* buildPhotographTab();

    void recalculate();
    void dateOfBirthAccepted();
    void pickDateOfBirth();
    void pickCurrentDate();
    void selectPhotograph();
    void showPicture();
    void fitPicture();
    void testView();
    void removePhotograph();

    QPushButton* calendar_ = nullptr;
    QPushButton* calendar2_ = nullptr;
    QPushButton* lookupFile_ = nullptr;
    QWidget* region_ = nullptr;
    QLabel* image_ = nullptr;
    QLabel* loading_ = nullptr;
    bool inViewer_ = false;
};

}  // namespace ntx
