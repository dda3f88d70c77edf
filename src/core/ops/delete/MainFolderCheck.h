#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/ops/delete/DeleteTabMode.h"

namespace arbovane {

class FileSystem;
class Text;

enum class MainFolderVerdict {
    Ready,         // hand it to the engine
    DriveOnly,     // names a drive or share root: warning 0334, nothing counted
    OtherReasons,  // no drive part, or a path that could name something else than it shows
    NotExists,
};

// What a run does with one line of its work list. Refused as other reasons besides a line
// without a drive: a "." or ".." component (d:\Data\.. names d:\), a drive-relative path such as
// d:Data (it hangs on a hidden current directory), and a main folder that is itself a link (its
// target lies outside what the user listed).
MainFolderVerdict CheckMainFolder(FileSystem& fs, const std::string& line);

// The verdict of CheckMainFolder for a line, from wherever the caller keeps it.
using MainFolderVerdicts = std::function<MainFolderVerdict(const std::string& line)>;

// The main folders of a run: in FilesInMainFolder every distinct folder, in the other modes only
// the outermost ones, so no folder is walked twice. A line is merged into another only when it
// resolves into the other's tree (forward slashes and trailing backslashes read as the folder
// they spell, letter case as the file system decides) and the other is one a run walks; every other
// line stays, so each gets an outcome of its own. Lines naming a drive or share root stay apart
// from the merge, first in the list.
std::vector<std::string> DeleteWorkList(FileSystem& fs, const Text& text,
                                        const std::vector<std::string>& lines, DeleteTabMode mode);
// The same with the verdicts given, so a caller that keeps them need not probe every line again.
std::vector<std::string> DeleteWorkList(FileSystem& fs, const Text& text,
                                        const std::vector<std::string>& lines, DeleteTabMode mode,
                                        const MainFolderVerdicts& verdictOf);

// The same tests for a path that already passed the simulation's screening.
MainFolderVerdict CheckScreenedFolder(FileSystem& fs, const std::string& path);

}  // namespace arbovane
