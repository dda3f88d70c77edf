#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <system_error>

namespace arbovane::testing {

// Every entry below a host folder, links not followed: "folder", "link -> target", or the size
// and a checksum of the contents. Two equal snapshots mean nothing was added, removed or changed.
inline std::map<std::string, std::string> TreeSnapshot(const std::string& hostRoot) {
    namespace stdfs = std::filesystem;
    std::map<std::string, std::string> entries;
    std::error_code ec;
    for (auto it = stdfs::recursive_directory_iterator(hostRoot, ec);
         !ec && it != stdfs::recursive_directory_iterator(); it.increment(ec)) {
        // Forward slashes and UTF-8 on every host, as the tests spell their paths.
        const std::u8string text = it->path().generic_u8string();
        const std::string path = std::string(text.begin(), text.end()).substr(hostRoot.size());
        if (it->is_symlink()) {
            entries[path] = "link -> " + stdfs::read_symlink(it->path(), ec).string();
        } else if (it->is_directory()) {
            entries[path] = "folder";
        } else {
            std::ifstream in(it->path(), std::ios::binary);
            std::ostringstream bytes;
            bytes << in.rdbuf();
            const std::string content = bytes.str();
            entries[path] = std::to_string(content.size()) + " bytes, sum " +
                            std::to_string(std::hash<std::string>{}(content));
        }
    }
    return entries;
}

}  // namespace arbovane::testing
