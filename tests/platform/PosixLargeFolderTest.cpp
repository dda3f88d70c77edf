#include <gtest/gtest.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "PosixFileSystemFixture.h"

namespace arbovane {
namespace {

using testing::TempDrives;

// Large folders are reached by the host's own look-up like any other: no name is kept between
// calls, so every change to them, by this program or by anyone else, shows at once, and another
// letter case is another name.
class PosixLargeFolderTest : public testing::PosixFileSystemFixture {
protected:
    void SetUp() override {
        PosixFileSystemFixture::SetUp();
        TempDrives::MakeHostFolder(Host("big"));
        for (int i = 0; i < 300; ++i) mkdir(Host("big/Entry" + std::to_string(i)).c_str(), 0777);
    }
};

TEST_F(PosixLargeFolderTest, ChangesFromOutsideShowAtOnce) {
    EXPECT_TRUE(Fs().IsFolder("d:\\big\\Entry7"));
    EXPECT_FALSE(Fs().IsFolder("d:\\big\\entry7"));
    EXPECT_FALSE(Fs().IsFolder("d:\\big\\Later"));

    TempDrives::MakeHostFolder(Host("big/Later"));
    EXPECT_TRUE(Fs().IsFolder("d:\\big\\Later"));
    EXPECT_FALSE(Fs().IsFolder("d:\\big\\LATER"));
    ASSERT_EQ(rename(Host("big/Later").c_str(), Host("big/Renamed").c_str()), 0);
    EXPECT_FALSE(Fs().IsFolder("d:\\big\\Later"));
    EXPECT_TRUE(Fs().IsFolder("d:\\big\\Renamed"));
    ASSERT_EQ(rmdir(Host("big/Renamed").c_str()), 0);
    EXPECT_FALSE(Fs().IsFolder("d:\\big\\Renamed"));
    // A second spelling is a second folder; each name reaches its own.
    TempDrives::MakeHostFolder(Host("big/ENTRY7"));
    TempDrives::WriteHostFile(Host("big/ENTRY7/only.txt"), "x");
    EXPECT_TRUE(Fs().IsFile("d:\\big\\ENTRY7\\only.txt"));
    EXPECT_FALSE(Fs().IsFile("d:\\big\\Entry7\\only.txt"));

    // The same path, another folder.
    std::filesystem::remove_all(Host("big"));
    TempDrives::MakeHostFolder(Host("big/Fresh"));
    EXPECT_FALSE(Fs().IsFolder("d:\\big\\Entry7"));
    EXPECT_TRUE(Fs().IsFolder("d:\\big\\Fresh"));
}

TEST_F(PosixLargeFolderTest, OwnChangesAndNamesBeyondAscii) {
    EXPECT_TRUE(Fs().CreateFolderTree("d:\\big\\Neu"));
    EXPECT_TRUE(Fs().CreateFolderTree("d:\\big\\NEU\\inner"));
    EXPECT_TRUE(HostIsFolder(Host("big/NEU/inner")));
    EXPECT_FALSE(HostExists(Host("big/Neu/inner")));
    EXPECT_FALSE(Fs().MoveFolderNoReplace("d:\\big\\Entry1", "d:\\big\\Entry2"));
    EXPECT_TRUE(Fs().MoveFolderNoReplace("d:\\big\\Entry1", "d:\\big\\ENTRY2"));
    EXPECT_TRUE(Fs().MoveFolderNoReplace("d:\\big\\Entry3", "d:\\big\\\xC3\x81rv\xC3\xADz"));
    EXPECT_TRUE(Fs().IsFolder("d:\\big\\\xC3\x81rv\xC3\xADz"));
    EXPECT_FALSE(Fs().IsFolder("d:\\big\\\xC3\xA1RV\xC3\x8DZ"));
    TempDrives::MakeHostFolder(Host("big/masse"));
    EXPECT_FALSE(
        Fs().RemoveEmptyFolder("d:\\big\\ma\xC3\x9F"
                               "e"));
    EXPECT_TRUE(HostIsFolder(Host("big/masse")));
}

}  // namespace
}  // namespace arbovane
