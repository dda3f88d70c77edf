#include "core/undo/JournalFile.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <vector>

#include "core/ops/rename/RenameNames.h"

namespace arbovane {

namespace {

struct TabName {
    RunJournal::Kind kind;
    UndoTab tab;
    const char* name;
};
constexpr std::array<TabName, 5> kTabs = {{
    {RunJournal::Kind::Folders, UndoTab::Copy, "copy"},
    {RunJournal::Kind::Folders, UndoTab::CreateI, "create-names"},
    {RunJournal::Kind::Folders, UndoTab::CreateII, "create-paths"},
    {RunJournal::Kind::Folders, UndoTab::CreateIII, "create-numbers"},
    {RunJournal::Kind::Rename, UndoTab::Copy, "rename"},
}};

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

std::string Line(std::string_view key, std::string_view value) {
    std::string line(key);
    line.append("\t").append(value).append("\n");
    return line;
}

std::string Line(std::string_view key, std::string_view first, std::string_view second) {
    std::string line(key);
    line.append("\t").append(first).append("\t").append(second).append("\n");
    return line;
}

std::string StampFields(const FileStamp& stamp) {
    return std::to_string(stamp.size) + "\t" + std::to_string(stamp.modifiedNs) + "\t" +
           std::to_string(stamp.changedNs) + "\t" + std::to_string(stamp.fileId);
}

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
bool ParseNumber(std::string_view text, Number& number, int base = 10) {
    const char* end = text.data() + text.size();
    auto [rest, error] = std::from_chars(text.data(), end, number, base);
    return !text.empty() && error == std::errc() && rest == end;
}

// Stamps of the older form hold size and modification time only.
bool ParseStamp(const std::vector<std::string_view>& fields, FileStamp& stamp) {
    if (fields.size() == 4)
        return ParseNumber(fields[2], stamp.size) && ParseNumber(fields[3], stamp.modifiedNs);
    return fields.size() == 6 && ParseNumber(fields[2], stamp.size) &&
           ParseNumber(fields[3], stamp.modifiedNs) && ParseNumber(fields[4], stamp.changedNs) &&
           ParseNumber(fields[5], stamp.fileId);
}

const TabName* FindTab(std::string_view name) {
    for (const TabName& tab : kTabs)
        if (name == tab.name) return &tab;
    return nullptr;
}

// One line of the body (the journal as the tab keeps it); false when the key or its fields are
// not those of a body line of the journal's kind.
bool ReadBodyLine(RunJournal& journal, const std::vector<std::string_view>& fields) {
    const std::string_view key = fields[0];
    if (fields.size() < 2) return false;
    const std::string value(fields[1]);
    if (key == "renamed" || key == "failed-rename") {
        if (fields.size() != 3 || journal.kind != RunJournal::Kind::Rename) return false;
        auto& pairs =
            key == "renamed" ? journal.renames.RenamedPairs : journal.renames.FailedUndoPairs;
        _tagReplaceFoldersStruct pair{value, std::string(fields[2])};
        // A rename never moves a folder into another one.
        if (!IsRenamePair(pair)) return false;
        pairs.push_back(std::move(pair));
        return true;
    }
    if (journal.kind == RunJournal::Kind::Rename) return false;
    UndoJournal& folders = journal.folders;
    if (key == "marker" || key == "root" || key == "unconfirmed") {
        if (fields.size() != 2) return false;
        (key == "marker" ? folders.AttachModeMarker
         : key == "root" ? folders.UndoRoot
                         : folders.UnconfirmedEntry) = value;
        return true;
    }
    if (key == "interrupted") {
        folders.FromInterruptedRun = true;
        return fields.size() == 2 && ParseNumber(fields[1], folders.RunStartedNs);
    }
    if (key == "stamp") {
        FileStamp stamp;
        if (!ParseStamp(fields, stamp)) return false;
        folders.CopiedFileStamps[value] = stamp;
        return true;
    }
    for (const PathList& list : kPathLists) {
        if (key != list.key) continue;
        if (fields.size() != 2) return false;
        (folders.*list.list).push_back(value);
        return true;
    }
    return false;
}

// What an interrupted run wrote ahead, replayed: every entry it may have made.
class WriteAheadReplay {
public:
    explicit WriteAheadReplay(RunJournal& journal) : journal_(journal) {}

