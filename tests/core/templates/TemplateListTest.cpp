#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "HostBackend.h"
#include "core/templates/TemplateList.h"
#include "platform/memory/MemoryFileSystem.h"

namespace arbovane {
namespace {

using Lines = std::vector<std::string>;
using Kind = TemplateKind;

const char* const kCopyImportCheck =
    "Copy Folder Structure(s).-From a Folder List.            Warning no: 0385bc.";

class TemplateListTest : public ::testing::Test {
protected:
    TemplateList List(Kind kind, const Lines& lines = {}, TemplateTab tab = TemplateTab::Vol08) {
        TemplateList list(tab, text_, windows_);
        list.ChooseKind(kind);
        // Lines as an earlier operation left them.
        if (kind == Kind::FullPath)
            for (const std::string& line : lines) list.AddStructure(line);
        else if (!lines.empty())
            list.Import(lines, true);
        return list;
    }
    HostText text_;
    // A volume that keeps Windows' rule of letter case.
    MemoryFileSystem windows_{text_};
};

TEST_F(TemplateListTest, ImportByKind) {
    const struct {
        const char* name;
        Kind kind;
        Lines before;
        Lines imported;
        bool ok;
        Lines after;
        const char* title;  // nullptr: no box
        const char* textStart;
    } cases[] = {
        {"slashes collapse to single backslashes",
         Kind::Relative,
         {},
         {"\\a/b//c\\\\\\d"},
         true,
         {"\\a\\b\\c\\d"},
         nullptr,
         ""},
        {"a line held ignoring case is added once",
         Kind::Relative,
         {"\\Old"},
         {"\\new", "/NEW", "\\old", "\\x"},
         true,
         {"\\Old", "\\new", "\\x"},
         nullptr,
         ""},
        {"full paths are normalised too",
         Kind::FullPath,
         {"d:\\T"},
         {"e:/U//V", "D:\\t"},
         true,
         {"d:\\T", "e:\\U\\V"},
         nullptr,
         ""},
        {"a drive refuses the whole relative import",
         Kind::Relative,
         {"\\Old"},
         {"\\a", "d:\\b"},
         true,
         {"\\Old"},
         kCopyImportCheck,
         "You can only enter relative paths without drive letters."},
        {"a missing drive refuses the whole full-path import",
         Kind::FullPath,
         {},
         {"d:\\a", "\\b"},
         true,
         {},
         kCopyImportCheck,
         "You can only enter full paths with drive letters."},
        {"an empty result warns even after Cancel",
         Kind::Relative,
         {"\\Old"},
         {},
         false,
         {"\\Old"},
         "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0401a.",
         "Empty Result List in the File Import Window!\n"},
        {"Cancel adds nothing", Kind::Relative, {}, {"\\a"}, false, {}, nullptr, ""},
        {"nothing to attach takes no lines", Kind::Nothing, {}, {"\\a"}, true, {}, nullptr, ""},
    };
    for (const auto& c : cases) {
        TemplateList list = List(c.kind, c.before);
        const std::optional<ListMessage> shown = list.Import(c.imported, c.ok);
        EXPECT_EQ(list.Lines(), c.after) << c.name;
        ASSERT_EQ(shown.has_value(), c.title != nullptr) << c.name;
        if (!shown) continue;
        EXPECT_EQ(shown->title, c.title) << c.name;
        EXPECT_EQ(shown->text.rfind(c.textStart, 0), 0u) << c.name << ": " << shown->text;
        EXPECT_EQ(shown->flags, 48) << c.name;
    }
}

TEST_F(TemplateListTest, EditOkByKind) {
    const struct {
        const char* name;
        TemplateTab tab;
        Kind kind;
        Lines memo;
        Lines after;
        const char* title;  // nullptr: accepted
    } cases[] = {
        {"trimmed, blank lines dropped, duplicates once",
         TemplateTab::Vol08,
         Kind::Relative,
         {"  \\a/b  ", "", "   ", "\\A\\B", "\\c//d"},
         {"\\a\\b", "\\c\\d"},
         nullptr},
        {"full paths",
         TemplateTab::Vol08,
         Kind::FullPath,
         {" d:\\T", "e:/U//V"},
         {"d:\\T", "e:\\U\\V"},
         nullptr},
        {"no lines left empties the list",
         TemplateTab::Vol08,
         Kind::Relative,
         {"", "  "},
         {},
         nullptr},
        {"a drive in relative templates",
         TemplateTab::Vol08,
         Kind::Relative,
         {"\\a", "d:\\b"},
         {"\\Kept"},
         "Copy Folder Structure(s).-From a Folder List.            Warning no: 0383bc."},
        {"no drive in full-path templates",
         TemplateTab::Vol08,
         Kind::FullPath,
         {"d:\\a", "\\b"},
         {"d:\\Kept"},
         "Copy Folder Structure(s).-From a Folder List.             Warning no: 0383bc."},
        {"relative templates without a leading backslash",
         TemplateTab::Vol04,
         Kind::Relative,
         {"a\\b"},
         {"\\Kept"},
         "Creating Folder(s).- From a Folder List - Level.            Warning no: 0385bc."},
        {"full-path templates of the numbers tab",
         TemplateTab::Vol03,
         Kind::FullPath,
         {"x\\y"},
         {"d:\\Kept"},
         "Creating Folder(s).- Increased Numbers.            Warning no: 0385bc."},
    };
    for (const auto& c : cases) {
        TemplateList list = List(c.kind, {c.kind == Kind::FullPath ? "d:\\Kept" : "\\Kept"}, c.tab);
        const std::optional<ListMessage> shown = list.EditOk(c.memo);
        EXPECT_EQ(list.Lines(), c.after) << c.name;
        ASSERT_EQ(shown.has_value(), c.title != nullptr) << c.name;
        if (!shown) continue;
        EXPECT_EQ(shown->title, c.title) << c.name;
        EXPECT_FALSE(shown->text.empty()) << c.name;
    }
}

TEST_F(TemplateListTest, AddStructureChoices) {
    const struct {
        const char* browsed;
        Kind kind;
        bool proceed;
        bool asks;
        const char* path;
    } cases[] = {
        {"  d:\\Customer\\Customer02 ", Kind::FullPath, true, false, "d:\\Customer\\Customer02"},
        {"d:\\", Kind::FullPath, true, true, "d:\\"},
        {" d:\\ ", Kind::FullPath, true, true, "d:\\"},
        {"d:", Kind::FullPath, false, false, "d:"},
        {"", Kind::FullPath, false, false, ""},
        {"d:\\Customer", Kind::Relative, false, false, "d:\\Customer"},
    };
    for (const auto& c : cases) {
        const TemplateList list = List(c.kind);
        const TemplateList::StructureChoice choice = list.ChooseStructure(c.browsed);
        EXPECT_EQ(choice.proceed, c.proceed) << c.browsed;
        EXPECT_EQ(choice.path, c.path) << c.browsed;
        EXPECT_EQ(choice.question.has_value(), c.asks) << c.browsed;
    }
    const struct {
        TemplateTab tab;
        const char* title;
    } roots[] = {
        {TemplateTab::Vol08,
         "Copy Folder Structure(s).-From a Folder List - Level.            Information no: 0330."},
        {TemplateTab::Vol04,
         "Creating Folder(s).-From a Folder List.            Warning no: 0333."},
    };
    for (const auto& r : roots) {
        const auto question = List(Kind::FullPath, {}, r.tab).ChooseStructure("e:\\").question;
        ASSERT_TRUE(question.has_value());
        EXPECT_EQ(question->title, r.title);
        EXPECT_EQ(question->flags, 292);
    }
}

TEST_F(TemplateListTest, AddStructureSkipsAFolderHeldIgnoringCase) {
    TemplateList list = List(Kind::FullPath);
    EXPECT_TRUE(list.AddStructure("d:\\Customer\\Customer02"));
    EXPECT_FALSE(list.AddStructure("D:\\CUSTOMER\\customer02"));
    EXPECT_TRUE(list.AddStructure("d:\\"));
    EXPECT_EQ(list.Lines(), (Lines{"d:\\Customer\\Customer02", "d:\\"}));
}

TEST_F(TemplateListTest, AnotherKindEmptiesTheList) {
    TemplateList list = List(Kind::Relative, {"\\a"});
    list.ChooseKind(Kind::Relative);
    EXPECT_EQ(list.Size(), 1u);
    list.ChooseKind(Kind::FullPath);
    EXPECT_TRUE(list.Empty());
    list.AddStructure("d:\\x");
    list.ChooseKind(Kind::Nothing);
    EXPECT_TRUE(list.Empty());
    EXPECT_EQ(list.Kind(), Kind::Nothing);
}

TEST_F(TemplateListTest, DeleteSelectedAsksEvenWithoutASelection) {
    TemplateList list = List(Kind::Relative, {"\\a", "\\b", "\\c", "\\d"});
    const ListMessage prompt = list.DeleteSelectedPrompt();
    EXPECT_EQ(prompt.text, "Do you want to delete the selected item(s) from the Exclude list ?");
    EXPECT_TRUE(prompt.IsQuestion());
    list.DeleteSelected({});
    EXPECT_EQ(list.Size(), 4u);
    list.DeleteSelected({3, 1, 9});
    EXPECT_EQ(list.Lines(), (Lines{"\\a", "\\c"}));
}

TEST_F(TemplateListTest, DeleteAllWarnsOnAnEmptyList) {
    TemplateList list = List(Kind::Relative, {}, TemplateTab::Vol02);
    EXPECT_EQ(list.DeleteAllPrompt().text,
              "Empty List in the Folder Structures/Templates Window!\n");
    EXPECT_FALSE(list.DeleteAllPrompt().IsQuestion());
    list.Import({"\\a"}, true);
    EXPECT_TRUE(list.DeleteAllPrompt().IsQuestion());
    list.DeleteAll();
    EXPECT_TRUE(list.Empty());
}

TEST_F(TemplateListTest, ViewSelectedTakesTheFirstSelectedLineTrimmed) {
    TemplateList list = List(Kind::FullPath, {"d:\\a", " d:\\b "});
    std::string target;
    const auto refusal = list.ViewSelected({}, target);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->title,
              "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0280.");
    EXPECT_FALSE(list.ViewSelected({7, 1}, target).has_value());
    EXPECT_EQ(target, "d:\\b");
}

TEST_F(TemplateListTest, ExportHandsOverEveryLine) {
    TemplateList list = List(Kind::Relative);
    Lines lines{"stale"};
    const auto refusal = list.ExportLines(lines);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->text, "The Folder Structure/Templates Window is empty !\n");
    EXPECT_TRUE(lines.empty());
    list.Import({"\\a", "\\b"}, true);
    EXPECT_FALSE(list.ExportLines(lines).has_value());
    EXPECT_EQ(lines, (Lines{"\\a", "\\b"}));
}

TEST_F(TemplateListTest, LongOperationsReportEachAppendedLine) {
    TemplateList list = List(Kind::Relative);
    std::vector<std::size_t> counts;
    list.SetProgress([&](std::size_t count) { counts.push_back(count); });
    list.Import({"\\a", "\\A", "\\b"}, true);
    list.EditOk({"\\x", "\\y", "\\z"});
    EXPECT_EQ(counts, (std::vector<std::size_t>{1, 2, 1, 2, 3}));
}

}  // namespace
}  // namespace arbovane
