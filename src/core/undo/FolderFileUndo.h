#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/undo/NivoFolderNames.h"
#include "core/undo/UndoPlan.h"
#include "core/undo/UndoResult.h"
#include "platform/FileSystem.h"

namespace arbovane {

class FileSystem;
class Text;

// One undo run of a copy or creation tab: deletes the journalled files, then removes the queued
// folders deepest first. Only empty folders are ever removed and nothing is deleted recursively,
// so whatever the user put into a created tree meanwhile stays, and its folders are reported.
class FolderFileUndo {
public:
    FolderFileUndo(FileSystem& fs, const Text& text);
    FolderFileUndo(const FolderFileUndo&) = delete;
    FolderFileUndo& operator=(const FolderFileUndo&) = delete;

    void SetRoot(std::string root) { root_ = std::move(root); }
    void SetMainFolders(std::vector<std::string> folders) { mainFolders_ = std::move(folders); }
    void SetStructureFolders(std::vector<std::string> folders) {
        structureFolders_ = std::move(folders);
    }
    void SetFiles(std::vector<std::string> files) { files_ = std::move(files); }
    // What each file was when the run made it; a file that differs now is left and reported.
    void SetFileStamps(std::map<std::string, FileStamp> stamps) { stamps_ = std::move(stamps); }
    // The entry an interrupted run was making when it ended: taken only when it changed since the
    // run started, else it was there before and the run only found it.
    void SetUnconfirmed(std::string path, std::int64_t runStartedNs) {
        unconfirmed_ = std::move(path);
        runStartedNs_ = runStartedNs;
    }
    // Asked before each file and folder; true leaves the rest untried.
    void SetStop(std::function<bool()> stop) { stop_ = std::move(stop); }
    // Told after each file and folder how many of them were tried.
    void SetProgress(std::function<void(std::size_t done, std::size_t total)> progress) {
        progress_ = std::move(progress);
    }
    // Files an undo that was cut off had started to delete: gone, they count as deleted.
    void SetUndoStartedFiles(std::set<std::string> files) { undoStarted_ = std::move(files); }

    // Fills the boundaries and the removal queue from the lists set before.
    void QueueByPlan(const UndoPlan& plan);
    void DeleteFiles();
    void RemoveFolders();
    void BuildReport();

    const std::vector<std::string>& FailedFolders() const { return failedFolders_; }
    const std::vector<std::string>& FailedFiles() const { return failedFiles_; }
    // Queued folders that were gone already; never reported. A link found where the run made a
    // folder is no such folder: it is among the failed ones.
    const std::vector<std::string>& VanishedFolders() const { return vanishedFolders_; }
    // Left untried by a stop, in the order they were due.
    const std::vector<std::string>& UntriedFiles() const { return untriedFiles_; }
    const std::vector<std::string>& UntriedFolders() const { return untriedFolders_; }
    const std::string& Report() const { return report_; }
    // The same outcomes, each failure by its cause, with what was removed.
    const FolderFileUndoResult& Result() const { return result_; }

private:
    void AddBoundaries(UndoBoundaries boundaries);
    void Climb(const std::vector<std::string>& folders);
    void QueueAsItIs(const std::vector<std::string>& folders, bool dropTrailingBackslash);
    void Queue(const std::string& folder);
    // A queued folder the user replaced by a link is left as it is and reported, and so is
    // everything below it.
    void FindQueuedLinks();
    bool BelowQueuedLink(const std::string& path) const;
    const std::vector<std::string>& Input(UndoInput input) const;
    // Boundaries and climbed folders compare letter case and trailing separators ignored.
    std::string Key(const std::string& path) const;
    bool Unchanged(const std::string& file);

    // Entries are reached through an open folder above them that the undo leaves in place, one
    // name at a time, as the run made them: no path is bound by the host's length limit, and a
    // folder swapped for a link is never gone through. Where no such folder opens, by path.
    struct Reach {
        FolderTree* tree = nullptr;
        std::string relative;
    };
    bool ReachOf(const std::string& path, Reach& reach);
    bool IsLinkEntry(const std::string& path);
    bool RemoveFileEntry(const std::string& path);
    bool RemoveFolderEntry(const std::string& path);
    // Whether a folder whose removal failed is still there; one that cannot be looked at counts
    // as there, so that it is reported rather than dropped.
    bool StillThere(const std::string& path);
    // False for the unconfirmed entry when it is older than the run.
    bool MadeByRun(const std::string& path) const;
    // A folder that could not be removed: kept when it holds something, else failed.
    void FolderStays(const std::string& path);

    FileSystem& fs_;
    const Text& text_;
    std::string root_;
    std::vector<std::string> mainFolders_;
    std::vector<std::string> structureFolders_;
    std::vector<std::string> files_;
    std::map<std::string, FileStamp> stamps_;
    std::function<bool()> stop_;
    std::function<void(std::size_t, std::size_t)> progress_;
    std::size_t tried_ = 0;
    void Tried();
    std::vector<std::string> untriedFiles_;
    std::vector<std::string> untriedFolders_;
    std::string unconfirmed_;
    std::int64_t runStartedNs_ = 0;
    std::set<std::string> undoStarted_;
    std::vector<std::string> vanishedFolders_;
    std::vector<std::string> failedFolders_;
    std::vector<std::string> failedFiles_;
    std::set<std::string> boundaries_;
    std::set<std::string> seen_;
    AS_MULTIMAP_NIVO_FOLDER_NAMES removalQueue_;
    std::set<std::string> queuedLinks_;
    std::set<std::string> queuedPaths_;  // as they are reached, backslashes, no trailing one
    std::map<std::string, std::unique_ptr<FolderTree>> trees_;
    bool linksFound_ = false;
    std::string report_;
    std::string otherReasons_;
    FolderFileUndoResult result_;
};

}  // namespace arbovane
