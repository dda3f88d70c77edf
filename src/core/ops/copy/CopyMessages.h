#pragma once

#include <string>

#include "core/ops/OpMessage.h"
#include "platform/Messenger.h"

namespace arbovane {

// Every box of the copy run, its simulation, its totals and its Clear Fields.
enum class CopyMessageId {
    FreeSpace,                     // 0177, text built by FreeSpaceMessage
    NoTemplate,                    // 0282
    Confirmation,                  // 0284
    RunEnd,                        // 0285
    RunEmptyList,                  // 0286
    ClearFieldsQuestion,           // 0287
    ClearFieldsEnd,                // 0288
    CopiedSizeMissing,             // 0295, the source path follows the text
    ExistingSizeMissing,           // 0296, the source path follows the text
    SameFolderFull,                // 0307, text of the same-folder check
    SameFolderRelative,            // 0375, text of the same-folder check
    SimulationNoTemplate,          // 0505
    SimulationIntro,               // 0507
    SimulationSameFolderFull,      // 0508, text of the same-folder check
    SimulationEnd,                 // 0509
    SimulationEmptyList,           // 0510
    SimulationSameFolderRelative,  // 0375 with the simulation's title
};

using CopyMessage = OpMessage;

const CopyMessage& CopyMessageFor(CopyMessageId id);
// Shows the box and returns the answer. detail replaces the text of the boxes whose text is
// built at run time and follows the text of the two size-table boxes.
int ShowCopyMessage(Messenger& messenger, CopyMessageId id, const std::string& detail = {});

}  // namespace arbovane
