#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "core/app/ProgramSettings.h"
#include "core/app/RestoreClass.h"
#include "core/app/SaveClass.h"
#include "core/help/HelpEngine.h"
#include "gui/acquire/TfrmDelimiters.h"
#include "gui/acquire/TfrmQuotationMarks.h"
#include "gui/acquire/TfrmSubFolderListBuilder.h"
#include "gui/app/ProgramWindows.h"
#include "gui/app/TfrmMain.h"
#include "gui/templates/TfrmFileSelection.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedMessenger.h"
#include "support/ScriptedShell.h"
#include "support/TempDrives.h"

namespace arbovane {
namespace {

using testing::ScriptedMessenger;
using testing::ScriptedShell;
using testing::TempDrives;

class TfrmMainTest : public MainWindowFixture {
protected:
    std::string SettingsFile() { return TempDrives::ReadHostFile(host_ + "/Start/default.set"); }
};

TEST_F(TfrmMainTest, FirstStartWritesTheSettingsBeforeTheWindowAppears) {
    TfrmMain main(context_, help_);
    EXPECT_FALSE(main.isVisible());
    const std::string bytes = SettingsFile();
    EXPECT_EQ(bytes.size(), 2358528u);
    EXPECT_EQ(settings_.defaultDirectory, "D:\\Start");
    EXPECT_EQ(settings_.separators.size(), 17u);
    EXPECT_EQ(settings_.quotationMarks.size(), 17u);
    EXPECT_EQ(main.windowTitle().toStdString(), "Arbovane 8.20");
}

TEST_F(TfrmMainTest, DriveRootGivesOneBackslash) {
    ASSERT_TRUE(drives_.Fs().MakeCurrentDirectory("d:\\"));
    TfrmMain main(context_, help_);
    EXPECT_EQ(TempDrives::ReadHostFile(host_ + "/default.set").size(), 2358528u);
}

TEST_F(TfrmMainTest, SixTabsInPageOrderWithTheirCaptions) {
    Start();
    auto* pages = Find<QTabWidget>("pgeMain");
    ASSERT_NE(pages, nullptr);
    const std::pair<const char*, const char*> tabs[] = {
        {"tabFoldersCopy02", "Copy Folder Structures"},
        {"tabFoldersDelete01", "Delete Folder Structures"},
        {"tabFoldersRename01", "Rename Folders "},
        {"tabFolderCreate03", "Create Folder Structures-I"},
        {"tabFolderCreate05", "Create Folder Struct.-II"},
        {"tabFolderCreate04", "Create Folder Struct.-III"}};
    ASSERT_EQ(pages->count(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(pages->widget(i)->objectName().toStdString(), tabs[i].first);
        EXPECT_EQ(pages->tabText(i).toStdString(), tabs[i].second);
    }
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(Find<QLineEdit>("edtVol03StartNumber")->text().toStdString(), "1");
    EXPECT_EQ(Find<QLineEdit>("edtVol03EndNumber")->text().toStdString(), "1");
    for (const char* name :
         {"lblVol02StartFolder", "lblVol02EndFolder", "lblVol03StartFolder", "lblVol03EndFolder",
          "lblVol04StartFolder", "lblVol04EndFolder", "lblVol06StartFolder", "lblVol06EndFolder"}) {
        ASSERT_NE(Find<QLabel>(name), nullptr) << name;
        EXPECT_TRUE(Find<QLabel>(name)->text().isEmpty()) << name;
    }
    for (const char* name :
         {"lblVol02IncludeSum", "lblVol04IncludeSum", "lblVol06IncludeSum", "lblVol07IncludeSum",
          "lblVol08IncludeSum", "lblVol02ExcludeSum", "lblVol04ExcludeSum", "lblVol06ExcludeSum",
          "lblVol07ExcludeSum", "lblVol08ExcludeSum", "lblVol02FolderStructuresTemplatesSum",
          "lblVol03FolderStructuresTemplatesSum", "lblVol04FolderStructuresTemplatesSum",
          "lblVol08FolderStructuresTemplatesSum"}) {
        ASSERT_NE(Find<QLabel>(name), nullptr) << name;
        EXPECT_EQ(Find<QLabel>(name)->text().toStdString(), "0") << name;
    }
}

TEST_F(TfrmMainTest, MenuCaptionsAndExitHint) {
    Start();
    std::vector<std::string> captions;
    for (QAction* menu : windows_->main->menuBar()->actions()) {
        if (!menu->isVisible()) continue;
        captions.push_back(menu->text().toStdString());
        for (QAction* item : menu->menu()->actions())
            captions.push_back(item->text().toStdString());
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"&File", "&Save Job...", "&Open Job...", "",
                                                  "E&xit", "&Help", "Overview",
                                                  "Visit ARB on the Web.", "&About..."}));
    // The separators window is reached through a menu that is never shown.
    auto* misc = windows_->main->findChild<QMenu*>("mnuMisc");
    ASSERT_NE(misc, nullptr);
    EXPECT_FALSE(misc->menuAction()->isVisible());
    EXPECT_EQ(Find<QAction>("mnuManageSeparators")->text().toStdString(), "Manage Separators");
    auto* exit = Find<QAction>("mnuExit");
    EXPECT_EQ(exit->toolTip().toStdString(), "Exit");
    EXPECT_EQ(exit->statusTip().toStdString(), "Quits the application");
    windows_->main->mnuVisitWebClick();
    ASSERT_EQ(shell_.Calls().size(), 1u);
    EXPECT_EQ(shell_.Calls()[0].kind, "open");
    EXPECT_EQ(shell_.Calls()[0].argument, "d:\\App\\userguide.html");
}

TEST_F(TfrmMainTest, ClosingKeepsStoredDestinationsWhenTheBoxesAreEmpty) {
    Start();
    settings_.vol02Destinations = {"d:\\Keep02"};
    settings_.vol03Destinations = {"d:\\Keep03"};
    Find<QComboBox>("cboVol02DestFolders")->clear();
    Find<QComboBox>("cboVol03DestFolders")->clear();
    windows_->main->close();
    ProgramSettings reread;
    DecodeSettings(SettingsFile(), reread);
    EXPECT_EQ(reread.vol02Destinations, std::vector<std::string>{"d:\\Keep02"});
    EXPECT_EQ(reread.vol03Destinations, std::vector<std::string>{"d:\\Keep03"});

    Find<QComboBox>("cboVol02DestFolders")->addItem("d:\\New");
    windows_->main->close();
    DecodeSettings(SettingsFile(), reread = ProgramSettings());
    EXPECT_EQ(reread.vol02Destinations, std::vector<std::string>{"d:\\New"});
    EXPECT_EQ(reread.vol03Destinations, std::vector<std::string>{"d:\\Keep03"});
}

TEST_F(TfrmMainTest, RestartFillsTheDestinationBoxesOnceEach) {
    ProgramSettings stored;
    stored.programIdentifier = kProgramIdentifier;
    stored.defaultDirectory = "D:\\Start";
    stored.vol02Destinations = {"d:\\A", "", "D:\\a", "d:\\B"};
    stored.vol03Destinations = {"e:\\X"};
    TempDrives::WriteHostFile(host_ + "/Start/default.set", EncodeSettings(stored));
    Start();
    auto* box02 = Find<QComboBox>("cboVol02DestFolders");
    ASSERT_EQ(box02->count(), 2);
    EXPECT_EQ(box02->itemText(0).toStdString(), "d:\\A");
    EXPECT_EQ(box02->itemText(1).toStdString(), "d:\\B");
    EXPECT_EQ(Find<QComboBox>("cboVol03DestFolders")->count(), 1);
}

TEST_F(TfrmMainTest, StartReadsTheSettingsFileOnce) {
    ProgramSettings stored;
    stored.programIdentifier = kProgramIdentifier;
    stored.defaultDirectory = "D:\\Start";
    Defaults(stored);
    stored.separators = {";", "#"};
    stored.quotationMarks = {"'"};
    TempDrives::WriteHostFile(host_ + "/Start/default.set", EncodeSettings(stored));
    fs_.ResetCalls();
    Start();
    EXPECT_EQ(fs_.Calls(testing::FaultyFileSystem::Op::ReadWholeFile), 1);
    // The windows made at start show what that one reading gave.
    EXPECT_EQ(windows_->delimiters->IncludedLines(), (std::vector<std::string>{";", "#"}));
    EXPECT_EQ(windows_->quotationMarks->IncludedLines(), std::vector<std::string>{"'"});
}

TEST_F(TfrmMainTest, ActivationSetsTheSelTypesLabels) {
    Start();
    settings_.selectionText = "*.*";
    windows_->main->FormActivate();
    EXPECT_EQ(Find<QLabel>("lblVol08FileTypesAllSelected")->text().toStdString(), "All.");
    settings_.selectionText = "*.txt *.doc";
    settings_.selectedPatterns = {"*.txt", "*.doc"};
    windows_->main->FormActivate();
    EXPECT_EQ(Find<QLabel>("lblVol08FileTypesAllSelected")->text().toStdString(), ".txt .doc");
    EXPECT_EQ(Find<QLabel>("lblVol07FileTypesAllSelected")->text().toStdString(), ".txt .doc");
}

TEST_F(TfrmMainTest, SelectViewFilesSetsBothSelTypesLabels) {
    Start();
    QTimer::singleShot(0, [this] {
        auto* dialog = windows_->fileSelection.get();
        dialog->findChild<QComboBox*>("cboFileManNames")->setEditText("*.txt *.doc");
        dialog->btnFileManOKClick();
    });
    windows_->main->btnVol08FileSelectionClick();
    EXPECT_EQ(settings_.selectedPatterns, (std::vector<std::string>{"*.txt", "*.doc"}));
    EXPECT_EQ(Find<QLabel>("lblVol08FileTypesAllSelected")->text().toStdString(), ".txt .doc");
    EXPECT_EQ(Find<QLabel>("lblVol07FileTypesAllSelected")->text().toStdString(), ".txt .doc");
    ASSERT_FALSE(messenger_.Shown().empty());
    EXPECT_EQ(messenger_.Shown()[0].title, "File Selection.            Warning no: 0542.");
}

TEST_F(TfrmMainTest, AnEmptyBuilderResultWarnsWithTheTabsTitle) {
    Start();
    const std::pair<const char*, const char*> tabs[] = {
        {"btnVol08SubFolderLevelListBuilder",
         "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0595."},
        {"btnVol07SubFolderLevelListBuilder",
         "Delete Folder(s).-From a Folder List.             Warning no: 0590."},
        {"btnVol06SubFolderLevelListBuilder",
         "Rename Folder(s).-From a Folder List.             Warning no: 0585."}};
    for (const auto& [button, title] : tabs) {
        messenger_.Clear();
        QTimer::singleShot(0, [this] { windows_->listBuilder->reject(); });
        Find<QPushButton>(button)->click();
        ASSERT_EQ(messenger_.Shown().size(), 1u) << button;
        EXPECT_EQ(messenger_.Shown()[0].text, "Empty Result List in the File Import Window!\n");
        EXPECT_EQ(messenger_.Shown()[0].title, title);
        EXPECT_EQ(messenger_.Shown()[0].flags, 48);
    }
}

TEST_F(TfrmMainTest, TabLockLeavesOnlyTheRunningTab) {
    Start();
    QTabWidget* pages = windows_->main->Pages();
    windows_->main->LockTabsFor(pages->widget(0));
    EXPECT_TRUE(pages->isTabEnabled(0));
    for (int i = 1; i < 6; ++i) EXPECT_FALSE(pages->isTabEnabled(i)) << i;
    windows_->main->UnlockTabs();
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(pages->isTabEnabled(i)) << i;
}

TEST_F(TfrmMainTest, ExitClosesTheHelpOrReportsIt) {
    Start();
    windows_.reset();
    EXPECT_TRUE(messenger_.Shown().empty());
    EXPECT_EQ(help_.ClosedFor(), "ARBOVANE820");

    help_.SetHelpFile("d:\\App\\missing.html");
    Start();
    windows_.reset();
    ASSERT_EQ(messenger_.Shown().size(), 1u);
    EXPECT_EQ(messenger_.Shown()[0].title, "Severe Error!    Msg no: 0103.");
    EXPECT_EQ(messenger_.Shown()[0].text,
              "Unable to activate help !\n\nThe help file could be damaged. \n\nE-mail us "
              "immediately, please!");
    EXPECT_EQ(messenger_.Shown()[0].flags, 16);
    EXPECT_EQ(messenger_.Shown()[0].owner, MessageOwner::System);
}

TEST_F(TfrmMainTest, Vol03ClearFieldsAsksThenReports) {
    Start();
    windows_->main->btnVol03ClearAllClick();
    ASSERT_EQ(messenger_.Shown().size(), 1u);
    EXPECT_EQ(messenger_.Shown()[0].text,
              "You will delete all fields !!!\nClick YES to Continue deleting all fields,\nClick "
              "NO to Stop the delete process.");
    EXPECT_EQ(messenger_.Shown()[0].title,
              "Creating Folder(s).-Increased Numbers.            Information no: 0083.");
    EXPECT_EQ(messenger_.Shown()[0].flags, 292);
    messenger_.Clear();
    messenger_.Answer(kAnswerYes);
    windows_->main->btnVol03ClearAllClick();
    ASSERT_EQ(messenger_.Shown().size(), 2u);
    EXPECT_EQ(messenger_.Shown()[1].text, "End of the CLEAR FIELDS process !!!");
    EXPECT_EQ(messenger_.Shown()[1].title,
              "Creating Folder(s).-Increased Numbers.            Information no: 0084.");
    EXPECT_EQ(messenger_.Shown()[1].flags, 64);
}

}  // namespace
}  // namespace arbovane
