#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace arbovane {

class Text;
struct WindowsPathParts;

// A file system held in memory with Windows semantics: drive letters, names matched exactly and
// then ignoring letter case (by the Text port, as the disk backends match them), the Windows
// wildcard and name rules, read-only files and folders, links that walks never enter, and free
// space per drive. Standard C++ only, so it runs wherever the engine runs: the examples windows
// simulate their samples on it, and tests arrange trees on it without touching a disk.
class MemoryFileSystem : public FileSystem {
public:
    explicit MemoryFileSystem(const Text& text);
    ~MemoryFileSystem() override;
    MemoryFileSystem(const MemoryFileSystem&) = delete;
    MemoryFileSystem& operator=(const MemoryFileSystem&) = delete;

    // Building trees. A drive comes into being with the first path on it; the first drive's
    // root becomes the current directory.
    void AddDrive(char letter, int type = kDriveFixed, std::uint64_t freeBytes = kDefaultFreeBytes);
    void SetFreeBytes(char letter, std::uint64_t bytes);
    // The folder and every missing parent; false for a path Windows could not make.
    bool AddFolder(const std::string& path);
    // A file of size bytes (its content reads as that many blanks) with its missing parents.
    bool AddFile(const std::string& path, std::uint64_t size = 0, std::uint32_t attributes = 0);
    bool AddFileWithContent(const std::string& path, const std::string& bytes);
    // A link at path to the folder or file target names; never entered by a walk.
    bool AddLink(const std::string& path, const std::string& target);

    // Every entry below the drive roots in walk order, "d:\a\" for folders and "d:\a\f.txt" for
    // files, with the spelling each was made with.
    std::vector<std::string> Entries() const;
    // How many calls changed anything since the start.
    std::uint64_t Mutations() const { return mutations_; }

    static constexpr std::uint64_t kDefaultFreeBytes = 100ull * 1024 * 1024 * 1024;

    bool IsFolder(const std::string& path) override;
    bool IsFile(const std::string& path) override;
    bool IsLink(const std::string& path) override;
    bool Exists(const std::string& path, FsError& why) override;
    bool GetAttributes(const std::string& path, std::uint32_t& attributes) override;
    // Texts equal ignoring letter case, as Windows volumes compare names.
    bool SameEntry(const std::string& a, const std::string& b) override;
    bool Enumerate(const std::string& folderAndPattern, const EntryVisitor& visit) override;
    std::unique_ptr<FolderTree> OpenTree(const std::string& root, FsError& why,
                                         bool refuseLinkRoot = false) override;
    bool ReadWholeFile(const std::string& path, std::string& bytes) override;
    bool WriteWholeFile(const std::string& path, const std::string& bytes) override;
    bool CreateFolderTree(const std::string& path) override;
    CreateOutcome CanCreate(const std::string& path, FsError& why) override;
    bool IdentifyFolder(const std::string& path, FolderIdentity& identity, FsError& why) override;
    bool MatchesPattern(const std::string& pattern, const std::string& name) override;
    CreateOutcome CreateFolder(const std::string& path) override;
    bool RemoveEmptyFolder(const std::string& path) override;
    bool RemoveFile(const std::string& path) override;
    bool CopyFileNoOverwrite(const std::string& source, const std::string& target) override;
    CreateOutcome CopyNewFile(const std::string& source, const std::string& target,
                              FileStamp& stamp) override;
    bool GetFileStamp(const std::string& path, FileStamp& stamp) override;
    bool MoveFolderNoReplace(const std::string& source, const std::string& target) override;
    bool SetAttributes(const std::string& path, std::uint32_t attributes) override;
    bool FreeBytesForUser(const std::string& path, std::uint64_t& bytes) override;
    bool VolumeId(const std::string& path, std::uint64_t& id) override;
    std::vector<LogicalDrive> LogicalDrives() override;
    int DriveType(const std::string& root) override;
    bool ReadCurrentDirectory(std::string& path) override;
    bool MakeCurrentDirectory(const std::string& path) override;

    struct Node;
    using NodePtr = std::shared_ptr<Node>;

private:
    friend class MemoryFolderTree;

    struct Drive {
        NodePtr root;
        int type = kDriveFixed;
        std::uint64_t freeBytes = kDefaultFreeBytes;
    };
    // Where a path leads: the drive, the names below its root, and how far they exist.
    struct Located {
        char letter = 0;
        std::vector<std::string> names;
        NodePtr parent;  // the folder holding the last name, when that folder exists
        NodePtr node;    // the entry itself, a link not followed
        FsError why = FsError::None;
    };

    // The folder a path starts from: a drive root or the current directory.
    NodePtr AnchorFolder(const WindowsPathParts& parts) const;
    bool Locate(const std::string& path, Located& at, int depth = 0);
    // The entry itself, or its target when it is a link.
    NodePtr Follow(const NodePtr& node, int depth = 0);
    NodePtr Owned(const Node* node) const;
    NodePtr FolderOf(const std::string& path);
    NodePtr FileOf(const std::string& path);
    NodePtr Child(const Node& folder, const std::string& name) const;
    NodePtr NewChild(const NodePtr& folder, const std::string& name, bool isFolder);
    void Detach(const NodePtr& node);
    DirEntry EntryOf(const NodePtr& node);
    void Sorted(std::vector<DirEntry>& entries) const;
    bool HoldsCurrentDirectory(const NodePtr& node) const;
    std::string PathOf(const NodePtr& node) const;
    std::int64_t Tick() { return ++clock_; }
    Drive& EnsureDrive(char letter);
    // Whether names could be made below folder one after the other, the first in folder itself.
    static CreateOutcome CanCreateBelow(NodePtr folder, const std::vector<std::string>& names,
                                        std::size_t first, FsError& why);
    FolderIdentity IdentityOf(const NodePtr& folder) const;
    CreateOutcome CopyNode(const NodePtr& source, const NodePtr& folder, const std::string& name,
                           FileStamp& stamp, FsError& why);

    const Text& text_;
    std::map<char, Drive> drives_;
    NodePtr current_;
    std::uint64_t mutations_ = 0;
    std::int64_t clock_ = 1'600'000'000'000'000'000;
};

}  // namespace arbovane
