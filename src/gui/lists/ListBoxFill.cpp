#include "gui/lists/ListBoxFill.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <algorithm>
#include <vector>

#include "gui/app/PumpMessages.h"

namespace arbovane {

namespace {

// Rows measured for the sideways extent: every row of a short list, the longest ones (in
// characters) of a long list, where measuring each would cost more than the fill.
constexpr qsizetype kMeasuredRows = 1000;

// With uniform row sizes the view takes every row's size from its last row; that row carries the
// width of the widest one, so every path can be scrolled to its end.
void CarryWidestRow(QListWidget* list, const QStringList& texts) {
    if (texts.isEmpty()) return;
    std::vector<qsizetype> rows(static_cast<std::size_t>(texts.size()));
    for (qsizetype i = 0; i < texts.size(); ++i) rows[static_cast<std::size_t>(i)] = i;
    if (texts.size() > kMeasuredRows) {
        std::nth_element(
            rows.begin(), rows.begin() + kMeasuredRows, rows.end(),
            [&](qsizetype a, qsizetype b) { return texts[a].size() > texts[b].size(); });
        rows.resize(static_cast<std::size_t>(kMeasuredRows));
    }
    const QFontMetrics metrics = list->fontMetrics();
    int widest = 0;
    for (const qsizetype row : rows)
        widest = std::max(widest, metrics.horizontalAdvance(texts[row]));
    QListWidgetItem* last = list->item(list->count() - 1);
    const QSize natural = list->sizeHintForIndex(list->model()->index(list->count() - 1, 0));
    // The delegate's margins come on top of the text.
    const int margin = std::max(0, natural.width() - metrics.horizontalAdvance(last->text()));
    last->setSizeHint(QSize(widest + margin, natural.height()));
}

}  // namespace

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
        CarryWidestRow(list, texts);
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
