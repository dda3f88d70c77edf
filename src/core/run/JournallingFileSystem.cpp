#include "core/run/JournallingFileSystem.h"

#include "core/run/JournalWriter.h"
#include "core/undo/JournalFile.h"

namespace arbovane {

namespace {

std::string JoinTreePath(const std::string& root, const std::string& relative) {
    if (relative.empty()) return root;
    if (!root.empty() && (root.back() == '\\' || root.back() == '/')) return root + relative;
    return root + "\\" + relative;
}

// A tree of the journalling file system: the changes made relative to its open folders are
// written ahead like those made by path.
class JournallingFolderTree : public FolderTree {
public:
    JournallingFolderTree(std::unique_ptr<FolderTree> inner, JournallingFileSystem& fs)
        : inner_(std::move(inner)), fs_(fs) {}

    FolderTree& Inner() { return *inner_; }

    const std::string& Root() const override { return inner_->Root(); }
    bool List(const std::string& relative, const std::string& pattern,
              std::vector<DirEntry>& entries, FsError& why) override {
        return inner_->List(relative, pattern, entries, why);
    }
    bool ListKinds(const std::string& relative, const std::string& pattern,
                   std::vector<DirEntry>& entries, FsError& why) override {
        return inner_->ListKinds(relative, pattern, entries, why);
    }
    bool GetAttributes(const std::string& relative, std::uint32_t& attributes,
                       FsError& why) override {
        return inner_->GetAttributes(relative, attributes, why);
    }
    bool SetAttributes(const std::string& relative, std::uint32_t attributes,
                       FsError& why) override {
        return inner_->SetAttributes(relative, attributes, why);
    }
    bool RemoveFile(const std::string& relative, FsError& why) override {
        if (fs_.RunMode() == JournallingFileSystem::Mode::Undo)
            fs_.Writer().Ahead(journal_file::Undoing(JoinTreePath(Root(), relative)));
        return inner_->RemoveFile(relative, why);
    }
    bool RemoveFolder(const std::string& relative, FsError& why) override {
        return inner_->RemoveFolder(relative, why);
    }
    CreateOutcome MakeFolder(const std::string& relative, FsError& why) override {
        const std::string path = JoinTreePath(Root(), relative);
        fs_.FolderAhead(path);
        return fs_.Made(path, inner_->MakeFolder(relative, why), nullptr);
    }
    CreateOutcome CopyFileTo(const std::string& relative, FolderTree& target,
                             const std::string& targetRelative, FileStamp& stamp,
                             FsError& why) override {
        auto* journalled = dynamic_cast<JournallingFolderTree*>(&target);
        FolderTree& destination = journalled ? journalled->Inner() : target;
        const std::string path = JoinTreePath(target.Root(), targetRelative);
        fs_.FileAhead(path);
        const CreateOutcome outcome =
            inner_->CopyFileTo(relative, destination, targetRelative, stamp, why);
        return fs_.Made(path, outcome, &stamp);
    }
    CreateOutcome CopyFileFrom(FolderTree& source, const std::string& relative,
                               const std::string& targetRelative, FileStamp& stamp,
                               FsError& why) override {
        auto* journalled = dynamic_cast<JournallingFolderTree*>(&source);
        FolderTree& from = journalled ? journalled->Inner() : source;
        const std::string path = JoinTreePath(Root(), targetRelative);
        fs_.FileAhead(path);
        const CreateOutcome outcome =
            inner_->CopyFileFrom(from, relative, targetRelative, stamp, why);
        return fs_.Made(path, outcome, &stamp);
    }
    CreateOutcome CanCreate(const std::string& relative, FsError& why) override {
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
    std::unique_ptr<FolderTree> inner_;
    JournallingFileSystem& fs_;
};

}  // namespace

void JournallingFileSystem::FolderAhead(const std::string& path) {
    if (mode_ == Mode::Run) writer_.Ahead(journal_file::IntentFolder(path));
}

void JournallingFileSystem::FileAhead(const std::string& path) {
    if (mode_ == Mode::Run) writer_.Ahead(journal_file::IntentFile(path));
}

CreateOutcome JournallingFileSystem::Made(const std::string& path, CreateOutcome outcome,
                                          const FileStamp* stamp) {
    if (mode_ != Mode::Run) return outcome;
    if (outcome != CreateOutcome::Created)
        writer_.After(journal_file::NotMade(path));
    else if (stamp)
        writer_.After(journal_file::MadeFile(path, *stamp));
    return outcome;
}

std::unique_ptr<FolderTree> JournallingFileSystem::OpenTree(const std::string& root, FsError& why,
                                                            bool refuseLinkRoot) {
    auto tree = Inner().OpenTree(root, why, refuseLinkRoot);
    if (!tree) return nullptr;
    return std::make_unique<JournallingFolderTree>(std::move(tree), *this);
}

bool JournallingFileSystem::CreateFolderTree(const std::string& path) {
    FolderAhead(path);
    const bool made = Inner().CreateFolderTree(path);
    Made(path, made ? CreateOutcome::Created : CreateOutcome::Failed, nullptr);
    return made;
}

CreateOutcome JournallingFileSystem::CreateFolder(const std::string& path) {
    FolderAhead(path);
    return Made(path, Inner().CreateFolder(path), nullptr);
}

CreateOutcome JournallingFileSystem::CopyNewFile(const std::string& source,
                                                 const std::string& target, FileStamp& stamp) {
    FileAhead(target);
    return Made(target, Inner().CopyNewFile(source, target, stamp), &stamp);
}

bool JournallingFileSystem::CopyFileNoOverwrite(const std::string& source,
                                                const std::string& target) {
    FileStamp stamp;
    return CopyNewFile(source, target, stamp) == CreateOutcome::Created;
}

bool JournallingFileSystem::MoveFolderNoReplace(const std::string& source,
                                                const std::string& target) {
    if (mode_ == Mode::Undo) {
        writer_.Ahead(journal_file::Undoing(source));
        return Inner().MoveFolderNoReplace(source, target);
    }
    writer_.Ahead(journal_file::IntentRename(source, target));
    const bool moved = Inner().MoveFolderNoReplace(source, target);
    if (!moved) writer_.After(journal_file::NotMade(source));
    return moved;
}

bool JournallingFileSystem::RemoveFile(const std::string& path) {
    if (mode_ == Mode::Undo) writer_.Ahead(journal_file::Undoing(path));
    return Inner().RemoveFile(path);
}

}  // namespace arbovane
