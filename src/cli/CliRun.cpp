#include "cli/CliRun.h"

#include <algorithm>
#include <chrono>
#include <ostream>

#include "cli/CliArguments.h"
#include "cli/CliInputs.h"
#include "cli/CliJob.h"
#include "cli/CliMessenger.h"
#include "core/app/ProgramSettings.h"
#include "core/ops/copy/CopyRun.h"
#include "core/ops/copy/CopyTotals.h"
#include "core/ops/create/CreateRun.h"
#include "core/ops/delete/DeleteRun.h"
#include "core/ops/rename/FolderRename.h"
#include "core/run/JournalKeeper.h"
#include "core/run/RunControl.h"
#include "core/undo/FolderFileUndoRun.h"
#include "core/undo/JournalFile.h"
#include "core/undo/RenameUndo.h"
#include "core/visuallog/VisualLog.h"
#include "core/visuallog/VisualLogView.h"
#include "platform/FileSystem.h"

namespace arbovane {

namespace {

// Tells the messenger when the items begin, and shows done of to-do on a terminal, a few times
// a second.
class CliLogView : public VisualLogView {
public:
    CliLogView(CliMessenger& messenger, std::ostream& err, const VisualLog& log, bool progress)
        : messenger_(messenger), err_(err), log_(log), progress_(progress) {}
    ~CliLogView() override {
        if (shown_) err_ << "\n";
    }

    void Repaint() override {
        if (!progress_) return;
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
    void MarkerChanged() override { messenger_.RunBegan(); }
    void CategoriesAboutToBeCleared() override {}
    void CategoriesCleared() override {}
    void EntriesPending() override {}
    void ShowWindow() override {}

private:
    CliMessenger& messenger_;
    std::ostream& err_;
    const VisualLog& log_;
    bool progress_;
    bool shown_ = false;
    std::chrono::steady_clock::time_point last_;
};

const std::function<void()> kNothing = [] {};

bool ChangesNeedYes(CliCommand command) {
    return command == CliCommand::Delete || command == CliCommand::Rename ||
           command == CliCommand::Undo;
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
        case CliCommand::Run:
            break;
    }
    return VisualLogTab::Vol03;
}

// A copy or creation journal that still names something, which an undo did not take.
bool HoldsSomething(const RunJournal& journal) {
    const UndoJournal& folders = journal.folders;
    return !journal.renames.RenamedPairs.empty() || !journal.renames.FailedUndoPairs.empty() ||
           !folders.CreatedMainFolders.empty() || !folders.CreatedStructureFolders.empty() ||
           !folders.CopiedFiles.empty() || !folders.FailedUndoFolders.empty() ||
           !folders.FailedUndoFiles.empty();
}

// A signal's request to end, asked between two entries of the run.
class CliRunControl : public RunControl {
public:
    explicit CliRunControl(const std::function<bool()>& stop) : stop_(stop) {}
    bool StopRequested() override { return stop_ && stop_(); }

private:
    const std::function<bool()>& stop_;
};

RunJournal FolderIdentity(UndoTab tab) {
    RunJournal identity;
    identity.tab = tab;
    return identity;
}

RunJournal RenameIdentity() {
    RunJournal identity;
    identity.kind = RunJournal::Kind::Rename;
    return identity;
}

class Command {
public:
    Command(const CliOptions& options, CliPorts& ports)
        : options_(options),
          ports_(ports),
          inputs_(options, ports),
          messenger_(ports.err,
                     options.yes || options.simulate || !ChangesNeedYes(*options.command),
                     options.quiet),
          keeper_(ports.fs, kProgramTitle),
          control_(ports.stopRequested) {}

    int Run();

private:
    // Each returns false when the engine stopped before its first item.
    bool Copy(VisualLog& log);
    bool Delete(VisualLog& log);
    bool Rename(VisualLog& log);
    bool Create(VisualLog& log, CreateTab tab, UndoTab undoTab);
    int Undo();

    // The outputs the run will write, refused before it while nothing has changed.
    void CheckOutputs(bool journal) const;
    // The file system a real run changes the disk through: with --journal, each change is
    // written to the journal file ahead of it.
    FileSystem& RunFileSystem(const RunJournal& identity);
    void EndJournal(const RunJournal& journal);
    int Report(const CliOutcomes& outcomes);

