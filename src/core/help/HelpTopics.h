#pragma once

#include <string>
#include <vector>

namespace arbovane {

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
