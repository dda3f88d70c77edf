#pragma once

#include <string>

#include "core/jobs/TabJob.h"

namespace arbovane {

// A job file: UTF-8 text of "key=value" lines, the value being everything after the first "=",
// blanks included. Lines that are empty or begin with "#" say nothing. Keys that hold lines
// (include, exclude, template) come once for each line, in order; every other key at most once.

// The file of a job, written by this version of the program. False, with the reason, when a value
// holds a line break or a NUL, which no line of the file can carry.
bool JobText(const TabJob& job, std::string& text, std::string& error);

struct JobParse {
    enum class Outcome { Opened, Damaged, Newer };
    Outcome outcome = Outcome::Damaged;
    TabJob job;
    // Damaged: what is wrong, naming its line. Newer: nothing; job.version says which version.
    std::string error;
};

// A job saved by a newer version is refused before anything else is read: its keys may be ones
// this version does not know. Keys the tab or its choices leave unused are refused, not ignored.
JobParse ParseJobText(const std::string& bytes);

}  // namespace arbovane
