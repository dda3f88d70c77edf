#include "core/ops/create/CreateRun.h"

#include <map>
#include <memory>

#include "core/ops/FreeSpace.h"
#include "core/ops/SimulatingFileSystem.h"
#include "core/ops/copy/CopyTotals.h"
#include "core/ops/create/CreateNames.h"
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

using C = CreationCounter;
using G = CreationCategory;
using M = CreateMessageId;

const std::vector<std::string> kAllFiles = {"*.*"};

CopyTemplateInputs TemplateInputsOf(const CreateTabOptions& options) {
    return {options.templates, options.kind,
            options.kind == TemplateKind::FullPath ? options.mode : AttachMode::None, kAllFiles};
}

std::string WithTrailingBackslash(std::string folder) {
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    return folder;
}

void Count(VisualLog& log, C counter, G category, const std::string& path) {
    log.Add(counter, 1);
    log.Refresh();
    log.AddEntry(category, path);
}

// The tab's counters, categories and journal for the outcomes below one main folder. The
// simulation has no journal.
class CreateOutcomes : public AttachSink {
public:
    bool Stopping() override { return ports_.log.StopRequested(); }
    CreateOutcomes(const CreateRunPorts& ports, CreateTab tab, const MAP_FILE_PATH_SIZE& sizes,
                   UndoJournal* journal)
        : ports_(ports), tab_(tab), sizes_(sizes), journal_(journal) {}

    void FolderCreated(const std::string& path) override {
        if (journal_) journal_->CreatedStructureFolders.push_back(path);
        Count(ports_.log, C::SubFoldersCreated, G::SubFoldersCreated, path);
    }
    // Structure entries that were not made are listed with the folders but counted only in their
    // own row, which has no such counter: the folders' counters count the main folders.
    void FolderExists(const std::string& path) override {
        ports_.log.AddEntry(G::FoldersExists, path);
    }
    void FolderNotAttached(const std::string& path) override {
        ports_.log.AddEntry(G::FoldersOther, path);
    }
    void FileCopied(const std::string& target, const std::string& source,
                    const FileStamp& stamp) override {
        if (journal_) {
            journal_->CopiedFiles.push_back(target);
            journal_->CopiedFileStamps[target] = stamp;
        }
        Count(ports_.log, C::FilesCreated, G::FilesCreated, target);
        const auto it = sizes_.find(source);
        if (it == sizes_.end()) {
            ShowCreateMessage(ports_.messenger, tab_,
                              journal_ ? M::CopiedSizeMissing : M::SimulationCopiedSizeMissing,
                              source);
            return;
        }
        ports_.log.Add(C::FilesSizeCreated, static_cast<double>(it->second));
        ports_.log.Refresh();
    }
    // The creation tabs have no categories of files; a file not copied stands with the
    // folders, so that every entry has one outcome.
    void FileExists(const std::string& target, const std::string& source) override {
        FolderExists(target);
        if (sizes_.count(source) == 0)
            ShowCreateMessage(ports_.messenger, tab_,
                              journal_ ? M::NotCopiedSizeMissing : M::SimulationExistingSizeMissing,
                              source);
    }
    void FileNotCopied(const std::string& target, const std::string& /*source*/) override {
        FolderNotAttached(target);
    }

    // Folders made on the way to a relative template's target, parents first, the target last:
    // each one is the run's.
    void FoldersMade(const std::vector<std::string>& made) {
        for (const std::string& path : made) FolderCreated(path);
    }

private:
    const CreateRunPorts& ports_;
    CreateTab tab_;
    const MAP_FILE_PATH_SIZE& sizes_;
    UndoJournal* journal_;
};

// Makes a main folder with every missing parent, one folder at a time, so the run knows which it
// made. Folders are made through the open folder they go into: one call each, an existing one
// known by the refusal, never a path looked up from the drive's root per folder.
class MainFolderMaker {
public:
    explicit MainFolderMaker(FileSystem& fs) : fs_(fs) {}

