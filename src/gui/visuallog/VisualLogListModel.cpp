#include "gui/visuallog/VisualLogListModel.h"

#include "core/visuallog/VisualLog.h"

namespace arbovane {

VisualLogListModel::VisualLogListModel(const VisualLog& log, std::size_t category, QObject* parent)
    : QAbstractListModel(parent),
      log_(log),
      category_(category),
      rows_(static_cast<int>(log.LinesAt(category).size())) {}

int VisualLogListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

QVariant VisualLogListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rows_) return {};
    return QString::fromStdString(log_.LinesAt(category_)[static_cast<std::size_t>(index.row())]);
}

void VisualLogListModel::AnnounceAppended() {
    const int lines = static_cast<int>(log_.LinesAt(category_).size());
    if (lines <= rows_) return;
    beginInsertRows(QModelIndex(), rows_, lines - 1);
    rows_ = lines;
    endInsertRows();
}

void VisualLogListModel::BeginClear() {
    beginResetModel();
}

void VisualLogListModel::EndClear() {
    rows_ = static_cast<int>(log_.LinesAt(category_).size());
    endResetModel();
}

}  // namespace arbovane
