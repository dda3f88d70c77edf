#include "gui/lists/LineListModel.h"

#include <climits>

namespace arbovane {

namespace {

int RowsOf(const std::vector<std::string>& lines) {
    return lines.size() > static_cast<std::size_t>(INT_MAX) ? INT_MAX
                                                            : static_cast<int>(lines.size());
}

}  // namespace

LineListModel::LineListModel(Source lines, QObject* parent)
    : QAbstractListModel(parent), lines_(std::move(lines)), rows_(RowsOf(lines_())) {}

int LineListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

QVariant LineListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_) return {};
    const auto row = static_cast<std::size_t>(index.row());
    if (role == Qt::SizeHintRole && index.row() == rows_ - 1 && lastRowSize_.isValid())
        return lastRowSize_;
    const std::vector<std::string>& lines = lines_();
    if (role != Qt::DisplayRole || row >= lines.size()) return {};
    return QString::fromStdString(lines[row]);
}

void LineListModel::Reset() {
    beginResetModel();
    rows_ = RowsOf(lines_());
    lastRowSize_ = QSize();
    endResetModel();
}

void LineListModel::ShowAppended() {
    const int lines = RowsOf(lines_());
    if (lines <= rows_) return;
    // The last row carries the common size; it moves to the new last row.
    const QSize size = lastRowSize_;
    lastRowSize_ = QSize();
    beginInsertRows(QModelIndex(), rows_, lines - 1);
    rows_ = lines;
    endInsertRows();
    SetLastRowSize(size);
}

void LineListModel::SetLastRowSize(QSize size) {
    lastRowSize_ = size;
    if (rows_ > 0) {
        const QModelIndex last = index(rows_ - 1);
        emit dataChanged(last, last, {Qt::SizeHintRole});
    }
}

}  // namespace arbovane
