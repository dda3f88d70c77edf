#include "platform/win32/Win32Text.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "platform/shared/WindowsNames.h"
#include "platform/win32/Wide.h"

namespace arbovane {

namespace {

bool IsAscii(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return (static_cast<unsigned char>(c) & 0x80) == 0; });
}

// UTF-16 of the text with, for every unit, the byte offset its character starts at; a byte that
// starts no character becomes a lone low surrogate carrying it (no valid text holds one), so it
// never folds into anything and distinct bytes stay distinct.
struct Units {
    std::wstring units;
    std::vector<std::size_t> offsets;  // one per unit, then the text's size
    std::vector<bool> invalid;
};

Units Decode(const std::string& text) {
    Units out;
    std::size_t at = 0;
    for (const std::string_view c : Utf8Characters(text)) {
        std::wstring wide;
        if (!IsValidUtf8(c) || !ToWide(c, wide)) {
            out.units.push_back(static_cast<wchar_t>(0xDC00 | static_cast<unsigned char>(c[0])));
            out.offsets.push_back(at);
            out.invalid.push_back(true);
        } else {
            for (const wchar_t unit : wide) {
                out.units.push_back(unit);
                out.offsets.push_back(at);
                out.invalid.push_back(false);
            }
        }
        at += c.size();
    }
    out.offsets.push_back(at);
    return out;
}

// Maps the valid runs of units through LCMapStringEx; the case maps here keep the length.
void MapRuns(Units& text, DWORD flags) {
    std::size_t i = 0;
    while (i < text.units.size()) {
        if (text.invalid[i]) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.units.size() && !text.invalid[end]) ++end;
        const int length = static_cast<int>(std::min<std::size_t>(end - i, INT_MAX));
        std::wstring mapped(static_cast<std::size_t>(length), L'\0');
        if (LCMapStringEx(LOCALE_NAME_INVARIANT, flags, text.units.data() + i, length,
                          mapped.data(), length, nullptr, nullptr, 0) == length)
            std::copy(mapped.begin(), mapped.end(), text.units.begin() + static_cast<long long>(i));
        i = end;
    }
}

int Sign(int value) {
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

}  // namespace

std::string Win32Text::LowerCase(const std::string& text) const {
    if (IsAscii(text)) {
        std::string out = text;
        for (char& c : out)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return out;
    }
    Units units = Decode(text);
    MapRuns(units, LCMAP_LOWERCASE);
    std::string out;
    std::size_t i = 0;
    while (i < units.units.size()) {
        if (units.invalid[i]) {
            out.push_back(static_cast<char>(units.units[i] & 0xFF));
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < units.units.size() && !units.invalid[end]) ++end;
        out += ToUtf8(std::wstring_view(units.units).substr(i, end - i));
        i = end;
    }
    return out;
}

int Win32Text::CompareNoCase(const std::string& a, const std::string& b) const {
    std::wstring wa, wb;
    if (ToWide(a, wa) && ToWide(b, wb) && wa.size() <= INT_MAX && wb.size() <= INT_MAX) {
        const int order = CompareStringOrdinal(wa.c_str(), static_cast<int>(wa.size()), wb.c_str(),
                                               static_cast<int>(wb.size()), TRUE);
        if (order != 0) return order - CSTR_EQUAL;
    }
    // Invalid bytes: the same upper-casing unit by unit, the bytes compared by their value.
    Units ua = Decode(a), ub = Decode(b);
    MapRuns(ua, LCMAP_UPPERCASE);
    MapRuns(ub, LCMAP_UPPERCASE);
    return Sign(ua.units.compare(ub.units));
}

std::size_t Win32Text::FindNoCase(const std::string& haystack, const std::string& needle,
                                  std::size_t from) const {
    if (from > haystack.size()) return std::string::npos;
    if (needle.empty()) return from;
    Units hay = Decode(haystack), pin = Decode(needle);
    MapRuns(hay, LCMAP_UPPERCASE);
    MapRuns(pin, LCMAP_UPPERCASE);
    const std::size_t units = hay.units.size(), length = pin.units.size();
    for (std::size_t i = 0; i + length <= units; ++i) {
        // A match starts and ends on whole characters.
        if (hay.offsets[i] < from || (i > 0 && hay.offsets[i] == hay.offsets[i - 1])) continue;
        if (hay.offsets[i + length] == hay.offsets[i + length - 1]) continue;
        if (hay.units.compare(i, length, pin.units) == 0) return hay.offsets[i];
    }
    return std::string::npos;
}

}  // namespace arbovane
