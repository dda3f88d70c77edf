#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/ForwardingFileSystem.h"

namespace arbovane {

// Forwards every call to another file system and reports each folder listing it served, so a
// long walk can show its progress (or be counted) without knowing who watches it.
class ListingReporter : public ForwardingFileSystem {
public:
    // Called after every listing with the listings so far and the entries they delivered.
    using Report = std::function<void(std::uint64_t listings, std::uint64_t entries)>;

    explicit ListingReporter(FileSystem& inner, Report report = {})
        : ForwardingFileSystem(inner), report_(std::move(report)) {}

    std::uint64_t Listings() const { return listings_; }
    std::uint64_t Entries() const { return entries_; }
    void ResetCounts() { listings_ = entries_ = 0; }
    void SetReport(Report report) { report_ = std::move(report); }

    bool Enumerate(const std::string& folderAndPattern, const EntryVisitor& visit) override;
    // The tree's listings are reported like those of Enumerate.
    std::unique_ptr<FolderTree> OpenTree(const std::string& root, FsError& why,
                                         bool refuseLinkRoot = false) override;
    // One listing served by this file system or one of its trees.
    void Listed(std::uint64_t entries);

private:
    Report report_;
    std::uint64_t listings_ = 0;
    std::uint64_t entries_ = 0;
};

}  // namespace arbovane
