#include "support/CountingFileSystem.h"

namespace arbovane::testing {

namespace {

class CountingTree : public FolderTree {
public:
    CountingTree(CountingFileSystem& owner, std::unique_ptr<FolderTree> inner)
        : owner_(owner), inner_(std::move(inner)) {}
    FolderTree& Inner() { return *inner_; }

    const std::string& Root() const override { return inner_->Root(); }
    bool List(const std::string& relative, const std::string& pattern,
              std::vector<DirEntry>& entries, FsError& why) override {
        owner_.Count("tree List");
        return inner_->List(relative, pattern, entries, why);
    }
    bool ListKinds(const std::string& relative, const std::string& pattern,
                   std::vector<DirEntry>& entries, FsError& why) override {
        owner_.Count("tree ListKinds");
        return inner_->ListKinds(relative, pattern, entries, why);
    }
    bool GetAttributes(const std::string& relative, std::uint32_t& attributes,
                       FsError& why) override {
        owner_.Count("tree GetAttributes");
        return inner_->GetAttributes(relative, attributes, why);
    }
    bool SetAttributes(const std::string& relative, std::uint32_t attributes,
                       FsError& why) override {
        owner_.Count("tree SetAttributes");
        return inner_->SetAttributes(relative, attributes, why);
    }
    bool RemoveFile(const std::string& relative, FsError& why) override {
        owner_.Count("tree RemoveFile");
        return inner_->RemoveFile(relative, why);
    }
    bool RemoveFolder(const std::string& relative, FsError& why) override {
        owner_.Count("tree RemoveFolder");
        return inner_->RemoveFolder(relative, why);
    }
    CreateOutcome MakeFolder(const std::string& relative, FsError& why) override {
        owner_.Count("tree MakeFolder");
        return inner_->MakeFolder(relative, why);
    }
    // A copy is one call, whichever of the two trees is asked.
    CreateOutcome CopyFileTo(const std::string& relative, FolderTree& target,
                             const std::string& targetRelative, FileStamp& stamp,
                             FsError& why) override {
        owner_.Count("tree CopyFile");
        auto* counting = dynamic_cast<CountingTree*>(&target);
        return inner_->CopyFileTo(relative, counting ? counting->Inner() : target, targetRelative,
                                  stamp, why);
    }
    CreateOutcome CopyFileFrom(FolderTree& source, const std::string& relative,
                               const std::string& targetRelative, FileStamp& stamp,
                               FsError& why) override {
        owner_.Count("tree CopyFile");
        auto* counting = dynamic_cast<CountingTree*>(&source);
        return inner_->CopyFileFrom(counting ? counting->Inner() : source, relative, targetRelative,
                                    stamp, why);
    }
    CreateOutcome CanCreate(const std::string& relative, FsError& why) override {
        owner_.Count("tree CanCreate");
        return inner_->CanCreate(relative, why);
    }
    bool IdentifyFolder(const std::string& relative, FolderIdentity& identity,
                        FsError& why) override {
        owner_.Count("tree IdentifyFolder");
        return inner_->IdentifyFolder(relative, identity, why);
    }
    bool GetFileStamp(const std::string& relative, FileStamp& stamp, FsError& why) override {
        owner_.Count("tree GetFileStamp");
        return inner_->GetFileStamp(relative, stamp, why);
    }

private:
    CountingFileSystem& owner_;
    std::unique_ptr<FolderTree> inner_;
};

}  // namespace

std::string CountingFileSystem::Summary() const {
    std::string text;
    for (const auto& [name, count] : byName_) text += name + ": " + std::to_string(count) + "\n";
    return text;
}

#define ARBOVANE_COUNTED(name, call) \
    Count(name);                     \
    return call

bool CountingFileSystem::IsFolder(const std::string& path) {
    ARBOVANE_COUNTED("IsFolder", Inner().IsFolder(path));
}
bool CountingFileSystem::IsFile(const std::string& path) {
    ARBOVANE_COUNTED("IsFile", Inner().IsFile(path));
}
bool CountingFileSystem::IsLink(const std::string& path) {
    ARBOVANE_COUNTED("IsLink", Inner().IsLink(path));
}
bool CountingFileSystem::Exists(const std::string& path, FsError& why) {
    ARBOVANE_COUNTED("Exists", Inner().Exists(path, why));
}
bool CountingFileSystem::GetAttributes(const std::string& path, std::uint32_t& attributes) {
    ARBOVANE_COUNTED("GetAttributes", Inner().GetAttributes(path, attributes));
}
bool CountingFileSystem::SameEntry(const std::string& a, const std::string& b) {
    ARBOVANE_COUNTED("SameEntry", Inner().SameEntry(a, b));
}
bool CountingFileSystem::Enumerate(const std::string& folderAndPattern, const EntryVisitor& visit) {
    ARBOVANE_COUNTED("Enumerate", Inner().Enumerate(folderAndPattern, visit));
}
std::unique_ptr<FolderTree> CountingFileSystem::OpenTree(const std::string& root, FsError& why,
                                                         bool refuseLinkRoot) {
    Count("OpenTree");
    auto inner = Inner().OpenTree(root, why, refuseLinkRoot);
    if (!inner) return nullptr;
    return std::make_unique<CountingTree>(*this, std::move(inner));
}
bool CountingFileSystem::ReadWholeFile(const std::string& path, std::string& bytes) {
    ARBOVANE_COUNTED("ReadWholeFile", Inner().ReadWholeFile(path, bytes));
}
CreateOutcome CountingFileSystem::CanCreate(const std::string& path, FsError& why) {
    ARBOVANE_COUNTED("CanCreate", Inner().CanCreate(path, why));
}
bool CountingFileSystem::IdentifyFolder(const std::string& path, FolderIdentity& identity,
                                        FsError& why) {
    ARBOVANE_COUNTED("IdentifyFolder", Inner().IdentifyFolder(path, identity, why));
}
bool CountingFileSystem::CreateFolderTree(const std::string& path) {
    ARBOVANE_COUNTED("CreateFolderTree", Inner().CreateFolderTree(path));
}
CreateOutcome CountingFileSystem::CreateFolder(const std::string& path) {
    ARBOVANE_COUNTED("CreateFolder", Inner().CreateFolder(path));
}
bool CountingFileSystem::RemoveEmptyFolder(const std::string& path) {
    ARBOVANE_COUNTED("RemoveEmptyFolder", Inner().RemoveEmptyFolder(path));
}
bool CountingFileSystem::RemoveFile(const std::string& path) {
    ARBOVANE_COUNTED("RemoveFile", Inner().RemoveFile(path));
}
CreateOutcome CountingFileSystem::CopyNewFile(const std::string& source, const std::string& target,
                                              FileStamp& stamp) {
    ARBOVANE_COUNTED("CopyNewFile", Inner().CopyNewFile(source, target, stamp));
}
bool CountingFileSystem::GetFileStamp(const std::string& path, FileStamp& stamp) {
    ARBOVANE_COUNTED("GetFileStamp", Inner().GetFileStamp(path, stamp));
}
bool CountingFileSystem::GetEntryStamp(const std::string& path, FileStamp& stamp) {
    ARBOVANE_COUNTED("GetEntryStamp", Inner().GetEntryStamp(path, stamp));
}
bool CountingFileSystem::MoveFolderNoReplace(const std::string& source, const std::string& target) {
    ARBOVANE_COUNTED("MoveFolderNoReplace", Inner().MoveFolderNoReplace(source, target));
}
bool CountingFileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
    ARBOVANE_COUNTED("SetAttributes", Inner().SetAttributes(path, attributes));
}
bool CountingFileSystem::FreeBytesForUser(const std::string& path, std::uint64_t& bytes) {
    ARBOVANE_COUNTED("FreeBytesForUser", Inner().FreeBytesForUser(path, bytes));
}
bool CountingFileSystem::VolumeId(const std::string& path, std::uint64_t& id) {
    ARBOVANE_COUNTED("VolumeId", Inner().VolumeId(path, id));
}
int CountingFileSystem::DriveType(const std::string& root) {
    ARBOVANE_COUNTED("DriveType", Inner().DriveType(root));
}

#undef ARBOVANE_COUNTED

}  // namespace arbovane::testing
