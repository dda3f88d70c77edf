#include "core/acquire/ListExport.h"

#include <algorithm>
#include <cctype>

#include "core/lists/FolderList.h"
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
    return UniqueLines(text, std::vector<std::string>(lines));
}

std::vector<std::string> UniqueLines(const Text& text, std::vector<std::string>&& lines) {
    // A folder list keeps each line once by the lower-cased text, through a table of hashes, so a
    // Visual Log category of a million lines is neither searched quadratically nor copied.
    FolderList unique(text);
    for (std::string& line : lines) unique.Add(std::move(line));
    return unique.TakeLines();
}

std::vector<std::string> UniqueEntryLines(const Text& text, FileSystem& fs,
                                          std::vector<std::string>&& lines) {
    FolderList unique(text, fs);
    for (std::string& line : lines) unique.Add(std::move(line));
    return unique.TakeLines();
}

std::string SourceLineFor(ExportLinesChoice choice, const std::string& given) {
    if (choice == ExportLinesChoice::Unmodified) return given;
    std::string head, tail;
    SplitAtColon(given, head, tail);
    return tail;
}

std::vector<std::string> RebuildSourceLines(const Text& text, FileSystem& fs,
                                            const std::vector<std::string>& given,
                                            ExportLinesChoice choice) {
    std::vector<std::string> lines;
    lines.reserve(given.size());
    for (const std::string& line : given) lines.push_back(SourceLineFor(choice, line));
    return UniqueEntryLines(text, fs, std::move(lines));
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
