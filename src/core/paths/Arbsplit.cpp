#include "core/paths/Arbsplit.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string_view>

#include "core/paths/CharacterCount.h"
#include "core/paths/PathText.h"
#include "platform/Text.h"

namespace arbovane {

namespace {

constexpr std::string_view kNamePartChars = ":\"*[];|<>?!\\/";
constexpr std::string_view kStringChars = ":*\"[];|<>?";
constexpr std::string_view kPathChars = "/\"*|<>?";
constexpr std::size_t kMaxScreenedLength = 254;

std::string_view IllegalSet(char mode) {
    if (mode == 'F') return kNamePartChars;
    if (mode == 'H') return kStringChars;
    return kPathChars;
}

void ReplaceAllRepeatedly(std::string& text, std::string_view from, std::string_view to) {
    for (auto pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos)) {
        text.replace(pos, from.size(), to);
        // Step back one so a run such as ":::" keeps collapsing.
        pos = pos > 0 ? pos - 1 : 0;
    }
}

// Header, total, the first three entries and the count of the rest.
void AppendReport(std::string& message, const std::string& header,
                  const std::vector<std::string>& entries) {
    const std::size_t n = entries.size();
    message += header + std::to_string(n) + ") \n";
    for (std::size_t i = 0; i < std::min<std::size_t>(3, n); ++i) message += entries[i] + "\n";
    if (n <= 3)
        message += "\n";
    else
        message += "\n" + std::to_string(n - 3) + "  more left\n\n";
}

// The drive-letter block that opens the two full checks.
void AppendDriveBlock(std::string& message, const std::string& intro,
                      const std::vector<std::string>& entries) {
    const std::size_t n = entries.size();
    message += intro + std::to_string(n) + " )\n";
    for (std::size_t i = 0; i < std::min<std::size_t>(3, n); ++i) message += entries[i] + "\n";
    if (n > 3) message += "\n" + std::to_string(n - 3) + "  more left";
}

bool AnyIllegal(const std::vector<std::string>& lines) {
    std::string found;
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return FindIllegalChars('N', NormalisePath(line), found);
    });
}

// The extension the system's file-name functions extract: from the last dot of the last
// component, dot included.
std::string DottedExtension(const std::string& name) {
    const auto dot = name.find_last_of(".\\:");
    if (dot == std::string::npos || name[dot] != '.') return {};
    return name.substr(dot);
}

}  // namespace

bool FindIllegalChars(char mode, const std::string& text, std::string& found) {
    const std::string_view set = IllegalSet(mode);
    found.clear();
    for (const char c : text) {
        if (set.find(c) != std::string_view::npos) {
            found += ' ';
            found += c;
        }
    }
    return !found.empty();
}

std::string NormalisePath(const std::string& text) {
    std::string path = WithBackslashes(text);
    // A network path keeps its leading pair; only the rest collapses.
    std::string prefix;
    if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
        const auto first = path.find_first_not_of('\\');
        prefix = "\\\\";
        path.erase(0, first == std::string::npos ? path.size() : first);
    }
    ReplaceAllRepeatedly(path, "\\\\", "\\");
    return prefix + path;
}

std::string NormaliseTypedText(const std::string& text) {
    std::string path = NormalisePath(text);
    ReplaceAllRepeatedly(path, "::", ":");
    return path;
}

bool AnalyseColons(const std::string& text, std::string& message) {
    const auto first = text.find(':');
    if (first == std::string::npos) {
        message = "Not found any colon (:) in the text !!!!";
        return false;
    }
    if (first == 0) {
        message = "The colon (:) is the first character in the text.";
        return false;
    }
    if (text.back() == ':') {
        message = "The colon (:) is the last character in the text.";
        return false;
    }
    for (auto pos = first; pos != std::string::npos; pos = text.find(':', pos + 1)) {
        const char before = text[pos - 1];
        if (!std::isalpha(static_cast<unsigned char>(before))) {
            message = "There is(are) no drive letter(s) before colon(s) (:) : ";
            message += before;
            return false;
        }
    }
    message = "There is(are) a drive letter(s) before colon(s) (:).";
    return true;
}

bool CheckTextItem(const std::string& text, std::string& normalised, std::string& message) {
    if (text.empty()) {
        message =
            "The text field is empty !\nAction : You must enter a text to add to the Include "
            "Folder List.";
        return false;
    }
    std::string found;
    if (FindIllegalChars('n', text, found)) {
        message = "Illegal characters in the text : " + found;
        return false;
    }
    normalised = NormaliseTypedText(text);
    return true;
}

