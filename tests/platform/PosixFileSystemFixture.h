#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <string>

#include "support/TempDrives.h"

namespace arbovane::testing {

// D: mapped to a fresh host folder; the process's current directory must come out of every test
// as it went in, unless the test says it moves it.
class PosixFileSystemFixture : public ::testing::Test {
protected:
    void SetUp() override {
        host_ = drives_.Map('D');
        char buffer[PATH_MAX];
        ASSERT_NE(getcwd(buffer, sizeof buffer), nullptr);
        hostCurrent_ = buffer;
        ASSERT_TRUE(Fs().ReadCurrentDirectory(windowsCurrent_));
    }
    void TearDown() override {
        std::string after;
        if (!movesCurrentDirectory_) {
            EXPECT_TRUE(Fs().ReadCurrentDirectory(after));
            EXPECT_EQ(after, windowsCurrent_) << "the current directory moved";
        }
        ASSERT_EQ(chdir(hostCurrent_.c_str()), 0);
    }

    PosixFileSystem& Fs() { return drives_.Fs(); }
    std::string Host(const std::string& relative) const { return host_ + "/" + relative; }
    static bool HostExists(const std::string& hostPath) {
        struct stat st {};
        return lstat(hostPath.c_str(), &st) == 0;
    }
    static bool HostIsFolder(const std::string& hostPath) {
        struct stat st {};
        return lstat(hostPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    }
    static mode_t HostMode(const std::string& hostPath) {
        struct stat st {};
        return lstat(hostPath.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
    }

    TempDrives drives_;
    std::string host_;
    std::string hostCurrent_;
    std::string windowsCurrent_;
    bool movesCurrentDirectory_ = false;
};

}  // namespace arbovane::testing
