#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace arbovane {

// Forwards every call to another file system and reports each folder listing it served, so a
// long walk can show its progress (or be counted) without knowing who watches it.
class ListingReporter : public FileSystem {
public:
    // Called after every listing with the listings so far and the entries they delivered.
    using Report = std::function<void(std::uint64_t listings, std::uint64_t entries)>;

    explicit ListingReporter(FileSystem& inner, Report report = {})
        : inner_(inner), report_(std::move(report)) {}

    std::uint64_t Listings() const { return listings_; }
    std::uint64_t Entries() const { return entries_; }
    void ResetCounts() { listings_ = entries_ = 0; }
    void SetReport(Report report) { report_ = std::move(report); }

    bool Enumerate(const std::string& folderAndPattern, const EntryVisitor& visit) override;
    // The tree's listings are reported like those of Enumerate.
    std::unique_ptr<FolderTree> OpenTree(const std::string& root, FsError& why,
                                         bool refuseLinkRoot = false) override;
    // One listing served by this file system or one of its trees.
    void Listed(std::uint64_t entries);

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
    bool ReadWholeFile(const std::string& path, std::string& bytes) override {
        return inner_.ReadWholeFile(path, bytes);
    }
    bool WriteWholeFile(const std::string& path, const std::string& bytes) override {
        return inner_.WriteWholeFile(path, bytes);
    }
    bool CreateFolderTree(const std::string& path) override {
        return inner_.CreateFolderTree(path);
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
    std::unique_ptr<AppendFile> OpenAppendFile(const std::string& path, bool truncate,
                                               FsError& why) override {
        return inner_.OpenAppendFile(path, truncate, why);
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

private:
    FileSystem& inner_;
    Report report_;
    std::uint64_t listings_ = 0;
    std::uint64_t entries_ = 0;
};

}  // namespace arbovane
