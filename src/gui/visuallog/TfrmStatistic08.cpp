#include "gui/visuallog/TfrmStatistic08.h"

#include "gui/visuallog/TfrmVol08ZoomStatistics.h"

namespace arbovane {

TfrmStatistic08::TfrmStatistic08(GuiContext& context, VisualLog& log, TfrmFileExport& exportDialog,
                                 QWidget* parent)
    : VisualLogWindow(context, log, VisualLogTab::Vol08, exportDialog, parent),
      typedZoom_(new TfrmVol08ZoomStatistics(context, Models(), this)) {
    SetZoomWindow(typedZoom_);
}

}  // namespace arbovane
