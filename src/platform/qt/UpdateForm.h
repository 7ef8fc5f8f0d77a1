#pragma once
// The entry form of one record file: the insert, change, delete and view requests that a
// list passes through its thread's request code, answered in the thread's response code.
//
// A form works on its thread's record buffer of the file. Entries are bound to fields
// through display pictures: a field is shown as its picture writes it, and what the user
// types is read through the same picture when the entry is left (or the form completes);
// an entry that cannot be read is refused with a message and its field keeps its value.
//
// Requests, as start() carries them out:
//   insert  the buffer is cleared and primed (primeRecord), the window opens; OK adds it
//   change  the window opens on the buffer as the caller left it; OK writes it back
//   view    the window opens with its entries read-only; OK only closes it
//   delete  "Confirm Delete" is asked without showing the window; Yes deletes the record
//
// OK (the default button, so Enter in an entry does the same) takes what is still typed,
// runs the entry checks (also run when OK gets the focus from the keyboard), okAccepted(),
// then accepts every field once more (its value as it stands: a value is never read back
// from its shown text, so what a picture does not show, such as the seconds of a time, is
// kept) and writes the record through the file access manager. When the manager refuses
// the write (it has told the user why), the form stays open with everything the user
// entered. Cancel, Escape and the close box end the form without writing, after asking
// "Save Record" when anything was changed, and give the caller its buffer back as it was.
//
// Field history: Ctrl+H in an entry brings back the value its field had in the last
// record this form's file saved on this thread.
//
// The form opens window-modal to its owner with open() and never runs an event loop of
// its own: start() returns at once, and `done` is called after the window has closed, with
// the response code that is also left in the thread's response code. A form destroyed with
// its owner before it ends calls nobody and leaves its thread alone (the thread may be
// gone already).

#include <QDialog>
#include <QKeySequence>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileAccessManager.h"
#include "platform/LocaleConventions.h"
#include "platform/Picture.h"
#include "platform/qt/AppContext.h"
#include "platform/qt/ProcedureWindow.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace ntx {

class UpdateForm : public QDialog {
    Q_OBJECT
  public:
    using Done = std::function<void(std::uint8_t response)>;

    // The field number that stands for the record's memo in the bindings and hooks.
    static constexpr int kMemoField = -1;

    ~UpdateForm() override;

    // Takes the thread's request and carries it out (see above). A delete ends here and
    // the form deletes itself; otherwise the window is open when this returns.
    void start();

    // The request the form was called with (RequestCode); NoRequest before start().
    [[nodiscard]] std::uint8_t request() const { return request_; }
    [[nodiscard]] static QKeySequence historyKey();

  protected:
    // `procedureName` names the form to the error manager, the settings file ("UpdateBirthdays")
    // and the window (its objectName). `file` is the thread's manager of the form's file.
    UpdateForm(AppContext& app, ThreadContext& thread, FileAccessManager& file,
               std::string procedureName, QWidget* owner, Done done);

    // ---- Building (in the constructor of the form) ----

    // An entry the user types into; `picture` as the window description writes it.
    QLineEdit* bindEntry(QLineEdit* entry, int field, std::string_view picture);
    // An entry that only shows its field.
    QLineEdit* bindDisplay(QLineEdit* entry, int field, std::string_view picture);
    // A check box: ticked is 1, not ticked 0.
    QCheckBox* bindCheck(QCheckBox* box, int field);
    // The memo, as a multi-line text.
    QPlainTextEdit* bindMemo(QPlainTextEdit* text);
    void setCaptions(QString insert, QString change, QString view);
    // F1 shows `topic`; the help button looks up `keyword`.
    void setHelp(std::string topic, std::string keyword);
    // The entry that has the focus when the window opens.
    void setFirstFocus(QWidget* entry) { firstFocus_ = entry; }
    // A new entry named `name` (its use name), with an optional tip; bind it afterwards.
    [[nodiscard]] static QLineEdit* makeEntry(QWidget* parent, const QString& name,
                                              const QString& tip = {});
    // Lays the form out: `body` (the tab sheet) above the row of OK, Cancel and help.
    void layOut(QWidget* body);
    // The designed size of the window, in dialog units.
    void setDesignedSize(QSize units) { designedSize_ = units; }

