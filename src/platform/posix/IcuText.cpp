#include "platform/posix/IcuText.h"

#include <unicode/locid.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>
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

int Sign(int value) {
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

int CompareAsciiNoCase(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(AsciiLower(a[i]));
        const auto cb = static_cast<unsigned char>(AsciiLower(b[i]));
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

icu::UnicodeString ToUnicode(std::string_view text) {
    icu::UnicodeString out;
    std::int32_t i = 0;
    while (i < static_cast<std::int32_t>(text.size())) out.append(NextCharacter(text, i));
    return out;
}

// Full case folding of one character appended to out.
void AppendFolded(UChar32 c, std::u16string& out) {
    if (c < 0x80) {
        out.push_back(static_cast<char16_t>(AsciiLower(static_cast<char>(c))));
        return;
    }
    UChar source[2];
    std::int32_t length = 0;
    U16_APPEND_UNSAFE(source, length, c);
    UChar folded[8];
    UErrorCode status = U_ZERO_ERROR;
    const std::int32_t n = u_strFoldCase(folded, 8, source, length, U_FOLD_CASE_DEFAULT, &status);
    if (U_FAILURE(status) || n <= 0 || n > 8) {
        out.append(reinterpret_cast<const char16_t*>(source), static_cast<std::size_t>(length));
        return;
    }
    out.append(reinterpret_cast<const char16_t*>(folded), static_cast<std::size_t>(n));
}

}  // namespace

std::string IcuText::LowerCase(const std::string& text) const {
    if (IsAscii(text) || text.size() > kIcuLimit) {
        std::string out = text;
        if (IsAscii(text)) std::transform(out.begin(), out.end(), out.begin(), AsciiLower);
        return out;
    }
    // Valid runs are lowered as a whole (so context such as a final sigma counts); an invalid
    // byte is kept as it is.
    std::string out;
    out.reserve(text.size());
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    std::int32_t runStart = 0;
    std::int32_t i = 0;
    auto flush = [&](std::int32_t end) {
        if (end <= runStart) return;
        icu::UnicodeString::fromUTF8(icu::StringPiece(text.data() + runStart, end - runStart))
            .toLower(icu::Locale::getRoot())
            .toUTF8String(out);
    };
    while (i < length) {
        const std::int32_t start = i;
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        if (c < 0) {
            flush(start);
            out.push_back(text[static_cast<std::size_t>(start)]);
            i = start + 1;
            runStart = i;
        }
    }
    flush(length);
    return out;
}

int IcuText::CompareNoCase(const std::string& a, const std::string& b) const {
    if ((IsAscii(a) && IsAscii(b)) || a.size() > kIcuLimit || b.size() > kIcuLimit)
        return CompareAsciiNoCase(a, b);
    return Sign(
        ToUnicode(a).caseCompare(ToUnicode(b), U_FOLD_CASE_DEFAULT | U_COMPARE_CODE_POINT_ORDER));
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

    std::u16string foldedNeedle;
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(needle.size());)
        AppendFolded(NextCharacter(needle, i), foldedNeedle);

    // The folded haystack, with where each character starts in it and in the bytes, so a match
    // of the folded texts maps back to a byte offset and must end on a character boundary.
    std::u16string folded;
    std::vector<std::size_t> foldStart;
    std::vector<std::size_t> byteStart;
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(rest.size());) {
        foldStart.push_back(folded.size());
        byteStart.push_back(static_cast<std::size_t>(i));
        AppendFolded(NextCharacter(rest, i), folded);
    }
    foldStart.push_back(folded.size());

    for (std::size_t c = 0; c + 1 < foldStart.size(); ++c) {
        const std::size_t at = foldStart[c];
        if (folded.size() - at < foldedNeedle.size()) break;
        if (folded.compare(at, foldedNeedle.size(), foldedNeedle) != 0) continue;
        const std::size_t end = at + foldedNeedle.size();
        if (std::binary_search(foldStart.begin() + static_cast<std::ptrdiff_t>(c) + 1,
                               foldStart.end(), end))
            return from + byteStart[c];
    }
    return std::string::npos;
}

}  // namespace arbovane
