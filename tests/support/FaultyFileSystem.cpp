#include "support/FaultyFileSystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>

namespace arbovane::testing {

namespace {
std::string Fold(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return c == '/' ? '\\' : static_cast<char>(std::tolower(c));
    });
    return text;
}
std::string Under(const std::string& root, const std::string& relative) {
    if (relative.empty()) return root;
    if (!root.empty() && (root.back() == '\\' || root.back() == '/')) return root + relative;
    return root + "\\" + relative;
}

class FaultyFolderTree : public FolderTree {
public:
    FaultyFolderTree(FaultyFileSystem& owner, std::unique_ptr<FolderTree> inner)
        : owner_(owner), inner_(std::move(inner)) {}
    FolderTree& Inner() { return *inner_; }

    const std::string& Root() const override { return inner_->Root(); }
    bool List(const std::string& relative, const std::string& pattern,
              std::vector<DirEntry>& entries, FsError& why) override {
        if (!owner_.Pass(FaultyFileSystem::Op::Enumerate, Under(Under(Root(), relative), pattern),
                         false))
            return Failed(why);
        return inner_->List(relative, pattern, entries, why);
    }
    bool ListKinds(const std::string& relative, const std::string& pattern,
                   std::vector<DirEntry>& entries, FsError& why) override {
        if (!owner_.Pass(FaultyFileSystem::Op::Enumerate, Under(Under(Root(), relative), pattern),
                         false))
            return Failed(why);
        return inner_->ListKinds(relative, pattern, entries, why);
    }
    bool GetAttributes(const std::string& relative, std::uint32_t& attributes,
                       FsError& why) override {
        return inner_->GetAttributes(relative, attributes, why);
    }
    bool SetAttributes(const std::string& relative, std::uint32_t attributes,
                       FsError& why) override {
        if (!owner_.Pass(FaultyFileSystem::Op::SetAttributes, Under(Root(), relative), true))
            return Failed(why);
        return inner_->SetAttributes(relative, attributes, why);
    }
    bool RemoveFile(const std::string& relative, FsError& why) override {
        if (!owner_.Pass(FaultyFileSystem::Op::RemoveFile, Under(Root(), relative), true))
            return Failed(why);
        return inner_->RemoveFile(relative, why);
    }
    bool RemoveFolder(const std::string& relative, FsError& why) override {
        if (!owner_.Pass(FaultyFileSystem::Op::RemoveEmptyFolder, Under(Root(), relative), true))
            return Failed(why);
        return inner_->RemoveFolder(relative, why);
    }
    CreateOutcome MakeFolder(const std::string& relative, FsError& why) override {
        if (!owner_.Pass(FaultyFileSystem::Op::CreateFolder, Under(Root(), relative), true)) {
            Failed(why);
            return CreateOutcome::Failed;
        }
        const CreateOutcome outcome = inner_->MakeFolder(relative, why);
        owner_.Made();
        return outcome;
    }
    CreateOutcome CopyFileTo(const std::string& relative, FolderTree& target,
                             const std::string& targetRelative, FileStamp& stamp,
                             FsError& why) override {
        auto* faulty = dynamic_cast<FaultyFolderTree*>(&target);
        if (!owner_.Pass(FaultyFileSystem::Op::CopyNewFile, Under(target.Root(), targetRelative),
                         true)) {
            Failed(why);
            return CreateOutcome::Failed;
        }
        const CreateOutcome outcome = inner_->CopyFileTo(
            relative, faulty ? faulty->Inner() : target, targetRelative, stamp, why);
        owner_.Made();
        return outcome;
    }
    CreateOutcome CopyFileFrom(FolderTree& source, const std::string& relative,
                               const std::string& targetRelative, FileStamp& stamp,
                               FsError& why) override {
        auto* faulty = dynamic_cast<FaultyFolderTree*>(&source);
        if (!owner_.Pass(FaultyFileSystem::Op::CopyNewFile, Under(Root(), targetRelative), true)) {
            Failed(why);
            return CreateOutcome::Failed;
        }
        return inner_->CopyFileFrom(faulty ? faulty->Inner() : source, relative, targetRelative,
                                    stamp, why);
    }
    CreateOutcome CanCreate(const std::string& relative, FsError& why) override {
        if (!owner_.Pass(FaultyFileSystem::Op::CanCreate, Under(Root(), relative), false)) {
            Failed(why);
            return CreateOutcome::Failed;
        }
        return inner_->CanCreate(relative, why);
    }
    bool IdentifyFolder(const std::string& relative, FolderIdentity& identity,
                        FsError& why) override {
        return inner_->IdentifyFolder(relative, identity, why);
    }
    bool GetFileStamp(const std::string& relative, FileStamp& stamp, FsError& why) override {
        return inner_->GetFileStamp(relative, stamp, why);
    }

private:
    static bool Failed(FsError& why) {
        why = FsError::Other;
        return false;
    }

    FaultyFileSystem& owner_;
    std::unique_ptr<FolderTree> inner_;
};

}  // namespace

