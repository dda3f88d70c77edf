#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/app/ProgramSettings.h"
#include "core/app/RestoreClass.h"
#include "core/app/SaveClass.h"
#include "gui/acquire/TfrmDelimiters.h"
#include "gui/acquire/TfrmQuotationMarks.h"
#include "gui/app/GuiContext.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedMessenger.h"
#include "support/ScriptedShell.h"
#include "support/TempDrives.h"

namespace arbovane {
namespace {

using testing::ExpectMessages;
using testing::FaultyFileSystem;
using testing::ScriptedMessenger;
using testing::ScriptedShell;
using testing::ShownMessage;
using testing::TempDrives;
using Lines = std::vector<std::string>;

const Lines kFirstStartMarks = {",", ";", "\"", "'", "|", "~", ":", "#",    "&",
                                "@", "$", "<",  ">", ".", "-", "_", "space"};
const Lines kDelimiterBuiltIns = {",", ";", "space", "\"", "'", "|", "~", ":", "#",
                                  "&", "@", "$",     "<",  ">", ".", "-", "_"};
const Lines kQuotationBuiltIns = {",", ";", "space", "\",", "'", "|", "~", ":", "#",
                                  "&", "@", "$",     "<",   ">", ".", "-", "_"};

// The record types a settings file holds, in file order.
std::vector<std::int32_t> RecordTypes(const std::string& bytes) {
    std::vector<std::int32_t> types;
    for (std::size_t at = 0; at + 5312 <= bytes.size(); at += 5312) {
        const auto* b = reinterpret_cast<const unsigned char*>(bytes.data() + at);
        types.push_back(static_cast<std::int32_t>(b[0] | b[1] << 8 | b[2] << 16 |
                                                  static_cast<std::uint32_t>(b[3]) << 24));
    }
    return types;
}

int CountOf(const std::vector<std::int32_t>& types, std::int32_t type) {
    int count = 0;
    for (const std::int32_t t : types) count += t == type;
    return count;
}

Lines Numbered(std::size_t count) {
    Lines lines;
    for (std::size_t i = 0; i < count; ++i) lines.push_back("m" + std::to_string(i));
    return lines;
}

class MarkListWindowsTest : public ::testing::Test {
protected:
    MarkListWindowsTest() : hostD_(drives_.Map('D')), fs_(drives_.Fs()) {
        settings_.defaultDirectory = "D:\\";
    }

    // Writes default.set as a first start does, with the given lists, and reads it into the
    // store, as the main window does before the windows are created.
    void WriteSettings(const Lines& separators, const Lines& quotationMarks) {
        ProgramSettings stored = settings_;
        Defaults(stored);
        stored.separators = separators;
        stored.quotationMarks = quotationMarks;
        ASSERT_TRUE(SaveClass(drives_.Fs(), messenger_).Save(stored));
        ClearLists(settings_);
        ASSERT_TRUE(RestoreClass(drives_.Fs()).Restore(settings_));
    }
    std::vector<std::int32_t> StoredTypes() {
        return RecordTypes(TempDrives::ReadHostFile(hostD_ + "/default.set"));
    }

