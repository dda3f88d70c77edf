#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/templates/TemplateKind.h"
#include "platform/FileSystem.h"

namespace arbovane {

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
    // Asked before each entry: true ends the walk there (the user stopped the run).
    virtual bool Stopping() { return false; }
};

// A destination of the walk: its full path (for the log) and its path below the include folder,
// through whose open tree a run creates it.
struct AttachTarget {
    const std::string& path;
    const std::string& relative;
};

// Creates below the include folder's open tree and copies from the template's, so no link that
// appears in either during the run is ever followed. A simulation runs the same actions over a
// file system that only pretends to create.
class AttachActions {
public:
    explicit AttachActions(FileSystem& fs);
    ~AttachActions();
    AttachActions(const AttachActions&) = delete;
    AttachActions& operator=(const AttachActions&) = delete;

    // Whether an include folder (a full path) is an existing folder.
    bool IsFolder(const std::string& path);
    // Starts on one include folder; every target that follows lies below it.
    void Begin(const std::string& includeFolder);
    // The same for an include folder at relative below an open folder the caller keeps open
    // while the walk goes on.
    void Begin(FolderTree& tree, const std::string& relative);
    CreateOutcome MakeFolder(const AttachTarget& target);
    CreateOutcome CopyFile(const TemplateTree& tree, const std::string& sourceRelative,
                           const AttachTarget& target, FileStamp& stamp);

private:
    // The target's path below the open folder.
    std::string Below(const std::string& relative) const;

    FileSystem& fs_;
    std::unique_ptr<FolderTree> owned_;
    FolderTree* destination_ = nullptr;
    std::string prefix_;
};

// One folder plus a name, without doubling the separator of a root such as "d:\".
std::string JoinName(const std::string& folder, const std::string& name);

// Mirrors a full-path template breadth-first into base: in the main-folder modes base is the
// template's own folder inside the include folder and is created (and reported) first, otherwise
// (and for a drive root's template) base is the include folder itself, which is not reported.
// baseRelative: base below the include folder. Files come
// along only withFiles. True when any folder was created.
bool AttachTree(const TemplateTree& tree, const std::string& base, const std::string& baseRelative,
                bool mainFolder, bool withFiles, AttachActions& actions, AttachSink& sink);

// Creates target and every missing folder above it up to the include folder, one by one;
// relative: target below the include folder. created receives each folder made, parents first.
// Existed when target was there already.
CreateOutcome CreateFolderPath(const std::string& target, const std::string& relative,
                               AttachActions& actions, std::vector<std::string>& created);

// Creates a relative template's target, a path JoinTemplatePath made below folder, with its
// missing parents, as CreateFolderPath does.
CreateOutcome AttachRelativeFolder(const std::string& folder, const std::string& target,
                                   AttachActions& actions, std::vector<std::string>& created);

// Where a full-path template goes inside an include folder: its own folder in the main-folder
// modes (a drive root gives the include folder itself), the include folder otherwise.
// The name of that folder (empty for the include folder itself).
std::string TemplateDestinationName(const std::string& templateLine, AttachMode mode);
std::string TemplateDestinationBase(const std::string& includeFolder,
                                    const std::string& templateLine, AttachMode mode);

}  // namespace arbovane
