#include "gui/lists/TfrmVol06EditIncludeList.h"

#include "core/lists/ListTabTexts.h"

namespace arbovane {

TfrmVol06EditIncludeList::TfrmVol06EditIncludeList(GuiContext& context, QWidget* parent)
    : EditIncludeListWindow(context, TabTexts(TabPrefix::Vol06).name,
                            TabTexts(TabPrefix::Vol06).editWindowCaption, parent) {}

}  // namespace arbovane
