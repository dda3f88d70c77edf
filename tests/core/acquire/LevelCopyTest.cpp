#include <gtest/gtest.h>

#include <filesystem>

#include "core/acquire/LevelCopy.h"
#include "support/FaultyFileSystem.h"
#include "support/TempDrives.h"

namespace arbovane {
namespace {

using Lines = std::vector<std::string>;
using testing::FaultyFileSystem;
using testing::TempDrives;

constexpr int kAll = LevelCopy::kAllInPath;
constexpr int kLast = LevelCopy::kLastOnly;

enum Mode { FromTo, Above, Below };

void SetLevels(LevelCopy& copy, Mode mode, int a, int b, int listMode) {
    if (mode == FromTo) copy.SetFromTo(a, b);
    if (mode == Above) copy.SetAbove(a);
    if (mode == Below) copy.SetBelow(a);
    copy.SetListMode(listMode);
}

// d:\T holds A and D, A holds B, B holds C.
class LevelCopyTest : public ::testing::Test {
protected:
    void SetUp() override {
        host_ = drives_.Map('D');
        for (const char* folder : {"/T/A/B/C", "/T/D"}) TempDrives::MakeHostFolder(host_ + folder);
    }

    Lines Walk(LevelCopy& copy) {
        copy.Walk();
        return copy.Results();
    }

