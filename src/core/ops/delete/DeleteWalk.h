#pragma once

#include <functional>
#include <string>
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

// The walk shared by the engines and their simulations; the actions decide whether what it finds
// is deleted or only tested. Folders are never entered through a link: a link entry is handed to
// the actions as a file (the entry itself goes, its target stays).
//
// Paths are walked whole at any length: every path is built from the main folder down by
// appending one listed name, so a long path can only name something below the main folder, and
// the ports take long paths.
class DeleteWalk {
public:
    DeleteWalk(FileSystem& fs, VisualLog& log, DeleteActions& actions)
        : fs_(fs), log_(log), actions_(actions) {}

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
    // Lists folder\pattern. A folder that cannot be listed, or has turned into a link since it was
    // found, is not entered; false then.
    bool List(const std::string& folder, const std::string& pattern,
              const std::function<void(const DirEntry&, const std::string&)>& visit);
    // The folder could not be listed and no later step would report it.
    void ReportUnlisted(const std::string& folder);
    // False, after counting the entry under other reasons, for a name the path rules would turn
    // into another name (a trailing period or space): the path built from it could reach a
    // different entry.
    bool Addressable(const DirEntry& entry, const std::string& full);

    FileSystem& fs_;
    VisualLog& log_;
    DeleteActions& actions_;
};

}  // namespace arbovane
