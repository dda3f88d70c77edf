#pragma once

#include "gui/visuallog/ZoomStatisticsWindow.h"

namespace arbovane {

// The zoom window of TfrmStatistic03 ("Create Folder Struct.-III" tab).
class TfrmVol03ZoomStatistics : public ZoomStatisticsWindow {
    Q_OBJECT
public:
    TfrmVol03ZoomStatistics(GuiContext& context, const std::vector<VisualLogListModel*>& models,
                            QWidget* parent = nullptr);
};

}  // namespace arbovane
