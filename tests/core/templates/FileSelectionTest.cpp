#include <gtest/gtest.h>

#include "HostBackend.h"
#include "core/app/ProgramSettings.h"
#include "core/templates/FileSelection.h"

namespace arbovane {
namespace {

using Lines = std::vector<std::string>;

const FileSelectionMessage k0542{
    "Both Copy and Delete Processes will use selected files (if the <Select Files> button is "
    "active).\n",
    "File Selection.            Warning no: 0542.", 48, MessageOwner::MainWindow};

FileSelectionMessage Odd(const std::string& count) {
    return {"Odd number of marks(separators) : " + count +
                "\n\nAction : You must enter an even number of separators(marks).",
            "Warning !    Msg no: 0519.", 48, MessageOwner::System};
}

FileSelectionMessage Period(const std::string& k, const std::string& total,
                            const std::string& token) {
    return {"Period (.) is missing from : " + total + " file names.\nNo: " + k + "/" + total +
                " is : " + token +
                "\nIf you want to search files with SPACE(s) in their names,\nthen you must put "
                "complete file name with extension into double quotes!\n",
            "Information !    Msg no: 0544", 64, MessageOwner::System};
}

void ExpectMessages(const std::vector<FileSelectionMessage>& shown,
                    const std::vector<FileSelectionMessage>& expected, const std::string& context) {
    ASSERT_EQ(shown.size(), expected.size()) << context;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(shown[i].text, expected[i].text) << context << " #" << i;
        EXPECT_EQ(shown[i].title, expected[i].title) << context << " #" << i;
        EXPECT_EQ(shown[i].flags, expected[i].flags) << context << " #" << i;
        EXPECT_EQ(shown[i].owner, expected[i].owner) << context << " #" << i;
    }
}

TEST(TokeniseSelection, SplitsQuotedAndPlainParts) {
    const struct {
        std::string entry;
        Lines tokens;
    } cases[] = {
        {"*.txt \"my report.doc\" f?sd.exe", {"*.txt", "my report.doc", "f?sd.exe"}},
        {"*.txt f?sd.exe *.*", {"*.txt", "f?sd.exe", "*.*"}},
        {"*.txt *.TXT *.txt", {"*.txt", "*.TXT", "*.txt"}},
        {"\"a b.txt\"", {"a b.txt"}},
        {"a b.txt", {"a", "b.txt"}},
        {"a\"b c\"d", {"a", "b c", "d"}},
        {"\"   \"", {}},
        {"\"\"", {}},
        {"", {}},
        {" \t\r\n\v\f ", {}},
        {"a.txt\tb.txt\nc.txt\r\vd.txt\fe.txt", {"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"}},
        // Only blanks are trimmed inside quotes; other white space stays with the name.
        {"\"  x y.txt  \"", {"x y.txt"}},
        {"\"\tx.txt\"", {"\tx.txt"}},
        {"\"a.txt\"\"b.txt\"", {"a.txt", "b.txt"}},
        {"  lead.txt   trail.txt  ", {"lead.txt", "trail.txt"}},
        {"x\"\"y", {"x", "y"}},
    };
    for (const auto& c : cases) {
        Lines tokens{"junk"};
        FileSelectionMessage failure;
        EXPECT_TRUE(TokeniseSelection(c.entry, tokens, failure)) << c.entry;
        EXPECT_EQ(tokens, c.tokens) << c.entry;
    }
}

TEST(TokeniseSelection, OddQuoteCountFailsWithMessage0519) {
    const struct {
        std::string entry, count;
    } cases[] = {{"\"a.txt", "1"}, {"\"a b\" \"c", "3"}, {"a\"b\"c\"d\"e\"", "5"}};
    for (const auto& c : cases) {
        Lines tokens{"junk"};
        FileSelectionMessage failure;
        EXPECT_FALSE(TokeniseSelection(c.entry, tokens, failure)) << c.entry;
        EXPECT_TRUE(tokens.empty()) << c.entry;
        ExpectMessages({failure}, {Odd(c.count)}, c.entry);
    }
}

TEST(PeriodCheckMessages, OneBoxPerDotlessTokenRepeatsIncluded) {
    ExpectMessages(PeriodCheckMessages({"*.txt", "readme"}), {Period("1", "1", "readme")}, "one");
    ExpectMessages(PeriodCheckMessages({"a", "b c", "d"}),
                   {Period("1", "3", "a"), Period("2", "3", "b c"), Period("3", "3", "d")},
                   "three");
    ExpectMessages(PeriodCheckMessages({"x", "y.z", "x"}),
                   {Period("1", "2", "x"), Period("2", "2", "x")}, "repeat");
    EXPECT_TRUE(PeriodCheckMessages({"*.*", ".hidden", "a.b.c"}).empty());
}

TEST(DropEmptyAndRepeatedTokens, KeepsFirstOfExactRepeats) {
    EXPECT_EQ(DropEmptyAndRepeatedTokens({"*.txt", "*.TXT", "*.txt"}), (Lines{"*.txt", "*.TXT"}));
    EXPECT_EQ(DropEmptyAndRepeatedTokens({"b", "\t", "a", " ", "", "b", "a"}), (Lines{"b", "a"}));
}

TEST(SelectionTextOf, QuotesPatternsWithWhiteSpace) {
    EXPECT_EQ(SelectionTextOf({"*.txt", "my report.doc", "f?sd.exe"}),
              "*.txt \"my report.doc\" f?sd.exe");
    EXPECT_EQ(SelectionTextOf({"\tx.txt"}), "\"\tx.txt\"");
    EXPECT_EQ(SelectionTextOf({"*.*"}), "*.*");
    EXPECT_EQ(SelectionTextOf({}), "");
}

class ApplyFileSelectionTest : public ::testing::Test {
protected:
    ApplyFileSelectionTest() {
        settings_.selectedPatterns = {"*.old"};
        settings_.selectionText = "*.old";
        settings_.namesMenu = {"*.old"};
    }
    FileSelectionOutcome Ok(const std::string& entry, const Lines& combo = {"*.old"}) {
        return ApplyFileSelection(text_, entry, combo, settings_);
    }

