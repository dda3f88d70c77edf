#include "core/ops/delete/DeleteTabRules.h"

namespace arbovane {

DeleteTabEnabling DeleteEnablingFor(bool includeListHasItems, DeleteTabMode mode) {
    if (!includeListHasItems) return {};
    return {true, true, true, IsFileMode(mode)};
}

std::optional<DeleteMessageId> FileModeHints::OnModeChosen(DeleteTabMode mode) {
    bool* shown = mode == DeleteTabMode::FilesInTree         ? &treeShown_
                  : mode == DeleteTabMode::FilesInMainFolder ? &mainFolderShown_
                                                             : nullptr;
    if (!shown || *shown) return std::nullopt;
    *shown = true;
    return DeleteMessageId::FileSelectionHint;
}

}  // namespace arbovane
