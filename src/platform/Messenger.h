#pragma once

#include <string>

namespace arbovane {

// Message-box flag values, as the Windows message box takes them.
enum MessageFlags : int {
    kMsgPlain = 0,         // OK, no icon
    kMsgError = 16,        // OK, error icon
    kMsgWarning = 48,      // OK, exclamation icon
    kMsgInformation = 64,  // OK, information icon
    kMsgQuestion = 292,    // Yes and No, question icon, No is the default button
};

enum MessageAnswer : int {
    kAnswerOk = 1,
    kAnswerYes = 6,
    kAnswerNo = 7,
};

enum class MessageOwner {
    MainWindow,  // modal to the program's active window
    System,      // a system box without an owner window
};

class Messenger {
public:
    virtual ~Messenger() = default;
    // Shows one modal box and returns the answer (kAnswerOk, kAnswerYes or kAnswerNo).
    virtual int Show(const std::string& text, const std::string& title, int flags,
                     MessageOwner owner = MessageOwner::MainWindow) = 0;
};

}  // namespace arbovane
