#include "platform/qt/FocusColouring.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QToolBar>

namespace ntx {

FocusColouring::FocusColouring(QObject* parent) : QObject(parent) {
    qApp->installEventFilter(this);
}

bool FocusColouring::isEntry(const QWidget* w) {
    if (w == nullptr || !w->isVisible() || !w->isEnabled()) return false;
    for (const QWidget* p = w; p != nullptr; p = p->parentWidget()) {
        if (qobject_cast<const QToolBar*>(p)) return false;
    }
    if (auto* combo = qobject_cast<const QComboBox*>(w)) return combo->isEditable();
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w);
}

bool FocusColouring::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        // Windows of the platform get focus events too; only widgets matter here.
        auto* w = qobject_cast<QWidget*>(watched);
        if (w == nullptr) return QObject::eventFilter(watched, event);
        if (event->type() == QEvent::FocusOut && w == current_) restore(w);
        if (event->type() == QEvent::FocusIn && w != current_ && isEntry(w)) {
            if (current_) restore(current_);
            highlight(w);
        }
    }
    return QObject::eventFilter(watched, event);
}

void FocusColouring::highlight(QWidget* w) {
    saved_ = {w->palette(), w->font()};
    QPalette p = w->palette();
    p.setColor(QPalette::Base, kFocusFill);
    w->setPalette(p);
    current_ = w;
}

void FocusColouring::restore(QWidget* w) {
    w->setPalette(saved_.palette);
    w->setFont(saved_.font);
    current_ = nullptr;
}

}  // namespace ntx
