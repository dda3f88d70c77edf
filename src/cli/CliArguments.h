#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace arbovane {

// The subcommands: one per operation tab, undo, and run of a job saved from a tab.
enum class CliCommand { Copy, Delete, Rename, CreateNames, CreateNumbers, CreatePaths, Undo, Run };

// Everything a command line can say; which of it a subcommand reads is in the option table.
struct CliOptions {
    std::optional<CliCommand> command;  // none: the program's own --help or --version
    bool help = false;
    bool version = false;
    bool simulate = false;
    bool yes = false;
    bool quiet = false;
    // Include lines: typed, and read from list files (one per line, or CSV through the import
    // rules when csv is set).
    std::vector<std::string> lines;
    std::vector<std::string> listFiles;
    bool csv = false;
    std::string separator = ",";
    std::string column;       // empty: every field; else the field number, from 1
    bool keepQuotes = false;  // list files: quotation marks around a line stay
    // Templates: typed, and read from files of one line each.
    std::vector<std::string> templates;
    std::vector<std::string> templateFiles;
    std::string kind;    // "full", "relative" or "nothing"
    std::string attach;  // full-path templates: what comes along
    std::string option;  // relative templates: "whole", "without-first", "replace-first"
    std::vector<std::string> patterns;  // file selection, as typed
    std::string mode;                   // delete mode
    bool readOnly = false;
    std::string prefix;
    std::string suffix;
    std::string firstDelimiter;
    std::string secondDelimiter;
    std::string newName;
    bool hyphen = false;
    std::string destination;
    std::string start;
    std::string end;
    bool pad = false;
    bool numbersInLevels = false;
    std::string journal;
    std::string log;
    std::string jobFile;  // run: the one argument that is no option
    // Every option the command line gave, by its long name.
    std::set<std::string> given;

    bool Given(const char* name) const { return given.count(name) != 0; }
};

struct CliParse {
    CliOptions options;
    std::string error;  // empty when the arguments were understood
};

std::optional<CliCommand> CliCommandNamed(const std::string& name);
const char* CliCommandName(CliCommand command);

// Arguments after the program name. Every option is checked against the subcommand.
CliParse ParseCliArguments(const std::vector<std::string>& arguments);

// --help of the program (no command) or of one subcommand.
std::string CliUsage(std::optional<CliCommand> command);

// The options a subcommand takes (every option without one), as the parser knows them.
std::vector<std::string> CliOptionNames(std::optional<CliCommand> command = std::nullopt);
std::vector<std::string> CliCommandNames();

}  // namespace arbovane
