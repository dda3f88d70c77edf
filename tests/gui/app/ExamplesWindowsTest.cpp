#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "gui/help/ExamplesWindow.h"
#include "support/MainWindowFixture.h"

namespace arbovane {
namespace {

using Lines = std::vector<std::string>;

Lines Rows(const QListWidget* list) {
    Lines rows;
    for (int i = 0; list && i < list->count(); ++i)
        rows.push_back(list->item(i)->text().toStdString());
    return rows;
}

class ExamplesWindowsTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        Start();
    }
    ExamplesWindow& Window(ExampleWindow window) { return windows_->Examples(window); }

    // Clicks the button and returns the caption of the window its modal loop showed, closing it
    // with its Close button; empty when nothing opened within five seconds.
    std::string OpenedBy(const char* button) {
        auto caption = std::make_shared<std::string>();
        auto timer = std::make_shared<QElapsedTimer>();
        timer->start();
        auto poll = std::make_shared<std::function<void()>>();
        *poll = [this, caption, timer, poll] {
            for (const auto& window : windows_->examples) {
                if (!window->isVisible()) continue;
                *caption = window->windowTitle().toStdString();
                window->findChild<QPushButton*>("btnExamplesClose")->click();
                *poll = nullptr;
                return;
            }
            if (timer->elapsed() < 5000) QTimer::singleShot(5, *poll);
        };
        QTimer::singleShot(0, *poll);
        Click(button);
        while (*poll && timer->elapsed() < 5000) QCoreApplication::processEvents();
        return *caption;
    }
};

TEST_F(ExamplesWindowsTest, EveryTabsExamplesButtonOpensItsWindow) {
    const struct {
        const char* button;
        const char* caption;
        const char* note;
    } cases[] = {
        {"btnVol08Examples",
         "Examples - Copying Folder Structures (Templates)  to a List of Folders",
         "You can test different options by selecting different radio buttons."},
        {"btnVol07Examples", "Examples - Deleting Multiple Folders and/or Files.",
         "You can select different options by selecting different radio buttons."},
        {"btnVol06Examples", "Examples - Renaming Multiple Folders.",
         "You can test different options by selecting different radio buttons."},
        {"btnVol02Example", "Examples - Creating Multiple Folders from a List of Strings.",
         "You can test different options by selecting different radio buttons"},
        {"btnVol04Examples", "Examples - Creating Multiple Folders using a List of Folders",
         "You can test different options by selecting different radio buttons."},
        {"btnVol03Examples", "Examples - Creating Multiple Folders using Increased  Numbers.",
         "You can test different options by selecting different radio buttons."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        ASSERT_TRUE(Find<QPushButton>(c.button)->isEnabled());
        EXPECT_EQ(OpenedBy(c.button), c.caption);
        bool noteFound = false;
        for (const auto& window : windows_->examples)
            if (window->windowTitle() == c.caption)
                noteFound = window->Note()->text().toStdString() == c.note;
        EXPECT_TRUE(noteFound);
    }
}

// Existing structures enable the modes with the first one chosen; "Attach Nothing" clears and
// disables them and leaves the bare new folders.
TEST_F(ExamplesWindowsTest, KindsEnableAndClearTheModes) {
    ExamplesWindow& window = Window(ExampleWindow::Strings);
    const auto modesChecked = [&] {
        std::vector<bool> checked;
        for (auto* mode : window.ModeButtons()) checked.push_back(mode->isChecked());
        return checked;
    };
    ASSERT_EQ(window.KindButtons().size(), 3u);
    EXPECT_TRUE(window.KindButtons()[0]->isChecked());
    EXPECT_FALSE(window.ModeButtons()[0]->isEnabled());
    EXPECT_EQ(Rows(window.Results()).front(), "f:\\Clients\\2014-Customer1-July\\Seo\\Seo1");

    window.KindButtons()[1]->click();
    EXPECT_TRUE(window.ModeButtons()[3]->isEnabled());
    EXPECT_EQ(modesChecked(), (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(Rows(window.Results()).front(),
              "f:\\Clients\\2014-Customer1-July\\Marketing\\Emails");
    window.ModeButtons()[1]->click();
    EXPECT_EQ(Rows(window.Results()).front(), "f:\\Clients\\2014-Customer1-July\\Emails");
    window.ModeButtons()[2]->click();
    EXPECT_EQ(Rows(window.Results()).front(),
              "f:\\Clients\\2014-Customer1-July\\Marketing\\Emails\\Brochure.txt");

    window.KindButtons()[2]->click();
    EXPECT_EQ(modesChecked(), (std::vector<bool>(4, false)));
    EXPECT_FALSE(window.ModeButtons()[0]->isEnabled());
    EXPECT_EQ(Rows(window.Results()),
              (Lines{"f:\\Clients\\2014-Customer1-July", "f:\\Clients\\2014-Customer2-July"}));
}

TEST_F(ExamplesWindowsTest, DeleteAndRenameOptionsRefillTheirLists) {
    ExamplesWindow& remove = Window(ExampleWindow::Delete);
    remove.OptionButtons()[1]->click();
    EXPECT_EQ(Rows(remove.Retained()), Lines{"f:\\Clients"});
    remove.OptionButtons()[2]->click();
    EXPECT_EQ(Rows(remove.Results()),
              (Lines{"f:\\Clients\\Customer1\\index.html", "f:\\Clients\\Customer2\\basic.swf"}));

    ExamplesWindow& rename = Window(ExampleWindow::Rename);
    EXPECT_FALSE(rename.NewName()->isEnabled());
    rename.OptionButtons()[1]->click();
    EXPECT_TRUE(rename.NewName()->isEnabled());
    EXPECT_TRUE(rename.NewName()->isReadOnly());
    EXPECT_EQ(Rows(rename.Results()),
              (Lines{"f:\\Clients\\Customer1\\Company", "f:\\Clients\\Customer2\\Company"}));
    // The choice stays for the next opening.
    EXPECT_EQ(OpenedBy("btnVol06Examples"), "Examples - Renaming Multiple Folders.");
    EXPECT_TRUE(rename.OptionButtons()[1]->isChecked());
    EXPECT_EQ(Rows(rename.Results()).front(), "f:\\Clients\\Customer1\\Company");
}

}  // namespace
}  // namespace arbovane
