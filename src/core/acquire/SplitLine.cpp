#include "core/acquire/SplitLine.h"

#include <algorithm>

#include "core/paths/CharacterCount.h"

namespace arbovane {

namespace {

std::string_view TrimmedView(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

void AppendField(std::string_view piece, std::vector<std::string>& fields) {
    const std::string_view field = TrimmedView(piece);
    if (!field.empty()) fields.emplace_back(field);
}

// The separator text is a set of whole characters: "§" cuts at "§", never at one of its bytes
// inside another character.
bool IsSeparatorAt(std::string_view text, std::size_t at, std::string_view separators,
                   std::size_t& length) {
    length = CharacterBytesAt(text.substr(at));
    const std::string_view character = text.substr(at, length);
    for (std::size_t s = 0; s < separators.size();) {
        const std::size_t size = CharacterBytesAt(separators.substr(s));
        if (separators.substr(s, size) == character) return true;
        s += size;
    }
    return false;
}

void AppendTokens(std::string_view text, std::string_view separators,
                  std::vector<std::string>& fields) {
    std::size_t start = 0;
    const bool ascii = std::all_of(separators.begin(), separators.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80u; });
    if (ascii) {
        // No byte of a longer character is ASCII, so a byte search cuts only whole characters.
        while (start < text.size()) {
            const auto end = text.find_first_of(separators, start);
            const std::size_t stop = end == std::string_view::npos ? text.size() : end;
            if (stop > start) AppendField(text.substr(start, stop - start), fields);
            start = stop + 1;
        }
        return;
    }
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t length = 0;
        if (IsSeparatorAt(text, at, separators, length)) {
            if (at > start) AppendField(text.substr(start, at - start), fields);
            start = at + length;
        }
        at += length;
    }
    if (text.size() > start) AppendField(text.substr(start), fields);
}

// Pieces between neighbouring cut positions alternate: outside quotes (even) they are cut into
// tokens, inside quotes (odd) each is one field.
void CutAtPositions(std::string_view line, const std::vector<std::size_t>& cuts,
                    char tokenSeparator, std::vector<std::string>& fields) {
    const std::string_view separators(&tokenSeparator, 1);
    std::size_t from = 0;
    for (std::size_t piece = 0; piece <= cuts.size(); ++piece) {
        const std::size_t to = piece < cuts.size() ? cuts[piece] : line.size();
        const std::string_view text = line.substr(from, to - from);
        if (piece % 2 == 1)
            AppendField(text, fields);
        else
            AppendTokens(text, separators, fields);
        from = to + 1;
    }
}

void AppendPositions(std::string_view line, char c, std::vector<std::size_t>& positions) {
    for (std::size_t at = line.find(c); at != std::string_view::npos; at = line.find(c, at + 1))
        positions.push_back(at);
}

}  // namespace

char QuoteCharOf(QuotingStyle style) {
    switch (style) {
        case QuotingStyle::Double:
            return '"';
        case QuotingStyle::Single:
            return '\'';
        case QuotingStyle::None:
            break;
    }
    return 0;
}

std::vector<std::string> SplitLine(std::string_view line, const std::string& separator,
                                   QuotingStyle& style) {
    std::vector<std::string> fields;
    if (separator != " ") {
        AppendTokens(line, separator, fields);
        return fields;
    }
    std::vector<std::size_t> cuts;
    AppendPositions(line, '"', cuts);
    if (cuts.size() >= 2) {
        style = QuotingStyle::Double;
        CutAtPositions(line, cuts, '"', fields);
        return fields;
    }
    const std::size_t doubleQuotes = cuts.size();
    AppendPositions(line, '\'', cuts);
    std::sort(cuts.begin(), cuts.end());
    if (cuts.size() - doubleQuotes >= 2) {
        style = QuotingStyle::Single;
        CutAtPositions(line, cuts, '\'', fields);
        return fields;
    }
    CutAtPositions(line, cuts, ' ', fields);
    return fields;
}

std::string QuotedText(const std::string& text, char quote) {
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += quote;
    for (const char c : text) {
        quoted += c;
        if (c == quote) quoted += c;
    }
    quoted += quote;
    return quoted;
}

std::string DequotedText(const std::string& text, char quote) {
    if (text.empty() || text.front() != quote) return text;
    std::string inner;
    // Without a closing quote the rest of the text counts as quoted.
    for (std::size_t at = 1; at < text.size(); ++at) {
        if (text[at] != quote) {
            inner += text[at];
        } else if (at + 1 < text.size() && text[at + 1] == quote) {
            inner += quote;
            ++at;
        } else {
            break;
        }
    }
    return inner.empty() ? text : inner;
}

}  // namespace arbovane
