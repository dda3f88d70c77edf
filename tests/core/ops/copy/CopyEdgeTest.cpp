// The copy at its edges, each case on real trees: the simulation lists what the run lists and
// changes nothing, the run's lists of what it made are what the disk holds new, every list is
// counted, and Undo gives the tree back.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <utility>

#include "CopyFixture.h"
#include "core/ops/create/CreateRun.h"
#include "core/undo/FolderFileUndoRun.h"
#include "support/HostOnly.h"
#include "support/NewEntries.h"

namespace arbovane {
namespace {

using testing::CopyFixture;
using testing::FullPath;
using testing::Lines;
using testing::Listing;
using testing::NewEntries;
using testing::Relative;
using testing::Sorted;
using testing::TempDrives;
using C = Vol08Category;
using K = Vol08Counter;
using A = AttachMode;

struct EdgeCase {
    const char* name;
    Lines templates;                                         // on D:
    Lines destinations;                                      // on E:
    std::vector<std::pair<const char*, const char*>> links;  // on E:, link and its target
    CopyTabOptions options;
    // Left out where the answer is the host's (letter case).
    std::optional<Listing> expected;
};

const EdgeCase kCases[] = {
    {"a drive root as the template, main folders with files",
     {"T/f.txt", "T/A/g.txt"},
     {"X/"},
     {},
     FullPath({"e:\\X"}, {"d:\\"}, A::MainFolderWithFiles),
     Listing{{C::FoldersCopied, {"e:\\X"}},
             {C::SubFoldersCopied, {"e:\\X\\T", "e:\\X\\T\\A"}},
             {C::FilesCopied, {"e:\\X\\T\\f.txt", "e:\\X\\T\\A\\g.txt"}}}},
    {"a drive root as the template, main folders without files",
     {"T/f.txt", "T/A/"},
     {"X/T/"},
     {},
     FullPath({"e:\\X"}, {"d:\\"}, A::MainFolderWithoutFiles),
     Listing{{C::FoldersCopied, {"e:\\X"}},
             {C::SubFoldersCopied, {"e:\\X\\T\\A"}},
             {C::SubFoldersExists, {"e:\\X\\T"}}}},
    {"relative names the run cannot make",
     {},
     {"X/"},
     {},
     Relative({"e:\\X"}, {"\\P\\CON", "\\Q\\nul.txt", "\\R\\trail."}, TemplateOption::ReplaceNo),
     Listing{
         {C::FoldersCopied, {"e:\\X"}},
         {C::SubFoldersCopied, {"e:\\X\\P", "e:\\X\\Q", "e:\\X\\R"}},
         {C::SubFoldersOtherReasons, {"e:\\X\\P\\CON", "e:\\X\\Q\\nul.txt", "e:\\X\\R\\trail."}}}},
    {"a relative line through a link inside the include folder",
     {},
     {"X/", "Out/"},
     {{"X/P", "../Out"}},
     Relative({"e:\\X"}, {"\\P\\Q\\R"}, TemplateOption::ReplaceNo),
     Listing{{C::SubFoldersOtherReasons, {"e:\\X\\P\\Q\\R"}}}},
    {"every folder made is listed, parents first",
     {},
     {"X/"},
     {},
     Relative({"e:\\X"}, {"\\A\\B", "\\C"}, TemplateOption::ReplaceNo),
     Listing{{C::FoldersCopied, {"e:\\X"}},
             {C::SubFoldersCopied, {"e:\\X\\A", "e:\\X\\A\\B", "e:\\X\\C"}}}},
    {"an include line with a trailing backslash is its own template",
     {},
     {"T/A/"},
     {},
     FullPath({"e:\\T\\"}, {"e:\\T"}, A::MainFolderWithoutFiles),
     Listing{}},
#ifndef _WIN32
    {"a template names a file and a folder alike but for letter case",
     {"T/a", "T/A/x.txt"},
     {"X/"},
     {},
     FullPath({"e:\\X"}, {"d:\\T"}, A::MainFolderWithFiles),
     std::nullopt},
    {"template names Windows cannot make",
     {"T/CON/x", "T/trail./y", "T/nul.txt", "T/ok/aux.c", "T/ok/fine.txt", "T/a:b"},
     {"X/"},
     {},
     FullPath({"e:\\X"}, {"d:\\T"}, A::SubFoldersOnlyWithFiles),
     Listing{{C::FoldersCopied, {"e:\\X"}},
             {C::SubFoldersCopied, {"e:\\X\\ok"}},
             {C::FilesCopied, {"e:\\X\\ok\\fine.txt"}},
             {C::SubFoldersOtherReasons,
              {"e:\\X\\a:b", "e:\\X\\nul.txt", "e:\\X\\CON", "e:\\X\\trail.", "e:\\X\\CON\\x",
               "e:\\X\\ok\\aux.c"}}}},
#endif
};

class CopyEdgeTest : public CopyFixture, public ::testing::WithParamInterface<EdgeCase> {};

TEST_P(CopyEdgeTest, SimulationRunListsAndUndo) {
    const EdgeCase& c = GetParam();
    Make('d', c.templates);
    Make('e', c.destinations);
    for (const auto& [link, target] : c.links)
        std::filesystem::create_directory_symlink(target, Host('e', link));
    const auto before = Snapshot('e');
    const auto templates = Snapshot('d');

    fs_.ForbidMutations();
    ASSERT_TRUE(Simulate(c.options));
    fs_.ForbidMutations(false);
    const Listing simulated = Categories();
    std::vector<double> counters;
    for (std::size_t i = 0; i < log_.CounterCount(); ++i) counters.push_back(log_.CounterAt(i));
    EXPECT_EQ(Snapshot('e'), before);

    ASSERT_TRUE(Run(c.options));
    if (c.expected) {
        EXPECT_EQ(Categories(), *c.expected);
    }
    EXPECT_EQ(Categories(), simulated) << "the simulation";
    for (std::size_t i = 0; i < log_.CounterCount(); ++i)
        EXPECT_EQ(log_.CounterAt(i), counters[i]) << "counter " << i;
    const struct {
        C category;
        K counter;
    } counted[] = {{C::FoldersCopied, K::FoldersCopied},
                   {C::SubFoldersCopied, K::SubFoldersCopied},
                   {C::FilesCopied, K::FilesCopied},
                   {C::FoldersNotExists, K::FoldersNotExists},
                   {C::SubFoldersExists, K::SubFoldersExists},
                   {C::FilesExists, K::FilesExists},
                   {C::SubFoldersOtherReasons, K::SubFoldersOtherReasons}};
    for (const auto& [category, counter] : counted)
        EXPECT_EQ(Count(counter), static_cast<double>(log_.Lines(category).size()))
            << static_cast<int>(category);
    EXPECT_EQ(NewEntries(before, Snapshot('e'), 'e'),
              Sorted({log_.Lines(C::SubFoldersCopied), log_.Lines(C::FilesCopied)}));
    EXPECT_EQ(Snapshot('d'), templates);

    messenger_.Clear();
    messenger_.Answer(kAnswerYes);
    RunFolderFileUndo(UndoTab::Copy, journal_, log_, fs_, drives_.TextPort(), messenger_);
    EXPECT_TRUE(journal_.FailedUndoFolders.empty());
    EXPECT_EQ(Snapshot('e'), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, CopyEdgeTest, ::testing::ValuesIn(kCases), [](const auto& info) {
    std::string name = info.param.name;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
});

// Paths past the host's length limit are made through open folders, and Undo takes them back
// the same way: none stays behind unreported.
TEST_F(CopyFixture, UndoReachesPathsPastTheHostsLimit) {
    FsError why = FsError::None;
    auto tree = drives_.Fs().OpenTree("d:\\", why);
    ASSERT_TRUE(tree);
    std::string relative = "Deep";
    ASSERT_EQ(tree->MakeFolder(relative, why), CreateOutcome::Created);
    for (int i = 0; relative.size() + e_.size() <= testing::kHostPathLimit; ++i) {
        relative += "\\" + std::string(240, static_cast<char>('a' + i));
        ASSERT_EQ(tree->MakeFolder(relative, why), CreateOutcome::Created);
    }
    const std::size_t made = std::count(relative.begin(), relative.end(), '\\');
    TempDrives::MakeHostEntries(e_ + "/", {"X/"});
    const auto before = Snapshot('e');
    messenger_.Clear();
    messenger_.Answer(kAnswerYes);
    ASSERT_TRUE(RunCopyFolders(Ports(), totals_, journal_,
                               FullPath({"e:\\X"}, {"d:\\Deep"}, A::MainFolderWithoutFiles),
                               Hooks()));
    EXPECT_EQ(log_.Lines(Vol08Category::SubFoldersCopied).size(), made + 1);
    EXPECT_TRUE(log_.Lines(Vol08Category::SubFoldersOtherReasons).empty());

    messenger_.Clear();
    messenger_.Answer(kAnswerYes);
    RunFolderFileUndo(UndoTab::Copy, journal_, log_, fs_, drives_.TextPort(), messenger_);
    EXPECT_EQ(journal_.FailedUndoFolders, Lines{});
    EXPECT_FALSE(Exists('e', "X/Deep"));
    EXPECT_EQ(Snapshot('e'), before);
    // The template's deep folders go the same way, as the temporary folders are removed by
    // path; what is left is short.
    while (relative.find('\\') != std::string::npos) {
        ASSERT_TRUE(tree->RemoveFolder(relative, why)) << relative.size();
        relative.erase(relative.rfind('\\'));
    }
}

// Free space is that of the volume a destination lies on, not of its drive's root: a small
// volume mounted inside a drive refuses what does not fit, and a large one mounted inside a small
// one takes what fits.
TEST_F(CopyFixture, FreeSpaceIsThatOfEachDestinationsVolume) {
    if (!testing::RunsAsRoot()) GTEST_SKIP() << "mounting a small volume needs root";
    const std::string small = e_ + "/Small";
    const std::string tiny = f_ + "/Tiny";
    TempDrives::MakeHostFolder(small);
    TempDrives::MakeHostFolder(tiny);
    if (!testing::MountSmallVolume(small, 2 * 1024 * 1024))
        GTEST_SKIP() << "this host does not let the test mount a volume";
    struct Unmounted {
        std::vector<std::string> at;
        ~Unmounted() {
            for (auto it = at.rbegin(); it != at.rend(); ++it) testing::Unmount(*it);
        }
    } unmount{{small}};
    ASSERT_TRUE(testing::MountSmallVolume(tiny, 1024 * 1024));
    unmount.at.push_back(tiny);
    TempDrives::MakeHostFolder(tiny + "/Big");
    ASSERT_TRUE(testing::MountSmallVolume(tiny + "/Big", 16 * 1024 * 1024));
    unmount.at.push_back(tiny + "/Big");
    drives_.Fs().MapDrive('G', tiny);

    TempDrives::WriteHostFile(Host('d', "T/one.bin"), std::string(700000, 'x'));
    TempDrives::WriteHostFile(Host('d', "T/two.bin"), std::string(700000, 'y'));
    Make('e', {"Small/A/", "Small/B/"});
    TempDrives::MakeHostFolder(tiny + "/Big/X");

    // Two copies of 1,400,000 bytes do not fit on 2 MB: nothing is copied.
    const auto before = Snapshot('e');
    EXPECT_FALSE(
        Run(FullPath({"e:\\Small\\A", "e:\\Small\\B"}, {"d:\\T"}, A::MainFolderWithFiles)));
    ASSERT_EQ(messenger_.Shown().size(), 1u);
    EXPECT_EQ(messenger_.Shown()[0].title,
              "Copy Folder(s).-From a Folder List.            Information no: 0177.");
    EXPECT_EQ(messenger_.Shown()[0].text.rfind(
                  "There is not enough space on the disk.\nThe free space on the disk "
                  "e:\\Small\\A is : ",
                  0),
              0u)
        << messenger_.Shown()[0].text;
    EXPECT_EQ(Snapshot('e'), before);

    // One copy fits on the large volume, though the drive's own root is the small one.
    EXPECT_TRUE(Run(FullPath({"g:\\Big\\X"}, {"d:\\T"}, A::MainFolderWithFiles)));
    EXPECT_EQ(log_.Lines(Vol08Category::FilesCopied).size(), 2u);

    // The creation tabs ask the volume where their folders would be made, as the copy does.
    VisualLog created{VisualLogTab::Vol02};
    const CreateRunPorts ports{fs_, drives_.TextPort(), messenger_, created};
    CreateTabOptions options;
    options.tab = CreateTab::StringList;
    options.includeLines = {"A", "B"};
    options.kind = TemplateKind::FullPath;
    options.templates = {"d:\\T"};
    options.mode = A::MainFolderWithFiles;
    for (const auto& [destination, fits] :
         {std::pair{"e:\\Small\\New", false}, std::pair{"g:\\Big\\New", true}}) {
        options.destination = destination;
        messenger_.Clear();
        messenger_.Answer(kAnswerYes);
        EXPECT_EQ(RunCreateFolders(ports, totals_, journal_, options, {}), fits) << destination;
        EXPECT_EQ(messenger_.Shown().front().title,
                  fits ? "Creating Folder(s).-From  a String List.            Information no: 0025."
                       : "Creating Folder(s).-From a String List.            Information no: 0035.")
            << destination;
    }
    EXPECT_EQ(created.Lines(CreationCategory::FilesCreated).size(), 4u);
}

}  // namespace
}  // namespace arbovane
