// The examples windows' results come from the tabs' own simulations over the samples.
#include <gtest/gtest.h>

#include "HostBackend.h"
#include "core/help/Examples.h"
#include "platform/memory/MemoryFileSystem.h"

namespace arbovane {
namespace {

using Lines = std::vector<std::string>;

struct ExampleCase {
    const char* name;
    ExampleWindow window;
    ExampleChoice choice;
    Lines results;
    Lines retained;
};

constexpr auto kRelative = TemplateKind::Relative;
constexpr auto kFullPath = TemplateKind::FullPath;
constexpr auto kNothing = TemplateKind::Nothing;

const std::vector<ExampleCase> kCases = {
    {"CopyRelative",
     ExampleWindow::Copy,
     {kRelative},
     {"f:\\Clients\\Company01\\Seo\\Seo1", "f:\\Clients\\Company01\\Seo\\Seo2",
      "f:\\Clients\\Company02\\Seo\\Seo1", "f:\\Clients\\Company02\\Seo\\Seo2"},
     {}},
    {"CopyMainFolders",
     ExampleWindow::Copy,
     {kFullPath, AttachMode::MainFolderWithoutFiles},
     {"f:\\Clients\\Company01\\Marketing\\E-mails", "f:\\Clients\\Company01\\Programs\\Beta",
      "f:\\Clients\\Company02\\Marketing\\E-mails", "f:\\Clients\\Company02\\Programs\\Beta"},
     {}},
    {"CopySubfoldersOnly",
     ExampleWindow::Copy,
     {kFullPath, AttachMode::SubFoldersOnlyWithoutFiles},
     {"f:\\Clients\\Company01\\E-mails", "f:\\Clients\\Company01\\Beta",
      "f:\\Clients\\Company02\\E-mails", "f:\\Clients\\Company02\\Beta"},
     {}},
    {"CopyMainFoldersWithFiles",
     ExampleWindow::Copy,
     {kFullPath, AttachMode::MainFolderWithFiles},
     {"f:\\Clients\\Company01\\Marketing\\E-mails\\Brochure.txt",
      "f:\\Clients\\Company01\\Programs\\Beta\\anchors.cpp",
      "f:\\Clients\\Company02\\Marketing\\E-mails\\Brochure.txt",
      "f:\\Clients\\Company02\\Programs\\Beta\\anchors.cpp"},
     {}},
    {"CopySubfoldersWithFiles",
     ExampleWindow::Copy,
     {kFullPath, AttachMode::SubFoldersOnlyWithFiles},
     {"f:\\Clients\\Company01\\E-mails\\Brochure.txt", "f:\\Clients\\Company01\\Beta\\anchors.cpp",
      "f:\\Clients\\Company02\\E-mails\\Brochure.txt", "f:\\Clients\\Company02\\Beta\\anchors.cpp"},
     {}},
    {"DeleteRetainMainFolders",
     ExampleWindow::Delete,
     {.deleteMode = DeleteTabMode::SubfoldersOnly},
     {"f:\\Clients\\Customer1\\Marketing", "f:\\Clients\\Customer1\\Marketing\\Emails",
      "f:\\Clients\\Customer1\\Marketing\\Emails\\License.doc",
      "f:\\Clients\\Customer1\\index.html", "f:\\Clients\\Customer2\\Programs",
      "f:\\Clients\\Customer2\\Programs\\Beta", "f:\\Clients\\Customer2\\Programs\\Beta\\Main.cpp",
      "f:\\Clients\\Customer2\\basic.swf"},
     {"f:\\Clients", "f:\\Clients\\Customer1", "f:\\Clients\\Customer2"}},
    {"DeleteRetainNothing",
     ExampleWindow::Delete,
     {.deleteMode = DeleteTabMode::Complete},
     {"f:\\Clients\\Customer1", "f:\\Clients\\Customer1\\Marketing",
      "f:\\Clients\\Customer1\\Marketing\\Emails",
      "f:\\Clients\\Customer1\\Marketing\\Emails\\License.doc",
      "f:\\Clients\\Customer1\\index.html", "f:\\Clients\\Customer2",
      "f:\\Clients\\Customer2\\Programs", "f:\\Clients\\Customer2\\Programs\\Beta",
      "f:\\Clients\\Customer2\\Programs\\Beta\\Main.cpp", "f:\\Clients\\Customer2\\basic.swf"},
     {"f:\\Clients"}},
    {"DeleteFilesFromMainFolders",
     ExampleWindow::Delete,
     {.deleteMode = DeleteTabMode::FilesInMainFolder},
     {"f:\\Clients\\Customer1\\index.html", "f:\\Clients\\Customer2\\basic.swf"},
     {"f:\\Clients", "f:\\Clients\\Customer1", "f:\\Clients\\Customer1\\Marketing",
      "f:\\Clients\\Customer1\\Marketing\\Emails",
      "f:\\Clients\\Customer1\\Marketing\\Emails\\License.doc", "f:\\Clients\\Customer2",
      "f:\\Clients\\Customer2\\Programs", "f:\\Clients\\Customer2\\Programs\\Beta",
      "f:\\Clients\\Customer2\\Programs\\Beta\\Main.cpp"}},
    {"DeleteFilesEverywhere",
     ExampleWindow::Delete,
     {.deleteMode = DeleteTabMode::FilesInTree},
     {"f:\\Clients\\Customer1\\index.html",
      "f:\\Clients\\Customer1\\Marketing\\Emails\\License.doc", "f:\\Clients\\Customer2\\basic.swf",
      "f:\\Clients\\Customer2\\Programs\\Beta\\Main.cpp"},
     {"f:\\Clients", "f:\\Clients\\Customer1", "f:\\Clients\\Customer1\\Marketing",
      "f:\\Clients\\Customer1\\Marketing\\Emails", "f:\\Clients\\Customer2",
      "f:\\Clients\\Customer2\\Programs", "f:\\Clients\\Customer2\\Programs\\Beta"}},
    {"RenamePrefixSuffix",
     ExampleWindow::Rename,
     {.renameMethod = RenameMethod::AddPrefixSuffix},
     {"f:\\Clients\\Customer1\\2014-Emails_July", "f:\\Clients\\Customer2\\2014-SEO_July"},
     {}},
    {"RenameLastSubfolder",
     ExampleWindow::Rename,
     {.renameMethod = RenameMethod::ReplaceLastName},
     {"f:\\Clients\\Customer1\\Company", "f:\\Clients\\Customer2\\Company"},
     {}},
    {"StringsRelative",
     ExampleWindow::Strings,
     {kRelative},
     {"f:\\Clients\\2014-Customer1-July\\Seo\\Seo1", "f:\\Clients\\2014-Customer1-July\\Seo\\Seo2",
      "f:\\Clients\\2014-Customer2-July\\Seo\\Seo1", "f:\\Clients\\2014-Customer2-July\\Seo\\Seo2"},
     {}},
    {"StringsMainFolders",
     ExampleWindow::Strings,
     {kFullPath, AttachMode::MainFolderWithoutFiles},
     {"f:\\Clients\\2014-Customer1-July\\Marketing\\Emails",
      "f:\\Clients\\2014-Customer1-July\\Programs\\Beta",
      "f:\\Clients\\2014-Customer2-July\\Marketing\\Emails",
      "f:\\Clients\\2014-Customer2-July\\Programs\\Beta"},
     {}},
    {"StringsSubfoldersOnly",
     ExampleWindow::Strings,
     {kFullPath, AttachMode::SubFoldersOnlyWithoutFiles},
     {"f:\\Clients\\2014-Customer1-July\\Emails", "f:\\Clients\\2014-Customer1-July\\Beta",
      "f:\\Clients\\2014-Customer2-July\\Emails", "f:\\Clients\\2014-Customer2-July\\Beta"},
     {}},
    {"StringsMainFoldersWithFiles",
     ExampleWindow::Strings,
     {kFullPath, AttachMode::MainFolderWithFiles},
     {"f:\\Clients\\2014-Customer1-July\\Marketing\\Emails\\Brochure.txt",
      "f:\\Clients\\2014-Customer1-July\\Programs\\Beta\\anchors.cpp",
      "f:\\Clients\\2014-Customer2-July\\Marketing\\Emails\\Brochure.txt",
      "f:\\Clients\\2014-Customer2-July\\Programs\\Beta\\anchors.cpp"},
     {}},
    {"StringsNothing",
     ExampleWindow::Strings,
     {kNothing},
     {"f:\\Clients\\2014-Customer1-July", "f:\\Clients\\2014-Customer2-July"},
     {}},
    {"FolderListRelative",
     ExampleWindow::FolderList,
     {kRelative},
     {"f:\\Clients\\2014-Company01-July\\Seo\\Seo1", "f:\\Clients\\2014-Company01-July\\Seo\\Seo2",
      "f:\\Clients\\2014-Company02-July\\Seo\\Seo1", "f:\\Clients\\2014-Company02-July\\Seo\\Seo2"},
     {}},
    {"FolderListSubfoldersWithFiles",
     ExampleWindow::FolderList,
     {kFullPath, AttachMode::SubFoldersOnlyWithFiles},
     {"f:\\Clients\\2014-Company01-July\\E-mails\\Brochure.txt",
      "f:\\Clients\\2014-Company01-July\\Beta\\anchors.cpp",
      "f:\\Clients\\2014-Company02-July\\E-mails\\Brochure.txt",
      "f:\\Clients\\2014-Company02-July\\Beta\\anchors.cpp"},
     {}},
    {"NumbersRelative",
     ExampleWindow::Numbers,
     {kRelative},
     {"f:\\Clients\\Customer-1-2014\\Seo\\Seo1", "f:\\Clients\\Customer-1-2014\\Seo\\Seo2",
      "f:\\Clients\\Customer-2-2014\\Seo\\Seo1", "f:\\Clients\\Customer-2-2014\\Seo\\Seo2"},
     {}},
    {"NumbersNothing",
     ExampleWindow::Numbers,
     {kNothing},
     {"f:\\Clients\\Customer-1-2014", "f:\\Clients\\Customer-2-2014"},
     {}},
};

TEST(Examples, ResultsAreWhatTheTabsSimulationsReport) {
    HostText text;
    for (const auto& test : kCases) {
        SCOPED_TRACE(test.name);
        MemoryFileSystem fs(text);
        fs.AddDrive('E');
        fs.AddDrive('F');
        ExampleResult result;
        ASSERT_TRUE(RunExample(fs, text, test.window, test.choice, result));
        EXPECT_EQ(result.results, test.results);
        EXPECT_EQ(result.retained, test.retained);
        // A simulation: nothing was made, renamed or deleted.
        const bool deletes = test.window == ExampleWindow::Delete;
        for (const auto& path : result.results) {
            FsError why = FsError::None;
            EXPECT_EQ(fs.Exists(path, why), deletes) << path;
        }
    }
}

// A sample that cannot be made (no drive e:) is reported, not shown as an empty result.
TEST(Examples, SampleThatCannotBeMadeIsReported) {
    HostText text;
    MemoryFileSystem fs(text);
    fs.AddDrive('F');
    ExampleResult result;
    EXPECT_FALSE(RunExample(fs, text, ExampleWindow::Copy, {kFullPath}, result));
}

}  // namespace
}  // namespace arbovane
