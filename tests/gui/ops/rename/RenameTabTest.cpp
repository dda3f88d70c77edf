#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <memory>

#include "core/app/ProgramSettings.h"
#include "core/help/HelpEngine.h"
#include "core/ops/rename/RenameTestSupport.h"
#include "gui/app/ProgramWindows.h"
#include "gui/app/TfrmMain.h"
#include "gui/lists/FolderListPane.h"
#include "gui/visuallog/VisualLogWindow.h"
#include "support/FaultyFileSystem.h"
#include "support/ListViews.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedShell.h"
#include "support/TempDrives.h"

namespace arbovane {
namespace {

using namespace arbovane::testing;

constexpr int kRenameTab = 2;
const char* const kAffixFields[] = {"edtVol06NewPrefix", "edtVol06DelimiterPrefixSubFolder",
                                    "edtVol06DelimiterSubFolderSuffix", "edtVol06NewSuffix"};
const char* const kRunControls[] = {"chkVol06ShowDetailedResults",
                                    "btnVol06Statistics",
                                    "btnVol06RenameFolders",
                                    "btnVol06RenameFoldersSimulation",
                                    "rdoVol06RenameAddPrefixesSuffixes",
                                    "rdoVol06RenameTheLastSubFolder"};

class RenameTabTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        TempDrives::MakeHostFolder(host_ + "/Jobs");
        Start();
    }

    QLineEdit* Edit(const char* name) { return Find<QLineEdit>(name); }
    void AddLines(const Lines& lines) {
        FolderListPane* pane = windows_->main->Pane(kRenameTab);
        pane->Model().Include().AddAll(lines);
        pane->ListsChanged();
    }
    Lines Jobs() const { return HostTree(host_ + "/Jobs"); }
    void Type(QLineEdit* edit, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &press);
        }
    }
    void Leave(QLineEdit* edit, Qt::FocusReason reason) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(edit, &out);
    }
    VisualLog& Log() { return windows_->main->Log(VisualLogTab::Vol06); }
    RenameJournal& Journal() { return windows_->main->Renames(); }
    bool LogShown() { return windows_->LogWindow(kRenameTab).isVisible(); }
};

TEST_F(RenameTabTest, ControlsAndTheirEnablingByListAndMethod) {
    const std::pair<const char*, const char*> captions[] = {
        {"edtVol06NewPrefix", "New prefix:"},
        {"edtVol06DelimiterPrefixSubFolder", "Delimiter between Prefix and Subfold. name"},
        {"edtVol06DelimiterSubFolderSuffix", "Delimiter between Subfold. name and Suffix"},
        {"edtVol06NewSuffix", "New Suffix"},
        {"edtVol06RenameNewLastSubFolder", "New Name:"},
        {"rdoVol06RenameAddPrefixesSuffixes", "Add Prefix and/or Suffix"},
        {"rdoVol06RenameTheLastSubFolder", "Rename the Last Subfolder"},
        {"btnVol06RenameFolders", " RENAME  Folders"},
        {"btnVol06RenameFoldersSimulation", "Simulation"},
        {"btnVol06Undo", "Undo"}};
    for (const auto& [name, caption] : captions) {
        QString text;
        if (auto* button = windows_->main->findChild<QAbstractButton*>(name)) text = button->text();
        for (QLabel* label : windows_->main->findChildren<QLabel*>())
            if (label->buddy() && label->buddy()->objectName() == name) text = label->text();
        EXPECT_EQ(text.toStdString(), caption) << name;
    }
    EXPECT_EQ(Find("btnVol06RenameFoldersSimulation")->toolTip().toStdString(),
              "Simulate the Folder Renaming process (No actual Renaming).");
    Lines frames;
    for (QGroupBox* box : Find("tabFoldersRename01")->findChildren<QGroupBox*>())
        frames.push_back(box->title().toStdString());
    for (const char* frame : {"Rename Multiple Folders", "Methods for Renaming Folders"})
        EXPECT_NE(std::find(frames.begin(), frames.end(), frame), frames.end()) << frame;

    const auto expectEnabled = [this](bool run, bool affixes, bool newName) {
        for (const char* name : kRunControls) EXPECT_EQ(Find(name)->isEnabled(), run) << name;
        for (const char* name : kAffixFields) EXPECT_EQ(Find(name)->isEnabled(), affixes) << name;
        EXPECT_EQ(Find("edtVol06RenameNewLastSubFolder")->isEnabled(), newName);
    };
    expectEnabled(false, false, false);
    EXPECT_TRUE(Find<QRadioButton>("rdoVol06RenameAddPrefixesSuffixes")->isChecked());
    AddLines({"d:\\Jobs\\Smith", "d:\\Jobs\\Jones"});
    expectEnabled(true, true, false);
    EXPECT_EQ(Log().Counter(Vol06Counter::FoldersToRename), 2);
    Click("rdoVol06RenameTheLastSubFolder");
    expectEnabled(true, false, true);
    EXPECT_FALSE(Find<QRadioButton>("rdoVol06RenameAddPrefixesSuffixes")->isChecked());

    // A list change zeroes the outcomes shown, the lists stay until the next run.
    messenger_.Answer(kAnswerYes);
    Click("btnVol06RenameFoldersSimulation");
    ASSERT_EQ(Outcomes(Log()), (Lines{"gone d:\\Jobs\\Smith", "gone d:\\Jobs\\Jones"}));
    AddLines({"d:\\Jobs\\Third"});
    EXPECT_EQ(Log().Counter(Vol06Counter::FoldersToRename), 3);
    EXPECT_EQ(Log().Counter(Vol06Counter::FoldersSourceNotExists), 0);
    EXPECT_EQ(Log().Lines(Vol06Category::FoldersSourceNotExists).size(), 2u);
}

