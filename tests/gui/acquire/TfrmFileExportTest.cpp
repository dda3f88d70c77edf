#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>

#include "core/app/ProgramSettings.h"
#include "gui/acquire/TfrmFileExport.h"
#include "gui/app/GuiContext.h"
#include "support/FaultyFileSystem.h"
#include "support/ListViews.h"
#include "support/ScriptedMessenger.h"
#include "support/ScriptedShell.h"
#include "support/TempDrives.h"

namespace arbovane {
namespace {

using testing::ExpectMessages;
using testing::FaultyFileSystem;
using testing::ScriptedMessenger;
using testing::ScriptedShell;
using testing::ShownMessage;
using testing::TempDrives;
using Lines = std::vector<std::string>;

// Also records the default extension, which the shared double does not keep.
class ExtensionRecordingShell : public ScriptedShell {
public:
    bool SaveFileDialog(const std::string& title, const std::string& filter,
                        const std::string& defaultExtension, const std::string& initialName,
                        std::string& chosen) override {
        extensions.push_back(defaultExtension);
        return ScriptedShell::SaveFileDialog(title, filter, defaultExtension, initialName, chosen);
    }
    std::vector<std::string> extensions;
};

const ShownMessage kEndMessage{"End of the exporting process.", "Arbovane 8.20", 0};
const ShownMessage kSaveFailed{
    "There was a problem saving the file !\nAction : The file is maybe corrupted.",
    "Export Conrent to File.            Warning no: 0330.", 48};

class TfrmFileExportTest : public ::testing::Test {
protected:
    TfrmFileExportTest() : hostD_(drives_.Map('D')), fs_(drives_.Fs()) {
        settings_.separators.clear();
    }

