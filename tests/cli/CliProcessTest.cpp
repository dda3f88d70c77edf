#include <gtest/gtest.h>

#include <filesystem>

#include "support/CliProcess.h"
#include "support/TempDrives.h"
#include "support/TreeSnapshot.h"

namespace arbovane {
namespace {

using testing::CliResult;
using testing::RunCliProcess;
using testing::TempDrives;
using testing::TreeSnapshot;
using testing::ZPath;
using Args = std::vector<std::string>;
namespace stdfs = std::filesystem;

class CliProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (stdfs::temp_directory_path() / "cli-tree-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        for (const char* file : {"Clients/Acme/old.tmp", "Clients/Acme/Sub/keep.doc",
                                 "Clients/Bolt/a.tmp", "T/Docs/readme.txt"})
            TempDrives::WriteHostFile(root_ + "/" + file, file);
        TempDrives::MakeHostFolder(root_ + "/T/Docs/In");
    }
    void TearDown() override { stdfs::remove_all(root_); }

    std::string Host(const std::string& relative) const { return root_ + "/" + relative; }
    bool Exists(const std::string& relative) const {
        return stdfs::exists(stdfs::symlink_status(Host(relative)));
    }
    static bool Says(const CliResult& result, const std::string& text) {
        return result.out.find(text) != std::string::npos ||
               result.err.find(text) != std::string::npos;
    }

    std::string root_;
};

