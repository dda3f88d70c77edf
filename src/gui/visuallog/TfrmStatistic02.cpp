#include "gui/visuallog/TfrmStatistic02.h"

#include "gui/visuallog/TfrmVol02ZoomStatistics.h"

namespace arbovane {

TfrmStatistic02::TfrmStatistic02(GuiContext& context, VisualLog& log, TfrmFileExport& exportDialog,
                                 QWidget* parent)
    : VisualLogWindow(context, log, VisualLogTab::Vol02, exportDialog, parent),
      typedZoom_(new TfrmVol02ZoomStatistics(context, Models(), this)) {
    SetZoomWindow(typedZoom_);
}

}  // namespace arbovane
