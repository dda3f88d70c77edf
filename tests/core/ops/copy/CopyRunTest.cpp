#include <gtest/gtest.h>

#include <fstream>

#include "CopyFixture.h"
#include "core/ops/copy/CopyMessages.h"
#include "core/undo/FolderFileUndoRun.h"

namespace arbovane {
namespace {

using testing::CopyFixture;
using testing::ExpectMessages;
using testing::FullPath;
using testing::Lines;
using testing::Relative;
using testing::ShownMessage;
using testing::TempDrives;
using C = Vol08Category;
using Op = testing::FaultyFileSystem::Op;

const char* const kSameFolderText =
    "The ATTACH/COPY/MOVE operation is NOT PERFORMED !!!\nThe Destination Folder is the same as "
    "the source Folder !!! \nDestination Folder : E:\\X\nSource Folder      : e:\\X";

TEST(CopyMessages, EveryBoxByTextTitleFlagsAndOwner) {
    const std::string level = "Copy Folder Structure(s).-From a Folder List - Level.            ";
    const std::string sim =
        "Simulate the Copy Folder Structure(s) Process.-From a Folder List - Level.            ";
    const std::string noTemplate =
        "There is no additional Subfolder structure. !\nAction : You must add at least one "
        "Subfolder structure.";
    const std::string empty =
        "The Include list is empty !!!\nYou must enter at least one Folder to copy folders.";
    const struct {
        CopyMessageId id;
        std::string text, title;
        int flags;
        MessageOwner owner;
    } cases[] = {
        {CopyMessageId::FreeSpace, "",
         "Copy Folder(s).-From a Folder List.            Information no: 0177.", 48,
         MessageOwner::MainWindow},
        {CopyMessageId::NoTemplate, noTemplate, level + "Warning no: 0282.", 48,
         MessageOwner::MainWindow},
        {CopyMessageId::Confirmation,
         "Do you want to copy folders ?\n\nNote: If the <Select Files> button is active, only the "
         "Selected Files will be used.",
         "Copy Folder Structure(s).-From a Folder List.            Information no: 0284.", 292,
         MessageOwner::MainWindow},
        {CopyMessageId::RunEnd, "End of the Copy process !!!", level + "Information no: 0285.", 64,
         MessageOwner::MainWindow},
        {CopyMessageId::RunEmptyList, empty,
         "Copy Folder Structure(s).-From a Folder List - Level.           Warning no: 0286.", 48,
         MessageOwner::MainWindow},
        {CopyMessageId::ClearFieldsQuestion,
         "You will delete all fields !!!\nClick YES to Continue deleting all fields,\nClick NO to "
         "Stop the delete process.",
         level + "Information no: 0287.", 292, MessageOwner::MainWindow},
        {CopyMessageId::ClearFieldsEnd, "End of the CLEAR FIELDS process !!!\n",
         "Copy Folder Structure(s).-From a Folder List Level.           Warning no: 0288.", 48,
         MessageOwner::MainWindow},
        {CopyMessageId::CopiedSizeMissing, "The path doesn't exists : \n",
         "Copy Folder structure(s).-From a Folder List - Level.            Warning no: 0295.", 48,
         MessageOwner::System},
        {CopyMessageId::ExistingSizeMissing, "The path doesn't exists : \n",
         "Copy Folder structure(s).-From a Folder List - Level.            Warning no: 0296.", 48,
         MessageOwner::System},
        {CopyMessageId::SameFolderFull, "", level + "Information no: 0307.", 64,
         MessageOwner::MainWindow},
        {CopyMessageId::SameFolderRelative, "",
         "Copy Folder(s).-From a Folder List.            Warning no: 0375.", 48,
         MessageOwner::MainWindow},
        {CopyMessageId::SimulationNoTemplate, noTemplate, sim + "Warning no: 0505.", 48,
         MessageOwner::MainWindow},
        {CopyMessageId::SimulationIntro,
         "Simulation shows you the complete Copy Folder Structure(s) process \nwithout actually "
         "Copy them on the hard drive.\n\nThis allows you to see the process in real time, "
         "eliminate errors or export\nResult Folder lists - all without compromising existing "
         "Folder Structures.\n\nNote: If the <Select Files> button is active, only the Selected "
         "Files will be used.",
         "Simulate Copy Folder Structure(s) Process.-From a Folder List.            Information "
         "no: 0507.",
         292, MessageOwner::MainWindow},
        {CopyMessageId::SimulationSameFolderFull, "", sim + "Information no: 0508.", 64,
         MessageOwner::MainWindow},
        {CopyMessageId::SimulationEnd,
         "End of Simulation !!!\n\nNo actual Folders/Files were copied because of Simulation "
         "(Test Mode).\n\nThe purpose of the Simulation is to show the Complete Folder Copy "
         "process\n without actually Copy them on the hard drive.\n\nIf You want to Copy Folder "
         "Structures, Use the Copy Folders button.",
         sim + "Information no: 0509.", 64, MessageOwner::MainWindow},
        {CopyMessageId::SimulationEmptyList, empty,
         "Simulate the Copy Folder Structure(s) Process.-From a Folder List - Level.           "
         "Warning no: 0510.",
         48, MessageOwner::MainWindow},
        {CopyMessageId::SimulationSameFolderRelative, "",
         "Creating Folder(s).-From a Folder List.            Warning no: 0375.", 48,
         MessageOwner::MainWindow},
    };
    for (const auto& c : cases) {
        const CopyMessage& message = CopyMessageFor(c.id);
        EXPECT_EQ(message.text, c.text) << c.title;
        EXPECT_EQ(message.title, c.title);
        EXPECT_EQ(message.flags, c.flags) << c.title;
        EXPECT_EQ(message.owner, c.owner) << c.title;
    }
}

class CopyRunTest : public CopyFixture {
protected:
    void SetUp() override {
        CopyFixture::SetUp();
        Make('d', {"T/f.txt", "T/A/g.txt"});
        Make('e', {"X/"});
    }
    Lines Of(C category) const { return log_.Lines(category); }
};

TEST_F(CopyRunTest, BoxesBeforeAndAfterTheFolders) {
    const std::string level = "Copy Folder Structure(s).-From a Folder List - Level.            ";
    const ShownMessage question{
        "Do you want to copy folders ?\n\nNote: If the <Select Files> button is active, only the "
        "Selected Files will be used.",
        "Copy Folder Structure(s).-From a Folder List.            Information no: 0284.", 292};
    // No templates: the warning, nothing asked.
    bool focused = false;
    auto hooks = Hooks();
    hooks.focusAddStructure = [&] { focused = true; };
    EXPECT_FALSE(RunCopyFolders(Ports(), totals_, journal_,
                                FullPath({"e:\\X"}, {}, AttachMode::MainFolderWithoutFiles),
                                hooks));
    ExpectMessages(messenger_.Shown(),
                   {{"There is no additional Subfolder structure. !\nAction : You must add at "
                     "least one Subfolder structure.",
                     level + "Warning no: 0282.", 48}});
    EXPECT_TRUE(focused);

    // No: nothing happens, the journal of the last run stays.
    journal_.CreatedStructureFolders = {"e:\\Old"};
    messenger_.Clear();
    EXPECT_FALSE(RunCopyFolders(Ports(), totals_, journal_,
                                FullPath({"e:\\X"}, {"d:\\T"}, AttachMode::MainFolderWithoutFiles),
                                Hooks()));
    ExpectMessages(messenger_.Shown(), {question});
    EXPECT_EQ(journal_.CreatedStructureFolders, (Lines{"e:\\Old"}));
    EXPECT_FALSE(Exists('e', "X/T"));
    EXPECT_EQ(locks_, 0);

    // An include list without lines: the warning, no end message, the tabs unlocked again.
    EXPECT_TRUE(Run(FullPath({}, {"d:\\T"}, AttachMode::MainFolderWithoutFiles)));
    ExpectMessages(messenger_.Shown(),
                   {question,
                    {"The Include list is empty !!!\nYou must enter at least one Folder to copy "
                     "folders.",
                     "Copy Folder Structure(s).-From a Folder List - Level.           Warning no: "
                     "0286.",
                     48}});
    EXPECT_TRUE(journal_.CreatedStructureFolders.empty());
    EXPECT_EQ(locks_, 1);
    EXPECT_EQ(unlocks_, 1);

    EXPECT_TRUE(Run(FullPath({"e:\\X"}, {"d:\\T"}, AttachMode::MainFolderWithoutFiles)));
    ExpectMessages(
        messenger_.Shown(),
        {question, {"End of the Copy process !!!", level + "Information no: 0285.", 64}});
    EXPECT_EQ(journal_.AttachModeMarker, "F");
    EXPECT_EQ(journal_.CopyTargetFolders, (Lines{"e:\\X"}));
    EXPECT_EQ(log_.MarkerText(), "Folder/File Copy Process.");
}

TEST_F(CopyRunTest, SameFolderPairsAreRefusedOnePairAtATime) {
    Make('e', {"Y/"});
    EXPECT_TRUE(
        Run(FullPath({"E:\\X", "e:\\Y"}, {"e:\\X"}, AttachMode::SubFoldersOnlyWithoutFiles)));
    ExpectMessages(
        messenger_.Shown(),
        {{"Do you want to copy folders ?\n\nNote: If the <Select Files> button is active, only "
          "the Selected Files will be used.",
          "Copy Folder Structure(s).-From a Folder List.            Information no: 0284.", 292},
         {kSameFolderText,
          "Copy Folder Structure(s).-From a Folder List - Level.            Information no: "
          "0307.",
          64},
         {"End of the Copy process !!!",
          "Copy Folder Structure(s).-From a Folder List - Level.            Information no: "
          "0285.",
          64}});
    EXPECT_TRUE(Exists('e', "Y"));
    EXPECT_EQ(Of(C::FoldersCopied), Lines{});

    // Relative lines have their own title, in the run and in the simulation.
    EXPECT_TRUE(Run(Relative({"E:\\X"}, {"e:\\X"}, TemplateOption::ReplaceNo)));
    ASSERT_EQ(messenger_.Shown().size(), 3u);
    EXPECT_EQ(messenger_.Shown()[1].title,
              "Copy Folder(s).-From a Folder List.            Warning no: 0375.");
    EXPECT_TRUE(Simulate(Relative({"E:\\X"}, {"e:\\X"}, TemplateOption::ReplaceNo)));
    ASSERT_EQ(messenger_.Shown().size(), 3u);
    EXPECT_EQ(messenger_.Shown()[1].title,
              "Creating Folder(s).-From a Folder List.            Warning no: 0375.");
    EXPECT_TRUE(Simulate(FullPath({"E:\\X"}, {"e:\\X"}, AttachMode::MainFolderWithoutFiles)));
    ASSERT_EQ(messenger_.Shown().size(), 3u);
    EXPECT_EQ(messenger_.Shown()[1].title,
              "Simulate the Copy Folder Structure(s) Process.-From a Folder List - Level.         "
              "   Information no: 0508.");
}

TEST_F(CopyRunTest, SimulationBoxesAndJournalUntouched) {
    journal_.CreatedStructureFolders = {"e:\\Old"};
    EXPECT_TRUE(Simulate(FullPath({}, {"d:\\T"}, AttachMode::MainFolderWithoutFiles)));
    EXPECT_EQ(messenger_.Shown().back().title,
              "Simulate the Copy Folder Structure(s) Process.-From a Folder List - Level.         "
              "  Warning no: 0510.");
    Make('e', {"Xyz/"});
    EXPECT_TRUE(Simulate(FullPath({"e:/Xyz"}, {"d:\\T"}, AttachMode::MainFolderWithoutFiles)));
    EXPECT_EQ(messenger_.Shown().back().title,
              "Simulate the Copy Folder Structure(s) Process.-From a Folder List - Level.         "
              "   Information no: 0509.");
    // The screened spelling is listed, as the run lists it.
    EXPECT_EQ(Of(C::FoldersCopied), (Lines{"e:\\Xyz"}));
    EXPECT_EQ(messenger_.Shown().size(), 2u);
    EXPECT_EQ(log_.MarkerText(), "Simulate the Folder/File Copy Process.");
    EXPECT_EQ(journal_.CreatedStructureFolders, (Lines{"e:\\Old"}));
    messenger_.Clear();
    EXPECT_FALSE(RunCopySimulation(
        Ports(), totals_, FullPath({"e:\\X"}, {}, AttachMode::MainFolderWithoutFiles), Hooks()));
    EXPECT_EQ(messenger_.Shown().back().title,
              "Simulate the Copy Folder Structure(s) Process.-From a Folder List - Level.         "
              "   Warning no: 0505.");
}

TEST_F(CopyRunTest, SimulationLetsWindowMessagesRunOncePerFileOnly) {
    EXPECT_TRUE(Simulate(FullPath({"e:\\X"}, {"d:\\T"}, AttachMode::MainFolderWithFiles)));
    EXPECT_EQ(pumps_, 2);
    EXPECT_TRUE(Simulate(FullPath({"e:\\X"}, {"d:\\T"}, AttachMode::MainFolderWithoutFiles)));
    EXPECT_EQ(pumps_, 2);
}

TEST_F(CopyRunTest, SecondRunCreatesNothingAndCountsSizes) {
    const auto options = FullPath({"e:\\X"}, {"d:\\T"}, AttachMode::MainFolderWithFiles);
    ASSERT_TRUE(Run(options));
    EXPECT_EQ(Count(Vol08Counter::FileSizeCopied), 16);  // "T/f.txt" and "T/A/g.txt"
    EXPECT_EQ(Count(Vol08Counter::FilesToCopy), 2);
    EXPECT_EQ(Count(Vol08Counter::SubFoldersToCopy), 2);
    ASSERT_TRUE(Run(options));
    EXPECT_EQ(Of(C::FoldersCopied), Lines{});
    EXPECT_EQ(Of(C::SubFoldersExists), (Lines{"e:\\X\\T", "e:\\X\\T\\A"}));
    EXPECT_EQ(Of(C::FilesExists), (Lines{"e:\\X\\T\\f.txt", "e:\\X\\T\\A\\g.txt"}));
    EXPECT_EQ(Count(Vol08Counter::FileSizeExists), 16);
    EXPECT_EQ(Count(Vol08Counter::FileSizeCopied), 0);
    // Nothing new: nothing to undo.
    EXPECT_TRUE(journal_.CreatedStructureFolders.empty());
}

// What appears while the run works is someone else's: counted as existing, never journalled, so
// Undo cannot take it.
TEST_F(CopyRunTest, EntriesThatAppearDuringTheRunAreNotTheRuns) {
    fs_.Before(Op::CreateFolder, [this](const std::string& path) {
        if (path == "e:\\X\\T\\A") TempDrives::MakeHostFolder(Host('e', "X/T/A"));
    });
    fs_.Before(Op::CopyNewFile, [this](const std::string& path) {
        if (path == "e:\\X\\T\\f.txt") TempDrives::WriteHostFile(Host('e', "X/T/f.txt"), "theirs");
    });
    ASSERT_TRUE(Run(FullPath({"e:\\X"}, {"d:\\T"}, AttachMode::MainFolderWithFiles)));
    EXPECT_EQ(Of(C::SubFoldersCopied), (Lines{"e:\\X\\T"}));
    EXPECT_EQ(Of(C::SubFoldersExists), (Lines{"e:\\X\\T\\A"}));
    EXPECT_EQ(Of(C::FilesExists), (Lines{"e:\\X\\T\\f.txt"}));
    EXPECT_EQ(TempDrives::ReadHostFile(Host('e', "X/T/f.txt")), "theirs");
    EXPECT_EQ(journal_.CreatedStructureFolders, (Lines{"e:\\X\\T"}));
    EXPECT_EQ(journal_.CopiedFiles, (Lines{"e:\\X\\T\\A\\g.txt"}));
}

// A folder that cannot be made takes its whole subtree with it, each entry with its outcome.
TEST_F(CopyRunTest, FailedFolderReportsEverythingBelowIt) {
    Make('d', {"T/A/B/h.doc"});
    fs_.FailOn(Op::CreateFolder, "e:\\X\\T\\A");
    fs_.FailOn(Op::CopyNewFile, "e:\\X\\T\\f.txt");
    ASSERT_TRUE(Run(FullPath({"e:\\X"}, {"d:\\T"}, AttachMode::MainFolderWithFiles)));
    EXPECT_EQ(Of(C::SubFoldersCopied), (Lines{"e:\\X\\T"}));
    EXPECT_EQ(Of(C::SubFoldersOtherReasons),
              (Lines{"e:\\X\\T\\f.txt", "e:\\X\\T\\A", "e:\\X\\T\\A\\g.txt", "e:\\X\\T\\A\\B",
                     "e:\\X\\T\\A\\B\\h.doc"}));
    EXPECT_EQ(Count(Vol08Counter::SubFoldersOtherReasons), 5);
    EXPECT_FALSE(Exists('e', "X/T/A"));
}

TEST_F(CopyRunTest, UnreadableTemplateFolderIsReportedNotCreated) {
    fs_.FailOn(Op::Enumerate, "d:\\T\\A\\*.*");
    ASSERT_TRUE(Run(FullPath({"e:\\X"}, {"d:\\T"}, AttachMode::MainFolderWithFiles)));
    EXPECT_EQ(Of(C::SubFoldersOtherReasons), (Lines{"e:\\X\\T\\A"}));
    EXPECT_FALSE(Exists('e', "X/T/A"));
    // A template that cannot be read at all is named itself.
    fs_.FailOn(Op::Enumerate, "d:\\T\\*.*");
    ASSERT_TRUE(Run(FullPath({"e:\\X"}, {"d:\\T"}, AttachMode::SubFoldersOnlyWithoutFiles)));
    EXPECT_EQ(Of(C::SubFoldersOtherReasons), (Lines{"d:\\T"}));
}

TEST_F(CopyRunTest, UndoLeavesWhatChangedSinceAndKeepsItOnRetry) {
    ASSERT_TRUE(Run(FullPath({"e:\\X"}, {"d:\\T"}, AttachMode::MainFolderWithFiles)));
    {
        std::ofstream out(Host('e', "X/T/A/g.txt"), std::ios::app);
        out << " edited";
    }
    for (int round = 0; round < 2; ++round) {
        messenger_.Clear();
        messenger_.Answer(kAnswerYes);
        RunFolderFileUndo(UndoTab::Copy, journal_, log_, fs_, drives_.TextPort(), messenger_);
        EXPECT_TRUE(Exists('e', "X/T/A/g.txt")) << round;
        EXPECT_FALSE(Exists('e', "X/T/f.txt")) << round;
        EXPECT_EQ(journal_.FailedUndoFolders, (Lines{"e:\\X\\T\\A", "e:\\X\\T"})) << round;
    }
}

TEST_F(CopyRunTest, TemplateGoneSinceItWasAddedIsPassedOverSilently) {
    ASSERT_TRUE(
        Run(FullPath({"e:\\X"}, {"d:\\Gone", "d:\\T"}, AttachMode::MainFolderWithoutFiles)));
    EXPECT_EQ(messenger_.Shown().size(), 2u);
    EXPECT_EQ(Of(C::SubFoldersCopied), (Lines{"e:\\X\\T", "e:\\X\\T\\A"}));
}

}  // namespace
}  // namespace arbovane

