#include "core/templates/AttachWalk.h"

#include <algorithm>

#include "core/paths/PathText.h"
#include "core/templates/TemplateOptions.h"
#include "core/templates/TemplateTree.h"

namespace arbovane {

AttachActions::AttachActions(FileSystem& fs) : fs_(fs) {}
AttachActions::~AttachActions() = default;

bool AttachActions::IsFolder(const std::string& path) {
    return IsExistingFolder(fs_, path);
}

void AttachActions::Begin(const std::string& includeFolder) {
    FsError why = FsError::None;
    owned_ = fs_.OpenTree(includeFolder, why);
    destination_ = owned_.get();
    prefix_.clear();
}

void AttachActions::Begin(FolderTree& tree, const std::string& relative) {
    owned_.reset();
    destination_ = &tree;
    prefix_ = relative;
}

std::string AttachActions::Below(const std::string& relative) const {
    if (prefix_.empty()) return relative;
    return relative.empty() ? prefix_ : prefix_ + '\\' + relative;
}

CreateOutcome AttachActions::MakeFolder(const AttachTarget& target) {
    FsError why = FsError::None;
    return destination_ ? destination_->MakeFolder(Below(target.relative), why)
                        : CreateOutcome::Failed;
}

CreateOutcome AttachActions::CopyFile(const TemplateTree& tree, const std::string& sourceRelative,
                                      const AttachTarget& target, FileStamp& stamp) {
    FsError why = FsError::None;
    if (!destination_ || !tree.Source()) return CreateOutcome::Failed;
    return destination_->CopyFileFrom(*tree.Source(), sourceRelative, Below(target.relative), stamp,
                                      why);
}

std::string JoinName(const std::string& folder, const std::string& name) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) return folder + name;
    return folder + '\\' + name;
}

bool AttachTree(const TemplateTree& tree, const std::string& base, const std::string& baseRelative,
                bool mainFolder, bool withFiles, AttachActions& actions, AttachSink& sink) {
    const auto& folders = tree.Folders();
    if (folders.empty() || !folders.front().listed) {
        sink.FolderNotAttached(mainFolder ? base : tree.Root());
        return false;
    }
    std::vector<std::string> destination(folders.size());
    std::vector<std::string> relative(folders.size());
    // Whether a folder's destination exists to receive what lies below it.
    std::vector<char> usable(folders.size(), 0);
    bool created = false;
    const auto make = [&](std::size_t index, const std::string& path) {
        destination[index] = path;
        switch (actions.MakeFolder({path, relative[index]})) {
            case CreateOutcome::Created:
                created = true;
                usable[index] = 1;
                sink.FolderCreated(path);
                break;
            case CreateOutcome::Existed:
                usable[index] = 1;
                sink.FolderExists(path);
                break;
            case CreateOutcome::Failed:
                sink.FolderNotAttached(path);
                break;
        }
    };
    relative[0] = baseRelative;
    if (mainFolder && !baseRelative.empty()) {
        make(0, base);
    } else {
        // The include folder itself, which the template does not make.
        destination[0] = base;
        usable[0] = 1;
    }
    const auto below = [](const std::string& folder, const std::string& name) {
        return folder.empty() ? name : folder + '\\' + name;
    };

    FileStamp stamp;
    for (std::size_t i = 0; i < folders.size(); ++i) {
        const TemplateTree::Folder& folder = folders[i];
        if (withFiles) {
            for (const auto& files : folder.files) {
                for (const TemplateTree::File& file : files) {
                    if (sink.Stopping()) return created;
                    const std::string target = JoinName(destination[i], file.name);
                    const std::string source = tree.SourcePath(folder, file.name);
                    if (!usable[i] || file.refused) {
                        sink.FileNotCopied(target, source);
                        continue;
                    }
                    const std::string targetRelative = below(relative[i], file.name);
                    switch (actions.CopyFile(tree, below(folder.relative, file.name),
                                             {target, targetRelative}, stamp)) {
                        case CreateOutcome::Created:
                            sink.FileCopied(target, source, stamp);
                            break;
                        case CreateOutcome::Existed:
                            sink.FileExists(target, source);
                            break;
                        case CreateOutcome::Failed:
                            sink.FileNotCopied(target, source);
                            break;
                    }
                }
            }
        }
        for (const TemplateTree::Child& child : folder.children) {
            if (sink.Stopping()) return created;
            const std::string target = JoinName(destination[i], child.name);
            const bool walked = child.kind == TemplateTree::ChildKind::Folder;
            if (walked) {
                destination[child.folder] = target;
                relative[child.folder] = below(relative[i], child.name);
            }
            if (!walked || !usable[i] || !folders[child.folder].listed) {
                sink.FolderNotAttached(target);
                continue;
            }
            make(child.folder, target);
        }
    }
    return created;
}

CreateOutcome CreateFolderPath(const std::string& target, const std::string& relative,
                               AttachActions& actions, std::vector<std::string>& created) {
    if (relative.empty()) return CreateOutcome::Existed;
    // Each level from the top is made, one that is there known by the refusal: no look-up
    // before a creation.
    const std::size_t above = target.size() - relative.size();
    CreateOutcome outcome = CreateOutcome::Failed;
    for (std::size_t end = relative.find('\\');; end = relative.find('\\', end + 1)) {
        const std::string below = relative.substr(0, end);
        const std::string path = target.substr(0, above + below.size());
        outcome = actions.MakeFolder({path, below});
        if (outcome == CreateOutcome::Failed) return outcome;
        if (outcome == CreateOutcome::Created) created.push_back(path);
        if (end == std::string::npos) return outcome;
    }
}

std::string TemplateDestinationName(const std::string& templateLine, AttachMode mode) {
    if (!WithMainFolder(mode)) return {};
    std::string source = WithBackslashes(TrimSpaces(templateLine));
    while (!source.empty() && source.back() == '\\') source.pop_back();
    const auto slash = source.rfind('\\');
    return slash == std::string::npos ? std::string{} : source.substr(slash + 1);
}

std::string TemplateDestinationBase(const std::string& includeFolder,
                                    const std::string& templateLine, AttachMode mode) {
    if (!WithMainFolder(mode)) return includeFolder;
    const std::string name = TemplateDestinationName(templateLine, mode);
    std::string base = includeFolder;
    if (!name.empty()) base = JoinName(includeFolder, name);
    while (base.size() > 1 && base.back() == '\\' && base[base.size() - 2] != ':') base.pop_back();
    return base;
}

CreateOutcome AttachRelativeFolder(const std::string& folder, const std::string& target,
                                   AttachActions& actions, std::vector<std::string>& created) {
    // The join spells the folder its own way; what follows it lies below.
    const std::string spelledFolder = JoinTemplatePath(folder, "");
    const std::string below =
        target.size() > spelledFolder.size() ? target.substr(spelledFolder.size() + 1) : "";
    return CreateFolderPath(target, below, actions, created);
}

}  // namespace arbovane
