#include "shell/Main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "birthdays/BrowseBirthdays.h"
#include "data/Globals.h"
#include "reminders/BrowseReminders.h"
#include "shell/AboutProgram.h"
#include "shell/Artwork.h"
#include "shell/CountCurrentBirthdays.h"
#include "shell/CountCurrentReminders.h"
#include "shell/FrameStatus.h"
#include "shell/MainMenus.h"
#include "shell/Maker.h"

namespace ntx {
namespace {

QString objectNameOf(const char* useName) {
    QString name = QString::fromLatin1(useName);
    if (name.startsWith(QLatin1Char('?'))) name.remove(0, 1);
    return name;
}

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

// The toolbar with "MainBG.bmp" behind its buttons.
class PictureToolBar : public QToolBar {
  public:
    using QToolBar::QToolBar;

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter p(this);
        p.drawTiledPixmap(rect(), artworkPicture(QStringLiteral("MainBG.bmp")));
        QToolBar::paintEvent(event);
    }
};

}  // namespace

Main::Main(AppContext& app, ThreadContext& thread, QWidget* parent)
    : QMainWindow(parent),
      app_(app),
      thread_(thread),
      procedure_("Main", thread, app.settings, this, true),
      locale_(conventionsOfUserLocale()) {
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Natalix"));
    setWindowIcon(artworkIcon(QStringLiteral("UserOrg.ico")));
    setFont(QFont(QStringLiteral("Arial")));
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("MDIClient"));
    mdi_->setBackground(QBrush(artworkPicture(QStringLiteral("MainBG.bmp"))));
    setCentralWidget(mdi_);
    buildMenus();
    buildToolbar();
    buildStatusBar();
    connectActions();
    mdi_->viewport()->installEventFilter(this);
    connect(mdi_, &QMdiArea::subWindowActivated, this, &Main::updateMaintenance);
    timer_.setInterval(frameTimerInterval(100) * 10);
    connect(&timer_, &QTimer::timeout, this, &Main::tick);
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    f1->setContext(Qt::ApplicationShortcut);
    connect(f1, &QShortcut::activated, this, &Main::contextHelp);
}

Main::~Main() {
    procedure_.close();
}

void Main::buildMenus() {
    std::map<int, QMenu*> menus;
    for (const FrameMenuEntry& e : frameMenus()) {
        QAction* action = nullptr;
        if (e.isMenu) {
            QMenu* menu = e.parent == 0 ? menuBar()->addMenu(QString::fromUtf8(e.caption))
                                        : menus.at(e.parent)->addMenu(QString::fromUtf8(e.caption));
            menu->setObjectName(objectNameOf(e.useName));
            menus[e.number] = menu;
            action = menu->menuAction();
        } else {
            if (e.number == -43) menus.at(e.parent)->addSeparator();
            action = menus.at(e.parent)->addAction(QString::fromUtf8(e.caption));
            if (*e.shortcut != '\0')
                action->setShortcut(QKeySequence(QString::fromLatin1(e.shortcut)));
        }
        action->setObjectName(objectNameOf(e.useName));
        action->setStatusTip(QString::fromUtf8(e.tip));
        action->setToolTip(QString::fromUtf8(e.tip));
        actions_[objectNameOf(e.useName).toStdString()] = action;
    }
}

void Main::buildToolbar() {
    auto* bar = new PictureToolBar(QStringLiteral("Toolbar"), this);
    addToolBar(bar);
    bar->setObjectName(QStringLiteral("Toolbar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    for (const FrameToolEntry& e : frameTools()) {
        const QString name = objectNameOf(e.useName);
        if (!e.isButton) {
            auto* label = new QLabel(bar);
            label->setObjectName(name);
            label->setFont(QFont(QStringLiteral("Arial")));
            label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 30);
            bar->addWidget(label);
            (name == QLatin1String("GLO:ANYREMINDERS") ? reminders_ : birthdays_) = label;
            continue;
        }
        QAction* action =
            bar->addAction(artworkIcon(QString::fromLatin1(e.icon)), QString::fromUtf8(e.text));
        action->setObjectName(name);
        action->setToolTip(QString::fromUtf8(e.tip));
        action->setStatusTip(QString::fromUtf8(e.tip));
        bar->widgetForAction(action)->setObjectName(name);
        actions_[name.toStdString()] = action;
    }
}

