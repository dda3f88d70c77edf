#include "gui/visuallog/TfrmStatistic03.h"

#include "gui/visuallog/TfrmVol03ZoomStatistics.h"

namespace arbovane {

TfrmStatistic03::TfrmStatistic03(GuiContext& context, VisualLog& log, TfrmFileExport& exportDialog,
                                 QWidget* parent)
    : VisualLogWindow(context, log, VisualLogTab::Vol03, exportDialog, parent),
      typedZoom_(new TfrmVol03ZoomStatistics(context, Models(), this)) {
    SetZoomWindow(typedZoom_);
}

}  // namespace arbovane
