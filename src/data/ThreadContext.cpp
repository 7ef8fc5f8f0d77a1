#include "data/ThreadContext.h"

namespace ntx {

ThreadContext::ThreadContext(std::int32_t number, MessageService* messages)
    : number_(number), errors_(messages) {}

void ThreadContext::setUpFiles(const std::filesystem::path& folder) {
    files_ = std::make_unique<FileAccessSet>(errors_, folder);
}

std::uint8_t ThreadContext::takeRequest() {
    const std::uint8_t request = requestCode;
    requestCode = NoRequest;
    responseCode = NoResponse;
    return request;
}

ThreadRegistry::ThreadRegistry(MessageService* messages, std::filesystem::path folder)
    : messages_(messages), folder_(std::move(folder)) {}

ThreadContext& ThreadRegistry::start() {
    const std::int32_t number = ++lastNumber_;
    auto context = std::make_unique<ThreadContext>(number, messages_);
    if (number != 1) context->setUpFiles(folder_);
    ThreadContext& ref = *context;
    threads_[number] = std::move(context);
    return ref;
}

void ThreadRegistry::end(std::int32_t number) {
    threads_.erase(number);
}

ThreadContext* ThreadRegistry::find(std::int32_t number) {
    const auto it = threads_.find(number);
    return it == threads_.end() ? nullptr : it->second.get();
}

}  // namespace ntx
