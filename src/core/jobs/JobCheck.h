#pragma once

#include <string>
#include <vector>

#include "core/jobs/TabJob.h"

namespace arbovane {

struct ProgramSettings;

// The patterns of a file selection as its dialog's OK makes them: false, with the reason, when
// it cannot be one (an odd number of quotation marks, a folder part, nothing at all).
bool JobPatterns(const std::string& files, std::vector<std::string>& patterns, std::string& error);

// The file selection as a job keeps it: the program's selection text, every file when blank.
std::string SelectionTextForJob(const ProgramSettings& settings);
// A job's file selection made the program's, as the dialog's OK makes one; the text must be one
// JobPatterns takes. Copy and delete share it.
void ApplyJobSelection(const std::string& files, ProgramSettings& settings);

// What of a job its tab would not take: lines and texts the tab's own lists, template list,
// boxes and file selection refuse. Empty when the tab can take it all.
std::string JobContentRefusal(const TabJob& job);

}  // namespace arbovane
