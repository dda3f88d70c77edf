#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/CliArguments.h"
#include "cli/CliJournal.h"

namespace arbovane {
namespace {

using Args = std::vector<std::string>;

TEST(CliArgumentsTest, RefusesWhatACommandDoesNotTake) {
    const struct {
        Args args;
        std::string error;
    } cases[] = {
        {{"frob"}, "unknown command \"frob\""},
        {{"delete", "--frob"}, "unknown option \"--frob\" for delete"},
        {{"delete", "--prefix", "x"},
         "option --prefix is not used by delete (see 'arbovane-cli delete --help')"},
        {{"undo", "--simulate"},
         "option --simulate is not used by undo (see 'arbovane-cli undo --help')"},
        {{"create-names", "--pattern", "*.txt"},
         "option --pattern is not used by create-names (see 'arbovane-cli create-names --help')"},
        {{"copy", "--kind", "full", "--kind=relative"}, "option --kind is given twice"},
        {{"copy", "--line", "d:\\a", "--line", "d:\\b", "--pattern", "a", "--pattern", "b"}, ""},
        {{"create-paths", "--hyphen", "--line", "d:\\a\\b"}, ""},
        {{"copy", "--template"}, "option --template needs a value (LINE)"},
        {{"delete", "--yes=1"}, "option --yes takes no value"},
        {{"rename", "--line", "d:\\a", "--suffix", "old"}, ""},
        {{"delete", "--mode=complete", "-h"}, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseCliArguments(c.args).error, c.error) << c.args[0];
}

TEST(CliArgumentsTest, CollectsRepeatedAndInlineValues) {
    const CliParse parse =
        ParseCliArguments({"copy", "--line", "d:\\a", "--line=d:\\b", "--template", "\\T", "--kind",
                           "relative", "--option=without-first", "--simulate"});
    ASSERT_EQ(parse.error, "");
    EXPECT_EQ(*parse.options.command, CliCommand::Copy);
    EXPECT_EQ(parse.options.lines, (Args{"d:\\a", "d:\\b"}));
    EXPECT_EQ(parse.options.templates, (Args{"\\T"}));
    EXPECT_EQ(parse.options.option, "without-first");
    EXPECT_TRUE(parse.options.simulate);
    EXPECT_FALSE(parse.options.yes);
}

TEST(CliArgumentsTest, UsageListsOnlyTheCommandsOwnOptions) {
    const std::string usage = CliUsage(CliCommand::Delete);
    EXPECT_NE(usage.find("--mode MODE"), std::string::npos);
    EXPECT_NE(usage.find("--read-only"), std::string::npos);
    EXPECT_EQ(usage.find("--template"), std::string::npos);
    EXPECT_NE(CliUsage(std::nullopt).find("create-numbers"), std::string::npos);
}

// Every option the parser knows is documented where a user looks: the manual page and the help
// of each command that takes it.
TEST(CliArgumentsTest, ManPageAndHelpNameEveryOption) {
    const std::filesystem::path page =
        std::filesystem::path(ARBOVANE_SOURCE_DIR) / "docs/arbovane-cli.1";
    std::ifstream in(page);
    ASSERT_TRUE(in) << page;
    std::ostringstream text;
    text << in.rdbuf();
    // Roff spells a hyphen "\\-" where it must stay one; either spelling names the option.
    std::string man = text.str();
    for (std::size_t at = 0; (at = man.find("\\-", at)) != std::string::npos;) man.erase(at, 1);
    for (const std::string& name : CliOptionNames())
        EXPECT_NE(man.find(name), std::string::npos) << name << " is not in the man page";
    for (const std::string& command : CliCommandNames()) {
        EXPECT_NE(man.find(command), std::string::npos) << command;
        const std::string usage = CliUsage(CliCommandNamed(command));
        for (const std::string& name : CliOptionNames(CliCommandNamed(command)))
            EXPECT_NE(usage.find("  " + name + " "), std::string::npos) << command << " " << name;
        for (const char* status : {"  0  ", "  1  ", "  2  "})
            EXPECT_NE(usage.find(status), std::string::npos) << command << " exit" << status;
    }
    for (const char* status : {".B 0\n", ".B 1\n", ".B 2\n"})
        EXPECT_NE(man.find(status), std::string::npos) << status;
}

TEST(CliJournalTest, KeepsEveryListAndStampThroughItsFile) {
    CliJournal journal;
    journal.tab = UndoTab::CreateIII;
    journal.folders.AttachModeMarker = "R";
    journal.folders.UndoRoot = "d:\\New\\";
    journal.folders.CreatedMainFolders = {"d:\\New\\1", "d:\\New\\2"};
    journal.folders.CreatedStructureFolders = {"d:\\New\\1\\Docs"};
    journal.folders.CopiedFiles = {"d:\\New\\1\\Docs\\a b.txt"};
    journal.folders.FailedUndoFolders = {"d:\\Old"};
    journal.folders.FailedUndoFiles = {"d:\\Old\\x"};
    journal.folders.CopiedFileStamps = {{"d:\\Old\\x", {12, -5}},
                                        {"d:\\New\\1\\Docs\\a b.txt", {3, 7}}};
    std::string error;
    const auto read = ParseJournalFile(JournalFileText(journal), error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(read->tab, UndoTab::CreateIII);
    EXPECT_EQ(read->folders.AttachModeMarker, "R");
    EXPECT_EQ(read->folders.UndoRoot, "d:\\New\\");
    EXPECT_EQ(read->folders.CreatedMainFolders, journal.folders.CreatedMainFolders);
    EXPECT_EQ(read->folders.CreatedStructureFolders, journal.folders.CreatedStructureFolders);
    EXPECT_EQ(read->folders.CopiedFiles, journal.folders.CopiedFiles);
    EXPECT_EQ(read->folders.FailedUndoFolders, journal.folders.FailedUndoFolders);
    EXPECT_EQ(read->folders.FailedUndoFiles, journal.folders.FailedUndoFiles);
    EXPECT_EQ(read->folders.CopiedFileStamps, journal.folders.CopiedFileStamps);

    CliJournal renames;
    renames.kind = CliJournal::Kind::Rename;
    renames.renames.RenamedPairs = {{"d:\\a", "d:\\a_old"}};
    renames.renames.FailedUndoPairs = {{"d:\\b", "d:\\b_old"}};
    const auto readRenames = ParseJournalFile(JournalFileText(renames), error);
    ASSERT_TRUE(readRenames) << error;
    EXPECT_EQ(readRenames->renames.RenamedPairs, renames.renames.RenamedPairs);
    EXPECT_EQ(readRenames->renames.FailedUndoPairs, renames.renames.FailedUndoPairs);
}

TEST(CliJournalTest, RefusesFilesItDidNotWrite) {
    const struct {
        std::string text;
        std::string error;
    } cases[] = {
        {"", "not a journal file of this program"},
        {"hello\n", "not a journal file of this program"},
        {"arbovane journal 1\n", "the journal names no tab"},
        {"arbovane journal 1\nmain\td:\\a\n", "line 2 of the journal cannot be read"},
        {"arbovane journal 1\ntab\tmove\n", "line 2 of the journal cannot be read"},
        {"arbovane journal 1\r\ntab\tcopy\r\nstamp\td:\\a\tx\t1\r\n",
         "line 3 of the journal cannot be read"},
        {"arbovane journal 1\ntab\trename\nmain\td:\\a\n", "line 3 of the journal cannot be read"},
        {"arbovane journal 1\ntab\tcopy\nrenamed\td:\\a\td:\\b\n",
         "line 3 of the journal cannot be read"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseJournalFile(c.text, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
}

}  // namespace
}  // namespace arbovane
