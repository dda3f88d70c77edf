#pragma once

#include "gui/visuallog/VisualLogWindow.h"

namespace arbovane {

class TfrmVol04ZoomStatistics;

// The Visual Log window of the "Create Folder Struct.-II" tab; log must be that tab's.
class TfrmStatistic04 : public VisualLogWindow {
    Q_OBJECT
public:
    TfrmStatistic04(GuiContext& context, VisualLog& log, TfrmFileExport& exportDialog,
                    QWidget* parent = nullptr);

    TfrmVol04ZoomStatistics& ZoomWindow() { return *typedZoom_; }

private:
    TfrmVol04ZoomStatistics* typedZoom_;
};

}  // namespace arbovane
