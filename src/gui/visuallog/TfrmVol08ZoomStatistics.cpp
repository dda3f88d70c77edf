#include "gui/visuallog/TfrmVol08ZoomStatistics.h"

#include "core/visuallog/VisualLogLayout.h"

namespace arbovane {

TfrmVol08ZoomStatistics::TfrmVol08ZoomStatistics(GuiContext& context,
                                                 const std::vector<VisualLogListModel*>& models,
                                                 QWidget* parent)
    : ZoomStatisticsWindow(context, VisualLogLayoutFor(VisualLogTab::Vol08), models, parent) {}

}  // namespace arbovane
