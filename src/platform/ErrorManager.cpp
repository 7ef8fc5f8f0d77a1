#include "platform/ErrorManager.h"

namespace ntx {
namespace {

struct MessageTemplate {
    ErrorCode code;
    const char* caption;
    const char* text;
    MessageIcon icon;
};

constexpr MessageTemplate kMessages[] = {
    {ErrorCode::FileCreationError, "File Creation Error", "Error: (%ErrorText) creating %File.",
     MessageIcon::Exclamation},
    {ErrorCode::AccessDenied, "Access Denied",
     "Could not get write access to %File so trying read-only.", MessageIcon::Exclamation},
    {ErrorCode::FileAccessError, "File Access Error",
     "File %File could not be opened.  Error: %ErrorText.", MessageIcon::Exclamation},
    {ErrorCode::RecordInsertError, "Record Insert Error",
     "An error was experienced during the creation of a record.|File: %File|Error: %ErrorText.",
     MessageIcon::Exclamation},
    {ErrorCode::RecordUpdateError, "Record Update Error",
     "An error was experienced changing a record.|File: %File|Error: %ErrorText.",
     MessageIcon::Exclamation},
    {ErrorCode::RecordDeleteError, "Record Delete Error",
     "An error was experienced deleting a record.|File: %File|Error: %ErrorText.",
     MessageIcon::Exclamation},
    {ErrorCode::RecordReadError, "Record Retrieval Error",
     "An error was experienced reading a record.|File: %File|Error: %ErrorText.",
     MessageIcon::Exclamation},
    {ErrorCode::RangeError, "Range Error", "The value of %Field must be in range %Message.",
     MessageIcon::Exclamation},
    {ErrorCode::NoRecords, "No Records", "There are no records available to process.",
     MessageIcon::Information},
    {ErrorCode::FilterError, "Filter Error", "The records of %File could not be selected.|%Message",
     MessageIcon::Exclamation},
};

void replaceAll(std::string& text, const std::string& what, const std::string& with) {
    for (auto pos = text.find(what); pos != std::string::npos;
         pos = text.find(what, pos + with.size())) {
        text.replace(pos, what.size(), with);
    }
}

}  // namespace

void ErrorManager::unregisterProcedure() {
    if (!procedures_.empty()) procedures_.pop_back();
}

std::string ErrorManager::procedure() const {
    return procedures_.empty() ? std::string() : procedures_.back();
}

MessageRequest ErrorManager::compose(ErrorCode code, const ErrorDetails& details) {
    MessageRequest request;
    for (const auto& m : kMessages) {
        if (m.code != code) continue;
        request.caption = m.caption;
        request.text = m.text;
        request.icon = m.icon;
    }
    replaceAll(request.text, "%File", details.file);
    replaceAll(request.text, "%ErrorText", details.errorText);
    replaceAll(request.text, "%Field", details.field);
    replaceAll(request.text, "%Message", details.message);
    return request;
}

void ErrorManager::report(ErrorCode code, const ErrorDetails& details) {
    lastError_ = code;
    lastErrorText_ = details.errorText.empty() ? details.message : details.errorText;
    if (code == ErrorCode::NoRecords && !noRecordsNotice_) return;
    if (messages_ != nullptr) messages_->show(compose(code, details));
}

void ErrorManager::clearError() {
    lastError_ = ErrorCode::None;
    lastErrorText_.clear();
}

}  // namespace ntx
