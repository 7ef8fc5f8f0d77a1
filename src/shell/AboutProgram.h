#pragma once
// The About window: the program's name and version, a link to the maker's web site and
// the licence agreement. It closes itself when it loses the focus, after two minutes, or
// with "Close".

#include <QDialog>
#include <QTimer>
#include <memory>

#include "platform/qt/AppContext.h"
#include "platform/qt/ProcedureWindow.h"

namespace ntx {

class AboutProgram : public QDialog {
    Q_OBJECT
  public:
    // Starts the window on a thread of its own, over `frame`.
    static AboutProgram* start(AppContext& app, QWidget* frame);

    AboutProgram(AppContext& app, ThreadContext& thread, QWidget* frame);
    ~AboutProgram() override;

  protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    void build();
    void showLicence();

    AppContext& app_;
    ThreadContext& thread_;
    ProcedureWindow procedure_;
    QTimer timer_;
    bool inLicence_ = false;
};

}  // namespace ntx
