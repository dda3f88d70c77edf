#pragma once

#include <string>

namespace arbovane {

// The version of this program, "8.20".
const char* ProgramVersion();

// Whether text is a version number: numbers apart by single dots.
bool IsVersionNumber(const std::string& text);
// Compares two version numbers part by part as numbers (8.3 comes before 8.20): below zero when a
// is older, zero when equal, above zero when newer. A missing part counts as 0.
int CompareVersions(const std::string& a, const std::string& b);

}  // namespace arbovane
