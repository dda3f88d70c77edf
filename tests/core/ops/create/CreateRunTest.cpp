#include <gtest/gtest.h>

#include "CreateFixture.h"
#include "core/paths/Arbsplit.h"

namespace arbovane {
namespace {

using testing::CreateFixture;
using testing::FaultyFileSystem;
using testing::Lines;
using testing::Names;
using testing::Numbers;
using testing::Paths;
using testing::TempDrives;
using testing::With;
using G = CreationCategory;
using C = CreationCounter;
using K = TemplateKind;
using A = AttachMode;

class CreateRunTest : public CreateFixture {};

// A folder that appears between the look and the creation is someone else's: listed as
// existing, never journalled, so Undo leaves it with whatever it holds.
TEST_F(CreateRunTest, FolderThatAppearsDuringTheRunIsNotOurs) {
    Make('e', {"Dest/"});
    fs_.Before(FaultyFileSystem::Op::CreateFolder, [this](const std::string& path) {
        if (path == "e:\\Dest\\B") Make('e', {"Dest/B/theirs.txt"});
    });
    ASSERT_TRUE(Run(Names({"A", "B"}, K::Relative, {"\\x"})));
    EXPECT_EQ(log_.Lines(G::FoldersCreated), Lines{"e:\\Dest\\A"});
    EXPECT_EQ(log_.Lines(G::FoldersExists), Lines{"e:\\Dest\\B"});
    EXPECT_EQ(journal_.CreatedMainFolders, Lines{"e:\\Dest\\A"});
    EXPECT_EQ(journal_.CreatedStructureFolders, Lines{"e:\\Dest\\A\\x"});
    Undo(CreateTab::StringList);
    EXPECT_FALSE(Exists('e', "Dest/A"));
    EXPECT_TRUE(Exists('e', "Dest/B/theirs.txt"));
    EXPECT_TRUE(journal_.FailedUndoFolders.empty());
}

// A failure never stops the run and is never counted as created; parents made before it are
// still taken back.
TEST_F(CreateRunTest, FailedCreationGoesToOtherReasons) {
    fs_.FailOn(FaultyFileSystem::Op::CreateFolder, "e:\\Dest\\P\\Q");
    ASSERT_TRUE(Run(Names({"P\\Q", "R"})));
    EXPECT_EQ(log_.Lines(G::FoldersOther), Lines{"e:\\Dest\\P\\Q"});
    // The folders made on the way are the run's: listed and counted, parents first.
    EXPECT_EQ(log_.Lines(G::FoldersCreated), (Lines{"e:\\Dest", "e:\\Dest\\P", "e:\\Dest\\R"}));
    EXPECT_EQ(Count(C::FoldersOther), 1.0);
    EXPECT_EQ(Count(C::FoldersCreated), 3.0);
    Undo(CreateTab::StringList);
    EXPECT_FALSE(Exists('e', "Dest"));
}

// Only parents made and every main folder failed: Undo still has those parents to take back.
TEST_F(CreateRunTest, ParentsOfAFailedMainFolderAreUndone) {
    fs_.FailOn(FaultyFileSystem::Op::CreateFolder, "e:\\Dest\\P\\Q");
    ASSERT_TRUE(Run(Names({"P\\Q"})));
    ASSERT_TRUE(Exists('e', "Dest/P"));
    Undo(CreateTab::StringList);
    EXPECT_FALSE(Exists('e', "Dest"));
}

// Undo of the full-path tab removes what the run made up to what was there, never further, and
// leaves every folder holding something.
TEST_F(CreateRunTest, PathUndoStopsAtWhatWasThere) {
    Make('e', {"Old/", "Full/mine.txt"});
    ASSERT_TRUE(
        Run(Paths({"e:\\Old\\New\\A", "e:\\Full\\B", "e:\\Made\\C"}, K::Relative, {"\\x\\y"})));
    Make('e', {"Full/B/x/theirs.txt"});
    Undo(CreateTab::FolderList);
    EXPECT_TRUE(Exists('e', "Old"));
    EXPECT_FALSE(Exists('e', "Old/New"));
    EXPECT_FALSE(Exists('e', "Made"));
    EXPECT_TRUE(Exists('e', "Full/mine.txt"));
    EXPECT_TRUE(Exists('e', "Full/B/x/theirs.txt"));
    EXPECT_EQ(journal_.FailedUndoFolders, (Lines{"e:\\Full\\B\\x", "e:\\Full\\B"}));
}

TEST_F(CreateRunTest, ChecksBeforeTheQuestion) {
    const struct {
        const char* name;
        CreateTabOptions options;
        Lines titles;
    } cases[] = {
        {"no template",
         Names({"A"}, K::Relative),
         {"Creating Folder(s).-From a String List.            Warning no: 0023."}},
        {"start after end",
         Numbers("5", "3"),
         {"Creating Folder(s).-Increased Numbers.    Warning no: 0089."}},
        {"a slash in the prefix",
         With(Paths({"e:\\A"}), "x\\..", ""),
         {"Creating Folder(s).-From a Folder List.            Warning no: 0054."}},
        {"a colon in the suffix",
         With(Numbers("1", "1"), "", "d:"),
         {"Creating Folder(s).-Increased numbers.            Warning no: 0080."}},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(Run(c.options)) << c.name;
        EXPECT_EQ(Titles(), c.titles) << c.name;
        EXPECT_EQ(locks_, 0) << c.name;
    }
    EXPECT_TRUE(Snapshot().empty());
}

TEST_F(CreateRunTest, AnsweringNoChangesNothing) {
    journal_.CreatedMainFolders = {"e:\\Earlier"};
    EXPECT_FALSE(Run(Names({"A"}), kAnswerNo));
    EXPECT_FALSE(Exists('e', "Dest"));
    EXPECT_EQ(journal_.CreatedMainFolders, Lines{"e:\\Earlier"});
}

TEST_F(CreateRunTest, EmptyListWarnsAfterTheLockAndSkipsTheEnd) {
    const struct {
        CreateTabOptions options;
        bool simulate;
        const char* title;
    } cases[] = {
        {Names({}), false, "Creating Folder(s).-From a String List.            Warning no: 0027."},
        {Names({}), true,
         "Simulate Creating Folder(s).-From a String List.            Warning no: 0458."},
        {Paths({}), false, "Creating Folder(s).-From a Folder List.           Warning no: 0063."},
        {Paths({}), true,
         "Simulate Creating Folder(s).-From a Folder List.           Warning no: 0476."},
    };
    for (const auto& c : cases) {
        locks_ = unlocks_ = 0;
        ASSERT_TRUE(c.simulate ? Simulate(c.options) : Run(c.options));
        ASSERT_EQ(Titles().size(), 2u);
        EXPECT_EQ(Titles()[1], c.title);
        EXPECT_EQ(locks_, 1);
        EXPECT_EQ(unlocks_, 1);
    }
    EXPECT_TRUE(opened_.empty());
}

TEST_F(CreateRunTest, EndMessageThenExplorerThenHistory) {
    ASSERT_TRUE(Run(Names({"A"})));
    EXPECT_EQ(Titles(),
              (Lines{"Creating Folder(s).-From  a String List.            Information no: 0025.",
                     "Creating Folder(s).-From a String List.            Information no: 0026."}));
    EXPECT_EQ(opened_, Lines{"e:\\Dest"});
    EXPECT_EQ(ended_, 1);
    EXPECT_EQ(journal_.UndoRoot, "e:\\Dest\\");
    EXPECT_EQ(journal_.AttachModeMarker, "N");
    ASSERT_TRUE(Run(Paths({"e:\\P"})));
    EXPECT_EQ(opened_.size(), 1u) << "the full-path tab opens nothing";
}

// Free space: strictly more than needed on the destination tabs, equal enough per drive on the
// full-path tab.
TEST_F(CreateRunTest, FreeSpaceCheck) {
    Make('d', {"T/f.txt"});  // 7 bytes
    const std::uint64_t needed = 2 * 7;
    const struct {
        CreateTabOptions options;
        std::uint64_t free;
        bool runs;
        const char* title;
    } cases[] = {
        {Names({"A", "B"}, K::FullPath, {"d:\\T"}, A::MainFolderWithFiles), needed, false,
         "Creating Folder(s).-From a String List.            Information no: 0035."},
        {Names({"A", "B"}, K::FullPath, {"d:\\T"}, A::MainFolderWithFiles), needed + 1, true, ""},
        {Numbers("1", "2", K::FullPath, {"d:\\T"}, A::SubFoldersOnlyWithFiles), needed, false,
         "Creating Folder(s).-Increased Numbers.            Information no: 0100."},
        {Paths({"e:\\A", "e:\\B"}, K::FullPath, {"d:\\T"}, A::MainFolderWithFiles), needed, true,
         ""},
        {Paths({"e:\\A", "e:\\B"}, K::FullPath, {"d:\\T"}, A::MainFolderWithFiles), needed - 1,
         false, "Creating Folder(s).-From a Folder List.            Information no: 0071."},
    };
    for (const auto& c : cases) {
        fs_.FakeFreeBytes("e:", c.free);
        const bool ran = Run(c.options);
        EXPECT_EQ(ran, c.runs) << c.free;
        if (!c.runs) {
            ASSERT_EQ(messenger_.Shown().size(), 1u);
            EXPECT_EQ(messenger_.Shown()[0].title, c.title);
            EXPECT_EQ(messenger_.Shown()[0].text,
                      "There is not enough space on the disk.\nThe free space on the disk e:\\ is "
                      ": " +
                          FormatSize(c.free) + "    " + std::to_string(c.free) +
                          " bytes\nThe program requires : 14.00 Bytes    14 bytes.");
        }
    }
}

// The counters a refresh sets, and a count far beyond what fits in 32 bits of bytes.
TEST_F(CreateRunTest, ToCreateCounters) {
    Make('d', {"T/f.txt", "T/A/"});
    EXPECT_TRUE(UpdateToCreate(
        Ports(), totals_,
        Numbers("1", "2147483647", K::FullPath, {"d:\\T"}, A::MainFolderWithFiles), true));
    EXPECT_EQ(Count(C::FoldersToCreate), 2147483647.0);
    EXPECT_EQ(Count(C::SubFoldersToCreate), 2.0 * 2147483647.0);
    EXPECT_EQ(Count(C::FilesToCreate), 2147483647.0);
    EXPECT_EQ(Count(C::FilesSizeToCreate), 7.0 * 2147483647.0);
    EXPECT_TRUE(
        UpdateToCreate(Ports(), totals_, Names({"A", "B"}, K::Relative, {"\\x", "\\y"}), false));
    EXPECT_EQ(Count(C::SubFoldersToCreate), 4.0);
    EXPECT_FALSE(UpdateToCreate(Ports(), totals_, Names({}), false));
}

// A destination inside the template receives the template as it was when the run started;
// a link in the template is never followed, and nothing is overwritten.
TEST_F(CreateRunTest, AttachWalkKeepsToTheTemplateAsItWas) {
    Make('d', {"T/f.txt", "T/A/", "Outside/secret.txt"});
    std::filesystem::create_symlink(Host('d', "Outside"), Host('d', "T/Link"));
    CreateTabOptions options = Names({"N1", "N2"}, K::FullPath, {"d:\\T"}, A::MainFolderWithFiles);
    options.destination = "d:\\T\\Dest";
    fs_.Before(FaultyFileSystem::Op::CreateFolder, [this](const std::string& path) {
        if (path == "d:\\T\\Dest\\N2") Make('d', {"T/Dest/N2/T/f.txt"});
    });
    ASSERT_TRUE(Run(options));
    EXPECT_EQ(log_.Lines(G::FoldersCreated), (Lines{"d:\\T\\Dest", "d:\\T\\Dest\\N1"}));
    EXPECT_EQ(log_.Lines(G::FoldersExists), (Lines{"d:\\T\\Dest\\N2"}));
    EXPECT_EQ(log_.Lines(G::SubFoldersCreated),
              (Lines{"d:\\T\\Dest\\N1\\T", "d:\\T\\Dest\\N1\\T\\A"}));
    EXPECT_EQ(log_.Lines(G::FoldersOther), (Lines{"d:\\T\\Dest\\N1\\T\\Link"}));
    EXPECT_FALSE(Exists('d', "T/Dest/N1/T/Dest"));
    EXPECT_FALSE(Exists('d', "T/Dest/N1/T/Link"));
    EXPECT_EQ(TempDrives::ReadHostFile(Host('d', "T/Dest/N2/T/f.txt")), "T/Dest/N2/T/f.txt");
}

TEST_F(CreateRunTest, PreviewShowsTheFirstAndLastFolder) {
    CreateTabOptions padded = With(Numbers("8", "1000000"), "C", "");
    padded.padded = true;
    const struct {
        CreateTabOptions options;
        CreatePreview preview;
    } cases[] = {
        {padded, {"e:\\Dest\\C-0000008", "e:\\Dest\\C-1000000"}},
        {Numbers("5", "3"), {}},
        {With(Names({"A", "B", "Z"}), "", "x"), {"e:\\Dest\\A-x", "e:\\Dest\\Z-x"}},
        {Paths({"e:\\P\\Q", "NoDrive"}), {"e:\\P\\Q", "NoDrive"}},
        {Names({}), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PreviewNewFolders(c.options), c.preview) << c.preview.first;
}

}  // namespace
}  // namespace arbovane
