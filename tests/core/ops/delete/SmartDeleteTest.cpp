#include "core/ops/delete/SmartDelete.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "DeleteFixture.h"
#include "core/ops/delete/SmartDeleteOne.h"
#include "core/ops/delete/SmartDeleteSimul.h"
#include "support/HostOnly.h"
#include "support/TreeSnapshot.h"

namespace arbovane {
namespace {

using testing::FaultyFileSystem;
using testing::Lines;
using Op = FaultyFileSystem::Op;
using Engine = std::function<void(const DeleteEngineInputs&)>;

Engine Tree(SmartDeleteMode mode, std::string main = "d:\\P") {
    return [mode, main](const DeleteEngineInputs& inputs) {
        SmartDelete engine(inputs, main);
        engine.SetMode(mode);
        mode == SmartDeleteMode::FilesInTree ? engine.RunFiles() : engine.RunStructure();
    };
}
Engine MainOnly() {
    return [](const DeleteEngineInputs& inputs) { SmartDeleteOne(inputs, "d:\\P").Run(); };
}

// What a run listed, category by category, in the order of the log's categories.
struct Outcome {
    Lines foldersDeleted = {}, foldersNotExist = {}, foldersOther = {}, filesDeleted = {},
          filesNotExist = {}, filesOther = {};
};

class SmartDeleteTest : public testing::DeleteFixture {
protected:
    void Expect(const Outcome& expected) {
        const Lines* lists[] = {&expected.foldersDeleted, &expected.foldersNotExist,
                                &expected.foldersOther,   &expected.filesDeleted,
                                &expected.filesNotExist,  &expected.filesOther};
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_EQ(log_.LinesAt(i), *lists[i]) << "category " << i;
            // The counter beside each list (the to-do counters come first in each row).
            EXPECT_EQ(log_.CounterAt(i < 3 ? i + 1 : i + 2), static_cast<double>(lists[i]->size()));
        }
    }
};

// d:\P holds f.txt, A\h.txt, A\x.dat, A\B\g.txt and the empty C.
TEST_F(SmartDeleteTest, EveryModeListsEachEntryOnceInWalkOrder) {
    const Lines files = {"d:\\P\\f.txt", "d:\\P\\A\\h.txt", "d:\\P\\A\\x.dat",
                         "d:\\P\\A\\B\\g.txt"};
    const struct {
        const char* name;
        Engine run;
        std::vector<std::string> patterns;
        bool locked;  // x.dat cannot be deleted
        Outcome outcome;
    } cases[] = {
        {"SubfoldersOnly",
         Tree(SmartDeleteMode::SubfoldersOnly),
         {},
         false,
         {{"d:\\P\\A\\B", "d:\\P\\A", "d:\\P\\C"}, {}, {}, files}},
        {"Complete",
         Tree(SmartDeleteMode::Complete),
         {},
         false,
         {{"d:\\P\\A\\B", "d:\\P\\A", "d:\\P\\C", "d:\\P"}, {}, {}, files}},
        {"SubfoldersOnly, locked file",
         Tree(SmartDeleteMode::SubfoldersOnly),
         {},
         true,
         {{"d:\\P\\A\\B", "d:\\P\\C"},
          {},
          {"d:\\P\\A"},
          {"d:\\P\\f.txt", "d:\\P\\A\\h.txt", "d:\\P\\A\\B\\g.txt"},
          {},
          {"d:\\P\\A\\x.dat"}}},
        {"Complete, locked file",
         Tree(SmartDeleteMode::Complete),
         {},
         true,
         {{"d:\\P\\A\\B", "d:\\P\\C"},
          {},
          {"d:\\P\\A", "d:\\P"},
          {"d:\\P\\f.txt", "d:\\P\\A\\h.txt", "d:\\P\\A\\B\\g.txt"},
          {},
          {"d:\\P\\A\\x.dat"}}},
        {"FilesInTree, one walk per pattern",
         Tree(SmartDeleteMode::FilesInTree),
         {"*.dat", "*.TXT"},
         false,
         {{},
          {},
          {},
          {"d:\\P\\A\\x.dat", "d:\\P\\f.txt", "d:\\P\\A\\h.txt", "d:\\P\\A\\B\\g.txt"}}},
        {"FilesInTree, one outcome however many patterns match",
         Tree(SmartDeleteMode::FilesInTree),
         {"*.dat", "x*"},
         true,
         {{}, {}, {}, {}, {}, {"d:\\P\\A\\x.dat"}}},
        {"FilesInMainFolder", MainOnly(), {}, false, {{}, {}, {}, {"d:\\P\\f.txt"}}},
        {"FilesInMainFolder, pattern naming a folder", MainOnly(), {"A"}, false, {}},
        {"FilesInMainFolder, first pattern takes the file",
         MainOnly(),
         {"*.txt", "f*"},
         false,
         {{}, {}, {}, {"d:\\P\\f.txt"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(Host("P"));
        for (const char* file : {"P/f.txt", "P/A/h.txt", "P/A/x.dat", "P/A/B/g.txt"}) File(file);
        Folder("P/C");
        FaultyFileSystem faulty(drives_.Fs());
        if (c.locked) faulty.FailOn(Op::RemoveFile, "d:\\P\\A\\x.dat");
        log_.BeginRun(VisualLogMode::Normal);
        c.run({faulty, log_, c.patterns, false});
        Expect(c.outcome);
        // A file is gone exactly when it is listed as deleted.
        for (const auto& [relative, path] : std::vector<std::pair<const char*, std::string>>{
                 {"P/f.txt", files[0]}, {"P/A/h.txt", files[1]}, {"P/A/x.dat", files[2]}}) {
            const Lines& deleted = c.outcome.filesDeleted;
            EXPECT_NE(Exists(relative),
                      std::find(deleted.begin(), deleted.end(), path) != deleted.end())
                << path;
        }
    }
}

TEST_F(SmartDeleteTest, ReadOnlyFolderGoesOnlyWithTheOption) {
    const struct {
        bool option;
        bool attributesFail;
        Outcome outcome;
    } cases[] = {
        {false, false, {{}, {}, {"d:\\P\\RO"}}},
        {true, false, {{"d:\\P\\RO"}}},
        {true, true, {{}, {}, {"d:\\P\\RO"}}},
    };
    for (const auto& c : cases) {
        Folder("P/RO");
        ASSERT_TRUE(testing::SetHostMode(Host("P/RO"), 0555));
        FaultyFileSystem faulty(drives_.Fs());
        if (c.attributesFail) faulty.FailOn(Op::SetAttributes, "d:\\P\\RO");
        log_.BeginRun(VisualLogMode::Normal);
        Tree(SmartDeleteMode::SubfoldersOnly)({faulty, log_, {}, c.option});
        Expect(c.outcome);
        const bool stays = std::filesystem::exists(Host("P/RO"));
        EXPECT_EQ(stays, !c.outcome.foldersOther.empty());
        // Without the option nothing is changed on it.
        if (!c.option) {
            EXPECT_EQ(testing::HostMode(Host("P/RO")) & 0777, 0555u);
        }
    }
}

TEST_F(SmartDeleteTest, LinksAreNeverEnteredAndTheirTargetsStayWhole) {
    File("Outside/keep.txt", "outside");
    File("Outside/Deep/keep.doc", "deep");
    const auto outside = testing::TreeSnapshot(Host("Outside"));
    const Lines links = {"d:\\P\\Nowhere.txt", "d:\\P\\own.txt", "d:\\P\\ToFile.txt"};
    Lines withFolderLink = links;
    withFolderLink.push_back("d:\\P\\ToFolder");
    const struct {
        const char* name;
        Engine run;
        std::vector<std::string> patterns;
        Lines files;
    } cases[] = {
        {"Complete", Tree(SmartDeleteMode::Complete), {}, withFolderLink},
        {"FilesInTree", Tree(SmartDeleteMode::FilesInTree), {}, links},
        {"FilesInTree *.doc", Tree(SmartDeleteMode::FilesInTree), {"*.doc"}, {}},
        {"FilesInMainFolder", MainOnly(), {}, links},
        {"simulation",
         [](const DeleteEngineInputs& inputs) {
             SmartDeleteSimul engine(inputs, "d:\\P");
             engine.SetMode(SmartDeleteMode::Complete);
             engine.RunStructure();
         },
         {},
         withFolderLink},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(Host("P"));
        File("P/own.txt");
        Link("P/ToFolder", Host("Outside"));
        Link("P/ToFile.txt", Host("Outside/keep.txt"));
        Link("P/Nowhere.txt", Host("missing"));
        log_.BeginRun(VisualLogMode::Normal);
        c.run({fs_, log_, c.patterns, false});
        EXPECT_EQ(Of(Vol07Category::FilesDeleted), c.files);
        EXPECT_EQ(testing::TreeSnapshot(Host("Outside")), outside);
    }
}

TEST_F(SmartDeleteTest, RaceAndFailureEachGiveOneOutcomeAndTheRunGoesOn) {
    File("Outside/keep.txt", "outside");
    Folder("P/A");
    File("P/B/b.txt");
    File("P/C/c.txt");
    File("P/E/locked.txt");
    File("P/F/f.txt");
    // The walk takes F, E, C, B, A. While F's file goes, A turns into a link to Outside; B
    // vanishes before it is listed, C before its removal; E cannot be listed.
    fs_.Before(Op::RemoveFile, [&](const std::string& path) {
        if (path != "d:\\P\\F\\f.txt") return;
        std::filesystem::remove_all(Host("P/A"));
        Link("P/A", Host("Outside"));
    });
    fs_.Before(Op::Enumerate, [&](const std::string& path) {
        if (path == "d:\\P\\B\\*.*") std::filesystem::remove_all(Host("P/B"));
    });
    fs_.Before(Op::RemoveEmptyFolder, [&](const std::string& path) {
        if (path == "d:\\P\\C") std::filesystem::remove_all(Host("P/C"));
    });
    fs_.FailOn(Op::Enumerate, "d:\\P\\E\\*.*");
    Tree(SmartDeleteMode::Complete)({fs_, log_, {}, false});
    Expect({{"d:\\P\\A", "d:\\P\\F"},
            {"d:\\P\\B", "d:\\P\\C"},
            {"d:\\P\\E", "d:\\P"},
            {"d:\\P\\F\\f.txt", "d:\\P\\C\\c.txt"}});
    EXPECT_EQ(testing::TreeSnapshot(Host("Outside")).size(), 1u);
    EXPECT_TRUE(Exists("Outside/keep.txt"));
    EXPECT_TRUE(Exists("P/E/locked.txt"));
}

TEST_F(SmartDeleteTest, UnlistedMainFolderThatStaysIsReported) {
    File("P/A/a.txt");
    fs_.FailOn(Op::Enumerate, "d:\\P\\*.*");
    const Engine runs[] = {Tree(SmartDeleteMode::SubfoldersOnly),
                           Tree(SmartDeleteMode::FilesInTree), MainOnly()};
    for (const Engine& run : runs) {
        log_.BeginRun(VisualLogMode::Normal);
        run({fs_, log_, {}, false});
        Expect({{}, {}, {"d:\\P"}});
    }
}

TEST_F(SmartDeleteTest, NameThatWouldReachAnotherEntryIsNeverUsed) {
    File("P/odd.", "trailing period");
    File("P/odd", "plain");
    File("P/gap ", "trailing blank");
    File("P/Dir./inner.txt", "inner");
    Folder("P/Dir");
    Tree(SmartDeleteMode::Complete)({fs_, log_, {}, false});
    Expect({{"d:\\P\\Dir"},
            {},
            {"d:\\P\\Dir.", "d:\\P"},
            {"d:\\P\\odd"},
            {},
            {"d:\\P\\gap ", "d:\\P\\odd."}});
    EXPECT_EQ(testing::TempDrives::ReadHostFile(Host("P/odd.")), "trailing period");
    EXPECT_EQ(testing::TempDrives::ReadHostFile(Host("P/Dir./inner.txt")), "inner");
}

TEST_F(SmartDeleteTest, PathsLongerThanTheWindowsLimitAreDeletedWhole) {
    std::string relative = "P", windows = "d:\\P";
    while (windows.size() < 320) {
        relative += "/" + std::string(40, 'n');
        windows += "\\" + std::string(40, 'n');
    }
    File(relative + "/deep.txt");
    File("Sibling/keep.txt", "keep");
    Tree(SmartDeleteMode::Complete, "d:\\P\\")({fs_, log_, {}, false});
    EXPECT_EQ(Of(Vol07Category::FilesDeleted), Lines{windows + "\\deep.txt"});
    EXPECT_EQ(Of(Vol07Category::FoldersDeleted).front(), windows);
    EXPECT_EQ(Of(Vol07Category::FoldersDeleted).back(), "d:\\P\\");
    EXPECT_FALSE(Exists("P"));
    EXPECT_TRUE(Exists("Sibling/keep.txt"));
}

}  // namespace
}  // namespace arbovane

namespace arbovane {
namespace {

// A folder of the tree swapped for a link to a folder outside it, at every single step of a
// delete walk in each mode: nothing outside is ever deleted, whichever step the swap comes at.
TEST_F(SmartDeleteTest, AFolderSwappedForALinkAtAnyStepLeavesTheOutsideAlone) {
    const auto arrange = [this] {
        std::filesystem::remove_all(Host("P"));
        std::filesystem::remove_all(Host("Outside"));
        File("P/A/a.txt");
        File("P/A/Sub/b.txt");
        File("P/z.txt");
        File("Outside/a.txt", "outside");
        File("Outside/Sub/b.txt", "outside");
    };
    const Engine runs[] = {Tree(SmartDeleteMode::Complete), Tree(SmartDeleteMode::SubfoldersOnly),
                           Tree(SmartDeleteMode::FilesInTree)};
    int steps = 0;
    int swapAt = -1;
    const auto step = [&](const std::string&) {
        if (steps++ != swapAt) return;
        std::filesystem::remove_all(Host("P/A"));
        Link("P/A", Host("Outside"));
    };
    for (Op op : {Op::Enumerate, Op::RemoveFile, Op::RemoveEmptyFolder, Op::SetAttributes})
        fs_.Before(op, step);
    for (const Engine& run : runs) {
        swapAt = -1;
        steps = 0;
        arrange();
        run({fs_, log_, {}, true});
        const int total = steps;
        ASSERT_GT(total, 3);
        for (swapAt = 0; swapAt < total; ++swapAt) {
            SCOPED_TRACE("swap before step " + std::to_string(swapAt));
            arrange();
            const auto outside = testing::TreeSnapshot(Host("Outside"));
            steps = 0;
            log_.BeginRun(VisualLogMode::Normal);
            run({fs_, log_, {}, true});
            EXPECT_EQ(testing::TreeSnapshot(Host("Outside")), outside);
        }
    }
}

}  // namespace
}  // namespace arbovane

namespace arbovane {
namespace {

// A mount point inside a tree, a bind mount of the same file system included, is never entered:
// the delete removes nothing of what is mounted there.
TEST_F(SmartDeleteTest, MountPointsAreNeverEntered) {
    File("P/f.txt");
    Folder("P/Mounted");
    File("Elsewhere/keep.txt", "keep");
    if (!testing::BindMount(Host("Elsewhere"), Host("P/Mounted")))
        GTEST_SKIP() << "no permission to mount here";
    const auto before = testing::TreeSnapshot(Host("Elsewhere"));
    Tree(SmartDeleteMode::Complete)({fs_, log_, {}, true});
    const bool stillMounted = Exists("P/Mounted/keep.txt");
    testing::Unmount(Host("P/Mounted"));
    EXPECT_TRUE(stillMounted);
    EXPECT_EQ(testing::TreeSnapshot(Host("Elsewhere")), before);
    EXPECT_FALSE(Exists("P/f.txt"));
}

}  // namespace
}  // namespace arbovane
