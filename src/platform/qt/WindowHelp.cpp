#include "platform/qt/WindowHelp.h"

#include <QKeyEvent>
#include <QObject>
#include <QWidget>

#include "platform/UiServices.h"

namespace ntx {
namespace {

// Watches the window, where key events its controls leave alone arrive.
class F1Filter : public QObject {
  public:
    F1Filter(QWidget* window, HelpService& help, std::string topic)
        : QObject(window), help_(help), topic_(std::move(topic)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool overriding = event->type() == QEvent::ShortcutOverride;
        if (overriding || event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
                // Claiming the key first keeps the frame's own F1 shortcut out of this window.
                key->accept();
                if (!overriding) help_.showTopic(topic_);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    HelpService& help_;
    std::string topic_;
};

}  // namespace

void setUpWindowHelp(QWidget* window, HelpService& help, std::string topic) {
    // Where the frame's F1 looks for the topic of the focused window.
    window->setProperty("helpTopic", QString::fromStdString(topic));
    window->installEventFilter(new F1Filter(window, help, std::move(topic)));
}

}  // namespace ntx
