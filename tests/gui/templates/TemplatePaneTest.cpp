#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "gui/acquire/TfrmFileExport.h"
#include "gui/acquire/TfrmFileImport.h"
#include "gui/lists/FolderListPane.h"
#include "gui/templates/TemplatePane.h"
#include "gui/templates/TfrmFolderStructuresTemplates.h"
#include "gui/templates/TfrmFolderTemplateOptions.h"
#include "support/MainWindowFixture.h"

namespace arbovane {
namespace {

using testing::ExpectMessages;
using testing::ShownMessage;
using testing::TempDrives;
using Lines = std::vector<std::string>;

constexpr int kCopy = 0, kCreate1 = 3, kCreate2 = 4, kCreate3 = 5;

const char* const kCopyLevel = "Copy Folder Structure(s).-From a Folder List - Level.            ";

// Acts on a modal window once its exec() has shown it; gives up after about five seconds.
void WhenShown(QWidget& window, std::function<void()> action, int tries = 1000) {
    QTimer::singleShot(5, [&window, action = std::move(action), tries]() mutable {
        if (window.isVisible() || tries == 0)
            action();
        else
            WhenShown(window, std::move(action), tries - 1);
    });
}

class TemplatePaneTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        Start();
    }
    TemplatePane& Templates(int tab) { return *Main().Templates(tab); }
    std::string Prefix(int tab) { return Templates(tab).Texts().name; }
    // "btnAddFolderStructure" of tab 0 is btnVol08AddFolderStructure.
    std::string Name(int tab, const std::string& rest) {
        return rest.substr(0, 3) + Prefix(tab) + rest.substr(3);
    }
    template <typename T = QWidget>
    T* Control(int tab, const std::string& rest) {
        return Find<T>(Name(tab, rest).c_str());
    }
    void ClickControl(int tab, const std::string& rest) {
        Control<QAbstractButton>(tab, rest)->click();
    }
    Lines Items(int tab) {
        Lines items;
        auto* list = Control<QListWidget>(tab, "lstAddFolderStructure");
        for (int i = 0; i < list->count(); ++i)
            items.push_back(list->item(i)->text().toStdString());
        return items;
    }
    std::string Counter(int tab) {
        return Control<QLabel>(tab, "lblFolderStructuresTemplatesSum")->text().toStdString();
    }
    void Select(int tab, const std::vector<int>& rows) {
        auto* list = Control<QListWidget>(tab, "lstAddFolderStructure");
        list->clearSelection();
        for (const int row : rows) list->item(row)->setSelected(true);
    }
    // The include list gets one line (the names tab a destination first), so the template area
    // is usable.
    void FillInclude(int tab) {
        if (tab == kCreate1) {
            shell_.NextFolder("d:\\Clients");
            Click("btnVol02AddDestFolder");
        }
        FolderListPane* pane = Main().Pane(tab);
        pane->Model().Include().Add(tab == kCreate1 ? "\\Customer01" : "d:\\Clients\\Customer01");
        pane->ListsChanged();
    }
    // Imports the lines into the tab's template list through the import dialog.
    void Import(int tab, const std::string& content) {
        TempDrives::WriteHostFile(host_ + "/templates.txt", content);
        TfrmFileImport& dialog = *windows_->fileImport;
        WhenShown(dialog, [&] {
            shell_.NextFile("d:\\templates.txt");
            dialog.btnFileImportBrowseClick();
            dialog.btnFileImportCreateClick();
            dialog.btnFileImportImportClick();
        });
        ClickControl(tab, "btnImportFolderStructuresTemplates");
    }
    // Opens the edit dialog, hands its text box to edit, then clicks OK or Cancel.
    void Edit(int tab, const std::function<void(QPlainTextEdit&)>& edit, bool ok) {
        TfrmFolderStructuresTemplates& dialog = *windows_->folderStructuresTemplates;
        WhenShown(dialog, [&] {
            edit(*Find<QPlainTextEdit>("mmoEditFolderStructuresTemplates"));
            Click(ok ? "btnFolderStructuresTemplatesOK" : "btnFolderStructuresTemplatesCancel");
        });
        ClickControl(tab, "btnEditFolderStructuresTemplates");
    }
    // The enabled controls of the area as letters: k kind buttons, m attach modes, l list, a Add
    // Structure, v View Selected, i Import, e Export, d Edit, s Delete Sel., D Delete All, o
    // Options; '-' where disabled.
    std::string EnabledRow(int tab) {
        const std::pair<const char*, char> controls[] = {
            {"rdoStructureImportFullPaths", 'k'},
            {"rdoAttachMainFolderWithoutFiles", 'm'},
            {"lstAddFolderStructure", 'l'},
            {"btnAddFolderStructure", 'a'},
            {"btnViewFolderStructure", 'v'},
            {"btnImportFolderStructuresTemplates", 'i'},
            {"btnExportFolderStructuresTemplates", 'e'},
            {"btnEditFolderStructuresTemplates", 'd'},
            {"btnDeleteSelFolderStructuresTemplates", 's'},
            {"btnDeleteAllFolderStructuresTemplates", 'D'},
            {"btnFolderTemplatesOptions", 'o'}};
        std::string row;
        for (const auto& [name, letter] : controls)
            row += Control(tab, name)->isEnabled() ? letter : '-';
        return row;
    }
    // The boxes shown since the last call, without the import dialog's own.
    std::vector<ShownMessage> TakeShown() {
        std::vector<ShownMessage> shown;
        for (const ShownMessage& message : messenger_.Shown())
            if (message.title.rfind("Import File content.", 0) != 0) shown.push_back(message);
        messenger_.Clear();
        return shown;
    }
};

