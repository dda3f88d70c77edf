#pragma once

#include <string>
#include <vector>

namespace arbovane {

class Text;

// The lines of a Visual Log category that its Export button hands to the export dialog, in order:
// each line once (letter case ignored), and only lines that name a drive or a network share once
// trimmed of blanks; the rest are kept unchanged.
std::vector<std::string> CategoryExportLines(const Text& text,
                                             const std::vector<std::string>& lines);

}  // namespace arbovane
