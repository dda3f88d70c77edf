#include "core/lists/FolderBrowser.h"

#include "platform/Shell.h"

namespace arbovane {

std::string BrowseFolder(Shell& shell) {
    std::string chosen;
    if (!shell.BrowseForFolder("Browse Title", "", chosen)) return {};
    return chosen;
}

std::vector<std::string> BrowseFolders(Shell& shell) {
    std::vector<std::string> chosen;
    if (!shell.BrowseForFolders("Browse Title", "", chosen)) return {};
    return chosen;
}

}  // namespace arbovane
