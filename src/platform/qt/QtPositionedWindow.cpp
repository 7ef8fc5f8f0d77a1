#include "platform/qt/QtPositionedWindow.h"

#include "platform/qt/DialogUnits.h"

namespace ntx {

bool QtPositionedWindow::isMaximized() const {
    return window_ && window_->isMaximized();
}
bool QtPositionedWindow::isMinimized() const {
    return window_ && window_->isMinimized();
}

WindowPlacement QtPositionedWindow::placement() const {
    if (!window_) return {};
    const DialogUnits du(window_->font());
    // The normal geometry is the place the window returns to from maximised or minimised.
    const QRect r = window_->isWindow() && (window_->isMaximized() || window_->isMinimized())
                        ? window_->normalGeometry()
                        : window_->geometry();
    return {du.fromPixelsX(r.x()), du.fromPixelsY(r.y()), du.fromPixelsX(r.width()),
            du.fromPixelsY(r.height())};
}

void QtPositionedWindow::moveTo(int x, int y) {
    if (!window_) return;
    const DialogUnits du(window_->font());
    window_->move(du.toPixelsX(x), du.toPixelsY(y));
}

void QtPositionedWindow::resizeTo(int width, int height) {
    if (!window_) return;
    const DialogUnits du(window_->font());
    window_->resize(du.toPixelsX(width), du.toPixelsY(height));
}

void QtPositionedWindow::setMaximized(bool maximized) {
    if (!window_) return;
    if (maximized) {
        window_->setWindowState(window_->windowState() | Qt::WindowMaximized);
    } else {
        window_->setWindowState(window_->windowState() & ~Qt::WindowMaximized);
    }
}

void QtPositionedWindow::setMinimized(bool minimized) {
    if (!window_) return;
    if (minimized) {
        window_->setWindowState(window_->windowState() | Qt::WindowMinimized);
    } else {
        window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    }
}

}  // namespace ntx
