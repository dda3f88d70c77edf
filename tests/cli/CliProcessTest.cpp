#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
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
        for (const char* folder :
             {"T/Docs/In", "Clients/Acme_old", "Clients/Bolt/Bin", "New/Taken", "New/Job2"})
            TempDrives::MakeHostFolder(root_ + "/" + folder);
        TempDrives::WriteHostFile(root_ + "/file.txt", "a file");
        TempDrives::WriteHostFile(root_ + "/empty.txt", "");
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

// What a command line changed on disk: "+path" added, "-path" removed, "~path" changed.
std::vector<std::string> Changes(const std::map<std::string, std::string>& before,
                                 const std::map<std::string, std::string>& after) {
    std::vector<std::string> changes;
    for (const auto& [path, entry] : after) {
        const auto was = before.find(path);
        if (was == before.end())
            changes.push_back("+" + path.substr(1));
        else if (was->second != entry)
            changes.push_back("~" + path.substr(1));
    }
    for (const auto& [path, entry] : before)
        if (!after.count(path)) changes.push_back("-" + path.substr(1));
    std::sort(changes.begin(), changes.end());
    return changes;
}

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
    const std::string bolt = ZPath(Host("Clients/Bolt"));
    // Twice: what the first undo leaves must still be known as changed by the second.
    for (int round = 0; round < 2; ++round) {
        CliResult undone = RunCliProcess({"undo", "--journal", Host("j.txt"), "--yes"});
        EXPECT_EQ(undone.status, 1) << round << undone.err;
        EXPECT_EQ(undone.out, round == 0 ? "FoldersRemoved: 3\nFilesRemoved: 1\nFilesKeptChanged: "
                                           "1\nFoldersKeptHoldingNew: 1\nFoldersFailed: "
                                           "0\nFilesFailed: 0\n"
                                         : "FoldersRemoved: 0\nFilesRemoved: 0\nFilesKeptChanged: "
                                           "1\nFoldersKeptHoldingNew: 1\nFoldersFailed: "
                                           "0\nFilesFailed: 0\n");
        EXPECT_TRUE(Says(undone, "arbovane-cli: FilesKeptChanged: " + bolt +
                                     "\\Docs\\readme.txt\narbovane-cli: FoldersKeptHoldingNew: " +
                                     bolt + "\\Docs\n"))
            << undone.err;
        EXPECT_FALSE(Exists("Clients/Acme/Docs"));
        EXPECT_EQ(TempDrives::ReadHostFile(Host("Clients/Bolt/Docs/readme.txt")), "mine now");
    }
    // Once the changed file is gone, the next undo takes the rest and the journal is done.
    stdfs::remove(Host("Clients/Bolt/Docs/readme.txt"));
    const CliResult last = RunCliProcess({"undo", "--journal", Host("j.txt"), "--yes"});
    EXPECT_EQ(last.status, 0) << last.err;
    EXPECT_TRUE(Says(last, "FoldersRemoved: 1\n"));
    EXPECT_EQ(TreeSnapshot(Host("Clients")), before);
    const CliResult again = RunCliProcess({"undo", "--journal", Host("j.txt"), "--yes"});
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_TRUE(Says(again, "message 0290"));
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

