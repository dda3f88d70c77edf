#pragma once

#include <string>
#include <unordered_set>
#include <vector>

#include "platform/FileSystem.h"

namespace arbovane {

class Text;
class TemplateTree;

// Where the attach walk's outcomes go; each tab maps them onto its counters, categories and
// journal. Every folder and file the walk meets gets exactly one call.
class AttachSink {
public:
    virtual ~AttachSink() = default;
    virtual void FolderCreated(const std::string& path) = 0;
    virtual void FolderExists(const std::string& path) = 0;
    // Not made: it could not be created, the template holds a link or an odd name there, its
    // template folder could not be read, or its parent was not made.
    virtual void FolderNotAttached(const std::string& path) = 0;
    virtual void FileCopied(const std::string& target, const std::string& source,
                            const FileStamp& stamp) = 0;
    virtual void FileExists(const std::string& target, const std::string& source) = 0;
    virtual void FileNotCopied(const std::string& target, const std::string& source) = 0;
};

// What the walk does at a destination: create and copy (a run) or only look (a simulation).
class AttachActions {
public:
    virtual ~AttachActions() = default;
    virtual bool FolderExists(const std::string& path) = 0;
    virtual CreateOutcome MakeFolder(const std::string& path) = 0;
    virtual CreateOutcome CopyFile(const std::string& source, const std::string& target,
                                   FileStamp& stamp) = 0;
};

class RunAttachActions : public AttachActions {
public:
    explicit RunAttachActions(FileSystem& fs) : fs_(fs) {}
    bool FolderExists(const std::string& path) override;
    CreateOutcome MakeFolder(const std::string& path) override;
    CreateOutcome CopyFile(const std::string& source, const std::string& target,
                           FileStamp& stamp) override;

private:
    FileSystem& fs_;
};

// Never changes the disk. What it would have made counts as existing afterwards, so a file that
// matches two patterns, or a folder two include lines share, is reported as the run reports it.
class SimulatedAttachActions : public AttachActions {
public:
    SimulatedAttachActions(FileSystem& fs, const Text& text) : fs_(fs), text_(text) {}
    bool FolderExists(const std::string& path) override;
    CreateOutcome MakeFolder(const std::string& path) override;
    CreateOutcome CopyFile(const std::string& source, const std::string& target,
                           FileStamp& stamp) override;

private:
    bool Planned(const std::string& path) const;
    void Plan(const std::string& path);

    FileSystem& fs_;
    const Text& text_;
    std::unordered_set<std::string> planned_;
};

// One folder plus a name, without doubling the separator of a root such as "d:\".
std::string JoinName(const std::string& folder, const std::string& name);

// Mirrors a full-path template breadth-first into base: in the main-folder modes base is the
// template's own folder inside the include folder and is created (and reported) first, otherwise
// base is the include folder itself. Files come along only withFiles. True when any folder was
// created.
bool AttachTree(const TemplateTree& tree, const std::string& base, bool mainFolder, bool withFiles,
                AttachActions& actions, AttachSink& sink);

// Creates target and every missing folder above it, one by one; created receives each folder
// made, parents first. Existed when target was there already.
CreateOutcome CreateFolderPath(const std::string& target, AttachActions& actions,
                               std::vector<std::string>& created);

}  // namespace arbovane
