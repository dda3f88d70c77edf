#include "cli/CliRun.h"

#include <algorithm>
#include <chrono>
#include <ostream>
#include <regex>

#include "cli/CliArguments.h"
#include "cli/CliJournal.h"
#include "core/acquire/ImportClass.h"
#include "core/acquire/ListExport.h"
#include "core/ops/copy/CopyRun.h"
#include "core/ops/copy/CopyTotals.h"
#include "core/ops/create/CreateRun.h"
#include "core/ops/delete/DeleteRun.h"
#include "core/ops/rename/FolderRename.h"
#include "core/paths/Arbsplit.h"
#include "core/templates/FileSelection.h"
#include "core/undo/FolderFileUndoRun.h"
#include "core/undo/RenameUndo.h"
#include "core/visuallog/VisualLog.h"
#include "core/visuallog/VisualLogView.h"
#include "platform/FileSystem.h"
#include "platform/Messenger.h"
#include "platform/Text.h"

namespace arbovane {

namespace {

// Bad input or usage found before anything changed; RunCli turns it into status 2.
struct BadInput {
    std::string message;
};

template <typename Value>
struct Named {
    const char* name;
    Value value;
};

template <typename Value, std::size_t N>
Value Lookup(const Named<Value> (&table)[N], const std::string& given, const char* option,
             Value fallback) {
    if (given.empty()) return fallback;
    std::string names;
    for (const auto& entry : table) {
        if (given == entry.name) return entry.value;
        names += std::string(names.empty() ? "" : ", ") + entry.name;
    }
    throw BadInput{std::string(option) + " must be one of " + names + ", not \"" + given + "\""};
}

const Named<DeleteTabMode> kDeleteModes[] = {
    {"subfolders", DeleteTabMode::SubfoldersOnly},
    {"complete", DeleteTabMode::Complete},
    {"files-in-tree", DeleteTabMode::FilesInTree},
    {"files-in-main-folder", DeleteTabMode::FilesInMainFolder},
};
const Named<TemplateKind> kKinds[] = {{"full", TemplateKind::FullPath},
                                      {"relative", TemplateKind::Relative}};
const Named<TemplateKind> kCreateKinds[] = {{"nothing", TemplateKind::Nothing},
                                            {"full", TemplateKind::FullPath},
                                            {"relative", TemplateKind::Relative}};
const Named<AttachMode> kAttachModes[] = {
    {"main-with-files", AttachMode::MainFolderWithFiles},
    {"main-without-files", AttachMode::MainFolderWithoutFiles},
    {"sub-with-files", AttachMode::SubFoldersOnlyWithFiles},
    {"sub-without-files", AttachMode::SubFoldersOnlyWithoutFiles},
};
const Named<TemplateOption> kTemplateOptions[] = {{"whole", TemplateOption::ReplaceNo},
                                                  {"without-first", TemplateOption::ReplaceFirst},
                                                  {"replace-first", TemplateOption::ReplaceAll}};

// Every box the engine would show, on standard error with its number; a question is answered
// as the command allows, never asked.
class CliMessenger : public Messenger {
public:
    CliMessenger(std::ostream& err, bool answerYes) : err_(err), answerYes_(answerYes) {}

    int Show(const std::string& text, const std::string& title, int flags, MessageOwner) override {
        static const std::regex number(R"(no:\s*([0-9]+))");
        static const std::regex blanks(R"(\s+)");
        std::smatch found;
        const std::string id = std::regex_search(title, found, number) ? found[1].str() : "----";
        std::string heading = std::regex_replace(title, blanks, " ");
        heading.erase(0, heading.find_first_not_of(' '));
        err_ << "arbovane-cli: message " << id << " (" << heading << ")\n";
        std::string body = text;
        while (!body.empty() && (body.back() == '\n' || body.back() == ' ')) body.pop_back();
        for (std::size_t start = 0; start <= body.size();) {
            const std::size_t end = std::min(body.find('\n', start), body.size());
            err_ << "  " << body.substr(start, end - start) << "\n";
            start = end + 1;
        }
        if (flags == kMsgError) ++errors_;
        if (flags != kMsgQuestion) return kAnswerOk;
        err_ << "  -> answered " << (answerYes_ ? "Yes" : "No") << "\n";
        return answerYes_ ? kAnswerYes : kAnswerNo;
    }

