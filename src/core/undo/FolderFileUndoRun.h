#pragma once

#include "core/undo/UndoHooks.h"
#include "core/undo/UndoJournal.h"
#include "core/undo/UndoResult.h"
#include "core/undo/UndoTab.h"

namespace arbovane {

class FileSystem;
class Messenger;
class Text;
class VisualLog;

// The Undo button of a copy or creation tab: asks, takes back what the journal holds, leaves in
// the journal and in the Visual Log's failed-undo category only what could not be taken back, and
// reports it. The log must be the tab's own. Returns what it took back and what it left. Stopped
// by the user, it keeps what it had not come to yet in the journal too, for the next Undo.
FolderFileUndoResult RunFolderFileUndo(UndoTab tab, UndoJournal& journal, VisualLog& log,
                                       FileSystem& fs, const Text& text, Messenger& messenger,
                                       const UndoHooks& hooks = {});

}  // namespace arbovane
