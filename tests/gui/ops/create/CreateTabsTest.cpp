#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <algorithm>
#include <filesystem>

#include "core/undo/UndoJournal.h"
#include "core/visuallog/VisualLog.h"
#include "gui/lists/FolderListPane.h"
#include "gui/templates/TemplatePane.h"
#include "support/MainWindowFixture.h"
#include "support/TreeSnapshot.h"

namespace arbovane {
namespace {

using testing::ExpectMessages;
using testing::ShownMessage;
using testing::TempDrives;
using Lines = std::vector<std::string>;
using G = CreationCategory;

constexpr int kNames = 3, kPaths = 4, kNumbers = 5;

class CreateTabsTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        for (const char* file : {"T/f.txt", "T/A/g.txt"})
            TempDrives::WriteHostFile(host_ + "/" + file, file);
        TempDrives::MakeHostFolder(host_ + "/Clients/Company01");
        Start();
    }
    void Fill(int tab, const Lines& lines) {
        FolderListPane& pane = *Main().Pane(tab);
        for (const std::string& line : lines) pane.Model().Include().Add(line);
        pane.ListsChanged();
    }
    void Type(const char* name, const char* text) {
        QLineEdit* edit = Find<QLineEdit>(name);
        edit->setText(text);
        emit edit->editingFinished();
    }
    void Browse(const char* button, const std::string& folder) {
        shell_.NextFolder(folder);
        Click(button);
    }
    void Press(const char* button, int answer = kAnswerYes) {
        messenger_.Clear();
        messenger_.Answer(answer);
        Click(button);
    }
    bool Exists(const std::string& relative) const {
        return std::filesystem::exists(std::filesystem::symlink_status(host_ + "/" + relative));
    }
    bool Enabled(const char* name) { return Find<QWidget>(name)->isEnabled(); }
    // The tree, without the tabs' journal files beside the settings.
    std::map<std::string, std::string> Tree() const {
        auto tree = testing::TreeSnapshot(host_);
        std::erase_if(tree, [](const auto& entry) { return entry.first.rfind("/Start/undo-", 0) == 0; });
        return tree;
    }
    Lines Titles() const {
        Lines titles;
        for (const auto& shown : messenger_.Shown()) titles.push_back(shown.title);
        return titles;
    }
};

TEST_F(CreateTabsTest, NamesFillRunSimulateUndo) {
    Main().Pages()->setCurrentIndex(kNames);
    EXPECT_FALSE(Enabled("btnVol02CreateFolders"));
    // The string lists wait for a destination.
    EXPECT_FALSE(Enabled("lstVol02IncludeStrings"));
    EXPECT_TRUE(Enabled("btnVol02AddDestFolder"));
    Browse("btnVol02AddDestFolder", "d:\\Dest");
    EXPECT_TRUE(Enabled("lstVol02IncludeStrings"));
    EXPECT_EQ(Find<QComboBox>("cboVol02DestFolders")->currentText(), "d:\\Dest");
    Fill(kNames, {"Customer1", "Customer2"});
    Type("edtVol02Prefix", "2014");
    Type("edtVol02Suffix", "July");
    Find<QCheckBox>("chkVol02Hyphen")->setChecked(true);
    Find<QRadioButton>("rdoVol02AttachNothing")->click();
    EXPECT_TRUE(Enabled("btnVol02CreateFolders"));
    VisualLog& log = Main().Log(VisualLogTab::Vol02);
    EXPECT_EQ(log.Counter(CreationCounter::FoldersToCreate), 2);

    const auto before = Tree();
    Press("btnVol02CreateFoldersSimulation");
    EXPECT_EQ(Titles(),
              (Lines{"Simulate Creating Folder(s).-From a String List.            Information no: "
                     "0455.",
                     "Simulate Creating Folder(s).-From a String List.            Information no: "
                     "0457."}));
    EXPECT_EQ(Tree(), before);
    // The missing destination is made on the way, listed first.
    EXPECT_EQ(log.Lines(G::FoldersCreated),
              (Lines{"d:\\Dest", "d:\\Dest\\2014-Customer1-July",
                     "d:\\Dest\\2014-Customer2-July"}));

    Press("btnVol02CreateFolders");
    ExpectMessages(
        messenger_.Shown(),
        {{"Do you want to create folders ?\n",
          "Creating Folder(s).-From  a String List.            Information no: 0025.", 292},
         {"End of Creating Folders/Files !!!",
          "Creating Folder(s).-From a String List.            Information no: 0026.", 64}});
    EXPECT_TRUE(Exists("Dest/2014-Customer1-July"));
    EXPECT_TRUE(Exists("Dest/2014-Customer2-July"));
    EXPECT_EQ(shell_.Calls().back().argument, "d:\\Dest");
    EXPECT_TRUE(Main().Pages()->isTabEnabled(0));
    // Leaving the destination box as it stands, or the tab, keeps the run's outcomes counted.
    auto* destination = Find<QComboBox>("cboVol02DestFolders");
    emit destination->lineEdit()->editingFinished();
    Main().Pages()->setCurrentIndex(kPaths);
    Main().Pages()->setCurrentIndex(kNames);
    EXPECT_EQ(log.Counter(CreationCounter::FoldersCreated), 3);
    EXPECT_EQ(log.Lines(G::FoldersCreated).size(), 3u);

    Press("btnVol02Undo");
    EXPECT_EQ(Tree(), before);
}

