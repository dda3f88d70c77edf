#include "gui/lists/LineListView.h"

#include <QItemSelectionModel>
#include <QScrollBar>
#include <algorithm>

namespace arbovane {

namespace {

// Rows measured for the sideways extent: every row of a short list, the longest ones (in bytes)
// of a long list, where measuring each would cost more than showing them.
constexpr std::size_t kMeasuredRows = 1000;
// Rows laid out at once. A list that grows while window messages run is laid out again after
// each growth; a whole million rows each time would cost more than the growing.
constexpr int kLayoutBatch = 1000;

int WidestText(const QFontMetrics& metrics, const std::vector<std::string>& lines) {
    std::vector<std::size_t> rows(lines.size());
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = i;
    if (rows.size() > kMeasuredRows) {
        std::nth_element(
            rows.begin(), rows.begin() + kMeasuredRows, rows.end(),
            [&](std::size_t a, std::size_t b) { return lines[a].size() > lines[b].size(); });
        rows.resize(kMeasuredRows);
    }
    int widest = 0;
    for (const std::size_t row : rows)
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(lines[row])));
    return widest;
}

}  // namespace

LineListView::LineListView(const QString& objectName, LineListModel::Source lines, int extent,
                           QWidget* parent)
    : QListView(parent), model_(new LineListModel(std::move(lines), this)), extent_(extent) {
    setObjectName(objectName);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Long paths scroll sideways instead of being cut or wrapped.
    setWordWrap(false);
    setUniformItemSizes(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setLayoutMode(QListView::Batched);
    setBatchSize(kLayoutBatch);
    setModel(model_);
    SizeRows();
}

void LineListView::ShowLines() {
    const int scroll = verticalScrollBar()->value();
    model_->Reset();
    SizeRows();
    if (scroll > 0) {
        // The scroll range must be whole before the old position can be taken again.
        setLayoutMode(QListView::SinglePass);
        doItemsLayout();
        verticalScrollBar()->setValue(scroll);
        setLayoutMode(QListView::Batched);
    }
}

void LineListView::ShowAppended() {
    model_->ShowAppended();
    // A fixed extent stays what it was; the widest line may have come with the new ones.
    if (extent_ == 0 || !model_->LastRowSized()) SizeRows();
}

void LineListView::SizeRows() {
    const int rows = model_->rowCount();
    if (rows == 0) return;
    // With uniform rows the view takes every row's size from its last row; that row carries the
    // width of the widest line (or the extent), so every path can be scrolled to its end.
    model_->SetLastRowSize(QSize());
    const QModelIndex last = model_->index(rows - 1);
    const QSize natural = sizeHintForIndex(last);
    int width = extent_;
    if (width <= 0) {
        const QFontMetrics metrics = fontMetrics();
        // The delegate's margins come on top of the text.
        const int margin =
            std::max(0, natural.width() - metrics.horizontalAdvance(last.data().toString()));
        width = WidestText(metrics, model_->Lines()) + margin;
    }
    model_->SetLastRowSize(QSize(std::max(width, natural.width()), natural.height()));
}

std::vector<std::size_t> LineListView::SelectedRows() const {
    std::vector<std::size_t> rows;
    // By ranges: a million selected rows are never made into a million indexes.
    for (const QItemSelectionRange& range : selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(static_cast<std::size_t>(row));
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

}  // namespace arbovane
