#include "core/ops/rename/FolderRename.h"

#include <cstdint>
#include <set>
#include <utility>

#include "core/ops/rename/RenameMessages.h"
#include "core/paths/Arbsplit.h"
#include "core/paths/BlankTrim.h"
#include "core/paths/CharacterCount.h"
#include "core/paths/PathText.h"
#include "core/run/RunMessages.h"
#include "core/undo/UndoJournal.h"
#include "core/visuallog/VisualLog.h"
#include "platform/FileSystem.h"
#include "platform/Messenger.h"

namespace arbovane {

namespace {

// Unlocks the tabs also when an exception leaves the run.
class UnlockOnExit {
public:
    explicit UnlockOnExit(const std::function<void()>& unlock) : unlock_(unlock) {}
    ~UnlockOnExit() {
        if (unlock_) unlock_();
    }
    UnlockOnExit(const UnlockOnExit&) = delete;
    UnlockOnExit& operator=(const UnlockOnExit&) = delete;

private:
    const std::function<void()>& unlock_;
};

int Show(Messenger& messenger, RenameMessageId id) {
    const RenameMessage& message = RenameMessageFor(id);
    return messenger.Show(message.text, message.title, message.flags);
}

}  // namespace

AS_MULTIMAP_NIVO_FOLDER_NAMES RenameOrder(const std::vector<std::string>& lines) {
    AS_MULTIMAP_NIVO_FOLDER_NAMES order;
    for (const std::string& line : lines) {
        const std::string trimmed = TrimBlanksAndControls(line);
        // Keyed without trailing separators: "d:\A\" is as deep as "d:\A", not as "d:\A\B".
        order.emplace(CountSeparators(SplitRenameSource(trimmed).path), trimmed);
    }
    return order;
}

FolderRename::FolderRename(FileSystem& fs, VisualLog& log, RenameFields fields)
    : fs_(fs), log_(log), fields_(std::move(fields)) {}

void FolderRename::Count(Vol06Counter counter, Vol06Category category, const std::string& entry) {
    log_.Add(counter, 1);
    log_.AddEntry(category, entry);
    log_.Refresh();
}

FolderRename::Verdict FolderRename::Check(const RenameSource& source, const std::string& target) {
    if (!IsExistingFolder(fs_, source.path)) return Verdict::SourceMissing;
    if (CountCharacters(target) >= kRenamePathLimit) return Verdict::TooLong;
    std::uint32_t attributes = 0;
    const bool enterable = IsExistingFolder(fs_, target);
    const bool present = enterable || fs_.GetAttributes(target, attributes);
    // A new letter case of the folder's own name finds the folder itself, which is no collision.
    const bool taken = present && !IsCaseOnlyRename(fs_, source, target);
    if (taken && enterable) return Verdict::TargetExists;
    if (!IsRenameInPlace(source, target)) return Verdict::NotInPlace;
    if (!taken) return Verdict::Ready;
    const bool folder = (attributes & kAttrDirectory) != 0 && (attributes & kAttrReparsePoint) == 0;
    return folder ? Verdict::TargetExists : Verdict::TargetTaken;
}

void FolderRename::Run(const std::vector<std::string>& lines, RenameJournal& journal) {
    const AS_MULTIMAP_NIVO_FOLDER_NAMES order = RenameOrder(lines);
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        if (log_.StopRequested()) break;
        const std::string& line = it->second;
        const RenameSource source = SplitRenameSource(line);
        if (!IsRenameableFolder(source)) {
            Count(Vol06Counter::FoldersOtherReasons, Vol06Category::FoldersOtherReasons, line);
            continue;
        }
        const std::string& path = source.path;
        const std::string target = BuildNewPath(path, fields_);
        switch (Check(source, target)) {
            case Verdict::SourceMissing:
                Count(Vol06Counter::FoldersSourceNotExists, Vol06Category::FoldersSourceNotExists,
                      path);
                break;
            case Verdict::TargetExists:
                Count(Vol06Counter::FoldersDestinationExists,
                      Vol06Category::FoldersDestinationExists, path);
                break;
            case Verdict::Ready:
                // The move itself refuses an existing target, also one that appeared a moment ago.
                if (fs_.MoveFolderNoReplace(path, target)) {
                    journal.RenamedPairs.push_back({path, target});
                    Count(Vol06Counter::FoldersRenamed, Vol06Category::FoldersRenamed, target);
                    break;
                }
                [[fallthrough]];
            case Verdict::TooLong:
            case Verdict::TargetTaken:
            case Verdict::NotInPlace:
                Count(Vol06Counter::FoldersOtherReasons, Vol06Category::FoldersOtherReasons,
                      target);
                break;
        }
    }
    log_.EndRun();
}

