#include <gtest/gtest.h>

#include <limits>

#include "core/ops/create/CreateNames.h"

namespace arbovane {
namespace {

std::string Composed(const _tagVol0XParts& parts, const std::string& name = {}) {
    return ComposeFolderPath(parts, name);
}

TEST(CreateNames, NamePartsBelowADestination) {
    const struct {
        const char* parent;
        const char* prefix;
        const char* suffix;
        bool hyphen;
        const char* name;
        const char* path;
    } cases[] = {
        {"f:\\Clients", "2014", "July", true, "Customer1", "f:\\Clients\\2014-Customer1-July"},
        {"f:\\Clients", "", "July", true, "Customer1", "f:\\Clients\\Customer1-July"},
        {"f:\\Clients", "2014", "July", false, "Customer1", "f:\\Clients\\2014Customer1July"},
        {"f:\\Clients", "2014", "", true, "Customer1", "f:\\Clients\\2014-Customer1"},
        // Blanks only: no hyphen, the blanks stay.
        {"f:\\Clients", "  ", "", true, "C", "f:\\Clients\\  C"},
        {" f:\\Clients\\ ", "", "", true, "C", "f:\\Clients\\C"},
        {"d:\\", "Customer", "", true, "1", "d:\\Customer-1"},
        {"d:\\", "Client", "", true, "1", "d:\\Client-1"},
    };
    for (const auto& c : cases) {
        const auto parts = BuildNameParts(c.parent, c.prefix, c.suffix, c.hyphen);
        EXPECT_EQ(Composed(parts, c.name), c.path) << c.path;
        EXPECT_TRUE(parts.Core.empty());
    }
}

TEST(CreateNames, NamePartsAroundTheLastFolderOfAPath) {
    const struct {
        const char* line;
        const char* prefix;
        const char* suffix;
        const char* head;
        const char* core;
        const char* path;
    } cases[] = {
        {"f:\\Clients\\Company01", "2014", "July", "f:\\Clients\\2014-", "Company01",
         "f:\\Clients\\2014-Company01-July"},
        // A dotted last component is taken for a file name.
        {"f:\\Clients\\Report.2014", "2014", "July", "f:\\2014-", "Clients",
         "f:\\2014-Clients-July"},
        {"d:\\Clients", "", "", "d:\\", "Clients", "d:\\Clients"},
        {"d:Clients", "", "x", "d:\\", "Clients", "d:\\Clients-x"},
        {"\\\\srv\\share\\A", "p", "", "\\\\srv\\share\\p-", "A", "\\\\srv\\share\\p-A"},
    };
    for (const auto& c : cases) {
        const auto parts = BuildNamePartsFromPath(c.line, c.prefix, c.suffix, true);
        EXPECT_EQ(parts.Head, c.head) << c.line;
        EXPECT_EQ(parts.Core, c.core) << c.line;
        EXPECT_EQ(Composed(parts), c.path) << c.line;
    }
}

TEST(CreateNames, NumbersAndPadding) {
    const struct {
        std::int64_t number, end;
        bool padded;
        const char* text;
    } cases[] = {
        {8, 12, true, "08"},
        {12, 12, true, "12"},
        {8, 12, false, "8"},
        {1, 100, true, "001"},
        {100, 100, true, "100"},
        {1, 9, true, "1"},
        {7, 2147483647, true, "0000000007"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumberText(c.number, PaddingWidth(c.end), c.padded), c.text) << c.text;
}

TEST(CreateNames, NumberInEveryLevel) {
    const struct {
        const char* path;
        const char* prefix;
        const char* number;
        const char* result;
    } cases[] = {
        {"\\Marketing\\E-mails", "Customer", "07", "\\Marketing07\\E-mails07"},
        {"\\Docs\\Old", "Client", "3", "\\Docs3\\Old3"},
        {"\\Old", "Client", "3", "\\Old3"},
        // Trailing blanks and control characters of the prefix become the joint.
        {"\\A\\B", "Client \t", "3", "\\A  3\\B  3"},
        {"x:\\A", "", "1", "\\A1"},
        {"", "", "1", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AppendNumberToLevels(c.path, c.prefix, c.number), c.result) << c.path;
}

TEST(CreateNames, NumberBoxes) {
    const struct {
        const char* start;
        const char* end;
        std::int32_t startValue, endValue;
        const char* startShown;  // nullptr: the box keeps its text
        const char* endShown;
        std::uint64_t count;
    } cases[] = {
        {"1", "1", 1, 1, nullptr, nullptr, 1},
        {"8", "12", 8, 12, nullptr, nullptr, 5},
        {"abc", "3", 1, 3, "1", nullptr, 3},
        {"4", "abc", 4, 4, nullptr, "4", 1},
        {"0", "0", 1, 1, nullptr, nullptr, 1},
        {"-5", "2", 1, 2, nullptr, nullptr, 2},
        {"5", "3", 5, 3, nullptr, nullptr, 0},
        {" 7 ", "+9", 7, 9, nullptr, nullptr, 3},
        {"1", "2147483647", 1, 2147483647, nullptr, nullptr, 2147483647},
        {"2147483647", "2147483647", 2147483647, 2147483647, nullptr, nullptr, 1},
        // Past the signed 32-bit range: no whole number.
        {"1", "2147483648", 1, 1, nullptr, "1", 1},
        {"99999999999", "2", 1, 2, "1", nullptr, 2},
        {"1.5", "", 1, 1, "1", "1", 1},
        {"1e3", "0x10", 1, 1, "1", "1", 1},
    };
    for (const auto& c : cases) {
        const NumberBoxes boxes = ReadNumberBoxes(c.start, c.end);
        const std::string row = std::string(c.start) + ".." + c.end;
        EXPECT_EQ(boxes.start, c.startValue) << row;
        EXPECT_EQ(boxes.end, c.endValue) << row;
        EXPECT_EQ(boxes.startText.has_value(), c.startShown != nullptr) << row;
        if (c.startShown && boxes.startText) EXPECT_EQ(*boxes.startText, c.startShown) << row;
        EXPECT_EQ(boxes.endText.has_value(), c.endShown != nullptr) << row;
        if (c.endShown && boxes.endText) EXPECT_EQ(*boxes.endText, c.endShown) << row;
        EXPECT_EQ(NumberCount(boxes), c.count) << row;
    }
}

TEST(CreateNames, PlainNamesOnly) {
    const struct {
        const char* name;
        bool plain;
    } cases[] = {
        {"Customer1", true}, {"2014-A-July", true}, {"  A", true},   {"A.b", true},
        {"", false},         {".", false},          {"..", false},   {"A\\B", false},
        {"A/B", false},      {"d:A", false},        {"A.", false},   {"A ", false},
        {"CON", false},      {"nul", false},        {"Com1", false}, {"LPT9.txt", false},
        {"AUX .x", false},   {"CONSOLE", true},     {"COM", true},   {"A*", false},
        {"a?", false},       {"a\tb", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsPlainFolderName(c.name), c.plain) << c.name;
    EXPECT_TRUE(IsPlainRelativePath("A\\B"));
    EXPECT_FALSE(IsPlainRelativePath("A\\..\\B"));
    EXPECT_FALSE(IsPlainRelativePath("A\\"));
    EXPECT_TRUE(HasPlainLevels("d:\\A\\B"));
    EXPECT_FALSE(HasPlainLevels("d:\\A\\..\\B"));
    EXPECT_FALSE(HasPlainLevels("A\\B"));
}

TEST(CreateNames, IllegalPrefixAndSuffixText) {
    EXPECT_EQ(IllegalNamePartText("a\\b/c", true), "Illegal character in the Prefix :  \\ /");
    EXPECT_EQ(IllegalNamePartText("x!", false), "Illegal character in the Suffix :  !");
    EXPECT_EQ(IllegalNamePartText("2014 July", true), "");
}

}  // namespace
}  // namespace arbovane
