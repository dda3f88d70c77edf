#pragma once

#include <string>

#include "core/lists/TabPrefix.h"

namespace arbovane {

// What differs between the list panes of the tabs: control names, captions, message titles.
struct ListTabTexts {
    TabPrefix prefix = TabPrefix::Vol08;
    std::string name;  // "Vol08"

    // Items are strings without a drive letter (kept sorted); otherwise full folder paths.
    bool strings = false;
    // Moves and exports keep only items with a drive.
    bool needsDrive = true;
    bool browseAdd = true;
    bool typedAdd = false;
    bool viewSelected = true;

    std::string includeCaption = "Include Folder List";
    std::string excludeCaption = "Exclude Folder List";
    std::string addTypedLabel;  // the caption before the entry field, where the tab has one
    std::string includeListName;
    std::string excludeListName;
    std::string includeSumName;
    std::string excludeSumName;

    std::string addBrowsedCaption;  // empty when the tab has no browse button
    std::string addTypedCaption;    // empty when the tab has no entry field
    std::string deleteSelectedCaption;
    std::string importCaption;
    std::string clearFieldsCaption;

    // Adding by browsing or typing.
    std::string addEmptyTitle;
    std::string addInIncludeTitle;
    std::string addInExcludeTitle;
    std::string addHasDriveTitle;  // strings only
    std::string addIllegalTitle;   // strings only
    std::string addColonTitle;     // typed full paths only
    std::string addRefusedTitle;   // typed full paths only
    // Lines pasted on a list of folders without an entry field, refused by the full-path checks.
    std::string pasteRefusedTitle;
    // Dropped items that are no folders on a drive: files, web addresses.
    std::string dropRefusedTitle;

    std::string deleteSelectedQuestionTitle;
    std::string deleteSelectedEmptyTitle;
    std::string deleteAllEmptyTitle;
    std::string deleteAllQuestionTitle;
    std::string viewSelectedTitle;  // empty when the tab cannot view
    std::string editCheckTitle;
    std::string importEmptyTitle;
    std::string importCheckTitle;
    std::string exportEmptyTitle;
    std::string clearQuestionTitle;
    std::string clearEndTitle;

    std::string editWindowClass;
    std::string editWindowCaption;
    // The content kind the export dialog is given.
    std::string exportKind;
};

const ListTabTexts& TabTexts(TabPrefix prefix);

}  // namespace arbovane
