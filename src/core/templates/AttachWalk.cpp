#include "core/templates/AttachWalk.h"

#include <algorithm>

#include "core/paths/PathText.h"
#include "core/templates/TemplateTree.h"
#include "platform/Text.h"

namespace arbovane {

bool RunAttachActions::FolderExists(const std::string& path) {
    return IsExistingFolder(fs_, path);
}

CreateOutcome RunAttachActions::MakeFolder(const std::string& path) {
    return fs_.CreateFolder(path);
}

CreateOutcome RunAttachActions::CopyFile(const std::string& source, const std::string& target,
                                         FileStamp& stamp) {
    return fs_.CopyNewFile(source, target, stamp);
}

bool SimulatedAttachActions::Planned(const std::string& path) const {
    return !planned_.empty() && planned_.count(text_.LowerCase(WithBackslashes(path))) > 0;
}

void SimulatedAttachActions::Plan(const std::string& path) {
    planned_.insert(text_.LowerCase(WithBackslashes(path)));
}

bool SimulatedAttachActions::FolderExists(const std::string& path) {
    return IsExistingFolder(fs_, path) || Planned(path);
}

CreateOutcome SimulatedAttachActions::MakeFolder(const std::string& path) {
    // A run's creation fails on a link or a file holding the name.
    if (fs_.IsLink(path) || fs_.IsFile(path)) return CreateOutcome::Failed;
    if (FolderExists(path)) return CreateOutcome::Existed;
    Plan(path);
    return CreateOutcome::Created;
}

CreateOutcome SimulatedAttachActions::CopyFile(const std::string& /*source*/,
                                               const std::string& target, FileStamp& /*stamp*/) {
    if (fs_.IsFile(target) || fs_.IsFolder(target) || fs_.IsLink(target) || Planned(target))
        return CreateOutcome::Existed;
    Plan(target);
    return CreateOutcome::Created;
}

std::string JoinName(const std::string& folder, const std::string& name) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) return folder + name;
    return folder + '\\' + name;
}

bool AttachTree(const TemplateTree& tree, const std::string& base, bool mainFolder, bool withFiles,
                AttachActions& actions, AttachSink& sink) {
    const auto& folders = tree.Folders();
    if (folders.empty() || !folders.front().listed) {
        sink.FolderNotAttached(mainFolder ? base : tree.Root());
        return false;
    }
    std::vector<std::string> destination(folders.size());
    // Whether a folder's destination exists to receive what lies below it.
    std::vector<char> usable(folders.size(), 0);
    bool created = false;
    const auto make = [&](std::size_t index, const std::string& path) {
        destination[index] = path;
        switch (actions.MakeFolder(path)) {
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
    if (mainFolder) {
        make(0, base);
    } else {
        destination[0] = base;
        usable[0] = 1;
    }

    FileStamp stamp;
    for (std::size_t i = 0; i < folders.size(); ++i) {
        const TemplateTree::Folder& folder = folders[i];
        if (withFiles) {
            for (const auto& files : folder.files) {
                for (const TemplateTree::File& file : files) {
                    const std::string target = JoinName(destination[i], file.name);
                    const std::string source = tree.SourcePath(folder, file.name);
                    if (!usable[i] || file.refused) {
                        sink.FileNotCopied(target, source);
                        continue;
                    }
                    switch (actions.CopyFile(source, target, stamp)) {
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
            const std::string target = JoinName(destination[i], child.name);
            const bool walked = child.kind == TemplateTree::ChildKind::Folder;
            if (walked) destination[child.folder] = target;
            if (!walked || !usable[i] || !folders[child.folder].listed) {
                sink.FolderNotAttached(target);
                continue;
            }
            make(child.folder, target);
        }
    }
    return created;
}

CreateOutcome CreateFolderPath(const std::string& target, AttachActions& actions,
                               std::vector<std::string>& created) {
    std::vector<std::string> missing;
    std::string path = target;
    while (!actions.FolderExists(path)) {
        missing.push_back(path);
        const auto slash = path.rfind('\\');
        if (slash == std::string::npos) break;
        std::string parent = path.substr(0, slash);
        // A drive or share part is never created.
        if (parent.empty() || parent == ExtractDrive(parent)) break;
        path = std::move(parent);
    }
    if (missing.empty()) return CreateOutcome::Existed;
    CreateOutcome outcome = CreateOutcome::Failed;
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        outcome = actions.MakeFolder(*it);
        if (outcome == CreateOutcome::Failed) return outcome;
        if (outcome == CreateOutcome::Created) created.push_back(*it);
    }
    return outcome;
}

}  // namespace arbovane
