#pragma once
// The error manager: the table of standard messages, the name of the procedure that is
// running, the last error of its thread and the "No Records" notice switch.
//
// Each logical thread has its own ErrorManager; all of them show their messages through
// one MessageService. Store operations report here and return a failure result; the
// calling procedure decides what happens next.

#include <string>
#include <vector>

#include "platform/MessageService.h"

namespace ntx {

enum class ErrorCode {
    None,
    FileCreationError,
    AccessDenied,
    FileAccessError,
    RecordInsertError,
    RecordUpdateError,
    RecordDeleteError,
    RecordReadError,
    RangeError,
    NoRecords,
    FilterError,
};

// Values filled into a message's %File, %ErrorText, %Field and %Message.
struct ErrorDetails {
    std::string file;
    std::string errorText;
    std::string field;
    std::string message;
};

class ErrorManager {
  public:
    explicit ErrorManager(MessageService* messages = nullptr) : messages_(messages) {}

    void setMessageService(MessageService* messages) { messages_ = messages; }

    // Procedures register their name when they open and unregister when they close.
    void registerProcedure(const std::string& name) { procedures_.push_back(name); }
    void unregisterProcedure();
    [[nodiscard]] std::string procedure() const;

    // Records the error as this thread's status and shows its message. The "No Records"
    // notice is shown only while the notify switch is on.
    void report(ErrorCode code, const ErrorDetails& details);

    [[nodiscard]] ErrorCode lastError() const { return lastError_; }
    [[nodiscard]] const std::string& lastErrorText() const { return lastErrorText_; }
    void clearError();

    void setNoRecordsNotice(bool on) { noRecordsNotice_ = on; }
    [[nodiscard]] bool noRecordsNotice() const { return noRecordsNotice_; }

    // The caption and text of a message with the details filled in.
    [[nodiscard]] static MessageRequest compose(ErrorCode code, const ErrorDetails& details);

  private:
    MessageService* messages_;
    std::vector<std::string> procedures_;
    ErrorCode lastError_ = ErrorCode::None;
    std::string lastErrorText_;
    bool noRecordsNotice_ = true;
};

}  // namespace ntx
