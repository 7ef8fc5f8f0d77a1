#include "platform/qt/HelpViewer.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <vector>

#include "platform/ChmFile.h"
#include "platform/UiServices.h"

namespace ntx {
namespace {

// Pages are addressed as "chm:/Page.htm#anchor", so that relative links resolve as usual.
const QString kScheme = QStringLiteral("chm");

QUrl pageUrl(const std::string& page) {
    QUrl url(QString::fromStdString(page), QUrl::TolerantMode);
    url.setScheme(kScheme);
    return url;
}

// The page in the help window: everything it shows comes out of the help file.
class HelpPage : public QTextBrowser {
  public:
    HelpPage(const ChmFile& file, QWidget* parent) : QTextBrowser(parent), file_(file) {
        setOpenLinks(false);
        setOpenExternalLinks(false);
    }

    QVariant loadResource(int type, const QUrl& name) override {
        QUrl url = name;
        if (url.isRelative())
            url = (source().isValid() ? source() : QUrl(kScheme + QStringLiteral(":/")))
                      .resolved(url);
        if (url.scheme() != kScheme) return {};
        const std::string* entry = file_.read(url.path().toStdString());
        if (entry == nullptr) return {};
        const QByteArray bytes(entry->data(), static_cast<qsizetype>(entry->size()));
        if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource) {
            return QString::fromUtf8(bytes);
        }
        return bytes;
    }

  private:
    const ChmFile& file_;
};

QString pathKey(const QUrl& url) {
    return url.path().toLower();
}

}  // namespace

HelpViewer::HelpViewer(const ChmFile& file, Shell& shell) : file_(file), shell_(shell) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowFlag(Qt::Window);
    setWindowTitle(file_.title().empty() ? QStringLiteral("Natalix Help")
                                         : QString::fromStdString(file_.title()));
    build();
    fillContents();
    fillIndex();
    resize(900, 620);
}

void HelpViewer::build() {
    auto* toolbar = new QToolBar(this);
    back_ = toolbar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"));
    back_->setObjectName(QStringLiteral("back"));
    back_->setEnabled(false);
    forward_ = toolbar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"));
    forward_->setObjectName(QStringLiteral("forward"));
    forward_->setEnabled(false);
    QAction* home =
        toolbar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("Contents"));
    home->setObjectName(QStringLiteral("home"));
    toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    navigation_ = new QTabWidget;
    navigation_->setObjectName(QStringLiteral("navigation"));
    contents_ = new QTreeWidget;
    contents_->setObjectName(QStringLiteral("contents"));
    contents_->setHeaderHidden(true);
    navigation_->addTab(contents_, tr("Contents"));

    auto* indexTab = new QWidget;
    indexSearch_ = new QLineEdit;
    indexSearch_->setObjectName(QStringLiteral("indexSearch"));
    indexSearch_->setPlaceholderText(tr("Type the keyword to find"));
    index_ = new QListWidget;
    index_->setObjectName(QStringLiteral("index"));
    auto* display = new QPushButton(tr("&Display"));
    display->setObjectName(QStringLiteral("indexDisplay"));
    auto* indexLayout = new QVBoxLayout(indexTab);
    indexLayout->addWidget(indexSearch_);
    indexLayout->addWidget(index_);
    indexLayout->addWidget(display, 0, Qt::AlignRight);
    navigation_->addTab(indexTab, tr("Index"));

    page_ = new HelpPage(file_, this);
    page_->setObjectName(QStringLiteral("page"));

    auto* splitter = new QSplitter;
    splitter->addWidget(navigation_);
    splitter->addWidget(page_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 640});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar);
    layout->addWidget(splitter, 1);

    connect(back_, &QAction::triggered, page_, &QTextBrowser::backward);
    connect(forward_, &QAction::triggered, page_, &QTextBrowser::forward);
    connect(page_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(page_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    connect(home, &QAction::triggered, this, &HelpViewer::showContents);
    connect(page_, &QTextBrowser::anchorClicked, this, &HelpViewer::followLink);
    connect(page_, &QTextBrowser::sourceChanged, this, &HelpViewer::markContentsLine);
    connect(contents_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        const QString page = item != nullptr ? item->data(0, Qt::UserRole).toString() : QString();
        if (!page.isEmpty()) open(pageUrl(page.toStdString()));
    });
    connect(indexSearch_, &QLineEdit::textEdited, this, &HelpViewer::findKeyword);
    connect(indexSearch_, &QLineEdit::returnPressed, this, &HelpViewer::displayChosenKeyword);
    connect(index_, &QListWidget::itemActivated, this, &HelpViewer::displayChosenKeyword);
    connect(display, &QPushButton::clicked, this, &HelpViewer::displayChosenKeyword);
}

