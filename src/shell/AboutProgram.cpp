#include "shell/AboutProgram.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "shell/Artwork.h"
#include "shell/Maker.h"
#include "shell/ViewLicence.h"

namespace ntx {

AboutProgram* AboutProgram::start(AppContext& app, QWidget* frame) {
    ThreadContext& thread = app.threads.start();
    auto* window = new AboutProgram(app, thread, frame);
    window->show();
    window->activateWindow();
    return window;
}

AboutProgram::AboutProgram(AppContext& app, ThreadContext& thread, QWidget* frame)
    : QDialog(frame),
      app_(app),
      thread_(thread),
      procedure_("AboutProgram", thread, app.settings, this, false) {
    setObjectName(QStringLiteral("AboutProgram"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About..."));
    setFont(QFont(QStringLiteral("MS Sans Serif")));
    build();
    procedure_.open();
    // Two minutes, then the window closes by itself.
    timer_.setSingleShot(true);
    timer_.setInterval(120000);
    connect(&timer_, &QTimer::timeout, this, &QWidget::close);
    timer_.start();
}

AboutProgram::~AboutProgram() {
    procedure_.close();
    app_.threads.end(thread_.number());
}

void AboutProgram::build() {
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setBrush(QPalette::Window, QBrush(artworkPicture(QStringLiteral("Splash.GIF"))));
    setPalette(palette);
    auto label = [this](const QString& name, const QString& text, const QString& font, int size) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        l->setFont(QFont(font, size));
        return l;
    };
    auto* version = label(QStringLiteral("STRING7"), QString::fromLatin1(kVersionText),
                          QStringLiteral("Arial"), 9);
    auto* link = new QPushButton(QString::fromLatin1(kMakerWebSite), this);
    link->setObjectName(QStringLiteral("INTERNETLINK"));
    link->setToolTip(QStringLiteral("Click to visit our web site"));
    link->setFlat(true);
    link->setCursor(Qt::PointingHandCursor);
    auto* name = label(QStringLiteral("STRING11:2"), QStringLiteral("Natalix"),
                       QStringLiteral("Times New Roman"), 24);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("CLOSE"));
    close->setDefault(true);
    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("IMAGE1"));
    logo->setPixmap(artworkIcon(QStringLiteral("Logo.ico")).pixmap(48, 48));
    auto* licence = new QPushButton(QStringLiteral("Licence agreement"), this);
    licence->setObjectName(QStringLiteral("BUTTON2"));
    licence->setToolTip(QStringLiteral("View Licence Agreement"));
    licence->setFont(QFont(QStringLiteral("Arial")));
    auto* years =
        label(QStringLiteral("STRING12"), QStringLiteral("2011 - 2026  The Natalix developers"),
              QStringLiteral("Arial"), 8);
    auto* name2 = label(QStringLiteral("STRING11:3"), QStringLiteral("Natalix"),
                        QStringLiteral("Times New Roman"), 14);

    auto* grid = new QGridLayout(this);
    grid->addWidget(logo, 0, 0, 2, 1);
    grid->addWidget(name, 0, 1);
    grid->addWidget(name2, 1, 1);
    grid->addWidget(version, 2, 1);
    grid->addWidget(years, 3, 1);
    grid->addWidget(link, 4, 0, 1, 2);
    grid->addWidget(licence, 5, 0);
    grid->addWidget(close, 5, 1, Qt::AlignRight);

    connect(link, &QPushButton::clicked, this, [this] { app_.ui.shell.open(kMakerWebSite); });
    connect(licence, &QPushButton::clicked, this, &AboutProgram::showLicence);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void AboutProgram::showLicence() {
    // The window takes no events while the viewer is open: its two minutes wait too.
    const int remaining = timer_.remainingTime();
    timer_.stop();
    inLicence_ = true;
    ViewLicence::run(app_, thread_, this);
    inLicence_ = false;
    timer_.start(std::max(remaining, 0));
    if (auto* close = findChild<QPushButton*>(QStringLiteral("CLOSE"))) close->setFocus();
}

// Losing the focus closes the window, except to its own licence viewer.
bool AboutProgram::event(QEvent* e) {
    if (e->type() == QEvent::WindowDeactivate && !inLicence_)
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    return QDialog::event(e);
}

void AboutProgram::closeEvent(QCloseEvent* e) {
    timer_.stop();
    QDialog::closeEvent(e);
}

}  // namespace ntx
