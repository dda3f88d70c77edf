#include "gui/lists/ListBoxFill.h"

#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <algorithm>

#include "gui/app/PumpMessages.h"

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

std::vector<std::size_t> SelectedRows(const QListWidget* list) {
    std::vector<std::size_t> rows;
    for (const QModelIndex& index : list->selectionModel()->selectedIndexes())
        rows.push_back(static_cast<std::size_t>(index.row()));
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ListCounters::Attach(QLabel* include, QLabel* exclude) {
    include_ = include;
    exclude_ = exclude;
}

void ListCounters::Show(std::size_t includeCount, std::size_t excludeCount) {
    include_->setText(QString::number(includeCount));
    exclude_->setText(QString::number(excludeCount));
}

void ListCounters::Progress(std::size_t includeCount, std::size_t excludeCount) {
    constexpr qint64 kPumpIntervalMs = 50;
    if (clock_.isValid() && clock_.elapsed() < kPumpIntervalMs) return;
    Show(includeCount, excludeCount);
    PumpMessages();
    clock_.start();
}

}  // namespace arbovane
