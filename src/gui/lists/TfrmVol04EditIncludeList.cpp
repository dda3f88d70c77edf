#include "gui/lists/TfrmVol04EditIncludeList.h"

#include "core/lists/ListTabTexts.h"

namespace arbovane {

TfrmVol04EditIncludeList::TfrmVol04EditIncludeList(GuiContext& context, QWidget* parent)
    : EditIncludeListWindow(context, TabTexts(TabPrefix::Vol04).name,
                            TabTexts(TabPrefix::Vol04).editWindowCaption, parent) {}

}  // namespace arbovane
