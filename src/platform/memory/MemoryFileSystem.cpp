#include "platform/memory/MemoryFileSystem.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

#include "platform/Text.h"
#include "platform/shared/WindowsNames.h"
#include "platform/shared/WindowsPathParts.h"
#include "platform/shared/WindowsPattern.h"

namespace arbovane {

namespace {

// Links pointing at links end somewhere or are given up, as Windows gives them up.
constexpr int kLinkDepth = 32;

std::vector<std::string> SplitRelative(const std::string& relative) {
    std::vector<std::string> names;
    std::size_t pos = 0;
    while (pos < relative.size()) {
        const std::size_t next = relative.find_first_of("\\/", pos);
        const std::size_t end = next == std::string::npos ? relative.size() : next;
        if (end > pos) names.push_back(relative.substr(pos, end - pos));
        pos = end + 1;
    }
    return names;
}

}  // namespace

struct MemoryFileSystem::Node {
    std::string name;
    bool isFolder = false;
    std::string linkTarget;  // not empty for a link
    std::string bytes;
    std::uint64_t size = 0;
    std::uint32_t attributes = 0;
    std::int64_t modifiedNs = 0;
    std::vector<NodePtr> children;
    Node* parent = nullptr;
    char letter = 0;        // the drive, for roots
    bool detached = false;  // removed; open trees holding it find nothing

    bool IsLink() const { return !linkTarget.empty(); }
};

// An open folder of the memory file system. It holds its root node, so a root renamed meanwhile
// is still the folder it opened, and a removed one is found missing.
class MemoryFolderTree : public FolderTree {
public:
    MemoryFolderTree(MemoryFileSystem& fs, std::string root, MemoryFileSystem::NodePtr node)
        : fs_(fs), root_(std::move(root)), node_(std::move(node)) {}

    const std::string& Root() const override { return root_; }

    bool List(const std::string& relative, const std::string& pattern,
              std::vector<DirEntry>& entries, FsError& why) override {
        entries.clear();
        const auto folder = Find(relative, why);
        if (!folder) return false;
        if (folder->IsLink()) return Fail(why, FsError::IsLink);
        if (!folder->isFolder) return Fail(why, FsError::NotAFolder);
        for (const auto& child : folder->children)
            if (MatchesWindowsPattern(fs_.text_, pattern, child->name))
                entries.push_back(fs_.EntryOf(child));
        fs_.Sorted(entries);
        return true;
    }
    bool GetAttributes(const std::string& relative, std::uint32_t& attributes,
                       FsError& why) override {
        const auto node = Find(relative, why);
        if (!node) return false;
        attributes = fs_.EntryOf(node).attributes;
        return true;
    }
    bool SetAttributes(const std::string& relative, std::uint32_t attributes,
                       FsError& why) override {
        const auto node = Find(relative, why);
        if (!node) return false;
        if (!node->IsLink())
            node->attributes =
                attributes & (kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrArchive);
        ++fs_.mutations_;
        return true;
    }
    bool RemoveFile(const std::string& relative, FsError& why) override {
        const auto node = Find(relative, why);
        if (!node) return false;
        if (node->isFolder && !node->IsLink()) return Fail(why, FsError::NotAFolder);
        if (node->attributes & kAttrReadOnly) return Fail(why, FsError::AccessDenied);
        fs_.Detach(node);
        return true;
    }
    bool RemoveFolder(const std::string& relative, FsError& why) override {
        const auto node = Find(relative, why);
        if (!node) return false;
        if (node->IsLink()) return Fail(why, FsError::IsLink);
        if (!node->isFolder) return Fail(why, FsError::NotAFolder);
        if (!node->children.empty()) return Fail(why, FsError::NotEmpty);
        if ((node->attributes & kAttrReadOnly) || !node->parent || fs_.HoldsCurrentDirectory(node))
            return Fail(why, FsError::AccessDenied);
        fs_.Detach(node);
        return true;
    }
    CreateOutcome MakeFolder(const std::string& relative, FsError& why) override {
        MemoryFileSystem::NodePtr parent;
        std::string name;
        if (!Split(relative, parent, name, why)) return CreateOutcome::Failed;
        if (const auto existing = fs_.Child(*parent, name)) {
            why = FsError::Exists;
            return existing->isFolder && !existing->IsLink() ? CreateOutcome::Existed
                                                             : CreateOutcome::Failed;
        }
        if (!IsCreatableWindowsName(name)) {
            why = FsError::BadName;
            return CreateOutcome::Failed;
        }
        fs_.NewChild(parent, name, true);
        return CreateOutcome::Created;
    }
    CreateOutcome CopyFileTo(const std::string& relative, FolderTree& target,
                             const std::string& targetRelative, FileStamp& stamp,
                             FsError& why) override {
        auto* other = dynamic_cast<MemoryFolderTree*>(&target);
        if (!other || &other->fs_ != &fs_) {
            why = FsError::Other;
            return CreateOutcome::Failed;
        }
        const auto source = Find(relative, why);
        if (!source) return CreateOutcome::Failed;
        MemoryFileSystem::NodePtr parent;
        std::string name;
        if (!other->Split(targetRelative, parent, name, why)) return CreateOutcome::Failed;
        return fs_.CopyNode(source, parent, name, stamp, why);
    }

