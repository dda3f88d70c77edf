#pragma once

#include <string>
#include <vector>

#include "core/visuallog/VisualLogIds.h"

namespace arbovane {

// Where a counter or a caption sits in the counter grid of a Visual Log window.
struct VisualLogCell {
    int row = 0;
    int column = 0;
};

struct VisualLogCounterLayout {
    std::string name;  // the label is the window's label prefix + name
    // To-do counters are set by the operation before the run; BeginRun keeps them.
    bool toDo = false;
    bool shown = true;
    VisualLogCell cell;
};

struct VisualLogGridCaption {
    VisualLogCell cell;
    std::string text;
};

struct VisualLogCategoryLayout {
    std::string listName;  // "lstStat08FoldersCopied"
    std::string group;     // caption of the frame around the lists
    std::string heading;   // caption above the list; empty when the frame caption says it all
    std::string zoomListName;
    std::string zoomCaption;
    // The warning shown when the empty list is exported.
    std::string emptyText;
    std::string emptyTitle;
};

// Everything that tells one tab's Visual Log window from another's.
struct VisualLogLayout {
    VisualLogTab tab = VisualLogTab::Vol08;
    VisualLogFamily family = VisualLogFamily::Copy;
    std::string number;  // "08"
    std::string objectName;
    std::string zoomObjectName;
    std::string caption;
    std::string zoomCaption;
    std::string normalMarker;
    std::string simulateMarker;
    std::string markerLabelName;
    std::string modeCheckBoxName;
    std::string labelPrefix;  // "lblStat08"
    std::string countersFrame;
    std::vector<VisualLogGridCaption> gridCaptions;
    std::vector<VisualLogCounterLayout> counters;     // in the order of the tab's counter enum
    std::vector<VisualLogCategoryLayout> categories;  // in the order of the tab's category enum
};

const VisualLogLayout& VisualLogLayoutFor(VisualLogTab tab);

}  // namespace arbovane
