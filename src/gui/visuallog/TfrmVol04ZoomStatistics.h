#pragma once

#include "gui/visuallog/ZoomStatisticsWindow.h"

namespace arbovane {

// The zoom window of TfrmStatistic04 ("Create Folder Struct.-II" tab).
class TfrmVol04ZoomStatistics : public ZoomStatisticsWindow {
    Q_OBJECT
public:
    TfrmVol04ZoomStatistics(GuiContext& context, const std::vector<VisualLogListModel*>& models,
                            QWidget* parent = nullptr);
};

}  // namespace arbovane
