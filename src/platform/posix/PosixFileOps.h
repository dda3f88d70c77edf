#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <string>

#include "platform/FileSystem.h"

namespace arbovane {

// Host operations shared by the path functions and the open-folder trees of the POSIX backend.

bool IsReadOnlyMode(mode_t mode);

// Attributes of an entry: its own (link, read-only, hidden) with the folder flag of what a link
// points to, the way a directory link shows on Windows.
std::uint32_t AttributesOf(const std::string& name, const struct stat& own,
                           const struct stat* target);

// Writes all bytes, going on after interrupted writes.
bool WriteAll(int fd, const char* data, std::size_t size);

// The reason of the errno of a failed call.
FsError ErrorOf(int error);

// Copies the content of in into out, through the kernel where it can (reflinks included); with
// expected above 0 it stops once that many bytes are copied.
bool CopyData(int in, int out, off_t expected = 0);

// Writes a new file named name in the open folder through fill, and gives it its name only once
// fill succeeded: no cut file ever stands under the final name, and an entry that appeared
// meanwhile is never replaced (Existed). The unnamed file of O_TMPFILE vanishes by itself if the
// program dies half way; where the file system lacks it, a hidden sibling is written and then
// hard-linked, which refuses to replace too. The file gets mode once it is filled.
// made, when given, gets the new file's own status as it stands under its name.
CreateOutcome PublishNewFile(int folderFd, const std::string& name, mode_t mode,
                             const std::function<bool(int)>& fill, FsError& why,
                             struct stat* made = nullptr);

// Writes a new file under its own name at once (O_EXCL: an entry that is there is never touched,
// Existed) and removes it again when fill or the mode fails. While it is written, a signal that
// would end the program removes it first; only a kill that cannot be caught or a power cut can
// leave it cut. Small files are written so: for them the unnamed file costs more than the copy.
CreateOutcome WriteNewFileInPlace(int folderFd, const std::string& name, mode_t mode,
                                  const std::function<bool(int)>& fill, FsError& why,
                                  struct stat* made = nullptr);

// Names the file being written under its name in the open folder, open as fileFd, until it goes
// out of scope, for the signals that end the program.
class InFlightFile {
public:
    InFlightFile(int folderFd, const std::string& name, int fileFd);
    ~InFlightFile();
    InFlightFile(const InFlightFile&) = delete;
    InFlightFile& operator=(const InFlightFile&) = delete;
};

// Files up to this size are copied in place; larger ones, whose copy takes long enough for a cut
// to be likely, through an unnamed file.
inline constexpr off_t kInPlaceCopyLimit = off_t{1} << 20;

// Copies the open regular file in (with its status st) into a new file of the open folder,
// keeping its mode and times; stamp gets the copy's size, times and identity.
CreateOutcome CopyOpenFile(int in, const struct stat& st, int folderFd, const std::string& name,
                           FileStamp& stamp, FsError& why);

// The stamp of an entry's status.
FileStamp StampOf(const struct stat& st);

// Opens a file for copying, never through a link; Failed unless it is a regular file.
int OpenSourceFile(int folderFd, const std::string& name, struct stat& st, FsError& why);

// The mount an entry lies on (name "" for the open folder itself), so that a mount point of the
// same file system, such as a bind mount, is told from a plain folder. False where the kernel
// cannot say.
bool MountIdOf(int folderFd, const char* name, std::uint64_t& id);

// fstatat and MountIdOf in one call (flags as for fstatat; name "" for the open folder itself):
// a walk that stats every entry learns the mounts at no extra cost. knowsMount is false where
// the kernel cannot say.
bool StatWithMount(int folderFd, const char* name, int flags, struct stat& st, std::uint64_t& mount,
                   bool& knowsMount);

// Whether the process's current directory is the folder with this status or lies below it:
// Windows keeps such a folder open and refuses to move or remove it.
bool HoldsCurrentDirectory(const struct stat& folder);
// As above with the current directory's status read already (here).
bool HoldsCurrentDirectory(const struct stat& folder, const struct stat& here);
bool HoldsCurrentDirectory(const std::string& hostFolder);

// Whether the host finds names in the open folder ignoring letter case: a volume that does so
// everywhere (FAT, exFAT, SMB, NTFS) or a casefolded folder.
bool FolderIgnoresCase(int folderFd);

}  // namespace arbovane
