#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "PosixFileSystemFixture.h"
#include "platform/posix/PosixFileOps.h"

namespace arbovane {
namespace {

using testing::TempDrives;

class PosixCreateTest : public testing::PosixFileSystemFixture {
protected:
    int EntriesIn(const std::string& hostFolder) {
        int count = 0;
        DIR* dir = opendir(hostFolder.c_str());
        while (const dirent* entry = dir ? readdir(dir) : nullptr)
            if (entry->d_name[0] != '.' || (entry->d_name[1] && entry->d_name[1] != '.')) ++count;
        if (dir) closedir(dir);
        return count;
    }
};

TEST_F(PosixCreateTest, CreateFolderTellsWhatItFound) {
    TempDrives::MakeHostFolder(Host("P/Old"));
    TempDrives::WriteHostFile(Host("P/file"), "f");
    ASSERT_EQ(symlink(Host("P/Old").c_str(), Host("P/link").c_str()), 0);
    const struct {
        const char* path;
        CreateOutcome outcome;
    } cases[] = {
        {"d:\\P\\New", CreateOutcome::Created},
        {"d:\\P\\Old", CreateOutcome::Existed},
        {"d:\\P\\OLD", CreateOutcome::Created},  // another name on this volume
        {"d:\\P\\file", CreateOutcome::Failed},
        {"d:\\P\\link", CreateOutcome::Failed},
        {"d:\\P\\no\\parent", CreateOutcome::Failed},
        {"d:\\P\\bad?", CreateOutcome::Failed},
        {"d:\\", CreateOutcome::Failed},
    };
    for (const auto& c : cases) EXPECT_EQ(Fs().CreateFolder(c.path), c.outcome) << c.path;
    EXPECT_TRUE(HostIsFolder(Host("P/New")));
    EXPECT_FALSE(HostExists(Host("P/no")));
    EXPECT_EQ(EntriesIn(Host("P/Old")), 0);
}

TEST_F(PosixCreateTest, CopyNewFileTellsExistingFromFailedAndStampsTheCopy) {
    TempDrives::WriteHostFile(Host("src/a.txt"), "alpha");
    TempDrives::WriteHostFile(Host("dst/Taken.txt"), "theirs");
    ASSERT_EQ(symlink(Host("src/a.txt").c_str(), Host("src/link.txt").c_str()), 0);
    const struct timespec times[2] = {{1000000000, 0}, {1500000000, 42}};
    ASSERT_EQ(utimensat(AT_FDCWD, Host("src/a.txt").c_str(), times, 0), 0);

    FileStamp stamp;
    EXPECT_EQ(Fs().CopyNewFile("d:\\src\\a.txt", "d:\\dst\\new.txt", stamp),
              CreateOutcome::Created);
    EXPECT_EQ(stamp.size, 5u);
    EXPECT_EQ(stamp.modifiedNs, 1500000000LL * 1000000000 + 42);
    EXPECT_NE(stamp.fileId, 0u);
    FileStamp read;
    ASSERT_TRUE(Fs().GetFileStamp("d:\\dst\\new.txt", read));
    EXPECT_EQ(read, stamp);

    const struct {
        const char* source;
        const char* target;
        CreateOutcome outcome;
    } cases[] = {
        {"d:\\src\\a.txt", "d:\\dst\\Taken.txt", CreateOutcome::Existed},
        {"d:\\src\\a.txt", "d:\\dst\\taken.TXT", CreateOutcome::Created},  // another name here
        {"d:\\src\\a.txt", "d:\\dst", CreateOutcome::Existed},
        {"d:\\src\\link.txt", "d:\\dst\\via-link.txt", CreateOutcome::Failed},
        {"d:\\src\\none.txt", "d:\\dst\\none.txt", CreateOutcome::Failed},
        {"d:\\src\\a.txt", "d:\\missing\\a.txt", CreateOutcome::Failed},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Fs().CopyNewFile(c.source, c.target, stamp), c.outcome) << c.target;
    EXPECT_EQ(TempDrives::ReadHostFile(Host("dst/Taken.txt")), "theirs");
    EXPECT_FALSE(HostExists(Host("dst/via-link.txt")));
    EXPECT_EQ(EntriesIn(Host("dst")), 3);
}

// A copy cut short (here by a file size limit) leaves nothing under the final name and no
// half-written sibling either, whether it was written in place or as an unnamed file.
TEST_F(PosixCreateTest, ACopyThatFailsHalfWayLeavesNoFile) {
    for (const off_t size : {off_t{64} << 10, kInPlaceCopyLimit, kInPlaceCopyLimit * 2}) {
        SCOPED_TRACE(size);
        TempDrives::WriteHostFile(Host("src/big.bin"), std::string(size, 'b'));
        TempDrives::MakeHostFolder(Host("dst"));
        const pid_t child = fork();
        if (child == 0) {
            signal(SIGXFSZ, SIG_IGN);
            const struct rlimit limit = {4096, 4096};
            setrlimit(RLIMIT_FSIZE, &limit);
            FileStamp stamp;
            _exit(Fs().CopyNewFile("d:\\src\\big.bin", "d:\\dst\\big.bin", stamp) ==
                          CreateOutcome::Failed
                      ? 0
                      : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        EXPECT_EQ(EntriesIn(Host("dst")), 0);
    }
}

// A file written in place that a signal ends the program in the middle of is removed first;
// where the program ignores the signal the copy goes on and stays, and a file that took the name
// meanwhile is not ours to remove.
TEST_F(PosixCreateTest, AnEndingSignalRemovesTheFileWrittenInPlace) {
    TempDrives::MakeHostFolder(Host("dst"));
    TempDrives::WriteHostFile(Host("theirs.txt"), "theirs");
    const struct {
        const char* name;
        bool ignored;
        bool replaced;
    } cases[] = {
        {"ended.txt", false, false}, {"kept.txt", true, false}, {"taken.txt", false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const pid_t child = fork();
        if (child == 0) {
            if (c.ignored) signal(SIGTERM, SIG_IGN);
            const int folder = open(Host("dst").c_str(), O_RDONLY | O_DIRECTORY);
            FsError why = FsError::None;
            const std::string name = Host("dst/") + c.name;
            const std::string theirs = Host("theirs.txt");
            const auto fill = [&](int out) {
                if (!WriteAll(out, "half", 4)) return false;
                if (c.replaced && rename(theirs.c_str(), name.c_str()) != 0) return false;
                raise(SIGTERM);
                return WriteAll(out, "-whole", 6);
            };
            _exit(WriteNewFileInPlace(folder, c.name, 0644, fill, why) == CreateOutcome::Created
                      ? 0
                      : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        if (c.ignored) {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
            EXPECT_EQ(TempDrives::ReadHostFile(Host("dst/") + c.name), "half-whole");
        } else if (c.replaced) {
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
            EXPECT_EQ(TempDrives::ReadHostFile(Host("dst/") + c.name), "theirs");
        } else {
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
            EXPECT_FALSE(HostExists(Host("dst/") + c.name));
        }
    }
}

// A name that is taken is never written; a fill that fails takes its own file away again.
TEST_F(PosixCreateTest, InPlaceWritesNeverReplaceAndCleanUpAfterThemselves) {
    TempDrives::WriteHostFile(Host("dst/taken.txt"), "theirs");
    const int folder = open(Host("dst").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(folder, 0);
    FsError why = FsError::None;
    const auto writes = [](bool succeeds) {
        return [succeeds](int out) { return WriteAll(out, "ours", 4) && succeeds; };
    };
    EXPECT_EQ(WriteNewFileInPlace(folder, "taken.txt", 0644, writes(true), why),
              CreateOutcome::Existed);
    EXPECT_EQ(TempDrives::ReadHostFile(Host("dst/taken.txt")), "theirs");
    EXPECT_EQ(WriteNewFileInPlace(folder, "failed.txt", 0644, writes(false), why),
              CreateOutcome::Failed);
    EXPECT_FALSE(HostExists(Host("dst/failed.txt")));
    EXPECT_EQ(WriteNewFileInPlace(folder, "made.txt", 0640, writes(true), why),
              CreateOutcome::Created);
    struct stat st {};
    ASSERT_EQ(stat(Host("dst/made.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(TempDrives::ReadHostFile(Host("dst/made.txt")), "ours");
    close(folder);
}

TEST_F(PosixCreateTest, TwoLettersOnOneVolumeShareTheirId) {
    TempDrives::MakeHostFolder(Host("second"));
    drives_.Fs().MapDrive('Q', Host("second"));
    std::uint64_t d = 0, q = 0, root = 0;
    ASSERT_TRUE(Fs().VolumeId("d:\\", d));
    ASSERT_TRUE(Fs().VolumeId("q:\\not\\there", q));
    EXPECT_EQ(d, q);
    ASSERT_TRUE(Fs().VolumeId("z:\\proc", root));
    EXPECT_NE(d, root);
    EXPECT_FALSE(Fs().VolumeId("k:\\", d));
}

}  // namespace
}  // namespace arbovane
