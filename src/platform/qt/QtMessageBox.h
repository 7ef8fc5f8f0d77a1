#pragma once
// Message boxes as real modal dialogs: caption, icon, text with "|" line breaks, the
// button list with "&" accelerators, and the default button.

#include <QPointer>
#include <QWidget>
#include <memory>

#include "platform/MessageService.h"

class QMessageBox;

namespace ntx {

class QtMessageBox : public MessageService {
  public:
    // Boxes are shown over `parent` (the main frame) when it is set.
    explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    int show(const MessageRequest& request) override;

    // The dialog for a request, built but not shown (tests look at it).
    [[nodiscard]] static std::unique_ptr<QMessageBox> build(const MessageRequest& request,
                                                            QWidget* parent);

  private:
    QPointer<QWidget> parent_;
};

}  // namespace ntx
