#pragma once

#include <string>
#include <vector>

class QListWidget;
class QWidget;

namespace arbovane {

// A list box of fixed help lines: no wrapping, every row scrolls sideways over 2000 pixels.
QListWidget* MakeHelpList(const char* objectName, QWidget* parent);
// Replaces the rows by the lines.
void FillHelpList(QListWidget& list, const std::vector<std::string>& lines);

}  // namespace arbovane
