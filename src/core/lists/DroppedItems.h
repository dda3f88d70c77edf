#pragma once

#include <string>
#include <vector>

namespace arbovane {

class FileSystem;

// One item a file manager dropped: its path in Windows text when a drive reaches it, otherwise
// the desktop's own name for it (a host path, a web address).
struct DroppedItem {
    std::string text;
    bool onDrive = false;
};

struct DroppedItems {
    std::vector<std::string> folders;
    std::vector<std::string> refused;  // files and what lies on no drive
};

// A file is refused; a path the file system cannot find stays a folder line, which the list's
// checks then take or refuse as they take a typed one.
DroppedItems SortDropped(FileSystem& fs, const std::vector<DroppedItem>& items);

}  // namespace arbovane