TEST_F(TemplatePaneTest, EveryTemplateTabHasItsControlsAndCaptions) {
    const struct {
        int tab;
        const char* nothing;  // nullptr: no "Attach Nothing."
        const char* fullPath;
        const char* relative;
        const char* withFiles;
        const char* subFoldersWithFiles;
    } tabs[] = {
        {kCopy, nullptr, "Existing Folder Structures (Hard Drive...).",
         "Folder Struct. in Text Files (No Drive Letter).",
         "Main Folders and their Subfolders - With Sel. Files.",
         "Subfolders Only - With Selected Files."},
        {kCreate1, "Attach Nothing.", "Existing Folder Structures (Hard Drive...).",
         "Folder Struct from Text Files (No Drive Letter).",
         "Main Folders and their Subfolders - With Files.", "Subfolders Only - With Files."},
        {kCreate2, "Attach Nothing.", "Existing Folder Structures (Hard Drive...).",
         "Folder Struct. from Text Files (No Drive Letter)",
         "Main Folders and their Subfolders - With Files.", "Subfolders Only - With Files."},
        {kCreate3, "Attach Nothing.", "Existing Folder Structures (Hard Drive...)",
         "Folder Struct. from Text Files (No Drive Letter)",
         "Main Folders and their Subfolders - With Files.", "Subfolders Only - With Files."},
    };
    for (const auto& t : tabs) {
        const std::string p = Prefix(t.tab);
        EXPECT_EQ(Find<QGroupBox>(("grp" + p + "FolderStructuresTemplates").c_str())
                      ->title()
                      .toStdString(),
                  "Folder Structures (Templates)");
        const std::vector<std::pair<std::string, std::string>> captions = {
            {"rdoStructureImportFullPaths", t.fullPath},
            {"rdoStructureImportRelativePaths", t.relative},
            {"rdoAttachMainFolderWithFiles", t.withFiles},
            {"rdoAttachMainFolderWithoutFiles",
             "Main Folders and their Subfolders - Without Files."},
            {"rdoAttachSubFoldersOnlyWithFiles", t.subFoldersWithFiles},
            {"rdoAttachSubFoldersOnlyWithoutFiles", "Subfolders Only - Without Files."},
            {"btnAddFolderStructure", "Add Structure"},
            {"btnImportFolderStructuresTemplates", "Import"},
            {"btnExportFolderStructuresTemplates", "Export"},
            {"btnEditFolderStructuresTemplates", "Edit"},
            {"btnViewFolderStructure", "View Selected"},
            {"btnDeleteSelFolderStructuresTemplates", "Delete Sel."},
            {"btnDeleteAllFolderStructuresTemplates", "Delete All"},
            {"btnFolderTemplatesOptions", "Options"},
            {"lblFolderStructuresTemplatesLines", "Lines:"},
        };
        for (const auto& [name, caption] : captions) {
            QWidget* control = Control(t.tab, name);
            ASSERT_NE(control, nullptr) << p << name;
            const QString text = qobject_cast<QAbstractButton*>(control)
                                     ? qobject_cast<QAbstractButton*>(control)->text()
                                     : qobject_cast<QLabel*>(control)->text();
            EXPECT_EQ(text.toStdString(), caption) << p << name;
        }
        auto* nothing =
            Main().findChild<QRadioButton*>(QString::fromStdString("rdo" + p + "AttachNothing"));
        EXPECT_EQ(nothing != nullptr, t.nothing != nullptr) << p;
        if (nothing) {
            EXPECT_EQ(nothing->text().toStdString(), t.nothing);
        }
        EXPECT_TRUE(Control<QRadioButton>(t.tab, "rdoStructureImportRelativePaths")->isChecked());
        EXPECT_EQ(Templates(t.tab).Kind(), TemplateKind::Relative);
        EXPECT_EQ(Templates(t.tab).Mode(), AttachMode::None);
        EXPECT_EQ(Control<QListWidget>(t.tab, "lstAddFolderStructure")->selectionMode(),
                  QAbstractItemView::ExtendedSelection);
        EXPECT_EQ(Counter(t.tab), "0");
    }
    for (int tab : {1, 2}) EXPECT_EQ(Main().Templates(tab), nullptr);
}