    int Errors() const { return errors_; }

private:
    std::ostream& err_;
    bool answerYes_;
    int errors_ = 0;
};

// Done of to-do on a terminal, a few times a second.
class CliProgress : public VisualLogView {
public:
    CliProgress(std::ostream& err, const VisualLog& log) : err_(err), log_(log) {}
    ~CliProgress() override {
        if (shown_) err_ << "\n";
    }

    void Repaint() override {
        const auto now = std::chrono::steady_clock::now();
        if (shown_ && now - last_ < std::chrono::milliseconds(250)) return;
        last_ = now;
        double toDo = 0;
        const auto& counters = log_.Layout().counters;
        for (std::size_t i = 0; i < counters.size(); ++i)
            if (counters[i].toDo && counters[i].name.find("Size") == std::string::npos)
                toDo += log_.CounterAt(i);
        std::size_t done = 0;
        for (std::size_t i = 0; i < log_.CategoryCount(); ++i) done += log_.LinesAt(i).size();
        err_ << "\r" << done;
        if (toDo > 0) err_ << " of " << static_cast<unsigned long long>(toDo);
        err_ << " done" << std::flush;
        shown_ = true;
    }
    void MarkerChanged() override {}
    void CategoriesAboutToBeCleared() override {}
    void CategoriesCleared() override {}
    void EntriesPending() override {}
    void ShowWindow() override {}

private:
    std::ostream& err_;
    const VisualLog& log_;
    bool shown_ = false;
    std::chrono::steady_clock::time_point last_;
};

// "lstStat07FoldersNotExists" -> "FoldersNotExists".
std::string CategoryName(const VisualLogCategoryLayout& layout) {
    const std::string& name = layout.listName;
    std::size_t start = name.rfind("lstStat", 0) == 0 ? 7 : 0;
    while (start < name.size() && name[start] >= '0' && name[start] <= '9') ++start;
    return name.substr(start);
}

bool IsFailureCategory(const std::string& name) {
    return name.find("NotExist") != std::string::npos || name.find("Other") != std::string::npos ||
           name.find("FailedUndo") != std::string::npos;
}

class Command {
public:
    Command(const CliOptions& options, CliPorts& ports)
        : options_(options),
          ports_(ports),
          messenger_(ports.err, options.yes || options.simulate || !ChangesNeedYes()) {}

    int Run();

private:
    bool ChangesNeedYes() const {
        const CliCommand command = *options_.command;
        return command == CliCommand::Delete || command == CliCommand::Rename ||
               command == CliCommand::Undo;
    }
    std::string PortPath(const std::string& path, const char* what) const;
    std::vector<std::string> ReadList(const std::string& file, bool csv) const;
    std::vector<std::string> IncludeLines() const;
    std::vector<std::string> Templates(TemplateKind kind) const;
    std::vector<std::string> Patterns() const;
    void WriteJournal(const CliJournal& journal) const;

    // Each returns false when the engine stopped before its first item.
    bool Copy(VisualLog& log);
    bool Delete(VisualLog& log);
    bool Rename(VisualLog& log);
    bool Create(VisualLog& log, CreateTab tab, UndoTab undoTab);
    void Undo(CliJournal journal, VisualLog& log);

    int Report(const VisualLog& log) const;

