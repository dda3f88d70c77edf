#include "core/ops/SimulatingFileSystem.h"

#include <algorithm>
#include <cstdint>

#include "core/paths/PathText.h"
#include "platform/Text.h"

namespace arbovane {

namespace {

// A path as a drive part and the names below it.
struct PathNames {
    std::string drive;
    std::vector<std::string> names;

    // The drive's root and the first count names.
    std::string Prefix(std::size_t count) const {
        std::string out = drive + '\\';
        for (std::size_t i = 0; i < count && i < names.size(); ++i) {
            if (i > 0) out += '\\';
            out += names[i];
        }
        return out;
    }
};

std::vector<std::string> Components(const std::string& text, std::size_t from = 0) {
    std::vector<std::string> names;
    std::size_t pos = from;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\\/", pos);
        if (end == std::string::npos) end = text.size();
        std::string name = text.substr(pos, end - pos);
        pos = end + 1;
        if (name.empty() || name == ".") continue;
        if (name == "..") {
            if (!names.empty()) names.pop_back();
            continue;
        }
        names.push_back(std::move(name));
    }
    return names;
}

bool SplitPath(const std::string& path, PathNames& out) {
    const std::string text = WithBackslashes(path);
    out.drive = ExtractDrive(text);
    if (out.drive.empty()) return false;
    out.names = Components(text, out.drive.size());
    return true;
}

std::string JoinNames(const std::vector<std::string>& names, std::size_t from, std::size_t to) {
    std::string out;
    for (std::size_t i = from; i < to; ++i) {
        if (i > from) out += '\\';
        out += names[i];
    }
    return out;
}

bool EveryEntry(const std::string& pattern) {
    return pattern == "*" || pattern == "*.*";
}

CreateOutcome Refused(FsError& why, FsError reason) {
    why = reason;
    return CreateOutcome::Failed;
}

}  // namespace

struct SimulatingFileSystem::Made {
    struct Order {
        const Text* text;
        bool ignoreCase;
        bool operator()(const std::string& a, const std::string& b) const {
            return ignoreCase ? text->CompareNoCase(a, b) < 0 : a < b;
        }
    };

    Made(const Text& text, bool ignoreCase, bool isFolder, std::uint64_t bytes)
        : folder(isFolder), size(bytes), children(Order{&text, ignoreCase}) {}

    Made* Child(const std::string& name) {
        const auto it = children.find(name);
        return it == children.end() ? nullptr : it->second.get();
    }
    Made* Add(const std::string& name, bool isFolder, std::uint64_t bytes) {
        if (Made* found = Child(name)) return found;
        const Order& order = children.key_comp();
        auto made = std::make_unique<Made>(*order.text, order.ignoreCase, isFolder, bytes);
        return children.emplace(name, std::move(made)).first->second.get();
    }
    bool IgnoresCase() const { return children.key_comp().ignoreCase; }

    bool folder;
    std::uint64_t size;
    // Names are matched as the host matches them in the real folder these lie below.
    std::map<std::string, std::unique_ptr<Made>, Order> children;
};

namespace {

using Made = SimulatingFileSystem::Made;

// Follows names from a made folder; nullptr with why when one is missing or lies below a file.
Made* Walk(Made* at, const std::vector<std::string>& names, std::size_t from, FsError& why) {
    for (std::size_t i = from; i < names.size(); ++i) {
        if (!at) break;
        if (!at->folder) {
            why = FsError::NotAFolder;
            return nullptr;
        }
        at = at->Child(names[i]);
    }
    if (!at) why = FsError::NotFound;
    return at;
}

FolderIdentity IdentityOfMade(const Made& made) {
    FolderIdentity identity;
    identity.volume = ~std::uint64_t{0};
    identity.index = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(&made));
    identity.ignoresCase = made.IgnoresCase();
    return identity;
}

}  // namespace

// An open folder of the simulated disk: a real open folder, or the real folder deepest above a
// made one (prefix: the made names between them). Names below it are asked of the real tree
// first, as a run asks them, then of what was made.
class SimulatedTree : public FolderTree {
public:
    SimulatedTree(SimulatingFileSystem& owner, std::string root, std::unique_ptr<FolderTree> inner,
                  std::vector<std::string> prefix)
        : owner_(owner),
          root_(std::move(root)),
          inner_(std::move(inner)),
          prefix_(std::move(prefix)) {}

