#pragma once
// Focus colouring for every window: the entry field that receives the focus is filled
// light yellow; its own fill colour and font style come back when the focus moves on.
// Hidden and disabled controls, controls that take no typing and the frame's toolbar are
// left alone.

#include <QColor>
#include <QFont>
#include <QHash>
#include <QObject>
#include <QPalette>
#include <QPointer>

class QWidget;

namespace ntx {

// 0xCAFFFF as blue-green-red: red 255, green 255, blue 202.
inline const QColor kFocusFill(255, 255, 202);

class FocusColouring : public QObject {
    Q_OBJECT
  public:
    // Watches every widget of the application.
    explicit FocusColouring(QObject* parent = nullptr);

    [[nodiscard]] static bool isEntry(const QWidget* w);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Saved {
        QPalette palette;
        QFont font;
    };
    void highlight(QWidget* w);
    void restore(QWidget* w);

    QPointer<QWidget> current_;
    Saved saved_;
};

}  // namespace ntx
