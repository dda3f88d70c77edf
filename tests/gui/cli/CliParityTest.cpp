#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "cli/CliRun.h"
#include "core/jobs/JobFile.h"
#include "core/visuallog/VisualLog.h"
#include "gui/lists/FolderListPane.h"
#include "gui/templates/TfrmFolderStructuresTemplates.h"
#include "support/CliProcess.h"
#include "support/MainWindowFixture.h"
#include "support/WhenShown.h"

namespace arbovane {
namespace {

using testing::RunCliProcess;
using testing::TempDrives;
using testing::ZPath;
using Args = std::vector<std::string>;

using testing::WhenShown;

class CliParityTest : public MainWindowFixture {
public:
    // The scenarios drive the windows from outside the fixture.
    using MainWindowFixture::Click;
    using MainWindowFixture::Find;
    using MainWindowFixture::Main;
    using MainWindowFixture::settings_;
    using MainWindowFixture::shell_;
    using MainWindowFixture::windows_;

protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        Start();
    }
    void MakeTree() {
        std::filesystem::remove_all(host_ + "/Clients");
        std::filesystem::remove_all(host_ + "/New");
        for (const char* file : {"Clients/Acme/old.tmp", "Clients/Acme/Sub/keep.doc",
                                 "Clients/Bolt/a.tmp", "T/Docs/readme.txt", "T/Docs/In/in.txt"})
            TempDrives::WriteHostFile(host_ + "/" + file, file);
        TempDrives::MakeHostFolder(host_ + "/New");
    }

public:
    void Type(const char* name, const char* text) {
        QLineEdit* edit = Find<QLineEdit>(name);
        edit->setText(text);
        emit edit->editingFinished();
    }
    void Choose(const char* name) { Find<QRadioButton>(name)->click(); }
    // The template list through the tab's Edit window, as relative lines are typed.
    void EditTemplates(const char* button, const char* lines) {
        WhenShown(*windows_->folderStructuresTemplates, [this, lines] {
            Find<QPlainTextEdit>("mmoEditFolderStructuresTemplates")->setPlainText(lines);
            Click("btnFolderStructuresTemplatesOK");
        });
        Click(button);
    }
    // A full-path template by the tab's Add Structure button.
    void AddStructure(const char* button, const char* folder) {
        shell_.NextFolder(folder);
        Click(button);
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
    // The to-do counters of every attach mode and both template kinds, on the copy tab and the
    // creation tabs.
    const struct {
        const char* copyMode;
        const char* createMode;
        const char* option;
    } modes[] = {
        {"rdoVol08AttachMainFolderWithFiles", "rdoVol02AttachMainFolderWithFiles",
         "main-with-files"},
        {"rdoVol08AttachMainFolderWithoutFiles", "rdoVol02AttachMainFolderWithoutFiles",
         "main-without-files"},
        {"rdoVol08AttachSubFoldersOnlyWithFiles", "rdoVol02AttachSubFoldersOnlyWithFiles",
         "sub-with-files"},
        {"rdoVol08AttachSubFoldersOnlyWithoutFiles", "rdoVol02AttachSubFoldersOnlyWithoutFiles",
         "sub-without-files"},
    };
    std::vector<Scenario> all(std::begin(scenarios), std::end(scenarios));
    for (const auto& m : modes) {
        all.push_back({m.option,
                       VisualLogTab::Vol08,
                       [m](CliParityTest& t) {
                           t.Fill(0, {"d:\\Clients\\Acme", "d:\\Clients\\Bolt"});
                           t.Choose("rdoVol08StructureImportFullPaths");
                           t.AddStructure("btnVol08AddFolderStructure", "d:\\T\\Docs");
                           t.Choose(m.copyMode);
                           t.Click("btnVol08CopyFolders");
                       },
                       {"copy", "--line", "@/Clients/Acme", "--line", "@/Clients/Bolt", "--kind",
                        "full", "--attach", m.option, "--template", "@/T/Docs"}});
        all.push_back({m.option,
                       VisualLogTab::Vol02,
                       [m](CliParityTest& t) {
                           t.shell_.NextFolder("d:\\New");
                           t.Click("btnVol02AddDestFolder");
                           t.Fill(3, {"A", "B"});
                           t.Choose("rdoVol02StructureImportFullPaths");
                           t.AddStructure("btnVol02AddFolderStructure", "d:\\T\\Docs");
                           t.Choose(m.createMode);
                           t.Click("btnVol02CreateFolders");
                       },
                       {"create-names", "--destination", "@/New", "--line", "A", "--line", "B",
                        "--kind", "full", "--attach", m.option, "--template", "@/T/Docs"}});
    }
    all.push_back({"copy relative templates",
                   VisualLogTab::Vol08,
                   [](CliParityTest& t) {
                       t.Fill(0, {"d:\\Clients\\Acme", "d:\\Clients\\Bolt"});
                       t.Choose("rdoVol08StructureImportRelativePaths");
                       t.EditTemplates("btnVol08EditFolderStructuresTemplates", "\\a\n\\b\\c\n\\d");
                       t.Click("btnVol08CopyFolders");
                   },
                   {"copy", "--line", "@/Clients/Acme", "--line", "@/Clients/Bolt", "--template",
                    "\\a", "--template", "\\b\\c", "--template", "\\d"}});
    all.push_back({"create-names relative templates",
                   VisualLogTab::Vol02,
                   [](CliParityTest& t) {
                       t.shell_.NextFolder("d:\\New");
                       t.Click("btnVol02AddDestFolder");
                       t.Fill(3, {"A", "B"});
                       t.Choose("rdoVol02StructureImportRelativePaths");
                       t.EditTemplates("btnVol02EditFolderStructuresTemplates", "\\a\n\\b\\c\n\\d");
                       t.Click("btnVol02CreateFolders");
                   },
                   {"create-names", "--destination", "@/New", "--line", "A", "--line", "B",
                    "--template", "\\a", "--template", "\\b\\c", "--template", "\\d"}});
    all.push_back({"create-paths with a hyphen, nothing attached",
                   VisualLogTab::Vol04,
                   [](CliParityTest& t) {
                       t.Fill(4, {"d:\\New\\x\\y", "d:\\Clients\\Acme"});
                       t.Type("edtVol04Prefix", "P");
                       t.Find<QCheckBox>("chkVol04Hyphen")->setChecked(true);
                       t.Choose("rdoVol04AttachNothing");
                       t.Click("btnVol04CreateFolders");
                   },
                   {"create-paths", "--line", "@/New/x/y", "--line", "@/Clients/Acme", "--prefix",
                    "P", "--hyphen"}});
    all.push_back({"create-numbers, full-path template without files",
                   VisualLogTab::Vol03,
                   [](CliParityTest& t) {
                       t.shell_.NextFolder("d:\\New");
                       t.Click("btnVol03AddDestFolder");
                       t.Type("edtVol03StartNumber", "2");
                       t.Type("edtVol03EndNumber", "4");
                       t.Choose("rdoVol03StructureImportFullPaths");
                       t.AddStructure("btnVol03AddFolderStructure", "d:\\T\\Docs");
                       t.Choose("rdoVol03AttachSubFoldersOnlyWithoutFiles");
                       t.Click("btnVol03CreateFolders");
                   },
                   {"create-numbers", "--destination", "@/New", "--start", "2", "--end", "4",
                    "--kind", "full", "--attach", "sub-without-files", "--template", "@/T/Docs"}});
    for (const Scenario& s : all) {
        SCOPED_TRACE(s.name);
        MakeTree();
        for (int i = 0; i < 5; ++i) messenger_.Answer(kAnswerYes);
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

// A tab set up, its job saved, and the tab's own run: the job run by the command-line program on
// the same tree reaches the same counters and categories, in a simulation and in a run.
struct JobScenario {
    const char* name;
    int tab;
    VisualLogTab log;
    std::function<void(CliParityTest&)> setup;
    const char* run;
    const char* simulation;
};

// The command-line program sees drive d: where the windows do.
class DriveTableVariable {
public:
    explicit DriveTableVariable(const std::string& host) {
        setenv("ARBOVANE_DRIVES", ("D=" + host).c_str(), 1);
    }
    ~DriveTableVariable() { unsetenv("ARBOVANE_DRIVES"); }
};

TEST_F(CliParityTest, JobsRunAsTheirTabsRun) {
    const auto select = [](CliParityTest& t, const char* pattern) {
        t.settings_.selectedPatterns = {pattern};
        t.settings_.selectionText = pattern;
    };
    const JobScenario scenarios[] = {
        {"copy a full-path template with its text files", 0, VisualLogTab::Vol08,
         [select](CliParityTest& t) {
             select(t, "*.txt");
             t.Fill(0, {"d:\\Clients\\Acme", "d:\\Clients\\Bolt", "d:\\Clients\\Nobody"});
             t.Choose("rdoVol08StructureImportFullPaths");
             t.AddStructure("btnVol08AddFolderStructure", "d:\\T\\Docs");
             t.Choose("rdoVol08AttachMainFolderWithFiles");
         },
         "btnVol08CopyFolders", "btnVol08CopyFoldersSimulation"},
        {"copy relative templates without their first folder", 0, VisualLogTab::Vol08,
         [](CliParityTest& t) {
             t.Fill(0, {"d:\\Clients\\Acme", "d:\\Clients\\Bolt"});
             t.Choose("rdoVol08StructureImportRelativePaths");
             t.EditTemplates("btnVol08EditFolderStructuresTemplates", "\\a\\b\n\\c\\d\n\\e");
             t.Main().TemplateOptions()[kTemplateKeyVol08].option = TemplateOption::ReplaceFirst;
         },
         "btnVol08CopyFolders", "btnVol08CopyFoldersSimulation"},
        {"delete selected files in the trees", 1, VisualLogTab::Vol07,
         [select](CliParityTest& t) {
             select(t, "*.tmp");
             t.Fill(1, {"d:\\Clients\\Acme", "d:\\Clients\\Bolt", "d:\\Clients\\Nobody"});
             t.Click("rdoVol07DeleteOnlyFiles");
         },
         "btnVol07DeleteFolders", "btnVol07DeleteFoldersSimulation"},
        {"rename with a prefix", 2, VisualLogTab::Vol06,
         [](CliParityTest& t) {
             t.Fill(2, {"d:\\Clients\\Acme", "d:\\Clients\\Nobody"});
             t.Find<QLineEdit>("edtVol06NewPrefix")->setText("2026");
             t.Find<QLineEdit>("edtVol06DelimiterPrefixSubFolder")->setText("_");
         },
         "btnVol06RenameFolders", "btnVol06RenameFoldersSimulation"},
        {"create names with relative templates", 3, VisualLogTab::Vol02,
         [](CliParityTest& t) {
             t.shell_.NextFolder("d:\\New");
             t.Click("btnVol02AddDestFolder");
             t.Fill(3, {"A", "B"});
             t.Choose("rdoVol02StructureImportRelativePaths");
             t.EditTemplates("btnVol02EditFolderStructuresTemplates", "\\x\n\\y\\z");
             t.Type("edtVol02Prefix", "P");
             t.Find<QCheckBox>("chkVol02Hyphen")->setChecked(true);
         },
         "btnVol02CreateFolders", "btnVol02CreateFoldersSimulation"},
        {"create paths with a template's subfolders and files", 4, VisualLogTab::Vol04,
         [](CliParityTest& t) {
             t.Fill(4, {"d:\\New\\x\\y", "d:\\Clients\\Acme"});
             t.Choose("rdoVol04StructureImportFullPaths");
             t.AddStructure("btnVol04AddFolderStructure", "d:\\T\\Docs");
             t.Choose("rdoVol04AttachSubFoldersOnlyWithFiles");
         },
         "btnVol04CreateFolders", "btnVol04CreateFoldersSimulation"},
        {"create numbers with numbered template levels", 5, VisualLogTab::Vol03,
         [](CliParityTest& t) {
             t.shell_.NextFolder("d:\\New");
             t.Click("btnVol03AddDestFolder");
             t.Type("edtVol03StartNumber", "8");
             t.Type("edtVol03EndNumber", "11");
             t.Find<QCheckBox>("chkVol03PaddedZeroes")->setChecked(true);
             t.Choose("rdoVol03StructureImportRelativePaths");
             t.EditTemplates("btnVol03EditFolderStructuresTemplates", "\\p\\q");
             t.Find<QCheckBox>("chkVol03AddIncNumbersAsSuffix")->setChecked(true);
         },
         "btnVol03CreateFolders", "btnVol03CreateFoldersSimulation"},
    };
    const DriveTableVariable drives(host_);
    for (const JobScenario& s : scenarios) {
        for (const bool simulate : {true, false}) {
            SCOPED_TRACE(std::string(s.name) + (simulate ? ", simulation" : ", run"));
            MakeTree();
            for (int i = 0; i < 5; ++i) messenger_.Answer(kAnswerYes);
            s.setup(*this);
            std::string job, error;
            ASSERT_TRUE(JobText(Main().JobOfTab(s.tab), job, error)) << error;
            TempDrives::WriteHostFile(host_ + "/tab.job", job);
            Click(simulate ? s.simulation : s.run);
            messenger_.Clear();
            const VisualLog& log = Main().Log(s.log);
            const std::string counters = CliCounterLines(log);
            const std::string rows = CliCategoryRows(log);
            ASSERT_FALSE(rows.empty()) << job;

            MakeTree();
            Args args{"run", host_ + "/tab.job", "--yes", "--log", host_ + "/log.csv"};
            if (simulate) args.push_back("--simulate");
            const testing::CliResult result = RunCliProcess(args);
            EXPECT_LE(result.status, 1) << result.err << job;
            EXPECT_EQ(result.out, counters) << job;
            EXPECT_EQ(TempDrives::ReadHostFile(host_ + "/log.csv"), rows) << job;
        }
    }
}

}  // namespace
}  // namespace arbovane
