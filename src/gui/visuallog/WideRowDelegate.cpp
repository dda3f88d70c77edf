#include "gui/visuallog/WideRowDelegate.h"

#include <algorithm>

namespace arbovane {

WideRowDelegate::WideRowDelegate(int width, QObject* parent)
    : QStyledItemDelegate(parent), width_(width) {}

QSize WideRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setWidth(std::max(size.width(), width_));
    return size;
}

}  // namespace arbovane