    TfrmFileExport& Dialog() {
        if (!dialog_) dialog_ = std::make_unique<TfrmFileExport>(context_);
        return *dialog_;
    }
    template <typename Widget>
    Widget* Find(const char* name) {
        Widget* widget = Dialog().findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    std::string Label(const char* name) { return Find<QLabel>(name)->text().toStdString(); }
    void Click(const char* name) { Find<QAbstractButton>(name)->click(); }

    // Shows the dialog as a caller would, without the modal loop.
    void Open(const Lines& lines, const std::string& kind = "FOLDERS") {
        Dialog().hide();
        Dialog().PrepareExport(lines, kind);
        Dialog().show();
    }
    // Exports to D:\<name> and returns the file's bytes.
    std::string ExportTo(const std::string& name) {
        shell_.NextFile("D:\\" + name);
        Dialog().btnFileExportToClick();
        return TempDrives::ReadHostFile(hostD_ + "/" + name);
    }
    // Runs act once the modal dialog is up; the dialog lets timers run while it fills its list.
    void WhenShown(std::function<void()> act) {
        QTimer::singleShot(0, [this, act] {
            if (Dialog().isVisible())
                act();
            else
                WhenShown(act);
        });
    }
    bool HostExists(const std::string& name) {
        return std::filesystem::exists(hostD_ + "/" + name);
    }

    TempDrives drives_;
    std::string hostD_;
    FaultyFileSystem fs_;
    ScriptedMessenger messenger_;
    ExtensionRecordingShell shell_;
    ProgramSettings settings_;
    GuiContext context_{fs_, drives_.TextPort(), messenger_, shell_, settings_};
    std::unique_ptr<TfrmFileExport> dialog_;
};

TEST_F(TfrmFileExportTest, CreatedWithItsCaptionsAndStates) {
    EXPECT_EQ(Dialog().windowTitle().toStdString(), "Export Datas to a File.");
    const struct {
        const char* name;
        std::string caption, hint;
    } buttons[] = {
        {"rdoFileExportPlainTextFile", "To a Plain Text File. One Line - one string.", ""},
        {"rdoFileExportCSVSeparatedFile", "To a CSV - Separated File.", ""},
        {"chkFileExportQuotationMarks", "Put Double Quotes around strings.", ""},
        {"rdoFileExportUnModified", "Unmodified", "Export Folders, Strings Unmodified."},
        {"rdoFileExportWithoutDriveLetter",
         "As Folder Templates     (Without Drive Letters, if ANY)",
         "Export Folders without Drive Letter, strings Unmodified."},
        {"btnFileExportTo", "Export To...", ""},
        {"btnFileExportClose", "Close", ""},
    };
    for (const auto& b : buttons) {
        auto* button = Find<QAbstractButton>(b.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text().toStdString(), b.caption) << b.name;
        EXPECT_EQ(button->toolTip().toStdString(), b.hint) << b.name;
    }
    const struct {
        const char* name;
        std::string text;
    } labels[] = {{"lblSmartExportSourceCaption", "Original Content to Export:"},
                  {"lblSmartExportExportedCaption", "Exported:"},
                  {"lblFileExportDelimiter", "Select a Delimiter"},
                  {"lblSmartExportSource", "0"},
                  {"lblSmartExportExported", "0"}};
    for (const auto& l : labels) EXPECT_EQ(Label(l.name), l.text) << l.name;
    EXPECT_EQ(Find<QGroupBox>("grpFileExportType")->title().toStdString(), "Export Type");
    EXPECT_EQ(Find<QGroupBox>("grpFileExportLines")->title().toStdString(), "Export Lines");

    EXPECT_TRUE(Find<QRadioButton>("rdoFileExportPlainTextFile")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("rdoFileExportUnModified")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("chkFileExportQuotationMarks")->isChecked());
    EXPECT_FALSE(Find<QComboBox>("cboFileExportDelimiter")->isEnabled());
    EXPECT_TRUE(Find<QComboBox>("cboFileExportDelimiter")->isEditable());
    EXPECT_EQ(Dialog().ContentKind(), "FOLDERS");
}

TEST_F(TfrmFileExportTest, DelimitersComeFromTheSettingsOrTheBuiltInList) {
    const struct {
        Lines separators, entries;
    } cases[] = {
        {{},
         {",", "space", "\"", "'", "|", "~", ";", ":", "#", "&", "@", "$", "<", ">", ".", "-",
          "_"}},
        {{";", "Tab", "TAB", "|"}, {";", "Tab", "|"}},
    };
    for (const auto& c : cases) {
        settings_.separators = c.separators;
        dialog_.reset();
        auto* combo = Find<QComboBox>("cboFileExportDelimiter");
        Lines entries;
        for (int i = 0; i < combo->count(); ++i)
            entries.push_back(combo->itemText(i).toStdString());
        EXPECT_EQ(entries, c.entries);
        EXPECT_EQ(combo->currentText().toStdString(), c.entries.front());
    }
}

TEST_F(TfrmFileExportTest, ExportTypeEnablesTheDelimiter) {
    auto* combo = Find<QComboBox>("cboFileExportDelimiter");
    Click("rdoFileExportCSVSeparatedFile");
    EXPECT_TRUE(combo->isEnabled());
    Click("rdoFileExportPlainTextFile");
    EXPECT_FALSE(combo->isEnabled());
}

TEST_F(TfrmFileExportTest, CallerLinesAreShownOnceEachWithTheFirstSelected) {
    bool checked = false;
    WhenShown([&] {
        EXPECT_EQ(Dialog().SourceLines(), (Lines{"d:\\Data", "e:\\x"}));
        EXPECT_EQ(testing::CurrentRow(Find<QListView>("lstFileExportSource")), 0);
        EXPECT_EQ(Label("lblSmartExportSource"), "2");
        EXPECT_EQ(Dialog().ContentKind(), "FOLDERS");
        checked = true;
        Click("btnFileExportClose");
    });
    // The drive letter is the program's own name: D:\\Data is d:\\Data.
    Dialog().ExportLines({"d:\\Data", "D:\\Data", "e:\\x", "d:\\Data"}, "FOLDERS");
    EXPECT_TRUE(checked);
    EXPECT_FALSE(Dialog().isVisible());
    // Closed, the dialog holds no lines; the next export brings its own.
    EXPECT_TRUE(Dialog().SourceLines().empty());
    EXPECT_EQ(testing::RowCount(Find<QListView>("lstFileExportSource")), 0);
    EXPECT_EQ(Label("lblSmartExportSource"), "0");
}

TEST_F(TfrmFileExportTest, LongLinesScrollSideways) {
    for (const Lines& lines : {Lines{"d:\\a"}, Lines{"d:\\a", "d:\\b", "d:\\c"}}) {
        Open(lines);
        QApplication::processEvents();
        auto* list = Find<QListView>("lstFileExportSource");
        EXPECT_EQ(list->horizontalScrollBar()->maximum() + list->viewport()->width(), 2000);
    }
}

TEST_F(TfrmFileExportTest, SaveDialogAndCancelWriteNothing) {
    Open({"d:\\A"});
    Dialog().btnFileExportToClick();  // nothing scripted: the user cancels
    ASSERT_EQ(shell_.Calls().size(), 1u);
    EXPECT_EQ(shell_.Calls()[0].kind, "savefile");
    EXPECT_EQ(shell_.Calls()[0].title, "Export Folder Names (strings) to a file.");
    EXPECT_EQ(shell_.Calls()[0].argument,
              "Text Files (*.txt)|*.txt|Comma Separated (*.csv)|*.csv|All Files (*.*)|*.*");
    EXPECT_EQ(shell_.extensions, (Lines{"txt"}));
    EXPECT_EQ(fs_.MutationCount(), 0);
    EXPECT_TRUE(messenger_.Shown().empty());
    EXPECT_TRUE(std::filesystem::is_empty(hostD_));
}

TEST_F(TfrmFileExportTest, WritesTheChosenFormat) {
    const struct {
        const char* name;
        Lines lines;
        bool csv, quotes;
        std::string delimiter, bytes;
    } cases[] = {
        {"plain.txt",
         {"d:\\A b", " \\x ", "\xC3\xA9t\xC3\xA9"},
         false,
         false,
         ",",
         "d:\\A b\r\n \\x \r\n\xC3\xA9t\xC3\xA9\r\n"},
        {"quoted.txt", {"a", "b"}, false, true, ",", "\"a\"\r\n\"b\"\r\n"},
        {"space.csv", {"a", "b"}, true, true, "space", "\"a\" \"b\" "},
        {"word.csv", {"a", "b"}, true, false, "Space", "aSpacebSpace"},
        {"typed.csv", {"a", "b"}, true, false, "  ;; ", "a;;b;;"},
    };
    for (const auto& c : cases) {
        messenger_.Clear();
        Open(c.lines);
        Click(c.csv ? "rdoFileExportCSVSeparatedFile" : "rdoFileExportPlainTextFile");
        Find<QCheckBox>("chkFileExportQuotationMarks")->setChecked(c.quotes);
        Find<QComboBox>("cboFileExportDelimiter")->setEditText(QString::fromStdString(c.delimiter));
        EXPECT_EQ(ExportTo(c.name), c.bytes) << c.name;
        EXPECT_EQ(Label("lblSmartExportExported"), std::to_string(c.lines.size())) << c.name;
        ExpectMessages(messenger_.Shown(), {kEndMessage});
    }
}

// The file gets the list's own bytes, also those the list box cannot show.
TEST_F(TfrmFileExportTest, WritesTheLinesOwnBytes) {
    const Lines lines = {
        "d:\\no\xC2\xA0"
        "break",
        "d:\\bad\xFF\xFE", "d:\\line\xE2\x80\xA8sep"};
    Open(lines);
    EXPECT_EQ(ExportTo("bytes.txt"),
              "d:\\no\xC2\xA0"
              "break\r\nd:\\bad\xFF\xFE\r\nd:\\line\xE2\x80\xA8sep\r\n");
    Click("rdoFileExportWithoutDriveLetter");
    EXPECT_EQ(ExportTo("templates.txt"),
              "\\no\xC2\xA0"
              "break\r\n\\bad\xFF\xFE\r\n\\line\xE2\x80\xA8sep\r\n");
}

TEST_F(TfrmFileExportTest, AnExistingFileIsOverwritten) {
    TempDrives::WriteHostFile(hostD_ + "/old.txt", "a much longer old content\r\n");
    Open({"d:\\new"});
    EXPECT_EQ(ExportTo("old.txt"), "d:\\new\r\n");
}

TEST_F(TfrmFileExportTest, FolderTemplatesDropDriveLettersAndDuplicates) {
    Open({"d:\\A", "e:\\A", "\\B"});
    Click("rdoFileExportWithoutDriveLetter");
    EXPECT_EQ(Dialog().SourceLines(), (Lines{"\\A", "\\B"}));
    EXPECT_EQ(Label("lblSmartExportSource"), "2");
    EXPECT_EQ(ExportTo("templates.txt"), "\\A\r\n\\B\r\n");

    Click("rdoFileExportUnModified");
    EXPECT_EQ(Dialog().SourceLines(), (Lines{"d:\\A", "e:\\A", "\\B"}));
    EXPECT_EQ(Label("lblSmartExportSource"), "3");
    EXPECT_EQ(Label("lblSmartExportExported"), "0");
}

TEST_F(TfrmFileExportTest, StringListsCannotLoseDriveLetters) {
    const struct {
        std::string kind;
        bool enabled;
    } cases[] = {{"STRINGS", false}, {" strings ", false}, {"FOLDERS", true}};
    for (const auto& c : cases) {
        Open({"a:b"}, c.kind);
        EXPECT_EQ(Find<QRadioButton>("rdoFileExportUnModified")->isEnabled(), c.enabled) << c.kind;
        EXPECT_EQ(Find<QRadioButton>("rdoFileExportWithoutDriveLetter")->isEnabled(), c.enabled)
            << c.kind;
    }
}

TEST_F(TfrmFileExportTest, TheCheckedChoiceAppliesToTheNextLines) {
    Open({"d:\\One"});
    Click("rdoFileExportWithoutDriveLetter");

    // Still checked at the next folder export: the new lines are shown and written stripped.
    Open({"d:\\Two", "e:\\Two", "d:\\Three"});
    EXPECT_TRUE(Find<QRadioButton>("rdoFileExportWithoutDriveLetter")->isChecked());
    EXPECT_EQ(Dialog().SourceLines(), (Lines{"\\Two", "\\Three"}));
    EXPECT_EQ(Label("lblSmartExportSource"), "2");
    EXPECT_EQ(ExportTo("next.txt"), "\\Two\r\n\\Three\r\n");

    // A string list is shown and written as given, with "Unmodified" shown checked...
    Open({"x:y", "\\rel"}, "STRINGS");
    EXPECT_TRUE(Find<QRadioButton>("rdoFileExportUnModified")->isChecked());
    EXPECT_EQ(Dialog().SourceLines(), (Lines{"x:y", "\\rel"}));
    EXPECT_EQ(ExportTo("strings.txt"), "x:y\r\n\\rel\r\n");

    // ...and the folder choice comes back with the next folder list.
    Open({"d:\\Four"});
    EXPECT_TRUE(Find<QRadioButton>("rdoFileExportWithoutDriveLetter")->isChecked());
    EXPECT_EQ(Dialog().SourceLines(), (Lines{"\\Four"}));
}

TEST_F(TfrmFileExportTest, IllegalCharactersRefuseTheWholeExport) {
    Open({"d:\\ok", "d:\\a*b"});
    Dialog().btnFileExportToClick();
    ExpectMessages(messenger_.Shown(),
                   {{"Error Type: There are Syntax errors in the Folder Names ( / \" * | < > ?)  "
                     "(total: 1) \nSyntax Error:  *    d:\\a*b\n\n",
                     "Export Content to a File.            Warning no: 0385bc.", 48}});
    EXPECT_TRUE(shell_.Calls().empty());
    EXPECT_EQ(fs_.MutationCount(), 0);
    EXPECT_TRUE(std::filesystem::is_empty(hostD_));
}

TEST_F(TfrmFileExportTest, AnEmptyListOrAnUnknownKindWritesAnEmptyFile) {
    const struct {
        const char* name;
        Lines lines;
        std::string kind;
    } cases[] = {{"empty.txt", {}, "FOLDERS"}, {"unknown.txt", {"d:\\A"}, "TEXT"}};
    for (const auto& c : cases) {
        messenger_.Clear();
        Open(c.lines, c.kind);
        EXPECT_EQ(ExportTo(c.name), "") << c.name;
        EXPECT_TRUE(HostExists(c.name)) << c.name;
        EXPECT_EQ(Label("lblSmartExportExported"), "0") << c.name;
        ExpectMessages(messenger_.Shown(), {kEndMessage});
    }
}

TEST_F(TfrmFileExportTest, AFailedWriteIsReportedInsteadOfTheEndMessage) {
    TempDrives::MakeHostFolder(hostD_ + "/folder");
    const struct {
        const char* chosen;
        bool inject;
    } cases[] = {{"D:\\list.txt", true}, {"D:\\folder", false}};
    for (const auto& c : cases) {
        if (c.inject) fs_.FailOn(FaultyFileSystem::Op::WriteWholeFile, c.chosen);
        messenger_.Clear();
        Open({"d:\\A", "d:\\B"});
        shell_.NextFile(c.chosen);
        Dialog().btnFileExportToClick();
        ExpectMessages(messenger_.Shown(), {kSaveFailed});
        EXPECT_EQ(Label("lblSmartExportExported"), "0") << c.chosen;
    }
    EXPECT_FALSE(HostExists("list.txt"));
    EXPECT_TRUE(std::filesystem::is_directory(hostD_ + "/folder"));
}

}  // namespace
}  // namespace arbovane