TEST_F(CliProcessTest, DeleteNeedsYesSimulatesAndRuns) {
    const auto before = TreeSnapshot(root_);
    const Args lines{
        "--line", Host("Clients/Acme"), "--line", Host("Clients/Bolt"), "--pattern", "*.tmp",
        "--mode", "files-in-tree"};
    Args run{"delete"};
    run.insert(run.end(), lines.begin(), lines.end());

    CliResult refused = RunCliProcess(run);
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(Says(refused, "delete changes the disk: add --yes to run it"));

    Args simulate = run;
    simulate.push_back("--simulate");
    CliResult simulated = RunCliProcess(simulate);
    EXPECT_EQ(simulated.status, 0) << simulated.err;
    EXPECT_TRUE(Says(simulated, "FilesDeleted: 2"));
    EXPECT_TRUE(Says(simulated, "message 0516"));
    EXPECT_EQ(TreeSnapshot(root_), before);

    run.insert(run.end(), {"--yes", "--log", Host("log.csv")});
    CliResult ran = RunCliProcess(run);
    EXPECT_EQ(ran.status, 0) << ran.err;
    EXPECT_TRUE(Says(ran, "FilesDeleted: 2"));
    EXPECT_FALSE(Exists("Clients/Acme/old.tmp"));
    EXPECT_FALSE(Exists("Clients/Bolt/a.tmp"));
    EXPECT_TRUE(Exists("Clients/Acme/Sub/keep.doc"));
    EXPECT_EQ(TempDrives::ReadHostFile(Host("log.csv")),
              "\"FilesDeleted\",\"" + ZPath(Host("Clients/Acme/old.tmp")) +
                  "\"\r\n\"FilesDeleted\",\"" + ZPath(Host("Clients/Bolt/a.tmp")) + "\"\r\n");

    // A main folder that is not there is an item that did not reach its outcome.
    CliResult missing = RunCliProcess({"delete", "--line", Host("Nobody"), "--yes"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(Says(missing, "FoldersNotExists: 1"));
}

TEST_F(CliProcessTest, CopyIsUndoneFromItsJournalExceptWhatChangedSince) {
    const auto before = TreeSnapshot(Host("Clients"));
    CliResult copied = RunCliProcess({"copy", "--line", Host("Clients/Acme"), "--line",
                                      ZPath(Host("Clients/Bolt")), "--kind", "full", "--template",
                                      Host("T/Docs"), "--journal", Host("j.txt")});
    ASSERT_EQ(copied.status, 0) << copied.err;
    EXPECT_TRUE(Says(copied, "message 0284"));
    EXPECT_TRUE(Says(copied, "-> answered Yes"));
    EXPECT_TRUE(Says(copied, "FilesCopied: 2"));
    EXPECT_TRUE(Exists("Clients/Acme/Docs/In"));
    EXPECT_TRUE(Exists("Clients/Bolt/Docs/readme.txt"));

    EXPECT_EQ(RunCliProcess({"undo", "--journal", Host("j.txt")}).status, 2);
    TempDrives::WriteHostFile(Host("Clients/Bolt/Docs/readme.txt"), "mine now");
    // Twice: what the first undo leaves must still be known as changed by the second.
    for (int round = 0; round < 2; ++round) {
        CliResult undone = RunCliProcess({"undo", "--journal", Host("j.txt"), "--yes"});
        EXPECT_EQ(undone.status, 1) << round << undone.err;
        EXPECT_FALSE(Exists("Clients/Acme/Docs"));
        EXPECT_EQ(TempDrives::ReadHostFile(Host("Clients/Bolt/Docs/readme.txt")), "mine now");
    }
    stdfs::remove_all(Host("Clients/Bolt/Docs"));
    EXPECT_EQ(TreeSnapshot(Host("Clients")), before);
}

TEST_F(CliProcessTest, RelativeTemplatesFromAFileAndIncludeLinesFromCsv) {
    TempDrives::WriteHostFile(Host("templates.txt"), "\\Plans\\2027\r\n\\Mail\r\n");
    TempDrives::WriteHostFile(Host("clients.csv"),
                              "\"Acme\",\"" + ZPath(Host("Clients/Acme")) + "\"\n");
    CliResult result = RunCliProcess({"copy", "--list", Host("clients.csv"), "--csv", "--column",
                                      "2", "--templates", Host("templates.txt")});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(Exists("Clients/Acme/Plans/2027"));
    EXPECT_TRUE(Exists("Clients/Acme/Mail"));
    EXPECT_FALSE(Exists("Clients/Bolt/Mail"));
}

// Lines named as the shell names folders, relative ones from the current directory, reach the
// same folders as their full paths.
TEST_F(CliProcessTest, RelativeHostLinesStartFromTheCurrentDirectory) {
    TempDrives::WriteHostFile(Host("list.txt"), "Clients/Bolt\n");
    const CliResult result =
        RunCliProcess({"delete", "--line", "Clients/Acme", "--list", "list.txt", "--pattern",
                       "*.tmp", "--mode", "files-in-tree", "--yes"},
                      root_);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_FALSE(Exists("Clients/Acme/old.tmp"));
    EXPECT_FALSE(Exists("Clients/Bolt/a.tmp"));
    EXPECT_TRUE(Exists("Clients/Acme/Sub/keep.doc"));
    EXPECT_TRUE(Says(result, "FilesDeleted: 2")) << result.out;
}

TEST_F(CliProcessTest, RenameAndItsUndo) {
    CliResult renamed =
        RunCliProcess({"rename", "--line", Host("Clients/Acme"), "--suffix", "2026",
                       "--second-delimiter", "_", "--yes", "--journal", Host("r.txt")});
    EXPECT_EQ(renamed.status, 0) << renamed.err;
    EXPECT_TRUE(Exists("Clients/Acme_2026/old.tmp"));
    CliResult undone = RunCliProcess({"undo", "--journal", Host("r.txt"), "--yes"});
    EXPECT_EQ(undone.status, 0) << undone.err;
    EXPECT_TRUE(Exists("Clients/Acme/old.tmp"));
    EXPECT_FALSE(Exists("Clients/Acme_2026"));
}

TEST_F(CliProcessTest, EachCreationIsUndoneFromItsJournal) {
    TempDrives::MakeHostFolder(Host("New"));
    const struct {
        Args args;
        std::vector<std::string> made;
        std::string notMade;
    } cases[] = {
        {{"create-names", "--destination", Host("New"), "--line", "Acme", "--line", "Bolt.",
          "--prefix", "2027", "--hyphen", "--template", "\\Docs\\In"},
         {"New/2027-Acme/Docs/In"},
         "New/2027-CON"},
        {{"create-numbers", "--destination", Host("New"), "--start", "8", "--end", "10", "--pad",
          "--prefix", "Job"},
         {"New/Job08", "New/Job10"},
         "New/Job11"},
        {{"create-paths", "--line", Host("New/a/b"), "--suffix", "X", "--kind", "full",
          "--template", Host("T/Docs")},
         {"New/a/bX/Docs/readme.txt"},
         "New/a/b"},
    };
    const auto before = TreeSnapshot(root_);
    for (const auto& c : cases) {
        Args args = c.args;
        args.insert(args.end(), {"--journal", Host("j.txt")});
        const CliResult made = RunCliProcess(args);
        EXPECT_LE(made.status, 1) << made.err;
        for (const std::string& path : c.made) EXPECT_TRUE(Exists(path)) << path;
        EXPECT_FALSE(Exists(c.notMade)) << c.notMade;
        const CliResult undone = RunCliProcess({"undo", "--journal", Host("j.txt"), "--yes"});
        EXPECT_EQ(undone.status, 0) << undone.err;
        stdfs::remove(Host("j.txt"));
        EXPECT_EQ(TreeSnapshot(root_), before) << c.args[0];
    }
}

TEST_F(CliProcessTest, BadInputChangesNothing) {
    TempDrives::MakeHostFolder(Host("folder.txt"));
    TempDrives::WriteHostFile(Host("j.txt"), "not mine\n");
    const std::string acme = Host("Clients/Acme");
    const struct {
        Args args;
        std::string message;
    } cases[] = {
        {{"delete", "--list", Host("none.txt"), "--yes"}, "cannot be read"},
        {{"delete", "--list", Host("folder.txt"), "--yes"}, "cannot be read"},
        {{"delete", "--line", "relative\\path", "--yes"}, "the include lines are not valid"},
        {{"delete", "--yes"}, "no include lines: give --line or --list"},
        {{"delete", "--line", acme, "--mode", "all", "--yes"},
         "--mode must be one of subfolders, complete, files-in-tree, files-in-main-folder"},
        {{"delete", "--line", acme, "--pattern", "..\\*.doc", "--yes"},
         "A file name can not hold a folder or a drive"},
        {{"delete", "--line", acme, "--frob"}, "unknown option \"--frob\" for delete"},
        {{"copy", "--line", acme}, "no templates: give --template or --templates"},
        {{"copy", "--line", acme, "--template", "\\a", "--list", Host("x.csv"), "--csv", "--column",
          "0"},
         "--column needs a whole number from 1"},
        {{"rename", "--line", acme, "--yes"}, "rename needs --prefix, --suffix or --new-name"},
        {{"undo", "--journal", Host("j.txt"), "--yes"}, "not a journal file of this program"},
        {{"create-numbers", "--destination", Host("T"), "--start", "1"},
         "create-numbers needs --start and --end"},
        {{"create-names", "--line", "Acme"}, "give the --destination folder"},
        {{"create-names", "--destination", Host("T"), "--line", "a", "--kind", "nothing",
          "--template", "\\x"},
         "--kind nothing attaches no templates"},
    };
    const auto before = TreeSnapshot(root_);
    for (const auto& c : cases) {
        const CliResult result = RunCliProcess(c.args);
        EXPECT_EQ(result.status, 2) << c.message;
        EXPECT_TRUE(Says(result, c.message)) << result.err;
        EXPECT_EQ(TreeSnapshot(root_), before) << c.message;
    }
}

}  // namespace
}  // namespace arbovane
