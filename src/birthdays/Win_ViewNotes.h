#pragma once
// The notes viewer: the long notes of the person in the thread's Birthday record buffer in a
// larger, resizable window, with a button that prints that person's birthday book page.
// Nothing typed into the notes is saved, and the record buffer is left as it was found.

#include <QDialog>
#include <functional>
#include <string>

#include "platform/qt/AppContext.h"
#include "platform/qt/ProcedureWindow.h"

class QPlainTextEdit;

namespace ntx {

class Win_ViewNotes : public QDialog {
    Q_OBJECT
  public:
    // Called on the caller's thread with the person in the thread's Birthday record buffer.
    // Opens the viewer window-modal to `owner` and returns at once; `done` is called from
    // the event loop when the viewer has closed, with the thread's response code cancelled.
    static void run(AppContext& app, ThreadContext& thread, QWidget* owner,
                    std::function<void()> done);

    // Prints the birthday book page of the person in the thread's Birthday record buffer,
    // photograph included (the shown photo path is set for it), on the same thread over
    // `owner`.
    using PrintPersonPage =
        std::function<void(AppContext& app, ThreadContext& thread, QWidget* owner)>;
    // Installed by the one-person report. Until one is installed the print button does
    // nothing.
    static void setPrintPersonPage(PrintPersonPage print) { printPersonPage_ = std::move(print); }

  private:
    Win_ViewNotes(AppContext& app, ThreadContext& thread, QWidget* owner,
                  std::function<void()> done);
    void build();
    void print();
    void ended();

    AppContext& app_;
    ThreadContext& thread_;
    ProcedureWindow procedure_;
    std::function<void()> done_;
    QPlainTextEdit* notes_ = nullptr;
    // The notes as the buffer held them, put back if printing took the typed text along.
    std::string bufferNotes_;
    bool openedFile_ = false;
    bool ended_ = false;

    static inline PrintPersonPage printPersonPage_;
};

}  // namespace ntx
