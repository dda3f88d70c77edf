#pragma once

#include "gui/visuallog/VisualLogWindow.h"

namespace arbovane {

class TfrmVol06ZoomStatistics;

// The Visual Log window of the "Rename Folders" tab; log must be that tab's.
class TfrmStatistic06 : public VisualLogWindow {
    Q_OBJECT
public:
    TfrmStatistic06(GuiContext& context, VisualLog& log, TfrmFileExport& exportDialog,
                    QWidget* parent = nullptr);

    TfrmVol06ZoomStatistics& ZoomWindow() { return *typedZoom_; }

private:
    TfrmVol06ZoomStatistics* typedZoom_;
};

}  // namespace arbovane
