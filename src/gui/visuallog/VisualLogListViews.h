#pragma once

#include <QString>

class QListView;
class QWidget;

namespace arbovane {

class VisualLogListModel;

// Every category list scrolls sideways over this many pixels, so long paths can be read.
inline constexpr int kCategoryListExtent = 3000;

// A category list as both Visual Log windows show it.
QListView* MakeVisualLogListView(const QString& objectName, VisualLogListModel* model,
                                 QWidget* parent);

}  // namespace arbovane
