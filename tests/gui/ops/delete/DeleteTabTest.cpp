#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <functional>

#include "core/app/ProgramSettings.h"
#include "core/help/HelpEngine.h"
#include "core/ops/delete/DeleteRun.h"
#include "core/visuallog/VisualLog.h"
#include "gui/acquire/TfrmFileExport.h"
#include "gui/acquire/TfrmFileImport.h"
#include "gui/app/ProgramWindows.h"
#include "gui/app/TfrmMain.h"
#include "gui/lists/FolderListPane.h"
#include "gui/visuallog/TfrmStatistics07.h"
#include "support/FaultyFileSystem.h"
#include "support/ListViews.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedMessenger.h"
#include "support/ScriptedShell.h"
#include "support/TempDrives.h"
#include "support/TreeSnapshot.h"

namespace arbovane {
namespace {

using testing::ExpectMessages;
using testing::FaultyFileSystem;
using testing::ScriptedMessenger;
using testing::ScriptedShell;
using testing::ShownMessage;
using testing::TempDrives;
using Lines = std::vector<std::string>;

const char* const kConfirmBody =
    "Do you want to DELETE folders PERMANENTLY ?\n\nClick YES to Continue the Delete process,\n"
    "Click NO to Stop the Delete process.\n\nNote: If the <Select Files> button is active, only "
    "the Selected Files will be used.";
const char* const kConfirmTitle =
    "Delete Folder(s). - From a Folder List.            Information no: 0238.";
const ShownMessage kFirst{
    std::string("First Confirmation for DELETING Folders/Files\n\n") + kConfirmBody, kConfirmTitle,
    292};
const ShownMessage kFinal{
    std::string("Final Confirmation for DELETING Folders/Files\n\n") + kConfirmBody, kConfirmTitle,
    292};
const ShownMessage kEnd{"End of the Delete process !!!",
                        "Delete Folder(s).-From a Folder List.            Information no: 0239.",
                        64};
const ShownMessage kHint{
    "You can Select File Names/Types by Clicking on the <Select Files> button.",
    "Delete Foldere(s).-From a Folder List.           Warning no: 0237.", 48};

// The real windows on a temporary D:, seen through a FaultyFileSystem.
class DeleteTabTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        Start();
    }
    void TearDown() override {
        std::string current;
        EXPECT_TRUE(drives_.Fs().ReadCurrentDirectory(current));
        EXPECT_EQ(current, "D:\\Start");
        MainWindowFixture::TearDown();
    }
    FolderListPane& Pane() { return *windows_->main->Pane(1); }
    void Fill(const Lines& lines) {
        for (const std::string& line : lines) Pane().Model().Include().Add(line);
        Pane().ListsChanged();
    }
    void File(const std::string& relative, const std::string& bytes = "x") {
        TempDrives::WriteHostFile(host_ + "/" + relative, bytes);
    }
    bool Exists(const std::string& relative) const {
        return std::filesystem::exists(std::filesystem::symlink_status(host_ + "/" + relative));
    }
    VisualLog& Log() { return windows_->main->Log(VisualLogTab::Vol07); }
    Lines Of(Vol07Category category) { return Log().Lines(category); }
};

TEST_F(DeleteTabTest, ControlsHaveTheirCaptionsHintsAndDefaults) {
    const struct {
        const char* name;
        const char* caption;
        const char* hint;
        bool checked;
    } controls[] = {
        {"rdoVol07DeleteSubFolders", "Delete Complete Subfolder Structures - retain Main Folders.",
         "", true},
        {"rdoVol07DeleteCompleteFolders",
         "Delete list of Main Folders with complete Folder Structures - retain nothing.", "",
         false},
        {"rdoVol07DeleteOnlyFiles",
         "Delete Selected Files from Main Folders and their Subfolders too.",
         "Retain Empty Main Folders and their Subfolder Structures too.", false},
        {"rdoVol07DeleteOnlyFilesInMainFolder", "Delete Selected Files from Main Folders Only.",
         "Retain Empty Main Folders, and Complete Subfolder Structures with Files.", false},
        {"chkVol07DeleteDoubleConfirm", "DOUBLE Confirmation for Deleting", "", true},
        {"chkVol07ReadOnlyFolders",
         "Check to Delete Special Read-Only Folders too, if they are SELECTED  (\\\\My Music, "
         "\\\\My Videos, etc.) .",
         "", false},
        {"btnVol07DeleteFolders", " DELETE  Folders /  F. Structures   PERMANENTLY", "", false},
        {"btnVol07DeleteFoldersSimulation", "Simulation",
         "Simulate the Folder/File Delete process (No actual Deleting).", false},
    };
    for (const auto& c : controls) {
        auto* button = Find<QAbstractButton>(c.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text().toStdString(), c.caption) << c.name;
        EXPECT_EQ(button->toolTip().toStdString(), c.hint) << c.name;
        EXPECT_EQ(button->isChecked(), c.checked) << c.name;
        EXPECT_TRUE(windows_->main->Pages()->widget(1)->isAncestorOf(button)) << c.name;
    }
    EXPECT_EQ(Find<QLabel>("lblVol07IncludeCaption")->text().toStdString(),
              "Include Folder Structure List");
    EXPECT_TRUE(messenger_.Shown().empty());
}

