#pragma once

#include "gui/visuallog/ZoomStatisticsWindow.h"

namespace arbovane {

// The zoom window of TfrmStatistic08 ("Copy Folder Structures" tab).
class TfrmVol08ZoomStatistics : public ZoomStatisticsWindow {
    Q_OBJECT
public:
    TfrmVol08ZoomStatistics(GuiContext& context, const std::vector<VisualLogListModel*>& models,
                            QWidget* parent = nullptr);
};

}  // namespace arbovane