    CreateOutcome CanCreate(const std::string& relative, FsError& why) override {
        const std::vector<std::string> names = SplitRelative(relative);
        if (node_->detached) {
            why = FsError::NotFound;
            return CreateOutcome::Failed;
        }
        auto folder = node_;
        std::size_t i = 0;
        for (; i < names.size(); ++i) {
            if (folder->IsLink()) {
                why = FsError::IsLink;
                return CreateOutcome::Failed;
            }
            if (!folder->isFolder) {
                why = FsError::NotAFolder;
                return CreateOutcome::Failed;
            }
            const auto child = fs_.Child(*folder, names[i]);
            if (!child) break;
            folder = child;
        }
        return MemoryFileSystem::CanCreateBelow(folder, names, i, why);
    }
    bool IdentifyFolder(const std::string& relative, FolderIdentity& identity,
                        FsError& why) override {
        const auto node = Find(relative, why);
        if (!node) return false;
        if (node->IsLink()) return Fail(why, FsError::IsLink);
        if (!node->isFolder) return Fail(why, FsError::NotAFolder);
        identity = fs_.IdentityOf(node);
        return true;
    }
    bool GetFileStamp(const std::string& relative, FileStamp& stamp, FsError& why) override {
        const auto node = Find(relative, why);
        if (!node) return false;
        if (node->isFolder && !node->IsLink()) return Fail(why, FsError::NotAFolder);
        stamp = {node->size, node->modifiedNs};
        return true;
    }

private:
    static bool Fail(FsError& why, FsError reason) {
        why = reason;
        return false;
    }
    // The entry relative names, never through a link.
    MemoryFileSystem::NodePtr Find(const std::string& relative, FsError& why) {
        if (node_->detached) {
            why = FsError::NotFound;
            return nullptr;
        }
        auto node = node_;
        for (const auto& name : SplitRelative(relative)) {
            if (node->IsLink()) {
                why = FsError::IsLink;
                return nullptr;
            }
            if (!node->isFolder) {
                why = FsError::NotAFolder;
                return nullptr;
            }
            node = fs_.Child(*node, name);
            if (!node) {
                why = FsError::NotFound;
                return nullptr;
            }
        }
        return node;
    }
    // The existing folder holding the last name of relative, and that name.
    bool Split(const std::string& relative, MemoryFileSystem::NodePtr& parent, std::string& name,
               FsError& why) {
        const auto pos = relative.find_last_of("\\/");
        name = pos == std::string::npos ? relative : relative.substr(pos + 1);
        parent = Find(pos == std::string::npos ? std::string() : relative.substr(0, pos), why);
        if (!parent) return false;
        if (parent->IsLink()) return Fail(why, FsError::IsLink);
        if (!parent->isFolder) return Fail(why, FsError::NotAFolder);
        if (name.empty()) return Fail(why, FsError::BadName);
        return true;
    }

