#include "platform/shared/WindowsNames.h"

#include <cstdint>

namespace arbovane {

namespace {

// Length of the UTF-8 character at i, or 0 when the bytes there start none (overlong forms,
// surrogates and values past U+10FFFF included).
std::size_t CharacterLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t at) { return static_cast<std::uint8_t>(text[at]); };
    const std::uint8_t lead = byte(i);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    std::uint32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        value = (value << 6) | (byte(i + k) & 0x3F);
    }
    if ((length == 3 && value < 0x800) || (length == 4 && value < 0x10000) || value > 0x10FFFF ||
        (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    return length;
}

char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = CharacterLength(text, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::vector<std::string_view> Utf8Characters(std::string_view text) {
    std::vector<std::string_view> out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = CharacterLength(text, i);
        const std::size_t take = length == 0 ? 1 : length;
        out.push_back(text.substr(i, take));
        i += take;
    }
    return out;
}

bool IsReservedDeviceName(const std::string& name) {
    std::string base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ') base.pop_back();
    for (char& c : base) c = AsciiUpper(c);
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL" || base == "CONIN$" ||
        base == "CONOUT$")
        return true;
    return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
           base[3] >= '1' && base[3] <= '9';
}

bool IsUnaddressableWindowsName(const std::string& name) {
    if (name.find('\\') != std::string::npos) return true;
    const bool onlyDots = !name.empty() && name.find_first_not_of('.') == std::string::npos;
    return !onlyDots && !name.empty() && (name.back() == '.' || name.back() == ' ');
}

bool IsCreatableWindowsName(const std::string& name) {
    if (name.empty() || name == "." || name == ".." || !IsValidUtf8(name)) return false;
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20) return false;
        switch (c) {
            case '<':
            case '>':
            case ':':
            case '"':
            case '/':
            case '\\':
            case '|':
            case '?':
            case '*':
                return false;
            default:
                break;
        }
    }
    return !IsUnaddressableWindowsName(name) && !IsReservedDeviceName(name);
}

}  // namespace arbovane