void Main::buildStatusBar() {
    // Zone 1 is the status bar's own message area, where menu tips show.
    for (QLabel** zone : {&zone2_, &zone3_, &zone4_}) {
        *zone = new QLabel(this);
        statusBar()->addPermanentWidget(*zone);
    }
    zone2_->setObjectName(QStringLiteral("StatusZone2"));
    zone3_->setObjectName(QStringLiteral("StatusZone3"));
    zone4_->setObjectName(QStringLiteral("StatusZone4"));
}

void Main::connectActions() {
    const std::map<std::string, std::function<void()>> builtIn = {
        {"PRINTSETUP", [this] { app_.ui.printer.showPrinterSetup(); }},
        {"EXIT", [this] { close(); }},
        {"CUT", [this] { editCommand("cut"); }},
        {"COPY", [this] { editCommand("copy"); }},
        {"PASTE", [this] { editCommand("paste"); }},
        {"MAINTENANCEAUTOUPDATEALLAGES", [this] { autoUpdateAges(); }},
        {"TILE", [this] { mdi_->tileSubWindows(); }},
        {"CASCADE", [this] { mdi_->cascadeSubWindows(); }},
        {"ARRANGE", [this] { arrangeIcons(); }},
        {"HELPINDEX", [this] { app_.ui.help.showContents(); }},
        {"HELPQUICKHELP",
         [this] {
             app_.ui.help.lookUpKeyword("Tour Browse Birthdays", "Help topic", "Not found");
         }},
        {"HELPABOUTTHISPROGRAM", [this] { showAbout(); }},
        {"HELPCHECKFORUPDATESONLINE", [this] { checkForUpdates(); }},
        {"CALENDAR", [this] { (void)app_.ui.dates.pickDate("View Calendar", kNoDate); }},
        {"BUPBUT", [this] { backupButton(); }},
        {"BROWSEBIRTHDAYS", [this] { BrowseBirthdays::start(app_, *this); }},
        {"BROWSEBUT", [this] { BrowseBirthdays::start(app_, *this); }},
        {"BROWSEREMINDERS", [this] { BrowseReminders::start(app_, *this); }},
        {"REMBUT", [this] { BrowseReminders::start(app_, *this); }},
    };
    procedures_ = builtIn;
    for (const auto& [name, action] : actions_) {
        connect(action, &QAction::triggered, this, [this, key = name] { run(key); });
    }
}

void Main::setProcedure(const std::string& useName, std::function<void()> run) {
    procedures_[useName] = std::move(run);
}

void Main::run(const std::string& useName) {
    const auto it = procedures_.find(useName);
    if (it != procedures_.end() && it->second) it->second();
}

QAction* Main::action(const QString& useName) const {
    const auto it = actions_.find(useName.toStdString());
    return it == actions_.end() ? nullptr : it->second;
}

QMdiSubWindow* Main::addChildWindow(QWidget* window) {
    QMdiSubWindow* child = mdi_->addSubWindow(window);
    child->setAttribute(Qt::WA_DeleteOnClose);
    updateMaintenance();
    return child;
}

void Main::open() {
    procedure_.setSizeLimits({535, 330});
    procedure_.open();
    const Date today = app_.ui.clock.today();
    CountCurrentBirthdays::run(thread_, today);
    CountCurrentReminders::run(thread_, today);
    refreshCounts();
    show();
    // Fixed for the whole run, even past midnight.
    globals().thisDay = today;
    globals().programStartDate = today;
    tick();
    timer_.start();
    updateMaintenance();
}