TEST_F(TemplatePaneTest, TheAreaFollowsTheIncludeListAndTheKind) {
    EXPECT_EQ(EnabledRow(kCopy), "-----------");
    FillInclude(kCopy);
    EXPECT_EQ(EnabledRow(kCopy), "k-l--iedsDo");
    Templates(kCopy).SetKind(TemplateKind::FullPath);
    EXPECT_EQ(EnabledRow(kCopy), "kmlav---sD-");
    EXPECT_TRUE(Find<QRadioButton>("rdoVol08AttachMainFolderWithoutFiles")->isChecked());
    EXPECT_EQ(Templates(kCopy).Mode(), AttachMode::MainFolderWithoutFiles);
    Main().Pane(kCopy)->Model().Include().Clear();
    Main().Pane(kCopy)->ListsChanged();
    EXPECT_EQ(EnabledRow(kCopy), "-----------");

    FillInclude(kCreate2);
    ClickControl(kCreate2, "rdoAttachNothing");
    EXPECT_EQ(Templates(kCreate2).Kind(), TemplateKind::Nothing);
    EXPECT_EQ(EnabledRow(kCreate2), "k----------");
    EXPECT_TRUE(Find<QRadioButton>("rdoVol04AttachNothing")->isEnabled());
    EXPECT_TRUE(Templates(kCreate2).Enabling().run);
}

TEST_F(TemplatePaneTest, TheNumbersTabWaitsForADestinationInstead) {
    EXPECT_EQ(EnabledRow(kCreate3), "-----------");
    auto* destination = Find<QComboBox>("cboVol03DestFolders");
    destination->setEditText("d:\\Clients");
    emit destination->lineEdit()->editingFinished();
    EXPECT_EQ(EnabledRow(kCreate3), "k-l--iedsDo");
    messenger_.Answer(kAnswerYes);
    Click("btnVol03ClearAll");
    EXPECT_EQ(EnabledRow(kCreate3), "-----------");
    EXPECT_EQ(Counter(kCreate3), "");
}

TEST_F(TemplatePaneTest, SwitchingKindsEmptiesTheListAndKeepsTheOptionsEntry) {
    FillInclude(kCopy);
    std::vector<TemplateChange> changes;
    Templates(kCopy).SetChangeHook([&](TemplateChange change) { changes.push_back(change); });
    Main().TemplateOptions()[kTemplateKeyVol08].option = TemplateOption::ReplaceAll;
    Import(kCopy, "\\Project\\Plans\n\\Project\\Docs\n");
    EXPECT_EQ(Items(kCopy), (Lines{"\\Project\\Plans", "\\Project\\Docs"}));
    ClickControl(kCopy, "rdoStructureImportFullPaths");
    EXPECT_TRUE(Items(kCopy).empty());
    EXPECT_EQ(Counter(kCopy), "0");
    ClickControl(kCopy, "rdoStructureImportFullPaths");  // the kind already chosen
    ClickControl(kCopy, "rdoStructureImportRelativePaths");
    EXPECT_FALSE(Find<QRadioButton>("rdoVol08AttachMainFolderWithoutFiles")->isChecked());
    EXPECT_EQ(TemplateOptionFor(Main().TemplateOptions(), kTemplateKeyVol08),
              TemplateOption::ReplaceAll);
    EXPECT_EQ(changes, (std::vector<TemplateChange>{TemplateChange::List, TemplateChange::Kind,
                                                    TemplateChange::Kind}));
    EXPECT_TRUE(TakeShown().empty());
}