TEST_F(CreateTabsTest, NumbersFillRunSimulateUndo) {
    Main().Pages()->setCurrentIndex(kNumbers);
    EXPECT_FALSE(Enabled("btnVol03CreateFolders"));
    messenger_.Clear();
    Browse("btnVol03AddDestFolder", "d:\\Clients");
    ExpectMessages(messenger_.Shown(),
                   {{"Folder structure: d:\\Clients\n\nContains :       2 Main "
                     "Folders/Subfolders.\n\n                       0 Files.\n\nSum file size :  "
                     "0.00 Bytes  (0 bytes).\n",
                     "Summary of the selected Subfolder structure.", 0}});
    Type("edtVol03StartNumber", "8");
    Type("edtVol03EndNumber", "12");
    Type("edtVol03Prefix", "C");
    Find<QCheckBox>("chkVol03Hyphen")->setChecked(true);
    Find<QCheckBox>("chkVol03PaddedZeroes")->setChecked(true);
    Find<QRadioButton>("rdoVol03StructureImportFullPaths")->click();
    Browse("btnVol03AddFolderStructure", "d:\\T");
    Find<QRadioButton>("rdoVol03AttachSubFoldersOnlyWithFiles")->click();
    VisualLog& log = Main().Log(VisualLogTab::Vol03);
    EXPECT_EQ(log.Counter(CreationCounter::FoldersToCreate), 5);
    EXPECT_EQ(log.Counter(CreationCounter::FilesToCreate), 10);

    const auto before = Tree();
    fs_.ForbidMutations();
    Press("btnVol03CreateFoldersSimulation");
    fs_.ForbidMutations(false);
    EXPECT_EQ(Tree(), before);
    EXPECT_EQ(log.Lines(G::FoldersCreated).front(), "d:\\Clients\\C-08");
    EXPECT_EQ(log.Lines(G::FilesCreated).size(), 10u);

    Press("btnVol03CreateFolders");
    EXPECT_EQ(Titles().back(),
              "Creating Folder(s).-Increased Numbers.            Information no: 0094.");
    for (const char* name : {"C-08", "C-09", "C-10", "C-11", "C-12"})
        EXPECT_TRUE(Exists(std::string("Clients/") + name + "/A/g.txt")) << name;
    EXPECT_EQ(Main().Journal(VisualLogTab::Vol03).AttachModeMarker, "F");

    Press("btnVol03Undo");
    EXPECT_EQ(Tree(), before);
    EXPECT_TRUE(Exists("Clients/Company01"));
}

