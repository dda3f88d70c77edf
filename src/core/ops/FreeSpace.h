#pragma once

#include <cstdint>
#include <string>

namespace arbovane {

class FileSystem;

// The free-space message for a drive root, the bytes available there and the bytes needed.
std::string FreeSpaceMessage(const std::string& root, std::uint64_t available,
                             std::uint64_t needed);

// The root a path lies on: "d:\" as typed, or the share of a network path; empty without one.
std::string DriveRootOf(const std::string& path);

// What the free-space message names for a destination on a volume: its drive root, or the
// destination itself when another volume is mounted at or above it.
std::string VolumeName(FileSystem& fs, const std::string& destination, std::uint64_t volume);

// a + b, or the largest value where the sum would not fit.
std::uint64_t SaturatingSum(std::uint64_t a, std::uint64_t b);

// a * b, or the largest value where the product would not fit.
std::uint64_t SaturatingProduct(std::uint64_t a, std::uint64_t b);

// Whether needed bytes fit on the volume holding path (its nearest existing folder); equalFits
// says whether exactly the free bytes are enough. A volume whose free space cannot be read is
// taken to have room, as the copy tab takes it. available receives what was read.
bool FitsOnVolume(FileSystem& fs, const std::string& path, std::uint64_t needed, bool equalFits,
                  std::uint64_t& available);

}  // namespace arbovane
