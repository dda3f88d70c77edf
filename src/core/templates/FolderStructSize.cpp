#include "core/templates/FolderStructSize.h"

#include <utility>

#include "core/paths/Arbsplit.h"
#include "platform/FileSystem.h"

namespace arbovane {

namespace {

constexpr const char* kEveryEntry = "*.*";

bool EndsWithSeparator(const std::string& path) {
    return !path.empty() && (path.back() == '\\' || path.back() == '/');
}

// A root such as "d:\" already ends in its separator; doubling it would give "d:\\x".
std::string PrefixOf(const std::string& folder) {
    return EndsWithSeparator(folder) ? folder : folder + '\\';
}

// A trailing separator does not make "d:\T\" deeper than "d:\T"; the one of a drive root stays, as
// its folders are listed one level below it.
unsigned RootDepth(const std::string& root) {
    unsigned depth = CountSeparators(root);
    if (EndsWithSeparator(root) && CountSeparators(root.substr(0, root.size() - 1)) > 0) --depth;
    return depth;
}

}  // namespace

void FolderStructSize::Results::Add(std::string path, std::uint64_t size) {
    ++fileCount;
    byteTotal += size;
    sizes.try_emplace(std::move(path), size);
}

FolderStructSize::FolderStructSize(FileSystem& fs, std::string root)
    : fs_(fs), root_(std::move(root)) {
    RestartWalk();
}

FolderStructSize::~FolderStructSize() = default;

void FolderStructSize::RestartWalk() {
    workList_.clear();
    histogram_.clear();
    folderCount_ = 1;
    FsError why = FsError::None;
    tree_ = root_.empty() ? nullptr : fs_.OpenTree(root_, why);
    if (!root_.empty()) workList_.push_back({RootDepth(root_), PrefixOf(root_), {}, false});
}

bool FolderStructSize::TakeFolder(PendingFolder& folder) {
    if (workList_.empty()) return false;
    folder = std::move(workList_.front());
    workList_.pop_front();
    ++histogram_[folder.depth];
    return true;
}

void FolderStructSize::Visit(const PendingFolder& folder, const std::string& pattern,
                             Results* results, bool walkFolders) {
    std::vector<DirEntry> entries;
    FsError why = FsError::None;
    if (!tree_ || !tree_->List(folder.relative, pattern, entries, why)) return;
    for (const DirEntry& entry : entries) {
        if (entry.isFolder) {
            if (walkFolders) {
                // A name no path can address is counted, never entered.
                workList_.push_back(
                    {folder.depth + 1, folder.prefix + entry.name + '\\',
                     folder.relative.empty() ? entry.name : folder.relative + '\\' + entry.name,
                     entry.isLink || entry.unaddressable});
                ++folderCount_;
            }
        } else if (results) {
            results->Add(folder.prefix + entry.name, entry.size);
        }
    }
}

void FolderStructSize::FinishCount() {
    if (!includeMain_ && folderCount_ > 0) --folderCount_;
}

void FolderStructSize::MeasureAllFiles() {
    all_ = Results{};
    RestartWalk();
    PendingFolder folder;
    while (TakeFolder(folder)) {
        if (!folder.isLink) Visit(folder, kEveryEntry, &all_, true);
    }
    FinishCount();
}

void FolderStructSize::MeasureSelectedFiles(const std::vector<std::string>& patterns) {
    selected_ = Results{};
    RestartWalk();
    // The first pattern's walk finds the folders; later patterns list the same folders again
    // without listing each one for its subfolders a second time.
    std::vector<PendingFolder> walked;
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        const std::string& pattern = patterns[i];
        if (i > 0) {
            for (const PendingFolder& folder : walked) Visit(folder, pattern, &selected_, false);
            continue;
        }
        PendingFolder folder;
        while (TakeFolder(folder)) {
            if (folder.isLink) continue;
            if (pattern == kEveryEntry) {
                Visit(folder, pattern, &selected_, true);
            } else {
                Visit(folder, pattern, &selected_, false);
                Visit(folder, kEveryEntry, nullptr, true);
            }
            if (patterns.size() > 1) walked.push_back(std::move(folder));
        }
    }
    FinishCount();
}

void FolderStructSize::MeasureRootFiles(const std::vector<std::string>& patterns) {
    selected_ = Results{};
    RestartWalk();
    if (!workList_.empty()) {
        const PendingFolder root = workList_.front();
        workList_.clear();
        for (const std::string& pattern : patterns) Visit(root, pattern, &selected_, false);
    }
    FinishCount();
}

_tagLevelSummary FolderStructSize::SummaryOf(const Results& results) const {
    _tagLevelSummary summary;
    // The first entry is the root's own depth.
    for (auto it = histogram_.begin(); it != histogram_.end(); ++it) {
        if (it == histogram_.begin()) continue;
        summary.rows.push_back({std::to_string(it->first - 1), std::to_string(it->second)});
    }
    summary.folderName = root_;
    summary.folderSum = std::to_string(folderCount_);
    summary.fileSum = std::to_string(results.fileCount);
    summary.fileSize =
        FormatSize(results.byteTotal) + "  (" + std::to_string(results.byteTotal) + " bytes).";
    return summary;
}

}  // namespace arbovane
