#include "platform/qt/QtMessageBox.h"

#include <QMessageBox>
#include <QPainter>
#include <QPushButton>

namespace ntx {
namespace {

// The program's own icon for serious errors: a red cross on a white disc.
QPixmap redCross() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(180, 0, 0), 2));
    p.drawEllipse(2, 2, 28, 28);
    p.setPen(QPen(QColor(220, 0, 0), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(10, 10, 22, 22);
    p.drawLine(22, 10, 10, 22);
    return pixmap;
}

void setIcon(QMessageBox& box, MessageIcon icon) {
    switch (icon) {
        case MessageIcon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case MessageIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MessageIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case MessageIcon::Exclamation:
        case MessageIcon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case MessageIcon::RedCross:
            box.setIconPixmap(redCross());
            break;
    }
}

}  // namespace

std::unique_ptr<QMessageBox> QtMessageBox::build(const MessageRequest& request, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(QString::fromStdString(request.caption));
    box->setText(QString::fromStdString(request.text).replace(QLatin1Char('|'), QLatin1Char('\n')));
    box->setTextFormat(Qt::PlainText);
    setIcon(*box, request.icon);
    box->setWindowModality(Qt::ApplicationModal);
    const QStringList captions = QString::fromStdString(request.buttons).split(QLatin1Char('|'));
    for (int i = 0; i < captions.size(); ++i) {
        QPushButton* button = box->addButton(captions[i], QMessageBox::ActionRole);
        button->setObjectName(QStringLiteral("button%1").arg(i + 1));
        if (i + 1 == request.defaultButton) box->setDefaultButton(button);
    }
    // Escape answers with the last button, as closing the box does.
    box->setEscapeButton(box->buttons().isEmpty() ? nullptr : box->buttons().constLast());
    return box;
}

int QtMessageBox::show(const MessageRequest& request) {
    auto box = build(request, parent_);
    box->exec();
    const QList<QAbstractButton*> buttons = box->buttons();
    const int index = static_cast<int>(buttons.indexOf(box->clickedButton()));
    return index >= 0 ? index + 1 : static_cast<int>(buttons.size());
}

}  // namespace ntx
