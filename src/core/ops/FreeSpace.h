#pragma once

#include <cstdint>
#include <string>

namespace arbovane {

class FileSystem;

// The free-space message for a drive root, the bytes available there and the bytes needed.
std::string FreeSpaceMessage(const std::string& root, std::uint64_t available,
                             std::uint64_t needed);

// a * b, or the largest value where the product would not fit.
std::uint64_t SaturatingProduct(std::uint64_t a, std::uint64_t b);

// Whether needed bytes fit on the drive holding root; equalFits says whether exactly the free
// bytes are enough. A drive whose free space cannot be read is taken to have room, as the copy
// tab takes it. available receives what was read.
bool FitsOnDrive(FileSystem& fs, const std::string& root, std::uint64_t needed, bool equalFits,
                 std::uint64_t& available);

}  // namespace arbovane
