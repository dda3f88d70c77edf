#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace arbovane {

// Attribute bits with their Windows values, so stored and compared numbers mean the same on every
// platform.
enum FileAttribute : std::uint32_t {
    kAttrReadOnly = 0x1,
    kAttrHidden = 0x2,
    kAttrSystem = 0x4,
    kAttrDirectory = 0x10,
    kAttrArchive = 0x20,
    kAttrNormal = 0x80,
    kAttrReparsePoint = 0x400,
};

// Drive type codes as the Windows drive query returns them.
enum DriveTypeCode : int {
    kDriveUnknown = 0,
    kDriveNoRootDir = 1,
    kDriveRemovable = 2,
    kDriveFixed = 3,
    kDriveRemote = 4,
    kDriveCdRom = 5,
    kDriveRamDisk = 6,
};

// Why a call failed, next to its false.
enum class FsError {
    None,
    NotFound,      // the entry truly is not there
    AccessDenied,  // it may be there, but may not be read, entered or changed
    Exists,
    NotEmpty,
    NotAFolder,
    IsLink,       // a link or a mount point where a folder was to be entered
    NameTooLong,  // longer than the host can take
    BadName,      // a name Windows text cannot address
    Other,
};

// "access denied" and the like, for logs and the command line.
inline const char* FsErrorText(FsError error) {
    switch (error) {
        case FsError::None:
            return "no error";
        case FsError::NotFound:
            return "not found";
        case FsError::AccessDenied:
            return "access denied";
        case FsError::Exists:
            return "already exists";
        case FsError::NotEmpty:
            return "not empty";
        case FsError::NotAFolder:
            return "not a folder";
        case FsError::IsLink:
            return "a link or mount point";
        case FsError::NameTooLong:
            return "name too long";
        case FsError::BadName:
            return "a name Windows cannot address";
        case FsError::Other:
            break;
    }
    return "other reasons";
}

struct DirEntry {
    std::string name;
    bool isFolder = false;  // true for a link to a folder too; see isLink
    // Symbolic link, junction, or a folder on another volume (a mount point): walks never enter it.
    bool isLink = false;
    bool isMountPoint = false;
    // A name that Windows text cannot address (it ends in a period or a blank, or holds a
    // backslash): a path built from it would reach another entry, so walks only report it.
    bool unaddressable = false;
    // Its kind could not be read; why says why. Walks report it instead of dropping it.
    bool unknown = false;
    FsError why = FsError::None;
    std::uint64_t size = 0;
    std::uint32_t attributes = 0;
    // False where a listing of kinds left a file's status unread: size and attributes are 0.
    bool statusRead = true;
};

// What an attempt to create one new entry came to.
enum class CreateOutcome {
    Created,
    Existed,  // the name was taken already; what holds it was not touched
    Failed,
};

// Enough of a file to tell later whether it is still the one a run wrote. Size and modification
// time can be set back by anyone (touch -r, cp -p); the change time and the file's identity
// cannot, so an edit that restores both is still seen.
struct FileStamp {
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;  // modification time, nanoseconds since 1970
    std::int64_t changedNs = 0;  // status change time (POSIX ctime, Windows ChangeTime); 0: unknown
    std::uint64_t fileId = 0;    // inode or file index on its volume; 0: unknown
    bool operator==(const FileStamp&) const = default;
};

// Whether the file now is the one recorded. A field the record does not know (a journal of an
// older version) is not compared.
inline bool SameFile(const FileStamp& recorded, const FileStamp& now) {
    return recorded.size == now.size && recorded.modifiedNs == now.modifiedNs &&
           (recorded.changedNs == 0 || recorded.changedNs == now.changedNs) &&
           (recorded.fileId == 0 || recorded.fileId == now.fileId);
}

// A file written piece by piece, each piece reaching the system at once, so that a program
// killed between two pieces leaves every earlier one in the file.
class AppendFile {
public:
    virtual ~AppendFile() = default;
    // One write of the whole text; false when not all of it could be written.
    virtual bool Append(const std::string& text) = 0;
    // Puts what was appended on the disk (power loss).
    virtual bool Sync() = 0;
};

class FolderTree;

// A folder as the host knows it: the same numbers for every path and spelling that reach it.
struct FolderIdentity {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    // Whether the host finds names in this folder ignoring letter case, as it looks them up.
    bool ignoresCase = true;
};

struct LogicalDrive {
    char letter = 0;  // upper case
    int type = kDriveUnknown;
};

