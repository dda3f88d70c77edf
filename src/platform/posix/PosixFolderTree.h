#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/posix/UniqueFd.h"

namespace arbovane {

class Text;

// A folder opened once on the host. Every name below it is looked up in its parent's open folder
// (openat and its kin), never following a link and never leaving the root's device, so a folder
// swapped for a link meanwhile fails the lookup instead of redirecting it. Open folders are kept
// in a small cache. A name reaches what the host's own look-up reaches.
class PosixFolderTree : public FolderTree {
public:
    // hostRoot: the root's host path; false from Open when it is not a folder (or is a link and
    // refuseLinkRoot).
    static std::unique_ptr<PosixFolderTree> Open(const Text& text, std::string root,
                                                 std::string hostRoot, bool refuseLinkRoot,
                                                 FsError& why);

    const std::string& Root() const override { return root_; }
    bool List(const std::string& relative, const std::string& pattern,
              std::vector<DirEntry>& entries, FsError& why) override;
    bool ListKinds(const std::string& relative, const std::string& pattern,
                   std::vector<DirEntry>& entries, FsError& why) override;
    bool GetAttributes(const std::string& relative, std::uint32_t& attributes,
                       FsError& why) override;
    bool SetAttributes(const std::string& relative, std::uint32_t attributes,
                       FsError& why) override;
    bool RemoveFile(const std::string& relative, FsError& why) override;
    bool RemoveFolder(const std::string& relative, FsError& why) override;
    CreateOutcome MakeFolder(const std::string& relative, FsError& why) override;
    CreateOutcome CopyFileTo(const std::string& relative, FolderTree& target,
                             const std::string& targetRelative, FileStamp& stamp,
                             FsError& why) override;
    CreateOutcome CanCreate(const std::string& relative, FsError& why) override;
    bool IdentifyFolder(const std::string& relative, FolderIdentity& identity,
                        FsError& why) override;
    bool GetFileStamp(const std::string& relative, FileStamp& stamp, FsError& why) override;

private:
    PosixFolderTree(const Text& text, std::string root, std::string hostRoot, UniqueFd rootFd,
                    const struct stat& rootStat);

    // The open folder of relative (the root for ""), or -1 with why.
    int FolderFd(const std::string& relative, FsError& why);
    int FolderFdOfKey(std::string_view key, FsError& why);
    // Whether fd is the folder opened last and not read since; it is read from then on.
    bool TakeUnread(int fd);
    // Whether folder is the current directory or holds it.
    bool HoldsHere(const struct stat& folder);
    // Whether a mount read with StatWithMount is another than the root's.
    bool OtherMount(bool knowsMount, std::uint64_t mount) const;
    // Splits relative into the open folder holding its last name and that name; found says
    // whether the host's look-up reaches an entry by it.
    bool Locate(const std::string& relative, int& parentFd, std::string& name, bool& found,
                FsError& why);
    // As Locate, without looking the name up.
    bool LocateParent(const std::string& relative, int& parentFd, std::string& name, FsError& why);
    // Whether name reaches an entry in the open folder; its status in located_.
    bool HostName(int parentFd, const char* name, FsError& why);
    // Closes the open folders below relative and those that are the removed folder itself.
    void Forget(const std::string& relative, const struct stat& folder);
    bool ListEntries(const std::string& relative, const std::string& pattern, bool kindsOnly,
                     std::vector<DirEntry>& entries, FsError& why);

    struct Cached {
        UniqueFd fd;
        std::list<std::string>::iterator use;
        dev_t dev;
        ino_t ino;
    };

    const Text& text_;
    std::string root_;
    std::string hostRoot_;
    UniqueFd rootFd_;
    dev_t dev_;
    ino_t ino_;
    bool knowsMount_ = false;
    std::uint64_t mount_ = 0;
    std::unordered_map<std::string, Cached> open_;
    std::list<std::string> uses_;  // most recent first
    bool knowsHere_ = false;
    struct stat here_ {};
    // The folder asked for last, while it is still open.
    std::string lastKey_;
    int lastFd_ = -1;
    // The folder opened last while nothing has read it yet: its listing needs no rewind.
    int unreadFd_ = -1;
    // The status of the entry the last successful look-up found, so a call that follows needs no
    // second stat of its own.
    struct stat located_ {};
};

}  // namespace arbovane
