#include "gui/ops/copy/CopyTab.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/ProgramSettings.h"
#include "core/help/Examples.h"
#include "core/help/HelpTopics.h"
#include "core/jobs/JobCheck.h"
#include "core/undo/FolderFileUndoRun.h"
#include "core/undo/RunJournal.h"
#include "core/undo/UndoJournal.h"
#include "core/undo/UndoPlan.h"
#include "core/visuallog/VisualLog.h"
#include "gui/app/PumpMessages.h"
#include "gui/lists/FolderListPane.h"
#include "gui/templates/TemplatePane.h"

namespace arbovane {

namespace {

// Window messages run at most this often during a simulation with files.
constexpr int kPumpIntervalMs = 30;

}  // namespace

CopyTab::CopyTab(TabServices services, TemplatePane& templates, UndoJournal& journal,
                 const MAP_FOLDER_TEMPLATE_OPTIONS& options, QObject* parent)
    : QObject(parent),
      services_(std::move(services)),
      templates_(templates),
      journal_(journal),
      file_(services_.context, services_.keeper, VisualLogTab::Vol08),
      options_(options) {
    BuildControls();
    templates_.SetChangeHook([this](TemplateChange) { Refresh(); });
    templates_.SetRunButtonsHook([this](bool enabled) {
        btnVol08CopyFolders->setEnabled(enabled && !running_);
        btnVol08CopyFoldersSimulation->setEnabled(enabled && !running_);
    });
}

void CopyTab::BuildControls() {
    QWidget* sheet = services_.sheet;
    auto* frame = new QGroupBox("Copy Folder Structures (Templates) to the Folders", sheet);
    frame->setObjectName("grpVol08CopyFolders");
    auto* column = new QVBoxLayout(frame);
    btnVol08CopyFolders = new QPushButton(" COPY   Folder Structures (Templates)", frame);
    btnVol08CopyFolders->setObjectName("btnVol08CopyFolders");
    connect(btnVol08CopyFolders, &QPushButton::clicked, this, &CopyTab::btnVol08CopyFoldersClick);
    column->addWidget(btnVol08CopyFolders);

    auto* row = new QHBoxLayout;
    btnVol08CopyFoldersSimulation = new QPushButton("Simulation", frame);
    btnVol08CopyFoldersSimulation->setObjectName("btnVol08CopyFoldersSimulation");
    btnVol08CopyFoldersSimulation->setToolTip(
        "Simulate the Folder/File Copy Process (No actual Folder/File Copy).");
    connect(btnVol08CopyFoldersSimulation, &QPushButton::clicked, this,
            &CopyTab::btnVol08CopyFoldersSimulationClick);
    row->addWidget(btnVol08CopyFoldersSimulation);
    btnVol08Undo = new QPushButton("Undo", frame);
    btnVol08Undo->setObjectName("btnVol08Undo");
    connect(btnVol08Undo, &QPushButton::clicked, this, &CopyTab::btnVol08UndoClick);
    row->addWidget(btnVol08Undo);
    btnVol08Help = new QPushButton("Help", frame);
    btnVol08Help->setObjectName("btnVol08Help");
    connect(btnVol08Help, &QPushButton::clicked, this, &CopyTab::btnVol08HelpClick);
    row->addWidget(btnVol08Help);
    btnVol08Examples = new QPushButton("Examples", frame);
    btnVol08Examples->setObjectName("btnVol08Examples");
    connect(btnVol08Examples, &QPushButton::clicked, this, &CopyTab::btnVol08ExamplesClick);
    row->addWidget(btnVol08Examples);
    column->addLayout(row);
    services_.side->insertWidget(0, frame);

    chkVol08ShowDetailedResults = sheet->findChild<QCheckBox*>("chkVol08ShowDetailedResults");
    btnVol08Statistics = sheet->findChild<QPushButton*>("btnVol08Statistics");
    btnVol08FileSelection = sheet->findChild<QPushButton*>("btnVol08FileSelection");
    lblVol08FileTypesAllSelected = sheet->findChild<QLabel*>("lblVol08FileTypesAllSelected");
    btnVol08ClearAll = sheet->findChild<QPushButton*>("btnVol08ClearAll");
    for (QLabel* label : sheet->findChildren<QLabel*>())
        if (label->text() == "Sel. Types:") lblSelTypes = label;
}

void CopyTab::ApplyButtons() {
    const bool hasItems = !services_.pane.IncludeLines().empty();
    templates_.ApplyEnabling(hasItems);
    const TemplateAreaEnabling& enabling = templates_.Enabling();
    for (QWidget* widget : std::initializer_list<QWidget*>{
             btnVol08FileSelection, lblVol08FileTypesAllSelected, lblSelTypes})
        if (widget) widget->setEnabled(enabling.fileSelection && !running_);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{chkVol08ShowDetailedResults, btnVol08Statistics})
        if (widget) widget->setEnabled(hasItems);
    btnVol08CopyFolders->setEnabled(enabling.run && !running_);
    btnVol08CopyFoldersSimulation->setEnabled(enabling.run && !running_);
    // Whatever the lists hold now, the last run can be taken back.
    const bool undoable = HasSomethingToUndo(UndoTab::Copy, journal_) || file_.Damaged();
    btnVol08Undo->setEnabled((hasItems || undoable) && !running_);
    if (btnVol08ClearAll) btnVol08ClearAll->setEnabled(!running_);
}