TEST_F(DeleteTabTest, ControlsNeedAnIncludeListAndTheFileSelectionAFileMode) {
    const char* const options[] = {
        "rdoVol07DeleteSubFolders",    "rdoVol07DeleteCompleteFolders",
        "rdoVol07DeleteOnlyFiles",     "rdoVol07DeleteOnlyFilesInMainFolder",
        "chkVol07DeleteDoubleConfirm", "chkVol07ReadOnlyFolders",
        "chkVol07ShowDetailedResults", "btnVol07Statistics",
        "btnVol07DeleteFolders",       "btnVol07DeleteFoldersSimulation"};
    const auto expectEnabled = [&](bool options_, bool fileSelection) {
        for (const char* name : options)
            EXPECT_EQ(Find<QWidget>(name)->isEnabled(), options_) << name;
        EXPECT_EQ(Find<QWidget>("btnVol07FileSelection")->isEnabled(), fileSelection);
        EXPECT_EQ(Find<QWidget>("lblVol07FileTypesAllSelected")->isEnabled(), fileSelection);
    };
    expectEnabled(false, false);
    Fill({"d:\\Data"});
    expectEnabled(true, false);
    const struct {
        const char* mode;
        bool fileSelection;
        std::size_t hints;  // shown so far
    } steps[] = {
        {"rdoVol07DeleteOnlyFiles", true, 1},   {"rdoVol07DeleteCompleteFolders", false, 1},
        {"rdoVol07DeleteOnlyFiles", true, 1},   {"rdoVol07DeleteOnlyFilesInMainFolder", true, 2},
        {"rdoVol07DeleteSubFolders", false, 2}, {"rdoVol07DeleteOnlyFilesInMainFolder", true, 2},
    };
    for (const auto& s : steps) {
        Click(s.mode);
        expectEnabled(true, s.fileSelection);
        ASSERT_EQ(messenger_.Shown().size(), s.hints) << s.mode;
    }
    ExpectMessages(messenger_.Shown(), {kHint, kHint});
}

TEST_F(DeleteTabTest, ReadOnlyOptionWarnsWhenItBecomesChecked) {
    Fill({"d:\\Data"});
    Click("chkVol07ReadOnlyFolders");
    Click("chkVol07ReadOnlyFolders");
    ExpectMessages(
        messenger_.Shown(),
        {{"The program will delete All the Folders, including Special Read-Only Folders, "
          "like \\My Music, \\My Pictures, \\My Videos, etc.!\n",
          "Delete Folder(s).-From a Folder List.            Warning no: 0234.", 48}});
}

TEST_F(DeleteTabTest, RunDeletesTheMergedTreeWithTheOtherTabsLocked) {
    File("Data/A/a.txt");
    File("Data/A/Old/o.txt");
    File("Data/B/keep.txt", "keep");
    Fill({"d:\\Data\\A\\Old", "d:\\Data\\A"});
    EXPECT_EQ(Log().Counter(Vol07Counter::FoldersToDelete), 1);
    EXPECT_EQ(Log().Counter(Vol07Counter::FilesToDelete), 2);
    QTabWidget* pages = windows_->main->Pages();
    std::vector<bool> lockedDuringRun;
    fs_.Before(FaultyFileSystem::Op::RemoveFile, [&](const std::string&) {
        lockedDuringRun.push_back(!pages->isTabEnabled(0) && pages->isTabEnabled(1) &&
                                  !pages->isTabEnabled(5));
    });
    messenger_.Answer(kAnswerYes);
    messenger_.Answer(kAnswerYes);
    Click("btnVol07DeleteFolders");

    ExpectMessages(messenger_.Shown(), {kFirst, kFinal, kEnd});
    EXPECT_EQ(Of(Vol07Category::FilesDeleted),
              (Lines{"d:\\Data\\A\\a.txt", "d:\\Data\\A\\Old\\o.txt"}));
    EXPECT_EQ(Of(Vol07Category::FoldersDeleted), Lines{"d:\\Data\\A\\Old"});
    EXPECT_TRUE(Exists("Data/A"));
    EXPECT_FALSE(Exists("Data/A/Old"));
    EXPECT_EQ(TempDrives::ReadHostFile(host_ + "/Data/B/keep.txt"), "keep");
    EXPECT_EQ(lockedDuringRun, (std::vector<bool>{true, true}));
    for (int i = 0; i < pages->count(); ++i) EXPECT_TRUE(pages->isTabEnabled(i)) << i;
    EXPECT_TRUE(windows_->statistics07->isVisible());
    EXPECT_EQ(Log().Mode(), VisualLogMode::Normal);
}

