#include "gui/visuallog/TfrmVol07ZoomStatistics.h"

#include "core/visuallog/VisualLogLayout.h"

namespace arbovane {

TfrmVol07ZoomStatistics::TfrmVol07ZoomStatistics(GuiContext& context,
                                                 const std::vector<VisualLogListModel*>& models,
                                                 QWidget* parent)
    : ZoomStatisticsWindow(context, VisualLogLayoutFor(VisualLogTab::Vol07), models, parent) {}

}  // namespace arbovane
