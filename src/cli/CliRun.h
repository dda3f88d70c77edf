#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliOutcomes.h"

namespace arbovane {

class FileSystem;
class Text;

// Exit statuses of the command-line program.
enum CliStatus : int {
    kCliAllDone = 0,     // every item reached the outcome asked for
    kCliSomeFailed = 1,  // an item ended otherwise, or an undo left something
    kCliBadInput = 2,    // bad input or usage; nothing changed on disk
};

struct CliPorts {
    FileSystem& fs;
    const Text& text;
    std::ostream& out;
    std::ostream& err;
    // Whether err is a terminal: only then is progress shown.
    bool errIsTerminal = false;
    // A path as the user's shell names it (a host path on Linux) to the port's form; empty when
    // it cannot be reached (no drive letter maps onto it).
    std::function<std::optional<std::string>(const std::string&)> toPortPath;
    // Whether a signal asked the program to end: the run then stops between two entries and
    // ends its journal.
    std::function<bool()> stopRequested;
};

// The whole program after its name: parses, runs one command, reports, and returns the status.
int RunCli(const std::vector<std::string>& arguments, CliPorts& ports);

}  // namespace arbovane
