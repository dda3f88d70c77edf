#include "core/acquire/ListingReporter.h"

#include <utility>

namespace arbovane {

namespace {

class ReportingTree : public FolderTree {
public:
    ReportingTree(ListingReporter& owner, std::unique_ptr<FolderTree> inner)
        : owner_(owner), inner_(std::move(inner)) {}

    const std::string& Root() const override { return inner_->Root(); }
    bool List(const std::string& relative, const std::string& pattern,
              std::vector<DirEntry>& entries, FsError& why) override {
        const bool listed = inner_->List(relative, pattern, entries, why);
        owner_.Listed(listed ? entries.size() : 0);
        return listed;
    }
    bool ListKinds(const std::string& relative, const std::string& pattern,
                   std::vector<DirEntry>& entries, FsError& why) override {
        const bool listed = inner_->ListKinds(relative, pattern, entries, why);
        owner_.Listed(listed ? entries.size() : 0);
        return listed;
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
        return inner_->RemoveFile(relative, why);
    }
    bool RemoveFolder(const std::string& relative, FsError& why) override {
        return inner_->RemoveFolder(relative, why);
    }
    CreateOutcome MakeFolder(const std::string& relative, FsError& why) override {
        return inner_->MakeFolder(relative, why);
    }
    CreateOutcome CopyFileTo(const std::string& relative, FolderTree& target,
                             const std::string& targetRelative, FileStamp& stamp,
                             FsError& why) override {
        auto* reporting = dynamic_cast<ReportingTree*>(&target);
        return inner_->CopyFileTo(relative, reporting ? *reporting->inner_ : target, targetRelative,
                                  stamp, why);
    }
    CreateOutcome CopyFileFrom(FolderTree& source, const std::string& relative,
                               const std::string& targetRelative, FileStamp& stamp,
                               FsError& why) override {
        auto* reporting = dynamic_cast<ReportingTree*>(&source);
        return inner_->CopyFileFrom(reporting ? *reporting->inner_ : source, relative,
                                    targetRelative, stamp, why);
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
    ListingReporter& owner_;
    std::unique_ptr<FolderTree> inner_;
};

}  // namespace

void ListingReporter::Listed(std::uint64_t entries) {
    entries_ += entries;
    ++listings_;
    // After the listing, never inside it: whoever watches may let window messages run.
    if (report_) report_(listings_, entries_);
}

bool ListingReporter::Enumerate(const std::string& folderAndPattern, const EntryVisitor& visit) {
    std::uint64_t delivered = 0;
    const bool listed = Inner().Enumerate(folderAndPattern, [&](const DirEntry& entry) {
        ++delivered;
        return visit(entry);
    });
    Listed(delivered);
    return listed;
}

std::unique_ptr<FolderTree> ListingReporter::OpenTree(const std::string& root, FsError& why,
                                                      bool refuseLinkRoot) {
    auto inner = Inner().OpenTree(root, why, refuseLinkRoot);
    if (!inner) return nullptr;
    return std::make_unique<ReportingTree>(*this, std::move(inner));
}

}  // namespace arbovane