std::vector<std::string> SplitFullPaths(const std::string& text) {
    const std::string path = WithBackslashes(text);
    std::vector<std::string> pieces;
    std::size_t start = std::string::npos;
    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
        if (path[i + 1] != ':' || !std::isalpha(static_cast<unsigned char>(path[i]))) continue;
        if (start != std::string::npos) pieces.push_back(path.substr(start, i - start));
        start = i;
    }
    if (start != std::string::npos) pieces.push_back(path.substr(start));
    return pieces;
}

bool CheckFolderName(FileSystem& fs, const std::string& path, std::string& message,
                     bool acceptAnyDrive) {
    const std::string trimmed = TrimSpaces(path);
    const std::string drive = ExtractDrive(trimmed);
    if (drive.empty()) {
        message = "This item is not a valid Folder Name (No drive letter) !";
        return false;
    }
    std::string typeName;
    if (!LookUpDrive(fs, drive, typeName, acceptAnyDrive)) {
        message = "There is no valid drive letter.";
        return false;
    }
    std::string head, folderPart;
    SplitAtColon(trimmed, head, folderPart);
    // A root, or a root with a single character after it, is no folder to work on.
    if (CountCharacters(TrimSpaces(folderPart)) < 3) {
        message = "There is no Folder part (just root).";
        return false;
    }
    std::string found;
    if (FindIllegalChars('N', folderPart, found)) {
        message = "Illegal characters in the folder name : " + found;
        return false;
    }
    return true;
}

bool CheckSameFolder(const Text& text, const std::string& destination, const std::string& source,
                     std::string& message) {
    std::string normalSource, normalDestination;
    if (!CheckTextItem(source, normalSource, message)) return true;
    if (!CheckTextItem(destination, normalDestination, message)) return true;
    // A trailing backslash names the same folder ("d:\T\" is "d:\T"); a root keeps its own.
    for (std::string* normal : {&normalSource, &normalDestination})
        while (normal->size() > 1 && normal->back() == '\\' && (*normal)[normal->size() - 2] != ':')
            normal->pop_back();
    if (text.EqualsNoCase(normalDestination, normalSource)) {
        message =
            "The ATTACH/COPY/MOVE operation is NOT PERFORMED !!!\nThe Destination Folder is the "
            "same as the source Folder !!! \nDestination Folder : " +
            destination + "\nSource Folder      : " + source;
        return true;
    }
    return false;
}

bool ScreenPath(FileSystem& fs, const std::string& text, std::vector<std::string>& good,
                std::vector<std::string>& bad) {
    const std::string path = NormaliseTypedText(text);
    std::string message;
    const bool accepted = AnalyseColons(path, message) &&
                          CheckFolderName(fs, path, message, true) &&
                          CountCharacters(path) <= kMaxScreenedLength;
    (accepted ? good : bad).push_back(path);
    return bad.empty();
}

bool ReportSyntaxErrors(std::string& message, const std::vector<std::string>& lines) {
    std::vector<std::string> entries;
    std::string found;
    for (const std::string& line : lines) {
        const std::string normal = NormalisePath(line);
        if (FindIllegalChars('N', normal, found))
            entries.push_back("Syntax Error: " + found + "    " + normal);
    }
    if (entries.empty()) return false;
    AppendReport(message,
                 "Error Type: There are Syntax errors in the Folder Names ( / \" * | < > ?)  "
                 "(total: ",
                 entries);
    return true;
}

bool ReportNulCharacters(std::string& message, const std::vector<std::string>& lines) {
    std::vector<std::string> entries;
    for (const std::string& line : lines) {
        if (line.find('\0') == std::string::npos) continue;
        // Shown where it stands; a message box would end the line at it.
        std::string shown;
        for (const char c : NormalisePath(line))
            shown += c == '\0' ? std::string("[NUL]") : std::string(1, c);
        entries.push_back(shown);
    }
    if (entries.empty()) return false;
    AppendReport(message,
                 "Error Type: There are NUL characters in the Folder Names (total: ", entries);
    return true;
}

bool ReportColons(int maxColons, std::string& message, const std::vector<std::string>& lines) {
    std::vector<std::string> entries;
    for (const std::string& line : lines) {
        const std::string normal = NormalisePath(line);
        const auto colons = std::count(normal.begin(), normal.end(), ':');
        if (colons > maxColons)
            entries.push_back("No. of Colons: " + std::to_string(colons) + "   " + normal);
    }
    if (entries.empty()) return false;
    AppendReport(message,
                 maxColons == 0 ? "There are Colons in the Folder Names ( "
                                : "There are more than one Colons in the Folder Names (total: ",
                 entries);
    return true;
}