    // False when the line is no write-ahead line.
    bool Read(const std::vector<std::string_view>& fields) {
        const std::string_view key = fields[0];
        if (key == "intent-folder" || key == "intent-file") {
            if (fields.size() != 2) return Bad();
            Settle();
            pending_ = key == "intent-folder" ? Pending::Folder : Pending::File;
            path_ = std::string(fields[1]);
            return true;
        }
        if (key == "intent-rename") {
            if (fields.size() != 3 || journal_.kind != RunJournal::Kind::Rename ||
                !IsRenamePair({std::string(fields[1]), std::string(fields[2])}))
                return Bad();
            Settle();
            pending_ = Pending::Rename;
            path_ = std::string(fields[1]);
            newPath_ = std::string(fields[2]);
            return true;
        }
        if (key == "not-made") {
            if (fields.size() != 2 || pending_ == Pending::None || fields[1] != path_) return Bad();
            pending_ = Pending::None;
            return true;
        }
        if (key == "made-file") {
            FileStamp stamp;
            if (!ParseStamp(fields, stamp) || pending_ != Pending::File || fields[1] != path_)
                return Bad();
            journal_.folders.FailedUndoFiles.push_back(path_);
            journal_.folders.CopiedFileStamps[path_] = stamp;
            pending_ = Pending::None;
            return true;
        }
        return false;
    }
    bool Failed() const { return bad_; }

    // The last entry has no outcome: the run ended while it was being made.
    void Finish() {
        if (pending_ == Pending::None) return;
        if (pending_ != Pending::Rename) journal_.folders.UnconfirmedEntry = path_;
        Settle();
    }

private:
    enum class Pending { None, Folder, File, Rename };

    bool Bad() {
        bad_ = true;
        return true;
    }
    // An intent followed by another line than its outcome made its entry.
    void Settle() {
        switch (pending_) {
            case Pending::None:
                break;
            case Pending::Folder:
                journal_.folders.FailedUndoFolders.push_back(path_);
                break;
            case Pending::File:
                // Only the entry being made when the run ended can lack its outcome line.
                journal_.folders.FailedUndoFiles.push_back(path_);
                break;
            case Pending::Rename:
                journal_.renames.RenamedPairs.push_back({path_, newPath_});
                break;
        }
        pending_ = Pending::None;
    }

    RunJournal& journal_;
    Pending pending_ = Pending::None;
    std::string path_;
    std::string newPath_;
    bool bad_ = false;
};

std::optional<RunJournal> Refuse(std::string& error, std::string text) {
    error = std::move(text);
    return std::nullopt;
}

std::string LineError(std::size_t number) {
    return "line " + std::to_string(number) + " of the journal is damaged";
}

// The first form: no end mark, stamps of size and modification time, read as it stands.
std::optional<RunJournal> ParseLegacy(const std::vector<std::string_view>& lines,
                                      std::string& error) {
    RunJournal journal;
    journal.legacy = true;
    bool tabSeen = false;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        const std::vector<std::string_view> fields = Fields(lines[i]);
        if (fields[0] == "tab" && fields.size() == 2) {
            const TabName* tab = FindTab(fields[1]);
            if (!tab || tabSeen) return Refuse(error, LineError(i + 1));
            journal.kind = tab->kind;
            journal.tab = tab->tab;
            tabSeen = true;
            continue;
        }
        if (!tabSeen || !ReadBodyLine(journal, fields)) return Refuse(error, LineError(i + 1));
    }
    if (!tabSeen) return Refuse(error, "the journal names no tab");
    return journal;
}

}  // namespace