namespace arbovane {
namespace {

// A template folder, or a folder the run has just made, swapped for a link at any single step of
// the run: nothing is read into the copy from outside the template, and nothing is written
// outside the include folder.
TEST_F(CopyRunTest, AFolderSwappedForALinkAtAnyStepIsNeverFollowed) {
    int steps = 0;
    int swapAt = -1;
    bool swapSource = true;
    const auto step = [&](const std::string&) {
        if (steps++ != swapAt) return;
        const std::string folder = swapSource ? Host('d', "T/A") : Host('e', "X/T/A");
        if (!std::filesystem::exists(folder)) return;
        std::filesystem::remove_all(folder);
        std::filesystem::create_directory_symlink(
            swapSource ? Host('d', "Outside") : Host('f', "Out"), folder);
    };
    for (Op op : {Op::Enumerate, Op::CreateFolder, Op::CopyNewFile}) fs_.Before(op, step);
    const auto arrange = [this] {
        for (const char* folder : {"T", "Outside"}) std::filesystem::remove_all(Host('d', folder));
        std::filesystem::remove_all(Host('e', "X"));
        std::filesystem::remove_all(Host('f', "Out"));
        Make('d', {"T/f.txt", "T/A/g.txt", "T/A/B/h.txt", "Outside/g.txt", "Outside/B/h.txt"});
        Make('e', {"X/"});
        Make('f', {"Out/keep.txt"});
    };
    const auto options = FullPath({"e:\\X"}, {"d:\\T"}, AttachMode::MainFolderWithFiles);
    arrange();
    ASSERT_TRUE(Run(options));
    const int total = steps;
    for (const bool source : {true, false}) {
        swapSource = source;
        for (swapAt = 0; swapAt < total; ++swapAt) {
            SCOPED_TRACE(std::string(source ? "template" : "destination") + " swapped at step " +
                         std::to_string(swapAt));
            arrange();
            const auto out = Snapshot('f');
            steps = 0;
            journal_ = {};
            Run(options);
            EXPECT_EQ(Snapshot('f'), out);
            for (const auto& [path, what] : Snapshot('e')) {
                EXPECT_EQ(path.find("Outside"), std::string::npos) << path;
            }
            // What was copied is the template's own content.
            for (const char* file : {"X/T/A/g.txt", "X/T/A/B/h.txt"}) {
                if (!Exists('e', file) || std::filesystem::is_symlink(Host('e', "X/T/A"))) continue;
                EXPECT_EQ(TempDrives::ReadHostFile(Host('e', file)), std::string("T/") + (file + 4))
                    << file;
            }
        }
    }
}

}  // namespace
}  // namespace arbovane
