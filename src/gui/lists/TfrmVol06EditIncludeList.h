#pragma once

#include "gui/lists/EditIncludeListWindow.h"

namespace arbovane {

class TfrmVol06EditIncludeList : public EditIncludeListWindow {
    Q_OBJECT
public:
    explicit TfrmVol06EditIncludeList(GuiContext& context, QWidget* parent = nullptr);
};

}  // namespace arbovane