    template <typename Widget>
    Widget* Find(QWidget& window, const std::string& name) {
        auto* widget = window.findChild<Widget*>(QString::fromStdString(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void Select(QWidget& window, const std::string& list, const std::vector<int>& rows) {
        auto* widget = Find<QListWidget>(window, list);
        widget->clearSelection();
        for (const int row : rows)
            widget->selectionModel()->select(widget->model()->index(row, 0),
                                             QItemSelectionModel::Select);
    }

    TempDrives drives_;
    std::string hostD_;
    FaultyFileSystem fs_;
    ScriptedMessenger messenger_;
    ScriptedShell shell_;
    ProgramSettings settings_;
    GuiContext context_{fs_, drives_.TextPort(), messenger_, shell_, settings_};
};

TEST_F(MarkListWindowsTest, BothWindowsCarryTheirCaptions) {
    TfrmDelimiters delimiters(context_);
    TfrmQuotationMarks quotes(context_);
    const struct {
        QWidget* window;
        std::string prefix, caption, included, excluded, deleteOne, removeAll, add;
    } cases[] = {
        {&delimiters, "Delimiters", "Manage Delimiters.", "Included Delimiters",
         "Excluded Delimiters", "Delete a Delimiter", "Remove all Delimiters", "Add a Delimiter :"},
        {&quotes, "QuotationMarks", "Manage Quotation Marks.", "Include Quotation Marks",
         "Exclude Quotation Marks", "Delete a Quotation Mark", "Remove all Quotation Marks",
         "Add a Quotation Mark:"},
    };
    for (const auto& c : cases) {
        QWidget& w = *c.window;
        EXPECT_EQ(w.windowTitle().toStdString(), c.caption);
        EXPECT_EQ(w.objectName().toStdString(), "frm" + c.prefix);
        const std::pair<std::string, std::string> buttons[] = {
            {"IncToExc", ">"},          {"ExcToInc", "<"},        {"AllFromInc", ">>"},
            {"AllFromExc", "<<"},       {"ExchangeIncExc", "<>"}, {"Delete", c.deleteOne},
            {"RemoveAll", c.removeAll}, {"Add", "Add"},           {"SetDefaults", "Set Defaults"},
            {"Close", "&Close"},
        };
        for (const auto& [name, caption] : buttons)
            EXPECT_EQ(Find<QPushButton>(w, "btn" + c.prefix + name)->text().toStdString(), caption)
                << name;
        EXPECT_EQ(Find<QLabel>(w, "lbl" + c.prefix + "Included")->text().toStdString(), c.included);
        EXPECT_EQ(Find<QLabel>(w, "lbl" + c.prefix + "Excluded")->text().toStdString(), c.excluded);
        EXPECT_EQ(Find<QLabel>(w, "lbl" + c.prefix + "Add")->text().toStdString(), c.add);
        EXPECT_NE(Find<QLineEdit>(w, "edt" + c.prefix + "Add"), nullptr);
        EXPECT_EQ(Find<QListWidget>(w, "lst" + c.prefix + "Included")->selectionMode(),
                  QAbstractItemView::ExtendedSelection);
        EXPECT_NE(Find<QListWidget>(w, "lst" + c.prefix + "Excluded"), nullptr);
    }
}

TEST_F(MarkListWindowsTest, FirstStartShowsTheStoredDefaultsEmptyListsTheBuiltIns) {
    WriteSettings(kFirstStartMarks, kFirstStartMarks);
    EXPECT_EQ(TfrmDelimiters(context_).IncludedLines(), kFirstStartMarks);
    EXPECT_EQ(TfrmQuotationMarks(context_).IncludedLines(), kFirstStartMarks);

    WriteSettings({}, {});
    EXPECT_EQ(TfrmDelimiters(context_).IncludedLines(), kDelimiterBuiltIns);
    EXPECT_EQ(TfrmQuotationMarks(context_).IncludedLines(), kQuotationBuiltIns);
}

TEST_F(MarkListWindowsTest, ActivationReadsTheFileAgain) {
    WriteSettings({"a", "b"}, {"q"});
    TfrmDelimiters window(context_);
    EXPECT_EQ(window.IncludedLines(), (Lines{"a", "b"}));
    Select(window, "lstDelimitersIncluded", {1});
    window.btnDelimitersIncToExcClick();

    // Another save changed the file meanwhile; the memory store is stale.
    WriteSettings({"B", "c"}, {"r"});
    settings_.quotationMarks = {"stale"};
    window.FormActivate();
    EXPECT_EQ(settings_.separators, (Lines{"B", "c"}));
    EXPECT_EQ(settings_.quotationMarks, Lines{"r"});
    EXPECT_EQ(window.IncludedLines(), (Lines{"a", "B", "c"}));
    EXPECT_EQ(window.ExcludedLines(), Lines{"b"});

    // Every modal showing activates too.
    WriteSettings({"d"}, {"r"});
    QTimer::singleShot(0, &window, [&window] { window.reject(); });
    EXPECT_EQ(window.Run(), QDialog::Rejected);
    EXPECT_EQ(window.IncludedLines(), (Lines{"a", "B", "c", "d"}));
}

TEST_F(MarkListWindowsTest, CloseAfterMovingEverythingOutStoresNoList) {
    WriteSettings(kFirstStartMarks, kFirstStartMarks);
    TfrmDelimiters window(context_);
    // Moved out while shown: the showing itself adds back every stored mark.
    QTimer::singleShot(0, &window, [&window] {
        window.btnDelimitersAllFromIncClick();
        EXPECT_TRUE(window.IncludedLines().empty());
        EXPECT_EQ(window.ExcludedLines(), kFirstStartMarks);
        window.btnDelimitersCloseClick();
    });
    EXPECT_EQ(window.Run(), QDialog::Accepted);
    EXPECT_TRUE(settings_.separators.empty());
    const auto types = StoredTypes();
    EXPECT_EQ(CountOf(types, 4), 0);
    EXPECT_EQ(CountOf(types, 6), 17);
    EXPECT_EQ(types.back(), 900);

    // The next showing falls back to the built-in marks; the parked ones stay parked.
    window.FormActivate();
    EXPECT_EQ(window.IncludedLines(), kDelimiterBuiltIns);
    EXPECT_EQ(window.ExcludedLines(), kFirstStartMarks);
    EXPECT_TRUE(messenger_.Shown().empty());
}

TEST_F(MarkListWindowsTest, CloseStoresTheIncludedListInOrder) {
    WriteSettings({"a"}, {"q"});
    TfrmQuotationMarks window(context_);
    auto* edit = Find<QLineEdit>(window, "edtQuotationMarksAdd");
    edit->setText("  Z ");
    // Enter adds the mark and presses no button of the window.
    window.show();
    Select(window, "lstQuotationMarksIncluded", {0});
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(edit, &enter);
    EXPECT_EQ(edit->text().toStdString(), "Z");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.IncludedLines(), (Lines{"q", "Z"}));
    EXPECT_TRUE(window.ExcludedLines().empty());
    EXPECT_EQ(CountOf(StoredTypes(), 6), 1);
    window.btnQuotationMarksCloseClick();
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(settings_.quotationMarks, (Lines{"q", "Z"}));
    EXPECT_EQ(CountOf(StoredTypes(), 6), 2);
    EXPECT_EQ(CountOf(StoredTypes(), 4), 1);

    // The window's own close button stores nothing.
    edit->setText("y");
    window.btnQuotationMarksAddClick();
    window.reject();
    EXPECT_EQ(CountOf(StoredTypes(), 6), 2);
}

TEST_F(MarkListWindowsTest, CloseThatCannotWriteStillCloses) {
    WriteSettings({"a"}, {"q"});
    TfrmDelimiters window(context_);
    fs_.FailOn(FaultyFileSystem::Op::WriteWholeFile, "*");
    window.btnDelimitersCloseClick();
    EXPECT_EQ(window.result(), QDialog::Accepted);
    ExpectMessages(messenger_.Shown(),
                   {{"Unable to open output file to save settings !\n\nAction: Try to save again "
                     "the settings, or \n\nimmediately e-mail us, please!",
                     "Severe Error!    Msg no: 0130.", 16, MessageOwner::System}});
}

TEST_F(MarkListWindowsTest, AddingShowsItsWarnings) {
    WriteSettings({"ab"}, {"q"});
    TfrmDelimiters window(context_);
    auto* edit = Find<QLineEdit>(window, "edtDelimitersAdd");
    Select(window, "lstDelimitersIncluded", {0});
    window.btnDelimitersIncToExcClick();
    for (const char* typed : {" ", "AB", "x", "X"}) {
        edit->setText(typed);
        window.btnDelimitersAddClick();
    }
    ExpectMessages(
        messenger_.Shown(),
        {{"The text field is empty !\nAction : You must enter some text to add to the Include "
          "List.",
          "Delimiters.            Warning no: 0122.", 48, MessageOwner::MainWindow},
         {"This item is already exist in the Exclude list !",
          "Delimiters.            Warning no: 0124.", 48, MessageOwner::MainWindow},
         {"This item is already exist in the Include list !",
          "Delimiters.            Warning no: 0123.", 48, MessageOwner::MainWindow}});
    EXPECT_EQ(window.IncludedLines(), Lines{"x"});
    EXPECT_EQ(edit->text().toStdString(), "X");
}

TEST_F(MarkListWindowsTest, TheLimitCountsTheSelectedMarks) {
    // No file: the window shows the store as it is.
    settings_.separators = Numbered(29999);
    TfrmDelimiters window(context_);
    Select(window, "lstDelimitersIncluded", {0, 1});
    window.btnDelimitersIncToExcClick();
    auto* edit = Find<QLineEdit>(window, "edtDelimitersAdd");
    for (const char* typed : {"x", "y"}) {
        edit->setText(typed);
        window.btnDelimitersAddClick();
    }
    ASSERT_EQ(window.IncludedLines().size(), 29999u);

    Select(window, "lstDelimitersExcluded", {0, 1});
    window.btnDelimitersExcToIncClick();
    EXPECT_EQ(window.IncludedLines().size(), 29999u);
    Select(window, "lstDelimitersExcluded", {1});
    window.btnDelimitersExcToIncClick();
    EXPECT_EQ(window.IncludedLines().size(), 30000u);
    EXPECT_EQ(window.IncludedLines().back(), "m1");
    EXPECT_EQ(window.ExcludedLines(), Lines{"m0"});
    edit->setText("z");
    window.btnDelimitersAddClick();
    ExpectMessages(
        messenger_.Shown(),
        {{"The Limit is 30,000 Delimiters", "Managing Delimiters.            Warning no: 0125.", 48,
          MessageOwner::MainWindow},
         {"The limit is 30000", "Delimiters.            Warning no: 0121.", 48,
          MessageOwner::MainWindow}});
}

TEST_F(MarkListWindowsTest, DeletingAsksFirst) {
    WriteSettings({"x"}, {"a", "b", "c"});
    TfrmQuotationMarks window(context_);
    window.btnQuotationMarksAllFromIncClick();
    Select(window, "lstQuotationMarksExcluded", {0, 2});
    messenger_.Answer(kAnswerNo);
    window.btnQuotationMarksDeleteClick();
    EXPECT_EQ(window.ExcludedLines(), (Lines{"a", "b", "c"}));
    Select(window, "lstQuotationMarksExcluded", {0, 2});
    messenger_.Answer(kAnswerYes);
    window.btnQuotationMarksDeleteClick();
    EXPECT_EQ(window.ExcludedLines(), Lines{"b"});
    messenger_.Answer(kAnswerNo);
    window.btnQuotationMarksRemoveAllClick();
    EXPECT_EQ(window.ExcludedLines(), Lines{"b"});
    messenger_.Answer(kAnswerYes);
    window.btnQuotationMarksRemoveAllClick();
    EXPECT_TRUE(window.ExcludedLines().empty());

    const ShownMessage deleteQuestion{
        "Do you want to delete selected delimiter(s) from the Exclude list ?",
        "Managing QuotationMarks.            Warning no: 0128.", 292, MessageOwner::MainWindow};
    const ShownMessage removeQuestion{
        "Do you want to remove (delete) all delimiter(s) from the Exclude list ?",
        "Managing QuotationMarks.            Warning no: 0129.", 292, MessageOwner::MainWindow};
    ExpectMessages(messenger_.Shown(),
                   {deleteQuestion, deleteQuestion, removeQuestion, removeQuestion});
}

TEST_F(MarkListWindowsTest, ExchangeAndSetDefaults) {
    WriteSettings({"a", "b"}, {"q"});
    TfrmDelimiters window(context_);
    Select(window, "lstDelimitersIncluded", {0});
    window.btnDelimitersIncToExcClick();
    window.btnDelimitersExchangeIncExcClick();
    EXPECT_EQ(window.IncludedLines(), Lines{"a"});
    EXPECT_EQ(window.ExcludedLines(), Lines{"b"});
    window.btnDelimitersAllFromExcClick();
    EXPECT_EQ(window.IncludedLines(), (Lines{"a", "b"}));
    EXPECT_TRUE(window.ExcludedLines().empty());
    window.btnDelimitersAllFromIncClick();

    window.btnDelimitersSetDefaultsClick();
    EXPECT_EQ(window.IncludedLines(), kDelimiterBuiltIns);
    EXPECT_TRUE(window.ExcludedLines().empty());
    // Nothing is stored before "&Close".
    EXPECT_EQ(CountOf(StoredTypes(), 4), 2);
    EXPECT_TRUE(messenger_.Shown().empty());
}

}  // namespace
}  // namespace arbovane
