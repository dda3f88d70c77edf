#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/ops/delete/DeleteTabMode.h"

namespace arbovane {

class DeleteToDoCount;
class FileSystem;
class Messenger;
class Text;
class VisualLog;

// The state of the Delete tab that a run reads.
struct DeleteTabOptions {
    std::vector<std::string> includeLines;  // as the list box holds them
    DeleteTabMode mode = DeleteTabMode::SubfoldersOnly;
    std::vector<std::string> patterns;  // the file selection; empty means every file
    bool doubleConfirm = true;
    bool readOnlyFolders = false;
    bool showVisualLog = true;
};

// The ports and the tab's Visual Log.
struct DeleteRunPorts {
    FileSystem& fs;
    const Text& text;
    Messenger& messenger;
    VisualLog& log;
    // The tab's kept measurements: a run measures every main folder into them, and a real run
    // leaves them to be measured again.
    DeleteToDoCount* toDo = nullptr;
};

// Disables the other tabs for a run and enables them again.
struct DeleteTabLock {
    std::function<void()> lock;
    std::function<void()> unlock;
};

// The questions before a run (two, or only the final one); true when every answer was Yes.
bool ConfirmDelete(Messenger& messenger, bool doubleConfirm);

// The delete button: questions, Visual Log, tab lock, every main folder, end message. False when
// a question was answered No (then nothing happened).
bool RunDeleteFolders(const DeleteRunPorts& ports, const DeleteTabOptions& options,
                      const DeleteTabLock& lock);

// The Simulation button: the same walk, counting what exists, changing nothing.
void RunDeleteSimulation(const DeleteRunPorts& ports, const DeleteTabOptions& options,
                         const DeleteTabLock& lock);

// The main folders of a run after its questions: each refused, counted or handed to the engine
// of the mode, then the end message (or 0240 for an empty list).
void DeleteMainFolders(const DeleteRunPorts& ports, const DeleteTabOptions& options);
// The simulation's counterpart: each line screened, then simulated (or 0518 for an empty list).
void SimulateMainFolders(const DeleteRunPorts& ports, const DeleteTabOptions& options);

// Zeroes and recomputes the to-delete counters over the work list of the mode, and shows them.
// Only main folders a run would hand to the engine are measured.
void RefreshDeleteToDo(FileSystem& fs, const Text& text, VisualLog& log,
                       const std::vector<std::string>& includeLines, DeleteTabMode mode,
                       const std::vector<std::string>& patterns);

}  // namespace arbovane
