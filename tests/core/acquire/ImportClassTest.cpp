#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "HostBackend.h"
#include "core/acquire/ImportClass.h"
#include "core/acquire/SplitLine.h"
#include "core/lists/FolderList.h"
#include "support/TempDrives.h"
#include "support/TimeLimit.h"

namespace arbovane {
namespace {

using testing::TempDrives;
using Lines = std::vector<std::string>;

TEST(SplitLine, CutsAtAnyCharacterOfTheSeparatorOrKeepsQuotedRunsAtSpaces) {
    const struct {
        std::string line;
        std::string separator;
        Lines fields;
        QuotingStyle style;
    } cases[] = {
        {"a;;b;", ";", {"a", "b"}, QuotingStyle::None},
        {";a ; b c ;", ";", {"a", "b c"}, QuotingStyle::None},
        {"a,b;c|d", ",;", {"a", "b", "c|d"}, QuotingStyle::None},
        {"a,b;c", ";", {"a,b", "c"}, QuotingStyle::None},
        // Quotes mean nothing to another separator.
        {"\"x,y\",z", ",", {"\"x", "y\"", "z"}, QuotingStyle::None},
        {"   ", ",", {}, QuotingStyle::None},
        {"abc \"d e\" fg", " ", {"abc", "d e", "fg"}, QuotingStyle::Double},
        {"a b \"c d\"", " ", {"a b", "c d"}, QuotingStyle::Double},
        {"a b c", " ", {"a", "b", "c"}, QuotingStyle::None},
        {"  a   b  ", " ", {"a", "b"}, QuotingStyle::None},
        {"\"x y\"\"z\"", " ", {"x y", "z"}, QuotingStyle::Double},
        {"\"\" a", " ", {"a"}, QuotingStyle::Double},
        {"p 'q r' s", " ", {"p", "q r", "s"}, QuotingStyle::Single},
        // One double quote beside two single quotes: all three are cut positions.
        {"a \"b 'c d' e", " ", {"a", "b", "c d", "e"}, QuotingStyle::Single},
        // A lone quote still cuts: what follows it is one field.
        {"a \"b c", " ", {"a", "b c"}, QuotingStyle::None},
        {"it's here", " ", {"it", "s here"}, QuotingStyle::None},
    };
    for (const auto& c : cases) {
        QuotingStyle style = QuotingStyle::None;
        EXPECT_EQ(SplitLine(c.line, c.separator, style), c.fields) << c.line;
        EXPECT_EQ(style, c.style) << c.line;
    }
}

TEST(SplitLine, AQuotingStyleStaysSetForLinesWithoutQuotes) {
    QuotingStyle style = QuotingStyle::None;
    SplitLine("x \"y z\"", " ", style);
    EXPECT_EQ(SplitLine("u v", " ", style), (Lines{"u", "v"}));
    EXPECT_EQ(style, QuotingStyle::Double);
    SplitLine("'a' 'b'", " ", style);
    EXPECT_EQ(style, QuotingStyle::Single);
}

TEST(QuotedText, DequotingUndoesQuoting) {
    const struct {
        std::string text;
        char quote;
        std::string dequoted;
    } cases[] = {
        {"\"c:\\My Data\"", '"', "c:\\My Data"},
        {"\"a\"\"b\"", '"', "a\"b"},
        {"\"a\" tail", '"', "a"},
        {"\"open", '"', "open"},
        {"\"\"", '"', "\"\""},
        {"plain", '"', "plain"},
        {" \"lead\"", '"', " \"lead\""},
        {"'it''s'", '\'', "it's"},
        {"'x'", '"', "'x'"},
    };
    for (const auto& c : cases) EXPECT_EQ(DequotedText(c.text, c.quote), c.dequoted) << c.text;
    EXPECT_EQ(QuotedText("a\"b", '"'), "\"a\"\"b\"");
    EXPECT_EQ(QuotedText("it's", '\''), "'it''s'");
    EXPECT_EQ(DequotedText(QuotedText("", '"'), '"'), "\"\"");
}

TEST(ColumnNumberFrom, TakesNumbersDropsFractionsRefusesText) {
    const struct {
        std::string text;
        bool ok;
        long long column;
    } cases[] = {
        {"3", true, 3},   {" 12 ", true, 12}, {"2.9", true, 2},  {"+4", true, 4},
        {"-1", true, -1}, {"1e1", true, 10},  {"", false, 0},    {"abc", false, 0},
        {"3x", false, 0}, {"1,5", false, 0},  {"nan", false, 0}, {"1e30", false, 0},
    };
    for (const auto& c : cases) {
        long long column = 0;
        EXPECT_EQ(ColumnNumberFrom(c.text, column), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(column, c.column) << c.text;
        }
    }
}

class ImportClassTest : public ::testing::Test {
protected:
    ImportClassTest() : host_(drives_.Map('D')) {}

