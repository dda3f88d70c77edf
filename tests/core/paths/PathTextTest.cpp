#include <gtest/gtest.h>

#include "core/paths/PathText.h"
#include "support/TempDrives.h"

namespace arbovane {
namespace {

using testing::TempDrives;

TEST(TrimSpaces, RemovesOnlyBlanks) {
    const struct {
        std::string in, out;
    } cases[] = {{"  abc  ", "abc"}, {"     ", ""}, {"", ""}, {"\tx\t", "\tx\t"}, {" a b ", "a b"}};
    for (const auto& c : cases) EXPECT_EQ(TrimSpaces(c.in), c.out) << "[" << c.in << "]";
}

TEST(SplitAtColon, HeadKeepsTheColon) {
    const struct {
        std::string in, head, tail;
        bool result;
    } cases[] = {
        {"c:", "c:", "", true}, {"\\A\\B", "", "\\A\\B", false}, {"d:\\x:y", "d:", "\\x:y", true}};
    for (const auto& c : cases) {
        std::string head = "junk", tail = "junk";
        EXPECT_EQ(SplitAtColon(c.in, head, tail), c.result) << c.in;
        EXPECT_EQ(head, c.head) << c.in;
        EXPECT_EQ(tail, c.tail) << c.in;
    }
}

TEST(ExtensionOf, OnlyTheLastComponentCounts) {
    const struct {
        std::string in, ext;
        bool result;
    } cases[] = {{"d:\\a.b\\file", "noext", false}, {"d:\\dir\\file.txt", "txt", true},
                 {"file", "noext", false},          {"name.", "", true},
                 {"d:/a.b/c.tar.gz", "gz", true},   {"", "noext", false}};
    for (const auto& c : cases) {
        std::string ext;
        EXPECT_EQ(ExtensionOf(c.in, ext), c.result) << c.in;
        EXPECT_EQ(ext, c.ext) << c.in;
    }
}

TEST(ZeroPad, PadsOnTheLeftOnlyWhenShorter) {
    EXPECT_EQ(ZeroPadNumber(7, 3), "007");
    EXPECT_EQ(ZeroPadNumber(1234, 3), "1234");
    EXPECT_EQ(ZeroPadNumber(0, 0), "0");
    EXPECT_EQ(ZeroPadNumber(-5, 4), "00-5");
    EXPECT_EQ(ZeroPadText("12", 5), "00012");
    EXPECT_EQ(ZeroPadText("12", -1), "12");
}

TEST(ExtractDrive, LettersAndShares) {
    const struct {
        std::string in, drive;
    } cases[] = {{"c:\\a", "c:"},
                 {"c:", "c:"},
                 {"\\\\srv\\share\\dir", "\\\\srv\\share"},
                 {"\\\\srv\\share", "\\\\srv\\share"},
                 {"\\a\\b", ""},
                 {" c:\\a", ""},
                 {"abc", ""},
                 {"", ""}};
    for (const auto& c : cases) EXPECT_EQ(ExtractDrive(c.in), c.drive) << c.in;
}

class PathProbeTest : public ::testing::Test {
protected:
    void SetUp() override {
        host_ = drives_.Map('D');
        ASSERT_TRUE(drives_.Fs().ReadCurrentDirectory(before_));
    }
    void TearDown() override {
        std::string after;
        ASSERT_TRUE(drives_.Fs().ReadCurrentDirectory(after));
        EXPECT_EQ(after, before_) << "a probe moved the current directory";
    }
    FileSystem& Fs() { return drives_.Fs(); }