TEST_F(TemplatePaneTest, AddStructureAsksOnADriveRootAndIgnoresNothingChosen) {
    FillInclude(kCopy);
    Templates(kCopy).SetKind(TemplateKind::FullPath);
    std::vector<bool> runButtons;
    std::vector<TemplateChange> changes;
    Templates(kCopy).SetRunButtonsHook([&](bool enabled) { runButtons.push_back(enabled); });
    Templates(kCopy).SetChangeHook([&](TemplateChange change) { changes.push_back(change); });
    shell_.NextFolder("d:\\");
    messenger_.Answer(kAnswerNo);
    Click("btnVol08AddFolderStructure");
    EXPECT_TRUE(Items(kCopy).empty());
    shell_.NextFolder("d:\\");
    messenger_.Answer(kAnswerYes);
    Click("btnVol08AddFolderStructure");
    shell_.NextFolder("  d:\\Customer\\Customer02 ");
    Click("btnVol08AddFolderStructure");
    shell_.NextFolder("D:\\Customer\\Customer02");
    Click("btnVol08AddFolderStructure");
    Click("btnVol08AddFolderStructure");  // nothing scripted: the user cancels
    EXPECT_EQ(Items(kCopy), (Lines{"d:\\", "d:\\Customer\\Customer02"}));
    EXPECT_EQ(Counter(kCopy), "2");
    EXPECT_EQ(Templates(kCopy).Lines(), Items(kCopy));
    EXPECT_EQ(runButtons, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(changes, std::vector<TemplateChange>(3, TemplateChange::StructureAdded));
    const ShownMessage root{
        "Do you want to COPY the Entire Disk to the Folders specified in The Include Window "
        "?\nClick YES to Copy,\nClick NO to Cancel.",
        std::string(kCopyLevel) + "Information no: 0330.", 292};
    ExpectMessages(TakeShown(), {root, root});

    FillInclude(kCreate2);
    Templates(kCreate2).SetKind(TemplateKind::FullPath);
    shell_.NextFolder("e:\\");
    Click("btnVol04AddFolderStructure");
    ExpectMessages(TakeShown(),
                   {{"Do you want to Attach the Entire Disk to the Folders specified in The "
                     "Include Window ?\nClick YES to Attach,\nClick NO to Cancel.",
                     "Creating Folder(s).-From a Folder List.            Warning no: 0333.", 292}});
}

TEST_F(TemplatePaneTest, ImportNormalisesAndRefusesWhatTheKindCannotTake) {
    FillInclude(kCreate1);
    Import(kCreate1, "/Project//Plans\\\\\\2024\n\\Project\\Plans\\2024\n\\Docs\n");
    EXPECT_EQ(Items(kCreate1), (Lines{"\\Project\\Plans\\2024", "\\Docs"}));
    EXPECT_EQ(Counter(kCreate1), "2");
    Import(kCreate1, "\\More\nd:\\Drive\n");
    EXPECT_EQ(Items(kCreate1).size(), 2u);
    const auto shown = TakeShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title,
              "Creating Folder(s).-From a String List.            Warning no: 0385bc.");
    EXPECT_EQ(shown[0].text.rfind("You can only enter relative paths without drive letters.", 0),
              0u);

    // Cancel with an empty result still warns.
    TfrmFileImport& dialog = *windows_->fileImport;
    dialog.btnFileImportClearAllClick();
    WhenShown(dialog, [&] { dialog.btnFileImportCancelClick(); });
    Click("btnVol02ImportFolderStructuresTemplates");
    ExpectMessages(
        TakeShown(),
        {{"Empty Result List in the File Import Window!\n",
          "Creating Folder(s).-From a String List.             Warning no: 0377a.", 48}});
}