void HelpViewer::fillContents() {
    std::vector<QTreeWidgetItem*> parents;  // the open line at each depth
    for (const HelpEntry& e : file_.contents()) {
        const auto depth = static_cast<std::size_t>(e.depth);
        if (parents.size() > depth) parents.resize(depth);
        auto* item =
            parents.empty() ? new QTreeWidgetItem(contents_) : new QTreeWidgetItem(parents.back());
        item->setText(0, QString::fromStdString(e.name));
        if (const auto page = file_.resolve(e.page)) {
            item->setData(0, Qt::UserRole, QString::fromStdString(*page));
            contentsLines_.insert(pathKey(pageUrl(*page)), item);  // a later line never replaces
        }
        parents.push_back(item);
    }
    contents_->expandAll();
}

void HelpViewer::fillIndex() {
    for (const HelpEntry& e : file_.index()) {
        auto* item = new QListWidgetItem(
            QString(e.depth * 4, QLatin1Char(' ')) + QString::fromStdString(e.name), index_);
        if (const auto page = file_.resolve(e.page))
            item->setData(Qt::UserRole, QString::fromStdString(*page));
    }
}

void HelpViewer::showContents() {
    navigation_->setCurrentWidget(contents_);
    if (!file_.defaultPage().empty()) open(pageUrl(file_.defaultPage()));
    bringToFront();
}

void HelpViewer::showPage(const std::string& page) {
    navigation_->setCurrentWidget(contents_);
    open(pageUrl(page));
    bringToFront();
}

void HelpViewer::showKeyword(const std::string& keyword, const std::string& page) {
    navigation_->setCurrentIndex(navigation_->indexOf(index_->parentWidget()));
    indexSearch_->setText(QString::fromStdString(keyword));
    findKeyword(indexSearch_->text());
    open(pageUrl(page));
    bringToFront();
}

std::string HelpViewer::currentPage() const {
    const QUrl source = page_->source();
    return source.isEmpty() ? std::string() : source.toString(QUrl::RemoveScheme).toStdString();
}

void HelpViewer::open(const QUrl& url) {
    if (url == page_->source()) return;
    page_->setSource(url, QTextDocument::HtmlResource);
}

void HelpViewer::followLink(const QUrl& link) {
    const QUrl target = link.isRelative() ? page_->source().resolved(link) : link;
    const QString scheme = target.scheme().toLower();
    if (scheme == kScheme) {
        open(target);
    } else if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
               scheme == QLatin1String("mailto")) {
        shell_.open(target.toString().toStdString());
    }
}

void HelpViewer::findKeyword(const QString& typed) {
    const QString wanted = typed.trimmed();
    if (wanted.isEmpty()) return;
    for (int row = 0; row < index_->count(); ++row) {
        QListWidgetItem* item = index_->item(row);
        if (item->text().trimmed().startsWith(wanted, Qt::CaseInsensitive)) {
            index_->setCurrentItem(item);
            index_->scrollToItem(item, QAbstractItemView::PositionAtTop);
            return;
        }
    }
}

void HelpViewer::displayChosenKeyword() {
    const QListWidgetItem* item = index_->currentItem();
    const QString page = item != nullptr ? item->data(Qt::UserRole).toString() : QString();
    if (!page.isEmpty()) open(pageUrl(page.toStdString()));
}

void HelpViewer::markContentsLine(const QUrl& url) {
    QTreeWidgetItem* line = contentsLines_.value(pathKey(url));
    if (line == nullptr) return;
    const QSignalBlocker quiet(contents_);
    contents_->setCurrentItem(line);
    contents_->scrollToItem(line);
}

void HelpViewer::bringToFront() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

}  // namespace ntx