    TempDrives drives_;
    std::string host_;
    std::string before_;
};

TEST_F(PathProbeTest, SplitParentAndLastInBothModes) {
    TempDrives::MakeHostFolder(host_ + "/A/B");
    TempDrives::WriteHostFile(host_ + "/A/B/f.txt", "x");
    const struct {
        std::string in;
        bool useFs;
        std::string parent, last;
    } cases[] = {{"d:\\A\\B", false, "d:\\A\\", "B"},
                 {"B", false, "B", ""},
                 {" d:\\A \\ B ", false, "d:\\A \\", "B"},
                 {"d:\\A\\B", true, "d:\\A", "B"},
                 {"d:\\A\\B\\", true, "d:\\A", "B"},
                 {"d:\\A\\B\\f.txt", true, "d:\\A", "B"},
                 {"d:/A/B", true, "d:\\A", "B"}};
    for (const auto& c : cases) {
        std::string last = "junk";
        EXPECT_EQ(SplitParentAndLast(Fs(), c.in, last, c.useFs), c.parent) << c.in;
        EXPECT_EQ(last, c.last) << c.in;
    }
}

TEST_F(PathProbeTest, SplitFolderAndFileKeepsAnExistingFolderWhole) {
    TempDrives::MakeHostFolder(host_ + "/Docs");
    std::string name, folder;
    SplitFolderAndFile(Fs(), "d:\\Docs", name, folder);
    EXPECT_EQ(name, "");
    EXPECT_EQ(folder, "d:\\Docs");
    SplitFolderAndFile(Fs(), "d:\\Docs\\report.txt", name, folder);
    EXPECT_EQ(name, "report.txt");
    EXPECT_EQ(folder, "d:\\Docs");
    // Another spelling reaches no folder on this volume: it is cut as a file path.
    SplitFolderAndFile(Fs(), "d:\\docs", name, folder);
    EXPECT_EQ(name, "docs");
    EXPECT_EQ(folder, "d:");
    SplitFolderAndFile(Fs(), "plain", name, folder);
    EXPECT_EQ(name, "plain");
    EXPECT_EQ(folder, "");
}

TEST_F(PathProbeTest, IsExistingFolderFollowsTheVolumeAndRefusesFiles) {
    TempDrives::MakeHostFolder(host_ + "/data");
    TempDrives::WriteHostFile(host_ + "/data/file.txt", "x");
    EXPECT_TRUE(IsExistingFolder(Fs(), "D:\\data"));
    EXPECT_FALSE(IsExistingFolder(Fs(), "d:\\DATA"));
    EXPECT_TRUE(IsExistingFolder(Fs(), "d:/data"));
    EXPECT_TRUE(IsExistingFolder(Fs(), "d:\\"));
    EXPECT_FALSE(IsExistingFolder(Fs(), "d:\\data\\file.txt"));
    EXPECT_FALSE(IsExistingFolder(Fs(), "d:\\missing"));
    EXPECT_FALSE(IsExistingFolder(Fs(), "q:\\data"));
    EXPECT_FALSE(IsExistingFolder(Fs(), ""));
}

TEST_F(PathProbeTest, HasAtMostSubfoldersCountsFoldersOnly) {
    TempDrives::MakeHostFolder(host_ + "/OnlyFiles");
    TempDrives::WriteHostFile(host_ + "/OnlyFiles/a.txt", "x");
    TempDrives::WriteHostFile(host_ + "/OnlyFiles/b", "x");
    TempDrives::MakeHostFolder(host_ + "/Two/x");
    TempDrives::MakeHostFolder(host_ + "/Two/y");
    EXPECT_TRUE(HasAtMostSubfolders(Fs(), 0, "d:\\OnlyFiles"));
    EXPECT_FALSE(HasAtMostSubfolders(Fs(), 0, "d:\\Two"));
    EXPECT_FALSE(HasAtMostSubfolders(Fs(), 1, "d:\\Two"));
    EXPECT_TRUE(HasAtMostSubfolders(Fs(), 2, "d:\\Two"));
    EXPECT_TRUE(HasAtMostSubfolders(Fs(), 0, "d:\\NotThere"));
}

TEST_F(PathProbeTest, LookUpDriveNamesMappedDrivesOnly) {
    std::string type;
    EXPECT_TRUE(LookUpDrive(Fs(), "D:", type, false));
    EXPECT_FALSE(type.empty());
    EXPECT_TRUE(LookUpDrive(Fs(), "d:\\x", type, false));
    EXPECT_FALSE(LookUpDrive(Fs(), "q:", type, false));
    EXPECT_EQ(type, "");
    EXPECT_TRUE(LookUpDrive(Fs(), "q:", type, true));
    EXPECT_EQ(type, "");
    EXPECT_FALSE(LookUpDrive(Fs(), "", type, false));
}

TEST_F(PathProbeTest, CaptureCurrentDirectoryGivesWindowsText) {
    ASSERT_TRUE(Fs().MakeCurrentDirectory("d:\\"));
    std::size_t length = 0;
    std::string path;
    EXPECT_TRUE(CaptureCurrentDirectory(Fs(), length, path));
    EXPECT_EQ(path, "D:\\");
    EXPECT_EQ(length, 3u);
    ASSERT_TRUE(Fs().MakeCurrentDirectory(before_));
}

TEST(DriveTypeName, TableAndOutOfRange) {
    EXPECT_EQ(DriveTypeName(0), "Unknown");
    EXPECT_EQ(DriveTypeName(1), "Invalid path");
    EXPECT_EQ(DriveTypeName(2), "Removable drive");
    EXPECT_EQ(DriveTypeName(3), "Fixed drive");
    EXPECT_EQ(DriveTypeName(4), "Network drive");
    EXPECT_EQ(DriveTypeName(5), "CDROM");
    EXPECT_EQ(DriveTypeName(6), "RAM Disk");
    EXPECT_EQ(DriveTypeName(7), "");
    EXPECT_EQ(DriveTypeName(-1), "");
}

}  // namespace
}  // namespace arbovane
