#pragma once

#include <string>

namespace arbovane {

class FileSystem;

// The box that says a folder, file or address could not be opened with the shell's "open" verb,
// and why, as far as the program can tell.
struct OpenFailure {
    std::string text;
    std::string title;
    int flags = 0;
    bool operator==(const OpenFailure&) const = default;
};

OpenFailure OpenFailureFor(FileSystem& fs, const std::string& target);

}  // namespace arbovane
