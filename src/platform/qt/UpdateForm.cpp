#include "platform/qt/UpdateForm.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <utility>

#include "platform/Pictures.h"
#include "platform/qt/DialogUnits.h"
#include "platform/qt/WindowHelp.h"
#include "shell/Artwork.h"

namespace ntx {
namespace {

// The last record each thread saved through a form, per file. Thread numbers are never
// reused while the program runs, so an ended thread's entry is never read again.
std::map<std::pair<std::int32_t, const FileDef*>, RecordValues>& savedRecords() {
    static std::map<std::pair<std::int32_t, const FileDef*>, RecordValues> saved;
    return saved;
}

// Focus that the user moved on purpose; a window going to the back or a popup menu
// opening takes the focus away without ending the entry.
bool movedByUser(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason ||
           reason == Qt::OtherFocusReason;
}

bool isHistoryKey(const QKeyEvent* key) {
    return key->key() == Qt::Key_H && key->modifiers() == Qt::ControlModifier;
}

}  // namespace

UpdateForm::UpdateForm(AppContext& app, ThreadContext& thread, FileAccessManager& file,
                       std::string procedureName, QWidget* owner, Done done)
    : QDialog(owner),
      app_(app),
      thread_(thread),
      file_(file),
      procedure_(procedureName, thread, app.settings, this, true),
      done_(std::move(done)) {
    setObjectName(QString::fromStdString(procedureName));
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("OK"));
    ok_->setDefault(true);
    ok_->installEventFilter(this);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("CANCEL"));
    help_ = new QPushButton(this);
    help_->setObjectName(QStringLiteral("HELP"));
    connect(ok_, &QPushButton::clicked, this, &UpdateForm::okPressed);
    connect(cancel_, &QPushButton::clicked, this, &UpdateForm::reject);
    connect(help_, &QPushButton::clicked, this, [this] {
        updateRecordFromWindow();
        app_.ui.help.lookUpKeyword(helpKeyword_, "Help Topic", "Not Found");
    });
}

UpdateForm::~UpdateForm() = default;

QKeySequence UpdateForm::historyKey() {
    return QKeySequence(Qt::CTRL | Qt::Key_H);
}

// ---- Building ----

UpdateForm::Binding& UpdateForm::bind(QWidget* widget, int field, Kind kind,
                                      std::string_view picture) {
    Picture p;
    if (!picture.empty()) {
        const auto parsed = parsePicture(picture);
        Q_ASSERT_X(parsed.has_value(), "UpdateForm::bind", "a picture this program knows");
        if (parsed) p = *parsed;
    }
    widget->installEventFilter(this);
    bindings_.push_back({widget, field, kind, p});
    return bindings_.back();
}

QLineEdit* UpdateForm::bindEntry(QLineEdit* entry, int field, std::string_view picture) {
    const Binding& b = bind(entry, field, Kind::Entry, picture);
    const FieldDef& f = record().def().fields[field];
    // No more characters than the field holds can be typed, so nothing is cut silently.
    if (b.picture.kind == PictureKind::Text && f.isText()) {
        entry->setMaxLength(std::min(b.picture.size, f.capacity()));
    }
    return entry;
}

QLineEdit* UpdateForm::bindDisplay(QLineEdit* entry, int field, std::string_view picture) {
    bind(entry, field, Kind::Display, picture);
    entry->setReadOnly(true);
    entry->setFocusPolicy(Qt::NoFocus);
    return entry;
}

QCheckBox* UpdateForm::bindCheck(QCheckBox* box, int field) {
    bind(box, field, Kind::Check, {});
    connect(box, &QCheckBox::clicked, this, [this, field](bool ticked) {
        if (finished_) return;
        record().setNumber(field, ticked ? 1 : 0);
        fieldAccepted(field);
    });
    return box;
}

QPlainTextEdit* UpdateForm::bindMemo(QPlainTextEdit* text) {
    bind(text, kMemoField, Kind::Memo, {});
    // As an entry takes no more characters than its field holds, the memo takes no more
    // than the record keeps; nothing typed is dropped later without the user seeing it.
    connect(text, &QPlainTextEdit::textChanged, text, [text] {
        const QList<uint> characters = text->toPlainText().toUcs4();
        if (characters.size() <= kMemoCapacity) return;
        const auto kept = QString::fromUcs4(
            reinterpret_cast<const char32_t*>(characters.constData()), kMemoCapacity);
        QTextCursor cut(text->document());
        cut.setPosition(static_cast<int>(kept.size()));
        cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cut.removeSelectedText();
    });
    return text;
}

