#include "core/undo/FolderFileUndo.h"

#include "core/paths/Arbsplit.h"
#include "core/paths/BlankTrim.h"
#include "core/paths/PathText.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace arbovane {

namespace {

std::string WithoutTrailingBackslash(std::string text) {
    if (!text.empty() && text.back() == '\\') text.pop_back();
    return text;
}

// An empty text, a text without a backslash ("d:" names the drive's current directory, not a
// folder of the run) or a bare drive part is never queued and ends every climb.
bool EndsClimb(const std::string& path) {
    return path.empty() || path.find('\\') == std::string::npos || path == ExtractDrive(path);
}

}  // namespace

FolderFileUndo::FolderFileUndo(FileSystem& fs, const Text& text) : fs_(fs), text_(text) {}

std::string FolderFileUndo::Key(const std::string& path) const {
    std::string key = WithBackslashes(path);
    while (!key.empty() && key.back() == '\\') key.pop_back();
    return text_.LowerCase(key);
}

bool FolderFileUndo::Unchanged(const std::string& file) {
    const auto it = stamps_.find(file);
    // The run made a file; a link there is someone else's.
    if (it == stamps_.end()) return !fs_.IsLink(TrimBlanksAndControls(file));
    FileStamp now;
    Reach reach;
    FsError why = FsError::None;
    const bool read = ReachOf(TrimBlanksAndControls(file), reach)
                          ? reach.tree->GetFileStamp(reach.relative, now, why)
                          : fs_.GetFileStamp(file, now);
    return read && SameFile(it->second, now);
}

bool FolderFileUndo::ReachOf(const std::string& path, Reach& reach) {
    const std::string text = WithoutTrailingBackslash(WithBackslashes(path));
    const std::string drive = ExtractDrive(text);
    if (drive.empty()) return false;
    // The nearest folder above that the undo does not remove itself.
    std::string anchor = text;
    do {
        const auto slash = anchor.rfind('\\');
        if (slash == std::string::npos || slash < drive.size()) return false;
        anchor.erase(slash);
        if (anchor == drive) anchor += '\\';
    } while (queuedPaths_.count(anchor) && anchor.back() != '\\');
    auto& tree = trees_[anchor];
    if (!tree) {
        FsError why = FsError::None;
        tree = fs_.OpenTree(anchor, why);
        if (!tree) {
            trees_.erase(anchor);
            return false;
        }
    }
    reach.tree = tree.get();
    reach.relative = text.substr(anchor.size() + (anchor.back() == '\\' ? 0 : 1));
    return !reach.relative.empty();
}

bool FolderFileUndo::IsLinkEntry(const std::string& path) {
    Reach reach;
    if (!ReachOf(path, reach)) return fs_.IsLink(path);
    std::uint32_t attributes = 0;
    FsError why = FsError::None;
    return reach.tree->GetAttributes(reach.relative, attributes, why) &&
           (attributes & kAttrReparsePoint) != 0;
}

bool FolderFileUndo::RemoveFileEntry(const std::string& path) {
    Reach reach;
    FsError why = FsError::None;
    return ReachOf(path, reach) ? reach.tree->RemoveFile(reach.relative, why)
                                : fs_.RemoveFile(path);
}

bool FolderFileUndo::RemoveFolderEntry(const std::string& path) {
    Reach reach;
    if (!ReachOf(path, reach)) return fs_.RemoveEmptyFolder(path);
    FsError why = FsError::None;
    // A folder the user replaced by a link goes as the link entry; its target stays.
    if (queuedLinks_.count(WithBackslashes(path)))
        return reach.tree->RemoveFile(reach.relative, why);
    return reach.tree->RemoveFolder(reach.relative, why);
}

bool FolderFileUndo::StillThere(const std::string& path) {
    Reach reach;
    if (!ReachOf(path, reach)) return IsExistingFolder(fs_, path);
    std::uint32_t attributes = 0;
    FsError why = FsError::None;
    if (reach.tree->GetAttributes(reach.relative, attributes, why))
        return (attributes & kAttrDirectory) != 0;
    return why != FsError::NotFound;
}

bool FolderFileUndo::MadeByRun(const std::string& path) const {
    if (unconfirmed_.empty() || path != TrimBlanksAndControls(unconfirmed_)) return true;
    // The file system may stamp an entry with a clock that runs a little behind the program's.
    constexpr std::int64_t kClockMarginNs = 2'000'000'000;
    FileStamp stamp;
    return fs_.GetEntryStamp(path, stamp) && stamp.changedNs != 0 &&
           stamp.changedNs >= runStartedNs_ - kClockMarginNs;
}

const std::vector<std::string>& FolderFileUndo::Input(UndoInput input) const {
    return input == UndoInput::MainFolders ? mainFolders_ : structureFolders_;
}

void FolderFileUndo::QueueByPlan(const UndoPlan& plan) {
    AddBoundaries(plan.boundaries);
    for (const auto& step : plan.steps) {
        if (step.climb) {
            Climb(Input(step.input));
        } else {
            QueueAsItIs(Input(step.input), step.dropTrailingBackslash);
        }
    }
}

void FolderFileUndo::AddBoundaries(UndoBoundaries boundaries) {
    // Slashes are read as backslashes here and in the climb, so "d:/Dest" still stops it.
    switch (boundaries) {
        case UndoBoundaries::None:
            break;
        case UndoBoundaries::Root:
            boundaries_.insert(Key(root_));
            break;
        case UndoBoundaries::MainFolders:
            for (const auto& folder : mainFolders_) boundaries_.insert(Key(folder));
            break;
        case UndoBoundaries::DrivesOfMainFolders:
            for (const auto& folder : mainFolders_)
                boundaries_.insert(Key(ExtractDrive(WithBackslashes(folder))));
            break;
    }
}

