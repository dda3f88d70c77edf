#include "platform/posix/PosixFileOps.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <utility>

#include "platform/posix/UniqueFd.h"

namespace arbovane {

namespace {

// The identities (device and inode) of the current directory and of every folder above it, read
// once and read again only when the current directory has changed, so that asking whether a
// folder holds it costs one stat however deep the folder lies.
class CurrentDirectoryChain {
public:
    bool Holds(const struct stat& folder, const struct stat& here) {
        if (!valid_ || here.st_dev != dev_ || here.st_ino != ino_) Read(here);
        return chain_.count({folder.st_dev, folder.st_ino}) != 0;
    }

private:
    void Read(const struct stat& here) {
        chain_.clear();
        dev_ = here.st_dev;
        ino_ = here.st_ino;
        valid_ = true;
        std::string path = ".";
        struct stat st = here;
        // Up through ".." until the root, which is its own parent.
        for (int level = 0; level < 4096; ++level) {
            if (!chain_.insert({st.st_dev, st.st_ino}).second) break;
            path += "/..";
            struct stat up {};
            if (stat(path.c_str(), &up) != 0) break;
            if (up.st_dev == st.st_dev && up.st_ino == st.st_ino) break;
            st = up;
        }
    }

    bool valid_ = false;
    dev_t dev_ = 0;
    ino_t ino_ = 0;
    std::set<std::pair<dev_t, ino_t>> chain_;
};

}  // namespace

bool IsReadOnlyMode(mode_t mode) {
    return (mode & S_IWUSR) == 0;
}

// Attributes of an entry: its own (link, read-only, hidden) with the folder flag of what a link
// points to, the way a directory link shows on Windows.
std::uint32_t AttributesOf(const std::string& name, const struct stat& own,
                           const struct stat* target) {
    std::uint32_t attributes = 0;
    const bool link = S_ISLNK(own.st_mode);
    const struct stat* effective = link ? target : &own;
    if (effective && S_ISDIR(effective->st_mode)) attributes |= kAttrDirectory;
    if (effective && S_ISREG(effective->st_mode)) attributes |= kAttrArchive;
    if (!link && IsReadOnlyMode(own.st_mode)) attributes |= kAttrReadOnly;
    if (!name.empty() && name[0] == '.') attributes |= kAttrHidden;
    if (link) attributes |= kAttrReparsePoint;
    return attributes == 0 ? kAttrNormal : attributes;
}

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool CopyWithReadWrite(int in, int out) {
    std::unique_ptr<char[]> buffer(new char[1 << 20]);
    for (;;) {
        const ssize_t n = read(in, buffer.get(), 1 << 20);
        if (n == 0) return true;
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (!WriteAll(out, buffer.get(), static_cast<std::size_t>(n))) return false;
    }
}

bool CopyData(int in, int out, off_t expected) {
    off_t copied = 0;
    for (;;) {
        const ssize_t n = copy_file_range(in, nullptr, out, nullptr, std::size_t{1} << 30, 0);
        if (n == 0) return true;
        // A file that grows while it is copied is copied as it was when it was opened; the
        // call that would only report its end is saved.
        if (n > 0 && (copied += n) >= expected && expected > 0) return true;
        if (n > 0) continue;
        if (errno == EINTR) continue;
        // Both offsets moved with what was copied, so the plain loop goes on from there.
        if (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP ||
            errno == EPERM || errno == ETXTBSY)
            return CopyWithReadWrite(in, out);
        return false;
    }
}

FsError ErrorOf(int error) {
    switch (error) {
        case 0:
            return FsError::None;
        case ENOENT:
            return FsError::NotFound;
        case EACCES:
        case EPERM:
        case EROFS:
            return FsError::AccessDenied;
        case EEXIST:
            return FsError::Exists;
        case ENOTEMPTY:
            return FsError::NotEmpty;
        case ENOTDIR:
            return FsError::NotAFolder;
        case ELOOP:
            return FsError::IsLink;
        case ENAMETOOLONG:
            return FsError::NameTooLong;
        default:
            return FsError::Other;
    }
}

namespace {

// The umask, read once without changing it (setting it to read it would race with any thread
// creating files); -1 where the kernel does not tell.
int ProcessUmask() {
    static const int mask = [] {
        std::ifstream status("/proc/self/status");
        std::string line;
        while (std::getline(status, line))
            if (line.rfind("Umask:", 0) == 0)
                return static_cast<int>(std::stol(line.substr(6), nullptr, 8));
        return -1;
    }();
    return mask;
}

// Whether a file created with mode already has it, so that no fchmod is needed.
bool CreatedWithMode(mode_t mode) {
    const int mask = ProcessUmask();
    return mask >= 0 && (mode & static_cast<mode_t>(mask)) == 0 && (mode & 07000) == 0;
}

// Gives the unnamed file of O_TMPFILE its name: straight from its descriptor where the kernel
// allows it, else through /proc, which needs no privilege.
int LinkUnnamed(int fd, int folderFd, const char* name) {
    static std::atomic<bool> emptyPathWorks{true};
    if (emptyPathWorks.load(std::memory_order_relaxed)) {
        if (linkat(fd, "", folderFd, name, AT_EMPTY_PATH) == 0) return 0;
        if (errno != ENOENT && errno != EPERM && errno != EINVAL) return -1;
        emptyPathWorks.store(false, std::memory_order_relaxed);
    }
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return linkat(AT_FDCWD, self.c_str(), folderFd, name, AT_SYMLINK_FOLLOW);
}

}  // namespace

CreateOutcome PublishNewFile(int folderFd, const std::string& name, mode_t mode,
                             const std::function<bool(int)>& fill, FsError& why,
                             struct stat* made) {
    // The unnamed file is seen by nobody before it is linked, so it gets its mode at once.
    UniqueFd unnamed(openat(folderFd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode & 0777));
    if (unnamed.ok()) {
        if (!fill(unnamed.get()) || (!CreatedWithMode(mode) && fchmod(unnamed.get(), mode) != 0)) {
            why = ErrorOf(errno);
            return CreateOutcome::Failed;
        }
        if (LinkUnnamed(unnamed.get(), folderFd, name.c_str()) == 0) {
            // The link changed the file's status time: read it only now.
            if (made && fstat(unnamed.get(), made) != 0) *made = {};
            if (unnamed.Close()) return CreateOutcome::Created;
            why = ErrorOf(errno);
            return CreateOutcome::Failed;
        }
        if (errno == EEXIST) {
            why = FsError::Exists;
            return CreateOutcome::Existed;
        }
        if (errno != ENOENT && errno != EXDEV && errno != EPERM) {
            why = ErrorOf(errno);
            return CreateOutcome::Failed;
        }
        // Without /proc the named way below still works; the data is written once more.
    }
    static unsigned counter = 0;
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = ".arbovane-copy-" + std::to_string(getpid()) + "-" + std::to_string(++counter);
        fd = openat(folderFd, temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST) {
            why = ErrorOf(errno);
            return CreateOutcome::Failed;
        }
    }
    UniqueFd named(fd);
    if (!named.ok()) {
        why = FsError::Other;
        return CreateOutcome::Failed;
    }
    bool ok = fill(named.get()) && fchmod(named.get(), mode) == 0;
    ok = named.Close() && ok;
    CreateOutcome outcome = CreateOutcome::Failed;
    why = ok ? FsError::None : ErrorOf(errno);
    if (ok) {
        if (linkat(folderFd, temporary.c_str(), folderFd, name.c_str(), 0) == 0) {
            outcome = CreateOutcome::Created;
        } else {
            why = ErrorOf(errno);
            if (errno == EEXIST) outcome = CreateOutcome::Existed;
        }
    }
    unlinkat(folderFd, temporary.c_str(), 0);
    // Removing the second name changed the status time too.
    if (made && outcome == CreateOutcome::Created &&
        fstatat(folderFd, name.c_str(), made, AT_SYMLINK_NOFOLLOW) != 0)
        *made = {};
    return outcome;
}

