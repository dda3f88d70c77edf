#include "core/ops/SimulatingFileSystem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/memory/MemoryFileSystem.h"
#include "support/TempDrives.h"
#include "support/TreeSnapshot.h"

namespace arbovane {
namespace {

using testing::TempDrives;
using Names = std::vector<std::string>;

Names Listed(FileSystem& fs, const std::string& folderAndPattern) {
    Names names;
    fs.Enumerate(folderAndPattern, [&](const DirEntry& entry) {
        names.push_back(entry.name + (entry.isFolder ? "\\" : ""));
        return true;
    });
    return names;
}

Names TreeListed(FolderTree& tree, const std::string& relative, const std::string& pattern) {
    std::vector<DirEntry> entries;
    FsError why = FsError::None;
    Names names;
    if (!tree.List(relative, pattern, entries, why))
        return {"(" + std::string(FsErrorText(why)) + ")"};
    for (const auto& entry : entries) names.push_back(entry.name + (entry.isFolder ? "\\" : ""));
    return names;
}

// What a run made is found afterwards by path and in open trees, also below it, and listed
// among what the disk holds; the disk itself stays as it was.
TEST(SimulatingFileSystem, WhatWasMadeIsFoundAndNothingIsWritten) {
    TempDrives drives;
    const std::string host = drives.Map('D');
    TempDrives::MakeHostEntries(host + "/", {"W/old.txt", "T/f.txt"});
    const auto before = testing::TreeSnapshot(host);
    SimulatingFileSystem fs(drives.Fs(), drives.TextPort());

    EXPECT_EQ(fs.CreateFolder("d:\\W\\New"), CreateOutcome::Created);
    EXPECT_EQ(fs.CreateFolder("d:\\W\\New"), CreateOutcome::Existed);
    EXPECT_EQ(fs.CreateFolder("d:\\W\\Missing\\Deeper"), CreateOutcome::Failed);
    EXPECT_EQ(fs.CreateFolder("d:\\W\\CON"), CreateOutcome::Failed);
    EXPECT_TRUE(fs.IsFolder("d:\\W\\New"));
    FsError why = FsError::None;
    auto tree = fs.OpenTree("d:\\W\\New", why);
    ASSERT_TRUE(tree);
    EXPECT_EQ(tree->MakeFolder("Sub", why), CreateOutcome::Created);
    EXPECT_EQ(tree->MakeFolder("Sub\\a.", why), CreateOutcome::Failed);
    auto source = fs.OpenTree("d:\\T", why);
    ASSERT_TRUE(source);
    FileStamp stamp;
    EXPECT_EQ(tree->CopyFileFrom(*source, "f.txt", "Sub\\f.txt", stamp, why),
              CreateOutcome::Created);
    EXPECT_EQ(stamp.size, 7u) << "the source's";
    EXPECT_EQ(tree->CopyFileFrom(*source, "f.txt", "Sub\\f.txt", stamp, why),
              CreateOutcome::Existed);
    EXPECT_EQ(tree->MakeFolder("Sub\\f.txt", why), CreateOutcome::Failed);
    EXPECT_EQ(tree->MakeFolder("Sub\\f.txt\\x", why), CreateOutcome::Failed);

    EXPECT_TRUE(fs.IsFile("d:\\W\\New\\Sub\\f.txt"));
    EXPECT_EQ(Listed(fs, "d:\\W\\*"), (Names{"New\\", "old.txt"}));
    EXPECT_EQ(Listed(fs, "d:\\W\\New\\Sub\\*.txt"), (Names{"f.txt"}));
    auto top = fs.OpenTree("d:\\", why);
    ASSERT_TRUE(top);
    EXPECT_EQ(TreeListed(*top, "W\\New", "*"), (Names{"Sub\\"}));
    EXPECT_EQ(TreeListed(*top, "W\\New\\Sub", "*.doc"), Names{});
    std::uint32_t attributes = 0;
    EXPECT_TRUE(top->GetAttributes("W\\New\\Sub", attributes, why));
    EXPECT_NE(attributes & kAttrDirectory, 0u);

    // Nothing is removed, moved or written, and the disk never saw any of it.
    EXPECT_FALSE(fs.RemoveFile("d:\\W\\old.txt"));
    EXPECT_FALSE(fs.RemoveEmptyFolder("d:\\W\\New"));
    EXPECT_FALSE(fs.WriteWholeFile("d:\\W\\old.txt", "x"));
    EXPECT_FALSE(fs.MoveFolderNoReplace("d:\\W", "d:\\V"));
    EXPECT_FALSE(tree->RemoveFolder("Sub", why));
    EXPECT_EQ(testing::TreeSnapshot(host), before);
    EXPECT_FALSE(drives.Fs().IsFolder("d:\\W\\New"));
}

// Made entries belong to the folder they were made in, however a later question reaches it: another
// drive letter on the same folder, another letter case where the host ignores it.
TEST(SimulatingFileSystem, MadeEntriesAreFoundByEveryWayToTheirFolder) {
    TempDrives drives;
    const std::string host = drives.Map('D');
    TempDrives::MakeHostFolder(host + "/Shared");
    drives.Fs().MapDrive('F', host + "/Shared");
    SimulatingFileSystem fs(drives.Fs(), drives.TextPort());
    ASSERT_EQ(fs.CreateFolder("d:\\Shared\\Made"), CreateOutcome::Created);
    EXPECT_TRUE(fs.IsFolder("f:\\Made"));
    EXPECT_EQ(fs.CreateFolder("f:\\Made"), CreateOutcome::Existed);
    FsError why = FsError::None;
    auto tree = fs.OpenTree("f:\\", why);
    ASSERT_TRUE(tree);
    EXPECT_EQ(tree->MakeFolder("Made\\Below", why), CreateOutcome::Created);
    EXPECT_TRUE(fs.IsFolder("d:\\Shared\\Made\\Below"));
    FolderIdentity shared;
    ASSERT_TRUE(drives.Fs().IdentifyFolder("d:\\Shared", shared, why));
    if (shared.ignoresCase) {
        EXPECT_TRUE(fs.IsFolder("d:\\SHARED\\made\\BELOW"));
        EXPECT_EQ(fs.CreateFolder("d:\\Shared\\MADE"), CreateOutcome::Existed);
    }
}

// The in-memory backend serves a simulation as the disk does.
TEST(SimulatingFileSystem, WorksOverTheMemoryBackend) {
    TempDrives drives;
    MemoryFileSystem memory(drives.TextPort());
    ASSERT_TRUE(memory.AddFile("e:\\T\\f.txt", 7));
    const auto entries = memory.Entries();
    const auto mutations = memory.Mutations();
    SimulatingFileSystem fs(memory, drives.TextPort());
    EXPECT_TRUE(fs.CreateFolderTree("e:\\A\\B\\C"));
    EXPECT_TRUE(fs.IsFolder("e:\\a\\b\\c"));
    FileStamp stamp;
    EXPECT_EQ(fs.CopyNewFile("e:\\T\\f.txt", "e:\\A\\B\\f.txt", stamp), CreateOutcome::Created);
    EXPECT_EQ(fs.CopyNewFile("e:\\T\\f.txt", "e:\\A\\B\\f.txt", stamp), CreateOutcome::Existed);
    EXPECT_EQ(fs.CopyNewFile("e:\\T\\f.txt", "e:\\A\\Nope\\f.txt", stamp), CreateOutcome::Failed);
    EXPECT_EQ(Listed(fs, "e:\\A\\B\\*"), (Names{"C\\", "f.txt"}));
    EXPECT_EQ(memory.Entries(), entries);
    EXPECT_EQ(memory.Mutations(), mutations);
}

}  // namespace
}  // namespace arbovane
