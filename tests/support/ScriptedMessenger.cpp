#include "support/ScriptedMessenger.h"

#include <gtest/gtest.h>

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

void ExpectMessages(const std::vector<ShownMessage>& shown,
                    const std::vector<ShownMessage>& expected) {
    ASSERT_EQ(shown.size(), expected.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(shown[i].text, expected[i].text) << i;
        EXPECT_EQ(shown[i].title, expected[i].title) << i;
        EXPECT_EQ(shown[i].flags, expected[i].flags) << i;
        EXPECT_EQ(shown[i].owner, expected[i].owner) << i;
    }
}

}  // namespace arbovane::testing
