#include "support/TempDrives.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace arbovane::testing {

namespace stdfs = std::filesystem;

TempDrives::TempDrives() : fs_(std::make_unique<HostFileSystem>(text_)) {
    // A new folder of a random name: create_directory says false when it was there already.
    std::random_device random;
    for (int attempt = 0; attempt < 100 && base_.empty(); ++attempt) {
        const auto candidate =
            stdfs::temp_directory_path() / ("arbovane-" + std::to_string(random()));
        std::error_code ec;
        if (stdfs::create_directory(candidate, ec)) base_ = candidate.string();
    }
    if (base_.empty()) ADD_FAILURE() << "cannot make a temporary folder";
}

TempDrives::~TempDrives() {
    std::error_code ec;
    // Undo read-only bits the tests set, so the cleanup can finish.
    for (auto it = stdfs::recursive_directory_iterator(base_, ec);
         !ec && it != stdfs::recursive_directory_iterator(); it.increment(ec)) {
        if (!it->is_symlink())
            stdfs::permissions(it->path(), stdfs::perms::owner_all, stdfs::perm_options::add, ec);
    }
    stdfs::remove_all(base_, ec);
}

std::string TempDrives::Map(char letter) {
    const std::string host = base_ + "/drive-" + std::string(1, letter);
    stdfs::create_directories(host);
    fs_->MapDrive(letter, host);
    return host;
}

stdfs::path TempDrives::HostPathOf(const std::string& utf8) {
    return stdfs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string TempDrives::HostTextOf(const stdfs::path& path) {
    const std::u8string text = path.generic_u8string();
    return std::string(text.begin(), text.end());
}

void TempDrives::MakeHostFolder(const std::string& hostPath) {
    stdfs::create_directories(HostPathOf(hostPath));
}

void TempDrives::WriteHostFile(const std::string& hostPath, const std::string& bytes) {
    stdfs::create_directories(HostPathOf(hostPath).parent_path());
    std::ofstream out(HostPathOf(hostPath), std::ios::binary | std::ios::trunc);
    out << bytes;
}

void TempDrives::MakeHostEntries(const std::string& hostRoot,
                                 const std::vector<std::string>& entries) {
    for (const std::string& entry : entries) {
        if (!entry.empty() && entry.back() == '/')
            MakeHostFolder(hostRoot + entry);
        else
            WriteHostFile(hostRoot + entry, entry);
    }
}

std::string TempDrives::ReadHostFile(const std::string& hostPath) {
    std::ifstream in(HostPathOf(hostPath), std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

}  // namespace arbovane::testing
