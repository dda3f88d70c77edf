#include "gui/lists/TfrmVol07EditIncludeList.h"

#include "core/lists/ListTabTexts.h"

namespace arbovane {

TfrmVol07EditIncludeList::TfrmVol07EditIncludeList(GuiContext& context, QWidget* parent)
    : EditIncludeListWindow(context, TabTexts(TabPrefix::Vol07).name,
                            TabTexts(TabPrefix::Vol07).editWindowCaption, parent) {}

}  // namespace arbovane
