#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace arbovane::testing {

// What a walk of a drive finds now that it did not find before, spelled as a run's log spells
// paths ("e:\X\Y"), in sorted order; two TreeSnapshot results of the drive's host folder.
inline std::vector<std::string> NewEntries(const std::map<std::string, std::string>& before,
                                           const std::map<std::string, std::string>& after,
                                           char drive) {
    std::vector<std::string> entries;
    for (const auto& [path, what] : after) {
        if (before.count(path)) continue;
        std::string windows = std::string(1, drive) + ":" + path;
        std::replace(windows.begin(), windows.end(), '/', '\\');
        entries.push_back(windows);
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

// The lines of several categories together, sorted.
inline std::vector<std::string> Sorted(std::vector<std::vector<std::string>> lists) {
    std::vector<std::string> all;
    for (const auto& list : lists) all.insert(all.end(), list.begin(), list.end());
    std::sort(all.begin(), all.end());
    return all;
}

}  // namespace arbovane::testing