    const std::string& Root() const override { return root_; }

    bool List(const std::string& relative, const std::string& pattern,
              std::vector<DirEntry>& entries, FsError& why) override {
        return ListMerged(relative, pattern, false, entries, why);
    }
    bool ListKinds(const std::string& relative, const std::string& pattern,
                   std::vector<DirEntry>& entries, FsError& why) override {
        return ListMerged(relative, pattern, true, entries, why);
    }
    bool GetAttributes(const std::string& relative, std::uint32_t& attributes,
                       FsError& why) override {
        const std::string at = Inner(relative);
        if (inner_->GetAttributes(at, attributes, why)) return true;
        if (why != FsError::NotFound) return false;
        const Made* made = FindMade(at, why);
        if (!made) return false;
        attributes = made->folder ? kAttrDirectory : kAttrArchive;
        return true;
    }
    bool SetAttributes(const std::string&, std::uint32_t, FsError& why) override {
        return Untouched(why);
    }
    bool RemoveFile(const std::string&, FsError& why) override { return Untouched(why); }
    bool RemoveFolder(const std::string&, FsError& why) override { return Untouched(why); }

    CreateOutcome MakeFolder(const std::string& relative, FsError& why) override {
        if (Components(relative).empty()) return Refused(why, FsError::BadName);
        const std::string at = Inner(relative);
        const CreateOutcome found = Existing(at, why);
        if (found != CreateOutcome::Created) return found;
        if (!ParentIsThere(at, why)) return CreateOutcome::Failed;
        const CreateOutcome could = inner_->CanCreate(at, why);
        if (could == CreateOutcome::Created) Remember(at, true, 0);
        return could;
    }

    CreateOutcome CopyFileTo(const std::string& relative, FolderTree& target,
                             const std::string& targetRelative, FileStamp& stamp,
                             FsError& why) override {
        if (auto* simulated = dynamic_cast<SimulatedTree*>(&target))
            return simulated->CopyFileFrom(*this, relative, targetRelative, stamp, why);
        return Refused(why, FsError::AccessDenied);
    }
    CreateOutcome CopyFileFrom(FolderTree& source, const std::string& relative,
                               const std::string& targetRelative, FileStamp& stamp,
                               FsError& why) override {
        if (Components(targetRelative).empty()) return Refused(why, FsError::BadName);
        const std::string at = Inner(targetRelative);
        // Any entry holding the name keeps it, as the disk's copy never replaces.
        std::uint32_t attributes = 0;
        if (inner_->GetAttributes(at, attributes, why)) {
            why = FsError::Exists;
            return CreateOutcome::Existed;
        }
        if (why != FsError::NotFound) return CreateOutcome::Failed;
        if (FindMade(at, why)) {
            why = FsError::Exists;
            return CreateOutcome::Existed;
        }
        if (why != FsError::NotFound) return CreateOutcome::Failed;
        if (!ParentIsThere(at, why)) return CreateOutcome::Failed;
        const CreateOutcome could = inner_->CanCreate(at, why);
        if (could != CreateOutcome::Created) return could;
        // Only a file is copied, never through a link.
        std::uint32_t kind = 0;
        if (!source.GetAttributes(relative, kind, why)) return CreateOutcome::Failed;
        if (kind & kAttrReparsePoint) return Refused(why, FsError::IsLink);
        if (kind & kAttrDirectory) return Refused(why, FsError::NotAFolder);
        FsError ignored = FsError::None;
        FileStamp copied;
        source.GetFileStamp(relative, copied, ignored);
        Remember(at, false, copied.size);
        stamp = copied;
        return CreateOutcome::Created;
    }

