#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/CliArguments.h"

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

}  // namespace
}  // namespace arbovane
