#include "core/ops/delete/DeleteWalk.h"

#include <iterator>

#include "core/ops/delete/DeleteActions.h"
#include "core/paths/Arbsplit.h"
#include "core/templates/FileSelection.h"
#include "platform/FileSystem.h"

namespace arbovane {

namespace {

constexpr const char* kEveryEntry = "*.*";

bool MatchesEverything(const std::string& pattern) {
    return pattern == kEveryEntry || pattern == "*";
}

// A main folder such as "d:\P\" already ends in its separator; doubling it would list
// "d:\P\\x".
std::string PrefixOf(const std::string& folder) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) return folder;
    return folder + '\\';
}

// The entry with the greatest key, among equal keys the one put in last: the walk goes deep
// first.
std::pair<unsigned, std::string> TakeDeepest(AS_MULTIMAP_NIVO_FOLDER_NAMES& queue) {
    const auto last = std::prev(queue.end());
    std::pair<unsigned, std::string> taken{last->first, std::move(last->second)};
    queue.erase(last);
    return taken;
}

bool IsWalkable(const DirEntry& entry) {
    return entry.isFolder && !entry.isLink;
}

}  // namespace

std::vector<std::string> EffectivePatterns(const std::vector<std::string>& patterns) {
    if (patterns.empty()) return {kEveryEntry};
    return patterns;
}

void DeleteWalk::StartPatterns(std::size_t count) {
    severalPatterns_ = count > 1;
    reached_.clear();
}

bool DeleteWalk::FirstTime(const std::string& path) {
    return !severalPatterns_ || reached_.insert(path).second;
}

bool DeleteWalk::Open(const std::string& mainFolder) {
    FsError why = FsError::None;
    // The main folder was checked not to be a link; one that became one since is not entered.
    tree_ = fs_.OpenTree(mainFolder, why, true);
    prefixLength_ = PrefixOf(mainFolder).size();
    return tree_ != nullptr;
}

void DeleteWalk::RelativeInto(const std::string& path, std::string& relative) const {
    if (path.size() > prefixLength_)
        relative.assign(path, prefixLength_);
    else
        relative.clear();
}

std::string DeleteWalk::RelativeOf(const std::string& path) const {
    std::string relative;
    RelativeInto(path, relative);
    return relative;
}

void DeleteWalk::File(const std::string& path) {
    if (!FirstTime(path)) return;
    // One buffer for every file: a walk of many files should not allocate for each.
    RelativeInto(path, relative_);
    actions_.File({*tree_, relative_, path});
}

void DeleteWalk::Folder(const std::string& path, bool keepsEntries) {
    const std::string relative = RelativeOf(path);
    actions_.Folder({*tree_, relative, path}, keepsEntries);
}

void DeleteWalk::Refuse(const std::string& path, bool isFolder) {
    if (FirstTime(path)) actions_.Refused(path, isFolder);
}

bool DeleteWalk::Stopped() {
    if (!stopped_ && actions_.Stopping()) stopped_ = true;
    return stopped_;
}

bool DeleteWalk::List(const std::string& folder, const std::string& pattern, const Visit& visit) {
    std::vector<DirEntry> entries;
    FsError why = FsError::None;
    if (!tree_ || !tree_->ListKinds(RelativeOf(folder), pattern, entries, why)) return false;
    std::string full = PrefixOf(folder);
    const std::size_t prefixSize = full.size();
    for (const DirEntry& entry : entries) {
        if (Stopped()) break;
        full.resize(prefixSize);
        full += entry.name;
        visit(entry, full);
    }
    return true;
}

bool DeleteWalk::Addressable(const DirEntry& entry, const std::string& full) {
    const std::string& name = entry.name;
    const bool onlyDots = name.find_first_not_of('.') == std::string::npos;
    const bool odd = !name.empty() && !onlyDots && (name.back() == '.' || name.back() == ' ');
    // An entry whose kind could not be read is not guessed at either.
    if (!entry.unaddressable && !entry.unknown && !odd) return true;
    Refuse(full, IsWalkable(entry));
    return false;
}

