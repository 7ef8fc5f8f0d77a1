#pragma once
// A main frame over a temporary folder with scripted services and a fixed today, for
// window tests on the offscreen platform.

#include <QApplication>
#include <memory>

#include "platform/ScriptedServices.h"
#include "platform/SettingsStore.h"
#include "platform/qt/AppContext.h"
#include "shell/Main.h"
#include "support/StoreFixture.h"

namespace ntx::test {

class FrameFixture {
  public:
    FrameFixture()
        : threads(&ui.messages, folder.path()),
          first(threads.start()),
          app{threads, settings, ui.services(), folder.path()} {
        first.setUpFiles(folder.path());
        settings.open(folder / "NTX.ini");
    }
    ~FrameFixture() {
        if (frame) frame->close();
        frame.reset();
        settings.close();
    }

    Main& openFrame() {
        frame = std::make_unique<Main>(app, first);
        frame->open();
        return *frame;
    }

    // Triggers a menu item or toolbar button by its use name without "?".
    void choose(const char* useName) { frame->action(QString::fromLatin1(useName))->trigger(); }

    TempFolder folder;
    ScriptedUi ui;
    ThreadRegistry threads;
    ThreadContext& first;
    SettingsStore settings;
    AppContext app;
    std::unique_ptr<Main> frame;
};

}  // namespace ntx::test
