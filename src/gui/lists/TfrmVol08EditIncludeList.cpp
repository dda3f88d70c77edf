#include "gui/lists/TfrmVol08EditIncludeList.h"

#include "core/lists/ListTabTexts.h"

namespace arbovane {

TfrmVol08EditIncludeList::TfrmVol08EditIncludeList(GuiContext& context, QWidget* parent)
    : EditIncludeListWindow(context, TabTexts(TabPrefix::Vol08).name,
                            TabTexts(TabPrefix::Vol08).editWindowCaption, parent) {}

}  // namespace arbovane
