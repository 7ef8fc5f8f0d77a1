#pragma once
// Window sizes and positions are given in dialog units: a quarter of the average character
// width across and an eighth of the character height down, in the window's font.

#include <QFont>
#include <QPoint>
#include <QSize>

namespace ntx {

class DialogUnits {
  public:
    explicit DialogUnits(const QFont& font);

    [[nodiscard]] int toPixelsX(int units) const;
    [[nodiscard]] int toPixelsY(int units) const;
    [[nodiscard]] int fromPixelsX(int pixels) const;
    [[nodiscard]] int fromPixelsY(int pixels) const;
    [[nodiscard]] QSize toPixels(QSize units) const {
        return {toPixelsX(units.width()), toPixelsY(units.height())};
    }
    [[nodiscard]] QPoint toPixels(QPoint units) const {
        return {toPixelsX(units.x()), toPixelsY(units.y())};
    }

  private:
    double charWidth_;
    double charHeight_;
};

}  // namespace ntx
