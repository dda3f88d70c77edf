#include <gtest/gtest.h>

#include "core/paths/Arbsplit.h"
#include "support/TempDrives.h"

namespace arbovane {
namespace {

using testing::TempDrives;

TEST(NormalisePath, TurnsSlashesAndCollapsesDoubles) {
    const struct {
        std::string in, out;
    } cases[] = {{"c:/a//b", "c:\\a\\b"},
                 {"c:\\\\\\\\a\\\\\\b", "c:\\a\\b"},
                 {"c:\\a\\", "c:\\a\\"},
                 // A network path keeps its leading pair.
                 {"\\\\server\\share\\\\dir", "\\\\server\\share\\dir"},
                 {"//server/share", "\\\\server\\share"},
                 {"\\\\\\server\\share", "\\\\server\\share"},
                 {"\\a\\\\b", "\\a\\b"},
                 {"", ""}};
    for (const auto& c : cases) EXPECT_EQ(NormalisePath(c.in), c.out) << c.in;
    EXPECT_EQ(NormaliseTypedText("c:::\\a//b::c"), "c:\\a\\b:c");
}

TEST(FindIllegalChars, EachModeHasItsSet) {
    const struct {
        char mode;
        std::string text;
        bool result;
        std::string found;
    } cases[] = {{'F', "a\\b", true, " \\"},
                 {'N', "a\\b", false, ""},
                 {'F', "x!y", true, " !"},
                 {'H', "x!y", false, ""},
                 {'H', "a[b];c", true, " [ ] ;"},
                 {'n', "a[b]", false, ""},
                 {'N', "a*b?c*", true, " * ? *"},
                 {'N', "c:\\a:b", false, ""},
                 {'F', "c:", true, " :"},
                 {'F', ":\"*[];|<>?!\\/", true, " : \" * [ ] ; | < > ? ! \\ /"},
                 {'H', ":*\"[];|<>?!\\/", true, " : * \" [ ] ; | < > ?"},
                 {'N', "/\"*|<>?:[]", true, " / \" * | < > ?"}};
    for (const auto& c : cases) {
        std::string found = "junk";
        EXPECT_EQ(FindIllegalChars(c.mode, c.text, found), c.result) << c.mode << c.text;
        EXPECT_EQ(found, c.found) << c.mode << c.text;
    }
}

TEST(AnalyseColons, EveryOutcome) {
    const struct {
        std::string text;
        bool result;
        std::string message;
    } cases[] = {
        {"abc", false, "Not found any colon (:) in the text !!!!"},
        {":abc", false, "The colon (:) is the first character in the text."},
        {"c:\\abc:", false, "The colon (:) is the last character in the text."},
        {"c:\\a:b", true, "There is(are) a drive letter(s) before colon(s) (:)."},
        {"c:\\1:b", false, "There is(are) no drive letter(s) before colon(s) (:) : 1"},
        {"c:\\a d:\\b", true, "There is(are) a drive letter(s) before colon(s) (:)."},
    };
    for (const auto& c : cases) {
        std::string message;
        EXPECT_EQ(AnalyseColons(c.text, message), c.result) << c.text;
        EXPECT_EQ(message, c.message) << c.text;
    }
}

TEST(CheckTextItem, RefusesEmptyAndIllegalText) {
    std::string normalised = "unchanged", message;
    EXPECT_FALSE(CheckTextItem("", normalised, message));
    EXPECT_EQ(message,
              "The text field is empty !\nAction : You must enter a text to add to the Include "
              "Folder List.");
    EXPECT_FALSE(CheckTextItem("d:\\a*b?", normalised, message));
    EXPECT_EQ(message, "Illegal characters in the text :  * ?");
    EXPECT_EQ(normalised, "unchanged");
    // A typed forward slash is refused before normalising, so only backslashes reach it.
    EXPECT_FALSE(CheckTextItem("d:/a", normalised, message));
    EXPECT_EQ(message, "Illegal characters in the text :  /");
    EXPECT_TRUE(CheckTextItem("d:\\a\\\\b::", normalised, message));
    EXPECT_EQ(normalised, "d:\\a\\b:");
}

TEST(SplitFullPaths, PiecesStartAtDriveLetters) {
    const struct {
        std::string text;
        std::vector<std::string> pieces;
    } cases[] = {{"c:\\a d:\\b", {"c:\\a ", "d:\\b"}},
                 {"junk c:/x/y", {"c:\\x\\y"}},
                 {"c:\\ab:c", {"c:\\a", "b:c"}},
                 {"no drive at all", {}},
                 {"", {}},
                 {":", {}},
                 {"e:", {"e:"}}};
    for (const auto& c : cases) EXPECT_EQ(SplitFullPaths(c.text), c.pieces) << c.text;
}

class ArbsplitDriveTest : public ::testing::Test {
protected:
    void SetUp() override { drives_.Map('C'); }
    TempDrives drives_;
};

TEST_F(ArbsplitDriveTest, CheckFolderName) {
    const struct {
        std::string path;
        bool acceptAny;
        bool result;
        std::string message;
    } cases[] = {
        {"data", false, false, "This item is not a valid Folder Name (No drive letter) !"},
        {"q:\\data", false, false, "There is no valid drive letter."},
        {"q:\\data", true, true, ""},
        {"c:\\", false, false, "There is no Folder part (just root)."},
        {"c:\\x", false, false, "There is no Folder part (just root)."},
        {"  c:\\x  ", false, false, "There is no Folder part (just root)."},
        {"c:\\xy", false, true, ""},
        {"C:\\xy", false, true, ""},
        {"c:\\x|y", false, false, "Illegal characters in the folder name :  |"},
        {"c:\\a:b", false, true, ""},
    };
    for (const auto& c : cases) {
        std::string message;
        EXPECT_EQ(CheckFolderName(drives_.Fs(), c.path, message, c.acceptAny), c.result) << c.path;
        EXPECT_EQ(message, c.message) << c.path;
    }
}

TEST_F(ArbsplitDriveTest, CheckSameFolder) {
    std::string message;
    EXPECT_TRUE(CheckSameFolder(drives_.TextPort(), "C:\\Work\\\\A", "c:\\work\\a", message));
    EXPECT_EQ(
        message,
        "The ATTACH/COPY/MOVE operation is NOT PERFORMED !!!\nThe Destination Folder is the "
        "same as the source Folder !!! \nDestination Folder : C:\\Work\\\\A\nSource Folder      "
        ": c:\\work\\a");
    // A trailing separator names the same folder; the message keeps the texts as given.
    EXPECT_TRUE(CheckSameFolder(drives_.TextPort(), "c:\\work\\a\\", "C:\\Work\\A", message));
    EXPECT_NE(message.find("Destination Folder : c:\\work\\a\\\n"), std::string::npos);
    EXPECT_FALSE(CheckSameFolder(drives_.TextPort(), "c:\\", "c:\\a", message));
    message.clear();
    EXPECT_FALSE(CheckSameFolder(drives_.TextPort(), "c:\\work\\b", "c:\\work\\a", message));
    EXPECT_EQ(message, "");
    EXPECT_TRUE(CheckSameFolder(drives_.TextPort(), "c:\\ok", "c:\\a?", message));
    EXPECT_EQ(message, "Illegal characters in the text :  ?");
    EXPECT_TRUE(CheckSameFolder(drives_.TextPort(), "", "c:\\a", message));
    EXPECT_EQ(message.rfind("The text field is empty !", 0), 0u);
}

TEST_F(ArbsplitDriveTest, ScreenPathLengthLimit) {
    const std::string base = "c:\\";
    const std::string at254 = base + std::string(254 - base.size(), 'a');
    const std::string at255 = base + std::string(255 - base.size(), 'a');
    std::vector<std::string> good, bad;
    EXPECT_TRUE(ScreenPath(drives_.Fs(), at254, good, bad));
    EXPECT_EQ(good, std::vector<std::string>{at254});
    EXPECT_FALSE(ScreenPath(drives_.Fs(), at255, good, bad));
    EXPECT_EQ(bad, std::vector<std::string>{at255});
    EXPECT_EQ(good.size(), 1u);
}

// The limits the rules give in characters count characters as Windows does (UTF-16 code units),
// not UTF-8 bytes.
TEST_F(ArbsplitDriveTest, LimitsCountCharactersNotBytes) {
    const std::string e = "\xC3\xA9";  // one character, two bytes
    std::string accented;
    for (int i = 0; i < 251; ++i) accented += e;
    const std::string at254 = "c:\\" + accented;
    std::vector<std::string> good, bad;
    EXPECT_TRUE(ScreenPath(drives_.Fs(), at254, good, bad));
    EXPECT_FALSE(ScreenPath(drives_.Fs(), at254 + e, good, bad));

    std::string message;
    EXPECT_TRUE(CheckFolderName(drives_.Fs(), "c:\\" + e + e, message, false)) << message;
    EXPECT_FALSE(CheckFolderName(drives_.Fs(), "c:\\" + e, message, false));
    EXPECT_EQ(message, "There is no Folder part (just root).");

    // Cut at 35 characters, never inside one.
    std::string longExtension;
    for (int i = 0; i < 20; ++i) longExtension += e;
    EXPECT_EQ(SummariseList({"*." + longExtension, "*." + longExtension + "x"}, 35),
              "." + longExtension + " ." + std::string(longExtension, 0, 12 * 2));
}

TEST_F(ArbsplitDriveTest, ScreenPathFilters) {
    const struct {
        std::string text;
        bool good;
        std::string screened;
    } cases[] = {{"c:/a//bc", true, "c:\\a\\bc"},
                 {"q:\\other", true, "q:\\other"},  // any drive letter passes the screen
                 {"\\a\\b", false, "\\a\\b"},
                 {"c:\\", false, "c:\\"},
                 {"c:\\1:x", false, "c:\\1:x"},
                 {"c:\\a*b", false, "c:\\a*b"}};
    for (const auto& c : cases) {
        std::vector<std::string> good, bad;
        EXPECT_EQ(ScreenPath(drives_.Fs(), c.text, good, bad), c.good) << c.text;
        EXPECT_EQ(c.good ? good : bad, std::vector<std::string>{c.screened}) << c.text;
    }
}

TEST(ReportFunctions, LayoutForFewAndMany) {
    std::string message;
    EXPECT_FALSE(ReportSyntaxErrors(message, {"c:\\ok", "c:/fine"}));
    EXPECT_EQ(message, "");
    EXPECT_TRUE(ReportSyntaxErrors(message, {"c:\\a*", "c:\\ok", "c://b?<"}));
    EXPECT_EQ(message,
              "Error Type: There are Syntax errors in the Folder Names ( / \" * | < > ?)  (total: "
              "2) \nSyntax Error:  *    c:\\a*\nSyntax Error:  ? <    c:\\b?<\n\n");

    message = "prefix|";
    EXPECT_TRUE(ReportColons(1, message, {"a:b:c", "d:\\x", "e:\\1:2:3", "f::", "g:h:", "k"}));
    EXPECT_EQ(
        message,
        "prefix|There are more than one Colons in the Folder Names (total: 4) \nNo. of Colons: "
        "2   a:b:c\nNo. of Colons: 3   e:\\1:2:3\nNo. of Colons: 2   f::\n\n1  more left\n\n");

    message.clear();
    EXPECT_TRUE(ReportColons(0, message, {"\\ok", "d:\\x"}));
    EXPECT_EQ(message, "There are Colons in the Folder Names ( 1) \nNo. of Colons: 1   d:\\x\n\n");

    message.clear();
    EXPECT_TRUE(ReportNoLeadingBackslash(message, {"\\a", "b", "/c", "d\\\\e"}));
    EXPECT_EQ(
        message,
        "Error Type: There are paths not beginning with \\ (backslash) (total: 2) \nb\nd\\e\n\n");
}

TEST(CheckFullPaths, FiveLinesWithoutDrive) {
    std::string message;
    EXPECT_TRUE(CheckFullPaths(message, {"\\a", "b", "c:\\ok", "\\d", "e", "f"}));
    EXPECT_EQ(message,
              "You can only enter full paths with drive letters.\nError Type: There are no drive "
              "letters in paths (5 )\n\\a\nb\n\\d\n\n2  more left\n\n");
}

// A NUL would end a path early on the host: the lines holding one are refused, the NUL shown.
TEST(CheckFullPaths, LinesHoldingANulAreRefused) {
    using namespace std::string_literals;
    std::string message;
    EXPECT_TRUE(CheckFullPaths(message, {"c:\\ok.txt", "c:/main//sub\0x.txt"s}));
    EXPECT_EQ(message,
              "Error Type: There are NUL characters in the Folder Names (total: 1) \n"
              "c:\\main\\sub[NUL]x.txt\n\n");
    EXPECT_TRUE(CheckRelativePaths(message, {"\\main\\sub\0x"s}));
    EXPECT_EQ(message,
              "Error Type: There are NUL characters in the Folder Names (total: 1) \n"
              "\\main\\sub[NUL]x\n\n");
}

TEST(CheckFullPaths, CleanListAndMixedErrors) {
    std::string message = "stale";
    EXPECT_FALSE(CheckFullPaths(message, {"c:\\a", "d:/b", "\\\\srv\\share\\x"}));
    EXPECT_EQ(message, "");

    // Every line has a drive and an extension, so no gap before the later reports.
    EXPECT_TRUE(CheckFullPaths(message, {"c:\\a.txt", "c:\\b.doc*", "c:\\x:y:z.q"}));
    EXPECT_EQ(message,
              "Error Type: There are Syntax errors in the Folder Names ( / \" * | < > ?)  (total: "
              "1) \nSyntax Error:  *    c:\\b.doc*\n\nThere are more than one Colons in the Folder "
              "Names (total: 1) \nNo. of Colons: 3   c:\\x:y:z.q\n\n");

    // All lines have extensions and are legal: the drive block ends without a gap.
    EXPECT_TRUE(CheckFullPaths(message, {"a.txt"}));
    EXPECT_EQ(message,
              "You can only enter full paths with drive letters.\nError Type: There are no drive "
              "letters in paths (1 )\na.txt\n");
    EXPECT_TRUE(CheckFullPaths(message, {""}));
    EXPECT_EQ(message,
              "You can only enter full paths with drive letters.\nError Type: There are no drive "
              "letters in paths (1 )\n\n\n\n");
}

TEST(CheckRelativePaths, DriveLettersAndTheOtherReports) {
    std::string message = "stale";
    EXPECT_FALSE(CheckRelativePaths(message, {"\\a", "\\b\\c", "/d"}));
    EXPECT_EQ(message, "");

    EXPECT_TRUE(CheckRelativePaths(message, {"c:\\a", "\\ok"}));
    EXPECT_EQ(message,
              "You can only enter relative paths without drive letters.\nError Type: There are "
              "drive letters in paths (1 )\nc:\\a\nThere are Colons in the Folder Names ( 1) \nNo. "
              "of Colons: 1   c:\\a\n\nError Type: There are paths not beginning with \\ "
              "(backslash) (total: 1) \nc:\\a\n\n");

    EXPECT_TRUE(CheckRelativePaths(message, {"c:\\a", "d:\\b", "e:\\c", "f:\\d.txt"}));
    const std::string opening =
        "You can only enter relative paths without drive letters.\nError Type: There are "
        "drive letters in paths (4 )\nc:\\a\nd:\\b\ne:\\c\n\n1  more left\n\n";
    EXPECT_EQ(message.substr(0, opening.size()), opening);

    EXPECT_TRUE(CheckRelativePaths(message, {"\\a|b", "x"}));
    EXPECT_EQ(message,
              "Error Type: There are Syntax errors in the Folder Names ( / \" * | < > ?)  (total: "
              "1) \nSyntax Error:  |    \\a|b\n\nError Type: There are paths not beginning with \\ "
              "(backslash) (total: 1) \nx\n\n");
}

TEST(FormatSize, StrictThresholds) {
    const struct {
        std::uint64_t bytes;
        std::string text;
    } cases[] = {{0, "0.00 Bytes"},          {1024, "1024.00 Bytes"},
                 {1025, "1.00 KB"},          {1048576, "1024.00 KB"},
                 {1048577, "1.00 MB"},       {1073741824ull, "1024.00 MB"},
                 {1073741825ull, "1.00 GB"}, {5ull * 1024 * 1024 * 1024 * 1024, "5120.00 GB"}};
    for (const auto& c : cases) EXPECT_EQ(FormatSize(c.bytes), c.text) << c.bytes;
    double value = 0;
    std::string unit;
    FormatSize(1536, value, unit);
    EXPECT_DOUBLE_EQ(value, 1.5);
    EXPECT_EQ(unit, " KB");
}

TEST(SummariseList, ExtensionsOnceAndCut) {
    const struct {
        std::vector<std::string> list;
        std::string summary;
    } cases[] = {
        {{"*.doc", "*.txt", "*.pdf", "*.xls", "*.ppt"}, ".doc .txt .pdf   (2)  more..."},
        {{"*.txt", "f?sd.exe", "*.*"}, ".txt .exe .*"},
        {{"*.doc", "a.doc", "readme", "b.DOC"}, ".doc .DOC"},
        {{"readme", "x"}, ""},
        {{"*.abcdefghijkl", "*.mnopqrstuvwx", "*.yzabcdefghij", "*.k"},
         ".abcdefghijkl .mnopqrstuvwx .yzabcd"},
        {{"d:\\a.b\\file"}, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(SummariseList(c.list, 35), c.summary);
}

TEST(CountSeparators, BothSlashes) {
    EXPECT_EQ(CountSeparators("d:\\a/b\\c"), 3u);
    EXPECT_EQ(CountSeparators("abc"), 0u);
    EXPECT_TRUE(StartsWithBackslash("\\a"));
    EXPECT_FALSE(StartsWithBackslash("/a"));
    EXPECT_FALSE(StartsWithBackslash(""));
}

}  // namespace
}  // namespace arbovane
