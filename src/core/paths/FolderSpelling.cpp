#include "core/paths/FolderSpelling.h"

#include <cctype>

#include "core/paths/Arbsplit.h"
#include "core/paths/PathText.h"

namespace arbovane {

std::string CanonicalFolderText(const std::string& path) {
    std::string canonical = NormalisePath(path);
    const std::size_t drive = ExtractDrive(canonical).size();
    while (canonical.size() > drive && canonical.back() == '\\') canonical.pop_back();
    // Drive letters, servers and shares are named without regard to letter case.
    for (std::size_t i = 0; i < drive; ++i)
        canonical[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(canonical[i])));
    return canonical;
}

}  // namespace arbovane
