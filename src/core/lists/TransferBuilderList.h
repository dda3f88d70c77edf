#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/lists/ListMessage.h"
#include "core/lists/TabPrefix.h"

namespace arbovane {

class ListPane;

// Hands the list builder's result to a tab's include list: nothing when the result is empty (the
// warning is returned), the new lines only when the builder closed with "Import". Returns the
// warning to show, if any.
std::optional<ListMessage> TransferBuilderList(TabPrefix tab, ListPane& pane,
                                               const std::vector<std::string>& builderLines,
                                               bool closedWithImport);

}  // namespace arbovane
