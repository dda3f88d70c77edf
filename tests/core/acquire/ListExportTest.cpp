#include <gtest/gtest.h>

#include "HostBackend.h"
#include "core/acquire/ListExport.h"
#include "platform/memory/MemoryFileSystem.h"

namespace arbovane {
namespace {

using Lines = std::vector<std::string>;

// On a volume that keeps Windows' rule of letter case.
TEST(RebuildSourceLines, TransformsThenDropsCaseDuplicates) {
    const HostText text;
    MemoryFileSystem fs(text);
    const struct {
        Lines given;
        ExportLinesChoice choice;
        Lines expected;
    } cases[] = {
        {{"d:\\A", "e:\\A", "\\B"}, ExportLinesChoice::AsFolderTemplates, {"\\A", "\\B"}},
        {{"d:\\A", "e:\\A", "\\B"}, ExportLinesChoice::Unmodified, {"d:\\A", "e:\\A", "\\B"}},
        {{"d:\\Projects\\Alpha"}, ExportLinesChoice::AsFolderTemplates, {"\\Projects\\Alpha"}},
        {{"D:\\Data", "d:\\DATA", "e:\\data"},
         ExportLinesChoice::Unmodified,
         {"D:\\Data", "e:\\data"}},
        {{"D:\\Data", "e:\\DATA"}, ExportLinesChoice::AsFolderTemplates, {"\\Data"}},
        // Only the first colon is the drive's.
        {{"d:\\a:b"}, ExportLinesChoice::AsFolderTemplates, {"\\a:b"}},
        // A network path has no colon and stays whole.
        {{"\\\\server\\share\\x"}, ExportLinesChoice::AsFolderTemplates, {"\\\\server\\share\\x"}},
        {{"plain text", "Plain Text"}, ExportLinesChoice::AsFolderTemplates, {"plain text"}},
        {{"d:\\\xC3\x89t\xC3\xA9", "e:\\\xC3\xA9T\xC3\x89"},
         ExportLinesChoice::AsFolderTemplates,
         {"\\\xC3\x89t\xC3\xA9"}},
        {{}, ExportLinesChoice::AsFolderTemplates, {}},
    };
    for (const auto& c : cases) {
        const Lines result = RebuildSourceLines(text, fs, c.given, c.choice);
        EXPECT_EQ(result, c.expected) << (c.given.empty() ? "(empty)" : c.given.front());
    }
}

TEST(UniqueLines, KeepsTheFirstSpellingInOrder) {
    const HostText text;
    EXPECT_EQ(UniqueLines(text, {"b", "A", "a", "B", "c"}), (Lines{"b", "A", "c"}));
}

TEST(DelimiterEntries, SettingsSeparatorsOrTheBuiltInOnes) {
    const HostText text;
    EXPECT_EQ(DelimiterEntries(text, {}), (Lines{",", "space", "\"", "'", "|", "~", ";", ":", "#",
                                                 "&", "@", "$", "<", ">", ".", "-", "_"}));
    EXPECT_EQ(DelimiterEntries(text, {";", "Tab", "TAB", ",", "tab"}), (Lines{";", "Tab", ","}));
}

TEST(ContentKind, ComparedTrimmedAndUpperCased) {
    const struct {
        std::string kind;
        bool strings, writes;
        ExportLinesChoice templatesBecome;
    } cases[] = {
        {"FOLDERS", false, true, ExportLinesChoice::AsFolderTemplates},
        {"  folders ", false, true, ExportLinesChoice::AsFolderTemplates},
        {"STRINGS", true, true, ExportLinesChoice::Unmodified},
        {" Strings  ", true, true, ExportLinesChoice::Unmodified},
        {"TEXT", false, false, ExportLinesChoice::AsFolderTemplates},
        {"", false, false, ExportLinesChoice::AsFolderTemplates},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsStringsContent(c.kind), c.strings) << c.kind;
        EXPECT_EQ(WritesContent(c.kind), c.writes) << c.kind;
        EXPECT_EQ(ChoiceForContent(c.kind, ExportLinesChoice::AsFolderTemplates), c.templatesBecome)
            << c.kind;
        EXPECT_EQ(ChoiceForContent(c.kind, ExportLinesChoice::Unmodified),
                  ExportLinesChoice::Unmodified)
            << c.kind;
    }
}

TEST(ExportBytes, PlainTextAndCsvByteForByte) {
    const auto plain = ExportType::PlainTextFile;
    const auto csv = ExportType::CsvSeparatedFile;
    const struct {
        Lines lines;
        ExportFormat format;
        std::string kind;
        std::string bytes;
    } cases[] = {
        {{"d:\\A", " b "}, {plain, false, ","}, "FOLDERS", "d:\\A\r\n b \r\n"},
        {{"a", "b"}, {plain, true, ","}, "STRINGS", "\"a\"\r\n\"b\"\r\n"},
        {{"a", "b"}, {csv, true, "space"}, "FOLDERS", "\"a\" \"b\" "},
        {{"a", "b"}, {csv, false, "  space "}, "FOLDERS", "a b "},
        // Only the lower-case word stands for a blank.
        {{"a", "b"}, {csv, false, "Space"}, "FOLDERS", "aSpacebSpace"},
        {{"a", "b"}, {csv, false, " ; "}, "FOLDERS", "a;b;"},
        {{"a", "b"}, {csv, false, "::"}, "FOLDERS", "a::b::"},
        {{"a", "b"}, {csv, false, ""}, "FOLDERS", "ab"},
        {{"a"}, {csv, false, "\t"}, "FOLDERS", "a\t"},
        {{"\xC3\xA9t\xC3\xA9"}, {plain, false, ","}, "FOLDERS", "\xC3\xA9t\xC3\xA9\r\n"},
        {{}, {plain, false, ","}, "FOLDERS", ""},
        {{}, {csv, true, ","}, "STRINGS", ""},
        {{"a", "b"}, {plain, false, ","}, " folders", "a\r\nb\r\n"},
        {{"a", "b"}, {plain, false, ","}, "TEXT", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExportBytes(c.lines, c.format, c.kind), c.bytes)
            << (c.lines.empty() ? "(empty)" : c.lines.front()) << " / " << c.format.delimiter;
    }
}

}  // namespace
}  // namespace arbovane
