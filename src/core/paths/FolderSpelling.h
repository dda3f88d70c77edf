#pragma once

#include <string>

namespace arbovane {

// The path with backslashes only, repeated ones collapsed (a network pair kept), trailing ones
// dropped and the drive part in lower case: one text for every way of writing one path.
std::string CanonicalFolderText(const std::string& path);

}  // namespace arbovane