bool ReportNoLeadingBackslash(std::string& message, const std::vector<std::string>& lines) {
    std::vector<std::string> entries;
    for (const std::string& line : lines) {
        const std::string normal = NormalisePath(line);
        if (!StartsWithBackslash(normal)) entries.push_back(normal);
    }
    if (entries.empty()) return false;
    AppendReport(message,
                 "Error Type: There are paths not beginning with \\ (backslash) (total: ", entries);
    return true;
}

bool CheckRelativePaths(std::string& message, const std::vector<std::string>& lines) {
    message.clear();
    std::vector<std::string> withDrive;
    for (const std::string& line : lines)
        if (HasDrive(line)) withDrive.push_back(line);
    if (!withDrive.empty()) {
        AppendDriveBlock(message,
                         "You can only enter relative paths without drive letters.\nError Type: "
                         "There are drive letters in paths (",
                         withDrive);
        std::string ext;
        const bool anyExtension = std::any_of(
            lines.begin(), lines.end(), [&](const auto& line) { return ExtensionOf(line, ext); });
        if (anyExtension || AnyIllegal(lines)) message += "\n\n";
    }
    bool errors = !withDrive.empty();
    errors = ReportSyntaxErrors(message, lines) || errors;
    errors = ReportColons(0, message, lines) || errors;
    errors = ReportNoLeadingBackslash(message, lines) || errors;
    errors = ReportNulCharacters(message, lines) || errors;
    return errors;
}

bool CheckFullPaths(std::string& message, const std::vector<std::string>& lines) {
    message.clear();
    std::vector<std::string> withoutDrive;
    for (const std::string& line : lines)
        if (!HasDrive(line)) withoutDrive.push_back(line);
    if (!withoutDrive.empty()) {
        AppendDriveBlock(message,
                         "You can only enter full paths with drive letters.\nError Type: There "
                         "are no drive letters in paths (",
                         withoutDrive);
        std::string ext;
        const bool anyWithout = std::any_of(
            lines.begin(), lines.end(), [&](const auto& line) { return !ExtensionOf(line, ext); });
        if (anyWithout || AnyIllegal(lines)) message += "\n\n";
    }
    bool errors = !withoutDrive.empty();
    errors = ReportSyntaxErrors(message, lines) || errors;
    errors = ReportColons(1, message, lines) || errors;
    errors = ReportNulCharacters(message, lines) || errors;
    return errors;
}

std::string FormatSize(std::uint64_t bytes, double& value, std::string& unit) {
    const double count = static_cast<double>(bytes);
    if (count / 1073741824.0 > 1) {
        value = count / 1073741824.0;
        unit = " GB";
    } else if (count / 1048576.0 > 1) {
        value = count / 1048576.0;
        unit = " MB";
    } else if (count / 1024.0 > 1) {
        value = count / 1024.0;
        unit = " KB";
    } else {
        value = count;
        unit = " Bytes";
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f%s", value, unit.c_str());
    return buffer;
}

std::string FormatSize(std::uint64_t bytes) {
    double value = 0;
    std::string unit;
    return FormatSize(bytes, value, unit);
}

std::string SummariseList(const std::vector<std::string>& list, std::size_t limit) {
    std::vector<std::string> extensions;
    for (const std::string& item : list) {
        const std::string ext = DottedExtension(item);
        if (TrimSpaces(ext).empty()) continue;
        if (std::find(extensions.begin(), extensions.end(), ext) == extensions.end())
            extensions.push_back(ext);
    }
    std::string summary;
    for (std::size_t i = 0; i < std::min<std::size_t>(3, extensions.size()); ++i)
        summary += extensions[i] + " ";
    summary = TrimSpaces(summary);
    if (extensions.size() >= 4)
        summary += "   (" + std::to_string(extensions.size() - 3) + ")  more...";
    // Cut whole characters, so the label stays UTF-8.
    return std::string(LeadingCharacters(summary, limit));
}

unsigned CountSeparators(const std::string& path) {
    return static_cast<unsigned>(
        std::count_if(path.begin(), path.end(), [](char c) { return c == '\\' || c == '/'; }));
}

bool StartsWithBackslash(const std::string& text) {
    return !text.empty() && text[0] == '\\';
}

}  // namespace arbovane
