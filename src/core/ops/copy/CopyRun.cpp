#include "core/ops/copy/CopyRun.h"

#include <memory>

#include "core/acquire/ExamineSubFolders.h"
#include "core/ops/SimulatingFileSystem.h"
#include "core/ops/copy/CopyMessages.h"
#include "core/ops/copy/CopyTotals.h"
#include "core/paths/Arbsplit.h"
#include "core/paths/PathText.h"
#include "core/run/RunMessages.h"
#include "core/templates/AttachWalk.h"
#include "core/templates/TemplateTree.h"
#include "core/undo/UndoJournal.h"
#include "core/visuallog/VisualLog.h"
#include "platform/FileSystem.h"
#include "platform/Messenger.h"

namespace arbovane {

namespace {

class LockedTab {
public:
    explicit LockedTab(const CopyRunHooks& hooks) : hooks_(hooks) {
        if (hooks_.lock) hooks_.lock();
    }
    ~LockedTab() {
        if (hooks_.unlock) hooks_.unlock();
    }
    LockedTab(const LockedTab&) = delete;
    LockedTab& operator=(const LockedTab&) = delete;

private:
    const CopyRunHooks& hooks_;
};

// The copy tab's counters, categories and journal for every outcome of the attach walk. The
// simulation has no journal.
class CopyOutcomes : public AttachSink {
public:
    bool Stopping() override { return ports_.log.StopRequested(); }
    CopyOutcomes(const CopyRunPorts& ports, const MAP_FILE_PATH_SIZE& sizes, UndoJournal* journal,
                 std::function<void()> pump)
        : ports_(ports), sizes_(sizes), journal_(journal), pump_(std::move(pump)) {}

    void StartIncludeFolder() { created_ = false; }
    bool CreatedSomething() const { return created_; }

    void FolderCreated(const std::string& path) override {
        if (journal_) journal_->CreatedStructureFolders.push_back(path);
        created_ = true;
        Count(Vol08Counter::SubFoldersCopied, Vol08Category::SubFoldersCopied, path);
    }
    void FolderExists(const std::string& path) override {
        Count(Vol08Counter::SubFoldersExists, Vol08Category::SubFoldersExists, path);
    }
    void FolderNotAttached(const std::string& path) override {
        Count(Vol08Counter::SubFoldersOtherReasons, Vol08Category::SubFoldersOtherReasons, path);
    }
    void FileCopied(const std::string& target, const std::string& source,
                    const FileStamp& stamp) override {
        Pump();
        if (journal_) {
            journal_->CopiedFiles.push_back(target);
            journal_->CopiedFileStamps[target] = stamp;
        }
        Count(Vol08Counter::FilesCopied, Vol08Category::FilesCopied, target);
        AddSize(source, Vol08Counter::FileSizeCopied, CopyMessageId::CopiedSizeMissing);
    }
    void FileExists(const std::string& target, const std::string& source) override {
        Pump();
        Count(Vol08Counter::FilesExists, Vol08Category::FilesExists, target);
        AddSize(source, Vol08Counter::FileSizeExists, CopyMessageId::ExistingSizeMissing);
    }
    // The tab has no category of files not copied for other reasons; they stand with the
    // folders, so that no entry goes without an outcome.
    void FileNotCopied(const std::string& target, const std::string& /*source*/) override {
        Pump();
        Count(Vol08Counter::SubFoldersOtherReasons, Vol08Category::SubFoldersOtherReasons, target);
    }

    // Folders made for a relative template's line, parents first: each one is the run's.
    void FoldersMade(const std::vector<std::string>& made) {
        for (const std::string& path : made) FolderCreated(path);
    }

private:
    void Count(Vol08Counter counter, Vol08Category category, const std::string& path) {
        ports_.log.Add(counter, 1);
        ports_.log.Refresh();
        ports_.log.AddEntry(category, path);
    }
    void AddSize(const std::string& source, Vol08Counter counter, CopyMessageId missing) {
        const auto it = sizes_.find(source);
        if (it == sizes_.end()) {
            ShowCopyMessage(ports_.messenger, missing, source);
            return;
        }
        ports_.log.Add(counter, static_cast<double>(it->second));
        ports_.log.Refresh();
    }
    void Pump() {
        if (pump_) pump_();
    }

