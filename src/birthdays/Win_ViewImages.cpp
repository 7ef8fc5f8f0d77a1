#include "birthdays/Win_ViewImages.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "data/Globals.h"
#include "platform/qt/DialogUnits.h"
#include "platform/qt/PictureFile.h"
#include "platform/qt/WindowHelp.h"
#include "shell/Artwork.h"

namespace ntx {
namespace {

// Pictures larger than this along either side are reduced once when read: the window never
// shows more, and scaling on every resize stays quick.
constexpr int kLargestShown = 2560;

// The wait cursor for as long as the guard lives.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

void Win_ViewImages::run(AppContext& app, ThreadContext& thread, QWidget* owner,
                         std::function<void()> done) {
    if (globals().photoViewerThread != 0 && open_) {
        thread.takeRequest();
        bringToFront(open_);
        QObject* context = owner != nullptr ? static_cast<QObject*>(owner) : qApp;
        if (done) QTimer::singleShot(0, context, std::move(done));
        return;
    }
    auto* viewer = new Win_ViewImages(app, thread, owner, std::move(done));
    viewer->open();
    viewer->fitPicture();
}

Win_ViewImages::Win_ViewImages(AppContext& app, ThreadContext& thread, QWidget* owner,
                               std::function<void()> done)
    : QDialog(owner),
      app_(app),
      thread_(thread),
      procedure_("Win_ViewImages", thread, app.settings, this, true),
      done_(std::move(done)),
      threadNumber_(thread.number()) {
    setObjectName(QStringLiteral("Win_ViewImages"));
    setWindowModality(Qt::WindowModal);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setWindowIcon(artworkIcon(QStringLiteral("UserOrg.ico")));
    build();
    resize(DialogUnits(font()).toPixels(QSize(191, 218)));

    procedure_.open();
    globals().photoViewerThread = thread_.number();
    storedViewerThread_ = true;
    open_ = this;
    setUpWindowHelp(this, app_.ui.help, "Win_Photo1");
    setWindowTitle(QString::fromStdString(globals().shownPhotoName).trimmed());
    loadPicture();
    connect(this, &QDialog::finished, this, &Win_ViewImages::ended);
}

Win_ViewImages::~Win_ViewImages() {
    if (ended_) return;
    // Gone with its owner, without finishing: the shared values must not keep pointing at
    // this viewer, and its thread, when it still runs, gets the procedure closed.
    if (app_.threads.find(threadNumber_) == &thread_) procedure_.close();
    releaseShownPhoto();
}

void Win_ViewImages::build() {
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setBrush(QPalette::Window, QBrush(artworkPicture(QStringLiteral("WinBG2.bmp"))));
    setPalette(palette);

    const DialogUnits du(font());
    region_ = new QWidget(this);
    region_->setObjectName(QStringLiteral("REGION1"));
    region_->installEventFilter(this);
    image_ = new QLabel(region_);
    image_->setObjectName(QStringLiteral("IMAGE1"));

    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("CLOSE"));
    close->setAutoDefault(false);
    close->hide();
    connect(close, &QPushButton::clicked, this, [this] {
        globals().shownPhotoPath.clear();
        globals().shownPhotoName.clear();
        reject();
    });

    // The picture area fills the window and follows its size.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(du.toPixelsX(2), du.toPixelsY(2), du.toPixelsX(2), du.toPixelsY(3));
    layout->addWidget(region_);
}

void Win_ViewImages::loadPicture() {
    const WaitCursor wait;
    picture_ = loadPictureFile(picturePathIn(app_.folder, globals().shownPhotoPath));
    naturalSize_ = picture_.size();
    if (picture_.width() > kLargestShown || picture_.height() > kLargestShown) {
        picture_ = picture_.scaled(kLargestShown, kLargestShown, Qt::KeepAspectRatio,
                                   Qt::SmoothTransformation);
    }
}

void Win_ViewImages::fitPicture() {
    const QSize area = region_->size();
    const QSize size = fitPictureSize(naturalSize_, area);
    if (size.isEmpty()) {
        image_->clear();
        image_->hide();
        return;
    }
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap = QPixmap::fromImage(
        picture_.scaled(size * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(ratio);
    image_->setPixmap(pixmap);
    image_->setGeometry(QRect(
        QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2), size));
    image_->show();
}

bool Win_ViewImages::eventFilter(QObject* watched, QEvent* event) {
    if (watched == region_ && event->type() == QEvent::Resize) fitPicture();
    return QDialog::eventFilter(watched, event);
}

void Win_ViewImages::ended() {
    if (ended_) return;
    ended_ = true;
    procedure_.close();
    releaseShownPhoto();
    thread_.responseCode = RequestCancelled;
    deleteLater();
    // The caller may close its own window from `done`, taking this one with it.
    const std::function<void()> done = std::move(done_);
    if (done) done();
}

void Win_ViewImages::releaseShownPhoto() {
    globals().shownPhotoPath.clear();
    globals().shownPhotoName.clear();
    if (storedViewerThread_) {
        globals().photoViewerThread = 0;
        storedViewerThread_ = false;
    }
}

}  // namespace ntx
