#include "core/undo/FolderFileUndoRun.h"

#include <gtest/gtest.h>

#include <tuple>

#include "UndoTestTree.h"
#include "core/visuallog/VisualLog.h"
#include "core/visuallog/VisualLogView.h"
#include "platform/FileSystem.h"
#include "support/ScriptedMessenger.h"

namespace arbovane {
namespace {

using Lines = std::vector<std::string>;
using Box = std::tuple<std::string, std::string, int>;
using testing::ScriptedMessenger;
using testing::UndoTestTree;

std::vector<Box> Boxes(const ScriptedMessenger& messenger) {
    std::vector<Box> boxes;
    for (const auto& shown : messenger.Shown())
        boxes.emplace_back(shown.text, shown.title, shown.flags);
    return boxes;
}

const std::vector<std::string>& FailedUndoLines(UndoTab tab, const VisualLog& log) {
    return tab == UndoTab::Copy ? log.Lines(Vol08Category::SubFoldersFailedUndo)
                                : log.Lines(CreationCategory::FoldersFailedUndo);
}

double FailedUndoCount(UndoTab tab, const VisualLog& log) {
    return tab == UndoTab::Copy ? log.Counter(Vol08Counter::FailedUndo)
                                : log.Counter(CreationCounter::FailedUndo);
}

const char* const kReportHeader =
    "The program is unable to delete the following folders, and/or separate files : \n\n"
    "OTHER REASONS   : \n\n";

// One undo press on drive D:, answering the question with Yes.
struct UndoBench {
    explicit UndoBench(UndoTab t) : tab(t), log(LogTabOf(t)) {}
    std::vector<Box> Press(FileSystem* fs = nullptr) {
        messenger.Clear();
        messenger.Answer(kAnswerYes);
        result =
            RunFolderFileUndo(tab, journal, log, fs ? *fs : tree.Fs(), tree.TextPort(), messenger);
        return Boxes(messenger);
    }
    UndoTab tab;
    UndoTestTree tree;
    UndoJournal journal;
    VisualLog log;
    ScriptedMessenger messenger;
    FolderFileUndoResult result;
};

// Every plan of every tab on a real tree ("tree": folders end with a backslash); "failed" is
// what must be left for the next Undo.
TEST(FolderFileUndoRun, EveryPlanOnARealTree) {
    const struct {
        UndoTab tab;
        UndoJournal journal;
        Lines tree, gone, kept, failed;
    } cases[] = {
        // clang-format off
        // Failed-undo folders are queued as they are, whatever the marker says.
        {UndoTab::Copy, {"R", "", {}, {"d:\\Dest\\"}, {}, {}, {"d:\\Dest\\A\\x"}, {"d:\\Dest\\A\\f.txt"}},
         {"d:\\Dest\\A\\x\\", "d:\\Dest\\A\\f.txt"}, {"d:\\Dest\\A\\x", "d:\\Dest\\A\\f.txt"}, {"d:\\Dest\\A"}, {}},
        {UndoTab::Copy, {"F", "", {}, {"d:\\Dest"}, {"d:\\Dest\\T", "d:\\Dest\\T\\S"}, {"d:\\Dest\\T\\S\\a.doc", "d:\\Dest\\T\\b.doc"}, {}, {}},
         {"d:\\Dest\\T\\S\\a.doc", "d:\\Dest\\T\\b.doc"}, {"d:\\Dest\\T"}, {"d:\\Dest"}, {}},
        // Only what the run made goes: A was there before and stays, although it is empty.
        {UndoTab::Copy, {"R", "", {}, {"d:\\Dest\\"}, {"d:\\Dest\\A\\x", "d:\\Dest\\A\\x\\y", "d:\\Dest\\B"}, {}, {}, {}},
         {"d:\\Dest\\A\\x\\y\\", "d:\\Dest\\B\\"}, {"d:\\Dest\\A\\x", "d:\\Dest\\B"}, {"d:\\Dest\\A"}, {}},
        {UndoTab::CreateI, {"R", "d:\\Dest\\", {}, {}, {}, {}, {"d:\\Dest\\A\\"}, {"d:\\Dest\\A\\f.txt"}},
         {"d:\\Dest\\A\\f.txt"}, {"d:\\Dest\\A"}, {"d:\\Dest"}, {}},
        {UndoTab::CreateI, {"F", "d:\\Dest\\", {"d:\\Dest\\A\\"}, {}, {"d:\\Dest\\A\\T", "d:\\Dest\\A\\T\\S"}, {"d:\\Dest\\A\\T\\S\\f.doc"}, {}, {}},
         {"d:\\Dest\\A\\T\\S\\f.doc"}, {"d:\\Dest\\A"}, {"d:\\Dest"}, {}},
        // The root stays although it is empty afterwards.
        {UndoTab::CreateI, {"R", "d:\\Dest\\", {"d:\\Dest\\A"}, {}, {"d:\\Dest\\A\\x", "d:\\Dest\\A\\x\\y"}, {}, {}, {}},
         {"d:\\Dest\\A\\x\\y\\"}, {"d:\\Dest\\A"}, {"d:\\Dest"}, {}},
        {UndoTab::CreateI, {"N", "d:\\Dest\\", {"d:\\Dest\\A\\", "d:\\Dest\\B"}, {}, {}, {}, {}, {}},
         {"d:\\Dest\\A\\", "d:\\Dest\\B\\"}, {"d:\\Dest\\A", "d:\\Dest\\B"}, {"d:\\Dest"}, {}},
        {UndoTab::CreateIII, {"R", "d:\\Dest\\", {"d:\\Dest\\001", "d:\\Dest\\002"}, {}, {"d:\\Dest\\001\\x"}, {}, {}, {}},
         {"d:\\Dest\\001\\x\\", "d:\\Dest\\002\\"}, {"d:\\Dest\\001", "d:\\Dest\\002"}, {"d:\\Dest"}, {}},
        // A folder the user deleted meanwhile is not reported.
        {UndoTab::CreateIII, {"N", "d:\\Dest\\", {"d:\\Dest\\001", "d:\\Dest\\002"}, {}, {}, {}, {}, {}},
         {"d:\\Dest\\001\\"}, {"d:\\Dest\\001"}, {"d:\\Dest"}, {}},
        {UndoTab::CreateII, {"N", "", {}, {}, {}, {}, {"d:\\Customer\\C02\\"}, {}},
         {"d:\\Customer\\C02\\"}, {"d:\\Customer\\C02"}, {"d:\\Customer"}, {}},
        // What the run made goes, parents it made on the way included; an empty folder that was
        // there before (d:\\Old) stays.
        {UndoTab::CreateII, {"F", "", {"d:\\New\\C01"}, {}, {"d:\\New", "d:\\New\\C01\\T"}, {"d:\\New\\C01\\T\\f.doc"}, {}, {}},
         {"d:\\New\\C01\\T\\f.doc"}, {"d:\\New"}, {}, {}},
        {UndoTab::CreateII, {"R", "", {"d:\\Old\\C01"}, {}, {"d:\\Old\\C01\\x", "d:\\Old\\C01\\x\\y"}, {}, {}, {}},
         {"d:\\Old\\C01\\x\\y\\"}, {"d:\\Old\\C01"}, {"d:\\Old"}, {}},
        // A folder that was there is never removed, empty or not.
        {UndoTab::CreateII, {"N", "", {"d:\\Customer\\Customer02"}, {}, {}, {}, {}, {}},
         {"d:\\Customer\\Customer02\\", "d:\\Customer\\Customer01\\"}, {"d:\\Customer\\Customer02"}, {"d:\\Customer\\Customer01"}, {}},
        // clang-format on
    };
    for (const auto& c : cases) {
        UndoBench bench(c.tab);
        for (const auto& path : c.tree)
            path.back() == '\\' ? bench.tree.Folders({path}) : bench.tree.Files({path});
        bench.journal = c.journal;
        const std::string what = std::to_string(&c - cases) + " ";
        bench.Press();
        for (const auto& path : c.gone) EXPECT_FALSE(bench.tree.Exists(path)) << what << path;
        for (const auto& path : c.kept) EXPECT_TRUE(bench.tree.Exists(path)) << what << path;
        EXPECT_EQ(bench.journal.FailedUndoFolders, c.failed) << what;
        EXPECT_EQ(FailedUndoLines(c.tab, bench.log), c.failed) << what;
        EXPECT_EQ(FailedUndoCount(c.tab, bench.log), static_cast<double>(c.failed.size())) << what;
        EXPECT_TRUE(bench.journal.FailedUndoFiles.empty()) << what;
        // The run is forgotten; what describes it stays.
        EXPECT_TRUE(
            bench.journal.CreatedMainFolders.empty() && bench.journal.CopyTargetFolders.empty() &&
            bench.journal.CreatedStructureFolders.empty() && bench.journal.CopiedFiles.empty())
            << what;
        EXPECT_EQ(bench.journal.AttachModeMarker, c.journal.AttachModeMarker) << what;
        EXPECT_EQ(bench.journal.UndoRoot, c.journal.UndoRoot) << what;
    }
}

// A to-do counter, an outcome counter and an outcome line from the run before the undo.
void SeedLastRun(UndoTab tab, VisualLog& log) {
    if (tab == UndoTab::Copy) {
        log.Set(Vol08Counter::FoldersToCopy, 5);
        log.Set(Vol08Counter::FoldersCopied, 3);
        log.AddEntry(Vol08Category::FoldersCopied, "d:\\Dest");
    } else {
        log.Set(CreationCounter::FoldersToCreate, 5);
        log.Set(CreationCounter::FoldersCreated, 3);
        log.AddEntry(CreationCategory::FoldersCreated, "d:\\Dest\\A");
    }
}

// Every box of the four tabs' Undo, through nothing to undo, No, a failure, its retry and the
// press after a complete success.
TEST(FolderFileUndoRun, MessagesOfEveryTab) {
    const struct {
        UndoTab tab;
        Box nothing, question;
        std::string reportTitle;
        Box end;
    } cases[] = {
        {UndoTab::Copy,
         {"No UNDO process !!!\nThere are no copied Subfolders (and files) !!!\nYou must copy at "
          "least on one Subfolder to UNDO them.",
          "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0290.", 48},
         {"Do you want to delete all folders (and files)\ncopied last time ?",
          "Copy Folder Structure(s).-From a Folder List - Level.            Information no: 0291.",
          292},
         "Copy Folder Structure(s).-From a Folder List Level.            Information no: 0292.",
         {"End of the Undo process !!!",
          "Copy Folder Structure(s).-From a Folder List - Level.            Information no: 0293.",
          64}},
        {UndoTab::CreateI,
         {"No UNDO process !!!\nThere are no created folders (and files) !!!\nYou must create at "
          "least one folder to UNDO them.",
          "Creating Folder(s).-From a String List.            Warning no: 0028.", 48},
         {"Do you want to delete all folders (and files)\ncreated last time ?",
          "Creating Folder(s).-From a String List.            Information no: 0029.", 292},
         "Creating Folder(s).-From a String List.            Information no: 0030.",
         {"End of Undo process !!!",
          "Creating Folder(s).-From a String List.            Information no: 0031.", 64}},
        {UndoTab::CreateII,
         {"No UNDO process !!!\nThere are no created folders (and files) !!!\nYou must create at "
          "least one folders and files to UNDO them.",
          "Creating Folder(s).- From a Folder List.            Warning no: 0096.", 48},
         {"Do you want to delete all folders (and files)\ncreated last time ?",
          "Creating Folder(s).- From a Folder List.            Information no: 0097.", 292},
         "Creating Folder(s).- From a Folder List.            Information no: 0030.",
         {"End of Undo process !!!",
          "Creating Folder(s).- From a Folder List.            Information no: 0099.", 64}},
        {UndoTab::CreateIII,
         {"No UNDO process !!!\nThere are no created folders (and files) !!!\nYou must create at "
          "least one folders and files to UNDO them.",
          "Creating Folder(s).-Increased Numbers.            Warning no: 0096.", 48},
         {"Do you want to delete all folders (and files)\ncreated last time ?",
          "Creating Folder(s).-Increased Numbers.            Information no: 0097.", 292},
         "Creating Folder(s).- Increased Numbers.            Information no: 0030.",
         {"End of Undo process !!!",
          "Creating Folder(s).-Increased Numbers.            Information no: 0099.", 64}},
    };
    for (const auto& c : cases) {
        UndoBench bench(c.tab);
        const bool copy = c.tab == UndoTab::Copy;
        const std::string created = "d:\\Dest\\A";
        bench.tree.Files({"d:\\Dest\\a.doc", "d:\\Dest\\A\\mine.txt"});

        // Copied or failed files alone make no undo.
        bench.journal.AttachModeMarker = "F";
        bench.journal.CopiedFiles = {"d:\\Dest\\a.doc"};
        bench.journal.FailedUndoFiles = {"d:\\Dest\\a.doc"};
        EXPECT_EQ(bench.Press(), std::vector<Box>{c.nothing});
        EXPECT_TRUE(bench.tree.Exists("d:\\Dest\\a.doc"));

        (copy ? bench.journal.CreatedStructureFolders
              : bench.journal.CreatedMainFolders) = {created};
        bench.log.BeginRun(VisualLogMode::Simulate);
        SeedLastRun(c.tab, bench.log);
        const UndoJournal before = bench.journal;
        bench.messenger.Clear();
        RunFolderFileUndo(c.tab, bench.journal, bench.log, bench.tree.Fs(), bench.tree.TextPort(),
                          bench.messenger);
        EXPECT_EQ(Boxes(bench.messenger), std::vector<Box>{c.question}) << "answered No";
        EXPECT_EQ(bench.journal.CopiedFiles, before.CopiedFiles);
        EXPECT_EQ(bench.log.CounterAt(4), 3.0);
        EXPECT_TRUE(bench.tree.Exists("d:\\Dest\\a.doc"));

        // The user's file holds the created folder; d:\Dest was there before and is not tried.
        const Lines failed = {created};
        std::string lines;
        for (const auto& path : failed) lines += path + "\n";
        const Box report{kReportHeader + lines, c.reportTitle, 48};
        EXPECT_EQ(bench.Press(), (std::vector<Box>{c.question, report, c.end}));
        EXPECT_FALSE(bench.tree.Exists("d:\\Dest\\a.doc"));
        EXPECT_EQ(bench.journal.FailedUndoFolders, failed);
        EXPECT_EQ(FailedUndoLines(c.tab, bench.log), failed);
        EXPECT_EQ(bench.log.CounterAt(0), 5.0) << "to-do counters stay";
        EXPECT_EQ(bench.log.CounterAt(4), 0.0) << "outcome counters are zeroed";
        EXPECT_TRUE(bench.log.LinesAt(0).empty());
        EXPECT_EQ(bench.log.Mode(), VisualLogMode::Simulate);

        std::filesystem::remove(bench.tree.Host("d:\\Dest\\A\\mine.txt"));
        EXPECT_EQ(bench.Press(), (std::vector<Box>{c.question, c.end}));
        EXPECT_FALSE(bench.tree.Exists(created));
        EXPECT_TRUE(bench.journal.FailedUndoFolders.empty());
        EXPECT_TRUE(FailedUndoLines(c.tab, bench.log).empty());
        EXPECT_EQ(FailedUndoCount(c.tab, bench.log), 0.0);

        EXPECT_EQ(bench.Press(), std::vector<Box>{c.nothing}) << "nothing left to undo";
    }
}

// A filled folder fails together with every queued ancestor; the next Undo retries exactly
// those, in their order, and nothing else.
TEST(FolderFileUndoRun, FilledFolderAndItsAncestorsAreRetried) {
    UndoBench bench(UndoTab::CreateI);
    bench.tree.Folders({"d:\\Dest\\A\\x\\y", "d:\\Dest\\B"});
    bench.tree.Files({"d:\\Dest\\A\\x\\mine.txt"});
    bench.journal = {"R",
                     "d:\\Dest\\",
                     {"d:\\Dest\\A", "d:\\Dest\\B"},
                     {},
                     {"d:\\Dest\\A\\x", "d:\\Dest\\A\\x\\y"},
                     {},
                     {},
                     {}};
    const Lines failed = {"d:\\Dest\\A\\x", "d:\\Dest\\A"};

    const auto boxes = bench.Press();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(std::get<0>(boxes[1]), std::string(kReportHeader) + "d:\\Dest\\A\\x\nd:\\Dest\\A\n");
    EXPECT_FALSE(bench.tree.Exists("d:\\Dest\\A\\x\\y"));
    EXPECT_FALSE(bench.tree.Exists("d:\\Dest\\B"));
    EXPECT_TRUE(bench.tree.Exists("d:\\Dest\\A\\x\\mine.txt"));
    EXPECT_EQ(bench.journal.FailedUndoFolders, failed);
    EXPECT_EQ(bench.log.Lines(CreationCategory::FoldersFailedUndo), failed);
    EXPECT_EQ(bench.log.Counter(CreationCounter::FailedUndo), 2.0);

    std::filesystem::remove(bench.tree.Host("d:\\Dest\\A\\x\\mine.txt"));
    testing::RemovalRecorder recorder(bench.tree.Fs());
    EXPECT_EQ(bench.Press(&recorder.Fs()).size(), 2u);
    EXPECT_EQ(recorder.Calls(), (Lines{"rmdir d:\\Dest\\A\\x", "rmdir d:\\Dest\\A"}));
    EXPECT_TRUE(bench.tree.Exists("d:\\Dest"));
}

// A copied file that cannot be deleted holds its folder; both are reported and retried.
TEST(FolderFileUndoRun, UndeletableCopiedFileIsRetried) {
    UndoBench bench(UndoTab::Copy);
    bench.tree.Files({"d:\\Dest\\A\\x.doc", "d:\\Dest\\A\\mine.txt"});
    bench.journal = {"F", "", {}, {"d:\\Dest"}, {"d:\\Dest\\A"}, {"d:\\Dest\\A\\x.doc"}, {}, {}};
    ASSERT_TRUE(bench.tree.Fs().SetAttributes("d:\\Dest\\A\\x.doc", kAttrReadOnly));

    const auto boxes = bench.Press();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[1],
              Box("The program is unable to delete the following folders, and/or separate files "
                  ": \n"
                  "\n"
                  "OTHER REASONS   : \n"
                  "\n"
                  "d:\\Dest\\A\n"
                  "d:\\Dest\\A\\x.doc\n",
                  "Copy Folder Structure(s).-From a Folder List Level.            Information no: "
                  "0292.",
                  48));
    EXPECT_EQ(bench.journal.FailedUndoFiles, Lines{"d:\\Dest\\A\\x.doc"});
    EXPECT_EQ(bench.journal.FailedUndoFolders, Lines{"d:\\Dest\\A"});
    EXPECT_EQ(bench.log.Lines(Vol08Category::SubFoldersFailedUndo), Lines{"d:\\Dest\\A"});

