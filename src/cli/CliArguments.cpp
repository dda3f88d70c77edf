#include "cli/CliArguments.h"

#include <algorithm>
#include <array>
#include <variant>

namespace arbovane {

namespace {

using Flag = bool CliOptions::*;
using Value = std::string CliOptions::*;
using Values = std::vector<std::string> CliOptions::*;

// Which subcommands read an option.
enum : unsigned {
    kCopy = 1u << static_cast<int>(CliCommand::Copy),
    kDelete = 1u << static_cast<int>(CliCommand::Delete),
    kRename = 1u << static_cast<int>(CliCommand::Rename),
    kNames = 1u << static_cast<int>(CliCommand::CreateNames),
    kNumbers = 1u << static_cast<int>(CliCommand::CreateNumbers),
    kPaths = 1u << static_cast<int>(CliCommand::CreatePaths),
    kUndo = 1u << static_cast<int>(CliCommand::Undo),
    kJob = 1u << static_cast<int>(CliCommand::Run),
    kCreate = kNames | kNumbers | kPaths,
    kRuns = kCopy | kDelete | kRename | kCreate | kJob,
    kWithTemplates = kCopy | kCreate,
    kWithLines = kCopy | kDelete | kRename | kNames | kPaths,
    kAll = kRuns | kUndo,
};

struct OptionEntry {
    const char* name;
    std::variant<Flag, Value, Values> target;
    unsigned commands;
    const char* argument;  // nullptr for a flag
    const char* help;
};

const OptionEntry kOptions[] = {
    {"--simulate", &CliOptions::simulate, kRuns, nullptr,
     "report what the run would do; nothing on disk changes (--yes and --journal are then not "
     "needed and not used)"},
    {"--yes", &CliOptions::yes, kDelete | kRename | kUndo | kJob, nullptr,
     "really delete, rename or undo (required unless --simulate)"},
    {"--line", &CliOptions::lines, kWithLines, "LINE", "one include line (repeatable)"},
    {"--list", &CliOptions::listFiles, kWithLines, "FILE",
     "include lines from a file, one per line (repeatable)"},
    {"--csv", &CliOptions::csv, kWithLines, nullptr,
     "read the list files as separated fields with quotes, as the import does"},
    {"--separator", &CliOptions::separator, kWithLines, "TEXT",
     "field separator of --csv (default ,; \"space\" for a blank)"},
    {"--column", &CliOptions::column, kWithLines, "N",
     "take only field N of each --csv line (1 = first)"},
    {"--keep-quotes", &CliOptions::keepQuotes, kWithLines | kWithTemplates, nullptr,
     "keep the quotation marks around lines and fields of list files (removed by default)"},
    {"--template", &CliOptions::templates, kWithTemplates, "LINE",
     "one template line (repeatable)"},
    {"--templates", &CliOptions::templateFiles, kWithTemplates, "FILE",
     "template lines from a file, one per line (repeatable)"},
    {"--kind", &CliOptions::kind, kWithTemplates, "KIND",
     "relative (paths as text, the default) or full (existing folder trees); the create "
     "commands also take nothing (the default without templates)"},
    {"--attach", &CliOptions::attach, kWithTemplates, "WHAT",
     "--kind full: main-with-files (the default), main-without-files, sub-with-files, "
     "sub-without-files"},
    {"--option", &CliOptions::option, kWithTemplates, "WHICH",
     "--kind relative: whole (the default), without-first or replace-first"},
    {"--pattern", &CliOptions::patterns, kCopy | kDelete, "PATTERNS",
     "file selection, as typed in its dialog (repeatable; copy: an --attach mode with files; "
     "delete: the two file modes)"},
    {"--mode", &CliOptions::mode, kDelete, "MODE",
     "subfolders (default), complete, files-in-tree or files-in-main-folder"},
    {"--read-only", &CliOptions::readOnly, kDelete, nullptr,
     "also remove read-only folders (modes subfolders and complete)"},
    {"--prefix", &CliOptions::prefix, kRename | kCreate, "TEXT", "text before the name"},
    {"--suffix", &CliOptions::suffix, kRename | kCreate, "TEXT", "text after the name"},
    {"--first-delimiter", &CliOptions::firstDelimiter, kRename, "TEXT", "between prefix and name"},
    {"--second-delimiter", &CliOptions::secondDelimiter, kRename, "TEXT",
     "between name and suffix"},
    {"--new-name", &CliOptions::newName, kRename, "NAME",
     "replace the last folder name instead of adding a prefix and suffix"},
    {"--hyphen", &CliOptions::hyphen, kCreate, nullptr, "a hyphen between prefix, name and suffix"},
    {"--destination", &CliOptions::destination, kNames | kNumbers, "FOLDER",
     "the existing folder the new folders go into"},
    {"--start", &CliOptions::start, kNumbers, "N", "first number (1 to 2147483647)"},
    {"--end", &CliOptions::end, kNumbers, "N", "last number (from --start to 2147483647)"},
    {"--pad", &CliOptions::pad, kNumbers, nullptr,
     "zeros in front of every number, to the width of the end number"},
    {"--numbers-in-levels", &CliOptions::numbersInLevels, kNumbers, nullptr,
     "--kind relative: the number also on every template level"},
    {"--journal", &CliOptions::journal, kCopy | kCreate | kRename | kUndo | kJob, "FILE",
     "write what the run made to FILE, so that undo can take it back (undo: read it, and keep "
     "in it what could not be taken back)"},
    {"--log", &CliOptions::log, kAll, "FILE", "write every outcome as a CSV row (category, path)"},
    {"--quiet", &CliOptions::quiet, kAll, nullptr,
     "print only the counters: no messages, no failed items, no progress"},
    {"--help", &CliOptions::help, kAll, nullptr, "this text"},
};

struct CommandEntry {
    CliCommand command;
    const char* name;
    const char* summary;
};

const std::array<CommandEntry, 8> kCommands = {{
    {CliCommand::Copy, "copy", "copy template structures into every include folder"},
    {CliCommand::Delete, "delete", "delete the contents, the folders or selected files"},
    {CliCommand::Rename, "rename", "rename the last folder of every include line"},
    {CliCommand::CreateNames, "create-names", "create folders named by strings"},
    {CliCommand::CreateNumbers, "create-numbers", "create folders with increasing numbers"},
    {CliCommand::CreatePaths, "create-paths", "create folders from full paths"},
    {CliCommand::Undo, "undo", "take back the run recorded in a journal"},
    {CliCommand::Run, "run", "run a job saved from a tab of the program (JOBFILE)"},
}};

unsigned Bit(CliCommand command) {
    return 1u << static_cast<int>(command);
}

const OptionEntry* OptionNamed(const std::string& name) {
    for (const OptionEntry& entry : kOptions)
        if (name == entry.name) return &entry;
    return nullptr;
}

}  // namespace

std::optional<CliCommand> CliCommandNamed(const std::string& name) {
    for (const CommandEntry& entry : kCommands)
        if (name == entry.name) return entry.command;
    return std::nullopt;
}

const char* CliCommandName(CliCommand command) {
    for (const CommandEntry& entry : kCommands)
        if (entry.command == command) return entry.name;
    return "";
}

CliParse ParseCliArguments(const std::vector<std::string>& arguments) {
    CliParse parse;
    CliOptions& options = parse.options;
    std::size_t next = 0;
    if (arguments.empty()) {
        options.help = true;
        return parse;
    }
    const std::string& first = arguments[0];
    if (first == "--help" || first == "-h") {
        options.help = true;
        return parse;
    }
    if (first == "--version") {
        options.version = true;
        return parse;
    }
    options.command = CliCommandNamed(first);
    if (!options.command) {
        parse.error = "unknown command \"" + first + "\"";
        return parse;
    }
    ++next;
    const unsigned bit = Bit(*options.command);
    for (; next < arguments.size(); ++next) {
        std::string name = arguments[next];
        std::optional<std::string> inlineValue;
        if (const auto equals = name.find('='); name.rfind("--", 0) == 0 && equals != name.npos) {
            inlineValue = name.substr(equals + 1);
            name.resize(equals);
        }
        if (name == "-h") name = "--help";
        if (*options.command == CliCommand::Run && !name.starts_with("--")) {
            if (!options.jobFile.empty()) {
                parse.error = "run takes one job file, not also \"" + name + "\"";
                return parse;
            }
            options.jobFile = name;
            continue;
        }
        const OptionEntry* entry = OptionNamed(name);
        if (!entry) {
            parse.error = "unknown option \"" + name + "\" for " + first;
            return parse;
        }
        if (!(entry->commands & bit)) {
            parse.error = "option " + name + " is not used by " + first + " (see 'arbovane-cli " +
                          first + " --help')";
            return parse;
        }
        const bool repeatable = std::holds_alternative<Values>(entry->target);
        if (!options.given.insert(entry->name).second && !repeatable) {
            parse.error = "option " + name + " is given twice";
            return parse;
        }
        if (!entry->argument) {
            if (inlineValue) {
                parse.error = "option " + name + " takes no value";
                return parse;
            }
            options.*std::get<Flag>(entry->target) = true;
            continue;
        }
        std::string value;
        if (inlineValue) {
            value = *inlineValue;
        } else if (next + 1 < arguments.size()) {
            value = arguments[++next];
        } else {
            parse.error = "option " + name + " needs a value (" + entry->argument + ")";
            return parse;
        }
        if (repeatable) {
            (options.*std::get<Values>(entry->target)).push_back(value);
        } else {
            options.*std::get<Value>(entry->target) = value;
        }
    }
    return parse;
}

namespace {

const char* const kExitStatuses =
    "\nExit status:\n"
    "  0  every item reached the outcome asked for\n"
    "  1  an item did not: it was not there, its destination was there already, or it failed;\n"
    "     or an undo left something, which its journal keeps for the next undo\n"
    "  2  bad input or usage: a message names the option and the value; nothing changed\n";

// The help text of an option from column 28, cut between words before column 100.
std::string Wrapped(std::string head, const std::string& help) {
    constexpr std::size_t kIndent = 28, kWidth = 100;
    head.resize(std::max<std::size_t>(head.size() + 1, kIndent), ' ');
    std::string text = head;
    std::size_t column = text.size();
    bool first = true;
    for (std::size_t start = 0; start < help.size();) {
        const std::size_t end = std::min(help.find(' ', start), help.size());
        const std::string word = help.substr(start, end - start);
        if (!first && column + 1 + word.size() > kWidth) {
            text += "\n" + std::string(kIndent, ' ');
            column = kIndent;
        } else if (!first) {
            text += ' ';
            ++column;
        }
        text += word;
        column += word.size();
        first = false;
        start = end + 1;
    }
    return text + "\n";
}

}  // namespace

std::string CliUsage(std::optional<CliCommand> command) {
    std::string text;
    if (!command) {
        text =
            "Usage: arbovane-cli COMMAND [OPTIONS]\n"
            "Runs the folder operations of the program without its window.\n\nCommands:\n";
        for (const CommandEntry& entry : kCommands)
            text += "  " + std::string(entry.name) +
                    std::string(16 - std::string(entry.name).size(), ' ') + entry.summary + "\n";
        text += "\n'arbovane-cli COMMAND --help' lists the options of a command.\n";
        return text + kExitStatuses;
    }
    const unsigned bit = Bit(*command);
    text = "Usage: arbovane-cli " + std::string(CliCommandName(*command)) +
           (*command == CliCommand::Run ? " JOBFILE" : "") + " [OPTIONS]\n";
    for (const CommandEntry& entry : kCommands)
        if (entry.command == *command) {
            std::string summary = entry.summary;
            summary[0] = static_cast<char>(summary[0] - 'a' + 'A');
            text += summary + ".\n\nOptions:\n";
        }
    for (const OptionEntry& entry : kOptions) {
        if (!(entry.commands & bit)) continue;
        std::string head = std::string("  ") + entry.name;
        if (entry.argument) head += std::string(" ") + entry.argument;
        text += Wrapped(head, entry.help);
    }
    return text + kExitStatuses;
}

std::vector<std::string> CliOptionNames(std::optional<CliCommand> command) {
    std::vector<std::string> names;
    for (const OptionEntry& entry : kOptions)
        if (!command || (entry.commands & Bit(*command))) names.push_back(entry.name);
    return names;
}

std::vector<std::string> CliCommandNames() {
    std::vector<std::string> names;
    for (const CommandEntry& entry : kCommands) names.push_back(entry.name);
    return names;
}

}  // namespace arbovane