void FolderRename::Simulate(const std::vector<std::string>& lines) {
    std::set<std::string> plannedTargets;
    for (const std::string& line : lines) {
        if (log_.StopRequested()) break;
        std::vector<std::string> accepted, refused;
        ScreenPath(fs_, TrimBlanksAndControls(line), accepted, refused);
        for (const std::string& text : refused)
            Count(Vol06Counter::FoldersOtherReasons, Vol06Category::FoldersOtherReasons, text);
        for (const std::string& screened : accepted) {
            const RenameSource source = SplitRenameSource(screened);
            if (!IsRenameableFolder(source)) {
                Count(Vol06Counter::FoldersOtherReasons, Vol06Category::FoldersOtherReasons,
                      screened);
                continue;
            }
            const std::string& path = source.path;
            const std::string target = BuildNewPath(path, fields_);
            switch (Check(source, target)) {
                case Verdict::SourceMissing:
                    Count(Vol06Counter::FoldersSourceNotExists,
                          Vol06Category::FoldersSourceNotExists, path);
                    break;
                case Verdict::TargetExists:
                    // Unlike the run, the simulation names the target that is in the way.
                    Count(Vol06Counter::FoldersDestinationExists,
                          Vol06Category::FoldersDestinationExists, target);
                    break;
                case Verdict::TooLong:
                case Verdict::TargetTaken:
                case Verdict::NotInPlace:
                    Count(Vol06Counter::FoldersOtherReasons, Vol06Category::FoldersOtherReasons,
                          target);
                    break;
                case Verdict::Ready:
                    if (!plannedTargets.insert(target).second) {
                        Count(Vol06Counter::FoldersDestinationExists,
                              Vol06Category::FoldersDestinationExists, path);
                        break;
                    }
                    Count(Vol06Counter::FoldersRenamed, Vol06Category::FoldersRenamed, target);
                    break;
            }
        }
    }
    log_.EndRun();
}

RenameTabRun::RenameTabRun(FileSystem& fs, Messenger& messenger, VisualLog& log,
                           std::function<void()> lockOtherTabs, std::function<void()> unlockTabs)
    : fs_(fs),
      messenger_(messenger),
      log_(log),
      lock_(std::move(lockOtherTabs)),
      unlock_(std::move(unlockTabs)) {}

void RenameTabRun::Rename(const std::vector<std::string>& lines, const RenameFields& fields,
                          bool showLog, RenameJournal& journal) {
    if (Show(messenger_, RenameMessageId::RunQuestion) != kAnswerYes) return;
    log_.BeginRun(VisualLogMode::Normal);
    journal.RenamedPairs.clear();
    journal.FailedUndoPairs.clear();
    log_.Refresh();
    if (showLog) log_.Show();
    if (lock_) lock_();
    UnlockOnExit unlock(unlock_);
    if (lines.empty()) {
        Show(messenger_, RenameMessageId::RunListEmpty);
        return;
    }
    FolderRename(fs_, log_, fields).Run(lines, journal);
    if (!ShowIfStopped(messenger_, log_)) Show(messenger_, RenameMessageId::RunEnd);
}

void RenameTabRun::Simulate(const std::vector<std::string>& lines, const RenameFields& fields,
                            bool showLog) {
    if (Show(messenger_, RenameMessageId::SimulationQuestion) != kAnswerYes) return;
    log_.BeginRun(VisualLogMode::Simulate);
    log_.Refresh();
    if (showLog) log_.Show();
    if (lock_) lock_();
    UnlockOnExit unlock(unlock_);
    if (lines.empty()) {
        Show(messenger_, RenameMessageId::SimulationListEmpty);
        return;
    }
    FolderRename(fs_, log_, fields).Simulate(lines);
    if (!ShowIfStopped(messenger_, log_)) Show(messenger_, RenameMessageId::SimulationEnd);
}

void RefreshRenameCounters(VisualLog& log, std::size_t includeLines) {
    log.Set(Vol06Counter::FoldersToRename, static_cast<double>(includeLines));
    for (Vol06Counter counter : {Vol06Counter::FoldersRenamed, Vol06Counter::FoldersSourceNotExists,
                                 Vol06Counter::FoldersDestinationExists,
                                 Vol06Counter::FoldersOtherReasons, Vol06Counter::FailedUndo})
        log.Set(counter, 0);
    log.Refresh();
}

}  // namespace arbovane
