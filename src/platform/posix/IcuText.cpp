#include "platform/posix/IcuText.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string_view>
#include <vector>

namespace arbovane {

namespace {

// ICU counts in int32_t; longer text is handled byte-wise rather than cut.
constexpr std::size_t kIcuLimit =
    static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max() / 4);

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return (static_cast<unsigned char>(c) & 0x80) == 0; });
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Upper case, as Windows compares names: "_" sorts after the letters.
int CompareAsciiNoCase(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(AsciiUpper(a[i]));
        const auto cb = static_cast<unsigned char>(AsciiUpper(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// Decodes one character at i (moving i past it); a byte that starts no valid character comes
// back as a lone low surrogate carrying the byte, so distinct invalid bytes stay distinct and
// never fold into anything.
UChar32 NextCharacter(std::string_view text, std::int32_t& i) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const std::int32_t start = i;
    UChar32 c = 0;
    U8_NEXT(bytes, i, static_cast<std::int32_t>(text.size()), c);
    if (c >= 0) return c;
    i = start + 1;
    return 0xDC00 | bytes[start];
}

// One code point to one, as Windows compares names: upper-cased alone (so "ß" stays "ß" and a
// ligature stays a ligature), then lowered for a key that reads naturally. Invalid bytes come
// back as lone surrogates and map to themselves.
UChar32 Simple(UChar32 c) {
    if (c < 0x80) return static_cast<unsigned char>(AsciiLower(static_cast<char>(c)));
    if (c >= 0xD800 && c <= 0xDFFF) return c;
    return u_tolower(u_toupper(c));
}

// The comparison key of a code point: its simple upper case alone, as the Windows ordinal
// comparison ignoring case takes it, so the Kelvin sign is no k and "_" sorts after "Z".
UChar32 Fold(UChar32 c) {
    if (c < 0x80) return static_cast<unsigned char>(AsciiUpper(static_cast<char>(c)));
    if (c >= 0xD800 && c <= 0xDFFF) return c;
    return u_toupper(c);
}

}  // namespace

std::string IcuText::LowerCase(const std::string& text) const {
    if (IsAscii(text) || text.size() > kIcuLimit) {
        std::string out = text;
        if (IsAscii(text)) std::transform(out.begin(), out.end(), out.begin(), AsciiLower);
        return out;
    }
    // Every character maps on its own; an invalid byte is kept as it is.
    std::string out;
    out.reserve(text.size());
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    std::int32_t i = 0;
    while (i < length) {
        const std::int32_t start = i;
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        if (c < 0) {
            out.push_back(text[static_cast<std::size_t>(start)]);
            i = start + 1;
            continue;
        }
        const UChar32 mapped = Simple(c);
        char encoded[4];
        std::int32_t n = 0;
        UBool error = false;
        U8_APPEND(reinterpret_cast<std::uint8_t*>(encoded), n, 4, mapped, error);
        if (error)
            out.append(text, static_cast<std::size_t>(start), static_cast<std::size_t>(i - start));
        else
            out.append(encoded, static_cast<std::size_t>(n));
    }
    return out;
}

int IcuText::CompareNoCase(const std::string& a, const std::string& b) const {
    if ((IsAscii(a) && IsAscii(b)) || a.size() > kIcuLimit || b.size() > kIcuLimit)
        return CompareAsciiNoCase(a, b);
    std::int32_t i = 0, j = 0;
    const auto la = static_cast<std::int32_t>(a.size());
    const auto lb = static_cast<std::int32_t>(b.size());
    while (i < la && j < lb) {
        const UChar32 ca = Fold(NextCharacter(a, i));
        const UChar32 cb = Fold(NextCharacter(b, j));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return i < la ? 1 : (j < lb ? -1 : 0);
}

std::size_t IcuText::FindNoCase(const std::string& haystack, const std::string& needle,
                                std::size_t from) const {
    if (from > haystack.size()) return std::string::npos;
    if (needle.empty()) return from;
    const std::string_view rest = std::string_view(haystack).substr(from);
    if ((IsAscii(rest) && IsAscii(needle)) || rest.size() > kIcuLimit ||
        needle.size() > kIcuLimit) {
        const auto it = std::search(rest.begin(), rest.end(), needle.begin(), needle.end(),
                                    [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
        return it == rest.end() ? std::string::npos
                                : from + static_cast<std::size_t>(it - rest.begin());
    }
    // Characters map one to one, so a match is a run of whole characters of the haystack.
    std::vector<UChar32> wanted;
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(needle.size());)
        wanted.push_back(Fold(NextCharacter(needle, i)));
    std::vector<UChar32> mapped;
    std::vector<std::size_t> byteStart;
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(rest.size());) {
        byteStart.push_back(static_cast<std::size_t>(i));
        mapped.push_back(Fold(NextCharacter(rest, i)));
    }
    const auto it = std::search(mapped.begin(), mapped.end(), wanted.begin(), wanted.end());
    if (it == mapped.end()) return std::string::npos;
    return from + byteStart[static_cast<std::size_t>(it - mapped.begin())];
}

}  // namespace arbovane
