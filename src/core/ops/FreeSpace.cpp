#include "core/ops/FreeSpace.h"

#include <limits>

#include "core/paths/Arbsplit.h"
#include "core/paths/PathText.h"
#include "platform/FileSystem.h"

namespace arbovane {

std::string FreeSpaceMessage(const std::string& root, std::uint64_t available,
                             std::uint64_t needed) {
    return "There is not enough space on the disk.\nThe free space on the disk " + root +
           " is : " + FormatSize(available) + "    " + std::to_string(available) + " bytes\n" +
           "The program requires : " + FormatSize(needed) + "    " + std::to_string(needed) +
           " bytes.";
}

std::uint64_t SaturatingProduct(std::uint64_t a, std::uint64_t b) {
    if (a != 0 && b > std::numeric_limits<std::uint64_t>::max() / a)
        return std::numeric_limits<std::uint64_t>::max();
    return a * b;
}

std::string DriveRootOf(const std::string& path) {
    const std::string drive = ExtractDrive(WithBackslashes(TrimSpaces(path)));
    if (drive.empty()) return {};
    return drive + "\\";
}

std::string VolumeName(FileSystem& fs, const std::string& destination, std::uint64_t volume) {
    const std::string root = DriveRootOf(destination);
    std::uint64_t rootVolume = 0;
    if (!root.empty() && fs.VolumeId(root, rootVolume) && rootVolume == volume) return root;
    return TrimSpaces(destination);
}

std::uint64_t SaturatingSum(std::uint64_t a, std::uint64_t b) {
    return a > std::numeric_limits<std::uint64_t>::max() - b
               ? std::numeric_limits<std::uint64_t>::max()
               : a + b;
}

bool FitsOnVolume(FileSystem& fs, const std::string& path, std::uint64_t needed, bool equalFits,
                  std::uint64_t& available) {
    available = 0;
    if (!fs.FreeBytesForUser(path, available)) return true;
    return equalFits ? needed <= available : needed < available;
}

}  // namespace arbovane