TEST_F(TemplatePaneTest, EditOkRebuildsTheListAndCancelKeepsIt) {
    FillInclude(kCopy);
    Import(kCopy, "\\a\n\\b\n");
    std::string counted;
    Edit(
        kCopy,
        [&](QPlainTextEdit& memo) {
            memo.setPlainText("  \\c/d \n\n\\A\n\\e");
            counted =
                Find<QLabel>("lblFolderStructuresTemplatesEditLinesCurrent")->text().toStdString();
        },
        true);
    EXPECT_EQ(counted, "4");
    EXPECT_EQ(Items(kCopy), (Lines{"\\c\\d", "\\A", "\\e"}));
    EXPECT_EQ(Counter(kCopy), "3");
    Edit(
        kCopy, [](QPlainTextEdit& memo) { memo.setPlainText("\\x"); }, false);
    EXPECT_EQ(Items(kCopy), (Lines{"\\c\\d", "\\A", "\\e"}));
    EXPECT_TRUE(Find<QPlainTextEdit>("mmoEditFolderStructuresTemplates")->toPlainText().isEmpty());
    Edit(
        kCopy, [](QPlainTextEdit& memo) { memo.setPlainText("\\x\nd:\\y"); }, true);
    EXPECT_EQ(Items(kCopy), (Lines{"\\c\\d", "\\A", "\\e"}));
    const auto shown = TakeShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title,
              "Copy Folder Structure(s).-From a Folder List.            Warning no: 0383bc.");
}

TEST_F(TemplatePaneTest, AnUneditedLineKeepsItsOwnBytes) {
    FillInclude(kCreate1);
    const Lines odd = {"\\caf\xE9",
                       "\\a\xC2\xA0"
                       "b",
                       "\\c\xE2\x80\xA8"
                       "d"};
    Import(kCreate1, odd[0] + "\n" + odd[1] + "\n" + odd[2] + "\n");
    ASSERT_EQ(Templates(kCreate1).Lines(), odd);
    Edit(
        kCreate1, [](QPlainTextEdit& memo) { memo.appendPlainText("\\new"); }, true);
    Lines expected = odd;
    expected.push_back("\\new");
    EXPECT_EQ(Templates(kCreate1).Lines(), expected);
}

TEST_F(TemplatePaneTest, DeleteSelectedAsksEvenWithNothingSelected) {
    FillInclude(kCreate1);
    Import(kCreate1, "\\a\n\\b\n\\c\n");
    const ShownMessage question{
        "Do you want to delete the selected item(s) from the Exclude list ?",
        "Creating Folder(s).-From a String List.            Warning no: 0022.", 292};
    messenger_.Answer(kAnswerYes);
    Click("btnVol02DeleteSelFolderStructuresTemplates");
    EXPECT_EQ(Items(kCreate1).size(), 3u);
    Select(kCreate1, {0, 2});
    messenger_.Answer(kAnswerNo);
    Click("btnVol02DeleteSelFolderStructuresTemplates");
    EXPECT_EQ(Items(kCreate1).size(), 3u);
    Select(kCreate1, {0, 2});
    messenger_.Answer(kAnswerYes);
    Click("btnVol02DeleteSelFolderStructuresTemplates");
    EXPECT_EQ(Items(kCreate1), (Lines{"\\b"}));
    EXPECT_EQ(Counter(kCreate1), "1");
    ExpectMessages(TakeShown(), {question, question, question});
}

TEST_F(TemplatePaneTest, DeleteAllWarnsOnAnEmptyListAndAsksOtherwise) {
    FillInclude(kCopy);
    Click("btnVol08DeleteAllFolderStructuresTemplates");
    Import(kCopy, "\\a\n\\b\n");
    messenger_.Answer(kAnswerNo);
    Click("btnVol08DeleteAllFolderStructuresTemplates");
    EXPECT_EQ(Items(kCopy).size(), 2u);
    messenger_.Answer(kAnswerYes);
    Click("btnVol08DeleteAllFolderStructuresTemplates");
    EXPECT_TRUE(Items(kCopy).empty());
    EXPECT_EQ(Counter(kCopy), "0");
    const ShownMessage question{
        "Do you want to delete all item(s) from the Folder Structure/Templates list ?",
        std::string(kCopyLevel) + "Warning no: 0521a.", 292};
    ExpectMessages(TakeShown(), {{"Empty List in the Folder Structure/Templates Window!\n",
                                  std::string(kCopyLevel) + "Warning no: 0520a.", 48},
                                 question,
                                 question});
}

