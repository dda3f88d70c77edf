#include "core/jobs/JobFile.h"

#include <algorithm>
#include <set>
#include <string_view>
#include <utility>
#include <vector>

#include "core/jobs/JobValues.h"
#include "core/jobs/ProgramVersion.h"

namespace arbovane {

namespace {

constexpr unsigned Bit(JobTab tab) {
    return 1u << static_cast<int>(tab);
}

constexpr unsigned kCopy = Bit(JobTab::Copy), kDelete = Bit(JobTab::Delete),
                   kRename = Bit(JobTab::Rename), kNames = Bit(JobTab::CreateNames),
                   kPaths = Bit(JobTab::CreatePaths), kNumbers = Bit(JobTab::CreateNumbers);
constexpr unsigned kCreate = kNames | kPaths | kNumbers;
constexpr unsigned kAll = kCopy | kDelete | kRename | kCreate;

struct KeyEntry {
    const char* name;
    unsigned tabs;  // the tabs that have it
    bool lines;     // once for each line
};

// In the order a job file is written.
const KeyEntry kKeys[] = {
    {"version", kAll, false},
    {"tab", kAll, false},
    {"destination", kNames | kNumbers, false},
    {"start", kNumbers, false},
    {"end", kNumbers, false},
    {"pad", kNumbers, false},
    {"mode", kDelete, false},
    {"read-only", kDelete, false},
    {"new-name", kRename, false},
    {"prefix", kRename | kCreate, false},
    {"first-delimiter", kRename, false},
    {"second-delimiter", kRename, false},
    {"suffix", kRename | kCreate, false},
    {"hyphen", kCreate, false},
    {"kind", kCopy | kCreate, false},
    {"attach", kCopy | kCreate, false},
    {"option", kCopy | kCreate, false},
    {"numbers-in-levels", kNumbers, false},
    {"files", kCopy | kDelete, false},
    {"template", kCopy | kCreate, true},
    {"include", kAll & ~kNumbers, true},
    {"exclude", kAll & ~kNumbers, true},
};

const KeyEntry* KeyNamed(const std::string& name) {
    for (const KeyEntry& entry : kKeys)
        if (name == entry.name) return &entry;
    return nullptr;
}

const NamedValue<JobTab> kTabNames[] = {
    {"copy", JobTab::Copy},
    {"delete", JobTab::Delete},
    {"rename", JobTab::Rename},
    {"create-names", JobTab::CreateNames},
    {"create-paths", JobTab::CreatePaths},
    {"create-numbers", JobTab::CreateNumbers},
};
const NamedValue<bool> kFlagNames[] = {{"yes", true}, {"no", false}};

using Entries = std::vector<std::pair<std::string, std::string>>;

// The lines a job of these choices is written with; a file may leave some out (their values are
// the tab's own at start) but may hold no other.
Entries EntriesOf(const TabJob& job) {
    Entries entries{{"version", ProgramVersion()}, {"tab", JobTabName(job.tab)}};
    const auto add = [&entries](const char* key, std::string value) {
        entries.emplace_back(key, std::move(value));
    };
    const auto flag = [&](const char* key, bool value) { add(key, NameOf(kFlagNames, value)); };
    const JobTab tab = job.tab;
    const bool create = Bit(tab) & kCreate;
    if (tab == JobTab::CreateNames || tab == JobTab::CreateNumbers)
        add("destination", job.destination);
    if (tab == JobTab::CreateNumbers) {
        add("start", job.start);
        add("end", job.end);
        flag("pad", job.padded);
    }
    if (tab == JobTab::Delete) {
        add("mode", NameOf(kDeleteModeNames, job.deleteMode));
        if (!IsFileMode(job.deleteMode)) flag("read-only", job.readOnlyFolders);
    }
    if (tab == JobTab::Rename) {
        if (job.method == RenameMethod::ReplaceLastName) {
            add("new-name", job.newName);
        } else {
            add("prefix", job.prefix);
            add("first-delimiter", job.firstDelimiter);
            add("second-delimiter", job.secondDelimiter);
            add("suffix", job.suffix);
        }
    }
    if (create) {
        add("prefix", job.prefix);
        add("suffix", job.suffix);
        flag("hyphen", job.hyphen);
    }
    if (JobHasTemplates(tab)) {
        add("kind", create ? NameOf(kCreateKindNames, job.kind) : NameOf(kCopyKindNames, job.kind));
        // A full-path kind whose modes are not enabled yet runs with the tab's first one.
        if (job.kind == TemplateKind::FullPath)
            add("attach", NameOf(kAttachModeNames, job.mode == AttachMode::None
                                                       ? AttachMode::MainFolderWithoutFiles
                                                       : job.mode));
        if (job.kind == TemplateKind::Relative)
            add("option", NameOf(kTemplateOptionNames, job.option));
        if (tab == JobTab::CreateNumbers && job.kind == TemplateKind::Relative)
            flag("numbers-in-levels", job.numbersInLevels);
    }
    if (JobUsesFiles(job)) add("files", job.files);
    if (JobHasTemplates(tab) && job.kind != TemplateKind::Nothing)
        for (const std::string& line : job.templates) add("template", line);
    if (JobHasLists(tab)) {
        for (const std::string& line : job.include) add("include", line);
        for (const std::string& line : job.exclude) add("exclude", line);
    }
    return entries;
}

// Why a job's choices leave a key unused.
std::string UnusedBecause(const std::string& key, const TabJob& job) {
    if (key == "attach") return "it goes with kind=full";
    if (key == "option" || key == "numbers-in-levels") return "it goes with kind=relative";
    if (key == "template") return "kind=nothing attaches no templates";
    if (key == "read-only") return "it goes with mode=subfolders or mode=complete";
    if (key == "files")
        return job.tab == JobTab::Delete
                   ? "the file selection goes with mode=files-in-tree or mode=files-in-main-folder"
                   : "the file selection goes with kind=full and an attach mode with files";
    return "new-name replaces the whole name";
}

struct Line {
    std::size_t number;
    std::string key;
    std::string value;
};

std::string At(const Line& line) {
    return "line " + std::to_string(line.number) + ": ";
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

JobParse Damaged(std::string error) {
    JobParse parse;
    parse.outcome = JobParse::Outcome::Damaged;
    parse.error = std::move(error);
    return parse;
}

// A value from the key's table, or the reason it is none.
template <typename Value, std::size_t N>
bool Choose(const NamedValue<Value> (&table)[N], const Line& line, Value& value,
            std::string& error) {
    if (const auto named = ValueNamed(table, line.value)) {
        value = *named;
        return true;
    }
    error = At(line) + line.key + " must be " + NamesOf(table) + ", not " + Quoted(line.value);
    return false;
}

bool Assign(const Line& line, TabJob& job, std::string& error) {
    const std::string& key = line.key;
    const std::string& value = line.value;
    const bool create = Bit(job.tab) & kCreate;
    if (key == "include") job.include.push_back(value);
    if (key == "exclude") job.exclude.push_back(value);
    if (key == "template") job.templates.push_back(value);
    if (key == "destination") job.destination = value;
    if (key == "start") job.start = value;
    if (key == "end") job.end = value;
    if (key == "new-name") {
        job.method = RenameMethod::ReplaceLastName;
        job.newName = value;
    }
    if (key == "prefix") job.prefix = value;
    if (key == "suffix") job.suffix = value;
    if (key == "first-delimiter") job.firstDelimiter = value;
    if (key == "second-delimiter") job.secondDelimiter = value;
    if (key == "files") job.files = value;
    if (key == "pad") return Choose(kFlagNames, line, job.padded, error);
    if (key == "hyphen") return Choose(kFlagNames, line, job.hyphen, error);
    if (key == "read-only") return Choose(kFlagNames, line, job.readOnlyFolders, error);
    if (key == "numbers-in-levels") return Choose(kFlagNames, line, job.numbersInLevels, error);
    if (key == "mode") return Choose(kDeleteModeNames, line, job.deleteMode, error);
    if (key == "attach") return Choose(kAttachModeNames, line, job.mode, error);
    if (key == "option") return Choose(kTemplateOptionNames, line, job.option, error);
    if (key == "kind")
        return create ? Choose(kCreateKindNames, line, job.kind, error)
                      : Choose(kCopyKindNames, line, job.kind, error);
    return true;
}

}  // namespace

bool JobText(const TabJob& job, std::string& text, std::string& error) {
    text = std::string("# Arbovane job: ") + JobTabCaption(job.tab) + "\n";
    for (const auto& [key, value] : EntriesOf(job)) {
        if (value.find_first_of(std::string("\r\n\0", 3)) != std::string::npos) {
            error = "the " + key + " " + Quoted(value) + " holds a line break";
            return false;
        }
        text += key + "=" + value + "\n";
    }
    return true;
}

JobParse ParseJobText(const std::string& bytes) {
    std::string_view text(bytes);
    // Editors of some systems begin UTF-8 text with a byte order mark.
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::vector<Line> lines;
    std::size_t number = 0;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.find('\0') != std::string_view::npos)
            return Damaged("line " + std::to_string(number) + " holds a NUL byte");
        if (line.empty() || line.front() == '#') continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            return Damaged("line " + std::to_string(number) + ": " + Quoted(std::string(line)) +
                           " is no key=value line");
        lines.push_back(
            {number, std::string(line.substr(0, equals)), std::string(line.substr(equals + 1))});
    }

