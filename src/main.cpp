// Natalix: a personal birthday book. The program keeps its files in the folder it is
// started from and takes no arguments.
#include <QApplication>
#include <filesystem>

#include "platform/DragSetting.h"
#include "platform/qt/ChmHelpService.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/SingleInstance.h"
#include "shell/Startup.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Natalix"));
    QApplication::setDesktopFileName(QStringLiteral("natalix"));

    ntx::SystemClock clock;
    ntx::QtMessageBox messages;
    ntx::QtDatePicker dates(clock);
    ntx::QtFileDialog files;
    ntx::QtClipboard clipboard;
    ntx::QtShell shell;
    ntx::ChmHelpService help(messages, shell, std::filesystem::current_path());
    ntx::QtPrinterSetup printer;
    ntx::SystemDragSetting drag;
    ntx::SingleInstance instance;

    ntx::Startup::Parts parts{{messages, dates, files, clipboard, shell, help, printer, clock},
                              drag,
                              instance,
                              std::filesystem::current_path()};
    return ntx::Startup::run(parts);
}
