#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "core/app/ProgramSettings.h"
#include "core/app/RestoreClass.h"
#include "gui/app/GuiContext.h"
#include "gui/templates/TfrmFileSelection.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedMessenger.h"
#include "support/ScriptedShell.h"
#include "support/TempDrives.h"

namespace arbovane {
namespace {

using testing::FaultyFileSystem;
using testing::ExpectMessages;
using testing::ScriptedMessenger;
using testing::ScriptedShell;
using testing::ShownMessage;
using testing::TempDrives;
using Lines = std::vector<std::string>;

const ShownMessage k0542{
    "Both Copy and Delete Processes will use selected files (if the <Select Files> button is "
    "active).\n",
    "File Selection.            Warning no: 0542.", 48, MessageOwner::MainWindow};
const ShownMessage k0519{
    "Odd number of marks(separators) : 1\n\nAction : You must enter an even number of "
    "separators(marks).",
    "Warning !    Msg no: 0519.", 48, MessageOwner::System};
const ShownMessage k0545{"Empty List in the File Names Menu!\n",
                         "File Selection.            Warning no: 0545.", 48,
                         MessageOwner::MainWindow};
const ShownMessage k0546{"Do you want to delete all item(s) from the File Names Menu ?",
                         "File Selection.            Warning no: 0546.", 292,
                         MessageOwner::MainWindow};
const ShownMessage k0130{
    "Unable to open output file to save settings !\n\nAction: Try to save again the settings, or "
    "\n\nimmediately e-mail us, please!",
    "Severe Error!    Msg no: 0130.", 16, MessageOwner::System};

class TfrmFileSelectionTest : public ::testing::Test {
protected:
    TfrmFileSelectionTest() : hostD_(drives_.Map('D')), fs_(drives_.Fs()) {
        // A first start.
        settings_.defaultDirectory = "D:\\";
        settings_.selectedPatterns = {"*.*"};
    }

    TfrmFileSelection& Dialog() {
        if (!dialog_) dialog_ = std::make_unique<TfrmFileSelection>(context_);
        return *dialog_;
    }
    QComboBox* Names() { return Dialog().findChild<QComboBox*>("cboFileManNames"); }
    std::string Entry() { return Names()->currentText().toStdString(); }
    void Type(const std::string& entry) { Names()->setEditText(QString::fromStdString(entry)); }
    // Runs the dialog modally, types the entry and presses OK; returns the dialog's result.
    int RunAndOk(const std::string& entry) {
        QTimer::singleShot(0, [this, entry] {
            Type(entry);
            Dialog().findChild<QPushButton*>("btnFileManOK")->click();
        });
        return Dialog().Run();
    }
    // The "Sel. Types:" texts the dialog hands out, in order.
    const std::vector<std::string>& RecordLabels() {
        QObject::connect(&Dialog(), &TfrmFileSelection::FileTypesLabelChanged,
                         [this](const QString& text) { labels_.push_back(text.toStdString()); });
        return labels_;
    }
    ProgramSettings SavedSettings() {
        ProgramSettings read;
        read.defaultDirectory = "D:\\";
        EXPECT_TRUE(RestoreClass(drives_.Fs()).Restore(read));
        return read;
    }

    TempDrives drives_;
    std::string hostD_;
    FaultyFileSystem fs_;
    ScriptedMessenger messenger_;
    ScriptedShell shell_;
    ProgramSettings settings_;
    GuiContext context_{fs_, drives_.TextPort(), messenger_, shell_, settings_};
    std::unique_ptr<TfrmFileSelection> dialog_;
    std::vector<std::string> labels_;
};

TEST_F(TfrmFileSelectionTest, CreatedWithItsCaptions) {
    EXPECT_EQ(Dialog().windowTitle().toStdString(), "File Selection");
    EXPECT_TRUE(Dialog().isModal());
    ASSERT_NE(Dialog().findChild<QGroupBox*>("grpFileSelection"), nullptr);
    EXPECT_EQ(Dialog().findChild<QGroupBox*>("grpFileSelection")->title().toStdString(),
              "Selecting File names and/or File Types ( extensions)");
    const struct {
        const char* name;
        const char* caption;
    } labels[] = {
        {"lblMagyarazat",
         "File names and extensions - wildcard supported (*.*    a*.txt    b?.html)"},
        {"lblFileManNames", "File Names and Extensions :"},
    };
    for (const auto& l : labels) {
        auto* label = Dialog().findChild<QLabel*>(l.name);
        ASSERT_NE(label, nullptr) << l.name;
        EXPECT_EQ(label->text().toStdString(), l.caption);
    }
    const struct {
        const char* name;
        const char* caption;
        bool enabled;
    } buttons[] = {{"btnFileManClearFileNames", "Clear Menu", true},
                   {"btnFileSelectionHelp", "Help", false},
                   {"btnFileManOK", "OK", true},
                   {"btnFileManCancel", "Cancel", true}};
    for (const auto& b : buttons) {
        auto* button = Dialog().findChild<QPushButton*>(b.name);
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->text().toStdString(), b.caption);
        EXPECT_EQ(button->isEnabled(), b.enabled) << b.name;
    }
    ASSERT_NE(Names(), nullptr);
    EXPECT_TRUE(Names()->isEditable());
}

TEST_F(TfrmFileSelectionTest, ActivationOffersMenuAndSelectsTheCurrentText) {
    Dialog().FormActivate();
    EXPECT_EQ(Dialog().MenuItems(), (Lines{"*.*"}));
    EXPECT_EQ(Entry(), "*.*");

    settings_.namesMenu = {"*.txt", "*.DOC", "*.doc"};
    settings_.selectionText = "*.doc";
    Dialog().FormActivate();
    EXPECT_EQ(Dialog().MenuItems(), (Lines{"*.*", "*.txt", "*.DOC"}));
    EXPECT_EQ(Names()->currentIndex(), 2);
    EXPECT_EQ(Entry(), "*.DOC");
}

TEST_F(TfrmFileSelectionTest, OkReplacesTheSelectionSavesItAndCloses) {
    const std::vector<std::string>& labels = RecordLabels();
    EXPECT_EQ(RunAndOk("*.txt \"my report.doc\" f?sd.exe"), QDialog::Accepted);
    ExpectMessages(messenger_.Shown(), {k0542});
    const Lines patterns{"*.txt", "my report.doc", "f?sd.exe"};
    const std::string text = "*.txt \"my report.doc\" f?sd.exe";
    EXPECT_EQ(settings_.selectedPatterns, patterns);
    EXPECT_EQ(settings_.selectionText, text);
    EXPECT_EQ(settings_.namesMenu, (Lines{"*.*", text}));
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0], ".txt .doc .exe");

    const ProgramSettings saved = SavedSettings();
    EXPECT_EQ(saved.selectedPatterns, patterns);
    EXPECT_EQ(saved.selectionText, text);
    EXPECT_EQ(saved.namesMenu, (Lines{"*.*", text}));

    // The next activation shows the canonical text again.
    Dialog().FormActivate();
    EXPECT_EQ(Entry(), text);
    EXPECT_EQ(Dialog().MenuItems(), (Lines{"*.*", text}));
}

