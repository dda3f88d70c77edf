#pragma once
// Only for the gui tests: it needs the Qt windows.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <memory>
#include <string>

#include "core/app/ProgramSettings.h"
#include "core/help/HelpEngine.h"
#include "gui/app/GuiContext.h"
#include "gui/app/ProgramWindows.h"
#include "gui/app/TfrmMain.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedMessenger.h"
#include "support/ScriptedShell.h"
#include "support/TempDrives.h"

namespace arbovane {

// The program's windows on a temporary drive D:, started from d:\Start (where the settings file
// goes), with scripted boxes and dialogs. The windows see the drive through a FaultyFileSystem, so
// a test can make chosen calls fail; it passes everything through until told otherwise.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        testing::TempDrives::MakeHostFolder(host_ + "/Start");
        testing::TempDrives::WriteHostFile(host_ + "/App/userguide.html", "<html></html>");
        ASSERT_TRUE(drives_.Fs().ReadCurrentDirectory(before_));
        ASSERT_TRUE(drives_.Fs().MakeCurrentDirectory("d:\\Start"));
        help_.SetHelpFile("d:\\App\\userguide.html");
    }
    void TearDown() override {
        windows_.reset();
        drives_.Fs().MakeCurrentDirectory(before_);
    }

    // Creates every window, as the program entry does, and forgets the boxes of the start.
    ProgramWindows& Start() {
        windows_ = std::make_unique<ProgramWindows>(context_, help_);
        messenger_.Clear();
        return *windows_;
    }
    template <typename T = QWidget>
    T* Find(const char* name) {
        T* found = windows_->main->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void Click(const char* name) { Find<QAbstractButton>(name)->click(); }
    TfrmMain& Main() { return *windows_->main; }

    testing::TempDrives drives_;
    std::string host_ = drives_.Map('D');
    testing::FaultyFileSystem fs_{drives_.Fs()};
    std::string before_;
    testing::ScriptedMessenger messenger_;
    testing::ScriptedShell shell_;
    ProgramSettings settings_;
    GuiContext context_{fs_, drives_.TextPort(), messenger_, shell_, settings_};
    HelpEngine help_{drives_.Fs()};
    std::unique_ptr<ProgramWindows> windows_;
};

}  // namespace arbovane
