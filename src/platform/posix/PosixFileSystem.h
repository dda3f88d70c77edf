#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/FileSystem.h"

namespace arbovane {

class Text;

// Windows path semantics over a POSIX host. A drive table maps letters to host folders; Z: is the
// host root unless the table says otherwise.
class PosixFileSystem : public FileSystem {
public:
    // text resolves names case-insensitively; it must outlive this object.
    explicit PosixFileSystem(const Text& text);

    // Maps a drive letter to a host folder (replacing an earlier mapping); hostFolder must be absolute.
    void MapDrive(char letter, const std::string& hostFolder);
    void UnmapDrive(char letter);
    // Maps a "\\server\share" prefix to a host folder.
    void MapShare(const std::string& serverAndShare, const std::string& hostFolder);

    // Host path of an existing entry, or of the path as it would be created: each existing
    // component resolved by exact name first, then ignoring letter case.
    std::optional<std::string> ToHostPath(const std::string& windowsPath) const;
    // Windows text of a host path through the mapping with the longest matching host folder.
    std::optional<std::string> ToWindowsPath(const std::string& hostPath) const;

    bool IsFolder(const std::string& path) override;
    bool IsFile(const std::string& path) override;
    bool IsLink(const std::string& path) override;
    bool GetAttributes(const std::string& path, std::uint32_t& attributes) override;
    bool Enumerate(const std::string& folderAndPattern, const EntryVisitor& visit) override;
    bool ReadWholeFile(const std::string& path, std::string& bytes) override;
    bool WriteWholeFile(const std::string& path, const std::string& bytes) override;
    bool CreateFolderTree(const std::string& path) override;
    bool RemoveEmptyFolder(const std::string& path) override;
    bool RemoveFile(const std::string& path) override;
    bool CopyFileNoOverwrite(const std::string& source, const std::string& target) override;
    bool MoveFolderNoReplace(const std::string& source, const std::string& target) override;
    bool SetAttributes(const std::string& path, std::uint32_t attributes) override;
    bool FreeBytesForUser(const std::string& path, std::uint64_t& bytes) override;
    std::vector<LogicalDrive> LogicalDrives() override;
    int DriveType(const std::string& root) override;
    bool ReadCurrentDirectory(std::string& path) override;
    bool MakeCurrentDirectory(const std::string& path) override;

private:
    const Text& text_;
    std::map<char, std::string> drives_;       // upper-case letter -> host folder
    std::map<std::string, std::string> shares_; // lower-cased "\\server\share" -> host folder
};

// Matches one name against a Windows enumeration pattern ('*', '?', case ignored, "*.*" matches
// every name, also one without a dot).
bool MatchesWindowsPattern(const Text& text, const std::string& pattern, const std::string& name);

}  // namespace arbovane