void FolderFileUndo::Climb(const std::vector<std::string>& folders) {
    for (const auto& folder : folders) {
        // A trailing backslash would make the root itself look like a folder below the root.
        std::string path = WithoutTrailingBackslash(WithBackslashes(folder));
        while (!EndsClimb(path) && boundaries_.count(Key(path)) == 0) {
            // Its ancestors were queued with it.
            if (!seen_.insert(Key(path)).second) break;
            Queue(path);
            std::string last;
            std::string parent =
                WithoutTrailingBackslash(SplitParentAndLast(fs_, path, last, false));
            if (parent == path) break;
            path = std::move(parent);
        }
    }
}

void FolderFileUndo::QueueAsItIs(const std::vector<std::string>& folders,
                                 bool dropTrailingBackslash) {
    for (const auto& folder : folders) {
        const std::string path = dropTrailingBackslash ? WithoutTrailingBackslash(folder) : folder;
        Queue(path);
    }
}

void FolderFileUndo::Queue(const std::string& folder) {
    removalQueue_.emplace(CountSeparators(folder), folder);
    queuedPaths_.insert(WithoutTrailingBackslash(WithBackslashes(TrimBlanksAndControls(folder))));
}

void FolderFileUndo::FindQueuedLinks() {
    if (linksFound_) return;
    linksFound_ = true;
    for (const auto& [depth, folder] : removalQueue_) {
        const std::string path = TrimBlanksAndControls(folder);
        if (!path.empty() && IsLinkEntry(path)) queuedLinks_.insert(WithBackslashes(path));
    }
}

bool FolderFileUndo::BelowQueuedLink(const std::string& path) const {
    if (queuedLinks_.empty()) return false;
    // Whatever lies below a link lives in the link's target, which the run never made.
    std::string text = WithBackslashes(path);
    for (auto slash = text.rfind('\\'); slash != std::string::npos && slash > 0;
         slash = text.rfind('\\', slash - 1)) {
        if (queuedLinks_.count(text.substr(0, slash))) return true;
    }
    return false;
}

void FolderFileUndo::Tried() {
    ++tried_;
    if (progress_) progress_(tried_, files_.size() + removalQueue_.size());
}

void FolderFileUndo::DeleteFiles() {
    FindQueuedLinks();
    for (const auto& file : files_) {
        Tried();
        const std::string path = TrimBlanksAndControls(file);
        if (path.empty()) continue;
        if (!untriedFiles_.empty() || (stop_ && stop_())) {
            untriedFiles_.push_back(file);
            continue;
        }
        if (!MadeByRun(path)) continue;
        const auto gone = [&] {
            FsError why = FsError::None;
            return !fs_.Exists(path, why) && why == FsError::NotFound;
        };
        if (BelowQueuedLink(path)) {
            result_.failedFiles.push_back(path);
        } else if (const bool unchanged = Unchanged(file); !unchanged || !RemoveFileEntry(path)) {
            if (undoStarted_.count(path) && gone()) {
                // Deleted by the undo that was cut off, before it could say so.
                result_.removedFiles.push_back(path);
                continue;
            }
            (gone()       ? result_.vanishedFiles
             : !unchanged ? result_.changedFiles
                          : result_.failedFiles)
                .push_back(path);
        } else {
            result_.removedFiles.push_back(path);
            continue;
        }
        failedFiles_.push_back(path);
    }
}

void FolderFileUndo::FolderStays(const std::string& path) {
    if (!StillThere(path)) {
        vanishedFolders_.push_back(path);
        return;
    }
    failedFolders_.push_back(path);
    bool holds = false;
    fs_.Enumerate(path + "\\*", [&holds](const DirEntry&) {
        holds = true;
        return false;
    });
    (holds ? result_.occupiedFolders : result_.failedFolders).push_back(path);
}

void FolderFileUndo::RemoveFolders() {
    FindQueuedLinks();
    std::vector<std::string> belowLinks;
    // Deepest first, and among equal depths the last queued first, so children go before
    // their parents.
    for (auto it = removalQueue_.rbegin(); it != removalQueue_.rend(); ++it) {
        Tried();
        const std::string path = TrimBlanksAndControls(it->second);
        if (!untriedFiles_.empty() || !untriedFolders_.empty() || (stop_ && stop_())) {
            untriedFolders_.push_back(it->second);
            continue;
        }
        if (BelowQueuedLink(path)) {
            belowLinks.push_back(path);
            continue;
        }
        if (!MadeByRun(path)) {
            vanishedFolders_.push_back(path);
            continue;
        }
        // The run made a folder there, not this link: it stays and is reported.
        if (queuedLinks_.count(WithBackslashes(path))) {
            failedFolders_.push_back(path);
            result_.failedFolders.push_back(path);
            continue;
        }
        if (RemoveFolderEntry(path)) {
            result_.removedFolders.push_back(path);
            continue;
        }
        FolderStays(path);
    }
    // Reached through the link, they live in its target: reported while they are there.
    for (const auto& path : belowLinks) {
        // Not reached through the tree, which never goes through a link: by path.
        if (IsExistingFolder(fs_, path))
            FolderStays(path);
        else
            vanishedFolders_.push_back(path);
    }
}

void FolderFileUndo::BuildReport() {
    if (failedFolders_.empty() && failedFiles_.empty()) return;
    report_ = "The program is unable to delete the following folders, and/or separate files : \n";
    otherReasons_.clear();
    for (const auto& folder : failedFolders_) otherReasons_ += folder + "\n";
    for (const auto& file : failedFiles_) otherReasons_ += file + "\n";
    if (!otherReasons_.empty()) report_ += "\nOTHER REASONS   : \n\n" + otherReasons_;
}

}  // namespace arbovane
