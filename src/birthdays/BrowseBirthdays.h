#pragma once
// The birthday list: the people of the Birthday file in fourteen tabs (by name, by age and
// one per month of birth), the details of the highlighted person beside the list, and the
// buttons that add, change and delete people, show their photograph and notes, copy their
// address and start an e-mail. Only one birthday list is open at a time.

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QWidget>
#include <map>
#include <memory>
#include <string>

#include "platform/LocaleConventions.h"
#include "platform/qt/AppContext.h"
#include "platform/qt/BrowseList.h"
#include "platform/qt/ProcedureWindow.h"

class QMdiSubWindow;

namespace ntx {

class Main;

class BrowseBirthdays : public QWidget {
    Q_OBJECT
public:
    // Starts the list on a thread of its own as a child window of the frame, or brings the
    // open list forward. Returns the list's window.
    static BrowseBirthdays* start(AppContext& app, Main& frame);
    // The open list, if any.
    [[nodiscard]] static BrowseBirthdays* openList();

    BrowseBirthdays(AppContext& app, ThreadContext& thread);
    ~BrowseBirthdays() override;

    [[nodiscard]] BrowseList& list() { return *list_; }
    [[nodiscard]] std::int64_t recordCount() const { return count_; }
    [[nodiscard]] QString ageLine() const { return ageLine_->text(); }

    // The designed column format of the list.
    static const char* const kDesignedFormat;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void open(QMdiSubWindow* window);
    void build();
    QWidget* buildPanel();
    void chooseTab(int index);
    void reloadRows(const KeyPosition* at = nullptr);
    void refresh();
    void refreshAgeLine();
    void setHiddenColumns();
    void callForm(std::uint8_t request);
    void copyAddress();
    void startEmail();
    void showPhotograph();
    void showNotes();
    void printPerson();
    [[nodiscard]] QColor rowColour(const RecordValues& values) const;
    [[nodiscard]] RecordBuffer& person();

    AppContext& app_;
    ThreadContext& thread_;
    std::unique_ptr<ProcedureWindow> procedure_;
    LocaleConventions locale_;
    bool fileOpened_ = false;
    bool inCall_ = false;
    std::int64_t count_ = 0;
    bool ageColumnsHidden_ = true;
    bool starColumnHidden_ = true;
    int tab_ = -1;  // no tab picked yet: the first order is in force
    QTabBar* tabs_ = nullptr;
    BrowseList* list_ = nullptr;
    QLabel* countLabel_ = nullptr;
    QLabel* ageLine_ = nullptr;
    QCheckBox* ageBox_ = nullptr;
    QPushButton* starButton_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    QPushButton* notesButton_ = nullptr;
    QPlainTextEdit* notesBox_ = nullptr;
    std::map<int, QLabel*> fieldLabels_;
};

}  // namespace ntx
