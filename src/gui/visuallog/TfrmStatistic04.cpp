#include "gui/visuallog/TfrmStatistic04.h"

#include "gui/visuallog/TfrmVol04ZoomStatistics.h"

namespace arbovane {

TfrmStatistic04::TfrmStatistic04(GuiContext& context, VisualLog& log, TfrmFileExport& exportDialog,
                                 QWidget* parent)
    : VisualLogWindow(context, log, VisualLogTab::Vol04, exportDialog, parent),
      typedZoom_(new TfrmVol04ZoomStatistics(context, Models(), this)) {
    SetZoomWindow(typedZoom_);
}

}  // namespace arbovane
