#pragma once

namespace arbovane {

// The four mode buttons of the Delete tab.
enum class DeleteTabMode {
    SubfoldersOnly,     // every file and subfolder; the main folder stays
    Complete,           // the main folder with everything in it
    FilesInTree,        // the selected files in the main folder and below
    FilesInMainFolder,  // the selected files directly in the main folder
};

inline bool IsFileMode(DeleteTabMode mode) {
    return mode == DeleteTabMode::FilesInTree || mode == DeleteTabMode::FilesInMainFolder;
}

}  // namespace arbovane
