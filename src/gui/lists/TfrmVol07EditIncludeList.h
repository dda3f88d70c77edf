#pragma once

#include "gui/lists/EditIncludeListWindow.h"

namespace arbovane {

class TfrmVol07EditIncludeList : public EditIncludeListWindow {
    Q_OBJECT
public:
    explicit TfrmVol07EditIncludeList(GuiContext& context, QWidget* parent = nullptr);
};

}  // namespace arbovane
