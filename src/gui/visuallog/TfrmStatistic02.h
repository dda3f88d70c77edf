#pragma once

#include "gui/visuallog/VisualLogWindow.h"

namespace arbovane {

class TfrmVol02ZoomStatistics;

// The Visual Log window of the "Create Folder Structures-I" tab; log must be that tab's.
class TfrmStatistic02 : public VisualLogWindow {
    Q_OBJECT
public:
    TfrmStatistic02(GuiContext& context, VisualLog& log, TfrmFileExport& exportDialog,
                    QWidget* parent = nullptr);

    TfrmVol02ZoomStatistics& ZoomWindow() { return *typedZoom_; }

private:
    TfrmVol02ZoomStatistics* typedZoom_;
};

}  // namespace arbovane
