#pragma once

#include <QStyledItemDelegate>

namespace arbovane {

// Makes every row at least a fixed width, so a list scrolls sideways over long paths.
class WideRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit WideRowDelegate(int width, QObject* parent = nullptr);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int width_;
};

}  // namespace arbovane
