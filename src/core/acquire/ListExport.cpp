#include "core/acquire/ListExport.h"

#include <algorithm>
#include <cctype>
#include <unordered_set>

#include "core/paths/PathText.h"
#include "platform/Text.h"

namespace arbovane {

const std::vector<std::string>& BuiltInDelimiters() {
    static const std::vector<std::string> delimiters = {
        ",", "space", "\"", "'", "|", "~", ";", ":", "#", "&", "@", "$", "<", ">", ".", "-", "_"};
    return delimiters;
}

std::vector<std::string> DelimiterEntries(const Text& text,
                                          const std::vector<std::string>& separators) {
    if (!separators.empty()) return UniqueLines(text, separators);
    std::vector<std::string> builtIn;
    for (const std::string& delimiter : BuiltInDelimiters())
        builtIn.push_back(TrimSpaces(text.LowerCase(delimiter)));
    return UniqueLines(text, builtIn);
}

std::vector<std::string> UniqueLines(const Text& text, const std::vector<std::string>& lines) {
    // Keyed by the lower-cased line so that long Visual Log lists stay linear.
    std::unordered_set<std::string> seen;
    std::vector<std::string> unique;
    unique.reserve(lines.size());
    for (const std::string& line : lines)
        if (seen.insert(text.LowerCase(line)).second) unique.push_back(line);
    return unique;
}

std::vector<std::string> UniqueLines(const Text& text, std::vector<std::string>&& lines) {
    std::unordered_set<std::string> seen;
    seen.reserve(lines.size());
    std::size_t kept = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!seen.insert(text.LowerCase(lines[i])).second) continue;
        if (kept != i) lines[kept] = std::move(lines[i]);
        ++kept;
    }
    lines.resize(kept);
    return std::move(lines);
}

std::string SourceLineFor(ExportLinesChoice choice, const std::string& given) {
    if (choice == ExportLinesChoice::Unmodified) return given;
    std::string head, tail;
    SplitAtColon(given, head, tail);
    return tail;
}

std::vector<std::string> RebuildSourceLines(const Text& text, const std::vector<std::string>& given,
                                            ExportLinesChoice choice) {
    std::vector<std::string> lines;
    lines.reserve(given.size());
    for (const std::string& line : given) lines.push_back(SourceLineFor(choice, line));
    return UniqueLines(text, std::move(lines));
}

std::string ContentKindKey(const std::string& contentKind) {
    std::string key = TrimSpaces(contentKind);
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return key;
}

bool IsStringsContent(const std::string& contentKind) {
    return ContentKindKey(contentKind) == "STRINGS";
}

bool WritesContent(const std::string& contentKind) {
    const std::string key = ContentKindKey(contentKind);
    return key == "STRINGS" || key == "FOLDERS";
}

ExportLinesChoice ChoiceForContent(const std::string& contentKind, ExportLinesChoice choice) {
    return IsStringsContent(contentKind) ? ExportLinesChoice::Unmodified : choice;
}

std::string DelimiterText(const std::string& typed) {
    const std::string delimiter = TrimSpaces(typed);
    return delimiter == "space" ? " " : delimiter;
}

std::string ExportRecord(const std::string& line, const ExportFormat& format) {
    const std::string quote = format.quotationMarks ? "\"" : "";
    const std::string end =
        format.type == ExportType::PlainTextFile ? "\r\n" : DelimiterText(format.delimiter);
    return quote + line + quote + end;
}

std::string ExportBytes(const std::vector<std::string>& lines, const ExportFormat& format,
                        const std::string& contentKind) {
    std::string bytes;
    if (!WritesContent(contentKind)) return bytes;
    for (const std::string& line : lines) bytes += ExportRecord(line, format);
    return bytes;
}

}  // namespace arbovane
