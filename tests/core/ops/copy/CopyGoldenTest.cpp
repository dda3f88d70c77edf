#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "CopyFixture.h"
#include "core/undo/FolderFileUndoRun.h"

namespace arbovane {
namespace {

using testing::CopyFixture;
using testing::FullPath;
using testing::Lines;
using testing::Listing;
using testing::Relative;
using C = Vol08Category;

// The template every case copies unless it says otherwise.
const Lines kTemplate = {"T/f.txt", "T/A/g.txt", "T/A/B/h.doc", "T/C/"};

struct GoldenCase {
    const char* name;
    Lines before;  // besides kTemplate, on D: and E:
    CopyTabOptions options;
    Listing expected;
    Lines added;  // host entries the run adds, "d/..." or "e/..."
};

class CopyGoldenTest : public CopyFixture, public ::testing::WithParamInterface<GoldenCase> {
protected:
    void Arrange(const Lines& before) {
        Make('d', kTemplate);
        for (const std::string& entry : before) {
            const auto arrow = entry.find(" -> ");
            const char drive = entry[0];
            const std::string relative =
                entry.substr(2, arrow == std::string::npos ? std::string::npos : arrow - 2);
            if (arrow == std::string::npos) {
                Make(drive, {relative});
            } else {
                std::filesystem::create_symlink(Host('d', entry.substr(arrow + 4)),
                                                Host(drive, relative));
            }
        }
    }
    // Both drives, keyed "d/..." and "e/...".
    std::map<std::string, std::string> Contents() const {
        std::map<std::string, std::string> all;
        for (const auto& [path, what] : Snapshot('d')) all["d" + path] = what;
        for (const auto& [path, what] : Snapshot('e')) all["e" + path] = what;
        return all;
    }
};

const GoldenCase kCases[] = {
    {"main folder without files",
     {"e/X/"},
     FullPath({"e:\\X"}, {"d:\\T"}, AttachMode::MainFolderWithoutFiles),
     {{C::FoldersCopied, {"e:\\X"}},
      {C::SubFoldersCopied, {"e:\\X\\T", "e:\\X\\T\\A", "e:\\X\\T\\C", "e:\\X\\T\\A\\B"}}},
     {"e/X/T", "e/X/T/A", "e/X/T/C", "e/X/T/A/B"}},
    {"main folder with files",
     {"e/X/"},
     FullPath({"e:\\X"}, {"d:\\T"}, AttachMode::MainFolderWithFiles),
     {{C::FoldersCopied, {"e:\\X"}},
      {C::SubFoldersCopied, {"e:\\X\\T", "e:\\X\\T\\A", "e:\\X\\T\\C", "e:\\X\\T\\A\\B"}},
      {C::FilesCopied, {"e:\\X\\T\\f.txt", "e:\\X\\T\\A\\g.txt", "e:\\X\\T\\A\\B\\h.doc"}}},
     {"e/X/T", "e/X/T/A", "e/X/T/C", "e/X/T/A/B", "e/X/T/f.txt", "e/X/T/A/g.txt",
      "e/X/T/A/B/h.doc"}},
    {"subfolders only with files, one subfolder there already",
     {"e/X/A/"},
     FullPath({"e:\\X"}, {"d:\\T"}, AttachMode::SubFoldersOnlyWithFiles),
     {{C::FoldersCopied, {"e:\\X"}},
      {C::SubFoldersCopied, {"e:\\X\\C", "e:\\X\\A\\B"}},
      {C::SubFoldersExists, {"e:\\X\\A"}},
      {C::FilesCopied, {"e:\\X\\f.txt", "e:\\X\\A\\g.txt", "e:\\X\\A\\B\\h.doc"}}},
     {"e/X/C", "e/X/A/B", "e/X/f.txt", "e/X/A/g.txt", "e/X/A/B/h.doc"}},
    {"subfolders only, all there: not a target folder",
     {"e/X/A/B/", "e/X/C/"},
     FullPath({"e:\\X"}, {"d:\\T"}, AttachMode::SubFoldersOnlyWithoutFiles),
     {{C::SubFoldersExists, {"e:\\X\\A", "e:\\X\\C", "e:\\X\\A\\B"}}},
     {}},
    {"a file matching two patterns is copied once, then exists",
     {"e/X/"},
     FullPath({"e:\\X"}, {"d:\\T"}, AttachMode::MainFolderWithFiles, {"*.txt", "F*"}),
     {{C::FoldersCopied, {"e:\\X"}},
      {C::SubFoldersCopied, {"e:\\X\\T", "e:\\X\\T\\A", "e:\\X\\T\\C", "e:\\X\\T\\A\\B"}},
      {C::FilesCopied, {"e:\\X\\T\\f.txt", "e:\\X\\T\\A\\g.txt"}},
      {C::FilesExists, {"e:\\X\\T\\f.txt"}}},
     {"e/X/T", "e/X/T/A", "e/X/T/C", "e/X/T/A/B", "e/X/T/f.txt", "e/X/T/A/g.txt"}},
    {"existing files are never overwritten",
     {"e/X/T/f.txt"},
     FullPath({"e:\\X"}, {"d:\\T"}, AttachMode::MainFolderWithFiles, {"*.txt"}),
     {{C::FoldersCopied, {"e:\\X"}},
      {C::SubFoldersCopied, {"e:\\X\\T\\A", "e:\\X\\T\\C", "e:\\X\\T\\A\\B"}},
      {C::SubFoldersExists, {"e:\\X\\T"}},
      {C::FilesCopied, {"e:\\X\\T\\A\\g.txt"}},
      {C::FilesExists, {"e:\\X\\T\\f.txt"}}},
     {"e/X/T/A", "e/X/T/C", "e/X/T/A/B", "e/X/T/A/g.txt"}},
    {"links in a template are listed, never followed",
     {"e/X/", "d/Outside/secret.txt", "d/T/L -> Outside", "d/T/lf -> Outside/secret.txt"},
     FullPath({"e:\\X"}, {"d:\\T"}, AttachMode::MainFolderWithFiles),
     {{C::FoldersCopied, {"e:\\X"}},
      {C::SubFoldersCopied, {"e:\\X\\T", "e:\\X\\T\\A", "e:\\X\\T\\C", "e:\\X\\T\\A\\B"}},
      {C::SubFoldersOtherReasons, {"e:\\X\\T\\lf", "e:\\X\\T\\L"}},
      {C::FilesCopied, {"e:\\X\\T\\f.txt", "e:\\X\\T\\A\\g.txt", "e:\\X\\T\\A\\B\\h.doc"}}},
     {"e/X/T", "e/X/T/A", "e/X/T/C", "e/X/T/A/B", "e/X/T/f.txt", "e/X/T/A/g.txt",
      "e/X/T/A/B/h.doc"}},
    {"include folders inside the template get the template as it was",
     {},
     FullPath({"d:\\T\\C", "d:\\T\\A"}, {"d:\\T"}, AttachMode::MainFolderWithoutFiles),
     {{C::FoldersCopied, {"d:\\T\\A", "d:\\T\\C"}},
      {C::SubFoldersCopied,
       {"d:\\T\\A\\T", "d:\\T\\A\\T\\A", "d:\\T\\A\\T\\C", "d:\\T\\A\\T\\A\\B", "d:\\T\\C\\T",
        "d:\\T\\C\\T\\A", "d:\\T\\C\\T\\C", "d:\\T\\C\\T\\A\\B"}}},
     {"d/T/A/T", "d/T/A/T/A", "d/T/A/T/C", "d/T/A/T/A/B", "d/T/C/T", "d/T/C/T/A", "d/T/C/T/C",
      "d/T/C/T/A/B"}},
    {"relative lines without their first folder",
     {"e/W/"},
     Relative({"e:\\W"}, {"\\P\\Q", "\\P"}, TemplateOption::ReplaceFirst),
     {{C::FoldersCopied, {"e:\\W"}},
      {C::SubFoldersCopied, {"e:\\W\\Q"}},
      {C::SubFoldersOtherReasons, {"\\P"}}},
     {"e/W/Q"}},
    {"relative lines whole, parents made on the way",
     {"e/W/"},
     Relative({"e:\\W"}, {"\\P\\Q", "\\P"}, TemplateOption::ReplaceNo),
     {{C::FoldersCopied, {"e:\\W"}},
      {C::SubFoldersCopied, {"e:\\W\\P", "e:\\W\\P\\Q"}},
      {C::SubFoldersExists, {"e:\\W\\P"}}},
     {"e/W/P", "e/W/P/Q"}},
    {"relative lines with the first folder replaced everywhere",
     {"e/Acme/"},
     Relative({"e:\\Acme"}, {"\\Proj\\Proj Docs\\Old-proj", "\\Proj\\..\\x"},
              TemplateOption::ReplaceAll),
     {{C::FoldersCopied, {"e:\\Acme"}},
      {C::SubFoldersCopied, {"e:\\Acme\\Acme Docs", "e:\\Acme\\Acme Docs\\Old-Acme"}},
      {C::SubFoldersOtherReasons, {"\\Proj\\..\\x"}}},
     {"e/Acme/Acme Docs", "e/Acme/Acme Docs/Old-Acme"}},
    {"include lines sorted, once each; missing ones listed",
     {"e/a/", "e/b/"},
     Relative({"e:\\b", "e:\\a", "e:\\b", "e:\\nope", "nodrive", "  "}, {"\\P"},
              TemplateOption::ReplaceNo),
     {{C::FoldersCopied, {"e:\\a", "e:\\b"}},
      {C::SubFoldersCopied, {"e:\\a\\P", "e:\\b\\P"}},
      {C::FoldersNotExists, {"e:\\nope", "nodrive"}}},
     {"e/a/P", "e/b/P"}},
};

// Each case three ways: the simulation changes nothing and predicts the run's outcomes, the run
// adds exactly the expected entries and changes nothing that was there, and Undo restores the
// drives as they were.
TEST_P(CopyGoldenTest, SimulationRunUndo) {
    const GoldenCase& c = GetParam();
    Arrange(c.before);
    const auto before = Contents();

    fs_.ForbidMutations();
    ASSERT_TRUE(Simulate(c.options));
    fs_.ForbidMutations(false);
    EXPECT_EQ(fs_.MutationCount(), 0);
    EXPECT_EQ(Contents(), before);
    EXPECT_EQ(Categories(), c.expected) << "simulation";
    EXPECT_TRUE(journal_.CreatedStructureFolders.empty());

    ASSERT_TRUE(Run(c.options));
    EXPECT_EQ(Categories(), c.expected) << "run";
    const auto after = Contents();
    std::set<std::string> expectedPaths(c.added.begin(), c.added.end());
    for (const auto& [path, what] : before) {
        expectedPaths.insert(path);
        EXPECT_EQ(after.count(path) ? after.at(path) : "gone", what) << path;
    }
    std::set<std::string> paths;
    for (const auto& [path, what] : after) paths.insert(path);
    EXPECT_EQ(paths, expectedPaths);

    if (journal_.CreatedStructureFolders.empty()) return;
    messenger_.Clear();
    messenger_.Answer(kAnswerYes);
    RunFolderFileUndo(UndoTab::Copy, journal_, log_, fs_, drives_.TextPort(), messenger_);
    EXPECT_EQ(Contents(), before) << "after undo";
}

INSTANTIATE_TEST_SUITE_P(Cases, CopyGoldenTest, ::testing::ValuesIn(kCases), [](const auto& info) {
    std::string name;
    for (const char* p = info.param.name; *p; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
});

}  // namespace
}  // namespace arbovane