namespace {

// The file being written under its own name, and the actions its guard replaced: a signal that
// ends the program removes the file first, so that no cut copy stands under the name.
std::atomic<int> inFlightFolder{-1};
int inFlightFile = -1;
char inFlightName[NAME_MAX + 1];
constexpr int kEndingSignals[] = {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGABRT, SIGBUS, SIGSEGV};
struct sigaction replaced[std::size(kEndingSignals)];

// Whether the entry name in the open folder is the open file fd; both calls are safe in a signal
// handler.
bool StillOurs(int fd, int folderFd, const char* name) {
    struct stat ours {};
    struct stat there {};
    return fstat(fd, &ours) == 0 && fstatat(folderFd, name, &there, AT_SYMLINK_NOFOLLOW) == 0 &&
           ours.st_dev == there.st_dev && ours.st_ino == there.st_ino;
}

void RemoveInFlightAndEnd(int signal) {
    const int folder = inFlightFolder.exchange(-1);
    if (folder >= 0 && StillOurs(inFlightFile, folder, inFlightName))
        unlinkat(folder, inFlightName, 0);
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i)
        if (kEndingSignals[i] == signal) sigaction(signal, &replaced[i], nullptr);
    raise(signal);
}

// Only signals that would end the program at once are taken: one the program ignores or handles
// itself lets the copy go on, and its file must stay.
void GuardEndingSignals() {
    static const bool installed = [] {
        struct sigaction action {};
        action.sa_handler = RemoveInFlightAndEnd;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
            struct sigaction current {};
            if (sigaction(kEndingSignals[i], nullptr, &current) != 0) continue;
            if (current.sa_handler != SIG_DFL || (current.sa_flags & SA_SIGINFO)) continue;
            sigaction(kEndingSignals[i], &action, &replaced[i]);
        }
        return true;
    }();
    (void)installed;
}

