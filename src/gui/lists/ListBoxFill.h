#pragma once

#include <string>
#include <vector>

class QListWidget;

namespace arbovane {

// Shows the lines in the list box in one go, keeping its scroll position. A row width above zero
// gives every row that width, so the box scrolls sideways without measuring each line.
void FillListBox(QListWidget* list, const std::vector<std::string>& lines, int rowWidth = 0);

}  // namespace arbovane
