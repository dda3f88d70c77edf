#include "gui/visuallog/TfrmStatistic06.h"

#include "gui/visuallog/TfrmVol06ZoomStatistics.h"

namespace arbovane {

TfrmStatistic06::TfrmStatistic06(GuiContext& context, VisualLog& log, TfrmFileExport& exportDialog,
                                 QWidget* parent)
    : VisualLogWindow(context, log, VisualLogTab::Vol06, exportDialog, parent),
      typedZoom_(new TfrmVol06ZoomStatistics(context, Models(), this)) {
    SetZoomWindow(typedZoom_);
}

}  // namespace arbovane
