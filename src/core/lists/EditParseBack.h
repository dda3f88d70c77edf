#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/lists/ListMessage.h"

namespace arbovane {

class FolderList;

// An edit window's text as lines: split at line breaks (a carriage return before one is dropped);
// a final line break opens no further line, so an empty text has no lines.
std::vector<std::string> SplitMemoLines(const std::string& text);
std::string JoinMemoLines(const std::vector<std::string>& lines);

// Warning 0602: count lines of the list hold characters an edit window cannot show as they are.
ListMessage UncarriedLinesMessage(std::size_t count);

// The OK of an edit window. The lines are checked as relative paths (strings) or as full paths;
// when the check finds errors, report holds its text, nothing changes and the result is false.
// Otherwise target is emptied and rebuilt: each line that does not trim to empty, normalised, is
// added when its drive matches the kind and neither target nor other holds it. afterAdd runs after
// each added line.
bool ParseBackEditedLines(const std::vector<std::string>& lines, bool relative, FolderList& target,
                          const FolderList& other, std::string& report,
                          const std::function<void()>& afterAdd = {});

}  // namespace arbovane