    const CopyRunPorts& ports_;
    const MAP_FILE_PATH_SIZE& sizes_;
    UndoJournal* journal_;
    std::function<void()> pump_;
    bool created_ = false;
};

void EmptyJournal(UndoJournal& journal) {
    journal.CopyTargetFolders.clear();
    journal.CreatedStructureFolders.clear();
    journal.CopiedFiles.clear();
    journal.CopiedFileStamps.clear();
    journal.FailedUndoFolders.clear();
    journal.FailedUndoFiles.clear();
}

CopyTemplateInputs TemplateInputsOf(const CopyTabOptions& options) {
    return {options.templates, options.kind,
            options.kind == TemplateKind::FullPath ? options.mode : AttachMode::None,
            options.patterns};
}

bool WithFilesOf(const CopyTabOptions& options) {
    return options.kind == TemplateKind::FullPath && WithFiles(options.mode);
}

void CountIncludeFolder(VisualLog& log, Vol08Counter counter, Vol08Category category,
                        const std::string& folder) {
    log.Add(counter, 1);
    log.Refresh();
    log.AddEntry(category, folder);
}

// One include folder of a run or a simulation.
void CopyInto(const CopyRunPorts& ports, CopyTotals& totals, const CopyTabOptions& options,
              const std::string& folder, AttachActions& actions, CopyOutcomes& outcomes,
              UndoJournal* journal, bool simulate) {
    outcomes.StartIncludeFolder();
    actions.Begin(folder);
    const bool withFiles = WithFilesOf(options);
    if (options.kind == TemplateKind::FullPath) {
        if (journal) journal->AttachModeMarker = "F";
        for (const std::string& line : options.templates) {
            const std::string trimmed = TrimSpaces(line);
            if (!HasDrive(trimmed) || !IsExistingFolder(ports.fs, line)) continue;
            std::string message;
            if (CheckSameFolder(ports.text, folder, line, message)) {
                ShowCopyMessage(ports.messenger,
                                simulate ? CopyMessageId::SimulationSameFolderFull
                                         : CopyMessageId::SameFolderFull,
                                message);
                continue;
            }
            const TemplateTree* tree = totals.TreeOf(trimmed);
            std::unique_ptr<TemplateTree> late;
            if (!tree) {
                // Added after the last measurement: read now, with what the run needs.
                late = std::make_unique<TemplateTree>(TemplateTree::Read(
                    ports.fs, trimmed, withFiles ? options.patterns : std::vector<std::string>{}));
                tree = late.get();
            }
            AttachTree(*tree, TemplateDestinationBase(folder, line, options.mode),
                       TemplateDestinationName(line, options.mode), WithMainFolder(options.mode),
                       withFiles, actions, outcomes);
        }
    } else {
        if (journal) journal->AttachModeMarker = "R";
        for (const std::string& line : options.templates) {
            std::string message;
            if (CheckSameFolder(ports.text, folder, line, message)) {
                ShowCopyMessage(ports.messenger,
                                simulate ? CopyMessageId::SimulationSameFolderRelative
                                         : CopyMessageId::SameFolderRelative,
                                message);
                continue;
            }
            const std::string relative =
                TransformTemplateLine(ports.text, options.option, line, folder);
            const std::string target = relative.empty() ? "" : JoinTemplatePath(folder, relative);
            if (target.empty()) {
                outcomes.FolderNotAttached(line);
                continue;
            }
            std::vector<std::string> made;
            const CreateOutcome outcome = AttachRelativeFolder(folder, target, actions, made);
            // Parents made before a failure, or before the folder appeared, are still ours.
            outcomes.FoldersMade(made);
            if (outcome == CreateOutcome::Existed) {
                outcomes.FolderExists(target);
            } else if (outcome == CreateOutcome::Failed) {
                outcomes.FolderNotAttached(target);
            }
        }
    }
    if (outcomes.CreatedSomething()) {
        if (journal) journal->CopyTargetFolders.push_back(folder);
        CountIncludeFolder(ports.log, Vol08Counter::FoldersCopied, Vol08Category::FoldersCopied,
                           folder);
    }
}

// The screened spelling ("d:/X" read as "d:\X") where the path rules take the line, otherwise the
// line as it stands; the run and the simulation both use it, so that they agree.
std::string IncludeFolderOf(FileSystem& fs, const std::string& line) {
    std::vector<std::string> accepted, refused;
    ScreenPath(fs, line, accepted, refused);
    return accepted.empty() ? line : accepted.front();
}

bool Prepare(const CopyRunPorts& ports, CopyTotals& totals, const CopyTabOptions& options,
             const CopyRunHooks& hooks, bool simulate) {
    const CopyTotalsPorts totalsPorts{ports.fs, ports.text, ports.messenger, ports.log};
    if (WithFilesOf(options) && !UpdateCopyTotals(totalsPorts, totals, options.includeLines,
                                                  TemplateInputsOf(options), true))
        return false;
    if (options.templates.empty()) {
        ShowCopyMessage(ports.messenger,
                        simulate ? CopyMessageId::SimulationNoTemplate : CopyMessageId::NoTemplate);
        if (hooks.focusAddStructure) hooks.focusAddStructure();
        return false;
    }
    if (ShowCopyMessage(ports.messenger, simulate ? CopyMessageId::SimulationIntro
                                                  : CopyMessageId::Confirmation) != kAnswerYes)
        return false;
    // The trees as they are now; a run with files copies the ones it has just counted.
    if (!WithFilesOf(options)) totals.MeasureTemplates(ports.fs, TemplateInputsOf(options), false);
    return true;
}

// The run and its simulation: one walk, the simulation over a file system that only pretends to
// create, so both ask the same questions and list the same outcomes. No journal: a simulation.
bool RunCopy(const CopyRunPorts& ports, CopyTotals& totals, UndoJournal* journal,
             const CopyTabOptions& options, const CopyRunHooks& hooks) {
    const bool simulate = journal == nullptr;
    struct Release {
        CopyTotals& totals;
        ~Release() { totals.ReleaseOpenFolders(); }
    } release{totals};
    if (!Prepare(ports, totals, options, hooks, simulate)) return false;
    ports.log.BeginRun(simulate ? VisualLogMode::Simulate : VisualLogMode::Normal);
    if (journal) EmptyJournal(*journal);
    ports.log.Refresh();
    if (options.showVisualLog) ports.log.Show();
    const LockedTab locked(hooks);
    if (options.includeLines.empty()) {
        ShowCopyMessage(ports.messenger, simulate ? CopyMessageId::SimulationEmptyList
                                                  : CopyMessageId::RunEmptyList);
        ports.log.EndRun();
        return true;
    }
    SimulatingFileSystem simulated(ports.fs, ports.text);
    const CopyRunPorts walk{simulate ? simulated : ports.fs, ports.text, ports.messenger,
                            ports.log};
    AttachActions actions(walk.fs);
    CopyOutcomes outcomes(walk, totals.SizeTable(), journal,
                          simulate && WithFilesOf(options) ? hooks.pump : std::function<void()>{});
    for (const std::string& line : ExamineSubFolders(ports.text, options.includeLines).ReadAll()) {
        if (ports.log.StopRequested()) break;
        const std::string folder = IncludeFolderOf(walk.fs, line);
        if (!HasDrive(folder) || !actions.IsFolder(folder)) {
            CountIncludeFolder(ports.log, Vol08Counter::FoldersNotExists,
                               Vol08Category::FoldersNotExists, folder);
            continue;
        }
        CopyInto(walk, totals, options, folder, actions, outcomes, journal, simulate);
    }
    ports.log.EndRun();
    if (!ShowIfStopped(ports.messenger, ports.log))
        ShowCopyMessage(ports.messenger,
                        simulate ? CopyMessageId::SimulationEnd : CopyMessageId::RunEnd);
    return true;
}

}  // namespace

bool RunCopyFolders(const CopyRunPorts& ports, CopyTotals& totals, UndoJournal& journal,
                    const CopyTabOptions& options, const CopyRunHooks& hooks) {
    return RunCopy(ports, totals, &journal, options, hooks);
}

bool RunCopySimulation(const CopyRunPorts& ports, CopyTotals& totals, const CopyTabOptions& options,
                       const CopyRunHooks& hooks) {
    return RunCopy(ports, totals, nullptr, options, hooks);
}

}  // namespace arbovane
