#pragma once

#include "gui/lists/EditIncludeListWindow.h"

namespace arbovane {

// The edit window of the list builder's include list.
class TfrmFLLEditIncludeFolderList : public EditIncludeListWindow {
    Q_OBJECT
public:
    explicit TfrmFLLEditIncludeFolderList(GuiContext& context, QWidget* parent = nullptr);
};

}  // namespace arbovane
