#include <gtest/gtest.h>

#include "CreateFixture.h"

namespace arbovane {
namespace {

using testing::CreateFixture;
using testing::Lines;
using testing::Listing;
using testing::Names;
using testing::Numbers;
using testing::Paths;
using testing::With;
using G = CreationCategory;
using K = TemplateKind;
using A = AttachMode;

// The template every full-path case attaches.
const Lines kTemplate = {"T/f.txt", "T/A/g.txt", "T/C/"};

struct GoldenCase {
    const char* name;
    Lines before;  // on E:, besides kTemplate on D:
    CreateTabOptions options;
    Listing expected;
};

CreateTabOptions Padded(CreateTabOptions options) {
    options.padded = true;
    return options;
}
CreateTabOptions InLevels(CreateTabOptions options) {
    options.numbersInLevels = true;
    return options;
}
CreateTabOptions Option(CreateTabOptions options, TemplateOption option) {
    options.option = option;
    return options;
}

const GoldenCase kCases[] = {
    {"names, nothing attached, missing destination, one name there, two levels",
     {"Dest/X/"},
     Names({"A", "B\\C", "X"}),
     {{G::FoldersCreated, {"e:\\Dest\\A", "e:\\Dest\\B", "e:\\Dest\\B\\C"}},
      {G::FoldersExists, {"e:\\Dest\\X"}}}},
    {"names with prefix, suffix and hyphen",
     {},
     With(Names({"Customer1", "Customer2"}), "2014", "July"),
     {{G::FoldersCreated,
       {"e:\\Dest", "e:\\Dest\\2014-Customer1-July", "e:\\Dest\\2014-Customer2-July"}}}},
    {"names that lead elsewhere or name nothing are set aside",
     {"Dest/"},
     Names({"..", "x\\..\\..\\y", "CON", "nul.txt", "a.", "b ", "d:\\abs", "ok"}),
     {{G::FoldersCreated, {"e:\\Dest\\ok"}},
      {G::FoldersOther,
       {"e:\\Dest\\..", "e:\\Dest\\x\\..\\..\\y", "e:\\Dest\\CON", "e:\\Dest\\nul.txt",
        "e:\\Dest\\a.", "e:\\Dest\\b ", "d:\\abs"}}}},
    {"names, main folders with files",
     {},
     Names({"N"}, K::FullPath, {"d:\\T"}, A::MainFolderWithFiles),
     {{G::FoldersCreated, {"e:\\Dest", "e:\\Dest\\N"}},
      {G::SubFoldersCreated, {"e:\\Dest\\N\\T", "e:\\Dest\\N\\T\\A", "e:\\Dest\\N\\T\\C"}},
      {G::FilesCreated, {"e:\\Dest\\N\\T\\f.txt", "e:\\Dest\\N\\T\\A\\g.txt"}}}},
    {"names, main folders without files",
     {},
     Names({"N"}, K::FullPath, {"d:\\T"}, A::MainFolderWithoutFiles),
     {{G::FoldersCreated, {"e:\\Dest", "e:\\Dest\\N"}},
      {G::SubFoldersCreated, {"e:\\Dest\\N\\T", "e:\\Dest\\N\\T\\A", "e:\\Dest\\N\\T\\C"}}}},
    {"names, subfolders only with files",
     {},
     Names({"N"}, K::FullPath, {"d:\\T"}, A::SubFoldersOnlyWithFiles),
     {{G::FoldersCreated, {"e:\\Dest", "e:\\Dest\\N"}},
      {G::SubFoldersCreated, {"e:\\Dest\\N\\A", "e:\\Dest\\N\\C"}},
      {G::FilesCreated, {"e:\\Dest\\N\\f.txt", "e:\\Dest\\N\\A\\g.txt"}}}},
    {"names, subfolders only without files; nothing below an existing name",
     {"Dest/Old/"},
     Names({"N", "Old"}, K::FullPath, {"d:\\T"}, A::SubFoldersOnlyWithoutFiles),
     {{G::FoldersCreated, {"e:\\Dest\\N"}},
      {G::SubFoldersCreated, {"e:\\Dest\\N\\A", "e:\\Dest\\N\\C"}},
      {G::FoldersExists, {"e:\\Dest\\Old"}}}},
    {"names, relative templates, two lines giving one folder",
     {},
     Option(Names({"N"}, K::Relative, {"\\A\\X", "\\B\\X", "\\Docs\\Old"}),
            TemplateOption::ReplaceFirst),
     {{G::FoldersCreated, {"e:\\Dest", "e:\\Dest\\N"}},
      {G::SubFoldersCreated, {"e:\\Dest\\N\\X", "e:\\Dest\\N\\Old"}},
      {G::FoldersExists, {"e:\\Dest\\N\\X"}}}},
    {"names, relative templates leading out are set aside",
     {},
     Names({"N"}, K::Relative, {"\\..\\..\\Out", "\\In"}),
     {{G::FoldersCreated, {"e:\\Dest", "e:\\Dest\\N"}},
      {G::SubFoldersCreated, {"e:\\Dest\\N\\In"}},
      {G::FoldersOther, {"\\..\\..\\Out"}}}},
    {"numbers padded, one there",
     {"Dest/C-10/"},
     Padded(With(Numbers("8", "12"), "C", "")),
     {{G::FoldersCreated, {"e:\\Dest\\C-08", "e:\\Dest\\C-09", "e:\\Dest\\C-11", "e:\\Dest\\C-12"}},
      {G::FoldersExists, {"e:\\Dest\\C-10"}}}},
    {"numbers at the top of the 32-bit range",
     {},
     Numbers("2147483646", "2147483647"),
     {{G::FoldersCreated, {"e:\\Dest", "e:\\Dest\\2147483646", "e:\\Dest\\2147483647"}}}},
    {"numbers with a suffix that would end in a period",
     {},
     With(Numbers("1", "2"), "", ".", false),
     {{G::FoldersOther, {"e:\\Dest\\1.", "e:\\Dest\\2."}}}},
    {"numbers appended to template levels",
     {},
     InLevels(With(Numbers("3", "3", K::Relative, {"\\Docs\\Old"}), "Client", "")),
     {{G::FoldersCreated, {"e:\\Dest", "e:\\Dest\\Client-3"}},
      {G::SubFoldersCreated, {"e:\\Dest\\Client-3\\Docs3", "e:\\Dest\\Client-3\\Docs3\\Old3"}}}},
    {"numbers, main folders with files",
     {},
     Numbers("1", "2", K::FullPath, {"d:\\T"}, A::MainFolderWithFiles),
     {{G::FoldersCreated, {"e:\\Dest", "e:\\Dest\\1", "e:\\Dest\\2"}},
      {G::SubFoldersCreated,
       {"e:\\Dest\\1\\T", "e:\\Dest\\1\\T\\A", "e:\\Dest\\1\\T\\C", "e:\\Dest\\2\\T",
        "e:\\Dest\\2\\T\\A", "e:\\Dest\\2\\T\\C"}},
      {G::FilesCreated,
       {"e:\\Dest\\1\\T\\f.txt", "e:\\Dest\\1\\T\\A\\g.txt", "e:\\Dest\\2\\T\\f.txt",
        "e:\\Dest\\2\\T\\A\\g.txt"}}}},
    {"paths with prefix and suffix, a dotted last part, a missing parent",
     {"Clients/Company01/"},
     With(Paths({"e:\\Clients\\Company01", "e:\\Clients\\Report.2014", "e:\\New\\P"}), "2014",
          "July"),
     {{G::FoldersCreated,
       {"e:\\Clients\\2014-Company01-July", "e:\\2014-Clients-July", "e:\\New",
        "e:\\New\\2014-P-July"}}}},
    {"paths there already, without a drive, or with a level that leads elsewhere",
     {"Clients/Company01/", "Clients/Mine/"},
     Paths({"e:\\Clients\\Company01", "NoDrive", "e:\\Clients\\Mine\\..\\X", "e:\\CON"}),
     {{G::FoldersExists, {"e:\\Clients\\Company01"}},
      {G::FoldersOther, {"NoDrive", "e:\\Clients\\Mine\\..\\X", "e:\\CON"}}}},
    {"paths, subfolders only without files",
     {},
     With(Paths({"e:\\Clients\\Company01"}, K::FullPath, {"d:\\T"}, A::SubFoldersOnlyWithoutFiles),
          "2014", "July"),
     {{G::FoldersCreated, {"e:\\Clients", "e:\\Clients\\2014-Company01-July"}},
      {G::SubFoldersCreated,
       {"e:\\Clients\\2014-Company01-July\\A", "e:\\Clients\\2014-Company01-July\\C"}}}},
    {"paths, relative templates",
     {},
     Paths({"e:\\P\\Q"}, K::Relative, {"\\x\\y"}),
     {{G::FoldersCreated, {"e:\\P", "e:\\P\\Q"}},
      {G::SubFoldersCreated, {"e:\\P\\Q\\x", "e:\\P\\Q\\x\\y"}}}},
};

class CreateGoldenTest : public CreateFixture, public ::testing::WithParamInterface<GoldenCase> {
protected:
    void Arrange() {
        Make('d', kTemplate);
        Make('e', GetParam().before);
    }
};

// The run lists the expected outcomes and the undo leaves the trees as they were.
TEST_P(CreateGoldenTest, RunThenUndo) {
    Arrange();
    const auto before = Snapshot();
    const GoldenCase& c = GetParam();
    ASSERT_TRUE(Run(c.options));
    EXPECT_EQ(Categories(), c.expected);
    for (const std::string& path : journal_.CreatedMainFolders)
        EXPECT_TRUE(fs_.IsFolder(path)) << path;
    Undo(c.options.tab);
    EXPECT_TRUE(journal_.FailedUndoFolders.empty());
    EXPECT_EQ(Snapshot(), before);
}

// The simulation changes nothing and lists what the run lists.
TEST_P(CreateGoldenTest, SimulationListsWhatTheRunLists) {
    Arrange();
    const auto before = Snapshot();
    const GoldenCase& c = GetParam();
    journal_.AttachModeMarker = "N";
    journal_.CreatedMainFolders = {"e:\\Earlier"};
    fs_.ForbidMutations();
    ASSERT_TRUE(Simulate(c.options));
    fs_.ForbidMutations(false);
    EXPECT_EQ(Categories(), c.expected);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(journal_.CreatedMainFolders, Lines{"e:\\Earlier"}) << "the journal stays";
    EXPECT_EQ(log_.Mode(), VisualLogMode::Simulate);
}

INSTANTIATE_TEST_SUITE_P(Cases, CreateGoldenTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

}  // namespace
}  // namespace arbovane
