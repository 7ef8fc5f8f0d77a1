#include "platform/qt/QtServices.h"

#include <QCalendarWidget>
#include <QClipboard>
#include <QDate>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QUrl>
#include <QVBoxLayout>

namespace ntx {

QDate toQDate(Date d) {
    const YearMonthDay ymd = toYearMonthDay(d);
    return ymd.year == 0 ? QDate() : QDate(ymd.year, ymd.month, ymd.day);
}

Date fromQDate(const QDate& d) {
    return d.isValid() ? composeDate(d.month(), d.day(), d.year()) : kNoDate;
}

std::optional<Date> QtDatePicker::pickDate(const std::string& title, Date start) {
    QDialog dialog(parent_);
    dialog.setWindowTitle(QString::fromStdString(title));
    auto* calendar = new QCalendarWidget(&dialog);
    calendar->setObjectName(QStringLiteral("calendar"));
    calendar->setGridVisible(true);
    calendar->setMinimumDate(toQDate(kFirstDate));
    calendar->setMaximumDate(toQDate(kLastDate));
    calendar->setSelectedDate(toQDate(start != kNoDate ? start : clock_.today()));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(calendar, &QCalendarWidget::activated, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(calendar);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return fromQDate(calendar->selectedDate());
}

std::optional<std::string> QtFileDialog::openFile(const std::string& title,
                                                  const std::string& folder,
                                                  const std::string& filters) {
    const QString path = QFileDialog::getOpenFileName(parent_, QString::fromStdString(title),
                                                      QString::fromStdString(folder),
                                                      QString::fromStdString(filters));
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

void QtClipboard::setText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

std::string QtClipboard::text() const {
    return QGuiApplication::clipboard()->text().toStdString();
}

bool QtShell::open(const std::string& address) {
    const QUrl url(QString::fromStdString(address), QUrl::TolerantMode);
    // Only web pages and mail links are handed to the desktop; nothing is ever run.
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https") &&
        scheme != QLatin1String("mailto")) {
        return false;
    }
    return QDesktopServices::openUrl(url);
}

QtPrinterSetup::QtPrinterSetup(QWidget* parent)
    : parent_(parent), printer_(std::make_unique<QPrinter>()) {}

QtPrinterSetup::~QtPrinterSetup() = default;

void QtPrinterSetup::showPrinterSetup() {
    QPageSetupDialog dialog(printer_.get(), parent_);
    dialog.exec();
}

}  // namespace ntx
