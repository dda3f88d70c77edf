#include <gtest/gtest.h>

#include <string>

#include "HostBackend.h"
#include "platform/shared/WindowsPattern.h"

namespace arbovane {
namespace {

TEST(MatchesWindowsPattern, WindowsEnumerationRules) {
    const HostText text;
    const struct {
        std::string pattern, name;
        bool match;
    } cases[] = {
        {"*", "anything.txt", true},
        {"*.*", "README", true},
        {"*.*", "archive.tar.gz", true},
        {"*.txt", "notes.TXT", true},
        {"*.txt", "notes.txt.bak", false},
        {"*.txt", ".txt", true},
        {"a*.*", "abc", true},
        {"a*.*", "bcd", false},
        {"a*.*", "a.b", true},
        {"*.", "README", true},
        {"*.", "read.me", false},
        {"?", "a", true},
        {"?", "ab", false},
        {"?", "", false},
        {"???", "abc", true},
        {"a?c", "abc", true},
        {"a?c", "ac", false},
        {"a?c",
         "a\xC3\xA9"
         "c",
         true},  // '?' takes a whole UTF-8 character
        {"a??c",
         "a\xC3\xA9"
         "c",
         false},
        {"*b*", "abc", true},
        {"*b*", "ac", false},
        {"a*b*c", "aXbYbZc", true},
        {"a*b*c", "aXbYbZ", false},
        {"**", "x", true},
        {"report", "REPORT", true},
        {"report", "report1", false},
        {"\xC3\x81rv*", "\xC3\xA1RV\xC3\x8DZ", true},  // case ignored beyond ASCII
        {"data*", "DATA.bin", true},
        {"", "a", false},
        {"ab\xFF", "AB\xFF", true},
        {"ab\xFF", "ab\xFE", false},
        // '?' takes no character before a period or at the end, as Windows reads it.
        {"a?", "a", true},
        {"a??.txt", "a.txt", true},
        {"a??.txt", "abcd.txt", false},
        {"*.h?", "x.h", true},
        {"??????", "ab.txt", false},
        {"?.txt", ".txt", true},
        // A period before a wildcard or at the end also matches the end of the name.
        {"a.*", "a", true},
        {"*.?", "readme", true},
        {"*.b", "a.b.c", false},
        {"*.txt", "a.b.txt", true},
        // Through the 8.3 short name: "page.html" is also "PAGE~1.HTM".
        {"*.htm", "page.html", true},
        {"p*.htm", "Page.HTML", true},
        {"*.htm", "page.htmx", true},
        {"page.htm", "page.html", false},
        {"*.htm", "pa.html.bak", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchesWindowsPattern(text, c.pattern, c.name), c.match)
            << "'" << c.pattern << "' on '" << c.name << "'";
}

TEST(ShortNameOf, LongNamesGetTheirEightDotThreeForm) {
    const struct {
        std::string name, shortName;
    } cases[] = {
        {"readme.txt", ""},          {"README", ""},
        {"page.html", "PAGE~1.HTM"}, {"Long file name.txt", "LONGFI~1.TXT"},
        {"a.b.c", "AB~1.C"},         {"caf\xC3\xA9.txt", "CAF_~1.TXT"},
        {"x+y.doc", "X_Y~1.DOC"},    {".profile", "PROFIL~1"},
    };
    for (const auto& c : cases) EXPECT_EQ(ShortNameOf(c.name), c.shortName) << c.name;
}

}  // namespace
}  // namespace arbovane