TEST_F(RenameTabTest, FieldCheckTakesBackARefusedCharacterAsTypedAndOnLeaving) {
    AddLines({"d:\\Jobs\\Smith"});
    const struct {
        const char* field;
        const char* warning;
        const char* title;
    } cases[] = {
        {"edtVol06NewPrefix", "Illegal character in the Prefix :  ?",
         "Rename Folders. - From a Folder List.            Warning no: 0200."},
        {"edtVol06NewSuffix", "Illegal character in the Suffix :  ?",
         "Rename Folder(s).-From a Folder List.            Warning no: 0201."},
        {"edtVol06DelimiterPrefixSubFolder", "Illegal character in the Delimiter :  ?",
         "Rename Folders. - From a Folder List.            Warning no: 0202."},
        {"edtVol06DelimiterSubFolderSuffix", "Illegal character in the Delimiter :  ?",
         "Rename Folders. - From a Folder List.            Warning no: 0203."},
        {"edtVol06RenameNewLastSubFolder", "Illegal character in the New Subfolder string :  ?",
         "Rename Folders. - From a Folder List.            Warning no: 0600."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        QLineEdit* edit = Edit(c.field);
        edit->setEnabled(true);
        messenger_.Clear();
        Type(edit, "ab");
        EXPECT_TRUE(messenger_.Shown().empty());
        Type(edit, "?");
        ASSERT_EQ(messenger_.Shown().size(), 1u);
        ExpectBox(messenger_, 0, c.warning, c.title, 48);
        EXPECT_EQ(edit->text().toStdString(), "ab");

        edit->setText("ab?c");
        // A box or menu taking the focus is not leaving the field.
        Leave(edit, Qt::ActiveWindowFocusReason);
        Leave(edit, Qt::PopupFocusReason);
        EXPECT_EQ(messenger_.Shown().size(), 1u);
        Leave(edit, Qt::TabFocusReason);
        ExpectBox(messenger_, 1, c.warning, c.title, 48);
        EXPECT_EQ(edit->text().toStdString(), "abc");

        // Typed inside the text, only the refused character goes and the cursor stays put.
        edit->setCursorPosition(2);
        Type(edit, "?");
        ExpectBox(messenger_, 2, c.warning, c.title, 48);
        EXPECT_EQ(edit->text().toStdString(), "abc");
        EXPECT_EQ(edit->cursorPosition(), 2);
        edit->clear();
    }
}

TEST_F(RenameTabTest, RunLocksTheOtherTabsAndUndoTakesItBackAfterASimulation) {
    TempDrives::MakeHostFolder(host_ + "/Jobs/Smith");
    TempDrives::MakeHostFolder(host_ + "/Jobs/Jones");
    AddLines({"d:\\Jobs\\Smith", "d:\\Jobs\\Jones"});
    Edit("edtVol06NewPrefix")->setText("X");
    Edit("edtVol06DelimiterPrefixSubFolder")->setText("_");
    Edit("edtVol06DelimiterSubFolderSuffix")->setText("-");
    Edit("edtVol06NewSuffix")->setText("2010");
    Edit("edtVol06RenameNewLastSubFolder")->setText("Unused");
    std::vector<bool> tabsEnabled;
    fs_.Before(FaultyFileSystem::Op::MoveFolderNoReplace, [&](const std::string&) {
        for (int i = 0; i < windows_->main->Pages()->count(); ++i)
            tabsEnabled.push_back(windows_->main->Pages()->isTabEnabled(i));
    });
    messenger_.Answer(kAnswerYes);
    Click("btnVol06RenameFolders");
    EXPECT_EQ(Jobs(), (Lines{"X_Jones-2010", "X_Smith-2010"}));
    EXPECT_EQ(tabsEnabled, (std::vector<bool>{false, false, true, false, false, false, false, false,
                                              true, false, false, false}));
    for (int i = 0; i < windows_->main->Pages()->count(); ++i)
        EXPECT_TRUE(windows_->main->Pages()->isTabEnabled(i)) << i;
    EXPECT_TRUE(LogShown());

    // A simulation in between, without the Visual Log, renames nothing and forgets nothing.
    windows_->LogWindow(kRenameTab).hide();
    Find<QCheckBox>("chkVol06ShowDetailedResults")->setChecked(false);
    messenger_.Answer(kAnswerYes);
    const int mutations = fs_.MutationCount();
    Click("btnVol06RenameFoldersSimulation");
    EXPECT_EQ(fs_.MutationCount(), mutations);
    EXPECT_FALSE(LogShown());
    // In list order, not by depth.
    EXPECT_EQ(Outcomes(Log()), (Lines{"gone d:\\Jobs\\Smith", "gone d:\\Jobs\\Jones"}));

    messenger_.Clear();
    messenger_.Answer(kAnswerYes);
    Click("btnVol06Undo");
    EXPECT_EQ(Jobs(), (Lines{"Jones", "Smith"}));
    EXPECT_TRUE(Journal().RenamedPairs.empty());
}

TEST_F(RenameTabTest, UndoIsUsableWhileTheJournalHoldsARun) {
    TempDrives::MakeHostFolder(host_ + "/Jobs/Smith");
    EXPECT_FALSE(Find("btnVol06Undo")->isEnabled());
    AddLines({"d:\\Jobs\\Smith"});
    EXPECT_FALSE(Find("btnVol06Undo")->isEnabled());
    Edit("edtVol06NewSuffix")->setText("_old");
    messenger_.Answer(kAnswerYes);
    Click("btnVol06RenameFolders");
    EXPECT_TRUE(Find("btnVol06Undo")->isEnabled());
    // The lists may change; the journal stays, and so does its Undo.
    windows_->main->Pane(kRenameTab)->Model().ClearLists();
    windows_->main->Pane(kRenameTab)->ListsChanged();
    EXPECT_TRUE(Find("btnVol06Undo")->isEnabled());
    messenger_.Answer(kAnswerYes);
    Click("btnVol06Undo");
    EXPECT_EQ(Jobs(), Lines{"Smith"});
    EXPECT_FALSE(Find("btnVol06Undo")->isEnabled());
}

TEST_F(RenameTabTest, PreviewShowsTheSelectedLineAndTheNameItWillGet) {
    QLabel* start = Find<QLabel>("lblVol06StartFolder");
    QLabel* end = Find<QLabel>("lblVol06EndFolder");
    const auto shown = [&] {
        return std::pair{start->text().toStdString(), end->text().toStdString()};
    };
    using Shown = std::pair<std::string, std::string>;
    EXPECT_EQ(shown(), (Shown{"", ""}));
    AddLines({"d:\\Jobs\\Smith", " d:\\Jobs\\Jones\\"});
    EXPECT_EQ(shown(), (Shown{"d:\\Jobs\\Smith", "d:\\Jobs\\Smith"}));
    Edit("edtVol06NewPrefix")->setText("X");
    Edit("edtVol06DelimiterPrefixSubFolder")->setText(" _ ");
    Edit("edtVol06NewSuffix")->setText("2010");
    EXPECT_EQ(shown(), (Shown{"d:\\Jobs\\Smith", "d:\\Jobs\\X_Smith2010"}));
    auto* list = Find<QListView>("lstVol06IncludeFolderList");
    list->setCurrentIndex(list->model()->index(1, 0));
    EXPECT_EQ(shown(), (Shown{"d:\\Jobs\\Jones", "d:\\Jobs\\X_Jones2010"}));
    Click("rdoVol06RenameTheLastSubFolder");
    Edit("edtVol06RenameNewLastSubFolder")->setText("Archive");
    EXPECT_EQ(shown(), (Shown{"d:\\Jobs\\Jones", "d:\\Jobs\\Archive"}));
}

TEST_F(RenameTabTest, ClearFieldsResetsMethodFieldsAndJournal) {
    TempDrives::MakeHostFolder(host_ + "/Jobs/Smith");
    AddLines({"d:\\Jobs\\Smith"});
    for (const char* name : kAffixFields) Edit(name)->setText("x");
    Click("rdoVol06RenameTheLastSubFolder");
    Edit("edtVol06RenameNewLastSubFolder")->setText("Archive");
    Find<QCheckBox>("chkVol06ShowDetailedResults")->setChecked(false);
    messenger_.Answer(kAnswerYes);
    Click("btnVol06RenameFolders");
    EXPECT_FALSE(LogShown());
    ASSERT_EQ(Journal().RenamedPairs,
              (std::vector<_tagReplaceFoldersStruct>{{"d:\\Jobs\\Smith", "d:\\Jobs\\Archive"}}));
    Journal().FailedUndoPairs = Journal().RenamedPairs;

    messenger_.Clear();
    messenger_.Answer(kAnswerYes);
    Click("btnVol06ClearAll");
    ASSERT_EQ(messenger_.Shown().size(), 2u);
    ExpectBox(messenger_, 0,
              "You will delete all fields !!!\nClick YES to Continue deleting all fields,\nClick "
              "NO to Stop the delete process.",
              "Rename Folders. - From a Folder List.            Information no: 0204.", 292);
    ExpectBox(messenger_, 1, "End of the CLEAR FIELDS process !!!\n",
              "Rename Folders. - From a Folder List.           Warning no: 0205.", 48);
    EXPECT_TRUE(Find<QRadioButton>("rdoVol06RenameAddPrefixesSuffixes")->isChecked());
    for (const char* name : kAffixFields) EXPECT_TRUE(Edit(name)->text().isEmpty()) << name;
    EXPECT_TRUE(Edit("edtVol06RenameNewLastSubFolder")->text().isEmpty());
    EXPECT_TRUE(Find<QCheckBox>("chkVol06ShowDetailedResults")->isChecked());
    EXPECT_TRUE(Journal().RenamedPairs.empty());
    EXPECT_TRUE(Journal().FailedUndoPairs.empty());
    for (std::size_t i = 0; i < Log().CounterCount(); ++i) EXPECT_EQ(Log().CounterAt(i), 0) << i;
    for (const char* name : kRunControls) EXPECT_FALSE(Find(name)->isEnabled()) << name;
    EXPECT_FALSE(Find("btnVol06Undo")->isEnabled());
    // Clearing forgets the undo; it does not run it.
    EXPECT_EQ(Jobs(), Lines{"Archive"});
}

}  // namespace
}  // namespace arbovane
