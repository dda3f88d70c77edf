#pragma once

#include "cli/CliArguments.h"

namespace arbovane {

struct CliPorts;

// The command line of the tab a job file was saved from: the job's inputs as that command's
// options, with the run's own (--simulate, --yes, --journal, --log, --quiet). A job that cannot
// be read, that a newer version saved, or that its tab would not take throws CliBadInput:
// nothing runs.
CliOptions CliOptionsOfJob(const CliOptions& run, CliPorts& ports);

}  // namespace arbovane
