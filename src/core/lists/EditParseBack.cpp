#include "core/lists/EditParseBack.h"

#include "core/lists/FolderList.h"
#include "core/paths/Arbsplit.h"
#include "core/paths/PathText.h"

namespace arbovane {

std::vector<std::string> SplitMemoLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::string JoinMemoLines(const std::vector<std::string>& lines) {
    std::string text;
    std::size_t size = 0;
    for (const std::string& line : lines) size += line.size() + 1;
    text.reserve(size);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += '\n';
        text += lines[i];
    }
    return text;
}

ListMessage UncarriedLinesMessage(std::size_t count) {
    return {"0602",
            "Lines holding characters this window can not show : " + std::to_string(count) +
                "\nThey are shown with \xEF\xBF\xBD in their place, and keep their own characters "
                "unless you change them.",
            "Edit the List.            Warning no: 0602.", kMsgWarning};
}

bool ParseBackEditedLines(const std::vector<std::string>& lines, bool relative, FolderList& target,
                          const FolderList& other, std::string& report,
                          const std::function<void()>& afterAdd) {
    const bool errors =
        relative ? CheckRelativePaths(report, lines) : CheckFullPaths(report, lines);
    if (errors) return false;
    report.clear();
    target.Clear();
    for (const std::string& line : lines) {
        if (TrimSpaces(line).empty()) continue;
        std::string path = NormalisePath(line);
        if (HasDrive(path) == relative) continue;
        if (!target.AddUnlessIn(std::move(path), other)) continue;
        if (afterAdd) afterAdd();
    }
    return true;
}

}  // namespace arbovane
