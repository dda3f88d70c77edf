#pragma once

#include <QElapsedTimer>
#include <cstddef>
#include <string>
#include <vector>

class QLabel;
class QListWidget;

namespace arbovane {

// Shows the lines in the list box in one go, keeping its scroll position. A row width above zero
// gives every row that width, so the box scrolls sideways without measuring each line.
void FillListBox(QListWidget* list, const std::vector<std::string>& lines, int rowWidth = 0);

// The selected rows of a list box, ascending.
std::vector<std::size_t> SelectedRows(const QListWidget* list);

// The "Lines:" counters of an include and an exclude list box. During a long list operation they
// repaint and let window messages through at most every 50 ms.
class ListCounters {
public:
    void Attach(QLabel* include, QLabel* exclude);
    void Show(std::size_t includeCount, std::size_t excludeCount);
    // Starts the pacing of one operation.
    void StartOperation() { clock_.start(); }
    void Progress(std::size_t includeCount, std::size_t excludeCount);

private:
    QLabel* include_ = nullptr;
    QLabel* exclude_ = nullptr;
    QElapsedTimer clock_;
};

}  // namespace arbovane
