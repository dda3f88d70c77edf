#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/shared/WindowsPattern.h"

namespace arbovane {

class Text;

// Windows path semantics over a POSIX host. A drive table maps letters to host folders; Z: is the
// host root unless the table says otherwise.
class PosixFileSystem : public FileSystem {
public:
    // text orders listings and matches patterns; it must outlive this object.
    explicit PosixFileSystem(const Text& text);

    // Maps a drive letter to a host folder (replacing an earlier mapping); hostFolder must be
    // absolute.
    void MapDrive(char letter, const std::string& hostFolder);
    void UnmapDrive(char letter);
    // Maps a "\\server\share" prefix to a host folder.
    void MapShare(const std::string& serverAndShare, const std::string& hostFolder);

    // Host path of an existing entry, or of the path as it would be created. The names stay as
    // given: what they reach is the host's own look-up's affair.
    std::optional<std::string> ToHostPath(const std::string& windowsPath) const;
    // Windows text of a host path through the mapping with the longest matching host folder.
    std::optional<std::string> ToWindowsPath(const std::string& hostPath) const;

    bool IsFolder(const std::string& path) override;
    bool IsFile(const std::string& path) override;
    bool IsLink(const std::string& path) override;
    bool Exists(const std::string& path, FsError& why) override;
    // A link shows its own bits (never read-only) with the folder flag of its target.
    bool GetAttributes(const std::string& path, std::uint32_t& attributes) override;
    // The same text, or texts that differ in letter case only and reach one existing entry
    // (device and inode): on most host volumes data and Data are two folders.
    bool SameEntry(const std::string& a, const std::string& b) override;
    bool Enumerate(const std::string& folderAndPattern, const EntryVisitor& visit) override;
    std::unique_ptr<FolderTree> OpenTree(const std::string& root, FsError& why,
                                         bool refuseLinkRoot = false) override;
    bool ReadWholeFile(const std::string& path, std::string& bytes) override;
    ReadOutcome ReadFileUpTo(const std::string& path, std::uint64_t limit,
                             std::string& bytes) override;
    std::unique_ptr<AppendFile> OpenAppendFile(const std::string& path, bool truncate,
                                               FsError& why) override;
    // Refuses a read-only file, as Windows does.
    bool WriteWholeFile(const std::string& path, const std::string& bytes) override;
    // Refuses, before creating anything, a new name Windows could not create (reserved or
    // control characters, bytes that are no UTF-8).
    bool CreateFolderTree(const std::string& path) override;
    // The checks of CreateFolder and CopyNewFile, and write access to the deepest existing folder.
    CreateOutcome CanCreate(const std::string& path, FsError& why) override;
    bool IdentifyFolder(const std::string& path, FolderIdentity& identity, FsError& why) override;
    bool MatchesPattern(const std::string& pattern, const std::string& name) override;
    // Refuses a drive root, a read-only folder and the current directory, as Windows does.
    bool RemoveEmptyFolder(const std::string& path) override;
    // Refuses a read-only file; a link goes whatever its target's attributes.
    bool RemoveFile(const std::string& path) override;
    bool CopyFileNoOverwrite(const std::string& source, const std::string& target) override;
    CreateOutcome CopyNewFile(const std::string& source, const std::string& target,
                              FileStamp& stamp) override;
    bool GetFileStamp(const std::string& path, FileStamp& stamp) override;
    bool GetEntryStamp(const std::string& path, FileStamp& stamp) override;
    // Refuses a new name Windows could not create, like CreateFolderTree.
    CreateOutcome CreateFolder(const std::string& path) override;
    // A target that reaches another entry is refused; one that reaches the source itself (a new
    // letter case on a volume that ignores case) renames it to the new spelling. A folder holding
    // the current directory is not moved.
    bool MoveFolderNoReplace(const std::string& source, const std::string& target) override;
    // Only the read-only bit has a host meaning. A link is left alone (and true returned): it has
    // no bits of its own, and its target may lie outside the tree being worked on.
    bool SetAttributes(const std::string& path, std::uint32_t attributes) override;
    bool FreeBytesForUser(const std::string& path, std::uint64_t& bytes) override;
    bool VolumeId(const std::string& path, std::uint64_t& id) override;
    std::vector<LogicalDrive> LogicalDrives() override;
    int DriveType(const std::string& root) override;
    bool ReadCurrentDirectory(std::string& path) override;
    bool MakeCurrentDirectory(const std::string& path) override;
    // $XDG_CONFIG_HOME/arbovane, or ~/.config/arbovane, in Windows text.
    bool ConfigurationFolder(std::string& path) override;

private:
    struct Mapping {
        std::string host;         // as mapped, no trailing slash ("/" for the host root)
        std::string canonical;    // the same folder with links resolved, as getcwd spells it
        std::string windowsRoot;  // "D:" or "\\server\share"
    };
    // A Windows path placed on the host.
    struct HostPath {
        std::string root;                // host folder of the drive or share
        std::vector<std::string> names;  // host names below root
        std::size_t existing = 0;        // how many leading names exist on the host
        std::string Prefix(std::size_t count) const;
        std::string Full() const { return Prefix(names.size()); }
        bool Exists() const { return existing == names.size(); }
    };
    // A host path split into the mapping that holds it and the names below that mapping.
    struct Location {
        const Mapping* mapping = nullptr;
        std::string root;
        std::vector<std::string> names;
    };

    std::optional<HostPath> Resolve(const std::string& windowsPath) const;
    std::optional<Location> Locate(const std::string& hostPath) const;
    std::optional<Location> CurrentLocation() const;
    // Target must not exist and its parent must: the one shape that creating an entry accepts.
    static bool CanCreate(const HostPath& target);

    const Text& text_;
    std::map<char, Mapping> drives_;         // upper-case letter
    std::map<std::string, Mapping> shares_;  // lower-cased "\\server\share"
};

}  // namespace arbovane