    CreateOutcome CanCreate(const std::string& relative, FsError& why) override {
        const std::string at = Inner(relative);
        const CreateOutcome found = Existing(at, why);
        if (found != CreateOutcome::Created) return found;
        return inner_->CanCreate(at, why);
    }
    bool IdentifyFolder(const std::string& relative, FolderIdentity& identity,
                        FsError& why) override {
        const std::string at = Inner(relative);
        if (inner_->IdentifyFolder(at, identity, why)) return true;
        if (why != FsError::NotFound) return false;
        const Made* made = FindMade(at, why);
        if (!made || !made->folder) {
            if (made) why = FsError::NotAFolder;
            return false;
        }
        identity = IdentityOfMade(*made);
        return true;
    }
    bool GetFileStamp(const std::string& relative, FileStamp& stamp, FsError& why) override {
        const std::string at = Inner(relative);
        if (inner_->GetFileStamp(at, stamp, why)) return true;
        if (why != FsError::NotFound) return false;
        const Made* made = FindMade(at, why);
        if (!made || made->folder) {
            if (made) why = FsError::NotAFolder;
            return false;
        }
        stamp = {made->size, 0};
        return true;
    }

private:
    static bool Untouched(FsError& why) {
        why = FsError::AccessDenied;
        return false;
    }

    // Below the real tree: the made names of the root, then relative. A real root passes
    // relative on as it stands, so the real tree is asked exactly what a run asks.
    std::string Inner(const std::string& relative) const {
        if (prefix_.empty()) return relative;
        std::vector<std::string> names = prefix_;
        for (std::string& name : Components(relative)) names.push_back(std::move(name));
        return JoinNames(names, 0, names.size());
    }

    // The made entry at (below the real tree); nullptr with why.
    Made* FindMade(const std::string& at, FsError& why) {
        why = FsError::NotFound;
        if (owner_.anchors_.empty()) return nullptr;
        const std::vector<std::string> names = Components(at);
        for (std::size_t count = names.size(); count-- > 0;) {
            FolderIdentity identity;
            FsError missing = FsError::None;
            if (!inner_->IdentifyFolder(JoinNames(names, 0, count), identity, missing)) {
                if (missing == FsError::NotFound) continue;
                why = missing;
                return nullptr;
            }
            return Walk(owner_.Anchor(identity, false), names, count, why);
        }
        return nullptr;
    }

    void Remember(const std::string& at, bool folder, std::uint64_t size) {
        const std::vector<std::string> names = Components(at);
        for (std::size_t count = names.size(); count-- > 0;) {
            FolderIdentity identity;
            FsError missing = FsError::None;
            if (!inner_->IdentifyFolder(JoinNames(names, 0, count), identity, missing)) continue;
            owner_.Remember(
                identity,
                std::vector<std::string>(names.begin() + static_cast<long>(count), names.end()),
                folder, size);
            return;
        }
    }

    // Existed or Failed when an entry holds the name (why: Exists), Failed when the name cannot
    // be looked at; Created when nothing holds it.
    CreateOutcome Existing(const std::string& at, FsError& why) {
        std::uint32_t attributes = 0;
        if (inner_->GetAttributes(at, attributes, why)) return inner_->CanCreate(at, why);
        if (why != FsError::NotFound) return CreateOutcome::Failed;
        if (const Made* made = FindMade(at, why)) {
            why = FsError::Exists;
            return made->folder ? CreateOutcome::Existed : CreateOutcome::Failed;
        }
        return why == FsError::NotFound ? CreateOutcome::Created : CreateOutcome::Failed;
    }

    // A run creates one level at a time: the folder above must be there, on the disk or made.
    bool ParentIsThere(const std::string& at, FsError& why) {
        std::vector<std::string> names = Components(at);
        if (names.size() <= 1) return true;
        const std::string parent = JoinNames(names, 0, names.size() - 1);
        std::uint32_t attributes = 0;
        if (inner_->GetAttributes(parent, attributes, why)) return true;
        if (why != FsError::NotFound) return false;
        const Made* made = FindMade(parent, why);
        if (made && made->folder) return true;
        if (made) why = FsError::NotAFolder;
        return false;
    }