TEST_F(DeleteTabTest, ConfirmationsFollowTheDoubleOptionAndNoChangesNothing) {
    const struct {
        bool doubleConfirm;
        std::vector<int> answers;
        std::vector<ShownMessage> shown;
        bool deleted;
    } cases[] = {
        {true, {kAnswerNo}, {kFirst}, false},
        {true, {kAnswerYes, kAnswerNo}, {kFirst, kFinal}, false},
        {false, {kAnswerNo}, {kFinal}, false},
        {false, {kAnswerYes}, {kFinal, kEnd}, true},
    };
    Fill({"d:\\Data"});
    for (const auto& c : cases) {
        File("Data/x.txt");
        messenger_.Clear();
        for (int answer : c.answers) messenger_.Answer(answer);
        if (Find<QCheckBox>("chkVol07DeleteDoubleConfirm")->isChecked() != c.doubleConfirm)
            Click("chkVol07DeleteDoubleConfirm");
        Click("btnVol07DeleteFolders");
        ExpectMessages(messenger_.Shown(), c.shown);
        EXPECT_EQ(Exists("Data/x.txt"), !c.deleted);
    }
}

TEST_F(DeleteTabTest, FileModesDeleteOnlyTheSelectedPatterns) {
    File("Data/a.tmp");
    File("Data/b.txt");
    File("Data/Sub/c.tmp");
    settings_.selectedPatterns = {"*.tmp"};
    Fill({"d:\\Data"});
    Click("rdoVol07DeleteOnlyFiles");
    EXPECT_EQ(Log().Counter(Vol07Counter::FilesToDelete), 2);
    Click("chkVol07DeleteDoubleConfirm");
    messenger_.Clear();
    messenger_.Answer(kAnswerYes);
    Click("btnVol07DeleteFolders");
    EXPECT_EQ(Of(Vol07Category::FilesDeleted), (Lines{"d:\\Data\\a.tmp", "d:\\Data\\Sub\\c.tmp"}));
    EXPECT_TRUE(Exists("Data/b.txt"));
    EXPECT_TRUE(Exists("Data/Sub"));
}

TEST_F(DeleteTabTest, SimulationListsTheRunWithoutTouchingTheDrive) {
    File("Data/x.txt");
    File("Data/Sub/y.txt");
    Fill({"d:\\Data"});
    Click("rdoVol07DeleteCompleteFolders");
    Click("chkVol07ShowDetailedResults");
    const auto before = testing::TreeSnapshot(host_);
    // The settings file was written at start; from here on nothing may change.
    const int mutations = fs_.MutationCount();
    fs_.ForbidMutations();
    Click("btnVol07DeleteFoldersSimulation");
    ExpectMessages(
        messenger_.Shown(),
        {{"Simulation shows you the complete Delete Folder/File process \nwithout actually "
          "Delete them on the hard drive.\n\nThis allows you to see the process in real time, "
          "eliminate errors or export\nResult Folder lists - all without compromising existing "
          "Folder Structures.\n\nNote: If the <Select Files> button is active, only the Selected "
          "Files will be used.",
          "Simulate the Folder/File Delete Process.-From a Folder List.            Information "
          "no: 0516.",
          64},
         {"End of Simulation !!!\n\nNo actual Folders were Deleted because of Simulation (Test "
          "Mode).\n\nThe purpose of the Simulation is to show the Complete Folder Deleting "
          "process\n without actually deleting them on the hard drive.\n\nIf You want to Delete "
          "Folders/Files, Use the Delete Folders button.",
          "Simulate the Folder/File Delete Process.-From a Folder List - Level.            "
          "Information no: 0517.",
          64}});
    EXPECT_EQ(Of(Vol07Category::FilesDeleted), (Lines{"d:\\Data\\x.txt", "d:\\Data\\Sub\\y.txt"}));
    EXPECT_EQ(Of(Vol07Category::FoldersDeleted), (Lines{"d:\\Data\\Sub", "d:\\Data"}));
    EXPECT_EQ(Log().Mode(), VisualLogMode::Simulate);
    EXPECT_FALSE(windows_->statistics07->isVisible());
    EXPECT_EQ(fs_.MutationCount(), mutations);
    EXPECT_EQ(testing::TreeSnapshot(host_), before);
}

