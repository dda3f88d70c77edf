#pragma once

#include <memory>
#include <string>

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

    // Host helpers for arranging trees outside the port under test.
    static void MakeHostFolder(const std::string& hostPath);
    static void WriteHostFile(const std::string& hostPath, const std::string& bytes);
    static std::string ReadHostFile(const std::string& hostPath);

private:
    HostText text_;
    std::unique_ptr<HostFileSystem> fs_;
    std::string base_;
};

}  // namespace arbovane::testing
