#include "cli/CliJournal.h"

#include <array>
#include <charconv>
#include <string_view>
#include <vector>

#include "core/ops/rename/RenameNames.h"

namespace arbovane {

namespace {

constexpr std::string_view kHeader = "arbovane journal 1";

struct TabName {
    UndoTab tab;
    const char* name;
};
constexpr std::array<TabName, 4> kTabs = {{{UndoTab::Copy, "copy"},
                                           {UndoTab::CreateI, "create-names"},
                                           {UndoTab::CreateII, "create-paths"},
                                           {UndoTab::CreateIII, "create-numbers"}}};

// The path lists of a folder journal, by their line keys.
struct PathList {
    const char* key;
    std::vector<std::string> UndoJournal::*list;
};
constexpr std::array<PathList, 6> kPathLists = {{
    {"main", &UndoJournal::CreatedMainFolders},
    {"file", &UndoJournal::CopiedFiles},
    {"target", &UndoJournal::CopyTargetFolders},
    {"structure", &UndoJournal::CreatedStructureFolders},
    {"failed-folder", &UndoJournal::FailedUndoFolders},
    {"failed-file", &UndoJournal::FailedUndoFiles},
}};

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == line.npos ? line.npos : tab - start));
        if (tab == line.npos) return fields;
        start = tab + 1;
    }
}

template <typename Number>
bool ParseNumber(std::string_view text, Number& number) {
    const char* end = text.data() + text.size();
    auto [rest, error] = std::from_chars(text.data(), end, number);
    return error == std::errc() && rest == end;
}

void AddLine(std::string& text, std::string_view key, std::string_view value) {
    text.append(key).append("\t").append(value).append("\n");
}

}  // namespace

std::string JournalFileText(const CliJournal& journal) {
    std::string text(kHeader);
    text += "\n";
    if (journal.kind == CliJournal::Kind::Rename) {
        AddLine(text, "tab", "rename");
        for (const auto& pair : journal.renames.RenamedPairs)
            AddLine(text, "renamed", pair.OldPath + "\t" + pair.NewPath);
        for (const auto& pair : journal.renames.FailedUndoPairs)
            AddLine(text, "failed-rename", pair.OldPath + "\t" + pair.NewPath);
        return text;
    }
    for (const TabName& tab : kTabs)
        if (tab.tab == journal.tab) AddLine(text, "tab", tab.name);
    const UndoJournal& folders = journal.folders;
    AddLine(text, "marker", folders.AttachModeMarker);
    AddLine(text, "root", folders.UndoRoot);
    for (const PathList& list : kPathLists)
        for (const std::string& path : folders.*list.list) AddLine(text, list.key, path);
    // Also the stamps of files a former undo left: a file changed since is never removed.
    for (const auto& [path, stamp] : folders.CopiedFileStamps)
        AddLine(text, "stamp",
                path + "\t" + std::to_string(stamp.size) + "\t" + std::to_string(stamp.modifiedNs));
    return text;
}

std::optional<CliJournal> ParseJournalFile(const std::string& text, std::string& error) {
    CliJournal journal;
    bool headed = false;
    bool tabSeen = false;
    std::size_t number = 0;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == text.npos) end = text.size();
        std::string_view line(text.data() + start, end - start);
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!headed) {
            if (line != kHeader) {
                error = "not a journal file of this program";
                return std::nullopt;
            }
            headed = true;
            continue;
        }
        if (line.empty()) continue;
        const std::vector<std::string_view> fields = Fields(line);
        const std::string_view key = fields[0];
        auto bad = [&](const char* why = "cannot be read") {
            error = "line " + std::to_string(number) + " of the journal " + why;
            return std::nullopt;
        };
        // A name cannot hold one, and the host would read the path as ending there.
        if (line.find('\0') != line.npos) return bad("holds a NUL byte");
        if (fields.size() < 2) return bad();
        const std::string value(fields[1]);
        if (key == "tab") {
            tabSeen = true;
            if (value == "rename") {
                journal.kind = CliJournal::Kind::Rename;
                continue;
            }
            bool known = false;
            for (const TabName& tab : kTabs)
                if (value == tab.name) journal.tab = tab.tab, known = true;
            if (!known) return bad();
            continue;
        }
        if (!tabSeen) return bad();
        UndoJournal& folders = journal.folders;
        if (key == "renamed" || key == "failed-rename") {
            if (fields.size() != 3 || journal.kind != CliJournal::Kind::Rename) return bad();
            auto& pairs =
                key == "renamed" ? journal.renames.RenamedPairs : journal.renames.FailedUndoPairs;
            _tagReplaceFoldersStruct pair{value, std::string(fields[2])};
            if (!IsRenamePair(pair))
                return bad("names two folders that are no rename of one another in one folder");
            pairs.push_back(std::move(pair));
            continue;
        }
        if (journal.kind == CliJournal::Kind::Rename) return bad();
        if (key == "marker") {
            folders.AttachModeMarker = value;
        } else if (key == "root") {
            folders.UndoRoot = value;
        } else if (key == "stamp") {
            FileStamp stamp;
            if (fields.size() != 4 || !ParseNumber(fields[2], stamp.size) ||
                !ParseNumber(fields[3], stamp.modifiedNs))
                return bad();
            folders.CopiedFileStamps[value] = stamp;
        } else {
            bool known = false;
            for (const PathList& list : kPathLists)
                if (key == list.key && fields.size() == 2)
                    (folders.*list.list).push_back(value), known = true;
            if (!known) return bad();
        }
    }
    if (!headed || !tabSeen) {
        error = headed ? "the journal names no tab" : "not a journal file of this program";
        return std::nullopt;
    }
    return journal;
}

}  // namespace arbovane
