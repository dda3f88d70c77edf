#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "core/undo/UndoJournal.h"
#include "core/visuallog/VisualLog.h"
#include "gui/lists/FolderListPane.h"
#include "gui/templates/TemplatePane.h"
#include "gui/templates/TfrmFolderStructuresTemplates.h"
#include "support/MainWindowFixture.h"
#include "support/TreeSnapshot.h"

namespace arbovane {
namespace {

using testing::ExpectMessages;
using testing::ShownMessage;
using testing::TempDrives;
using Lines = std::vector<std::string>;

const ShownMessage kQuestion{
    "Do you want to copy folders ?\n\nNote: If the <Select Files> button is active, only the "
    "Selected Files will be used.",
    "Copy Folder Structure(s).-From a Folder List.            Information no: 0284.", 292};
const ShownMessage kEnd{
    "End of the Copy process !!!",
    "Copy Folder Structure(s).-From a Folder List - Level.            Information no: 0285.", 64};

void WhenShown(QWidget& window, std::function<void()> action, int tries = 1000) {
    QTimer::singleShot(5, [&window, action = std::move(action), tries]() mutable {
        if (window.isVisible() || tries == 0)
            action();
        else
            WhenShown(window, std::move(action), tries - 1);
    });
}

class CopyTabTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        for (const char* file : {"T/f.txt", "T/A/g.txt"})
            TempDrives::WriteHostFile(host_ + "/" + file, file);
        TempDrives::MakeHostFolder(host_ + "/Clients/Acme");
        TempDrives::MakeHostFolder(host_ + "/Clients/Bolt");
        Start();
    }
    FolderListPane& Pane() { return *Main().Pane(0); }
    TemplatePane& Templates() { return *Main().Templates(0); }
    VisualLog& Log() { return Main().Log(VisualLogTab::Vol08); }
    void Fill(const Lines& lines) {
        for (const std::string& line : lines) Pane().Model().Include().Add(line);
        Pane().ListsChanged();
    }
    void AddStructure(const std::string& folder) {
        shell_.NextFolder(folder);
        Click("btnVol08AddFolderStructure");
    }
    bool Exists(const std::string& relative) const {
        return std::filesystem::exists(std::filesystem::symlink_status(host_ + "/" + relative));
    }
    bool Enabled(const char* name) { return Find<QWidget>(name)->isEnabled(); }
};

TEST_F(CopyTabTest, FullPathTemplatesWithFilesRunSimulateAndUndo) {
    EXPECT_FALSE(Enabled("btnVol08CopyFolders"));
    EXPECT_FALSE(Enabled("btnVol08CopyFoldersSimulation"));
    EXPECT_FALSE(Enabled("btnVol08Undo"));
    Fill({"d:\\Clients\\Acme", "d:\\Clients\\Bolt"});
    Find<QRadioButton>("rdoVol08StructureImportFullPaths")->click();
    AddStructure("d:\\T");
    EXPECT_TRUE(Enabled("btnVol08CopyFolders"));
    EXPECT_TRUE(Enabled("btnVol08CopyFoldersSimulation"));
    EXPECT_EQ(Log().Counter(Vol08Counter::FoldersToCopy), 2);
    EXPECT_EQ(Log().Counter(Vol08Counter::SubFoldersToCopy), 4);
    EXPECT_EQ(Log().Counter(Vol08Counter::FilesToCopy), 0);
    EXPECT_FALSE(Enabled("btnVol08FileSelection"));

    messenger_.Clear();
    Find<QRadioButton>("rdoVol08AttachMainFolderWithFiles")->click();
    ExpectMessages(messenger_.Shown(),
                   {{"You can Select File Names/Types by Clicking on the <Select Files> button.",
                     "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: "
                     "0277.",
                     48}});
    EXPECT_TRUE(Enabled("btnVol08FileSelection"));
    EXPECT_EQ(Log().Counter(Vol08Counter::FilesToCopy), 4);
    EXPECT_EQ(Log().Counter(Vol08Counter::FileSizeToCopy), 32);

    const auto before = testing::TreeSnapshot(host_ + "/Clients");
    messenger_.Clear();
    messenger_.Answer(kAnswerYes);
    fs_.ForbidMutations();
    Click("btnVol08CopyFoldersSimulation");
    fs_.ForbidMutations(false);
    EXPECT_EQ(testing::TreeSnapshot(host_ + "/Clients"), before);
    EXPECT_EQ(Log().Lines(Vol08Category::FilesCopied).size(), 4u);
    EXPECT_EQ(Log().MarkerText(), "Simulate the Folder/File Copy Process.");
    EXPECT_TRUE(Main().Pages()->isTabEnabled(1));

    messenger_.Clear();
    messenger_.Answer(kAnswerYes);
    Click("btnVol08CopyFolders");
    ExpectMessages(messenger_.Shown(), {kQuestion, kEnd});
    EXPECT_TRUE(Exists("Clients/Acme/T/A/g.txt"));
    EXPECT_TRUE(Exists("Clients/Bolt/T/f.txt"));
    EXPECT_EQ(Log().Lines(Vol08Category::FoldersCopied),
              (Lines{"d:\\Clients\\Acme", "d:\\Clients\\Bolt"}));
    EXPECT_TRUE(Main().Pages()->isTabEnabled(1));

    // Undo stays possible with the lists emptied; it takes back exactly what was copied.
    Pane().Model().Include().Clear();
    Pane().ListsChanged();
    EXPECT_TRUE(Enabled("btnVol08Undo"));
    messenger_.Clear();
    messenger_.Answer(kAnswerYes);
    Click("btnVol08Undo");
    EXPECT_EQ(testing::TreeSnapshot(host_ + "/Clients"), before);
    EXPECT_FALSE(Enabled("btnVol08Undo"));
}