TEST_F(TfrmFileSelectionTest, OddQuotesKeepTheSelectionButStillCloseWithOk) {
    settings_.selectedPatterns = {"*.txt"};
    settings_.selectionText = "*.txt";
    settings_.namesMenu = {"*.txt"};
    const std::vector<std::string>& labels = RecordLabels();
    EXPECT_EQ(RunAndOk("\"a.txt"), QDialog::Accepted);
    ExpectMessages(messenger_.Shown(), {k0542, k0519});
    EXPECT_EQ(settings_.selectedPatterns, (Lines{"*.txt"}));
    EXPECT_EQ(settings_.selectionText, "*.txt");
    EXPECT_EQ(settings_.namesMenu, (Lines{"*.txt"}));
    EXPECT_TRUE(labels.empty());
    EXPECT_EQ(SavedSettings().selectionText, "*.txt");
}

TEST_F(TfrmFileSelectionTest, SaveFailureIsReportedAfterTheChange) {
    fs_.FailOn(FaultyFileSystem::Op::WriteWholeFile, "*");
    EXPECT_EQ(RunAndOk("*.log"), QDialog::Accepted);
    ExpectMessages(messenger_.Shown(), {k0542, k0130});
    EXPECT_EQ(settings_.selectedPatterns, (Lines{"*.log"}));
}

TEST_F(TfrmFileSelectionTest, ClearMenuWarnsAsksAndEmptiesOnlyOnYes) {
    Dialog().btnFileManClearFileNamesClick();
    ExpectMessages(messenger_.Shown(), {k0545});

    settings_.namesMenu = {"*.txt", "*.doc"};
    Dialog().FormActivate();
    messenger_.Clear();
    messenger_.Answer(kAnswerNo);
    Dialog().btnFileManClearFileNamesClick();
    ExpectMessages(messenger_.Shown(), {k0546});
    EXPECT_EQ(Dialog().MenuItems(), (Lines{"*.txt", "*.doc", "*.*"}));

    messenger_.Clear();
    messenger_.Answer(kAnswerYes);
    Dialog().btnFileManClearFileNamesClick();
    ExpectMessages(messenger_.Shown(), {k0546});
    EXPECT_TRUE(Dialog().MenuItems().empty());
    EXPECT_EQ(Entry(), "");
}

TEST_F(TfrmFileSelectionTest, CancelAfterClearMenuKeepsTheNamesMenu) {
    settings_.namesMenu = {"*.txt", "*.doc"};
    settings_.selectionText = "*.doc";
    const ProgramSettings before = settings_;
    messenger_.Answer(kAnswerYes);
    QTimer::singleShot(0, [this] {
        Dialog().findChild<QPushButton*>("btnFileManClearFileNames")->click();
        Dialog().findChild<QPushButton*>("btnFileManCancel")->click();
    });
    EXPECT_EQ(Dialog().Run(), QDialog::Rejected);
    EXPECT_EQ(settings_, before);
    EXPECT_TRUE(Dialog().MenuItems().empty());

    Dialog().FormActivate();
    EXPECT_EQ(Dialog().MenuItems(), (Lines{"*.txt", "*.doc"}));
    EXPECT_EQ(Entry(), "*.doc");
}

TEST_F(TfrmFileSelectionTest, OkAfterClearMenuKeepsOnlyTheNewText) {
    settings_.namesMenu = {"*.txt", "*.doc"};
    messenger_.Answer(kAnswerYes);
    QTimer::singleShot(0, [this] {
        Dialog().btnFileManClearFileNamesClick();
        Type("*.pdf");
        Dialog().btnFileManOKClick();
    });
    EXPECT_EQ(Dialog().Run(), QDialog::Accepted);
    EXPECT_EQ(settings_.namesMenu, (Lines{"*.pdf"}));
    EXPECT_EQ(SavedSettings().namesMenu, (Lines{"*.pdf"}));
}

}  // namespace
}  // namespace arbovane
