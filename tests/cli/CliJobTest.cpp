#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "cli/CliArguments.h"
#include "cli/CliRun.h"
#include "core/jobs/JobCheck.h"
#include "core/jobs/JobFile.h"
#include "core/jobs/ProgramVersion.h"
#include "support/TempDrives.h"
#include "support/TreeSnapshot.h"

namespace arbovane {
namespace {

using testing::TempDrives;
using Args = std::vector<std::string>;

class CliJobTest : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    // The same tree afresh.
    void Reset() {
        for (const auto& entry : std::filesystem::directory_iterator(host_))
            std::filesystem::remove_all(entry.path());
        for (const char* folder : {"Clients/Acme", "Clients/Bolt", "New", "T/Docs/In"})
            TempDrives::MakeHostFolder(host_ + "/" + folder);
        TempDrives::WriteHostFile(host_ + "/Clients/Acme/old.tmp", "x");
        TempDrives::WriteHostFile(host_ + "/T/Docs/readme.txt", "x");
    }
    struct Result {
        int status;
        std::string out, err;
    };
    Result Run(const Args& args) {
        std::ostringstream out, err;
        CliPorts ports{drives_.Fs(), drives_.TextPort(), out, err, false, nullptr};
        const int status = RunCli(args, ports);
        return {status, out.str(), err.str()};
    }
    void WriteJob(const std::string& text) {
        TempDrives::WriteHostFile(host_ + "/job.txt",
                                  std::string("version=") + ProgramVersion() + "\n" + text);
    }

