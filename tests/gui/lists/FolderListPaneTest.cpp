#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <functional>

#include "ListsGuiFixture.h"

namespace arbovane {
namespace {

using testing::ExpectMessages;
using testing::ShownMessage;

class FolderListPaneTest : public ListsGuiFixture {};

TEST_F(FolderListPaneTest, EveryTabHasItsControlsAndCaptions) {
    const struct {
        TabPrefix prefix;
        const char *includeList, *excludeList, *addButton, *addCaption, *deleteCaption,
            *importCaption, *clearCaption;
        bool view, entry;
    } tabs[] = {
        {TabPrefix::Vol08, "lstVol08IncludeFolderList", "lstVol08ExcludeFolderList",
         "btnVol08AddFolder", "Add  Folder", "Delete Selected", "Import F. List", "Clear Fields",
         true, false},
        {TabPrefix::Vol07, "lstVol07IncludeFolderList", "lstVol07ExcludeFolderList",
         "btnVol07AddFolder", "Add Structure", "Delete Selected", "Import F. List", "Clear Fields",
         true, false},
        {TabPrefix::Vol06, "lstVol06IncludeFolderList", "lstVol06ExcludeFolderList",
         "btnVol06AddFolder", "Add Folder", "Delete Selected", "Import F. List", "Clear Fields",
         true, false},
        {TabPrefix::Vol04, "lstVol04IncludeFolderList", "lstVol04ExcludeFolderList",
         "btnVol04AddToList", "Add Folder", "Delete Excluded", "Import", " Clear  Fields", false,
         true},
        {TabPrefix::Vol02, "lstVol02IncludeStrings", "lstVol02ExcludeStrings", "btnVol02AddToList",
         "Add", "Delete Excluded", "Import", "Clear Fields", false, true},
    };
    for (const auto& t : tabs) {
        FolderListPane& pane = Pane(t.prefix);
        const std::string p = PrefixText(t.prefix);
        for (const char* name : {t.includeList, t.excludeList}) {
            auto* list = Find<QListView>(pane, name);
            ASSERT_NE(list, nullptr);
            EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection) << name;
        }
        for (const std::string& name : {"lbl" + p + "IncludeSum", "lbl" + p + "ExcludeSum"})
            EXPECT_EQ(Find<QLabel>(pane, name)->text().toStdString(), "0") << name;
        for (const std::string& name : {"lbl" + p + "IncludeLines", "lbl" + p + "ExcludeLines"})
            EXPECT_EQ(Find<QLabel>(pane, name)->text().toStdString(), "Lines:") << name;
        const std::vector<std::pair<std::string, std::string>> buttons = {
            {t.addButton, t.addCaption},
            {"btn" + p + "MoveToExclude", ">"},
            {"btn" + p + "MoveToInclude", "<"},
            {"btn" + p + "MoveAllToExclude", ">>"},
            {"btn" + p + "MoveAllToInclude", "<<"},
            {"btn" + p + "ExchangeLists", "<>"},
            {"btn" + p + "EditIncludeList", "Edit List"},
            {"btn" + p + "DeleteSelected", t.deleteCaption},
            {"btn" + p + "DeleteAll", "Delete All"},
            {"btn" + p + "ZoomIncludeList", "Zoom"},
            {"btn" + p + "ImportList", t.importCaption},
            {"btn" + p + "ExportList", "Export"},
            {"btn" + p + "ClearAll", t.clearCaption},
        };
        for (const auto& [name, caption] : buttons) {
            auto* button = Find<QPushButton>(pane, name);
            ASSERT_NE(button, nullptr) << name;
            EXPECT_EQ(button->text().toStdString(), caption) << name;
        }
        EXPECT_FALSE(Find<QPushButton>(pane, "btn" + p + "ImportList")->isEnabled());
        EXPECT_EQ(pane.findChild<QPushButton*>(
                      QString::fromStdString("btn" + p + "ViewSelected")) != nullptr,
                  t.view);
        EXPECT_EQ(
            pane.findChild<QLineEdit*>(QString::fromStdString("edt" + p + "AddToList")) != nullptr,
            t.entry);
        EXPECT_EQ(pane.findChild<QPushButton*>(QString::fromStdString("btn" + p + "AddFolder")) !=
                      nullptr,
                  !t.entry);
    }
}

TEST_F(FolderListPaneTest, BrowseAddShowsTheFolderAndRefusesRepeats) {
    FolderListPane& pane = Pane(TabPrefix::Vol08);
    shell_.NextFolder(" d:\\Clients\\Customer1 ");
    shell_.NextFolder("D:\\Clients\\Customer1");
    Click(pane, "btnVol08AddFolder");
    Click(pane, "btnVol08AddFolder");
    Click(pane, "btnVol08AddFolder");  // nothing scripted: the user cancels
    EXPECT_EQ(Items(pane, true), (Lines{"d:\\Clients\\Customer1"}));
    EXPECT_EQ(Counter(pane, true), "1");
    ASSERT_EQ(shell_.Calls().size(), 3u);
    EXPECT_EQ(shell_.Calls()[0].kind, "browse");
    EXPECT_EQ(shell_.Calls()[0].title, "Browse Title");
    ExpectMessages(
        messenger_.Shown(),
        {{"This folder exists in the INCLUDE FOLDER LIST !!!",
          "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0263.", 48},
         {"The selection field is empty !!!",
          "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0262.",
          48}});
    // Only the add that changed the list refreshes the tab.
    EXPECT_EQ(refreshes_, 1);
}

TEST_F(FolderListPaneTest, MovesFollowTheSelectionAndUpdateTheCounters) {
    FolderListPane& pane = Pane(TabPrefix::Vol07);
    Fill(pane, {"d:\\a", "\\nodrive", "d:\\b", "d:\\c"}, {"D:\\b"});
    refreshes_ = 0;
    Select(pane, true, {1, 2, 3});
    Click(pane, "btnVol07MoveToExclude");
    EXPECT_EQ(Items(pane, true), (Lines{"d:\\a"}));
    EXPECT_EQ(Items(pane, false), (Lines{"D:\\b", "d:\\c"}));
    EXPECT_EQ(Counter(pane, true), "1");
    EXPECT_EQ(Counter(pane, false), "2");
    Select(pane, false, {0});
    Click(pane, "btnVol07MoveToInclude");
    EXPECT_EQ(Items(pane, true), (Lines{"d:\\a", "D:\\b"}));
    Click(pane, "btnVol07ExchangeLists");
    EXPECT_EQ(Items(pane, true), (Lines{"d:\\c"}));
    EXPECT_EQ(Items(pane, false), (Lines{"d:\\a", "D:\\b"}));
    Click(pane, "btnVol07MoveAllToInclude");
    EXPECT_EQ(Counter(pane, true), "3");
    EXPECT_EQ(Counter(pane, false), "0");
    Click(pane, "btnVol07MoveAllToExclude");
    EXPECT_EQ(Items(pane, false), (Lines{"d:\\c", "d:\\a", "D:\\b"}));
    EXPECT_EQ(refreshes_, 5);
    EXPECT_TRUE(messenger_.Shown().empty());
}

TEST_F(FolderListPaneTest, TheTabRefreshesOnlyWhenTheIncludeListChanged) {
    FolderListPane& pane = Pane(TabPrefix::Vol07);
    const auto closeExport = [this] {
        WhenShown(export_,
                  [this] { Find<QAbstractButton>(export_, "btnFileExportClose")->click(); });
    };
    const struct {
        const char* step;
        std::function<void()> click;
        int refreshes;
        Lines include;
        Lines exclude;
    } steps[] = {
        {"a cancelled browse", [&] { Click(pane, "btnVol07AddFolder"); }, 0, {}, {}},
        {"moves on empty lists",
         [&] {
             Click(pane, "btnVol07MoveAllToExclude");
             Click(pane, "btnVol07MoveAllToInclude");
             Click(pane, "btnVol07ExchangeLists");
             Click(pane, "btnVol07MoveToExclude");
         },
         0,
         {},
         {}},
        {"a folder added",
         [&] {
             shell_.NextFolder("d:\\a");
             Click(pane, "btnVol07AddFolder");
         },
         1,
         {"d:\\a"},
         {}},
        {"the same folder refused",
         [&] {
             shell_.NextFolder("D:\\a");
             Click(pane, "btnVol07AddFolder");
         },
         0,
         {"d:\\a"},
         {}},
        {"> without a selection", [&] { Click(pane, "btnVol07MoveToExclude"); }, 0, {"d:\\a"}, {}},
        {">>", [&] { Click(pane, "btnVol07MoveAllToExclude"); }, 1, {}, {"d:\\a"}},
        {"Delete Selected answered No",
         [&] {
             messenger_.Answer(kAnswerNo);
             Select(pane, false, {0});
             Click(pane, "btnVol07DeleteSelected");
         },
         0,
         {},
         {"d:\\a"}},
        {"Delete All answered No",
         [&] {
             messenger_.Answer(kAnswerNo);
             Click(pane, "btnVol07DeleteAll");
         },
         0,
         {},
         {"d:\\a"}},
        {"<>", [&] { Click(pane, "btnVol07ExchangeLists"); }, 1, {"d:\\a"}, {}},
        {"Export, closed",
         [&] {
             closeExport();
             Click(pane, "btnVol07ExportList");
         },
         0,
         {"d:\\a"},
         {}},
        {"Import without its dialog", [&] { Click(pane, "btnVol07ImportList"); }, 0, {"d:\\a"}, {}},
        {"a line parked",
         [&] {
             Select(pane, true, {0});
             Click(pane, "btnVol07MoveToExclude");
         },
         1,
         {},
         {"d:\\a"}},
        // The exclude list changes alone: nothing the tab counts or enables.
        {"Delete All answered Yes",
         [&] {
             messenger_.Answer(kAnswerYes);
             Click(pane, "btnVol07DeleteAll");
         },
         0,
         {},
         {}},
    };
    for (const auto& s : steps) {
        refreshes_ = 0;
        s.click();
        EXPECT_EQ(refreshes_, s.refreshes) << s.step;
        EXPECT_EQ(Items(pane, true), s.include) << s.step;
        EXPECT_EQ(Items(pane, false), s.exclude) << s.step;
        EXPECT_EQ(Counter(pane, true), std::to_string(s.include.size())) << s.step;
        EXPECT_EQ(Counter(pane, false), std::to_string(s.exclude.size())) << s.step;
    }
}

TEST_F(FolderListPaneTest, DeleteAsksAndTouchesOnlyTheExcludeList) {
    FolderListPane& pane = Pane(TabPrefix::Vol06);
    const char* const question =
        "Do you want to delete the selected item(s) from the Exclude list ?\nNote: You can delete "
        "ONLY from the EXCLUDE list.\n";
    Click(pane, "btnVol06DeleteSelected");
    Fill(pane, {"d:\\in"}, {"d:\\x", "d:\\y", "d:\\z"});
    Select(pane, false, {0, 2});
    messenger_.Answer(kAnswerNo);
    Click(pane, "btnVol06DeleteSelected");
    EXPECT_EQ(Items(pane, false).size(), 3u);
    Select(pane, false, {0, 2});
    messenger_.Answer(kAnswerYes);
    Click(pane, "btnVol06DeleteSelected");
    EXPECT_EQ(Items(pane, false), (Lines{"d:\\y"}));
    EXPECT_EQ(Counter(pane, false), "1");
    messenger_.Answer(kAnswerYes);
    Click(pane, "btnVol06DeleteAll");
    Click(pane, "btnVol06DeleteAll");
    EXPECT_TRUE(Items(pane, false).empty());
    EXPECT_EQ(Items(pane, true), (Lines{"d:\\in"}));
    ExpectMessages(
        messenger_.Shown(),
        {{"The EXCLUDE list is empty !\nAction : You must enter at least one FOLDER to the EXCLUDE "
          "list to delete it.\n",
          "Rename folders. - From a Folder List.            Warning no: 0199.", 48},
         {question, "Rename Folders. - From a Folder List.            Warning no: 0198.", 292},
         {question, "Rename Folders. - From a Folder List.            Warning no: 0198.", 292},
         {"Do you want to delete all item(s) from the Exclude list ?",
          "Rename Folder(s).-From a Folder List - Level.            Warning no: 0525.", 292},
         {"Empty List in the Exclude Window!\n",
          "Rename Folder(s).-From a Folder List - Level.            Warning no: 0524.", 48}});
}

TEST_F(FolderListPaneTest, TypedEntryAddsOnEnterAndTakesBackAnIllegalCharacter) {
    FolderListPane& pane = Pane(TabPrefix::Vol02);
    auto* field = Find<QLineEdit>(pane, "edtVol02AddToList");
    for (const char* text : {"zeta", "Alpha/Beta", "beta"}) {
        field->setText(text);
        emit field->returnPressed();
    }
    EXPECT_EQ(Items(pane, true), (Lines{"Alpha\\Beta", "beta", "zeta"}));
    EXPECT_EQ(field->text().toStdString(), "beta");
    field->setText("Report<");
    Click(pane, "btnVol02AddToList");
    EXPECT_EQ(field->text().toStdString(), "Report");
    ExpectMessages(messenger_.Shown(),
                   {{"Illegal character in the Text :  <",
                     "Creating Folder(s).-From a String List.            Warning no: 0008.", 48}});
    EXPECT_EQ(Counter(pane, true), "3");
}

TEST_F(FolderListPaneTest, FullPathEntryKeepsTheFieldWhenAPathIsRefused) {
    FolderListPane& pane = Pane(TabPrefix::Vol04);
    auto* field = Find<QLineEdit>(pane, "edtVol04AddToList");
    field->setText("d:\\Jobs\\One q:\\Two");
    Click(pane, "btnVol04AddToList");
    EXPECT_EQ(Items(pane, true), (Lines{"d:\\Jobs\\One"}));
    EXPECT_EQ(field->text().toStdString(), "d:\\Jobs\\One q:\\Two");
    ExpectMessages(messenger_.Shown(),
                   {{"There is no valid drive letter.",
                     "Creating Folder(s).-From a Folder List.            Warning no: 0044.", 48}});
}

// A long path that is not the last line can still be scrolled to its end, in every pane.
TEST_F(FolderListPaneTest, LongPathsScrollSidewaysWhereverTheyStand) {
    const std::string longPath = "d:\\" + std::string(400, 'W') + "\\end";
    for (const TabPrefix prefix : {TabPrefix::Vol08, TabPrefix::Vol07, TabPrefix::Vol06,
                                   TabPrefix::Vol04, TabPrefix::Vol02}) {
        FolderListPane& pane = Pane(prefix);
        pane.resize(700, 400);
        pane.show();
        Fill(pane, {longPath, "d:\\a", "d:\\b"}, {longPath, "d:\\c"});
        for (const bool include : {true, false}) {
            QListView* list = List(pane, include);
            QApplication::processEvents();
            const int needed =
                list->fontMetrics().horizontalAdvance(QString::fromStdString(longPath));
            EXPECT_GE(list->horizontalScrollBar()->maximum() + list->viewport()->width(), needed)
                << PrefixText(prefix) << (include ? " include" : " exclude");
        }
        pane.hide();
    }
}

TEST_F(FolderListPaneTest, ViewSelectedOpensTheTrimmedFolder) {
    FolderListPane& pane = Pane(TabPrefix::Vol08);
    Fill(pane, {"d:\\a", "  d:\\Shown  "}, {});
    Click(pane, "btnVol08ViewSelected");
    Select(pane, true, {1});
    Click(pane, "btnVol08ViewSelected");
    ASSERT_EQ(shell_.Calls().size(), 1u);
    EXPECT_EQ(shell_.Calls()[0].kind, "open");
    EXPECT_EQ(shell_.Calls()[0].argument, "d:\\Shown");
    ExpectMessages(
        messenger_.Shown(),
        {{"There is no selected Folder Structure !\nAction : You must select a Folder with "
          "subfolder structure.",
          "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0278.",
          48}});
}

TEST_F(FolderListPaneTest, ExportHandsTheFolderItemsToTheExportDialog) {
    FolderListPane& pane = Pane(TabPrefix::Vol06);
    Click(pane, "btnVol06ExportList");
    Fill(pane, {"d:\\a", "\\old", "d:\\b"}, {});
    Lines seen;
    std::string kind;
    WhenShown(export_, [&] {
        seen = export_.SourceLines();
        kind = export_.ContentKind();
        export_.reject();
    });
    Click(pane, "btnVol06ExportList");
    EXPECT_EQ(seen, (Lines{"d:\\a", "d:\\b"}));
    EXPECT_EQ(kind, "FOLDERS");
    ExpectMessages(messenger_.Shown(),
                   {{"The Include List is empty !\n",
                     "Rename Folder(s).-From a Folder List.             Warning no: 0558.", 48}});
}

TEST_F(FolderListPaneTest, ZoomGathersTheItemsOfEveryTab) {
    Fill(Pane(TabPrefix::Vol08), {"d:\\copy1", "d:\\both"}, {});
    Fill(Pane(TabPrefix::Vol07), {"D:\\both", "d:\\delete1"}, {});
    int shown = 0;
    for (const TabPrefix prefix : {TabPrefix::Vol08, TabPrefix::Vol07}) {
        WhenShown(zoom_, [&] {
            shown += zoom_.isVisible() ? 1 : 0;
            Find<QAbstractButton>(zoom_, "btnZoomIncludeClose")->click();
        });
        Click(Pane(prefix), "btn" + PrefixText(prefix) + "ZoomIncludeList");
    }
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(zoom_.windowTitle().toStdString(), "Zoom the Include Window.");
    auto* list = Find<QListWidget>(zoom_, "lstZoomIncludeList");
    Lines items;
    for (int i = 0; i < list->count(); ++i) items.push_back(list->item(i)->text().toStdString());
    EXPECT_EQ(items, (Lines{"d:\\copy1", "d:\\both", "d:\\delete1"}));
    EXPECT_EQ(Find<QAbstractButton>(zoom_, "btnZoomIncludeClose")->text().toStdString(), "Close");
}

TEST_F(FolderListPaneTest, ClearFieldsAsksThenEmptiesEverything) {
    FolderListPane& pane = Pane(TabPrefix::Vol04);
    int cleared = 0;
    pane.SetClearFieldsHook([&] { ++cleared; });
    Fill(pane, {"d:\\a"}, {"d:\\b"});
    auto* field = Find<QLineEdit>(pane, "edtVol04AddToList");
    field->setText("d:\\typed");
    const ShownMessage question{
        "You will delete all fields !!!\nClick YES to Continue deleting all fields,\nClick NO to "
        "Stop the delete process.",
        "Creating Folder(s).-From a Folder List.            Information no: 0064", 292};
    messenger_.Answer(kAnswerNo);
    Click(pane, "btnVol04ClearAll");
    EXPECT_EQ(Items(pane, true).size(), 1u);
    EXPECT_EQ(cleared, 0);
    messenger_.Answer(kAnswerYes);
    Click(pane, "btnVol04ClearAll");
    EXPECT_TRUE(Items(pane, true).empty());
    EXPECT_TRUE(Items(pane, false).empty());
    EXPECT_EQ(Counter(pane, true), "0");
    EXPECT_EQ(Counter(pane, false), "0");
    EXPECT_TRUE(field->text().isEmpty());
    EXPECT_EQ(cleared, 1);
    ExpectMessages(messenger_.Shown(),
                   {question,
                    question,
                    {"End of the CLEAR FIELDS process !!!\n",
                     "Creating Folder(s).-From a Folder List.           Warning no: 0065.", 48}});
}

}  // namespace
}  // namespace arbovane
