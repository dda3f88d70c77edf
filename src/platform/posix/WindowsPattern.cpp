#include <unicode/utf8.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/Text.h"
#include "platform/posix/PosixFileSystem.h"

namespace arbovane {

namespace {

// One element per UTF-8 character; a byte that starts no valid character stands alone, so
// invalid names still match byte by byte.
std::vector<std::string_view> Characters(std::string_view text) {
    std::vector<std::string_view> out;
    out.reserve(text.size());
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    std::int32_t i = 0;
    while (i < length) {
        const std::int32_t start = i;
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        if (c < 0) i = start + 1;
        out.push_back(
            text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(i - start)));
    }
    return out;
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameCharacter(const Text& text, std::string_view a, std::string_view b) {
    if (a == b) return true;
    if (a.size() == 1 && b.size() == 1) return AsciiLower(a[0]) == AsciiLower(b[0]);
    return text.EqualsNoCase(std::string(a), std::string(b));
}

// '*' any run (also empty), '?' one character; the last '*' seen is the only backtrack point
// needed, which keeps the match linear in practice.
bool Glob(const Text& text, const std::vector<std::string_view>& pattern, std::size_t patternEnd,
          const std::vector<std::string_view>& name) {
    std::size_t p = 0, n = 0;
    std::size_t starP = std::string::npos, starN = 0;
    while (n < name.size()) {
        if (p < patternEnd && pattern[p] == "*") {
            starP = p++;
            starN = n;
        } else if (p < patternEnd &&
                   (pattern[p] == "?" || SameCharacter(text, pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (starP != std::string::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < patternEnd && pattern[p] == "*") ++p;
    return p == patternEnd;
}

}  // namespace

bool MatchesWindowsPattern(const Text& text, const std::string& pattern, const std::string& name) {
    if (pattern == "*" || pattern == "*.*") return true;
    if (pattern.empty() || name.empty()) return false;
    const auto patternChars = Characters(pattern);
    const auto nameChars = Characters(name);
    if (Glob(text, patternChars, patternChars.size(), nameChars)) return true;
    if (name.find('.') != std::string::npos) return false;
    // A name without a dot has an empty extension: "a*.*" and "a*." both take "abc".
    const std::size_t n = patternChars.size();
    if (n >= 2 && patternChars[n - 2] == "." && patternChars[n - 1] == "*")
        return Glob(text, patternChars, n - 2, nameChars);
    if (n >= 2 && patternChars[n - 1] == ".") return Glob(text, patternChars, n - 1, nameChars);
    return false;
}

}  // namespace arbovane
