#include "shell/ViewLicence.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "platform/qt/ProcedureWindow.h"

namespace ntx {

void ViewLicence::run(AppContext& app, ThreadContext& thread, QWidget* owner) {
    const QString path = QString::fromStdString((app.folder / "viewlic.txt").string());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        app.ui.messages.show({"Licence agreement",
                              "The licence agreement could not be shown: the file " +
                                  path.toStdString() + " is missing or cannot be read.",
                              MessageIcon::Exclamation});
        return;
    }
    QDialog dialog(owner);
    dialog.setObjectName(QStringLiteral("ViewLicence"));
    dialog.setWindowTitle(QStringLiteral("Licence agreement"));
    auto* text = new QPlainTextEdit(QString::fromUtf8(file.readAll()), &dialog);
    text->setObjectName(QStringLiteral("LicenceText"));
    text->setReadOnly(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    dialog.resize(560, 420);
    ProcedureWindow procedure("ViewLicence", thread, app.settings, &dialog, true);
    procedure.open();
    dialog.exec();
    procedure.close();
}

}  // namespace ntx
