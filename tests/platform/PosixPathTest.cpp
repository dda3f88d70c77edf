#include <gtest/gtest.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <cstdint>
#include <optional>
#include <string>

#include "PosixFileSystemFixture.h"

namespace arbovane {
namespace {

using testing::TempDrives;

class PosixPathTest : public testing::PosixFileSystemFixture {};

// A name reaches what the host reaches: on this volume only its own spelling. Drive letters are
// the program's own and ignore case.
TEST_F(PosixPathTest, ProbesFindNamesAsTheHostSpellsThem) {
    TempDrives::MakeHostFolder(Host("data/Sub"));
    TempDrives::WriteHostFile(Host("data/File.txt"), "x");
    const struct {
        std::string path;
        bool folder, file;
    } cases[] = {
        {"D:\\data", true, false},
        {"d:/data", true, false},
        {"d:\\data\\", true, false},
        {"d:\\\\data\\\\Sub", true, false},
        {"d:\\DATA", false, false},
        {"d:\\Data\\", false, false},
        {"d:\\data\\sub", false, false},
        // A trailing period or blank would name another entry than the host's: no such path.
        {"d:\\data.", false, false},
        {"d:\\data  . ", false, false},
        {"d:\\x\\..\\data", true, false},
        {"d:\\..\\..\\data", true, false},  // ".." stops at the drive root
        {"d:\\data\\.\\Sub", true, false},
        {"D:\\data\\File.txt", false, true},
        {"D:\\DATA\\FILE.TXT", false, false},
        {"d:\\", true, false},
        {"D:", true, false},
        {"d:\\missing", false, false},
        {"d:\\data\\File.txt\\more", false, false},
        {"q:\\data", false, false},
        {std::string("d:\\data\0x", 9), false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Fs().IsFolder(c.path), c.folder) << c.path;
        EXPECT_EQ(Fs().IsFile(c.path), c.file) << c.path;
    }
}

// Names are placed on the host as they are spelled, whether they exist or not.
TEST_F(PosixPathTest, SpellingsStayAsGiven) {
    TempDrives::MakeHostFolder(Host("Data"));
    TempDrives::MakeHostFolder(Host("data"));
    TempDrives::MakeHostFolder(Host("only"));
    const struct {
        std::string path;
        std::string host;
    } cases[] = {
        {"d:\\Data\\x", "Data/x"},
        {"d:\\data\\x", "data/x"},
        {"d:\\DATA\\x", "DATA/x"},
        {"d:\\ONLY\\New\\Sub", "ONLY/New/Sub"},
        {"d:\\New\\..\\only", "only"},
        {"d:\\only\\...", "only/..."},  // names made of dots are names
    };
    for (const auto& c : cases) EXPECT_EQ(Fs().ToHostPath(c.path), Host(c.host)) << c.path;
    for (const char* path : {"d:\\a.\\b", "d:\\a \\b", "d:\\only \\", "d:\\only."})
        EXPECT_EQ(Fs().ToHostPath(path), std::nullopt) << path;
}

TEST_F(PosixPathTest, DriveRootsAndUnmappedHostPathsMapBothWays) {
    EXPECT_EQ(Fs().ToHostPath("d:\\"), host_);
    EXPECT_EQ(Fs().ToHostPath("D:"), host_);
    EXPECT_EQ(Fs().ToWindowsPath(host_), "D:\\");
    EXPECT_EQ(Fs().ToWindowsPath(host_ + "/"), "D:\\");
    TempDrives::MakeHostFolder(Host("Clients/Customer1"));
    EXPECT_EQ(Fs().ToWindowsPath(Host("Clients/Customer1")), "D:\\Clients\\Customer1");
    // Z: holds everything no other drive holds.
    EXPECT_EQ(Fs().ToWindowsPath("/usr/lib"), "Z:\\usr\\lib");
    EXPECT_EQ(Fs().ToWindowsPath("/"), "Z:\\");
    EXPECT_EQ(Fs().ToHostPath("z:\\"), "/");
    EXPECT_EQ(Fs().ToHostPath("Z:\\tmp"), "/tmp");
    EXPECT_EQ(Fs().ToWindowsPath("relative/path"), std::nullopt);
    EXPECT_EQ(Fs().ToWindowsPath(""), std::nullopt);
    // The deepest mapping wins.
    const std::string e = host_ + "/inner";
    TempDrives::MakeHostFolder(e);
    Fs().MapDrive('e', e);
    EXPECT_EQ(Fs().ToWindowsPath(e + "/x"), "E:\\x");
    Fs().UnmapDrive('Z');
    EXPECT_EQ(Fs().ToWindowsPath("/usr/lib"), std::nullopt);
    EXPECT_FALSE(Fs().IsFolder("z:\\"));
    Fs().MapDrive('Z', "/");
}

// Server and share names are the program's own table and ignore case; the names below them are
// the host's.
TEST_F(PosixPathTest, SharesMatchIgnoringCaseAndUnmappedPlacesFailEveryCall) {
    const std::string share = host_ + "/share";
    TempDrives::MakeHostFolder(share + "/Docs");
    Fs().MapShare("\\\\Server\\Public", share);
    EXPECT_EQ(Fs().ToHostPath("\\\\SERVER\\public\\Docs\\a"), share + "/Docs/a");
    EXPECT_EQ(Fs().ToHostPath("//server/PUBLIC"), share);
    EXPECT_TRUE(Fs().IsFolder("\\\\server\\public\\Docs"));
    EXPECT_FALSE(Fs().IsFolder("\\\\server\\public\\DOCS"));
    EXPECT_EQ(Fs().ToWindowsPath(share + "/Docs"), "\\\\Server\\Public\\Docs");
    EXPECT_EQ(Fs().DriveType("\\\\server\\public\\"), kDriveRemote);

    for (const std::string path : {"\\\\server\\other\\x", "q:\\x", "Q:"}) {
        std::uint32_t attributes = 0;
        std::uint64_t bytes = 0;
        std::string content;
        EXPECT_EQ(Fs().ToHostPath(path), std::nullopt) << path;
        EXPECT_FALSE(Fs().IsFolder(path)) << path;
        EXPECT_FALSE(Fs().IsFile(path)) << path;
        EXPECT_FALSE(Fs().GetAttributes(path, attributes)) << path;
        EXPECT_FALSE(Fs().CreateFolderTree(path + "\\new")) << path;
        EXPECT_FALSE(Fs().WriteWholeFile(path + "\\f", "x")) << path;
        EXPECT_FALSE(Fs().ReadWholeFile(path, content)) << path;
        EXPECT_FALSE(Fs().FreeBytesForUser(path, bytes)) << path;
        EXPECT_FALSE(Fs().Enumerate(path + "\\*", [](const DirEntry&) { return true; })) << path;
        EXPECT_FALSE(Fs().MakeCurrentDirectory(path)) << path;
    }
}

TEST_F(PosixPathTest, RelativePathsStartFromTheCurrentDirectory) {
    movesCurrentDirectory_ = true;
    const std::string e = drives_.Map('E');
    TempDrives::MakeHostFolder(Host("work/sub"));
    ASSERT_TRUE(Fs().MakeCurrentDirectory("D:\\work"));
    const struct {
        std::string path, host;
    } cases[] = {
        {"sub", Host("work/sub")}, {".\\sub\\new", Host("work/sub/new")},
        {"..\\x", Host("x")},      {"\\x", Host("x")},  // root of the current drive
        {"d:y", Host("work/y")},  // d: is the current drive: its current directory
        {"e:y", e + "/y"},        // e: is not: its root
        {"D:", Host("work")},
    };
    for (const auto& c : cases) EXPECT_EQ(Fs().ToHostPath(c.path), c.host) << c.path;
    std::string current;
    ASSERT_TRUE(Fs().ReadCurrentDirectory(current));
    EXPECT_EQ(current, "D:\\work");
}

TEST_F(PosixPathTest, CurrentDirectoryMovesOnlyIntoEnterableFolders) {
    movesCurrentDirectory_ = true;
    TempDrives::MakeHostFolder(Host("Data"));
    TempDrives::WriteHostFile(Host("file.txt"), "x");
    std::string current;
    ASSERT_TRUE(Fs().MakeCurrentDirectory("d:\\"));
    ASSERT_TRUE(Fs().ReadCurrentDirectory(current));
    EXPECT_EQ(current, "D:\\");
    for (const std::string path : {"d:\\missing", "d:\\file.txt", "q:\\", "", "\\\\no\\share"}) {
        EXPECT_FALSE(Fs().MakeCurrentDirectory(path)) << path;
        ASSERT_TRUE(Fs().ReadCurrentDirectory(current));
        EXPECT_EQ(current, "D:\\") << "after " << path;
    }
    EXPECT_FALSE(Fs().MakeCurrentDirectory("d:\\DATA"));
    ASSERT_TRUE(Fs().MakeCurrentDirectory("d:\\Data"));
    ASSERT_TRUE(Fs().ReadCurrentDirectory(current));
    EXPECT_EQ(current, "D:\\Data");
}

TEST_F(PosixPathTest, OddTextNeverCrashesAndNamesNothingNew) {
    const std::string longPath = "d:" + std::string(5000, '\\') + std::string(20000, 'a');
    std::string deep = "d:";
    for (int i = 0; i < 2000; ++i) deep += "\\abcdef";
    const std::string cases[] = {"",
                                 "\\",
                                 "::",
                                 "\\\\",
                                 "\\\\srv",
                                 "\\\\srv\\",
                                 "\\\\?\\",
                                 "d?",
                                 ":",
                                 "d:\\\xFF\xFE",
                                 std::string("d:\\a\0b", 6),
                                 "d:\\*?<>|",
                                 longPath,
                                 deep};
    for (const auto& path : cases) {
        std::uint32_t attributes = 0;
        std::string bytes;
        Fs().IsFolder(path);
        Fs().IsFile(path);
        Fs().IsLink(path);
        Fs().GetAttributes(path, attributes);
        Fs().ReadWholeFile(path, bytes);
        Fs().Enumerate(path, [](const DirEntry&) { return true; });
        Fs().DriveType(path);
        EXPECT_FALSE(Fs().MakeCurrentDirectory(path == "\\" ? "::" : path)) << path.substr(0, 40);
        if (path != "\\") {
            EXPECT_FALSE(Fs().CreateFolderTree(path)) << path.substr(0, 40);
        }
    }
    EXPECT_TRUE(Fs().IsFolder("\\\\?\\D:\\"));
}

TEST_F(PosixPathTest, DrivesReportTheirKindAndFreeSpace) {
    drives_.Map('F');
    const auto drives = Fs().LogicalDrives();
    ASSERT_EQ(drives.size(), 3u);
    EXPECT_EQ(drives[0].letter, 'D');
    EXPECT_EQ(drives[1].letter, 'F');
    EXPECT_EQ(drives[2].letter, 'Z');
    for (const auto& drive : drives) EXPECT_NE(drive.type, kDriveNoRootDir) << drive.letter;
    EXPECT_EQ(Fs().DriveType("q:\\"), kDriveNoRootDir);
    EXPECT_EQ(Fs().DriveType("d:\\sub"), kDriveNoRootDir);
    EXPECT_EQ(Fs().DriveType("d:\\"), drives[0].type);
    EXPECT_EQ(Fs().DriveType("D:"), drives[0].type);

    std::uint64_t bytes = 0;
    EXPECT_TRUE(Fs().FreeBytesForUser("d:\\", bytes));
    EXPECT_GT(bytes, 0u);
    bytes = 0;
    EXPECT_TRUE(Fs().FreeBytesForUser("d:\\not\\there\\yet", bytes));
    EXPECT_GT(bytes, 0u);

    struct statfs shm {};
    if (statfs("/dev/shm", &shm) != 0 || static_cast<unsigned long>(shm.f_type) != 0x01021994ul)
        GTEST_SKIP() << "/dev/shm is no tmpfs here";
    Fs().MapDrive('R', "/dev/shm");
    EXPECT_EQ(Fs().DriveType("r:\\"), kDriveRamDisk);
}

}  // namespace
}  // namespace arbovane
