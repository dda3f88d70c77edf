#include "core/lists/ListTabTexts.h"

namespace arbovane {

namespace {

ListTabTexts MakeVol08() {
    ListTabTexts t;
    t.prefix = TabPrefix::Vol08;
    t.name = "Vol08";
    t.includeListName = "lstVol08IncludeFolderList";
    t.excludeListName = "lstVol08ExcludeFolderList";
    t.includeSumName = "lblVol08IncludeSum";
    t.excludeSumName = "lblVol08ExcludeSum";
    t.addBrowsedCaption = "Add  Folder";
    t.deleteSelectedCaption = "Delete Selected";
    t.importCaption = "Import F. List";
    t.clearFieldsCaption = "Clear Fields";
    const std::string level = "Copy Folder Structure(s).-From a Folder List - Level.            ";
    t.addEmptyTitle = level + "Warning no: 0262.";
    t.addInIncludeTitle = level + "Warning no: 0263.";
    t.addInExcludeTitle = level + "Warning no: 0264.";
    t.pasteRefusedTitle = level + "Warning no: 0620.";
    t.dropRefusedTitle = level + "Warning no: 0621.";
    t.deleteSelectedQuestionTitle = level + "Warning no: 0276.";
    t.deleteSelectedEmptyTitle = level + "Warning no: 0277.";
    t.deleteAllEmptyTitle = level + "Warning no: 0520.";
    t.deleteAllQuestionTitle = level + "Warning no: 0521.";
    t.viewSelectedTitle = level + "Warning no: 0278.";
    t.editCheckTitle = "Copy Folder Structure(s).-From a Folder List.          Warning no: 0383bc.";
    t.importEmptyTitle = level + "Warning no: 0401.";
    t.importCheckTitle =
        "Copy Folder Structure(s).-From a Folder List. - From a Folder List.            Warning "
        "no: 0383bc.";
    t.exportEmptyTitle =
        "Copy Folder Structure(s).-From a Folder List - Level.             Warning no: 0560.";
    t.clearQuestionTitle = level + "Information no: 0287.";
    t.clearEndTitle =
        "Copy Folder Structure(s).-From a Folder List Level.           Warning no: 0288.";
    t.editWindowClass = "TfrmVol08EditIncludeList";
    t.editWindowCaption = "Edit the Include Folder List - for Copy Process.";
    t.exportKind = "FOLDERS";
    return t;
}

ListTabTexts MakeVol07() {
    ListTabTexts t;
    t.prefix = TabPrefix::Vol07;
    t.name = "Vol07";
    t.includeListName = "lstVol07IncludeFolderList";
    t.excludeListName = "lstVol07ExcludeFolderList";
    t.includeSumName = "lblVol07IncludeSum";
    t.excludeSumName = "lblVol07ExcludeSum";
    t.addBrowsedCaption = "Add Structure";
    t.deleteSelectedCaption = "Delete Selected";
    t.importCaption = "Import F. List";
    t.clearFieldsCaption = "Clear Fields";
    const std::string structure = "Delete Folder structure(s).-From a Folder List.            ";
    const std::string folders = "Delete Folder(s).-From a Folder List.            ";
    const std::string level = "Delete Folder(s).-From a Folder List - Level.            ";
    t.addEmptyTitle = structure + "Warning no: 0219.";
    t.addInIncludeTitle = structure + "Warning no: 0220.";
    t.addInExcludeTitle = structure + "Warning no: 0221.";
    t.pasteRefusedTitle = structure + "Warning no: 0620.";
    t.dropRefusedTitle = structure + "Warning no: 0621.";
    t.deleteSelectedQuestionTitle = folders + "Warning no: 0233.";
    t.deleteSelectedEmptyTitle = folders + "Warning no: 0234.";
    t.deleteAllEmptyTitle = level + "Warning no: 0522.";
    t.deleteAllQuestionTitle = level + "Warning no: 0523.";
    t.viewSelectedTitle = folders + "Warning no: 0306.";
    t.editCheckTitle = folders + "Warning no: 0385bc.";
    t.importEmptyTitle = "Delete Folder(s).-From a Folder List.             Warning no: 0395.";
    t.importCheckTitle = "Delete Folder(s).--From a Folder List.            Warning no: 0383bc.";
    t.exportEmptyTitle = "Delete Folder(s).-From a Folder List.             Warning no: 0559.";
    t.clearQuestionTitle = folders + "Information no: 0236.";
    t.clearEndTitle = "Delete Foldere(s).-From a Folder List.           Warning no: 0237.";
    t.includeCaption = "Include Folder Structure List";
    t.editWindowClass = "TfrmVol07EditIncludeList";
    t.editWindowCaption = "edit the Include List - Deleting process.";
    t.exportKind = "FOLDERS";
    return t;
}

ListTabTexts MakeVol06() {
    ListTabTexts t;
    t.prefix = TabPrefix::Vol06;
    t.name = "Vol06";
    t.includeListName = "lstVol06IncludeFolderList";
    t.excludeListName = "lstVol06ExcludeFolderList";
    t.includeSumName = "lblVol06IncludeSum";
    t.excludeSumName = "lblVol06ExcludeSum";
    t.addBrowsedCaption = "Add Folder";
    t.deleteSelectedCaption = "Delete Selected";
    t.importCaption = "Import F. List";
    t.clearFieldsCaption = "Clear Fields";
    const std::string rename = "Rename Folders - From a Folder List.            ";
    const std::string renameDot = "Rename Folders. - From a Folder List.            ";
    const std::string level = "Rename Folder(s).-From a Folder List - Level.            ";
    t.addEmptyTitle = rename + "Warning no: 0184.";
    t.addInIncludeTitle = renameDot + "Warning no: 0185.";
    t.addInExcludeTitle = rename + "Warning no: 0186.";
    t.pasteRefusedTitle = rename + "Warning no: 0620.";
    t.dropRefusedTitle = rename + "Warning no: 0621.";
    t.deleteSelectedQuestionTitle = renameDot + "Warning no: 0198.";
    t.deleteSelectedEmptyTitle =
        "Rename folders. - From a Folder List.            Warning no: 0199.";
    t.deleteAllEmptyTitle = level + "Warning no: 0524.";
    t.deleteAllQuestionTitle = level + "Warning no: 0525.";
    t.viewSelectedTitle = "Rename folders. - From a Folder List.            Warning no: 0305.";
    t.editCheckTitle = "Rename Folder(s).-From a Folder List.            Warning no: 0385bc.";
    t.importEmptyTitle = "Rename Folder(s).-From a Folder List.             Warning no: 0389.";
    t.importCheckTitle = "Rename Folder(s).--From a Folder List.            Warning no: 0383bc.";
    t.exportEmptyTitle = "Rename Folder(s).-From a Folder List.             Warning no: 0558.";
    t.clearQuestionTitle = renameDot + "Information no: 0204.";
    t.clearEndTitle = "Rename Folders. - From a Folder List.           Warning no: 0205.";
    t.editWindowClass = "TfrmVol06EditIncludeList";
    t.editWindowCaption = "Edit the content of the Include List  - for the Renaming Process.";
    t.exportKind = "FOLDERS";
    return t;
}

ListTabTexts MakeVol04() {
    ListTabTexts t;
    t.prefix = TabPrefix::Vol04;
    t.name = "Vol04";
    t.needsDrive = false;
    t.browseAdd = false;
    t.typedAdd = true;
    t.viewSelected = false;
    t.includeListName = "lstVol04IncludeFolderList";
    t.excludeListName = "lstVol04ExcludeFolderList";
    t.includeSumName = "lblVol04IncludeSum";
    t.excludeSumName = "lblVol04ExcludeSum";
    t.includeCaption = "Include Folder list";
    t.excludeCaption = "Exclude Folder List.";
    t.addTypedLabel = "Add Folder Name with Path to the List";
    t.addTypedCaption = "Add Folder";
    t.deleteSelectedCaption = "Delete Excluded";
    t.importCaption = "Import";
    t.clearFieldsCaption = " Clear  Fields";
    const std::string creating = "Creating Folder(s).-From a Folder List.            ";
    const std::string lists = "Creating Folder List(s).-From a Folder List.";
    t.addEmptyTitle = creating + "Warning no: 0042.";
    t.addColonTitle = creating + "Warning no: 0043.";
    t.addRefusedTitle = creating + "Warning no: 0044.";
    t.dropRefusedTitle = creating + "Warning no: 0621.";
    t.deleteSelectedQuestionTitle = creating + "Warning no: 0053.";
    t.deleteSelectedEmptyTitle = creating + "Warning no: 0145.";
    t.deleteAllEmptyTitle = lists + "            Warning no: 0526.";
    t.deleteAllQuestionTitle = lists + "             Warning no: 0527.";
    t.editCheckTitle = creating + "Warning no: 0385bc.";
    t.importEmptyTitle = "Creating Folder(s).-From a Folder List.             Warning no: 0383.";
    t.importCheckTitle = "Creating Folder(s).--From a Folder List.            Warning no: 0383bc.";
    t.exportEmptyTitle = creating + "Warning no: 0557.";
    t.clearQuestionTitle = creating + "Information no: 0064";
    t.clearEndTitle = "Creating Folder(s).-From a Folder List.           Warning no: 0065.";
    t.editWindowClass = "TfrmVol04EditIncludeList";
    t.editWindowCaption = "Edit the Include Folder List.";
    t.exportKind = "FOLDERS";
    return t;
}

ListTabTexts MakeVol02() {
    ListTabTexts t;
    t.prefix = TabPrefix::Vol02;
    t.name = "Vol02";
    t.strings = true;
    t.needsDrive = false;
    t.browseAdd = false;
    t.typedAdd = true;
    t.viewSelected = false;
    t.includeListName = "lstVol02IncludeStrings";
    t.excludeListName = "lstVol02ExcludeStrings";
    t.includeSumName = "lblVol02IncludeSum";
    t.excludeSumName = "lblVol02ExcludeSum";
    t.includeCaption = "Include String  list";
    t.excludeCaption = "Exclude String List";
    t.addTypedLabel = "Add Folder Names to the list :";
    t.addTypedCaption = "Add";
    t.deleteSelectedCaption = "Delete Excluded";
    t.importCaption = "Import";
    t.clearFieldsCaption = "Clear Fields";
    const std::string creating = "Creating Folder(s).-From a String List.            ";
    t.addEmptyTitle = creating + "Warning no: 0004.";
    t.addInIncludeTitle = creating + "Warning no: 0005.";
    t.addInExcludeTitle = creating + "Warning no: 0006.";
    t.addHasDriveTitle = "Creating Folder(s).-From a String List.          Warning no: 0007.";
    t.addIllegalTitle = creating + "Warning no: 0008.";
    t.dropRefusedTitle = creating + "Warning no: 0621.";
    t.deleteSelectedQuestionTitle = creating + "Warning no: 0017.";
    t.deleteSelectedEmptyTitle = creating + "Warning no: 0144.";
    t.deleteAllEmptyTitle = creating + "Warning no: 0528.";
    t.deleteAllQuestionTitle = creating + "Warning no: 0529.";
    t.editCheckTitle = creating + "Warning no: 0385bc.";
    t.importEmptyTitle = "Creating Folder(s).-From a String List.             Warning no: 0377.";
    t.importCheckTitle = creating + "Warning no: 0385bc.";
    t.exportEmptyTitle = creating + "Warning no: 0556.";
    t.clearQuestionTitle = creating + "Information no: 0032.";
    t.clearEndTitle = creating + "Information no: 0033.";
    t.editWindowClass = "TfrmVol02EditIncludeList";
    t.editWindowCaption = "Edit the include List of strings";
    t.exportKind = "STRINGS";
    return t;
}

}  // namespace

const ListTabTexts& TabTexts(TabPrefix prefix) {
    static const ListTabTexts vol08 = MakeVol08();
    static const ListTabTexts vol07 = MakeVol07();
    static const ListTabTexts vol06 = MakeVol06();
    static const ListTabTexts vol04 = MakeVol04();
    static const ListTabTexts vol02 = MakeVol02();
    switch (prefix) {
        case TabPrefix::Vol08:
            return vol08;
        case TabPrefix::Vol07:
            return vol07;
        case TabPrefix::Vol06:
            return vol06;
        case TabPrefix::Vol04:
            return vol04;
        case TabPrefix::Vol02:
            return vol02;
    }
    return vol08;
}

}  // namespace arbovane
