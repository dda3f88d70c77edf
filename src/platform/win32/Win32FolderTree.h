#pragma once

#include <windows.h>

#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/win32/NtFile.h"

namespace arbovane {

class Text;

// A folder opened once (CreateFileW with backup semantics). Every name below it is opened
// relative to its parent's open handle (NtCreateFile with the parent as root directory), one
// listed name at a time and with FILE_OPEN_REPARSE_POINT, so a link, junction or mount point
// is opened as itself and refused as a folder to enter: a folder swapped for one meanwhile
// fails the open instead of redirecting the walk. Relative opens need no path text at all, so
// depth is not bound by any path length. Open folders are kept in a small cache.
class Win32FolderTree : public FolderTree {
public:
    // full: the root's system path (\\?\ form); refuseLinkRoot: a root that is itself a link
    // or mount point is refused instead of followed.
    static std::unique_ptr<Win32FolderTree> Open(const Text& text, std::string root,
                                                 const std::wstring& full, bool refuseLinkRoot,
                                                 FsError& why);

    const std::string& Root() const override { return root_; }
    bool List(const std::string& relative, const std::string& pattern,
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
    Win32FolderTree(const Text& text, std::string root, UniqueHandle rootHandle, DWORD volume);

    // The open folder of relative (the root for ""), or nullptr with why.
    HANDLE Folder(const std::string& relative, FsError& why);
    // The open folder holding relative's last name and that name in UTF-16.
    HANDLE Parent(const std::string& relative, std::wstring& name, FsError& why);
    // Opens relative itself (the root for "" is reopened through the root handle's path).
    bool OpenEntry(const std::string& relative, ACCESS_MASK access, UniqueHandle& entry,
                   BY_HANDLE_FILE_INFORMATION& info, FsError& why);
    void Forget(const std::string& relative);

    struct Cached {
        UniqueHandle handle;
        std::list<std::string>::iterator use;
        // The key lower-cased, so that removing a folder by another spelling forgets it too.
        std::string lowered;
    };

    const Text& text_;
    std::string root_;
    UniqueHandle rootHandle_;
    DWORD volume_ = 0;
    std::unordered_map<std::string, Cached> open_;
    std::list<std::string> uses_;  // most recent first
};

}  // namespace arbovane
