#include "core/ops/delete/MainFolderCheck.h"

#include "core/acquire/ExamineSubFolders.h"
#include "core/paths/Arbsplit.h"
#include "core/paths/PathText.h"
#include "platform/FileSystem.h"

namespace arbovane {

namespace {

// Anything this short cannot hold a folder below a drive ("d:\", "d:").
constexpr std::size_t kShortestFolderText = 4;

// The path with backslashes only and repeated ones collapsed, a network pair kept.
std::string Canonical(const std::string& text) {
    return NormalisePath(WithBackslashes(text));
}

bool NamesRoot(const std::string& line) {
    const std::string trimmed = TrimSpaces(line);
    if (trimmed.size() < kShortestFolderText) return true;
    const std::string path = Canonical(trimmed);
    const std::string drive = ExtractDrive(path);
    if (drive.empty()) return false;
    return path.find_first_not_of("\\ ", drive.size()) == std::string::npos;
}

// A component made of dots (and blanks) steps to the folder itself or above it, so the text
// could name a folder outside the one it seems to name, or a drive root.
bool HasDotComponent(const std::string& path, std::size_t from) {
    std::size_t start = from;
    while (start <= path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string::npos) end = path.size();
        const std::string part = path.substr(start, end - start);
        if (part.find('.') != std::string::npos &&
            part.find_first_not_of(". ") == std::string::npos)
            return true;
        start = end + 1;
    }
    return false;
}

// Tests shared by the run and the simulation, on a text that has a drive part.
MainFolderVerdict CheckFolderPath(FileSystem& fs, const std::string& text) {
    const std::string path = Canonical(text);
    const std::string drive = ExtractDrive(path);
    // "d:Data" is relative to whatever is current on d:.
    const bool driveRelative =
        drive.size() == 2 && drive[1] == ':' && (path.size() == 2 || path[2] != '\\');
    if (driveRelative || HasDotComponent(path, drive.size()))
        return MainFolderVerdict::OtherReasons;
    // Entering a link would walk its target, which lies outside what was listed.
    if (fs.IsLink(text)) return MainFolderVerdict::OtherReasons;
    if (!IsExistingFolder(fs, text)) return MainFolderVerdict::NotExists;
    return MainFolderVerdict::Ready;
}

}  // namespace

std::vector<std::string> DeleteWorkList(const Text& text, const std::vector<std::string>& lines,
                                        DeleteTabMode mode) {
    if (mode == DeleteTabMode::FilesInMainFolder) return ExamineSubFolders(text, lines).ReadAll();
    // A root line is refused by the run; merged with the rest it would absorb every folder of
    // its drive, and those would silently be skipped. Roots come first, as the shallowest.
    std::vector<std::string> roots, folders;
    for (const std::string& line : lines) (NamesRoot(line) ? roots : folders).push_back(line);
    std::vector<std::string> work = ExamineSubFolders(text, roots).ReadAll();
    for (std::string& folder : ExamineSubFolders(text, folders).ReadTopMost())
        work.push_back(std::move(folder));
    return work;
}

MainFolderVerdict CheckMainFolder(FileSystem& fs, const std::string& line) {
    if (NamesRoot(line)) return MainFolderVerdict::DriveOnly;
    // The line stands as typed: leading blanks leave it without a drive part.
    if (!HasDrive(WithBackslashes(line))) return MainFolderVerdict::OtherReasons;
    return CheckFolderPath(fs, line);
}

MainFolderVerdict CheckScreenedFolder(FileSystem& fs, const std::string& path) {
    if (!HasDrive(WithBackslashes(path))) return MainFolderVerdict::OtherReasons;
    return CheckFolderPath(fs, path);
}

}  // namespace arbovane
