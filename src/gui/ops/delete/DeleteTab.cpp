#include "gui/ops/delete/DeleteTab.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

#include "core/app/ProgramSettings.h"
#include "core/help/Examples.h"
#include "core/help/HelpTopics.h"
#include "core/jobs/JobCheck.h"
#include "core/ops/delete/DeleteMessages.h"
#include "gui/lists/FolderListPane.h"

namespace arbovane {

namespace {

// A count that ends sooner shows no bar; one that goes on shows it this often.
constexpr qint64 kCountBarDelayMs = 200;
constexpr qint64 kCountBarIntervalMs = 50;

}  // namespace

DeleteTab::DeleteTab(TabServices services, QObject* parent)
    : QObject(parent),
      services_(std::move(services)),
      toDo_(services_.context.fs, services_.context.text) {
    BuildControls();
}

void DeleteTab::BuildControls() {
    QWidget* sheet = services_.sheet;
    auto* frame = new QGroupBox("Delete Multiple Folders /Folder Structures", sheet);
    frame->setObjectName("grpVol07DeleteFolders");
    auto* column = new QVBoxLayout(frame);

    auto* modes = new QGroupBox("Delete Folder Structures/ Main Folders/Files.", frame);
    modes->setObjectName("grpVol07DeleteModes");
    new QVBoxLayout(modes);
    rdoVol07DeleteSubFolders =
        AddMode(modes, "rdoVol07DeleteSubFolders",
                "Delete Complete Subfolder Structures - retain Main Folders.", nullptr,
                DeleteTabMode::SubfoldersOnly);
    rdoVol07DeleteCompleteFolders =
        AddMode(modes, "rdoVol07DeleteCompleteFolders",
                "Delete list of Main Folders with complete Folder Structures - retain nothing.",
                nullptr, DeleteTabMode::Complete);
    rdoVol07DeleteOnlyFiles =
        AddMode(modes, "rdoVol07DeleteOnlyFiles",
                "Delete Selected Files from Main Folders and their Subfolders too.",
                "Retain Empty Main Folders and their Subfolder Structures too.",
                DeleteTabMode::FilesInTree);
    rdoVol07DeleteOnlyFilesInMainFolder =
        AddMode(modes, "rdoVol07DeleteOnlyFilesInMainFolder",
                "Delete Selected Files from Main Folders Only.",
                "Retain Empty Main Folders, and Complete Subfolder Structures with Files.",
                DeleteTabMode::FilesInMainFolder);
    rdoVol07DeleteSubFolders->setChecked(true);
    column->addWidget(modes);

    chkVol07DeleteDoubleConfirm = new QCheckBox("DOUBLE Confirmation for Deleting", frame);
    chkVol07DeleteDoubleConfirm->setObjectName("chkVol07DeleteDoubleConfirm");
    chkVol07DeleteDoubleConfirm->setChecked(true);
    column->addWidget(chkVol07DeleteDoubleConfirm);

    chkVol07ReadOnlyFolders = new QCheckBox(
        "Check to Delete Special Read-Only Folders too, if they are SELECTED  (\\\\My Music, "
        "\\\\My Videos, etc.) .",
        frame);
    chkVol07ReadOnlyFolders->setObjectName("chkVol07ReadOnlyFolders");
    connect(chkVol07ReadOnlyFolders, &QCheckBox::toggled, this,
            &DeleteTab::chkVol07ReadOnlyFoldersToggled);
    column->addWidget(chkVol07ReadOnlyFolders);

    btnVol07DeleteFolders =
        new QPushButton(" DELETE  Folders /  F. Structures   PERMANENTLY", frame);
    btnVol07DeleteFolders->setObjectName("btnVol07DeleteFolders");
    connect(btnVol07DeleteFolders, &QPushButton::clicked, this,
            &DeleteTab::btnVol07DeleteFoldersClick);
    column->addWidget(btnVol07DeleteFolders);

    btnVol07DeleteFoldersSimulation = new QPushButton("Simulation", frame);
    btnVol07DeleteFoldersSimulation->setObjectName("btnVol07DeleteFoldersSimulation");
    btnVol07DeleteFoldersSimulation->setToolTip(
        "Simulate the Folder/File Delete process (No actual Deleting).");
    connect(btnVol07DeleteFoldersSimulation, &QPushButton::clicked, this,
            &DeleteTab::btnVol07DeleteFoldersSimulationClick);
    column->addWidget(btnVol07DeleteFoldersSimulation);
    btnVol07Help = new QPushButton("Help", frame);
    btnVol07Help->setObjectName("btnVol07Help");
    connect(btnVol07Help, &QPushButton::clicked, this, &DeleteTab::btnVol07HelpClick);
    btnVol07Examples = new QPushButton("Examples", frame);
    btnVol07Examples->setObjectName("btnVol07Examples");
    connect(btnVol07Examples, &QPushButton::clicked, this, &DeleteTab::btnVol07ExamplesClick);
    auto* helpRow = new QHBoxLayout;
    helpRow->addWidget(btnVol07Help);
    helpRow->addWidget(btnVol07Examples);
    helpRow->addStretch(1);
    column->addLayout(helpRow);

    prgVol07ToDoCount = new QProgressBar(frame);
    prgVol07ToDoCount->setObjectName("prgVol07ToDoCount");
    // Its place stays taken while hidden, so showing it needs no new layout before it paints.
    QSizePolicy keepPlace = prgVol07ToDoCount->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    prgVol07ToDoCount->setSizePolicy(keepPlace);
    prgVol07ToDoCount->hide();
    column->addWidget(prgVol07ToDoCount);

    services_.side->insertWidget(0, frame);

    chkVol07ShowDetailedResults = sheet->findChild<QCheckBox*>("chkVol07ShowDetailedResults");
    btnVol07Statistics = sheet->findChild<QPushButton*>("btnVol07Statistics");
    btnVol07FileSelection = sheet->findChild<QPushButton*>("btnVol07FileSelection");
    lblVol07FileTypesAllSelected = sheet->findChild<QLabel*>("lblVol07FileTypesAllSelected");
    // The caption beside the patterns summary has no name of its own.
    for (QLabel* label : sheet->findChildren<QLabel*>())
        if (label->text() == "Sel. Types:") lblSelTypes = label;

    for (const auto& [button, mode] : modeButtons_) {
        connect(button, &QRadioButton::toggled, this, [this, mode = mode](bool checked) {
            if (checked) ModeChosen(mode);
        });
    }
}

QRadioButton* DeleteTab::AddMode(QWidget* frame, const char* name, const char* caption,
                                 const char* hint, DeleteTabMode mode) {
    auto* button = new QRadioButton(caption, frame);
    button->setObjectName(name);
    if (hint) button->setToolTip(hint);
    frame->layout()->addWidget(button);
    // Connected only once every control exists: the default check must not refresh half a tab.
    modeButtons_.push_back({button, mode});
    return button;
}

DeleteTabMode DeleteTab::CheckedMode() const {
    if (rdoVol07DeleteCompleteFolders->isChecked()) return DeleteTabMode::Complete;
    if (rdoVol07DeleteOnlyFiles->isChecked()) return DeleteTabMode::FilesInTree;
    if (rdoVol07DeleteOnlyFilesInMainFolder->isChecked()) return DeleteTabMode::FilesInMainFolder;
    return DeleteTabMode::SubfoldersOnly;
}

void DeleteTab::ModeChosen(DeleteTabMode mode) {
    Refresh();
    if (const auto hint = hints_.OnModeChosen(mode))
        ShowDeleteMessage(services_.context.messenger, *hint);
}

void DeleteTab::Refresh() {
    const bool hasItems = !services_.pane.IncludeLines().empty();
    const DeleteTabMode mode = CheckedMode();
    const DeleteTabEnabling enabling = DeleteEnablingFor(hasItems, mode);
    for (QWidget* widget : std::initializer_list<QWidget*>{
             rdoVol07DeleteSubFolders, rdoVol07DeleteCompleteFolders, rdoVol07DeleteOnlyFiles,
             rdoVol07DeleteOnlyFilesInMainFolder, chkVol07DeleteDoubleConfirm,
             chkVol07ReadOnlyFolders, chkVol07ShowDetailedResults})
        if (widget) widget->setEnabled(enabling.options);
    if (btnVol07Statistics) btnVol07Statistics->setEnabled(enabling.visualLog);
    btnVol07DeleteFolders->setEnabled(enabling.run);
    btnVol07DeleteFoldersSimulation->setEnabled(enabling.run);
    for (QWidget* widget : std::initializer_list<QWidget*>{
             btnVol07FileSelection, lblVol07FileTypesAllSelected, lblSelTypes})
        if (widget) widget->setEnabled(enabling.fileSelection);

    countClock_.start();
    countPaint_.invalidate();
    toDo_.Refresh(services_.log, services_.pane.IncludeLines(),
                  hasItems ? mode : DeleteTabMode::FilesInMainFolder,
                  services_.context.settings.selectedPatterns,
                  [this](std::size_t done, std::size_t total) { ShowCountProgress(done, total); });
    prgVol07ToDoCount->hide();
}

void DeleteTab::ShowCountProgress(std::size_t done, std::size_t total) {
    if (countClock_.elapsed() < kCountBarDelayMs) return;
    if (countPaint_.isValid() && countPaint_.elapsed() < kCountBarIntervalMs) return;
    // Without a total the lines are still being checked, at most all of them; then the bar
    // fills again as the main folders are measured.
    if (total == 0) total = std::max<std::size_t>(services_.pane.IncludeLines().size(), done);
    prgVol07ToDoCount->setRange(0, static_cast<int>(std::min<std::size_t>(total, INT_MAX)));
    prgVol07ToDoCount->setValue(static_cast<int>(std::min<std::size_t>(done, INT_MAX)));
    prgVol07ToDoCount->show();
    prgVol07ToDoCount->repaint();
    countPaint_.start();
}

void DeleteTab::ClearFields() {
    if (chkVol07ShowDetailedResults) chkVol07ShowDetailedResults->setChecked(true);
    chkVol07DeleteDoubleConfirm->setChecked(true);
    chkVol07ReadOnlyFolders->setChecked(false);
    rdoVol07DeleteSubFolders->setChecked(true);
}

void DeleteTab::chkVol07ReadOnlyFoldersToggled(bool checked) {
    if (checked) ShowDeleteMessage(services_.context.messenger, DeleteMessageId::ReadOnlyOption);
}

DeleteTabOptions DeleteTab::Options() const {
    DeleteTabOptions options;
    options.includeLines = services_.pane.IncludeLines();
    options.mode = CheckedMode();
    options.patterns = services_.context.settings.selectedPatterns;
    options.doubleConfirm = chkVol07DeleteDoubleConfirm->isChecked();
    options.readOnlyFolders = chkVol07ReadOnlyFolders->isChecked();
    options.showVisualLog =
        !chkVol07ShowDetailedResults || chkVol07ShowDetailedResults->isChecked();
    return options;
}

DeleteRunPorts DeleteTab::Ports() {
    return {services_.context.fs, services_.context.text, services_.context.messenger,
            services_.log, &toDo_};
}

DeleteTabLock DeleteTab::Lock() const {
    return {services_.lockOtherTabs, services_.unlockTabs};
}

void DeleteTab::btnVol07DeleteFoldersClick() {
    RunDeleteFolders(Ports(), Options(), Lock());
}

void DeleteTab::btnVol07DeleteFoldersSimulationClick() {
    RunDeleteSimulation(Ports(), Options(), Lock());
}

void DeleteTab::btnVol07ExamplesClick() {
    if (services_.showExamples) services_.showExamples(ExampleWindow::Delete);
}

void DeleteTab::btnVol07HelpClick() {
    if (services_.showHelp) services_.showHelp(kHelpTopicDelete);
}

void DeleteTab::SaveJob(TabJob& job) const {
    const DeleteTabOptions options = Options();
    job.tab = JobTab::Delete;
    job.include = services_.pane.IncludeLines();
    job.exclude = services_.pane.ExcludeLines();
    job.deleteMode = options.mode;
    job.readOnlyFolders = options.readOnlyFolders;
    job.files = SelectionTextForJob(services_.context.settings);
}

void DeleteTab::OpenJob(const TabJob& job) {
    // Set as saved: the hints of a first click and of the read-only box are not for a job.
    for (const auto& [button, mode] : modeButtons_) {
        const QSignalBlocker blocker(button);
        if (mode == job.deleteMode) button->setChecked(true);
    }
    {
        const QSignalBlocker blocker(chkVol07ReadOnlyFolders);
        chkVol07ReadOnlyFolders->setChecked(job.readOnlyFolders);
    }
    services_.pane.OpenJob(job.include, job.exclude);
}

}  // namespace arbovane