namespace journal_file {

std::string Header(const RunJournal& identity, const std::string& program, std::int64_t startedNs) {
    std::string text(kHeader);
    text += "\n";
    text += Line("program", program);
    text += Line("tab", JournalTabName(identity));
    text += Line("started", std::to_string(startedNs));
    return text;
}

std::string IntentFolder(const std::string& path) {
    return Line("intent-folder", path);
}

std::string IntentFile(const std::string& path) {
    return Line("intent-file", path);
}

std::string IntentRename(const std::string& oldPath, const std::string& newPath) {
    return Line("intent-rename", oldPath, newPath);
}

std::string MadeFile(const std::string& path, const FileStamp& stamp) {
    return Line("made-file", path, StampFields(stamp));
}

std::string NotMade(const std::string& path) {
    return Line("not-made", path);
}

std::string Body(const RunJournal& journal) {
    std::string text;
    if (journal.kind == RunJournal::Kind::Rename) {
        for (const auto& pair : journal.renames.RenamedPairs)
            text += Line("renamed", pair.OldPath, pair.NewPath);
        for (const auto& pair : journal.renames.FailedUndoPairs)
            text += Line("failed-rename", pair.OldPath, pair.NewPath);
        return text;
    }
    const UndoJournal& folders = journal.folders;
    text += Line("marker", folders.AttachModeMarker);
    text += Line("root", folders.UndoRoot);
    if (folders.FromInterruptedRun)
        text += Line("interrupted", std::to_string(folders.RunStartedNs));
    if (!folders.UnconfirmedEntry.empty()) text += Line("unconfirmed", folders.UnconfirmedEntry);
    for (const PathList& list : kPathLists)
        for (const std::string& path : folders.*list.list) text += Line(list.key, path);
    // Also the stamps of files a former undo left: a file changed since is never removed.
    for (const auto& [path, stamp] : folders.CopiedFileStamps)
        text += Line("stamp", path, StampFields(stamp));
    return text;
}

std::string End(std::uint64_t lines, std::uint64_t checksum) {
    char sum[17];
    std::snprintf(sum, sizeof sum, "%016llx", static_cast<unsigned long long>(checksum));
    return Line("end", std::to_string(lines), sum);
}

std::string UndoStarted() {
    return "undo-started\n";
}

std::string Undoing(const std::string& path) {
    return Line("undoing", path);
}

std::uint64_t Checksum(std::uint64_t sum, std::string_view bytes) {
    // FNV-1a: enough to tell a damaged or edited file, which is all the mark is for.
    for (const char c : bytes) {
        sum ^= static_cast<unsigned char>(c);
        sum *= 1099511628211ULL;
    }
    return sum;
}

}  // namespace journal_file

const char* JournalTabName(const RunJournal& journal) {
    for (const TabName& tab : kTabs)
        if (tab.kind == journal.kind &&
            (tab.kind == RunJournal::Kind::Rename || tab.tab == journal.tab))
            return tab.name;
    return "copy";
}

std::string JournalFileText(const RunJournal& journal, const std::string& program,
                            std::int64_t startedNs) {
    std::string text = journal_file::Header(journal, program, startedNs);
    const std::string body = journal_file::Body(journal);
    const std::size_t headerEnd = text.find('\n') + 1;
    const std::string covered = text.substr(headerEnd) + body;
    std::uint64_t lines = 0;
    for (const char c : covered) lines += c == '\n';
    text += body;
    text += journal_file::End(lines, journal_file::Checksum(journal_file::kChecksumStart, covered));
    return text;
}

