#pragma once

#include <string>

#include "platform/Messenger.h"

namespace arbovane {

// One numbered box of an operation: its text, title, flags and owner as defined.
struct OpMessage {
    std::string text;
    std::string title;
    int flags = kMsgWarning;
    MessageOwner owner = MessageOwner::MainWindow;
};

}  // namespace arbovane
