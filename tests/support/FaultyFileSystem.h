#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>

#include "platform/FileSystem.h"

namespace arbovane::testing {

// Forwards every call to a real FileSystem, except that chosen operations fail for chosen paths,
// and, when mutations are forbidden, any mutating call fails the running test.
class FaultyFileSystem : public FileSystem {
public:
    enum class Op {
        Enumerate,
        OpenTree,
        ReadWholeFile,
        WriteWholeFile,
        CreateFolderTree,
        RemoveEmptyFolder,
        RemoveFile,
        CopyFileNoOverwrite,
        CopyNewFile,
        CreateFolder,
        MoveFolderNoReplace,
        SetAttributes,
        FreeBytesForUser,
        MakeCurrentDirectory,
        CanCreate,
    };

    explicit FaultyFileSystem(FileSystem& inner) : inner_(inner) {}

    // Makes op fail for every path equal to path (letter case ignored, ASCII); "*" means any path.
    void FailOn(Op op, const std::string& path);
    // Runs hook before op on a path (after the failure check), e.g. to change the tree mid-run.
    void Before(Op op, std::function<void(const std::string&)> hook);
    void ForbidMutations(bool forbid = true) { forbidMutations_ = forbid; }
    // Runs hook after every call that made an entry or renamed one returned (crash tests end the
    // process there).
    void AfterMaking(std::function<void()> hook) { afterMaking_ = std::move(hook); }
    void Made() {
        if (afterMaking_) afterMaking_();
    }
    // Free bytes and volume reported for paths on a drive ("d:"), instead of the real ones.
    void FakeFreeBytes(const std::string& drive, std::uint64_t bytes) {
        freeBytes_[Key(drive)] = bytes;
    }
    void FakeVolume(const std::string& drive, std::uint64_t id) { volumes_[Key(drive)] = id; }
    int MutationCount() const { return mutations_; }
    // How often op was called since the counts were last reset: a refresh that measures shows
    // up as folder listings.
    int Calls(Op op) const {
        const auto found = calls_.find(op);
        return found == calls_.end() ? 0 : found->second;
    }
    void ResetCalls() { calls_.clear(); }
    void ClearHooks() { hooks_.clear(); }

    bool IsFolder(const std::string& path) override { return inner_.IsFolder(path); }
    bool IsFile(const std::string& path) override { return inner_.IsFile(path); }
    bool IsLink(const std::string& path) override { return inner_.IsLink(path); }
    bool Exists(const std::string& path, FsError& why) override { return inner_.Exists(path, why); }
    bool GetAttributes(const std::string& path, std::uint32_t& attributes) override {
        return inner_.GetAttributes(path, attributes);
    }
    bool SameEntry(const std::string& a, const std::string& b) override {
        return inner_.SameEntry(a, b);
    }
    bool Enumerate(const std::string& folderAndPattern, const EntryVisitor& visit) override;
    // The tree's calls pass through the same failures and hooks, named by their full paths.
    std::unique_ptr<FolderTree> OpenTree(const std::string& root, FsError& why,
                                         bool refuseLinkRoot = false) override;
    bool ReadWholeFile(const std::string& path, std::string& bytes) override;
    bool WriteWholeFile(const std::string& path, const std::string& bytes) override;
    bool CreateFolderTree(const std::string& path) override;
    bool RemoveEmptyFolder(const std::string& path) override;
    bool RemoveFile(const std::string& path) override;
    bool CopyFileNoOverwrite(const std::string& source, const std::string& target) override;
    CreateOutcome CopyNewFile(const std::string& source, const std::string& target,
                              FileStamp& stamp) override;
    bool GetFileStamp(const std::string& path, FileStamp& stamp) override {
        return inner_.GetFileStamp(path, stamp);
    }
    bool GetEntryStamp(const std::string& path, FileStamp& stamp) override {
        return inner_.GetEntryStamp(path, stamp);
    }
    std::unique_ptr<AppendFile> OpenAppendFile(const std::string& path, bool truncate,
                                               FsError& why) override {
        return inner_.OpenAppendFile(path, truncate, why);
    }
    CreateOutcome CreateFolder(const std::string& path) override;
    // A simulation's question where a run would create: failing it stands for a creation that
    // would fail.
    CreateOutcome CanCreate(const std::string& path, FsError& why) override;
    bool IdentifyFolder(const std::string& path, FolderIdentity& identity, FsError& why) override {
        return inner_.IdentifyFolder(path, identity, why);
    }
    bool MatchesPattern(const std::string& pattern, const std::string& name) override {
        return inner_.MatchesPattern(pattern, name);
    }
    bool VolumeId(const std::string& path, std::uint64_t& id) override;
    bool MoveFolderNoReplace(const std::string& source, const std::string& target) override;
    bool SetAttributes(const std::string& path, std::uint32_t attributes) override;
    bool FreeBytesForUser(const std::string& path, std::uint64_t& bytes) override;
    std::vector<LogicalDrive> LogicalDrives() override { return inner_.LogicalDrives(); }
    int DriveType(const std::string& root) override { return inner_.DriveType(root); }
    bool ReadCurrentDirectory(std::string& path) override {
        return inner_.ReadCurrentDirectory(path);
    }
    bool MakeCurrentDirectory(const std::string& path) override;
    ReadOutcome ReadFileUpTo(const std::string& path, std::uint64_t limit,
                             std::string& bytes) override {
        if (!Pass(Op::ReadWholeFile, path, false)) return ReadOutcome::Failed;
        return inner_.ReadFileUpTo(path, limit, bytes);
    }
    bool ConfigurationFolder(std::string& path) override {
        return inner_.ConfigurationFolder(path);
    }

    // False when the call must fail.
    bool Pass(Op op, const std::string& path, bool mutating);

private:
    static std::string Key(const std::string& path);

    FileSystem& inner_;
    std::map<std::string, std::uint64_t> freeBytes_;
    std::map<std::string, std::uint64_t> volumes_;
    std::set<std::pair<Op, std::string>> failures_;
    std::multimap<Op, std::function<void(const std::string&)>> hooks_;
    std::map<Op, int> calls_;
    bool forbidMutations_ = false;
    int mutations_ = 0;
    std::function<void()> afterMaking_;
};

}  // namespace arbovane::testing
