#pragma once

#include <string>
#include <vector>

#include "platform/shared/WindowsNames.h"

namespace arbovane {

// Where the components of a Windows path start.
enum class PathAnchor {
    kDriveRoot,         // "d:\a"
    kDriveCurrent,      // "d:a": the current directory when it is on d:, else d:'s root
    kShareRoot,         // "\\server\share\a"
    kCurrentDriveRoot,  // "\a"
    kCurrentDirectory,  // "a"
};

struct WindowsPathParts {
    PathAnchor anchor = PathAnchor::kCurrentDirectory;
    char letter = 0;    // upper case, for the drive anchors
    std::string share;  // "\\server\share" as written, for kShareRoot
    // Names as Windows uses them (trailing dots and spaces already dealt with); ".." is left in
    // place because only the caller knows what a relative path starts from.
    std::vector<std::string> components;
};

// False for text that names no place: empty, a NUL byte, a network path without server or share.
bool SplitWindowsPath(const std::string& path, WindowsPathParts& parts);

}  // namespace arbovane
