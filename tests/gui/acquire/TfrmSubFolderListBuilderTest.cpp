#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <memory>

#include "core/app/ProgramSettings.h"
#include "gui/acquire/TfrmFLLEditIncludeFolderList.h"
#include "gui/acquire/TfrmFileExport.h"
#include "gui/acquire/TfrmSubFolderListBuilder.h"
#include "gui/app/GuiContext.h"
#include "gui/templates/TfrmLevelSummFolder.h"
#include "support/ListViews.h"
#include "support/ScriptedMessenger.h"
#include "support/ScriptedShell.h"
#include "support/TempDrives.h"

namespace arbovane {
namespace {

using testing::ExpectMessages;
using testing::ScriptedMessenger;
using testing::ScriptedShell;
using testing::ShownMessage;
using testing::TempDrives;
using Lines = std::vector<std::string>;

const std::string kTitle = "SubFolder Level List Builder.            Warning no: ";
const std::string kSourceEmpty =
    "The selection field is empty !\nAction : You must select a destination folder.";
const std::string kNothingSelected =
    "There is no selected Folder Structure !\nAction : You must select a Folder with a subfolder "
    "structure.";
const ShownMessage kClearQuestion{
    "Do you want to clear the previous content of the INCLUDE window ?\nClick YES to clear the "
    "previous content,\nClick NO to leave it.",
    "SubFolder Level List Builder.            Warning no: 0580.", 292};

// d:\T holds A and D, A holds B, B holds C; x.txt (10 bytes) in T, y.doc (20 bytes) in A.
class TfrmSubFolderListBuilderTest : public ::testing::Test {
protected:
    TfrmSubFolderListBuilderTest() : host_(drives_.Map('D')) {
        for (const char* folder : {"/T/A/B/C", "/T/D"}) TempDrives::MakeHostFolder(host_ + folder);
        TempDrives::WriteHostFile(host_ + "/T/x.txt", std::string(10, 'x'));
        TempDrives::WriteHostFile(host_ + "/T/A/y.doc", std::string(20, 'y'));
        settings_.selectedPatterns = {"*.txt"};
    }

