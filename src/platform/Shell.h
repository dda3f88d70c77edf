#pragma once

#include <optional>
#include <string>
#include <vector>

namespace arbovane {

// Desktop shell services. Paths in and out are Windows text.
class Shell {
public:
    virtual ~Shell() = default;

    // False when the user cancels.
    virtual bool BrowseForFolder(const std::string& caption, const std::string& startFolder,
                                 std::string& chosen) = 0;
    // Several folders in one dialog; false when the user cancels. A chosen folder that has no
    // path in Windows text comes back empty. Without a dialog of its own a shell asks for one.
    virtual bool BrowseForFolders(const std::string& caption, const std::string& startFolder,
                                  std::vector<std::string>& chosen) {
        std::string one;
        if (!BrowseForFolder(caption, startFolder, one)) return false;
        chosen = {one};
        return true;
    }
    // A path the desktop hands over (a file or folder dropped or pasted from a file manager) in
    // Windows text; nothing when no drive reaches it.
    virtual std::optional<std::string> WindowsPathOf(const std::string& hostPath) {
        (void)hostPath;
        return std::nullopt;
    }
    // The "open" verb: a folder opens in the file manager, an address or document in its program.
    virtual bool Open(const std::string& target) = 0;
    // filter: "Text files (*.txt)|*.txt|All files (*.*)|*.*" pairs of description and patterns.
    virtual bool OpenFileDialog(const std::string& title, const std::string& filter,
                                const std::string& initialFolder, std::string& chosen) = 0;
    virtual bool SaveFileDialog(const std::string& title, const std::string& filter,
                                const std::string& defaultExtension, const std::string& initialName,
                                std::string& chosen) = 0;
};

}  // namespace arbovane
