#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/undo/UndoJournal.h"
#include "core/undo/UndoTab.h"

namespace arbovane {

// The state of a journal that picks the plan: left-overs of a failed undo win over the marker.
enum class UndoJournalState { FailedUndo, MarkerF, MarkerR, MarkerN };

enum class UndoJournalList {
    None,
    CreatedMainFolders,
    CopyTargetFolders,
    CreatedStructureFolders,
    CopiedFiles,
    FailedUndoFolders,
    FailedUndoFiles,
};

// Where a climb stops.
enum class UndoBoundaries {
    None,
    Root,                 // the undo root, trailing backslash removed
    MainFolders,          // each main folder, trailing backslash removed
    DrivesOfMainFolders,  // the drive part of each main folder
};

enum class UndoInput { MainFolders, StructureFolders };

struct UndoQueueStep {
    UndoInput input = UndoInput::MainFolders;
    // Climbing queues every ancestor up to a boundary, each once; otherwise the list is queued as
    // it is, duplicates included.
    bool climb = false;
    bool dropTrailingBackslash = false;
};

// How one tab turns one journal state into files to delete and folders to remove.
struct UndoPlan {
    UndoBoundaries boundaries = UndoBoundaries::None;
    UndoJournalList mainFolders = UndoJournalList::None;
    UndoJournalList structureFolders = UndoJournalList::None;
    UndoJournalList files = UndoJournalList::None;
    std::vector<UndoQueueStep> steps;  // in queueing order
};

// Empty when the marker is none of "F", "R", "N".
std::optional<UndoJournalState> JournalStateOf(const UndoJournal& journal);
// Null when the tab has no plan for the state (the copy tab never attaches nothing).
const UndoPlan* FindUndoPlan(UndoTab tab, UndoJournalState state);
const UndoPlan* UndoPlanFor(UndoTab tab, const UndoJournal& journal);

const std::vector<std::string>& JournalListOf(const UndoJournal& journal, UndoJournalList list);
// The list whose emptiness (with no failed-undo folders) means there is nothing to undo.
UndoJournalList UndoableListOf(UndoTab tab);
// Whether the Undo button has anything to take back: that list, the failed-undo folders, or any
// folder list the journal's plan removes (a run whose main folder failed after its parents were
// made still leaves those parents to remove).
bool HasSomethingToUndo(UndoTab tab, const UndoJournal& journal);

}  // namespace arbovane
