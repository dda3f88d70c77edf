#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/lists/ListPane.h"
#include "platform/memory/MemoryFileSystem.h"
#include "support/TempDrives.h"

namespace arbovane {
namespace {

using testing::TempDrives;

// Every title of a pane, spelled out as the program shows it.
struct ExpectedTitles {
    TabPrefix prefix;
    const char* addEmpty;
    const char* addInInclude;
    const char* addInExclude;
    const char* deleteSelectedQuestion;
    const char* deleteSelectedEmpty;
    const char* deleteAllEmpty;
    const char* deleteAllQuestion;
    const char* viewSelected;
    const char* editCheck;
    const char* exportEmpty;
    const char* clearQuestion;
    const char* clearEnd;
};

const ExpectedTitles kTitles[] = {
    {TabPrefix::Vol08,
     "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0262.",
     "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0263.",
     "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0264.",
     "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0276.",
     "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0277.",
     "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0520.",
     "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0521.",
     "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0278.",
     "Copy Folder Structure(s).-From a Folder List.          Warning no: 0383bc.",
     "Copy Folder Structure(s).-From a Folder List - Level.             Warning no: 0560.",
     "Copy Folder Structure(s).-From a Folder List - Level.            Information no: 0287.",
     "Copy Folder Structure(s).-From a Folder List Level.           Warning no: 0288."},
    {TabPrefix::Vol07,
     "Delete Folder structure(s).-From a Folder List.            Warning no: 0219.",
     "Delete Folder structure(s).-From a Folder List.            Warning no: 0220.",
     "Delete Folder structure(s).-From a Folder List.            Warning no: 0221.",
     "Delete Folder(s).-From a Folder List.            Warning no: 0233.",
     "Delete Folder(s).-From a Folder List.            Warning no: 0234.",
     "Delete Folder(s).-From a Folder List - Level.            Warning no: 0522.",
     "Delete Folder(s).-From a Folder List - Level.            Warning no: 0523.",
     "Delete Folder(s).-From a Folder List.            Warning no: 0306.",
     "Delete Folder(s).-From a Folder List.            Warning no: 0385bc.",
     "Delete Folder(s).-From a Folder List.             Warning no: 0559.",
     "Delete Folder(s).-From a Folder List.            Information no: 0236.",
     "Delete Foldere(s).-From a Folder List.           Warning no: 0237."},
    {TabPrefix::Vol06, "Rename Folders - From a Folder List.            Warning no: 0184.",
     "Rename Folders. - From a Folder List.            Warning no: 0185.",
     "Rename Folders - From a Folder List.            Warning no: 0186.",
     "Rename Folders. - From a Folder List.            Warning no: 0198.",
     "Rename folders. - From a Folder List.            Warning no: 0199.",
     "Rename Folder(s).-From a Folder List - Level.            Warning no: 0524.",
     "Rename Folder(s).-From a Folder List - Level.            Warning no: 0525.",
     "Rename folders. - From a Folder List.            Warning no: 0305.",
     "Rename Folder(s).-From a Folder List.            Warning no: 0385bc.",
     "Rename Folder(s).-From a Folder List.             Warning no: 0558.",
     "Rename Folders. - From a Folder List.            Information no: 0204.",
     "Rename Folders. - From a Folder List.           Warning no: 0205."},
    {TabPrefix::Vol04, "Creating Folder(s).-From a Folder List.            Warning no: 0042.",
     "Creating Folder(s).-From a Folder List.            Warning no: 0044.",
     "Creating Folder(s).-From a Folder List.            Warning no: 0044.",
     "Creating Folder(s).-From a Folder List.            Warning no: 0053.",
     "Creating Folder(s).-From a Folder List.            Warning no: 0145.",
     "Creating Folder List(s).-From a Folder List.            Warning no: 0526.",
     "Creating Folder List(s).-From a Folder List.             Warning no: 0527.", nullptr,
     "Creating Folder(s).-From a Folder List.            Warning no: 0385bc.",
     "Creating Folder(s).-From a Folder List.            Warning no: 0557.",
     "Creating Folder(s).-From a Folder List.            Information no: 0064",
     "Creating Folder(s).-From a Folder List.           Warning no: 0065."},
    {TabPrefix::Vol02, "Creating Folder(s).-From a String List.            Warning no: 0004.",
     "Creating Folder(s).-From a String List.            Warning no: 0005.",
     "Creating Folder(s).-From a String List.            Warning no: 0006.",
     "Creating Folder(s).-From a String List.            Warning no: 0017.",
     "Creating Folder(s).-From a String List.            Warning no: 0144.",
     "Creating Folder(s).-From a String List.            Warning no: 0528.",
     "Creating Folder(s).-From a String List.            Warning no: 0529.", nullptr,
     "Creating Folder(s).-From a String List.            Warning no: 0385bc.",
     "Creating Folder(s).-From a String List.            Warning no: 0556.",
     "Creating Folder(s).-From a String List.            Information no: 0032.",
     "Creating Folder(s).-From a String List.            Information no: 0033."},
};

void ExpectMessage(const std::optional<ListMessage>& shown, const std::string& text,
                   const char* title, int flags, const std::string& where) {
    ASSERT_TRUE(shown.has_value()) << where;
    EXPECT_EQ(shown->text, text) << where;
    EXPECT_EQ(shown->title, title) << where;
    EXPECT_EQ(shown->flags, flags) << where;
}

// The item every tab accepts as it stands: a relative path for strings, a full path otherwise.
std::string Item(TabPrefix prefix, const std::string& name) {
    return (prefix == TabPrefix::Vol02 ? "\\" : "d:\\") + name;
}

class ListPaneMessages : public ::testing::Test {
protected:
    ListPaneMessages() { drives_.Map('D'); }
    TempDrives drives_;
    // The lists ask the volume their lines name; this one keeps Windows' rule of letter case.
    MemoryFileSystem windows_{drives_.TextPort()};
};

TEST_F(ListPaneMessages, BrowseAddRefusals) {
    for (const ExpectedTitles& t : kTitles) {
        ListPane pane(t.prefix, drives_.TextPort(), windows_);
        if (!pane.Texts().browseAdd) continue;
        const std::string where = pane.Texts().name;
        ExpectMessage(pane.AddBrowsedFolder("   "), "The selection field is empty !!!", t.addEmpty,
                      48, where);
        EXPECT_FALSE(pane.AddBrowsedFolder(" d:\\Clients\\Customer1 ").has_value());
        EXPECT_FALSE(pane.AddBrowsedFolder("C:\\").has_value());
        EXPECT_EQ(pane.Include().Lines(),
                  (std::vector<std::string>{"d:\\Clients\\Customer1", "C:\\"}));
        ExpectMessage(pane.AddBrowsedFolder("D:\\CLIENTS\\customer1"),
                      "This folder exists in the INCLUDE FOLDER LIST !!!", t.addInInclude, 48,
                      where);
        pane.Exclude().Add("d:\\Old");
        ExpectMessage(pane.AddBrowsedFolder("d:\\old"),
                      "This folder exists in the EXCLUDE FOLDER LIST !!!", t.addInExclude, 48,
                      where);
        EXPECT_EQ(pane.Include().Size(), 2u);
    }
}

TEST_F(ListPaneMessages, DeleteEmptyAndQuestions) {
    for (const ExpectedTitles& t : kTitles) {
        ListPane pane(t.prefix, drives_.TextPort(), windows_);
        const std::string where = pane.Texts().name;
        const std::string kind = t.prefix == TabPrefix::Vol02 ? "STRING" : "FOLDER";
        ExpectMessage(pane.DeleteSelectedPrompt(),
                      "The EXCLUDE list is empty !\nAction : You must enter at least one " + kind +
                          " to the EXCLUDE list to delete it.\n",
                      t.deleteSelectedEmpty, 48, where);
        ExpectMessage(pane.DeleteAllPrompt(), "Empty List in the Exclude Window!\n",
                      t.deleteAllEmpty, 48, where);
        pane.Exclude().Add(Item(t.prefix, "x"));
        ExpectMessage(pane.DeleteSelectedPrompt(),
                      "Do you want to delete the selected item(s) from the Exclude list ?\nNote: "
                      "You can delete ONLY from the EXCLUDE list.\n",
                      t.deleteSelectedQuestion, 292, where);
        ExpectMessage(pane.DeleteAllPrompt(),
                      "Do you want to delete all item(s) from the Exclude list ?",
                      t.deleteAllQuestion, 292, where);
    }
}

TEST_F(ListPaneMessages, ViewExportAndClearFields) {
    for (const ExpectedTitles& t : kTitles) {
        ListPane pane(t.prefix, drives_.TextPort(), windows_);
        const std::string where = pane.Texts().name;
        std::string target = "untouched";
        if (t.viewSelected) {
            pane.Include().Add(" d:\\Shown ");
            ExpectMessage(pane.ViewSelected({}, target),
                          "There is no selected Folder Structure !\nAction : You must select a "
                          "Folder with subfolder structure.",
                          t.viewSelected, 48, where);
            EXPECT_EQ(target, "untouched");
            EXPECT_FALSE(pane.ViewSelected({0}, target).has_value());
            EXPECT_EQ(target, "d:\\Shown");
            pane.Include().Clear();
        }
        std::vector<std::string> lines{"stale"};
        ExpectMessage(pane.ExportLines(lines), "The Include List is empty !\n", t.exportEmpty, 48,
                      where);
        EXPECT_TRUE(lines.empty());
        ExpectMessage(pane.ClearFieldsQuestion(),
                      "You will delete all fields !!!\nClick YES to Continue deleting all "
                      "fields,\nClick NO to Stop the delete process.",
                      t.clearQuestion, 292, where);
        ExpectMessage(pane.ClearFieldsEnd(), "End of the CLEAR FIELDS process !!!\n", t.clearEnd,
                      48, where);
    }
}

TEST_F(ListPaneMessages, EditCheckRefusesTheWholeText) {
    for (const ExpectedTitles& t : kTitles) {
        ListPane pane(t.prefix, drives_.TextPort(), windows_);
        const std::string where = pane.Texts().name;
        pane.Include().Add(Item(t.prefix, "kept"));
        if (t.prefix == TabPrefix::Vol02) {
            ExpectMessage(pane.ParseBack({"\\good", "d:\\bad"}),
                          "You can only enter relative paths without drive letters.\nError Type: "
                          "There are drive letters in paths (1 )\nd:\\bad\nThere are Colons in "
                          "the Folder Names ( 1) \nNo. of Colons: 1   d:\\bad\n\nError Type: "
                          "There are paths not beginning with \\ (backslash) (total: 1) "
                          "\nd:\\bad\n\n",
                          t.editCheck, 48, where);
        } else {
            ExpectMessage(pane.ParseBack({"d:\\good", "\\bad"}),
                          "You can only enter full paths with drive letters.\nError Type: There "
                          "are no drive letters in paths (1 )\n\\bad\n\n\n",
                          t.editCheck, 48, where);
        }
        EXPECT_EQ(pane.Include().Lines(), (std::vector<std::string>{Item(t.prefix, "kept")}))
            << where;
    }
}

TEST_F(ListPaneMessages, StringTabTypedAdd) {
    const ExpectedTitles& t = kTitles[4];
    ListPane pane(TabPrefix::Vol02, drives_.TextPort(), windows_);
    const auto expect = [&](const std::string& field, const std::string& text, const char* title,
                            const std::string& fieldAfter) {
        const TypedAddResult result = pane.AddTypedString(field);
        ExpectMessage(result.message, text, title, 48, field);
        EXPECT_EQ(result.fieldText, fieldAfter) << field;
    };
    expect("   ",
           "The text field is empty !\nAction : You must enter a different name to add to the "
           "Include List.",
           t.addEmpty, "   ");
    pane.Include().Add("\\Inside");
    pane.Exclude().Add("\\Outside");
    expect("\\INSIDE", "This item already exists in the Include list !", t.addInInclude,
           "\\INSIDE");
    expect("\\outside", "This item already exists in the Exclude list !", t.addInExclude,
           "\\outside");
    expect(" d:\\Name",
           "This item is a Folder Name (with drive letter) !\nAction : You must enter a string "
           "without a drive letter !!!",
           "Creating Folder(s).-From a String List.          Warning no: 0007.", " d:\\Name");
    // The character just typed is taken back; every illegal one is listed after a blank.
    expect(" Report?", "Illegal character in the Text :  ?",
           "Creating Folder(s).-From a String List.            Warning no: 0008.", "Report");
    expect("a*b|", "Illegal character in the Text :  * |",
           "Creating Folder(s).-From a String List.            Warning no: 0008.", "a*b");
    EXPECT_EQ(pane.Include().Lines(), (std::vector<std::string>{"\\Inside"}));
}

TEST_F(ListPaneMessages, FullPathTabTypedAdd) {
    const char* const colonTitle =
        "Creating Folder(s).-From a Folder List.            Warning no: 0043.";
    const char* const refusedTitle =
        "Creating Folder(s).-From a Folder List.            Warning no: 0044.";
    ListPane pane(TabPrefix::Vol04, drives_.TextPort(), windows_);
    pane.Include().Add("d:\\In");
    pane.Exclude().Add("d:\\Out");
    const struct {
        std::string field, text;
        const char* title;
    } cases[] = {
        {"  ", "The text field is empty !!!",
         "Creating Folder(s).-From a Folder List.            Warning no: 0042."},
        {"d\\x", "Not found any colon (:) in the text !!!!", colonTitle},
        {":\\x", "The colon (:) is the first character in the text.", colonTitle},
        {"d:\\x 1:\\y", "There is(are) no drive letter(s) before colon(s) (:) : 1", colonTitle},
        {"d:\\x?", "Illegal characters in the text :  ?", refusedTitle},
        {"d:\\", "There is no Folder part (just root).", refusedTitle},
        {"q:\\data", "There is no valid drive letter.", refusedTitle},
        {"D:\\IN", "This item already exists in the Include list !", refusedTitle},
        {"D:\\OUT", "This item already exists in the Exclude list !", refusedTitle},
    };
    for (const auto& c : cases) {
        const TypedAddResult result = pane.AddTypedPaths(drives_.Fs(), c.field);
        ExpectMessage(result.message, c.text, c.title, 48, c.field);
        EXPECT_EQ(result.fieldText, c.field);
    }
    EXPECT_EQ(pane.Include().Lines(), (std::vector<std::string>{"d:\\In"}));
}

}  // namespace
}  // namespace arbovane
