#include "core/ops/delete/TreeDeleteEngine.h"

#include <utility>

#include "core/paths/PathText.h"

namespace arbovane {

TreeDeleteEngine::TreeDeleteEngine(const DeleteEngineInputs& inputs, std::string mainFolder,
                                   std::unique_ptr<DeleteActions> actions)
    : fs_(inputs.fs),
      patterns_(EffectivePatterns(inputs.patterns)),
      mainFolder_(std::move(mainFolder)),
      actions_(std::move(actions)),
      walk_(inputs.fs, *actions_) {}

void TreeDeleteEngine::RunFiles() {
    const CurrentDirectoryGuard keep(fs_);
    walk_.StartPatterns(patterns_.size());
    for (const std::string& pattern : patterns_)
        walk_.FilesInTree(mainFolder_, pattern, walkQueue_);
}

void TreeDeleteEngine::RunStructure() {
    const CurrentDirectoryGuard keep(fs_);
    walk_.Structure(mainFolder_, mode_ == SmartDeleteMode::Complete, walkQueue_, removalList_);
}

}  // namespace arbovane
