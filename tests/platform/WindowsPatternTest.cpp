#include <gtest/gtest.h>

#include <string>

#include "platform/posix/IcuText.h"
#include "platform/posix/PosixFileSystem.h"

namespace arbovane {
namespace {

TEST(MatchesWindowsPattern, WindowsEnumerationRules) {
    const IcuText text;
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
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchesWindowsPattern(text, c.pattern, c.name), c.match)
            << "'" << c.pattern << "' on '" << c.name << "'";
}

}  // namespace
}  // namespace arbovane
