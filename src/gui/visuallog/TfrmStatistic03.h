#pragma once

#include "gui/visuallog/VisualLogWindow.h"

namespace arbovane {

class TfrmVol03ZoomStatistics;

// The Visual Log window of the "Create Folder Struct.-III" tab; log must be that tab's.
class TfrmStatistic03 : public VisualLogWindow {
    Q_OBJECT
public:
    TfrmStatistic03(GuiContext& context, VisualLog& log, TfrmFileExport& exportDialog,
                    QWidget* parent = nullptr);

    TfrmVol03ZoomStatistics& ZoomWindow() { return *typedZoom_; }

private:
    TfrmVol03ZoomStatistics* typedZoom_;
};

}  // namespace arbovane
