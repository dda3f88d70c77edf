#include "core/templates/TemplateOptions.h"

#include <algorithm>

#include "core/paths/PathText.h"
#include "platform/Text.h"

namespace arbovane {

namespace {

void CollapseRepeatedly(std::string& text, const std::string& doubled, const std::string& single) {
    for (auto at = text.find(doubled); at != std::string::npos; at = text.find(doubled, at))
        text.replace(at, doubled.size(), single);
}

// The line split into its first folder's name and the rest from the next backslash on.
void SplitFirstFolder(const std::string& line, std::string& first, std::string& rest) {
    std::string text = WithBackslashes(line);
    std::string head, tail;
    if (SplitAtColon(text, head, tail)) text = tail;
    if (!text.empty() && text.front() == '\\') text.erase(0, 1);
    const auto slash = text.find('\\');
    if (slash == std::string::npos) {
        first = text;
        rest.clear();
        return;
    }
    first = text.substr(0, slash);
    rest = text.substr(slash);
}

// Every occurrence, letter case ignored, scanning on after each replacement so a replacement
// that holds the name again is not replaced once more.
std::string ReplaceAllNoCase(const Text& text, const std::string& haystack,
                             const std::string& needle, const std::string& replacement) {
    if (needle.empty()) return haystack;
    std::string result;
    std::size_t from = 0;
    for (auto at = text.FindNoCase(haystack, needle, from); at != std::string::npos;
         at = text.FindNoCase(haystack, needle, from)) {
        result.append(haystack, from, at - from);
        result += replacement;
        from = at + needle.size();
    }
    result.append(haystack, from, std::string::npos);
    return result;
}

bool LeavesFolder(const std::string& relative) {
    std::size_t start = 0;
    while (start <= relative.size()) {
        auto end = relative.find('\\', start);
        if (end == std::string::npos) end = relative.size();
        const std::string part = TrimSpaces(relative.substr(start, end - start));
        if (part == "." || part == "..") return true;
        start = end + 1;
    }
    return false;
}

}  // namespace

TemplateOption TemplateOptionFor(const MAP_FOLDER_TEMPLATE_OPTIONS& store, int key) {
    const auto it = store.find(key);
    return it == store.end() ? TemplateOption::ReplaceNo : it->second.option;
}

std::string TransformTemplateLine(const Text& text, TemplateOption option, const std::string& line,
                                  const std::string& includeFolder) {
    if (option == TemplateOption::ReplaceNo) return line;
    std::string first, rest;
    SplitFirstFolder(line, first, rest);
    if (option == TemplateOption::ReplaceFirst || rest.empty()) return rest;
    // The include folder's name: what follows its last backslash, blanks trimmed.
    const std::string folder = WithBackslashes(includeFolder);
    const auto slash = folder.rfind('\\');
    const std::string name =
        slash == std::string::npos ? std::string{} : TrimSpaces(folder.substr(slash + 1));
    return ReplaceAllNoCase(text, rest, first, name);
}

std::string JoinTemplatePath(const std::string& includeFolder, const std::string& relative) {
    if (relative.find(':') != std::string::npos) return {};
    std::string path = WithBackslashes(includeFolder + "\\" + relative);
    CollapseRepeatedly(path, "\\\\", "\\");
    CollapseRepeatedly(path, "::", ":");
    if (!path.empty() && path.back() == '\\') path.pop_back();
    if (LeavesFolder(WithBackslashes(relative))) return {};
    return path;
}

}  // namespace arbovane
