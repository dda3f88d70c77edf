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

// Large folders keep their names between lookups; every change to them, by this program or by
// anyone else, must show at once.
class PosixLargeFolderTest : public testing::PosixFileSystemFixture {
protected:
    void SetUp() override {
        PosixFileSystemFixture::SetUp();
        TempDrives::MakeHostFolder(Host("big"));
        for (int i = 0; i < 300; ++i) mkdir(Host("big/Entry" + std::to_string(i)).c_str(), 0777);
    }
    std::string Resolved(const std::string& path) { return Fs().ToHostPath(path).value_or("?"); }
};

TEST_F(PosixLargeFolderTest, ChangesFromOutsideShowAtOnce) {
    EXPECT_EQ(Resolved("d:\\BIG\\entry7"), Host("big/Entry7"));
    EXPECT_EQ(Resolved("d:\\big\\LATER"), Host("big/LATER"));

    TempDrives::MakeHostFolder(Host("big/Later"));
    EXPECT_EQ(Resolved("d:\\big\\LATER"), Host("big/Later"));
    ASSERT_EQ(rename(Host("big/Later").c_str(), Host("big/Renamed").c_str()), 0);
    EXPECT_EQ(Resolved("d:\\big\\LATER"), Host("big/LATER"));
    EXPECT_EQ(Resolved("d:\\big\\renamed"), Host("big/Renamed"));
    ASSERT_EQ(rmdir(Host("big/Renamed").c_str()), 0);
    EXPECT_EQ(Resolved("d:\\big\\renamed"), Host("big/renamed"));
    // A spelling that sorts first takes over, as in a small folder.
    TempDrives::MakeHostFolder(Host("big/ENTRY7"));
    EXPECT_EQ(Resolved("d:\\big\\entry7"), Host("big/ENTRY7"));

    // The same path, another folder.
    std::filesystem::remove_all(Host("big"));
    TempDrives::MakeHostFolder(Host("big/Fresh"));
    EXPECT_EQ(Resolved("d:\\big\\entry7"), Host("big/entry7"));
    EXPECT_EQ(Resolved("d:\\big\\FRESH"), Host("big/Fresh"));
}

TEST_F(PosixLargeFolderTest, OwnChangesAndNamesBeyondAscii) {
    EXPECT_TRUE(Fs().CreateFolderTree("d:\\big\\Neu"));
    EXPECT_TRUE(Fs().CreateFolderTree("d:\\BIG\\NEU\\inner"));
    EXPECT_TRUE(HostIsFolder(Host("big/Neu/inner")));
    EXPECT_FALSE(Fs().MoveFolderNoReplace("d:\\big\\entry1", "d:\\big\\ENTRY2"));
    EXPECT_TRUE(Fs().MoveFolderNoReplace("d:\\big\\entry1", "d:\\big\\\xC3\x81rv\xC3\xADz"));
    EXPECT_EQ(Resolved("d:\\big\\\xC3\xA1RV\xC3\x8DZ"), Host("big/\xC3\x81rv\xC3\xADz"));
    EXPECT_EQ(Resolved("d:\\big\\entry1"), Host("big/entry1"));
    // Windows matches one character to one by upper case: ß is not ss, the Kelvin sign (a
    // capital of its own) is no k.
    TempDrives::MakeHostFolder(
        Host("big/stra\xC3\x9F"
             "e"));
    TempDrives::MakeHostFolder(Host("big/masse"));
    TempDrives::MakeHostFolder(Host("big/kilo"));
    EXPECT_EQ(Resolved("d:\\big\\STRASSE"), Host("big/STRASSE"));
    EXPECT_EQ(Resolved("d:\\big\\STRA\xC3\x9F"
                       "E"),
              Host("big/stra\xC3\x9F"
                   "e"));
    EXPECT_EQ(Resolved("d:\\big\\ma\xC3\x9F"
                       "e"),
              Host("big/ma\xC3\x9F"
                   "e"));
    EXPECT_EQ(Resolved("d:\\big\\\xE2\x84\xAAILO"), Host("big/\xE2\x84\xAAILO"));
    EXPECT_FALSE(
        Fs().RemoveEmptyFolder("d:\\big\\ma\xC3\x9F"
                               "e"));
    EXPECT_TRUE(HostIsFolder(Host("big/masse")));
}

}  // namespace
}  // namespace arbovane