void UpdateForm::setCaptions(QString insert, QString change, QString view) {
    captions_[0] = std::move(insert);
    captions_[1] = std::move(change);
    captions_[2] = std::move(view);
}

void UpdateForm::setHelp(std::string topic, std::string keyword) {
    setUpWindowHelp(this, app_.ui.help, std::move(topic));
    helpKeyword_ = std::move(keyword);
}

// ---- Requests ----

void UpdateForm::start() {
    if (thread_.requestCode == DeleteRecord) {
        runDelete();
        return;
    }
    if (designedSize_.isValid()) resize(DialogUnits(font()).toPixels(designedSize_));
    request_ = procedure_.open();
    fileOpened_ = file_.open();
    if (!fileOpened_) {
        // The manager has said why; there is nothing the window could show.
        thread_.errors().unregisterProcedure();
        thread_.responseCode = RequestCancelled;
        finished_ = true;
        deleteLater();
        if (done_) std::exchange(done_, nullptr)(RequestCancelled);
        return;
    }
    RecordBuffer& buffer = record();
    callerValues_ = buffer.values();
    callerAsRead_ = buffer.valuesAsRead();
    callerPosition_ = buffer.position();
    if (request_ == InsertRecord) {
        buffer.clear();
        primeRecord();
    }
    switch (request_) {
        case InsertRecord:
            setWindowTitle(captions_[0]);
            break;
        case ChangeRecord:
            setWindowTitle(captions_[1]);
            break;
        default:
            setWindowTitle(captions_[2]);
            break;
    }
    if (request_ != InsertRecord && request_ != ChangeRecord) {
        request_ = ViewRecord;
        for (const Binding& b : bindings_) {
            if (auto* e = qobject_cast<QLineEdit*>(b.widget)) e->setReadOnly(true);
            if (auto* t = qobject_cast<QPlainTextEdit*>(b.widget)) t->setReadOnly(true);
            if (b.kind == Kind::Check) b.widget->setEnabled(false);
        }
    }
    resetWindow();
    setWindowModality(Qt::WindowModal);
    open();
    if (firstFocus_) firstFocus_->setFocus(Qt::OtherFocusReason);
    atOpen_ = buffer.values();
}

void UpdateForm::runDelete() {
    // No window is shown, so none is placed or remembered either.
    ProcedureWindow windowless(procedure_.name(), thread_, app_.settings, nullptr, false);
    request_ = windowless.open();
    std::uint8_t response = RequestCancelled;
    if (file_.open()) {
        const int answer = app_.ui.messages.show(
            {"Confirm Delete", "Are you sure you want to delete the highlighted record?",
             MessageIcon::Question, "&Yes|&No", 2});
        if (answer == 1 && file_.remove()) response = RequestCompleted;
        file_.close();
    }
    windowless.close();
    thread_.responseCode = response;
    finished_ = true;
    deleteLater();
    if (done_) std::exchange(done_, nullptr)(response);
}

void UpdateForm::okPressed() {
    // A click that lands while a refused entry waits for its focus changes nothing.
    if (finished_ || refused_) return;
    if (request_ == ViewRecord) {
        finish(RequestCompleted);
        return;
    }
    complete();
}

bool UpdateForm::complete() {
    if (!updateRecordFromWindow() || !checkEntries()) return false;
    okAccepted();
    acceptingAll_ = true;
    for (const Binding& b : bindings_) {
        if (b.kind != Kind::Display) fieldAccepted(b.field);
    }
    acceptingAll_ = false;
    display();
    const bool written = request_ == InsertRecord ? file_.insert() : file_.update();
    // A refused write has been reported; the user's entries stay as they are.
    if (!written) return false;
    savedRecords()[{thread_.number(), &record().def()}] = record().values();
    finish(RequestCompleted);
    return true;
}

void UpdateForm::reject() {
    if (finished_) return;
    if ((request_ == InsertRecord || request_ == ChangeRecord) && anyChanges()) {
        const int answer =
            app_.ui.messages.show({"Save Record", "Do you want to save the changes to this record?",
                                   MessageIcon::Question, "&Yes|&No|&Cancel", 3});
        if (answer == 1) {
            complete();
            return;
        }
        if (answer != 2) return;
    }
    finish(RequestCancelled);
}

