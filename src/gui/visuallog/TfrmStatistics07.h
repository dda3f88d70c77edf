#pragma once

#include "gui/visuallog/VisualLogWindow.h"

namespace arbovane {

class TfrmVol07ZoomStatistics;

// The Visual Log window of the "Delete Folder Structures" tab; log must be that tab's.
class TfrmStatistics07 : public VisualLogWindow {
    Q_OBJECT
public:
    TfrmStatistics07(GuiContext& context, VisualLog& log, TfrmFileExport& exportDialog,
                     QWidget* parent = nullptr);

    TfrmVol07ZoomStatistics& ZoomWindow() { return *typedZoom_; }

private:
    TfrmVol07ZoomStatistics* typedZoom_;
};

}  // namespace arbovane
