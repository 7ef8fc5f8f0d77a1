#pragma once
// The message box as the program's code sees it. The desktop implementation shows a real
// modal message box; tests use RecordedMessages to see what was shown and to answer.

#include <deque>
#include <string>
#include <vector>

namespace ntx {

enum class MessageIcon { None, Information, Exclamation, Question, Warning, RedCross };

struct MessageRequest {
    std::string caption;
    std::string text;  // "|" starts a new line
    MessageIcon icon = MessageIcon::Exclamation;
    std::string buttons = "&OK";  // "|"-separated captions with "&" accelerators
    int defaultButton = 1;
    bool systemModal = false;
};

class MessageService {
  public:
    virtual ~MessageService() = default;
    // Shows the message and returns the number of the button pressed (1 for the first).
    virtual int show(const MessageRequest& request) = 0;
};

// Remembers every message and answers from a script (the default button when the script
// is empty).
class RecordedMessages : public MessageService {
  public:
    int show(const MessageRequest& request) override {
        shown.push_back(request);
        if (answers.empty()) return request.defaultButton;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<MessageRequest> shown;
    std::deque<int> answers;
};

}  // namespace ntx
