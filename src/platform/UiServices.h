#pragma once
// The user-interface services every window goes through for what it asks of the user or
// the desktop: message boxes (MessageService.h), the calendar, the file-open dialog, the
// clipboard, the desktop's handler for web addresses and "mailto:" links, help, and the
// clock. The desktop implementations live in platform/qt; tests use the scripted ones of
// ScriptedServices.h, which answer from a script and record what was asked.

#include <optional>
#include <string>

#include "platform/Dates.h"
#include "platform/MessageService.h"

namespace ntx {

class DatePicker {
  public:
    virtual ~DatePicker() = default;
    // Shows the calendar titled `title`, opening on `start` (today when 0). Returns the
    // chosen date, or nothing when the user cancelled.
    virtual std::optional<Date> pickDate(const std::string& title, Date start) = 0;
};

class FileDialog {
  public:
    virtual ~FileDialog() = default;
    // Asks for an existing file. `filters` are "Description (*.a *.b)" entries separated
    // by ";;". Returns the chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> openFile(const std::string& title, const std::string& folder,
                                                const std::string& filters) = 0;
};

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual void setText(const std::string& text) = 0;
    [[nodiscard]] virtual std::string text() const = 0;
};

class Shell {
  public:
    virtual ~Shell() = default;
    // Opens a web address or a "mailto:" link with the desktop's handler (never through a
    // command shell). Returns false when nothing could open it.
    virtual bool open(const std::string& address) = 0;
};

class HelpService {
  public:
    virtual ~HelpService() = default;
    // The help file's table of contents.
    virtual void showContents() = 0;
    // A window's topic, such as "Birthdays".
    virtual void showTopic(const std::string& topic) = 0;
    // The page of an index keyword; when no page has it, a message with `notFoundTitle`
    // and `notFoundText` ("Help Topic", "Not Found").
    virtual void lookUpKeyword(const std::string& keyword, const std::string& notFoundTitle,
                               const std::string& notFoundText) = 0;
};

class PrinterSetup {
  public:
    virtual ~PrinterSetup() = default;
    // The printer set-up dialog; the choices made there apply to what is printed later.
    virtual void showPrinterSetup() = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    [[nodiscard]] virtual Date today() const = 0;
    [[nodiscard]] virtual Time now() const = 0;
};

// The local date and time of the machine.
class SystemClock : public Clock {
  public:
    [[nodiscard]] Date today() const override;
    [[nodiscard]] Time now() const override;
};

// Everything a window may ask of the user or the desktop, handed to each window.
struct UiServices {
    MessageService& messages;
    DatePicker& dates;
    FileDialog& files;
    Clipboard& clipboard;
    Shell& shell;
    HelpService& help;
    PrinterSetup& printer;
    Clock& clock;
};

}  // namespace ntx