void UpdateForm::finish(std::uint8_t response) {
    finished_ = true;
    if (response != RequestCompleted || request_ == ViewRecord) {
        // Nothing was written: the caller finds its buffer as it left it.
        record().loadStored(callerAsRead_, callerPosition_);
        record().setValues(callerValues_);
    }
    QDialog::done(response == RequestCompleted ? QDialog::Accepted : QDialog::Rejected);
    if (fileOpened_) file_.close();
    fileOpened_ = false;
    procedure_.close();
    thread_.responseCode = response;
    deleteLater();
    if (done_) std::exchange(done_, nullptr)(response);
}

bool UpdateForm::anyChanges() const {
    if (record().values() != atOpen_) return true;
    for (const Binding& b : bindings_) {
        if (isPending(b)) return true;
    }
    return false;
}

// ---- Showing and taking values ----

std::string UpdateForm::displayText(const Binding& b) const {
    const FieldValue& value = record().values().fields[static_cast<std::size_t>(b.field)];
    if (b.picture.kind == PictureKind::Text && !record().def().fields[b.field].isText()) {
        return formatText(b.picture, std::to_string(value.number));
    }
    return formatValue(b.picture, value, locale_);
}

void UpdateForm::showValue(const Binding& b) {
    switch (b.kind) {
        case Kind::Entry:
        case Kind::Display: {
            auto* e = static_cast<QLineEdit*>(b.widget);
            const QString text = QString::fromStdString(displayText(b));
            if (e->text() != text) e->setText(text);
            e->setModified(false);
            break;
        }
        case Kind::Check:
            static_cast<QCheckBox*>(b.widget)->setChecked(record().number(b.field) != 0);
            break;
        case Kind::Memo: {
            auto* t = static_cast<QPlainTextEdit*>(b.widget);
            const QString text = QString::fromStdString(record().memo());
            if (t->toPlainText() != text) t->setPlainText(text);
            t->document()->setModified(false);
            break;
        }
    }
}

void UpdateForm::display() {
    // What the user is still typing stays; it is taken when the entry is left.
    for (const Binding& b : bindings_) {
        if (!isPending(b)) showValue(b);
    }
}

void UpdateForm::displayField(int field) {
    for (const Binding& b : bindings_) {
        if (b.field == field && !isPending(b)) showValue(b);
    }
}

void UpdateForm::resetWindow() {
    if (!acceptingAll_) windowReset();
    display();
}

QWidget* UpdateForm::entryOf(int field) const {
    for (const Binding& b : bindings_) {
        if (b.field == field && b.kind != Kind::Display) return b.widget;
    }
    return nullptr;
}

void UpdateForm::moveFocusTo(QWidget* control) {
    if (control == nullptr) return;
    // The control may lie on a tab that is not showing.
    for (QWidget* w = control->parentWidget(); w != nullptr && w != this; w = w->parentWidget()) {
        auto* tabs = qobject_cast<QTabWidget*>(w);
        if (tabs == nullptr) continue;
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->widget(i)->isAncestorOf(control)) tabs->setCurrentIndex(i);
        }
    }
    control->setFocus(Qt::OtherFocusReason);
}

const UpdateForm::Binding* UpdateForm::bindingOf(const QObject* widget) const {
    for (const Binding& b : bindings_) {
        if (b.widget == widget) return &b;
    }
    return nullptr;
}

bool UpdateForm::isPending(const Binding& b) const {
    if (b.kind == Kind::Entry) {
        auto* e = static_cast<const QLineEdit*>(b.widget);
        return !e->isReadOnly() && e->isModified();
    }
    if (b.kind == Kind::Memo) {
        auto* t = static_cast<const QPlainTextEdit*>(b.widget);
        return !t->isReadOnly() && t->document()->isModified();
    }
    return false;
}

bool UpdateForm::updateRecordFromWindow() {
    for (const Binding& b : bindings_) {
        if (isPending(b) && !take(b)) return false;
    }
    return true;
}

