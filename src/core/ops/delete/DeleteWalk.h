#pragma once

#include <functional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/undo/NivoFolderNames.h"

namespace arbovane {

class DeleteActions;
class FileSystem;
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
// Paths are walked whole at any length: every path is built from the main folder down by
// appending one listed name, so a long path can only name something below the main folder, and
// the ports take long paths.
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
    // Lists folder\pattern. A folder that cannot be listed, or has turned into a link since it was
    // found, is not entered; false then.
    bool List(const std::string& folder, const std::string& pattern, const Visit& visit);
    // True the first time an entry comes up while several patterns are walked.
    bool FirstTime(const std::string& path);
    void File(const std::string& path);
    void Refuse(const std::string& path, bool isFolder);
    // False, after refusing the entry, for a name the path rules would turn into another name (a
    // trailing period or space): the path built from it could reach a different entry.
    bool Addressable(const DirEntry& entry, const std::string& full);

    FileSystem& fs_;
    DeleteActions& actions_;
    bool severalPatterns_ = false;
    std::unordered_set<std::string> reached_;
};

}  // namespace arbovane
