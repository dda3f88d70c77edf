#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/Messenger.h"

namespace arbovane::testing {

struct ShownMessage {
    std::string text;
    std::string title;
    int flags = 0;
    MessageOwner owner = MessageOwner::MainWindow;
};

// Records every box; questions take the scripted answers in order, then No.
class ScriptedMessenger : public Messenger {
public:
    int Show(const std::string& text, const std::string& title, int flags,
             MessageOwner owner) override;

    void Answer(int answer) { answers_.push_back(answer); }
    const std::vector<ShownMessage>& Shown() const { return shown_; }
    void Clear() {
        shown_.clear();
        answers_.clear();
    }

private:
    std::deque<int> answers_;
    std::vector<ShownMessage> shown_;
};

// The boxes shown, one by one: text, title, flags and owner (expected owner: the main window
// unless given).
void ExpectMessages(const std::vector<ShownMessage>& shown,
                    const std::vector<ShownMessage>& expected);

}  // namespace arbovane::testing
