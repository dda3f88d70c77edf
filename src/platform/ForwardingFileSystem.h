#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace arbovane {

// Passes every call on to another file system; a decorator overrides only what it watches or
// changes, and a new port call reaches the backend through every decorator without their help.
class ForwardingFileSystem : public FileSystem {
public:
    explicit ForwardingFileSystem(FileSystem& inner) : inner_(inner) {}

    FileSystem& Inner() const { return inner_; }

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
    bool Enumerate(const std::string& folderAndPattern, const EntryVisitor& visit) override {
        return inner_.Enumerate(folderAndPattern, visit);
    }
    std::unique_ptr<FolderTree> OpenTree(const std::string& root, FsError& why,
                                         bool refuseLinkRoot = false) override {
        return inner_.OpenTree(root, why, refuseLinkRoot);
    }
    bool ReadWholeFile(const std::string& path, std::string& bytes) override {
        return inner_.ReadWholeFile(path, bytes);
    }
    bool WriteWholeFile(const std::string& path, const std::string& bytes) override {
        return inner_.WriteWholeFile(path, bytes);
    }
    ReadOutcome ReadFileUpTo(const std::string& path, std::uint64_t limit,
                             std::string& bytes) override {
        return inner_.ReadFileUpTo(path, limit, bytes);
    }
    std::unique_ptr<AppendFile> OpenAppendFile(const std::string& path, bool truncate,
                                               FsError& why) override {
        return inner_.OpenAppendFile(path, truncate, why);
    }
    CreateOutcome CanCreate(const std::string& path, FsError& why) override {
        return inner_.CanCreate(path, why);
    }
    bool IdentifyFolder(const std::string& path, FolderIdentity& identity, FsError& why) override {
        return inner_.IdentifyFolder(path, identity, why);
    }
    bool MatchesPattern(const std::string& pattern, const std::string& name) override {
        return inner_.MatchesPattern(pattern, name);
    }
    bool CreateFolderTree(const std::string& path) override {
        return inner_.CreateFolderTree(path);
    }
    CreateOutcome CreateFolder(const std::string& path) override {
        return inner_.CreateFolder(path);
    }
    bool RemoveEmptyFolder(const std::string& path) override {
        return inner_.RemoveEmptyFolder(path);
    }
    bool RemoveFile(const std::string& path) override { return inner_.RemoveFile(path); }
    bool CopyFileNoOverwrite(const std::string& source, const std::string& target) override {
        return inner_.CopyFileNoOverwrite(source, target);
    }
    CreateOutcome CopyNewFile(const std::string& source, const std::string& target,
                              FileStamp& stamp) override {
        return inner_.CopyNewFile(source, target, stamp);
    }
    bool GetFileStamp(const std::string& path, FileStamp& stamp) override {
        return inner_.GetFileStamp(path, stamp);
    }
    bool GetEntryStamp(const std::string& path, FileStamp& stamp) override {
        return inner_.GetEntryStamp(path, stamp);
    }
    bool MoveFolderNoReplace(const std::string& source, const std::string& target) override {
        return inner_.MoveFolderNoReplace(source, target);
    }
    bool SetAttributes(const std::string& path, std::uint32_t attributes) override {
        return inner_.SetAttributes(path, attributes);
    }
    bool FreeBytesForUser(const std::string& path, std::uint64_t& bytes) override {
        return inner_.FreeBytesForUser(path, bytes);
    }
    bool VolumeId(const std::string& path, std::uint64_t& id) override {
        return inner_.VolumeId(path, id);
    }
    std::vector<LogicalDrive> LogicalDrives() override { return inner_.LogicalDrives(); }
    int DriveType(const std::string& root) override { return inner_.DriveType(root); }
    bool ReadCurrentDirectory(std::string& path) override {
        return inner_.ReadCurrentDirectory(path);
    }
    bool MakeCurrentDirectory(const std::string& path) override {
        return inner_.MakeCurrentDirectory(path);
    }
    bool ConfigurationFolder(std::string& path) override {
        return inner_.ConfigurationFolder(path);
    }

private:
    FileSystem& inner_;
};

}  // namespace arbovane
