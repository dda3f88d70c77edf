#include "gui/visuallog/TfrmVol04ZoomStatistics.h"

#include "core/visuallog/VisualLogLayout.h"

namespace arbovane {

TfrmVol04ZoomStatistics::TfrmVol04ZoomStatistics(GuiContext& context,
                                                 const std::vector<VisualLogListModel*>& models,
                                                 QWidget* parent)
    : ZoomStatisticsWindow(context, VisualLogLayoutFor(VisualLogTab::Vol04), models, parent) {}

}  // namespace arbovane
