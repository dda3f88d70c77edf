#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "platform/ForwardingFileSystem.h"

namespace arbovane::testing {

// Counts the port calls that reach the file system below: every call of FileSystem and of the
// FolderTree objects it opens (opening one counts too). On a file server each of them is at least
// one round trip, so the count per entry is what a run costs there.
class CountingFileSystem : public ForwardingFileSystem {
public:
    explicit CountingFileSystem(FileSystem& inner) : ForwardingFileSystem(inner) {}

    std::uint64_t Calls() const { return calls_; }
    // The calls by name, for a failure message that says where a budget went.
    const std::map<std::string, std::uint64_t>& ByName() const { return byName_; }
    std::string Summary() const;
    void Reset() {
        calls_ = 0;
        byName_.clear();
    }
    void Count(const char* name) {
        ++calls_;
        ++byName_[name];
    }

    bool IsFolder(const std::string& path) override;
    bool IsFile(const std::string& path) override;
    bool IsLink(const std::string& path) override;
    bool Exists(const std::string& path, FsError& why) override;
    bool GetAttributes(const std::string& path, std::uint32_t& attributes) override;
    bool SameEntry(const std::string& a, const std::string& b) override;
    bool Enumerate(const std::string& folderAndPattern, const EntryVisitor& visit) override;
    std::unique_ptr<FolderTree> OpenTree(const std::string& root, FsError& why,
                                         bool refuseLinkRoot = false) override;
    bool ReadWholeFile(const std::string& path, std::string& bytes) override;
    CreateOutcome CanCreate(const std::string& path, FsError& why) override;
    bool IdentifyFolder(const std::string& path, FolderIdentity& identity, FsError& why) override;
    bool CreateFolderTree(const std::string& path) override;
    CreateOutcome CreateFolder(const std::string& path) override;
    bool RemoveEmptyFolder(const std::string& path) override;
    bool RemoveFile(const std::string& path) override;
    CreateOutcome CopyNewFile(const std::string& source, const std::string& target,
                              FileStamp& stamp) override;
    bool GetFileStamp(const std::string& path, FileStamp& stamp) override;
    bool GetEntryStamp(const std::string& path, FileStamp& stamp) override;
    bool MoveFolderNoReplace(const std::string& source, const std::string& target) override;
    bool SetAttributes(const std::string& path, std::uint32_t attributes) override;
    bool FreeBytesForUser(const std::string& path, std::uint64_t& bytes) override;
    bool VolumeId(const std::string& path, std::uint64_t& id) override;
    int DriveType(const std::string& root) override;

private:
    std::uint64_t calls_ = 0;
    std::map<std::string, std::uint64_t> byName_;
};

}  // namespace arbovane::testing
