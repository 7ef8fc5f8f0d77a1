#include "platform/qt/ProcedureWindow.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "platform/WindowPosition.h"
#include "platform/qt/DialogUnits.h"
#include "platform/qt/QtPositionedWindow.h"

namespace ntx {

ProcedureWindow::ProcedureWindow(std::string name, ThreadContext& thread, SettingsStore& settings,
                                 QWidget* window, bool resizable)
    : name_(std::move(name)),
      thread_(thread),
      settings_(settings),
      window_(window),
      resizable_(resizable) {}

void ProcedureWindow::setSizeLimits(QSize minimumUnits, QSize maximumUnits) {
    if (!window_) return;
    const DialogUnits du(window_->font());
    if (minimumUnits.isValid() && !minimumUnits.isEmpty())
        window_->setMinimumSize(du.toPixels(minimumUnits));
    if (maximumUnits.isValid() && !maximumUnits.isEmpty())
        window_->setMaximumSize(du.toPixels(maximumUnits));
}

std::uint8_t ProcedureWindow::open() {
    thread_.errors().registerProcedure(name_);
    const std::uint8_t request = thread_.takeRequest();
    if (window_) {
        QtPositionedWindow positioned(window_, resizable_);
        fetchWindowPosition(settings_, name_, positioned);
    }
    opened_ = true;
    return request;
}

void ProcedureWindow::close() {
    if (!opened_) return;
    opened_ = false;
    if (window_) {
        const QtPositionedWindow positioned(window_, resizable_);
        updateWindowPosition(settings_, name_, positioned);
    }
    thread_.errors().unregisterProcedure();
}

void bringToFront(QWidget* window) {
    if (window == nullptr) return;
    if (window->isMinimized()) window->showNormal();
    if (auto* child = qobject_cast<QMdiSubWindow*>(window); child && child->mdiArea()) {
        child->mdiArea()->setActiveSubWindow(child);
    }
    window->raise();
    window->activateWindow();
}

}  // namespace ntx
