#pragma once

#include <string>

#include "platform/Messenger.h"

namespace arbovane {

// Every box the Delete tab shows itself (Clear Fields belongs to the list pane).
enum class DeleteMessageId {
    ReadOnlyOption,       // 0234
    FileSelectionHint,    // 0237
    FirstConfirmation,    // 0238
    FinalConfirmation,    // 0238
    RunEnd,               // 0239
    RunEmptyList,         // 0240
    DriveOnly,            // 0334
    SimulationIntro,      // 0516
    SimulationEnd,        // 0517
    SimulationEmptyList,  // 0518
};

struct DeleteMessage {
    std::string text;
    std::string title;
    int flags = kMsgWarning;
};

const DeleteMessage& DeleteMessageFor(DeleteMessageId id);
// Shows the box and returns the answer.
int ShowDeleteMessage(Messenger& messenger, DeleteMessageId id);

}  // namespace arbovane
