#pragma once

#include "gui/visuallog/VisualLogWindow.h"

namespace arbovane {

class TfrmVol08ZoomStatistics;

// The Visual Log window of the "Copy Folder Structures" tab; log must be that tab's.
class TfrmStatistic08 : public VisualLogWindow {
    Q_OBJECT
public:
    TfrmStatistic08(GuiContext& context, VisualLog& log, TfrmFileExport& exportDialog,
                    QWidget* parent = nullptr);

    TfrmVol08ZoomStatistics& ZoomWindow() { return *typedZoom_; }

private:
    TfrmVol08ZoomStatistics* typedZoom_;
};

}  // namespace arbovane