    // parents receives those made on the way. Existed when the folder was there already or
    // appeared meanwhile.
    CreateOutcome Make(const NewFolder& item, std::vector<std::string>& parents) {
        const std::string& path = item.path;
        FolderTree* tree = AnchorOf(item);
        madeIn_ = nullptr;
        if (!tree) return MakeWithParents(path, parents);
        const std::string relative = path.substr(item.parentLength);
        FsError why = FsError::None;
        CreateOutcome outcome = tree->MakeFolder(relative, why);
        if (outcome == CreateOutcome::Failed && why == FsError::NotFound &&
            relative.find('\\') != std::string::npos)
            outcome = MakeLevels(*tree, path.substr(0, item.parentLength), relative, parents);
        // A link to a folder holds the name as a folder does.
        if (outcome == CreateOutcome::Failed && why == FsError::Exists && fs_.IsFolder(path))
            return CreateOutcome::Existed;
        // The open folder never goes through a link in a name's levels; a path does.
        if (outcome == CreateOutcome::Failed && why == FsError::IsLink)
            return MakeWithParents(path, parents);
        if (outcome == CreateOutcome::Created) madeIn_ = tree;
        return outcome;
    }

    // The open folder the main folder made last was made in; nullptr when it was made by path.
    FolderTree* MadeIn() const { return madeIn_; }

private:
    FolderTree* AnchorOf(const NewFolder& item) {
        if (item.parentLength == 0 || item.parentLength >= item.path.size()) return nullptr;
        std::string anchor = item.path.substr(0, item.parentLength);
        if (anchor.size() > 1 && anchor.back() == '\\' &&
            ExtractDrive(anchor).size() + 1 < anchor.size())
            anchor.pop_back();
        if (tree_ && anchor == anchor_) return tree_.get();
        FsError why = FsError::None;
        tree_ = fs_.OpenTree(anchor, why);
        anchor_ = tree_ ? anchor : std::string{};
        return tree_.get();
    }

    // The levels of a name holding backslashes, each made in the one above it.
    CreateOutcome MakeLevels(FolderTree& tree, const std::string& parent,
                             const std::string& relative, std::vector<std::string>& parents) {
        CreateOutcome outcome = CreateOutcome::Failed;
        for (std::size_t end = relative.find('\\');; end = relative.find('\\', end + 1)) {
            const std::string level = relative.substr(0, end);
            FsError why = FsError::None;
            outcome = tree.MakeFolder(level, why);
            if (outcome == CreateOutcome::Failed || end == std::string::npos) return outcome;
            if (outcome == CreateOutcome::Created) parents.push_back(parent + level);
        }
    }

    // Where the folder it goes into is missing or cannot be opened: by path, from the deepest
    // existing folder down.
    CreateOutcome MakeWithParents(const std::string& path, std::vector<std::string>& parents) {
        const std::size_t driveLength = ExtractDrive(path).size();
        std::vector<std::string> missing;
        std::string folder = path;
        while (!fs_.IsFolder(folder)) {
            if (IsTaken(folder)) return CreateOutcome::Failed;
            missing.push_back(folder);
            const auto slash = folder.rfind('\\');
            if (slash == std::string::npos || slash <= driveLength) break;
            folder.erase(slash);
        }
        if (missing.empty()) return CreateOutcome::Existed;
        for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
            const CreateOutcome outcome = fs_.CreateFolder(*it);
            if (outcome == CreateOutcome::Failed) return outcome;
            if (std::next(it) == missing.rend()) return outcome;
            if (outcome == CreateOutcome::Created) parents.push_back(*it);
        }
        return CreateOutcome::Failed;
    }

    // Something that is no folder holds the name.
    bool IsTaken(const std::string& path) {
        FsError why = FsError::None;
        return fs_.Exists(path, why) || why != FsError::NotFound;
    }

    FileSystem& fs_;
    std::unique_ptr<FolderTree> tree_;
    std::string anchor_;
    FolderTree* madeIn_ = nullptr;
};

