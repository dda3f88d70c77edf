#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <functional>

#include "core/jobs/ProgramVersion.h"
#include "gui/app/TfrmJob.h"
#include "gui/lists/FolderListPane.h"
#include "gui/templates/TemplatePane.h"
#include "support/MainWindowFixture.h"
#include "support/WhenShown.h"

namespace arbovane {
namespace {

using testing::ExpectMessages;
using testing::ShownMessage;
using testing::TempDrives;
using testing::WhenShown;
using Lines = std::vector<std::string>;

class JobWindowTest : public MainWindowFixture {
public:
    // The setups drive the windows from outside the fixture.
    using MainWindowFixture::Click;
    using MainWindowFixture::Find;
    using MainWindowFixture::Main;
    using MainWindowFixture::shell_;

protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        for (const char* folder : {"Clients/Acme", "Clients/Bolt", "New", "T/Docs", "Jobs"})
            TempDrives::MakeHostFolder(host_ + "/" + folder);
        Start();
    }

    template <typename T = QWidget>
    T* InJob(const char* name) {
        return windows_->job->findChild<T*>(name);
    }
    // File > Save Job... or Open Job..., the file typed into the window and its button clicked;
    // a window that stays open after its messages is cancelled.
    void JobMenu(const char* item, const std::string& file) {
        WhenShown(*windows_->job, [this, file] {
            InJob<QLineEdit>("edtJobFile")->setText(QString::fromStdString(file));
            InJob<QPushButton>("btnJobOK")->click();
            if (windows_->job->isVisible()) InJob<QPushButton>("btnJobCancel")->click();
        });
        Find<QAction>(item)->trigger();
    }

public:
    void SaveJob(int tab, const std::string& file) {
        Main().Pages()->setCurrentIndex(tab);
        JobMenu("mnuSaveJob", file);
    }
    void Fill(int tab, const Lines& include, const Lines& exclude) {
        FolderListPane& pane = *Main().Pane(tab);
        pane.Model().Include().AddAll(include);
        pane.Model().Exclude().AddAll(exclude);
        pane.ListsChanged();
    }
    void Type(const char* name, const char* text) {
        auto* edit = Find<QLineEdit>(name);
        edit->setText(text);
        emit edit->editingFinished();
    }

protected:
    std::string Host(const std::string& file) { return host_ + "/Jobs/" + file; }
};

struct TabSetup {
    int tab;
    const char* clearButton;
    std::function<void(JobWindowTest&)> setup;
    std::vector<const char*> lines;  // lines the saved job holds
};

// Every tab set up as a user would, saved, cleared, opened and saved again: the same file, and
// the tab as it was.
TEST_F(JobWindowTest, SavedOpenedAndSavedAgainIsTheSameFile) {
    settings_.selectionText = "*.txt \"a b.doc\"";
    settings_.selectedPatterns = {"*.txt", "a b.doc"};
    const TabSetup setups[] = {
        {0,
         "btnVol08ClearAll",
         [](JobWindowTest& t) {
             t.Fill(0, {"d:\\Clients\\Acme", "d:\\Clients\\Bolt "}, {"d:\\Clients\\Old"});
             t.Find<QRadioButton>("rdoVol08StructureImportFullPaths")->click();
             t.shell_.NextFolder("d:\\T\\Docs");
             t.Click("btnVol08AddFolderStructure");
             t.Find<QRadioButton>("rdoVol08AttachSubFoldersOnlyWithFiles")->click();
         },
         {"tab=copy", "kind=full", "attach=sub-with-files", "files=*.txt \"a b.doc\"",
          "template=d:\\T\\Docs", "include=d:\\Clients\\Bolt ", "exclude=d:\\Clients\\Old"}},
        {1,
         "btnVol07ClearAll",
         [](JobWindowTest& t) {
             t.Fill(1, {"d:\\Clients\\Acme"}, {});
             t.Find<QRadioButton>("rdoVol07DeleteCompleteFolders")->click();
             t.Find<QCheckBox>("chkVol07ReadOnlyFolders")->setChecked(true);
         },
         {"tab=delete", "mode=complete", "read-only=yes"}},
        {2,
         "btnVol06ClearAll",
         [](JobWindowTest& t) {
             t.Fill(2, {"d:\\Clients\\Acme"}, {"d:\\Clients\\Bolt"});
             t.Find<QRadioButton>("rdoVol06RenameTheLastSubFolder")->click();
             t.Find<QLineEdit>("edtVol06RenameNewLastSubFolder")->setText("Archive");
         },
         {"tab=rename", "new-name=Archive"}},
        {3,
         "btnVol02ClearAll",
         [](JobWindowTest& t) {
             t.shell_.NextFolder("d:\\New");
             t.Click("btnVol02AddDestFolder");
             t.Fill(3, {"Zed", "Acme"}, {"Old"});
             t.Main().TemplateOptions()[kTemplateKeyVol02].option = TemplateOption::ReplaceAll;
             t.Main().Templates(3)->OpenJob(TemplateKind::Relative, AttachMode::None,
                                            {"\\Project\\Plans"});
             t.Type("edtVol02Prefix", "2026");
             t.Find<QCheckBox>("chkVol02Hyphen")->setChecked(true);
         },
         {"tab=create-names", "destination=d:\\New", "prefix=2026", "hyphen=yes",
          "option=replace-first", "include=Acme", "include=Zed"}},
        {4,
         "btnVol04ClearAll",
         [](JobWindowTest& t) {
             t.Fill(4, {"d:\\New\\x"}, {});
             t.Find<QRadioButton>("rdoVol04AttachNothing")->click();
             t.Type("edtVol04Suffix", "Archive");
         },
         {"tab=create-paths", "kind=nothing", "suffix=Archive", "hyphen=no"}},
        {5,
         "btnVol03ClearAll",
         [](JobWindowTest& t) {
             t.shell_.NextFolder("d:\\New");
             t.Click("btnVol03AddDestFolder");
             t.Type("edtVol03StartNumber", "7");
             t.Type("edtVol03EndNumber", "12");
             t.Find<QCheckBox>("chkVol03PaddedZeroes")->setChecked(true);
             t.Main().Templates(5)->OpenJob(TemplateKind::Relative, AttachMode::None, {"\\a"});
             t.Main().RefreshTab(5);
             t.Find<QCheckBox>("chkVol03AddIncNumbersAsSuffix")->setChecked(true);
         },
         {"tab=create-numbers", "start=7", "end=12", "pad=yes", "numbers-in-levels=yes",
          "template=\\a"}},
    };
    for (const TabSetup& s : setups) {
        SCOPED_TRACE(s.tab);
        for (int i = 0; i < 4; ++i) messenger_.Answer(kAnswerYes);
        s.setup(*this);
        const std::string name = "tab" + std::to_string(s.tab);
        SaveJob(s.tab, "d:\\Jobs\\" + name + ".job");
        const std::string first = TempDrives::ReadHostFile(Host(name + ".job"));
        EXPECT_TRUE(first.starts_with("# Arbovane job: ")) << first;
        for (const char* line : s.lines)
            EXPECT_NE(first.find(std::string("\n") + line + "\n"), std::string::npos)
                << line << "\n"
                << first;

        // Cleared, and another tab in front: the job brings its own tab back.
        messenger_.Answer(kAnswerYes);
        Click(s.clearButton);
        Main().Pages()->setCurrentIndex(s.tab == 0 ? 1 : 0);
        messenger_.Clear();
        JobMenu("mnuOpenJob", "d:\\Jobs\\" + name + ".job");
        EXPECT_TRUE(messenger_.Shown().empty()) << messenger_.Shown().front().text;
        EXPECT_EQ(Main().Pages()->currentIndex(), s.tab);

        SaveJob(s.tab, "d:\\Jobs\\" + name + " again.job");
        EXPECT_EQ(TempDrives::ReadHostFile(Host(name + " again.job")), first);
        messenger_.Clear();
    }
    // The tabs show what the jobs set.
    EXPECT_EQ(Main().Pane(0)->ExcludeLines(), (Lines{"d:\\Clients\\Old"}));
    EXPECT_TRUE(Find<QCheckBox>("chkVol07ReadOnlyFolders")->isChecked());
    EXPECT_EQ(Find<QLineEdit>("edtVol06RenameNewLastSubFolder")->text().toStdString(), "Archive");
    EXPECT_EQ(Find<QComboBox>("cboVol02DestFolders")->currentText().toStdString(), "d:\\New");
    EXPECT_EQ(Find<QLineEdit>("edtVol03StartNumber")->text().toStdString(), "7");
    EXPECT_TRUE(Find<QCheckBox>("chkVol03AddIncNumbersAsSuffix")->isChecked());
}

// A job file that cannot be opened is refused with its message, and the tab keeps its inputs.
TEST_F(JobWindowTest, AJobThatCannotBeOpenedChangesNothing) {
    const std::string open = "Open Job.            Warning no: ";
    const struct {
        const char* file;
        std::string bytes;  // empty: no such file
        std::string text, title;
    } cases[] = {
        {"gone.job", "", "The job file cannot be read :\nd:\\Jobs\\gone.job", open + "0624."},
        {"damaged.job", "version=8.20\ntab=copy\ninclude d:\\Clients\\Bolt\n",
         "The job file is damaged, and nothing of it is opened :\nd:\\Jobs\\damaged.job\nline 3: "
         "\"include d:\\Clients\\Bolt\" is no key=value line",
         open + "0625."},
        {"newer.job", "version=999.0\ntab=copy\ncolour=green\n",
         std::string("The job file was saved by version 999.0 of the program, which is newer "
                     "than this one (") +
             ProgramVersion() +
             "). Nothing of it is opened :\nd:\\Jobs\\newer.job\nAction : Open it with version "
             "999.0 or later.",
         open + "0626."},
        {"bad lines.job", "version=8.20\ntab=copy\ninclude=d:\\Clients\\Bolt\ninclude=Bolt\n",
         "The tab cannot take what the job holds, and nothing of it is opened :\nd:\\Jobs\\bad "
         "lines.job\nthe include lines are not valid:\nYou can only enter full paths with drive "
         "letters.\nError Type: There are no drive letters in paths (1 )\nBolt\n\n\n",
         open + "0627."},
    };
    Fill(0, {"d:\\Clients\\Acme"}, {});
    for (const auto& c : cases) {
        if (!c.bytes.empty()) TempDrives::WriteHostFile(Host(c.file), c.bytes);
        messenger_.Clear();
        JobMenu("mnuOpenJob", std::string("d:\\Jobs\\") + c.file);
        ExpectMessages(messenger_.Shown(), {{c.text, c.title, 48}});
        EXPECT_EQ(Main().Pane(0)->IncludeLines(), (Lines{"d:\\Clients\\Acme"}));
        EXPECT_FALSE(InJob<QLabel>("lblJobSummary")->text().isEmpty());
    }
}

TEST_F(JobWindowTest, AnExistingFileIsReplacedOnlyOnYes) {
    TempDrives::WriteHostFile(Host("kept.job"), "old");
    Fill(2, {"d:\\Clients\\Acme"}, {});
    messenger_.Answer(kAnswerNo);
    SaveJob(2, "d:\\Jobs\\kept.job");
    ExpectMessages(messenger_.Shown(),
                   {{"The job file exists already :\nd:\\Jobs\\kept.job\nClick YES to replace "
                     "it,\nClick NO to keep it.",
                     "Save Job.            Warning no: 0628.", 292}});
    EXPECT_EQ(TempDrives::ReadHostFile(Host("kept.job")), "old");
    messenger_.Answer(kAnswerYes);
    SaveJob(2, "d:\\Jobs\\kept.job");
    EXPECT_NE(TempDrives::ReadHostFile(Host("kept.job")).find("tab=rename\n"), std::string::npos);
    // A folder is no file to write.
    messenger_.Clear();
    SaveJob(2, "d:\\Jobs");
    ExpectMessages(messenger_.Shown(),
                   {{"The job file cannot be written :\nd:\\Jobs\nAction : Choose another folder "
                     "or file name.",
                     "Save Job.            Warning no: 0622.", 48}});
}

}  // namespace
}  // namespace arbovane
