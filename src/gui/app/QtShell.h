#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/Shell.h"

namespace arbovane {

// Shell services through Qt's dialogs and desktop services. Paths cross between the program's
// Windows text and host paths through the two mappings given.
class QtShell : public Shell {
public:
    using PathMapping = std::function<std::optional<std::string>(const std::string&)>;

    QtShell(PathMapping toHost, PathMapping toWindows)
        : toHost_(std::move(toHost)), toWindows_(std::move(toWindows)) {}

    bool BrowseForFolder(const std::string& caption, const std::string& startFolder,
                         std::string& chosen) override;
    bool BrowseForFolders(const std::string& caption, const std::string& startFolder,
                          std::vector<std::string>& chosen) override;
    std::optional<std::string> WindowsPathOf(const std::string& hostPath) override;
    bool Open(const std::string& target) override;
    bool OpenFileDialog(const std::string& title, const std::string& filter,
                        const std::string& initialFolder, std::string& chosen) override;
    bool SaveFileDialog(const std::string& title, const std::string& filter,
                        const std::string& defaultExtension, const std::string& initialName,
                        std::string& chosen) override;

private:
    std::string HostOf(const std::string& windowsPath) const;
    bool ToWindows(const std::string& hostPath, std::string& chosen) const;

    PathMapping toHost_;
    PathMapping toWindows_;
};

// "Text Files (*.txt)|*.txt|All Files (*.*)|*.*" in Qt's filter form "Text Files (*.txt);;...".
std::string QtFilterOf(const std::string& windowsFilter);

}  // namespace arbovane
