#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "support/FaultyFileSystem.h"
#include "support/TempDrives.h"

namespace arbovane::testing {

// Drive D: on a temporary folder, addressed by the Windows paths the journals hold.
class UndoTestTree {
public:
    UndoTestTree() : host_(drives_.Map('D')) {}

    std::string Host(const std::string& windowsPath) const {
        std::string rest = windowsPath.substr(2);
        for (auto& c : rest)
            if (c == '\\') c = '/';
        return host_ + rest;
    }
    void Folders(const std::vector<std::string>& paths) const {
        for (const auto& path : paths) TempDrives::MakeHostFolder(Host(path));
    }
    void Files(const std::vector<std::string>& paths) const {
        for (const auto& path : paths) TempDrives::WriteHostFile(Host(path), path);
    }
    // The entry itself, a link not followed.
    bool Exists(const std::string& windowsPath) const {
        std::error_code ec;
        return std::filesystem::symlink_status(Host(windowsPath), ec).type() !=
               std::filesystem::file_type::not_found;
    }
    HostFileSystem& Fs() { return drives_.Fs(); }
    const Text& TextPort() const { return drives_.TextPort(); }

private:
    TempDrives drives_;
    std::string host_;
};

// Records every removal and deletion in call order; any other mutation shows as a count that
// the records do not explain.
class RemovalRecorder {
public:
    explicit RemovalRecorder(FileSystem& inner) : fs_(inner) {
        fs_.Before(FaultyFileSystem::Op::RemoveEmptyFolder,
                   [this](const std::string& path) { calls_.push_back("rmdir " + path); });
        fs_.Before(FaultyFileSystem::Op::RemoveFile,
                   [this](const std::string& path) { calls_.push_back("del " + path); });
    }
    FaultyFileSystem& Fs() { return fs_; }
    const std::vector<std::string>& Calls() const { return calls_; }
    bool OnlyRemovals() const { return fs_.MutationCount() == static_cast<int>(calls_.size()); }

private:
    FaultyFileSystem fs_;
    std::vector<std::string> calls_;
};

}  // namespace arbovane::testing