    MemoryFileSystem& fs_;
    std::string root_;
    MemoryFileSystem::NodePtr node_;
};

MemoryFileSystem::MemoryFileSystem(const Text& text) : text_(text) {}

MemoryFileSystem::~MemoryFileSystem() = default;

MemoryFileSystem::Drive& MemoryFileSystem::EnsureDrive(char letter) {
    letter = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    auto it = drives_.find(letter);
    if (it == drives_.end()) {
        Drive drive;
        drive.root = std::make_shared<Node>();
        drive.root->isFolder = true;
        drive.root->letter = letter;
        drive.root->attributes = kAttrDirectory;
        it = drives_.emplace(letter, std::move(drive)).first;
        if (!current_) current_ = it->second.root;
    }
    return it->second;
}

void MemoryFileSystem::AddDrive(char letter, int type, std::uint64_t freeBytes) {
    Drive& drive = EnsureDrive(letter);
    drive.type = type;
    drive.freeBytes = freeBytes;
}

void MemoryFileSystem::SetFreeBytes(char letter, std::uint64_t bytes) {
    EnsureDrive(letter).freeBytes = bytes;
}

bool MemoryFileSystem::AddFolder(const std::string& path) {
    WindowsPathParts parts;
    if (!SplitWindowsPath(path, parts) || parts.anchor != PathAnchor::kDriveRoot) return false;
    EnsureDrive(parts.letter);
    return CreateFolderTree(path);
}

bool MemoryFileSystem::AddFile(const std::string& path, std::uint64_t size,
                               std::uint32_t attributes) {
    const auto pos = path.find_last_of("\\/");
    if (pos == std::string::npos || !AddFolder(path.substr(0, pos + 1))) return false;
    if (!WriteWholeFile(path, std::string())) return false;
    const auto node = FileOf(path);
    node->size = size;
    node->attributes = attributes ? attributes : kAttrArchive;
    return true;
}

bool MemoryFileSystem::AddFileWithContent(const std::string& path, const std::string& bytes) {
    if (!AddFile(path)) return false;
    return WriteWholeFile(path, bytes);
}

bool MemoryFileSystem::AddLink(const std::string& path, const std::string& target) {
    const auto pos = path.find_last_of("\\/");
    if (pos == std::string::npos || target.empty() || !AddFolder(path.substr(0, pos + 1)))
        return false;
    Located at;
    if (Locate(path, at) || !at.parent || !IsCreatableWindowsName(at.names.back())) return false;
    const auto link = NewChild(at.parent, at.names.back(), false);
    link->linkTarget = target;
    link->attributes = kAttrReparsePoint;
    return true;
}

std::vector<std::string> MemoryFileSystem::Entries() const {
    std::vector<std::string> out;
    std::function<void(const Node&, const std::string&)> walk = [&](const Node& folder,
                                                                    const std::string& prefix) {
        std::vector<NodePtr> children = folder.children;
        std::sort(children.begin(), children.end(), [this](const NodePtr& a, const NodePtr& b) {
            const int order = text_.CompareNoCase(a->name, b->name);
            return order != 0 ? order < 0 : a->name < b->name;
        });
        for (const auto& child : children) {
            const std::string path = prefix + child->name;
            if (child->isFolder && !child->IsLink()) {
                out.push_back(path + "\\");
                walk(*child, path + "\\");
            } else {
                out.push_back(path);
            }
        }
    };
    for (const auto& [letter, drive] : drives_)
        walk(*drive.root, std::string(1, static_cast<char>(std::tolower(letter))) + ":\\");
    return out;
}

MemoryFileSystem::NodePtr MemoryFileSystem::Child(const Node& folder,
                                                  const std::string& name) const {
    for (const auto& child : folder.children)
        if (child->name == name) return child;
    for (const auto& child : folder.children)
        if (text_.EqualsNoCase(child->name, name)) return child;
    return nullptr;
}

MemoryFileSystem::NodePtr MemoryFileSystem::NewChild(const NodePtr& folder, const std::string& name,
                                                     bool isFolder) {
    auto node = std::make_shared<Node>();
    node->name = name;
    node->isFolder = isFolder;
    node->attributes = isFolder ? kAttrDirectory : kAttrArchive;
    node->modifiedNs = Tick();
    node->parent = folder.get();
    folder->children.push_back(node);
    ++mutations_;
    return node;
}

void MemoryFileSystem::Detach(const NodePtr& node) {
    Node* parent = node->parent;
    if (!parent) return;
    auto& siblings = parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), node), siblings.end());
    node->parent = nullptr;
    node->detached = true;
    ++mutations_;
}

