#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <filesystem>
#include <functional>

#include "cli/CliRun.h"
#include "core/visuallog/VisualLog.h"
#include "gui/lists/FolderListPane.h"
#include "support/CliProcess.h"
#include "support/MainWindowFixture.h"

namespace arbovane {
namespace {

using testing::RunCliProcess;
using testing::TempDrives;
using testing::ZPath;
using Args = std::vector<std::string>;

class CliParityTest : public MainWindowFixture {
public:
    // The scenarios drive the windows from outside the fixture.
    using MainWindowFixture::Click;
    using MainWindowFixture::Find;
    using MainWindowFixture::shell_;

protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        Start();
    }
    void MakeTree() {
        std::filesystem::remove_all(host_ + "/Clients");
        for (const char* file : {"Clients/Acme/old.tmp", "Clients/Acme/Sub/keep.doc",
                                 "Clients/Bolt/a.tmp", "T/Docs/readme.txt"})
            TempDrives::WriteHostFile(host_ + "/" + file, file);
    }

public:
    void Type(const char* name, const char* text) {
        QLineEdit* edit = Find<QLineEdit>(name);
        edit->setText(text);
        emit edit->editingFinished();
    }
    void Fill(int pane, const Args& lines) {
        FolderListPane& list = *Main().Pane(pane);
        list.Model().Include().Clear();
        for (const std::string& line : lines) list.Model().Include().Add(line);
        list.ListsChanged();
    }

protected:
    // The GUI's lines name drive d:, the process's the host root as Z:.
    std::string OnHost(std::string rows) const {
        const std::string z = ZPath(host_);
        for (std::size_t at = 0; (at = rows.find("\"d:", at)) != std::string::npos; at += z.size())
            rows.replace(at + 1, 2, z);
        return rows;
    }
};

struct Scenario {
    const char* name;
    VisualLogTab tab;
    std::function<void(CliParityTest&)> gui;
    Args cli;  // "@" stands for the host folder of drive d:
};

TEST_F(CliParityTest, TabAndCommandLineReachTheSameOutcomes) {
    const Scenario scenarios[] = {
        {"delete subfolders, one main folder missing",
         VisualLogTab::Vol07,
         [](CliParityTest& t) {
             t.Fill(1, {"d:\\Clients\\Acme", "d:\\Clients\\Nobody"});
             t.Click("rdoVol07DeleteSubFolders");
             t.Click("btnVol07DeleteFolders");
         },
         {"delete", "--line", "@/Clients/Acme", "--line", "@/Clients/Nobody", "--yes"}},
        {"delete complete",
         VisualLogTab::Vol07,
         [](CliParityTest& t) {
             t.Fill(1, {"d:\\Clients\\Acme", "d:\\Clients\\Bolt"});
             t.Click("rdoVol07DeleteCompleteFolders");
             t.Click("btnVol07DeleteFolders");
         },
         {"delete", "--mode", "complete", "--line", "@/Clients/Acme", "--line", "@/Clients/Bolt",
          "--yes"}},
        {"copy a full-path template with its files",
         VisualLogTab::Vol08,
         [](CliParityTest& t) {
             t.Fill(0, {"d:\\Clients\\Acme", "d:\\Clients\\Bolt", "d:\\Clients\\Nobody"});
             t.Find<QRadioButton>("rdoVol08StructureImportFullPaths")->click();
             t.shell_.NextFolder("d:\\T\\Docs");
             t.Click("btnVol08AddFolderStructure");
             t.Find<QRadioButton>("rdoVol08AttachMainFolderWithFiles")->click();
             t.Click("btnVol08CopyFolders");
         },
         {"copy", "--line", "@/Clients/Acme", "--line", "@/Clients/Bolt", "--line",
          "@/Clients/Nobody", "--kind", "full", "--attach", "main-with-files", "--template",
          "@/T/Docs"}},
        {"rename with a suffix",
         VisualLogTab::Vol06,
         [](CliParityTest& t) {
             t.Fill(2, {"d:\\Clients\\Acme", "d:\\Clients\\Nobody"});
             t.Find<QLineEdit>("edtVol06DelimiterSubFolderSuffix")->setText("_");
             t.Find<QLineEdit>("edtVol06NewSuffix")->setText("old");
             t.Click("btnVol06RenameFolders");
         },
         {"rename", "--line", "@/Clients/Acme", "--line", "@/Clients/Nobody", "--second-delimiter",
          "_", "--suffix", "old", "--yes"}},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        MakeTree();
        for (int i = 0; i < 3; ++i) messenger_.Answer(kAnswerYes);
        s.gui(*this);
        messenger_.Clear();
        const VisualLog& log = Main().Log(s.tab);
        const std::string counters = CliCounterLines(log);
        const std::string rows = OnHost(CliCategoryRows(log));
        ASSERT_FALSE(rows.empty());

        MakeTree();
        Args args;
        for (const std::string& arg : s.cli)
            args.push_back(arg.starts_with('@') ? host_ + arg.substr(1) : arg);
        args.insert(args.end(), {"--log", host_ + "/log.csv"});
        const testing::CliResult result = RunCliProcess(args);
        EXPECT_LE(result.status, 1) << result.err;
        EXPECT_EQ(result.out, counters);
        EXPECT_EQ(TempDrives::ReadHostFile(host_ + "/log.csv"), rows);
    }
}

}  // namespace
}  // namespace arbovane
