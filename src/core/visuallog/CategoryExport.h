#pragma once

#include <string>
#include <vector>

namespace arbovane {

// The lines of a Visual Log category that its Export button hands to the export dialog, in order:
// only lines that name a drive or a network share once trimmed of blanks, kept unchanged. The
// dialog itself keeps each line once.
std::vector<std::string> CategoryExportLines(const std::vector<std::string>& lines);

}  // namespace arbovane
