#include <gtest/gtest.h>

#include <string>

#include "HostBackend.h"

namespace arbovane {
namespace {

const HostText kText;

TEST(TextContract, LowerCaseHandlesAccentsAndKeepsInvalidBytes) {
    const struct {
        std::string in, out;
    } cases[] = {
        {"\xC3\x81RV\xC3\x8DZT\xC5\xB0R\xC5\x90",
         "\xC3\xA1rv\xC3\xADzt\xC5\xB1r\xC5\x91"},  // ÁRVÍZTŰRŐ
        {"Hello, World 42", "hello, world 42"},
        {"", ""},
        {"\xC3\x84pfel\xFF"
         "ABC",
         "\xC3\xA4pfel\xFF"
         "abc"},                   // a stray byte stays, both sides lower
        {"\xE2\x82", "\xE2\x82"},  // a cut-off character
        {"\xC3\x96L", "\xC3\xB6l"},
    };
    for (const auto& c : cases) EXPECT_EQ(kText.LowerCase(c.in), c.out) << c.in;
}

TEST(TextContract, CompareNoCaseIgnoresLetterCaseOnly) {
    const struct {
        std::string a, b;
        int order;
    } cases[] = {
        {"\xC3\x81RV\xC3\x8DZT\xC5\xB0R\xC5\x90", "\xC3\xA1rv\xC3\xADzt\xC5\xB1r\xC5\x91", 0},
        {"Data", "data", 0},
        {"abc", "ABD", -1},
        {"b", "A", 1},
        {"ab", "abc", -1},
        {"", "", 0},
        {"", "a", -1},
        // One character to one, by upper case, as Windows compares names: ß is not ss, the
        // ligature ﬁ is not fi, the Kelvin sign (its own capital) is no k, "_" sorts after "Z".
        {"STRASSE",
         "stra\xC3\x9F"
         "e",
         -1},
        {"\xEF\xAC\x81le", "file", 1},
        {"\xE2\x84\xAA", "k", 1},
        {"_a", "b", 1},
        {"Z", "_", -1},
        {"\xC3\xA9", "\xC3\x89", 0},  // é É
        {"\xC3\xA9", "f", 1},         // é sorts after ASCII letters
        {"\xFF", "\xFE", 1},          // distinct invalid bytes stay distinct
        {"\xFF"
         "A",
         "\xFF"
         "a",
         0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(kText.CompareNoCase(c.a, c.b), c.order) << c.a << " vs " << c.b;
        EXPECT_EQ(kText.CompareNoCase(c.b, c.a), -c.order) << c.b << " vs " << c.a;
    }
    EXPECT_TRUE(kText.EqualsNoCase("\xC3\x81rv\xC3\xADz", "\xC3\xA1RV\xC3\x8DZ"));
}

// The long s and the final sigma have capitals of their own letters (S and Σ) in Unicode's simple
// upper-case mapping.
TEST(TextContract, LongSAndFinalSigmaCompareAsTheirCapitals) {
    EXPECT_EQ(kText.CompareNoCase("\xC5\xBF", "S"), 0);
    EXPECT_EQ(kText.CompareNoCase("\xCE\xA3\xCF\x83", "\xCF\x83\xCF\x82"), 0);  // Σσ, σς
}

TEST(TextContract, FindNoCaseGivesByteOffsets) {
    const std::size_t npos = std::string::npos;
    const struct {
        std::string haystack, needle;
        std::size_t from, at;
    } cases[] = {
        {"Hello World", "WORLD", 0, 6},
        {"Hello World", "o", 5, 7},
        {"Hello World", "x", 0, npos},
        {"abc", "", 1, 1},
        {"abc", "a", 4, npos},
        // Two-byte letters before the match count as two bytes each.
        {"\xC3\x81rv\xC3\xADz T\xC3\x9Cr\xC5\x91", "t\xC3\xBCR", 0, 8},
        {"\xC3\xA9t\xC3\xA9 \xC3\x89T\xC3\x89", "\xC3\xA9t\xC3\xA9", 1, 6},
        {"\xC3\xA9t\xC3\xA9", "T", 0, 2},
        {"Stra\xC3\x9F"
         "e",
         "SS", 0, npos},  // ß is one character of its own
        {"Strasse", "\xC3\x9F", 0, npos},
        {"Stra\xC3\x9F"
         "e",
         "\xC3\x9F"
         "E",
         0, 4},
        {"Stra\xC3\x9F"
         "e",
         "s", 1, npos},  // half of ß is no match
        {"ab\xFF"
         "CD",
         "cd", 0, 3},  // an invalid byte counts as one
        {"ab\xFF"
         "CD",
         "\xFF"
         "c",
         0, 2},
        {"x\xE2\x82", "\xE2\x82", 0, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kText.FindNoCase(c.haystack, c.needle, c.from), c.at)
            << c.haystack << " / " << c.needle << " from " << c.from;
}

TEST(TextContract, StartsWithNoCaseThroughThePort) {
    EXPECT_TRUE(kText.StartsWithNoCase("\xC3\x89t\xC3\xA9 2024", "\xC3\xA9T\xC3\x89"));
    EXPECT_FALSE(kText.StartsWithNoCase("ab", "abc"));
}

}  // namespace
}  // namespace arbovane
