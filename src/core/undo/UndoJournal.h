#pragma once

#include <cstdint>
#include <map>
#include <set>
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

    // Read back from the file of a run that did not end (its folders and files then stand in the
    // failed-undo lists, taken back as they are): the entry it was making when it ended,
    // made or not, and when the run started. Undo takes that entry only when it changed since
    // then; one older than the run was there before, and the run only found it.
    bool FromInterruptedRun = false;
    std::string UnconfirmedEntry = {};
    std::int64_t RunStartedNs = 0;
    // Files an undo that was cut off had started to delete: where they are gone, they count as
    // deleted instead of failed.
    std::set<std::string> UndoStartedFiles = {};
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
    // Read back from the file of a rename run that did not end.
    bool FromInterruptedRun = false;
    // New paths an undo that was cut off had started to rename back: found back under the old
    // name, they count as done instead of as a missing destination.
    std::set<std::string> UndoStartedPairs = {};
};

}  // namespace arbovane
