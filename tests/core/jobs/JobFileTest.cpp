#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/jobs/JobCheck.h"
#include "core/jobs/JobFile.h"
#include "core/jobs/ProgramVersion.h"

namespace arbovane {
namespace {

using Lines = std::vector<std::string>;

// One job of each tab, with values that are not the tab's defaults.
std::vector<TabJob> SampleJobs() {
    TabJob copy;
    copy.tab = JobTab::Copy;
    copy.kind = TemplateKind::FullPath;
    copy.mode = AttachMode::SubFoldersOnlyWithFiles;
    copy.files = "*.doc \"my report.odt\"";
    copy.templates = {"d:\\Templates\\Customer"};
    copy.include = {"d:\\Clients\\Acme", "d:\\Clients\\Bolt "};
    copy.exclude = {"d:\\Clients\\Old"};

    TabJob remove;
    remove.tab = JobTab::Delete;
    remove.deleteMode = DeleteTabMode::Complete;
    remove.readOnlyFolders = true;
    remove.include = {"d:\\Clients\\Acme\\Tmp"};

    TabJob files = remove;
    files.deleteMode = DeleteTabMode::FilesInTree;
    files.readOnlyFolders = false;
    files.files = "*.tmp";

    TabJob rename;
    rename.tab = JobTab::Rename;
    rename.prefix = "2025";
    rename.firstDelimiter = " - ";
    rename.include = {"d:\\Clients\\Acme"};
    TabJob replace = rename;
    replace.prefix.clear();
    replace.firstDelimiter.clear();
    replace.method = RenameMethod::ReplaceLastName;
    replace.newName = "Archive";

    TabJob names;
    names.tab = JobTab::CreateNames;
    names.destination = "d:\\2026";
    names.prefix = "Client ";
    names.hyphen = true;
    names.option = TemplateOption::ReplaceAll;
    names.templates = {"\\Project\\Plans", "\\Project\\Docs"};
    names.include = {"Acme", "Bolt\\Sub"};
    names.exclude = {"Cato"};

    TabJob paths;
    paths.tab = JobTab::CreatePaths;
    paths.kind = TemplateKind::Nothing;
    paths.suffix = "_old";
    paths.include = {"d:\\New\\x"};

    TabJob numbers;
    numbers.tab = JobTab::CreateNumbers;
    numbers.destination = "d:\\Jobs";
    numbers.start = "7";
    numbers.end = "12";
    numbers.padded = true;
    numbers.numbersInLevels = true;
    numbers.prefix = "Job";
    numbers.templates = {"\\a"};
    return {copy, remove, files, rename, replace, names, paths, numbers};
}

TEST(JobFileTest, SavedOpenedAndSavedAgainIsTheSameFile) {
    for (TabJob job : SampleJobs()) {
        SCOPED_TRACE(JobTabName(job.tab));
        std::string text, error;
        ASSERT_TRUE(JobText(job, text, error)) << error;
        const JobParse parse = ParseJobText(text);
        ASSERT_EQ(parse.outcome, JobParse::Outcome::Opened) << parse.error << "\n" << text;
        job.version = ProgramVersion();
        EXPECT_EQ(parse.job, job) << text;
        std::string again;
        ASSERT_TRUE(JobText(parse.job, again, error));
        EXPECT_EQ(again, text);
    }
}

TEST(JobFileTest, ACopyJobReadsAsTheTabShowsIt) {
    std::string text, error;
    ASSERT_TRUE(JobText(SampleJobs().front(), text, error));
    EXPECT_EQ(text, std::string("# Arbovane job: Copy Folder Structures\n"
                                "version=") +
                        ProgramVersion() +
                        "\n"
                        "tab=copy\n"
                        "kind=full\n"
                        "attach=sub-with-files\n"
                        "files=*.doc \"my report.odt\"\n"
                        "template=d:\\Templates\\Customer\n"
                        "include=d:\\Clients\\Acme\n"
                        "include=d:\\Clients\\Bolt \n"
                        "exclude=d:\\Clients\\Old\n");
}

TEST(JobFileTest, WindowsLineEndsCommentsAndDefaults) {
    const JobParse parse = ParseJobText(
        "\xEF\xBB\xBF# hand-written\r\nversion=1.0\r\n\r\ntab=copy\r\nkind=full\r\n"
        "include=d:\\a=b\r\n");
    ASSERT_EQ(parse.outcome, JobParse::Outcome::Opened) << parse.error;
    EXPECT_EQ(parse.job.version, "1.0");
    EXPECT_EQ(parse.job.include, (Lines{"d:\\a=b"}));
    // A full-path kind without a mode takes the tab's first one; a rename, the tab's method.
    EXPECT_EQ(parse.job.mode, AttachMode::MainFolderWithoutFiles);
    const JobParse files = ParseJobText("version=8\ntab=delete\nmode=files-in-main-folder\n");
    ASSERT_EQ(files.outcome, JobParse::Outcome::Opened) << files.error;
    EXPECT_EQ(files.job.files, "*.*");
}

TEST(JobFileTest, DamagedFilesNameWhatIsWrong) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"tab=copy\n", "the job file names no version of the program (a version= line)"},
        {"version=8.x\ntab=copy\n", "line 1: \"8.x\" is no version number"},
        {"version=8\n", "the job file names no tab (a tab= line)"},
        {"version=8\ntab=move\n",
         "line 2: tab must be copy, delete, rename, create-names, create-paths or create-numbers, "
         "not \"move\""},
        {"version=8\ntab=copy\ninclude d:\\a\n", "line 3: \"include d:\\a\" is no key=value line"},
        {"version=8\ntab=copy\nIncludes=d:\\a\n", "line 3: unknown key \"Includes\""},
        {"version=8\ntab=copy\nkind=full\nkind=full\n", "line 4: kind is given twice"},
        {"version=8\ntab=rename\ntemplate=\\a\n", "line 3: a rename job takes no template"},
        {"version=8\ntab=copy\nkind=nothing\n",
         "line 3: kind must be full or relative, not "
         "\"nothing\""},
        {"version=8\ntab=create-paths\nhyphen=true\n",
         "line 3: hyphen must be yes or no, not "
         "\"true\""},
        {"version=8\ntab=copy\nattach=main-with-files\n",
         "line 3: attach is not used by this job: it goes with kind=full"},
        {"version=8\ntab=copy\nkind=full\nfiles=*.doc\n",
         "line 4: files is not used by this job: the file selection goes with kind=full and an "
         "attach mode with files"},
        {"version=8\ntab=delete\nmode=complete\nfiles=*.doc\n",
         "line 4: files is not used by this job: the file selection goes with mode=files-in-tree "
         "or mode=files-in-main-folder"},
        {"version=8\ntab=create-names\nkind=nothing\ntemplate=\\a\n",
         "line 4: template is not used by this job: kind=nothing attaches no templates"},
        {"version=8\ntab=rename\nprefix=x\nnew-name=y\n",
         "line 3: prefix is not used by this job: new-name replaces the whole name"},
        {"version=8\ntab=copy\ninclude=d:\\a\0b\n", "line 3 holds a NUL byte"},
    };
    for (const auto& c : cases) {
        const std::string text(c.text,
                               std::char_traits<char>::length(c.text) +
                                   (std::string(c.error).find("NUL") != std::string::npos ? 4 : 0));
        const JobParse parse = ParseJobText(text);
        EXPECT_EQ(parse.outcome, JobParse::Outcome::Damaged) << c.text;
        EXPECT_EQ(parse.error, c.error) << c.text;
    }
}

