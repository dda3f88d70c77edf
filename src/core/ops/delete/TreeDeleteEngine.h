#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/ops/delete/DeleteActions.h"
#include "core/ops/delete/DeleteWalk.h"
#include "core/undo/NivoFolderNames.h"

namespace arbovane {

enum class SmartDeleteMode : int {
    SubfoldersOnly = 1,  // every file and subfolder; the main folder stays, empty
    FilesInTree = 2,     // the matching files in the main folder and below; no folder goes
    Complete = 3,        // every file and subfolder and the main folder itself
};

// One main folder's tree, walked deepest first through a depth-keyed queue instead of recursion.
// The base of SmartDelete and of its simulation twin, which differ only in their actions.
class TreeDeleteEngine {
public:
    virtual ~TreeDeleteEngine() = default;
    TreeDeleteEngine(const TreeDeleteEngine&) = delete;
    TreeDeleteEngine& operator=(const TreeDeleteEngine&) = delete;

    const std::string& MainFolder() const { return mainFolder_; }
    SmartDeleteMode Mode() const { return mode_; }
    void SetMode(SmartDeleteMode mode) { mode_ = mode; }

    // The matching files of the whole tree, one walk per pattern (mode FilesInTree).
    void RunFiles();
    // Every file, then the folders deepest first (modes SubfoldersOnly and Complete).
    void RunStructure();

protected:
    TreeDeleteEngine(const DeleteEngineInputs& inputs, std::string mainFolder,
                     std::unique_ptr<DeleteActions> actions);

private:
    FileSystem& fs_;
    std::vector<std::string> patterns_;
    std::string mainFolder_;
    SmartDeleteMode mode_ = SmartDeleteMode::SubfoldersOnly;
    std::unique_ptr<DeleteActions> actions_;
    DeleteWalk walk_;
    // Folders still to visit and folders to remove at the end, keyed by depth.
    AS_MULTIMAP_NIVO_FOLDER_NAMES walkQueue_;
    AS_MULTIMAP_NIVO_FOLDER_NAMES removalList_;
};

}  // namespace arbovane
