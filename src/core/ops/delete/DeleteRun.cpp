#include "core/ops/delete/DeleteRun.h"

#include "core/ops/delete/DeleteActions.h"
#include "core/ops/delete/DeleteMessages.h"
#include "core/ops/delete/DeleteToDoCount.h"
#include "core/ops/delete/DeleteWalk.h"
#include "core/ops/delete/MainFolderCheck.h"
#include "core/ops/delete/SmartDelete.h"
#include "core/ops/delete/SmartDeleteOne.h"
#include "core/ops/delete/SmartDeleteSimul.h"
#include "core/ops/delete/SmartDeleteSimulOne.h"
#include "core/paths/Arbsplit.h"
#include "core/paths/PathText.h"
#include "core/run/RunMessages.h"
#include "core/visuallog/VisualLog.h"
#include "platform/Messenger.h"

namespace arbovane {

namespace {

// Unlocks the tabs however the run ends, an escaping exception included.
class LockedTabs {
public:
    explicit LockedTabs(const DeleteTabLock& lock) : lock_(lock) {
        if (lock_.lock) lock_.lock();
    }
    ~LockedTabs() {
        if (lock_.unlock) lock_.unlock();
    }
    LockedTabs(const LockedTabs&) = delete;
    LockedTabs& operator=(const LockedTabs&) = delete;

private:
    const DeleteTabLock& lock_;
};

// The engine call of each mode, for the run (SmartDeleteOne, SmartDelete) and the simulation
// (their twins) alike.
template <typename OneFolder, typename Tree>
void RunEngine(const DeleteEngineInputs& inputs, DeleteTabMode mode, const std::string& folder) {
    if (mode == DeleteTabMode::FilesInMainFolder) {
        OneFolder(inputs, folder).Run();
        return;
    }
    Tree engine(inputs, folder);
    switch (mode) {
        case DeleteTabMode::FilesInTree:
            engine.SetMode(SmartDeleteMode::FilesInTree);
            engine.RunFiles();
            return;
        case DeleteTabMode::Complete:
            engine.SetMode(SmartDeleteMode::Complete);
            engine.RunStructure();
            return;
        default:
            engine.SetMode(SmartDeleteMode::SubfoldersOnly);
            engine.RunStructure();
            return;
    }
}

// Counts a refused main folder; true when it is ready for the engine.
bool CountVerdict(VisualLog& log, MainFolderVerdict verdict, const std::string& folder) {
    switch (verdict) {
        case MainFolderVerdict::OtherReasons:
            CountDeleteOutcome(log, Vol07Counter::FoldersOtherReasons,
                               Vol07Category::FoldersOtherReasons, folder);
            return false;
        case MainFolderVerdict::NotExists:
            CountDeleteOutcome(log, Vol07Counter::FoldersNotExists, Vol07Category::FoldersNotExists,
                               folder);
            return false;
        case MainFolderVerdict::Ready:
            return true;
        default:
            return false;
    }
}

void BeginRun(const DeleteRunPorts& ports, const DeleteTabOptions& options, VisualLogMode mode) {
    ports.log.BeginRun(mode);
    if (options.showVisualLog) ports.log.Show();
    // The disk may have changed since the tab last counted. Between two main folders the window
    // that watches the run may paint and take a Stop.
    const DeleteToDoCount::Progress alive = [&](std::size_t, std::size_t) {
        ports.log.StopRequested();
    };
    if (ports.toDo)
        ports.toDo->Recount(ports.log, options.includeLines, options.mode, options.patterns, alive);
    else
        DeleteToDoCount(ports.fs, ports.text)
            .Recount(ports.log, options.includeLines, options.mode, options.patterns, alive);
}

DeleteEngineInputs InputsOf(const DeleteRunPorts& ports, const DeleteTabOptions& options) {
    return {ports.fs, ports.log, options.patterns, options.readOnlyFolders};
}

}  // namespace

bool ConfirmDelete(Messenger& messenger, bool doubleConfirm) {
    if (doubleConfirm &&
        ShowDeleteMessage(messenger, DeleteMessageId::FirstConfirmation) != kAnswerYes)
        return false;
    return ShowDeleteMessage(messenger, DeleteMessageId::FinalConfirmation) == kAnswerYes;
}

bool RunDeleteFolders(const DeleteRunPorts& ports, const DeleteTabOptions& options,
                      const DeleteTabLock& lock) {
    if (!ConfirmDelete(ports.messenger, options.doubleConfirm)) return false;
    // Locked before the count, so that the window stays alive while it measures.
    const LockedTabs locked(lock);
    BeginRun(ports, options, VisualLogMode::Normal);
    DeleteMainFolders(ports, options);
    if (ports.toDo) ports.toDo->Forget();
    return true;
}

void RunDeleteSimulation(const DeleteRunPorts& ports, const DeleteTabOptions& options,
                         const DeleteTabLock& lock) {
    ShowDeleteMessage(ports.messenger, DeleteMessageId::SimulationIntro);
    const LockedTabs locked(lock);
    BeginRun(ports, options, VisualLogMode::Simulate);
    SimulateMainFolders(ports, options);
}

void DeleteMainFolders(const DeleteRunPorts& ports, const DeleteTabOptions& options) {
    const CurrentDirectoryGuard keep(ports.fs);
    if (options.includeLines.empty()) {
        ShowDeleteMessage(ports.messenger, DeleteMessageId::RunEmptyList);
        ports.log.EndRun();
        return;
    }
    const DeleteEngineInputs inputs = InputsOf(ports, options);
    for (const std::string& folder :
         DeleteWorkList(ports.fs, ports.text, options.includeLines, options.mode)) {
        if (ports.log.StopRequested()) break;
        const MainFolderVerdict verdict = CheckMainFolder(ports.fs, folder);
        if (verdict == MainFolderVerdict::DriveOnly) {
            ShowDeleteMessage(ports.messenger, DeleteMessageId::DriveOnly);
            continue;
        }
        if (CountVerdict(ports.log, verdict, folder))
            RunEngine<SmartDeleteOne, SmartDelete>(inputs, options.mode, folder);
    }
    ports.log.EndRun();
    if (!ShowIfStopped(ports.messenger, ports.log))
        ShowDeleteMessage(ports.messenger, DeleteMessageId::RunEnd);
}

void SimulateMainFolders(const DeleteRunPorts& ports, const DeleteTabOptions& options) {
    const CurrentDirectoryGuard keep(ports.fs);
    if (options.includeLines.empty()) {
        ShowDeleteMessage(ports.messenger, DeleteMessageId::SimulationEmptyList);
        ports.log.EndRun();
        return;
    }
    const DeleteEngineInputs inputs = InputsOf(ports, options);
    for (const std::string& line :
         DeleteWorkList(ports.fs, ports.text, options.includeLines, options.mode)) {
        if (ports.log.StopRequested()) break;
        std::vector<std::string> accepted, refused;
        ScreenPath(ports.fs, line, accepted, refused);
        for (const std::string& text : refused)
            CountDeleteOutcome(ports.log, Vol07Counter::FoldersOtherReasons,
                               Vol07Category::FoldersOtherReasons, text);
        for (const std::string& path : accepted) {
            if (CountVerdict(ports.log, CheckScreenedFolder(ports.fs, path), path))
                RunEngine<SmartDeleteSimulOne, SmartDeleteSimul>(inputs, options.mode, path);
        }
    }
    ports.log.EndRun();
    if (!ShowIfStopped(ports.messenger, ports.log))
        ShowDeleteMessage(ports.messenger, DeleteMessageId::SimulationEnd);
}

void RefreshDeleteToDo(FileSystem& fs, const Text& text, VisualLog& log,
                       const std::vector<std::string>& includeLines, DeleteTabMode mode,
                       const std::vector<std::string>& patterns) {
    DeleteToDoCount(fs, text).Recount(log, includeLines, mode, patterns);
}

}  // namespace arbovane
