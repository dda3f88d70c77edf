#pragma once

#include <cstdint>
#include <string>

#include "core/undo/UndoJournal.h"
#include "core/undo/UndoTab.h"

namespace arbovane {

// The journal of one tab's last run as a file keeps it: which tab, and what the run made.
struct RunJournal {
    enum class Kind { Folders, Rename };
    Kind kind = Kind::Folders;
    UndoTab tab = UndoTab::Copy;  // Folders only
    UndoJournal folders;
    RenameJournal renames;

    // As read back from a file.
    // The run ended without its end mark (killed, crashed, the power lost): what it made is
    // taken from what it wrote ahead, as left-overs of an undo.
    bool interrupted = false;
    // An undo of it was cut off; what it had started is in UndoStartedFiles / UndoStartedPairs.
    bool undoInterrupted = false;
    // The program that wrote it, and when its run started (nanoseconds since 1970).
    std::string program;
    std::int64_t startedNs = 0;
    // An older file without end marks or stamps of change times.
    bool legacy = false;
};

// The short name of a tab in a journal file and on the command line ("copy", "rename", ...).
const char* JournalTabName(const RunJournal& journal);

// Whether undo has anything to take back.
bool HasSomethingToUndo(const RunJournal& journal);

// The journal of a tab's last run as a file keeps it.
RunJournal FolderRunJournal(UndoTab tab, const UndoJournal& journal);
RunJournal RenameRunJournal(const RenameJournal& journal);

}  // namespace arbovane
