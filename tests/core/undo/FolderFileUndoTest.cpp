#include "core/undo/FolderFileUndo.h"

#include <gtest/gtest.h>

#include "UndoTestTree.h"

namespace arbovane {
namespace {

using Lines = std::vector<std::string>;
using testing::RemovalRecorder;
using testing::UndoTestTree;

struct EngineInput {
    std::string root;
    Lines main, structure, files;
};

void RunEngine(FolderFileUndo& undo, UndoTab tab, UndoJournalState state, const EngineInput& in) {
    const UndoPlan* plan = FindUndoPlan(tab, state);
    ASSERT_NE(plan, nullptr);
    undo.SetRoot(in.root);
    undo.SetMainFolders(in.main);
    undo.SetStructureFolders(in.structure);
    undo.SetFiles(in.files);
    undo.QueueByPlan(*plan);
    undo.DeleteFiles();
    undo.RemoveFolders();
    undo.BuildReport();
}

// What is queued and in which order, seen from the removal calls; the folders need not exist.
TEST(FolderFileUndoQueue, ClimbsAndOrders) {
    using S = UndoJournalState;
    const struct {
        UndoTab tab;
        UndoJournalState state;
        EngineInput in;
        Lines calls;
    } cases[] = {
        // The run journals a shared parent once; equal depths go last queued first.
        {UndoTab::Copy,
         S::MarkerR,
         {"", {"d:\\Dest\\"}, {"d:\\Dest\\P", "d:\\Dest\\P\\a", "d:\\Dest\\P\\b"}, {}},
         {"rmdir d:\\Dest\\P\\b", "rmdir d:\\Dest\\P\\a", "rmdir d:\\Dest\\P"}},
        // The creation runs journal the parents they make, so nothing above a journalled folder
        // is climbed to.
        {UndoTab::CreateI,
         S::MarkerR,
         {"D:\\dest\\\\", {"d:\\Dest\\A\\B"}, {}, {}},
         {"rmdir d:\\Dest\\A\\B"}},
        {UndoTab::CreateII,
         S::MarkerN,
         {"", {"\\\\srv\\share\\C\\D"}, {}, {}},
         {"rmdir \\\\srv\\share\\C\\D"}},
        // As they are: deepest first, nothing climbed.
        {UndoTab::Copy,
         S::MarkerF,
         {"", {}, {"d:\\T\\A", "d:\\T\\A\\B", "d:\\T\\C"}, {}},
         {"rmdir d:\\T\\A\\B", "rmdir d:\\T\\C", "rmdir d:\\T\\A"}},
        // Files first, trimmed of blanks and control characters.
        {UndoTab::CreateI,
         S::MarkerF,
         {"d:\\Dest\\", {"d:\\Dest\\A\\"}, {"d:\\Dest\\A\\T"}, {" d:\\Dest\\A\\T\\f\t"}},
         {"del d:\\Dest\\A\\T\\f", "rmdir d:\\Dest\\A\\T", "rmdir d:\\Dest\\A"}},
    };
    for (const auto& c : cases) {
        UndoTestTree tree;
        RemovalRecorder recorder(tree.Fs());
        FolderFileUndo undo(recorder.Fs(), tree.TextPort());
        RunEngine(undo, c.tab, c.state, c.in);
        const std::string row = std::to_string(&c - cases);
        EXPECT_EQ(recorder.Calls(), c.calls) << row;
        EXPECT_TRUE(recorder.OnlyRemovals()) << row;
        // Nothing existed, so no folder is reported; every file is.
        EXPECT_TRUE(undo.FailedFolders().empty()) << row;
        EXPECT_EQ(undo.FailedFiles().size(), c.in.files.size()) << row;
    }
}

// Whatever the user put into a created tree meanwhile survives at every level, and the folders
// holding it are reported.
TEST(FolderFileUndoSafety, ForeignEntriesAtEveryLevelStay) {
    UndoTestTree tree;
    const Lines created = {"d:\\Dest\\T", "d:\\Dest\\T\\S", "d:\\Dest\\T\\S\\U"};
    const Lines copied = {"d:\\Dest\\T\\a.doc", "d:\\Dest\\T\\S\\b.doc",
                          "d:\\Dest\\T\\S\\U\\c.doc"};
    const Lines foreignFolders = {"d:\\Dest\\T\\Mine", "d:\\Dest\\T\\S\\Mine",
                                  "d:\\Dest\\T\\S\\U\\Mine"};
    const Lines foreignFiles = {"d:\\Dest\\T\\mine.txt", "d:\\Dest\\T\\S\\mine.txt",
                                "d:\\Dest\\T\\S\\U\\mine.txt"};
    tree.Folders(created);
    tree.Folders(foreignFolders);
    tree.Files(copied);
    tree.Files(foreignFiles);

    RemovalRecorder recorder(tree.Fs());
    FolderFileUndo undo(recorder.Fs(), tree.TextPort());
    RunEngine(undo, UndoTab::Copy, UndoJournalState::MarkerF, {"", {}, created, copied});

    EXPECT_TRUE(recorder.OnlyRemovals());
    for (const auto& path : foreignFolders) EXPECT_TRUE(tree.Exists(path)) << path;
    for (const auto& path : foreignFiles) EXPECT_TRUE(tree.Exists(path)) << path;
    for (const auto& path : copied) EXPECT_FALSE(tree.Exists(path)) << path;
    EXPECT_EQ(undo.FailedFolders(), (Lines{"d:\\Dest\\T\\S\\U", "d:\\Dest\\T\\S", "d:\\Dest\\T"}));
    EXPECT_TRUE(undo.FailedFiles().empty());
}

// A created folder the user replaced by a link: the run made a folder, not that link, so the link
// stays and is reported, and so is whatever is reached through it; what it points to stays.
TEST(FolderFileUndoSafety, LinksWhereTheRunMadeFoldersStay) {
    const struct {
        const char* linked;
        Lines before, failed;
    } cases[] = {
        // The link replaces a created parent whose journalled children exist in the target.
        {"d:\\Dest\\A", {"d:\\Dest"}, {"d:\\Dest\\A", "d:\\Dest\\A\\x\\Empty", "d:\\Dest\\A\\x"}},
        // The link replaces a created leaf; its parent holds it and stays too. Nothing of the run
        // lies behind it (its target has no Empty), so nothing more is reported.
        {"d:\\Dest\\A\\x", {"d:\\Dest\\A"}, {"d:\\Dest\\A\\x", "d:\\Dest\\A"}},
    };
    for (const auto& c : cases) {
        UndoTestTree tree;
        tree.Folders(c.before);
        tree.Folders({"d:\\Other\\x\\Empty"});
        tree.Files({"d:\\Other\\x\\f.doc", "d:\\Other\\f.doc"});
        std::filesystem::create_directory_symlink(tree.Host("d:\\Other"), tree.Host(c.linked));
        FolderFileUndo undo(tree.Fs(), tree.TextPort());
        RunEngine(undo, UndoTab::Copy, UndoJournalState::MarkerF,
                  {"",
                   {},
                   {"d:\\Dest\\A", "d:\\Dest\\A\\x", "d:\\Dest\\A\\x\\Empty"},
                   {"d:\\Dest\\A\\x\\f.doc", "d:\\Dest\\A\\f.doc"}});
        EXPECT_TRUE(std::filesystem::is_symlink(tree.Host(c.linked))) << c.linked;
        for (const char* path :
             {"d:\\Other\\x\\Empty", "d:\\Other\\x\\f.doc", "d:\\Other\\f.doc", "d:\\Dest"})
            EXPECT_TRUE(tree.Exists(path)) << c.linked << " " << path;
        EXPECT_EQ(undo.FailedFolders(), c.failed) << c.linked;
    }
}

}  // namespace
}  // namespace arbovane
