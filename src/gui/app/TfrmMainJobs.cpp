// The main window's job items of the File menu.
#include <QLabel>
#include <QTabWidget>

#include "core/app/MainWindowRules.h"
#include "core/jobs/JobCheck.h"
#include "gui/app/ProgramWindows.h"
#include "gui/app/TfrmJob.h"
#include "gui/app/TfrmMain.h"
#include "gui/ops/copy/CopyTab.h"
#include "gui/ops/create/CreateFoldersTab.h"
#include "gui/ops/delete/DeleteTab.h"
#include "gui/ops/rename/RenameTab.h"

namespace arbovane {

namespace {

int TemplateKeyOfTab(int tabIndex) {
    switch (tabIndex) {
        case 0:
            return kTemplateKeyVol08;
        case 3:
            return kTemplateKeyVol02;
        case 4:
            return kTemplateKeyVol04;
        default:
            return kTemplateKeyVol03;
    }
}

}  // namespace

TabJob TfrmMain::JobOfTab(int tabIndex) const {
    TabJob job;
    switch (tabIndex) {
        case 0:
            copyTab_->SaveJob(job);
            break;
        case 1:
            deleteTab_->SaveJob(job);
            break;
        case 2:
            renameTab_->SaveJob(job);
            break;
        default:
            CreateTabOf(tabIndex)->SaveJob(job);
            break;
    }
    return job;
}

void TfrmMain::OpenJob(const TabJob& job) {
    // JobTab counts the tabs in page order.
    const int tab = static_cast<int>(job.tab);
    // Program-wide: the file selection of copy and delete, and the tab's template option.
    if (JobUsesFiles(job)) {
        ApplyJobSelection(job.files, context_.settings);
        const QString types = QString::fromStdString(FileTypesLabelText(context_.settings));
        lblVol08FileTypesAllSelected->setText(types);
        lblVol07FileTypesAllSelected->setText(types);
    }
    if (JobHasTemplates(job.tab) && job.kind == TemplateKind::Relative)
        templateOptions_[TemplateKeyOfTab(tab)].option = job.option;
    pgeMain->setCurrentIndex(tab);
    switch (tab) {
        case 0:
            copyTab_->OpenJob(job);
            break;
        case 1:
            deleteTab_->OpenJob(job);
            break;
        case 2:
            renameTab_->OpenJob(job);
            break;
        default:
            CreateTabOf(tab)->OpenJob(job);
            break;
    }
}

void TfrmMain::mnuSaveJobClick() {
    if (windows_) windows_->job->SaveJob(JobOfTab(pgeMain->currentIndex()));
}

void TfrmMain::mnuOpenJobClick() {
    if (!windows_) return;
    // A run holds the other tabs locked, and its own inputs must stay as they are.
    for (int i = 0; i < pgeMain->count(); ++i)
        if (!pgeMain->isTabEnabled(i)) return;
    if (const auto job = windows_->job->OpenJob()) OpenJob(*job);
}

}  // namespace arbovane
