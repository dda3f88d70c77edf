#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/undo/UndoJournal.h"

namespace arbovane {

// What one undo of a copy or creation run took back and what it left, item by item, for a report
// beside the Visual Log (whose failed-undo category holds only the folders).
struct FolderFileUndoResult {
    bool ran = false;  // false when there was nothing to undo or the question was not answered Yes
    std::vector<std::string> removedFolders;
    std::vector<std::string> removedFiles;
    // Kept: the file changed since the run made it.
    std::vector<std::string> changedFiles;
    // Kept: the folder holds something the run did not make (or a kept file).
    std::vector<std::string> occupiedFolders;
    // Could not be removed for any other reason (access denied, a file gone meanwhile).
    std::vector<std::string> failedFolders;
    std::vector<std::string> failedFiles;
    // Gone before the undo reached them. The tab reports them with the failed files and retries
    // them, but nothing of them is left.
    std::vector<std::string> vanishedFiles;

    bool LeftSomething() const {
        return !changedFiles.empty() || !occupiedFolders.empty() || !failedFolders.empty() ||
               !failedFiles.empty();
    }
};

// What one rename undo took back and what it left. Every list is in the order of the run.
struct RenameUndoResult {
    bool ran = false;
    std::vector<_tagReplaceFoldersStruct> renamedBack;
    // Kept: a folder holds the old name again.
    std::vector<_tagReplaceFoldersStruct> oldNameTaken;
    // The renamed folder is no longer there under its new name.
    std::vector<_tagReplaceFoldersStruct> renamedMissing;
    // The move back failed.
    std::vector<_tagReplaceFoldersStruct> failed;

    bool LeftSomething() const {
        return !oldNameTaken.empty() || !renamedMissing.empty() || !failed.empty();
    }
};

// One line for the Visual Log after an undo: that it shows an undo, what it took back, and what
// it kept and why.
std::string UndoSummaryText(const FolderFileUndoResult& result);
std::string UndoSummaryText(const RenameUndoResult& result);
// The same line while an undo goes on: how many of its entries it has tried.
std::string UndoProgressText(std::size_t done, std::size_t total);

}  // namespace arbovane