class LockedTab {
public:
    explicit LockedTab(const CreateRunHooks& hooks) : hooks_(hooks) {
        if (hooks_.lock) hooks_.lock();
    }
    ~LockedTab() {
        if (hooks_.unlock) hooks_.unlock();
    }
    LockedTab(const LockedTab&) = delete;
    LockedTab& operator=(const LockedTab&) = delete;

private:
    const CreateRunHooks& hooks_;
};

struct Walk {
    const CreateRunPorts& ports;
    CopyTotals& totals;
    const CreateTabOptions& options;
    AttachActions& actions;
    MainFolderMaker& maker;
    CreateOutcomes& outcomes;
    UndoJournal* journal;
};

void AttachFullPath(Walk& walk, const std::string& folder) {
    const CreateTabOptions& options = walk.options;
    const bool withFiles = CreateWithFiles(options);
    for (const std::string& line : options.templates) {
        const std::string trimmed = TrimSpaces(line);
        if (!HasDrive(trimmed) || !IsExistingFolder(walk.ports.fs, line)) continue;
        std::string message;
        if (CheckSameFolder(walk.ports.text, folder, line, message)) {
            ShowCreateMessage(walk.ports.messenger, options.tab,
                              walk.journal ? M::SameFolderFull : M::SimulationSameFolderFull,
                              message);
            continue;
        }
        const TemplateTree* tree = walk.totals.TreeOf(trimmed);
        std::unique_ptr<TemplateTree> late;
        if (!tree) {
            late = std::make_unique<TemplateTree>(TemplateTree::Read(
                walk.ports.fs, trimmed, withFiles ? kAllFiles : std::vector<std::string>{}));
            tree = late.get();
        }
        AttachTree(*tree, TemplateDestinationBase(folder, line, options.mode),
                   TemplateDestinationName(line, options.mode), WithMainFolder(options.mode),
                   withFiles, walk.actions, walk.outcomes);
    }
}

void AttachRelative(Walk& walk, const std::string& folder, const std::string& numberText) {
    const CreateTabOptions& options = walk.options;
    for (const std::string& line : options.templates) {
        std::string message;
        if (CheckSameFolder(walk.ports.text, folder, line, message)) {
            ShowCreateMessage(walk.ports.messenger, options.tab, M::SameFolderRelative, message);
            continue;
        }
        std::string relative = TransformTemplateLine(walk.ports.text, options.option, line, folder);
        if (!relative.empty() && options.tab == CreateTab::Numbers && options.numbersInLevels)
            relative = AppendNumberToLevels(relative, options.prefix, numberText);
        const std::string target = relative.empty() ? "" : JoinTemplatePath(folder, relative);
        if (target.empty()) {
            walk.outcomes.FolderNotAttached(line);
            continue;
        }
        std::vector<std::string> made;
        const CreateOutcome outcome = AttachRelativeFolder(folder, target, walk.actions, made);
        walk.outcomes.FoldersMade(made);
        if (outcome == CreateOutcome::Existed) {
            walk.outcomes.FolderExists(target);
        } else if (outcome == CreateOutcome::Failed) {
            walk.outcomes.FolderNotAttached(target);
        }
    }
}

