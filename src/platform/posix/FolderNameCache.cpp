#include "platform/posix/FolderNameCache.h"

#include <dirent.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unicode/utf8.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>

#include "platform/Text.h"

namespace arbovane {

namespace {

// Below this many entries reading the folder is as cheap as keeping it.
constexpr std::size_t kRememberFrom = 256;
constexpr std::size_t kMaxListings = 16;

constexpr std::uint32_t kEvents =
    IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_ONLYDIR;

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return (static_cast<unsigned char>(c) & 0x80) == 0; });
}

std::string AsciiLower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

bool IsDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// inotify reports only what happens through this kernel.
bool SeesEveryChange(const std::string& hostFolder) {
    struct statfs fs {};
    if (statfs(hostFolder.c_str(), &fs) != 0) return false;
    switch (static_cast<unsigned long>(fs.f_type) & 0xFFFFFFFFul) {
        case 0x6969:      // nfs
        case 0xFF534D42:  // cifs
        case 0x517B:      // smb
        case 0xFE534D42:  // smb2
        case 0x65735546:  // fuse
        case 0x01021997:  // 9p
        case 0x00C36400:  // ceph
        case 0x6B414653:  // afs
            return false;
        default:
            return true;
    }
}

// Whether text can equal an ASCII name ignoring letter case: only four characters beyond ASCII
// map onto ASCII letters one by one (the dotted and the dotless i, the long s, the Kelvin sign).
bool MayFoldToAscii(std::string_view text) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    std::int32_t i = 0;
    while (i < length) {
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        if (c < 0x80 && c >= 0) continue;
        if (c == 0x130 || c == 0x131 || c == 0x17F || c == 0x212A) continue;
        return false;
    }
    return true;
}

void Consider(std::optional<std::string>& best, const std::string& candidate) {
    if (!best || candidate < *best) best = candidate;
}

}  // namespace

FolderNameCache::FolderNameCache(const Text& text) : text_(text) {}

FolderNameCache::~FolderNameCache() {
    if (inotify_ >= 0 && owner_ == getpid()) close(inotify_);
}

bool FolderNameCache::Watching() const {
    return inotify_ >= 0 && owner_ == getpid();
}

bool FolderNameCache::StartWatching() {
    if (inotify_ >= 0) return owner_ == getpid();
    if (failed_) return false;
    owner_ = getpid();
    inotify_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    failed_ = inotify_ < 0;
    return !failed_;
}

std::optional<std::string> FolderNameCache::Scan(const std::string& hostFolder,
                                                 const std::string& name,
                                                 std::size_t& entries) const {
    entries = 0;
    DIR* dir = opendir(hostFolder.c_str());
    if (!dir) return std::nullopt;
    const bool asciiName = IsAscii(name);
    const std::string lowered = asciiName ? AsciiLower(name) : std::string();
    std::optional<std::string> found;
    while (const dirent* entry = readdir(dir)) {
        if (IsDot(entry->d_name)) continue;
        ++entries;
        const std::size_t length = std::strlen(entry->d_name);
        // Folding can change the length only outside ASCII.
        if (asciiName && length == lowered.size() && IsAscii(entry->d_name)) {
            if (AsciiLower(entry->d_name) == lowered) Consider(found, entry->d_name);
        } else if (!asciiName || !IsAscii(entry->d_name)) {
            if (text_.EqualsNoCase(entry->d_name, name)) Consider(found, entry->d_name);
        }
    }
    closedir(dir);
    return found;
}

std::optional<std::string> FolderNameCache::Lookup(const Listing& listing,
                                                   const std::string& name) const {
    std::optional<std::string> found;
    if (IsAscii(name)) {
        const auto it = listing.ascii.find(AsciiLower(name));
        if (it != listing.ascii.end() && !it->second.empty()) Consider(found, *it->second.begin());
    } else if (MayFoldToAscii(name)) {
        for (const auto& [lowered, names] : listing.ascii) {
            for (const auto& candidate : names) {
                if (text_.EqualsNoCase(candidate, name)) Consider(found, candidate);
            }
        }
    }
    for (const auto& candidate : listing.other) {
        if (text_.EqualsNoCase(candidate, name)) Consider(found, candidate);
    }
    return found;
}