    bool ListMerged(const std::string& relative, const std::string& pattern, bool kindsOnly,
                    std::vector<DirEntry>& entries, FsError& why) {
        const std::string at = Inner(relative);
        const bool listed = kindsOnly ? inner_->ListKinds(at, pattern, entries, why)
                                      : inner_->List(at, pattern, entries, why);
        if (owner_.anchors_.empty()) return listed;
        const Made* made = nullptr;
        if (listed) {
            FolderIdentity identity;
            FsError ignored = FsError::None;
            if (inner_->IdentifyFolder(at, identity, ignored))
                made = owner_.Anchor(identity, false);
        } else {
            if (why != FsError::NotFound) return false;
            made = FindMade(at, why);
            if (!made || !made->folder) {
                if (made) why = FsError::NotAFolder;
                return false;
            }
            entries.clear();
        }
        owner_.AddMade(made, pattern, entries);
        return true;
    }

    SimulatingFileSystem& owner_;
    std::string root_;
    std::unique_ptr<FolderTree> inner_;
    std::vector<std::string> prefix_;
};

SimulatingFileSystem::SimulatingFileSystem(FileSystem& inner, const Text& text)
    : inner_(inner), text_(text) {}

SimulatingFileSystem::~SimulatingFileSystem() = default;

SimulatingFileSystem::Made* SimulatingFileSystem::Anchor(const FolderIdentity& identity,
                                                         bool create) {
    const auto key = std::make_pair(identity.volume, identity.index);
    const auto it = anchors_.find(key);
    if (it != anchors_.end()) return it->second.get();
    if (!create) return nullptr;
    auto made = std::make_unique<Made>(text_, identity.ignoresCase, true, 0);
    return anchors_.emplace(key, std::move(made)).first->second.get();
}

void SimulatingFileSystem::Remember(const FolderIdentity& real,
                                    const std::vector<std::string>& names, bool folder,
                                    std::uint64_t size) {
    if (names.empty()) return;
    Made* at = Anchor(real, true);
    for (std::size_t i = 0; i + 1 < names.size(); ++i) at = at->Add(names[i], true, 0);
    at->Add(names.back(), folder, size);
}

void SimulatingFileSystem::RememberPath(const std::string& path, bool folder, std::uint64_t size) {
    PathNames parts;
    if (!SplitPath(path, parts)) return;
    for (std::size_t count = parts.names.size(); count-- > 0;) {
        FolderIdentity identity;
        FsError missing = FsError::None;
        if (!inner_.IdentifyFolder(parts.Prefix(count), identity, missing)) continue;
        Remember(identity,
                 std::vector<std::string>(parts.names.begin() + static_cast<long>(count),
                                          parts.names.end()),
                 folder, size);
        return;
    }
}

// The deepest folder of path that the file system below holds, and the made entry below it.
SimulatingFileSystem::Made* SimulatingFileSystem::FindMade(const std::string& path, FsError& why) {
    why = FsError::NotFound;
    if (anchors_.empty()) return nullptr;
    PathNames parts;
    if (!SplitPath(path, parts)) return nullptr;
    for (std::size_t count = parts.names.size(); count-- > 0;) {
        const std::string prefix = parts.Prefix(count);
        FsError missing = FsError::None;
        if (!inner_.Exists(prefix, missing)) {
            if (missing == FsError::NotFound) continue;
            why = missing;
            return nullptr;
        }
        FolderIdentity identity;
        if (!inner_.IdentifyFolder(prefix, identity, why)) return nullptr;
        return Walk(Anchor(identity, false), parts.names, count, why);
    }
    return nullptr;
}

void SimulatingFileSystem::AddMade(const Made* folder, const std::string& pattern,
                                   std::vector<DirEntry>& entries) {
    if (!folder) return;
    bool added = false;
    for (const auto& [name, made] : folder->children) {
        if (!EveryEntry(pattern) && !inner_.MatchesPattern(pattern, name)) continue;
        DirEntry entry;
        entry.name = name;
        entry.isFolder = made->folder;
        entry.size = made->folder ? 0 : made->size;
        entry.attributes = made->folder ? kAttrDirectory : kAttrArchive;
        entries.push_back(std::move(entry));
        added = true;
    }
    if (added) Sort(entries);
}

void SimulatingFileSystem::Sort(std::vector<DirEntry>& entries) const {
    // The order every listing keeps: names ignoring case, the bytes breaking ties.
    std::sort(entries.begin(), entries.end(), [this](const DirEntry& a, const DirEntry& b) {
        const int order = text_.CompareNoCase(a.name, b.name);
        return order != 0 ? order < 0 : a.name < b.name;
    });
}

