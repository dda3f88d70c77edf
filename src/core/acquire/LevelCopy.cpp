#include "core/acquire/LevelCopy.h"

#include <deque>
#include <utility>

#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace arbovane {

namespace {

// The name as the filter sees it: the last part of the trimmed path, trimmed again.
std::string FilterNameOf(const std::string& name) {
    auto end = name.size();
    while (end > 0 && static_cast<unsigned char>(name[end - 1]) <= ' ') --end;
    std::size_t begin = 0;
    while (begin < end && name[begin] == ' ') ++begin;
    return name.substr(begin, end - begin);
}

// Links and mount points are never entered; a name no path can address is not listed.
bool IsWalkableFolder(const DirEntry& entry) {
    return entry.isFolder && !entry.isLink && !entry.unaddressable && !entry.unknown;
}

constexpr std::size_t kNoSlot = static_cast<std::size_t>(-1);

}  // namespace

LevelCopy::LevelCopy(FileSystem& fs, const Text& text, std::vector<std::string> roots)
    : fs_(fs), text_(text), roots_(std::move(roots)) {}

void LevelCopy::SetFromTo(std::int32_t from, std::int32_t to) {
    levelMode_ = kFromTo;
    from_ = from;
    to_ = to;
}

void LevelCopy::SetAbove(std::int32_t n) {
    levelMode_ = kAbove;
    above_ = n;
}

void LevelCopy::SetBelow(std::int32_t n) {
    levelMode_ = kBelow;
    below_ = n;
}

void LevelCopy::SetListMode(int mode) {
    listMode_ = mode == kAllInPath ? kAllInPath : kLastOnly;
}

void LevelCopy::SetFilter(const std::string& text) {
    filter_ = text_.LowerCase(text);
    if (!filter_.empty() && filter_.back() == '\\') filter_.pop_back();
}

LevelCopy::Decision LevelCopy::Decide(std::int64_t level) const {
    // Descend only where a subfolder can still be listed: past the band's last level nothing is.
    const bool all = listMode_ == kAllInPath;
    Decision d;
    switch (levelMode_) {
        case kFromTo:
            if (level > to_) break;
            d.list = level >= from_ && (all || level == to_);
            d.onlyIfLeaf = level >= from_ && !all && level < to_;
            d.descend = level < to_;
            break;
        case kAbove:
            if (level > above_) break;
            if (all) {
                d.list = true;
            } else {
                d.list = level == above_;
                d.onlyIfLeaf = level < above_;
            }
            d.descend = level < above_;
            break;
        case kBelow:
            d.list = level >= below_ && all;
            d.onlyIfLeaf = level >= below_ && !all;
            d.descend = true;
            break;
        case kNoLevelMode:
            break;
    }
    return d;
}

bool LevelCopy::PassesFilter(const std::string& name) const {
    if (filter_.empty()) return true;
    return text_.LowerCase(FilterNameOf(name)).find(filter_) != std::string::npos;
}

void LevelCopy::WalkRoot(const std::string& root) {
    // A listed folder takes its place in the results when its parent's enumeration finds it, but
    // stays there only once its own enumeration succeeds (a folder that cannot be listed is not
    // listed) and, when it is listed as the end of a branch, none of its subfolders can be listed
    // either: a child the walk cannot enter does not continue the branch. So every folder is
    // enumerated at most once, also the ones a leaf test needs.
    struct Pending {
        std::string path;
        std::string relative;  // below the root, for the root's open tree
        std::int64_t level = 0;
        std::size_t slot = kNoSlot;        // its place in the results, when it waits for a verdict
        std::size_t parentSlot = kNoSlot;  // the parent waiting to learn whether it is a leaf
    };
    std::vector<std::string> found;
    std::vector<char> listed;
    std::vector<char> onlyIfLeaf;
    std::vector<char> hasListableChild;

    // Every folder is queued one level below the folder that found it, and folders leave the
    // queue in level order, so first-in first-out is smallest depth first, then order of finding.
    FsError why = FsError::None;
    const std::unique_ptr<FolderTree> tree = fs_.OpenTree(root, why);
    if (!tree) return;
    std::deque<Pending> pending;
    pending.push_back({root, {}, 0, kNoSlot, kNoSlot});
    std::vector<DirEntry> entries;
    while (!pending.empty()) {
        Pending folder = std::move(pending.front());
        pending.pop_front();
        const Decision d = Decide(folder.level + 1);
        const bool walkChildren = d.list || d.onlyIfLeaf || d.descend;
        const bool waitsForLeaf = folder.slot != kNoSlot && onlyIfLeaf[folder.slot];
        const bool ok = tree->ListKinds(folder.relative, "*.*", entries, why);
        // Without children to walk, only whether this folder can be listed was wanted.
        for (const DirEntry& entry : entries) {
            if (!ok || (!walkChildren && !waitsForLeaf)) break;
            if (!IsWalkableFolder(entry)) continue;
            std::string path = folder.path + "\\" + entry.name;
            std::string relative =
                folder.relative.empty() ? entry.name : folder.relative + "\\" + entry.name;
            std::size_t slot = kNoSlot;
            if ((d.list || d.onlyIfLeaf) && PassesFilter(entry.name)) {
                slot = found.size();
                found.push_back(path);
                listed.push_back(0);
                onlyIfLeaf.push_back(d.onlyIfLeaf ? 1 : 0);
                hasListableChild.push_back(0);
            }
            // A child is queued where the walk goes on, where it is a candidate itself, and
            // where only its own enumeration can tell whether its parent ends a branch.
            const std::size_t parentSlot = waitsForLeaf ? folder.slot : kNoSlot;
            if (slot != kNoSlot || d.descend || parentSlot != kNoSlot)
                pending.push_back(
                    {std::move(path), std::move(relative), folder.level + 1, slot, parentSlot});
        }
        if (folder.slot != kNoSlot) listed[folder.slot] = ok ? 1 : 0;
        if (ok && folder.parentSlot != kNoSlot) hasListableChild[folder.parentSlot] = 1;
    }
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (listed[i] && !(onlyIfLeaf[i] && hasListableChild[i]))
            results_.push_back(std::move(found[i]));
    }
}

void LevelCopy::Walk() {
    if (levelMode_ == kNoLevelMode) return;
    for (const std::string& root : roots_) WalkRoot(root);
}

}  // namespace arbovane
