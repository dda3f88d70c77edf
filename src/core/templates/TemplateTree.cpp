#include "core/templates/TemplateTree.h"

#include <unordered_set>
#include <utility>

#include "core/paths/PathText.h"
#include "platform/FileSystem.h"

namespace arbovane {

namespace {

constexpr const char* kEveryEntry = "*.*";

}  // namespace

bool IsUnaddressableName(const std::string& name) {
    return !name.empty() && (name.back() == '.' || name.back() == ' ');
}

TemplateTree TemplateTree::Read(FileSystem& fs, const std::string& root,
                                const std::vector<std::string>& patterns) {
    TemplateTree tree;
    tree.root_ = TrimSpaces(root);
    const bool endsInSeparator =
        !tree.root_.empty() && (tree.root_.back() == '\\' || tree.root_.back() == '/');
    tree.prefix_ = endsInSeparator ? tree.root_ : tree.root_ + '\\';
    tree.folders_.emplace_back();
    FsError why = FsError::None;
    if (!tree.root_.empty()) tree.source_ = fs.OpenTree(tree.root_, why);
    if (!tree.source_) {
        tree.folders_.front().listed = false;
        return tree;
    }

    // The listing of every entry serves the pattern "*.*" as well.
    std::size_t everyEntryPattern = patterns.size();
    for (std::size_t p = 0; p < patterns.size(); ++p)
        if (patterns[p] == kEveryEntry && everyEntryPattern == patterns.size())
            everyEntryPattern = p;

    for (std::size_t i = 0; i < tree.folders_.size(); ++i) {
        const std::string relative = tree.folders_[i].relative;
        std::vector<std::vector<File>> files(patterns.size());
        std::vector<Child> children;
        const auto unaddressable = [](const DirEntry& entry) {
            return entry.unaddressable || entry.unknown || IsUnaddressableName(entry.name);
        };
        const auto toFile = [&](const DirEntry& entry) {
            return File{entry.name, entry.size, entry.isLink || unaddressable(entry)};
        };
        std::vector<DirEntry> entries;
        const bool listed = tree.source_->List(relative, kEveryEntry, entries, why);
        for (const DirEntry& entry : entries) {
            if (entry.isFolder) {
                Child child{entry.name, ChildKind::Folder, 0};
                if (entry.isLink)
                    child.kind = ChildKind::FolderLink;
                else if (unaddressable(entry))
                    child.kind = ChildKind::Unaddressable;
                children.push_back(std::move(child));
            } else if (everyEntryPattern < patterns.size()) {
                files[everyEntryPattern].push_back(toFile(entry));
            }
        }
        for (std::size_t p = 0; listed && p < patterns.size(); ++p) {
            if (p == everyEntryPattern) continue;
            if (patterns[p] == kEveryEntry) {
                files[p] = files[everyEntryPattern];
                continue;
            }
            if (!tree.source_->List(relative, patterns[p], entries, why)) continue;
            for (const DirEntry& entry : entries)
                if (!entry.isFolder) files[p].push_back(toFile(entry));
        }
        for (Child& child : children) {
            if (child.kind != ChildKind::Folder) continue;
            child.folder = tree.folders_.size();
            Folder sub;
            sub.relative = relative.empty() ? child.name : relative + '\\' + child.name;
            tree.folders_.push_back(std::move(sub));
        }
        Folder& folder = tree.folders_[i];
        folder.listed = listed;
        folder.children = std::move(children);
        folder.files = std::move(files);
    }
    return tree;
}

std::string TemplateTree::SourceFolder(const Folder& folder) const {
    return folder.relative.empty() ? root_ : prefix_ + folder.relative;
}

std::string TemplateTree::SourcePath(const Folder& folder, const std::string& name) const {
    return folder.relative.empty() ? prefix_ + name : prefix_ + folder.relative + '\\' + name;
}

std::uint32_t TemplateTree::FolderCount(bool withRoot) const {
    std::uint32_t count = withRoot ? 1 : 0;
    for (const Folder& folder : folders_)
        count += static_cast<std::uint32_t>(folder.children.size());
    return count;
}

std::uint32_t TemplateTree::FileCount() const {
    std::uint32_t count = 0;
    for (const Folder& folder : folders_)
        for (const auto& files : folder.files) count += static_cast<std::uint32_t>(files.size());
    return count;
}

std::uint64_t TemplateTree::WrittenBytes() const {
    std::uint64_t total = 0;
    for (const Folder& folder : folders_) {
        std::unordered_set<std::string> seen;
        for (const auto& files : folder.files)
            for (const File& file : files)
                if (!file.refused && seen.insert(file.name).second) total += file.size;
    }
    return total;
}

std::uint64_t TemplateTree::ByteTotal() const {
    std::uint64_t total = 0;
    for (const Folder& folder : folders_)
        for (const auto& files : folder.files)
            for (const File& file : files)
                if (!file.refused) total += file.size;
    return total;
}

}  // namespace arbovane