    const CliOptions& options_;
    CliPorts& ports_;
    CliMessenger messenger_;
    bool leftByUndo_ = false;
};

// A line as the user's shell would name a folder: absolute ("/srv/x") or relative to the current
// directory ("clients/acme"). A line with a backslash is Windows text and left to the path check,
// which refuses it when it is not a full path.
bool IsHostLine(const std::string& line) {
    if (line.empty() || line.find('\\') != std::string::npos) return false;
    return !(line.size() >= 2 && line[1] == ':');
}

std::string Command::PortPath(const std::string& path, const char* what) const {
    if (path.empty()) throw BadInput{std::string(what) + " is empty"};
    // Already in the port's form: a drive or a share.
    const bool windows = (path.size() >= 2 && path[1] == ':') || path.starts_with("\\\\");
    if (windows || !ports_.toPortPath) return path;
    const std::optional<std::string> mapped = ports_.toPortPath(path);
    if (!mapped)
        throw BadInput{std::string(what) + " \"" + path + "\" lies on no drive of the drive table"};
    return *mapped;
}

std::vector<std::string> Command::ReadList(const std::string& file, bool csv) const {
    int mode = ImportClass::kLines;
    long long column = 1;
    if (csv) {
        mode = options_.column.empty() ? ImportClass::kAllFields : ImportClass::kColumn;
        if (!options_.column.empty() && (!ColumnNumberFrom(options_.column, column) || column < 1))
            throw BadInput{"--column needs a whole number from 1, not \"" + options_.column + "\""};
    }
    ImportClass import(ports_.fs, PortPath(file, "the list file"), mode, options_.separator, "\"",
                       csv);
    import.SetColumn(column);
    if (!import.Run()) {
        const std::string& why = import.Failure().text;
        throw BadInput{"the list file \"" + file + "\" cannot be read" +
                       (why.empty() ? std::string() : ": " + why)};
    }
    return import.Result();
}

std::vector<std::string> Command::IncludeLines() const {
    std::vector<std::string> lines = options_.lines;
    for (const std::string& file : options_.listFiles) {
        std::vector<std::string> read = ReadList(file, options_.csv);
        lines.insert(lines.end(), read.begin(), read.end());
    }
    for (std::string& line : lines)
        if (IsHostLine(line)) line = PortPath(line, "the include line");
    if (lines.empty()) throw BadInput{"no include lines: give --line or --list"};
    std::string report;
    if (CheckFullPaths(report, lines))
        throw BadInput{"the include lines are not valid:\n" + report};
    // The list keeps every folder once, as the tab's list does.
    return UniqueEntryLines(ports_.text, ports_.fs, std::move(lines));
}

std::vector<std::string> Command::Templates(TemplateKind kind) const {
    std::vector<std::string> lines = options_.templates;
    for (const std::string& file : options_.templateFiles) {
        std::vector<std::string> read = ReadList(file, false);
        lines.insert(lines.end(), read.begin(), read.end());
    }
    if (kind == TemplateKind::FullPath)
        for (std::string& line : lines)
            if (IsHostLine(line)) line = PortPath(line, "the template");
    std::string report;
    const bool bad = kind == TemplateKind::FullPath ? CheckFullPaths(report, lines)
                                                    : CheckRelativePaths(report, lines);
    if (bad) throw BadInput{"the templates are not valid:\n" + report};
    return UniqueEntryLines(ports_.text, ports_.fs, std::move(lines));
}

std::vector<std::string> Command::Patterns() const {
    std::vector<std::string> patterns;
    for (const std::string& entry : options_.patterns) {
        std::vector<std::string> tokens;
        FileSelectionMessage failure;
        if (!TokeniseSelection(entry, tokens, failure))
            throw BadInput{"--pattern \"" + entry + "\": " + failure.text};
        if (const auto message = FolderPartMessage(tokens))
            throw BadInput{"--pattern \"" + entry + "\": " + message->text};
        for (std::string& token : DropEmptyAndRepeatedTokens(tokens))
            if (std::find(patterns.begin(), patterns.end(), token) == patterns.end())
                patterns.push_back(std::move(token));
    }
    return patterns;
}

void Command::WriteJournal(const CliJournal& journal) const {
    if (options_.journal.empty() || options_.simulate) return;
    if (!ports_.fs.WriteWholeFile(PortPath(options_.journal, "the journal file"),
                                  JournalFileText(journal))) {
        ports_.err << "arbovane-cli: the journal file \"" << options_.journal
                   << "\" cannot be written; this run cannot be undone from it\n";
    }
}

const std::function<void()> kNothing = [] {};

bool Command::Copy(VisualLog& log) {
    CopyTabOptions copy;
    copy.kind = Lookup(kKinds, options_.kind, "--kind", TemplateKind::Relative);
    copy.mode =
        copy.kind == TemplateKind::FullPath
            ? Lookup(kAttachModes, options_.attach, "--attach", AttachMode::MainFolderWithFiles)
            : AttachMode::None;
    copy.option = Lookup(kTemplateOptions, options_.option, "--option", TemplateOption::ReplaceNo);
    copy.includeLines = IncludeLines();
    copy.templates = Templates(copy.kind);
    if (copy.templates.empty()) throw BadInput{"no templates: give --template or --templates"};
    copy.patterns = Patterns();
    if (copy.patterns.empty()) copy.patterns = {"*.*"};
    copy.showVisualLog = false;
    CopyTotals totals;
    const CopyRunPorts ports{ports_.fs, ports_.text, messenger_, log};
    const CopyRunHooks hooks{kNothing, kNothing, kNothing, kNothing};
    if (options_.simulate) return RunCopySimulation(ports, totals, copy, hooks);
    CliJournal journal;
    journal.tab = UndoTab::Copy;
    const bool ran = RunCopyFolders(ports, totals, journal.folders, copy, hooks);
    if (ran) WriteJournal(journal);
    return ran;
}

bool Command::Delete(VisualLog& log) {
    DeleteTabOptions remove;
    remove.mode = Lookup(kDeleteModes, options_.mode, "--mode", DeleteTabMode::SubfoldersOnly);
    remove.includeLines = IncludeLines();
    remove.patterns = Patterns();
    remove.readOnlyFolders = options_.readOnly;
    remove.showVisualLog = false;
    const DeleteRunPorts ports{ports_.fs, ports_.text, messenger_, log, nullptr};
    const DeleteTabLock lock{kNothing, kNothing};
    if (options_.simulate) {
        RunDeleteSimulation(ports, remove, lock);
        return true;
    }
    return RunDeleteFolders(ports, remove, lock);
}

bool Command::Rename(VisualLog& log) {
    RenameFields fields;
    fields.method =
        options_.newName.empty() ? RenameMethod::AddPrefixSuffix : RenameMethod::ReplaceLastName;
    fields.prefix = options_.prefix;
    fields.suffix = options_.suffix;
    fields.firstDelimiter = options_.firstDelimiter;
    fields.secondDelimiter = options_.secondDelimiter;
    fields.newName = options_.newName;
    if (fields.method == RenameMethod::AddPrefixSuffix && options_.prefix.empty() &&
        options_.suffix.empty())
        throw BadInput{"rename needs --prefix, --suffix or --new-name"};
    const std::vector<std::string> lines = IncludeLines();
    // The tab's own refresh sets its to-do counter before any run.
    RefreshRenameCounters(log, lines.size());
    RenameTabRun run(ports_.fs, messenger_, log, kNothing, kNothing);
    if (options_.simulate) {
        run.Simulate(lines, fields, false);
        return true;
    }
    CliJournal journal;
    journal.kind = CliJournal::Kind::Rename;
    run.Rename(lines, fields, false, journal.renames);
    WriteJournal(journal);
    return true;
}

bool Command::Create(VisualLog& log, CreateTab tab, UndoTab undoTab) {
    CreateTabOptions create;
    create.tab = tab;
    const bool templates = !options_.templates.empty() || !options_.templateFiles.empty();
    create.kind = Lookup(kCreateKinds, options_.kind, "--kind",
                         templates ? TemplateKind::Relative : TemplateKind::Nothing);
    if (create.kind != TemplateKind::Nothing) {
        create.templates = Templates(create.kind);
        if (create.templates.empty())
            throw BadInput{"no templates: give --template or --templates"};
    } else if (templates) {
        throw BadInput{"--kind nothing attaches no templates; leave out --template"};
    }
    create.mode =
        create.kind == TemplateKind::FullPath
            ? Lookup(kAttachModes, options_.attach, "--attach", AttachMode::MainFolderWithFiles)
            : AttachMode::None;
    create.option =
        Lookup(kTemplateOptions, options_.option, "--option", TemplateOption::ReplaceNo);
    if (tab == CreateTab::FolderList) {
        create.includeLines = IncludeLines();
    } else {
        if (options_.destination.empty()) throw BadInput{"give the --destination folder"};
        create.destination = PortPath(options_.destination, "the destination");
    }
    if (tab == CreateTab::StringList) {
        create.includeLines = options_.lines;
        for (const std::string& file : options_.listFiles) {
            std::vector<std::string> read = ReadList(file, options_.csv);
            create.includeLines.insert(create.includeLines.end(), read.begin(), read.end());
        }
        if (create.includeLines.empty()) throw BadInput{"no names: give --line or --list"};
        create.includeLines =
            UniqueEntryLines(ports_.text, ports_.fs, std::move(create.includeLines));
    }
    if (tab == CreateTab::Numbers) {
        if (options_.start.empty() || options_.end.empty())
            throw BadInput{"create-numbers needs --start and --end"};
        create.startText = options_.start;
        create.endText = options_.end;
        create.padded = options_.pad;
        create.numbersInLevels = options_.numbersInLevels;
    }
    create.prefix = options_.prefix;
    create.suffix = options_.suffix;
    create.hyphen = options_.hyphen;
    create.showVisualLog = false;
    create.showExplorer = false;
    CopyTotals totals;
    const CreateRunPorts ports{ports_.fs, ports_.text, messenger_, log};
    CreateRunHooks hooks{kNothing, kNothing, kNothing, kNothing, [](const std::string&) {},
                         kNothing};
    // The tab's refresh sets the to-create counters before any run.
    UpdateToCreate(ports, totals, create, CreateWithFiles(create), true);
    if (options_.simulate) return RunCreateSimulation(ports, totals, create, hooks);
    CliJournal journal;
    journal.tab = undoTab;
    const bool ran = RunCreateFolders(ports, totals, journal.folders, create, hooks);
    if (ran) WriteJournal(journal);
    return ran;
}

void Command::Undo(CliJournal journal, VisualLog& log) {
    if (journal.kind == CliJournal::Kind::Rename)
        RenameUndo(ports_.fs, messenger_, log).Run(journal.renames);
    else
        RunFolderFileUndo(journal.tab, journal.folders, log, ports_.fs, ports_.text, messenger_);
    const UndoJournal& left = journal.folders;
    leftByUndo_ = !journal.renames.FailedUndoPairs.empty() || !left.FailedUndoFolders.empty() ||
                  !left.FailedUndoFiles.empty();
    // What could not be taken back stays for the next undo.
    if (!ports_.fs.WriteWholeFile(PortPath(options_.journal, "the journal file"),
                                  JournalFileText(journal)))
        ports_.err << "arbovane-cli: the journal file \"" << options_.journal
                   << "\" cannot be written\n";
}

int Command::Report(const VisualLog& log) const {
    ports_.out << CliCounterLines(log);
    bool failed = messenger_.Errors() > 0 || leftByUndo_;
    const VisualLogLayout& layout = log.Layout();
    for (std::size_t i = 0; i < layout.counters.size(); ++i)
        if (!layout.counters[i].toDo && log.CounterAt(i) > 0 &&
            IsFailureCategory(layout.counters[i].name))
            failed = true;
    for (std::size_t i = 0; i < layout.categories.size(); ++i)
        if (!log.LinesAt(i).empty() && IsFailureCategory(CategoryName(layout.categories[i])))
            failed = true;
    if (!options_.log.empty() &&
        !ports_.fs.WriteWholeFile(PortPath(options_.log, "the log file"), CliCategoryRows(log))) {
        ports_.err << "arbovane-cli: the log file \"" << options_.log << "\" cannot be written\n";
        failed = true;
    }
    return failed ? kCliSomeFailed : kCliAllDone;
}

VisualLogTab TabOf(CliCommand command) {
    switch (command) {
        case CliCommand::Copy:
            return VisualLogTab::Vol08;
        case CliCommand::Delete:
            return VisualLogTab::Vol07;
        case CliCommand::Rename:
            return VisualLogTab::Vol06;
        case CliCommand::CreateNames:
            return VisualLogTab::Vol02;
        case CliCommand::CreatePaths:
            return VisualLogTab::Vol04;
        case CliCommand::CreateNumbers:
        case CliCommand::Undo:
            break;
    }
    return VisualLogTab::Vol03;
}

int Command::Run() {
    const CliCommand command = *options_.command;
    if (ChangesNeedYes() && !options_.yes && !options_.simulate)
        throw BadInput{
            std::string(CliCommandName(command)) + " changes the disk: add --yes to run it" +
            (command == CliCommand::Undo ? "" : ", or --simulate to see what it would do")};
    if (command == CliCommand::Undo) {
        if (options_.journal.empty()) throw BadInput{"undo needs --journal FILE"};
        std::string bytes;
        if (!ports_.fs.ReadWholeFile(PortPath(options_.journal, "the journal file"), bytes))
            throw BadInput{"the journal file \"" + options_.journal + "\" cannot be read"};
        std::string error;
        const std::optional<CliJournal> journal = ParseJournalFile(bytes, error);
        if (!journal) throw BadInput{"the journal file \"" + options_.journal + "\": " + error};
        VisualLog log(journal->kind == CliJournal::Kind::Rename ? VisualLogTab::Vol06
                                                                : LogTabOf(journal->tab));
        Undo(*journal, log);
        return Report(log);
    }
    VisualLog log(TabOf(command));
    std::optional<CliProgress> progress;
    if (ports_.errIsTerminal) {
        progress.emplace(ports_.err, log);
        log.AttachView(&*progress);
    }
    bool ran = false;
    switch (command) {
        case CliCommand::Copy:
            ran = Copy(log);
            break;
        case CliCommand::Delete:
            ran = Delete(log);
            break;
        case CliCommand::Rename:
            ran = Rename(log);
            break;
        case CliCommand::CreateNames:
            ran = Create(log, CreateTab::StringList, UndoTab::CreateI);
            break;
        case CliCommand::CreatePaths:
            ran = Create(log, CreateTab::FolderList, UndoTab::CreateII);
            break;
        case CliCommand::CreateNumbers:
            ran = Create(log, CreateTab::Numbers, UndoTab::CreateIII);
            break;
        case CliCommand::Undo:
            break;
    }
    log.AttachView(nullptr);
    progress.reset();
    if (!ran) return kCliBadInput;
    return Report(log);
}

}  // namespace

std::string CliCounterLines(const VisualLog& log) {
    std::string lines;
    const auto& counters = log.Layout().counters;
    for (std::size_t i = 0; i < counters.size(); ++i)
        if (counters[i].shown) lines += counters[i].name + ": " + log.CounterTextAt(i) + "\n";
    return lines;
}

std::string CliCategoryRows(const VisualLog& log) {
    std::string rows;
    const auto& categories = log.Layout().categories;
    for (std::size_t i = 0; i < categories.size(); ++i) {
        const std::string name = CategoryName(categories[i]);
        for (const std::string& line : log.LinesAt(i))
            rows += "\"" + name + "\",\"" + line + "\"\r\n";
    }
    return rows;
}

int RunCli(const std::vector<std::string>& arguments, CliPorts& ports) {
    const CliParse parse = ParseCliArguments(arguments);
    if (!parse.error.empty()) {
        ports.err << "arbovane-cli: " << parse.error << "\n"
                  << "Try 'arbovane-cli --help'.\n";
        return kCliBadInput;
    }
    const CliOptions& options = parse.options;
    if (options.version) {
        ports.out << "arbovane-cli " << ARBOVANE_VERSION << "\n";
        return kCliAllDone;
    }
    if (options.help || !options.command) {
        ports.out << CliUsage(options.command);
        return kCliAllDone;
    }
    try {
        return Command(options, ports).Run();
    } catch (const BadInput& bad) {
        ports.err << "arbovane-cli: " << bad.message << "\n";
        return kCliBadInput;
    }
}

}  // namespace arbovane
