#pragma once
// Scripted user-interface services for tests: each answers from a queue set up by the
// test (a neutral answer when the queue is empty) and records what it was asked.

#include <deque>
#include <string>
#include <vector>

#include "platform/UiServices.h"

namespace ntx {

class ScriptedDatePicker : public DatePicker {
  public:
    struct Request {
        std::string title;
        Date start;
    };
    std::optional<Date> pickDate(const std::string& title, Date start) override {
        requests.push_back({title, start});
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<Request> requests;
    std::deque<std::optional<Date>> answers;
};

class ScriptedFileDialog : public FileDialog {
  public:
    struct Request {
        std::string title, folder, filters;
    };
    std::optional<std::string> openFile(const std::string& title, const std::string& folder,
                                        const std::string& filters) override {
        requests.push_back({title, folder, filters});
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<Request> requests;
    std::deque<std::optional<std::string>> answers;
};

class RecordingClipboard : public Clipboard {
  public:
    void setText(const std::string& text) override { contents = text; }
    [[nodiscard]] std::string text() const override { return contents; }
    std::string contents;
};

class RecordingShell : public Shell {
  public:
    bool open(const std::string& address) override {
        opened.push_back(address);
        return succeeds;
    }
    std::vector<std::string> opened;
    bool succeeds = true;
};

class RecordingHelp : public HelpService {
  public:
    void showContents() override { asked.push_back("contents"); }
    void showTopic(const std::string& topic) override { asked.push_back("topic:" + topic); }
    void lookUpKeyword(const std::string& keyword, const std::string&,
                       const std::string&) override {
        asked.push_back("keyword:" + keyword);
    }
    std::vector<std::string> asked;
};

class RecordingPrinterSetup : public PrinterSetup {
  public:
    void showPrinterSetup() override { ++shown; }
    int shown = 0;
};

class FixedClock : public Clock {
  public:
    explicit FixedClock(Date day = composeDate(12, 11, 2026), Time time = composeTime(9, 30))
        : day_(day), time_(time) {}
    [[nodiscard]] Date today() const override { return day_; }
    [[nodiscard]] Time now() const override { return time_; }
    void set(Date day, Time time) {
        day_ = day;
        time_ = time;
    }

  private:
    Date day_;
    Time time_;
};

// One of each, bundled, for window tests.
struct ScriptedUi {
    RecordedMessages messages;
    ScriptedDatePicker dates;
    ScriptedFileDialog files;
    RecordingClipboard clipboard;
    RecordingShell shell;
    RecordingHelp help;
    RecordingPrinterSetup printer;
    FixedClock clock;

    UiServices services() {
        return {messages, dates, files, clipboard, shell, help, printer, clock};
    }
};

}  // namespace ntx