    Lines Import(const std::string& content, int mode, const std::string& separator,
                 bool abandonQuotes, long long column = 1) {
        TempDrives::WriteHostFile(host_ + "/list.csv", content);
        ImportClass import(drives_.Fs(), "d:\\list.csv", mode, separator, "\"", abandonQuotes);
        import.SetColumn(column);
        EXPECT_TRUE(import.Run());
        EXPECT_EQ(import.Error(), 0);
        return import.Result();
    }

    TempDrives drives_;
    std::string host_;
};

TEST_F(ImportClassTest, ModesSeparatorsAndQuotes) {
    const struct {
        std::string content;
        int mode;
        std::string separator;
        bool abandon;
        long long column;
        Lines result;
    } cases[] = {
        {"  c:\\Data\\A  \r\n\r\n   \n", 2, ",", true, 1, {"c:\\Data\\A"}},
        {"\"c:\\My Data\"\n", 2, ",", true, 1, {"c:\\My Data"}},
        {"\"c:\\My Data\"\n", 2, ",", false, 1, {"\"c:\\My Data\""}},
        {"'it''s'\n\"'q'\"", 2, ",", true, 1, {"it's", "q"}},
        {"a,b\nlast", 2, ";", true, 1, {"a,b", "last"}},
        {"\xEF\xBB\xBFx\n", 2, ",", true, 1, {"x"}},
        {"a;;b;\n", 4, ";", true, 1, {"a", "b"}},
        {"x \"y z\"\n", 4, "space", true, 1, {"x", "y z"}},
        // Once a line held double quotes, every later field comes quoted.
        {"x \"y z\"\nu v\n", 4, "space", false, 1, {"\"x\"", "\"y z\"", "\"u\"", "\"v\""}},
        {"u v\nx \"y z\"\n", 4, " ", false, 1, {"u", "v", "\"x\"", "\"y z\""}},
        {"p 'q r'\n", 4, " ", false, 1, {"'p'", "'q r'"}},
        {"a;b;c\nd;e\nf;g;h\n", 5, ";", true, 3, {"c", "h"}},
        {"a;b;c\nd;e\n", 5, ";", true, 2, {"b", "e"}},
        {"a;b\n", 5, ";", true, 0, {}},
        {"  ;  \n;;\n", 4, ";", true, 1, {}},
        {"a,b\n", 7, ",", true, 1, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Import(c.content, c.mode, c.separator, c.abandon, c.column), c.result)
            << c.content << " mode " << c.mode;
}

// A NUL byte is no blank to trim: the file is refused with the line that holds it, nothing read.
TEST_F(ImportClassTest, AFileHoldingANulIsRefused) {
    using namespace std::string_literals;
    TempDrives::WriteHostFile(host_ + "/list.txt", "d:\\main\r\nd:\\main\\sub\0\nd:\\x\n"s);
    ImportClass import(drives_.Fs(), "d:\\list.txt", ImportClass::kLines, ",", "\"", true);
    EXPECT_FALSE(import.Run());
    EXPECT_TRUE(import.Result().empty());
    EXPECT_EQ(import.Failure().text,
              "Line 2 of the file holds a NUL character, and the file is not imported.\nAction : "
              "Remove the NUL characters, or save the list as plain text.");
    EXPECT_EQ(import.Failure().title, "Import File content.            Warnings no: 0313.");
}

// Separators and line ends are whole characters, and no item keeps a control character.
TEST_F(ImportClassTest, ItemsAreCutAtWholeCharactersAndCarryNoControlCharacters) {
    const std::string section = "\xC2\xA7", copyright = "\xC2\xA9", e = "\xC3\xA9", u = "\xC3\xBC";
    const struct {
        const char* name;
        std::string content;
        int mode;
        std::string separator;
        Lines result;
    } cases[] = {
        {"separator beside a character sharing its first byte",
         "a" + section + "b" + copyright + "c\n",
         4,
         section,
         {"a", "b" + copyright + "c"}},
        {"separator sharing a byte with a letter",
         "a" + u + "b" + e + "c\n",
         4,
         e,
         {"a" + u + "b", "c"}},
        {"two separators of two bytes", "x" + e + "y" + section + "z\n", 5, e + section, {"x"}},
        {"a lone carriage return ends a line", "a\rb\r\rc\r\r\nd", 2, ",", {"a", "b", "c", "d"}},
        {"no carriage return stays in a field", "d:\\x\r\r\ne;f\r", 4, ";", {"d:\\x", "e", "f"}},
        {"control characters become blanks",
         "\td:\\x\t\x01\nmy\tdata\n",
         2,
         ",",
         {"d:\\x", "my data"}},
        {"in fields too", "a\x01;\x7F;b\tc\n", 4, ";", {"a", "b c"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Import(c.content, c.mode, c.separator, true), c.result) << c.name;
}

TEST_F(ImportClassTest, AFileThatCannotBeReadGivesMessage0313AndNoResult) {
    ImportClass import(drives_.Fs(), "d:\\missing.txt", ImportClass::kLines, ",", "\"", true);
    EXPECT_FALSE(import.Run());
    EXPECT_EQ(import.Error(), 2);
    EXPECT_EQ(import.ErrorText(), "2");
    EXPECT_TRUE(import.Result().empty());
    EXPECT_EQ(import.Failure().text,
              "There was a problem opening the file !\nAction : The file is maybe corrupted.");
    EXPECT_EQ(import.Failure().title, "Import File content.            Warnings no: 0313.");
    EXPECT_EQ(import.Failure().flags, 48);
}

// A file over the size limit is refused whole with its own text, one at the limit is read.
TEST_F(ImportClassTest, AFileOverTheSizeLimitIsRefusedUnread) {
    constexpr std::uint64_t kLimit = std::uint64_t{1} << 20;
    const std::string line = "d:\\Clients\\Acme01\n";
    std::string atLimit;
    while (atLimit.size() + line.size() <= kLimit) atLimit += line;
    atLimit.resize(kLimit, 'x');
    for (const bool over : {false, true}) {
        TempDrives::WriteHostFile(host_ + "/big.txt", over ? atLimit + "y" : atLimit);
        ImportClass import(drives_.Fs(), "d:\\big.txt", ImportClass::kLines, ",", "\"", true);
        import.SetSizeLimit(kLimit);
        EXPECT_EQ(import.Run(), !over);
        if (!over) {
            const auto lines = std::count(atLimit.begin(), atLimit.end(), '\n');
            EXPECT_EQ(import.Result().size(),
                      static_cast<std::size_t>(lines) + (atLimit.back() == '\n' ? 0 : 1));
            continue;
        }
        EXPECT_TRUE(import.Result().empty());
        EXPECT_EQ(import.Failure().text,
                  "The file is larger than 1 MB and is not imported.\nAction : Split it into "
                  "smaller files.");
        EXPECT_EQ(import.Failure().title, "Import File content.            Warnings no: 0313.");
        EXPECT_EQ(import.Failure().flags, 48);
    }
}

// Linear in the lines: ten times the lines may take about ten times as long, never the hundred
// times of work that grows with their square. A ratio, so a busy machine slows both alike.
TEST_F(ImportClassTest, AMillionLineCsvImportsInLinearTime) {
    const auto timed = [this](int lines, double& seconds) {
        std::string content;
        content.reserve(static_cast<std::size_t>(lines) * 40);
        for (int i = 0; i < lines; ++i)
            content += "d:\\Clients\\Customer" + std::to_string(i) + ";\"x y\";z\r\n";
        const auto start = std::chrono::steady_clock::now();
        const Lines result = Import(content, ImportClass::kColumn, ";", true, 1);
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        return result;
    };
    double tenth = 0, whole = 0;
    ASSERT_EQ(timed(100'000, tenth).size(), 100'000u);
    const Lines result = timed(1'000'000, whole);
    ASSERT_EQ(result.size(), 1'000'000u);
    EXPECT_EQ(result.back(), "d:\\Clients\\Customer999999");
    EXPECT_LT(whole, std::max(30.0 * tenth, 1.0)) << "100,000 lines took " << tenth << " s";
    EXPECT_LT(whole, 30.0 * testing::kTimeLimitScale);
}

TEST(ImportMessage, TextsTitlesAndFlags) {
    const struct {
        const char* number;
        const char* text;
        const char* title;
        int flags;
    } cases[] = {
        {"0311",
         "The file extension is not txt.\nMaybe it is not a plain text file. \nDo you want to "
         "select this file ?\nClick YES to Continue Selecting this file,\nClick NO to Stop the "
         "Select process.",
         "Import File content.            Warnings no: 0311.", 292},
        {"0312", "There was a problem opening the file !\nAction : The file is maybe corrupted.",
         "Import File content.            Warnings no: 0312.", 48},
        {"0450", "End of the IMPORT process!",
         "Import File content.            Information no: 0450.", 64},
        {"0451", "End of the making FOLDER LIST process! (Preview)",
         "Import File content.            Information no: 0451.", 64},
    };
    for (const auto& c : cases) {
        const ListMessage message = ImportMessage(c.number);
        EXPECT_EQ(message.text, c.text) << c.number;
        EXPECT_EQ(message.title, c.title) << c.number;
        EXPECT_EQ(message.flags, c.flags) << c.number;
    }
}

TEST(ImportDialogRules, SeparatorsModesAndSourceLines) {
    const HostText text;
    EXPECT_EQ(ImportSeparatorEntries(text, {}),
              (Lines{",", "\"", "'", "|", "~", ";", ":", "#", "&", "@", "$", "<", ">", ".", "-",
                     "_", "space"}));
    EXPECT_EQ(ImportSeparatorEntries(text, {"Tab", ";", "TAB"}), (Lines{"Tab", ";"}));

    EXPECT_EQ(ImportSeparatorFrom("   "), " ");
    EXPECT_EQ(ImportSeparatorFrom(" ; "), ";");
    EXPECT_EQ(ImportSeparatorFrom("space"), "space");

    EXPECT_EQ(ImportModeFor(true, true, false), 2);
    EXPECT_EQ(ImportModeFor(false, true, false), 4);
    EXPECT_EQ(ImportModeFor(false, false, true), 5);
    EXPECT_EQ(ImportModeFor(false, false, false), 2);

    for (const char* path : {"d:\\a.csv", "d:\\a", "d:\\a.txt.bak"})
        EXPECT_TRUE(AsksAboutExtension(text, path)) << path;
    for (const char* path : {"d:\\a.txt", "d:\\a.TXT", "d:\\x.y\\a.Txt"})
        EXPECT_FALSE(AsksAboutExtension(text, path)) << path;

    EXPECT_EQ(SourceLineOf(std::string(3000, 'x')), std::string(2048, 'x'));
    // 2048 characters, not bytes: the two-byte 2048th character stays whole.
    const std::string accented = std::string(2047, 'x') + "\xC3\xA9" + "y";
    EXPECT_EQ(SourceLineOf(accented), std::string(2047, 'x') + "\xC3\xA9");
    EXPECT_EQ(SourceLineOf("  a  "), "  a  ");
    // Bytes that are no UTF-8 are shown as far as the limit, never dropped as a whole.
    EXPECT_EQ(SourceLineOf(std::string(3000, '\x80')), std::string(2048, '\x80'));
    EXPECT_EQ(SourceLineOf(std::string(2047, 'x') + "\xF0\x9D\x84\x9E"), std::string(2047, 'x'));
}

TEST(ImportDialogRules, ThePreviewNeverHoldsDuplicates) {
    const HostText text;
    FolderList preview(text);
    for (const char* item : {"d:\\A", " d:\\a ", "   ", "e:\\b", "D:\\A", "e:\\b "})
        AddToPreview(preview, item);
    EXPECT_EQ(preview.Lines(), (Lines{"d:\\A", "e:\\b"}));

    ParseBackPreview(preview, {"  d:/x//y ", "", "D:\\X\\Y", "   ", "e:\\z"});
    EXPECT_EQ(preview.Lines(), (Lines{"d:\\x\\y", "e:\\z"}));
}

TEST(CheckImportFull, OwnDriveBlockThenTheSharedReports) {
    std::string message;
    EXPECT_FALSE(CheckImportFull(message, {"d:\\a", "e:\\b\\c"}));
    EXPECT_EQ(message, "");

    EXPECT_TRUE(CheckImportFull(message, {"d:\\a", "\\x", "y.txt"}));
    EXPECT_EQ(message,
              "You can only enter full paths with drive letters.\nThere are no drive letters in "
              "paths (total: 2 )\n\\x\ny.txt\n\n");

    EXPECT_TRUE(CheckImportFull(message, {"a.1", "b.2", "c.3", "e.4", "f.5"}));
    EXPECT_EQ(message,
              "You can only enter full paths with drive letters.\nThere are no drive letters in "
              "paths (total: 5 )\na.1\nb.2\nc.3\n\n2  more left\n");

    EXPECT_TRUE(CheckImportFull(message, {"d:\\a*b:c"}));
    EXPECT_EQ(message,
              "Error Type: There are Syntax errors in the Folder Names ( / \" * | < > ?)  (total: "
              "1) \nSyntax Error:  *    d:\\a*b:c\n\nThere are more than one Colons in the Folder "
              "Names (total: 1) \nNo. of Colons: 2   d:\\a*b:c\n\n");
}

TEST(CheckImportRelative, OwnDriveBlockThenTheSharedReports) {
    std::string message;
    EXPECT_FALSE(CheckImportRelative(message, {"\\a", "\\b\\c"}));
    EXPECT_EQ(message, "");

    EXPECT_TRUE(CheckImportRelative(message, {"\\a", "d:\\x"}));
    EXPECT_EQ(message,
              "You can only enter relative paths without drive letters.\nThere are drive letters "
              "in paths (total: 1 )\nd:\\x\nThere are Colons in the Folder Names ( 1) \nNo. of "
              "Colons: 1   d:\\x\n\nError Type: There are paths not beginning with \\ (backslash) "
              "(total: 1) \nd:\\x\n\n");

    EXPECT_TRUE(CheckImportRelative(message, {"\\a.txt", "d:\\x"}));
    EXPECT_TRUE(
        message.starts_with("You can only enter relative paths without drive "
                            "letters.\nThere are drive letters in paths (total: 1 "
                            ")\nd:\\x\n\nThere are Colons"))
        << message;
}

}  // namespace
}  // namespace arbovane