    template <typename Widget>
    Widget* Find(const char* name) {
        Widget* widget = builder_.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    std::string Text(const char* name) { return Find<QLabel>(name)->text().toStdString(); }
    std::string Field(const char* name) { return Find<QLineEdit>(name)->text().toStdString(); }
    void Click(const char* name) { Find<QAbstractButton>(name)->click(); }
    void SetSource(const std::string& text) {
        Find<QComboBox>("cboMainSourceFolder")->setEditText(QString::fromStdString(text));
    }
    void SetField(const char* name, const char* text) { Find<QLineEdit>(name)->setText(text); }
    void Select(const char* list, std::initializer_list<int> rows) {
        testing::SelectRows(Find<QListView>(list), rows);
    }
    // Acts on a modal window once its loop runs.
    static void WhenShown(QWidget& window, std::function<void()> act) {
        QTimer::singleShot(0, [&window, act] {
            if (window.isVisible())
                act();
            else
                WhenShown(window, act);
        });
    }

    TempDrives drives_;
    std::string host_;
    ScriptedMessenger messenger_;
    ScriptedShell shell_;
    ProgramSettings settings_;
    GuiContext context_{drives_.Fs(), drives_.TextPort(), messenger_, shell_, settings_};
    TfrmFLLEditIncludeFolderList editWindow_{context_};
    TfrmFileExport exportWindow_{context_};
    TfrmLevelSummFolder levelWindow_{context_};
    TfrmSubFolderListBuilder builder_{context_, editWindow_, exportWindow_, levelWindow_};
};

TEST_F(TfrmSubFolderListBuilderTest, CreatedWithItsCaptionsAndStates) {
    EXPECT_EQ(builder_.windowTitle().toStdString(), "Subfolder List Builder");
    EXPECT_EQ(editWindow_.windowTitle().toStdString(), "Edit the Include Folder List.");
    EXPECT_EQ(editWindow_.objectName().toStdString(), "frmFLLEditIncludeFolderList");
    const struct {
        const char* name;
        const char* caption;
    } buttons[] = {
        {"btnMainSourceFolderAdd", "Browse"},
        {"btnMainSourceFolderView", "View"},
        {"btnBuildList", "Build a List"},
        {"rdoFromToLevelNumber", "From:"},
        {"rdoAboveLevelNumber", "Above:"},
        {"rdoBelowLevelNumber", "Below:"},
        {"rdoBuildAllSubFolders", "All Subfolders in Path"},
        {"rdoBuildLastSubFolder", "Only the Last Subfolder"},
        {"btnMoveToExclude", ">"},
        {"btnMoveToInclude", "<"},
        {"btnMoveAllToExclude", ">>"},
        {"btnMoveAllToInclude", "<<"},
        {"btnExchangeLists", "<>"},
        {"btnEditIncludeList", "Edit List"},
        {"btnViewSelected", "View Sel."},
        {"btnExportList", "Export"},
        {"btnDeleteSelected", "Delete Selected"},
        {"btnDeleteAll", "Delete All"},
        {"btnLevels", "Levels"},
        {"btnImport", "Import"},
        {"btnCancel", "Cancel"},
    };
    for (const auto& b : buttons)
        EXPECT_EQ(Find<QAbstractButton>(b.name)->text().toStdString(), b.caption) << b.name;
    const struct {
        const char* name;
        const char* text;
    } labels[] = {{"lblMainLevelSumSubFolder", "0"},
                  {"lblMainLevelSumFiles", "0"},
                  {"lblMainLevelSumFileSize", "0 bytes."},
                  {"lblFromTo", "To:"},
                  {"lblSubFolderFilter", "Subfolder Filter:"},
                  {"lblIncludeFolderList", "Include Folder List"},
                  {"lblExcludeFolderList", "Exclude Folder List"},
                  {"lblIncludeSum", "0"},
                  {"lblExcludeSum", "0"}};
    for (const auto& l : labels) EXPECT_EQ(Text(l.name), l.text) << l.name;
    EXPECT_EQ(Field("edtFromLevelNumber"), "1");
    EXPECT_EQ(Field("edtToLevelNumber"), "3");
    EXPECT_EQ(Field("edtAboveLevelNumber"), "1");
    EXPECT_EQ(Field("edtBelowLevelNumber"), "0");
    EXPECT_EQ(Field("edtSubFolderFilter"), "");
    EXPECT_EQ(Find<QComboBox>("cboMainSourceFolder")->toolTip().toStdString(),
              "Enter or Select a SourceFolder.");
    EXPECT_EQ(Find<QListView>("lstIncludeFolderList")->toolTip().toStdString(),
              "A List of Builded (Generated)  Subfolders.");
    EXPECT_EQ(Find<QListView>("lstIncludeFolderList")->selectionMode(),
              QAbstractItemView::ExtendedSelection);
    auto* header = Find<QTreeWidget>("lstViewLevelSumFolder")->headerItem();
    EXPECT_EQ(header->text(0).toStdString(), "Level Number");
    EXPECT_EQ(header->text(1).toStdString(), "Number of SubFolders");
    EXPECT_TRUE(Find<QRadioButton>("rdoFromToLevelNumber")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("rdoBuildAllSubFolders")->isChecked());
    EXPECT_TRUE(Find<QPushButton>("btnImport")->isDefault());

    const struct {
        const char* spin;
        const char* field;
        int minimum;
        bool wraps;
    } spins[] = {{"udFromLevelNumber", "edtFromLevelNumber", 1, true},
                 {"udToLevelNumber", "edtToLevelNumber", 1, true},
                 {"udAboveLevelNumber", "edtAboveLevelNumber", 1, false},
                 {"udBelowLevelNumber", "edtBelowLevelNumber", 0, false}};
    for (const auto& s : spins) {
        auto* spin = Find<QSpinBox>(s.spin);
        EXPECT_EQ(spin->minimum(), s.minimum) << s.spin;
        EXPECT_EQ(spin->maximum(), 128) << s.spin;
        EXPECT_EQ(spin->wrapping(), s.wraps) << s.spin;
        EXPECT_TRUE(spin->isEnabled()) << s.spin;
        EXPECT_TRUE(Find<QLineEdit>(s.field)->isEnabled()) << s.field;
    }
}

TEST_F(TfrmSubFolderListBuilderTest, SpinControlsStepTheirFields) {
    auto* from = Find<QSpinBox>("udFromLevelNumber");
    from->stepDown();
    EXPECT_EQ(Field("edtFromLevelNumber"), "128");  // wraps round
    SetField("edtFromLevelNumber", "5");
    from->stepUp();
    EXPECT_EQ(Field("edtFromLevelNumber"), "6");
    auto* below = Find<QSpinBox>("udBelowLevelNumber");
    below->stepDown();
    EXPECT_EQ(Field("edtBelowLevelNumber"), "0");  // no wrap: stays at the bound
    below->stepUp();
    EXPECT_EQ(Field("edtBelowLevelNumber"), "1");
}

TEST_F(TfrmSubFolderListBuilderTest, LevelRadiosResetTheFieldsAndEnableTheirOwn) {
    const struct {
        const char* radio;
        std::vector<const char*> enabled, disabled;
    } cases[] = {
        {"rdoAboveLevelNumber",
         {"edtAboveLevelNumber", "udAboveLevelNumber"},
         {"edtFromLevelNumber", "udFromLevelNumber", "lblFromTo", "edtToLevelNumber",
          "udToLevelNumber", "edtBelowLevelNumber", "udBelowLevelNumber"}},
        {"rdoBelowLevelNumber",
         {"edtBelowLevelNumber", "udBelowLevelNumber"},
         {"edtFromLevelNumber", "lblFromTo", "edtToLevelNumber", "edtAboveLevelNumber",
          "udAboveLevelNumber"}},
        {"rdoFromToLevelNumber",
         {"edtFromLevelNumber", "udFromLevelNumber", "lblFromTo", "edtToLevelNumber",
          "udToLevelNumber"},
         {"edtAboveLevelNumber", "edtBelowLevelNumber", "udBelowLevelNumber"}},
    };
    for (const auto& c : cases) {
        SetField("edtToLevelNumber", "7");
        Click(c.radio);
        EXPECT_TRUE(Find<QRadioButton>(c.radio)->isChecked());
        for (const char* field : {"edtFromLevelNumber", "edtToLevelNumber", "edtAboveLevelNumber",
                                  "edtBelowLevelNumber"})
            EXPECT_EQ(Field(field), "1") << c.radio << " " << field;
        for (const char* name : c.enabled)
            EXPECT_TRUE(Find<QWidget>(name)->isEnabled()) << c.radio << " " << name;
        for (const char* name : c.disabled)
            EXPECT_FALSE(Find<QWidget>(name)->isEnabled()) << c.radio << " " << name;
    }
    EXPECT_TRUE(Find<QRadioButton>("rdoBuildAllSubFolders")->isChecked());
}

TEST_F(TfrmSubFolderListBuilderTest, LeavingFromOrToRepairsThem) {
    SetField("edtFromLevelNumber", "x");
    SetField("edtToLevelNumber", "2.5");
    builder_.edtToLevelNumberExit();
    EXPECT_EQ(Field("edtFromLevelNumber"), "1");
    EXPECT_EQ(Field("edtToLevelNumber"), "1");
    SetField("edtFromLevelNumber", "4");
    SetField("edtToLevelNumber", "");
    builder_.edtFromLevelNumberExit();
    EXPECT_EQ(Field("edtToLevelNumber"), "4");
}

TEST_F(TfrmSubFolderListBuilderTest, QuestionComesBeforeTheStartAfterEndWarning) {
    builder_.Model().Include().Add("d:\\Old");
    builder_.ListsChanged();
    SetSource("d:\\T");
    SetField("edtFromLevelNumber", "3");
    SetField("edtToLevelNumber", "2");
    messenger_.Answer(kAnswerYes);
    Click("btnBuildList");
    ExpectMessages(
        messenger_.Shown(),
        {kClearQuestion,
         {"The Start Number is greater then the End one!\nAction : You must enter a Start number "
          "that is smaller than the End one.",
          "SubFolder Level List Builder.            Warning no: 0581.", 48}});
    // Yes emptied the list before the levels were read.
    EXPECT_TRUE(builder_.IncludeLines().empty());
    EXPECT_EQ(Text("lblIncludeSum"), "0");
}

TEST_F(TfrmSubFolderListBuilderTest, BuildSkipsWhatTheExcludeListHolds) {
    builder_.Model().Include().Add("d:\\Old");
    // The drive letter is the program's own name: D:\\T\\D is d:\\T\\D.
    builder_.Model().Exclude().Add("D:\\T\\D");
    builder_.ListsChanged();
    SetSource(" d:\\T ");
    SetField("edtToLevelNumber", "2");
    Click("btnBuildList");  // No keeps the earlier content
    ExpectMessages(messenger_.Shown(), {kClearQuestion});
    EXPECT_EQ(builder_.IncludeLines(), (Lines{"d:\\Old", "d:\\T\\A", "d:\\T\\A\\B"}));
    EXPECT_EQ(Text("lblIncludeSum"), "3");
    EXPECT_EQ(Text("lblExcludeSum"), "1");

    messenger_.Clear();
    messenger_.Answer(kAnswerYes);
    Click("rdoBelowLevelNumber");
    Click("rdoBuildLastSubFolder");
    Click("btnBuildList");
    ExpectMessages(messenger_.Shown(), {kClearQuestion});
    EXPECT_EQ(builder_.IncludeLines(), (Lines{"d:\\T\\A\\B\\C"}));
    EXPECT_EQ(testing::RowCount(Find<QListView>("lstIncludeFolderList")), 1);
}

TEST_F(TfrmSubFolderListBuilderTest, BuildRefusals) {
    const std::string noResults =
        "There are no matching results for subfolder selection !\nAction : You must select a "
        "proper Subfolder level, or a filter.";
    const struct {
        std::string source;
        const char* radio;
        const char* field;
        const char* value;
        std::vector<ShownMessage> expected;
    } cases[] = {
        {" \t",
         "rdoFromToLevelNumber",
         "edtToLevelNumber",
         "3",
         {{kSourceEmpty, kTitle + "0579.", 48}}},
        {"d:\\T",
         "rdoAboveLevelNumber",
         "edtAboveLevelNumber",
         "two",
         {kClearQuestion,
          {"The Level Number is not a whole number !\nAction : You must enter a whole number in "
           "the level field.",
           kTitle + "0583.", 48}}},
        {"d:\\Missing",
         "rdoFromToLevelNumber",
         "edtToLevelNumber",
         "3",
         {kClearQuestion, {noResults, kTitle + "0582.", 48}}},
        {"d:\\T",
         "rdoFromToLevelNumber",
         "edtFromLevelNumber",
         "9",
         {kClearQuestion, {noResults, kTitle + "0582.", 48}}},
    };
    for (const auto& c : cases) {
        messenger_.Clear();
        SetSource(c.source);
        Click(c.radio);
        SetField(c.field, c.value);
        SetField("edtToLevelNumber", "12");
        SetField(c.field, c.value);
        Click("btnBuildList");
        ExpectMessages(messenger_.Shown(), c.expected);
        EXPECT_TRUE(builder_.IncludeLines().empty()) << c.source;
    }
}

TEST_F(TfrmSubFolderListBuilderTest, SourceFolderSummaryAndHistory) {
    shell_.NextFolder("d:\\T");
    Click("btnMainSourceFolderAdd");
    EXPECT_TRUE(messenger_.Shown().empty());
    EXPECT_EQ(Text("lblMainLevelSumSubFolder"), "4");
    EXPECT_EQ(Text("lblMainLevelSumFiles"), "2");
    EXPECT_EQ(Text("lblMainLevelSumFileSize"), "30.00 Bytes");
    auto* table = Find<QTreeWidget>("lstViewLevelSumFolder");
    ASSERT_EQ(table->topLevelItemCount(), 3);
    EXPECT_EQ(table->topLevelItem(0)->text(0).toStdString(), "1");
    EXPECT_EQ(table->topLevelItem(0)->text(1).toStdString(), "2");
    EXPECT_EQ(table->topLevelItem(2)->text(0).toStdString(), "3");

    auto* combo = Find<QComboBox>("cboMainSourceFolder");
    builder_.SetSourceFolder("d:\\T\\A");
    builder_.SetSourceFolder("D:\\T");  // held with another drive letter case: selected
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(combo->itemText(1).toStdString(), "d:\\T\\A");
    EXPECT_EQ(table->topLevelItemCount(), 3);

    Click("btnMainSourceFolderAdd");  // cancelled
    SetSource("  ");
    Click("btnMainSourceFolderView");
    ExpectMessages(messenger_.Shown(),
                   {{kSourceEmpty, kTitle + "0572.", 48}, {kSourceEmpty, kTitle + "0573.", 48}});
    SetSource(" d:\\T ");
    Click("btnMainSourceFolderView");
    ASSERT_FALSE(shell_.Calls().empty());
    EXPECT_EQ(shell_.Calls().back().kind, "open");
    EXPECT_EQ(shell_.Calls().back().argument, "d:\\T");
}

// Enter in the typed folder measures it as the source; the window stays open.
TEST_F(TfrmSubFolderListBuilderTest, EnterInTheFolderFieldSetsTheSource) {
    for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
        bool stayedOpen = false;
        WhenShown(builder_, [&] {
            auto* combo = Find<QComboBox>("cboMainSourceFolder");
            combo->lineEdit()->setText("d:\\T\\A");
            combo->lineEdit()->setFocus();
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(combo->lineEdit(), &press);
            stayedOpen = builder_.isVisible();
            Click("btnCancel");
        });
        EXPECT_EQ(builder_.Run(), QDialog::Rejected);
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(Text("lblMainLevelSumSubFolder"), "2");
        EXPECT_EQ(Text("lblMainLevelSumFiles"), "1");
        EXPECT_EQ(Find<QComboBox>("cboMainSourceFolder")->count(), 1);
    }
    EXPECT_TRUE(messenger_.Shown().empty());
}

TEST_F(TfrmSubFolderListBuilderTest, PaneWarningsAndQuestions) {
    Click("btnViewSelected");
    Click("btnLevels");
    Click("btnExportList");
    Click("btnDeleteSelected");
    Click("btnDeleteAll");
    builder_.Model().Exclude().AddAll({"d:\\x", "d:\\y", "d:\\z"});
    builder_.ListsChanged();
    Select("lstExcludeFolderList", {0, 2});
    messenger_.Answer(kAnswerYes);
    Click("btnDeleteSelected");
    EXPECT_EQ(builder_.Model().Exclude().Lines(), (Lines{"d:\\y"}));
    Click("btnDeleteAll");  // No keeps it
    EXPECT_EQ(Text("lblExcludeSum"), "1");
    ExpectMessages(
        messenger_.Shown(),
        {{kNothingSelected, kTitle + "0574.", 48},
         {kNothingSelected, kTitle + "0574.", 48},
         {"The Include Folder List is empty !\n",
          "SubFolder Level List Builder.             Warning no: 0584.", 48},
         {"The EXCLUDE list is empty !\nAction : You must enter at least one FOLDER to the "
          "EXCLUDE list to delete it.\n",
          kTitle + "0576.", 48},
         {"Empty List in the Exclude Window!\n", kTitle + "0577.", 48},
         {"Do you want to delete the selected item(s) from the Exclude list ?\nNote: You can "
          "delete ONLY from the EXCLUDE list.\n",
          kTitle + "0575.", 292},
         {"Do you want to delete all item(s) from the Exclude list ?", kTitle + "0578.", 292}});
}

TEST_F(TfrmSubFolderListBuilderTest, MovesViewAndLevelsOfTheSelection) {
    builder_.Model().Include().AddAll({"\\no drive", " d:\\T ", "d:\\T\\A"});
    builder_.ListsChanged();
    Select("lstIncludeFolderList", {0});
    Click("btnMoveToExclude");  // no drive test in the builder
    EXPECT_EQ(builder_.Model().Exclude().Lines(), (Lines{"\\no drive"}));
    EXPECT_EQ(Text("lblIncludeSum"), "2");
    EXPECT_EQ(Text("lblExcludeSum"), "1");

    Select("lstIncludeFolderList", {0});
    Click("btnViewSelected");
    EXPECT_EQ(shell_.Calls().back().argument, "d:\\T");

    bool shown = false;
    WhenShown(levelWindow_, [&] {
        const auto label = [&](const char* name) {
            return levelWindow_.findChild<QLabel*>(name)->text().toStdString();
        };
        EXPECT_EQ(levelWindow_.windowTitle().toStdString(), "Level Number - Number of Subfolders");
        EXPECT_EQ(label("lblLevelSummFolderName"), "d:\\T");
        EXPECT_EQ(label("lblLevelSummFolderSum"), "5");
        EXPECT_EQ(label("lblLevelSummFileSum"), "1");  // *.txt only
        EXPECT_EQ(label("lblLevelSummFileSize"), "10.00 Bytes  (10 bytes).");
        auto* table = levelWindow_.findChild<QTreeWidget*>("lstViewLevelSummFolder");
        EXPECT_EQ(table->headerItem()->text(1).toStdString(), "Number of Subfolders");
        EXPECT_EQ(table->topLevelItemCount(), 3);
        shown = true;
        levelWindow_.findChild<QPushButton*>("btnLevelSummFolderClose")->click();
    });
    Click("btnLevels");
    EXPECT_TRUE(shown);
    EXPECT_TRUE(messenger_.Shown().empty());

    Click("btnExchangeLists");
    EXPECT_EQ(builder_.IncludeLines(), (Lines{"\\no drive"}));
    Click("btnMoveAllToInclude");
    EXPECT_EQ(builder_.IncludeLines(), (Lines{"\\no drive", " d:\\T ", "d:\\T\\A"}));
    EXPECT_EQ(Text("lblExcludeSum"), "0");
}

TEST_F(TfrmSubFolderListBuilderTest, EditAndExportTheIncludeList) {
    builder_.Model().Include().Add("d:\\T");
    builder_.Model().Exclude().Add("d:\\x");
    builder_.ListsChanged();
    WhenShown(editWindow_, [&] {
        auto* memo = editWindow_.findChild<QPlainTextEdit*>("mmoFLLEditIncludeList");
        EXPECT_EQ(memo->toPlainText().toStdString(), "d:\\T");
        memo->setPlainText("d:\\T\nno drive");
        editWindow_.btnEditOKClick();  // refused, stays open
        EXPECT_TRUE(editWindow_.isVisible());
        memo->setPlainText("d:/T/A\nD:\\x\nd:\\T\\\\A");
        editWindow_.btnEditOKClick();
    });
    Click("btnEditIncludeList");
    ASSERT_EQ(messenger_.Shown().size(), 1u);
    EXPECT_EQ(messenger_.Shown()[0].title,
              "Folder Level List Builder.            Warning no: 0385bc.");
    EXPECT_EQ(messenger_.Shown()[0].flags, 48);
    EXPECT_EQ(builder_.IncludeLines(), (Lines{"d:\\T\\A"}));
    EXPECT_EQ(Text("lblIncludeSum"), "1");

    bool exported = false;
    WhenShown(exportWindow_, [&] {
        EXPECT_EQ(exportWindow_.SourceLines(), (Lines{"d:\\T\\A"}));
        EXPECT_EQ(exportWindow_.ContentKind(), "FOLDERS");
        exported = true;
        exportWindow_.reject();
    });
    Click("btnExportList");
    EXPECT_TRUE(exported);
}

TEST_F(TfrmSubFolderListBuilderTest, ImportAndCancelCloseWithTheirResult) {
    builder_.Model().Include().Add("d:\\T\\A");
    for (const bool import : {true, false}) {
        WhenShown(builder_, [&] { Click(import ? "btnImport" : "btnCancel"); });
        EXPECT_EQ(builder_.Run(), import ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(builder_.ClosedWithImport(), import);
        // The lists survive the closing.
        EXPECT_EQ(builder_.IncludeLines(), (Lines{"d:\\T\\A"}));
    }
}

}  // namespace
}  // namespace arbovane
