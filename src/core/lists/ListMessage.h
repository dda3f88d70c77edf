#pragma once

#include <string>

#include "platform/Messenger.h"

namespace arbovane {

// A box a list operation wants shown; the window passes it to the Messenger.
struct ListMessage {
    std::string number;  // "0262", for reading only
    std::string text;
    std::string title;
    int flags = kMsgWarning;

    bool IsQuestion() const { return flags == kMsgQuestion; }
    bool operator==(const ListMessage&) const = default;
};

}  // namespace arbovane
