#include "platform/posix/HostDriveType.h"

#include <sys/stat.h>
#include <sys/statfs.h>

#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string_view>

#include "platform/FileSystem.h"

namespace arbovane {

namespace {

// Magic numbers of statfs's f_type (linux/magic.h, spelled out to keep the kernel headers out).
constexpr unsigned long kTmpfs = 0x01021994;
constexpr unsigned long kRamfs = 0x858458f6;
constexpr unsigned long kNfs = 0x6969;
constexpr unsigned long kCifs = 0xFF534D42;
constexpr unsigned long kSmb = 0x517B;
constexpr unsigned long kSmb2 = 0xFE534D42;
constexpr unsigned long kIso9660 = 0x9660;
constexpr unsigned long kUdf = 0x15013346;
constexpr unsigned long kFuse = 0x65735546;

// mountinfo writes blanks and backslashes in paths as octal escapes.
std::string UnescapeMountPath(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size()) {
            const std::string digits(text.substr(i + 1, 3));
            if (digits.find_first_not_of("01234567") == std::string::npos) {
                out.push_back(static_cast<char>(std::stoi(digits, nullptr, 8)));
                i += 3;
                continue;
            }
        }
        out.push_back(text[i]);
    }
    return out;
}

bool IsUnder(const std::string& path, const std::string& mountPoint) {
    if (mountPoint == "/") return true;
    return path.compare(0, mountPoint.size(), mountPoint) == 0 &&
           (path.size() == mountPoint.size() || path[mountPoint.size()] == '/');
}

// The FUSE subtype ("fuse.sshfs") of the mount holding path; f_type alone cannot tell them apart.
std::string FuseTypeOf(const std::string& hostFolder) {
    char resolved[PATH_MAX];
    if (!realpath(hostFolder.c_str(), resolved)) return {};
    const std::string path = resolved;
    std::ifstream mounts("/proc/self/mountinfo");
    std::string line, best, bestType;
    while (std::getline(mounts, line)) {
        // id parent major:minor root mount-point options [optional...] - type source super
        std::istringstream fields(line);
        std::string id, parent, device, root, mountPoint, field;
        if (!(fields >> id >> parent >> device >> root >> mountPoint)) continue;
        while (fields >> field && field != "-") {
        }
        std::string type;
        if (!(fields >> type)) continue;
        const std::string point = UnescapeMountPath(mountPoint);
        // Later lines mount over earlier ones, so ">=" keeps the one that is visible.
        if (IsUnder(path, point) && point.size() >= best.size()) {
            best = point;
            bestType = type;
        }
    }
    return bestType;
}

}  // namespace

int HostDriveType(const std::string& hostFolder) {
    struct stat st {};
    struct statfs fs {};
    if (stat(hostFolder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return kDriveNoRootDir;
    if (statfs(hostFolder.c_str(), &fs) != 0) return kDriveUnknown;
    switch (static_cast<unsigned long>(fs.f_type) & 0xFFFFFFFFul) {
        case kTmpfs:
        case kRamfs:
            return kDriveRamDisk;
        case kNfs:
        case kCifs:
        case kSmb:
        case kSmb2:
            return kDriveRemote;
        case kIso9660:
        case kUdf:
            return kDriveCdRom;
        case kFuse:
            return FuseTypeOf(hostFolder) == "fuse.sshfs" ? kDriveRemote : kDriveFixed;
        default:
            return kDriveFixed;
    }
}

}  // namespace arbovane