MemoryFileSystem::NodePtr MemoryFileSystem::AnchorFolder(const WindowsPathParts& parts) const {
    const auto drive = [&](char letter) -> NodePtr {
        const auto it = drives_.find(letter);
        return it == drives_.end() ? nullptr : it->second.root;
    };
    const bool current = current_ && !current_->detached;
    switch (parts.anchor) {
        case PathAnchor::kDriveRoot:
            return drive(parts.letter);
        case PathAnchor::kDriveCurrent:
            return current && PathOf(current_)[0] == parts.letter ? current_ : drive(parts.letter);
        case PathAnchor::kCurrentDriveRoot:
            return current_ ? drive(PathOf(current_)[0]) : nullptr;
        case PathAnchor::kCurrentDirectory:
            return current ? current_ : nullptr;
        case PathAnchor::kShareRoot:
            break;
    }
    return nullptr;
}

bool MemoryFileSystem::Locate(const std::string& path, Located& at, int depth) {
    at = Located{};
    WindowsPathParts parts;
    if (!SplitWindowsPath(path, parts)) {
        at.why = FsError::BadName;
        return false;
    }
    const NodePtr folder = AnchorFolder(parts);
    if (!folder) {
        at.why = FsError::NotFound;
        return false;
    }
    at.letter = PathOf(folder)[0];
    NodePtr node = folder;
    for (std::size_t i = 0; i < parts.components.size(); ++i) {
        const std::string& name = parts.components[i];
        NodePtr current = Follow(node, depth);
        if (!current || !current->isFolder) {
            at.why = current ? FsError::NotAFolder : FsError::NotFound;
            return false;
        }
        if (name == "..") {
            if (current->parent)
                node = Owned(current->parent);
            else
                node = current;
            continue;
        }
        at.names.push_back(name);
        NodePtr child = Child(*current, name);
        if (!child) {
            at.why = FsError::NotFound;
            if (i + 1 == parts.components.size()) at.parent = current;
            return false;
        }
        node = child;
    }
    at.node = node;
    if (node->parent) at.parent = Owned(node->parent);
    return true;
}

MemoryFileSystem::NodePtr MemoryFileSystem::Owned(const Node* node) const {
    if (!node->parent) {
        const auto it = drives_.find(node->letter);
        return it == drives_.end() ? nullptr : it->second.root;
    }
    for (const auto& sibling : node->parent->children)
        if (sibling.get() == node) return sibling;
    return nullptr;
}

MemoryFileSystem::NodePtr MemoryFileSystem::Follow(const NodePtr& node, int depth) {
    if (!node || !node->IsLink()) return node;
    if (depth >= kLinkDepth) return nullptr;
    Located at;
    if (!Locate(node->linkTarget, at, depth + 1)) return nullptr;
    return Follow(at.node, depth + 1);
}

MemoryFileSystem::NodePtr MemoryFileSystem::FolderOf(const std::string& path) {
    Located at;
    if (!Locate(path, at)) return nullptr;
    const auto node = Follow(at.node);
    return node && node->isFolder ? node : nullptr;
}

MemoryFileSystem::NodePtr MemoryFileSystem::FileOf(const std::string& path) {
    Located at;
    if (!Locate(path, at)) return nullptr;
    const auto node = Follow(at.node);
    return node && !node->isFolder ? node : nullptr;
}

std::string MemoryFileSystem::PathOf(const NodePtr& node) const {
    std::string path;
    const Node* at = node.get();
    while (at->parent) {
        path = "\\" + at->name + path;
        at = at->parent;
    }
    return std::string(1, at->letter) + ":" + (path.empty() ? "\\" : path);
}

bool MemoryFileSystem::HoldsCurrentDirectory(const NodePtr& node) const {
    for (const Node* at = current_.get(); at; at = at->parent)
        if (at == node.get()) return true;
    return false;
}

DirEntry MemoryFileSystem::EntryOf(const NodePtr& node) {
    DirEntry entry;
    entry.name = node->name;
    if (node->IsLink()) {
        const auto target = Follow(node);
        entry.isLink = true;
        entry.isFolder = target && target->isFolder;
        entry.attributes =
            kAttrReparsePoint | (entry.isFolder ? std::uint32_t{kAttrDirectory} : 0u);
        return entry;
    }
    entry.isFolder = node->isFolder;
    entry.size = node->isFolder ? 0 : node->size;
    entry.attributes = node->attributes | (node->isFolder ? std::uint32_t{kAttrDirectory} : 0u);
    return entry;
}

void MemoryFileSystem::Sorted(std::vector<DirEntry>& entries) const {
    // Windows lists a folder in name order ignoring case; bytes break ties.
    std::sort(entries.begin(), entries.end(), [this](const DirEntry& a, const DirEntry& b) {
        const int order = text_.CompareNoCase(a.name, b.name);
        return order != 0 ? order < 0 : a.name < b.name;
    });
}