TEST_F(CreateTabsTest, PathsFillRunSimulateUndo) {
    Main().Pages()->setCurrentIndex(kPaths);
    Fill(kPaths, {"d:\\Clients\\Company01", "d:\\New\\Company02"});
    Type("edtVol04Prefix", "2014");
    Type("edtVol04Suffix", "July");
    Find<QCheckBox>("chkVol04Hyphen")->setChecked(true);
    EXPECT_FALSE(Enabled("btnVol04CreateFolders")) << "relative templates without lines";
    Find<QRadioButton>("rdoVol04StructureImportFullPaths")->click();
    Browse("btnVol04AddFolderStructure", "d:\\T");
    Find<QRadioButton>("rdoVol04AttachSubFoldersOnlyWithoutFiles")->click();

    const auto before = Tree();
    fs_.ForbidMutations();
    Press("btnVol04CreateFoldersSimulation");
    fs_.ForbidMutations(false);
    EXPECT_EQ(Tree(), before);

    Press("btnVol04CreateFolders");
    EXPECT_EQ(Titles(),
              (Lines{"Creating Folder(s).-From a Folder List.            Information no: 0061.",
                     "Creating Folder(s).-From a Folder List.            Information no: 0062."}));
    EXPECT_TRUE(Exists("Clients/2014-Company01-July/A"));
    EXPECT_TRUE(Exists("New/2014-Company02-July/A"));
    EXPECT_FALSE(Exists("Clients/2014-Company01-July/f.txt"));

    // The user's file stays, and so does every folder holding it.
    TempDrives::WriteHostFile(host_ + "/New/2014-Company02-July/A/mine.txt", "x");
    Press("btnVol04Undo");
    EXPECT_FALSE(Exists("Clients/2014-Company01-July"));
    EXPECT_TRUE(Exists("Clients/Company01"));
    EXPECT_TRUE(Exists("New/2014-Company02-July/A/mine.txt"));
    EXPECT_EQ(
        Main().Journal(VisualLogTab::Vol04).FailedUndoFolders,
        (Lines{"d:\\New\\2014-Company02-July\\A", "d:\\New\\2014-Company02-July", "d:\\New"}));
}

// A forbidden character is announced and the text shortened until it is clean.
TEST_F(CreateTabsTest, PrefixAndSuffixRefuseSeparators) {
    Fill(kNames, {"A"});
    messenger_.Clear();
    Find<QLineEdit>("edtVol02Prefix")->setText("ab\\");
    EXPECT_EQ(Find<QLineEdit>("edtVol02Prefix")->text(), "ab");
    ExpectMessages(messenger_.Shown(),
                   {{"Illegal character in the Prefix :  \\",
                     "Creating Folder(s).-From a String List.            Warning no: 0018.", 48}});
    messenger_.Clear();
    Find<QLineEdit>("edtVol04Suffix")->setText("x/");
    EXPECT_EQ(Find<QLineEdit>("edtVol04Suffix")->text(), "x");
    EXPECT_EQ(Titles(),
              Lines{"Creating Folder(s).-From a Folder List.            Warning no: 0055."});
}

TEST_F(CreateTabsTest, NumbersClearFields) {
    Browse("btnVol03AddDestFolder", "d:\\Clients");
    Type("edtVol03StartNumber", "abc");
    EXPECT_EQ(Find<QLineEdit>("edtVol03StartNumber")->text(), "1");
    Type("edtVol03Prefix", "C");
    Press("btnVol03ClearAll");
    EXPECT_EQ(Titles().back(),
              "Creating Folder(s).-Increased Numbers.            Information no: 0084.");
    EXPECT_TRUE(Find<QLineEdit>("edtVol03Prefix")->text().isEmpty());
    EXPECT_TRUE(Find<QCheckBox>("chkVol03Hyphen")->isChecked());
    EXPECT_FALSE(Enabled("btnVol03CreateFolders"));
}

