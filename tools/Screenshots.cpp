// Saves a picture of every tab of the main window, of every Visual Log window and of every other
// window of the program, on the offscreen platform, into the folder given as the only argument.
// The sample folders live in a scratch folder that the drive table shows as F:, so the pictures
// show neutral paths and never the host's own.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMimeData>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QUrl>
#include <cstdio>
#include <deque>
#include <string>

#include "core/app/ProgramSettings.h"
#include "core/help/HelpEngine.h"
#include "core/jobs/JobFile.h"
#include "core/run/RunControl.h"
#include "gui/acquire/TfrmDelimiters.h"
#include "gui/acquire/TfrmFileExport.h"
#include "gui/acquire/TfrmFileImport.h"
#include "gui/acquire/TfrmQuotationMarks.h"
#include "gui/acquire/TfrmSubFolderListBuilder.h"
#include "gui/app/ProgramWindows.h"
#include "gui/app/QtShell.h"
#include "gui/app/TfrmAbout.h"
#include "gui/app/TfrmAltalanosHelp.h"
#include "gui/app/TfrmJob.h"
#include "gui/app/TfrmMain.h"
#include "gui/app/TfrmMoreHelp.h"
#include "gui/app/TfrmOverViewHelp.h"
#include "gui/help/ExamplesWindow.h"
#include "gui/lists/FolderListPane.h"
#include "gui/lists/TfrmVol08EditIncludeList.h"
#include "gui/templates/TemplatePane.h"
#include "gui/templates/TfrmFileSelection.h"
#include "gui/templates/TfrmFolderStructuresTemplates.h"
#include "gui/templates/TfrmFolderTemplateOptions.h"
#include "gui/templates/TfrmLevelSummFolder.h"
#include "gui/visuallog/VisualLogWindow.h"
#include "platform/posix/IcuText.h"
#include "platform/posix/PosixFileSystem.h"