// One main folder: created (with what is attached to it), existing, or set aside.
void CreateOne(Walk& walk, const NewFolder& item) {
    VisualLog& log = walk.ports.log;
    if (item.path.empty()) {
        Count(log, C::FoldersOther, G::FoldersOther, item.refused);
        return;
    }
    const std::string& path = item.path;
    std::vector<std::string> parents;
    const CreateOutcome outcome = walk.maker.Make(item, parents);
    // What is attached goes through the open folder the main folder was made in.
    const auto begin = [&] {
        if (FolderTree* tree = walk.maker.MadeIn())
            walk.actions.Begin(*tree, path.substr(item.parentLength));
        else
            walk.actions.Begin(path);
    };
    // Folders made on the way (a missing destination, the levels of a name holding a backslash)
    // are the run's as well: listed and counted with the main folders, parents first, and taken
    // back by Undo, also when the main folder itself then failed.
    for (const std::string& parent : parents) {
        if (walk.journal) walk.journal->CreatedMainFolders.push_back(parent);
        Count(log, C::FoldersCreated, G::FoldersCreated, parent);
    }
    if (walk.journal && !parents.empty())
        walk.journal->AttachModeMarker = walk.options.kind == TemplateKind::Nothing    ? "N"
                                         : walk.options.kind == TemplateKind::FullPath ? "F"
                                                                                       : "R";
    if (outcome != CreateOutcome::Created) {
        // One that appeared meanwhile is someone else's.
        Count(log, outcome == CreateOutcome::Existed ? C::FoldersExists : C::FoldersOther,
              outcome == CreateOutcome::Existed ? G::FoldersExists : G::FoldersOther, path);
        return;
    }
    UndoJournal* journal = walk.journal;
    if (journal) journal->CreatedMainFolders.push_back(path);
    Count(log, C::FoldersCreated, G::FoldersCreated, path);
    switch (walk.options.kind) {
        case TemplateKind::Nothing:
            if (journal) journal->AttachModeMarker = "N";
            break;
        case TemplateKind::FullPath:
            if (journal) {
                journal->AttachModeMarker = "F";
                journal->FailedUndoFiles.clear();
            }
            begin();
            AttachFullPath(walk, path);
            break;
        case TemplateKind::Relative:
            if (journal) {
                journal->AttachModeMarker = "R";
                journal->FailedUndoFiles.clear();
            }
            begin();
            AttachRelative(walk, path, item.numberText);
            break;
    }
}

void EmptyJournal(UndoJournal& journal) {
    journal.CreatedMainFolders.clear();
    journal.CopyTargetFolders.clear();
    journal.CreatedStructureFolders.clear();
    journal.CopiedFiles.clear();
    journal.CopiedFileStamps.clear();
    journal.FailedUndoFolders.clear();
}

bool HasIncludeList(CreateTab tab) {
    return tab != CreateTab::Numbers;
}

// Steps before the question and the question itself.
bool Prepare(const CreateRunPorts& ports, CopyTotals& totals, const CreateTabOptions& options,
             const CreateRunHooks& hooks, bool simulate) {
    const CreateTab tab = options.tab;
    if (tab == CreateTab::Numbers) {
        const NumberBoxes numbers = ReadNumberBoxes(options.startText, options.endText);
        if (numbers.end < numbers.start) {
            ShowCreateMessage(ports.messenger, tab,
                              simulate ? M::SimulationStartAfterEnd : M::StartAfterEnd);
            if (hooks.focusEndNumber) hooks.focusEndNumber();
            return false;
        }
    }
    // A prefix or suffix that got past its box must not lead a name elsewhere.
    for (const bool prefix : {true, false}) {
        const std::string& part = prefix ? options.prefix : options.suffix;
        std::string found;
        if (FindIllegalChars('F', part, found)) {
            ShowCreateMessage(ports.messenger, tab, prefix ? M::PrefixIllegal : M::SuffixIllegal,
                              found);
            return false;
        }
    }
    if (CreateWithFiles(options) && !UpdateToCreate(ports, totals, options, true, true))
        return false;
    if (options.kind != TemplateKind::Nothing && options.templates.empty()) {
        ShowCreateMessage(ports.messenger, tab, simulate ? M::SimulationNoTemplate : M::NoTemplate);
        if (hooks.focusAddStructure) hooks.focusAddStructure();
        return false;
    }
    if (ShowCreateMessage(ports.messenger, tab, simulate ? M::SimulationIntro : M::Confirmation) !=
        kAnswerYes)
        return false;
    // The trees as they are now; a run with files uses the ones it has just measured.
    if (options.kind == TemplateKind::FullPath && !CreateWithFiles(options))
        totals.MeasureTemplates(ports.fs, TemplateInputsOf(options), false);
    return true;
}

