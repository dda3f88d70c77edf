#pragma once

#include "gui/visuallog/ZoomStatisticsWindow.h"

namespace arbovane {

// The zoom window of TfrmStatistics07 ("Delete Folder Structures" tab).
class TfrmVol07ZoomStatistics : public ZoomStatisticsWindow {
    Q_OBJECT
public:
    TfrmVol07ZoomStatistics(GuiContext& context, const std::vector<VisualLogListModel*>& models,
                            QWidget* parent = nullptr);
};

}  // namespace arbovane