namespace {

// The program's shell, except that the folder browser answers with the sample folders queued.
class PictureShell : public arbovane::QtShell {
public:
    using QtShell::QtShell;
    bool BrowseForFolder(const std::string& caption, const std::string& startFolder,
                         std::string& chosen) override {
        if (folders.empty()) return QtShell::BrowseForFolder(caption, startFolder, chosen);
        chosen = folders.front();
        folders.pop_front();
        return true;
    }
    std::deque<std::string> folders;
};

// Answers every question with Yes and shows nothing, so runs go through without a display.
class PictureMessenger : public arbovane::Messenger {
public:
    int Show(const std::string&, const std::string&, int flags, arbovane::MessageOwner) override {
        return flags == arbovane::kMsgQuestion ? arbovane::kAnswerYes : arbovane::kAnswerOk;
    }
};

bool Save(QWidget& widget, const QDir& folder, const QString& name) {
    QApplication::processEvents();
    const QString file = folder.filePath(name + ".png");
    const bool saved = widget.grab().save(file);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(file));
    return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace arbovane;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(".")) return 1;

    // A private drive F: so the pictures show sample paths and no settings file is left behind.
    QTemporaryDir sandbox;
    IcuText text;
    PosixFileSystem fs(text);
    fs.MapDrive('F', sandbox.path().toStdString());
    fs.MakeCurrentDirectory("f:\\");
    PictureMessenger messenger;
    // Sample folders for the lists and the templates, and a copy run to show in its Visual Log.
    for (const char* folder :
         {"f:\\Clients\\Company01", "f:\\Clients\\Company02", "f:\\Clients\\Company03",
          "f:\\Clients\\Company04", "f:\\Clients\\Company05", "f:\\Jobs",
          "f:\\Templates\\Customer\\Contracts", "f:\\Templates\\Customer\\Invoices\\2026",
          "f:\\Templates\\Customer\\Letters", "f:\\Templates\\Project\\Plans\\Drafts"})
        fs.CreateFolderTree(folder);
    for (const char* file : {"f:\\Templates\\Customer\\Contracts\\Contract.odt",
                             "f:\\Templates\\Customer\\Invoices\\2026\\Invoice.ods",
                             "f:\\Templates\\Customer\\Letters\\Letterhead.odt",
                             "f:\\Templates\\Project\\Plans\\Schedule.ods"})
        fs.WriteWholeFile(file, "sample");
    PictureShell shell([&fs](const std::string& p) { return fs.ToHostPath(p); },
                       [&fs](const std::string& p) { return fs.ToWindowsPath(p); });
    ProgramSettings settings;
    GuiContext context{fs, text, messenger, shell, settings};
    QFile guide(sandbox.filePath("userguide.html"));
    guide.open(QIODevice::WriteOnly);
    guide.close();
    HelpEngine help(fs);
    help.SetHelpFile("f:\\userguide.html");
    ProgramWindows windows(context, help);
    TfrmMain& main = *windows.main;
    main.show();
    std::printf("main window %dx%d, smallest %dx%d\n", main.width(), main.height(),
                main.minimumSizeHint().width(), main.minimumSizeHint().height());

    for (int tab = 0; tab < 5; ++tab) {
        FolderListPane* pane = main.Pane(tab);
        if (!pane) continue;
        for (int i = 1; i <= 3; ++i) {
            const std::string line = tab == 3 ? "Company0" + std::to_string(i)
                                              : "f:\\Clients\\Company0" + std::to_string(i);
            pane->Model().Include().Add(line);
        }
        pane->Model().Exclude().Add(tab == 3 ? "\\Archive" : "f:\\Clients\\Archive");
        pane->ListsChanged();
    }
    // The copy tab with full-path templates, the creation tabs with relative ones as they start.
    if (TemplatePane* templates = main.Templates(0)) {
        templates->SetKind(TemplateKind::FullPath);
        for (const char* folder : {"f:\\Templates\\Customer", "f:\\Templates\\Project\\Plans"}) {
            shell.folders.push_back(folder);
            templates->btnAddFolderStructureClick();
        }
    }

    // The creation tabs filled: names and numbers below a destination, full paths with a
    // full-path template. Their Visual Logs show real runs; the file manager stays closed.
    for (const char* folder : {"f:\\Projects", "f:\\Jobs"}) shell.folders.push_back(folder);
    for (const char* button : {"btnVol02AddDestFolder", "btnVol03AddDestFolder"})
        if (auto* browse = main.findChild<QPushButton*>(button)) browse->click();
    const auto type = [&main](const char* name, const char* value) {
        if (auto* edit = main.findChild<QLineEdit*>(name)) {
            edit->setText(value);
            emit edit->editingFinished();
        }
    };
    const auto tick = [&main](const char* name, bool checked) {
        if (auto* box = main.findChild<QCheckBox*>(name)) box->setChecked(checked);
    };
    type("edtVol02Prefix", "2026");
    type("edtVol02Suffix", "Jobs");
    type("edtVol03StartNumber", "1");
    type("edtVol03EndNumber", "12");
    type("edtVol03Prefix", "Job");
    type("edtVol04Suffix", "Archive");
    for (const char* name :
         {"chkVol02Hyphen", "chkVol03Hyphen", "chkVol03PaddedZeroes", "chkVol04Hyphen"})
        tick(name, true);
    for (const char* name : {"chkVol02ViewDestFolder", "chkVol03ViewDestFolder"}) tick(name, false);
    if (auto* nothing = main.findChild<QRadioButton*>("rdoVol02AttachNothing")) nothing->click();
    if (auto* nothing = main.findChild<QRadioButton*>("rdoVol03AttachNothing")) nothing->click();
    if (TemplatePane* templates = main.Templates(4)) {
        templates->SetKind(TemplateKind::FullPath);
        shell.folders.push_back("f:\\Templates\\Customer");
        templates->btnAddFolderStructureClick();
    }

    bool ok = true;
    QTabWidget* pages = main.Pages();
    for (int tab = 0; tab < pages->count(); ++tab) {
        pages->setCurrentIndex(tab);
        ok = Save(main, out,
                  QString("tab%1-%2").arg(tab + 1).arg(pages->widget(tab)->objectName())) &&
             ok;
    }
    // Folders dropped from a file manager on the rename tab's list.
    pages->setCurrentIndex(2);
    if (auto* list = main.findChild<QListView*>("lstVol06IncludeFolderList")) {
        QMimeData dropped;
        QList<QUrl> urls;
        for (const char* folder : {"Company04", "Company05"})
            urls << QUrl::fromLocalFile(sandbox.filePath(QString("Clients/") + folder));
        dropped.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &drop);
        QApplication::processEvents();
    }
    ok = Save(main, out, "list-after-drop") && ok;
    // The job window: the copy tab's job about to be saved, and a saved job about to be opened.
    TfrmJob& job = *windows.job;
    job.findChild<QLineEdit*>("edtJobFile")->setText("F:\\Jobs\\New year.job");
    if (job.PrepareSave(main.JobOfTab(0))) {
        job.show();
        ok = Save(job, out, "job-save") && ok;
        job.hide();
    }
    std::string jobText, error;
    if (JobText(main.JobOfTab(3), jobText, error))
        fs.WriteWholeFile("f:\\Jobs\\Projects.job", jobText);
    job.findChild<QLineEdit*>("edtJobFile")->setText("F:\\Jobs\\Projects.job");
    job.PrepareOpen();
    job.show();
    ok = Save(job, out, "job-open") && ok;
    job.hide();
    // A real copy with files for the copy tab's Visual Log; the other logs show one sample line.
    pages->setCurrentIndex(0);
    if (auto* mode = main.findChild<QRadioButton*>("rdoVol08AttachMainFolderWithFiles"))
        mode->click();
    if (auto* copy = main.findChild<QPushButton*>("btnVol08CopyFolders")) copy->click();
    for (const int tab : {3, 4, 5}) {
        pages->setCurrentIndex(tab);
        for (const char* button :
             {"btnVol02CreateFolders", "btnVol04CreateFolders", "btnVol03CreateFolders"})
            if (auto* create = pages->widget(tab)->findChild<QPushButton*>(button)) create->click();
    }
    for (int tab = 0; tab < 6; ++tab) {
        VisualLogWindow& window = windows.LogWindow(tab);
        if (tab > 0 && tab < 3) {
            window.Log().BeginRun(VisualLogMode::Normal);
            window.Log().AddEntryAt(0, "f:\\Clients\\Company01");
        }
        window.Log().Flush();
        window.show();
        ok = Save(window, out, "visuallog-" + window.objectName()) && ok;
        window.hide();
    }
    // The copy tab's Visual Log as a run shows it: progress, time taken, Stop.
    {
        struct GoesOn : RunControl {
            bool StopRequested() override { return false; }
        } goesOn;
        VisualLogWindow& window = windows.LogWindow(0);
        window.Log().SetRunControl(&goesOn);
        window.Log().Flush();
        window.show();
        ok = Save(window, out, "visuallog-running") && ok;
        window.hide();
        window.Log().SetRunControl(nullptr);
    }
    // The dialogs, as they open.
    windows.folderStructuresTemplates->Prepare({"\\Project\\Plans", "\\Project\\Docs\\2024"});
    windows.folderTemplateOptions->SetKey(kTemplateKeyVol08);
    windows.folderTemplateOptions->FormActivate();
    windows.altalanosHelp->SetTopic(9);
    // The list builder with the folders two levels below the sample templates.
    shell.folders.push_back("f:\\Templates");
    windows.listBuilder->btnMainSourceFolderAddClick();
    windows.listBuilder->btnBuildListClick();
    // Every other window in the program's own list, so a new window gets its picture unasked.
    for (QWidget* window : windows.All()) {
        if (window == &main || dynamic_cast<VisualLogWindow*>(window)) continue;
        const bool examples = dynamic_cast<ExamplesWindow*>(window) != nullptr;
        window->show();
        ok = Save(*window, out, (examples ? "examples-" : "dialog-") + window->objectName()) && ok;
        window->hide();
    }
    return ok ? 0 : 1;
}
