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
// in a small cache; the folders this tree made itself remember the names made in them, so a new
// name there needs no look-up that ignores letter case.
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
    // Splits relative into the open folder holding its last name and that name as it stands on
    // the host (looked up exactly, then ignoring letter case); found says whether it exists.
    bool Locate(const std::string& relative, int& parentFd, std::string& name, bool& found,
                FsError& why);
    // The host name of name in the open folder, exact first, then ignoring letter case; its
    // status in located_.
    bool HostName(int parentFd, std::string_view parentKey, const char* name, std::string& host,
                  FsError& why);
    void Forget(const std::string& relative);
    bool ListEntries(const std::string& relative, const std::string& pattern, bool kindsOnly,
                     std::vector<DirEntry>& entries, FsError& why);

    struct Cached {
        UniqueFd fd;
        std::list<std::string>::iterator use;
        // The key lower-cased, so that removing a folder by another spelling forgets it too.
        std::string lowered;
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
    // Folders made by this tree: the names made in each since, by their lower-cased spelling.
    std::unordered_map<std::string, std::unordered_map<std::string, std::string>> made_;
};

}  // namespace arbovane
