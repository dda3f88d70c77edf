// Runs on real trees where two folders differ only in letter case (in/Data and in/data, both
// holding files), on a host volume that tells them apart: every run acts on the folder it was
// given and on nothing else, and undo acts only on what the run made.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "support/CliProcess.h"
#include "support/TempDrives.h"
#include "support/TreeSnapshot.h"

namespace arbovane {
namespace {

using testing::CliResult;
using testing::RunCliProcess;
using testing::TempDrives;
using testing::TreeSnapshot;
using Args = std::vector<std::string>;
using Snapshot = std::map<std::string, std::string>;
namespace stdfs = std::filesystem;
using namespace std::string_literals;

class CaseTwinsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (stdfs::temp_directory_path() / "twins-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        TempDrives::MakeHostEntries(
            root_ + "/",
            {"in/Data/x/deep.txt", "in/Data/d.txt", "in/data/y/deep.txt", "in/data/e.txt",
             "out/docs/theirs.txt", "tpl/Docs/Index.html", "tpl/Docs/index.html", "tpl/Docs/sub/"});
        // The scratch tree must tell letter cases apart, or these cases prove nothing.
        if (stdfs::exists(Host("in/DATA"))) GTEST_SKIP() << "the temporary folder ignores case";
        before_ = TreeSnapshot(root_);
    }
    void TearDown() override { stdfs::remove_all(root_); }

    std::string Host(const std::string& relative) const { return root_ + "/" + relative; }
    CliResult Run(Args args) const { return RunCliProcess(args); }
    // The snapshot before, without the entries below prefix (and prefix itself unless kept).
    Snapshot Without(const std::string& prefix, bool keepFolder = false,
                     const std::string& suffix = "") const {
        Snapshot expected;
        for (const auto& [path, what] : before_) {
            const bool below = path.rfind(prefix + "/", 0) == 0 && path.ends_with(suffix);
            if (!below && !(path == prefix && !keepFolder)) expected[path] = what;
        }
        return expected;
    }

    std::string root_;
    Snapshot before_;
};

