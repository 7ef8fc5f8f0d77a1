#pragma once
// The licence agreement: the text of "viewlic.txt" from the program's folder in a plain
// read-only viewer, or a message when the file is missing or cannot be read.

#include <QWidget>

#include "platform/qt/AppContext.h"

namespace ntx {

class ViewLicence {
  public:
    // Called on the caller's thread; returns when the viewer closes.
    static void run(AppContext& app, ThreadContext& thread, QWidget* owner);
};

}  // namespace ntx
