#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <chrono>

#include "ListsGuiFixture.h"

namespace arbovane {
namespace {

class EditIncludeListWindowTest : public ListsGuiFixture {
protected:
    QPlainTextEdit* Memo(TabPrefix prefix) {
        return Find<QPlainTextEdit>(EditWindow(prefix),
                                    "mmo" + PrefixText(prefix) + "EditIncludeList");
    }
    std::string LinesShown(TabPrefix prefix) {
        return Find<QLabel>(EditWindow(prefix), "lbl" + PrefixText(prefix) + "EditLinesSum")
            ->text()
            .toStdString();
    }
    void Press(TabPrefix prefix, const std::string& button) {
        Find<QAbstractButton>(EditWindow(prefix), "btn" + PrefixText(prefix) + button)->click();
    }
    // Opens the tab's edit window from its pane; edit runs while the window is shown.
    void EditFromPane(TabPrefix prefix, const std::function<void()>& edit) {
        bool ran = false;
        WhenShown(EditWindow(prefix), [&] {
            ran = EditWindow(prefix).isVisible();
            edit();
            if (EditWindow(prefix).isVisible()) Press(prefix, "EditCancel");
        });
        Click(Pane(prefix), "btn" + PrefixText(prefix) + "EditIncludeList");
        EXPECT_TRUE(ran);
    }
};

// The list's own bytes survive the window: a no-break space, a line separator and bytes that are
// no UTF-8 come back as they went in; where the memo cannot show a line, a warning says so.
TEST_F(EditIncludeListWindowTest, LinesComeBackWithTheirOwnBytes) {
    const Lines lines = {
        "d:\\no\xC2\xA0"
        "break",
        "d:\\line\xE2\x80\xA8sep",
        "d:\\bad\xFF\xFE",
        "d:\\para\xE2\x80\xA9graph",
        "d:\\tab\tbed",
        "d:\\bad\xFF\xFE"};
    EditIncludeListWindow& window = EditWindow(TabPrefix::Vol08);
    window.Prepare(lines, {});
    EXPECT_EQ(window.MemoLines(), lines);
    EXPECT_EQ(LinesShown(TabPrefix::Vol08), "6");
    ExpectMessages(messenger_.Shown(),
                   {{"Lines holding characters this window can not show : 3\nThey are shown with "
                     "\xEF\xBF\xBD in their place, and keep their own characters unless you "
                     "change them.",
                     "Edit the List.            Warning no: 0602.", 48}});

    // An edited line is taken as typed; the others keep their bytes.
    QTextCursor cursor(Memo(TabPrefix::Vol08)->document()->findBlockByNumber(0));
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.insertText("X");
    Lines edited = lines;
    edited[0] += "X";
    EXPECT_EQ(window.MemoLines(), edited);

    // A list that the memo shows as it is needs no word.
    messenger_.Clear();
    window.Prepare({"d:\\plain", "d:\\caf\xC3\xA9"}, {});
    EXPECT_TRUE(messenger_.Shown().empty());
}

TEST_F(EditIncludeListWindowTest, EveryTabHasItsWindow) {
    const struct {
        TabPrefix prefix;
        const char *className, *caption;
    } windows[] = {
        {TabPrefix::Vol08, "arbovane::TfrmVol08EditIncludeList",
         "Edit the Include Folder List - for Copy Process."},
        {TabPrefix::Vol07, "arbovane::TfrmVol07EditIncludeList",
         "edit the Include List - Deleting process."},
        {TabPrefix::Vol06, "arbovane::TfrmVol06EditIncludeList",
         "Edit the content of the Include List  - for the Renaming Process."},
        {TabPrefix::Vol04, "arbovane::TfrmVol04EditIncludeList", "Edit the Include Folder List."},
        {TabPrefix::Vol02, "arbovane::TfrmVol02EditIncludeList",
         "Edit the include List of strings"},
    };
    for (const auto& w : windows) {
        EditIncludeListWindow& window = EditWindow(w.prefix);
        const std::string p = PrefixText(w.prefix);
        EXPECT_STREQ(window.metaObject()->className(), w.className);
        EXPECT_EQ(window.windowTitle().toStdString(), w.caption);
        EXPECT_EQ(Memo(w.prefix)->lineWrapMode(), QPlainTextEdit::NoWrap);
        EXPECT_TRUE(Memo(w.prefix)->toPlainText().isEmpty());
        EXPECT_EQ(Find<QLabel>(window, "lbl" + p + "EditLines")->text().toStdString(), "Lines:");
        EXPECT_EQ(LinesShown(w.prefix), "0");
        for (const auto& [name, caption] :
             {std::pair{"EditOK", "OK"}, std::pair{"EditCancel", "Cancel"},
              std::pair{"EditHelp", "Help"}})
            EXPECT_EQ(Find<QPushButton>(window, "btn" + p + name)->text().toStdString(), caption);
    }
}

TEST_F(EditIncludeListWindowTest, OkRebuildsTheIncludeList) {
    FolderListPane& pane = Pane(TabPrefix::Vol08);
    Fill(pane, {"d:\\old1", "d:\\old2"}, {"d:\\out"});
    refreshes_ = 0;
    EditFromPane(TabPrefix::Vol08, [&] {
        EXPECT_EQ(Memo(TabPrefix::Vol08)->toPlainText().toStdString(), "d:\\old1\nd:\\old2");
        EXPECT_EQ(LinesShown(TabPrefix::Vol08), "2");
        Memo(TabPrefix::Vol08)->setPlainText("c:\\a\nc:/a/\nc:\\\\a\nD:\\out\n");
        EXPECT_EQ(LinesShown(TabPrefix::Vol08), "4");
        Press(TabPrefix::Vol08, "EditOK");
        EXPECT_FALSE(EditWindow(TabPrefix::Vol08).isVisible());
    });
    EXPECT_EQ(Items(pane, true), (Lines{"c:\\a", "c:\\a\\"}));
    EXPECT_EQ(Counter(pane, true), "2");
    EXPECT_EQ(refreshes_, 1);
    EXPECT_TRUE(Memo(TabPrefix::Vol08)->toPlainText().isEmpty());
    EXPECT_TRUE(messenger_.Shown().empty());
}

TEST_F(EditIncludeListWindowTest, RefusedTextKeepsTheWindowOpen) {
    FolderListPane& pane = Pane(TabPrefix::Vol07);
    Fill(pane, {"d:\\kept"}, {});
    refreshes_ = 0;
    const std::string typed = "d:\\a\n\n  d:\\b";
    EditFromPane(TabPrefix::Vol07, [&] {
        Memo(TabPrefix::Vol07)->setPlainText(QString::fromStdString(typed));
        Press(TabPrefix::Vol07, "EditOK");
        EXPECT_TRUE(EditWindow(TabPrefix::Vol07).isVisible());
        EXPECT_EQ(Memo(TabPrefix::Vol07)->toPlainText().toStdString(), typed);
    });
    ASSERT_EQ(messenger_.Shown().size(), 1u);
    EXPECT_EQ(messenger_.Shown()[0].text,
              "You can only enter full paths with drive letters.\nError Type: There are no drive "
              "letters in paths (2 )\n\n  d:\\b\n\n\n");
    EXPECT_EQ(messenger_.Shown()[0].title,
              "Delete Folder(s).-From a Folder List.            Warning no: 0385bc.");
    EXPECT_EQ(messenger_.Shown()[0].flags, 48);
    EXPECT_EQ(Items(pane, true), (Lines{"d:\\kept"}));
    EXPECT_EQ(refreshes_, 0);
}

TEST_F(EditIncludeListWindowTest, StringTabRefusesWhatItsAddButtonAccepts) {
    FolderListPane& pane = Pane(TabPrefix::Vol02);
    auto* field = Find<QLineEdit>(pane, "edtVol02AddToList");
    field->setText("Projects");
    Click(pane, "btnVol02AddToList");
    EXPECT_EQ(Items(pane, true), (Lines{"Projects"}));
    EditFromPane(TabPrefix::Vol02, [&] { Press(TabPrefix::Vol02, "EditOK"); });
    ASSERT_EQ(messenger_.Shown().size(), 1u);
    EXPECT_EQ(messenger_.Shown()[0].title,
              "Creating Folder(s).-From a String List.            Warning no: 0385bc.");
    EditFromPane(TabPrefix::Vol02, [&] {
        Memo(TabPrefix::Vol02)->setPlainText("\\b\n\\A\n\\a//c");
        Press(TabPrefix::Vol02, "EditOK");
    });
    EXPECT_EQ(Items(pane, true), (Lines{"\\A", "\\a\\c", "\\b"}));
}

TEST_F(EditIncludeListWindowTest, CancelLeavesTheListsAlone) {
    FolderListPane& pane = Pane(TabPrefix::Vol06);
    Fill(pane, {"d:\\a"}, {});
    refreshes_ = 0;
    EditFromPane(TabPrefix::Vol06, [&] {
        Memo(TabPrefix::Vol06)->setPlainText("d:\\other");
        Press(TabPrefix::Vol06, "EditCancel");
    });
    EXPECT_EQ(Items(pane, true), (Lines{"d:\\a"}));
    EXPECT_EQ(refreshes_, 0);
    EXPECT_TRUE(Memo(TabPrefix::Vol06)->toPlainText().isEmpty());
}

TEST_F(EditIncludeListWindowTest, PaneIgnoresClicksWhileTheWindowIsOpen) {
    FolderListPane& pane = Pane(TabPrefix::Vol08);
    Fill(pane, {"d:\\a", "d:\\b"}, {});
    EditFromPane(TabPrefix::Vol08, [&] {
        Select(pane, true, {0});
        Click(pane, "btnVol08MoveToExclude");
        Click(pane, "btnVol08MoveAllToExclude");
        EXPECT_EQ(pane.Model().Include().Size(), 2u);
        Press(TabPrefix::Vol08, "EditCancel");
    });
    Click(pane, "btnVol08MoveAllToExclude");
    EXPECT_EQ(Items(pane, false), (Lines{"d:\\a", "d:\\b"}));
}

TEST_F(EditIncludeListWindowTest, HundredThousandLinesComeBackQuickly) {
    FolderListPane& pane = Pane(TabPrefix::Vol04);
    Lines lines;
    for (int i = 0; i < 100000; ++i) lines.push_back("d:\\Customers\\Customer" + std::to_string(i));
    Fill(pane, lines, {});
    const auto start = std::chrono::steady_clock::now();
    EditFromPane(TabPrefix::Vol04, [&] {
        EXPECT_EQ(LinesShown(TabPrefix::Vol04), "100000");
        Press(TabPrefix::Vol04, "EditOK");
    });
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
    EXPECT_EQ(Counter(pane, true), "100000");
    EXPECT_EQ(Items(pane, true).back(), "d:\\Customers\\Customer99999");
    EXPECT_LT(seconds.count(), 5.0);
}

}  // namespace
}  // namespace arbovane