// A line names the folder spelled so; its twin is never touched, in no mode, and a line whose
// spelling matches no folder changes nothing.
TEST_F(CaseTwinsTest, DeleteActsOnlyOnTheFolderNamed) {
    const struct {
        const char* mode;
        bool keepMain;
        const char* suffix;
    } cases[] = {
        {"subfolders", true, ""},
        {"complete", false, ""},
        {"files-in-tree", true, ".txt"},
        {"files-in-main-folder", true, "e.txt"},
    };
    for (const auto& c : cases) {
        // Each mode on a fresh tree.
        TearDown();
        SetUp();
        const CliResult result =
            Run({"delete", "--line", Host("in/data"), "--mode", c.mode, "--yes"});
        EXPECT_EQ(result.status, 0) << c.mode << result.err;
        Snapshot expected = Without("/in/data", c.keepMain, c.suffix);
        if (std::string(c.mode) == "files-in-main-folder")
            expected = [&] {
                Snapshot kept = before_;
                kept.erase("/in/data/e.txt");
                return kept;
            }();
        EXPECT_EQ(TreeSnapshot(root_), expected) << c.mode;
    }
    TearDown();
    SetUp();
    const CliResult missing =
        Run({"delete", "--line", Host("in/DATA"), "--mode", "complete", "--yes"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.out.find("FoldersNotExists: 1"), std::string::npos) << missing.out;
    EXPECT_EQ(TreeSnapshot(root_), before_);
}

// Both twins listed are two main folders: neither line is dropped as a repeat of the other.
TEST_F(CaseTwinsTest, BothTwinsListedAreBothRun) {
    const CliResult result = Run({"delete", "--line", Host("in/Data"), "--line", Host("in/data"),
                                  "--mode", "complete", "--yes"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_FALSE(stdfs::exists(Host("in/Data")));
    EXPECT_FALSE(stdfs::exists(Host("in/data")));
    EXPECT_TRUE(stdfs::exists(Host("in")));
}

TEST_F(CaseTwinsTest, RenameAndUndoTouchOnlyTheFolderNamed) {
    const CliResult renamed = Run({"rename", "--line", Host("in/data"), "--suffix", "old",
                                   "--second-delimiter", "_", "--yes", "--journal", Host("r.j")});
    EXPECT_EQ(renamed.status, 0) << renamed.err;
    EXPECT_TRUE(stdfs::exists(Host("in/data_old/e.txt")));
    EXPECT_TRUE(stdfs::exists(Host("in/Data/d.txt")));
    // A new spelling of a folder's own name is a free name here, not the folder itself.
    const CliResult respelled = Run({"rename", "--line", Host("in/Data"), "--new-name", "DATA",
                                     "--yes", "--journal", Host("r2.j")});
    EXPECT_EQ(respelled.status, 0) << respelled.err;
    for (const char* journal : {"r2.j", "r.j"}) {
        const CliResult undone = Run({"undo", "--journal", Host(journal), "--yes"});
        EXPECT_EQ(undone.status, 0) << undone.err;
        stdfs::remove(Host(journal));
    }
    EXPECT_EQ(TreeSnapshot(root_), before_);
}

// A template folder Docs beside an existing docs is a new folder, and Index.html beside
// index.html two files: the run and the simulation say so alike, and undo takes back exactly
// what the run made.
TEST_F(CaseTwinsTest, CopyMakesTheTemplatesSpellingBesideATwin) {
    const Args copy = {"copy",           "--kind", "full",     "--template",
                       Host("tpl/Docs"), "--line", Host("out")};
    Args simulate = copy;
    simulate.push_back("--simulate");
    const CliResult simulated = Run(simulate);
    EXPECT_EQ(TreeSnapshot(root_), before_);
    Args run = copy;
    run.insert(run.end(), {"--journal", Host("c.j")});
    const CliResult copied = Run(run);
    EXPECT_EQ(copied.status, 0) << copied.err;
    EXPECT_EQ(copied.out, simulated.out);
    Snapshot expected = before_;
    expected["/out/Docs"] = "folder";
    expected["/out/Docs/sub"] = "folder";
    expected["/out/Docs/Index.html"] = before_.at("/tpl/Docs/Index.html");
    expected["/out/Docs/index.html"] = before_.at("/tpl/Docs/index.html");
    expected["/c.j"] = TreeSnapshot(root_).at("/c.j");
    EXPECT_EQ(TreeSnapshot(root_), expected);
    const CliResult undone = Run({"undo", "--journal", Host("c.j"), "--yes"});
    EXPECT_EQ(undone.status, 0) << undone.err;
    stdfs::remove(Host("c.j"));
    EXPECT_EQ(TreeSnapshot(root_), before_);
}

TEST_F(CaseTwinsTest, CreationMakesANewSpellingBesideTheTwins) {
    const CliResult made = Run({"create-names", "--destination", Host("in"), "--line", "DATA",
                                "--line", "data", "--journal", Host("n.j")});
    // "data" stands already: not every item reached its outcome.
    EXPECT_EQ(made.status, 1) << made.err;
    EXPECT_NE(made.out.find("FoldersExists: 1"), std::string::npos) << made.out;
    Snapshot expected = before_;
    expected["/in/DATA"] = "folder";
    expected["/n.j"] = TreeSnapshot(root_).at("/n.j");
    EXPECT_EQ(TreeSnapshot(root_), expected);
    const CliResult undone = Run({"undo", "--journal", Host("n.j"), "--yes"});
    EXPECT_EQ(undone.status, 0) << undone.err;
    stdfs::remove(Host("n.j"));
    EXPECT_EQ(TreeSnapshot(root_), before_);
}

std::string ReadHost(const std::string& path) {
    return TempDrives::ReadHostFile(path);
}

// A journal is taken back only as the run can have written it: an edit after the run ended, a
// rename pair across two folders, or a NUL byte anywhere, refuses the whole journal with status 2
// and nothing changed.
TEST_F(CaseTwinsTest, JournalsThatNoRunWroteAreRefused) {
    const CliResult renamed = Run(
        {"rename", "--line", Host("in/data"), "--suffix", "x", "--yes", "--journal", Host("r.j")});
    ASSERT_EQ(renamed.status, 0) << renamed.err;
    const std::string journal = ReadHost(Host("r.j"));
    Snapshot afterRun = TreeSnapshot(root_);
    afterRun.erase("/r.j");
    // The journal holds Windows text; each edit changes one pair as a hand would.
    const std::size_t line = journal.find("renamed\t");
    ASSERT_NE(line, std::string::npos) << journal;
    const std::size_t old = line + 8;
    const std::size_t tab = journal.find('\t', old);
    const std::string oldPath = journal.substr(old, tab - old);
    const std::size_t folder = oldPath.rfind('\\');
    const struct {
        const char* what;
        std::string text;
        const char* says;
    } cases[] = {
        {"across parents",
         journal.substr(0, old) + oldPath.substr(0, folder) + "\\out\\data" + journal.substr(tab),
         "line 6 of the journal is damaged"},
        {"across parents in a journal that never ended",
         journal.substr(0, journal.find("intent-rename\t")) + "intent-rename\t" +
             oldPath.substr(0, folder) + "\\out\\data\t" + oldPath + "x\n",
         "line 5 of the journal is damaged"},
        {"NUL in a path", journal.substr(0, tab) + "\0"s + journal.substr(tab), "NUL"},
        {"NUL in a key", journal + "failed-rename\0\tx\ty\n"s, "NUL"},
    };
    for (const auto& c : cases) {
        TempDrives::WriteHostFile(Host("r.j"), c.text);
        const CliResult undone = Run({"undo", "--journal", Host("r.j"), "--yes"});
        EXPECT_EQ(undone.status, 2) << c.what << undone.err;
        EXPECT_NE(undone.err.find(c.says), std::string::npos) << c.what << undone.err;
        Snapshot now = TreeSnapshot(root_);
        now.erase("/r.j");  // the edited journal itself
        EXPECT_EQ(now, afterRun) << c.what;
    }
}

// A list file line holding a NUL byte is refused, not cut at it.
TEST_F(CaseTwinsTest, ListFilesWithANulByteAreRefused) {
    TempDrives::WriteHostFile(Host("list.txt"),
                              Host("in/Data") + "\n" + Host("in/data") + "\0/x\n"s);
    const Snapshot before = TreeSnapshot(root_);
    const CliResult result =
        Run({"delete", "--list", Host("list.txt"), "--mode", "complete", "--yes"});
    EXPECT_EQ(result.status, 2) << result.err;
    EXPECT_NE(result.err.find("Line 2 of the file holds a NUL character"), std::string::npos)
        << result.err;
    EXPECT_EQ(TreeSnapshot(root_), before);
}

// Undo removes what the run made; a link the user put where the run made a folder stays, and so
// does what it points to.
TEST_F(CaseTwinsTest, UndoLeavesALinkWhereTheRunMadeAFolder) {
    const CliResult made = Run(
        {"create-names", "--destination", Host("out"), "--line", "New", "--journal", Host("n.j")});
    ASSERT_EQ(made.status, 0) << made.err;
    stdfs::remove(Host("out/New"));
    stdfs::create_directory_symlink(Host("in/Data"), Host("out/New"));
    const Snapshot before = TreeSnapshot(root_);
    const CliResult undone = Run({"undo", "--journal", Host("n.j"), "--yes"});
    EXPECT_EQ(undone.status, 1) << undone.err;
    EXPECT_NE(undone.err.find("out\\New"), std::string::npos) << undone.err;
    Snapshot expected = before;
    expected["/n.j"] = TreeSnapshot(root_).at("/n.j");
    EXPECT_EQ(TreeSnapshot(root_), expected);
}

}  // namespace
}  // namespace arbovane