    TempDrives drives_;
    std::string host_ = drives_.Map('D');
};

// A job runs as the command line of its tab with the same inputs: the same counters and
// categories, the same tree afterwards.
TEST_F(CliJobTest, AJobRunsAsTheCommandOfItsTab) {
    const struct {
        const char* job;
        Args command;
    } cases[] = {
        {"tab=copy\nkind=relative\noption=whole\ntemplate=\\Plans\\2026\ninclude=d:"
         "\\Clients\\Acme\n"
         "include=d:\\Clients\\Bolt\nexclude=d:\\Clients\\Cato\n",
         {"copy", "--line", "d:\\Clients\\Acme", "--line", "d:\\Clients\\Bolt", "--template",
          "\\Plans\\2026"}},
        {"tab=create-numbers\ndestination=d:\\New\nstart=2\nend=3\npad=no\nprefix=Job\nsuffix=\n"
         "hyphen=yes\nkind=full\nattach=sub-with-files\ntemplate=d:\\T\\Docs\n",
         {"create-numbers", "--destination", "d:\\New", "--start", "2", "--end", "3", "--prefix",
          "Job", "--hyphen", "--kind", "full", "--attach", "sub-with-files", "--template",
          "d:\\T\\Docs"}},
        {"tab=delete\nmode=files-in-tree\nfiles=*.tmp\ninclude=d:\\Clients\\Acme\n",
         {"delete", "--mode", "files-in-tree", "--pattern", "*.tmp", "--line", "d:\\Clients\\Acme",
          "--yes"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command.front());
        Reset();
        Args command = c.command;
        command.insert(command.end(), {"--log", "d:\\log.csv"});
        const Result byCommand = Run(command);
        EXPECT_EQ(byCommand.status, 0) << byCommand.err;
        const std::string rows = TempDrives::ReadHostFile(host_ + "/log.csv");
        const auto after = testing::TreeSnapshot(host_);

        Reset();
        WriteJob(c.job);
        const Result byJob = Run({"run", "d:\\job.txt", "--yes", "--log", "d:\\log.csv"});
        EXPECT_EQ(byJob.status, 0) << byJob.err;
        EXPECT_EQ(byJob.out, byCommand.out);
        EXPECT_EQ(TempDrives::ReadHostFile(host_ + "/log.csv"), rows);
        std::filesystem::remove(host_ + "/job.txt");
        EXPECT_EQ(testing::TreeSnapshot(host_), after);
    }
}

TEST_F(CliJobTest, AJobThatCannotRunChangesNothing) {
    const struct {
        const char* job;  // nullptr: no job file at all
        Args extra;
        std::string error;
    } cases[] = {
        {nullptr, {}, "arbovane-cli: the job file \"d:\\job.txt\" cannot be read\n"},
        {"tab=copy\ninclude d:\\Clients\\Acme\n",
         {},
         "arbovane-cli: the job file \"d:\\job.txt\" is damaged, and nothing runs: line 3: "
         "\"include d:\\Clients\\Acme\" is no key=value line\n"},
        {"tab=rename\nsuffix=?\ninclude=d:\\Clients\\Acme\n",
         {"--yes"},
         "arbovane-cli: the job file \"d:\\job.txt\" holds what its tab would not take, and "
         "nothing runs: the suffix \"?\" holds characters a folder name cannot hold: ?\n"},
        {"tab=delete\nmode=complete\ninclude=d:\\Clients\\Acme\n",
         {"--yes", "--journal", "d:\\j"},
         "arbovane-cli: --journal is not used by a delete job: a deletion cannot be undone\n"},
        {"tab=delete\nmode=complete\ninclude=d:\\Clients\\Acme\n",
         {},
         "arbovane-cli: delete changes the disk: add --yes to run it, or --simulate to see what "
         "it would do\n"},
        {"tab=create-names\ndestination=d:\\Nowhere\ninclude=A\nkind=nothing\n",
         {},
         "arbovane-cli: --destination \"d:\\Nowhere\" is not an existing folder\n"},
    };
    for (const auto& c : cases) {
        if (c.job) WriteJob(c.job);
        const auto before = testing::TreeSnapshot(host_);
        Args args{"run", "d:\\job.txt"};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const Result result = Run(args);
        EXPECT_EQ(result.status, 2) << c.error;
        EXPECT_EQ(result.err, c.error);
        EXPECT_EQ(testing::TreeSnapshot(host_), before) << c.error;
    }
    // A newer version's file is refused whatever else it holds.
    TempDrives::WriteHostFile(host_ + "/job.txt", "version=999.0\ntab=copy\ncolour=green\n");
    const Result newer = Run({"run", "d:\\job.txt"});
    EXPECT_EQ(newer.status, 2);
    EXPECT_EQ(newer.err,
              std::string("arbovane-cli: the job file \"d:\\job.txt\" was saved by "
                          "version 999.0 of the program, which is newer than this one (") +
                  ProgramVersion() + "); nothing runs\n");
}

TEST(CliJobArgumentsTest, RunTakesOneJobFileAndTheRunOptions) {
    const struct {
        Args args;
        std::string error;
    } cases[] = {
        {{"run", "a.job", "--simulate", "--log", "x.csv", "--quiet"}, ""},
        {{"run", "a.job", "b.job"}, "run takes one job file, not also \"b.job\""},
        {{"run", "a.job", "--prefix", "x"},
         "option --prefix is not used by run (see 'arbovane-cli run --help')"},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseCliArguments(c.args).error, c.error);
    EXPECT_EQ(ParseCliArguments({"run", "--yes", "a.job"}).options.jobFile, "a.job");
    EXPECT_EQ(CliUsage(CliCommand::Run).rfind("Usage: arbovane-cli run JOBFILE [OPTIONS]\n", 0),
              0u);
}

std::string ReadDocument(const char* name) {
    std::ifstream in(std::filesystem::path(ARBOVANE_SOURCE_DIR) / "docs" / name);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The example jobs of the man page and of the user guide are jobs this version opens, one of each
// tab in each.
TEST(CliJobDocumentsTest, ExampleJobsOpen) {
    std::string page = ReadDocument("arbovane-cli.1");
    page = page.substr(page.find("One job of each tab:"));
    page = page.substr(page.find(".nf\n") + 4);
    page = page.substr(0, page.find(".fi\n"));
    for (std::size_t at = 0; (at = page.find("\\e", at)) != std::string::npos; ++at)
        page.replace(at, 2, "\\");
    std::vector<std::string> manJobs;
    for (std::size_t start = 0; start < page.size();) {
        const std::size_t end = std::min(page.find("\n\n", start), page.size());
        manJobs.push_back(page.substr(start, end - start + 1));
        start = end + 2;
    }
    const std::string guide = ReadDocument("userguide.html");
    std::vector<std::string> guideJobs;
    for (std::size_t at = 0; (at = guide.find("<pre># Arbovane job:", at)) != std::string::npos;) {
        at += 5;
        guideJobs.push_back(guide.substr(at, guide.find("</pre>", at) - at) + "\n");
    }
    for (const auto& jobs : {manJobs, guideJobs}) {
        std::set<JobTab> tabs;
        for (const std::string& job : jobs) {
            const JobParse parse = ParseJobText(job);
            EXPECT_EQ(parse.outcome, JobParse::Outcome::Opened) << parse.error << "\n" << job;
            EXPECT_EQ(JobContentRefusal(parse.job), "") << job;
            tabs.insert(parse.job.tab);
        }
        EXPECT_EQ(tabs.size(), 6u);
    }
}

}  // namespace
}  // namespace arbovane