void Main::refreshCounts() {
    birthdays_->setText(q(globals().anyBirthdays));
    reminders_->setText(q(globals().anyReminders));
}

void Main::tick() {
    zone3_->setText(q(statusDateText(app_.ui.clock.today(), locale_)));
    zone4_->setText(q(statusTimeText(app_.ui.clock.now(), locale_)));
    refreshCounts();
    updateMaintenance();
}

// The age update may start only while no child window is open.
void Main::updateMaintenance() {
    const bool open = !mdi_->subWindowList().isEmpty();
    for (const char* name : {"TILE", "CASCADE", "ARRANGE"}) actions_.at(name)->setEnabled(open);
    if (open != windowsOpen_) {
        actions_.at("MAINTENANCE")->setEnabled(!open);
        windowsOpen_ = open;
    }
}

bool Main::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mdi_->viewport() &&
        (event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildRemoved)) {
        QTimer::singleShot(0, this, &Main::updateMaintenance);
    }
    return QMainWindow::eventFilter(watched, event);
}

void Main::autoUpdateAges() {
    const int answer =
        app_.ui.messages.show({"Auto age update...",
                               "- Frequent updates are not necessary as this age is stored in "
                               "'Years' only.|- Ages will be "
                               "re-calculated using the current date (System Date).|- Records set "
                               "as being excluded from 'Auto Age "
                               "Updates' will remain unchanged.||  Once started please wait until "
                               "the 'Complete' message is displayed.|",
                               MessageIcon::Information, "&Continue|&Abort", 1});
    if (answer == 1) {
        run("UpdateAges");
        return;
    }
    app_.ui.messages.show(
        {"Aborted by user...", "No changes have been made.", MessageIcon::Information});
}

void Main::backupButton() {
    const bool people = globals().birthdayListOpen;
    const bool reminders = globals().reminderListOpen;
    const char* text = people && reminders ? "Please [Close] the Browse windows first."
                       : people            ? "Please [Close] the Browse Birthdays window first."
                       : reminders         ? "Please [Close] the Browse Reminders window first."
                                           : nullptr;
    if (text != nullptr) {
        app_.ui.messages.show({"Important...", text, MessageIcon::Information});
        return;
    }
    run("FILECREATEADATABACKUP");
}

void Main::checkForUpdates() {
    app_.ui.messages.show({"Please note...",
                           "You must be connected to the Internet to use this option.",
                           MessageIcon::Information});
    app_.ui.shell.open(kUpdatesPage);
}

// Cut, copy and paste act on the entry that has the focus.
void Main::editCommand(const char* slot) {
    if (QWidget* w = QApplication::focusWidget()) QMetaObject::invokeMethod(w, slot);
}

// Lines the minimised child windows up along the bottom of the client area.
void Main::arrangeIcons() {
    int x = 0;
    for (QMdiSubWindow* child : mdi_->subWindowList()) {
        if (!child->isMinimized()) continue;
        child->move(x, mdi_->viewport()->height() - child->height());
        x += child->width();
    }
}

// F1 shows the topic of the window the user is in (the nearest "helpTopic" property from
// the focused control outwards), or the table of contents where the window names none.
void Main::contextHelp() {
    QWidget* w = QApplication::focusWidget();
    if (w == nullptr && mdi_->activeSubWindow() != nullptr) w = mdi_->activeSubWindow()->widget();
    for (; w != nullptr; w = w->parentWidget()) {
        const QString topic = w->property("helpTopic").toString();
        if (!topic.isEmpty()) {
            app_.ui.help.showTopic(topic.toStdString());
            return;
        }
    }
    app_.ui.help.showContents();
}

void Main::showAbout() {
    AboutProgram::start(app_, this);
}

void Main::closeEvent(QCloseEvent* event) {
    timer_.stop();
    mdi_->closeAllSubWindows();
    procedure_.close();
    event->accept();
}

}  // namespace ntx
