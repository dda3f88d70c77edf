#include "support/ScriptedMessenger.h"

namespace arbovane::testing {

int ScriptedMessenger::Show(const std::string& text, const std::string& title, int flags,
                            MessageOwner owner) {
    shown_.push_back({text, title, flags, owner});
    if (flags != kMsgQuestion) return kAnswerOk;
    if (answers_.empty()) return kAnswerNo;
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

}  // namespace arbovane::testing
