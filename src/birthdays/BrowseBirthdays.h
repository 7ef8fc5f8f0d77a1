#pragma once
// The birthday list: the people of the Birthday file in fourteen tabs (by name, by age and
// one per month of birth), the details of the highlighted person beside the list, and the
// buttons that add, change and delete people, show their photograph and notes, copy their
// address and start an e-mail. Only one birthday list is open at a time.

#include <QCheckBox>
#include <QPlainTextEdit>
#include <map>

#include "platform/LocaleConventions.h"
#include "platform/qt/BrowseWindow.h"

namespace ntx {

class Main;

class BrowseBirthdays : public BrowseWindow {
    Q_OBJECT
  public:
    // Starts the list on a thread of its own as a child window of the frame, or brings the
    // open list forward. Returns the list (nullptr when the file could not be opened).
    static BrowseBirthdays* start(AppContext& app, Main& frame);

    BrowseBirthdays(AppContext& app, ThreadContext& thread);

    [[nodiscard]] QString ageLine() const { return ageLine_->text(); }

    // The designed column format of the list.
    static const char* const kDesignedFormat;

  protected:
    void runForm(std::uint8_t request, std::function<void(std::uint8_t)> done) override;
    [[nodiscard]] QColor rowColour(const RecordValues& values) const override;
    void refresh() override;
    void beforeForm(std::uint8_t request) override;

  private:
    QWidget* buildPanel();
    void refreshAgeLine();
    void setHiddenColumns();
    void copyAddress();
    void startEmail();
    void showPhotograph();
    void showNotes();
    void printPerson();
    [[nodiscard]] RecordBuffer& person();

    LocaleConventions locale_;
    bool ageColumnsHidden_ = true;
    bool starColumnHidden_ = true;
    QLabel* ageLine_ = nullptr;
    QCheckBox* ageBox_ = nullptr;
    QPushButton* starButton_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    QPushButton* notesButton_ = nullptr;
    QPlainTextEdit* notesBox_ = nullptr;
    std::map<int, QLabel*> fieldLabels_;
};

}  // namespace ntx