    JobParse parse;
    TabJob& job = parse.job;
    const auto version = std::find_if(lines.begin(), lines.end(),
                                      [](const Line& line) { return line.key == "version"; });
    if (version == lines.end())
        return Damaged("the job file names no version of the program (a version= line)");
    if (!IsVersionNumber(version->value))
        return Damaged(At(*version) + Quoted(version->value) + " is no version number");
    job.version = version->value;
    if (CompareVersions(job.version, ProgramVersion()) > 0) {
        parse.outcome = JobParse::Outcome::Newer;
        return parse;
    }

    std::set<std::string> seen;
    const Line* tabLine = nullptr;
    for (const Line& line : lines) {
        const KeyEntry* entry = KeyNamed(line.key);
        if (!entry) return Damaged(At(line) + "unknown key " + Quoted(line.key));
        if (!seen.insert(line.key).second && !entry->lines)
            return Damaged(At(line) + line.key + " is given twice");
        if (line.key == "tab") tabLine = &line;
    }
    if (!tabLine) return Damaged("the job file names no tab (a tab= line)");
    std::string error;
    if (!Choose(kTabNames, *tabLine, job.tab, error)) return Damaged(error);
    for (const Line& line : lines)
        if (!(KeyNamed(line.key)->tabs & Bit(job.tab)))
            return Damaged(At(line) + "a " + JobTabName(job.tab) + " job takes no " + line.key);
    // The kind decides the default mode, so it is read first.
    for (const Line& line : lines)
        if (line.key == "kind" && !Assign(line, job, error)) return Damaged(error);
    // A full-path kind without a checked mode takes the tab's first choice.
    if (job.kind == TemplateKind::FullPath) job.mode = AttachMode::MainFolderWithoutFiles;
    for (const Line& line : lines)
        if (line.key != "kind" && !Assign(line, job, error)) return Damaged(error);
    if (JobUsesFiles(job) && !seen.count("files")) job.files = "*.*";

    std::set<std::string> used;
    for (const auto& entry : EntriesOf(job)) used.insert(entry.first);
    for (const Line& line : lines)
        if (!used.count(line.key))
            return Damaged(At(line) + line.key +
                           " is not used by this job: " + UnusedBecause(line.key, job));
    parse.outcome = JobParse::Outcome::Opened;
    return parse;
}

}  // namespace arbovane
