#pragma once

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/undo/NivoFolderNames.h"

namespace arbovane {

class DeleteActions;
class FileSystem;
class FolderTree;
class VisualLog;
struct DirEntry;

// What every deletion engine and its simulation twin work with.
struct DeleteEngineInputs {
    FileSystem& fs;
    VisualLog& log;
    // The file patterns in list order; empty stands for every file ("*.*").
    std::vector<std::string> patterns;
    // Folders that refuse to go are made removable and tried once more.
    bool readOnlyFolders = false;
};

// The patterns to apply: the given ones, or the one pattern for every file.
std::vector<std::string> EffectivePatterns(const std::vector<std::string>& patterns);

// The walk shared by the engines, their simulations and the to-delete counters; the actions
// decide whether what it finds is deleted, tested or counted. Folders are never entered through a
// link: a link entry is handed to the actions as a file (the entry itself goes, its target stays).
//
// The main folder is opened once and everything below it is reached through the port's open
// folders, one listed name at a time: a folder swapped for a link meanwhile, or a mount point,
// is never entered, and the depth of a tree is not bound by the host's path length.
class DeleteWalk {
public:
    DeleteWalk(FileSystem& fs, DeleteActions& actions) : fs_(fs), actions_(actions) {}

    // The walks that follow apply several patterns to the same folders: an entry that already had
    // its outcome under an earlier pattern is passed over, so every entry gets exactly one.
    void StartPatterns(std::size_t count);

    // The files matching pattern directly in folder; folders (also links to folders) are skipped.
    void FilesIn(const std::string& folder, const std::string& pattern);
    // FilesIn for one pattern in mainFolder and every folder below it, deepest first.
    void FilesInTree(const std::string& mainFolder, const std::string& pattern,
                     AS_MULTIMAP_NIVO_FOLDER_NAMES& walkQueue);
    // Every file of the tree while walking it, then its folders deepest first; the main folder
    // goes last when removeMain, otherwise it stays.
    void Structure(const std::string& mainFolder, bool removeMain,
                   AS_MULTIMAP_NIVO_FOLDER_NAMES& walkQueue,
                   AS_MULTIMAP_NIVO_FOLDER_NAMES& removalList);

private:
    using Visit = std::function<void(const DirEntry&, const std::string&)>;
    // Opens the main folder's tree; false (after refusing it) when it cannot be opened.
    bool Open(const std::string& mainFolder);
    // Lists folder\pattern. A folder that cannot be listed, or has turned into a link since it was
    // found, is not entered; false then.
    bool List(const std::string& folder, const std::string& pattern, const Visit& visit);
    std::string RelativeOf(const std::string& path) const;
    void RelativeInto(const std::string& path, std::string& relative) const;
    // True the first time an entry comes up while several patterns are walked.
    bool FirstTime(const std::string& path);
    void File(const std::string& path);
    void Folder(const std::string& path, bool keepsEntries);
    void Refuse(const std::string& path, bool isFolder);
    // Once the actions say stop, the walk hands them nothing more.
    bool Stopped();
    // False, after refusing the entry, for a name the path rules would turn into another name (a
    // trailing period or space): the path built from it could reach a different entry.
    bool Addressable(const DirEntry& entry, const std::string& full);

    FileSystem& fs_;
    DeleteActions& actions_;
    bool stopped_ = false;
    std::unique_ptr<FolderTree> tree_;
    std::size_t prefixLength_ = 0;
    bool severalPatterns_ = false;
    std::unordered_set<std::string> reached_;
    std::string relative_;
};

}  // namespace arbovane