// Without a destination, View and a cancelled Browse say so; the numbers tab shows its summary
// with zeros first.
TEST_F(CreateTabsTest, DestinationRowWithoutADestination) {
    const struct {
        const char* button;
        Lines titles;
    } cases[] = {
        {"btnVol02ViewDestFolder",
         {"Creating Folder(s).-From a String List.            Warning no: 0002."}},
        {"btnVol02AddDestFolder",
         {"Creating Folder(s).-From a String List.            Warning no: 0001."}},
        {"btnVol03AddDestFolder",
         {"Summary of the selected Subfolder structure.",
          "Creating Folder(s).-Increased Numbers.\t\t\tWarning no: 0077."}},
    };
    for (const auto& c : cases) {
        messenger_.Clear();
        Click(c.button);
        EXPECT_EQ(Titles(), c.titles) << c.button;
    }
    EXPECT_FALSE(Enabled("btnVol03ViewDestFolder"));
    EXPECT_FALSE(Enabled("edtVol03StartNumber"));
    EXPECT_TRUE(std::none_of(shell_.Calls().begin(), shell_.Calls().end(),
                             [](const auto& call) { return call.kind == "open"; }));
}

// The captions and labels of the three tabs, and what a tab without a destination lets the user
// do: its destination row, "Clear Fields", "Examples" and Help.
TEST_F(CreateTabsTest, CaptionsAndWhatIsUsableBeforeADestination) {
    const struct {
        const char* name;
        const char* text;
    } captions[] = {
        {"lblVol02IncludeCaption", "Include String  list"},
        {"lblVol02ExcludeCaption", "Exclude String List"},
        {"lblVol02AddToList", "Add Folder Names to the list :"},
        {"lblVol04IncludeCaption", "Include Folder list"},
        {"lblVol04ExcludeCaption", "Exclude Folder List."},
        {"lblVol04AddToList", "Add Folder Name with Path to the List"},
        {"lblVol03StartNumber", "Start Number :"},
        {"lblVol03EndNumber", "End (Stop) Number :"},
        {"lblVol02TabCaption",
         "Create Multiple Folders from a List of Strings. Attach Folder Structures (Templates) to "
         "Each NEWLY Created Folder"},
        {"lblVol03TabCaption",
         "Create Multiple Folders using Increased Numbers. Attach Folder Structures (Templates) "
         "to Each NEWLY Created Folder."},
        {"lblVol04TabCaption",
         "Create Multiple Folders a List of Folders. Attach Folder Structures  (Templates) to "
         "Each NEWLY  Created Folder."},
    };
    for (const auto& c : captions) EXPECT_EQ(Find<QLabel>(c.name)->text(), c.text) << c.name;
    EXPECT_EQ(Find<QPushButton>("btnVol04ClearAll")->text(), " Clear  Fields");

    for (const char* usable :
         {"btnVol02ClearAll", "btnVol02Example", "btnVol02ListHelp", "btnVol02AddDestFolder",
          "btnVol02ViewDestFolder", "cboVol02DestFolders"})
        EXPECT_TRUE(Enabled(usable)) << usable;
    for (const char* unusable :
         {"edtVol02AddToList", "btnVol02AddToList", "lstVol02IncludeStrings", "edtVol02Prefix",
          "chkVol02Hyphen", "btnVol02CreateFolders", "btnVol02CreateFoldersSimulation",
          "chkVol02ViewDestFolder", "btnVol02Statistic"})
        EXPECT_FALSE(Enabled(unusable)) << unusable;
    Browse("btnVol02AddDestFolder", "d:\\Clients");
    for (const char* usable : {"edtVol02AddToList", "btnVol02AddToList", "btnVol02ClearAll"})
        EXPECT_TRUE(Enabled(usable)) << usable;
    EXPECT_FALSE(Enabled("edtVol02Prefix")) << "until a name is listed";
}

}  // namespace
}  // namespace arbovane