void DeleteWalk::FilesIn(const std::string& folder, const std::string& pattern) {
    // A pattern with a folder part would list another folder than the one the paths are built
    // under.
    if (!IsFileNamePattern(pattern)) return;
    const bool listed =
        Open(folder) && List(folder, pattern, [&](const DirEntry& entry, const std::string& full) {
            if (entry.isFolder || !Addressable(entry, full)) return;
            File(full);
        });
    if (!listed) Refuse(folder, true);
}

void DeleteWalk::FilesInTree(const std::string& mainFolder, const std::string& pattern,
                             AS_MULTIMAP_NIVO_FOLDER_NAMES& walkQueue) {
    if (!IsFileNamePattern(pattern)) return;
    walkQueue.clear();
    if (!Open(mainFolder)) {
        Refuse(mainFolder, true);
        return;
    }
    walkQueue.emplace(0u, mainFolder);
    const auto queueFolder = [&](const DirEntry& entry, const std::string& full) {
        if (IsWalkable(entry) && Addressable(entry, full))
            walkQueue.emplace(CountSeparators(full), full);
    };
    while (!walkQueue.empty() && !Stopped()) {
        const std::string folder = TakeDeepest(walkQueue).second;
        bool listed = false;
        if (MatchesEverything(pattern)) {
            // One listing finds the files and the subfolders alike.
            listed = List(folder, pattern, [&](const DirEntry& entry, const std::string& full) {
                if (entry.isFolder)
                    queueFolder(entry, full);
                else if (Addressable(entry, full))
                    File(full);
            });
        } else {
            listed = List(folder, pattern,
                          [&](const DirEntry& entry, const std::string& full) {
                              if (!entry.isFolder && Addressable(entry, full)) File(full);
                          }) &&
                     List(folder, kEveryEntry, [&](const DirEntry& entry, const std::string& full) {
                         if (entry.isFolder) queueFolder(entry, full);
                     });
        }
        if (!listed) Refuse(folder, true);
    }
}

void DeleteWalk::Structure(const std::string& mainFolder, bool removeMain,
                           AS_MULTIMAP_NIVO_FOLDER_NAMES& walkQueue,
                           AS_MULTIMAP_NIVO_FOLDER_NAMES& removalList) {
    walkQueue.clear();
    removalList.clear();
    if (!Open(mainFolder)) {
        Refuse(mainFolder, true);
        return;
    }
    walkQueue.emplace(0u, mainFolder);
    // Folders that keep an entry the walk left alone, and the parent of every folder found, so
    // that a folder which cannot go empty keeps its ancestors too.
    std::unordered_set<std::string> keeping;
    std::unordered_map<std::string, std::string> parentOf;
    while (!walkQueue.empty() && !Stopped()) {
        // Named variables, not a structured binding: the lambda below captures the folder.
        auto taken = TakeDeepest(walkQueue);
        const bool isMain = taken.first == 0;
        const std::string folder = std::move(taken.second);
        const bool listed =
            List(folder, kEveryEntry, [&](const DirEntry& entry, const std::string& full) {
                if (!Addressable(entry, full)) {
                    keeping.insert(folder);
                } else if (IsWalkable(entry)) {
                    walkQueue.emplace(CountSeparators(full), full);
                    parentOf.emplace(full, folder);
                } else {
                    File(full);
                }
            });
        if (!listed) {
            keeping.insert(folder);
            // Every other folder that could not be listed is reported by its removal.
            if (isMain && !removeMain) Refuse(folder, true);
        }
        if (removeMain || !isMain) removalList.emplace(taken.first, folder);
    }
    // Greatest key first, among equal keys the one put in last.
    for (auto it = removalList.rbegin(); it != removalList.rend() && !Stopped(); ++it) {
        const std::string& folder = it->second;
        const bool keeps = keeping.count(folder) != 0;
        Folder(folder, keeps);
        const auto parent = parentOf.find(folder);
        if (keeps && parent != parentOf.end()) keeping.insert(parent->second);
    }
    removalList.clear();
}

}  // namespace arbovane
