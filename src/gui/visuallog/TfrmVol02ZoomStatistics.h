#pragma once

#include "gui/visuallog/ZoomStatisticsWindow.h"

namespace arbovane {

// The zoom window of TfrmStatistic02 ("Create Folder Structures-I" tab).
class TfrmVol02ZoomStatistics : public ZoomStatisticsWindow {
    Q_OBJECT
public:
    TfrmVol02ZoomStatistics(GuiContext& context, const std::vector<VisualLogListModel*>& models,
                            QWidget* parent = nullptr);
};

}  // namespace arbovane
