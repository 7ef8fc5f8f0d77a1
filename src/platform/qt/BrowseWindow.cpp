#include "platform/qt/BrowseWindow.h"

#include <QCloseEvent>

#include "platform/Pictures.h"
#include "platform/qt/DialogUnits.h"
#include "shell/Artwork.h"

namespace ntx {

BrowseWindow::BrowseWindow(AppContext& app, ThreadContext& thread, FileAccessManager& file,
                           BrowseWindowDesign design)
    : app_(app), thread_(thread), file_(file), design_(std::move(design)) {
    setObjectName(QString::fromLatin1(design_.procedure));
    setWindowTitle(QString::fromLatin1(design_.caption));
    setWindowIcon(artworkIcon(QString::fromLatin1(design_.icon)));
    setFont(QFont(QStringLiteral("Arial"), 8));
    setProperty("helpTopic", QString::fromLatin1(design_.helpTopic));

    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("CURRENTTAB"));
    for (const BrowseTab& t : design_.tabs) {
        const int i = tabs_->addTab(QString::fromLatin1(t.text));
        tabs_->setTabData(i, QString::fromLatin1(t.useName));
    }
    list_ = new BrowseList(file, QString::fromLatin1(design_.tableName), this);
    list_->table()->setToolTip(QStringLiteral("Browsing Records"));
    list_->model().setRowColour([this](const RecordValues& v) { return rowColour(v); });
    countLabel_ = new QLabel(this);
    countLabel_->setObjectName(QStringLiteral("LOC:RECORDCOUNT"));
    countLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto button = [this](const char* name, const char* text, const char* tip) {
        auto* b = new QPushButton(QString::fromLatin1(text), this);
        b->setObjectName(QString::fromLatin1(name));
        if (*tip != '\0') b->setToolTip(QString::fromLatin1(tip));
        return b;
    };
    insert_ = button("INSERT:2", "&Insert", "Add a new record.");
    change_ = button("CHANGE:2", "&Change", "Edit the selected record.");
    delete_ = button("DELETE:2", "&Delete", "Remove the selected record.");
    close_ = button("CLOSE", "Close", "Close Window");
    help_ = button("HELP", "", "");
    help_->setIcon(artworkIcon(QStringLiteral("HELP.ICO")));

    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0 && index != tab_) chooseTab(index);
    });
    connect(list_, &BrowseList::highlightChanged, this, [this] { refresh(); });
    connect(insert_, &QPushButton::clicked, this, [this] { callForm(InsertRecord); });
    connect(change_, &QPushButton::clicked, this, [this] { callForm(ChangeRecord); });
    connect(delete_, &QPushButton::clicked, this, [this] { callForm(DeleteRecord); });
    connect(close_, &QPushButton::clicked, this, [this] {
        if (QWidget* w = parentWidget()) w->close();
    });
    connect(help_, &QPushButton::clicked, this, [this] {
        list_->loadHighlighted();
        app_.ui.help.lookUpKeyword(design_.helpKeyword, "Help Topic", "Not Found");
    });
}

BrowseWindow::~BrowseWindow() {
    app_.threads.end(thread_.number());
}

bool BrowseWindow::open(QMdiSubWindow* window) {
    procedure_ =
        std::make_unique<ProcedureWindow>(design_.procedure, thread_, app_.settings, window, true);
    window->resize(DialogUnits(font()).toPixels(design_.designedSize));
    const std::uint8_t request = procedure_->open();
    *design_.threadSlot = thread_.number();
    fileOpened_ = file_.open();
    if (!fileOpened_) return false;
    const bool viewOnly = request == ViewRecord;
    for (QPushButton* b : {insert_, change_, delete_}) b->setEnabled(!viewOnly);
    const std::string format =
        openListLayout(app_.settings, design_.layout, design_.designedFormat);
    if (!list_->setFormat(format, design_.columnFields))
        list_->setFormat(design_.designedFormat, design_.columnFields);
    *design_.openFlag = true;
    procedure_->setSizeLimits(design_.minimumSize, design_.maximumSize);
    chooseTab(0);
    // Until the user picks a tab the window keeps its own caption.
    setWindowTitle(QString::fromLatin1(design_.caption));
    return true;
}

void BrowseWindow::closeEvent(QCloseEvent* event) {
    if (inCall_) {
        // A form or viewer of this list is still open; it closes first.
        event->ignore();
        return;
    }
    if (fileOpened_) {
        const std::string format = list_->currentFormat();
        file_.close();
        fileOpened_ = false;
        afterClose();
        saveListLayout(app_.settings, design_.layout, format);
    }
    if (procedure_) procedure_->close();
    *design_.openFlag = false;
    if (*design_.threadSlot == thread_.number()) *design_.threadSlot = 0;
    event->accept();
}

void BrowseWindow::chooseTab(int index) {
    tab_ = index;
    if (tabs_->currentIndex() != index) tabs_->setCurrentIndex(index);
    const BrowseTab& t = design_.tabs[static_cast<std::size_t>(index)];
    setWindowTitle(QString::fromLatin1(t.caption));
    updateCount(list_->setSortOrder({t.key, t.filter, t.locator}));
    refresh();
    list_->table()->setFocus();
}

void BrowseWindow::updateCount(std::int64_t n) {
    // A failed read keeps the count shown before.
    if (n >= 0) count_ = n;
    countLabel_->setText(
        QString::fromStdString(formatNumber(*parsePicture(design_.countPicture), count_)));
}

void BrowseWindow::reloadRows(const KeyPosition* at) {
    updateCount(list_->reload(at));
    refresh();
}

void BrowseWindow::callOnThread(const std::function<void(std::function<void()>)>& call) {
    inCall_ = true;
    setEnabled(false);
    call([this] {
        inCall_ = false;
        setEnabled(true);
        refresh();
        list_->table()->setFocus();
    });
}

void BrowseWindow::callForm(std::uint8_t request) {
    if (request != InsertRecord && !list_->loadHighlighted()) return;
    beforeForm(request);
    thread_.requestCode = request;
    inCall_ = true;
    setEnabled(false);
    runForm(request, [this](std::uint8_t response) {
        inCall_ = false;
        setEnabled(true);
        // After a save the list shows the record saved; otherwise it stays where it was.
        const KeyPosition at{record().values(), record().position()};
        const KeyPosition* keep =
            response == RequestCompleted && record().position() != 0 ? &at : nullptr;
        const int row = list_->currentRow();
        reloadRows(keep);
        if (keep == nullptr && row > 0)
            list_->selectRow(std::min(row, list_->model().rowCount() - 1));
        list_->table()->setFocus();
    });
}

}  // namespace ntx
