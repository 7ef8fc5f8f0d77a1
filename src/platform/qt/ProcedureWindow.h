#pragma once
// The protocol every window procedure follows. When its window opens: register the
// procedure's name with the thread's error manager, take the thread's request code and
// clear the request and response codes, apply the minimum and maximum sizes and restore
// the window's saved place. When it closes: save the place, unregister the name.

#include <QPointer>
#include <QSize>
#include <QWidget>
#include <cstdint>
#include <string>

#include "data/ThreadContext.h"
#include "platform/SettingsStore.h"

namespace ntx {

class ProcedureWindow {
  public:
    // `window` is the procedure's window (a top-level window or a child window of the
    // frame); `resizable` whether the user can resize it.
    ProcedureWindow(std::string name, ThreadContext& thread, SettingsStore& settings,
                    QWidget* window, bool resizable);

    // Sizes in dialog units of the window's font; 0 leaves that limit as it is.
    void setSizeLimits(QSize minimumUnits, QSize maximumUnits = {});

    // Returns the request code the procedure was called with.
    std::uint8_t open();
    void close();

    [[nodiscard]] const std::string& name() const { return name_; }
    [[nodiscard]] bool isOpen() const { return opened_; }

  private:
    std::string name_;
    ThreadContext& thread_;
    SettingsStore& settings_;
    QPointer<QWidget> window_;
    bool resizable_;
    bool opened_ = false;
};

// Brings an open window to the front, restoring it first when it is minimised.
void bringToFront(QWidget* window);

}  // namespace ntx
