#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "HostBackend.h"

namespace arbovane::testing {

// A fresh host folder per drive letter, mapped into a HostFileSystem, removed at the end.
class TempDrives {
public:
    TempDrives();
    ~TempDrives();
    TempDrives(const TempDrives&) = delete;
    TempDrives& operator=(const TempDrives&) = delete;

    // Creates an empty host folder and maps it as letter; returns the host folder.
    std::string Map(char letter);
    HostFileSystem& Fs() { return *fs_; }
    const HostText& TextPort() const { return text_; }

    // Host paths are UTF-8 text on every host (std::filesystem would read a narrow string in the
    // ANSI code page on Windows).
    static std::filesystem::path HostPathOf(const std::string& utf8);
    static std::string HostTextOf(const std::filesystem::path& path);

    // Host helpers for arranging trees outside the port under test.
    static void MakeHostFolder(const std::string& hostPath);
    static void WriteHostFile(const std::string& hostPath, const std::string& bytes);
    // Below hostRoot (ending in "/"): entries ending in "/" are folders, the others files
    // holding their own relative path.
    static void MakeHostEntries(const std::string& hostRoot,
                                const std::vector<std::string>& entries);
    static std::string ReadHostFile(const std::string& hostPath);

private:
    HostText text_;
    std::unique_ptr<HostFileSystem> fs_;
    std::string base_;
};

}  // namespace arbovane::testing
