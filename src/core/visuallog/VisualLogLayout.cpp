#include "core/visuallog/VisualLogLayout.h"

#include <stdexcept>

namespace arbovane {

namespace {

VisualLogLayout Common(VisualLogTab tab, VisualLogFamily family, const std::string& number,
                       const std::string& windowName) {
    VisualLogLayout layout;
    layout.tab = tab;
    layout.family = family;
    layout.number = number;
    layout.objectName = windowName;
    layout.zoomObjectName = "frmVol" + number + "ZoomStatistics";
    layout.zoomCaption = "Zoom Window.";
    layout.markerLabelName = "lblVol" + number + "NormalSimulate";
    layout.modeCheckBoxName = "chkVol" + number + "NormalSimulate";
    layout.labelPrefix = "lblStat" + number;
    return layout;
}

VisualLogLayout CopyLayout() {
    VisualLogLayout layout =
        Common(VisualLogTab::Vol08, VisualLogFamily::Copy, "08", "frmStatistic08");
    layout.caption = "Detailed Results for Copied Subfolders and/or Files to Main Folders.";
    layout.normalMarker = "Folder/File Copy Process.";
    layout.simulateMarker = "Simulate the Folder/File Copy Process.";
    layout.countersFrame = "Statistics";
    // The first column stands in its own row above the grid of the other three.
    layout.gridCaptions = {
        {{0, 1}, "Total of Destination Folders"},
        {{0, 2}, "Folders Copied"},
        {{0, 3}, "Not Exists"},
        {{1, 0}, "Total Folders"},
        {{2, 1}, "Total Folders, Subfolders in Structure"},
        {{2, 2}, "Total Files in Structure"},
        {{2, 3}, "Total File Size in Structure"},
        {{3, 0}, "To Copy:"},
        {{4, 0}, "Successfully Copied:"},
        {{5, 0}, "Not Copied (Already Exists):"},
        {{6, 0}, "Not Copied (Other reasons):"},
    };
    layout.counters = {
        {"FoldersToCopy", true, true, {1, 1}},
        {"SubFoldersToCopy", true, true, {3, 1}},
        {"FilesToCopy", true, true, {3, 2}},
        {"FileSizeToCopy", true, true, {3, 3}},
        {"FoldersCopied", false, true, {1, 2}},
        {"SubFoldersCopied", false, true, {4, 1}},
        {"FilesCopied", false, true, {4, 2}},
        {"FileSizeCopied", false, true, {4, 3}},
        {"FoldersNotExists", false, true, {1, 3}},
        {"SubFoldersExists", false, true, {5, 1}},
        {"FilesExists", false, true, {5, 2}},
        {"FileSizeExists", false, true, {5, 3}},
        {"SubFoldersOtherReasons", false, true, {6, 1}},
        {"FailedUndo", false, false, {}},
    };
    layout.categories = {
        {"lstStat08FoldersCopied", "SUCCESSFULLY COPIED", "To Folders",
         "lstVol08ZoomStatisticsFoldersCopied", "Successfully Copied: To Folders.",
         "The List of Successfully Copied Main Folder Names is empty !\nAction : You must Copy at "
         "least one Main Folder to use the Smart Export Feature.",
         "Copy Folder structure(s).-From a Folder List - Level.            Warning no: 0435."},
        {"lstStat08SubFoldersCopied", "SUCCESSFULLY COPIED", "Folders, Subfolders in Structure",
         "lstVol08ZoomStatisticsSubFoldersCopied",
         "Successfully Copied: Folders, Subfolders In Structure.",
         "The List of Successfully Copied Subfolder Names is empty !\nAction : You must Copy at "
         "least one Subfolder to use the Smart Export Feature.",
         "Copy Folder structure(s).-From a Folder List - Level.            Warning no: 0436."},
        {"lstStat08FilesCopied", "SUCCESSFULLY COPIED", "Files in Structure",
         "lstVol08ZoomStatisticsFilesCopied", "Successfully Copied: Files In Structure.",
         "The List of Successfully Copied File Names is empty !\nAction : You must Copy at least "
         "one File to use the Smart Export Feature.",
         "Copy Folder structure(s).-From a Folder List - Level.            Warning no: 0437."},
        {"lstStat08FoldersNotExists", "FAILED COPY ", "Folders - Not exist",
         "lstVol08ZoomStatisticsFoldersNotExist", "Failed Copy: Folders Not Exist.",
         "The List of Not Copied (Don't Exist) Main Folder Names is empty !\n",
         "Copy Folder structure(s).-From a Folder List - Level.            Warning no: 0438."},
        {"lstStat08SubFoldersExists", "FAILED COPY ", "Subfolders - Already Exist",
         "lstVol08ZoomStatisticsSubFoldersExist", "Failed Copy: Subfolders Already Exist.",
         "The List of Not Copied (Already Exist) Subfolder Names is empty !\n",
         "Copy Folder structure(s).-From a Folder List - Level.            Warning no: 0439."},
        {"lstStat08FilesExists", "FAILED COPY ", "Files - Already Exist",
         "lstVol08ZoomStatisticsFilesExist", "Failed Copy:  Files Already Exist.",
         "The List of Not Copied (Already Exist) File Names is empty !\n",
         "Copy Folder structure(s).-From a Folder List - Level.            Warning no: 0440."},
        {"lstStat08SubFoldersOtherReasons", "FAILED COPY ", "Subfolders - Other Reasons",
         "lstVol08ZoomStatisticsSubFoldersOtherReasons",
         "Failed Copy - Subfolders - Other Reasons.",
         "The List of Not Copied (Other Reasons) Subfolder Names is empty !\n",
         "Copy Folder structure(s).-From a Folder List - Level.            Warning no: 0440."},
        {"lstStat08SubFoldersFailedUndo", "Subfolders - Failed UNDO", "",
         "lstVol08ZoomStatisticsSubFoldersFailedUndo", "Subfolders - Failed Undo",
         "The List of Failed UNDO Folder Names is empty !\n",
         "Copy Folder structure(s).-From a Folder List - Level.           Warning no: 0414."},
    };
    return layout;
}

VisualLogLayout DeleteLayout() {
    VisualLogLayout layout =
        Common(VisualLogTab::Vol07, VisualLogFamily::Delete, "07", "frmStatistics07");
    layout.caption = "Detailed results for the Delete process.";
    layout.normalMarker = "Folder/File Delete Process.";
    layout.simulateMarker = "Simulate the Folder/File Delete Process.";
    layout.gridCaptions = {
        {{0, 1}, "To Delete"},
        {{0, 2}, "Deleted"},
        {{0, 3}, "Not Deleted  Not Exist"},
        {{0, 4}, "Not Deleted  Other Reasons"},
        {{1, 0}, "Total Folders"},
        {{2, 0}, "Total Files"},
    };
    layout.counters = {
        {"FoldersToDelete", true, true, {1, 1}},   {"FoldersDeleted", false, true, {1, 2}},
        {"FoldersNotExists", false, true, {1, 3}}, {"FoldersOtherReasons", false, true, {1, 4}},
        {"FilesToDelete", true, true, {2, 1}},     {"FilesDeleted", false, true, {2, 2}},
        {"FilesNotExists", false, true, {2, 3}},   {"FilesOtherReasons", false, true, {2, 4}},
    };
    layout.categories = {
        {"lstStat07FoldersDeleted", "FOLDERS", "SUCCESSFULLY DELETED",
         "lstVol07ZoomStatisticsFoldersDeleted", "FOLDERS - Successfully Deleted.",
         "The List of Successfully Deleted Folder Names is empty !\nAction : You must Delete at "
         "least one Folder to use the Smart Export Feature.",
         "Delete Folder(s).- From a Folder List.            Warning no: 0566."},
        {"lstStat07FoldersNotExists", "FOLDERS", "NOT EXIST",
         "lstVol07ZoomStatisticsFoldersNotExist", "FOLDERS Not Deleted - Not Exist.",
         "The List of Not Deleted ( Folders don't Exist) Folder Names is empty !\n",
         "Delete Folder(s).- From a Folder List.            Warning no: 0433."},
        {"lstStat07FoldersOtherReasons", "FOLDERS", "OTHER REASONS",
         "lstVol07ZoomStatisticsFoldersOtherReasons", "FOLDERS Not Deleted - Other Reasons.",
         "The List of Not Deleted ( Other Reasons) Folder Names is empty !\n",
         "Delete Folder(s).- From a Folder List.            Warning no: 0434."},
        {"lstStat07FilesDeleted", "FILES", "SUCCESSFULLY DELETED",
         "lstVol07ZoomStatisticsFilesDeleted", "FILES - Successfully Deleted.",
         "The List of Successfully Deleted File Names is empty !\nAction : You must Delete at "
         "least one File to use the Smart Export Feature.",
         "Delete Folder(s)/File(s).- From a Folder/File List.            Warning no: 0432."},
        {"lstStat07FilesNotExists", "FILES", "NOT EXIST", "lstVol07ZoomStatisticsFilesNotExist",
         "FILES Not Deleted - Not Exist.",
         "The List of Not Deleted ( Files don't Exist) File Names is empty !\n",
         "Delete Folder(s)/File(s).- From a Folder/File List.            Warning no: 0433."},
        {"lstStat07FilesOtherReasons", "FILES", "OTHER REASONS",
         "lstVol07ZoomStatisticsFilesOtherReasons", "FILES Not Deleted - Other Reasons.",
         "The List of Not Deleted ( Other Reasons) File Names is empty !\n",
         "Delete Folder(s)/File(s).- From a Folder/File List.            Warning no: 0434."},
    };
    return layout;
}

VisualLogLayout RenameLayout() {
    VisualLogLayout layout =
        Common(VisualLogTab::Vol06, VisualLogFamily::Rename, "06", "frmStatistic06");
    layout.caption = "Detailed Results for Rename Process.";
    layout.normalMarker = "Folder Rename Process.";
    layout.simulateMarker = "Simulate the Folder Rename Process.";
    layout.gridCaptions = {
        {{0, 1}, "Total Folders to Rename"}, {{0, 2}, "Renamed Folders"},
        {{0, 3}, "Source Not Exists"},       {{0, 4}, "Destination Already Exists"},
        {{0, 5}, "Other Reasons"},           {{1, 0}, "Total Folders"},
    };
    layout.counters = {
        {"FoldersToRename", true, true, {1, 1}},
        {"FoldersRenamed", false, true, {1, 2}},
        {"FoldersSourceNotExists", false, true, {1, 3}},
        {"FoldersDestinationExists", false, true, {1, 4}},
        {"FoldersOtherReasons", false, true, {1, 5}},
        {"FailedUndo", false, false, {}},
    };
    layout.categories = {
        {"lstStat06FoldersRenamed", "Successfully Renamed Folders", "",
         "lstVol06ZoomStatisticsFoldersRenamed", "Successfully Renamed Folders.",
         "The List of Successfully Renamed  Folder Names is empty !\nAction : You must Rename at "
         "least one Folder to use the Smart Export Feature.",
         "Rename Folders -From a Folder List - Level.             Warning no: 0428."},
        {"lstStat06FoldersSourceNotExists", "NOT RENAMED", "SOURCE NOT EXISTS.",
         "lstVol06ZoomStatisticsSourceNotExists", "Not Renamed Folders - Source not Exists.",
         "The List of Not Renamed (Source Folders don't exist) Folder Names is empty !\n",
         "Rename Folders -From a Folder List - Level.             Warning no: 0429."},
        {"lstStat06FoldersDestinationExists", "NOT RENAMED", "DESTINATION ALREADY EXISTS",
         "lstVol06ZoomStatisticsDestinationExists",
         "Not Renamed Folders - Destination Already Exists.",
         "The List of Not Renamed (Destination Folders already exist) Folder Names is empty !\n",
         "Rename Folders -From a Folder List - Level.             Warning no: 0430."},
        {"lstStat06FoldersOtherReasons", "NOT RENAMED", "OTHER REASONS",
         "lstVol06ZoomStatisticsOtherReasons", "Not Renamed Folders - Other Reasons.",
         "The List of Not Renamed (Other Reasons) Folder Names is empty !\n",
         "Rename Folders -From a Folder List - Level.             Warning no: 0431."},
        {"lstStat06FoldersFailedUndo", "Folders - Failed UNDO", "",
         "lstVol06ZoomStatisticsFoldersFailedUndo", "Folders - Failed UNDO",
         "The List of Not Renamed (Folders Failed Undo) Folder Names is empty !\n",
         "Rename Folders -From a Folder List - Level.             Warning no: 0431."},
    };
    return layout;
}

// The three creation windows differ only in a few captions.
VisualLogLayout CreationLayout(VisualLogTab tab, const std::string& number,
                               const std::string& caption,
                               std::vector<VisualLogCategoryLayout> categories) {
    VisualLogLayout layout =
        Common(tab, VisualLogFamily::Creation, number, "frmStatistic" + number);
    layout.caption = caption;
    layout.normalMarker = "Folder/File Creation Process.";
    layout.simulateMarker = "Simulate the Folder/File Creation Process.";
    const bool first = tab == VisualLogTab::Vol02;
    layout.gridCaptions = {
        {{0, 1}, first ? "Total Folders:" : "Total Folders"},
        {{0, 2},
         first ? "Total Folders, Subfolders in structure:"
               : "Total Folders, subfolders in structure"},
        {{0, 3}, first ? "Files in structure" : "Total Files in structure"},
        {{0, 4}, "Total File size (bytes)"},
        {{1, 0}, first ? "To Create:" : "To create:"},
        {{2, 0}, "Successfully created:"},
        {{3, 0}, "NOT created (already exists):"},
        {{4, 0},
         tab == VisualLogTab::Vol03 ? "NOT created (other reasons)?"
                                    : "NOT created (other reasons):"},
    };
    layout.counters = {
        {"FoldersToCreate", true, true, {1, 1}}, {"SubFoldersToCreate", true, true, {1, 2}},
        {"FilesToCreate", true, true, {1, 3}},   {"FilesSizeToCreate", true, true, {1, 4}},
        {"FoldersCreated", false, true, {2, 1}}, {"SubFoldersCreated", false, true, {2, 2}},
        {"FilesCreated", false, true, {2, 3}},   {"FilesSizeCreated", false, true, {2, 4}},
        {"FoldersExists", false, true, {3, 1}},  {"FoldersOther", false, true, {4, 1}},
        {"FailedUndo", false, false, {}},
    };
    layout.categories = std::move(categories);
    return layout;
}

VisualLogLayout CreateFromStringsLayout() {
    return CreationLayout(
        VisualLogTab::Vol02, "02", "Detailed results for creating folders from a list of strings.",
        {
            {"lstStat02FoldersCreated", "SUCCESSFULLY CREATED", "Folders",
             "lstVol02ZoomStatisticsFoldersCreated", "Successfully Created FOLDERS.",
             "The List of Successfully Created  Folder Names is empty !\nAction : You must create "
             "at least one Folder to use the Smart Export Feature.",
             "Creating Folder(s).-From a String List.            Warning no: 0410."},
            {"lstStat02SubFoldersCreated", "SUCCESSFULLY CREATED",
             "Folders, subfolders in structure:", "lstVol02ZoomStatisticsSubFoldersCreated",
             "Successfully Created FOLDERS, SUBFOLDERS in Structure.",
             "The List of Successfully Created  Subfolder Names is empty !\nAction : You must "
             "create at least one Subfolder to use the Smart Export Feature.",
             "Creating Folder(s).-From a String List.            Warning no: 0411."},
            {"lstStat02FilesCreated", "SUCCESSFULLY CREATED", "Files in structure:",
             "lstVol02ZoomStatisticsFilesCreated", "Successfully Created FILES in Structure.",
             "The List of Successfully Created  File Names is empty !\nAction : You must create at "
             "least one File to use the Smart Export Feature.",
             "Creating Folder(s).-From a String List.            Warning no: 0412."},
            {"lstStat02FoldersExists", "FOLDERS  NOT CREATED", "Already exist",
             "lstVol02ZoomStatisticsFoldersExist", "Folders Not Created - Already Exist.",
             "The List of Already Created Folder Names is empty !\n",
             "Creating Folder(s).-From a String List.            Warning no: 0413."},
            {"lstStat02FoldersOther", "FOLDERS  NOT CREATED", "Other reasons",
             "lstVol02ZoomStatisticsOtherReasons", "Folders Not Created - Other Reasons.",
             "The List of Uncreated Folder Names (Not Created - Other reasons) is empty !\n",
             "Creating Folder(s).-From a String List.            Warning no: 0414."},
            {"lstStat02FoldersFailedUndo", "Folders - Failed UNDO", "",
             "lstVol02ZoomStatisticsFoldersFailedUndo", "Folders - Failed UNDO",
             "The List of Failed UNDO Folder Names is empty !\n",
             "Creating Folder(s).-From a String List.            Warning no: 0414."},
        });
}

VisualLogLayout CreateFromFoldersLayout() {
    return CreationLayout(
        VisualLogTab::Vol04, "04", "Detailed results for creating folders from a list of folders",
        {
            {"lstStat04FoldersCreated", "SUCCESSFULLY CREATED", "Folders",
             "lstVol04ZoomStatisticsFoldersCreated", "Successfully Created FOLDERS.",
             "The List of Successfully Created  Folder Names is empty !\nAction : You must create "
             "at least one Folder to use the Smart Export Feature.",
             "Creating Folder(s).-From a Folder List.            Warning no: 0420."},
            {"lstStat04SubFoldersCreated", "SUCCESSFULLY CREATED",
             "Folders, subfolders in structure:", "lstVol04ZoomStatisticsSubFoldersCreated",
             "Successfully Created FOLDERS, SUBFOLDERS in Structure.",
             "The List of Successfully Created  Subfolder Names is empty !\nAction : You must "
             "create at least one Subfolder to use the Smart Export Feature.",
             "Creating Folder(s).-From a Folder List.            Warning no: 0421."},
            {"lstStat04FilesCreated", "SUCCESSFULLY CREATED", "Files in structure:",
             "lstVol04ZoomStatisticsFilesCreated", "Successfully Created FILES in Structure.",
             "The List of Successfully Created  File Names is empty !\nAction : You must create at "
             "least one File to use the Smart Export Feature.",
             "Creating Folder(s).-From a Folder List.            Warning no: 0422."},
            {"lstStat04FoldersExists", "FOLDERS  NOT CREATED", "Already exist",
             "lstVol04ZoomStatisticsFoldersExist", "Folders Not Created - Already Exist.",
             "The List of Already Created Folder Names is empty !\n",
             "Creating Folder(s).-From a Folder List.            Warning no: 0423."},
            {"lstStat04FoldersOther", "FOLDERS  NOT CREATED", "Other reasons",
             "lstVol04ZoomStatisticsOtherReasons", "Folders Not Created - Other Reasons.",
             "The List of Uncreated Folder Names (Not Created - Other reasons) is empty !\n",
             "Creating Folder(s).-From a Folder List.            Warning no: 0424."},
            {"lstStat04FoldersFailedUndo", "Folders - Failed UNDO", "",
             "lstVol04ZoomStatisticsFoldersFailedUndo", "Folders - Failed Undo",
             "The List of Failed UNDO Folder Names is empty !\n",
             "Creating Folder(s).-From a Folder List.            Warning no: 0414."},
        });
}

VisualLogLayout CreateNumberedLayout() {
    return CreationLayout(
        VisualLogTab::Vol03, "03", "Detailed results for creating folders using increased numbers.",
        {
            {"lstStat03FoldersCreated", "SUCCESSFULLY CREATED", "Folders",
             "lstVol03ZoomStatisticsFoldersCreated", "Successfully Created FOLDERS.",
             "The List of Successfully Created  Folder Names is empty !\nAction : You must create "
             "at least one Folder to use the Smart Export Feature.",
             "Creating Folder(s).-Increased Numbers.            Warning no: 0415."},
            {"lstStat03SubFoldersCreated", "SUCCESSFULLY CREATED",
             "Folders, subfolders in structure", "lstVol03ZoomStatisticsSubFoldersCreated",
             "Successfully Created FOLDERS, SUBFOLDERS in Structure.",
             "The List of Successfully Created  Subfolder Names is empty !\nAction : You must "
             "create at least one Subfolder to use the Smart Export Feature.",
             "Creating Folder(s).-Increased Numbers.            Warning no: 0416."},
            {"lstStat03FilesCreated", "SUCCESSFULLY CREATED", "Files in structure",
             "lstVol03ZoomStatisticsFilesCreated", "Successfully Created FILES in Structure.",
             "The List of Successfully Created  File Names is empty !\nAction : You must create at "
             "least one File to use the Smart Export Feature.",
             "Creating Folder(s).-Increased Numbers.            Warning no: 0417."},
            {"lstStat03FoldersExists", "FOLDERS NOT CREATED ", "Already exist",
             "lstVol03ZoomStatisticsFoldersExist", "Folders Not Created - Already Exist.",
             "The List of Already Created Folder Names is empty !\n",
             "Creating Folder(s).-Increased Numbers.            Warning no: 0418."},
            {"lstStat03FoldersOther", "FOLDERS NOT CREATED ", "Other reasons",
             "lstVol03ZoomStatisticsOtherReasons", "Folders Not Created - Other Reasons.",
             "The List of Uncreated Folder Names (Not Created - Other reasons) is empty !\n",
             "Creating Folder(s).-Increased Numbers.            Warning no: 0419."},
            {"lstStat03FoldersFailedUndo", "Folders - Failed UNDO", "",
             "lstVol03ZoomStatisticsFoldersFailedUndo", "Folders - Failed Undo",
             "The List of Failed UNDO Folder Names is empty !\n",
             "Creating Folder(s).-Increased Numbers.            Warning no: 0414."},
        });
}

}  // namespace

const VisualLogLayout& VisualLogLayoutFor(VisualLogTab tab) {
    static const VisualLogLayout copy = CopyLayout();
    static const VisualLogLayout erase = DeleteLayout();
    static const VisualLogLayout rename = RenameLayout();
    static const VisualLogLayout fromStrings = CreateFromStringsLayout();
    static const VisualLogLayout fromFolders = CreateFromFoldersLayout();
    static const VisualLogLayout numbered = CreateNumberedLayout();
    switch (tab) {
        case VisualLogTab::Vol08:
            return copy;
        case VisualLogTab::Vol07:
            return erase;
        case VisualLogTab::Vol06:
            return rename;
        case VisualLogTab::Vol02:
            return fromStrings;
        case VisualLogTab::Vol04:
            return fromFolders;
        case VisualLogTab::Vol03:
            return numbered;
    }
    throw std::invalid_argument("unknown Visual Log tab");
}

}  // namespace arbovane
