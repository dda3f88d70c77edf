#include "core/paths/PathText.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "core/paths/CharacterCount.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace arbovane {

std::string TrimSpaces(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

bool SplitAtColon(const std::string& text, std::string& head, std::string& tail) {
    const auto colon = text.find(':');
    if (colon == std::string::npos) {
        head.clear();
        tail = text;
        return false;
    }
    head = text.substr(0, colon + 1);
    tail = text.substr(colon + 1);
    return true;
}

std::string WithBackslashes(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

bool SplitFolderAndFile(FileSystem& fs, const std::string& path, std::string& name,
                        std::string& folder) {
    const std::string text = WithBackslashes(path);
    if (IsExistingFolder(fs, text)) {
        name.clear();
        folder = text;
        return true;
    }
    const auto slash = text.rfind('\\');
    if (slash == std::string::npos) {
        name = text;
        folder.clear();
    } else {
        name = text.substr(slash + 1);
        folder = text.substr(0, slash);
    }
    return true;
}

std::string SplitParentAndLast(FileSystem& fs, const std::string& path, std::string& last,
                               bool useFileSystem) {
    std::string text = WithBackslashes(path);
    if (!useFileSystem) {
        const auto slash = text.rfind('\\');
        if (slash == std::string::npos) {
            last.clear();
            return TrimSpaces(text);
        }
        last = TrimSpaces(text.substr(slash + 1));
        return TrimSpaces(text.substr(0, slash + 1));
    }
    std::string name;
    SplitFolderAndFile(fs, text, name, text);
    if (!text.empty() && text.back() == '\\') text.pop_back();
    const auto slash = text.rfind('\\');
    if (slash == std::string::npos) {
        last.clear();
        return text;
    }
    last = text.substr(slash + 1);
    return text.substr(0, slash);
}

bool ExtensionOf(const std::string& path, std::string& ext) {
    const std::string text = WithBackslashes(path);
    const auto dot = text.rfind('.');
    const auto slash = text.rfind('\\');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
        ext = text.substr(dot + 1);
        return true;
    }
    ext = "noext";
    return false;
}

std::string ZeroPadText(const std::string& text, int width) {
    if (width <= static_cast<int>(text.size())) return text;
    return std::string(static_cast<std::size_t>(width) - text.size(), '0') + text;
}

std::string ZeroPadNumber(long long number, int width) {
    return ZeroPadText(std::to_string(number), width);
}

std::string LowerCase(const Text& text, const std::string& value) {
    return text.LowerCase(value);
}

std::string ExtractDrive(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);
    if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
        // Up to, not including, the backslash that ends the share name.
        int separators = 0;
        for (std::size_t i = 2; i < path.size(); ++i) {
            if (path[i] == '\\' && ++separators == 2) return path.substr(0, i);
        }
        return path;
    }
    return {};
}

bool HasDrive(const std::string& path) {
    return !ExtractDrive(path).empty();
}

CurrentDirectoryGuard::CurrentDirectoryGuard(FileSystem& fs) : fs_(fs) {
    std::size_t length = 0;
    captured_ = CaptureCurrentDirectory(fs_, length, saved_);
}

CurrentDirectoryGuard::~CurrentDirectoryGuard() {
    if (captured_) fs_.MakeCurrentDirectory(saved_);
}

bool CaptureCurrentDirectory(FileSystem& fs, std::size_t& length, std::string& path) {
    std::string current;
    if (!fs.ReadCurrentDirectory(current) || CountCharacters(current) > kMaxPathLength)
        return false;
    path = current;
    length = current.size();
    return true;
}

bool IsExistingFolder(FileSystem& fs, const std::string& path) {
    // A direct query answers the same as entering the folder, and leaves the current directory
    // alone by construction.
    return !path.empty() && fs.IsFolder(WithBackslashes(path));
}

bool HasAtMostSubfolders(FileSystem& fs, std::size_t limit, const std::string& folder) {
    const std::string base = WithBackslashes(folder);
    std::size_t count = 0;
    bool within = true;
    fs.Enumerate(base + "\\*.*", [&](const DirEntry& entry) {
        if (!entry.isFolder || !fs.IsFolder(base + "\\" + entry.name)) return true;
        if (++count > limit) within = false;
        return within;
    });
    return within;
}

std::string DriveTypeName(int code) {
    static const char* const kNames[] = {"Unknown",     "Invalid path",  "Removable drive",
                                         "Fixed drive", "Network drive", "CDROM",
                                         "RAM Disk"};
    if (code < 0 || code > 6) return {};
    return kNames[code];
}

bool LookUpDrive(FileSystem& fs, const std::string& drive, std::string& typeName,
                 bool acceptAlways) {
    typeName.clear();
    bool found = false;
    if (!drive.empty()) {
        const char wanted =
            static_cast<char>(std::tolower(static_cast<unsigned char>(drive.front())));
        for (const LogicalDrive& d : fs.LogicalDrives()) {
            const std::string name = DriveTypeName(d.type);
            if (name.empty()) continue;
            if (static_cast<char>(std::tolower(static_cast<unsigned char>(d.letter))) == wanted) {
                typeName = name;
                found = true;
                break;
            }
        }
    }
    return found || acceptAlways;
}

}  // namespace arbovane