    const CliOptions& options_;
    CliPorts& ports_;
    CliInputs inputs_;
    CliMessenger messenger_;
    JournalKeeper keeper_;
    CliRunControl control_;
    bool failed_ = false;
};

void Command::CheckOutputs(bool journal) const {
    if (journal && !options_.journal.empty() && !options_.simulate)
        inputs_.CheckWritable("--journal", options_.journal);
    if (!options_.log.empty()) inputs_.CheckWritable("--log", options_.log);
}

FileSystem& Command::RunFileSystem(const RunJournal& identity) {
    if (options_.journal.empty() || options_.simulate) return ports_.fs;
    keeper_.SetPath(inputs_.PortPath(options_.journal, "--journal"));
    return keeper_.RunFileSystem(identity);
}

void Command::EndJournal(const RunJournal& journal) {
    if (options_.journal.empty() || options_.simulate) return;
    if (!keeper_.EndRun(journal)) {
        ports_.err << "arbovane-cli: the journal file \"" << options_.journal
                   << "\" cannot be written; this run cannot be undone from it\n";
        failed_ = true;
    }
}

bool Command::Copy(VisualLog& log) {
    CopyTabOptions copy;
    copy.kind = inputs_.Kind(false);
    copy.mode = inputs_.Attach(copy.kind);
    copy.option = inputs_.Option(copy.kind);
    const bool withFiles = copy.kind == TemplateKind::FullPath && WithFiles(copy.mode);
    inputs_.RefuseUnless(withFiles, "--pattern", "--kind full and an --attach mode with files");
    copy.includeLines = inputs_.IncludeLines();
    copy.templates = inputs_.Templates(copy.kind, copy.option);
    copy.patterns = inputs_.Patterns();
    if (copy.patterns.empty()) copy.patterns = {"*.*"};
    copy.showVisualLog = false;
    CheckOutputs(true);
    CopyTotals totals;
    const CopyRunPorts ports{
        options_.simulate ? ports_.fs : RunFileSystem(FolderIdentity(UndoTab::Copy)), ports_.text,
        messenger_, log};
    // The tab's refresh sets the to-do counters before any run; a run with files sets them
    // itself, and shows a free-space message once.
    if (!withFiles)
        UpdateCopyTotals({ports_.fs, ports_.text, messenger_, log}, totals, copy.includeLines,
                         {copy.templates, copy.kind, copy.mode, copy.patterns}, false);
    const CopyRunHooks hooks{kNothing, kNothing, kNothing, kNothing};
    if (options_.simulate) return RunCopySimulation(ports, totals, copy, hooks);
    RunJournal journal = FolderIdentity(UndoTab::Copy);
    const bool ran = RunCopyFolders(ports, totals, journal.folders, copy, hooks);
    if (ran) EndJournal(journal);
    return ran;
}

bool Command::Delete(VisualLog& log) {
    DeleteTabOptions remove;
    remove.mode = inputs_.DeleteMode();
    inputs_.RefuseUnless(IsFileMode(remove.mode), "--pattern",
                         "--mode files-in-tree or files-in-main-folder");
    inputs_.RefuseUnless(!IsFileMode(remove.mode), "--read-only", "--mode subfolders or complete");
    remove.includeLines = inputs_.IncludeLines();
    remove.patterns = inputs_.Patterns();
    remove.readOnlyFolders = options_.readOnly;
    remove.showVisualLog = false;
    CheckOutputs(false);
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
    const bool replace = options_.Given("--new-name");
    fields.method = replace ? RenameMethod::ReplaceLastName : RenameMethod::AddPrefixSuffix;
    for (const char* affix : {"--prefix", "--suffix", "--first-delimiter", "--second-delimiter"})
        inputs_.RefuseUnless(!replace, affix, "the prefix and suffix method (without --new-name)");
    const struct {
        const char* option;
        const std::string& text;
        std::string& field;
    } parts[] = {{"--prefix", options_.prefix, fields.prefix},
                 {"--suffix", options_.suffix, fields.suffix},
                 {"--first-delimiter", options_.firstDelimiter, fields.firstDelimiter},
                 {"--second-delimiter", options_.secondDelimiter, fields.secondDelimiter},
                 {"--new-name", options_.newName, fields.newName}};
    for (const auto& part : parts) {
        inputs_.CheckNamePart(part.option, part.text);
        part.field = part.text;
    }
    if (replace) {
        const std::string& name = options_.newName;
        // Kept exactly as typed, so a name Windows would cut or read as a step is no name.
        if (name.empty() || name == "." || name == ".." || name.back() == '.' || name.back() == ' ')
            throw CliBadInput{"--new-name \"" + name + "\" is no folder name"};
    } else if (std::all_of(std::begin(parts), std::end(parts) - 1, [](const auto& part) {
                   return part.text.find_first_not_of(" \t") == std::string::npos;
               })) {
        // Each folder would keep its own name.
        throw CliBadInput{"rename needs --prefix, --suffix, a delimiter or --new-name"};
    }
    const std::vector<std::string> lines = inputs_.IncludeLines();
    CheckOutputs(true);
    // The tab's own refresh sets its to-do counter before any run.
    RefreshRenameCounters(log, lines.size());
    if (options_.simulate) {
        RenameTabRun(ports_.fs, messenger_, log, kNothing, kNothing).Simulate(lines, fields, false);
        return true;
    }
    RunJournal journal = RenameIdentity();
    RenameTabRun(RunFileSystem(journal), messenger_, log, kNothing, kNothing)
        .Rename(lines, fields, false, journal.renames);
    EndJournal(journal);
    return true;
}

bool Command::Create(VisualLog& log, CreateTab tab, UndoTab undoTab) {
    CreateTabOptions create;
    create.tab = tab;
    create.kind = inputs_.Kind(true);
    const bool templates = !options_.templates.empty() || !options_.templateFiles.empty();
    if (create.kind == TemplateKind::Nothing && templates)
        throw CliBadInput{"--kind nothing attaches no templates; leave out --template"};
    create.mode = inputs_.Attach(create.kind);
    create.option = inputs_.Option(create.kind);
    inputs_.RefuseUnless(create.kind == TemplateKind::Relative, "--numbers-in-levels",
                         "--kind relative");
    if (create.kind != TemplateKind::Nothing)
        create.templates = inputs_.Templates(create.kind, create.option);
    if (tab == CreateTab::FolderList) create.includeLines = inputs_.IncludeLines();
    if (tab != CreateTab::FolderList) create.destination = inputs_.Destination();
    if (tab == CreateTab::StringList) create.includeLines = inputs_.Names();
    if (tab == CreateTab::Numbers) {
        if (!options_.Given("--start") || !options_.Given("--end"))
            throw CliBadInput{"create-numbers needs --start and --end"};
        const long long start = inputs_.Number("--start", options_.start);
        const long long end = inputs_.Number("--end", options_.end);
        if (end < start)
            throw CliBadInput{"--start " + options_.start + " is after --end " + options_.end};
        create.startText = std::to_string(start);
        create.endText = std::to_string(end);
        create.padded = options_.pad;
        create.numbersInLevels = options_.numbersInLevels;
    }
    inputs_.CheckNamePart("--prefix", options_.prefix);
    inputs_.CheckNamePart("--suffix", options_.suffix);
    create.prefix = options_.prefix;
    create.suffix = options_.suffix;
    create.hyphen = options_.hyphen;
    create.showVisualLog = false;
    create.showExplorer = false;
    CheckOutputs(true);
    CopyTotals totals;
    const CreateRunPorts ports{
        options_.simulate ? ports_.fs : RunFileSystem(FolderIdentity(undoTab)), ports_.text,
        messenger_, log};
    CreateRunHooks hooks{kNothing, kNothing, kNothing, kNothing, [](const std::string&) {},
                         kNothing};
    // The tab's refresh sets the to-create counters before any run; a run with files sets them
    // itself, and shows a free-space message once.
    if (!CreateWithFiles(create)) UpdateToCreate(ports, totals, create, false, true);
    if (options_.simulate) return RunCreateSimulation(ports, totals, create, hooks);
    RunJournal journal = FolderIdentity(undoTab);
    const bool ran = RunCreateFolders(ports, totals, journal.folders, create, hooks);
    if (ran) EndJournal(journal);
    return ran;
}

int Command::Undo() {
    if (options_.journal.empty()) throw CliBadInput{"undo needs --journal FILE"};
    keeper_.SetPath(inputs_.PortPath(options_.journal, "--journal"));
    std::optional<RunJournal> journal{RunJournal{}};
    std::string error;
    switch (keeper_.Load(*journal, error)) {
        case JournalKeeper::LoadResult::Missing:
            throw CliBadInput{"the journal file \"" + options_.journal + "\" cannot be read"};
        case JournalKeeper::LoadResult::Damaged:
            throw CliBadInput{"the journal file \"" + options_.journal + "\": " + error +
                              "; nothing was changed"};
        case JournalKeeper::LoadResult::Loaded:
            break;
    }
    CheckOutputs(true);
    const bool renames = journal->kind == RunJournal::Kind::Rename;
    VisualLog log(renames ? VisualLogTab::Vol06 : LogTabOf(journal->tab));
    log.SetRunControl(&control_);
    // The file notes what the undo is about to do; it is written whole with what is left below.
    const UndoHooks hooks{[&] { keeper_.BeginUndo(*journal); }, nullptr};
    bool ran = false;
    std::optional<CliListOutcomes> outcomes;
    if (renames) {
        RenameJournal& pairs = journal->renames;
        const std::vector<_tagReplaceFoldersStruct> work =
            pairs.RenamedPairs.empty() ? pairs.FailedUndoPairs : pairs.RenamedPairs;
        const RenameUndoResult result =
            RenameUndo(keeper_.UndoFileSystem(), messenger_, log).Run(pairs, hooks);
        ran = result.ran;
        if (ran) {
            // A folder whose old name is taken again is left too; the next undo retries it.
            pairs.FailedUndoPairs.clear();
            for (const auto& pair : work)
                for (const auto* left : {&result.oldNameTaken, &result.failed})
                    if (std::find(left->begin(), left->end(), pair) != left->end()) {
                        pairs.FailedUndoPairs.push_back(pair);
                        break;
                    }
        }
        outcomes.emplace(RenameUndoOutcomes(result));
    } else {
        const FolderFileUndoResult result =
            RunFolderFileUndo(journal->tab, journal->folders, log, keeper_.UndoFileSystem(),
                              ports_.text, messenger_, hooks);
        ran = result.ran;
        // A file gone already leaves nothing to take back; the next undo need not try it.
        auto& files = journal->folders.FailedUndoFiles;
        for (const std::string& gone : result.vanishedFiles) {
            files.erase(std::remove(files.begin(), files.end(), gone), files.end());
            journal->folders.CopiedFileStamps.erase(gone);
        }
        outcomes.emplace(FolderUndoOutcomes(result));
    }
    // What could not be taken back stays for the next undo; a journal no undo could take
    // still names what is left.
    if (ran && !keeper_.EndUndo(*journal)) {
        ports_.err << "arbovane-cli: the journal file \"" << options_.journal
                   << "\" cannot be written\n";
        failed_ = true;
    }
    if (!ran && HoldsSomething(*journal)) failed_ = true;
    return Report(*outcomes);
}

int Command::Report(const CliOutcomes& outcomes) {
    ports_.out << CliCounterLines(outcomes);
    bool failed = failed_ || messenger_.Errors() > 0 || messenger_.ItemBoxes() > 0 ||
                  outcomes.AnyNotReached();
    outcomes.Rows([&](const std::string& category, const std::string& line, bool reached) {
        if (reached) return;
        failed = true;
        if (!options_.quiet) ports_.err << "arbovane-cli: " << category << ": " << line << "\n";
    });
    if (!options_.log.empty() && !ports_.fs.WriteWholeFile(inputs_.PortPath(options_.log, "--log"),
                                                           CliCategoryRows(outcomes))) {
        ports_.err << "arbovane-cli: the log file \"" << options_.log << "\" cannot be written\n";
        failed = true;
    }
    return failed ? kCliSomeFailed : kCliAllDone;
}

int Command::Run() {
    const CliCommand command = *options_.command;
    if (ChangesNeedYes(command) && !options_.yes && !options_.simulate)
        throw CliBadInput{
            std::string(CliCommandName(command)) + " changes the disk: add --yes to run it" +
            (command == CliCommand::Undo ? "" : ", or --simulate to see what it would do")};
    inputs_.RefuseUnless(options_.csv, "--separator", "--csv");
    inputs_.RefuseUnless(options_.csv, "--column", "--csv");
    inputs_.RefuseUnless(!options_.listFiles.empty() || !options_.templateFiles.empty(),
                         "--keep-quotes", "--list or --templates");
    if (command == CliCommand::Undo) return Undo();

    VisualLog log(TabOf(command));
    CliLogView view(messenger_, ports_.err, log, ports_.errIsTerminal && !options_.quiet);
    log.AttachView(&view);
    log.SetRunControl(&control_);
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
        case CliCommand::Run:
            break;
    }
    log.AttachView(nullptr);
    log.SetRunControl(nullptr);
    if (!ran) return kCliBadInput;
    if (log.Stopped()) {
        ports_.err << "arbovane-cli: stopped by a signal; what was done until then is listed"
                   << (options_.journal.empty() || options_.simulate ? "" : " and journalled")
                   << "\n";
        failed_ = true;
    }
    return Report(CliLogOutcomes(log));
}

}  // namespace

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
        // A job is the command line of the tab it was saved from.
        if (*options.command == CliCommand::Run)
            return Command(CliOptionsOfJob(options, ports), ports).Run();
        return Command(options, ports).Run();
    } catch (const CliBadInput& bad) {
        ports.err << "arbovane-cli: " << bad.message << "\n";
        return kCliBadInput;
    }
}

}  // namespace arbovane
