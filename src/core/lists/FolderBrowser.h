#pragma once

#include <string>
#include <vector>

namespace arbovane {

class Shell;

// The folder browser every Browse button of the program shows: the chosen folder's path, or the
// empty text when the user cancels or the choice has no file-system path.
std::string BrowseFolder(Shell& shell);
// The same dialog picking several folders; nothing when the user cancels.
std::vector<std::string> BrowseFolders(Shell& shell);

}  // namespace arbovane
