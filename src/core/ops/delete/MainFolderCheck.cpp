#include "core/ops/delete/MainFolderCheck.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <string_view>
#include <unordered_map>

#include "core/acquire/ExamineSubFolders.h"
#include "core/paths/Arbsplit.h"
#include "core/paths/CharacterCount.h"
#include "core/paths/FolderSpelling.h"
#include "core/paths/PathText.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace arbovane {

namespace {

// Anything this short cannot hold a folder below a drive ("d:\", "d:").
constexpr std::size_t kShortestFolderText = 4;

// The path with backslashes only and repeated ones collapsed, a network pair kept.
std::string Canonical(const std::string& text) {
    return NormalisePath(WithBackslashes(text));
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

// The long-path and device prefixes name the same roots: "\\?\d:\" is d:\, "\\?\UNC\srv\share"
// is \\srv\share.
std::string WithoutLongPathPrefix(const std::string& path) {
    for (const char* unc : {"\\\\?\\UNC\\", "\\\\.\\UNC\\", "\\??\\UNC\\"})
        if (StartsWithNoCase(path, unc)) return "\\\\" + path.substr(8);
    for (const char* device : {"\\\\?\\", "\\\\.\\", "\\??\\"})
        if (path.compare(0, 4, device) == 0) return path.substr(4);
    return path;
}

bool NamesRoot(const std::string& line) {
    const std::string trimmed = TrimSpaces(line);
    if (CountCharacters(trimmed) < kShortestFolderText) return true;
    const std::string path = Canonical(WithoutLongPathPrefix(Canonical(trimmed)));
    if (path.size() < kShortestFolderText - 1) return true;
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

// The folder itself, or a folder above it below the drive, is a link.
bool ThroughLink(FileSystem& fs, const std::string& path, std::size_t driveLength) {
    for (std::size_t cut = path.find('\\', driveLength + 1); cut != std::string::npos;
         cut = path.find('\\', cut + 1))
        if (fs.IsLink(path.substr(0, cut))) return true;
    return fs.IsLink(path);
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
    // Entering a link would walk its target, which lies outside what was listed; so would a
    // folder reached through one.
    if (ThroughLink(fs, path, drive.size())) return MainFolderVerdict::OtherReasons;
    if (!IsExistingFolder(fs, text)) {
        // Only a folder that truly is not there is reported as not existing; one the user may not
        // enter, or whose path is too long for the host, is there for other reasons.
        FsError why = FsError::None;
        if (fs.Exists(text, why) || why != FsError::NotFound)
            return MainFolderVerdict::OtherReasons;
        return MainFolderVerdict::NotExists;
    }
    return MainFolderVerdict::Ready;
}

// One line of the merge: the text as it stands and its canonical form cut into prefixes.
struct MergeLine {
    std::string* text = nullptr;
    std::string canonical;
    unsigned depth = 0;
};

// Merges the lines (distinct, in byte order) into the folders a run walks. nested: a line below
// a walked line goes into its tree; otherwise only another spelling of the same folder does.
class LineMerge {
public:
    LineMerge(FileSystem& fs, const Text& text, const MainFolderVerdicts& verdictOf)
        : fs_(fs), text_(text), verdictOf_(verdictOf) {}

    // The kept lines are moved out of lines.
    std::vector<std::string> Merge(std::vector<std::string>& lines, bool nested) {
        std::vector<MergeLine> work;
        work.reserve(lines.size());
        for (std::string& line : lines) {
            MergeLine entry{&line, CanonicalFolderText(line), 0};
            entry.depth = CountSeparators(entry.canonical);
            work.push_back(std::move(entry));
        }
        // Byte order stays among equal depths; a trailing separator adds no depth.
        std::stable_sort(work.begin(), work.end(),
                         [](const MergeLine& a, const MergeLine& b) { return a.depth < b.depth; });
        std::vector<std::string> kept;
        for (MergeLine& line : work) {
            std::string lowered = text_.LowerCase(line.canonical);
            if (InsideWalked(line.canonical, lowered, nested)) continue;
            // Only a folder the run walks takes others in; a refused, missing or linked one
            // would leave them without an outcome.
            if (verdictOf_(*line.text) == MainFolderVerdict::Ready)
                walked_[std::move(lowered)].push_back(std::move(line.canonical));
            kept.push_back(std::move(*line.text));
        }
        return kept;
    }

private:
    // Looks texts up by a part of another without copying it.
    struct ViewHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };

    bool InsideWalked(const std::string& canonical, const std::string& lowered, bool nested) {
        // The same number of backslashes in both spellings: letter case never makes one.
        std::size_t cut = nested ? lowered.find('\\') : std::string::npos;
        std::size_t cutOriginal = nested ? canonical.find('\\') : std::string::npos;
        while (true) {
            const auto found = walked_.find(std::string_view(lowered).substr(0, cut));
            if (found != walked_.end()) {
                const std::string prefix = canonical.substr(0, cutOriginal);
                // Spellings that differ in letter case are one folder where the disk says so.
                for (const std::string& walked : found->second)
                    if (walked == prefix || fs_.SameEntry(walked, prefix)) return true;
            }
            if (cut == std::string::npos) return false;
            cut = lowered.find('\\', cut + 1);
            cutOriginal = canonical.find('\\', cutOriginal + 1);
        }
    }

    FileSystem& fs_;
    const Text& text_;
    const MainFolderVerdicts& verdictOf_;
    std::unordered_map<std::string, std::vector<std::string>, ViewHash, std::equal_to<>> walked_;
};

}  // namespace

std::vector<std::string> DeleteWorkList(FileSystem& fs, const Text& text,
                                        const std::vector<std::string>& lines, DeleteTabMode mode) {
    return DeleteWorkList(fs, text, lines, mode,
                          [&fs](const std::string& line) { return CheckMainFolder(fs, line); });
}

std::vector<std::string> DeleteWorkList(FileSystem& fs, const Text& text,
                                        const std::vector<std::string>& lines, DeleteTabMode mode,
                                        const MainFolderVerdicts& verdictOf) {
    // A root line is refused by the run; merged with the rest it would absorb every folder of
    // its drive, and those would silently be skipped. Roots come first, as the shallowest.
    std::vector<std::string> roots, folders;
    for (std::string& line : ExamineSubFolders(text, lines).ReadAll())
        (NamesRoot(line) ? roots : folders).push_back(std::move(line));
    std::vector<std::string> work = std::move(roots);
    const bool nested = mode != DeleteTabMode::FilesInMainFolder;
    for (std::string& folder : LineMerge(fs, text, verdictOf).Merge(folders, nested))
        work.push_back(std::move(folder));
    if (!nested) std::sort(work.begin(), work.end());
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
