#include "core/paths/FolderSpelling.h"

#include <cctype>

#include "core/paths/Arbsplit.h"
#include "core/paths/PathText.h"
#include "platform/FileSystem.h"

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

std::optional<std::string> ResolvedName(FileSystem& fs, const std::string& folder,
                                        const std::string& name) {
    // A wildcard would list other names; "." and ".." step elsewhere.
    if (name.empty() || name.find_first_of("*?") != std::string::npos || name == "." ||
        name == "..")
        return std::nullopt;
    std::optional<std::string> found;
    const std::string prefix = !folder.empty() && folder.back() == '\\' ? folder : folder + "\\";
    // A name without wildcards lists its spellings in name order, byte order breaking ties, which
    // is the order in which the file system picks among them.
    fs.Enumerate(prefix + name, [&](const DirEntry& entry) {
        if (entry.name == name) {
            found = name;
            return false;
        }
        if (!found) found = entry.name;
        return true;
    });
    return found;
}

std::string ResolvedSpelling(FileSystem& fs, const std::string& path) {
    const std::string canonical = CanonicalFolderText(path);
    const std::string drive = ExtractDrive(canonical);
    // "d:Data" hangs on the drive's current directory; it is left as written.
    if (drive.empty() || canonical.size() <= drive.size() || canonical[drive.size()] != '\\')
        return canonical;
    std::string resolved = drive;
    std::size_t start = drive.size() + 1;
    while (start < canonical.size()) {
        std::size_t end = canonical.find('\\', start);
        if (end == std::string::npos) end = canonical.size();
        const auto found = ResolvedName(fs, resolved, canonical.substr(start, end - start));
        if (!found) return resolved + canonical.substr(start - 1);
        resolved += "\\" + *found;
        start = end + 1;
    }
    return resolved;
}

}  // namespace arbovane
