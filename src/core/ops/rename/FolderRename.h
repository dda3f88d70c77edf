#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/ops/rename/RenameNames.h"
#include "core/undo/NivoFolderNames.h"
#include "core/visuallog/VisualLogIds.h"

namespace arbovane {

class FileSystem;
class Messenger;
class VisualLog;
struct RenameJournal;

// A new path of this many characters (UTF-16 code units, as Windows counts) or more does not
// fit the system's path limit.
constexpr std::size_t kRenamePathLimit = 260;

// The rename order of the include lines: trimmed, keyed by depth. Walked from the end, it gives
// the deepest lines first and, among equal depths, the line inserted last first.
AS_MULTIMAP_NIVO_FOLDER_NAMES RenameOrder(const std::vector<std::string>& lines);

// Renames the last folder of every include line, or rehearses it, feeding the rename tab's Visual
// Log. Every line gets exactly one outcome; nothing stops the run.
class FolderRename {
public:
    FolderRename(FileSystem& fs, VisualLog& log, RenameFields fields);

    // Deepest folders first, so every recorded path is valid at the moment of its rename; each
    // rename done is appended to journal.RenamedPairs.
    void Run(const std::vector<std::string>& lines, RenameJournal& journal);
    // The same outcomes in list order without touching the disk or any journal; two lines that
    // would get one new path are caught as if the first had been renamed.
    void Simulate(const std::vector<std::string>& lines);

private:
    // What the disk says about one rename before it is tried. TargetTaken: a file or a link
    // has the new name, so the move will fail; the run and the simulation both know it.
    enum class Verdict { SourceMissing, TooLong, TargetExists, TargetTaken, NotInPlace, Ready };
    Verdict Check(const RenameSource& source, const std::string& target);
    void Count(Vol06Counter counter, Vol06Category category, const std::string& entry);

    FileSystem& fs_;
    VisualLog& log_;
    RenameFields fields_;
};

// The tab's two run buttons from the question to the end message. The other tabs are locked
// while the lines are worked on and unlocked again whatever happens.
class RenameTabRun {
public:
    RenameTabRun(FileSystem& fs, Messenger& messenger, VisualLog& log,
                 std::function<void()> lockOtherTabs, std::function<void()> unlockTabs);

    // showLog: the "Show Visual Log" box. A run empties the journal before anything else can
    // fail, so the journal never describes a run older than the last one.
    void Rename(const std::vector<std::string>& lines, const RenameFields& fields, bool showLog,
                RenameJournal& journal);
    void Simulate(const std::vector<std::string>& lines, const RenameFields& fields, bool showLog);

private:
    FileSystem& fs_;
    Messenger& messenger_;
    VisualLog& log_;
    std::function<void()> lock_;
    std::function<void()> unlock_;
};

// The tab refresh: the number of include lines to rename, every other counter zero; the category
// lists stay until the next run.
void RefreshRenameCounters(VisualLog& log, std::size_t includeLines);

}  // namespace arbovane
