#include "gui/visuallog/VisualLogListViews.h"

#include <QListView>
#include <QScrollBar>

#include "gui/visuallog/VisualLogListModel.h"
#include "gui/visuallog/WideRowDelegate.h"

namespace arbovane {

namespace {

constexpr int kLayoutBatch = 1000;

}  // namespace

QListView* MakeVisualLogListView(const QString& objectName, VisualLogListModel* model,
                                 QWidget* parent) {
    auto* list = new QListView(parent);
    list->setObjectName(objectName);
    // Uniform rows and a batched layout keep a list of a million lines cheap: a repaint during a
    // run lays out only the first batch, the message loop lays out the rest in steps afterwards.
    list->setUniformItemSizes(true);
    list->setLayoutMode(QListView::Batched);
    list->setBatchSize(kLayoutBatch);
    list->setWordWrap(false);
    list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setItemDelegate(new WideRowDelegate(kCategoryListExtent, list));
    list->setModel(model);
    // Two rows and the sideways scroll bar at the least, so the window fits a small screen; the
    // lists grow with it.
    list->setMinimumHeight(2 * list->fontMetrics().height() + 2 * list->frameWidth() +
                           list->horizontalScrollBar()->sizeHint().height());
    return list;
}

}  // namespace arbovane