// On a volume that keeps letter cases apart, a line spelled otherwise than the folder on disk names
// no folder: the simulation and the run both end with it under NOT EXIST, and the folder and its
// twin stay whole. Both twins in the list are two lines, each deleted on its own.
TEST_F(DeleteTabTest, ALineInAnotherLetterCaseNamesNoFolder) {
    File("in/Data/x/deep.txt");
    File("in/Data/d.txt");
    if (Exists("in/DATA")) GTEST_SKIP() << "the temporary drive ignores letter case";
    Fill({"d:\\in\\data"});
    Click("rdoVol07DeleteCompleteFolders");
    Click("chkVol07ShowDetailedResults");
    const auto before = testing::TreeSnapshot(host_);
    for (const char* button : {"btnVol07DeleteFoldersSimulation", "btnVol07DeleteFolders"}) {
        messenger_.Clear();
        for (int i = 0; i < 3; ++i) messenger_.Answer(kAnswerYes);
        Click(button);
        EXPECT_EQ(Of(Vol07Category::FoldersNotExists), Lines{"d:\\in\\data"}) << button;
        EXPECT_EQ(Log().Counter(Vol07Counter::FoldersNotExists), 1) << button;
        EXPECT_TRUE(Of(Vol07Category::FilesDeleted).empty()) << button;
        EXPECT_TRUE(Of(Vol07Category::FoldersDeleted).empty()) << button;
        EXPECT_EQ(testing::TreeSnapshot(host_), before) << button;
    }

    File("in/data/e.txt");
    EXPECT_TRUE(Pane().Model().Include().Add("d:\\in\\Data"));
    Pane().ListsChanged();
    messenger_.Clear();
    for (int i = 0; i < 3; ++i) messenger_.Answer(kAnswerYes);
    Click("btnVol07DeleteFolders");
    EXPECT_EQ(Of(Vol07Category::FoldersDeleted),
              (Lines{"d:\\in\\Data\\x", "d:\\in\\Data", "d:\\in\\data"}));
    EXPECT_FALSE(Exists("in/Data"));
    EXPECT_FALSE(Exists("in/data"));
}

TEST_F(DeleteTabTest, ClearFieldsRestoresTheDefaults) {
    File("Data/x.txt");
    Fill({"d:\\Data"});
    Click("rdoVol07DeleteCompleteFolders");
    Click("chkVol07DeleteDoubleConfirm");
    Click("chkVol07ReadOnlyFolders");
    Click("chkVol07ShowDetailedResults");
    ASSERT_EQ(Log().Counter(Vol07Counter::FoldersToDelete), 1);
    messenger_.Clear();
    messenger_.Answer(kAnswerYes);
    Click("btnVol07ClearAll");
    ExpectMessages(messenger_.Shown(),
                   {{"You will delete all fields !!!\nClick YES to Continue deleting all fields,\n"
                     "Click NO to Stop the delete process.",
                     "Delete Folder(s).-From a Folder List.            Information no: 0236.", 292},
                    {"End of the CLEAR FIELDS process !!!\n",
                     "Delete Foldere(s).-From a Folder List.           Warning no: 0237.", 48}});
    EXPECT_TRUE(Pane().IncludeLines().empty());
    EXPECT_TRUE(Find<QRadioButton>("rdoVol07DeleteSubFolders")->isChecked());
    EXPECT_FALSE(Find<QRadioButton>("rdoVol07DeleteCompleteFolders")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("chkVol07DeleteDoubleConfirm")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("chkVol07ReadOnlyFolders")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("chkVol07ShowDetailedResults")->isChecked());
    EXPECT_FALSE(Find<QWidget>("btnVol07DeleteFolders")->isEnabled());
    EXPECT_FALSE(Find<QWidget>("rdoVol07DeleteSubFolders")->isEnabled());
    EXPECT_EQ(Log().Counter(Vol07Counter::FoldersToDelete), 0);
    EXPECT_EQ(Log().Counter(Vol07Counter::FilesToDelete), 0);
    EXPECT_TRUE(Exists("Data/x.txt"));
}

