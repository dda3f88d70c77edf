#pragma once

#include <memory>
#include <string>

#include "core/ops/delete/TreeDeleteEngine.h"

namespace arbovane {

// Deletes in one main folder's tree: the matching files (RunFiles), or every file and then the
// folders deepest first (RunStructure). Folders are removed only when empty.
class SmartDelete : public TreeDeleteEngine {
public:
    SmartDelete(const DeleteEngineInputs& inputs, std::string mainFolder)
        : TreeDeleteEngine(
              inputs, std::move(mainFolder),
              std::make_unique<RemovingDeleteActions>(inputs.log, inputs.readOnlyFolders)) {}
};

}  // namespace arbovane
