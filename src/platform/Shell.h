#pragma once

#include <string>

namespace arbovane {

// Desktop shell services. Paths in and out are Windows text.
class Shell {
public:
    virtual ~Shell() = default;

    // False when the user cancels.
    virtual bool BrowseForFolder(const std::string& caption, const std::string& startFolder,
                                 std::string& chosen) = 0;
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
