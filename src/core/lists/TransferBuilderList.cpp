#include "core/lists/TransferBuilderList.h"

#include "core/lists/ListPane.h"
#include "core/paths/PathText.h"

namespace arbovane {

namespace {

std::string EmptyResultTitle(TabPrefix tab) {
    switch (tab) {
        case TabPrefix::Vol08:
            return "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: "
                   "0595.";
        case TabPrefix::Vol06:
            return "Rename Folder(s).-From a Folder List.             Warning no: 0585.";
        case TabPrefix::Vol07:
            return "Delete Folder(s).-From a Folder List.             Warning no: 0590.";
        default:
            return {};
    }
}

}  // namespace

std::optional<ListMessage> TransferBuilderList(TabPrefix tab, ListPane& pane,
                                               const std::vector<std::string>& builderLines,
                                               bool closedWithImport) {
    if (builderLines.empty()) {
        return ListMessage{"", "Empty Result List in the File Import Window!\n",
                           EmptyResultTitle(tab), kMsgWarning};
    }
    if (!closedWithImport) return std::nullopt;
    for (const std::string& line : builderLines)
        if (!TrimSpaces(line).empty()) pane.Include().AddUnlessIn(line, pane.Exclude());
    return std::nullopt;
}

}  // namespace arbovane
