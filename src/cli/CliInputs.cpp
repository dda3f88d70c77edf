#include "cli/CliInputs.h"

#include <algorithm>

#include "cli/CliRun.h"
#include "core/acquire/ImportClass.h"
#include "core/acquire/ListExport.h"
#include "core/jobs/JobValues.h"
#include "core/paths/Arbsplit.h"
#include "core/paths/PathText.h"
#include "core/templates/FileSelection.h"
#include "platform/FileSystem.h"

namespace arbovane {

namespace {

template <typename Value, std::size_t N>
Value Lookup(const CliOptions& options, const NamedValue<Value> (&table)[N],
             const std::string& given, const char* option, Value fallback) {
    if (!options.Given(option)) return fallback;
    if (const auto value = ValueNamed(table, given)) return *value;
    std::string names;
    for (const auto& entry : table) names += std::string(names.empty() ? "" : ", ") + entry.name;
    throw CliBadInput{std::string(option) + " must be one of " + names + ", not \"" + given + "\""};
}

bool IsDriveForm(const std::string& path) {
    return (path.size() >= 2 && path[1] == ':') || path.starts_with("\\\\");
}

// A line as the user's shell would name a folder: absolute ("/srv/x") or relative to the current
// directory ("clients/acme"). A line with a backslash is Windows text.
bool IsHostLine(const std::string& line) {
    return !line.empty() && line.find('\\') == std::string::npos && !IsDriveForm(line);
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// A level no folder can be made of: "." or "..", or one ending in a period or a blank, which
// Windows would drop and so reach another folder.
std::string UnusableLevel(const std::string& line, std::size_t firstChecked) {
    std::size_t level = 0;
    for (std::size_t start = 0; start <= line.size();) {
        std::size_t end = line.find_first_of("\\/", start);
        if (end == std::string::npos) end = line.size();
        const std::string name = line.substr(start, end - start);
        if (!name.empty() && level++ >= firstChecked &&
            (name == "." || name == ".." || name.back() == '.' || name.back() == ' '))
            return name;
        start = end + 1;
    }
    return {};
}

}  // namespace

std::string CliInputs::PortPath(const std::string& path, const std::string& what) const {
    if (path.empty()) throw CliBadInput{what + " is empty"};
    if (IsDriveForm(path) || !ports_.toPortPath) return path;
    if (!IsHostLine(path))
        throw CliBadInput{what + " " + Quoted(path) +
                          " is neither a host path nor a path with a drive (d:\\...)"};
    const std::optional<std::string> mapped = ports_.toPortPath(path);
    if (!mapped)
        throw CliBadInput{what + " " + Quoted(path) + " lies on no drive of the drive table"};
    return *mapped;
}

std::vector<std::string> CliInputs::ReadList(const std::string& file, bool csv) const {
    int mode = ImportClass::kLines;
    long long column = 1;
    if (csv) {
        mode = options_.column.empty() ? ImportClass::kAllFields : ImportClass::kColumn;
        if (!options_.column.empty() &&
            (!ColumnNumberFrom(options_.column, column) || column < 1 ||
             options_.column.find_first_not_of("0123456789") != std::string::npos))
            throw CliBadInput{"--column needs a whole number from 1, not " +
                              Quoted(options_.column)};
    }
    ImportClass import(ports_.fs, PortPath(file, "the list file"), mode, options_.separator, "\"",
                       !options_.keepQuotes);
    import.SetColumn(column);
    if (!import.Run()) {
        const std::string& why = import.Failure().text;
        throw CliBadInput{"the list file " + Quoted(file) + " cannot be read" +
                          (why.empty() ? std::string() : ": " + why)};
    }
    return import.Result();
}

std::vector<std::string> CliInputs::Lines(const char* what) const {
    std::vector<std::string> lines = options_.lines;
    for (const std::string& file : options_.listFiles) {
        std::vector<std::string> read = ReadList(file, options_.csv);
        lines.insert(lines.end(), read.begin(), read.end());
    }
    if (!lines.empty()) return lines;
    if (options_.listFiles.empty())
        throw CliBadInput{std::string("no ") + what + ": give --line or --list"};
    std::string files;
    for (const std::string& file : options_.listFiles)
        files += (files.empty() ? "" : ", ") + Quoted(file);
    throw CliBadInput{
        std::string(options_.listFiles.size() == 1 ? "the list file " : "the list files ") + files +
        " hold" + (options_.listFiles.size() == 1 ? "s" : "") + " no " + what};
}

std::vector<std::string> CliInputs::IncludeLines() const {
    std::vector<std::string> lines = Lines("include lines");
    for (std::string& line : lines)
        if (IsHostLine(line)) line = PortPath(line, "the include line");
    std::string report;
    if (CheckFullPaths(report, lines))
        throw CliBadInput{"the include lines are not valid:\n" + report};
    // The list keeps every folder once, as the tab's list does.
    return UniqueEntryLines(ports_.text, ports_.fs, std::move(lines));
}

std::vector<std::string> CliInputs::Names() const {
    std::vector<std::string> names = Lines("names");
    for (const std::string& name : names) {
        std::string found;
        if (FindIllegalChars('H', name, found))
            throw CliBadInput{"the name " + Quoted(name) +
                              " holds characters a name cannot hold:" + found};
    }
    return UniqueEntryLines(ports_.text, ports_.fs, std::move(names));
}

std::vector<std::string> CliInputs::Templates(TemplateKind kind, TemplateOption option) const {
    std::vector<std::string> lines = options_.templates;
    for (const std::string& file : options_.templateFiles) {
        std::vector<std::string> read = ReadList(file, false);
        lines.insert(lines.end(), read.begin(), read.end());
    }
    if (lines.empty()) throw CliBadInput{"no templates: give --template or --templates"};
    if (kind == TemplateKind::FullPath) {
        for (std::string& line : lines) {
            line = NormalisePath(PortPath(line, "the template"));
            if (!IsExistingFolder(ports_.fs, line))
                throw CliBadInput{"the template " + Quoted(line) + " is not an existing folder"};
        }
    } else {
        std::string report;
        if (CheckRelativePaths(report, lines))
            throw CliBadInput{"the templates are not valid:\n" + report};
        // Numbers appended to every level make any level a name; without, a level the run
        // could never make is refused here rather than listed under other reasons.
        const std::size_t first = option == TemplateOption::ReplaceNo ? 0 : 1;
        for (const std::string& line : lines) {
            const std::string level = options_.numbersInLevels ? "" : UnusableLevel(line, first);
            if (!level.empty())
                throw CliBadInput{"the template " + Quoted(line) + " holds the level " +
                                  Quoted(level) + ", which no folder can be named"};
        }
    }
    return UniqueEntryLines(ports_.text, ports_.fs, std::move(lines));
}

std::vector<std::string> CliInputs::Patterns() const {
    std::vector<std::string> patterns;
    for (const std::string& entry : options_.patterns) {
        std::vector<std::string> tokens;
        FileSelectionMessage failure;
        if (!TokeniseSelection(entry, tokens, failure))
            throw CliBadInput{"--pattern " + Quoted(entry) + ": " + failure.text};
        if (const auto message = FolderPartMessage(tokens))
            throw CliBadInput{"--pattern " + Quoted(entry) + ": " + message->text};
        for (std::string& token : DropEmptyAndRepeatedTokens(tokens))
            if (std::find(patterns.begin(), patterns.end(), token) == patterns.end())
                patterns.push_back(std::move(token));
    }
    return patterns;
}

std::string CliInputs::Destination() const {
    if (!options_.Given("--destination")) throw CliBadInput{"give the --destination folder"};
    const std::string folder = NormalisePath(PortPath(options_.destination, "--destination"));
    if (!IsExistingFolder(ports_.fs, folder))
        throw CliBadInput{"--destination " + Quoted(options_.destination) +
                          " is not an existing folder"};
    return folder;
}

long long CliInputs::Number(const char* option, const std::string& text) const {
    const auto bad = [&] {
        return CliBadInput{std::string(option) +
                           " must be a whole number from 1 to 2147483647, not " + Quoted(text)};
    };
    if (text.empty() || text.size() > 10 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        throw bad();
    const long long number = std::stoll(text);
    if (number < 1 || number > 2147483647) throw bad();
    return number;
}

void CliInputs::CheckNamePart(const char* option, const std::string& text) const {
    std::string found;
    if (FindIllegalChars('F', text, found))
        throw CliBadInput{std::string(option) + " " + Quoted(text) +
                          " holds characters a folder name cannot hold:" + found};
}

void CliInputs::CheckWritable(const char* option, const std::string& file) const {
    const std::string path = PortPath(file, option);
    FileSystem& fs = ports_.fs;
    bool writable = false;
    if (fs.IsFolder(path)) {
        writable = false;
    } else if (fs.IsFile(path)) {
        // Written back as it is: whatever the run leaves, an earlier journal stays whole until the
        // run replaces it.
        std::string bytes;
        writable = fs.ReadWholeFile(path, bytes) && fs.WriteWholeFile(path, bytes);
    } else {
        writable = fs.WriteWholeFile(path, "") && fs.RemoveFile(path);
    }
    if (!writable)
        throw CliBadInput{std::string(option) + " " + Quoted(file) + " cannot be written"};
}

TemplateKind CliInputs::Kind(bool createCommand) const {
    if (!createCommand)
        return Lookup(options_, kCopyKindNames, options_.kind, "--kind", TemplateKind::Relative);
    const bool templates = !options_.templates.empty() || !options_.templateFiles.empty();
    return Lookup(options_, kCreateKindNames, options_.kind, "--kind",
                  templates ? TemplateKind::Relative : TemplateKind::Nothing);
}

AttachMode CliInputs::Attach(TemplateKind kind) const {
    RefuseUnless(kind == TemplateKind::FullPath, "--attach", "--kind full");
    if (kind != TemplateKind::FullPath) return AttachMode::None;
    return Lookup(options_, kAttachModeNames, options_.attach, "--attach",
                  AttachMode::MainFolderWithFiles);
}

TemplateOption CliInputs::Option(TemplateKind kind) const {
    RefuseUnless(kind == TemplateKind::Relative, "--option", "--kind relative");
    return Lookup(options_, kTemplateOptionNames, options_.option, "--option",
                  TemplateOption::ReplaceNo);
}

DeleteTabMode CliInputs::DeleteMode() const {
    return Lookup(options_, kDeleteModeNames, options_.mode, "--mode",
                  DeleteTabMode::SubfoldersOnly);
}

void CliInputs::RefuseUnless(bool used, const char* option, const std::string& needs) const {
    if (!used && options_.Given(option))
        throw CliBadInput{std::string(option) + " is used only with " + needs +
                          "; leave it out or give " + needs};
}

}  // namespace arbovane
