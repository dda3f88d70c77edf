#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/run/JournalWriter.h"
#include "core/run/JournallingFileSystem.h"
#include "core/undo/RunJournal.h"

namespace arbovane {

// The file that keeps one tab's journal (or the command line's --journal): a run writes it ahead
// as it goes and ends it; an undo first closes the file of a run that was cut off, notes what it
// is about to delete, and when it ends replaces the file by the journal of what is left.
class JournalKeeper {
public:
    JournalKeeper(FileSystem& fs, std::string program);
    JournalKeeper(const JournalKeeper&) = delete;
    JournalKeeper& operator=(const JournalKeeper&) = delete;

    void SetPath(std::string path) { path_ = std::move(path); }
    const std::string& Path() const { return path_; }

    enum class LoadResult { Loaded, Missing, Damaged };
    // The journal in the file; error says what is wrong with a damaged one.
    LoadResult Load(RunJournal& journal, std::string& error);

    // The file system a run makes its changes through: the file gets a new header before the
    // first of them.
    FileSystem& RunFileSystem(const RunJournal& identity);
    // Ends the file with the run's journal (writes it whole when the run changed nothing); false
    // when the file does not hold it whole: the journal then lives in memory only.
    bool EndRun(const RunJournal& journal);

    // The file system an undo deletes and renames through.
    bool BeginUndo(const RunJournal& journal);
    FileSystem& UndoFileSystem() { return undoFs_; }
    bool EndUndo(const RunJournal& left);

    // Nothing to undo any more (the tab's Clear Fields).
    void Forget();

    bool WriteFailed() const { return writeFailed_; }
    // Why the file could not be read at start; empty once a run or undo wrote it anew.
    const std::string& DamageReason() const { return damage_; }

private:
    FileSystem& fs_;
    std::string program_;
    std::string path_;
    JournalWriter writer_;
    JournallingFileSystem runFs_;
    JournallingFileSystem undoFs_;
    std::int64_t startedNs_ = 0;
    bool writeFailed_ = false;
    std::string damage_;
};

// Where a tab keeps its journal: beside the settings file, as "undo-copy.journal" and the like.
std::string TabJournalPath(const std::string& settingsDirectory, const RunJournal& identity);

}  // namespace arbovane
