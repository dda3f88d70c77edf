#pragma once

#include <string>
#include <vector>

namespace arbovane {

// The topics the tabs and dialogs open; the template options open the topic of their tab key (1
// to 4).
constexpr int kHelpTopicCreateFromPaths = 5;
constexpr int kHelpTopicCreateFromStrings = 6;
constexpr int kHelpTopicCreateFromNumbers = 7;
constexpr int kHelpTopicCopy = 9;
constexpr int kHelpTopicDelete = 10;
constexpr int kHelpTopicRename = 11;
constexpr int kHelpTopicFileImport = 15;
constexpr int kHelpTopicFileSelection = 16;

// The numbered topics of the general help window. Every topic starts with a line holding one
// blank and then its heading; a number without a topic gives no lines.
std::vector<std::string> HelpTopicLines(int topic);

// The topics of a dialog's own choices (the template options, the import, the file selection):
// they lead to no further help, so the window hides "More help" for them.
bool HelpTopicHidesMoreHelp(int topic);

// Every number that has a topic, ascending.
std::vector<int> HelpTopicNumbers();

// The lines of the "More help" window.
std::vector<std::string> MoreHelpLines();

}  // namespace arbovane
