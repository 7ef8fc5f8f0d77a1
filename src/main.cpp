// Natalix: a personal birthday book. Until the main frame exists, the program opens both
// record files in the current folder (creating them when missing) and says what it found.
#include <cstdio>
#include <filesystem>

#include "data/ThreadContext.h"

namespace {

// Shows the error manager's messages on the terminal.
class ConsoleMessages : public ntx::MessageService {
  public:
    int show(const ntx::MessageRequest& r) override {
        std::string text = r.text;
        for (auto& c : text) {
            if (c == '|') c = '\n';
        }
        std::fprintf(stderr, "%s: %s\n", r.caption.c_str(), text.c_str());
        return r.defaultButton;
    }
};

}  // namespace

int main() {
    ConsoleMessages messages;
    ntx::ThreadRegistry threads(&messages, std::filesystem::current_path());
    ntx::ThreadContext& first = threads.start();
    first.setUpFiles(threads.folder());
    auto& people = first.files().birthdays();
    auto& reminders = first.files().reminders();
    if (!people.open() || !reminders.open()) return 1;
    std::printf("Natalix: %s holds %lld people and %s holds %lld reminders%s.\n",
                people.path().c_str(), static_cast<long long>(people.recordCount()),
                reminders.path().c_str(), static_cast<long long>(reminders.recordCount()),
                people.isReadOnly() || reminders.isReadOnly() ? " (read-only)" : "");
    reminders.close();
    people.close();
    threads.end(first.number());
    return 0;
}
