#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>

#include "core/app/ProgramSettings.h"
#include "gui/acquire/TfrmEditSmartImport.h"
#include "gui/acquire/TfrmFileImport.h"
#include "gui/app/GuiContext.h"
#include "gui/lists/TfrmZoomIncludeWindow.h"
#include "support/ListViews.h"
#include "support/ScriptedMessenger.h"
#include "support/ScriptedShell.h"
#include "support/TempDrives.h"

namespace arbovane {
namespace {

using testing::ScriptedMessenger;
using testing::ScriptedShell;
using testing::ShownMessage;
using testing::TempDrives;
using Lines = std::vector<std::string>;

const ShownMessage kExtensionQuestion{
    "The file extension is not txt.\nMaybe it is not a plain text file. \nDo you want to select "
    "this file ?\nClick YES to Continue Selecting this file,\nClick NO to Stop the Select "
    "process.",
    "Import File content.            Warnings no: 0311.", 292};
const ShownMessage kBrowseFailed{
    "There was a problem opening the file !\nAction : The file is maybe corrupted.",
    "Import File content.            Warnings no: 0312.", 48};
const ShownMessage kCreateFailed{
    "There was a problem opening the file !\nAction : The file is maybe corrupted.",
    "Import File content.            Warnings no: 0313.", 48};
const ShownMessage kBrowseDone{"End of the IMPORT process!",
                               "Import File content.            Information no: 0450.", 64};
const ShownMessage kCreateDone{"End of the making FOLDER LIST process! (Preview)",
                               "Import File content.            Information no: 0451.", 64};

// Acts on a modal window once its exec() has shown it; filling it may let timers run earlier.
void WhenShown(QWidget& window, std::function<void()> action) {
    QTimer::singleShot(0, [&window, action] {
        if (window.isVisible())
            action();
        else
            WhenShown(window, action);
    });
}

class TfrmFileImportTest : public ::testing::Test {
protected:
    TfrmFileImportTest() : host_(drives_.Map('D')) {}

