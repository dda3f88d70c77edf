#pragma once

#include "gui/visuallog/ZoomStatisticsWindow.h"

namespace arbovane {

// The zoom window of TfrmStatistic06 ("Rename Folders" tab).
class TfrmVol06ZoomStatistics : public ZoomStatisticsWindow {
    Q_OBJECT
public:
    TfrmVol06ZoomStatistics(GuiContext& context, const std::vector<VisualLogListModel*>& models,
                            QWidget* parent = nullptr);
};

}  // namespace arbovane
