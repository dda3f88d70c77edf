#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "PosixFileSystemFixture.h"

namespace arbovane {
namespace {

using testing::TempDrives;

class PosixEnumerateTest : public testing::PosixFileSystemFixture {
protected:
    std::vector<std::string> Names(const std::string& folderAndPattern) {
        std::vector<std::string> names;
        EXPECT_TRUE(Fs().Enumerate(folderAndPattern, [&](const DirEntry& entry) {
            // A name no Windows path can carry is listed flagged, never dropped.
            names.push_back(entry.unaddressable ? entry.name + " (flagged)" : entry.name);
            return true;
        })) << folderAndPattern;
        return names;
    }
    std::map<std::string, DirEntry> Entries(const std::string& folderAndPattern) {
        std::map<std::string, DirEntry> entries;
        EXPECT_TRUE(Fs().Enumerate(folderAndPattern, [&](const DirEntry& entry) {
            entries[entry.name] = entry;
            return true;
        }));
        return entries;
    }
};

using NameList = std::vector<std::string>;

TEST_F(PosixEnumerateTest, PatternsFollowTheWindowsRulesInNameOrder) {
    for (const char* file : {"README", "notes.txt", "Notes2.TXT", ".hidden", "b.txt.bak"})
        TempDrives::WriteHostFile(Host(std::string("Data/") + file), "x");
    TempDrives::MakeHostFolder(Host("Data/sub"));
    TempDrives::WriteHostFile(Host("Data/back\\slash"), "x");
    const struct {
        std::string pattern;
        NameList names;
    } cases[] = {
        {"d:\\Data\\*.*",
         {".hidden", "b.txt.bak", "back\\slash (flagged)", "notes.txt", "Notes2.TXT", "README",
          "sub"}},
        {"D:\\Data\\*",
         {".hidden", "b.txt.bak", "back\\slash (flagged)", "notes.txt", "Notes2.TXT", "README",
          "sub"}},
        {"d:/Data/*.txt", {"notes.txt", "Notes2.TXT"}},
        {"d:\\Data\\N?TES*", {"notes.txt", "Notes2.TXT"}},
        {"d:\\Data\\readme", {"README"}},
        {"d:\\Data\\r*.*", {"README"}},
        // ".hidden" through its short name HIDDEN~1, which has no extension.
        {"d:\\Data\\*.", {".hidden", "back\\slash (flagged)", "README", "sub"}},
        {"d:\\Data\\?", {}},
        {"d:\\Data\\", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(Names(c.pattern), c.names) << c.pattern;
}

TEST_F(PosixEnumerateTest, RelativeAndRootFolders) {
    movesCurrentDirectory_ = true;
    TempDrives::MakeHostFolder(Host("work/inner"));
    TempDrives::WriteHostFile(Host("top.txt"), "x");
    EXPECT_EQ(Names("d:\\*.txt"), NameList{"top.txt"});
    ASSERT_TRUE(Fs().MakeCurrentDirectory("d:\\work"));
    EXPECT_EQ(Names("*"), NameList{"inner"});
    EXPECT_EQ(Names("d:*"), NameList{"inner"});
    EXPECT_EQ(Names("\\*.txt"), NameList{"top.txt"});
    EXPECT_EQ(Names("..\\*.txt"), NameList{"top.txt"});
}

TEST_F(PosixEnumerateTest, EntriesDescribeFoldersFilesAndLinks) {
    TempDrives::MakeHostFolder(Host("tree/folder"));
    TempDrives::WriteHostFile(Host("tree/file.bin"), std::string(1234, 'z'));
    TempDrives::WriteHostFile(Host("tree/locked.txt"), "x");
    ASSERT_EQ(chmod(Host("tree/locked.txt").c_str(), 0444), 0);
    TempDrives::WriteHostFile(Host("tree/.profile"), "x");
    ASSERT_EQ(symlink(Host("tree/folder").c_str(), Host("tree/folderlink").c_str()), 0);
    ASSERT_EQ(symlink("file.bin", Host("tree/filelink").c_str()), 0);
    ASSERT_EQ(symlink("nowhere", Host("tree/dangling").c_str()), 0);

    const struct {
        std::string name;
        bool folder, link;
        std::uint64_t size;
        std::uint32_t attributes;
    } cases[] = {
        {"folder", true, false, 0, kAttrDirectory},
        {"file.bin", false, false, 1234, kAttrArchive},
        {"locked.txt", false, false, 1, kAttrArchive | kAttrReadOnly},
        {".profile", false, false, 1, kAttrArchive | kAttrHidden},
        {"folderlink", true, true, 0, kAttrDirectory | kAttrReparsePoint},
        {"filelink", false, true, 8, kAttrArchive | kAttrReparsePoint},
        {"dangling", false, true, 7, kAttrReparsePoint},
    };
    const auto entries = Entries("d:\\tree\\*.*");
    ASSERT_EQ(entries.size(), std::size(cases));
    for (const auto& c : cases) {
        const auto it = entries.find(c.name);
        ASSERT_NE(it, entries.end()) << c.name;
        EXPECT_EQ(it->second.isFolder, c.folder) << c.name;
        EXPECT_EQ(it->second.isLink, c.link) << c.name;
        EXPECT_EQ(it->second.size, c.size) << c.name;
        EXPECT_EQ(it->second.attributes, c.attributes) << c.name;
        std::uint32_t attributes = 0;
        EXPECT_TRUE(Fs().GetAttributes("D:\\tree\\" + c.name, attributes)) << c.name;
        EXPECT_EQ(attributes, c.attributes) << c.name;
        EXPECT_EQ(Fs().IsFolder("d:\\tree\\" + c.name), c.folder) << c.name;
        EXPECT_EQ(Fs().IsFile("d:\\tree\\" + c.name), !c.folder) << c.name;
        EXPECT_EQ(Fs().IsLink("d:\\tree\\" + c.name), c.link) << c.name;
    }
}

TEST_F(PosixEnumerateTest, StopsWhenAskedAndFailsOnlyWithoutAFolder) {
    for (const char* name : {"a", "b", "c"}) TempDrives::MakeHostFolder(Host(name));
    TempDrives::WriteHostFile(Host("file"), "x");
    int visits = 0;
    EXPECT_TRUE(Fs().Enumerate("d:\\*", [&](const DirEntry&) { return ++visits < 2; }));
    EXPECT_EQ(visits, 2);
    const auto never = [](const DirEntry&) {
        ADD_FAILURE() << "visited";
        return true;
    };
    EXPECT_TRUE(Fs().Enumerate("d:\\a\\*.*", never));
    EXPECT_TRUE(Fs().Enumerate("d:\\*.none", never));
    EXPECT_FALSE(Fs().Enumerate("d:\\missing\\*", never));
    EXPECT_FALSE(Fs().Enumerate("d:\\file\\*", never));
}

TEST_F(PosixEnumerateTest, SizesBeyondFourGigabytes) {
    const std::uint64_t size = std::uint64_t{8} << 30;
    const std::string path = Host("sparse.img");
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    const bool grown = ftruncate(fd, static_cast<off_t>(size)) == 0;
    close(fd);
    if (!grown) GTEST_SKIP() << "no sparse files here";
    const auto entries = Entries("d:\\*.img");
    ASSERT_EQ(entries.count("sparse.img"), 1u);
    EXPECT_EQ(entries.at("sparse.img").size, size);
}

}  // namespace
}  // namespace arbovane
