#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "gui/acquire/TfrmFileImport.h"
#include "gui/app/ProgramWindows.h"
#include "gui/app/TfrmAltalanosHelp.h"
#include "gui/app/TfrmMoreHelp.h"
#include "gui/app/TfrmOverViewHelp.h"
#include "gui/lists/TfrmVol08EditIncludeList.h"
#include "gui/templates/TfrmFileSelection.h"
#include "gui/templates/TfrmFolderStructuresTemplates.h"
#include "gui/templates/TfrmFolderTemplateOptions.h"
#include "support/MainWindowFixture.h"

namespace arbovane {
namespace {

// What a modal window showed while it was up.
struct Shown {
    bool appeared = false;
    std::string caption;
    std::string secondLine;
    bool moreHelpVisible = false;
    bool moreHelpEnabled = false;
    int rowWidth = 0;
};

std::string Line(QWidget& window, const char* list, int row) {
    auto* box = window.findChild<QListWidget*>(list);
    return box && row < box->count() ? box->item(row)->text().toStdString() : std::string();
}

class HelpWindowsTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        Start();
    }
    TfrmAltalanosHelp& Help() { return *windows_->altalanosHelp; }

    // Runs the click and records the window once its modal loop shows it, then closes it with
    // the button named. Gives up after five seconds, so a click that opens nothing fails.
    Shown Opened(QDialog& window, const char* list, const char* close,
                 const std::function<void()>& click) {
        auto shown = std::make_shared<Shown>();
        auto timer = std::make_shared<QElapsedTimer>();
        timer->start();
        auto poll = std::make_shared<std::function<void()>>();
        *poll = [&window, list, close, shown, timer, poll] {
            if (!window.isVisible()) {
                if (timer->elapsed() < 5000) QTimer::singleShot(5, *poll);
                return;
            }
            shown->appeared = true;
            shown->caption = window.windowTitle().toStdString();
            shown->secondLine = Line(window, list, 1);
            if (auto* more = window.findChild<QPushButton*>("btnAltalanosHelpMoreHelp")) {
                shown->moreHelpVisible = more->isVisible();
                shown->moreHelpEnabled = more->isEnabled();
            }
            if (auto* box = window.findChild<QListWidget*>(list); box && box->count() > 0)
                shown->rowWidth = box->item(0)->sizeHint().width();
            window.findChild<QPushButton*>(close)->click();
            *poll = nullptr;
        };
        QTimer::singleShot(0, *poll);
        click();
        // The poll may still be waiting when nothing opened; let it end before the next test.
        while (*poll && timer->elapsed() < 5000) QCoreApplication::processEvents();
        return *shown;
    }
    Shown HelpOpenedBy(const std::function<void()>& click) {
        return Opened(Help(), "lstAltalanosHelp", "btnAltalanosHelpOk", click);
    }
    Shown MoreHelpOpenedBy(const std::function<void()>& click) {
        return Opened(*windows_->moreHelp, "lstMoreHelp", "btnMoreHelpOk", click);
    }
    void ClickIn(QWidget& window, const char* button) {
        auto* found = window.findChild<QPushButton*>(button);
        ASSERT_NE(found, nullptr) << button;
        EXPECT_TRUE(found->isEnabled()) << button;
        found->click();
    }
};

TEST_F(HelpWindowsTest, EveryTabsHelpButtonOpensItsTopicWithMoreHelp) {
    const struct {
        const char* button;
        int topic;
        const char* heading;
    } buttons[] = {
        {"btnVol08Help", 9,
         "            Copy a specific set of Folder Structure(s) to a List of Folders."},
        {"btnVol07Help", 10,
         "             Delete a Complete List of Folders, Subfolder structures with files, or "
         "just files in Subfolder structures."},
        {"btnVol06Help", 11,
         "       Renaming the Last Subfolder of a List of Main Folders (List of Full Paths)."},
        {"btnVol02ListHelp", 6, "      Creating Multiple Folders from a list of Strings."},
        {"btnVol04Help", 5, "      Creating Multiple Folders from a list of folders."},
        {"btnVol03Help", 7, "           Creating Multiple Folders using increased numbers."},
    };
    for (const auto& entry : buttons) {
        // Usable from the start: the creation tabs have no destination and the lists are empty.
        auto* button = Find<QPushButton>(entry.button);
        ASSERT_NE(button, nullptr) << entry.button;
        EXPECT_TRUE(button->isEnabled()) << entry.button;
        EXPECT_EQ(button->text().toStdString(), "Help");
        const Shown shown = HelpOpenedBy([button] { button->click(); });
        ASSERT_TRUE(shown.appeared) << entry.button;
        EXPECT_EQ(shown.caption, "Help for Arbovane 8.20");
        EXPECT_EQ(Help().Topic(), entry.topic) << entry.button;
        EXPECT_EQ(shown.secondLine, entry.heading) << entry.button;
        EXPECT_TRUE(shown.moreHelpVisible) << entry.button;
        EXPECT_TRUE(shown.moreHelpEnabled) << entry.button;
        EXPECT_EQ(shown.rowWidth, 2000);
    }
}