bool UpdateForm::take(const Binding& b) {
    RecordBuffer& buffer = record();
    if (b.kind == Kind::Memo) {
        auto* t = static_cast<QPlainTextEdit*>(b.widget);
        buffer.setMemo(t->toPlainText().toStdString());
        showValue(b);
        fieldAccepted(kMemoField);
        return true;
    }
    auto* e = static_cast<QLineEdit*>(b.widget);
    const FieldDef& f = buffer.def().fields[b.field];
    const std::string typed = e->text().toStdString();
    EntryResult read;
    if (b.picture.kind == PictureKind::Text && !f.isText()) {
        read = parseNumberEntry(Picture{PictureKind::Number, b.picture.size}, typed);
    } else {
        read = readEntry(b.picture, typed, locale_);
    }
    if (read.ok() && !f.isText() &&
        (read.value.number < minimumOf(f) || read.value.number > maximumOf(f))) {
        read.error = "\"" + std::string(trimEntry(typed)) + "\" is too large for this entry.";
    }
    if (!read.ok()) {
        refused_ = true;
        app_.ui.messages.show({"Please correct...", read.error, MessageIcon::Exclamation});
        showValue(b);
        // The focus comes back to the entry once the focus change under way has ended.
        QTimer::singleShot(0, this, [this, entry = QPointer<QLineEdit>(e)] {
            refused_ = false;
            if (!entry || finished_) return;
            moveFocusTo(entry);
            entry->selectAll();
        });
        return false;
    }
    if (f.isText()) {
        buffer.setText(b.field, read.value.text);
    } else {
        buffer.setNumber(b.field, read.value.number);
    }
    showValue(b);
    fieldAccepted(b.field);
    return true;
}

void UpdateForm::bringBack(const Binding& b) {
    const auto it = savedRecords().find({thread_.number(), &record().def()});
    if (it == savedRecords().end() || request_ == ViewRecord) return;
    const RecordValues& last = it->second;
    RecordBuffer& buffer = record();
    if (b.field == kMemoField) {
        buffer.setMemo(last.memo);
    } else if (buffer.def().fields[b.field].isText()) {
        buffer.setText(b.field, last.fields[static_cast<std::size_t>(b.field)].text);
    } else {
        buffer.setNumber(b.field, last.fields[static_cast<std::size_t>(b.field)].number);
    }
    showValue(b);
    fieldAccepted(b.field);
}

// ---- Events ----

bool UpdateForm::eventFilter(QObject* watched, QEvent* event) {
    if (finished_) return QDialog::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (watched == ok_) {
        if (type == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            // A click runs the checks when it lands; the window coming back to the front
            // runs none. The focus only passes through OK when a tab page is changed (the
            // focused entry is hidden first), so the checks wait to see whether it stays.
            if (reason != Qt::MouseFocusReason && movedByUser(reason) && request_ != ViewRecord) {
                QTimer::singleShot(0, this, [this] {
                    if (!finished_ && !refused_ && ok_->hasFocus() && updateRecordFromWindow()) {
                        checkEntries();
                    }
                });
            }
        }
        return QDialog::eventFilter(watched, event);
    }
    const Binding* b = bindingOf(watched);
    if (b == nullptr || b->kind == Kind::Display) return QDialog::eventFilter(watched, event);
    switch (type) {
        case QEvent::FocusIn:
            if (movedByUser(static_cast<QFocusEvent*>(event)->reason())) entryFocused(b->field);
            break;
        case QEvent::FocusOut:
            if (movedByUser(static_cast<QFocusEvent*>(event)->reason()) && isPending(*b)) take(*b);
            break;
        case QEvent::ShortcutOverride:
            // The history key belongs to the entry, whatever else may use it.
            if (isHistoryKey(static_cast<QKeyEvent*>(event))) {
                event->accept();
                return true;
            }
            break;
        case QEvent::KeyPress:
            if (isHistoryKey(static_cast<QKeyEvent*>(event))) {
                bringBack(*b);
                return true;
            }
            break;
        default:
            break;
    }
    return QDialog::eventFilter(watched, event);
}

QLineEdit* UpdateForm::makeEntry(QWidget* parent, const QString& name, const QString& tip) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    if (!tip.isEmpty()) e->setToolTip(tip);
    return e;
}

void UpdateForm::layOut(QWidget* body) {
    help_->setIcon(artworkIcon(QStringLiteral("HELP.ICO")));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    buttons->addWidget(help_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(body);
    layout->addLayout(buttons);
}

}  // namespace ntx
