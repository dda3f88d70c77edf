#include "gui/acquire/TfrmFLLEditIncludeFolderList.h"

namespace arbovane {

TfrmFLLEditIncludeFolderList::TfrmFLLEditIncludeFolderList(GuiContext& context, QWidget* parent)
    : EditIncludeListWindow(context, "FLL", "Edit the Include Folder List.", parent) {
    setObjectName("frmFLLEditIncludeFolderList");
}

}  // namespace arbovane