// The main loop; false when a warning ended it before the first folder.
bool MainLoop(Walk& walk, const CreateRunHooks& hooks, bool simulate) {
    const CreateTabOptions& options = walk.options;
    const CreateRunPorts& ports = walk.ports;
    if (HasIncludeList(options.tab) && options.includeLines.empty()) {
        ShowCreateMessage(ports.messenger, options.tab,
                          simulate ? M::SimulationEmptyList : M::RunEmptyList);
        return false;
    }
    if (options.tab == CreateTab::Numbers) {
        const NumberBoxes numbers = ReadNumberBoxes(options.startText, options.endText);
        if (numbers.end < numbers.start) {
            ShowCreateMessage(ports.messenger, options.tab,
                              simulate ? M::SimulationStartAfterEndRead : M::StartAfterEndRead);
            if (hooks.focusEndNumber) hooks.focusEndNumber();
            return false;
        }
    }
    ForEachNewFolder(options, [&](const NewFolder& item) {
        if (ports.log.StopRequested()) return false;
        CreateOne(walk, item);
        return true;
    });
    return true;
}

bool RunCreate(const CreateRunPorts& ports, CopyTotals& totals, UndoJournal* journal,
               const CreateTabOptions& options, const CreateRunHooks& hooks) {
    const bool simulate = journal == nullptr;
    struct Release {
        CopyTotals& totals;
        ~Release() { totals.ReleaseOpenFolders(); }
    } release{totals};
    if (!Prepare(ports, totals, options, hooks, simulate)) return false;
    ports.log.BeginRun(simulate ? VisualLogMode::Simulate : VisualLogMode::Normal);
    if (journal) {
        EmptyJournal(*journal);
        if (options.tab != CreateTab::FolderList)
            journal->UndoRoot = WithTrailingBackslash(TrimSpaces(options.destination));
    }
    ports.log.Refresh();
    if (options.showVisualLog) ports.log.Show();
    {
        const LockedTab locked(hooks);
        // A simulation is the run itself over a file system that only pretends to create.
        SimulatingFileSystem simulated(ports.fs, ports.text);
        const CreateRunPorts walkPorts{simulate ? simulated : ports.fs, ports.text, ports.messenger,
                                       ports.log};
        AttachActions actions(walkPorts.fs);
        MainFolderMaker maker(walkPorts.fs);
        CreateOutcomes outcomes(walkPorts, options.tab, totals.SizeTable(), journal);
        Walk walk{walkPorts, totals, options, actions, maker, outcomes, journal};
        const bool completed = MainLoop(walk, hooks, simulate);
        ports.log.EndRun();
        if (completed && !ShowIfStopped(ports.messenger, ports.log)) {
            ShowCreateMessage(ports.messenger, options.tab,
                              simulate ? M::SimulationEnd : M::RunEnd);
            if (options.showExplorer && options.tab != CreateTab::FolderList &&
                hooks.openDestination)
                hooks.openDestination(TrimSpaces(options.destination));
        }
    }
    if (hooks.runEnded) hooks.runEnded();
    return true;
}

}  // namespace

bool CreateWithFiles(const CreateTabOptions& options) {
    return options.kind == TemplateKind::FullPath && WithFiles(options.mode);
}

std::uint64_t MainFolderCount(const CreateTabOptions& options) {
    if (options.tab == CreateTab::Numbers)
        return NumberCount(ReadNumberBoxes(options.startText, options.endText));
    return options.includeLines.size();
}

