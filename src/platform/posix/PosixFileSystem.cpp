#include "platform/posix/PosixFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>

#include "platform/Text.h"
#include "platform/posix/HostDriveType.h"
#include "platform/posix/PosixFileOps.h"
#include "platform/posix/PosixFolderTree.h"
#include "platform/posix/UniqueFd.h"
#include "platform/shared/WindowsPathParts.h"

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE (1 << 0)
#endif

namespace arbovane {

namespace {

std::string Join(const std::string& folder, const std::string& name) {
    return folder == "/" ? "/" + name : folder + "/" + name;
}

// Host names of an absolute host path, with "." and ".." applied to the text.
std::vector<std::string> HostNames(const std::string& hostPath) {
    std::vector<std::string> names;
    std::size_t pos = 0;
    while (pos < hostPath.size()) {
        const std::size_t slash = std::min(hostPath.find('/', pos), hostPath.size());
        std::string name = hostPath.substr(pos, slash - pos);
        pos = slash + 1;
        if (name.empty() || name == ".") continue;
        if (name == "..") {
            if (!names.empty()) names.pop_back();
            continue;
        }
        names.push_back(std::move(name));
    }
    return names;
}

std::string HostText(const std::vector<std::string>& names) {
    std::string out;
    for (const auto& name : names) out += "/" + name;
    return out.empty() ? "/" : out;
}

bool IsDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// An existing folder the caller may enter (search permission), following links.
bool IsEnterableFolder(const std::string& host) {
    struct stat st {};
    return stat(host.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && access(host.c_str(), X_OK) == 0;
}

bool CurrentHostDirectory(std::string& path) {
    std::string buffer(PATH_MAX, '\0');
    for (int attempt = 0; attempt < 8; ++attempt) {
        if (getcwd(buffer.data(), buffer.size())) {
            path.assign(buffer.c_str());
            return true;
        }
        if (errno != ERANGE) return false;
        buffer.resize(buffer.size() * 2);
    }
    return false;
}

// Writes bytes to a sibling of full and renames it over full, so that a write that fails half way
// (a full disk) leaves the old file whole. The sibling takes the old file's mode, owner and group;
// NotTried, with nothing changed, when it cannot, and the caller then rewrites the file in place.
enum class Replaced { Done, Failed, NotTried };
Replaced ReplaceFile(const std::string& full, const struct stat& old, const std::string& bytes) {
    std::string temporary = full + ".~XXXXXX";
    UniqueFd fd(mkstemp(temporary.data()));
    if (!fd.ok()) return Replaced::NotTried;
    struct stat made {};
    bool ok = fstat(fd.get(), &made) == 0 &&
              ((made.st_uid == old.st_uid && made.st_gid == old.st_gid) ||
               fchown(fd.get(), old.st_uid, old.st_gid) == 0) &&
              fchmod(fd.get(), old.st_mode & 07777) == 0;
    if (!ok) {
        unlink(temporary.c_str());
        return Replaced::NotTried;
    }
    ok = WriteAll(fd.get(), bytes.data(), bytes.size()) && fsync(fd.get()) == 0;
    ok = fd.Close() && ok;
    if (ok && rename(temporary.c_str(), full.c_str()) == 0) return Replaced::Done;
    unlink(temporary.c_str());
    return Replaced::Failed;
}

}  // namespace

std::string PosixFileSystem::HostPath::Prefix(std::size_t count) const {
    std::string out = root;
    for (std::size_t i = 0; i < count && i < names.size(); ++i) out = Join(out, names[i]);
    return out;
}

PosixFileSystem::PosixFileSystem(const Text& text) : text_(text) {
    MapDrive('Z', "/");
}

void PosixFileSystem::MapDrive(char letter, const std::string& hostFolder) {
    if (!std::isalpha(static_cast<unsigned char>(letter)) || hostFolder.empty() ||
        hostFolder[0] != '/')
        return;
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    Mapping mapping;
    mapping.host = HostText(HostNames(hostFolder));
    char resolved[PATH_MAX];
    mapping.canonical = realpath(mapping.host.c_str(), resolved) ? resolved : mapping.host;
    mapping.windowsRoot = std::string(1, upper) + ":";
    drives_[upper] = std::move(mapping);
}

void PosixFileSystem::UnmapDrive(char letter) {
    drives_.erase(static_cast<char>(std::toupper(static_cast<unsigned char>(letter))));
}

void PosixFileSystem::MapShare(const std::string& serverAndShare, const std::string& hostFolder) {
    WindowsPathParts parts;
    if (!SplitWindowsPath(serverAndShare, parts) || parts.anchor != PathAnchor::kShareRoot ||
        !parts.components.empty() || hostFolder.empty() || hostFolder[0] != '/')
        return;
    Mapping mapping;
    mapping.host = HostText(HostNames(hostFolder));
    char resolved[PATH_MAX];
    mapping.canonical = realpath(mapping.host.c_str(), resolved) ? resolved : mapping.host;
    mapping.windowsRoot = parts.share;
    shares_[text_.LowerCase(parts.share)] = std::move(mapping);
}

std::optional<PosixFileSystem::Location> PosixFileSystem::Locate(
    const std::string& hostPath) const {
    if (hostPath.empty() || hostPath[0] != '/') return std::nullopt;
    const std::vector<std::string> names = HostNames(hostPath);

    Location best;
    std::size_t bestDepth = 0;
    auto consider = [&](const Mapping& mapping, const std::string& folder) {
        const std::vector<std::string> folderNames = HostNames(folder);
        if (folderNames.size() > names.size()) return;
        if (!std::equal(folderNames.begin(), folderNames.end(), names.begin())) return;
        // The first mapping of a depth wins: drives A..Z, then shares.
        if (best.mapping && folderNames.size() <= bestDepth) return;
        best.mapping = &mapping;
        best.root = folder;
        best.names.assign(names.begin() + static_cast<std::ptrdiff_t>(folderNames.size()),
                          names.end());
        bestDepth = folderNames.size();
    };
    for (const auto& [letter, mapping] : drives_) {
        consider(mapping, mapping.host);
        if (mapping.canonical != mapping.host) consider(mapping, mapping.canonical);
    }
    for (const auto& [key, mapping] : shares_) {
        consider(mapping, mapping.host);
        if (mapping.canonical != mapping.host) consider(mapping, mapping.canonical);
    }
    if (!best.mapping) return std::nullopt;
    return best;
}

std::optional<PosixFileSystem::Location> PosixFileSystem::CurrentLocation() const {
    std::string current;
    if (!CurrentHostDirectory(current)) return std::nullopt;
    return Locate(current);
}

std::optional<PosixFileSystem::HostPath> PosixFileSystem::Resolve(
    const std::string& windowsPath) const {
    WindowsPathParts parts;
    if (!SplitWindowsPath(windowsPath, parts)) return std::nullopt;

    HostPath path;
    auto drive = [&](char letter) -> const Mapping* {
        const auto it = drives_.find(letter);
        return it == drives_.end() ? nullptr : &it->second;
    };
    switch (parts.anchor) {
        case PathAnchor::kDriveRoot:
        case PathAnchor::kDriveCurrent: {
            const Mapping* mapping = drive(parts.letter);
            if (!mapping) return std::nullopt;
            path.root = mapping->host;
            if (parts.anchor == PathAnchor::kDriveCurrent) {
                const auto current = CurrentLocation();
                if (current && current->mapping == mapping) {
                    path.root = current->root;
                    path.names = current->names;
                }
            }
            break;
        }
        case PathAnchor::kShareRoot: {
            const auto it = shares_.find(text_.LowerCase(parts.share));
            if (it == shares_.end()) return std::nullopt;
            path.root = it->second.host;
            break;
        }
        case PathAnchor::kCurrentDriveRoot:
        case PathAnchor::kCurrentDirectory: {
            const auto current = CurrentLocation();
            if (!current) return std::nullopt;
            if (parts.anchor == PathAnchor::kCurrentDriveRoot) {
                path.root = current->mapping->host;
            } else {
                path.root = current->root;
                path.names = current->names;
            }
            break;
        }
    }
    for (auto& component : parts.components) {
        if (component == "..") {
            if (!path.names.empty()) path.names.pop_back();
        } else {
            path.names.push_back(std::move(component));
        }
    }

    // A name reaches what the host's own look-up reaches: the exact spelling on most volumes,
    // any letter case on a volume that ignores it itself.
    struct stat st {};
    if (lstat(path.Full().c_str(), &st) == 0) {
        path.existing = path.names.size();
        return path;
    }
    // How much of the path exists, for creating the rest: a new entry in an existing folder is
    // the common case.
    std::size_t start = 0;
    if (errno == ENOENT && path.names.size() > 1) {
        const std::string parent = path.Prefix(path.names.size() - 1);
        if (lstat(parent.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) start = path.names.size() - 1;
    }
    path.existing = start;
    for (std::size_t i = start; i < path.names.size(); ++i) {
        if (lstat(path.Prefix(i + 1).c_str(), &st) != 0) break;
        path.existing = i + 1;
    }
    return path;
}

bool PosixFileSystem::CanCreate(const HostPath& target) {
    return !target.names.empty() && target.existing + 1 == target.names.size() &&
           IsCreatableWindowsName(target.names.back());
}

std::optional<std::string> PosixFileSystem::ToHostPath(const std::string& windowsPath) const {
    const auto path = Resolve(windowsPath);
    if (!path) return std::nullopt;
    return path->Full();
}

std::optional<std::string> PosixFileSystem::ToWindowsPath(const std::string& hostPath) const {
    const auto location = Locate(hostPath);
    if (!location) return std::nullopt;
    std::string out = location->mapping->windowsRoot;
    for (const auto& name : location->names) {
        if (name.find('\\') != std::string::npos) return std::nullopt;
        out += "\\" + name;
    }
    if (location->names.empty()) out += "\\";
    return out;
}

bool PosixFileSystem::IsFolder(const std::string& path) {
    const auto host = Resolve(path);
    return host && host->Exists() && IsEnterableFolder(host->Full());
}

bool PosixFileSystem::IsFile(const std::string& path) {
    const auto host = Resolve(path);
    if (!host || !host->Exists()) return false;
    struct stat own {
    }, target{};
    const std::string full = host->Full();
    if (lstat(full.c_str(), &own) != 0) return false;
    if (S_ISDIR(own.st_mode)) return false;
    return !S_ISLNK(own.st_mode) || stat(full.c_str(), &target) != 0 || !S_ISDIR(target.st_mode);
}

bool PosixFileSystem::IsLink(const std::string& path) {
    const auto host = Resolve(path);
    struct stat own {};
    return host && host->Exists() && lstat(host->Full().c_str(), &own) == 0 && S_ISLNK(own.st_mode);
}

bool PosixFileSystem::Exists(const std::string& path, FsError& why) {
    const auto host = Resolve(path);
    if (!host) {
        why = FsError::NotFound;
        return false;
    }
    struct stat st {};
    if (lstat(host->Full().c_str(), &st) == 0) return true;
    why = ErrorOf(errno);
    return false;
}

bool PosixFileSystem::GetAttributes(const std::string& path, std::uint32_t& attributes) {
    const auto host = Resolve(path);
    if (!host || !host->Exists()) return false;
    const std::string full = host->Full();
    struct stat own {
    }, target{};
    if (lstat(full.c_str(), &own) != 0) return false;
    const bool resolved = stat(full.c_str(), &target) == 0;
    attributes = AttributesOf(host->names.empty() ? std::string() : host->names.back(), own,
                              resolved ? &target : nullptr);
    return true;
}

bool PosixFileSystem::Enumerate(const std::string& folderAndPattern, const EntryVisitor& visit) {
    std::string text = folderAndPattern;
    std::replace(text.begin(), text.end(), '/', '\\');
    std::string folder, pattern;
    const auto slash = text.rfind('\\');
    if (slash != std::string::npos) {
        // The separator stays with the folder so that "d:\*" lists the root, not d:'s current
        // directory.
        folder = text.substr(0, slash + 1);
        pattern = text.substr(slash + 1);
    } else if (text.size() >= 2 && text[1] == ':') {
        folder = text.substr(0, 2);
        pattern = text.substr(2);
    } else {
        folder = ".";
        pattern = text;
    }
    const auto host = Resolve(folder);
    if (!host || !host->Exists()) return false;
    const int dirFd = open(host->Full().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) return false;
    DIR* dir = fdopendir(dirFd);
    if (!dir) {
        close(dirFd);
        return false;
    }

    std::vector<DirEntry> entries;
    const bool everything = pattern == "*" || pattern == "*.*";
    struct stat here {};
    const bool knowsDevice = fstat(dirFd, &here) == 0;
    std::uint64_t mount = 0;
    const bool knowsMount = MountIdOf(dirFd, "", mount);
    const auto otherMount = [&](const char* name) {
        std::uint64_t id = 0;
        return knowsMount && MountIdOf(dirFd, name, id) && id != mount;
    };
    while (const dirent* raw = readdir(dir)) {
        if (IsDot(raw->d_name)) continue;
        std::string name = raw->d_name;
        if (!everything && !MatchesWindowsPattern(text_, pattern, name)) continue;
        DirEntry entry;
        // Windows text has no way to carry a backslash inside a name, and a trailing period or
        // blank would be read as another name: such entries are listed, flagged, never reached.
        entry.unaddressable = name.find('\\') != std::string::npos ||
                              (name.find_first_not_of('.') != std::string::npos &&
                               (name.back() == '.' || name.back() == ' '));
        struct stat own {
        }, target{};
        if (fstatat(dirFd, raw->d_name, &own, AT_SYMLINK_NOFOLLOW) != 0) {
            entry.unknown = true;
            entry.why = ErrorOf(errno);
            entry.name = std::move(name);
            entries.push_back(std::move(entry));
            continue;
        }
        const bool link = S_ISLNK(own.st_mode);
        const bool resolved = link && fstatat(dirFd, raw->d_name, &target, 0) == 0;
        entry.isLink = link;
        entry.isFolder = link ? resolved && S_ISDIR(target.st_mode) : S_ISDIR(own.st_mode);
        if (!link && entry.isFolder &&
            ((knowsDevice && own.st_dev != here.st_dev) || otherMount(raw->d_name))) {
            entry.isLink = true;
            entry.isMountPoint = true;
        }
        entry.size = entry.isFolder ? 0 : static_cast<std::uint64_t>(own.st_size);
        entry.attributes = AttributesOf(name, own, link ? (resolved ? &target : nullptr) : &own);
        entry.name = std::move(name);
        entries.push_back(std::move(entry));
    }
    closedir(dir);

    // Windows lists a folder in name order ignoring case; the byte order breaks ties so that
    // every run sees the same sequence.
    std::sort(entries.begin(), entries.end(), [this](const DirEntry& a, const DirEntry& b) {
        const int order = text_.CompareNoCase(a.name, b.name);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    for (const DirEntry& entry : entries) {
        if (!visit(entry)) break;
    }
    return true;
}

std::unique_ptr<FolderTree> PosixFileSystem::OpenTree(const std::string& root, FsError& why,
                                                      bool refuseLinkRoot) {
    const auto host = Resolve(root);
    if (!host) {
        why = FsError::NotFound;
        return nullptr;
    }
    if (!host->Exists()) {
        why = FsError::NotFound;
        return nullptr;
    }
    return PosixFolderTree::Open(text_, root, host->Full(), refuseLinkRoot, why);
}

bool PosixFileSystem::ReadWholeFile(const std::string& path, std::string& bytes) {
    std::string data;
    if (ReadFileUpTo(path, SIZE_MAX, data) != ReadOutcome::Read) return false;
    bytes = std::move(data);
    return true;
}

FileSystem::ReadOutcome PosixFileSystem::ReadFileUpTo(const std::string& path, std::uint64_t limit,
                                                      std::string& bytes) {
    const auto host = Resolve(path);
    if (!host || !host->Exists()) return ReadOutcome::Failed;
    // Non-blocking so that a named pipe cannot hang the open; only regular files are read.
    UniqueFd fd(open(host->Full().c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat st {};
    if (!fd.ok() || fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return ReadOutcome::Failed;
    const std::uint64_t wanted = std::min<std::uint64_t>(limit, SIZE_MAX - 1);
    std::string data;
    data.reserve(static_cast<std::size_t>(
        std::min<std::uint64_t>(static_cast<std::uint64_t>(st.st_size), wanted)));
    char buffer[1 << 16];
    // One byte past the limit tells a file of exactly limit bytes from a longer one, also when the
    // file grows while it is read.
    while (data.size() <= wanted) {
        const std::size_t ask = static_cast<std::size_t>(
            std::min<std::uint64_t>(sizeof buffer, wanted + 1 - data.size()));
        const ssize_t n = read(fd.get(), buffer, ask);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            return ReadOutcome::Failed;
        }
        data.append(buffer, static_cast<std::size_t>(n));
    }
    const bool tooLarge = data.size() > wanted;
    if (tooLarge) data.resize(static_cast<std::size_t>(wanted));
    bytes = std::move(data);
    return tooLarge ? ReadOutcome::TooLarge : ReadOutcome::Read;
}

bool PosixFileSystem::WriteWholeFile(const std::string& path, const std::string& bytes) {
    const auto host = Resolve(path);
    if (!host || host->names.empty()) return false;
    const std::string full = host->Full();
    if (!host->Exists()) {
        if (!CanCreate(*host)) return false;
        UniqueFd fd(open(full.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (!fd.ok()) return false;
        bool ok = WriteAll(fd.get(), bytes.data(), bytes.size());
        ok = fd.Close() && ok;
        if (!ok) unlink(full.c_str());
        return ok;
    }
    struct stat st {};
    if (stat(full.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    // Windows refuses to write a read-only file, whoever asks; and only a user who may write the
    // file itself may change it, whatever the folder lets that user do.
    if (IsReadOnlyMode(st.st_mode) || faccessat(AT_FDCWD, full.c_str(), W_OK, AT_EACCESS) != 0)
        return false;
    struct stat own {};
    // A replaced file would lose its other names (hard links); one that is not ours would become
    // ours unless its owner and group can be given back.
    const bool replaceable =
        lstat(full.c_str(), &own) == 0 && !S_ISLNK(own.st_mode) && st.st_nlink == 1;
    if (replaceable) {
        const Replaced replaced = ReplaceFile(full, st, bytes);
        if (replaced != Replaced::NotTried) return replaced == Replaced::Done;
    }
    UniqueFd fd(open(full.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NONBLOCK));
    if (!fd.ok()) return false;
    bool ok = fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode) &&
              WriteAll(fd.get(), bytes.data(), bytes.size());
    return fd.Close() && ok;
}

namespace {

class PosixAppendFile : public AppendFile {
public:
    explicit PosixAppendFile(int fd) : fd_(fd) {}
    bool Append(const std::string& text) override {
        return WriteAll(fd_.get(), text.data(), text.size());
    }
    bool Sync() override { return fdatasync(fd_.get()) == 0; }

private:
    UniqueFd fd_;
};

}  // namespace

std::unique_ptr<AppendFile> PosixFileSystem::OpenAppendFile(const std::string& path, bool truncate,
                                                            FsError& why) {
    const auto host = Resolve(path);
    if (!host || host->names.empty() || (!host->Exists() && !CanCreate(*host))) {
        why = FsError::NotFound;
        return nullptr;
    }
    // Never written through a link: a journal is the program's own file. O_NONBLOCK keeps a
    // pipe of that name from holding the open; writes to a regular file ignore it.
    const int flags = O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK |
                      (truncate ? O_TRUNC : 0);
    const int fd = open(host->Full().c_str(), flags, 0666);
    if (fd < 0) {
        why = ErrorOf(errno);
        return nullptr;
    }
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        why = FsError::Other;
        return nullptr;
    }
    return std::make_unique<PosixAppendFile>(fd);
}

bool PosixFileSystem::CreateFolderTree(const std::string& path) {
    const auto host = Resolve(path);
    // Everything that can be checked is checked first, so a refused path creates nothing.
    if (!host || host->Full().size() >= PATH_MAX) return false;
    for (std::size_t i = host->existing; i < host->names.size(); ++i) {
        if (!IsCreatableWindowsName(host->names[i]) || host->names[i].size() > NAME_MAX)
            return false;
    }
    for (std::size_t i = host->existing; i < host->names.size(); ++i) {
        const std::string folder = host->Prefix(i + 1);
        if (mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) return false;
    }
    struct stat st {};
    return stat(host->Full().c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

CreateOutcome PosixFileSystem::CanCreate(const std::string& path, FsError& why) {
    const auto host = Resolve(path);
    if (!host || host->names.empty()) {
        why = host ? FsError::Exists : FsError::NotFound;
        return host ? CreateOutcome::Existed : CreateOutcome::Failed;
    }
    struct stat st {};
    const std::string full = host->Full();
    if (host->Exists()) {
        why = FsError::Exists;
        return lstat(full.c_str(), &st) == 0 && S_ISDIR(st.st_mode) ? CreateOutcome::Existed
                                                                    : CreateOutcome::Failed;
    }
    if (full.size() >= PATH_MAX) {
        why = FsError::NameTooLong;
        return CreateOutcome::Failed;
    }
    for (std::size_t i = host->existing; i < host->names.size(); ++i) {
        if (!IsCreatableWindowsName(host->names[i]) || host->names[i].size() > NAME_MAX) {
            why = FsError::BadName;
            return CreateOutcome::Failed;
        }
    }
    const std::string deepest = host->Prefix(host->existing);
    if (stat(deepest.c_str(), &st) != 0) {
        why = ErrorOf(errno);
        return CreateOutcome::Failed;
    }
    if (!S_ISDIR(st.st_mode)) {
        why = FsError::NotAFolder;
        return CreateOutcome::Failed;
    }
    // The user's own rights decide, as they would for mkdir; so does a volume mounted read-only.
    if (faccessat(AT_FDCWD, deepest.c_str(), W_OK | X_OK, AT_EACCESS) != 0) {
        why = ErrorOf(errno);
        return CreateOutcome::Failed;
    }
    return CreateOutcome::Created;
}

bool PosixFileSystem::IdentifyFolder(const std::string& path, FolderIdentity& identity,
                                     FsError& why) {
    const auto host = Resolve(path);
    struct stat st {};
    if (!host || !host->Exists()) {
        why = FsError::NotFound;
        return false;
    }
    // Opened, as every path is reached (through links), so that its own volume answers.
    UniqueFd folder(open(host->Full().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.ok()) {
        why = errno == ENOTDIR ? FsError::NotAFolder : ErrorOf(errno);
        return false;
    }
    if (fstat(folder.get(), &st) != 0) {
        why = ErrorOf(errno);
        return false;
    }
    identity.volume = static_cast<std::uint64_t>(st.st_dev);
    identity.index = static_cast<std::uint64_t>(st.st_ino);
    identity.ignoresCase = FolderIgnoresCase(folder.get());
    return true;
}

bool PosixFileSystem::MatchesPattern(const std::string& pattern, const std::string& name) {
    return MatchesWindowsPattern(text_, pattern, name);
}

CreateOutcome PosixFileSystem::CreateFolder(const std::string& path) {
    const auto host = Resolve(path);
    if (!host || host->names.empty()) return CreateOutcome::Failed;
    const auto holder = [&] {
        struct stat st {};
        const bool folder = lstat(host->Full().c_str(), &st) == 0 && S_ISDIR(st.st_mode);
        return folder ? CreateOutcome::Existed : CreateOutcome::Failed;
    };
    if (host->Exists()) return holder();
    if (!CanCreate(*host) || host->Full().size() >= PATH_MAX ||
        host->names.back().size() > NAME_MAX)
        return CreateOutcome::Failed;
    if (mkdir(host->Full().c_str(), 0777) == 0) return CreateOutcome::Created;
    // Made by someone else meanwhile: theirs, not ours.
    return errno == EEXIST ? holder() : CreateOutcome::Failed;
}

bool PosixFileSystem::RemoveEmptyFolder(const std::string& path) {
    const auto host = Resolve(path);
    // A drive root is never removed.
    if (!host || host->names.empty() || !host->Exists()) return false;
    const std::string full = host->Full();
    struct stat own {
    }, target{};
    if (lstat(full.c_str(), &own) != 0) return false;
    if (S_ISLNK(own.st_mode)) {
        // The link goes, the folder it points to stays as it is.
        return stat(full.c_str(), &target) == 0 && S_ISDIR(target.st_mode) &&
               unlink(full.c_str()) == 0;
    }
    if (!S_ISDIR(own.st_mode) || IsReadOnlyMode(own.st_mode)) return false;
    if (HoldsCurrentDirectory(full)) return false;
    return rmdir(full.c_str()) == 0;
}

bool PosixFileSystem::RemoveFile(const std::string& path) {
    const auto host = Resolve(path);
    if (!host || host->names.empty() || !host->Exists()) return false;
    const std::string full = host->Full();
    struct stat own {};
    if (lstat(full.c_str(), &own) != 0 || S_ISDIR(own.st_mode)) return false;
    if (S_ISREG(own.st_mode) && IsReadOnlyMode(own.st_mode)) return false;
    return unlink(full.c_str()) == 0;
}

bool PosixFileSystem::CopyFileNoOverwrite(const std::string& source, const std::string& target) {
    FileStamp stamp;
    return CopyNewFile(source, target, stamp) == CreateOutcome::Created;
}

CreateOutcome PosixFileSystem::CopyNewFile(const std::string& source, const std::string& target,
                                           FileStamp& stamp) {
    const auto from = Resolve(source);
    const auto to = Resolve(target);
    if (!from || !from->Exists() || from->names.empty() || !to) return CreateOutcome::Failed;
    if (to->Exists()) return CreateOutcome::Existed;
    if (!CanCreate(*to) || to->Full().size() >= PATH_MAX || to->names.back().size() > NAME_MAX)
        return CreateOutcome::Failed;
    FsError why = FsError::None;
    struct stat st {};
    UniqueFd in(OpenSourceFile(AT_FDCWD, from->Full(), st, why));
    UniqueFd folder(
        open(to->Prefix(to->names.size() - 1).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!in.ok() || !folder.ok()) return CreateOutcome::Failed;
    return CopyOpenFile(in.get(), st, folder.get(), to->names.back(), stamp, why);
}

bool PosixFileSystem::GetFileStamp(const std::string& path, FileStamp& stamp) {
    const auto host = Resolve(path);
    if (!host || !host->Exists()) return false;
    struct stat st {};
    if (lstat(host->Full().c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
    stamp = StampOf(st);
    return true;
}

bool PosixFileSystem::GetEntryStamp(const std::string& path, FileStamp& stamp) {
    const auto host = Resolve(path);
    if (!host || !host->Exists()) return false;
    struct stat st {};
    if (lstat(host->Full().c_str(), &st) != 0) return false;
    stamp = StampOf(st);
    return true;
}

namespace {

// Renames without ever replacing an entry: with the kernel's no-replace flag, or where a file
// system lacks it, by a check right before a plain rename (which would replace an empty folder).
bool RenameNoReplace(const std::string& from, const std::string& to) {
    if (syscall(SYS_renameat2, AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    struct stat existing {};
    if (lstat(to.c_str(), &existing) == 0 || errno != ENOENT) return false;
    return rename(from.c_str(), to.c_str()) == 0;
}

// A volume that ignores case finds the new spelling taken by the folder itself, and a rename
// onto it would change nothing; the folder goes through a free name beside it.
bool RenameToOwnSpelling(const std::string& from, const std::string& to) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::string aside =
            from + ".~" + std::to_string(getpid()) + "." + std::to_string(attempt);
        if (!RenameNoReplace(from, aside)) {
            if (errno == EEXIST) continue;
            return false;
        }
        if (RenameNoReplace(aside, to)) return true;
        rename(aside.c_str(), from.c_str());
        return false;
    }
    return false;
}

}  // namespace

bool PosixFileSystem::SameEntry(const std::string& a, const std::string& b) {
    if (a == b) return true;
    // Lists part what Windows parts; only letter case is left for the host to decide.
    if (!text_.EqualsNoCase(a, b)) return false;
    // Drive letters and share names are the program's own and ignore case, mapped or not.
    WindowsPathParts one, two;
    if (SplitWindowsPath(a, one) && SplitWindowsPath(b, two) && one.anchor == two.anchor &&
        one.letter == two.letter && text_.EqualsNoCase(one.share, two.share) &&
        one.components == two.components)
        return true;
    const auto first = Resolve(a);
    const auto second = Resolve(b);
    if (!first || !second) return false;
    const std::string firstHost = first->Full();
    const std::string secondHost = second->Full();
    if (firstHost == secondHost) return true;
    struct stat x {
    }, y{};
    return first->Exists() && second->Exists() && lstat(firstHost.c_str(), &x) == 0 &&
           lstat(secondHost.c_str(), &y) == 0 && x.st_dev == y.st_dev && x.st_ino == y.st_ino;
}

bool PosixFileSystem::MoveFolderNoReplace(const std::string& source, const std::string& target) {
    const auto from = Resolve(source);
    const auto to = Resolve(target);
    if (!from || from->names.empty() || !from->Exists() || !to || to->names.empty()) return false;
    const std::string src = from->Full();
    const std::string dst = to->Full();
    struct stat own {
    }, st{};
    if (lstat(src.c_str(), &own) != 0 || stat(src.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return false;
    if (!S_ISLNK(own.st_mode) && HoldsCurrentDirectory(src)) return false;
    if (!to->Exists()) return CanCreate(*to) && RenameNoReplace(src, dst);
    // The target reaches an entry: only the source itself under a new spelling of its name, in
    // its own folder, is renamed, as Windows does.
    struct stat there {};
    const std::size_t last = from->names.size() - 1;
    if (dst == src || to->names.size() != from->names.size() ||
        to->Prefix(last) != from->Prefix(last) || lstat(dst.c_str(), &there) != 0 ||
        there.st_dev != own.st_dev || there.st_ino != own.st_ino ||
        !IsCreatableWindowsName(to->names.back()))
        return false;
    return RenameToOwnSpelling(src, dst);
}

bool PosixFileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
    const auto host = Resolve(path);
    if (!host || !host->Exists()) return false;
    const std::string full = host->Full();
    struct stat own {};
    if (lstat(full.c_str(), &own) != 0) return false;
    // A link has no attributes of its own here, and changing what it points to would reach
    // outside the tree being worked on.
    if (S_ISLNK(own.st_mode)) return true;
    const mode_t mode = own.st_mode & 07777;
    const mode_t wanted = (attributes & kAttrReadOnly) ? (mode & ~mode_t{0222}) : (mode | S_IWUSR);
    return wanted == mode || chmod(full.c_str(), wanted) == 0;
}

bool PosixFileSystem::FreeBytesForUser(const std::string& path, std::uint64_t& bytes) {
    const auto host = Resolve(path);
    if (!host) return false;
    struct statvfs vfs {};
    if (statvfs(host->Prefix(host->existing).c_str(), &vfs) != 0) return false;
    bytes = static_cast<std::uint64_t>(vfs.f_bavail) * static_cast<std::uint64_t>(vfs.f_frsize);
    return true;
}

bool PosixFileSystem::VolumeId(const std::string& path, std::uint64_t& id) {
    const auto host = Resolve(path);
    if (!host) return false;
    struct stat st {};
    if (stat(host->Prefix(host->existing).c_str(), &st) != 0) return false;
    id = static_cast<std::uint64_t>(st.st_dev);
    return true;
}

std::vector<LogicalDrive> PosixFileSystem::LogicalDrives() {
    std::vector<LogicalDrive> drives;
    // A letter whose folder vanished (an unplugged disk) is no drive, as on Windows.
    for (const auto& [letter, mapping] : drives_) {
        const int type = HostDriveType(mapping.host);
        if (type != kDriveNoRootDir) drives.push_back({letter, type});
    }
    return drives;
}

int PosixFileSystem::DriveType(const std::string& root) {
    WindowsPathParts parts;
    if (!SplitWindowsPath(root, parts) || !parts.components.empty()) return kDriveNoRootDir;
    switch (parts.anchor) {
        case PathAnchor::kDriveRoot:
        case PathAnchor::kDriveCurrent: {
            const auto it = drives_.find(parts.letter);
            return it == drives_.end() ? kDriveNoRootDir : HostDriveType(it->second.host);
        }
        case PathAnchor::kShareRoot: {
            const auto it = shares_.find(text_.LowerCase(parts.share));
            if (it == shares_.end()) return kDriveNoRootDir;
            // Whatever holds it on this host, a share is a network drive to the program.
            return HostDriveType(it->second.host) == kDriveNoRootDir ? kDriveNoRootDir
                                                                     : kDriveRemote;
        }
        case PathAnchor::kCurrentDriveRoot: {
            const auto current = CurrentLocation();
            return current ? DriveType(current->mapping->windowsRoot + "\\") : kDriveNoRootDir;
        }
        case PathAnchor::kCurrentDirectory:
            break;
    }
    return kDriveNoRootDir;
}

bool PosixFileSystem::ReadCurrentDirectory(std::string& path) {
    std::string current;
    if (!CurrentHostDirectory(current)) return false;
    const auto windows = ToWindowsPath(current);
    if (!windows) return false;
    path = *windows;
    return true;
}

bool PosixFileSystem::ConfigurationFolder(std::string& path) {
    // The XDG rule: $XDG_CONFIG_HOME when it is absolute, else ~/.config.
    std::string base;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    if (xdg && xdg[0] == '/') {
        base = xdg;
    } else if (home && home[0] == '/') {
        base = Join(HostText(HostNames(home)), ".config");
    } else {
        return false;
    }
    const std::string folder = Join(HostText(HostNames(base)), "arbovane");
    const auto windows = ToWindowsPath(folder);
    if (!windows || !CreateFolderTree(*windows) || !IsFolder(*windows)) return false;
    path = *windows;
    return true;
}

bool PosixFileSystem::MakeCurrentDirectory(const std::string& path) {
    const auto host = Resolve(path);
    if (!host || !host->Exists()) return false;
    const std::string full = host->Full();
    return IsEnterableFolder(full) && chdir(full.c_str()) == 0;
}

}  // namespace arbovane