    TempDrives drives_;
    std::string host_;
};

TEST_F(LevelCopyTest, LevelModesAndListModesOnTheSampleTree) {
    const struct {
        Mode mode;
        int a, b;
        int listMode;
        std::string filter;
        std::string root;
        Lines expected;
    } cases[] = {
        {FromTo, 1, 2, kAll, "", "d:\\T", {"d:\\T\\A", "d:\\T\\D", "d:\\T\\A\\B"}},
        {FromTo, 1, 2, kLast, "", "d:\\T", {"d:\\T\\D", "d:\\T\\A\\B"}},
        {FromTo, 2, 3, kLast, "", "d:\\T", {"d:\\T\\A\\B\\C"}},
        {FromTo, 2, 2, kAll, "", "d:\\T", {"d:\\T\\A\\B"}},
        {FromTo, 3, 2, kAll, "", "d:\\T", {}},
        {FromTo, 4, 9, kAll, "", "d:\\T", {}},
        {Above, 1, 0, kAll, "", "d:\\T", {"d:\\T\\A", "d:\\T\\D"}},
        {Above, 2, 0, kLast, "", "d:\\T", {"d:\\T\\D", "d:\\T\\A\\B"}},
        {Above, 9, 0, kLast, "", "d:\\T", {"d:\\T\\D", "d:\\T\\A\\B\\C"}},
        {Above, 0, 0, kAll, "", "d:\\T", {}},
        {Below, 2, 0, kAll, "", "d:\\T", {"d:\\T\\A\\B", "d:\\T\\A\\B\\C"}},
        {Below, 2, 0, kLast, "", "d:\\T", {"d:\\T\\A\\B\\C"}},
        {Below, 0, 0, kAll, "", "d:\\T", {"d:\\T\\A", "d:\\T\\D", "d:\\T\\A\\B", "d:\\T\\A\\B\\C"}},
        {Below, 0, 0, kLast, "", "d:\\T", {"d:\\T\\D", "d:\\T\\A\\B\\C"}},
        // The filter looks at the folder's own name only and does not stop the walk.
        {Below, 0, 0, kAll, "B", "d:\\T", {"d:\\T\\A\\B"}},
        {Below, 0, 0, kAll, "b", "d:\\T", {"d:\\T\\A\\B"}},
        {Below, 0, 0, kAll, "b\\", "d:\\T", {"d:\\T\\A\\B"}},
        {Below, 0, 0, kAll, "T", "d:\\T", {}},
        {Below, 0, 0, kLast, "c", "d:\\T", {"d:\\T\\A\\B\\C"}},
        // Found paths are always parent, backslash, name, so the levels stay right.
        {FromTo, 1, 2, kAll, "", "d:\\T\\", {"d:\\T\\\\A", "d:\\T\\\\D", "d:\\T\\\\A\\B"}},
        {Below, 0, 0, kLast, "", "d:\\T\\", {"d:\\T\\\\D", "d:\\T\\\\A\\B\\C"}},
        {FromTo, 1, 1, kAll, "", "D:\\T\\A", {"D:\\T\\A\\B"}},
        {FromTo, 1, 1, kAll, "", "d:\\t\\a", {}},  // another spelling: no such folder here
        {Below, 0, 0, kAll, "", "d:\\Missing", {}},
    };
    for (const auto& c : cases) {
        LevelCopy copy(drives_.Fs(), drives_.TextPort(), {c.root});
        SetLevels(copy, c.mode, c.a, c.b, c.listMode);
        copy.SetFilter(c.filter);
        EXPECT_EQ(Walk(copy), c.expected)
            << "mode " << c.mode << " " << c.a << "-" << c.b << " list " << c.listMode
            << " filter '" << c.filter << "' root " << c.root;
    }
}

TEST_F(LevelCopyTest, StartsInLastOnlyAndListsNothingWithoutALevelMode) {
    LevelCopy unset(drives_.Fs(), drives_.TextPort(), {"d:\\T"});
    EXPECT_TRUE(Walk(unset).empty());

    LevelCopy defaults(drives_.Fs(), drives_.TextPort(), {"d:\\T"});
    defaults.SetBelow(1);
    EXPECT_EQ(Walk(defaults), (Lines{"d:\\T\\D", "d:\\T\\A\\B\\C"}));
}

TEST_F(LevelCopyTest, RootsAreWalkedInTheOrderGivenEachBreadthFirst) {
    TempDrives::MakeHostFolder(host_ + "/S/x/y");
    LevelCopy copy(drives_.Fs(), drives_.TextPort(), {"d:\\S", "d:\\T\\A"});
    copy.SetBelow(0);
    copy.SetListMode(kAll);
    EXPECT_EQ(Walk(copy), (Lines{"d:\\S\\x", "d:\\S\\x\\y", "d:\\T\\A\\B", "d:\\T\\A\\B\\C"}));
}

TEST_F(LevelCopyTest, FilesAndLinksAreNeitherEnteredNorListed) {
    namespace stdfs = std::filesystem;
    TempDrives::WriteHostFile(host_ + "/T/A/file.txt", "x");
    TempDrives::WriteHostFile(host_ + "/T/D/Bfile", "x");
    // A link to a folder inside the tree and one to a folder outside it.
    stdfs::create_directory_symlink(host_ + "/T/A", host_ + "/T/D/LinkToA");
    TempDrives::MakeHostFolder(host_ + "/Outside/Deep");
    stdfs::create_directory_symlink(host_ + "/Outside", host_ + "/T/A/B/C/LinkOut");

    const struct {
        int listMode;
        std::string filter;
        Lines expected;
    } cases[] = {
        {kAll, "", {"d:\\T\\A", "d:\\T\\D", "d:\\T\\A\\B", "d:\\T\\A\\B\\C"}},
        // A folder whose only subfolder entries are links still ends its branch.
        {kLast, "", {"d:\\T\\D", "d:\\T\\A\\B\\C"}},
        {kAll, "link", {}},
        {kAll, "file", {}},
    };
    for (const auto& c : cases) {
        LevelCopy copy(drives_.Fs(), drives_.TextPort(), {"d:\\T"});
        copy.SetBelow(0);
        copy.SetListMode(c.listMode);
        copy.SetFilter(c.filter);
        EXPECT_EQ(Walk(copy), c.expected) << c.listMode << " '" << c.filter << "'";
    }
}

// A child that cannot be listed ends the branch at its parent, which is then the last folder.
TEST_F(LevelCopyTest, FolderThatCannotBeEnumeratedIsNeitherListedNorWalked) {
    const struct {
        Mode mode;
        int a, b;
        int listMode;
        bool listableSibling;  // A also holds X, which can be listed
        Lines expected;
    } cases[] = {
        {Below, 0, 0, kAll, false, {"d:\\T\\A", "d:\\T\\D"}},
        {Below, 0, 0, kLast, false, {"d:\\T\\A", "d:\\T\\D"}},
        {FromTo, 1, 2, kAll, false, {"d:\\T\\A", "d:\\T\\D"}},
        {FromTo, 1, 2, kLast, false, {"d:\\T\\A", "d:\\T\\D"}},
        {Above, 2, 0, kLast, false, {"d:\\T\\A", "d:\\T\\D"}},
        {Below, 0, 0, kLast, true, {"d:\\T\\D", "d:\\T\\A\\X"}},
        {FromTo, 1, 3, kLast, true, {"d:\\T\\D", "d:\\T\\A\\X"}},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(host_ + "/T/A/X");
        if (c.listableSibling) TempDrives::MakeHostFolder(host_ + "/T/A/X");
        FaultyFileSystem faulty(drives_.Fs());
        faulty.ForbidMutations();
        faulty.FailOn(FaultyFileSystem::Op::Enumerate, "d:\\T\\A\\B\\*.*");
        LevelCopy copy(faulty, drives_.TextPort(), {"d:\\T"});
        SetLevels(copy, c.mode, c.a, c.b, c.listMode);
        EXPECT_EQ(Walk(copy), c.expected) << "mode " << c.mode << " list " << c.listMode;
    }
}

TEST_F(LevelCopyTest, EnumeratesEachFolderAtMostOnceAndStopsBelowTheBand) {
    TempDrives::MakeHostFolder(host_ + "/T/A/B/C/E/F");
    const struct {
        Mode mode;
        int a, b;
        int listMode;
        Lines enumerated;
    } cases[] = {
        {Below, 0, 0, kLast, {"T", "A", "D", "B", "C", "E", "F"}},
        {Below, 0, 0, kAll, {"T", "A", "D", "B", "C", "E", "F"}},
        {FromTo, 1, 1, kAll, {"T", "A", "D"}},
        {FromTo, 1, 2, kLast, {"T", "A", "D", "B"}},
        {Above, 2, 0, kAll, {"T", "A", "D", "B"}},
        {Above, 1, 0, kLast, {"T", "A", "D"}},
    };
    for (const auto& c : cases) {
        FaultyFileSystem faulty(drives_.Fs());
        Lines enumerated;
        faulty.Before(FaultyFileSystem::Op::Enumerate, [&](const std::string& pattern) {
            const std::string folder = pattern.substr(0, pattern.size() - 4);
            enumerated.push_back(folder.substr(folder.rfind('\\') + 1));
        });
        LevelCopy copy(faulty, drives_.TextPort(), {"d:\\T"});
        SetLevels(copy, c.mode, c.a, c.b, c.listMode);
        copy.Walk();
        EXPECT_EQ(enumerated, c.enumerated) << "mode " << c.mode << " list " << c.listMode;
    }
}

TEST_F(LevelCopyTest, PathsPastTheWindowsLimitAreWalkedWhole) {
    const std::string name(100, 'n');
    TempDrives::MakeHostFolder(host_ + "/L/" + name + "/" + name + "/" + name);
    LevelCopy copy(drives_.Fs(), drives_.TextPort(), {"d:\\L"});
    copy.SetBelow(3);
    copy.SetListMode(kAll);
    const Lines results = Walk(copy);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0], "d:\\L\\" + name + "\\" + name + "\\" + name);
    EXPECT_GT(results[0].size(), 260u);
}

TEST_F(LevelCopyTest, FilterIgnoresLetterCaseBeyondAscii) {
    TempDrives::MakeHostFolder(host_ + "/U/\xC3\x89t\xC3\xA9");
    TempDrives::MakeHostFolder(host_ + "/U/Ete");
    LevelCopy copy(drives_.Fs(), drives_.TextPort(), {"d:\\U"});
    copy.SetBelow(0);
    copy.SetListMode(kAll);
    copy.SetFilter("\xC3\xA9T\xC3\x89");
    EXPECT_EQ(Walk(copy), (Lines{"d:\\U\\\xC3\x89t\xC3\xA9"}));
}

}  // namespace
}  // namespace arbovane
