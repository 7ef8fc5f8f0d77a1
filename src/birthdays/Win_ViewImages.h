#pragma once
// The photo viewer: the picture named by the shown photo path, fitted to the window keeping
// its proportions (again after every resize), with the shown photo name as caption. Only one
// photo viewer is open at a time in the program.

#include <QDialog>
#include <QImage>
#include <QPointer>
#include <cstdint>
#include <functional>

#include "platform/qt/AppContext.h"
#include "platform/qt/ProcedureWindow.h"

class QLabel;

namespace ntx {

class Win_ViewImages : public QDialog {
    Q_OBJECT
  public:
    // Called on the caller's thread once the caller has set the shown photo path and name.
    // Opens the viewer window-modal to `owner` and returns at once; `done` is called from
    // the event loop when the viewer has closed, with the thread's response code cancelled
    // and the shown photo path and name blank. When a photo viewer is already open, that
    // one is brought forward instead and `done` follows at once (from the event loop too).
    static void run(AppContext& app, ThreadContext& thread, QWidget* owner,
                    std::function<void()> done);

    ~Win_ViewImages() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Win_ViewImages(AppContext& app, ThreadContext& thread, QWidget* owner,
                   std::function<void()> done);
    void build();
    void loadPicture();
    void fitPicture();
    void ended();
    void releaseShownPhoto();

    AppContext& app_;
    ThreadContext& thread_;
    ProcedureWindow procedure_;
    std::function<void()> done_;
    QWidget* region_ = nullptr;
    QLabel* image_ = nullptr;
    // The picture as read (possibly reduced for display) and its own size.
    QImage picture_;
    QSize naturalSize_;
    std::int32_t threadNumber_;
    bool storedViewerThread_ = false;
    bool ended_ = false;

    static inline QPointer<Win_ViewImages> open_;
};

}  // namespace ntx
