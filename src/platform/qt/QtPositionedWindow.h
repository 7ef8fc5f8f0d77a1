#pragma once
// The position rules' view of a real window (a top-level window or a child window of the
// main frame), in dialog units of the window's font.

#include <QPointer>
#include <QWidget>

#include "platform/WindowPosition.h"

namespace ntx {

class QtPositionedWindow : public PositionedWindow {
  public:
    // `resizable`: whether the user can resize the window (only then are sizes kept).
    QtPositionedWindow(QWidget* window, bool resizable) : window_(window), resizable_(resizable) {}

    [[nodiscard]] bool isMaximized() const override;
    [[nodiscard]] bool isMinimized() const override;
    [[nodiscard]] bool isResizable() const override { return resizable_; }
    [[nodiscard]] WindowPlacement placement() const override;
    void moveTo(int x, int y) override;
    void resizeTo(int width, int height) override;
    void setMaximized(bool maximized) override;
    void setMinimized(bool minimized) override;

  private:
    QPointer<QWidget> window_;
    bool resizable_;
};

}  // namespace ntx