bool MemoryFileSystem::IsFolder(const std::string& path) {
    return FolderOf(path) != nullptr;
}

bool MemoryFileSystem::IsFile(const std::string& path) {
    Located at;
    if (!Locate(path, at)) return false;
    if (!at.node->IsLink()) return !at.node->isFolder;
    const auto target = Follow(at.node);
    return !target || !target->isFolder;
}

bool MemoryFileSystem::IsLink(const std::string& path) {
    Located at;
    return Locate(path, at) && at.node->IsLink();
}

bool MemoryFileSystem::Exists(const std::string& path, FsError& why) {
    Located at;
    if (Locate(path, at)) return true;
    why = at.why == FsError::BadName ? FsError::NotFound : at.why;
    return false;
}

bool MemoryFileSystem::GetAttributes(const std::string& path, std::uint32_t& attributes) {
    Located at;
    if (!Locate(path, at)) return false;
    attributes = EntryOf(at.node).attributes;
    return true;
}

bool MemoryFileSystem::SameEntry(const std::string& a, const std::string& b) {
    return a == b || text_.EqualsNoCase(a, b);
}

bool MemoryFileSystem::Enumerate(const std::string& folderAndPattern, const EntryVisitor& visit) {
    std::string text = folderAndPattern;
    std::replace(text.begin(), text.end(), '/', '\\');
    const auto pos = text.rfind('\\');
    if (pos == std::string::npos) return false;
    const auto folder = FolderOf(text.substr(0, pos + 1));
    if (!folder) return false;
    const std::string pattern = text.substr(pos + 1);
    std::vector<DirEntry> entries;
    for (const auto& child : folder->children)
        if (MatchesWindowsPattern(text_, pattern, child->name)) entries.push_back(EntryOf(child));
    Sorted(entries);
    for (const auto& entry : entries)
        if (!visit(entry)) break;
    return true;
}

std::unique_ptr<FolderTree> MemoryFileSystem::OpenTree(const std::string& root, FsError& why,
                                                       bool refuseLinkRoot) {
    Located at;
    if (!Locate(root, at)) {
        why = at.why;
        return nullptr;
    }
    if (at.node->IsLink() && refuseLinkRoot) {
        why = FsError::IsLink;
        return nullptr;
    }
    const auto folder = Follow(at.node);
    if (!folder || !folder->isFolder) {
        why = folder ? FsError::NotAFolder : FsError::NotFound;
        return nullptr;
    }
    return std::make_unique<MemoryFolderTree>(*this, root, folder);
}

bool MemoryFileSystem::ReadWholeFile(const std::string& path, std::string& bytes) {
    const auto file = FileOf(path);
    if (!file) return false;
    bytes = file->bytes;
    if (bytes.size() < file->size) bytes.resize(static_cast<std::size_t>(file->size), ' ');
    return true;
}

bool MemoryFileSystem::WriteWholeFile(const std::string& path, const std::string& bytes) {
    Located at;
    NodePtr file;
    if (Locate(path, at)) {
        file = Follow(at.node);
        if (!file || file->isFolder || (file->attributes & kAttrReadOnly)) return false;
    } else {
        if (!at.parent || at.why != FsError::NotFound || !IsCreatableWindowsName(at.names.back()))
            return false;
        file = NewChild(at.parent, at.names.back(), false);
    }
    file->bytes = bytes;
    file->size = bytes.size();
    file->modifiedNs = Tick();
    ++mutations_;
    return true;
}

bool MemoryFileSystem::CreateFolderTree(const std::string& path) {
    WindowsPathParts parts;
    if (!SplitWindowsPath(path, parts)) return false;
    // Refused before anything is made.
    for (const auto& name : parts.components)
        if (name != ".." && !IsCreatableWindowsName(name)) return false;
    NodePtr folder = AnchorFolder(parts);
    for (const auto& name : parts.components) {
        folder = Follow(folder);
        if (!folder || !folder->isFolder) return false;
        if (name == "..") {
            if (folder->parent) folder = Owned(folder->parent);
            continue;
        }
        NodePtr child = Child(*folder, name);
        if (!child) child = NewChild(folder, name, true);
        folder = child;
    }
    folder = Follow(folder);
    return folder && folder->isFolder;
}

