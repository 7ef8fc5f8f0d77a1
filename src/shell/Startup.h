#pragma once
// The program's start and end: the settings file, the first thread and its files, the
// application icon, the single-instance lock "MyApp" (a second copy brings the running
// copy's frame forward and ends), the drag setting switched off while the program runs,
// the main frame, and everything undone in reverse order when the frame closes.

#include <filesystem>
#include <functional>

#include "platform/DragSetting.h"
#include "platform/UiServices.h"
#include "platform/qt/SingleInstance.h"

namespace ntx {

class Main;

class Startup {
  public:
    struct Parts {
        UiServices ui;
        DragSetting& drag;
        SingleInstance& instance;
        std::filesystem::path folder;  // where the program's files lie
    };

    // Runs the whole program: returns when the frame has closed (or at once for a second
    // copy or a failed lock). `frameOpened` is called with the open frame (tests use it).
    static int run(Parts& parts, const std::function<void(Main&)>& frameOpened = {});
};

}  // namespace ntx
