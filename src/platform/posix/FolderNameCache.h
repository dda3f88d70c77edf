#pragma once

#include <sys/types.h>

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>

namespace arbovane {

class Text;

// Finds a folder's entry by name ignoring letter case. A small folder is simply read; a large one
// is read once and its names kept, updated from inotify events, so that creating many entries in
// one folder does not read that folder again for every new name. Where inotify is missing, or
// would not see every change (network and FUSE file systems), every lookup reads the folder.
// Single-threaded, like the program.
class FolderNameCache {
public:
    explicit FolderNameCache(const Text& text);
    ~FolderNameCache();
    FolderNameCache(const FolderNameCache&) = delete;
    FolderNameCache& operator=(const FolderNameCache&) = delete;

    // The entry of hostFolder equal to name ignoring case; the byte-wise first one when several
    // spellings exist, so that every call agrees.
    std::optional<std::string> Find(const std::string& hostFolder, const std::string& name);

private:
    struct Listing {
        int watch = -1;
        std::uint64_t lastUse = 0;
        std::unordered_map<std::string, std::set<std::string>> ascii;  // lower-cased -> names
        std::set<std::string> other;  // names with bytes beyond ASCII
    };
    using Key = std::pair<dev_t, ino_t>;

    std::optional<std::string> Scan(const std::string& hostFolder, const std::string& name,
                                    std::size_t& entries) const;
    std::optional<std::string> Lookup(const Listing& listing, const std::string& name) const;
    bool Remember(const std::string& hostFolder, const Key& key);
    void Add(Listing& listing, const std::string& name);
    void Remove(Listing& listing, const std::string& name);
    void Drain();
    void Drop(std::map<Key, Listing>::iterator it);
    void DropAll();
    bool Watching() const;
    bool StartWatching();

    const Text& text_;
    int inotify_ = -1;
    bool failed_ = false;
    pid_t owner_ = 0;  // a forked child shares the event queue, so it must not read it
    std::uint64_t clock_ = 0;
    std::map<Key, Listing> listings_;
    std::map<int, Key> byWatch_;
};

}  // namespace arbovane
