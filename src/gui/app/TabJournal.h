#pragma once

#include <functional>

#include "core/undo/RunJournal.h"
#include "core/undo/UndoHooks.h"
#include "core/visuallog/VisualLogIds.h"

namespace arbovane {

class FileSystem;
class JournalKeeper;
struct GuiContext;

// A tab's runs and undos with the file that keeps its journal across starts. Without a keeper
// (tests, a tab without Undo) everything goes straight to the context's file system.
class TabJournal {
public:
    TabJournal(GuiContext& context, JournalKeeper* keeper, VisualLogTab tab)
        : context_(context), keeper_(keeper), tab_(tab) {}

    // The file system a real run changes the disk through.
    FileSystem& RunFileSystem(const RunJournal& identity);
    // After a real run: the file ends with the journal; a file that could not be written is
    // reported once, as Undo then works only until the program ends.
    void EndRun(const RunJournal& journal);

    // Before an undo: a file that could not be read at start is reported, and nothing is done.
    bool RefuseDamaged();
    bool Damaged() const;
    FileSystem& UndoFileSystem();
    // The journal as it stands when the undo begins and ends.
    UndoHooks Hooks(std::function<RunJournal()> current);

    // Clear Fields: nothing is left to undo.
    void Forget();

private:
    GuiContext& context_;
    JournalKeeper* keeper_;
    VisualLogTab tab_;
    bool failureShown_ = false;
};

}  // namespace arbovane
