#pragma once

#include <optional>

#include "core/ops/delete/DeleteMessages.h"
#include "core/ops/delete/DeleteTabMode.h"

namespace arbovane {

// Which controls of the Delete tab are usable.
struct DeleteTabEnabling {
    bool options = false;        // the mode buttons, the two option boxes, "Show Visual Log"
    bool visualLog = false;      // "Visual Log"
    bool run = false;            // the delete and Simulation buttons
    bool fileSelection = false;  // "Select/View Files" and its labels

    bool operator==(const DeleteTabEnabling&) const = default;
};

// Nothing works on an empty include list; the file selection only matters in the file modes.
DeleteTabEnabling DeleteEnablingFor(bool includeListHasItems, DeleteTabMode mode);

// The hint about the file selection, shown the first time each file mode is chosen.
class FileModeHints {
public:
    std::optional<DeleteMessageId> OnModeChosen(DeleteTabMode mode);

private:
    bool treeShown_ = false;
    bool mainFolderShown_ = false;
};

}  // namespace arbovane
