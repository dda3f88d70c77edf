#include "cli/CliOutcomes.h"

#include "core/undo/UndoResult.h"
#include "core/visuallog/VisualLog.h"

namespace arbovane {

namespace {

// "lstStat07FoldersNotExists" -> "FoldersNotExists".
std::string CategoryName(const VisualLogCategoryLayout& layout) {
    const std::string& name = layout.listName;
    std::size_t start = name.rfind("lstStat", 0) == 0 ? 7 : 0;
    while (start < name.size() && name[start] >= '0' && name[start] <= '9') ++start;
    return name.substr(start);
}

// Counters and categories of what was done as asked; every other one counts what was not.
bool NamesReached(const std::string& name) {
    for (const char* done : {"Copied", "Deleted", "Renamed", "Created"})
        if (name.find(done) != std::string::npos) return true;
    return false;
}

}  // namespace

bool CliOutcomes::AnyNotReached() const {
    bool any = false;
    Rows([&any](const std::string&, const std::string&, bool reached) { any |= !reached; });
    return any;
}

void CliLogOutcomes::Counters(const CounterVisit& visit) const {
    const auto& counters = log_.Layout().counters;
    for (std::size_t i = 0; i < counters.size(); ++i)
        if (counters[i].shown) visit(counters[i].name, log_.CounterTextAt(i));
}

void CliLogOutcomes::Rows(const RowVisit& visit) const {
    const auto& categories = log_.Layout().categories;
    for (std::size_t i = 0; i < categories.size(); ++i) {
        const std::string name = CategoryName(categories[i]);
        const bool reached = NamesReached(name);
        for (const std::string& line : log_.LinesAt(i)) visit(name, line, reached);
    }
}

bool CliLogOutcomes::AnyNotReached() const {
    const VisualLogLayout& layout = log_.Layout();
    for (std::size_t i = 0; i < layout.counters.size(); ++i)
        if (!layout.counters[i].toDo && !NamesReached(layout.counters[i].name) &&
            log_.CounterAt(i) > 0)
            return true;
    for (std::size_t i = 0; i < layout.categories.size(); ++i)
        if (!log_.LinesAt(i).empty() && !NamesReached(CategoryName(layout.categories[i])))
            return true;
    return false;
}

void CliListOutcomes::Counters(const CounterVisit& visit) const {
    for (const List& list : lists_) visit(list.name, std::to_string(list.lines.size()));
}

void CliListOutcomes::Rows(const RowVisit& visit) const {
    for (const List& list : lists_)
        for (const std::string& line : list.lines) visit(list.name, line, list.reached);
}

CliListOutcomes FolderUndoOutcomes(const FolderFileUndoResult& result) {
    return CliListOutcomes({{"FoldersRemoved", result.removedFolders, true},
                            {"FilesRemoved", result.removedFiles, true},
                            {"FilesKeptChanged", result.changedFiles, false},
                            {"FoldersKeptHoldingNew", result.occupiedFolders, false},
                            {"FoldersFailed", result.failedFolders, false},
                            {"FilesFailed", result.failedFiles, false}});
}

CliListOutcomes RenameUndoOutcomes(const RenameUndoResult& result) {
    // A folder taken back is named as it is called again; one left, by the name it still has.
    const auto paths = [](const std::vector<_tagReplaceFoldersStruct>& pairs, bool old) {
        std::vector<std::string> lines;
        for (const auto& pair : pairs) lines.push_back(old ? pair.OldPath : pair.NewPath);
        return lines;
    };
    return CliListOutcomes({{"FoldersRenamedBack", paths(result.renamedBack, true), true},
                            {"FoldersKeptOldNameTaken", paths(result.oldNameTaken, false), false},
                            {"FoldersNotFound", paths(result.renamedMissing, false), false},
                            {"FoldersFailed", paths(result.failed, false), false}});
}

std::string CliCounterLines(const CliOutcomes& outcomes) {
    std::string lines;
    outcomes.Counters([&lines](const std::string& name, const std::string& value) {
        lines += name + ": " + value + "\n";
    });
    return lines;
}

std::string CliCounterLines(const VisualLog& log) {
    return CliCounterLines(CliLogOutcomes(log));
}

std::string CsvField(const std::string& text) {
    std::string field = "\"";
    for (const char c : text) {
        if (c == '"') field += '"';
        field += c;
    }
    return field + "\"";
}

std::string CliCategoryRows(const CliOutcomes& outcomes) {
    std::string rows;
    outcomes.Rows([&rows](const std::string& category, const std::string& line, bool) {
        rows += CsvField(category) + "," + CsvField(line) + "\r\n";
    });
    return rows;
}

std::string CliCategoryRows(const VisualLog& log) {
    return CliCategoryRows(CliLogOutcomes(log));
}

}  // namespace arbovane
