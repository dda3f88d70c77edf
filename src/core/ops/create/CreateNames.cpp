#include "core/ops/create/CreateNames.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <limits>
#include <set>

#include "core/paths/Arbsplit.h"
#include "core/paths/BlankTrim.h"
#include "core/paths/PathText.h"
#include "platform/Text.h"

namespace arbovane {

namespace {

std::string WithTrailingBackslash(const std::string& folder) {
    std::string head = TrimSpaces(folder);
    if (head.empty() || head.back() != '\\') head += '\\';
    return head;
}

void AddHyphens(_tagVol0XParts& parts, const std::string& prefix, const std::string& suffix,
                bool hyphen) {
    parts.Head += prefix;
    if (hyphen && !TrimSpaces(prefix).empty()) parts.Head += '-';
    parts.SuffixHyphen = hyphen && !TrimSpaces(suffix).empty() ? "-" : "";
    parts.Suffix = suffix;
}

bool IsReservedDeviceName(const std::string& name) {
    // Windows reads these names, with any extension, as devices.
    std::string base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ') base.pop_back();
    for (char& c : base) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    static const std::array<const char*, 4> kPlain = {"CON", "PRN", "AUX", "NUL"};
    for (const char* reserved : kPlain)
        if (base == reserved) return true;
    if (base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
        std::isdigit(static_cast<unsigned char>(base[3])))
        return true;
    return base == "CONIN$" || base == "CONOUT$";
}

}  // namespace

_tagVol0XParts BuildNameParts(const std::string& parent, const std::string& prefix,
                              const std::string& suffix, bool hyphen) {
    _tagVol0XParts parts;
    parts.Head = WithTrailingBackslash(parent);
    AddHyphens(parts, prefix, suffix, hyphen);
    return parts;
}

_tagVol0XParts BuildNamePartsFromPath(const std::string& line, const std::string& prefix,
                                      const std::string& suffix, bool hyphen) {
    std::string working = TrimSpaces(line);
    const auto lastOf = [](const std::string& text) { return text.find_last_of("\\:"); };
    auto cut = lastOf(working);
    const std::string last = cut == std::string::npos ? working : working.substr(cut + 1);
    if (last.find('.') != std::string::npos && cut != std::string::npos) {
        working.erase(working[cut] == '\\' ? cut : cut + 1);
        cut = lastOf(working);
    }
    _tagVol0XParts parts;
    if (cut == std::string::npos) {
        parts.Core = working;
    } else {
        parts.Core = working.substr(cut + 1);
        std::string parent = working.substr(0, cut);
        // A drive root keeps its backslash: the parent of d:\Clients is d:\.
        if (working[cut] == ':' || (parent.size() == 2 && parent[1] == ':'))
            parent = working.substr(0, 2);
        parts.Head = WithTrailingBackslash(working[cut] == ':' ? parent + "\\" : parent);
    }
    AddHyphens(parts, prefix, suffix, hyphen);
    return parts;
}

std::string ComposeFolderPath(const _tagVol0XParts& parts, const std::string& name) {
    return parts.Head + (name.empty() ? parts.Core : name) + parts.SuffixHyphen + parts.Suffix;
}

bool IsPlainFolderName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (const char c : name)
        if (static_cast<unsigned char>(c) < 32 ||
            std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
            return false;
    if (name.back() == '.' || name.back() == ' ') return false;
    return !IsReservedDeviceName(name);
}

bool IsPlainRelativePath(const std::string& relative) {
    std::size_t start = 0;
    while (true) {
        const auto end = relative.find('\\', start);
        if (!IsPlainFolderName(relative.substr(start, end - start))) return false;
        if (end == std::string::npos) return true;
        start = end + 1;
    }
}

bool HasPlainLevels(const std::string& path) {
    const std::string drive = ExtractDrive(path);
    if (drive.empty()) return false;
    std::size_t start = drive.size();
    while (start < path.size()) {
        const auto end = path.find('\\', start);
        const std::string level = path.substr(start, end - start);
        if (level == "." || level == "..") return false;
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return true;
}

int PaddingWidth(std::int64_t end) {
    return static_cast<int>(std::to_string(end).size());
}

std::string NumberText(std::int64_t number, int width, bool padded) {
    return padded ? ZeroPadNumber(number, width) : std::to_string(number);
}

std::string AppendNumberToLevels(const std::string& path, const std::string& prefix,
                                 const std::string& number) {
    std::size_t blanks = 0;
    while (blanks < prefix.size() &&
           static_cast<unsigned char>(prefix[prefix.size() - 1 - blanks]) < 33)
        ++blanks;
    const std::string joint(blanks, ' ');
    const auto colon = path.find(':');
    std::string rest = colon == std::string::npos ? path : path.substr(colon + 1);
    std::string result;
    while (!rest.empty()) {
        if (rest.front() == '\\') rest.erase(0, 1);
        result += '\\';
        const auto slash = rest.find('\\');
        result += rest.substr(0, slash) + joint + number;
        rest = slash == std::string::npos ? std::string{} : rest.substr(slash);
    }
    return result;
}

std::optional<std::int32_t> ParseWholeNumber(const std::string& text) {
    const std::string trimmed = TrimBlanksAndControls(text);
    if (trimmed.empty()) return std::nullopt;
    const char* first = trimmed.data();
    const char* last = first + trimmed.size();
    if (*first == '+') ++first;
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc{} || end != last) return std::nullopt;
    return value;
}

NumberBoxes ReadNumberBoxes(const std::string& startText, const std::string& endText) {
    NumberBoxes numbers;
    std::int32_t start = 1;
    if (const auto value = ParseWholeNumber(startText)) {
        start = *value;
    } else {
        numbers.startText = "1";
    }
    std::int32_t end = start;
    if (const auto value = ParseWholeNumber(endText)) {
        end = *value;
    } else {
        numbers.endText = std::to_string(start);
    }
    numbers.start = std::max<std::int32_t>(start, 1);
    numbers.end = std::max<std::int32_t>(end, 1);
    return numbers;
}

std::uint64_t NumberCount(const NumberBoxes& numbers) {
    if (numbers.end < numbers.start) return 0;
    return static_cast<std::uint64_t>(static_cast<std::int64_t>(numbers.end) - numbers.start + 1);
}

std::string IllegalNamePartText(const std::string& text, bool prefix) {
    std::string found;
    if (!FindIllegalChars('F', text, found)) return {};
    return std::string(prefix ? "Illegal character in the Prefix : "
                              : "Illegal character in the Suffix : ") +
           found;
}

std::vector<std::string> HistoryWithFirst(const Text& text, const std::vector<std::string>& items,
                                          const std::string& first) {
    std::vector<std::string> history;
    std::set<std::string> seen;
    const auto add = [&](const std::string& item) {
        if (IsOnlyBlanksAndControls(item)) return;
        if (seen.insert(text.LowerCase(TrimSpaces(item))).second) history.push_back(item);
    };
    add(TrimSpaces(first));
    for (const std::string& item : items) add(item);
    return history;
}

std::string DestinationSummaryText(const std::string& folder, std::uint32_t folders,
                                   std::uint32_t files, std::uint64_t bytes) {
    return "Folder structure: " + TrimSpaces(folder) + "\n\n" +
           "Contains :       " + std::to_string(folders) + " Main Folders/Subfolders.\n\n" +
           "                       " + std::to_string(files) + " Files." + "\n\n" +
           "Sum file size :  " + FormatSize(bytes) + "  (" + std::to_string(bytes) + " bytes)." +
           "\n";
}

}  // namespace arbovane
