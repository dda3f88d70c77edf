#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <functional>
#include <memory>
#include <stdexcept>

#include "core/app/ProgramSettings.h"
#include "core/visuallog/VisualLog.h"
#include "gui/acquire/TfrmFileExport.h"
#include "gui/app/GuiContext.h"
#include "gui/visuallog/TfrmStatistic02.h"
#include "gui/visuallog/TfrmStatistic03.h"
#include "gui/visuallog/TfrmStatistic04.h"
#include "gui/visuallog/TfrmStatistic06.h"
#include "gui/visuallog/TfrmStatistic08.h"
#include "gui/visuallog/TfrmStatistics07.h"
#include "gui/visuallog/TfrmVol02ZoomStatistics.h"
#include "gui/visuallog/TfrmVol03ZoomStatistics.h"
#include "gui/visuallog/TfrmVol04ZoomStatistics.h"
#include "gui/visuallog/TfrmVol06ZoomStatistics.h"
#include "gui/visuallog/TfrmVol07ZoomStatistics.h"
#include "gui/visuallog/TfrmVol08ZoomStatistics.h"
#include "support/ListViews.h"
#include "support/ScriptedMessenger.h"
#include "support/ScriptedShell.h"
#include "support/TempDrives.h"

namespace arbovane {
namespace {

using testing::ScriptedMessenger;
using testing::ScriptedShell;
using testing::TempDrives;
using Lines = std::vector<std::string>;

const VisualLogTab kTabs[] = {VisualLogTab::Vol08, VisualLogTab::Vol07, VisualLogTab::Vol06,
                              VisualLogTab::Vol02, VisualLogTab::Vol04, VisualLogTab::Vol03};

std::size_t TabIndex(VisualLogTab tab) {
    return static_cast<std::size_t>(tab);
}

// The six Visual Log windows over their logs, created as the program entry creates them.
class VisualLogWindowsTest : public ::testing::Test {
protected:
    VisualLogWindowsTest() {
        settings_.separators.clear();
        exportDialog_ = std::make_unique<TfrmFileExport>(context_);
        for (VisualLogTab tab : kTabs) logs_.push_back(std::make_unique<VisualLog>(tab));
        windows_.emplace_back(
            new TfrmStatistic08(context_, Log(VisualLogTab::Vol08), *exportDialog_));
        windows_.emplace_back(
            new TfrmStatistics07(context_, Log(VisualLogTab::Vol07), *exportDialog_));
        windows_.emplace_back(
            new TfrmStatistic06(context_, Log(VisualLogTab::Vol06), *exportDialog_));
        windows_.emplace_back(
            new TfrmStatistic02(context_, Log(VisualLogTab::Vol02), *exportDialog_));
        windows_.emplace_back(
            new TfrmStatistic04(context_, Log(VisualLogTab::Vol04), *exportDialog_));
        windows_.emplace_back(
            new TfrmStatistic03(context_, Log(VisualLogTab::Vol03), *exportDialog_));
    }

    VisualLog& Log(VisualLogTab tab) { return *logs_[TabIndex(tab)]; }
    VisualLogWindow& Window(VisualLogTab tab) { return *windows_[TabIndex(tab)]; }
    QWidget& Zoom(VisualLogTab tab) { return Window(tab).ZoomWindow(); }