// Removes our own file after a failed fill, unless another entry has taken its name meanwhile.
void RemoveOwnFile(int fd, int folderFd, const char* name) {
    if (StillOurs(fd, folderFd, name)) unlinkat(folderFd, name, 0);
}

}  // namespace

InFlightFile::InFlightFile(int folderFd, const std::string& name, int fileFd) {
    GuardEndingSignals();
    if (name.size() > NAME_MAX) return;
    std::memcpy(inFlightName, name.c_str(), name.size() + 1);
    inFlightFile = fileFd;
    inFlightFolder.store(folderFd);
}

InFlightFile::~InFlightFile() {
    inFlightFolder.store(-1);
}

CreateOutcome WriteNewFileInPlace(int folderFd, const std::string& name, mode_t mode,
                                  const std::function<bool(int)>& fill, FsError& why,
                                  struct stat* made) {
    UniqueFd out(
        openat(folderFd, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode & 0777));
    if (!out.ok()) {
        why = ErrorOf(errno);
        return errno == EEXIST ? CreateOutcome::Existed : CreateOutcome::Failed;
    }
    InFlightFile guard(folderFd, name, out.get());
    bool ok = fill(out.get()) && (CreatedWithMode(mode) || fchmod(out.get(), mode) == 0);
    if (ok && made && fstat(out.get(), made) != 0) *made = {};
    if (!ok) why = ErrorOf(errno);
    if (!ok) RemoveOwnFile(out.get(), folderFd, name.c_str());
    if (ok && !out.Close()) {
        why = ErrorOf(errno);
        unlinkat(folderFd, name.c_str(), 0);
        ok = false;
    }
    return ok ? CreateOutcome::Created : CreateOutcome::Failed;
}

int OpenSourceFile(int folderFd, const std::string& name, struct stat& st, FsError& why) {
    // O_NOFOLLOW: a source swapped for a link is refused instead of read through.
    const int fd = openat(folderFd, name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0) {
        why = ErrorOf(errno);
        return -1;
    }
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        why = FsError::Other;
        close(fd);
        return -1;
    }
    // O_NONBLOCK only kept the open from waiting on a pipe; reads of a regular file ignore it.
    return fd;
}

CreateOutcome CopyOpenFile(int in, const struct stat& st, int folderFd, const std::string& name,
                           FileStamp& stamp, FsError& why) {
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    bool rewind = false;  // only a second attempt starts from a moved offset
    const auto fill = [&](int out) {
        const bool ok = (!rewind || lseek(in, 0, SEEK_SET) == 0) && CopyData(in, out, st.st_size) &&
                        futimens(out, times) == 0;
        rewind = true;
        return ok;
    };
    const mode_t mode = st.st_mode & 07777;
    struct stat made {};
    const CreateOutcome outcome = st.st_size <= kInPlaceCopyLimit
                                      ? WriteNewFileInPlace(folderFd, name, mode, fill, why, &made)
                                      : PublishNewFile(folderFd, name, mode, fill, why, &made);
    if (outcome == CreateOutcome::Created) {
        stamp = StampOf(made);
        // A status that could not be read still gives what the copy was made to be.
        if (made.st_ino == 0) stamp = StampOf(st), stamp.changedNs = 0, stamp.fileId = 0;
    }
    return outcome;
}