void FolderNameCache::Add(Listing& listing, const std::string& name) {
    if (IsAscii(name)) {
        listing.ascii[AsciiLower(name)].insert(name);
    } else {
        listing.other.insert(name);
    }
}

void FolderNameCache::Remove(Listing& listing, const std::string& name) {
    if (!IsAscii(name)) {
        listing.other.erase(name);
        return;
    }
    const auto it = listing.ascii.find(AsciiLower(name));
    if (it == listing.ascii.end()) return;
    it->second.erase(name);
    if (it->second.empty()) listing.ascii.erase(it);
}

void FolderNameCache::Drop(std::map<Key, Listing>::iterator it) {
    inotify_rm_watch(inotify_, it->second.watch);
    byWatch_.erase(it->second.watch);
    listings_.erase(it);
}

void FolderNameCache::DropAll() {
    while (!listings_.empty()) Drop(listings_.begin());
}

void FolderNameCache::Drain() {
    alignas(inotify_event) char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = read(inotify_, buffer, sizeof buffer);
        if (n <= 0) {
            if (n < 0 && errno == EINTR) continue;
            return;
        }
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            if (event->mask & IN_Q_OVERFLOW) {
                DropAll();
                continue;
            }
            const auto watch = byWatch_.find(event->wd);
            if (watch == byWatch_.end()) continue;
            const auto it = listings_.find(watch->second);
            if (it == listings_.end()) continue;
            if (event->mask & (IN_DELETE_SELF | IN_IGNORED | IN_UNMOUNT)) {
                Drop(it);
                continue;
            }
            if (event->len == 0) continue;
            const std::string name = event->name;
            if (event->mask & (IN_CREATE | IN_MOVED_TO)) Add(it->second, name);
            if (event->mask & (IN_DELETE | IN_MOVED_FROM)) Remove(it->second, name);
        }
    }
}

bool FolderNameCache::Remember(const std::string& hostFolder, const Key& key) {
    if (!SeesEveryChange(hostFolder)) return false;
    if (listings_.size() >= kMaxListings) {
        auto oldest = listings_.begin();
        for (auto it = listings_.begin(); it != listings_.end(); ++it) {
            if (it->second.lastUse < oldest->second.lastUse) oldest = it;
        }
        Drop(oldest);
    }
    // Watching before reading: a change during the read arrives as an event afterwards, and
    // applying it to what the read saw gives the folder as it is.
    const int watch = inotify_add_watch(inotify_, hostFolder.c_str(), kEvents);
    if (watch < 0) return false;
    struct stat st {};
    DIR* dir = opendir(hostFolder.c_str());
    if (!dir || fstat(dirfd(dir), &st) != 0 || Key{st.st_dev, st.st_ino} != key ||
        byWatch_.count(watch)) {
        if (dir) closedir(dir);
        if (!byWatch_.count(watch)) inotify_rm_watch(inotify_, watch);
        return false;
    }
    Listing listing;
    listing.watch = watch;
    listing.lastUse = ++clock_;
    while (const dirent* entry = readdir(dir)) {
        if (!IsDot(entry->d_name)) Add(listing, entry->d_name);
    }
    closedir(dir);
    byWatch_[watch] = key;
    listings_[key] = std::move(listing);
    return true;
}

std::optional<std::string> FolderNameCache::Find(const std::string& hostFolder,
                                                 const std::string& name) {
    struct stat st {};
    const bool folder = stat(hostFolder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    const Key key{st.st_dev, st.st_ino};
    if (folder && Watching()) {
        Drain();
        const auto it = listings_.find(key);
        if (it != listings_.end()) {
            it->second.lastUse = ++clock_;
            return Lookup(it->second, name);
        }
    }
    std::size_t entries = 0;
    auto found = Scan(hostFolder, name, entries);
    if (folder && entries >= kRememberFrom && StartWatching() && Remember(hostFolder, key)) {
        Drain();
        const auto it = listings_.find(key);
        if (it != listings_.end()) found = Lookup(it->second, name);
    }
    return found;
}

}  // namespace arbovane
