#pragma once

#include "gui/lists/EditIncludeListWindow.h"

namespace arbovane {

class TfrmVol08EditIncludeList : public EditIncludeListWindow {
    Q_OBJECT
public:
    explicit TfrmVol08EditIncludeList(GuiContext& context, QWidget* parent = nullptr);
};

}  // namespace arbovane
