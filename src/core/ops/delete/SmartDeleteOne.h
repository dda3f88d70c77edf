#pragma once

#include <memory>
#include <string>

#include "core/ops/delete/FolderFilesEngine.h"

namespace arbovane {

// Deletes the files matching the patterns directly inside one folder.
class SmartDeleteOne : public FolderFilesEngine {
public:
    SmartDeleteOne(const DeleteEngineInputs& inputs, std::string folder)
        : FolderFilesEngine(
              inputs, std::move(folder),
              std::make_unique<RemovingDeleteActions>(inputs.log, inputs.readOnlyFolders)) {}
};

}  // namespace arbovane
