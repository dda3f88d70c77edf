#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace arbovane {

// What the last run of a copy or creation tab created, kept in memory for its Undo. Lists are in
// the order the run produced them; a path may appear more than once.
struct UndoJournal {
    // "F" full-path templates, "R" relative templates, "N" nothing attached.
    std::string AttachModeMarker;
    // Create-I and Create-III: the run's destination, trimmed, with one trailing backslash.
    std::string UndoRoot;
    std::vector<std::string> CreatedMainFolders;       // creation tabs
    std::vector<std::string> CopyTargetFolders;        // copy tab
    std::vector<std::string> CreatedStructureFolders;  // made by attaching or copying structures
    std::vector<std::string> CopiedFiles;              // target paths of copied files
    std::vector<std::string> FailedUndoFolders;        // left by the last undo, still existing
    std::vector<std::string> FailedUndoFiles;          // left by the last undo
    // What each copied file was right after the copy; undo leaves a file that changed since.
    std::map<std::string, FileStamp> CopiedFileStamps = {};
};

// One rename of a rename run.
struct _tagReplaceFoldersStruct {
    std::string OldPath;
    std::string NewPath;
    bool operator==(const _tagReplaceFoldersStruct&) const = default;
};

// What the last rename run renamed, and what its undo could not take back.
struct RenameJournal {
    std::vector<_tagReplaceFoldersStruct> RenamedPairs;
    std::vector<_tagReplaceFoldersStruct> FailedUndoPairs;
};

}  // namespace arbovane
