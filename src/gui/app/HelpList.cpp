#include "gui/app/HelpList.h"

#include <QListWidget>

namespace arbovane {

namespace {

constexpr int kHorizontalExtent = 2000;

}  // namespace

QListWidget* MakeHelpList(const char* objectName, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(objectName);
    list->setWordWrap(false);
    list->setUniformItemSizes(true);
    list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return list;
}

void FillHelpList(QListWidget& list, const std::vector<std::string>& lines) {
    list.clear();
    const int rowHeight = list.fontMetrics().height() + 2;
    for (const std::string& line : lines) {
        auto* item = new QListWidgetItem(QString::fromStdString(line));
        item->setSizeHint(QSize(kHorizontalExtent, rowHeight));
        list.addItem(item);
    }
}

}  // namespace arbovane