TEST_F(CopyTabTest, RelativeTemplatesUseTheTabsOption) {
    Fill({"d:\\Clients\\Acme"});
    Main().TemplateOptions()[kTemplateKeyVol08].option = TemplateOption::ReplaceAll;
    TfrmFolderStructuresTemplates& dialog = *windows_->folderStructuresTemplates;
    WhenShown(dialog, [&] {
        Find<QPlainTextEdit>("mmoEditFolderStructuresTemplates")
            ->setPlainText("\\Project\\Project Plans\n\\Project");
        Click("btnFolderStructuresTemplatesOK");
    });
    Click("btnVol08EditFolderStructuresTemplates");
    EXPECT_EQ(Templates().Lines(), (Lines{"\\Project\\Project Plans", "\\Project"}));
    EXPECT_EQ(Log().Counter(Vol08Counter::SubFoldersToCopy), 2);
    EXPECT_FALSE(Enabled("btnVol08FileSelection"));

    messenger_.Clear();
    messenger_.Answer(kAnswerYes);
    Click("btnVol08CopyFolders");
    EXPECT_TRUE(Exists("Clients/Acme/Acme Plans"));
    EXPECT_EQ(Log().Lines(Vol08Category::SubFoldersOtherReasons), (Lines{"\\Project"}));
    EXPECT_EQ(Main().Journal(VisualLogTab::Vol08).AttachModeMarker, "R");
}

TEST_F(CopyTabTest, ClearFieldsEmptiesEverythingOfTheTab) {
    Fill({"d:\\Clients\\Acme"});
    Find<QRadioButton>("rdoVol08StructureImportFullPaths")->click();
    AddStructure("d:\\T");
    messenger_.Answer(kAnswerYes);
    Click("btnVol08CopyFolders");
    Find<QCheckBox>("chkVol08ShowDetailedResults")->setChecked(false);

    messenger_.Clear();
    messenger_.Answer(kAnswerYes);
    Click("btnVol08ClearAll");
    ExpectMessages(
        messenger_.Shown(),
        {{"You will delete all fields !!!\nClick YES to Continue deleting all fields,\nClick NO to "
          "Stop the delete process.",
          "Copy Folder Structure(s).-From a Folder List - Level.            Information no: 0287.",
          292},
         {"End of the CLEAR FIELDS process !!!\n",
          "Copy Folder Structure(s).-From a Folder List Level.           Warning no: 0288.", 48}});
    EXPECT_TRUE(Templates().Lines().empty());
    EXPECT_EQ(Templates().Kind(), TemplateKind::Relative);
    EXPECT_TRUE(Find<QCheckBox>("chkVol08ShowDetailedResults")->isChecked());
    EXPECT_TRUE(Main().Journal(VisualLogTab::Vol08).CreatedStructureFolders.empty());
    EXPECT_EQ(Log().Counter(Vol08Counter::FoldersCopied), 0);
    EXPECT_FALSE(Enabled("btnVol08CopyFolders"));
    EXPECT_FALSE(Enabled("btnVol08Undo"));
}

}  // namespace
}  // namespace arbovane