    ASSERT_TRUE(bench.tree.Fs().SetAttributes("d:\\Dest\\A\\x.doc", kAttrNormal));
    std::filesystem::remove(bench.tree.Host("d:\\Dest\\A\\mine.txt"));
    EXPECT_EQ(bench.Press().size(), 2u);
    EXPECT_FALSE(bench.tree.Exists("d:\\Dest\\A"));
    EXPECT_TRUE(bench.journal.FailedUndoFiles.empty());
    EXPECT_TRUE(bench.tree.Exists("d:\\Dest"));
}

// The result tells every kept or failed entry by its cause, as the undo met them.
TEST(FolderFileUndoRun, ResultSaysWhatWentAndWhyTheRestStayed) {
    UndoBench bench(UndoTab::Copy);
    bench.tree.Folders({"d:\\Dest\\T\\E"});
    bench.tree.Files({"d:\\Dest\\T\\A\\a.doc", "d:\\Dest\\T\\B\\b.doc", "d:\\Dest\\T\\C\\c.doc",
                      "d:\\Dest\\T\\D\\mine.txt"});
    ASSERT_TRUE(bench.tree.Fs().SetAttributes("d:\\Dest\\T\\C\\c.doc", kAttrReadOnly));
    bench.journal = {"F",
                     "",
                     {},
                     {"d:\\Dest"},
                     {"d:\\Dest\\T", "d:\\Dest\\T\\A", "d:\\Dest\\T\\B", "d:\\Dest\\T\\C",
                      "d:\\Dest\\T\\D", "d:\\Dest\\T\\E", "d:\\Dest\\T\\Gone"},
                     {"d:\\Dest\\T\\A\\a.doc", "d:\\Dest\\T\\B\\b.doc", "d:\\Dest\\T\\C\\c.doc",
                      "d:\\Dest\\T\\B\\gone.doc"},
                     {},
                     {}};
    bench.journal.CopiedFileStamps["d:\\Dest\\T\\A\\a.doc"] = {999, 1};
    testing::FaultyFileSystem faulty(bench.tree.Fs());
    faulty.FailOn(testing::FaultyFileSystem::Op::RemoveEmptyFolder, "d:\\Dest\\T\\E");

    EXPECT_EQ(bench.Press(&faulty).size(), 3u);
    const FolderFileUndoResult& result = bench.result;
    EXPECT_TRUE(result.ran);
    EXPECT_EQ(result.removedFiles, Lines{"d:\\Dest\\T\\B\\b.doc"});
    EXPECT_EQ(result.changedFiles, Lines{"d:\\Dest\\T\\A\\a.doc"});
    EXPECT_EQ(result.failedFiles, Lines{"d:\\Dest\\T\\C\\c.doc"});
    EXPECT_EQ(result.vanishedFiles, Lines{"d:\\Dest\\T\\B\\gone.doc"});
    EXPECT_EQ(result.removedFolders, Lines{"d:\\Dest\\T\\B"});
    // Deepest first, the last queued first among equals; a folder gone already is no outcome.
    EXPECT_EQ(result.occupiedFolders,
              (Lines{"d:\\Dest\\T\\D", "d:\\Dest\\T\\C", "d:\\Dest\\T\\A", "d:\\Dest\\T"}));
    EXPECT_EQ(result.failedFolders, Lines{"d:\\Dest\\T\\E"});
    EXPECT_TRUE(result.LeftSomething());
    // The journal keeps the same entries for the next Undo.
    EXPECT_EQ(
        bench.journal.FailedUndoFiles,
        (Lines{"d:\\Dest\\T\\A\\a.doc", "d:\\Dest\\T\\C\\c.doc", "d:\\Dest\\T\\B\\gone.doc"}));
    EXPECT_EQ(bench.journal.FailedUndoFolders.size(), 5u);

    // Nothing to undo, or a question not answered Yes: no run.
    UndoBench empty(UndoTab::CreateII);
    empty.Press();
    EXPECT_FALSE(empty.result.ran);
}

// A marker no plan of the tab knows takes nothing back.
TEST(FolderFileUndoRun, UnknownMarkerUndoesNothing) {
    for (const char* marker : {"", "N", "f"}) {
        UndoBench bench(UndoTab::Copy);
        bench.tree.Folders({"d:\\Dest\\A"});
        bench.journal.AttachModeMarker = marker;
        bench.journal.CreatedStructureFolders = {"d:\\Dest\\A"};
        const auto boxes = bench.Press();
        ASSERT_EQ(boxes.size(), 1u) << marker;
        EXPECT_EQ(std::get<1>(boxes[0]),
                  "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: "
                  "0290.");
        EXPECT_TRUE(bench.tree.Exists("d:\\Dest\\A")) << marker;
    }
}

// A long undo tells how far it is while it goes on, and ends with what it did.
TEST(FolderFileUndoRunProgress, ALongUndoNotesHowFarItIs) {
    struct NoteRecorder : VisualLogView {
        explicit NoteRecorder(const VisualLog& log) : log(log) {}
        void Repaint() override {}
        void MarkerChanged() override { notes.push_back(log.Note()); }
        void CategoriesAboutToBeCleared() override {}
        void CategoriesCleared() override {}
        void EntriesPending() override {}
        void ShowWindow() override {}
        const VisualLog& log;
        Lines notes;
    };
    UndoBench bench(UndoTab::CreateIII);
    Lines created;
    for (int i = 1; i <= 2500; ++i) created.push_back("d:\\Dest\\" + std::to_string(i));
    bench.tree.Folders(created);
    bench.journal.AttachModeMarker = "N";
    bench.journal.UndoRoot = "d:\\Dest\\";
    bench.journal.CreatedMainFolders = created;
    NoteRecorder recorder(bench.log);
    bench.log.AttachView(&recorder);
    bench.Press();
    bench.log.AttachView(nullptr);
    Lines progress;
    for (const std::string& note : recorder.notes)
        if (note.find("done...") != std::string::npos) progress.push_back(note);
    EXPECT_EQ(progress,
              (Lines{"Undo: 1000 of 2500 entries done...", "Undo: 2000 of 2500 entries done..."}));
    EXPECT_EQ(bench.log.Note(), "Undo: removed 2500 folders and 0 files.");
    EXPECT_FALSE(bench.tree.Exists("d:\\Dest\\1"));
}

}  // namespace
}  // namespace arbovane