CreateOutcome MemoryFileSystem::CanCreateBelow(NodePtr folder,
                                               const std::vector<std::string>& names,
                                               std::size_t first, FsError& why) {
    if (first == names.size()) {
        why = FsError::Exists;
        return folder->isFolder && !folder->IsLink() ? CreateOutcome::Existed
                                                     : CreateOutcome::Failed;
    }
    if (!folder->isFolder) {
        why = FsError::NotAFolder;
        return CreateOutcome::Failed;
    }
    for (std::size_t i = first; i < names.size(); ++i) {
        if (!IsCreatableWindowsName(names[i])) {
            why = FsError::BadName;
            return CreateOutcome::Failed;
        }
    }
    return CreateOutcome::Created;
}

FolderIdentity MemoryFileSystem::IdentityOf(const NodePtr& folder) const {
    FolderIdentity identity;
    identity.volume = static_cast<unsigned char>(PathOf(folder)[0]);
    identity.index = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(folder.get()));
    identity.ignoresCase = true;
    return identity;
}

CreateOutcome MemoryFileSystem::CanCreate(const std::string& path, FsError& why) {
    WindowsPathParts parts;
    if (!SplitWindowsPath(path, parts)) {
        why = FsError::BadName;
        return CreateOutcome::Failed;
    }
    NodePtr folder = AnchorFolder(parts);
    if (!folder) {
        why = FsError::NotFound;
        return CreateOutcome::Failed;
    }
    std::vector<std::string> names;
    for (const auto& name : parts.components) {
        if (name == "..") {
            if (!names.empty()) names.pop_back();
            continue;
        }
        names.push_back(name);
    }
    // Every name up to the last is reached through links, as paths are.
    std::size_t i = 0;
    for (; i < names.size(); ++i) {
        const NodePtr current = Follow(folder);
        if (!current || !current->isFolder) {
            why = current ? FsError::NotAFolder : FsError::NotFound;
            return CreateOutcome::Failed;
        }
        const NodePtr child = Child(*current, names[i]);
        if (!child) {
            folder = current;
            break;
        }
        folder = child;
    }
    return CanCreateBelow(folder, names, i, why);
}

bool MemoryFileSystem::IdentifyFolder(const std::string& path, FolderIdentity& identity,
                                      FsError& why) {
    Located at;
    if (!Locate(path, at)) {
        why = at.why == FsError::BadName ? FsError::NotFound : at.why;
        return false;
    }
    const NodePtr folder = Follow(at.node);
    if (!folder || !folder->isFolder) {
        why = folder ? FsError::NotAFolder : FsError::NotFound;
        return false;
    }
    identity = IdentityOf(folder);
    return true;
}

bool MemoryFileSystem::MatchesPattern(const std::string& pattern, const std::string& name) {
    return MatchesWindowsPattern(text_, pattern, name);
}

CreateOutcome MemoryFileSystem::CreateFolder(const std::string& path) {
    Located at;
    if (Locate(path, at)) {
        return !at.node->IsLink() && at.node->isFolder ? CreateOutcome::Existed
                                                       : CreateOutcome::Failed;
    }
    if (!at.parent || at.why != FsError::NotFound || !IsCreatableWindowsName(at.names.back()))
        return CreateOutcome::Failed;
    NewChild(at.parent, at.names.back(), true);
    return CreateOutcome::Created;
}

bool MemoryFileSystem::RemoveEmptyFolder(const std::string& path) {
    Located at;
    if (!Locate(path, at) || !at.node->parent) return false;
    const auto& node = at.node;
    if (node->IsLink()) {
        Detach(node);
        return true;
    }
    if (!node->isFolder || !node->children.empty() || (node->attributes & kAttrReadOnly) ||
        HoldsCurrentDirectory(node))
        return false;
    Detach(node);
    return true;
}

bool MemoryFileSystem::RemoveFile(const std::string& path) {
    Located at;
    if (!Locate(path, at)) return false;
    if ((at.node->isFolder && !at.node->IsLink()) || (at.node->attributes & kAttrReadOnly))
        return false;
    Detach(at.node);
    return true;
}