    [[nodiscard]] QPushButton* okButton() const { return ok_; }
    [[nodiscard]] QPushButton* cancelButton() const { return cancel_; }
    [[nodiscard]] QPushButton* helpButton() const { return help_; }

    // ---- Working (while the window is open) ----

    [[nodiscard]] AppContext& app() const { return app_; }
    [[nodiscard]] ThreadContext& thread() const { return thread_; }
    [[nodiscard]] RecordBuffer& record() const { return file_.buffer(); }
    [[nodiscard]] const LocaleConventions& locale() const { return locale_; }

    // Shows every bound field's value again.
    void display();
    void displayField(int field);
    // Takes into the record what is typed but not yet taken. False (after the message)
    // when an entry could not be read; the focus is then in that entry.
    bool updateRecordFromWindow();
    // The form refreshes itself: windowReset() (not while the fields are accepted at
    // completion), then display().
    void resetWindow();
    // The entry bound to `field`; nullptr when there is none.
    [[nodiscard]] QWidget* entryOf(int field) const;
    // Puts the focus into a control (as a check that failed does).
    void moveFocusTo(QWidget* control);

    // ---- What the form adds to the standard behaviour ----

    // Insert only: the buffer has just been cleared.
    virtual void primeRecord() {}
    // The window is reset (first when it opens).
    virtual void windowReset() {}
    // The entry of `field` got the focus.
    virtual void entryFocused(int /*field*/) {}
    // The value of `field` was accepted: typed, ticked, brought back from the history, or
    // accepted once more at completion (acceptingAll() is then true).
    virtual void fieldAccepted(int /*field*/) {}
    // The checks made when OK gets the focus or is pressed; false stops OK (the check has
    // told the user and moved the focus).
    virtual bool checkEntries() { return true; }
    // OK was pressed and the checks passed; runs before the fields are accepted once more.
    virtual void okAccepted() {}

    [[nodiscard]] bool acceptingAll() const { return acceptingAll_; }

    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class Kind { Entry, Display, Check, Memo };
    struct Binding {
        QWidget* widget;
        int field;
        Kind kind;
        Picture picture;
    };

    Binding& bind(QWidget* widget, int field, Kind kind, std::string_view picture);
    [[nodiscard]] const Binding* bindingOf(const QObject* widget) const;
    [[nodiscard]] std::string displayText(const Binding& b) const;
    void showValue(const Binding& b);
    [[nodiscard]] bool isPending(const Binding& b) const;
    // Reads a pending entry into its field; on a refusal shows why and puts the old value back.
    bool take(const Binding& b);
    void bringBack(const Binding& b);
    [[nodiscard]] bool anyChanges() const;
    void okPressed();
    bool complete();
    void finish(std::uint8_t response);
    void runDelete();

    AppContext& app_;
    ThreadContext& thread_;
    FileAccessManager& file_;
    ProcedureWindow procedure_;
    Done done_;
    LocaleConventions locale_ = conventionsOfUserLocale();
    std::vector<Binding> bindings_;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* help_ = nullptr;
    QPointer<QWidget> firstFocus_;
    QSize designedSize_;
    QString captions_[3];  // insert, change, view
    std::string helpKeyword_;
    std::uint8_t request_ = 0;
    RecordValues atOpen_;              // the buffer when the window opened
    RecordValues callerValues_;        // the buffer as the caller left it, with ...
    RecordValues callerAsRead_;        // ... the record as read and ...
    std::int64_t callerPosition_ = 0;  // ... its position, put back on Cancel
    bool fileOpened_ = false;
    bool finished_ = false;
    bool acceptingAll_ = false;
    bool refused_ = false;  // an entry was just refused; its focus comes back next
};

}  // namespace ntx
