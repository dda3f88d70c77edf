#pragma once

#include <string>
#include <vector>

#include "core/undo/UndoHooks.h"
#include "core/undo/UndoResult.h"

namespace arbovane {

class FileSystem;
class Messenger;
class VisualLog;

// The rename tab's Undo: renames the folders of the last rename run back, last rename first. A pair
// whose move fails stays in the journal's FailedUndoPairs for the next Undo; a pair whose folders
// are found in another state (the old name taken again, the new one gone) is reported and dropped.
class RenameUndo {
public:
    RenameUndo(FileSystem& fs, Messenger& messenger, VisualLog& log);

    // What it took back and what it left. Stopped by the user, the pairs not come to yet stay
    // for the next Undo.
    RenameUndoResult Run(RenameJournal& journal, const UndoHooks& hooks = {});

private:
    // Empty when nothing went wrong.
    std::string BuildReport() const;

    FileSystem& fs_;
    Messenger& messenger_;
    VisualLog& log_;
    std::vector<std::string> existingSources_;
    std::vector<std::string> missingDestinations_;
    std::vector<std::string> otherReasons_;
};

}  // namespace arbovane
