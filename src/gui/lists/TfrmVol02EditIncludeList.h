#pragma once

#include "gui/lists/EditIncludeListWindow.h"

namespace arbovane {

class TfrmVol02EditIncludeList : public EditIncludeListWindow {
    Q_OBJECT
public:
    explicit TfrmVol02EditIncludeList(GuiContext& context, QWidget* parent = nullptr);
};

}  // namespace arbovane