TEST_F(TemplatePaneTest, ViewSelectedOpensTheTrimmedFolder) {
    FillInclude(kCopy);
    Templates(kCopy).SetKind(TemplateKind::FullPath);
    shell_.NextFolder("d:\\One");
    shell_.NextFolder("d:\\Two");
    Click("btnVol08AddFolderStructure");
    Click("btnVol08AddFolderStructure");
    Click("btnVol08ViewFolderStructure");
    Select(kCopy, {1});
    Click("btnVol08ViewFolderStructure");
    ASSERT_EQ(shell_.Calls().size(), 3u);
    EXPECT_EQ(shell_.Calls()[2].kind, "open");
    EXPECT_EQ(shell_.Calls()[2].argument, "d:\\Two");
    ExpectMessages(TakeShown(),
                   {{"There is no selected Folder Structure !\nAction : You must select a Folder "
                     "with subfolder structure.",
                     std::string(kCopyLevel) + "Warning no: 0280.", 48}});
}

TEST_F(TemplatePaneTest, ExportHandsTheLinesOverAsStrings) {
    FillInclude(kCopy);
    Click("btnVol08ExportFolderStructuresTemplates");
    Import(kCopy, "\\a\n\\b\n");
    TfrmFileExport& dialog = *windows_->fileExport;
    Lines seen;
    std::string kind;
    WhenShown(dialog, [&] {
        seen = dialog.SourceLines();
        kind = dialog.ContentKind();
        dialog.reject();
    });
    Click("btnVol08ExportFolderStructuresTemplates");
    EXPECT_EQ(seen, (Lines{"\\a", "\\b"}));
    EXPECT_EQ(kind, "STRINGS");
    ExpectMessages(TakeShown(), {{"The Folder Structure/Templates Window is empty !\n",
                                  "Copy Folder Structure(s).-From a Folder List - Level.          "
                                  "   Warning no: 0560a.",
                                  48}});
}

TEST_F(TemplatePaneTest, OptionsOkStoresUnderTheTabsKeyAndCancelDoesNot) {
    FillInclude(kCreate1);
    TfrmFolderTemplateOptions& dialog = *windows_->folderTemplateOptions;
    EXPECT_EQ(dialog.windowTitle().toStdString(),
              "Options for Folder Structures in Plain Text Files");
    EXPECT_EQ(Find<QGroupBox>("grpFolderTemplateOptions")->title().toStdString(),
              "Copy/Attach Folder Structures From Plain Text Files (No Drive Letter)");
    const std::pair<const char*, const char*> captions[] = {
        {"rdoFolderTemplateOptionsReplaceNo", "Whole Folder Paths without Drive Letters."},
        {"rdoFolderTemplateOptionsReplaceFirst", "Folder Paths Without the First (Main) Folders."},
        {"rdoFolderTemplateOptionsReplaceAll",
         "Folder Paths Without the First Folders, but replace all occurrences of the First  "
         "Folder Name in the Path with the Selected Folder Name from the Include Window."}};
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(Find<QRadioButton>(name)->text().toStdString(), caption) << name;
    EXPECT_TRUE(Find<QPushButton>("btnFolderTemplateOptionsHelp")->isEnabled());

    bool noneChecked = false;
    WhenShown(dialog, [&] {
        noneChecked = Find<QRadioButton>("rdoFolderTemplateOptionsReplaceNo")->isChecked();
        Click("rdoFolderTemplateOptionsReplaceFirst");
        Click("btnFolderTemplateOptionsOK");
    });
    Click("btnVol02FolderTemplatesOptions");
    EXPECT_TRUE(noneChecked);
    EXPECT_EQ(dialog.Key(), kTemplateKeyVol02);
    bool firstChecked = false;
    WhenShown(dialog, [&] {
        firstChecked = Find<QRadioButton>("rdoFolderTemplateOptionsReplaceFirst")->isChecked();
        Click("rdoFolderTemplateOptionsReplaceAll");
        Click("btnFolderTemplateOptionsCancel");
    });
    Click("btnVol02FolderTemplatesOptions");
    EXPECT_TRUE(firstChecked);
    const MAP_FOLDER_TEMPLATE_OPTIONS& store = Main().TemplateOptions();
    EXPECT_EQ(store.size(), 1u);
    EXPECT_EQ(TemplateOptionFor(store, kTemplateKeyVol02), TemplateOption::ReplaceFirst);
}

