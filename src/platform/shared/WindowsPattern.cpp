#include "platform/shared/WindowsPattern.h"

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/Text.h"
#include "platform/shared/WindowsNames.h"

namespace arbovane {

namespace {

// The wildcards after the translation Windows applies to a pattern before it matches.
enum class Token { Literal, Star, DosStar, DosQm, DosDot };

struct PatternItem {
    Token token = Token::Literal;
    std::string_view character;
};

std::vector<PatternItem> Translate(const std::vector<std::string_view>& chars) {
    std::vector<PatternItem> items;
    items.reserve(chars.size());
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const bool last = i + 1 == chars.size();
        const std::string_view next = last ? std::string_view() : chars[i + 1];
        if (chars[i] == "?") {
            items.push_back({Token::DosQm, {}});
        } else if (chars[i] == "*") {
            items.push_back({next == "." ? Token::DosStar : Token::Star, {}});
        } else if (chars[i] == "." && (last || next == "?" || next == "*")) {
            items.push_back({Token::DosDot, {}});
        } else {
            items.push_back({Token::Literal, chars[i]});
        }
    }
    return items;
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameCharacter(const Text& text, std::string_view a, std::string_view b) {
    if (a == b) return true;
    if (a.size() == 1 && b.size() == 1) return AsciiLower(a[0]) == AsciiLower(b[0]);
    return text.EqualsNoCase(std::string(a), std::string(b));
}

// reach[t][n]: the first t pattern items can take the first n characters of the name.
bool Match(const Text& text, const std::vector<PatternItem>& pattern,
           const std::vector<std::string_view>& name) {
    const std::size_t size = name.size();
    std::size_t lastDot = std::string::npos;
    for (std::size_t i = 0; i < size; ++i)
        if (name[i] == ".") lastDot = i;
    std::vector<char> reach(size + 1, 0), next(size + 1, 0);
    reach[0] = 1;
    for (const PatternItem& item : pattern) {
        std::fill(next.begin(), next.end(), 0);
        for (std::size_t n = 0; n <= size; ++n) {
            if (!reach[n]) continue;
            const bool atEnd = n == size;
            switch (item.token) {
                case Token::Literal:
                    if (!atEnd && SameCharacter(text, item.character, name[n])) next[n + 1] = 1;
                    break;
                case Token::Star:
                    for (std::size_t k = n; k <= size; ++k) next[k] = 1;
                    break;
                case Token::DosStar: {
                    // Any run that leaves the last period of the name to what follows.
                    const std::size_t stop = lastDot == std::string::npos ? size : lastDot;
                    next[n] = 1;
                    for (std::size_t k = n + 1; k <= stop; ++k) next[k] = 1;
                    break;
                }
                case Token::DosQm:
                    if (atEnd || name[n] == ".") {
                        next[n] = 1;
                    } else {
                        next[n + 1] = 1;
                    }
                    break;
                case Token::DosDot:
                    if (atEnd) {
                        next[n] = 1;
                    } else if (name[n] == ".") {
                        next[n + 1] = 1;
                    }
                    break;
            }
        }
        reach.swap(next);
    }
    return reach[size] != 0;
}

bool IsShortNameCharacter(char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
    return std::string_view("!#$%&'()-@^_`{}~").find(c) != std::string_view::npos;
}

// Upper case, blanks and periods dropped, other characters a short name cannot hold as '_'.
std::string ShortPart(std::string_view part, std::size_t limit, bool& changed) {
    std::string out;
    for (const std::string_view c : Utf8Characters(part)) {
        if (out.size() == limit) {
            changed = true;
            break;
        }
        if (c == " " || c == ".") {
            changed = true;
            continue;
        }
        char ch = c.size() == 1 ? c[0] : '_';
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
        if (c.size() != 1 || !IsShortNameCharacter(ch)) {
            ch = '_';
            changed = true;
        }
        out.push_back(ch);
    }
    return out;
}

}  // namespace

std::string ShortNameOf(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return {};
    const std::size_t dot = name.rfind('.');
    const bool hasExtension = dot != std::string::npos && dot != 0;
    const std::string_view base(name.data(), hasExtension ? dot : name.size());
    const std::string_view extension =
        hasExtension ? std::string_view(name).substr(dot + 1) : std::string_view();
    bool changed = !hasExtension && dot == 0;
    const std::string longBase = ShortPart(base, 255, changed);
    const std::string shortExtension = ShortPart(extension, 3, changed);
    if (!changed && longBase.size() <= 8 && !longBase.empty()) return {};
    if (longBase.empty()) return {};
    std::string out = longBase.substr(0, 6) + "~1";
    if (!shortExtension.empty()) out += "." + shortExtension;
    return out;
}

bool MatchesWindowsPattern(const Text& text, const std::string& pattern, const std::string& name,
                           const std::string& shortName) {
    if (pattern == "*" || pattern == "*.*") return true;
    if (pattern.empty() || name.empty()) return false;
    const auto items = Translate(Utf8Characters(pattern));
    if (Match(text, items, Utf8Characters(name))) return true;
    return !shortName.empty() && Match(text, items, Utf8Characters(shortName));
}

bool MatchesWindowsPattern(const Text& text, const std::string& pattern, const std::string& name) {
    return MatchesWindowsPattern(text, pattern, name, ShortNameOf(name));
}

}  // namespace arbovane
