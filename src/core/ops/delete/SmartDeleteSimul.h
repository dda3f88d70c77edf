#pragma once

#include <memory>
#include <string>

#include "core/ops/delete/TreeDeleteEngine.h"

namespace arbovane {

// Walks like SmartDelete and counts what exists as if it were deleted; changes nothing.
class SmartDeleteSimul : public TreeDeleteEngine {
public:
    SmartDeleteSimul(const DeleteEngineInputs& inputs, std::string mainFolder)
        : TreeDeleteEngine(inputs, std::move(mainFolder),
                           std::make_unique<ProbingDeleteActions>(inputs.log)) {}
};

}  // namespace arbovane
