#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace arbovane {

class Text;

// The file system port on the wide Win32 API. Paths go to the system with the \\?\ prefix, so
// neither their length nor a device name in them changes what they reach; the name rules Win32
// would apply on the way in (a dropped trailing period or blank, CON and its kin) are applied
// here instead, as refusals. A drive table can stand a letter for a folder (as subst does),
// which is how the tests give every case drives of its own.
class Win32FileSystem : public FileSystem {
public:
    explicit Win32FileSystem(const Text& text);

    // Stands letter for an existing absolute folder (replacing an earlier mapping).
    void MapDrive(char letter, const std::string& folder);
    void UnmapDrive(char letter);

    // The path the system sees (without the \\?\ prefix), through the drive table.
    std::optional<std::string> ToHostPath(const std::string& windowsPath) const;
    // The program's text for a system path: a mapped folder shows as its letter.
    std::optional<std::string> ToWindowsPath(const std::string& hostPath) const;

    bool IsFolder(const std::string& path) override;
    bool IsFile(const std::string& path) override;
    bool IsLink(const std::string& path) override;
    bool Exists(const std::string& path, FsError& why) override;
    bool GetAttributes(const std::string& path, std::uint32_t& attributes) override;
    // Texts equal ignoring letter case, as Windows volumes compare names.
    bool SameEntry(const std::string& a, const std::string& b) override;
    // FindFirstFileExW with the pattern as given: Windows' own wildcard rules.
    bool Enumerate(const std::string& folderAndPattern, const EntryVisitor& visit) override;
    std::unique_ptr<FolderTree> OpenTree(const std::string& root, FsError& why,
                                         bool refuseLinkRoot = false) override;
    bool ReadWholeFile(const std::string& path, std::string& bytes) override;
    ReadOutcome ReadFileUpTo(const std::string& path, std::uint64_t limit,
                             std::string& bytes) override;
    bool ConfigurationFolder(std::string& path) override;
    std::unique_ptr<AppendFile> OpenAppendFile(const std::string& path, bool truncate,
                                               FsError& why) override;
    bool WriteWholeFile(const std::string& path, const std::string& bytes) override;
    bool CreateFolderTree(const std::string& path) override;
    CreateOutcome CanCreate(const std::string& path, FsError& why) override;
    bool IdentifyFolder(const std::string& path, FolderIdentity& identity, FsError& why) override;
    bool MatchesPattern(const std::string& pattern, const std::string& name) override;
    CreateOutcome CreateFolder(const std::string& path) override;
    bool RemoveEmptyFolder(const std::string& path) override;
    bool RemoveFile(const std::string& path) override;
    bool CopyFileNoOverwrite(const std::string& source, const std::string& target) override;
    // CopyFileExW to a hidden sibling, then a rename that never replaces.
    CreateOutcome CopyNewFile(const std::string& source, const std::string& target,
                              FileStamp& stamp) override;
    bool GetFileStamp(const std::string& path, FileStamp& stamp) override;
    bool GetEntryStamp(const std::string& path, FileStamp& stamp) override;
    bool MoveFolderNoReplace(const std::string& source, const std::string& target) override;
    // A link is left alone (and true returned), as on every backend.
    bool SetAttributes(const std::string& path, std::uint32_t attributes) override;
    bool FreeBytesForUser(const std::string& path, std::uint64_t& bytes) override;
    bool VolumeId(const std::string& path, std::uint64_t& id) override;
    std::vector<LogicalDrive> LogicalDrives() override;
    int DriveType(const std::string& root) override;
    bool ReadCurrentDirectory(std::string& path) override;
    bool MakeCurrentDirectory(const std::string& path) override;

    // A path placed on the system.
    struct Native {
        std::wstring full;         // with the \\?\ prefix
        std::size_t rootSize = 0;  // of the drive or share root in full, its backslash included
        std::vector<std::wstring> names;  // below the root
        bool IsRoot() const { return names.empty(); }
        std::wstring Prefix(std::size_t count) const;  // the root and the first count names
    };
    // Nothing for text that names no place (see the class comment); why says why.
    std::optional<Native> Resolve(const std::string& path, FsError* why = nullptr) const;
    // Whether the process's current directory is path or lies below it.
    static bool HoldsCurrentDirectory(const std::wstring& full);

private:
    // Absolute Windows text ("D:\a\b", "\\server\share\a") of any path, "." and ".." applied.
    bool Absolute(const std::string& path, std::string& absolute) const;

    const Text& text_;
    std::map<char, std::string> drives_;  // upper-case letter to folder, no trailing backslash
};

}  // namespace arbovane
