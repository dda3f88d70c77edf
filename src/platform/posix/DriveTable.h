#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace arbovane {

class PosixFileSystem;

// The user's drive letters on a POSIX host: "D=/srv/data" gives D: the host folder /srv/data.
// The file lies beside the settings file; the variable's entries are read after it and win.
inline constexpr const char* kDriveTableFileName = "drives.txt";
inline constexpr const char* kDriveTableVariable = "ARBOVANE_DRIVES";

struct DriveTableEntry {
    char letter = 0;         // upper case
    std::string hostFolder;  // absolute; empty to remove the letter
    bool operator==(const DriveTableEntry&) const = default;
};

// Entries are separated by line breaks, and in the variable also by ';'. Blanks around the parts
// do not count, nor blank lines and lines starting with '#'. An entry is a letter, an optional
// colon, '=' and an absolute host folder or nothing. Each entry that is none of these goes to
// problems as it stands.
std::vector<DriveTableEntry> ParseDriveTable(std::string_view text, bool semicolonsSeparate,
                                             std::vector<std::string>& problems);

// Maps the drives of the file in settingsFolder (Windows text) and then those of variable (null
// when unset); gives the entries it could not read, each with where it came from.
std::vector<std::string> LoadDriveTable(PosixFileSystem& fs, const std::string& settingsFolder,
                                        const char* variable);

}  // namespace arbovane