// Every path is Windows text: a drive part ("d:" or "\\server\share"), backslashes (forward slashes
// are read as backslashes). A path without a drive part is taken relative to the current directory.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // An existing folder that can be entered (a link to one counts).
    virtual bool IsFolder(const std::string& path) = 0;
    // Exists and is not a folder (a link to a file, or a dangling link, counts as a file).
    virtual bool IsFile(const std::string& path) = 0;
    // The entry itself is a link, whatever it points to.
    virtual bool IsLink(const std::string& path) = 0;
    // Whether any entry is there, a link not followed; when not, why says whether it truly is
    // not there (NotFound) or could not be looked at (access denied, a path too long).
    virtual bool Exists(const std::string& path, FsError& why) = 0;
    virtual bool GetAttributes(const std::string& path, std::uint32_t& attributes) = 0;
    // Whether two paths name one entry, as this file system reaches names. The same text always
    // does and texts that differ in more than letter case never do, so lists keep the lines apart
    // that Windows keeps apart. Texts that differ in letter case only: one entry where the
    // volume ignores case (Windows, the in-memory volume); on the host only when both reach the
    // same existing entry, as a volume that ignores case itself makes them do.
    virtual bool SameEntry(const std::string& a, const std::string& b) = 0;

    // Return false to stop the enumeration early.
    using EntryVisitor = std::function<bool(const DirEntry&)>;
    // Lists folder\pattern with the Windows wildcard rules: '*' any run, '?' one character, case
    // ignored, "*.*" every entry also without a dot. "." and ".." are never delivered. False when
    // the folder cannot be listed.
    virtual bool Enumerate(const std::string& folderAndPattern, const EntryVisitor& visit) = 0;

    // Opens a folder for a walk. Every name below it is then looked up one listed name at a
    // time, never through a link and never onto another volume, so an entry swapped for a link
    // during the walk cannot lead the walk outside the tree. The root itself is reached as any
    // path is, through links, unless refuseLinkRoot.
    virtual std::unique_ptr<FolderTree> OpenTree(const std::string& root, FsError& why,
                                                 bool refuseLinkRoot = false) = 0;

    // Whole-file reads and writes, for the settings file and the import and export files.
    virtual bool ReadWholeFile(const std::string& path, std::string& bytes) = 0;
    // Creates the file or truncates an existing one.
    virtual bool WriteWholeFile(const std::string& path, const std::string& bytes) = 0;
    // Reads at most limit bytes, so that a huge file cannot exhaust memory: TooLarge when the file
    // holds more, with bytes then holding its first limit bytes.
    enum class ReadOutcome { Read, Failed, TooLarge };
    virtual ReadOutcome ReadFileUpTo(const std::string& path, std::uint64_t limit,
                                     std::string& bytes) {
        FileStamp stamp;
        if (GetFileStamp(path, stamp) && stamp.size > limit) {
            // Without a bounded read of its own a backend cannot read a prefix safely.
            bytes.clear();
            return ReadOutcome::TooLarge;
        }
        if (!ReadWholeFile(path, bytes)) return ReadOutcome::Failed;
        if (bytes.size() <= limit) return ReadOutcome::Read;
        bytes.resize(static_cast<std::size_t>(limit));
        return ReadOutcome::TooLarge;
    }

    // Opens a file for appending, created when missing; truncate empties an existing one. Nullptr
    // when it cannot be opened (why says why).
    virtual std::unique_ptr<AppendFile> OpenAppendFile(const std::string& path, bool truncate,
                                                       FsError& why) {
        (void)path;
        (void)truncate;
        why = FsError::Other;
        return nullptr;
    }

    // Creates every missing folder of the path; true only when the whole path exists afterwards.
    virtual bool CreateFolderTree(const std::string& path) = 0;
    // Whether a new folder or file could be made at path now, each missing folder above it made
    // first, one by one: Created when it could, Existed when a folder holds the name, otherwise
    // Failed with why (another entry holds the name, a name the host or Windows cannot take, a
    // path too long, a parent that is no folder, no right to write into the deepest existing
    // folder). Nothing is created: a simulation asks this where a run would create.
    virtual CreateOutcome CanCreate(const std::string& path, FsError& why) = 0;
    // The identity of an existing folder, reached as every path is (through links).
    virtual bool IdentifyFolder(const std::string& path, FolderIdentity& identity,
                                FsError& why) = 0;
    // Whether Enumerate with pattern would list an entry of this name.
    virtual bool MatchesPattern(const std::string& pattern, const std::string& name) = 0;
    // Creates one folder whose parent exists. Existed when the name reaches a folder already (on
    // Windows volumes in any letter case); a file or a link holding the name is Failed.
    virtual CreateOutcome CreateFolder(const std::string& path) = 0;
    // Removes a folder only when it is empty (a link is removed as the entry itself).
    virtual bool RemoveEmptyFolder(const std::string& path) = 0;
    // Removes a file or a link entry, never a folder.
    virtual bool RemoveFile(const std::string& path) = 0;
    // Fails when the target exists; an existing target is never touched.
    virtual bool CopyFileNoOverwrite(const std::string& source, const std::string& target) = 0;
    // Copies a regular file, never through a link, to a new name in an existing folder, keeping
    // its modification time. Existed when the target's name reaches any entry already; it stays
    // untouched. The target name appears only with the whole content. stamp: the copy's.
    virtual CreateOutcome CopyNewFile(const std::string& source, const std::string& target,
                                      FileStamp& stamp) = 0;
    // Size, times and identity of a file (not followed through a link).
    virtual bool GetFileStamp(const std::string& path, FileStamp& stamp) = 0;
    // The same of any entry, a folder or a link too (its size then means nothing).
    virtual bool GetEntryStamp(const std::string& path, FileStamp& stamp) {
        return GetFileStamp(path, stamp);
    }
    // Renames a folder; fails when the target name reaches an entry, also an empty folder. A
    // target that reaches the source itself (its own name in another letter case, where the
    // volume ignores case) renames it to that spelling, as Windows does.
    virtual bool MoveFolderNoReplace(const std::string& source, const std::string& target) = 0;
    virtual bool SetAttributes(const std::string& path, std::uint32_t attributes) = 0;

    // Bytes the user may still write on the drive holding the path.
    virtual bool FreeBytesForUser(const std::string& path, std::uint64_t& bytes) = 0;
    // The same number for every path on one volume, so that two drive letters mapped onto one
    // volume are counted once.
    virtual bool VolumeId(const std::string& path, std::uint64_t& id) = 0;
    virtual std::vector<LogicalDrive> LogicalDrives() = 0;
    // Type code of a drive root such as "d:\".
    virtual int DriveType(const std::string& root) = 0;

    // The process's current directory, in Windows text ("D:\" for a drive root).
    virtual bool ReadCurrentDirectory(std::string& path) = 0;
    virtual bool MakeCurrentDirectory(const std::string& path) = 0;
    // The folder where the user's own configuration belongs (created when missing), for a
    // program whose current directory cannot hold its settings. False where there is none.
    virtual bool ConfigurationFolder(std::string& path) {
        (void)path;
        return false;
    }
};

