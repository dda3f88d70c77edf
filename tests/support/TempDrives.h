#pragma once

#include <memory>
#include <string>

#include "platform/posix/IcuText.h"
#include "platform/posix/PosixFileSystem.h"

namespace arbovane::testing {

// A fresh host folder per drive letter, mapped into a PosixFileSystem, removed at the end.
class TempDrives {
public:
    TempDrives();
    ~TempDrives();
    TempDrives(const TempDrives&) = delete;
    TempDrives& operator=(const TempDrives&) = delete;

    // Creates an empty host folder and maps it as letter; returns the host folder.
    std::string Map(char letter);
    PosixFileSystem& Fs() { return *fs_; }
    const IcuText& TextPort() const { return text_; }

    // Host helpers for arranging trees outside the port under test.
    static void MakeHostFolder(const std::string& hostPath);
    static void WriteHostFile(const std::string& hostPath, const std::string& bytes);
    static std::string ReadHostFile(const std::string& hostPath);

private:
    IcuText text_;
    std::unique_ptr<PosixFileSystem> fs_;
    std::string base_;
};

}  // namespace arbovane::testing
