#pragma once
// Logical threads. All windows live on the user-interface thread, so a "thread" of the
// program is a context: its number, the request, response and scroll codes that a list and
// its form pass between them, its error manager and its own file access set.
//
// ThreadRegistry::start() is the thread start hook (a new context with cleared codes and,
// except for the first thread, its file access set); end() is the thread end hook.

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>

#include "data/FileAccessSet.h"
#include "platform/ErrorManager.h"

namespace ntx {

enum RequestCode : std::uint8_t {
    NoRequest = 0,
    InsertRecord = 1,
    ChangeRecord = 2,
    DeleteRecord = 3,
    ViewRecord = 4,
};

enum ResponseCode : std::uint8_t {
    NoResponse = 0,
    RequestCompleted = 1,
    RequestCancelled = 2,
};

class ThreadContext {
  public:
    ThreadContext(std::int32_t number, MessageService* messages);

    [[nodiscard]] std::int32_t number() const { return number_; }
    [[nodiscard]] ErrorManager& errors() { return errors_; }

    // The first thread sets up its file set during start-up; others get it when they start.
    void setUpFiles(const std::filesystem::path& folder);
    [[nodiscard]] bool hasFiles() const { return files_ != nullptr; }
    [[nodiscard]] FileAccessSet& files() { return *files_; }

    std::uint8_t requestCode = NoRequest;
    std::uint8_t responseCode = NoResponse;
    std::optional<std::int32_t> scrollRequest;

    // What every procedure does when it opens: take the request code, clear both codes.
    std::uint8_t takeRequest();

  private:
    std::int32_t number_;
    ErrorManager errors_;
    std::unique_ptr<FileAccessSet> files_;
};

class ThreadRegistry {
  public:
    // `folder` is where the record files lie (the program's current folder).
    ThreadRegistry(MessageService* messages, std::filesystem::path folder);

    // Thread start hook. The first thread started has number 1 and no file set yet.
    ThreadContext& start();
    // Thread end hook: closes the thread's files and releases its context.
    void end(std::int32_t number);

    [[nodiscard]] ThreadContext* find(std::int32_t number);
    [[nodiscard]] std::size_t size() const { return threads_.size(); }
    [[nodiscard]] const std::filesystem::path& folder() const { return folder_; }

  private:
    MessageService* messages_;
    std::filesystem::path folder_;
    std::map<std::int32_t, std::unique_ptr<ThreadContext>> threads_;
    std::int32_t lastNumber_ = 0;
};

}  // namespace ntx
