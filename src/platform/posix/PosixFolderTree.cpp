#include "platform/posix/PosixFolderTree.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <string_view>

#include "platform/Text.h"
#include "platform/posix/PosixFileOps.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/shared/WindowsPathParts.h"

namespace arbovane {

namespace {

// Open folders kept at once; a walk goes on from folders it opened recently, so few are enough.
constexpr std::size_t kOpenFolders = 64;

bool IsDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// Windows would read such a name as another one; a name of dots alone stays as it is.
bool EndsOddly(std::string_view name) {
    if (name.find_first_not_of('.') == std::string_view::npos) return false;
    return !name.empty() && (name.back() == '.' || name.back() == ' ');
}

// A NUL byte would end the name early and reach another entry.
bool Unaddressable(std::string_view name) {
    return name.find_first_of(std::string_view("\\\0", 2)) != std::string_view::npos ||
           EndsOddly(name);
}

std::vector<std::string> Components(const std::string& relative) {
    std::vector<std::string> parts;
    std::string part;
    for (const char c : relative) {
        if (c == '\\' || c == '/') {
            if (!part.empty()) parts.push_back(std::move(part));
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(std::move(part));
    return parts;
}

std::string JoinParts(const std::vector<std::string>& parts, std::size_t count) {
    std::string joined;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) joined += '\\';
        joined += parts[i];
    }
    return joined;
}

// Calls visit(name, type) for every entry of the open folder from its start, read through the
// folder's own descriptor: a stream would need a second descriptor and five calls more per folder.
// A descriptor read before must be rewound. False with errno when the folder cannot be read.
template <class Visit>
bool ReadNames(int fd, bool rewind, Visit&& visit) {
    if (rewind && lseek(fd, 0, SEEK_SET) != 0) return false;
    alignas(dirent64) char buffer[32768];
    for (;;) {
        const ssize_t n = getdents64(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        for (ssize_t at = 0; at < n;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer + at);
            at += entry->d_reclen;
            if (!IsDot(entry->d_name)) visit(entry->d_name, entry->d_type);
        }
    }
}

// Whether relative is already in the form of a cache key: names joined by single backslashes.
bool IsKey(const std::string& relative) {
    if (relative.empty()) return true;
    if (relative.front() == '\\' || relative.back() == '\\') return false;
    for (std::size_t i = 0; i < relative.size(); ++i) {
        if (relative[i] == '/' || (relative[i] == '\\' && relative[i + 1] == '\\')) return false;
    }
    return true;
}

std::string KeyOf(const std::string& relative) {
    if (IsKey(relative)) return relative;
    const std::vector<std::string> parts = Components(relative);
    return JoinParts(parts, parts.size());
}

bool Fail(FsError& why, FsError error) {
    why = error;
    return false;
}

}  // namespace

std::unique_ptr<PosixFolderTree> PosixFolderTree::Open(const Text& text, std::string root,
                                                       std::string hostRoot, bool refuseLinkRoot,
                                                       FsError& why) {
    const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (refuseLinkRoot ? O_NOFOLLOW : 0);
    UniqueFd fd(open(hostRoot.c_str(), flags));
    struct stat st {};
    if (!fd.ok() || fstat(fd.get(), &st) != 0) {
        why = ErrorOf(errno);
        struct stat own {};
        if (lstat(hostRoot.c_str(), &own) == 0 && S_ISLNK(own.st_mode)) why = FsError::IsLink;
        return nullptr;
    }
    return std::unique_ptr<PosixFolderTree>(
        new PosixFolderTree(text, std::move(root), std::move(hostRoot), std::move(fd), st));
}

PosixFolderTree::PosixFolderTree(const Text& text, std::string root, std::string hostRoot,
                                 UniqueFd rootFd, const struct stat& rootStat)
    : text_(text),
      root_(std::move(root)),
      hostRoot_(std::move(hostRoot)),
      rootFd_(std::move(rootFd)),
      dev_(rootStat.st_dev),
      ino_(rootStat.st_ino) {
    knowsMount_ = MountIdOf(rootFd_.get(), "", mount_);
}

bool PosixFolderTree::HoldsHere(const struct stat& folder) {
    // Read once per tree: a walk does not move the current directory.
    if (!knowsHere_ && stat(".", &here_) != 0) return false;
    knowsHere_ = true;
    return HoldsCurrentDirectory(folder, here_);
}

bool PosixFolderTree::OtherMount(bool knowsMount, std::uint64_t mount) const {
    return knowsMount_ && knowsMount && mount != mount_;
}

bool PosixFolderTree::HostName(int parentFd, const char* name, FsError& why) {
    if (fstatat(parentFd, name, &located_, AT_SYMLINK_NOFOLLOW) == 0) return true;
    return Fail(why, ErrorOf(errno));
}

int PosixFolderTree::FolderFd(const std::string& relative, FsError& why) {
    return FolderFdOfKey(KeyOf(relative), why);
}

int PosixFolderTree::FolderFdOfKey(std::string_view key, FsError& why) {
    if (key.empty()) return rootFd_.get();
    // A walk asks for the same folder many times in a row.
    if (lastFd_ >= 0 && key == lastKey_) return lastFd_;
    std::string owned(key);
    if (const auto it = open_.find(owned); it != open_.end()) {
        uses_.splice(uses_.begin(), uses_, it->second.use);
        lastKey_ = std::move(owned);
        lastFd_ = it->second.fd.get();
        return lastFd_;
    }
    // Views into this call's own copy: the caller's text may be the one kept for the last folder,
    // which the look-up of the parent replaces.
    const std::string_view whole(owned);
    const std::size_t at = whole.rfind('\\');
    const std::string_view parentKey =
        at == std::string_view::npos ? whole.substr(0, 0) : whole.substr(0, at);
    const std::string name(at == std::string_view::npos ? whole : whole.substr(at + 1));
    const int parent = FolderFdOfKey(parentKey, why);
    if (parent < 0) return -1;
    if (name == "." || name == ".." || Unaddressable(name)) {
        why = FsError::BadName;
        return -1;
    }
    constexpr int kFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    UniqueFd fd(openat(parent, name.c_str(), kFlags));
    struct stat st {};
    if (!fd.ok()) {
        why = ErrorOf(errno);
        struct stat own {};
        if (fstatat(parent, name.c_str(), &own, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(own.st_mode))
            why = FsError::IsLink;
        return -1;
    }
    std::uint64_t mount = 0;
    bool knowsMount = false;
    if (!StatWithMount(fd.get(), "", 0, st, mount, knowsMount) || st.st_dev != dev_ ||
        OtherMount(knowsMount, mount)) {
        // A mount point is not entered, like a link.
        why = FsError::IsLink;
        return -1;
    }
    if (open_.size() >= kOpenFolders) {
        if (uses_.back() == lastKey_) lastFd_ = -1;
        open_.erase(uses_.back());
        uses_.pop_back();
        unreadFd_ = -1;
    }
    uses_.push_front(owned);
    const int raw = fd.get();
    open_.emplace(owned, Cached{std::move(fd), uses_.begin(), st.st_dev, st.st_ino});
    lastKey_ = std::move(owned);
    lastFd_ = raw;
    unreadFd_ = raw;
    return raw;
}

bool PosixFolderTree::TakeUnread(int fd) {
    if (fd != unreadFd_) return false;
    unreadFd_ = -1;
    return true;
}

bool PosixFolderTree::Locate(const std::string& relative, int& parentFd, std::string& name,
                             bool& found, FsError& why) {
    if (!LocateParent(relative, parentFd, name, why)) return false;
    FsError lookup = FsError::None;
    found = HostName(parentFd, name.c_str(), lookup);
    if (!found && lookup != FsError::NotFound) return Fail(why, lookup);
    return true;
}

bool PosixFolderTree::LocateParent(const std::string& relative, int& parentFd, std::string& name,
                                   FsError& why) {
    std::string normalized;
    const std::string* key = &relative;
    if (!IsKey(relative)) {
        normalized = KeyOf(relative);
        key = &normalized;
    }
    if (key->empty()) return Fail(why, FsError::BadName);
    // The last name ends the key, so its text is terminated as the host calls want it.
    const std::size_t at = key->rfind('\\');
    const std::string_view whole(*key);
    const std::string_view parentKey =
        at == std::string::npos ? whole.substr(0, 0) : whole.substr(0, at);
    const char* wanted = key->c_str() + (at == std::string::npos ? 0 : at + 1);
    parentFd = FolderFdOfKey(parentKey, why);
    if (parentFd < 0) return false;
    if (std::strcmp(wanted, ".") == 0 || std::strcmp(wanted, "..") == 0 || Unaddressable(wanted))
        return Fail(why, FsError::BadName);
    name.assign(wanted);
    return true;
}

void PosixFolderTree::Forget(const std::string& relative, const struct stat& folder) {
    const std::string key = KeyOf(relative);
    lastFd_ = -1;
    unreadFd_ = -1;
    for (auto it = open_.begin(); it != open_.end();) {
        // Below it by its spelling, or the folder itself under another spelling where the volume
        // ignores case.
        const std::string& open = it->first;
        const bool below = open.size() >= key.size() && open.compare(0, key.size(), key) == 0 &&
                           (open.size() == key.size() || open[key.size()] == '\\');
        if (below || (it->second.dev == folder.st_dev && it->second.ino == folder.st_ino)) {
            uses_.erase(it->second.use);
            it = open_.erase(it);
        } else {
            ++it;
        }
    }
}

bool PosixFolderTree::List(const std::string& relative, const std::string& pattern,
                           std::vector<DirEntry>& entries, FsError& why) {
    return ListEntries(relative, pattern, false, entries, why);
}

bool PosixFolderTree::ListKinds(const std::string& relative, const std::string& pattern,
                                std::vector<DirEntry>& entries, FsError& why) {
    return ListEntries(relative, pattern, true, entries, why);
}

bool PosixFolderTree::ListEntries(const std::string& relative, const std::string& pattern,
                                  bool kindsOnly, std::vector<DirEntry>& entries, FsError& why) {
    entries.clear();
    const int fd = FolderFd(relative, why);
    if (fd < 0) return false;
    const bool everything = pattern == "*" || pattern == "*.*";
    const bool read = ReadNames(fd, !TakeUnread(fd), [&](const char* rawName, unsigned char type) {
        std::string name = rawName;
        if (!everything && !MatchesWindowsPattern(text_, pattern, name)) return;
        DirEntry entry;
        entry.unaddressable = Unaddressable(name);
        // Only a folder can be a mount point; the listing says which entries are folders.
        const bool maybeFolder = type == DT_DIR || type == DT_UNKNOWN;
        if (kindsOnly && !maybeFolder && type != DT_LNK) {
            entry.statusRead = false;
            entry.name = std::move(name);
            entries.push_back(std::move(entry));
            return;
        }
        struct stat own {
        }, target{};
        std::uint64_t mount = 0;
        bool knowsMount = false;
        if (!(maybeFolder ? StatWithMount(fd, rawName, AT_SYMLINK_NOFOLLOW, own, mount, knowsMount)
                          : fstatat(fd, rawName, &own, AT_SYMLINK_NOFOLLOW) == 0)) {
            entry.unknown = true;
            entry.why = ErrorOf(errno);
        } else {
            const bool link = S_ISLNK(own.st_mode);
            const bool resolved = link && fstatat(fd, rawName, &target, 0) == 0;
            entry.isLink = link;
            entry.isFolder = link ? resolved && S_ISDIR(target.st_mode) : S_ISDIR(own.st_mode);
            if (!link && entry.isFolder && (own.st_dev != dev_ || OtherMount(knowsMount, mount))) {
                entry.isLink = true;
                entry.isMountPoint = true;
            }
            entry.size = entry.isFolder ? 0 : static_cast<std::uint64_t>(own.st_size);
            entry.attributes =
                AttributesOf(name, own, link ? (resolved ? &target : nullptr) : &own);
        }
        entry.name = std::move(name);
        entries.push_back(std::move(entry));
    });
    if (!read) return Fail(why, ErrorOf(errno));
    std::sort(entries.begin(), entries.end(), [this](const DirEntry& a, const DirEntry& b) {
        const int order = text_.CompareNoCase(a.name, b.name);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    return true;
}

bool PosixFolderTree::GetAttributes(const std::string& relative, std::uint32_t& attributes,
                                    FsError& why) {
    struct stat own {
    }, target{};
    if (Components(relative).empty()) {
        if (fstat(rootFd_.get(), &own) != 0) return Fail(why, ErrorOf(errno));
        attributes = AttributesOf(root_, own, &own);
        return true;
    }
    int parent = -1;
    std::string name;
    bool found = false;
    if (!Locate(relative, parent, name, found, why)) return false;
    if (!found) return Fail(why, FsError::NotFound);
    own = located_;
    // Only a link has a target of its own to read.
    const bool resolved = !S_ISLNK(own.st_mode) || fstatat(parent, name.c_str(), &target, 0) == 0;
    attributes =
        AttributesOf(name, own, resolved ? (S_ISLNK(own.st_mode) ? &target : &own) : nullptr);
    return true;
}

bool PosixFolderTree::SetAttributes(const std::string& relative, std::uint32_t attributes,
                                    FsError& why) {
    const auto wanted = [&](mode_t mode) {
        mode &= 07777;
        return (attributes & kAttrReadOnly) ? (mode & ~mode_t{0222}) : (mode | S_IWUSR);
    };
    struct stat own {};
    if (Components(relative).empty()) {
        if (fstat(rootFd_.get(), &own) != 0) return Fail(why, ErrorOf(errno));
        return wanted(own.st_mode) == (own.st_mode & 07777) ||
               fchmod(rootFd_.get(), wanted(own.st_mode)) == 0 || Fail(why, ErrorOf(errno));
    }
    int parent = -1;
    std::string name;
    bool found = false;
    if (!Locate(relative, parent, name, found, why)) return false;
    if (!found) return Fail(why, FsError::NotFound);
    own = located_;
    // A link has no attributes of its own, and its target may lie outside the tree.
    if (S_ISLNK(own.st_mode)) return true;
    return wanted(own.st_mode) == (own.st_mode & 07777) ||
           fchmodat(parent, name.c_str(), wanted(own.st_mode), 0) == 0 || Fail(why, ErrorOf(errno));
}

bool PosixFolderTree::RemoveFile(const std::string& relative, FsError& why) {
    int parent = -1;
    std::string name;
    bool found = false;
    if (!Locate(relative, parent, name, found, why)) return false;
    if (!found) return Fail(why, FsError::NotFound);
    const struct stat own = located_;
    if (S_ISDIR(own.st_mode)) return Fail(why, FsError::NotAFolder);
    if (S_ISREG(own.st_mode) && IsReadOnlyMode(own.st_mode))
        return Fail(why, FsError::AccessDenied);
    if (unlinkat(parent, name.c_str(), 0) != 0) return Fail(why, ErrorOf(errno));
    return true;
}

bool PosixFolderTree::RemoveFolder(const std::string& relative, FsError& why) {
    struct stat own {};
    if (Components(relative).empty()) {
        // The root goes by its path; it must still be the folder that was opened.
        if (lstat(hostRoot_.c_str(), &own) != 0) return Fail(why, ErrorOf(errno));
        if (!S_ISDIR(own.st_mode) || own.st_dev != dev_ || own.st_ino != ino_)
            return Fail(why, FsError::IsLink);
        if (IsReadOnlyMode(own.st_mode) || HoldsHere(own)) return Fail(why, FsError::AccessDenied);
        open_.clear();
        uses_.clear();
        lastFd_ = -1;
        unreadFd_ = -1;
        if (rmdir(hostRoot_.c_str()) != 0) return Fail(why, ErrorOf(errno));
        return true;
    }
    int parent = -1;
    std::string name;
    bool found = false;
    if (!Locate(relative, parent, name, found, why)) return false;
    if (!found) return Fail(why, FsError::NotFound);
    own = located_;
    if (S_ISLNK(own.st_mode)) return Fail(why, FsError::IsLink);
    if (!S_ISDIR(own.st_mode)) return Fail(why, FsError::NotAFolder);
    if (IsReadOnlyMode(own.st_mode) || HoldsHere(own)) return Fail(why, FsError::AccessDenied);
    Forget(relative, own);
    if (unlinkat(parent, name.c_str(), AT_REMOVEDIR) != 0)
        return Fail(why, errno == EEXIST ? FsError::NotEmpty : ErrorOf(errno));
    return true;
}

CreateOutcome PosixFolderTree::MakeFolder(const std::string& relative, FsError& why) {
    int parent = -1;
    std::string name;
    if (!LocateParent(relative, parent, name, why)) return CreateOutcome::Failed;
    // What holds the name is read only when the creation says something does: a new folder
    // costs its one mkdirat.
    const auto holder = [&] {
        why = FsError::Exists;
        struct stat st {};
        if (fstatat(parent, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode))
            return CreateOutcome::Existed;
        return CreateOutcome::Failed;
    };
    if (!IsCreatableWindowsName(name) || name.size() > NAME_MAX) {
        FsError lookup = FsError::None;
        if (HostName(parent, name.c_str(), lookup)) return holder();
        why = FsError::BadName;
        return CreateOutcome::Failed;
    }
    if (mkdirat(parent, name.c_str(), 0777) != 0) {
        if (errno == EEXIST) return holder();
        why = ErrorOf(errno);
        return CreateOutcome::Failed;
    }
    return CreateOutcome::Created;
}

CreateOutcome PosixFolderTree::CopyFileTo(const std::string& relative, FolderTree& target,
                                          const std::string& targetRelative, FileStamp& stamp,
                                          FsError& why) {
    auto* destination = dynamic_cast<PosixFolderTree*>(&target);
    if (!destination) {
        why = FsError::Other;
        return CreateOutcome::Failed;
    }
    // The destination first: a file that is there already costs no opening of its source.
    int parent = -1;
    std::string name;
    bool found = false;
    if (!destination->Locate(targetRelative, parent, name, found, why))
        return CreateOutcome::Failed;
    if (found) {
        why = FsError::Exists;
        return CreateOutcome::Existed;
    }
    if (!IsCreatableWindowsName(name) || name.size() > NAME_MAX) {
        why = FsError::BadName;
        return CreateOutcome::Failed;
    }
    int sourceParent = -1;
    std::string sourceName;
    bool sourceFound = false;
    if (!Locate(relative, sourceParent, sourceName, sourceFound, why)) return CreateOutcome::Failed;
    if (!sourceFound) {
        why = FsError::NotFound;
        return CreateOutcome::Failed;
    }
    struct stat st {};
    UniqueFd in(OpenSourceFile(sourceParent, sourceName, st, why));
    if (!in.ok()) return CreateOutcome::Failed;
    // Within one tree the source's lookup may have closed the destination's cached folder.
    if (destination == this && !destination->Locate(targetRelative, parent, name, found, why))
        return CreateOutcome::Failed;
    if (found) {
        why = FsError::Exists;
        return CreateOutcome::Existed;
    }
    return CopyOpenFile(in.get(), st, parent, name, stamp, why);
}

CreateOutcome PosixFolderTree::CanCreate(const std::string& relative, FsError& why) {
    const std::vector<std::string> parts = Components(relative);
    if (parts.empty()) {
        why = FsError::Exists;
        return CreateOutcome::Existed;
    }
    // The deepest folder that exists, reached as a walk reaches it: a link or a mount point on
    // the way fails here as it would fail the creation.
    std::size_t existing = 0;
    int fd = rootFd_.get();
    for (; existing + 1 < parts.size(); ++existing) {
        FsError opened = FsError::None;
        const int next = FolderFdOfKey(JoinParts(parts, existing + 1), opened);
        if (next < 0) {
            if (opened != FsError::NotFound) {
                why = opened;
                return CreateOutcome::Failed;
            }
            break;
        }
        fd = next;
    }
    if (existing + 1 == parts.size()) {
        int parent = -1;
        std::string name;
        bool found = false;
        if (!Locate(relative, parent, name, found, why)) return CreateOutcome::Failed;
        if (found) {
            why = FsError::Exists;
            return S_ISDIR(located_.st_mode) ? CreateOutcome::Existed : CreateOutcome::Failed;
        }
        fd = parent;
    }
    for (std::size_t i = existing; i < parts.size(); ++i) {
        if (parts[i] == "." || parts[i] == ".." || Unaddressable(parts[i]) ||
            !IsCreatableWindowsName(parts[i]) || parts[i].size() > NAME_MAX) {
            why = FsError::BadName;
            return CreateOutcome::Failed;
        }
    }
    if (faccessat(fd, ".", W_OK | X_OK, AT_EACCESS) != 0) {
        why = ErrorOf(errno);
        return CreateOutcome::Failed;
    }
    return CreateOutcome::Created;
}

bool PosixFolderTree::IdentifyFolder(const std::string& relative, FolderIdentity& identity,
                                     FsError& why) {
    // Opened as a walk enters it, so a link or another mount is no folder of the tree.
    const int fd = FolderFd(relative, why);
    struct stat st {};
    if (fd < 0) return false;
    if (fstat(fd, &st) != 0) return Fail(why, ErrorOf(errno));
    identity.volume = static_cast<std::uint64_t>(st.st_dev);
    identity.index = static_cast<std::uint64_t>(st.st_ino);
    identity.ignoresCase = FolderIgnoresCase(fd);
    return true;
}

bool PosixFolderTree::GetFileStamp(const std::string& relative, FileStamp& stamp, FsError& why) {
    int parent = -1;
    std::string name;
    bool found = false;
    if (!Locate(relative, parent, name, found, why)) return false;
    if (!found) return Fail(why, FsError::NotFound);
    if (S_ISDIR(located_.st_mode)) return Fail(why, FsError::NotAFolder);
    stamp = StampOf(located_);
    return true;
}

}  // namespace arbovane