TEST_F(DeleteTabTest, ClearFieldsEmptiesTheVisualLogListsWithTheirCounters) {
    File("Data/x.txt");
    Fill({"d:\\Data"});
    Click("btnVol07DeleteFoldersSimulation");
    ASSERT_EQ(Of(Vol07Category::FilesDeleted), Lines{"d:\\Data\\x.txt"});
    messenger_.Clear();
    messenger_.Answer(kAnswerYes);
    Click("btnVol07ClearAll");
    for (std::size_t i = 0; i < Log().CategoryCount(); ++i)
        EXPECT_TRUE(Log().LinesAt(i).empty()) << i;
    for (std::size_t i = 0; i < Log().CounterCount(); ++i) EXPECT_EQ(Log().CounterAt(i), 0) << i;
}

// Runs action once the modal window's loop has it shown.
void WhenShown(QWidget& window, std::function<void()> action) {
    QTimer::singleShot(1, [&window, action = std::move(action)] {
        if (window.isVisible())
            action();
        else
            WhenShown(window, action);
    });
}

// Every click either changes what the counters count, and then measures exactly the main folders
// it brought in, or lists no folder at all; either way the counters are those of a full count.
TEST_F(DeleteTabTest, ClicksMeasureOnlyTheMainFoldersTheyBringIn) {
    File("Data/A/a.txt");
    File("Data/B/b.txt");
    File("Data/B/Sub/c.txt");
    File("Data/C/d.txt");
    Fill({"d:\\Data\\A", "d:\\Data\\B"});
    FolderListPane& pane = Pane();
    const auto selectAndClick = [&](const char* list, int row, const char* button) {
        testing::SelectRows(pane.findChild<QListView*>(list), {row});
        Click(button);
    };
    const struct {
        const char* step;
        std::function<void()> click;
        int listings;
    } steps[] = {
        {"a folder the list holds already",
         [&] {
             shell_.NextFolder("d:\\Data\\A");
             Click("btnVol07AddFolder");
         },
         0},
        {"a new folder",
         [&] {
             shell_.NextFolder("d:\\Data\\C");
             Click("btnVol07AddFolder");
         },
         1},
        {"a line to the exclude list",
         [&] { selectAndClick("lstVol07IncludeFolderList", 2, "btnVol07MoveToExclude"); }, 0},
        {"and back",
         [&] { selectAndClick("lstVol07ExcludeFolderList", 0, "btnVol07MoveToInclude"); }, 1},
        {"Delete Selected on an empty exclude list", [&] { Click("btnVol07DeleteSelected"); }, 0},
        {"a line parked again",
         [&] { selectAndClick("lstVol07IncludeFolderList", 2, "btnVol07MoveToExclude"); }, 0},
        {"Delete Selected answered No",
         [&] {
             messenger_.Answer(kAnswerNo);
             selectAndClick("lstVol07ExcludeFolderList", 0, "btnVol07DeleteSelected");
         },
         0},
        {"Delete All on the exclude list",
         [&] {
             messenger_.Answer(kAnswerYes);
             Click("btnVol07DeleteAll");
         },
         0},
        {"Export, closed",
         [&] {
             WhenShown(*windows_->fileExport, [&] {
                 windows_->fileExport->findChild<QPushButton*>("btnFileExportClose")->click();
             });
             Click("btnVol07ExportList");
         },
         0},
        {"Import, cancelled",
         [&] {
             WhenShown(*windows_->fileImport, [&] {
                 windows_->fileImport->findChild<QPushButton*>("btnFileImportCancel")->click();
             });
             Click("btnVol07ImportList");
         },
         0},
        // d:\Data\A lists itself, d:\Data\B itself and Sub.
        {"another mode", [&] { Click("rdoVol07DeleteCompleteFolders"); }, 3},
        {"the Visual Log button", [&] { Click("btnVol07Statistics"); }, 0},
    };
    for (const auto& s : steps) {
        fs_.ResetCalls();
        s.click();
        EXPECT_EQ(fs_.Calls(FaultyFileSystem::Op::Enumerate), s.listings) << s.step;
        VisualLog full(VisualLogTab::Vol07);
        const DeleteTabMode mode = Find<QRadioButton>("rdoVol07DeleteCompleteFolders")->isChecked()
                                       ? DeleteTabMode::Complete
                                       : DeleteTabMode::SubfoldersOnly;
        RefreshDeleteToDo(drives_.Fs(), drives_.TextPort(), full, Pane().IncludeLines(), mode, {});
        for (const Vol07Counter counter :
             {Vol07Counter::FoldersToDelete, Vol07Counter::FilesToDelete})
            EXPECT_EQ(Log().Counter(counter), full.Counter(counter)) << s.step;
    }
    EXPECT_EQ(Pane().IncludeLines(), (Lines{"d:\\Data\\A", "d:\\Data\\B"}));
    windows_->statistics07->hide();
}

}  // namespace
}  // namespace arbovane
