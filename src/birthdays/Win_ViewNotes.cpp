#include "birthdays/Win_ViewNotes.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/BirthdayFile.h"
#include "data/Globals.h"
#include "platform/qt/DialogUnits.h"
#include "platform/qt/WindowHelp.h"
#include "shell/Artwork.h"

namespace ntx {
namespace {

constexpr std::size_t kShownPhotoPathLength = 128;

QString trimmed(const std::string& text) {
    return QString::fromStdString(text).trimmed();
}

}  // namespace

void Win_ViewNotes::run(AppContext& app, ThreadContext& thread, QWidget* owner,
                        std::function<void()> done) {
    auto* viewer = new Win_ViewNotes(app, thread, owner, std::move(done));
    viewer->open();
}

Win_ViewNotes::Win_ViewNotes(AppContext& app, ThreadContext& thread, QWidget* owner,
                             std::function<void()> done)
    : QDialog(owner),
      app_(app),
      thread_(thread),
      procedure_("Win_ViewNotes", thread, app.settings, this, true),
      done_(std::move(done)) {
    setObjectName(QStringLiteral("Win_ViewNotes"));
    setWindowModality(Qt::WindowModal);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Arial"), 8));
    setWindowIcon(artworkIcon(QStringLiteral("UserOrg.ico")));

    // A failed open has been reported; the notes are in the buffer all the same.
    openedFile_ = thread_.files().birthdays().open();
    build();
    resize(DialogUnits(font()).toPixels(QSize(456, 160)));
    procedure_.open();
    setUpWindowHelp(this, app_.ui.help, "Win_ViewNotes");
    setWindowTitle(trimmed(thread_.files().birthdays().buffer().text(bir::CLIPNAME2)));
    connect(this, &QDialog::finished, this, &Win_ViewNotes::ended);
}

void Win_ViewNotes::build() {
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setBrush(QPalette::Window, QBrush(artworkPicture(QStringLiteral("WinBG2.bmp"))));
    setPalette(palette);

    const RecordBuffer& person = thread_.files().birthdays().buffer();
    bufferNotes_ = person.memo();
    QString text = QString::fromStdString(bufferNotes_);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    notes_ = new QPlainTextEdit(text, this);
    notes_->setObjectName(QStringLiteral("BIR:NOTESBIG"));

    auto* print = new QPushButton(this);
    print->setObjectName(QStringLiteral("PRINT"));
    print->setIcon(artworkIcon(QStringLiteral("Printer.ico")));
    print->setToolTip(QStringLiteral("Print all this persons details."));
    print->setAutoDefault(false);
    connect(print, &QPushButton::clicked, this, &Win_ViewNotes::print);

    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("CLOSE"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    // The notes box takes what the window grows by; the buttons keep to the lower right.
    const DialogUnits du(font());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(du.toPixelsX(4), du.toPixelsY(4), du.toPixelsX(4), du.toPixelsY(3));
    layout->setSpacing(du.toPixelsY(3));
    layout->addWidget(notes_, 1);
    layout->addLayout(buttons);
}

void Win_ViewNotes::print() {
    RecordBuffer& person = thread_.files().birthdays().buffer();
    globals().shownPhotoPath =
        trimmed(person.text(bir::PHOTOIMAGEPATH)).left(kShownPhotoPathLength).toStdString();
    // The page shows the notes as they stand in the window.
    person.setMemo(notes_->toPlainText().toStdString());
    if (printPersonPage_) printPersonPage_(app_, thread_, this);
}

void Win_ViewNotes::ended() {
    if (ended_) return;
    ended_ = true;
    // Typed notes went into the buffer only for printing: the caller finds it unchanged.
    RecordBuffer& person = thread_.files().birthdays().buffer();
    if (person.memo() != bufferNotes_) person.setMemo(bufferNotes_);
    if (openedFile_) thread_.files().birthdays().close();
    procedure_.close();
    thread_.responseCode = RequestCancelled;
    deleteLater();
    // The caller may close its own window from `done`, taking this one with it.
    const std::function<void()> done = std::move(done_);
    if (done) done();
}

}  // namespace ntx
