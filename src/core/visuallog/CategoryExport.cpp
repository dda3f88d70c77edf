#include "core/visuallog/CategoryExport.h"

#include <unordered_set>

#include "core/paths/PathText.h"
#include "platform/Text.h"

namespace arbovane {

std::vector<std::string> CategoryExportLines(const Text& text,
                                             const std::vector<std::string>& lines) {
    // Keyed by the lower-cased line, so a category of a million lines is not searched
    // quadratically.
    std::unordered_set<std::string> held;
    std::vector<std::string> exported;
    for (const std::string& line : lines) {
        if (!HasDrive(TrimSpaces(line))) continue;
        if (held.insert(text.LowerCase(line)).second) exported.push_back(line);
    }
    return exported;
}

}  // namespace arbovane
