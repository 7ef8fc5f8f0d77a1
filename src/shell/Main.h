#pragma once
// The main frame: a multiple-document window whose menus and toolbar start every other
// procedure, with this month's counts on its toolbar and the weekday, date and time in its
// status bar. Closing it ends the program.

#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QTimer>
#include <functional>
#include <map>
#include <string>

#include "platform/LocaleConventions.h"
#include "platform/qt/AppContext.h"
#include "platform/qt/ProcedureWindow.h"

namespace ntx {

class Main : public QMainWindow {
    Q_OBJECT
  public:
    // Runs on `thread`, the program's first thread.
    Main(AppContext& app, ThreadContext& thread, QWidget* parent = nullptr);
    ~Main() override;

    // Counts this month's birthdays and reminders, fixes today's date for the run, restores
    // the saved place and shows the frame.
    void open();

    [[nodiscard]] QMdiArea* mdiArea() const { return mdi_; }
    // The action of a menu item or toolbar button, by use name without "?".
    [[nodiscard]] QAction* action(const QString& useName) const;
    // Lets a later procedure take over a menu item or toolbar button (by use name without
    // "?"); items without a procedure do nothing.
    void setProcedure(const std::string& useName, std::function<void()> run);
    // Shows GLO:ANYBIRTHDAYS and GLO:ANYREMINDERS on the toolbar.
    void refreshCounts();
    // Adds a procedure's window as a child window of the frame.
    QMdiSubWindow* addChildWindow(QWidget* window);

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    void connectActions();
    void run(const std::string& useName);
    void tick();
    void updateMaintenance();
    void autoUpdateAges();
    void backupButton();
    void checkForUpdates();
    void editCommand(const char* slot);
    void arrangeIcons();
    void showAbout();
    void contextHelp();

    AppContext& app_;
    ThreadContext& thread_;
    ProcedureWindow procedure_;
    LocaleConventions locale_;
    QMdiArea* mdi_ = nullptr;
    QLabel* zone2_ = nullptr;
    QLabel* zone3_ = nullptr;
    QLabel* zone4_ = nullptr;
    QLabel* reminders_ = nullptr;
    QLabel* birthdays_ = nullptr;
    QTimer timer_;
    bool windowsOpen_ = false;
    std::map<std::string, QAction*> actions_;
    std::map<std::string, std::function<void()>> procedures_;
};

}  // namespace ntx