    const HostText text_;
    ProgramSettings settings_;
};

TEST_F(ApplyFileSelectionTest, EntriesGiveTheirPatternsTextLabelAndMenu) {
    const struct {
        std::string entry;
        Lines patterns;
        std::string selectionText, label;
        std::vector<FileSelectionMessage> after0542;
    } cases[] = {
        {"", {"*.*"}, "*.*", "All.", {}},
        {"    ", {"*.*"}, "*.*", "All.", {}},
        {"*.txt f?sd.exe *.*",
         {"*.txt", "f?sd.exe", "*.*"},
         "*.txt f?sd.exe *.*",
         ".txt .exe .*",
         {}},
        {"*.txt *.TXT *.txt", {"*.txt", "*.TXT"}, "*.txt *.TXT", ".txt .TXT", {}},
        {"\"a b.txt\"", {"a b.txt"}, "\"a b.txt\"", ".txt", {}},
        {"a b.txt", {"a", "b.txt"}, "a b.txt", ".txt", {Period("1", "1", "a")}},
        {"readme", {"readme"}, "readme", "", {Period("1", "1", "readme")}},
        {"a\"b c\"d",
         {"a", "b c", "d"},
         "a \"b c\" d",
         "",
         {Period("1", "3", "a"), Period("2", "3", "b c"), Period("3", "3", "d")}},
        {"*.txt \"  \" *.doc", {"*.txt", "*.doc"}, "*.txt *.doc", ".txt .doc", {}},
        // Nothing left to select means all files, as a blank entry does.
        {"\"  \"", {"*.*"}, "*.*", "All.", {}},
    };
    for (const auto& c : cases) {
        settings_ = ProgramSettings{};
        settings_.namesMenu = {"*.old"};
        const FileSelectionOutcome outcome = Ok(c.entry);
        std::vector<FileSelectionMessage> expected{k0542};
        expected.insert(expected.end(), c.after0542.begin(), c.after0542.end());
        ExpectMessages(outcome.messages, expected, c.entry);
        EXPECT_TRUE(outcome.changed) << c.entry;
        EXPECT_EQ(settings_.selectedPatterns, c.patterns) << c.entry;
        EXPECT_EQ(settings_.selectionText, c.selectionText) << c.entry;
        EXPECT_EQ(outcome.labelText, c.label) << c.entry;
        EXPECT_EQ(outcome.comboItems, (Lines{"*.old", c.selectionText})) << c.entry;
        EXPECT_EQ(settings_.namesMenu, (Lines{"*.old", c.selectionText})) << c.entry;
    }
}

TEST_F(ApplyFileSelectionTest, OddQuotesLeaveTheSelectionAsItWas) {
    const ProgramSettings before = settings_;
    const FileSelectionOutcome outcome = Ok("\"a.txt", {"*.old", "typed"});
    ExpectMessages(outcome.messages, {k0542, Odd("1")}, "odd");
    EXPECT_FALSE(outcome.changed);
    EXPECT_EQ(settings_, before);
    EXPECT_EQ(outcome.comboItems, (Lines{"*.old", "typed"}));
}

// The walks build every path as the folder they list plus the name found; a pattern that lists
// another folder would have them delete files that were never matched.
TEST_F(ApplyFileSelectionTest, PatternsWithAFolderPartLeaveTheSelectionAsItWas) {
    const struct {
        std::string entry;
        std::string refused;  // the lines of 0547 after its first line
    } cases[] = {
        {"Old\\*.doc", "\nOld\\*.doc"},
        {"*.txt ..\\*.txt", "\n..\\*.txt"},
        {"a/b.txt c:*.txt", "\na/b.txt\nc:*.txt"},
        {"\"..\" *.doc .", "\n..\n."},
        {"\"My Docs\\x.doc\"", "\nMy Docs\\x.doc"},
    };
    for (const auto& c : cases) {
        const ProgramSettings before = settings_;
        const FileSelectionOutcome outcome = Ok(c.entry, {"*.old", "typed"});
        ExpectMessages(
            outcome.messages,
            {k0542,
             {"A file name can not hold a folder or a drive : " + c.refused +
                  "\n\nAction : You must enter file names and extensions only, "
                  "without \\ / : and ..",
              "File Selection.            Warning no: 0547.", 48, MessageOwner::MainWindow}},
            c.entry);
        EXPECT_FALSE(outcome.changed) << c.entry;
        EXPECT_EQ(settings_, before) << c.entry;
        EXPECT_EQ(outcome.comboItems, (Lines{"*.old", "typed"})) << c.entry;
    }
    // Dots inside a name are no folder part.
    EXPECT_TRUE(Ok("..txt a..b.doc").changed);
    EXPECT_EQ(settings_.selectedPatterns, (Lines{"..txt", "a..b.doc"}));
}

TEST_F(ApplyFileSelectionTest, MenuTakesTheNonEmptyComboItemsAndAddsTheTextOnce) {
    Ok("*.DOC", {"", "*.doc", "*.txt"});
    // The combo box finds the text whatever its letter case.
    EXPECT_EQ(settings_.namesMenu, (Lines{"*.doc", "*.txt"}));
    EXPECT_EQ(settings_.selectedPatterns, (Lines{"*.DOC"}));

    // After Clear Menu the list holds only the new text.
    Ok("*.pdf", {});
    EXPECT_EQ(settings_.namesMenu, (Lines{"*.pdf"}));
}

TEST(ActivateFileSelection, AddsMenuAndCurrentTextUnlessHeld) {
    const HostText text;
    const struct {
        Lines combo, menu;
        std::string selectionText;
        Lines items;
        int selected;
    } cases[] = {
        {{}, {}, "", {"*.*"}, 0},
        {{}, {}, "   ", {"*.*"}, 0},
        {{}, {"*.txt", "*.doc"}, "*.doc", {"*.txt", "*.doc"}, 1},
        {{}, {"*.txt", "", "*.TXT"}, "\"a b.txt\"", {"*.txt", "\"a b.txt\""}, 1},
        {{"*.doc"}, {"*.DOC", "*.txt"}, "*.TXT", {"*.doc", "*.txt"}, 1},
        {{"*.doc", "*.*"}, {}, "", {"*.doc", "*.*"}, 1},
    };
    for (const auto& c : cases) {
        const FileSelectionActivation shown =
            ActivateFileSelection(text, c.combo, c.menu, c.selectionText);
        EXPECT_EQ(shown.items, c.items) << c.selectionText;
        EXPECT_EQ(shown.selected, c.selected) << c.selectionText;
    }
}

TEST(ClearMenuMessage, WarnsOnEmptyListAndAsksOtherwise) {
    ExpectMessages({ClearMenuMessage(0)},
                   {{"Empty List in the File Names Menu!\n",
                     "File Selection.            Warning no: 0545.", 48, MessageOwner::MainWindow}},
                   "empty");
    ExpectMessages(
        {ClearMenuMessage(2)},
        {{"Do you want to delete all item(s) from the File Names Menu ?",
          "File Selection.            Warning no: 0546.", 292, MessageOwner::MainWindow}},
        "full");
}

}  // namespace
}  // namespace arbovane