void CopyTab::btnVol08ExamplesClick() {
    if (services_.showExamples) services_.showExamples(ExampleWindow::Copy);
}

void CopyTab::btnVol08HelpClick() {
    if (services_.showHelp) services_.showHelp(kHelpTopicCopy);
}

void CopyTab::Refresh() {
    ApplyButtons();
    VisualLog& log = services_.log;
    for (Vol08Counter counter : {Vol08Counter::FoldersToCopy, Vol08Counter::SubFoldersToCopy,
                                 Vol08Counter::FilesToCopy, Vol08Counter::FileSizeToCopy})
        log.Set(counter, 0);
    const CopyTabOptions options = Options();
    const bool withFiles = options.kind == TemplateKind::FullPath && WithFiles(options.mode);
    // The templates are read again only when they, the mode or the file selection changed; a
    // run reads them afresh anyway.
    UpdateCopyTotals(
        {services_.context.fs, services_.context.text, services_.context.messenger, log}, totals_,
        options.includeLines, {options.templates, options.kind, options.mode, options.patterns},
        withFiles, false);
    log.Flush();
}

void CopyTab::ClearFields() {
    if (chkVol08ShowDetailedResults) chkVol08ShowDetailedResults->setChecked(true);
    templates_.ClearFields();
    const std::string marker = journal_.AttachModeMarker;
    journal_ = {};
    journal_.AttachModeMarker = marker;
    file_.Forget();
    totals_.Forget();
    Refresh();
}

CopyTabOptions CopyTab::Options() const {
    CopyTabOptions options;
    options.includeLines = services_.pane.IncludeLines();
    options.templates = templates_.Lines();
    options.kind = templates_.Kind();
    options.mode = options.kind == TemplateKind::FullPath ? templates_.Mode() : AttachMode::None;
    options.patterns = services_.context.settings.selectedPatterns;
    if (options.patterns.empty()) options.patterns = {"*.*"};
    options.option = TemplateOptionFor(options_, kTemplateKeyVol08);
    options.showVisualLog =
        !chkVol08ShowDetailedResults || chkVol08ShowDetailedResults->isChecked();
    return options;
}

CopyRunPorts CopyTab::Ports() const {
    return {services_.context.fs, services_.context.text, services_.context.messenger,
            services_.log};
}

void CopyTab::SetRunning(bool running) {
    running_ = running;
    ApplyButtons();
}

CopyRunHooks CopyTab::Hooks() {
    CopyRunHooks hooks;
    // The simulation lets window messages run, so the tab's own buttons must not start a second
    // run meanwhile.
    hooks.lock = [this] {
        services_.lockOtherTabs();
        SetRunning(true);
    };
    hooks.unlock = [this] {
        SetRunning(false);
        services_.unlockTabs();
    };
    hooks.pump = [this] {
        if (pumpClock_.isValid() && pumpClock_.elapsed() < kPumpIntervalMs) return;
        PumpMessages();
        pumpClock_.start();
    };
    hooks.focusAddStructure = [this] {
        if (auto* add = templates_.findChild<QPushButton*>("btnVol08AddFolderStructure"))
            add->setFocus();
    };
    return hooks;
}

void CopyTab::btnVol08CopyFoldersClick() {
    if (running_) return;
    FileSystem& fs = file_.RunFileSystem(FolderRunJournal(UndoTab::Copy, {}));
    RunCopyFolders({fs, services_.context.text, services_.context.messenger, services_.log},
                   totals_, journal_, Options(), Hooks());
    file_.EndRun(FolderRunJournal(UndoTab::Copy, journal_));
    ApplyButtons();
}

void CopyTab::btnVol08CopyFoldersSimulationClick() {
    if (running_) return;
    pumpClock_.invalidate();
    RunCopySimulation(Ports(), totals_, Options(), Hooks());
    ApplyButtons();
}

void CopyTab::btnVol08UndoClick() {
    if (running_ || file_.RefuseDamaged()) return;
    // The window lets events run during the undo too, so nothing else may start meanwhile.
    SetRunning(true);
    services_.lockOtherTabs();
    RunFolderFileUndo(UndoTab::Copy, journal_, services_.log, file_.UndoFileSystem(),
                      services_.context.text, services_.context.messenger,
                      file_.Hooks([this] { return FolderRunJournal(UndoTab::Copy, journal_); }));
    services_.unlockTabs();
    SetRunning(false);
    ApplyButtons();
}

void CopyTab::SaveJob(TabJob& job) const {
    const CopyTabOptions options = Options();
    job.tab = JobTab::Copy;
    job.include = services_.pane.IncludeLines();
    job.exclude = services_.pane.ExcludeLines();
    job.kind = options.kind;
    job.mode = options.mode;
    job.option = options.option;
    job.templates = options.templates;
    job.files = SelectionTextForJob(services_.context.settings);
}

void CopyTab::OpenJob(const TabJob& job) {
    templates_.OpenJob(job.kind, job.mode, job.templates);
    totals_.Forget();
    // The lists' refresh is the tab's.
    services_.pane.OpenJob(job.include, job.exclude);
}

}  // namespace arbovane
