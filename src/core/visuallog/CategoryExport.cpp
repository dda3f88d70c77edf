#include "core/visuallog/CategoryExport.h"

#include "core/paths/PathText.h"

namespace arbovane {

std::vector<std::string> CategoryExportLines(const std::vector<std::string>& lines) {
    std::vector<std::string> exported;
    for (const std::string& line : lines)
        if (HasDrive(TrimSpaces(line))) exported.push_back(line);
    return exported;
}

}  // namespace arbovane
