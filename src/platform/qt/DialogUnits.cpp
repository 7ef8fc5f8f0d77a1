#include "platform/qt/DialogUnits.h"

#include <QFontMetricsF>
#include <cmath>

namespace ntx {

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetricsF m(font);
    // The average width of the letters, as dialog units have always been measured.
    charWidth_ = m.horizontalAdvance(
                     QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                 52.0;
    charHeight_ = m.height();
    if (charWidth_ <= 0) charWidth_ = 6;
    if (charHeight_ <= 0) charHeight_ = 13;
}

int DialogUnits::toPixelsX(int units) const {
    return static_cast<int>(std::lround(units * charWidth_ / 4.0));
}
int DialogUnits::toPixelsY(int units) const {
    return static_cast<int>(std::lround(units * charHeight_ / 8.0));
}
int DialogUnits::fromPixelsX(int pixels) const {
    return static_cast<int>(std::lround(pixels * 4.0 / charWidth_));
}
int DialogUnits::fromPixelsY(int pixels) const {
    return static_cast<int>(std::lround(pixels * 8.0 / charHeight_));
}

}  // namespace ntx