bool SimulatingFileSystem::Real(const std::string& path, FsError& why) {
    why = FsError::None;
    return inner_.Exists(path, why);
}

bool SimulatingFileSystem::IsFolder(const std::string& path) {
    if (inner_.IsFolder(path)) return true;
    FsError why = FsError::None;
    if (anchors_.empty() || Real(path, why) || why != FsError::NotFound) return false;
    const Made* made = FindMade(path, why);
    return made && made->folder;
}

bool SimulatingFileSystem::IsFile(const std::string& path) {
    if (inner_.IsFile(path)) return true;
    FsError why = FsError::None;
    if (anchors_.empty() || Real(path, why) || why != FsError::NotFound) return false;
    const Made* made = FindMade(path, why);
    return made && !made->folder;
}

bool SimulatingFileSystem::Exists(const std::string& path, FsError& why) {
    if (Real(path, why)) return true;
    if (why != FsError::NotFound || anchors_.empty()) return false;
    if (!FindMade(path, why)) return false;
    why = FsError::None;
    return true;
}

bool SimulatingFileSystem::GetAttributes(const std::string& path, std::uint32_t& attributes) {
    if (inner_.GetAttributes(path, attributes)) return true;
    FsError why = FsError::None;
    if (anchors_.empty() || Real(path, why) || why != FsError::NotFound) return false;
    const Made* made = FindMade(path, why);
    if (!made) return false;
    attributes = made->folder ? kAttrDirectory : kAttrArchive;
    return true;
}

bool SimulatingFileSystem::Enumerate(const std::string& folderAndPattern,
                                     const EntryVisitor& visit) {
    const std::string text = WithBackslashes(folderAndPattern);
    const auto slash = text.rfind('\\');
    if (anchors_.empty() || slash == std::string::npos)
        return inner_.Enumerate(folderAndPattern, visit);
    const std::string folder = text.substr(0, slash + 1);
    const std::string pattern = text.substr(slash + 1);
    std::vector<DirEntry> entries;
    const Made* made = nullptr;
    if (inner_.Enumerate(folderAndPattern, [&](const DirEntry& entry) {
            entries.push_back(entry);
            return true;
        })) {
        FolderIdentity identity;
        FsError ignored = FsError::None;
        if (inner_.IdentifyFolder(folder, identity, ignored)) made = Anchor(identity, false);
    } else {
        FsError why = FsError::None;
        made = FindMade(folder, why);
        if (!made || !made->folder) return false;
    }
    AddMade(made, pattern, entries);
    for (const DirEntry& entry : entries)
        if (!visit(entry)) break;
    return true;
}

std::unique_ptr<FolderTree> SimulatingFileSystem::OpenTree(const std::string& root, FsError& why,
                                                           bool refuseLinkRoot) {
    FsError missing = FsError::None;
    if (anchors_.empty() || Real(root, missing) || missing != FsError::NotFound) {
        auto tree = inner_.OpenTree(root, why, refuseLinkRoot);
        if (!tree) return nullptr;
        return std::make_unique<SimulatedTree>(*this, root, std::move(tree),
                                               std::vector<std::string>{});
    }
    // A made folder opens as the real folder deepest above it, with the made names between.
    PathNames parts;
    if (!SplitPath(root, parts)) {
        why = FsError::NotFound;
        return nullptr;
    }
    for (std::size_t count = parts.names.size(); count-- > 0;) {
        const std::string prefix = parts.Prefix(count);
        if (!Real(prefix, missing)) {
            if (missing == FsError::NotFound) continue;
            why = missing;
            return nullptr;
        }
        FolderIdentity identity;
        if (!inner_.IdentifyFolder(prefix, identity, why)) return nullptr;
        const Made* made = Walk(Anchor(identity, false), parts.names, count, why);
        if (!made || !made->folder) {
            if (made) why = FsError::NotAFolder;
            return nullptr;
        }
        auto tree = inner_.OpenTree(prefix, why);
        if (!tree) return nullptr;
        return std::make_unique<SimulatedTree>(
            *this, root, std::move(tree),
            std::vector<std::string>(parts.names.begin() + static_cast<long>(count),
                                     parts.names.end()));
    }
    why = FsError::NotFound;
    return nullptr;
}

