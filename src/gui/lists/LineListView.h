#pragma once

#include <QListView>
#include <cstddef>
#include <string>
#include <vector>

#include "gui/lists/LineListModel.h"

namespace arbovane {

// A list box over lines kept elsewhere, for lists of a million lines: multiple selection, no
// wrapping, uniform rows that scroll sideways. Showing the lines again costs the same for ten lines
// and for a million; only the rows in sight read their text.
class LineListView : public QListView {
    Q_OBJECT
public:
    // extent: the width every row scrolls over, in pixels; 0 makes it the widest line's.
    LineListView(const QString& objectName, LineListModel::Source lines, int extent,
                 QWidget* parent);

    LineListModel& Model() { return *model_; }
    const std::vector<std::string>& Lines() const { return model_->Lines(); }
    int Count() const { return model_->rowCount(); }
    // Shows the lines as they are now, keeping the scroll position; the selection goes.
    void ShowLines();
    // Shows the lines appended since the rows last changed, keeping the selection.
    void ShowAppended();
    // The selected rows, ascending.
    std::vector<std::size_t> SelectedRows() const;

private:
    void SizeRows();

    LineListModel* model_ = nullptr;
    int extent_ = 0;
};

}  // namespace arbovane
