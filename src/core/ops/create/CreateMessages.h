#pragma once

#include <string>

#include "core/ops/OpMessage.h"

namespace arbovane {

// The three creation tabs: names below a destination (Vol02), numbers below a destination
// (Vol03), full paths (Vol04).
enum class CreateTab { StringList, Numbers, FolderList };

// Every box of the creation runs, their simulations and their tab controls. Not every tab has
// every box; CreateMessageFor throws for one it lacks.
enum class CreateMessageId {
    DestinationEmpty,               // 0001, 0077
    ViewEmpty,                      // 0002, 0078
    PrefixIllegal,                  // 0018, 0079, 0054; the characters follow the text
    SuffixIllegal,                  // 0019, 0080, 0055; the characters follow the text
    NoTemplate,                     // 0023, 0091, 0059
    Confirmation,                   // 0025, 0093, 0061
    RunEnd,                         // 0026, 0094, 0062
    RunEmptyList,                   // 0027, 0063
    FreeSpace,                      // 0035, 0100, 0071; text built by FreeSpaceMessage
    SameFolderFull,                 // 0373, 0374, 0375; text of the same-folder check
    SameFolderRelative,             // 0375; text of the same-folder check
    CopiedSizeMissing,              // 0036, 0101, 0072; the source path follows the text
    NotCopiedSizeMissing,           // 0037, 0102, 0073; the source path follows the text
    StartAfterEnd,                  // 0089
    StartAfterEndRead,              // 0095
    DestinationSummary,             // the numbers tab's box about a chosen destination
    ClearFieldsQuestion,            // 0083
    ClearFieldsEnd,                 // 0084
    SimulationStartAfterEnd,        // 0461
    SimulationNoTemplate,           // 0453, 0463, 0471
    SimulationIntro,                // 0455, 0465, 0473
    SimulationSameFolderFull,       // 0456, 0466, 0474
    SimulationEnd,                  // 0457, 0467, 0475
    SimulationEmptyList,            // 0458, 0476
    SimulationStartAfterEndRead,    // 0468
    SimulationCopiedSizeMissing,    // 0459, 0469, 0477
    SimulationExistingSizeMissing,  // 0460, 0470, 0478
};

const OpMessage& CreateMessageFor(CreateTab tab, CreateMessageId id);
bool HasCreateMessage(CreateTab tab, CreateMessageId id);
// Shows the box and returns the answer. detail follows the text of the boxes that name a path
// or characters, and is the whole text of those built at run time.
int ShowCreateMessage(Messenger& messenger, CreateTab tab, CreateMessageId id,
                      const std::string& detail = {});

}  // namespace arbovane
