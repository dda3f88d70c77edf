#include "core/run/JournalKeeper.h"

#include <chrono>

#include "core/app/ProgramSettings.h"
#include "core/undo/JournalFile.h"

namespace arbovane {

namespace {

std::int64_t NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

}  // namespace

JournalKeeper::JournalKeeper(FileSystem& fs, std::string program)
    : fs_(fs),
      program_(std::move(program)),
      writer_(fs),
      runFs_(fs, writer_, JournallingFileSystem::Mode::Run),
      undoFs_(fs, writer_, JournallingFileSystem::Mode::Undo) {}

JournalKeeper::LoadResult JournalKeeper::Load(RunJournal& journal, std::string& error) {
    FsError why = FsError::None;
    if (path_.empty() || (!fs_.Exists(path_, why) && why == FsError::NotFound))
        return LoadResult::Missing;
    std::string bytes;
    if (!fs_.ReadWholeFile(path_, bytes)) {
        error = "the file cannot be read";
        return LoadResult::Damaged;
    }
    auto parsed = ParseJournalFile(bytes, error);
    if (!parsed) {
        damage_ = error + " (" + path_ + ")";
        return LoadResult::Damaged;
    }
    journal = std::move(*parsed);
    startedNs_ = journal.startedNs;
    return LoadResult::Loaded;
}

FileSystem& JournalKeeper::RunFileSystem(const RunJournal& identity) {
    writer_.Close();
    startedNs_ = NowNs();
    writeFailed_ = false;
    if (!path_.empty()) writer_.Arm(path_, identity, program_, startedNs_);
    return runFs_;
}

bool JournalKeeper::EndRun(const RunJournal& journal) {
    bool ok = false;
    if (writer_.Open()) {
        ok = writer_.EndRun(journal);
    } else if (writer_.Armed()) {
        // The run changed nothing; its journal (emptied, or as it was) is written whole.
        writer_.Close();
        ok = !path_.empty() &&
             fs_.WriteWholeFile(path_, JournalFileText(journal, program_, startedNs_));
    }
    writeFailed_ = writeFailed_ || !ok;
    if (ok) damage_.clear();
    return ok;
}

bool JournalKeeper::BeginUndo(const RunJournal& journal) {
    writer_.Close();
    if (path_.empty()) return false;
    // The file first holds the journal being undone, ended: what an interrupted run wrote ahead
    // has no end mark after which the undo could note its steps, and a run whose file could not
    // be written whole gets it now.
    const bool ok = fs_.WriteWholeFile(path_, JournalFileText(journal, program_,
                                                              journal.startedNs ? journal.startedNs
                                                                                : startedNs_)) &&
                    writer_.BeginUndo(path_);
    writeFailed_ = !ok;
    return ok;
}

bool JournalKeeper::EndUndo(const RunJournal& left) {
    writer_.Close();
    if (path_.empty()) return false;
    // Replaced whole, never cut in place: a write that fails leaves the undo's notes, from which
    // the next Undo goes on.
    const bool ok = fs_.WriteWholeFile(path_, JournalFileText(left, program_, startedNs_));
    writeFailed_ = !ok;
    return ok;
}

void JournalKeeper::Forget() {
    writer_.Close();
    damage_.clear();
    if (!path_.empty()) fs_.RemoveFile(path_);
}

std::string TabJournalPath(const std::string& settingsDirectory, const RunJournal& identity) {
    // The settings file's own rules place it (a drive root, a network folder).
    const std::string settings = SettingsPath(settingsDirectory);
    const std::size_t slash = settings.rfind('\\');
    return settings.substr(0, slash + 1) + "undo-" + JournalTabName(identity) + ".journal";
}

}  // namespace arbovane
