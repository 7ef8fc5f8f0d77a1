#include "shell/Artwork.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace ntx {
namespace {

using Painter = void (*)(QPainter&, int);

// A birthday cake with one candle: the program's icon.
void drawCake(QPainter& p, int s) {
    const double u = s / 32.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 200, 120));
    p.drawRoundedRect(QRectF(5 * u, 17 * u, 22 * u, 11 * u), 2 * u, 2 * u);
    p.setBrush(QColor(240, 120, 160));
    p.drawRoundedRect(QRectF(4 * u, 14 * u, 24 * u, 5 * u), 2 * u, 2 * u);
    p.setBrush(QColor(70, 130, 220));
    p.drawRect(QRectF(15 * u, 6 * u, 2.5 * u, 8 * u));
    p.setBrush(QColor(255, 170, 0));
    p.drawEllipse(QRectF(14.2 * u, 1.5 * u, 4 * u, 5 * u));
}

// A yellow note with a red pin.
void drawReminder(QPainter& p, int s) {
    const double u = s / 32.0;
    p.setPen(QPen(QColor(160, 140, 40), u));
    p.setBrush(QColor(255, 236, 110));
    p.drawRect(QRectF(5 * u, 5 * u, 22 * u, 24 * u));
    p.setPen(QPen(QColor(120, 110, 60), u));
    for (int line = 0; line < 4; ++line)
        p.drawLine(QPointF(8 * u, (13 + 4 * line) * u), QPointF(24 * u, (13 + 4 * line) * u));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 30, 30));
    p.drawEllipse(QRectF(13 * u, 2 * u, 6 * u, 6 * u));
}

// A calendar sheet.
void drawCalendar(QPainter& p, int s) {
    const double u = s / 32.0;
    p.setPen(QPen(QColor(90, 90, 90), u));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4 * u, 6 * u, 24 * u, 22 * u));
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(QRectF(4 * u, 6 * u, 24 * u, 6 * u));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 90, 90));
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col)
            p.drawRect(QRectF((7 + 5.5 * col) * u, (15 + 4 * row) * u, 3 * u, 2.5 * u));
    }
}

// A memory stick.
void drawStick(QPainter& p, int s) {
    const double u = s / 32.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(180, 180, 190));
    p.drawRect(QRectF(12 * u, 2 * u, 8 * u, 8 * u));
    p.setBrush(QColor(40, 90, 170));
    p.drawRoundedRect(QRectF(9 * u, 10 * u, 14 * u, 20 * u), 3 * u, 3 * u);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(14 * u, 4 * u, 1.5 * u, 2 * u));
    p.drawRect(QRectF(17 * u, 4 * u, 1.5 * u, 2 * u));
}

// The maker's mark: an "N" in a circle.
void drawLogo(QPainter& p, int s) {
    const double u = s / 32.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 60, 140));
    p.drawEllipse(QRectF(2 * u, 2 * u, 28 * u, 28 * u));
    p.setPen(QPen(Qt::white, 3 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath n;
    n.moveTo(10 * u, 23 * u);
    n.lineTo(10 * u, 9 * u);
    n.lineTo(22 * u, 23 * u);
    n.lineTo(22 * u, 9 * u);
    p.setBrush(Qt::NoBrush);
    p.drawPath(n);
}

// Two overlapping sheets.
void drawCopy(QPainter& p, int s) {
    const double u = s / 32.0;
    p.setPen(QPen(QColor(80, 80, 80), u));
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(QRectF(4 * u, 4 * u, 16 * u, 20 * u));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(12 * u, 9 * u, 16 * u, 20 * u));
}

// An envelope.
void drawMail(QPainter& p, int s) {
    const double u = s / 32.0;
    p.setPen(QPen(QColor(90, 90, 120), 1.5 * u));
    p.setBrush(QColor(250, 250, 255));
    p.drawRect(QRectF(3 * u, 8 * u, 26 * u, 17 * u));
    p.drawLine(QPointF(3 * u, 8 * u), QPointF(16 * u, 18 * u));
    p.drawLine(QPointF(29 * u, 8 * u), QPointF(16 * u, 18 * u));
}

// A question mark in a blue circle.
void drawHelp(QPainter& p, int s) {
    const double u = s / 32.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 100, 200));
    p.drawEllipse(QRectF(3 * u, 3 * u, 26 * u, 26 * u));
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setPixelSize(static_cast<int>(20 * u));
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(3 * u, 3 * u, 26 * u, 26 * u), Qt::AlignCenter, QStringLiteral("?"));
}

// A printer with a sheet coming out.
void drawPrinter(QPainter& p, int s) {
    const double u = s / 32.0;
    p.setPen(QPen(QColor(70, 70, 80), u));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9 * u, 3 * u, 14 * u, 10 * u));
    p.setBrush(QColor(150, 150, 160));
    p.drawRoundedRect(QRectF(3 * u, 12 * u, 26 * u, 11 * u), 2 * u, 2 * u);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9 * u, 19 * u, 14 * u, 10 * u));
    p.setPen(QPen(QColor(120, 120, 130), u));
    for (int line = 0; line < 2; ++line)
        p.drawLine(QPointF(11 * u, (23 + 3 * line) * u), QPointF(21 * u, (23 + 3 * line) * u));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 180, 80));
    p.drawEllipse(QRectF(24 * u, 15 * u, 2.5 * u, 2.5 * u));
}

