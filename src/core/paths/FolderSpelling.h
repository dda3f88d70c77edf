#pragma once

#include <optional>
#include <string>

namespace arbovane {

class FileSystem;

// The path with backslashes only, repeated ones collapsed (a network pair kept), trailing ones
// dropped and the drive part in lower case: one text for every way of writing one path.
std::string CanonicalFolderText(const std::string& path);

// The name of the entry the file system finds for name in folder: the exact spelling when it is
// there, else the first that differs only in letter case; nothing when there is none.
std::optional<std::string> ResolvedName(FileSystem& fs, const std::string& folder,
                                        const std::string& name);

// The canonical path spelled as the file system finds it: each component that exists takes the
// spelling ResolvedName gives, the rest stays as written. Two texts that resolve to the same
// spelling name the same folder, also on a disk that keeps names apart by letter case.
std::string ResolvedSpelling(FileSystem& fs, const std::string& path);

}  // namespace arbovane