TEST_F(HelpWindowsTest, DialogTopicsHideMoreHelpUntilATabsTopicComesBack) {
    TfrmFolderTemplateOptions& options = *windows_->folderTemplateOptions;
    const std::pair<int, const char*> keys[] = {
        {1,
         "  Folder Template Options. - Create Folders from non existing Paths Without Drive "
         "Letter."},
        {2, "  Folder Template Options. - Create Folders from Strings."},
        {3, "  Folder Template Options. - Create Folders using Increased Numbers."},
        {4, "  Folder Template Options. - Copy Folders."},
    };
    for (const auto& [key, heading] : keys) {
        options.SetKey(key);
        const Shown shown = HelpOpenedBy([&] { ClickIn(options, "btnFolderTemplateOptionsHelp"); });
        ASSERT_TRUE(shown.appeared) << key;
        EXPECT_EQ(Help().Topic(), key);
        EXPECT_EQ(shown.secondLine, heading);
        EXPECT_FALSE(shown.moreHelpVisible) << key;
        EXPECT_FALSE(shown.moreHelpEnabled) << key;
    }

    // Options of tab key 3, then the copy tab: "More help" is back.
    options.SetKey(3);
    EXPECT_FALSE(
        HelpOpenedBy([&] { ClickIn(options, "btnFolderTemplateOptionsHelp"); }).moreHelpVisible);
    const Shown copy = HelpOpenedBy([this] { Click("btnVol08Help"); });
    EXPECT_EQ(Help().Topic(), 9);
    EXPECT_TRUE(copy.moreHelpVisible);
    EXPECT_TRUE(copy.moreHelpEnabled);

    const Shown import =
        HelpOpenedBy([this] { ClickIn(*windows_->fileImport, "btnFileImportHelp"); });
    EXPECT_EQ(Help().Topic(), 15);
    EXPECT_EQ(import.secondLine, " File Import.");
    EXPECT_FALSE(import.moreHelpVisible);

    const Shown selection =
        HelpOpenedBy([this] { ClickIn(*windows_->fileSelection, "btnFileSelectionHelp"); });
    EXPECT_EQ(Help().Topic(), 16);
    EXPECT_EQ(selection.secondLine, " Select File Names and/or File Types.");
    EXPECT_FALSE(selection.moreHelpVisible);

    // The window keeps its last topic until a caller sets another one.
    EXPECT_EQ(HelpOpenedBy([this] { Help().exec(); }).secondLine,
              " Select File Names and/or File Types.");
}

TEST_F(HelpWindowsTest, MoreHelpOpensFromTheHelpWindowAndTheEditWindows) {
    Help().SetTopic(9);
    Shown more;
    // From inside the help window's own modal loop, which then closes.
    QTimer::singleShot(0, [&] {
        more = MoreHelpOpenedBy([this] { ClickIn(Help(), "btnAltalanosHelpMoreHelp"); });
        Help().findChild<QPushButton*>("btnAltalanosHelpOk")->click();
    });
    Help().exec();
    ASSERT_TRUE(more.appeared);
    EXPECT_EQ(more.caption, "More Help Topics for Arbovane 8.20");
    EXPECT_EQ(more.secondLine, "  More help topics");
    EXPECT_EQ(more.rowWidth, 2000);

    QWidget* editWindows[] = {windows_->vol08Edit.get(), windows_->folderStructuresTemplates.get()};
    const char* helpButtons[] = {"btnVol08EditHelp", "btnFolderStructuresTemplatesHelp"};
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(MoreHelpOpenedBy([&] { ClickIn(*editWindows[i], helpButtons[i]); }).appeared)
            << helpButtons[i];
    }
}

TEST_F(HelpWindowsTest, OverviewAnswersQuestionsAndLinksToTheGuide) {
    TfrmOverViewHelp& overview = *windows_->overview;
    EXPECT_EQ(overview.windowTitle().toStdString(), "Arbovane 8.20 OverView, some questions.");
    auto* list = overview.findChild<QListWidget*>("lstOverViewHelp");
    ASSERT_NE(list, nullptr);
    EXPECT_GE(list->count(), 30);
    EXPECT_LE(list->count(), 60);
    EXPECT_EQ(list->item(0)->sizeHint().width(), 2000);
    overview.findChild<QPushButton*>("lblOverViewHelpLink")->click();
    ASSERT_EQ(shell_.Calls().size(), 1u);
    EXPECT_EQ(shell_.Calls()[0].kind, "open");
    EXPECT_EQ(shell_.Calls()[0].argument, "d:\\App\\userguide.html");
}

}  // namespace
}  // namespace arbovane
