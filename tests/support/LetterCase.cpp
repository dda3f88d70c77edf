#include <filesystem>

#include "support/HostOnly.h"

namespace arbovane::testing {

bool HostIgnoresLetterCase(const std::string& hostFolder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path probe = fs::path(hostFolder) / "LetterCaseProbe";
    fs::create_directory(probe, ec);
    const bool ignores = fs::is_directory(fs::path(hostFolder) / "lETTERcASEpROBE", ec);
    fs::remove(probe, ec);
    return ignores;
}

}  // namespace arbovane::testing
