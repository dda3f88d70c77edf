#include "gui/lists/TfrmVol02EditIncludeList.h"

#include "core/lists/ListTabTexts.h"

namespace arbovane {

TfrmVol02EditIncludeList::TfrmVol02EditIncludeList(GuiContext& context, QWidget* parent)
    : EditIncludeListWindow(context, TabTexts(TabPrefix::Vol02).name,
                            TabTexts(TabPrefix::Vol02).editWindowCaption, parent) {}

}  // namespace arbovane
