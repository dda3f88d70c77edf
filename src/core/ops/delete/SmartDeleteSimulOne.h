#pragma once

#include <memory>
#include <string>

#include "core/ops/delete/FolderFilesEngine.h"

namespace arbovane {

// Counts what SmartDeleteOne would delete in one folder; changes nothing.
class SmartDeleteSimulOne : public FolderFilesEngine {
public:
    SmartDeleteSimulOne(const DeleteEngineInputs& inputs, std::string folder)
        : FolderFilesEngine(inputs, std::move(folder),
                            std::make_unique<ProbingDeleteActions>(inputs.log)) {}
};

}  // namespace arbovane