// A folder opened once; entries below it are named by their path relative to it: listed names
// joined by backslashes, "" for the root itself. A name reaches what the volume's own look-up
// reaches: any letter case on a Windows volume, the exact spelling on most host volumes.
class FolderTree {
public:
    virtual ~FolderTree() = default;
    // The root as it was given, in Windows text.
    virtual const std::string& Root() const = 0;
    // Lists relative\pattern with the wildcard rules of Enumerate; every entry is delivered,
    // those the walk cannot handle flagged.
    virtual bool List(const std::string& relative, const std::string& pattern,
                      std::vector<DirEntry>& entries, FsError& why) = 0;
    // As List, for walks that only tell folders from files: where the host's listing gives each
    // entry's kind, a file's status need not be read (statusRead false). Folders and links come
    // as List gives them.
    virtual bool ListKinds(const std::string& relative, const std::string& pattern,
                           std::vector<DirEntry>& entries, FsError& why) {
        return List(relative, pattern, entries, why);
    }
    // The entry itself, a link not followed.
    virtual bool GetAttributes(const std::string& relative, std::uint32_t& attributes,
                               FsError& why) = 0;
    virtual bool SetAttributes(const std::string& relative, std::uint32_t attributes,
                               FsError& why) = 0;
    // A file or a link entry; refuses a read-only file, as Windows does.
    virtual bool RemoveFile(const std::string& relative, FsError& why) = 0;
    // An empty folder (the root too); refuses a read-only one and one holding the current
    // directory.
    virtual bool RemoveFolder(const std::string& relative, FsError& why) = 0;
    // One folder in an existing folder, as FileSystem::CreateFolder.
    virtual CreateOutcome MakeFolder(const std::string& relative, FsError& why) = 0;
    // Copies a file of this tree into target, as FileSystem::CopyNewFile.
    virtual CreateOutcome CopyFileTo(const std::string& relative, FolderTree& target,
                                     const std::string& targetRelative, FileStamp& stamp,
                                     FsError& why) = 0;
    // The same copy asked of the target, so that a target that only pretends (a simulation)
    // decides it.
    virtual CreateOutcome CopyFileFrom(FolderTree& source, const std::string& relative,
                                       const std::string& targetRelative, FileStamp& stamp,
                                       FsError& why) {
        return source.CopyFileTo(relative, *this, targetRelative, stamp, why);
    }
    // As FileSystem::CanCreate, below this tree and through its open folders.
    virtual CreateOutcome CanCreate(const std::string& relative, FsError& why) = 0;
    // As FileSystem::IdentifyFolder; a link is no folder here.
    virtual bool IdentifyFolder(const std::string& relative, FolderIdentity& identity,
                                FsError& why) = 0;
    // Size and modification time of a file (a link not followed).
    virtual bool GetFileStamp(const std::string& relative, FileStamp& stamp, FsError& why) = 0;
};

}  // namespace arbovane
