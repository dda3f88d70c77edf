#include "gui/lists/ListBoxFill.h"

#include <QListWidget>
#include <QScrollBar>

namespace arbovane {

void FillListBox(QListWidget* list, const std::vector<std::string>& lines, int rowWidth) {
    const int scroll = list->verticalScrollBar()->value();
    list->setUpdatesEnabled(false);
    list->clear();
    if (rowWidth > 0) {
        const int rowHeight = list->fontMetrics().height() + 2;
        for (const std::string& line : lines) {
            auto* item = new QListWidgetItem(QString::fromStdString(line));
            item->setSizeHint(QSize(rowWidth, rowHeight));
            list->addItem(item);
        }
    } else {
        QStringList texts;
        texts.reserve(static_cast<qsizetype>(lines.size()));
        for (const std::string& line : lines) texts.push_back(QString::fromStdString(line));
        list->addItems(texts);
    }
    list->setUpdatesEnabled(true);
    list->verticalScrollBar()->setValue(scroll);
}

}  // namespace arbovane
