#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <string>

#include "PosixFileSystemFixture.h"

namespace arbovane {
namespace {

using testing::TempDrives;

class PosixMutationTest : public testing::PosixFileSystemFixture {};

TEST_F(PosixMutationTest, CreateFolderTreeMakesEveryMissingFolderOnce) {
    TempDrives::MakeHostFolder(Host("data"));
    TempDrives::WriteHostFile(Host("file.txt"), "x");
    EXPECT_TRUE(Fs().CreateFolderTree("d:\\Clients\\Customer1\\Letters"));
    EXPECT_TRUE(HostIsFolder(Host("Clients/Customer1/Letters")));
    EXPECT_TRUE(Fs().CreateFolderTree("D:\\Clients\\Customer1"));  // already there
    EXPECT_TRUE(Fs().CreateFolderTree("d:\\"));
    // An existing folder is reused; another spelling of it is another folder on this volume.
    EXPECT_TRUE(Fs().CreateFolderTree("d:\\data\\new"));
    EXPECT_TRUE(HostIsFolder(Host("data/new")));
    EXPECT_TRUE(Fs().CreateFolderTree("d:\\DATA\\new"));
    EXPECT_TRUE(HostIsFolder(Host("DATA/new")));
    EXPECT_FALSE(Fs().CreateFolderTree("d:\\data\\dotted."));

    const std::string refused[] = {"d:\\file.txt", "d:\\file.txt\\sub", "d:\\bad\\a?b",
                                   "d:\\bad\\a:b", "d:\\bad\\x\\a|b",   "d:\\bad\\\xC3"};
    for (const auto& path : refused) EXPECT_FALSE(Fs().CreateFolderTree(path)) << path;
    EXPECT_FALSE(HostExists(Host("bad"))) << "a refused path created a part of itself";
}

TEST_F(PosixMutationTest, RemoveEmptyFolderRemovesNothingElse) {
    TempDrives::MakeHostFolder(Host("empty"));
    TempDrives::WriteHostFile(Host("full/keep.txt"), "keep");
    TempDrives::WriteHostFile(Host("target/inside.txt"), "inside");
    TempDrives::WriteHostFile(Host("file.txt"), "x");
    TempDrives::MakeHostFolder(Host("locked"));
    ASSERT_EQ(chmod(Host("locked").c_str(), 0555), 0);
    ASSERT_EQ(symlink(Host("target").c_str(), Host("link").c_str()), 0);

    EXPECT_FALSE(Fs().RemoveEmptyFolder("d:\\full"));
    EXPECT_EQ(TempDrives::ReadHostFile(Host("full/keep.txt")), "keep");
    EXPECT_FALSE(Fs().RemoveEmptyFolder("d:\\file.txt"));
    EXPECT_FALSE(Fs().RemoveEmptyFolder("d:\\missing"));
    EXPECT_FALSE(Fs().RemoveEmptyFolder("d:\\"));
    EXPECT_TRUE(HostIsFolder(host_));
    EXPECT_FALSE(Fs().RemoveEmptyFolder("d:\\locked"));  // read-only, as Windows refuses it
    EXPECT_TRUE(HostIsFolder(Host("locked")));

    EXPECT_FALSE(Fs().RemoveEmptyFolder("d:\\EMPTY"));  // no such folder here
    EXPECT_TRUE(Fs().RemoveEmptyFolder("d:\\empty"));
    EXPECT_FALSE(HostExists(Host("empty")));
    // A link to a folder goes as the link; the folder and its files stay.
    EXPECT_TRUE(Fs().RemoveEmptyFolder("d:\\link"));
    EXPECT_FALSE(HostExists(Host("link")));
    EXPECT_EQ(TempDrives::ReadHostFile(Host("target/inside.txt")), "inside");
}

TEST_F(PosixMutationTest, RemoveFileRefusesFoldersAndReadOnlyFiles) {
    TempDrives::WriteHostFile(Host("plain.txt"), "x");
    TempDrives::WriteHostFile(Host("readonly.txt"), "keep");
    ASSERT_EQ(chmod(Host("readonly.txt").c_str(), 0444), 0);
    TempDrives::MakeHostFolder(Host("folder"));
    ASSERT_EQ(symlink(Host("readonly.txt").c_str(), Host("link").c_str()), 0);
    ASSERT_EQ(symlink("nowhere", Host("dangling").c_str()), 0);

    EXPECT_FALSE(Fs().RemoveFile("d:\\folder"));
    EXPECT_TRUE(HostIsFolder(Host("folder")));
    EXPECT_FALSE(Fs().RemoveFile("d:\\readonly.txt"));
    EXPECT_EQ(TempDrives::ReadHostFile(Host("readonly.txt")), "keep");
    EXPECT_FALSE(Fs().RemoveFile("d:\\missing.txt"));

    EXPECT_FALSE(Fs().RemoveFile("d:\\Plain.txt"));  // no such file here
    EXPECT_TRUE(Fs().RemoveFile("d:\\plain.txt"));
    EXPECT_FALSE(HostExists(Host("plain.txt")));
    EXPECT_TRUE(Fs().RemoveFile("d:\\link"));  // the link, not the read-only file behind it
    EXPECT_FALSE(HostExists(Host("link")));
    EXPECT_EQ(TempDrives::ReadHostFile(Host("readonly.txt")), "keep");
    EXPECT_TRUE(Fs().RemoveFile("d:\\dangling"));
    EXPECT_FALSE(HostExists(Host("dangling")));
}

TEST_F(PosixMutationTest, CopyKeepsDataModeAndTimeAndNeverOverwrites) {
    const std::string data = std::string("binary\0data\r\n", 13) + std::string(300000, 'q');
    TempDrives::WriteHostFile(Host("src/report.bin"), data);
    ASSERT_EQ(chmod(Host("src/report.bin").c_str(), 0640), 0);
    const struct timespec times[2] = {{1000000000, 0}, {1234567890, 123456789}};
    ASSERT_EQ(utimensat(AT_FDCWD, Host("src/report.bin").c_str(), times, 0), 0);
    TempDrives::MakeHostFolder(Host("dst"));
    TempDrives::WriteHostFile(Host("dst/Existing.bin"), "old content");
    ASSERT_EQ(symlink("nowhere", Host("dst/dangling").c_str()), 0);

    EXPECT_TRUE(Fs().CopyFileNoOverwrite("D:\\src\\report.bin", "d:\\dst\\copy.bin"));
    EXPECT_EQ(TempDrives::ReadHostFile(Host("dst/copy.bin")), data);
    EXPECT_EQ(HostMode(Host("dst/copy.bin")), 0640u);
    struct stat st {};
    ASSERT_EQ(stat(Host("dst/copy.bin").c_str(), &st), 0);
    EXPECT_EQ(st.st_mtim.tv_sec, 1234567890);
    EXPECT_EQ(st.st_mtim.tv_nsec, 123456789);

    const struct {
        std::string source, target;
    } refused[] = {
        {"d:\\src\\report.bin", "d:\\dst\\Existing.bin"},
        {"d:\\src\\report.bin", "d:\\dst\\Existing.bin\\"},
        {"d:\\src\\report.bin", "d:\\dst\\dangling"},
        {"d:\\src\\report.bin", "d:\\nofolder\\copy.bin"},
        {"d:\\src\\report.bin", "d:\\dst\\bad?.bin"},
        {"d:\\src", "d:\\dst\\folder-copy"},
        {"d:\\src\\missing.bin", "d:\\dst\\missing.bin"},
        {"d:\\src\\report.bin", "d:\\src\\report.bin"},
    };
    for (const auto& c : refused)
        EXPECT_FALSE(Fs().CopyFileNoOverwrite(c.source, c.target))
            << c.source << " -> " << c.target;
    EXPECT_EQ(TempDrives::ReadHostFile(Host("dst/Existing.bin")), "old content");
    char linkText[16] = {};
    EXPECT_EQ(readlink(Host("dst/dangling").c_str(), linkText, sizeof linkText - 1), 7);
    EXPECT_FALSE(HostExists(Host("nowhere")));
    EXPECT_FALSE(HostExists(Host("dst/folder-copy")));
    EXPECT_FALSE(HostExists(Host("dst/missing.bin")));
}

TEST_F(PosixMutationTest, MoveFolderNeverReplaces) {
    TempDrives::WriteHostFile(Host("A/a.txt"), "a");
    TempDrives::MakeHostFolder(Host("EmptyTarget"));
    TempDrives::MakeHostFolder(Host("Other"));
    TempDrives::WriteHostFile(Host("file.txt"), "x");
    ASSERT_EQ(symlink(Host("Other").c_str(), Host("otherlink").c_str()), 0);

    const struct {
        std::string source, target;
    } refused[] = {
        {"d:\\A", "d:\\EmptyTarget"},
        {"d:\\A", "d:\\EmptyTarget\\"},  // another spelling of an existing folder
        {"d:\\A", "d:\\A\\inside"},
        {"d:\\A", "d:\\missing\\B"},
        {"d:\\file.txt", "d:\\moved.txt"},
        {"d:\\missing", "d:\\B"},
        {"d:\\", "d:\\B"},
        {"d:\\A", "d:\\B*"},
    };
    for (const auto& c : refused)
        EXPECT_FALSE(Fs().MoveFolderNoReplace(c.source, c.target))
            << c.source << " -> " << c.target;
    EXPECT_EQ(TempDrives::ReadHostFile(Host("A/a.txt")), "a");
    EXPECT_TRUE(HostIsFolder(Host("EmptyTarget")));
    EXPECT_FALSE(HostExists(Host("B")));

    EXPECT_FALSE(Fs().MoveFolderNoReplace("d:\\a", "d:\\Other\\B"));  // no such folder here
    EXPECT_TRUE(Fs().MoveFolderNoReplace("d:\\A", "d:\\Other\\B"));
    EXPECT_EQ(TempDrives::ReadHostFile(Host("Other/B/a.txt")), "a");
    EXPECT_FALSE(HostExists(Host("A")));
    // A link moves as the link.
    EXPECT_TRUE(Fs().MoveFolderNoReplace("d:\\otherlink", "d:\\renamedlink"));
    struct stat st {};
    ASSERT_EQ(lstat(Host("renamedlink").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_TRUE(HostIsFolder(Host("Other/B")));
}

// Another letter case of a folder's own name is a free name where the volume keeps cases apart:
// the folder takes it. A name that reaches another folder is a collision, whatever its case.
TEST_F(PosixMutationTest, MoveFolderChangesTheLetterCaseOfItsName) {
    TempDrives::WriteHostFile(Host("Delta/d.txt"), "d");
    TempDrives::MakeHostFolder(Host("Two"));
    TempDrives::MakeHostFolder(Host("TWO"));
    EXPECT_TRUE(Fs().MoveFolderNoReplace("d:\\Delta", "d:\\DELTA"));
    EXPECT_EQ(TempDrives::ReadHostFile(Host("DELTA/d.txt")), "d");
    EXPECT_FALSE(HostExists(Host("Delta")));
    EXPECT_FALSE(Fs().MoveFolderNoReplace("d:\\DELTA", "d:\\DELTA"));
    EXPECT_FALSE(Fs().MoveFolderNoReplace("d:\\Two", "d:\\TWO"));
    EXPECT_FALSE(Fs().MoveFolderNoReplace("d:\\delta", "d:\\Delta"));  // reaches nothing
    EXPECT_TRUE(HostIsFolder(Host("Two")));
    EXPECT_TRUE(HostIsFolder(Host("TWO")));
    EXPECT_TRUE(Fs().MoveFolderNoReplace("d:\\DELTA", "d:\\Delta"));
    EXPECT_TRUE(HostIsFolder(Host("Delta")));
}

TEST_F(PosixMutationTest, MoveAndRemoveRefuseTheCurrentDirectory) {
    movesCurrentDirectory_ = true;
    TempDrives::MakeHostFolder(Host("busy/inner"));
    ASSERT_TRUE(Fs().MakeCurrentDirectory("d:\\busy\\inner"));
    EXPECT_FALSE(Fs().RemoveEmptyFolder("d:\\busy\\inner"));
    EXPECT_FALSE(Fs().MoveFolderNoReplace("d:\\busy", "d:\\moved"));
    EXPECT_TRUE(HostIsFolder(Host("busy/inner")));
}

TEST_F(PosixMutationTest, ReadOnlyAttributeRoundTrips) {
    TempDrives::WriteHostFile(Host("file.txt"), "x");
    TempDrives::MakeHostFolder(Host("folder"));
    TempDrives::WriteHostFile(Host("target.txt"), "x");
    ASSERT_EQ(symlink(Host("target.txt").c_str(), Host("link").c_str()), 0);
    for (const std::string name : {"file.txt", "folder"}) {
        const std::string path = "d:\\" + name;
        const std::uint32_t kind = name == "folder" ? kAttrDirectory : kAttrArchive;
        std::uint32_t attributes = 0;
        EXPECT_TRUE(Fs().SetAttributes(path, kAttrReadOnly | kAttrHidden));
        EXPECT_TRUE(Fs().GetAttributes(path, attributes));
        EXPECT_EQ(attributes, kind | kAttrReadOnly) << name;
        EXPECT_EQ(HostMode(Host(name)) & 0222, 0u) << name;
        EXPECT_TRUE(Fs().SetAttributes(path, kAttrNormal));
        EXPECT_TRUE(Fs().GetAttributes(path, attributes));
        EXPECT_EQ(attributes, kind) << name;
        EXPECT_NE(HostMode(Host(name)) & 0200, 0u) << name;
    }
    // A link is left alone, and so is what it points to.
    const mode_t before = HostMode(Host("target.txt"));
    EXPECT_TRUE(Fs().SetAttributes("d:\\link", kAttrReadOnly));
    EXPECT_EQ(HostMode(Host("target.txt")), before);
    EXPECT_FALSE(Fs().SetAttributes("d:\\missing", kAttrReadOnly));
}

TEST_F(PosixMutationTest, WholeFilesAreWrittenAndReadAsBytes) {
    const std::string bytes(
        "line1\r\n\0\xFF"
        "end",
        12);
    TempDrives::MakeHostFolder(Host("Folder"));
    EXPECT_TRUE(Fs().WriteWholeFile("d:\\Folder\\Settings.ini", bytes));
    EXPECT_EQ(TempDrives::ReadHostFile(Host("Folder/Settings.ini")), bytes);
    std::string read;
    EXPECT_TRUE(Fs().ReadWholeFile("D:\\Folder\\Settings.ini", read));
    EXPECT_EQ(read, bytes);
    EXPECT_FALSE(Fs().ReadWholeFile("D:\\FOLDER\\settings.INI", read));
    // Writing again truncates.
    EXPECT_TRUE(Fs().WriteWholeFile("d:\\Folder\\Settings.ini", "short"));
    EXPECT_EQ(TempDrives::ReadHostFile(Host("Folder/Settings.ini")), "short");
    // The rewrite keeps the file's permissions and leaves no temporary file behind.
    ASSERT_EQ(chmod(Host("Folder/Settings.ini").c_str(), 0640), 0);
    EXPECT_TRUE(Fs().WriteWholeFile("d:\\Folder\\Settings.ini", "again"));
    EXPECT_EQ(HostMode(Host("Folder/Settings.ini")), 0640u);
    int entries = 0;
    EXPECT_TRUE(Fs().Enumerate("d:\\Folder\\*", [&](const DirEntry&) { return ++entries, true; }));
    EXPECT_EQ(entries, 1);
    EXPECT_TRUE(Fs().WriteWholeFile("d:\\Folder\\empty.txt", ""));
    EXPECT_TRUE(Fs().ReadWholeFile("d:\\Folder\\empty.txt", read));
    EXPECT_EQ(read, "");

    TempDrives::WriteHostFile(Host("locked.txt"), "keep");
    ASSERT_EQ(chmod(Host("locked.txt").c_str(), 0444), 0);
    EXPECT_FALSE(Fs().WriteWholeFile("d:\\locked.txt", "new"));
    EXPECT_EQ(TempDrives::ReadHostFile(Host("locked.txt")), "keep");
    EXPECT_FALSE(Fs().WriteWholeFile("d:\\Folder", "x"));
    EXPECT_FALSE(Fs().WriteWholeFile("d:\\missing\\f.txt", "x"));
    EXPECT_FALSE(Fs().WriteWholeFile("d:\\", "x"));
    read = "unchanged";
    EXPECT_FALSE(Fs().ReadWholeFile("d:\\folder", read));
    EXPECT_FALSE(Fs().ReadWholeFile("d:\\missing.txt", read));
    EXPECT_EQ(read, "unchanged");
}

// A bounded read never holds more than the limit, whatever the file's size says or becomes.
TEST_F(PosixMutationTest, ABoundedReadStopsAtItsLimit) {
    using Outcome = FileSystem::ReadOutcome;
    const struct {
        std::size_t size;
        std::uint64_t limit;
        Outcome expected;
        std::size_t kept;
    } cases[] = {
        {0, 0, Outcome::Read, 0},
        {10, 10, Outcome::Read, 10},
        {11, 10, Outcome::TooLarge, 10},
        {10, 0, Outcome::TooLarge, 0},
        {200000, 65537, Outcome::TooLarge, 65537},
        {200000, 1 << 20, Outcome::Read, 200000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        std::string content(c.size, 'x');
        for (std::size_t i = 0; i < content.size(); ++i)
            content[i] = static_cast<char>('a' + i % 26);
        TempDrives::WriteHostFile(Host("f.bin"), content);
        std::string bytes = "old";
        EXPECT_EQ(Fs().ReadFileUpTo("d:\\f.bin", c.limit, bytes), c.expected);
        EXPECT_EQ(bytes, content.substr(0, c.kept));
    }
    std::string bytes = "old";
    EXPECT_EQ(Fs().ReadFileUpTo("d:\\missing.bin", 10, bytes), Outcome::Failed);
    EXPECT_EQ(bytes, "old");
}

}  // namespace
}  // namespace arbovane