// A magnifying glass: a lens on a handle.
void drawMagnifier(QPainter& p, int s) {
    const double u = s / 32.0;
    p.setPen(QPen(QColor(110, 70, 30), 4 * u, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19 * u, 19 * u), QPointF(28 * u, 28 * u));
    p.setPen(QPen(QColor(80, 80, 90), 2.5 * u));
    p.setBrush(QColor(200, 230, 250));
    p.drawEllipse(QRectF(3 * u, 3 * u, 18 * u, 18 * u));
}

// A red cross, for taking something away.
void drawRedCross(QPainter& p, int s) {
    const double u = s / 32.0;
    p.setPen(QPen(QColor(210, 20, 20), 6 * u, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7 * u, 7 * u), QPointF(25 * u, 25 * u));
    p.drawLine(QPointF(25 * u, 7 * u), QPointF(7 * u, 25 * u));
}

const QHash<QString, Painter>& icons() {
    static const QHash<QString, Painter> table = {
        {QStringLiteral("UserOrg.ico"), drawCake},
        {QStringLiteral("Reminder3.ico"), drawReminder},
        {QStringLiteral("Calendar2.ico"), drawCalendar},
        {QStringLiteral("USB2.ico"), drawStick},
        {QStringLiteral("Logo.ico"), drawLogo},
        {QStringLiteral("copy.ico"), drawCopy},
        {QStringLiteral("MyMail.ico"), drawMail},
        {QStringLiteral("HELP.ICO"), drawHelp},
        {QStringLiteral("Magnifier"), drawMagnifier},
        {QStringLiteral("RedCross"), drawRedCross},
        {QStringLiteral("Printer.ico"), drawPrinter},
    };
    return table;
}

QPixmap drawIcon(Painter paint, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p, size);
    return pixmap;
}

// A soft blue-grey gradient behind the frame's client area and toolbar.
QPixmap drawBackground() {
    QPixmap pixmap(64, 512);
    QPainter p(&pixmap);
    QLinearGradient g(0, 0, 0, 512);
    g.setColorAt(0, QColor(214, 226, 240));
    g.setColorAt(1, QColor(168, 188, 214));
    p.fillRect(pixmap.rect(), g);
    return pixmap;
}

// The small viewers' background: a pale grey-green gradient.
QPixmap drawViewerBackground() {
    QPixmap pixmap(64, 512);
    QPainter p(&pixmap);
    QLinearGradient g(0, 0, 0, 512);
    g.setColorAt(0, QColor(236, 242, 236));
    g.setColorAt(1, QColor(206, 218, 208));
    p.fillRect(pixmap.rect(), g);
    return pixmap;
}

// The entry forms' background: a pale blue-grey gradient.
QPixmap drawFormBackground() {
    QPixmap pixmap(64, 512);
    QPainter p(&pixmap);
    QLinearGradient g(0, 0, 0, 512);
    g.setColorAt(0, QColor(238, 242, 248));
    g.setColorAt(1, QColor(212, 222, 236));
    p.fillRect(pixmap.rect(), g);
    return pixmap;
}

// The About window's background: a warm gradient with a faint cake.
QPixmap drawSplash() {
    QPixmap pixmap(420, 260);
    QPainter p(&pixmap);
    QLinearGradient g(0, 0, 420, 260);
    g.setColorAt(0, QColor(255, 248, 230));
    g.setColorAt(1, QColor(250, 220, 200));
    p.fillRect(pixmap.rect(), g);
    p.setOpacity(0.15);
    p.translate(280, 100);
    p.setRenderHint(QPainter::Antialiasing);
    drawCake(p, 128);
    return pixmap;
}

}  // namespace

QIcon artworkIcon(const QString& name) {
    static QHash<QString, QIcon> cache;
    if (auto it = cache.constFind(name); it != cache.constEnd()) return *it;
    QIcon icon;
    if (const Painter paint = icons().value(name)) {
        for (int size : {16, 24, 32, 48, 64}) icon.addPixmap(drawIcon(paint, size));
    }
    cache.insert(name, icon);
    return icon;
}

QPixmap artworkPicture(const QString& name) {
    if (name == QLatin1String("MainBG.bmp")) return drawBackground();
    if (name == QLatin1String("Splash.GIF")) return drawSplash();
    if (name == QLatin1String("WinBG3.bmp")) return drawFormBackground();
    if (name == QLatin1String("WinBG2.bmp")) return drawViewerBackground();
    if (const Painter paint = icons().value(name)) return drawIcon(paint, 32);
    return {};
}

}  // namespace ntx
