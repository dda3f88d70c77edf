#include "core/paths/FolderSpelling.h"

#include <cctype>

#include "core/paths/Arbsplit.h"
#include "core/paths/PathText.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

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

std::string ResolvedSpelling(FileSystem& fs, const Text& text, const std::string& path) {
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
        const std::string name = canonical.substr(start, end - start);
        // A wildcard would list other names; "." and ".." step elsewhere.
        std::string found;
        if (name.find_first_of("*?") == std::string::npos && name != "." && name != "..") {
            fs.Enumerate(resolved + "\\" + name, [&](const DirEntry& entry) {
                if (entry.name == name) {
                    found = name;
                    return false;
                }
                // Entries come in name order with byte order breaking ties, as the file system
                // picks among spellings.
                if (found.empty() && text.EqualsNoCase(entry.name, name)) found = entry.name;
                return true;
            });
        }
        if (found.empty()) return resolved + canonical.substr(start - 1);
        resolved += "\\" + found;
        start = end + 1;
    }
    return resolved;
}

}  // namespace arbovane