TEST_F(TemplatePaneTest, TheFileSelectionHintComesOnceForEachModeWithFiles) {
    FillInclude(kCopy);
    Templates(kCopy).SetKind(TemplateKind::FullPath);
    std::vector<TemplateChange> changes;
    Templates(kCopy).SetChangeHook([&](TemplateChange change) { changes.push_back(change); });
    for (const char* mode :
         {"rdoVol08AttachMainFolderWithFiles", "rdoVol08AttachSubFoldersOnlyWithoutFiles",
          "rdoVol08AttachMainFolderWithFiles", "rdoVol08AttachSubFoldersOnlyWithFiles",
          "rdoVol08AttachMainFolderWithoutFiles", "rdoVol08AttachSubFoldersOnlyWithFiles"})
        Click(mode);
    EXPECT_EQ(Templates(kCopy).Mode(), AttachMode::SubFoldersOnlyWithFiles);
    EXPECT_EQ(changes.size(), 6u);
    const ShownMessage hint{
        "You can Select File Names/Types by Clicking on the <Select Files> button.",
        std::string(kCopyLevel) + "Warning no: 0277.", 48};
    ExpectMessages(TakeShown(), {hint, hint});

    FillInclude(kCreate2);
    Templates(kCreate2).SetKind(TemplateKind::FullPath);
    Click("rdoVol04AttachMainFolderWithFiles");
    EXPECT_TRUE(TakeShown().empty());
}

TEST_F(TemplatePaneTest, ClearFieldsResetsTheTemplateArea) {
    FillInclude(kCopy);
    Templates(kCopy).SetKind(TemplateKind::FullPath);
    Click("rdoVol08AttachSubFoldersOnlyWithoutFiles");
    shell_.NextFolder("d:\\One");
    Click("btnVol08AddFolderStructure");
    messenger_.Answer(kAnswerYes);
    Click("btnVol08ClearAll");
    EXPECT_TRUE(Items(kCopy).empty());
    EXPECT_EQ(Counter(kCopy), "");
    EXPECT_EQ(Templates(kCopy).Kind(), TemplateKind::Relative);
    EXPECT_TRUE(Find<QRadioButton>("rdoVol08StructureImportRelativePaths")->isChecked());
    for (const char* mode :
         {"rdoVol08AttachMainFolderWithFiles", "rdoVol08AttachMainFolderWithoutFiles",
          "rdoVol08AttachSubFoldersOnlyWithFiles", "rdoVol08AttachSubFoldersOnlyWithoutFiles"})
        EXPECT_FALSE(Find<QRadioButton>(mode)->isChecked()) << mode;
    EXPECT_EQ(EnabledRow(kCopy), "-----------");
}

TEST_F(TemplatePaneTest, TheEditDialogCountsItsLinesAndHasHelp) {
    TfrmFolderStructuresTemplates& dialog = *windows_->folderStructuresTemplates;
    EXPECT_EQ(dialog.windowTitle().toStdString(), "Edit ");
    const std::pair<const char*, const char*> captions[] = {
        {"btnFolderStructuresTemplatesOK", "OK"},
        {"btnFolderStructuresTemplatesCancel", "Cancel"},
        {"btnFolderStructuresTemplatesHelp", "Help"}};
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(Find<QPushButton>(name)->text().toStdString(), caption) << name;
    EXPECT_TRUE(Find<QPushButton>("btnFolderStructuresTemplatesHelp")->isEnabled());
    EXPECT_EQ(Find<QLabel>("lblFolderStructuresTemplatesEditLines")->text().toStdString(),
              "Lines:");
    dialog.Prepare({"\\a", "\\b"});
    auto* counter = Find<QLabel>("lblFolderStructuresTemplatesEditLinesCurrent");
    EXPECT_EQ(counter->text().toStdString(), "2");
    Find<QPlainTextEdit>("mmoEditFolderStructuresTemplates")->appendPlainText("\\c");
    EXPECT_EQ(counter->text().toStdString(), "3");
    EXPECT_EQ(dialog.EditedLines(), (Lines{"\\a", "\\b", "\\c"}));
}

}  // namespace
}  // namespace arbovane