// A rename undo keeps in its journal the folder it could not rename back, also when its old name
// is taken again, so that the next undo retries it.
TEST_F(CliProcessTest, RenameAndItsUndo) {
    CliResult renamed = RunCliProcess(
        {"rename", "--line", Host("Clients/Acme"), "--line", Host("Clients/Bolt"), "--suffix",
         "2026", "--second-delimiter", "_", "--yes", "--journal", Host("r.txt")});
    EXPECT_EQ(renamed.status, 0) << renamed.err;
    EXPECT_TRUE(Exists("Clients/Acme_2026/old.tmp"));
    TempDrives::MakeHostFolder(Host("Clients/Bolt"));
    const auto before = TreeSnapshot(root_);
    CliResult undone = RunCliProcess({"undo", "--journal", Host("r.txt"), "--yes"});
    EXPECT_EQ(undone.status, 1) << undone.err;
    EXPECT_EQ(undone.out,
              "FoldersRenamedBack: 1\nFoldersKeptOldNameTaken: 1\nFoldersNotFound: 0\n"
              "FoldersFailed: 0\n");
    EXPECT_TRUE(Says(undone, "SOURCE FOLDERS DO EXIST"));
    EXPECT_TRUE(Says(undone, "arbovane-cli: FoldersKeptOldNameTaken: " +
                                 ZPath(Host("Clients/Bolt_2026")) + "\n"));
    EXPECT_EQ(Changes(before, TreeSnapshot(root_)),
              (std::vector<std::string>{
                  "+Clients/Acme", "+Clients/Acme/Sub", "+Clients/Acme/Sub/keep.doc",
                  "+Clients/Acme/old.tmp", "-Clients/Acme_2026", "-Clients/Acme_2026/Sub",
                  "-Clients/Acme_2026/Sub/keep.doc", "-Clients/Acme_2026/old.tmp", "~r.txt"}));

    stdfs::remove(Host("Clients/Bolt"));
    undone = RunCliProcess({"undo", "--journal", Host("r.txt"), "--yes"});
    EXPECT_EQ(undone.status, 0) << undone.err;
    EXPECT_TRUE(Exists("Clients/Bolt/a.tmp"));
    EXPECT_FALSE(Exists("Clients/Bolt_2026"));
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

// Each command line on a fresh scratch tree: its exit status, what its standard error must say
// ("@" is the tree in the drive form) and what it changed. For every command a run whose items
// all reach their outcome, one where an item does not, and bad values that change nothing.
TEST_F(CliProcessTest, EveryCommandLineTellsTheTruth) {
    const struct {
        Args args;  // "@" stands for the tree's host folder
        int status;
        std::vector<std::string> says;
        std::vector<std::string> changes;
    } cases[] = {
        // copy
        {{"copy", "--line", "@/Clients/Acme", "--kind", "full", "--attach", "main-without-files",
          "--template", "@/T/Docs"},
         0,
         {},
         {"+Clients/Acme/Docs", "+Clients/Acme/Docs/In"}},
        {{"copy", "--line", "@/Clients/Acme", "--line", "@/Clients/Nobody", "--template", "\\Mail"},
         1,
         {"arbovane-cli: FoldersNotExists: @\\Clients\\Nobody\n"},
         {"+Clients/Acme/Mail"}},
        {{"copy", "--line", "@/Clients/Bolt", "--template", "\\Mail", "--template", "\\Bin"},
         1,
         {"arbovane-cli: SubFoldersExists: @\\Clients\\Bolt\\Bin\n"},
         {"+Clients/Bolt/Mail"}},
        // A full-path template in the drive form with forward slashes names the same folder.
        {{"copy", "--line", "@/Clients/Bolt", "--kind", "full", "--attach", "sub-without-files",
          "--template", "Z:@/T/Docs"},
         0,
         {},
         {"+Clients/Bolt/In"}},
        // A template refused for a folder leaves that folder without it.
        {{"copy", "--line", "@/T/Docs", "--kind", "full", "--template", "@/T/Docs"},
         1,
         {"message 0307"},
         {}},
        {{"copy", "--line", "@/Clients/Acme", "--kind", "full", "--template", "@/Nowhere"},
         2,
         {"the template \"@\\Nowhere\" is not an existing folder"},
         {}},
        {{"copy", "--line", "@/Clients/Acme", "--template", "\\Mail", "--attach", "sub-with-files"},
         2,
         {"--attach is used only with --kind full"},
         {}},
        {{"copy", "--line", "@/Clients/Acme", "--kind", "full", "--attach", "main-without-files",
          "--template", "@/T/Docs", "--pattern", "*.txt"},
         2,
         {"--pattern is used only with --kind full and an --attach mode with files"},
         {}},
        {{"copy", "--line", "@/Clients/Acme", "--template", "\\Mail", "--journal", "@/T"},
         2,
         {"--journal \"@/T\" cannot be written"},
         {}},
        // delete
        {{"delete", "--line", "@/Clients/Acme", "--mode", "files-in-tree", "--pattern", "*.tmp",
          "--yes"},
         0,
         {},
         {"-Clients/Acme/old.tmp"}},
        {{"delete", "--line", "@/Clients/Bolt", "--line", "@/Clients/Nobody", "--mode", "complete",
          "--yes"},
         1,
         {"arbovane-cli: FoldersNotExists: @\\Clients\\Nobody\n"},
         {"-Clients/Bolt", "-Clients/Bolt/Bin", "-Clients/Bolt/a.tmp"}},
        {{"delete", "--line", "@/Clients/Acme", "--mode", "files-in-tree", "--read-only", "--yes"},
         2,
         {"--read-only is used only with --mode subfolders or complete"},
         {}},
        {{"delete", "--line", "@/Clients/Acme", "--pattern", "*.tmp", "--yes"},
         2,
         {"--pattern is used only with --mode files-in-tree or files-in-main-folder"},
         {}},
        // rename
        {{"rename", "--line", "@/Clients/Bolt", "--suffix", "2026", "--second-delimiter", "_",
          "--yes"},
         0,
         {},
         {"+Clients/Bolt_2026", "+Clients/Bolt_2026/Bin", "+Clients/Bolt_2026/a.tmp",
          "-Clients/Bolt", "-Clients/Bolt/Bin", "-Clients/Bolt/a.tmp"}},
        // A destination that exists is not reached.
        {{"rename", "--line", "@/Clients/Acme", "--suffix", "_old", "--yes"},
         1,
         {"arbovane-cli: FoldersDestinationExists: @\\Clients\\Acme\n"},
         {}},
        {{"rename", "--line", "@/Clients/Acme", "--new-name", "..", "--yes"},
         2,
         {"--new-name \"..\" is no folder name"},
         {}},
        {{"rename", "--line", "@/Clients/Acme", "--new-name", "X", "--suffix", "2", "--yes"},
         2,
         {"--suffix is used only with the prefix and suffix method"},
         {}},
        {{"rename", "--line", "@/Clients/Acme", "--prefix", "a?", "--yes"},
         2,
         {"--prefix \"a?\" holds characters a folder name cannot hold: ?"},
         {}},
        {{"rename", "--line", "@/Clients/Acme", "--yes"},
         2,
         {"rename needs --prefix, --suffix, a delimiter or --new-name"},
         {}},
        // create-names
        {{"create-names", "--destination", "@/New", "--line", "A", "--line", "B", "--prefix",
          "2027", "--hyphen"},
         0,
         {},
         {"+New/2027-A", "+New/2027-B"}},
        {{"create-names", "--destination", "@/New", "--line", "Taken", "--line", "C"},
         1,
         {"arbovane-cli: FoldersExists: @\\New\\Taken\n"},
         {"+New/C"}},
        {{"create-names", "--destination", "@/file.txt", "--line", "A"},
         2,
         {"--destination \"@/file.txt\" is not an existing folder"},
         {}},
        {{"create-names", "--destination", "@/New", "--list", "@/empty.txt"},
         2,
         {"the list file \"@/empty.txt\" holds no names"},
         {}},
        {{"create-names", "--destination", "@/New", "--line", "A", "--template", "\\Docs "},
         2,
         {"the template \"\\Docs \" holds the level \"Docs \", which no folder can be named"},
         {}},
        {{"create-names", "--destination", "@/New", "--line", "A", "--kind", "full", "--pattern",
          "*.txt", "--template", "@/T/Docs"},
         2,
         {"option --pattern is not used by create-names"},
         {}},
        // create-numbers
        {{"create-numbers", "--destination", "@/New", "--start", "8", "--end", "10", "--pad",
          "--prefix", "Job"},
         0,
         {},
         {"+New/Job08", "+New/Job09", "+New/Job10"}},
        {{"create-numbers", "--destination", "@/New", "--start", "1", "--end", "3", "--prefix",
          "Job"},
         1,
         {"arbovane-cli: FoldersExists: @\\New\\Job2\n"},
         {"+New/Job1", "+New/Job3"}},
        {{"create-numbers", "--destination", "@/New", "--start", "one", "--end", "3"},
         2,
         {"--start must be a whole number from 1 to 2147483647, not \"one\""},
         {}},
        {{"create-numbers", "--destination", "@/New", "--start", "1", "--end",
          "99999999999999999999999"},
         2,
         {"--end must be a whole number from 1 to 2147483647, not \"99999999999999999999999\""},
         {}},
        {{"create-numbers", "--destination", "@/New", "--start", "-3", "--end", "2"},
         2,
         {"--start must be a whole number from 1 to 2147483647, not \"-3\""},
         {}},
        {{"create-numbers", "--destination", "@/New", "--start", "1O", "--end", "3"},
         2,
         {"--start must be a whole number from 1 to 2147483647, not \"1O\""},
         {}},
        {{"create-numbers", "--destination", "@/New", "--start", "1", "--end", "1e6"},
         2,
         {"--end must be a whole number from 1 to 2147483647, not \"1e6\""},
         {}},
        {{"create-numbers", "--destination", "@/New", "--start", "5", "--end", "3"},
         2,
         {"--start 5 is after --end 3"},
         {}},
        {{"create-numbers", "--destination", "@/New", "--start", "1", "--end", "2",
          "--numbers-in-levels"},
         2,
         {"--numbers-in-levels is used only with --kind relative"},
         {}},
        // create-paths
        {{"create-paths", "--line", "@/New/x/y", "--prefix", "P", "--hyphen"},
         0,
         {},
         {"+New/x", "+New/x/P-y"}},
        {{"create-paths", "--line", "@/New/Taken", "--line", "@/New/D"},
         1,
         {"arbovane-cli: FoldersExists: @\\New\\Taken\n"},
         {"+New/D"}},
        {{"create-paths", "--line", "relative\\path"}, 2, {"the include lines are not valid"}, {}},
        {{"create-paths", "--line", "@/New/E", "--suffix", "a/b"},
         2,
         {"--suffix \"a/b\" holds characters a folder name cannot hold: /"},
         {}},
        // undo: its runs are in the tests below
        {{"undo", "--journal", "@/file.txt", "--yes"},
         2,
         {"not a journal file of this program"},
         {}},
        {{"undo", "--journal", "@/file.txt"},
         2,
         {"undo changes the disk: add --yes to run it"},
         {}},
        // A simulation whose items would all reach their outcome: its intro and end boxes
        // are no items.
        {{"copy", "--line", "@/Clients/Bolt", "--kind", "full", "--template", "@/T/Docs",
          "--simulate"},
         0,
         {"message 0507"},
         {}},
        {{"create-numbers", "--destination", "@/New", "--start", "3", "--end", "4", "--simulate"},
         0,
         {},
         {}},
        {{"rename", "--line", "@/Clients/Bolt", "--suffix", "9", "--simulate"}, 0, {}, {}},
        // every command
        {{"delete", "--yes"}, 2, {"no include lines: give --line or --list"}, {}},
        {{"delete", "--line", "@/Clients/Acme", "--separator", ";", "--yes"},
         2,
         {"--separator is used only with --csv"},
         {}},
        {{"delete", "--line", "@/Clients/Acme", "--mode", "all", "--yes"},
         2,
         {"--mode must be one of subfolders, complete, files-in-tree, files-in-main-folder"},
         {}},
    };
    // "@\\" is the tree in the drive form, any other "@" its host path.
    const auto resolve = [this](std::string text) {
        for (std::size_t at = 0; (at = text.find('@', at)) != std::string::npos;) {
            const std::string with =
                at + 1 < text.size() && text[at + 1] == '\\' ? ZPath(root_) : root_;
            text.replace(at, 1, with);
            at += with.size();
        }
        return text;
    };
    for (const auto& c : cases) {
        TearDown();
        SetUp();
        Args args;
        std::string line;
        for (const std::string& arg : c.args) {
            args.push_back(resolve(arg));
            line += arg + " ";
        }
        SCOPED_TRACE(line);
        const auto before = TreeSnapshot(root_);
        const CliResult result = RunCliProcess(args);
        EXPECT_EQ(result.status, c.status) << result.err;
        for (const std::string& text : c.says)
            EXPECT_NE(result.err.find(resolve(text)), std::string::npos) << result.err;
        // Counters only where the run began.
        EXPECT_EQ(result.out.empty(), c.status == 2) << result.out;
        EXPECT_EQ(Changes(before, TreeSnapshot(root_)), c.changes);
    }
}

TEST_F(CliProcessTest, QuietKeepsOnlyTheCounters) {
    const CliResult result = RunCliProcess(
        {"rename", "--line", Host("Clients/Acme"), "--suffix", "_old", "--yes", "--quiet"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out,
              "FoldersToRename: 1\nFoldersRenamed: 0\nFoldersSourceNotExists: 0\n"
              "FoldersDestinationExists: 1\nFoldersOtherReasons: 0\n");
}

// The box names the window's control; the command line says which option does its work.
TEST_F(CliProcessTest, BoxesNamingAControlGainTheOptionsLine) {
    const CliResult result = RunCliProcess({"delete", "--line", Host("Clients/Acme"), "--mode",
                                            "files-in-tree", "--pattern", "*.tmp", "--simulate"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.err.find("  Note: If the <Select Files> button is active, only the Selected "
                              "Files will be used.\n  -> command line: --pattern selects the "
                              "files\n"),
              std::string::npos)
        << result.err;
}

// The log file is RFC 4180: a quote inside a name is doubled and a line break stays inside its
// field. Read back by a CSV reader that is not the program's own.
TEST_F(CliProcessTest, LogFileReadsBackAsCsv) {
    if (std::system("python3 -c 'import csv' >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "python3 with its csv module is not installed";
    for (const char* file : {"Odd/x\",\"y.txt", "Odd/a\nb.txt", "Odd/plain.txt"})
        TempDrives::WriteHostFile(Host(file), "x");
    const CliResult result =
        RunCliProcess({"delete", "--line", Host("Odd"), "--line", Host("Nobody"), "--mode",
                       "files-in-tree", "--yes", "--log", Host("log.csv")});
    EXPECT_EQ(result.status, 1) << result.err;
    const std::string script =
        "import csv,sys\n"
        "for row in csv.reader(open(sys.argv[1], newline='', encoding='utf-8'), strict=True):\n"
        "    sys.stdout.write(str(len(row)) + '|' + '|'.join(row).replace('\\n', '<LF>') + "
        "'\\n')\n";
    TempDrives::WriteHostFile(Host("read.py"), script);
    const std::string out = Host("rows.txt");
    ASSERT_EQ(
        std::system(("python3 " + Host("read.py") + " " + Host("log.csv") + " > " + out).c_str()),
        0);
    const std::string odd = ZPath(Host("Odd"));
    EXPECT_EQ(TempDrives::ReadHostFile(out), "2|FoldersNotExists|" + ZPath(Host("Nobody")) + "\n" +
                                                 "2|FilesDeleted|" + odd + "\\a<LF>b.txt\n" +
                                                 "2|FilesDeleted|" + odd + "\\plain.txt\n" +
                                                 "2|FilesDeleted|" + odd + "\\x\",\"y.txt\n");
}

// The to-do counters are those the tab's refresh shows, also for relative templates and the
// modes without files.
TEST_F(CliProcessTest, ToDoCountersBeforeTheRun) {
    const CliResult relative = RunCliProcess(
        {"copy", "--line", Host("Clients/Acme"), "--line", Host("Clients/Bolt"), "--template",
         "\\a", "--template", "\\b", "--template", "\\c", "--simulate"});
    EXPECT_TRUE(relative.out.starts_with("FoldersToCopy: 2\nSubFoldersToCopy: 6\n"))
        << relative.out;
    const CliResult full =
        RunCliProcess({"copy", "--line", Host("Clients/Acme"), "--kind", "full", "--attach",
                       "main-without-files", "--template", Host("T/Docs"), "--simulate"});
    EXPECT_TRUE(full.out.starts_with("FoldersToCopy: 1\nSubFoldersToCopy: 2\n")) << full.out;
}

}  // namespace
}  // namespace arbovane