CreateOutcome MemoryFileSystem::CopyNode(const NodePtr& source, const NodePtr& folder,
                                         const std::string& name, FileStamp& stamp, FsError& why) {
    if (!source || source->isFolder || source->IsLink()) {
        why = source && source->IsLink() ? FsError::IsLink : FsError::NotFound;
        return CreateOutcome::Failed;
    }
    if (Child(*folder, name)) {
        why = FsError::Exists;
        return CreateOutcome::Existed;
    }
    if (!IsCreatableWindowsName(name)) {
        why = FsError::BadName;
        return CreateOutcome::Failed;
    }
    const auto copy = NewChild(folder, name, false);
    copy->bytes = source->bytes;
    copy->size = source->size;
    copy->attributes = source->attributes;
    copy->modifiedNs = source->modifiedNs;
    stamp = {copy->size, copy->modifiedNs};
    return CreateOutcome::Created;
}

bool MemoryFileSystem::CopyFileNoOverwrite(const std::string& source, const std::string& target) {
    FileStamp stamp;
    return CopyNewFile(source, target, stamp) == CreateOutcome::Created;
}

CreateOutcome MemoryFileSystem::CopyNewFile(const std::string& source, const std::string& target,
                                            FileStamp& stamp) {
    Located from;
    if (!Locate(source, from)) return CreateOutcome::Failed;
    Located to;
    if (Locate(target, to)) return CreateOutcome::Existed;
    if (!to.parent || to.why != FsError::NotFound) return CreateOutcome::Failed;
    FsError why = FsError::None;
    return CopyNode(from.node, to.parent, to.names.back(), stamp, why);
}

bool MemoryFileSystem::GetFileStamp(const std::string& path, FileStamp& stamp) {
    Located at;
    if (!Locate(path, at) || at.node->isFolder) return false;
    stamp = {at.node->size, at.node->modifiedNs};
    return true;
}

bool MemoryFileSystem::MoveFolderNoReplace(const std::string& source, const std::string& target) {
    Located from;
    if (!Locate(source, from) || !from.node->parent || from.node->IsLink() || !from.node->isFolder)
        return false;
    Located to;
    const bool taken = Locate(target, to);
    if (!to.parent || to.names.empty() || !IsCreatableWindowsName(to.names.back())) return false;
    const std::string& name = to.names.back();
    if (taken) {
        // Its own name in another spelling: the folder takes that spelling.
        if (to.node != from.node || from.node->name == name) return false;
        from.node->name = name;
        ++mutations_;
        return true;
    }
    for (const Node* at = to.parent.get(); at; at = at->parent)
        if (at == from.node.get()) return false;  // into itself
    const NodePtr node = from.node;
    Detach(node);
    node->detached = false;
    node->name = name;
    node->parent = to.parent.get();
    to.parent->children.push_back(node);
    return true;
}

bool MemoryFileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
    Located at;
    if (!Locate(path, at)) return false;
    if (!at.node->IsLink())
        at.node->attributes =
            attributes & (kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrArchive);
    ++mutations_;
    return true;
}

bool MemoryFileSystem::FreeBytesForUser(const std::string& path, std::uint64_t& bytes) {
    WindowsPathParts parts;
    if (!SplitWindowsPath(path, parts) || !parts.letter) return false;
    const auto it = drives_.find(parts.letter);
    if (it == drives_.end()) return false;
    bytes = it->second.freeBytes;
    return true;
}

bool MemoryFileSystem::VolumeId(const std::string& path, std::uint64_t& id) {
    WindowsPathParts parts;
    if (!SplitWindowsPath(path, parts) || !drives_.count(parts.letter)) return false;
    id = static_cast<unsigned char>(parts.letter);
    return true;
}

std::vector<LogicalDrive> MemoryFileSystem::LogicalDrives() {
    std::vector<LogicalDrive> out;
    for (const auto& [letter, drive] : drives_) out.push_back({letter, drive.type});
    return out;
}

int MemoryFileSystem::DriveType(const std::string& root) {
    WindowsPathParts parts;
    if (!SplitWindowsPath(root, parts) || !parts.letter) return kDriveNoRootDir;
    const auto it = drives_.find(parts.letter);
    return it == drives_.end() ? kDriveNoRootDir : it->second.type;
}

bool MemoryFileSystem::ReadCurrentDirectory(std::string& path) {
    if (!current_ || current_->detached) return false;
    path = PathOf(current_);
    return true;
}

bool MemoryFileSystem::MakeCurrentDirectory(const std::string& path) {
    const auto folder = FolderOf(path);
    if (!folder) return false;
    current_ = folder;
    return true;
}

}  // namespace arbovane
