#include "core/paths/CharacterCount.h"

namespace arbovane {

namespace {

bool IsContinuation(unsigned char c) {
    return (c & 0xC0u) == 0x80u;
}

// Bytes and UTF-16 code units of the character at the start of text; an ill-formed start is one
// byte and one unit.
struct CharacterSize {
    std::size_t bytes = 1;
    std::size_t units = 1;
};

CharacterSize SizeAt(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    unsigned min = 0;
    unsigned value = 0;
    if (lead < 0x80u) return {};
    if (lead >= 0xC2u && lead <= 0xDFu) {
        length = 2;
        min = 0x80u;
        value = lead & 0x1Fu;
    } else if (lead >= 0xE0u && lead <= 0xEFu) {
        length = 3;
        min = 0x800u;
        value = lead & 0x0Fu;
    } else if (lead >= 0xF0u && lead <= 0xF4u) {
        length = 4;
        min = 0x10000u;
        value = lead & 0x07u;
    } else {
        return {};
    }
    if (text.size() < length) return {};
    for (std::size_t i = 1; i < length; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (!IsContinuation(c)) return {};
        value = (value << 6) | (c & 0x3Fu);
    }
    // Overlong forms, surrogates and values past U+10FFFF are no characters.
    if (value < min || value > 0x10FFFFu || (value >= 0xD800u && value <= 0xDFFFu)) return {};
    return {length, value >= 0x10000u ? 2u : 1u};
}

}  // namespace

std::size_t CharacterBytesAt(std::string_view text) {
    return text.empty() ? 0 : SizeAt(text).bytes;
}

std::size_t CountCharacters(std::string_view text) {
    std::size_t units = 0;
    while (!text.empty()) {
        const CharacterSize size = SizeAt(text);
        units += size.units;
        text.remove_prefix(size.bytes);
    }
    return units;
}

std::string_view LeadingCharacters(std::string_view text, std::size_t limit) {
    std::size_t bytes = 0;
    std::size_t units = 0;
    while (bytes < text.size()) {
        const CharacterSize size = SizeAt(text.substr(bytes));
        if (units + size.units > limit) break;
        units += size.units;
        bytes += size.bytes;
    }
    return text.substr(0, bytes);
}

}  // namespace arbovane
