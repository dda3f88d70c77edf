#include "gui/visuallog/TfrmVol03ZoomStatistics.h"

#include "core/visuallog/VisualLogLayout.h"

namespace arbovane {

TfrmVol03ZoomStatistics::TfrmVol03ZoomStatistics(GuiContext& context,
                                                 const std::vector<VisualLogListModel*>& models,
                                                 QWidget* parent)
    : ZoomStatisticsWindow(context, VisualLogLayoutFor(VisualLogTab::Vol03), models, parent) {}

}  // namespace arbovane
