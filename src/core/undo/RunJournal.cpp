#include "core/undo/RunJournal.h"

#include "core/undo/UndoPlan.h"

namespace arbovane {

bool HasSomethingToUndo(const RunJournal& journal) {
    if (journal.kind == RunJournal::Kind::Rename)
        return !journal.renames.RenamedPairs.empty() || !journal.renames.FailedUndoPairs.empty();
    return HasSomethingToUndo(journal.tab, journal.folders);
}

RunJournal FolderRunJournal(UndoTab tab, const UndoJournal& journal) {
    RunJournal run;
    run.kind = RunJournal::Kind::Folders;
    run.tab = tab;
    run.folders = journal;
    run.startedNs = journal.RunStartedNs;
    return run;
}

RunJournal RenameRunJournal(const RenameJournal& journal) {
    RunJournal run;
    run.kind = RunJournal::Kind::Rename;
    run.renames = journal;
    return run;
}

}  // namespace arbovane
