#include "gui/visuallog/TfrmVol02ZoomStatistics.h"

#include "core/visuallog/VisualLogLayout.h"

namespace arbovane {

TfrmVol02ZoomStatistics::TfrmVol02ZoomStatistics(GuiContext& context,
                                                 const std::vector<VisualLogListModel*>& models,
                                                 QWidget* parent)
    : ZoomStatisticsWindow(context, VisualLogLayoutFor(VisualLogTab::Vol02), models, parent) {}

}  // namespace arbovane
