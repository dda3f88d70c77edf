#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

#include "PosixFileSystemFixture.h"

namespace arbovane {
namespace {

using testing::TempDrives;

// Permission bits do not stop root, so as root the call runs in a child that has become the
// unprivileged user 65534; as anyone else it runs right here, where the bits already bind.
class PosixPermissionTest : public testing::PosixFileSystemFixture {
protected:
    void SetUp() override {
        PosixFileSystemFixture::SetUp();
        // The temporary parent is private to its owner; the other user must reach the drive.
        if (geteuid() == 0) {
            ASSERT_EQ(chmod((host_ + "/..").c_str(), 0755), 0);
        }
        ASSERT_EQ(chmod(host_.c_str(), 0777), 0);
    }

    bool Unprivileged(const std::function<bool()>& call) {
        if (geteuid() != 0) return call();
        const pid_t child = fork();
        if (child == 0) {
            const bool dropped =
                setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0;
            _exit(!dropped ? 2 : (call() ? 1 : 0));
        }
        int status = 0;
        EXPECT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status));
        EXPECT_NE(WEXITSTATUS(status), 2) << "could not become the unprivileged user";
        return WIFEXITED(status) && WEXITSTATUS(status) == 1;
    }
};

TEST_F(PosixPermissionTest, TheKernelsRefusalIsAFailure) {
    TempDrives::WriteHostFile(Host("open/a.txt"), "a");
    TempDrives::WriteHostFile(Host("closed/b.txt"), "b");
    TempDrives::MakeHostFolder(Host("sealed/inside"));
    for (const char* file : {"open/a.txt", "closed/b.txt"})
        ASSERT_EQ(chmod(Host(file).c_str(), 0666), 0);
    ASSERT_EQ(chmod(Host("open").c_str(), 0777), 0);
    ASSERT_EQ(chmod(Host("closed").c_str(), 0555), 0);
    ASSERT_EQ(chmod(Host("sealed").c_str(), 0666), 0);

    EXPECT_TRUE(Unprivileged([&] { return Fs().RemoveFile("d:\\open\\a.txt"); }));
    EXPECT_FALSE(HostExists(Host("open/a.txt")));

    EXPECT_FALSE(Unprivileged([&] { return Fs().RemoveFile("d:\\closed\\b.txt"); }));
    EXPECT_EQ(TempDrives::ReadHostFile(Host("closed/b.txt")), "b");
    EXPECT_FALSE(Unprivileged([&] { return Fs().CreateFolderTree("d:\\closed\\new"); }));
    EXPECT_FALSE(HostExists(Host("closed/new")));
    EXPECT_FALSE(Unprivileged([&] { return Fs().WriteWholeFile("d:\\closed\\c.txt", "c"); }));
    EXPECT_FALSE(HostExists(Host("closed/c.txt")));
    EXPECT_FALSE(Unprivileged(
        [&] { return Fs().CopyFileNoOverwrite("d:\\closed\\b.txt", "d:\\closed\\d"); }));
    EXPECT_FALSE(HostExists(Host("closed/d")));

    // Without search permission a folder is no folder to enter, and the current directory stays.
    EXPECT_FALSE(Unprivileged([&] { return Fs().IsFolder("d:\\sealed"); }));
    EXPECT_FALSE(Unprivileged([&] { return Fs().MakeCurrentDirectory("d:\\sealed"); }));
    EXPECT_TRUE(Unprivileged([&] { return Fs().IsFolder("d:\\open"); }));
}

}  // namespace
}  // namespace arbovane
