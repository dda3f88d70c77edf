#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <stdexcept>

#include "gui/acquire/TfrmSubFolderListBuilder.h"
#include "gui/app/ProgramApplication.h"
#include "gui/app/ProgramWindows.h"
#include "gui/app/TfrmMain.h"
#include "gui/lists/FolderListPane.h"
#include "gui/visuallog/VisualLogWindow.h"
#include "support/ListViews.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedMessenger.h"

namespace arbovane {
namespace {

using testing::ExpectMessages;
using testing::ShownMessage;
using testing::TempDrives;

const char* const kOpenTitle = "Open a Folder or File.            Warning no: 0601.";

ShownMessage CouldNotOpen(const std::string& target, const std::string& reason) {
    return {"The program could not open :\n" + target + "\n\nReason : " + reason, kOpenTitle, 48};
}

class ProgramLifecycleTest : public MainWindowFixture {
protected:
    ProgramApplication& App() { return *static_cast<ProgramApplication*>(qApp); }
};

// "open" that the system cannot perform says so and why, wherever it is asked for.
TEST_F(ProgramLifecycleTest, OpenThatTheSystemCannotPerformIsReported) {
    Start();
    TempDrives::MakeHostFolder(host_ + "/Jobs");
    shell_.FailOpens();
    const struct {
        const char* name;
        std::function<void()> open;
        ShownMessage shown;
    } cases[] = {
        {"the help file", [this] { Main().mnuVisitWebClick(); },
         CouldNotOpen("d:\\App\\userguide.html",
                      "No program is set up to open this kind of file.")},
        {"a folder of the list",
         [this] {
             FolderListPane& pane = *Main().Pane(1);
             pane.Model().Include().AddAll({"d:\\Jobs"});
             pane.ListsChanged();
             testing::SelectRows(pane.findChild<QListView*>("lstVol07IncludeFolderList"), {0});
             pane.findChild<QPushButton*>("btnVol07ViewSelected")->click();
         },
         CouldNotOpen("d:\\Jobs", "No file manager is set up to open folders.")},
        {"a missing source of the list builder",
         [this] {
             TfrmSubFolderListBuilder& builder = *windows_->listBuilder;
             builder.findChild<QComboBox*>("cboMainSourceFolder")->setEditText("d:\\Gone");
             builder.findChild<QPushButton*>("btnMainSourceFolderView")->click();
         },
         CouldNotOpen("d:\\Gone", "It does not exist.")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messenger_.Clear();
        c.open();
        ExpectMessages(messenger_.Shown(), {c.shown});
    }
    // What the system opens needs no word.
    shell_.FailOpens(false);
    messenger_.Clear();
    Main().mnuVisitWebClick();
    EXPECT_TRUE(messenger_.Shown().empty());
}

// Closing the main window ends the program, also while a Visual Log window is open.
TEST_F(ProgramLifecycleTest, ClosingTheMainWindowEndsTheProgram) {
    Start();
    Main().show();
    windows_->LogWindow(1).show();
    bool stillOpen = false;
    QTimer::singleShot(0, [this] { Main().close(); });
    // Ends the loop with another code when the close did not.
    QTimer::singleShot(3000, [&stillOpen] {
        stillOpen = true;
        QCoreApplication::exit(1);
    });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(stillOpen);
    windows_->LogWindow(1).hide();
}

// An exception that leaves a window's handler is shown with the standard error box, and the
// program goes on.
TEST_F(ProgramLifecycleTest, ExceptionInAHandlerIsShownAndTheProgramGoesOn) {
    App().SetErrorMessenger(&messenger_);
    QPushButton button("Throws");
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&clicks] {
        if (++clicks == 1) throw std::runtime_error("the handler failed");
    });
    button.show();
    for (int i = 0; i < 2; ++i) {
        // The click arrives as window events, through the application's dispatch.
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5),
                          button.mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5),
                            button.mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(&button, &press);
        QApplication::sendEvent(&button, &release);
    }
    App().SetErrorMessenger(nullptr);
    EXPECT_EQ(clicks, 2);
    ExpectMessages(messenger_.Shown(),
                   {{"the handler failed", "Arbovane 8.20", 16, MessageOwner::System}});
}

}  // namespace
}  // namespace arbovane
