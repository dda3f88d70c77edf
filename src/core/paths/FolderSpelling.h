#pragma once

#include <string>

namespace arbovane {

class FileSystem;
class Text;

// The path with backslashes only, repeated ones collapsed (a network pair kept), trailing ones
// dropped and the drive letter in lower case: one text for every way of writing one path.
std::string CanonicalFolderText(const std::string& path);

// The canonical path spelled as the file system finds it: each component that exists takes the
// spelling it has on disk (the exact one when present, else the first that differs only in letter
// case), the rest stays as written. Two texts that resolve to the same spelling name the same
// folder, also on a disk that keeps names apart by letter case.
std::string ResolvedSpelling(FileSystem& fs, const Text& text, const std::string& path);

}  // namespace arbovane