std::optional<RunJournal> ParseJournalFile(std::string_view text, std::string& error) {
    if (text.find('\0') != text.npos) return Refuse(error, "the journal holds a NUL byte");
    std::vector<std::string_view> lines;
    bool cut = false;  // the last line has no line break
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == text.npos) {
            cut = true;
            end = text.size();
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }

    std::string_view first = lines.empty() ? std::string_view() : lines[0];
    if (!first.empty() && first.back() == '\r') first.remove_suffix(1);
    if (first == journal_file::kLegacyHeader) {
        if (cut) lines.back() = {};
        for (auto& line : lines)
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        return ParseLegacy(lines, error);
    }
    // A run writes its header before its first change: a file that ends inside it is a run cut
    // off before it made anything.
    const auto nothingMade = [] {
        RunJournal journal;
        journal.interrupted = true;
        return journal;
    };
    if (lines.empty() || (cut && lines.size() == 1 && journal_file::kHeader.starts_with(first)))
        return nothingMade();
    if (first != journal_file::kHeader) return Refuse(error, "not a journal file of this program");

    RunJournal journal;
    WriteAheadReplay replay(journal);
    RunJournal ended;  // the body, as the run left it at its end
    bool tabSeen = false;
    bool startedSeen = false;
    bool endSeen = false;
    std::uint64_t sum = journal_file::kChecksumStart;
    std::uint64_t count = 0;
    const std::size_t whole = cut ? lines.size() - 1 : lines.size();
    for (std::size_t i = 1; i < whole; ++i) {
        const std::string_view line = lines[i];
        const std::vector<std::string_view> fields = Fields(line);
        const std::string_view key = fields[0];
        if (endSeen) {
            if (key == "undo-started" && fields.size() == 1) {
                journal.undoInterrupted = true;
            } else if (key == "undoing" && fields.size() == 2 && journal.undoInterrupted) {
                const std::string path(fields[1]);
                journal.folders.UndoStartedFiles.insert(path);
                journal.renames.UndoStartedPairs.insert(path);
            } else {
                return Refuse(error, LineError(i + 1));
            }
            continue;
        }
        if (key == "end") {
            std::uint64_t lineCount = 0;
            std::uint64_t checksum = 0;
            if (fields.size() != 3 || !ParseNumber(fields[1], lineCount) ||
                !ParseNumber(fields[2], checksum, 16))
                return Refuse(error, LineError(i + 1));
            if (lineCount != count || checksum != sum)
                return Refuse(error, "the journal was changed or damaged after its run ended");
            endSeen = true;
            continue;
        }
        sum = journal_file::Checksum(sum, line);
        sum = journal_file::Checksum(sum, "\n");
        ++count;
        if (key == "program" && fields.size() == 2 && journal.program.empty()) {
            journal.program = std::string(fields[1]);
        } else if (key == "tab" && fields.size() == 2 && !tabSeen) {
            const TabName* tab = FindTab(fields[1]);
            if (!tab) return Refuse(error, LineError(i + 1));
            journal.kind = ended.kind = tab->kind;
            journal.tab = ended.tab = tab->tab;
            tabSeen = true;
        } else if (key == "started" && fields.size() == 2 && !startedSeen) {
            if (!ParseNumber(fields[1], journal.startedNs)) return Refuse(error, LineError(i + 1));
            startedSeen = true;
        } else if (!tabSeen) {
            return Refuse(error, LineError(i + 1));
        } else if (!replay.Read(fields) && !ReadBodyLine(ended, fields)) {
            return Refuse(error, LineError(i + 1));
        }
        if (replay.Failed()) return Refuse(error, LineError(i + 1));
    }
    if (!tabSeen) {
        // Cut inside the header's own lines.
        if (!endSeen && count < 3) return nothingMade();
        return Refuse(error, "the journal names no tab");
    }
    if (endSeen) {
        ended.program = std::move(journal.program);
        ended.startedNs = journal.startedNs;
        ended.undoInterrupted = journal.undoInterrupted;
        ended.folders.UndoStartedFiles = std::move(journal.folders.UndoStartedFiles);
        ended.renames.UndoStartedPairs = std::move(journal.renames.UndoStartedPairs);
        return ended;
    }
    // No end mark: the run was cut off. What it wrote ahead names everything it may have made.
    replay.Finish();
    journal.interrupted = true;
    journal.folders.FromInterruptedRun = true;
    journal.folders.RunStartedNs = journal.startedNs;
    journal.renames.FromInterruptedRun = journal.kind == RunJournal::Kind::Rename;
    return journal;
}

}  // namespace arbovane
