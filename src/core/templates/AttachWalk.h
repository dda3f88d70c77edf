#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/templates/TemplateKind.h"
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

// A destination of the walk: its full path (for the log) and its path below the include folder,
// through whose open tree a run creates it.
struct AttachTarget {
    const std::string& path;
    const std::string& relative;
};

// What the walk does at a destination: create and copy (a run) or only look (a simulation).
class AttachActions {
public:
    virtual ~AttachActions() = default;
    // Whether an include folder (a full path) is an existing folder.
    virtual bool IsFolder(const std::string& path) = 0;
    // Starts on one include folder; every target that follows lies below it.
    virtual void Begin(const std::string& includeFolder) = 0;
    virtual bool FolderExists(const AttachTarget& target) = 0;
    virtual CreateOutcome MakeFolder(const AttachTarget& target) = 0;
    virtual CreateOutcome CopyFile(const TemplateTree& tree, const std::string& sourceRelative,
                                   const AttachTarget& target, FileStamp& stamp) = 0;
};

// Creates below the include folder's open tree and copies from the template's, so no link that
// appears in either during the run is ever followed.
class RunAttachActions : public AttachActions {
public:
    explicit RunAttachActions(FileSystem& fs);
    ~RunAttachActions() override;
    bool IsFolder(const std::string& path) override;
    void Begin(const std::string& includeFolder) override;
    bool FolderExists(const AttachTarget& target) override;
    CreateOutcome MakeFolder(const AttachTarget& target) override;
    CreateOutcome CopyFile(const TemplateTree& tree, const std::string& sourceRelative,
                           const AttachTarget& target, FileStamp& stamp) override;

private:
    FileSystem& fs_;
    std::unique_ptr<FolderTree> destination_;
};

// Never changes the disk. What it would have made counts as existing afterwards, so a file that
// matches two patterns, or a folder two include lines share, is reported as the run reports it.
class SimulatedAttachActions : public AttachActions {
public:
    SimulatedAttachActions(FileSystem& fs, const Text& text) : fs_(fs), text_(text) {}
    bool IsFolder(const std::string& path) override;
    void Begin(const std::string&) override {}
    bool FolderExists(const AttachTarget& target) override { return IsFolder(target.path); }
    CreateOutcome MakeFolder(const AttachTarget& target) override;
    CreateOutcome CopyFile(const TemplateTree& tree, const std::string& sourceRelative,
                           const AttachTarget& target, FileStamp& stamp) override;

private:
    bool Planned(const std::string& path) const;
    void Plan(const std::string& path);

    FileSystem& fs_;
    const Text& text_;
    // What the run would have made, by the lower-cased path.
    std::unordered_map<std::string, std::vector<std::string>> planned_;
};

// One folder plus a name, without doubling the separator of a root such as "d:\".
std::string JoinName(const std::string& folder, const std::string& name);

// Mirrors a full-path template breadth-first into base: in the main-folder modes base is the
// template's own folder inside the include folder and is created (and reported) first, otherwise
// base is the include folder itself. baseRelative: base below the include folder. Files come
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
