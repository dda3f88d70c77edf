#include "core/ops/delete/DeleteWalk.h"

#include <iterator>

#include "core/ops/delete/DeleteActions.h"
#include "core/paths/Arbsplit.h"
#include "core/visuallog/VisualLog.h"
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

}  // namespace

std::vector<std::string> EffectivePatterns(const std::vector<std::string>& patterns) {
    if (patterns.empty()) return {kEveryEntry};
    return patterns;
}

bool DeleteWalk::List(const std::string& folder, const std::string& pattern,
                      const std::function<void(const DirEntry&, const std::string&)>& visit) {
    // The entry was a real folder when it was listed; one that became a link since then would
    // lead outside the tree.
    if (fs_.IsLink(folder)) return false;
    const std::string prefix = PrefixOf(folder);
    return fs_.Enumerate(prefix + pattern, [&](const DirEntry& entry) {
        visit(entry, prefix + entry.name);
        return true;
    });
}

void DeleteWalk::ReportUnlisted(const std::string& folder) {
    CountDeleteOutcome(log_, Vol07Counter::FoldersOtherReasons, Vol07Category::FoldersOtherReasons,
                       folder);
}

bool DeleteWalk::Addressable(const DirEntry& entry, const std::string& full) {
    const std::string& name = entry.name;
    const bool onlyDots = name.find_first_not_of('.') == std::string::npos;
    if (name.empty() || onlyDots || (name.back() != '.' && name.back() != ' ')) return true;
    if (entry.isFolder && !entry.isLink)
        CountDeleteOutcome(log_, Vol07Counter::FoldersOtherReasons,
                           Vol07Category::FoldersOtherReasons, full);
    else
        CountDeleteOutcome(log_, Vol07Counter::FilesOtherReasons, Vol07Category::FilesOtherReasons,
                           full);
    return false;
}

void DeleteWalk::FilesIn(const std::string& folder, const std::string& pattern) {
    const bool listed = List(folder, pattern, [&](const DirEntry& entry, const std::string& full) {
        if (entry.isFolder || !Addressable(entry, full)) return;
        actions_.File(full);
    });
    if (!listed) ReportUnlisted(folder);
}

void DeleteWalk::FilesInTree(const std::string& mainFolder, const std::string& pattern,
                             AS_MULTIMAP_NIVO_FOLDER_NAMES& walkQueue) {
    walkQueue.clear();
    walkQueue.emplace(0u, mainFolder);
    const auto queueFolder = [&](const DirEntry& entry, const std::string& full) {
        if (entry.isFolder && !entry.isLink && Addressable(entry, full))
            walkQueue.emplace(CountSeparators(full), full);
    };
    while (!walkQueue.empty()) {
        const std::string folder = TakeDeepest(walkQueue).second;
        bool listed = false;
        if (MatchesEverything(pattern)) {
            // One listing finds the files and the subfolders alike.
            listed = List(folder, pattern, [&](const DirEntry& entry, const std::string& full) {
                if (entry.isFolder)
                    queueFolder(entry, full);
                else if (Addressable(entry, full))
                    actions_.File(full);
            });
        } else {
            listed = List(folder, pattern,
                          [&](const DirEntry& entry, const std::string& full) {
                              if (!entry.isFolder && Addressable(entry, full)) actions_.File(full);
                          }) &&
                     List(folder, kEveryEntry, [&](const DirEntry& entry, const std::string& full) {
                         if (entry.isFolder) queueFolder(entry, full);
                     });
        }
        if (!listed) ReportUnlisted(folder);
    }
}

void DeleteWalk::Structure(const std::string& mainFolder, bool removeMain,
                           AS_MULTIMAP_NIVO_FOLDER_NAMES& walkQueue,
                           AS_MULTIMAP_NIVO_FOLDER_NAMES& removalList) {
    walkQueue.clear();
    removalList.clear();
    walkQueue.emplace(0u, mainFolder);
    while (!walkQueue.empty()) {
        auto [depth, folder] = TakeDeepest(walkQueue);
        const bool isMain = depth == 0;
        const bool listed =
            List(folder, kEveryEntry, [&](const DirEntry& entry, const std::string& full) {
                if (!Addressable(entry, full)) return;
                if (entry.isFolder && !entry.isLink)
                    walkQueue.emplace(CountSeparators(full), full);
                else
                    actions_.File(full);
            });
        // An unlisted folder fails at its removal; only a main folder that stays needs a word.
        if (!listed && isMain && !removeMain) ReportUnlisted(folder);
        if (removeMain || !isMain) removalList.emplace(depth, std::move(folder));
    }
    // Greatest key first, among equal keys the one put in last.
    for (auto it = removalList.rbegin(); it != removalList.rend(); ++it)
        actions_.Folder(it->second);
    removalList.clear();
}

}  // namespace arbovane
