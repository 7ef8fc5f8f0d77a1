#pragma once
// What the two list windows share: a child window of the frame on a thread of its own,
// only one open at a time; tabs that each choose a sort order and set the caption; the
// browse list with its column layout memory; the record count; Insert, Change and Delete
// through the entry form; Close and help; the open flag and thread number that other
// windows read.

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "platform/ListLayout.h"
#include "platform/qt/AppContext.h"
#include "platform/qt/BrowseList.h"
#include "platform/qt/ProcedureWindow.h"

namespace ntx {

struct BrowseTab {
    const char* text;
    const char* useName;
    int key;
    const char* filter;
    int locator;
    const char* caption;
};

struct BrowseWindowDesign {
    const char* procedure;  // "BrowseBirthdays": the error manager's name and the settings section
    const char* caption;    // until the user first picks a tab
    const char* icon;
    const char* helpTopic;
    const char* helpKeyword;
    const char* tableName;  // "Browse:2"
    ListLayoutKeys layout;
    const char* designedFormat;
    std::vector<int> columnFields;
    std::span<const BrowseTab> tabs;
    const char* countPicture;                      // "N7"
    QSize designedSize, minimumSize, maximumSize;  // dialog units
    bool* openFlag;                                // process-wide: the list is open
    std::int32_t* threadSlot;                      // process-wide: the list's thread number
};

class BrowseWindow : public QWidget {
    Q_OBJECT
  public:
    ~BrowseWindow() override;

    [[nodiscard]] BrowseList& list() { return *list_; }
    [[nodiscard]] std::int64_t recordCount() const { return count_; }

  protected:
    BrowseWindow(AppContext& app, ThreadContext& thread, FileAccessManager& file,
                 BrowseWindowDesign design);

    // Opens a list of type W as a child window in `area`, or brings the open one forward.
    template <class W>
    static W* startIn(AppContext& app, QMdiArea* area, QPointer<W>& instance);

    // The entry form for a request; calls `done` with the response when it closes.
    virtual void runForm(std::uint8_t request, std::function<void(std::uint8_t)> done) = 0;
    // The text colour of a row; invalid for the list's default.
    [[nodiscard]] virtual QColor rowColour(const RecordValues& values) const = 0;
    // After every change of highlight, tab or rows.
    virtual void refresh() {}
    // Before the form is called for `request` (the highlighted record is in the buffer).
    virtual void beforeForm(std::uint8_t /*request*/) {}
    // After the file has been closed, as the window closes.
    virtual void afterClose() {}

    void closeEvent(QCloseEvent* event) override;

    // Runs a called procedure (form, viewer): the list takes no events until `done`.
    void callOnThread(const std::function<void(std::function<void()>)>& call);

    [[nodiscard]] AppContext& app() const { return app_; }
    [[nodiscard]] ThreadContext& thread() const { return thread_; }
    [[nodiscard]] RecordBuffer& record() const { return file_.buffer(); }
    void reloadRows(const KeyPosition* at = nullptr);
    [[nodiscard]] int currentTab() const { return tab_; }

    QTabBar* tabs_ = nullptr;
    BrowseList* list_ = nullptr;
    QLabel* countLabel_ = nullptr;
    QPushButton* insert_ = nullptr;
    QPushButton* change_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* close_ = nullptr;
    QPushButton* help_ = nullptr;

  private:
    bool open(QMdiSubWindow* window);
    void chooseTab(int index);
    void callForm(std::uint8_t request);
    void updateCount(std::int64_t n);

    AppContext& app_;
    ThreadContext& thread_;
    FileAccessManager& file_;
    BrowseWindowDesign design_;
    std::unique_ptr<ProcedureWindow> procedure_;
    bool fileOpened_ = false;
    bool inCall_ = false;
    std::int64_t count_ = 0;
    int tab_ = -1;
};

template <class W>
W* BrowseWindow::startIn(AppContext& app, QMdiArea* area, QPointer<W>& instance) {
    if (instance) {
        bringToFront(instance->parentWidget());
        return instance;
    }
    ThreadContext& thread = app.threads.start();
    auto* window = new W(app, thread);
    QMdiSubWindow* child = area->addSubWindow(window);
    child->setAttribute(Qt::WA_DeleteOnClose);
    if (!window->open(child)) {
        child->close();
        return nullptr;
    }
    instance = window;
    child->show();
    window->list_->table()->setFocus();
    return window;
}

}  // namespace ntx
