#include "core/templates/FolderStructSize.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/FaultyFileSystem.h"
#include "support/TempDrives.h"

namespace arbovane {
namespace {

namespace stdfs = std::filesystem;
using testing::FaultyFileSystem;
using testing::TempDrives;

// d:\T with A and A\B, x.txt of 10 bytes in T and y.doc of 20 bytes in A.
class FolderStructSizeTest : public ::testing::Test {
protected:
    void SetUp() override {
        host_ = drives_.Map('D');
        TempDrives::MakeHostFolder(host_ + "/T/A/B");
        TempDrives::WriteHostFile(host_ + "/T/x.txt", std::string(10, 'x'));
        TempDrives::WriteHostFile(host_ + "/T/A/y.doc", std::string(20, 'y'));
    }

    TempDrives drives_;
    std::string host_;
};

TEST_F(FolderStructSizeTest, AllFilesCountsEveryFolderAndFile) {
    for (const bool includeMain : {true, false}) {
        FolderStructSize size(drives_.Fs(), "d:\\T");
        size.SetIncludeMain(includeMain);
        size.MeasureAllFiles();
        EXPECT_EQ(size.FolderCount(), includeMain ? 3u : 2u) << includeMain;
        EXPECT_EQ(size.AllFileCount(), 2u);
        EXPECT_EQ(size.AllByteTotal(), 30u);
        const MAP_FILE_PATH_SIZE expected = {{"d:\\T\\A\\y.doc", 20}, {"d:\\T\\x.txt", 10}};
        EXPECT_EQ(size.AllFileSizes(), expected);
        EXPECT_EQ(size.SelectedFileCount(), 0u);
    }
}

TEST_F(FolderStructSizeTest, SelectedFilesWalkTheTreeOncePerPattern) {
    const struct {
        std::vector<std::string> patterns;
        std::uint32_t files;
        std::uint64_t bytes;
        MAP_FILE_PATH_SIZE table;
    } cases[] = {
        {{"*.txt"}, 1, 10, {{"d:\\T\\x.txt", 10}}},
        {{"*.TXT"}, 1, 10, {{"d:\\T\\x.txt", 10}}},
        {{"*.doc"}, 1, 20, {{"d:\\T\\A\\y.doc", 20}}},
        // x.txt matches both patterns: counted twice, listed once.
        {{"*.txt", "*.*"}, 3, 40, {{"d:\\T\\A\\y.doc", 20}, {"d:\\T\\x.txt", 10}}},
        {{"*.*", "*.txt"}, 3, 40, {{"d:\\T\\A\\y.doc", 20}, {"d:\\T\\x.txt", 10}}},
        {{"*.pdf"}, 0, 0, {}},
    };
    for (const auto& c : cases) {
        FolderStructSize size(drives_.Fs(), "d:\\T");
        size.SetIncludeMain(true);
        size.MeasureSelectedFiles(c.patterns);
        const std::string label = c.patterns.front() + " +" + std::to_string(c.patterns.size() - 1);
        EXPECT_EQ(size.FolderCount(), 3u) << label;
        EXPECT_EQ(size.SelectedFileCount(), c.files) << label;
        EXPECT_EQ(size.SelectedByteTotal(), c.bytes) << label;
        EXPECT_EQ(size.SelectedFileSizes(), c.table) << label;
        EXPECT_EQ(size.AllFileCount(), 0u) << label;
        // Folders are counted once however many patterns there are.
        const MAP_NIVO_FOLDER_COUNT levels = {{1, 1}, {2, 1}, {3, 1}};
        EXPECT_EQ(size.DepthHistogram(), levels) << label;
    }
}

TEST_F(FolderStructSizeTest, RootFilesLookOnlyInsideTheRoot) {
    TempDrives::WriteHostFile(host_ + "/T/z.txt", std::string(5, 'z'));
    FolderStructSize size(drives_.Fs(), "d:\\T");
    size.MeasureRootFiles({"*.txt", "*.doc"});
    EXPECT_EQ(size.FolderCount(), 0u);
    EXPECT_EQ(size.SelectedFileCount(), 2u);
    EXPECT_EQ(size.SelectedByteTotal(), 15u);
    EXPECT_TRUE(size.DepthHistogram().empty());
}

TEST_F(FolderStructSizeTest, MeasuringTwiceGivesTheSameFigures) {
    FolderStructSize size(drives_.Fs(), "d:\\T");
    size.MeasureAllFiles();
    size.MeasureAllFiles();
    size.MeasureSelectedFiles({"*.*"});
    EXPECT_EQ(size.FolderCount(), 2u);
    EXPECT_EQ(size.AllFileCount(), 2u);
    EXPECT_EQ(size.AllByteTotal(), 30u);
    EXPECT_EQ(size.SelectedByteTotal(), 30u);
}

TEST_F(FolderStructSizeTest, MissingOrEmptyRootMeasuresNothing) {
    TempDrives::MakeHostFolder(host_ + "/Empty");
    for (const std::string root : {"d:\\Missing", "d:\\Empty", ""}) {
        for (const bool includeMain : {true, false}) {
            FolderStructSize size(drives_.Fs(), root);
            size.SetIncludeMain(includeMain);
            size.MeasureAllFiles();
            size.MeasureSelectedFiles({"*.*"});
            EXPECT_EQ(size.FolderCount(), includeMain ? 1u : 0u) << root;
            EXPECT_EQ(size.AllFileCount() + size.SelectedFileCount(), 0u) << root;
            EXPECT_EQ(size.AllByteTotal() + size.SelectedByteTotal(), 0u) << root;
            EXPECT_TRUE(size.ShowAllFilesLevelSummary().rows.empty()) << root;
        }
    }
}

TEST_F(FolderStructSizeTest, SizesAbove4GiBKeepEveryBit) {
    const std::uint64_t fiveGiB = 5ull << 30;
    TempDrives::MakeHostFolder(host_ + "/Big/Sub");
    TempDrives::WriteHostFile(host_ + "/Big/Sub/huge.bin", "");
    stdfs::resize_file(host_ + "/Big/Sub/huge.bin", fiveGiB + 7);  // sparse on the host
    TempDrives::WriteHostFile(host_ + "/Big/small.bin", std::string(3, 's'));

    FolderStructSize all(drives_.Fs(), "d:\\Big");
    all.MeasureAllFiles();
    EXPECT_EQ(all.AllByteTotal(), fiveGiB + 10);
    EXPECT_EQ(all.AllFileSizes().at("d:\\Big\\Sub\\huge.bin"), fiveGiB + 7);

    FolderStructSize selected(drives_.Fs(), "d:\\Big");
    selected.MeasureSelectedFiles({"*.bin", "huge.*"});
    EXPECT_EQ(selected.SelectedByteTotal(), 2 * (fiveGiB + 7) + 3);
    EXPECT_EQ(selected.ShowLevelSummary().fileSize, "10.00 GB  (10737418257 bytes).");
}

TEST_F(FolderStructSizeTest, LevelSummaryRowsAndLabels) {
    TempDrives::WriteHostFile(host_ + "/T/A/B/z.txt", std::string(1526, 'z'));
    TempDrives::MakeHostFolder(host_ + "/T/C");
    FolderStructSize size(drives_.Fs(), "d:\\T");
    size.SetIncludeMain(true);
    size.MeasureSelectedFiles({"*.txt"});

    const _tagLevelSummary summary = size.ShowLevelSummary();
    ASSERT_EQ(summary.rows.size(), 2u);
    EXPECT_EQ(summary.rows[0].level, "1");
    EXPECT_EQ(summary.rows[0].folders, "2");
    EXPECT_EQ(summary.rows[1].level, "2");
    EXPECT_EQ(summary.rows[1].folders, "1");
    EXPECT_EQ(summary.folderName, "d:\\T");
    EXPECT_EQ(summary.folderSum, "4");
    EXPECT_EQ(summary.fileSum, "2");
    EXPECT_EQ(summary.fileSize, "1.50 KB  (1536 bytes).");

    // The same window fed from the other result set.
    EXPECT_EQ(size.ShowAllFilesLevelSummary().fileSize, "0.00 Bytes  (0 bytes).");
}

TEST_F(FolderStructSizeTest, LevelNumbersAreDepthsBelowTheDrive) {
    TempDrives::MakeHostFolder(host_ + "/P/T/A");
    const struct {
        std::string root;
        std::vector<std::string> levels;
    } cases[] = {{"d:\\T", {"1", "2"}},
                 {"d:\\T\\", {"1", "2"}},
                 {"d:\\P\\T", {"2"}},
                 {"d:\\", {"1", "2", "3"}}};
    for (const auto& c : cases) {
        FolderStructSize size(drives_.Fs(), c.root);
        size.MeasureAllFiles();
        std::vector<std::string> levels;
        for (const auto& row : size.ShowAllFilesLevelSummary().rows) levels.push_back(row.level);
        EXPECT_EQ(levels, c.levels) << c.root;
    }
}

TEST_F(FolderStructSizeTest, DriveRootPathsCarryOneSeparator) {
    FolderStructSize size(drives_.Fs(), "d:\\");
    size.MeasureAllFiles();
    EXPECT_EQ(size.AllFileSizes().count("d:\\T\\x.txt"), 1u);
    EXPECT_EQ(size.FolderCount(), 3u);
}

TEST_F(FolderStructSizeTest, LinksAreCountedButNeverEntered) {
    const std::string outside = drives_.Map('E');
    TempDrives::WriteHostFile(outside + "/Far/far.txt", std::string(100, 'f'));
    stdfs::create_directory_symlink(outside + "/Far", host_ + "/T/ToFar");
    stdfs::create_symlink(outside + "/Far/far.txt", host_ + "/T/far-link.txt");

    FolderStructSize size(drives_.Fs(), "d:\\T");
    size.MeasureAllFiles();
    EXPECT_EQ(size.FolderCount(), 3u);  // A, A\B and the link
    EXPECT_EQ(size.AllFileSizes().count("d:\\T\\ToFar\\far.txt"), 0u);
    EXPECT_EQ(size.AllFileSizes().count("d:\\T\\far-link.txt"), 1u);

    FolderStructSize selected(drives_.Fs(), "d:\\T");
    selected.MeasureSelectedFiles({"far*.*", "*.txt"});
    EXPECT_EQ(selected.SelectedFileSizes().count("d:\\T\\ToFar\\far.txt"), 0u);
}

TEST_F(FolderStructSizeTest, UnlistableFolderAddsOnlyItself) {
    FaultyFileSystem faulty(drives_.Fs());
    faulty.FailOn(FaultyFileSystem::Op::Enumerate, "d:\\T\\A\\*.*");
    faulty.ForbidMutations();
    FolderStructSize size(faulty, "d:\\T");
    size.MeasureAllFiles();
    EXPECT_EQ(size.FolderCount(), 1u);
    EXPECT_EQ(size.AllFileCount(), 1u);
    EXPECT_EQ(faulty.MutationCount(), 0);
}

TEST_F(FolderStructSizeTest, OneListingPerFolderAndPattern) {
    FaultyFileSystem counting(drives_.Fs());
    std::vector<std::string> listed;
    counting.Before(FaultyFileSystem::Op::Enumerate,
                    [&](const std::string& path) { listed.push_back(path); });
    FolderStructSize size(counting, "d:\\T");
    size.MeasureAllFiles();
    EXPECT_EQ(listed.size(), 3u);
    listed.clear();
    size.MeasureSelectedFiles({"*.txt", "*.doc"});
    EXPECT_EQ(listed.size(), 9u);  // the first pattern also lists for subfolders
}

}  // namespace
}  // namespace arbovane