bool UpdateToCreate(const CreateRunPorts& ports, CopyTotals& totals,
                    const CreateTabOptions& options, bool withFiles, bool force) {
    const std::uint64_t n = MainFolderCount(options);
    VisualLog& log = ports.log;
    if (options.kind == TemplateKind::Relative) {
        log.Set(C::FoldersToCreate, static_cast<double>(n));
        log.Set(C::SubFoldersToCreate, static_cast<double>(n) * options.templates.size());
        return true;
    }
    const bool measureFiles = withFiles && options.kind == TemplateKind::FullPath;
    if (options.kind == TemplateKind::FullPath)
        totals.MeasureTemplates(ports.fs, TemplateInputsOf(options), measureFiles, force);
    if (n == 0) return false;
    const CopyTemplateTotals measured =
        options.kind == TemplateKind::FullPath ? totals.Totals() : CopyTemplateTotals{};
    const std::uint64_t bytes = measureFiles ? measured.bytes : 0;

    // The needs per volume: that of the destination, or those the full paths lie on (equal is
    // enough there, as the tab has always had it), each asked where the folders would be made.
    struct Need {
        std::string path;  // the first folder on the volume, whose free space is asked
        std::uint64_t lines = 0;
    };
    std::vector<Need> needs;
    std::map<std::uint64_t, std::size_t> byVolume;
    const auto need = [&](const std::string& path, std::uint64_t lines) {
        std::uint64_t volume = 0;
        if (!ports.fs.VolumeId(path, volume)) return;
        auto [it, added] = byVolume.try_emplace(volume, needs.size());
        if (added) needs.push_back({path, 0});
        needs[it->second].lines += lines;
    };
    const bool equalFits = options.tab == CreateTab::FolderList;
    if (equalFits) {
        // In the order of the drives, as the lines are grouped by them.
        std::map<std::string, std::vector<std::string>> lines;
        for (const std::string& line : options.includeLines) {
            std::string head, tail;
            if (SplitAtColon(line, head, tail)) lines[TrimSpaces(head)].push_back(TrimSpaces(line));
        }
        for (const auto& [drive, paths] : lines)
            for (const std::string& path : paths) need(path, 1);
    } else {
        need(TrimSpaces(options.destination), n);
    }
    for (const Need& volume : needs) {
        const std::uint64_t needed = SaturatingProduct(volume.lines, bytes);
        std::uint64_t available = 0;
        if (needed == 0 || FitsOnVolume(ports.fs, volume.path, needed, equalFits, available))
            continue;
        std::uint64_t id = 0;
        ports.fs.VolumeId(volume.path, id);
        ShowCreateMessage(
            ports.messenger, options.tab, M::FreeSpace,
            FreeSpaceMessage(VolumeName(ports.fs, volume.path, id), available, needed));
        return false;
    }
    const double count = static_cast<double>(n);
    log.Set(C::FoldersToCreate, count);
    log.Set(C::SubFoldersToCreate, count * measured.folders);
    log.Set(C::FilesToCreate, measureFiles ? count * measured.files : 0.0);
    log.Set(C::FilesSizeToCreate, count * static_cast<double>(bytes));
    return true;
}

