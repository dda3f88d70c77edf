// A run on the real main window: the window lets events run while it goes on, Stop and closing
// end it between two entries, and its journal file brings its Undo across a new start.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <csignal>
#include <filesystem>

#include "core/visuallog/VisualLog.h"
#include "gui/lists/FolderListPane.h"
#include "gui/visuallog/VisualLogWindow.h"
#include "support/MainWindowFixture.h"
#include "support/TreeSnapshot.h"

namespace arbovane {
namespace {

using testing::ShownMessage;
using testing::TempDrives;
using testing::TreeSnapshot;
using Op = testing::FaultyFileSystem::Op;

const ShownMessage kStopped{
    "The run was stopped by the user !!!\nWhat it did until then is listed in the Visual "
    "Log.\nUndo takes it back.",
    "Copy Folder Structure(s).-From a Folder List - Level.            Information no: 0611.", 64};
const ShownMessage kCloseQuestion{
    "A run is still going on !!!\nDo you want to stop it and close the program ?",
    "Copy Folder Structure(s).-From a Folder List - Level.            Information no: 0612.", 292};
const ShownMessage kInterrupted{
    "The last run ended before it was finished !!!\n(The program was closed, stopped by the "
    "system, or the power failed.)\nUndo takes back what the run had made until then.",
    "Copy Folder Structure(s).-From a Folder List - Level.            Information no: 0610.", 64};

class LiveRunTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        for (int i = 0; i < 20; ++i)
            TempDrives::WriteHostFile(
                host_ + "/T/Sub" + std::to_string(i % 4) + "/f" + std::to_string(i) + ".txt", "x");
        for (const char* client : {"Acme", "Bolt", "Core"})
            TempDrives::MakeHostFolder(host_ + "/Clients/" + client);
        StartCopyTab();
    }
    void StartCopyTab() {
        Start();
        for (const char* client : {"Acme", "Bolt", "Core"})
            Main().Pane(0)->Model().Include().Add(std::string("d:\\Clients\\") + client);
        Main().Pane(0)->ListsChanged();
        Find<QRadioButton>("rdoVol08StructureImportFullPaths")->click();
        shell_.NextFolder("d:\\T");
        Click("btnVol08AddFolderStructure");
        Find<QRadioButton>("rdoVol08AttachMainFolderWithFiles")->click();
        messenger_.Clear();
    }
    VisualLog& Log() { return Main().Log(VisualLogTab::Vol08); }
    // Runs action before the n-th change of the run reaches the disk.
    void BeforeChange(int n, std::function<void()> action) {
        auto count = std::make_shared<int>(0);
        for (Op op : {Op::CreateFolder, Op::CopyNewFile})
            fs_.Before(op, [count, n, action](const std::string&) {
                if (++*count == n) action();
            });
    }
    QPushButton* StopButton() {
        auto* button = windows_->main->window()->findChild<QPushButton*>("btnStat08Stop");
        if (!button)
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* found = top->findChild<QPushButton*>("btnStat08Stop")) return found;
        return button;
    }
    std::map<std::string, std::string> Clients() { return TreeSnapshot(host_ + "/Clients"); }
};

TEST_F(LiveRunTest, StopEndsTheRunAndUndoTakesBackWhatItMade) {
    const auto before = Clients();
    BeforeChange(12, [this] {
        // The run is live: its Visual Log offers Stop, and the other tabs are locked.
        ASSERT_TRUE(Log().IsLive());
        QPushButton* stop = StopButton();
        ASSERT_NE(stop, nullptr);
        EXPECT_TRUE(stop->isEnabled());
        EXPECT_FALSE(Main().Pages()->isTabEnabled(1));
        stop->click();
    });
    messenger_.Answer(kAnswerYes);
    Click("btnVol08CopyFolders");
    fs_.ClearHooks();
    EXPECT_TRUE(Log().Stopped());
    EXPECT_FALSE(Log().IsLive());
    EXPECT_EQ(Log().MarkerText(), "Folder/File Copy Process.  Stopped by the user.");
    ASSERT_FALSE(messenger_.Shown().empty());
    EXPECT_EQ(messenger_.Shown().back().title, kStopped.title);
    EXPECT_EQ(messenger_.Shown().back().text, kStopped.text);
    EXPECT_NE(Clients(), before);
    EXPECT_TRUE(Main().Pages()->isTabEnabled(1));

    messenger_.Clear();
    messenger_.Answer(kAnswerYes);
    Click("btnVol08Undo");
    EXPECT_EQ(Clients(), before);
}

TEST_F(LiveRunTest, ClosingDuringARunAsksAndNoLetsItFinish) {
    const auto before = Clients();
    BeforeChange(5, [this] { Main().close(); });
    messenger_.Answer(kAnswerYes);  // the copy
    messenger_.Answer(kAnswerNo);   // do not stop
    Main().show();
    Click("btnVol08CopyFolders");
    fs_.ClearHooks();
    ASSERT_GE(messenger_.Shown().size(), 2u);
    EXPECT_EQ(messenger_.Shown()[1].title, kCloseQuestion.title);
    EXPECT_EQ(messenger_.Shown()[1].text, kCloseQuestion.text);
    EXPECT_FALSE(Log().Stopped());
    EXPECT_TRUE(Main().isVisible());
    EXPECT_EQ(Log().Counter(Vol08Counter::FilesCopied), 60);
    (void)before;
}

TEST_F(LiveRunTest, ClosingDuringARunWithYesStopsItThenCloses) {
    BeforeChange(5, [this] { Main().close(); });
    messenger_.Answer(kAnswerYes);  // the copy
    messenger_.Answer(kAnswerYes);  // stop and close
    Main().show();
    Click("btnVol08CopyFolders");
    fs_.ClearHooks();
    EXPECT_TRUE(Log().Stopped());
    // The window closes once the run and its boxes are done.
    for (int i = 0; i < 100 && Main().isVisible(); ++i) QApplication::processEvents();
    EXPECT_FALSE(Main().isVisible());
}

TEST_F(LiveRunTest, UndoWorksAfterANewStart) {
    const auto before = Clients();
    messenger_.Answer(kAnswerYes);
    Click("btnVol08CopyFolders");
    ASSERT_NE(Clients(), before);
    windows_.reset();
    Start();
    EXPECT_TRUE(Find<QWidget>("btnVol08Undo")->isEnabled());
    messenger_.Answer(kAnswerYes);
    Click("btnVol08Undo");
    EXPECT_EQ(Clients(), before);
}

TEST_F(LiveRunTest, ARunKilledMidwayIsTakenBackAtTheNextStart) {
    const auto before = Clients();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        BeforeChange(20, [] { raise(SIGKILL); });
        messenger_.Answer(kAnswerYes);
        Click("btnVol08CopyFolders");
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    ASSERT_NE(Clients(), before);
    windows_.reset();
    Start();
    EXPECT_TRUE(Find<QWidget>("btnVol08Undo")->isEnabled());
    messenger_.Answer(kAnswerYes);
    Click("btnVol08Undo");
    ASSERT_GE(messenger_.Shown().size(), 2u);
    EXPECT_EQ(messenger_.Shown()[0].title, kInterrupted.title);
    EXPECT_EQ(messenger_.Shown()[0].text, kInterrupted.text);
    EXPECT_EQ(Clients(), before);
}

}  // namespace
}  // namespace arbovane
