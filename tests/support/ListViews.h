#pragma once
// Only for the gui tests: it needs the Qt widgets.

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <string>
#include <vector>

namespace arbovane::testing {

// The texts a list box shows, row by row.
inline std::vector<std::string> RowTexts(const QAbstractItemView* view) {
    std::vector<std::string> rows;
    if (!view) return rows;
    const QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(); ++row)
        rows.push_back(model->index(row, 0).data().toString().toStdString());
    return rows;
}

inline int RowCount(const QAbstractItemView* view) {
    return view ? view->model()->rowCount() : -1;
}

// Selects exactly the given rows, as clicks with Ctrl held would.
inline void SelectRows(QAbstractItemView* view, const std::vector<int>& rows) {
    QItemSelectionModel* selection = view->selectionModel();
    selection->clearSelection();
    for (const int row : rows)
        selection->select(view->model()->index(row, 0), QItemSelectionModel::Select);
}

inline int CurrentRow(const QAbstractItemView* view) {
    return view ? view->currentIndex().row() : -2;
}

}  // namespace arbovane::testing
