#include "shell/Startup.h"

#include <QApplication>

#include "data/ThreadContext.h"
#include "platform/SettingsStore.h"
#include "platform/qt/AppContext.h"
#include "platform/qt/FocusColouring.h"
#include "platform/qt/ProcedureWindow.h"
#include "shell/Artwork.h"
#include "shell/Main.h"

namespace ntx {
namespace {

void plainMessage(MessageService& messages, const char* text) {
    messages.show({"", text, MessageIcon::None, "&OK", 1});
}

}  // namespace

int Startup::run(Parts& parts, const std::function<void(Main&)>& frameOpened) {
    ThreadRegistry threads(&parts.ui.messages, parts.folder);
    ThreadContext& first = threads.start();
    SettingsStore settings;
    settings.open(parts.folder / std::string(kSettingsFileName));
    first.setUpFiles(parts.folder);
    QApplication::setWindowIcon(artworkIcon(QStringLiteral("UserOrg.ico")));

    if (!parts.instance.create()) {
        plainMessage(parts.ui.messages, "Error: Mutex cannot be created");
        return 1;
    }
    switch (parts.instance.acquire()) {
        case SingleInstance::Result::Obtained:
            break;
        case SingleInstance::Result::OtherCopyRuns:
            // The running copy brings its frame forward; this copy opens nothing.
            parts.instance.askRunningCopyToShow();
            return 0;
        case SingleInstance::Result::Failed:
            plainMessage(parts.ui.messages, "Wait failed");
            return 1;
    }

    const bool dragWasOn = parts.drag.showContentsWhileDragging();
    if (dragWasOn) parts.drag.setShowContentsWhileDragging(false);

    {
        AppContext app{threads, settings, parts.ui, parts.folder};
        FocusColouring focusColouring;
        Main frame(app, first);
        frame.setAttribute(Qt::WA_QuitOnClose);
        QObject::connect(&parts.instance, &SingleInstance::showRequested, &frame,
                         [&frame] { bringToFront(&frame); });
        frame.open();
        if (frameOpened) frameOpened(frame);
        if (frame.isVisible()) QApplication::exec();
    }

    parts.instance.release();
    if (dragWasOn) parts.drag.setShowContentsWhileDragging(true);
    settings.close();
    threads.end(first.number());
    return 0;
}

}  // namespace ntx