std::unique_ptr<FolderTree> FaultyFileSystem::OpenTree(const std::string& root, FsError& why,
                                                       bool refuseLinkRoot) {
    if (!Pass(Op::OpenTree, root, false)) {
        why = FsError::Other;
        return nullptr;
    }
    auto inner = inner_.OpenTree(root, why, refuseLinkRoot);
    if (!inner) return nullptr;
    return std::make_unique<FaultyFolderTree>(*this, std::move(inner));
}

void FaultyFileSystem::FailOn(Op op, const std::string& path) {
    failures_.insert({op, path == "*" ? path : Fold(path)});
}

void FaultyFileSystem::Before(Op op, std::function<void(const std::string&)> hook) {
    hooks_.emplace(op, std::move(hook));
}

bool FaultyFileSystem::Pass(Op op, const std::string& path, bool mutating) {
    ++calls_[op];
    if (mutating) {
        ++mutations_;
        if (forbidMutations_) ADD_FAILURE() << "mutating call on " << path;
    }
    if (failures_.count({op, "*"}) || failures_.count({op, Fold(path)})) return false;
    auto range = hooks_.equal_range(op);
    for (auto it = range.first; it != range.second; ++it) it->second(path);
    return !(mutating && forbidMutations_);
}

bool FaultyFileSystem::Enumerate(const std::string& folderAndPattern, const EntryVisitor& visit) {
    return Pass(Op::Enumerate, folderAndPattern, false) &&
           inner_.Enumerate(folderAndPattern, visit);
}
bool FaultyFileSystem::ReadWholeFile(const std::string& path, std::string& bytes) {
    return Pass(Op::ReadWholeFile, path, false) && inner_.ReadWholeFile(path, bytes);
}
bool FaultyFileSystem::WriteWholeFile(const std::string& path, const std::string& bytes) {
    return Pass(Op::WriteWholeFile, path, true) && inner_.WriteWholeFile(path, bytes);
}
bool FaultyFileSystem::CreateFolderTree(const std::string& path) {
    return Pass(Op::CreateFolderTree, path, true) && inner_.CreateFolderTree(path);
}
bool FaultyFileSystem::RemoveEmptyFolder(const std::string& path) {
    return Pass(Op::RemoveEmptyFolder, path, true) && inner_.RemoveEmptyFolder(path);
}
bool FaultyFileSystem::RemoveFile(const std::string& path) {
    return Pass(Op::RemoveFile, path, true) && inner_.RemoveFile(path);
}
bool FaultyFileSystem::CopyFileNoOverwrite(const std::string& source, const std::string& target) {
    return Pass(Op::CopyFileNoOverwrite, target, true) &&
           inner_.CopyFileNoOverwrite(source, target);
}
CreateOutcome FaultyFileSystem::CopyNewFile(const std::string& source, const std::string& target,
                                            FileStamp& stamp) {
    if (!Pass(Op::CopyNewFile, target, true)) return CreateOutcome::Failed;
    const CreateOutcome outcome = inner_.CopyNewFile(source, target, stamp);
    Made();
    return outcome;
}
CreateOutcome FaultyFileSystem::CanCreate(const std::string& path, FsError& why) {
    if (!Pass(Op::CanCreate, path, false)) {
        why = FsError::Other;
        return CreateOutcome::Failed;
    }
    return inner_.CanCreate(path, why);
}
CreateOutcome FaultyFileSystem::CreateFolder(const std::string& path) {
    if (!Pass(Op::CreateFolder, path, true)) return CreateOutcome::Failed;
    const CreateOutcome outcome = inner_.CreateFolder(path);
    Made();
    return outcome;
}
std::string FaultyFileSystem::Key(const std::string& path) {
    return Fold(path.substr(0, std::min<std::size_t>(path.size(), 2)));
}
bool FaultyFileSystem::VolumeId(const std::string& path, std::uint64_t& id) {
    const auto it = volumes_.find(Key(path));
    if (it == volumes_.end()) return inner_.VolumeId(path, id);
    id = it->second;
    return true;
}
bool FaultyFileSystem::MoveFolderNoReplace(const std::string& source, const std::string& target) {
    if (!Pass(Op::MoveFolderNoReplace, source, true)) return false;
    const bool moved = inner_.MoveFolderNoReplace(source, target);
    Made();
    return moved;
}
bool FaultyFileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
    return Pass(Op::SetAttributes, path, true) && inner_.SetAttributes(path, attributes);
}
bool FaultyFileSystem::FreeBytesForUser(const std::string& path, std::uint64_t& bytes) {
    if (!Pass(Op::FreeBytesForUser, path, false)) return false;
    const auto it = freeBytes_.find(Key(path));
    if (it == freeBytes_.end()) return inner_.FreeBytesForUser(path, bytes);
    bytes = it->second;
    return true;
}
bool FaultyFileSystem::MakeCurrentDirectory(const std::string& path) {
    return Pass(Op::MakeCurrentDirectory, path, false) && inner_.MakeCurrentDirectory(path);
}

}  // namespace arbovane::testing