bool SimulatingFileSystem::CreateFolderTree(const std::string& path) {
    PathNames parts;
    if (!SplitPath(path, parts)) return false;
    for (std::size_t count = 1; count <= parts.names.size(); ++count) {
        const std::string level = parts.Prefix(count);
        if (!IsFolder(level) && CreateFolder(level) == CreateOutcome::Failed) return false;
    }
    return IsFolder(path);
}

CreateOutcome SimulatingFileSystem::CanCreate(const std::string& path, FsError& why) {
    FsError missing = FsError::None;
    if (Real(path, missing)) return inner_.CanCreate(path, why);
    if (missing != FsError::NotFound) return Refused(why, missing);
    if (const Made* made = FindMade(path, why)) {
        why = FsError::Exists;
        return made->folder ? CreateOutcome::Existed : CreateOutcome::Failed;
    }
    if (why != FsError::NotFound) return CreateOutcome::Failed;
    return inner_.CanCreate(path, why);
}

bool SimulatingFileSystem::IdentifyFolder(const std::string& path, FolderIdentity& identity,
                                          FsError& why) {
    if (inner_.IdentifyFolder(path, identity, why)) return true;
    if (why != FsError::NotFound) return false;
    const Made* made = FindMade(path, why);
    if (!made || !made->folder) {
        if (made) why = FsError::NotAFolder;
        return false;
    }
    identity = IdentityOfMade(*made);
    return true;
}

CreateOutcome SimulatingFileSystem::CreateFolder(const std::string& path) {
    FsError why = FsError::None;
    // An entry holding the name: the disk says whether it is a folder to keep.
    if (Real(path, why))
        return inner_.CanCreate(path, why) == CreateOutcome::Existed ? CreateOutcome::Existed
                                                                     : CreateOutcome::Failed;
    if (why != FsError::NotFound) return CreateOutcome::Failed;
    if (const Made* made = FindMade(path, why))
        return made->folder ? CreateOutcome::Existed : CreateOutcome::Failed;
    PathNames parts;
    if (why != FsError::NotFound || !SplitPath(path, parts) || parts.names.empty())
        return CreateOutcome::Failed;
    // One level at a time: the folder above must be there already.
    if (!IsFolder(parts.Prefix(parts.names.size() - 1))) return CreateOutcome::Failed;
    if (inner_.CanCreate(path, why) != CreateOutcome::Created) return CreateOutcome::Failed;
    RememberPath(path, true, 0);
    return CreateOutcome::Created;
}

bool SimulatingFileSystem::CopyFileNoOverwrite(const std::string& source,
                                               const std::string& target) {
    FileStamp stamp;
    return CopyNewFile(source, target, stamp) == CreateOutcome::Created;
}

CreateOutcome SimulatingFileSystem::CopyNewFile(const std::string& source,
                                                const std::string& target, FileStamp& stamp) {
    // The source first, then the target, as the disk's copy looks at them.
    FileStamp copied;
    if (!GetFileStamp(source, copied) || IsLink(source)) return CreateOutcome::Failed;
    FsError why = FsError::None;
    if (Exists(target, why)) return CreateOutcome::Existed;
    PathNames parts;
    if (why != FsError::NotFound || !SplitPath(target, parts) || parts.names.empty() ||
        !IsFolder(parts.Prefix(parts.names.size() - 1)) ||
        inner_.CanCreate(target, why) != CreateOutcome::Created)
        return CreateOutcome::Failed;
    RememberPath(target, false, copied.size);
    stamp = copied;
    return CreateOutcome::Created;
}

bool SimulatingFileSystem::GetFileStamp(const std::string& path, FileStamp& stamp) {
    if (inner_.GetFileStamp(path, stamp)) return true;
    FsError why = FsError::None;
    if (anchors_.empty() || Real(path, why) || why != FsError::NotFound) return false;
    const Made* made = FindMade(path, why);
    if (!made || made->folder) return false;
    stamp = {made->size, 0};
    return true;
}

}  // namespace arbovane
