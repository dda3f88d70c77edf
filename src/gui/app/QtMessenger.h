#pragma once

#include "platform/Messenger.h"

class QWidget;

namespace arbovane {

// Message boxes with the Windows flag conventions: the buttons, default button and icon follow
// the flag value; questions default to No.
class QtMessenger : public Messenger {
public:
    int Show(const std::string& text, const std::string& title, int flags,
             MessageOwner owner) override;
};

}  // namespace arbovane
