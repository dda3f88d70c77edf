#pragma once

#include "platform/Messenger.h"

class QMessageBox;

namespace arbovane {

// Message boxes with the Windows flag conventions: the buttons, default button and icon follow
// the flag value; questions default to No.
class QtMessenger : public Messenger {
public:
    int Show(const std::string& text, const std::string& title, int flags,
             MessageOwner owner) override;
};

// Sets title, text, icon, buttons and default button of a box for the flag value.
void ConfigureMessageBox(QMessageBox& box, const std::string& text, const std::string& title,
                         int flags);

}  // namespace arbovane