TEST(JobFileTest, ANewerVersionIsRefusedBeforeItsKeysAreRead) {
    const JobParse newer = ParseJobText("version=999.1\ntab=teleport\nwormhole=yes\n");
    EXPECT_EQ(newer.outcome, JobParse::Outcome::Newer);
    EXPECT_EQ(newer.job.version, "999.1");
    EXPECT_EQ(ParseJobText(std::string("tab=copy\nversion=") + ProgramVersion() + "\n").outcome,
              JobParse::Outcome::Opened);
}

TEST(JobFileTest, VersionsCompareAsNumbers) {
    const struct {
        const char *a, *b;
        int order;
    } cases[] = {{"8.3", "8.20", -1}, {"8.20", "8.20.0", 0}, {"9", "8.99", 1}, {"10.0", "9.9", 1}};
    for (const auto& c : cases) EXPECT_EQ(CompareVersions(c.a, c.b), c.order) << c.a << " " << c.b;
    for (const char* bad : {"", "8.", ".8", "8..1", "v8", "1234567890"})
        EXPECT_FALSE(IsVersionNumber(bad)) << bad;
}

TEST(JobFileTest, AValueWithALineBreakCannotBeSaved) {
    TabJob job;
    job.tab = JobTab::Rename;
    job.suffix = "a\nb";
    std::string text, error;
    EXPECT_FALSE(JobText(job, text, error));
    EXPECT_EQ(error, "the suffix \"a\nb\" holds a line break");
}

TEST(JobFileTest, WhatTheTabWouldNotTake) {
    const auto with = [](JobTab tab, auto change) {
        TabJob job;
        job.tab = tab;
        change(job);
        return JobContentRefusal(job);
    };
    EXPECT_EQ(with(JobTab::Copy,
                   [](TabJob& j) {
                       j.include = {"d:\\Acme", "Bolt"};
                   }),
              "the include lines are not valid:\nYou can only enter full paths with drive "
              "letters.\nError Type: There are no drive letters in paths (1 )\nBolt\n\n\n");
    EXPECT_EQ(with(JobTab::CreateNames,
                   [](TabJob& j) {
                       j.exclude = {"Acme", "d:\\x"};
                   }),
              "the exclude name \"d:\\x\" is no folder name or relative path");
    EXPECT_EQ(with(JobTab::Rename, [](TabJob& j) { j.secondDelimiter = "a/b"; }),
              "the second-delimiter \"a/b\" holds characters a folder name cannot hold: /");
    EXPECT_EQ(with(JobTab::CreateNumbers,
                   [](TabJob& j) {
                       j.start = "0";
                       j.end = "+3";
                   }),
              "the start \"0\" is no whole number from 1 to 2147483647\nthe end \"+3\" is no "
              "whole number from 1 to 2147483647");
    EXPECT_EQ(with(JobTab::Delete,
                   [](TabJob& j) {
                       j.deleteMode = DeleteTabMode::FilesInTree;
                       j.files = "\"*.doc";
                   }),
              "the file selection: Odd number of marks(separators) : 1\n\nAction : You must "
              "enter an even number of separators(marks).");
    EXPECT_EQ(with(JobTab::Copy,
                   [](TabJob& j) {
                       j.kind = TemplateKind::Relative;
                       j.templates = {"d:\\x"};
                   })
                  .substr(0, 30),
              "the templates are not valid:\nY");
    for (const TabJob& job : SampleJobs())
        EXPECT_EQ(JobContentRefusal(job), "") << JobTabName(job.tab);
}

}  // namespace
}  // namespace arbovane
