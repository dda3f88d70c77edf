#pragma once

#include <cstddef>
#include <string_view>

namespace arbovane {

// Lengths the way Windows counts characters: UTF-16 code units, so a letter outside the basic
// plane counts two and an accented letter one, whatever its UTF-8 bytes. A byte that is not part
// of well-formed UTF-8 counts as one character.
std::size_t CountCharacters(std::string_view text);

// The bytes of the character text starts with: 1 to 4, or 1 for a byte that is no UTF-8
// character; 0 for an empty text.
std::size_t CharacterBytesAt(std::string_view text);

// The longest start of text with at most limit characters; a character is never cut.
std::string_view LeadingCharacters(std::string_view text, std::size_t limit);

}  // namespace arbovane
