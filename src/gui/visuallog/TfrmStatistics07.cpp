#include "gui/visuallog/TfrmStatistics07.h"

#include "gui/visuallog/TfrmVol07ZoomStatistics.h"

namespace arbovane {

TfrmStatistics07::TfrmStatistics07(GuiContext& context, VisualLog& log,
                                   TfrmFileExport& exportDialog, QWidget* parent)
    : VisualLogWindow(context, log, VisualLogTab::Vol07, exportDialog, parent),
      typedZoom_(new TfrmVol07ZoomStatistics(context, Models(), this)) {
    SetZoomWindow(typedZoom_);
}

}  // namespace arbovane
