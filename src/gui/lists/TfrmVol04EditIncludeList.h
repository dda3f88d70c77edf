#pragma once

#include "gui/lists/EditIncludeListWindow.h"

namespace arbovane {

class TfrmVol04EditIncludeList : public EditIncludeListWindow {
    Q_OBJECT
public:
    explicit TfrmVol04EditIncludeList(GuiContext& context, QWidget* parent = nullptr);
};

}  // namespace arbovane
