// The creation tabs at their edges, each case on real trees: the simulation lists what the run
// lists and changes nothing, the run's lists of what it made are what the disk holds new, the
// counters count the entries of their own row, and Undo gives the tree back.
#include <gtest/gtest.h>

#include <filesystem>

#include "CreateFixture.h"
#include "support/HostOnly.h"
#include "support/NewEntries.h"

namespace arbovane {
namespace {

using testing::CreateFixture;
using testing::Lines;
using testing::Listing;
using testing::Names;
using testing::NewEntries;
using testing::Numbers;
using testing::Sorted;
using G = CreationCategory;
using C = CreationCounter;
using K = TemplateKind;
using A = AttachMode;

struct EdgeCase {
    const char* name;
    Lines templates;     // on D:
    Lines destinations;  // on E:
    CreateTabOptions options;
    Listing expected;
    double existing;  // main folders found already
    double other;     // main folders set aside or not made
};

Lines Jobs(int count, const Lines& below) {
    Lines paths;
    for (int k = 1; k <= count; ++k)
        for (const std::string& path : below)
            paths.push_back("e:\\Dest\\" + std::string(k < 10 ? "0" : "") + std::to_string(k) +
                            path);
    return paths;
}

CreateTabOptions Padded(CreateTabOptions options) {
    options.padded = true;
    return options;
}

const EdgeCase kCases[] = {
    {"relative template names the run cannot make",
     {},
     {"Dest/"},
     Names({"C1"}, K::Relative, {"\\Docs\\CON", "\\New\\a."}),
     {{G::FoldersCreated, {"e:\\Dest\\C1"}},
      {G::SubFoldersCreated, {"e:\\Dest\\C1\\Docs", "e:\\Dest\\C1\\New"}},
      {G::FoldersOther, {"e:\\Dest\\C1\\Docs\\CON", "e:\\Dest\\C1\\New\\a."}}},
     0,
     0},
#ifndef _WIN32
    {"full-path template names Windows cannot make",
     {"T/CON/x", "T/trail.", "T/nul.txt", "T/ok/aux.c"},
     {"Dest/"},
     Names({"N"}, K::FullPath, {"d:\\T"}, A::MainFolderWithFiles),
     {{G::FoldersCreated, {"e:\\Dest\\N"}},
      {G::SubFoldersCreated, {"e:\\Dest\\N\\T", "e:\\Dest\\N\\T\\ok"}},
      {G::FoldersOther,
       {"e:\\Dest\\N\\T\\nul.txt", "e:\\Dest\\N\\T\\trail.", "e:\\Dest\\N\\T\\CON",
        "e:\\Dest\\N\\T\\CON\\x", "e:\\Dest\\N\\T\\ok\\aux.c"}}},
     0,
     0},
#endif
    {"two templates holding the same entries: those found are no main folders",
     {"T1/E/f.txt", "T2/E/f.txt"},
     {"Dest/"},
     Names({"A", "B"}, K::FullPath, {"d:\\T1", "d:\\T2"}, A::SubFoldersOnlyWithFiles),
     {{G::FoldersCreated, {"e:\\Dest\\A", "e:\\Dest\\B"}},
      {G::SubFoldersCreated, {"e:\\Dest\\A\\E", "e:\\Dest\\B\\E"}},
      {G::FilesCreated, {"e:\\Dest\\A\\E\\f.txt", "e:\\Dest\\B\\E\\f.txt"}},
      {G::FoldersExists,
       {"e:\\Dest\\A\\E", "e:\\Dest\\A\\E\\f.txt", "e:\\Dest\\B\\E", "e:\\Dest\\B\\E\\f.txt"}}},
     0,
     0},
    {"numbers with templates of two levels: every level made is listed",
     {},
     {"Dest/"},
     Padded(Numbers("1", "12", K::Relative, {"\\Docs\\Old", "\\Mail"})),
     {{G::FoldersCreated, Jobs(12, {""})},
      {G::SubFoldersCreated, Jobs(12, {"\\Docs", "\\Docs\\Old", "\\Mail"})}},
     0,
     0},
    {"a missing destination and a name of two levels are made on the way",
     {},
     {"Dest/Here/"},
     Names({"Here", "New\\Deep"}, K::Nothing),
     {{G::FoldersCreated, {"e:\\Dest\\New", "e:\\Dest\\New\\Deep"}},
      {G::FoldersExists, {"e:\\Dest\\Here"}}},
     1,
     0},
};

class CreateEdgeTest : public CreateFixture, public ::testing::WithParamInterface<EdgeCase> {};

TEST_P(CreateEdgeTest, SimulationRunListsAndUndo) {
    const EdgeCase& c = GetParam();
    Make('d', c.templates);
    Make('e', c.destinations);
    const auto before = Snapshot();
    const auto destinations = testing::TreeSnapshot(e_);

    fs_.ForbidMutations();
    ASSERT_TRUE(Simulate(c.options));
    fs_.ForbidMutations(false);
    const Listing simulated = Categories();
    std::vector<double> counters;
    for (std::size_t i = 0; i < log_.CounterCount(); ++i) counters.push_back(log_.CounterAt(i));
    EXPECT_EQ(Snapshot(), before);

    ASSERT_TRUE(Run(c.options));
    EXPECT_EQ(Categories(), c.expected);
    EXPECT_EQ(Categories(), simulated) << "the simulation";
    for (std::size_t i = 0; i < log_.CounterCount(); ++i)
        EXPECT_EQ(log_.CounterAt(i), counters[i]) << "counter " << i;
    for (const auto& [category, counter] : {std::pair{G::FoldersCreated, C::FoldersCreated},
                                            std::pair{G::SubFoldersCreated, C::SubFoldersCreated},
                                            std::pair{G::FilesCreated, C::FilesCreated}})
        EXPECT_EQ(Count(counter), static_cast<double>(log_.Lines(category).size()));
    EXPECT_EQ(Count(C::FoldersExists), c.existing);
    EXPECT_EQ(Count(C::FoldersOther), c.other);
    EXPECT_EQ(NewEntries(destinations, testing::TreeSnapshot(e_), 'e'),
              Sorted({log_.Lines(G::FoldersCreated), log_.Lines(G::SubFoldersCreated),
                      log_.Lines(G::FilesCreated)}));

    Undo(c.options.tab);
    EXPECT_TRUE(journal_.FailedUndoFolders.empty());
    EXPECT_EQ(Snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, CreateEdgeTest, ::testing::ValuesIn(kCases), [](const auto& info) {
    std::string name = info.param.name;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
});

// A destination the user may not write: the run makes nothing, and the simulation, which asks the
// file system whether it could, says so as well.
TEST_F(CreateFixture, SimulationOfAnUnwritableDestinationSaysWhatTheRunDoes) {
    Make('e', {"Locked/"});
    // The other user must reach the drive to be refused inside it.
    for (const std::string& folder : {e_ + "/..", e_})
        ASSERT_TRUE(testing::SetHostMode(folder, 0755));
    ASSERT_TRUE(testing::SetHostMode(Host('e', "Locked"), 0555));
    const auto before = Snapshot();
    CreateTabOptions options = Names({"A", "B"}, K::Relative, {"\\x"});
    options.destination = "e:\\Locked";
    EXPECT_TRUE(testing::AsUnprivilegedUser([&] {
        if (!Simulate(options)) return false;
        const Listing simulated = Categories();
        if (!Run(options)) return false;
        return Categories() == simulated &&
               Categories() == Listing{{G::FoldersOther, {"e:\\Locked\\A", "e:\\Locked\\B"}}};
    }));
    EXPECT_EQ(Snapshot(), before);
    testing::SetHostMode(Host('e', "Locked"), 0755);
}

}  // namespace
}  // namespace arbovane