    template <typename Widget>
    static Widget* Find(QWidget& window, const std::string& name) {
        Widget* widget = window.findChild<Widget*>(QString::fromStdString(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static std::string Text(QLabel* label) {
        return label ? label->text().toStdString() : "(no label)";
    }
    static Lines Rows(QListView* list) {
        Lines rows;
        if (!list) return rows;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            rows.push_back(list->model()->index(row, 0).data().toString().toStdString());
        return rows;
    }
    void Click(QWidget& window, const std::string& button) {
        if (auto* widget = Find<QPushButton>(window, button)) widget->click();
    }
    // Clicks an Export button and records what the export dialog was given before closing it.
    Lines ExportThroughDialog(VisualLogTab tab, const std::string& button) {
        Lines handed;
        exported_ = false;
        // The dialog pumps messages while it fills, so wait until its modal loop has it shown.
        std::function<void()> answer = [&] {
            if (!exportDialog_->isVisible()) {
                QTimer::singleShot(1, exportDialog_.get(), answer);
                return;
            }
            exported_ = true;
            handed = exportDialog_->SourceLines();
            exportSourceCount_ = Text(Find<QLabel>(*exportDialog_, "lblSmartExportSource"));
            exportCurrentRow_ =
                testing::CurrentRow(Find<QListView>(*exportDialog_, "lstFileExportSource"));
            exportDialog_->reject();
        };
        QTimer::singleShot(0, exportDialog_.get(), answer);
        Click(Window(tab), button);
        return handed;
    }

    TempDrives drives_;
    ScriptedMessenger messenger_;
    ScriptedShell shell_;
    ProgramSettings settings_;
    GuiContext context_{drives_.Fs(), drives_.TextPort(), messenger_, shell_, settings_};
    std::unique_ptr<TfrmFileExport> exportDialog_;
    std::vector<std::unique_ptr<VisualLog>> logs_;
    std::vector<std::unique_ptr<VisualLogWindow>> windows_;
    bool exported_ = false;
    std::string exportSourceCount_;
    int exportCurrentRow_ = -1;
};

struct CategoryRow {
    VisualLogTab tab;
    const char* list;
    const char* group;
    const char* heading;  // empty: the frame caption is the only one
    const char* zoomList;
    const char* zoomCaption;
    const char* emptyText;
    const char* emptyTitle;
};

const CategoryRow kCategories[] = {
    {VisualLogTab::Vol08, "lstStat08FoldersCopied", "SUCCESSFULLY COPIED", "To Folders",
     "lstVol08ZoomStatisticsFoldersCopied", "Successfully Copied: To Folders.",
     "The List of Successfully Copied Main Folder Names is empty !\nAction : You must Copy at "
     "least one Main Folder to use the Smart Export Feature.",
     "Copy Folder structure(s).-From a Folder List - Level.            Warning no: 0435."},
    {VisualLogTab::Vol08, "lstStat08SubFoldersCopied", "SUCCESSFULLY COPIED",
     "Folders, Subfolders in Structure", "lstVol08ZoomStatisticsSubFoldersCopied",
     "Successfully Copied: Folders, Subfolders In Structure.",
     "The List of Successfully Copied Subfolder Names is empty !\nAction : You must Copy at least "
     "one Subfolder to use the Smart Export Feature.",
     "Copy Folder structure(s).-From a Folder List - Level.            Warning no: 0436."},
    {VisualLogTab::Vol08, "lstStat08FilesCopied", "SUCCESSFULLY COPIED", "Files in Structure",
     "lstVol08ZoomStatisticsFilesCopied", "Successfully Copied: Files In Structure.",
     "The List of Successfully Copied File Names is empty !\nAction : You must Copy at least one "
     "File to use the Smart Export Feature.",
     "Copy Folder structure(s).-From a Folder List - Level.            Warning no: 0437."},
    {VisualLogTab::Vol08, "lstStat08FoldersNotExists", "FAILED COPY ", "Folders - Not exist",
     "lstVol08ZoomStatisticsFoldersNotExist", "Failed Copy: Folders Not Exist.",
     "The List of Not Copied (Don't Exist) Main Folder Names is empty !\n",
     "Copy Folder structure(s).-From a Folder List - Level.            Warning no: 0438."},
    {VisualLogTab::Vol08, "lstStat08SubFoldersExists", "FAILED COPY ", "Subfolders - Already Exist",
     "lstVol08ZoomStatisticsSubFoldersExist", "Failed Copy: Subfolders Already Exist.",
     "The List of Not Copied (Already Exist) Subfolder Names is empty !\n",
     "Copy Folder structure(s).-From a Folder List - Level.            Warning no: 0439."},
    {VisualLogTab::Vol08, "lstStat08FilesExists", "FAILED COPY ", "Files - Already Exist",
     "lstVol08ZoomStatisticsFilesExist", "Failed Copy:  Files Already Exist.",
     "The List of Not Copied (Already Exist) File Names is empty !\n",
     "Copy Folder structure(s).-From a Folder List - Level.            Warning no: 0440."},
    {VisualLogTab::Vol08, "lstStat08SubFoldersOtherReasons", "FAILED COPY ",
     "Subfolders - Other Reasons", "lstVol08ZoomStatisticsSubFoldersOtherReasons",
     "Failed Copy - Subfolders - Other Reasons.",
     "The List of Not Copied (Other Reasons) Subfolder Names is empty !\n",
     "Copy Folder structure(s).-From a Folder List - Level.            Warning no: 0440."},
    {VisualLogTab::Vol08, "lstStat08SubFoldersFailedUndo", "Subfolders - Failed UNDO", "",
     "lstVol08ZoomStatisticsSubFoldersFailedUndo", "Subfolders - Failed Undo",
     "The List of Failed UNDO Folder Names is empty !\n",
     "Copy Folder structure(s).-From a Folder List - Level.           Warning no: 0414."},
    {VisualLogTab::Vol07, "lstStat07FoldersDeleted", "FOLDERS", "SUCCESSFULLY DELETED",
     "lstVol07ZoomStatisticsFoldersDeleted", "FOLDERS - Successfully Deleted.",
     "The List of Successfully Deleted Folder Names is empty !\nAction : You must Delete at least "
     "one Folder to use the Smart Export Feature.",
     "Delete Folder(s).- From a Folder List.            Warning no: 0566."},
    {VisualLogTab::Vol07, "lstStat07FoldersNotExists", "FOLDERS", "NOT EXIST",
     "lstVol07ZoomStatisticsFoldersNotExist", "FOLDERS Not Deleted - Not Exist.",
     "The List of Not Deleted ( Folders don't Exist) Folder Names is empty !\n",
     "Delete Folder(s).- From a Folder List.            Warning no: 0433."},
    {VisualLogTab::Vol07, "lstStat07FoldersOtherReasons", "FOLDERS", "OTHER REASONS",
     "lstVol07ZoomStatisticsFoldersOtherReasons", "FOLDERS Not Deleted - Other Reasons.",
     "The List of Not Deleted ( Other Reasons) Folder Names is empty !\n",
     "Delete Folder(s).- From a Folder List.            Warning no: 0434."},
    {VisualLogTab::Vol07, "lstStat07FilesDeleted", "FILES", "SUCCESSFULLY DELETED",
     "lstVol07ZoomStatisticsFilesDeleted", "FILES - Successfully Deleted.",
     "The List of Successfully Deleted File Names is empty !\nAction : You must Delete at least "
     "one File to use the Smart Export Feature.",
     "Delete Folder(s)/File(s).- From a Folder/File List.            Warning no: 0432."},
    {VisualLogTab::Vol07, "lstStat07FilesNotExists", "FILES", "NOT EXIST",
     "lstVol07ZoomStatisticsFilesNotExist", "FILES Not Deleted - Not Exist.",
     "The List of Not Deleted ( Files don't Exist) File Names is empty !\n",
     "Delete Folder(s)/File(s).- From a Folder/File List.            Warning no: 0433."},
    {VisualLogTab::Vol07, "lstStat07FilesOtherReasons", "FILES", "OTHER REASONS",
     "lstVol07ZoomStatisticsFilesOtherReasons", "FILES Not Deleted - Other Reasons.",
     "The List of Not Deleted ( Other Reasons) File Names is empty !\n",
     "Delete Folder(s)/File(s).- From a Folder/File List.            Warning no: 0434."},
    {VisualLogTab::Vol06, "lstStat06FoldersRenamed", "Successfully Renamed Folders", "",
     "lstVol06ZoomStatisticsFoldersRenamed", "Successfully Renamed Folders.",
     "The List of Successfully Renamed  Folder Names is empty !\nAction : You must Rename at least "
     "one Folder to use the Smart Export Feature.",
     "Rename Folders -From a Folder List - Level.             Warning no: 0428."},
    {VisualLogTab::Vol06, "lstStat06FoldersSourceNotExists", "NOT RENAMED", "SOURCE NOT EXISTS.",
     "lstVol06ZoomStatisticsSourceNotExists", "Not Renamed Folders - Source not Exists.",
     "The List of Not Renamed (Source Folders don't exist) Folder Names is empty !\n",
     "Rename Folders -From a Folder List - Level.             Warning no: 0429."},
    {VisualLogTab::Vol06, "lstStat06FoldersDestinationExists", "NOT RENAMED",
     "DESTINATION ALREADY EXISTS", "lstVol06ZoomStatisticsDestinationExists",
     "Not Renamed Folders - Destination Already Exists.",
     "The List of Not Renamed (Destination Folders already exist) Folder Names is empty !\n",
     "Rename Folders -From a Folder List - Level.             Warning no: 0430."},
    {VisualLogTab::Vol06, "lstStat06FoldersOtherReasons", "NOT RENAMED", "OTHER REASONS",
     "lstVol06ZoomStatisticsOtherReasons", "Not Renamed Folders - Other Reasons.",
     "The List of Not Renamed (Other Reasons) Folder Names is empty !\n",
     "Rename Folders -From a Folder List - Level.             Warning no: 0431."},
    {VisualLogTab::Vol06, "lstStat06FoldersFailedUndo", "Folders - Failed UNDO", "",
     "lstVol06ZoomStatisticsFoldersFailedUndo", "Folders - Failed UNDO",
     "The List of Not Renamed (Folders Failed Undo) Folder Names is empty !\n",
     "Rename Folders -From a Folder List - Level.             Warning no: 0431."},
    {VisualLogTab::Vol02, "lstStat02FoldersCreated", "SUCCESSFULLY CREATED", "Folders",
     "lstVol02ZoomStatisticsFoldersCreated", "Successfully Created FOLDERS.",
     "The List of Successfully Created  Folder Names is empty !\nAction : You must create at least "
     "one Folder to use the Smart Export Feature.",
     "Creating Folder(s).-From a String List.            Warning no: 0410."},
    {VisualLogTab::Vol02, "lstStat02SubFoldersCreated", "SUCCESSFULLY CREATED",
     "Folders, subfolders in structure:", "lstVol02ZoomStatisticsSubFoldersCreated",
     "Successfully Created FOLDERS, SUBFOLDERS in Structure.",
     "The List of Successfully Created  Subfolder Names is empty !\nAction : You must create at "
     "least one Subfolder to use the Smart Export Feature.",
     "Creating Folder(s).-From a String List.            Warning no: 0411."},
    {VisualLogTab::Vol02, "lstStat02FilesCreated", "SUCCESSFULLY CREATED", "Files in structure:",
     "lstVol02ZoomStatisticsFilesCreated", "Successfully Created FILES in Structure.",
     "The List of Successfully Created  File Names is empty !\nAction : You must create at least "
     "one File to use the Smart Export Feature.",
     "Creating Folder(s).-From a String List.            Warning no: 0412."},
    {VisualLogTab::Vol02, "lstStat02FoldersExists", "FOLDERS  NOT CREATED", "Already exist",
     "lstVol02ZoomStatisticsFoldersExist", "Folders Not Created - Already Exist.",
     "The List of Already Created Folder Names is empty !\n",
     "Creating Folder(s).-From a String List.            Warning no: 0413."},
    {VisualLogTab::Vol02, "lstStat02FoldersOther", "FOLDERS  NOT CREATED", "Other reasons",
     "lstVol02ZoomStatisticsOtherReasons", "Folders Not Created - Other Reasons.",
     "The List of Uncreated Folder Names (Not Created - Other reasons) is empty !\n",
     "Creating Folder(s).-From a String List.            Warning no: 0414."},
    {VisualLogTab::Vol02, "lstStat02FoldersFailedUndo", "Folders - Failed UNDO", "",
     "lstVol02ZoomStatisticsFoldersFailedUndo", "Folders - Failed UNDO",
     "The List of Failed UNDO Folder Names is empty !\n",
     "Creating Folder(s).-From a String List.            Warning no: 0414."},
    {VisualLogTab::Vol03, "lstStat03FoldersCreated", "SUCCESSFULLY CREATED", "Folders",
     "lstVol03ZoomStatisticsFoldersCreated", "Successfully Created FOLDERS.",
     "The List of Successfully Created  Folder Names is empty !\nAction : You must create at least "
     "one Folder to use the Smart Export Feature.",
     "Creating Folder(s).-Increased Numbers.            Warning no: 0415."},
    {VisualLogTab::Vol04, "lstStat04FoldersCreated", "SUCCESSFULLY CREATED", "Folders",
     "lstVol04ZoomStatisticsFoldersCreated", "Successfully Created FOLDERS.",
     "The List of Successfully Created  Folder Names is empty !\nAction : You must create at least "
     "one Folder to use the Smart Export Feature.",
     "Creating Folder(s).-From a Folder List.            Warning no: 0420."},
    {VisualLogTab::Vol03, "lstStat03SubFoldersCreated", "SUCCESSFULLY CREATED",
     "Folders, subfolders in structure", "lstVol03ZoomStatisticsSubFoldersCreated",
     "Successfully Created FOLDERS, SUBFOLDERS in Structure.",
     "The List of Successfully Created  Subfolder Names is empty !\nAction : You must create at "
     "least one Subfolder to use the Smart Export Feature.",
     "Creating Folder(s).-Increased Numbers.            Warning no: 0416."},
    {VisualLogTab::Vol04, "lstStat04SubFoldersCreated", "SUCCESSFULLY CREATED",
     "Folders, subfolders in structure:", "lstVol04ZoomStatisticsSubFoldersCreated",
     "Successfully Created FOLDERS, SUBFOLDERS in Structure.",
     "The List of Successfully Created  Subfolder Names is empty !\nAction : You must create at "
     "least one Subfolder to use the Smart Export Feature.",
     "Creating Folder(s).-From a Folder List.            Warning no: 0421."},
    {VisualLogTab::Vol03, "lstStat03FilesCreated", "SUCCESSFULLY CREATED", "Files in structure",
     "lstVol03ZoomStatisticsFilesCreated", "Successfully Created FILES in Structure.",
     "The List of Successfully Created  File Names is empty !\nAction : You must create at least "
     "one File to use the Smart Export Feature.",
     "Creating Folder(s).-Increased Numbers.            Warning no: 0417."},
    {VisualLogTab::Vol04, "lstStat04FilesCreated", "SUCCESSFULLY CREATED", "Files in structure:",
     "lstVol04ZoomStatisticsFilesCreated", "Successfully Created FILES in Structure.",
     "The List of Successfully Created  File Names is empty !\nAction : You must create at least "
     "one File to use the Smart Export Feature.",
     "Creating Folder(s).-From a Folder List.            Warning no: 0422."},
    {VisualLogTab::Vol03, "lstStat03FoldersExists", "FOLDERS NOT CREATED ", "Already exist",
     "lstVol03ZoomStatisticsFoldersExist", "Folders Not Created - Already Exist.",
     "The List of Already Created Folder Names is empty !\n",
     "Creating Folder(s).-Increased Numbers.            Warning no: 0418."},
    {VisualLogTab::Vol04, "lstStat04FoldersExists", "FOLDERS  NOT CREATED", "Already exist",
     "lstVol04ZoomStatisticsFoldersExist", "Folders Not Created - Already Exist.",
     "The List of Already Created Folder Names is empty !\n",
     "Creating Folder(s).-From a Folder List.            Warning no: 0423."},
    {VisualLogTab::Vol03, "lstStat03FoldersOther", "FOLDERS NOT CREATED ", "Other reasons",
     "lstVol03ZoomStatisticsOtherReasons", "Folders Not Created - Other Reasons.",
     "The List of Uncreated Folder Names (Not Created - Other reasons) is empty !\n",
     "Creating Folder(s).-Increased Numbers.            Warning no: 0419."},
    {VisualLogTab::Vol04, "lstStat04FoldersOther", "FOLDERS  NOT CREATED", "Other reasons",
     "lstVol04ZoomStatisticsOtherReasons", "Folders Not Created - Other Reasons.",
     "The List of Uncreated Folder Names (Not Created - Other reasons) is empty !\n",
     "Creating Folder(s).-From a Folder List.            Warning no: 0424."},
    {VisualLogTab::Vol03, "lstStat03FoldersFailedUndo", "Folders - Failed UNDO", "",
     "lstVol03ZoomStatisticsFoldersFailedUndo", "Folders - Failed Undo",
     "The List of Failed UNDO Folder Names is empty !\n",
     "Creating Folder(s).-Increased Numbers.            Warning no: 0414."},
    {VisualLogTab::Vol04, "lstStat04FoldersFailedUndo", "Folders - Failed UNDO", "",
     "lstVol04ZoomStatisticsFoldersFailedUndo", "Folders - Failed Undo",
     "The List of Failed UNDO Folder Names is empty !\n",
     "Creating Folder(s).-From a Folder List.            Warning no: 0414."},
};

// "lstStat08FoldersCopied" -> "btnStat08FoldersCopied" + what.
std::string ButtonFor(const std::string& list, const char* what) {
    return "btn" + list.substr(3) + what;
}

TEST_F(VisualLogWindowsTest, WindowsCarryTheirCaptionsAndClassNames) {
    const struct {
        VisualLogTab tab;
        const char* className;
        const char* objectName;
        const char* caption;
        const char* zoomClassName;
        const char* zoomObjectName;
    } cases[] = {
        {VisualLogTab::Vol08, "arbovane::TfrmStatistic08", "frmStatistic08",
         "Detailed Results for Copied Subfolders and/or Files to Main Folders.",
         "arbovane::TfrmVol08ZoomStatistics", "frmVol08ZoomStatistics"},
        {VisualLogTab::Vol07, "arbovane::TfrmStatistics07", "frmStatistics07",
         "Detailed results for the Delete process.", "arbovane::TfrmVol07ZoomStatistics",
         "frmVol07ZoomStatistics"},
        {VisualLogTab::Vol06, "arbovane::TfrmStatistic06", "frmStatistic06",
         "Detailed Results for Rename Process.", "arbovane::TfrmVol06ZoomStatistics",
         "frmVol06ZoomStatistics"},
        {VisualLogTab::Vol02, "arbovane::TfrmStatistic02", "frmStatistic02",
         "Detailed results for creating folders from a list of strings.",
         "arbovane::TfrmVol02ZoomStatistics", "frmVol02ZoomStatistics"},
        {VisualLogTab::Vol04, "arbovane::TfrmStatistic04", "frmStatistic04",
         "Detailed results for creating folders from a list of folders",
         "arbovane::TfrmVol04ZoomStatistics", "frmVol04ZoomStatistics"},
        {VisualLogTab::Vol03, "arbovane::TfrmStatistic03", "frmStatistic03",
         "Detailed results for creating folders using increased numbers.",
         "arbovane::TfrmVol03ZoomStatistics", "frmVol03ZoomStatistics"},
    };
    for (const auto& c : cases) {
        VisualLogWindow& window = Window(c.tab);
        EXPECT_STREQ(window.metaObject()->className(), c.className);
        EXPECT_EQ(window.objectName().toStdString(), c.objectName);
        EXPECT_EQ(window.windowTitle().toStdString(), c.caption);
        EXPECT_FALSE(window.isVisible()) << c.objectName;
        EXPECT_STREQ(Zoom(c.tab).metaObject()->className(), c.zoomClassName);
        EXPECT_EQ(Zoom(c.tab).objectName().toStdString(), c.zoomObjectName);
        EXPECT_EQ(Zoom(c.tab).windowTitle().toStdString(), "Zoom Window.");
        EXPECT_FALSE(Zoom(c.tab).isVisible()) << c.zoomObjectName;
    }
}

TEST_F(VisualLogWindowsTest, EveryCategoryHasItsFrameHeadingButtonsAndZoomTwin) {
    for (const CategoryRow& c : kCategories) {
        VisualLogWindow& window = Window(c.tab);
        auto* list = Find<QListView>(window, c.list);
        if (!list) continue;
        auto* frame = qobject_cast<QGroupBox*>(list->parentWidget());
        ASSERT_NE(frame, nullptr) << c.list;
        EXPECT_EQ(frame->title().toStdString(), c.group) << c.list;
        if (*c.heading) {
            EXPECT_EQ(Text(Find<QLabel>(window, "lbl" + std::string(c.list).substr(3) + "Heading")),
                      c.heading);
        }
        auto* zoom = Find<QPushButton>(window, ButtonFor(c.list, "Zoom"));
        auto* exportButton = Find<QPushButton>(window, ButtonFor(c.list, "Export"));
        if (zoom) {
            EXPECT_EQ(zoom->text().toStdString(), "Zoom");
        }
        if (exportButton) {
            EXPECT_EQ(exportButton->text().toStdString(), "Export");
        }
        auto* twin = Find<QListView>(Zoom(c.tab), c.zoomList);
        if (twin) {
            EXPECT_EQ(twin->model(), list->model()) << c.zoomList;
        }
        EXPECT_EQ(Text(Find<QLabel>(Zoom(c.tab), "lbl" + std::string(c.zoomList).substr(3))),
                  c.zoomCaption);
    }
    // Headings that repeat the frame caption are not shown twice.
    for (VisualLogTab tab : kTabs)
        for (QLabel* label : Window(tab).findChildren<QLabel*>())
            EXPECT_FALSE(label->text().isEmpty() && label->objectName().endsWith("Heading"));
}

TEST_F(VisualLogWindowsTest, ExportingAnEmptyCategoryWarns) {
    for (const CategoryRow& c : kCategories) {
        messenger_.Clear();
        Click(Window(c.tab), ButtonFor(c.list, "Export"));
        ASSERT_EQ(messenger_.Shown().size(), 1u) << c.list;
        const auto& shown = messenger_.Shown().front();
        EXPECT_EQ(shown.text, c.emptyText) << c.list;
        EXPECT_EQ(shown.title, c.emptyTitle) << c.list;
        EXPECT_EQ(shown.flags, 48) << c.list;
        EXPECT_EQ(shown.owner, MessageOwner::MainWindow) << c.list;
        EXPECT_FALSE(exportDialog_->isVisible());
    }
}

TEST_F(VisualLogWindowsTest, ExportHandsOverEachDriveLineOnce) {
    VisualLog& log = Log(VisualLogTab::Vol08);
    log.BeginRun(VisualLogMode::Normal);
    for (const char* line : {"d:\\Clients\\A", "\\Relative\\B", "D:\\Clients\\A", "e:\\C",
                             "d:\\Clients\\A", "\\\\server\\share\\D"})
        log.AddEntry(Vol08Category::SubFoldersCopied, line);
    log.EndRun();

    const Lines handed =
        ExportThroughDialog(VisualLogTab::Vol08, "btnStat08SubFoldersCopiedExport");
    EXPECT_TRUE(exported_);
    EXPECT_EQ(handed, (Lines{"d:\\Clients\\A", "e:\\C", "\\\\server\\share\\D"}));
    EXPECT_EQ(exportSourceCount_, "3");
    EXPECT_EQ(exportCurrentRow_, 0);
    EXPECT_EQ(exportDialog_->ContentKind(), "FOLDERS");
    EXPECT_TRUE(messenger_.Shown().empty());
    // The window still lists every line, duplicates and relative paths included.
    EXPECT_EQ(
        Rows(Find<QListView>(Window(VisualLogTab::Vol08), "lstStat08SubFoldersCopied")).size(), 6u);
}

TEST_F(VisualLogWindowsTest, ACategoryWithoutDriveLinesOpensAnEmptyExport) {
    VisualLog& log = Log(VisualLogTab::Vol03);
    log.BeginRun(VisualLogMode::Normal);
    log.AddEntry(CreationCategory::FoldersOther, "\\Only\\Relative");
    log.AddEntry(CreationCategory::FoldersOther, "name without drive");
    log.EndRun();

    const Lines handed = ExportThroughDialog(VisualLogTab::Vol03, "btnStat03FoldersOtherExport");
    EXPECT_TRUE(exported_);
    EXPECT_TRUE(handed.empty());
    EXPECT_EQ(exportSourceCount_, "0");
    EXPECT_TRUE(messenger_.Shown().empty());
}

TEST_F(VisualLogWindowsTest, EachZoomWindowShowsOnlyItsOwnCategory) {
    VisualLog& copy = Log(VisualLogTab::Vol08);
    copy.AddEntry(Vol08Category::FilesCopied, "d:\\A\\f.txt");
    copy.Flush();

    Click(Window(VisualLogTab::Vol08), "btnStat08FilesCopiedZoom");
    Click(Window(VisualLogTab::Vol07), "btnStat07FoldersNotExistsZoom");

    const struct {
        VisualLogTab tab;
        const char* list;
        const char* caption;
    } expected[] = {
        {VisualLogTab::Vol08, "lstVol08ZoomStatisticsFilesCopied",
         "Successfully Copied: Files In Structure."},
        {VisualLogTab::Vol07, "lstVol07ZoomStatisticsFoldersNotExist",
         "FOLDERS Not Deleted - Not Exist."},
    };
    for (const auto& e : expected) {
        QWidget& zoom = Zoom(e.tab);
        EXPECT_TRUE(zoom.isVisible()) << e.list;
        for (QListView* list : zoom.findChildren<QListView*>())
            EXPECT_EQ(list->isVisible(), list->objectName() == e.list)
                << list->objectName().toStdString();
        std::vector<std::string> captions;
        for (QLabel* label : zoom.findChildren<QLabel*>())
            if (label->isVisible()) captions.push_back(Text(label));
        EXPECT_EQ(captions, Lines{e.caption});
    }
    EXPECT_EQ(Rows(Find<QListView>(Zoom(VisualLogTab::Vol08), "lstVol08ZoomStatisticsFilesCopied")),
              Lines{"d:\\A\\f.txt"});

    // A second zoom in the same window replaces the first.
    Click(Window(VisualLogTab::Vol08), "btnStat08SubFoldersFailedUndoZoom");
    EXPECT_FALSE(Find<QListView>(Zoom(VisualLogTab::Vol08), "lstVol08ZoomStatisticsFilesCopied")
                     ->isVisible());
    EXPECT_TRUE(
        Find<QListView>(Zoom(VisualLogTab::Vol08), "lstVol08ZoomStatisticsSubFoldersFailedUndo")
            ->isVisible());
    EXPECT_EQ(
        Text(Find<QLabel>(Zoom(VisualLogTab::Vol08), "lblVol08ZoomStatisticsSubFoldersFailedUndo")),
        "Subfolders - Failed Undo");

    Click(Zoom(VisualLogTab::Vol08), "btnVol08ZoomStatisticsClose");
    EXPECT_FALSE(Zoom(VisualLogTab::Vol08).isVisible());
    EXPECT_TRUE(Zoom(VisualLogTab::Vol07).isVisible());
}

TEST_F(VisualLogWindowsTest, BothWindowsShowTheSameLinesAndBeginRunEmptiesBoth) {
    VisualLog& log = Log(VisualLogTab::Vol06);
    log.Show();
    Click(Window(VisualLogTab::Vol06), "btnStat06FoldersRenamedZoom");
    for (const char* line : {"d:\\A", "d:\\B", "d:\\A"}) {
        log.Add(Vol06Counter::FoldersRenamed, 1);
        log.AddEntry(Vol06Category::FoldersRenamed, line);
        log.Refresh();
    }
    log.EndRun();
    auto* list = Find<QListView>(Window(VisualLogTab::Vol06), "lstStat06FoldersRenamed");
    auto* twin = Find<QListView>(Zoom(VisualLogTab::Vol06), "lstVol06ZoomStatisticsFoldersRenamed");
    EXPECT_EQ(Rows(list), (Lines{"d:\\A", "d:\\B", "d:\\A"}));
    EXPECT_EQ(Rows(twin), (Lines{"d:\\A", "d:\\B", "d:\\A"}));

    log.BeginRun(VisualLogMode::Simulate);
    EXPECT_TRUE(Rows(list).empty());
    EXPECT_TRUE(Rows(twin).empty());
    EXPECT_EQ(Text(Find<QLabel>(Window(VisualLogTab::Vol06), "lblStat06FoldersRenamed")), "0");
}

TEST_F(VisualLogWindowsTest, LinesAddedWithoutARefreshAppearWhenTheMessageLoopRuns) {
    VisualLog& log = Log(VisualLogTab::Vol02);
    log.AddEntry(CreationCategory::FoldersExists, "d:\\X");
    auto* list = Find<QListView>(Window(VisualLogTab::Vol02), "lstStat02FoldersExists");
    QApplication::processEvents();
    EXPECT_EQ(Rows(list), Lines{"d:\\X"});
}

TEST_F(VisualLogWindowsTest, AHiddenWindowKeepsReceivingLines) {
    VisualLog& log = Log(VisualLogTab::Vol07);
    log.BeginRun(VisualLogMode::Normal);
    log.Show();
    Click(Window(VisualLogTab::Vol07), "btnStat07OK");
    EXPECT_FALSE(Window(VisualLogTab::Vol07).isVisible());
    for (int i = 0; i < 3; ++i) {
        log.Add(Vol07Counter::FilesDeleted, 1);
        log.AddEntry(Vol07Category::FilesDeleted, "d:\\f" + std::to_string(i));
        log.Refresh();
    }
    log.Refresh();
    log.Show();
    EXPECT_TRUE(Window(VisualLogTab::Vol07).isVisible());
    EXPECT_EQ(Rows(Find<QListView>(Window(VisualLogTab::Vol07), "lstStat07FilesDeleted")),
              (Lines{"d:\\f0", "d:\\f1", "d:\\f2"}));
    EXPECT_EQ(Text(Find<QLabel>(Window(VisualLogTab::Vol07), "lblStat07FilesDeleted")), "3");
}

TEST_F(VisualLogWindowsTest, CounterLabelsShowEveryCounterExactly) {
    // Every shown counter reads "0" from the start.
    const struct {
        VisualLogTab tab;
        Lines labels;
    } labels[] = {
        {VisualLogTab::Vol08,
         {"lblStat08FoldersToCopy", "lblStat08SubFoldersToCopy", "lblStat08FilesToCopy",
          "lblStat08FileSizeToCopy", "lblStat08FoldersCopied", "lblStat08SubFoldersCopied",
          "lblStat08FilesCopied", "lblStat08FileSizeCopied", "lblStat08FoldersNotExists",
          "lblStat08SubFoldersExists", "lblStat08FilesExists", "lblStat08FileSizeExists",
          "lblStat08SubFoldersOtherReasons"}},
        {VisualLogTab::Vol07,
         {"lblStat07FoldersToDelete", "lblStat07FoldersDeleted", "lblStat07FoldersNotExists",
          "lblStat07FoldersOtherReasons", "lblStat07FilesToDelete", "lblStat07FilesDeleted",
          "lblStat07FilesNotExists", "lblStat07FilesOtherReasons"}},
        {VisualLogTab::Vol06,
         {"lblStat06FoldersToRename", "lblStat06FoldersRenamed", "lblStat06FoldersSourceNotExists",
          "lblStat06FoldersDestinationExists", "lblStat06FoldersOtherReasons"}},
        {VisualLogTab::Vol02,
         {"lblStat02FoldersToCreate", "lblStat02SubFoldersToCreate", "lblStat02FilesToCreate",
          "lblStat02FilesSizeToCreate", "lblStat02FoldersCreated", "lblStat02SubFoldersCreated",
          "lblStat02FilesCreated", "lblStat02FilesSizeCreated", "lblStat02FoldersExists",
          "lblStat02FoldersOther"}},
        {VisualLogTab::Vol04,
         {"lblStat04FoldersToCreate", "lblStat04FilesSizeCreated", "lblStat04FoldersOther"}},
        {VisualLogTab::Vol03,
         {"lblStat03FoldersToCreate", "lblStat03FilesSizeCreated", "lblStat03FoldersOther"}},
    };
    for (const auto& c : labels)
        for (const std::string& name : c.labels)
            EXPECT_EQ(Text(Find<QLabel>(Window(c.tab), name)), "0");
    // No label for the failed-undo counters.
    EXPECT_EQ(Window(VisualLogTab::Vol08).findChild<QLabel*>("lblStat08FailedUndo"), nullptr);

    VisualLog& copy = Log(VisualLogTab::Vol08);
    copy.Set(Vol08Counter::FileSizeToCopy, 5000000000.0);
    copy.Add(Vol08Counter::FileSizeCopied, 4294967296.0);
    copy.Add(Vol08Counter::FileSizeCopied, 1);
    copy.Set(Vol08Counter::FilesToCopy, 123456789012345.0);
    copy.Refresh();
    VisualLogWindow& window = Window(VisualLogTab::Vol08);
    EXPECT_EQ(Text(Find<QLabel>(window, "lblStat08FileSizeToCopy")), "5000000000");
    EXPECT_EQ(Text(Find<QLabel>(window, "lblStat08FileSizeCopied")), "4294967297");
    EXPECT_EQ(Text(Find<QLabel>(window, "lblStat08FilesToCopy")), "123456789012345");
    EXPECT_TRUE(Find<QLabel>(window, "lblStat08FileSizeCopied")->alignment() & Qt::AlignRight);
}

TEST_F(VisualLogWindowsTest, BeginRunKeepsTheToDoCounterLabels) {
    VisualLog& log = Log(VisualLogTab::Vol04);
    log.Set(CreationCounter::FoldersToCreate, 12);
    log.Set(CreationCounter::FilesSizeToCreate, 5000000000.0);
    log.Add(CreationCounter::FoldersCreated, 3);
    log.AddEntry(CreationCategory::FoldersCreated, "d:\\A");
    log.Refresh();
    log.BeginRun(VisualLogMode::Normal);
    VisualLogWindow& window = Window(VisualLogTab::Vol04);
    EXPECT_EQ(Text(Find<QLabel>(window, "lblStat04FoldersToCreate")), "12");
    EXPECT_EQ(Text(Find<QLabel>(window, "lblStat04FilesSizeToCreate")), "5000000000");
    EXPECT_EQ(Text(Find<QLabel>(window, "lblStat04FoldersCreated")), "0");
    EXPECT_TRUE(Rows(Find<QListView>(window, "lstStat04FoldersCreated")).empty());
}

TEST_F(VisualLogWindowsTest, CounterGridCaptions) {
    const struct {
        VisualLogTab tab;
        const char* frame;
        Lines captions;
    } cases[] = {
        {VisualLogTab::Vol08,
         "Statistics",
         {"Total of Destination Folders", "Folders Copied", "Not Exists", "Total Folders",
          "Total Folders, Subfolders in Structure", "Total Files in Structure",
          "Total File Size in Structure", "To Copy:", "Successfully Copied:",
          "Not Copied (Already Exists):", "Not Copied (Other reasons):"}},
        {VisualLogTab::Vol07,
         "",
         {"To Delete", "Deleted", "Not Deleted  Not Exist", "Not Deleted  Other Reasons",
          "Total Folders", "Total Files"}},
        {VisualLogTab::Vol06,
         "",
         {"Total Folders to Rename", "Renamed Folders", "Source Not Exists",
          "Destination Already Exists", "Other Reasons", "Total Folders"}},
        {VisualLogTab::Vol02,
         "",
         {"Total Folders:", "Total Folders, Subfolders in structure:", "Files in structure",
          "Total File size (bytes)", "To Create:", "Successfully created:",
          "NOT created (already exists):", "NOT created (other reasons):"}},
        {VisualLogTab::Vol04,
         "",
         {"Total Folders", "Total Folders, subfolders in structure", "Total Files in structure",
          "Total File size (bytes)", "To create:", "Successfully created:",
          "NOT created (already exists):", "NOT created (other reasons):"}},
        {VisualLogTab::Vol03,
         "",
         {"Total Folders", "Total Folders, subfolders in structure", "Total Files in structure",
          "Total File size (bytes)", "To create:", "Successfully created:",
          "NOT created (already exists):", "NOT created (other reasons)?"}},
    };
    for (const auto& c : cases) {
        const std::string number = Log(c.tab).Layout().number;
        auto* frame = Find<QGroupBox>(Window(c.tab), "grpStat" + number + "Counters");
        if (!frame) continue;
        EXPECT_EQ(frame->title().toStdString(), c.frame);
        Lines captions;
        for (QLabel* label : frame->findChildren<QLabel*>())
            if (label->objectName().contains("Caption")) captions.push_back(Text(label));
        EXPECT_EQ(captions, c.captions) << number;
    }
}

TEST_F(VisualLogWindowsTest, MarkerIsMaroonCentredAndFollowsTheMode) {
    const struct {
        VisualLogTab tab;
        const char* label;
        const char* checkBox;
        const char* normal;
        const char* simulate;
    } cases[] = {
        {VisualLogTab::Vol08, "lblVol08NormalSimulate", "chkVol08NormalSimulate",
         "Folder/File Copy Process.", "Simulate the Folder/File Copy Process."},
        {VisualLogTab::Vol07, "lblVol07NormalSimulate", "chkVol07NormalSimulate",
         "Folder/File Delete Process.", "Simulate the Folder/File Delete Process."},
        {VisualLogTab::Vol06, "lblVol06NormalSimulate", "chkVol06NormalSimulate",
         "Folder Rename Process.", "Simulate the Folder Rename Process."},
        {VisualLogTab::Vol02, "lblVol02NormalSimulate", "chkVol02NormalSimulate",
         "Folder/File Creation Process.", "Simulate the Folder/File Creation Process."},
        {VisualLogTab::Vol04, "lblVol04NormalSimulate", "chkVol04NormalSimulate",
         "Folder/File Creation Process.", "Simulate the Folder/File Creation Process."},
        {VisualLogTab::Vol03, "lblVol03NormalSimulate", "chkVol03NormalSimulate",
         "Folder/File Creation Process.", "Simulate the Folder/File Creation Process."},
    };
    for (const auto& c : cases) {
        VisualLogWindow& window = Window(c.tab);
        auto* marker = Find<QLabel>(window, c.label);
        auto* mode = Find<QCheckBox>(window, c.checkBox);
        if (!marker || !mode) continue;
        const auto expectMarker = [&](const char* text, bool normal, const char* when) {
            EXPECT_EQ(Text(marker), text) << when;
            EXPECT_EQ(marker->palette().color(QPalette::WindowText), QColor(128, 0, 0)) << when;
            EXPECT_EQ(marker->alignment(), Qt::AlignCenter) << when;
            EXPECT_EQ(mode->isChecked(), normal) << when;
        };
        expectMarker(c.normal, true, "at start");
        EXPECT_EQ(mode->text().toStdString(), "Normal/Simulate");
        EXPECT_TRUE(mode->isHidden());

        Log(c.tab).BeginRun(VisualLogMode::Simulate);
        expectMarker(c.simulate, false, "simulation");
        // Re-derived on activation of the main window, whatever the label showed meanwhile.
        marker->setText("lblNormalSimulate");
        marker->setAlignment(Qt::AlignLeft);
        Log(c.tab).RederiveMarker();
        expectMarker(c.simulate, false, "re-derived");
        Log(c.tab).BeginRun(VisualLogMode::Normal);
        expectMarker(c.normal, true, "real run again");
    }
}

TEST_F(VisualLogWindowsTest, ListsScrollSidewaysOverLongPaths) {
    VisualLog& log = Log(VisualLogTab::Vol08);
    log.Show();
    log.AddEntry(Vol08Category::FoldersCopied, "d:\\A");
    log.Flush();
    QApplication::processEvents();
    for (QWidget* window : {static_cast<QWidget*>(&Window(VisualLogTab::Vol08)),
                            static_cast<QWidget*>(&Zoom(VisualLogTab::Vol08))}) {
        for (QListView* list : window->findChildren<QListView*>()) {
            if (list->model()->rowCount() == 0) continue;
            const QStyleOptionViewItem option;
            EXPECT_GE(list->itemDelegate()->sizeHint(option, list->model()->index(0, 0)).width(),
                      3000)
                << list->objectName().toStdString();
        }
    }
    auto* list = Find<QListView>(Window(VisualLogTab::Vol08), "lstStat08FoldersCopied");
    EXPECT_GE(list->horizontalScrollBar()->maximum() + list->viewport()->width(), 3000);
}

TEST_F(VisualLogWindowsTest, OkHidesTheWindowAndKeepsItsContents) {
    VisualLog& log = Log(VisualLogTab::Vol03);
    log.AddEntry(CreationCategory::FilesCreated, "d:\\N\\f");
    log.Show();
    EXPECT_TRUE(Window(VisualLogTab::Vol03).isVisible());
    Click(Window(VisualLogTab::Vol03), "btnStat03OK");
    EXPECT_FALSE(Window(VisualLogTab::Vol03).isVisible());
    log.Show();
    EXPECT_EQ(Rows(Find<QListView>(Window(VisualLogTab::Vol03), "lstStat03FilesCreated")),
              Lines{"d:\\N\\f"});
}

TEST_F(VisualLogWindowsTest, AWindowRefusesAnotherTabsLog) {
    VisualLog deleteLog(VisualLogTab::Vol07);
    EXPECT_THROW(TfrmStatistic08(context_, deleteLog, *exportDialog_), std::logic_error);
}

TEST_F(VisualLogWindowsTest, ALogOutlivesItsWindow) {
    auto log = std::make_unique<VisualLog>(VisualLogTab::Vol06);
    { TfrmStatistic06 window(context_, *log, *exportDialog_); }
    log->AddEntry(Vol06Category::FoldersRenamed, "d:\\A");
    log->Refresh();
    log->Show();
    EXPECT_EQ(log->View(), nullptr);
}

}  // namespace
}  // namespace arbovane
