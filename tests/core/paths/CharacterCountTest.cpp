#include "core/paths/CharacterCount.h"

#include <gtest/gtest.h>

#include <string>

namespace arbovane {
namespace {

TEST(CharacterCount, CountsUtf16UnitsAndCutsWholeCharacters) {
    const struct {
        std::string text;
        std::size_t characters;
        std::size_t limit;
        std::string leading;  // the first limit characters
    } cases[] = {
        {"abc", 3, 2, "ab"},
        {"a\xC3\xA9z", 3, 2, "a\xC3\xA9"},
        {"\xE2\x82\xAC\xE2\x82\xAC", 2, 1, "\xE2\x82\xAC"},
        // Outside the basic plane: two units, never split.
        {"a\xF0\x9D\x84\x9E", 3, 2, "a"},
        {"a\xF0\x9D\x84\x9E", 3, 3, "a\xF0\x9D\x84\x9E"},
        // Bytes that are no UTF-8 count one each and are cut between.
        {"\x80\x80\x80", 3, 2, "\x80\x80"},
        {"a\xC3", 2, 1, "a"},
        {"\xC0\xAF", 2, 1, "\xC0"},
        {"\xED\xA0\x80", 3, 1, "\xED"},
        {"", 0, 5, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CountCharacters(c.text), c.characters) << c.text;
        EXPECT_EQ(LeadingCharacters(c.text, c.limit), c.leading) << c.text;
    }
}

}  // namespace
}  // namespace arbovane
