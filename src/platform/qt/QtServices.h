#pragma once
// The desktop implementations of the calendar, the file-open dialog, the clipboard, the
// shell and the printer set-up.

#include <QPointer>
#include <QWidget>
#include <memory>

#include "platform/UiServices.h"

class QDate;
class QPrinter;

namespace ntx {

[[nodiscard]] QDate toQDate(Date d);
[[nodiscard]] Date fromQDate(const QDate& d);

class QtDatePicker : public DatePicker {
  public:
    QtDatePicker(const Clock& clock, QWidget* parent = nullptr) : clock_(clock), parent_(parent) {}
    std::optional<Date> pickDate(const std::string& title, Date start) override;

  private:
    const Clock& clock_;
    QPointer<QWidget> parent_;
};

class QtFileDialog : public FileDialog {
  public:
    explicit QtFileDialog(QWidget* parent = nullptr) : parent_(parent) {}
    std::optional<std::string> openFile(const std::string& title, const std::string& folder,
                                        const std::string& filters) override;

  private:
    QPointer<QWidget> parent_;
};

class QtClipboard : public Clipboard {
  public:
    void setText(const std::string& text) override;
    [[nodiscard]] std::string text() const override;
};

class QtShell : public Shell {
  public:
    bool open(const std::string& address) override;
};

// The printer and page settings of this run, chosen in the printer set-up dialog.
class QtPrinterSetup : public PrinterSetup {
  public:
    explicit QtPrinterSetup(QWidget* parent = nullptr);
    ~QtPrinterSetup() override;
    void showPrinterSetup() override;
    [[nodiscard]] QPrinter& printer() { return *printer_; }

  private:
    QPointer<QWidget> parent_;
    std::unique_ptr<QPrinter> printer_;
};


}  // namespace ntx
