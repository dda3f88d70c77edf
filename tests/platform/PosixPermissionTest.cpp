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

    // The question a simulation asks gets the answer the creation gets, by path and in a tree.
    const auto could = [&](const char* folder, const char* name) {
        return Unprivileged([&] {
            FsError why = FsError::None;
            auto tree = Fs().OpenTree(std::string("d:\\") + folder, why);
            const CreateOutcome byTree = tree ? tree->CanCreate(name, why) : CreateOutcome::Failed;
            const CreateOutcome byPath =
                Fs().CanCreate(std::string("d:\\") + folder + "\\" + name, why);
            return byTree == CreateOutcome::Created && byPath == CreateOutcome::Created;
        });
    };
    EXPECT_TRUE(could("open", "new\\deeper"));
    EXPECT_FALSE(could("closed", "new"));
    EXPECT_FALSE(HostExists(Host("open/new")));
}

// The settings file and the exports are saved through WriteWholeFile into folders other users may
// share: a save may change only a file its writer may write, and leaves the file the same file.
TEST_F(PosixPermissionTest, SavingChangesOnlyWhatTheWriterMayWriteAndKeepsTheFile) {
    const bool root = geteuid() == 0;
    struct Case {
        const char* name;
        mode_t mode;
        bool otherOwner;  // owned by root while the unprivileged user writes
        bool hardLinked;
        bool expectWritten;
    };
    const Case cases[] = {
        {"own.set", 0640, false, false, true},
        {"linked.set", 0644, false, true, true},
        {"others.set", 0644, true, false, false},
        {"others-open.set", 0666, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.otherOwner && !root) continue;  // no other user's file can be made
        const std::string host = Host(c.name);
        TempDrives::WriteHostFile(host, "old");
        if (c.hardLinked) {
            ASSERT_EQ(link(host.c_str(), (host + ".link").c_str()), 0);
        }
        // As root the writer is user 65534, so its own files must be its own.
        if (root && !c.otherOwner) {
            ASSERT_EQ(chown(host.c_str(), 65534, 65534), 0);
        }
        ASSERT_EQ(chmod(host.c_str(), c.mode), 0);
        struct stat before {};
        ASSERT_EQ(stat(host.c_str(), &before), 0);

        const std::string path = std::string("d:\\") + c.name;
        EXPECT_EQ(Unprivileged([&] { return Fs().WriteWholeFile(path, "new"); }), c.expectWritten);

        struct stat after {};
        ASSERT_EQ(stat(host.c_str(), &after), 0);
        EXPECT_EQ(TempDrives::ReadHostFile(host), c.expectWritten ? "new" : "old");
        EXPECT_EQ(after.st_uid, before.st_uid);
        EXPECT_EQ(after.st_gid, before.st_gid);
        EXPECT_EQ(after.st_mode & 07777, c.mode);
        if (c.hardLinked) {
            EXPECT_EQ(after.st_ino, before.st_ino);
            EXPECT_EQ(TempDrives::ReadHostFile(host + ".link"), "new");
        }
    }
}

// Root may write anything; a file it saves keeps the owner it had.
TEST_F(PosixPermissionTest, ASaveByRootKeepsTheFilesOwner) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to give the file another owner";
    const std::string host = Host("default.set");
    TempDrives::WriteHostFile(host, "old");
    ASSERT_EQ(chown(host.c_str(), 65534, 65534), 0);
    ASSERT_TRUE(Fs().WriteWholeFile("d:\\default.set", "new"));
    struct stat after {};
    ASSERT_EQ(stat(host.c_str(), &after), 0);
    EXPECT_EQ(after.st_uid, 65534u);
    EXPECT_EQ(after.st_gid, 65534u);
    EXPECT_EQ(TempDrives::ReadHostFile(host), "new");
}

}  // namespace
}  // namespace arbovane
