#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "PosixFileSystemFixture.h"
#include "platform/posix/DriveTable.h"

namespace arbovane {
namespace {

using testing::TempDrives;
using Lines = std::vector<std::string>;

TEST(DriveTableParse, ReadsLettersAndFoldersAndReportsTheRest) {
    const struct {
        const char* text;
        bool semicolons;
        std::vector<DriveTableEntry> entries;
        Lines problems;
    } cases[] = {
        {"D=/srv/data", false, {{'D', "/srv/data"}}, {}},
        {"  c: = /home/u/C Drive \r\n# a note\n\ne=/mnt/e\n",
         false,
         {{'C', "/home/u/C Drive"}, {'E', "/mnt/e"}},
         {}},
        {"Z=", false, {{'Z', ""}}, {}},
        {"D=/a;E=/b", true, {{'D', "/a"}, {'E', "/b"}}, {}},
        {"D=/a;b", false, {{'D', "/a;b"}}, {}},  // a file line may hold a semicolon
        {"DD=/a\n1=/b\nD=relative\nD /a\n\xC3\xA9=/x\n=/y",
         false,
         {},
         {"DD=/a", "1=/b", "D=relative", "D /a", "\xC3\xA9=/x", "=/y"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Lines problems;
        EXPECT_EQ(ParseDriveTable(c.text, c.semicolons, problems), c.entries);
        EXPECT_EQ(problems, c.problems);
    }
}

class DriveTableTest : public testing::PosixFileSystemFixture {};

TEST_F(DriveTableTest, TheFileBesideTheSettingsAndTheVariableGiveLettersBothWays) {
    TempDrives::MakeHostFolder(Host("c-drive/Users"));
    TempDrives::MakeHostFolder(Host("e-file"));
    TempDrives::MakeHostFolder(Host("e-variable"));
    TempDrives::WriteHostFile(Host("App/drives.txt"),
                              "C: = " + Host("c-drive") + "\nE=" + Host("e-file") +
                                  "\nnonsense\nG=" + Host("g-drive") + "\n");
    const std::string variable = "E=" + Host("e-variable") + ";Q=relative";

    const Lines problems = LoadDriveTable(Fs(), "D:\\App", variable.c_str());
    EXPECT_EQ(problems, (Lines{"D:\\App\\drives.txt: nonsense", "ARBOVANE_DRIVES: Q=relative"}));

    // Typed paths on the new letters reach their folders; the variable won for E:.
    EXPECT_TRUE(Fs().IsFolder("c:\\Users"));
    ASSERT_TRUE(Fs().CreateFolderTree("e:\\Made"));
    EXPECT_TRUE(HostIsFolder(Host("e-variable/Made")));
    // A folder chosen in a dialog comes back in its drive form.
    EXPECT_EQ(Fs().ToWindowsPath(Host("c-drive/Users")), "C:\\Users");
    EXPECT_EQ(Fs().ToWindowsPath(Host("c-drive")), "C:\\");

    // G: names a folder that is not there: no drive, and nothing on it.
    EXPECT_EQ(Fs().DriveType("g:\\"), kDriveNoRootDir);
    EXPECT_FALSE(Fs().IsFolder("g:\\"));
    EXPECT_FALSE(Fs().CreateFolderTree("g:\\x"));
    auto letters = [&] {
        std::string out;
        for (const LogicalDrive& drive : Fs().LogicalDrives()) out += drive.letter;
        return out;
    };
    EXPECT_EQ(letters(), "CDEZ");
    // A mapped folder that vanishes takes its drive with it.
    ASSERT_EQ(rmdir(Host("c-drive/Users").c_str()), 0);
    ASSERT_EQ(rmdir(Host("c-drive").c_str()), 0);
    EXPECT_EQ(letters(), "DEZ");
    EXPECT_EQ(Fs().DriveType("c:\\"), kDriveNoRootDir);
}

TEST_F(DriveTableTest, WithoutAFileOrVariableOnlyTheDefaultsStand) {
    EXPECT_TRUE(LoadDriveTable(Fs(), "D:\\Nowhere", nullptr).empty());
    EXPECT_TRUE(LoadDriveTable(Fs(), "", nullptr).empty());
    std::string letters;
    for (const LogicalDrive& drive : Fs().LogicalDrives()) letters += drive.letter;
    EXPECT_EQ(letters, "DZ");
    EXPECT_FALSE(Fs().IsFolder("c:\\"));
}

}  // namespace
}  // namespace arbovane
