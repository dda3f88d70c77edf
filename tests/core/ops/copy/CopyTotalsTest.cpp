#include <gtest/gtest.h>

#include "CopyFixture.h"
#include "HostBackend.h"

namespace arbovane {
namespace {

using testing::CopyFixture;
using testing::ExpectMessages;
using testing::Lines;

TEST(CopyTotals, DestinationCountLeavesOutBlankAndNestedLines) {
    const HostText text;
    const struct {
        Lines lines;
        std::size_t count;
    } cases[] = {
        {{"d:\\A", "d:\\A\\B", "D:\\a"}, 1},
        {{"d:\\A", "d:\\AB", "e:\\A"}, 3},
        {{"   ", ""}, 0},
        {{"d:\\A\\B", "d:\\A\\B", "d:\\A\\C"}, 2},
    };
    for (const auto& c : cases) EXPECT_EQ(CopyDestinationCount(text, c.lines), c.count);
}

class CopyTotalsTest : public CopyFixture {
protected:
    void SetUp() override {
        CopyFixture::SetUp();
        Make('d', {"T/f.txt", "T/A/g.txt", "T/A/B/"});
        Make('e', {"X/", "Y/"});
    }
    bool Update(const Lines& include, const CopyTemplateInputs& inputs, bool withFiles) {
        messenger_.Clear();
        return UpdateCopyTotals({fs_, drives_.TextPort(), messenger_, log_}, totals_, include,
                                inputs, withFiles);
    }
    static CopyTemplateInputs Full(AttachMode mode, Lines patterns = {"*.*"}) {
        return {{"d:\\T"}, TemplateKind::FullPath, mode, std::move(patterns)};
    }
    std::vector<double> ToDo() const {
        return {Count(Vol08Counter::FoldersToCopy), Count(Vol08Counter::SubFoldersToCopy),
                Count(Vol08Counter::FilesToCopy), Count(Vol08Counter::FileSizeToCopy)};
    }
};

TEST_F(CopyTotalsTest, ToDoCountersPerKindAndMode) {
    const struct {
        CopyTemplateInputs inputs;
        bool withFiles;
        std::vector<double> expected;
    } cases[] = {
        // The template's own folder counts in the main-folder modes.
        {Full(AttachMode::MainFolderWithFiles), true, {2, 6, 4, 32}},
        {Full(AttachMode::SubFoldersOnlyWithFiles), true, {2, 4, 4, 32}},
        {Full(AttachMode::MainFolderWithoutFiles), false, {2, 6, 0, 0}},
        // A file matching two patterns counts twice, as the run reports it twice.
        {Full(AttachMode::MainFolderWithFiles, {"*.txt", "f*"}), true, {2, 6, 6, 46}},
        {{{"\\a", "\\b", "\\c"}, TemplateKind::Relative, AttachMode::None, {"*.*"}},
         false,
         {2, 6, 0, 0}},
    };
    for (const auto& c : cases) {
        log_.ZeroCounters();
        EXPECT_TRUE(Update({"e:\\X", "e:\\Y"}, c.inputs, c.withFiles));
        EXPECT_EQ(ToDo(), c.expected);
        EXPECT_TRUE(messenger_.Shown().empty());
    }
    // Without a destination nothing is set and nothing is said.
    log_.ZeroCounters();
    EXPECT_FALSE(Update({"  "}, Full(AttachMode::MainFolderWithFiles), true));
    EXPECT_EQ(ToDo(), (std::vector<double>{0, 0, 0, 0}));
    EXPECT_TRUE(messenger_.Shown().empty());
    // The copy size table holds every selected file once.
    EXPECT_EQ(totals_.SizeTable(),
              (MAP_FILE_PATH_SIZE{{"d:\\T\\A\\g.txt", 9}, {"d:\\T\\f.txt", 7}}));
}

TEST_F(CopyTotalsTest, FreeSpaceIsCheckedPerVolume) {
    const std::string title =
        "Copy Folder(s).-From a Folder List.            Information no: 0177.";
    Make('f', {"Z/"});
    fs_.FakeVolume("e:", 1);
    fs_.FakeVolume("f:", 2);
    // 16 bytes per destination: e: needs 32, f: 16.
    fs_.FakeFreeBytes("e:", 32);
    fs_.FakeFreeBytes("f:", 15);
    EXPECT_FALSE(Update({"e:\\X", "e:\\Y", "f:\\Z"}, Full(AttachMode::MainFolderWithFiles), true));
    ExpectMessages(messenger_.Shown(),
                   {{"There is not enough space on the disk.\nThe free space on the disk f:\\ is : "
                     "15.00 Bytes    15 bytes\nThe program requires : 16.00 Bytes    16 bytes.",
                     title, 48}});

    // Two letters on one volume are counted together.
    fs_.FakeVolume("f:", 1);
    fs_.FakeFreeBytes("e:", 40);
    fs_.FakeFreeBytes("f:", 40);
    EXPECT_FALSE(Update({"e:\\X", "e:\\Y", "f:\\Z"}, Full(AttachMode::MainFolderWithFiles), true));
    ASSERT_EQ(messenger_.Shown().size(), 1u);
    EXPECT_EQ(messenger_.Shown()[0].text,
              "There is not enough space on the disk.\nThe free space on the disk e:\\ is : 40.00 "
              "Bytes    40 bytes\nThe program requires : 48.00 Bytes    48 bytes.");

    // What is at its destination already is not written again; a missing folder gets nothing.
    Make('f', {"Z/T/f.txt", "Z/T/A/g.txt"});
    EXPECT_TRUE(Update({"e:\\X", "e:\\Y", "f:\\Z", "e:\\Missing"},
                       Full(AttachMode::MainFolderWithFiles), true));
    EXPECT_TRUE(messenger_.Shown().empty());
    // Without files nothing is checked.
    fs_.FakeFreeBytes("e:", 0);
    EXPECT_TRUE(Update({"e:\\X"}, Full(AttachMode::MainFolderWithoutFiles), false));
}

TEST_F(CopyTotalsTest, MeasurementIsReusedWhileItsInputsStay) {
    int listings = 0;
    fs_.Before(testing::FaultyFileSystem::Op::Enumerate, [&](const std::string&) { ++listings; });
    totals_.MeasureTemplates(fs_, Full(AttachMode::MainFolderWithFiles), true, false);
    const int once = listings;
    EXPECT_GT(once, 0);
    totals_.MeasureTemplates(fs_, Full(AttachMode::MainFolderWithFiles), true, false);
    EXPECT_EQ(listings, once);
    totals_.MeasureTemplates(fs_, Full(AttachMode::MainFolderWithFiles, {"*.txt"}), true, false);
    EXPECT_GT(listings, once);
    const int twice = listings;
    totals_.MeasureTemplates(fs_, Full(AttachMode::MainFolderWithFiles, {"*.txt"}), true, true);
    EXPECT_GT(listings, twice);
}

}  // namespace
}  // namespace arbovane