    TfrmFileImport& Dialog() {
        if (!dialog_) dialog_ = std::make_unique<TfrmFileImport>(context_);
        return *dialog_;
    }
    template <typename Widget>
    Widget* Find(const char* name) {
        Widget* widget = Dialog().findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    std::string Label(const char* name) { return Find<QLabel>(name)->text().toStdString(); }
    bool Enabled(const char* name) { return Find<QWidget>(name)->isEnabled(); }
    Lines Items(const char* name) { return testing::RowTexts(Find<QListView>(name)); }
    void Write(const std::string& name, const std::string& content) {
        TempDrives::WriteHostFile(host_ + "/" + name, content);
    }
    // Browses for the file, answering the extension question with answer when it comes.
    void Browse(const std::string& path, int answer = kAnswerYes) {
        shell_.NextFile(path);
        messenger_.Answer(answer);
        Dialog().btnFileImportBrowseClick();
    }
    void ExpectShown(const std::vector<ShownMessage>& expected) {
        testing::ExpectMessages(messenger_.Shown(), expected);
        messenger_.Clear();
    }
    void SelectSeparated(const std::string& delimiter) {
        Find<QRadioButton>("rdoFileImportSeparatedFile")->click();
        Find<QComboBox>("cboFileImportDelimiter")
            ->setCurrentText(QString::fromStdString(delimiter));
    }

    TempDrives drives_;
    std::string host_;
    ScriptedMessenger messenger_;
    ScriptedShell shell_;
    ProgramSettings settings_;
    GuiContext context_{drives_.Fs(), drives_.TextPort(), messenger_, shell_, settings_};
    std::unique_ptr<TfrmFileImport> dialog_;
};

TEST_F(TfrmFileImportTest, StartsEmptyWithTheDefinedCaptionsAndOnlyBrowseToDo) {
    EXPECT_EQ(Dialog().windowTitle().toStdString(),
              "Import Folders/Subfolders/Strings  from a Text File.");
    const struct {
        const char* name;
        const char* caption;
    } captions[] = {
        {"btnFileImportBrowse", "Browse"},
        {"btnFileImportCreate", "Create a      Folder/String  List"},
        {"btnFileImportClearAll", "Clear All  "},
        {"btnFileImportZoomSource", "Zoom"},
        {"btnFileImportZoomResults", "Zoom"},
        {"btnFileImportEdit", "Edit"},
        {"btnFileImportImport", "IMPORT"},
        {"rdoFileImportPlainText", "From  a Plain Text File (One line - One String)."},
        {"rdoFileImportSeparatedFile", "From a CSV/ Separated file."},
        {"rdoFileImportAllColumns", "All columns"},
        {"rdoFileImportOneColumn", "Select a Column :"},
        {"chkFileImportAbandonQMarks", "Abandon Quotation Marks around strings (if any)."},
    };
    for (const auto& c : captions)
        EXPECT_EQ(Find<QAbstractButton>(c.name)->text().toStdString(), c.caption) << c.name;
    EXPECT_EQ(Label("lblFileImportSource"), "Source File (Preview)");
    EXPECT_EQ(Label("lblFileImportResults"), "Created List from the Source");
    EXPECT_EQ(Label("lblFileImportSourceLines"), "0");
    EXPECT_EQ(Label("lblFileImportPreviewLines"), "0");
    EXPECT_TRUE(Find<QRadioButton>("rdoFileImportPlainText")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("chkFileImportAbandonQMarks")->isChecked());
    EXPECT_EQ(Find<QLineEdit>("edtFileImportColumnNumber")->text(), "1");
    EXPECT_TRUE(Find<QPushButton>("btnFileImportImport")->isDefault());
    for (const char* name :
         {"btnFileImportCreate", "btnFileImportEdit", "btnFileImportImport", "lstFileImportResults",
          "btnFileImportZoomResults", "chkFileImportAbandonQMarks", "lblFileImportStep2",
          "lblFileImportStep3", "cboFileImportDelimiter", "btnFileImportManageSeparators",
          "btnFileImportManageQuotationMarks"})
        EXPECT_FALSE(Enabled(name)) << name;
    EXPECT_TRUE(Enabled("btnFileImportBrowse"));
    EXPECT_TRUE(messenger_.Shown().empty());
}

TEST_F(TfrmFileImportTest, TheDelimitersComeFromTheSettingsOrTheBuiltInList) {
    auto* combo = Find<QComboBox>("cboFileImportDelimiter");
    ASSERT_EQ(combo->count(), 17);
    EXPECT_EQ(combo->itemText(0), ",");
    EXPECT_EQ(combo->itemText(1), "\"");
    EXPECT_EQ(combo->itemText(16), "space");
    settings_.separators = {"Tab", ";", "tab"};
    Dialog().FillSeparators();
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->currentText(), "Tab");
}

TEST_F(TfrmFileImportTest, ACsvFileIsAskedAboutFirst) {
    Write("list.csv", "a;b\n");
    Browse("d:\\list.csv", kAnswerNo);
    ExpectShown({kExtensionQuestion});
    EXPECT_EQ(Find<QLineEdit>("edtFileImportFileName")->text(), "");
    EXPECT_TRUE(Items("lstFileImportSource").empty());

    Browse("d:\\list.csv", kAnswerYes);
    ExpectShown({kExtensionQuestion, kBrowseDone});
    EXPECT_EQ(Find<QLineEdit>("edtFileImportFileName")->text(), "d:\\list.csv");
    EXPECT_EQ(Items("lstFileImportSource"), (Lines{"a;b"}));

    ASSERT_EQ(shell_.Calls().size(), 2u);
    EXPECT_EQ(shell_.Calls()[0].title, "Import Folder Names (strings) from Files.");
    EXPECT_EQ(shell_.Calls()[0].argument,
              "Text Files (*.txt)|*.txt|Comma Separated (*.csv)|*.csv|All Files (*.*)|*.*");
}

TEST_F(TfrmFileImportTest, BrowseLoadsTheLinesAndOpensTheNextSteps) {
    Write("list.txt", "  d:\\A  \r\n\r\n   \nd:\\A\r\nd:\\B");
    Browse("d:\\list.txt");
    ExpectShown({kBrowseDone});
    // The source keeps lines as they stand, duplicates included.
    EXPECT_EQ(Items("lstFileImportSource"), (Lines{"  d:\\A  ", "d:\\A", "d:\\B"}));
    EXPECT_EQ(Label("lblFileImportSourceLines"), "3");
    for (const char* name : {"btnFileImportCreate", "btnFileImportEdit", "lstFileImportResults",
                             "chkFileImportAbandonQMarks", "lblFileImportStep2"})
        EXPECT_TRUE(Enabled(name)) << name;
    EXPECT_FALSE(Enabled("btnFileImportImport"));

    Browse("d:\\missing.txt");
    ExpectShown({kBrowseFailed});
    EXPECT_EQ(Items("lstFileImportSource").size(), 3u);

    // Enter in the file-name field browses; a cancelled dialog changes nothing.
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(Find<QLineEdit>("edtFileImportFileName"), &enter);
    EXPECT_EQ(shell_.Calls().size(), 3u);
    EXPECT_EQ(Items("lstFileImportSource").size(), 3u);
    EXPECT_TRUE(messenger_.Shown().empty());
}

TEST_F(TfrmFileImportTest, ThePreviewNeverHoldsDuplicates) {
    Write("list.txt", "d:\\A\n  d:\\A  \n\"D:\\A\"\nd:\\B\nD:\\B\n");
    Browse("d:\\list.txt");
    messenger_.Clear();
    Dialog().btnFileImportCreateClick();
    ExpectShown({kCreateDone});
    EXPECT_EQ(Items("lstFileImportResults"), (Lines{"d:\\A", "d:\\B"}));
    EXPECT_EQ(Dialog().ResultLines(), (Lines{"d:\\A", "d:\\B"}));
    // The counter shows the items looked at, not the ones kept.
    EXPECT_EQ(Label("lblFileImportPreviewLines"), "5");
    EXPECT_TRUE(Enabled("btnFileImportImport"));
    EXPECT_TRUE(Enabled("lblFileImportStep3"));

    // A second Create starts the preview afresh.
    Dialog().btnFileImportCreateClick();
    EXPECT_EQ(Items("lstFileImportResults"), (Lines{"d:\\A", "d:\\B"}));
}

TEST_F(TfrmFileImportTest, SeparatedFilesByAllColumnsOrOneColumn) {
    Write("list.txt", "x \"y z\"\nu v\n");
    Browse("d:\\list.txt");
    SelectSeparated("   ");
    Find<QCheckBox>("chkFileImportAbandonQMarks")->setChecked(false);
    Dialog().btnFileImportCreateClick();
    EXPECT_EQ(Items("lstFileImportResults"), (Lines{"\"x\"", "\"y z\"", "\"u\"", "\"v\""}));

    Find<QCheckBox>("chkFileImportAbandonQMarks")->setChecked(true);
    Find<QRadioButton>("rdoFileImportOneColumn")->click();
    EXPECT_TRUE(Enabled("edtFileImportColumnNumber"));
    Find<QLineEdit>("edtFileImportColumnNumber")->setText("2.8");
    Dialog().btnFileImportCreateClick();
    EXPECT_EQ(Items("lstFileImportResults"), (Lines{"y z", "v"}));
}

TEST_F(TfrmFileImportTest, AColumnThatIsNoNumberIsRefusedWithAWarning) {
    Write("list.txt", "a;b\n");
    Browse("d:\\list.txt");
    SelectSeparated(";");
    Dialog().btnFileImportCreateClick();
    EXPECT_EQ(Items("lstFileImportResults"), (Lines{"a", "b"}));
    Find<QRadioButton>("rdoFileImportOneColumn")->click();
    Find<QLineEdit>("edtFileImportColumnNumber")->setText("two");
    messenger_.Clear();
    Dialog().btnFileImportCreateClick();
    ExpectShown(
        {{"The column number is not a number !\nAction : Enter a whole number from 1 in "
          "the column field.",
          "Import File content.            Warnings no: 0314.", 48}});
    EXPECT_EQ(Items("lstFileImportResults"), (Lines{"a", "b"}));
}

TEST_F(TfrmFileImportTest, CreateOnAVanishedFileEmptiesThePreviewWithMessage0313) {
    Write("list.txt", "a\n");
    Browse("d:\\list.txt");
    Dialog().btnFileImportCreateClick();
    std::filesystem::remove(host_ + "/list.txt");
    messenger_.Clear();
    Dialog().btnFileImportCreateClick();
    ExpectShown({kCreateFailed});
    EXPECT_TRUE(Items("lstFileImportResults").empty());
    EXPECT_FALSE(Enabled("btnFileImportImport"));
}

TEST_F(TfrmFileImportTest, ClearAllResetsTheFileTheListsAndTheChoices) {
    Write("list.txt", "a;b\n");
    Browse("d:\\list.txt");
    SelectSeparated(";");
    Find<QRadioButton>("rdoFileImportOneColumn")->click();
    Find<QLineEdit>("edtFileImportColumnNumber")->setText("2");
    Dialog().btnFileImportCreateClick();
    Find<QCheckBox>("chkFileImportAbandonQMarks")->setChecked(false);
    Find<QComboBox>("cboFileImportDelimiter")->setCurrentIndex(5);

    Find<QPushButton>("btnFileImportClearAll")->click();
    EXPECT_EQ(Find<QLineEdit>("edtFileImportFileName")->text(), "");
    EXPECT_TRUE(Items("lstFileImportSource").empty());
    EXPECT_TRUE(Items("lstFileImportResults").empty());
    EXPECT_TRUE(Find<QRadioButton>("rdoFileImportPlainText")->isChecked());
    EXPECT_EQ(Find<QLineEdit>("edtFileImportColumnNumber")->text(), "1");
    EXPECT_TRUE(Find<QCheckBox>("chkFileImportAbandonQMarks")->isChecked());
    EXPECT_EQ(Find<QComboBox>("cboFileImportDelimiter")->currentIndex(), 0);
    EXPECT_FALSE(Enabled("btnFileImportCreate"));
    EXPECT_FALSE(Enabled("btnFileImportImport"));
}

TEST_F(TfrmFileImportTest, TheColumnUpDownWrapsAtOne) {
    auto* column = Find<QLineEdit>("edtFileImportColumnNumber");
    Dialog().udFileImportColumnNumberClick(true);
    EXPECT_EQ(column->text(), "2");
    column->setText("1");
    Dialog().udFileImportColumnNumberClick(false);
    EXPECT_EQ(column->text(), "100");
    Dialog().udFileImportColumnNumberClick(true);
    EXPECT_EQ(column->text(), "1");
}

TEST_F(TfrmFileImportTest, ImportHandsThePreviewBackAndTheLinesGoWithTheDialog) {
    Write("list.txt", "d:\\A\nd:\\B\n");
    Browse("d:\\list.txt");
    Dialog().btnFileImportCreateClick();
    std::string message;
    EXPECT_FALSE(Dialog().CheckImportFull(message));
    EXPECT_TRUE(Dialog().CheckImportRelative(message));
    WhenShown(Dialog(), [this] { Find<QPushButton>("btnFileImportImport")->click(); });
    Lines lines;
    EXPECT_TRUE(Dialog().ImportLines(lines));
    EXPECT_EQ(lines, (Lines{"d:\\A", "d:\\B"}));

    // Reopened, it shows the file name and the choices, but no lines: a closed dialog holds none.
    Lines shown;
    bool importable = true;
    WhenShown(Dialog(), [&] {
        shown = Items("lstFileImportSource");
        const Lines preview = Items("lstFileImportResults");
        shown.insert(shown.end(), preview.begin(), preview.end());
        importable = Enabled("btnFileImportImport") || Enabled("btnFileImportCreate");
        Find<QPushButton>("btnFileImportCancel")->click();
    });
    Lines cancelled;
    EXPECT_FALSE(Dialog().ImportLines(cancelled));
    EXPECT_TRUE(cancelled.empty());
    EXPECT_TRUE(shown.empty());
    EXPECT_FALSE(importable);
    EXPECT_EQ(Label("lblFileImportSourceLines"), "0");
    EXPECT_EQ(Label("lblFileImportPreviewLines"), "0");
    EXPECT_EQ(Find<QLineEdit>("edtFileImportFileName")->text().toStdString(), "d:\\list.txt");
    EXPECT_TRUE(Dialog().ResultLines().empty());
    EXPECT_TRUE(Dialog().SourceLines().empty());

    // A cancelled dialog lets its lines go too.
    Browse("d:\\list.txt");
    Dialog().btnFileImportCreateClick();
    WhenShown(Dialog(), [this] { Find<QPushButton>("btnFileImportCancel")->click(); });
    EXPECT_FALSE(Dialog().ImportLines(cancelled));
    EXPECT_TRUE(Dialog().ResultLines().empty());
    EXPECT_TRUE(Items("lstFileImportSource").empty());
}

TEST_F(TfrmFileImportTest, EditRebuildsThePreviewAndZoomGathersTheLines) {
    TfrmEditSmartImport edit(context_);
    TfrmZoomIncludeWindow zoom(context_);
    Dialog().SetEditWindow(&edit);
    Dialog().SetZoomWindow(&zoom);
    Write("list.txt", "d:\\A\nd:\\A\nd:\\B\n");
    Browse("d:\\list.txt");
    Dialog().btnFileImportCreateClick();

    WhenShown(edit, [&edit] {
        auto* memo = edit.findChild<QPlainTextEdit*>("mmoEditSmartImport");
        EXPECT_EQ(memo->toPlainText().toStdString(), "d:\\A\nd:\\B");
        EXPECT_EQ(edit.findChild<QLabel*>("lblEditSmartImportLinesSum")->text(), "2");
        memo->setPlainText("  e:/x//y \n\nE:\\x\\y\nd:\\B");
        edit.findChild<QPushButton*>("btnEditSmartImportOK")->click();
    });
    Dialog().btnFileImportEditClick();
    EXPECT_EQ(Items("lstFileImportResults"), (Lines{"e:\\x\\y", "d:\\B"}));
    EXPECT_TRUE(edit.MemoLines().empty());

    WhenShown(edit, [&edit] {
        edit.findChild<QPlainTextEdit*>("mmoEditSmartImport")->setPlainText("z:\\gone");
        edit.findChild<QPushButton*>("btnEditSmartImportCancel")->click();
    });
    Dialog().btnFileImportEditClick();
    EXPECT_EQ(Items("lstFileImportResults"), (Lines{"e:\\x\\y", "d:\\B"}));

    WhenShown(zoom, [&zoom] { zoom.accept(); });
    Dialog().btnFileImportZoomSourceClick();
    WhenShown(zoom, [&zoom] { zoom.accept(); });
    Dialog().btnFileImportZoomResultsClick();
    EXPECT_EQ(zoom.Lines(), (Lines{"d:\\A", "d:\\B", "e:\\x\\y"}));
}

}  // namespace
}  // namespace arbovane