void ForEachNewFolder(const CreateTabOptions& options,
                      const std::function<bool(const NewFolder&)>& visit) {
    NewFolder item;
    const auto refuse = [&](const std::string& text) {
        item.path.clear();
        item.refused = text;
        return visit(item);
    };
    switch (options.tab) {
        case CreateTab::StringList: {
            const _tagVol0XParts parts =
                BuildNameParts(options.destination, options.prefix, options.suffix, options.hyphen);
            const std::string parent =
                NormaliseTypedText(WithTrailingBackslash(TrimSpaces(options.destination)));
            for (const std::string& line : options.includeLines) {
                if (HasDrive(TrimSpaces(line))) {
                    if (!refuse(line)) return;
                    continue;
                }
                std::string path = NormaliseTypedText(ComposeFolderPath(parts, line));
                while (path.size() > parent.size() && path.back() == '\\') path.pop_back();
                // Every level below the destination must be a plain new name.
                const bool below = path.size() > parent.size() &&
                                   path.compare(0, parent.size(), parent) == 0 &&
                                   IsPlainRelativePath(path.substr(parent.size()));
                if (!HasDrive(path) || !below) {
                    if (!refuse(path)) return;
                    continue;
                }
                item.path = path;
                item.refused.clear();
                item.parentLength = parent.size();
                if (!visit(item)) return;
            }
            break;
        }
        case CreateTab::Numbers: {
            const NumberBoxes numbers = ReadNumberBoxes(options.startText, options.endText);
            const _tagVol0XParts parts =
                BuildNameParts(options.destination, options.prefix, options.suffix, options.hyphen);
            const int width = PaddingWidth(numbers.end);
            const std::size_t parentLength =
                WithTrailingBackslash(TrimSpaces(options.destination)).size();
            const bool hasDrive = HasDrive(TrimSpaces(options.destination));
            // 64 bits, so that the last number of the range ends the loop.
            for (std::int64_t k = numbers.start; k <= numbers.end; ++k) {
                item.numberText = NumberText(k, width, options.padded);
                const std::string path = ComposeFolderPath(parts, item.numberText);
                if (!hasDrive || !IsPlainFolderName(path.substr(parentLength))) {
                    if (!refuse(path)) return;
                    continue;
                }
                item.path = path;
                item.refused.clear();
                item.parentLength = parentLength;
                if (!visit(item)) return;
            }
            break;
        }
        case CreateTab::FolderList:
            for (const std::string& line : options.includeLines) {
                const std::string trimmed = TrimSpaces(line);
                if (!HasDrive(trimmed)) {
                    if (!refuse(trimmed)) return;
                    continue;
                }
                const std::string source = WithBackslashes(trimmed);
                const _tagVol0XParts parts =
                    BuildNamePartsFromPath(source, options.prefix, options.suffix, options.hyphen);
                const std::string path = ComposeFolderPath(parts);
                // The new folder's own name: what follows its parent's backslash.
                const std::size_t hyphen =
                    options.hyphen && !TrimSpaces(options.prefix).empty() ? 1 : 0;
                const std::string name =
                    path.substr(parts.Head.size() - options.prefix.size() - hyphen);
                if (!HasDrive(path) || !HasPlainLevels(source) || !IsPlainFolderName(name)) {
                    if (!refuse(path)) return;
                    continue;
                }
                item.path = path;
                item.refused.clear();
                item.parentLength = path.rfind('\\') + 1;
                if (!visit(item)) return;
            }
            break;
    }
}

CreatePreview PreviewNewFolders(const CreateTabOptions& options) {
    CreatePreview preview;
    const auto shown = [](const NewFolder& item) {
        return item.path.empty() ? item.refused : item.path;
    };
    if (options.tab == CreateTab::Numbers) {
        const NumberBoxes numbers = ReadNumberBoxes(options.startText, options.endText);
        if (numbers.end < numbers.start) return preview;
        // The padding follows the end number, whichever number is shown.
        CreateTabOptions one = options;
        for (std::string* side : {&preview.first, &preview.last}) {
            const std::int32_t k = side == &preview.first ? numbers.start : numbers.end;
            one.startText = std::to_string(k);
            one.endText = std::to_string(numbers.end);
            ForEachNewFolder(one, [&](const NewFolder& item) {
                *side = shown(item);
                return false;
            });
        }
        return preview;
    }
    bool first = true;
    ForEachNewFolder(options, [&](const NewFolder& item) {
        if (first) preview.first = shown(item);
        first = false;
        preview.last = shown(item);
        return true;
    });
    return preview;
}

bool RunCreateFolders(const CreateRunPorts& ports, CopyTotals& totals, UndoJournal& journal,
                      const CreateTabOptions& options, const CreateRunHooks& hooks) {
    return RunCreate(ports, totals, &journal, options, hooks);
}

bool RunCreateSimulation(const CreateRunPorts& ports, CopyTotals& totals,
                         const CreateTabOptions& options, const CreateRunHooks& hooks) {
    return RunCreate(ports, totals, nullptr, options, hooks);
}

}  // namespace arbovane