FileStamp StampOf(const struct stat& st) {
    FileStamp stamp;
    stamp.size = static_cast<std::uint64_t>(st.st_size);
    stamp.modifiedNs =
        static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    stamp.changedNs =
        static_cast<std::int64_t>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    stamp.fileId = static_cast<std::uint64_t>(st.st_ino);
    return stamp;
}

bool MountIdOf(int folderFd, const char* name, std::uint64_t& id) {
    struct statx st {};
    const int flags = AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT | (*name ? 0 : AT_EMPTY_PATH);
    if (statx(folderFd, name, flags, STATX_MNT_ID, &st) != 0 || !(st.stx_mask & STATX_MNT_ID))
        return false;
    id = st.stx_mnt_id;
    return true;
}

bool StatWithMount(int folderFd, const char* name, int flags, struct stat& st, std::uint64_t& mount,
                   bool& knowsMount) {
    struct statx x {};
    const int xflags = flags | AT_NO_AUTOMOUNT | (*name ? 0 : AT_EMPTY_PATH);
    if (statx(folderFd, name, xflags, STATX_BASIC_STATS | STATX_MNT_ID, &x) != 0) {
        if (errno != ENOSYS) return false;
        knowsMount = false;
        return fstatat(folderFd, name, &st, flags | (*name ? 0 : AT_EMPTY_PATH)) == 0;
    }
    st = {};
    st.st_dev = makedev(x.stx_dev_major, x.stx_dev_minor);
    st.st_ino = x.stx_ino;
    st.st_mode = x.stx_mode;
    st.st_nlink = x.stx_nlink;
    st.st_uid = x.stx_uid;
    st.st_gid = x.stx_gid;
    st.st_rdev = makedev(x.stx_rdev_major, x.stx_rdev_minor);
    st.st_size = static_cast<off_t>(x.stx_size);
    st.st_blksize = x.stx_blksize;
    st.st_blocks = static_cast<blkcnt_t>(x.stx_blocks);
    st.st_atim = {x.stx_atime.tv_sec, x.stx_atime.tv_nsec};
    st.st_mtim = {x.stx_mtime.tv_sec, x.stx_mtime.tv_nsec};
    st.st_ctim = {x.stx_ctime.tv_sec, x.stx_ctime.tv_nsec};
    knowsMount = (x.stx_mask & STATX_MNT_ID) != 0;
    mount = x.stx_mnt_id;
    return true;
}

bool HoldsCurrentDirectory(const struct stat& folder, const struct stat& here) {
    static CurrentDirectoryChain chain;
    return chain.Holds(folder, here);
}

bool HoldsCurrentDirectory(const struct stat& folder) {
    struct stat here {};
    return stat(".", &here) == 0 && HoldsCurrentDirectory(folder, here);
}

bool HoldsCurrentDirectory(const std::string& hostFolder) {
    struct stat st {};
    return stat(hostFolder.c_str(), &st) == 0 && HoldsCurrentDirectory(st);
}

bool FolderIgnoresCase(int folderFd) {
    struct statfs volume {};
    if (fstatfs(folderFd, &volume) == 0) {
        switch (static_cast<unsigned long>(volume.f_type)) {
            case 0x4d44UL:      // FAT
            case 0x2011BAB0UL:  // exFAT
            case 0xFF534D42UL:  // CIFS
            case 0xFE534D42UL:  // SMB2
            case 0x517BUL:      // SMB
            case 0x7366746eUL:  // NTFS
            case 0x5346544eUL:  // NTFS (FUSE-less driver)
                return true;
            default:
                break;
        }
    }
#ifdef FS_CASEFOLD_FL
    int flags = 0;
    if (ioctl(folderFd, FS_IOC_GETFLAGS, &flags) == 0) return (flags & FS_CASEFOLD_FL) != 0;
#endif
    return false;
}

}  // namespace arbovane
