#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/FileSystem.h"

namespace arbovane {

class Text;

// The disk as a run would leave it, without changing the disk. Every question goes to the file
// system below; what a run creates through this one is only remembered, so later questions find
// it. Where a run would create, the file system below is asked whether it could (its own name
// rules, links and mounts on the way, the right to write), so a run's engine over this file system
// lists what it would list on the disk: a simulation is the run itself, asking the same questions.
// Removing, moving and writing are refused, never passed on.
class SimulatingFileSystem : public FileSystem {
public:
    SimulatingFileSystem(FileSystem& inner, const Text& text);
    ~SimulatingFileSystem() override;
    SimulatingFileSystem(const SimulatingFileSystem&) = delete;
    SimulatingFileSystem& operator=(const SimulatingFileSystem&) = delete;

    bool IsFolder(const std::string& path) override;
    bool IsFile(const std::string& path) override;
    bool IsLink(const std::string& path) override { return inner_.IsLink(path); }
    // What the simulation would make is found by its spelling (see Made); lines are compared as
    // the disk compares them.
    bool SameEntry(const std::string& a, const std::string& b) override {
        return inner_.SameEntry(a, b);
    }
    bool Exists(const std::string& path, FsError& why) override;
    bool GetAttributes(const std::string& path, std::uint32_t& attributes) override;
    bool Enumerate(const std::string& folderAndPattern, const EntryVisitor& visit) override;
    std::unique_ptr<FolderTree> OpenTree(const std::string& root, FsError& why,
                                         bool refuseLinkRoot = false) override;
    bool ReadWholeFile(const std::string& path, std::string& bytes) override {
        return inner_.ReadWholeFile(path, bytes);
    }
    bool WriteWholeFile(const std::string&, const std::string&) override { return false; }
    bool CreateFolderTree(const std::string& path) override;
    CreateOutcome CanCreate(const std::string& path, FsError& why) override;
    bool IdentifyFolder(const std::string& path, FolderIdentity& identity, FsError& why) override;
    bool MatchesPattern(const std::string& pattern, const std::string& name) override {
        return inner_.MatchesPattern(pattern, name);
    }
    CreateOutcome CreateFolder(const std::string& path) override;
    bool RemoveEmptyFolder(const std::string&) override { return false; }
    bool RemoveFile(const std::string&) override { return false; }
    bool CopyFileNoOverwrite(const std::string& source, const std::string& target) override;
    CreateOutcome CopyNewFile(const std::string& source, const std::string& target,
                              FileStamp& stamp) override;
    bool GetFileStamp(const std::string& path, FileStamp& stamp) override;
    bool MoveFolderNoReplace(const std::string&, const std::string&) override { return false; }
    bool SetAttributes(const std::string&, std::uint32_t) override { return false; }
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

    // An entry a run made here: a folder with what was made in it, or a file.
    struct Made;

private:
    friend class SimulatedTree;

    // Where made entries lie: below the real folder they were made in, found by its identity.
    Made* Anchor(const FolderIdentity& identity, bool create);
    // The made entry that path names; nullptr when none (why: NotFound, or NotAFolder below a
    // made file).
    Made* FindMade(const std::string& path, FsError& why);
    // Records an entry made at path, whose deepest existing folder on the disk is real.
    void Remember(const FolderIdentity& real, const std::vector<std::string>& names, bool folder,
                  std::uint64_t size);
    // Records an entry made at path, below the deepest folder the file system below holds.
    void RememberPath(const std::string& path, bool folder, std::uint64_t size);
    // Entries of one listing, the made ones of folder added, in the order listings keep.
    void AddMade(const Made* folder, const std::string& pattern, std::vector<DirEntry>& entries);
    void Sort(std::vector<DirEntry>& entries) const;
    // Whether the path leads to something the file system below holds; why when not.
    bool Real(const std::string& path, FsError& why);

    FileSystem& inner_;
    const Text& text_;
    std::map<std::pair<std::uint64_t, std::uint64_t>, std::unique_ptr<Made>> anchors_;
};

}  // namespace arbovane
