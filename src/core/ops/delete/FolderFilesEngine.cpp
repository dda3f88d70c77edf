#include "core/ops/delete/FolderFilesEngine.h"

#include <utility>

#include "core/paths/PathText.h"

namespace arbovane {

FolderFilesEngine::FolderFilesEngine(const DeleteEngineInputs& inputs, std::string folder,
                                     std::unique_ptr<DeleteActions> actions)
    : fs_(inputs.fs),
      patterns_(EffectivePatterns(inputs.patterns)),
      folder_(std::move(folder)),
      actions_(std::move(actions)),
      walk_(inputs.fs, *actions_) {}

void FolderFilesEngine::Run() {
    const CurrentDirectoryGuard keep(fs_);
    walk_.StartPatterns(patterns_.size());
    for (const std::string& pattern : patterns_) walk_.FilesIn(folder_, pattern);
}

}  // namespace arbovane
