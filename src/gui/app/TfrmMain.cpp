#include "gui/app/TfrmMain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "core/app/MainWindowRules.h"
#include "core/app/ProgramSettings.h"
#include "core/app/SaveClass.h"
#include "core/help/HelpEngine.h"
#include "core/lists/TransferBuilderList.h"
#include "core/ops/create/CreateMessages.h"
#include "core/run/JournalKeeper.h"
#include "core/run/RunMessages.h"
#include "gui/acquire/TfrmDelimiters.h"
#include "gui/acquire/TfrmSubFolderListBuilder.h"
#include "gui/app/ProgramWindows.h"
#include "gui/app/ShellOpen.h"
#include "gui/app/TfrmAbout.h"
#include "gui/app/TfrmAltalanosHelp.h"
#include "gui/app/TfrmOverViewHelp.h"
#include "gui/help/ExamplesWindow.h"
#include "gui/lists/FolderListPane.h"
#include "gui/lists/TfrmVol02EditIncludeList.h"
#include "gui/lists/TfrmVol04EditIncludeList.h"
#include "gui/lists/TfrmVol06EditIncludeList.h"
#include "gui/lists/TfrmVol07EditIncludeList.h"
#include "gui/lists/TfrmVol08EditIncludeList.h"
#include "gui/ops/copy/CopyTab.h"
#include "gui/ops/create/CreateFoldersTab.h"
#include "gui/ops/delete/DeleteTab.h"
#include "gui/ops/rename/RenameTab.h"
#include "gui/templates/TemplatePane.h"
#include "gui/templates/TfrmFileSelection.h"
#include "gui/visuallog/VisualLogWindow.h"
#include "platform/Messenger.h"
#include "platform/Shell.h"

namespace arbovane {

namespace {

// Page order of the tabs.
enum TabIndex { kTabCopy, kTabDelete, kTabRename, kTabCreate1, kTabCreate2, kTabCreate3 };

constexpr int kHintHidePause = 600000;

const char* const kPrefixes[] = {"Vol08", "Vol07", "Vol06", "Vol02", "Vol04", "Vol03"};

std::string Name(int tab, const char* kind, const char* rest) {
    return std::string(kind) + kPrefixes[tab] + rest;
}

QStringList ToQt(const std::vector<std::string>& items) {
    QStringList list;
    for (const std::string& item : items) list << QString::fromStdString(item);
    return list;
}

std::vector<std::string> ItemsOf(const QComboBox* box) {
    std::vector<std::string> items;
    for (int i = 0; i < box->count(); ++i) items.push_back(box->itemText(i).toStdString());
    return items;
}

}  // namespace

TfrmMain::TfrmMain(GuiContext& context, HelpEngine& help, QWidget* parent)
    : QMainWindow(parent), context_(context), help_(help) {
    setObjectName("frmMain");
    // Steps 1 to 5: identifier, title and default directory, then the settings file is read or,
    // on a first start, written before anything is shown.
    LoadOrCreateSettings(context_.fs, context_.messenger, context_.settings, &settingsSeen_);
    setWindowTitle(QString::fromStdString(context_.settings.programTitle));

    for (VisualLogTab tab : {VisualLogTab::Vol08, VisualLogTab::Vol07, VisualLogTab::Vol06,
                             VisualLogTab::Vol02, VisualLogTab::Vol04, VisualLogTab::Vol03})
        logs_[static_cast<std::size_t>(tab)] = std::make_unique<VisualLog>(tab);
    LoadJournals();

    BuildMenu();
    BuildTabs();

    // Step 6: the run counters start at zero.
    for (auto& log : logs_) log->ZeroCounters();
    // Step 9: every control that needs a non-empty include list starts disabled.
    for (int tab : {kTabCreate3, kTabCreate1, kTabCreate2, kTabRename, kTabDelete, kTabCopy})
        EnableTabControls(tab, false);
    // Step 15: the remembered destinations.
    cboVol02DestFolders->clear();
    cboVol02DestFolders->addItems(
        ToQt(DestinationComboItems(context_.text, context_.settings.vol02Destinations)));
    cboVol03DestFolders->clear();
    cboVol03DestFolders->addItems(
        ToQt(DestinationComboItems(context_.text, context_.settings.vol03Destinations)));
    // Step 16.
    pgeMain->setCurrentIndex(kTabCopy);
    // Fits a 1366 x 768 screen with its title bar and a task bar.
    resize(1180, 680);
}

TfrmMain::~TfrmMain() {
    FormDestroy();
}

void TfrmMain::LoadJournals() {
    const struct {
        VisualLogTab log;
        RunJournal::Kind kind;
        UndoTab tab;
    } kept[] = {
        {VisualLogTab::Vol08, RunJournal::Kind::Folders, UndoTab::Copy},
        {VisualLogTab::Vol02, RunJournal::Kind::Folders, UndoTab::CreateI},
        {VisualLogTab::Vol04, RunJournal::Kind::Folders, UndoTab::CreateII},
        {VisualLogTab::Vol03, RunJournal::Kind::Folders, UndoTab::CreateIII},
        {VisualLogTab::Vol06, RunJournal::Kind::Rename, UndoTab::Copy},
    };
    for (const auto& k : kept) {
        auto keeper = std::make_unique<JournalKeeper>(context_.fs, context_.settings.programTitle);
        RunJournal identity;
        identity.kind = k.kind;
        identity.tab = k.tab;
        keeper->SetPath(TabJournalPath(context_.settings.defaultDirectory, identity));
        RunJournal journal;
        std::string error;
        // A file of another tab's run (copied by hand) is not this tab's to take back.
        if (keeper->Load(journal, error) == JournalKeeper::LoadResult::Loaded &&
            journal.kind == k.kind &&
            (k.kind == RunJournal::Kind::Rename || journal.tab == k.tab)) {
            if (k.kind == RunJournal::Kind::Rename)
                renameJournal_ = std::move(journal.renames);
            else
                journals_[static_cast<std::size_t>(k.log)] = std::move(journal.folders);
        }
        keepers_[static_cast<std::size_t>(k.log)] = std::move(keeper);
    }
}

void TfrmMain::BuildMenu() {
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("mnuFile");
    QAction* saveJob = file->addAction("&Save Job...", this, &TfrmMain::mnuSaveJobClick);
    saveJob->setObjectName("mnuSaveJob");
    saveJob->setStatusTip("Saves the lists and settings of this tab as a job file");
    QAction* openJob = file->addAction("&Open Job...", this, &TfrmMain::mnuOpenJobClick);
    openJob->setObjectName("mnuOpenJob");
    openJob->setStatusTip("Opens a job file: its tab takes the lists and settings the job holds");
    file->addSeparator();
    QAction* exit = file->addAction("E&xit", this, &TfrmMain::mnuExitClick);
    exit->setObjectName("mnuExit");
    // The hint has a short part for the tool tip and a long one for the status line.
    exit->setToolTip("Exit");
    exit->setStatusTip("Quits the application");

    QMenu* helpMenu = menuBar()->addMenu("&Help");
    helpMenu->setObjectName("mnuHelp");
    helpMenu->addAction("Overview", this, &TfrmMain::mnuOverviewClick)
        ->setObjectName("mnuOverview");
    helpMenu->addAction("Visit ARB on the Web.", this, &TfrmMain::mnuVisitWebClick)
        ->setObjectName("mnuVisitWeb");
    helpMenu->addAction("&About...", this, &TfrmMain::mnuAboutClick)->setObjectName("mnuAbout");

    // Reached only by those who know it; its items come with the features they manage.
    mnuMisc = menuBar()->addMenu("Misc.");
    mnuMisc->setObjectName("mnuMisc");
    mnuMisc->menuAction()->setVisible(false);
    mnuMisc->addAction("Manage Separators", this, &TfrmMain::mnuManageSeparatorsClick)
        ->setObjectName("mnuManageSeparators");
    statusBar();
}

QWidget* TfrmMain::AddTab(const char* objectName, const char* caption, VisualLogTab logTab,
                          bool hasTemplates) {
    const int tab = pgeMain->count();
    auto* sheet = new QWidget(pgeMain);
    sheet->setObjectName(objectName);
    pgeMain->addTab(sheet, caption);

    auto* columns = new QHBoxLayout(sheet);
    auto* paneHost = new QVBoxLayout;
    paneHosts_[static_cast<std::size_t>(tab)] = paneHost;
    columns->addLayout(paneHost, 3);

    auto* side = new QVBoxLayout;
    columns->addLayout(side, 2);
    sideColumns_[static_cast<std::size_t>(tab)] = side;
    if (hasTemplates) {
        const TemplateTab templateTab = logTab == VisualLogTab::Vol08   ? TemplateTab::Vol08
                                        : logTab == VisualLogTab::Vol02 ? TemplateTab::Vol02
                                        : logTab == VisualLogTab::Vol04 ? TemplateTab::Vol04
                                                                        : TemplateTab::Vol03;
        auto* templates = new TemplatePane(context_, templateTab, sheet);
        side->addWidget(templates, 1);
        templatePanes_[static_cast<std::size_t>(tab)] = templates;
    }

    auto* logRow = new QHBoxLayout;
    // The check box names differ between the tabs.
    const bool viewName = logTab == VisualLogTab::Vol02 || logTab == VisualLogTab::Vol04 ||
                          logTab == VisualLogTab::Vol03;
    auto* show = new QCheckBox("Show Visual Log", sheet);
    show->setObjectName(QString::fromStdString(
        Name(tab, "chk", viewName ? "ViewDetailedResults" : "ShowDetailedResults")));
    show->setChecked(true);
    auto* button = new QPushButton("Visual Log", sheet);
    button->setObjectName(QString::fromStdString(
        Name(tab, "btn", logTab == VisualLogTab::Vol02 ? "Statistic" : "Statistics")));
    connect(button, &QPushButton::clicked, this, [this, logTab] { ShowVisualLog(logTab); });
    logRow->addWidget(show);
    logRow->addWidget(button);
    logRow->addStretch();
    side->addLayout(logRow);
    side->addStretch();
    return sheet;
}

void TfrmMain::BuildTabs() {
    pgeMain = new QTabWidget(this);
    pgeMain->setObjectName("pgeMain");
    setCentralWidget(pgeMain);

    AddTab("tabFoldersCopy02", "Copy Folder Structures", VisualLogTab::Vol08, true);
    QWidget* deleteSheet =
        AddTab("tabFoldersDelete01", "Delete Folder Structures", VisualLogTab::Vol07, false);
    QWidget* renameSheet =
        AddTab("tabFoldersRename01", "Rename Folders ", VisualLogTab::Vol06, false);
    QWidget* create1 =
        AddTab("tabFolderCreate03", "Create Folder Structures-I", VisualLogTab::Vol02, true);
    QWidget* create2 =
        AddTab("tabFolderCreate05", "Create Folder Struct.-II", VisualLogTab::Vol04, true);
    QWidget* create3 =
        AddTab("tabFolderCreate04", "Create Folder Struct.-III", VisualLogTab::Vol03, true);
    QWidget* copySheet = pgeMain->widget(kTabCopy);

    // "Select/View Files" and "Sel. Types:" of the two tabs that work on files.
    const auto addSelTypes = [this](QWidget* sheet, const char* label, const char* button,
                                    void (TfrmMain::*handler)()) {
        auto* row = new QHBoxLayout;
        auto* select = new QPushButton("Select/View Files", sheet);
        select->setObjectName(button);
        connect(select, &QPushButton::clicked, this, handler);
        row->addWidget(select);
        row->addWidget(new QLabel("Sel. Types:", sheet));
        auto* types = new QLabel("All.", sheet);
        types->setObjectName(label);
        row->addWidget(types);
        row->addStretch();
        static_cast<QBoxLayout*>(sheet->layout()->itemAt(1)->layout())->insertLayout(0, row);
        return types;
    };
    lblVol08FileTypesAllSelected =
        addSelTypes(copySheet, "lblVol08FileTypesAllSelected", "btnVol08FileSelection",
                    &TfrmMain::btnVol08FileSelectionClick);
    lblVol07FileTypesAllSelected =
        addSelTypes(deleteSheet, "lblVol07FileTypesAllSelected", "btnVol07FileSelection",
                    &TfrmMain::btnVol07FileSelectionClick);

    // First and last folder a creation or rename run will produce; empty until then.
    const auto addPreview = [](QWidget* sheet, const char* prefix) {
        auto* frame = new QGroupBox("Preview", sheet);
        auto* grid = new QVBoxLayout(frame);
        for (const char* which : {"StartFolder", "EndFolder"}) {
            auto* label = new QLabel(frame);
            label->setObjectName(QString("lbl%1%2").arg(prefix, which));
            label->setTextInteractionFlags(Qt::TextSelectableByMouse);
            grid->addWidget(label);
        }
        static_cast<QBoxLayout*>(sheet->layout()->itemAt(1)->layout())->insertWidget(0, frame);
    };
    // "List Builder" of the three tabs that work on existing folders.
    const auto addBuilder = [this](QWidget* sheet, const char* name, void (TfrmMain::*handler)()) {
        auto* button = new QPushButton("List Builder", sheet);
        button->setObjectName(name);
        connect(button, &QPushButton::clicked, this, handler);
        auto* row = new QHBoxLayout;
        row->addWidget(button);
        row->addStretch();
        static_cast<QBoxLayout*>(sheet->layout()->itemAt(1)->layout())->insertLayout(0, row);
    };
    addBuilder(copySheet, "btnVol08SubFolderLevelListBuilder",
               &TfrmMain::btnVol08SubFolderLevelListBuilderClick);
    addBuilder(deleteSheet, "btnVol07SubFolderLevelListBuilder",
               &TfrmMain::btnVol07SubFolderLevelListBuilderClick);
    addBuilder(renameSheet, "btnVol06SubFolderLevelListBuilder",
               &TfrmMain::btnVol06SubFolderLevelListBuilderClick);

    addPreview(renameSheet, "Vol06");
    addPreview(create1, "Vol02");
    addPreview(create2, "Vol04");
    addPreview(create3, "Vol03");

    const auto addDestination = [](QWidget* sheet, const char* name, const char* caption) {
        auto* frame = new QGroupBox(caption, sheet);
        auto* row = new QHBoxLayout(frame);
        auto* box = new QComboBox(frame);
        box->setObjectName(name);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        row->addWidget(box);
        static_cast<QBoxLayout*>(sheet->layout()->itemAt(1)->layout())->insertWidget(0, frame);
        return box;
    };
    cboVol02DestFolders = addDestination(create1, "cboVol02DestFolders", "Destination Folder :");
    cboVol03DestFolders = addDestination(create3, "cboVol03DestFolders", "Destination folder :");

    // Tab 6 has no list pane: its numbers take the pane's place.
    auto* numbers = new QGroupBox("Increased Numbers", create3);
    auto* numbersRow = new QHBoxLayout(numbers);
    for (const char* which : {"StartNumber", "EndNumber"}) {
        auto* label = new QLabel(
            which == std::string("StartNumber") ? "Start Number :" : "End (Stop) Number :",
            numbers);
        label->setObjectName(QString("lblVol03%1").arg(which));
        numbersRow->addWidget(label);
        auto* edit = new QLineEdit("1", numbers);
        edit->setObjectName(QString("edtVol03%1").arg(which));
        numbersRow->addWidget(edit);
    }
    auto* clear = new QPushButton("Clear Fields", numbers);
    clear->setObjectName("btnVol03ClearAll");
    connect(clear, &QPushButton::clicked, this, &TfrmMain::btnVol03ClearAllClick);
    numbersRow->addWidget(clear);
    paneHosts_[kTabCreate3]->addWidget(numbers);
    paneHosts_[kTabCreate3]->addStretch();
}

void TfrmMain::AttachWindows(ProgramWindows& windows) {
    windows_ = &windows;
    struct PaneSetup {
        int tab;
        TabPrefix prefix;
        EditIncludeListWindow* edit;
    };
    const PaneSetup setups[] = {
        {kTabCopy, TabPrefix::Vol08, windows.vol08Edit.get()},
        {kTabDelete, TabPrefix::Vol07, windows.vol07Edit.get()},
        {kTabRename, TabPrefix::Vol06, windows.vol06Edit.get()},
        {kTabCreate1, TabPrefix::Vol02, windows.vol02Edit.get()},
        {kTabCreate2, TabPrefix::Vol04, windows.vol04Edit.get()},
    };
    for (const PaneSetup& setup : setups) {
        auto* pane = new FolderListPane(context_, setup.prefix, *windows.zoomInclude, *setup.edit,
                                        *windows.fileExport, pgeMain->widget(setup.tab));
        const int tab = setup.tab;
        pane->SetRefreshHook([this, tab] { RefreshTab(tab); });
        pane->SetClearFieldsHook([this, tab] {
            if (TemplatePane* templates = Templates(tab)) templates->ClearFields();
            // The lists go with the counters, so the Visual Log never shows outcomes it does
            // not count.
            logs_[static_cast<std::size_t>(tab)]->ClearOutcomes();
            logs_[static_cast<std::size_t>(tab)]->ZeroCounters();
            if (tab == kTabCopy && copyTab_) copyTab_->ClearFields();
            if (tab == kTabDelete && deleteTab_) deleteTab_->ClearFields();
            if (tab == kTabRename && renameTab_) renameTab_->ClearFields();
            if (CreateFoldersTab* create = CreateTabOf(tab)) create->ClearFields();
            EnableTabControls(tab, false);
        });
        pane->SetImportWindow(windows.fileImport.get());
        paneHosts_[static_cast<std::size_t>(tab)]->addWidget(pane);
        panes_[static_cast<std::size_t>(tab)] = pane;
    }
    const auto services = [this](int tab, VisualLogTab logTab) {
        QWidget* sheet = pgeMain->widget(tab);
        return TabServices{context_,
                           sheet,
                           sideColumns_[static_cast<std::size_t>(tab)],
                           *panes_[static_cast<std::size_t>(tab)],
                           Log(logTab),
                           [this, sheet] { LockTabsFor(sheet); },
                           [this] { UnlockTabs(); },
                           [this](int topic) { ShowHelpTopic(topic); },
                           [this](ExampleWindow window) { ShowExamples(window); },
                           Keeper(logTab)};
    };
    // Until the copy and creation tabs have their controllers, a template change re-applies the
    // tab's enabling; the controllers replace the hook with their refresh.
    for (int tab : {kTabCopy, kTabCreate1, kTabCreate2, kTabCreate3}) {
        TemplatePane* templates = Templates(tab);
        templates->SetWindows({windows.fileImport.get(), windows.fileExport.get(),
                               windows.folderStructuresTemplates.get(),
                               windows.folderTemplateOptions.get()});
        templates->SetChangeHook([this, tab](TemplateChange) { RefreshTab(tab); });
    }
    copyTab_ =
        std::make_unique<CopyTab>(services(kTabCopy, VisualLogTab::Vol08), *Templates(kTabCopy),
                                  Journal(VisualLogTab::Vol08), TemplateOptions());
    deleteTab_ = std::make_unique<DeleteTab>(services(kTabDelete, VisualLogTab::Vol07));
    renameTab_ =
        std::make_unique<RenameTab>(services(kTabRename, VisualLogTab::Vol06), renameJournal_);
    const struct {
        int tab;
        CreateTab kind;
        VisualLogTab logTab;
        QComboBox* destinations;
    } creations[] = {
        {kTabCreate1, CreateTab::StringList, VisualLogTab::Vol02, cboVol02DestFolders},
        {kTabCreate2, CreateTab::FolderList, VisualLogTab::Vol04, nullptr},
        {kTabCreate3, CreateTab::Numbers, VisualLogTab::Vol03, cboVol03DestFolders},
    };
    for (const auto& c : creations) {
        QWidget* sheet = pgeMain->widget(c.tab);
        createTabs_[static_cast<std::size_t>(c.tab - kTabCreate1)] =
            std::make_unique<CreateFoldersTab>(
                c.kind,
                CreateTabServices{
                    context_, sheet, sideColumns_[static_cast<std::size_t>(c.tab)],
                    paneHosts_[static_cast<std::size_t>(c.tab)],
                    panes_[static_cast<std::size_t>(c.tab)], c.destinations, Log(c.logTab),
                    [this, sheet] { LockTabsFor(sheet); }, [this] { UnlockTabs(); },
                    [this](int topic) { ShowHelpTopic(topic); },
                    [this](ExampleWindow window) { ShowExamples(window); }, Keeper(c.logTab)},
                *Templates(c.tab), Journal(c.logTab), TemplateOptions());
    }
    for (int tab : {kTabCopy, kTabDelete, kTabRename, kTabCreate1, kTabCreate2, kTabCreate3})
        RefreshTab(tab);

    // Tool tips stay up for ten minutes while the mouse rests on a control.
    for (QWidget* widget : findChildren<QWidget*>()) widget->setToolTipDuration(kHintHidePause);
}

UndoJournal& TfrmMain::Journal(VisualLogTab tab) {
    return journals_[static_cast<std::size_t>(tab)];
}

void TfrmMain::RefreshTab(int tabIndex) {
    if (tabIndex == kTabCopy && copyTab_) return copyTab_->Refresh();
    if (tabIndex == kTabDelete && deleteTab_) return deleteTab_->Refresh();
    if (tabIndex == kTabRename && renameTab_) return renameTab_->Refresh();
    if (CreateFoldersTab* create = CreateTabOf(tabIndex)) return create->Refresh();
    const FolderListPane* pane = panes_[static_cast<std::size_t>(tabIndex)];
    EnableTabControls(tabIndex, pane && !pane->IncludeLines().empty());
}

void TfrmMain::EnableTabControls(int tabIndex, bool includeListHasItems) {
    // The rest of each tab's rule comes with its operation; the list panes keep their own buttons
    // usable.
    if (TemplatePane* templates = Templates(tabIndex))
        templates->ApplyEnabling(includeListHasItems);
}

void TfrmMain::LockTabsFor(QWidget* runningTab) {
    static constexpr VisualLogTab kLogOfTab[] = {VisualLogTab::Vol08, VisualLogTab::Vol07,
                                                 VisualLogTab::Vol06, VisualLogTab::Vol02,
                                                 VisualLogTab::Vol04, VisualLogTab::Vol03};
    for (int i = 0; i < pgeMain->count(); ++i)
        if (pgeMain->widget(i) != runningTab) pgeMain->setTabEnabled(i, false);
    const int running = pgeMain->indexOf(runningTab);
    if (running >= 0 && running < 6) liveRun_.Begin(Log(kLogOfTab[running]));
}

void TfrmMain::UnlockTabs() {
    liveRun_.End();
    for (int i = 0; i < pgeMain->count(); ++i) pgeMain->setTabEnabled(i, true);
    if (closeAfterRun_)
        QMetaObject::invokeMethod(this, &TfrmMain::CloseAfterRun, Qt::QueuedConnection);
}

void TfrmMain::CloseAfterRun() {
    // The run's last boxes are answered first.
    if (liveRun_.Active() || QApplication::activeModalWidget()) {
        QTimer::singleShot(100, this, &TfrmMain::CloseAfterRun);
        return;
    }
    close();
}

void TfrmMain::ShowVisualLog(VisualLogTab tab) {
    VisualLog& log = Log(tab);
    log.Refresh();
    log.Show();
}

bool TfrmMain::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) FormActivate();
    return QMainWindow::event(event);
}

void TfrmMain::FormActivate() {
    for (auto& log : logs_) log->RederiveMarker();
    Log(VisualLogTab::Vol07).Refresh();
    const QString types = QString::fromStdString(FileTypesLabelText(context_.settings));
    lblVol08FileTypesAllSelected->setText(types);
    lblVol07FileTypesAllSelected->setText(types);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (liveRun_.Active()) {
        // Never a window that vanishes with a run half done behind it.
        event->ignore();
        if (closeAfterRun_) return;
        const VisualLogTab tab = liveRun_.Log()->Layout().tab;
        const OpMessage question = RunMessage(tab, RunMessageId::StopToClose);
        if (context_.messenger.Show(question.text, question.title, question.flags) != kAnswerYes)
            return;
        closeAfterRun_ = true;
        liveRun_.Log()->RequestStop();
        return;
    }
    FormClose();
    event->accept();
    // The program ends with its main window, also while a Visual Log window is still open.
    QCoreApplication::quit();
}

void TfrmMain::FormClose() {
    TakeDestinations(ItemsOf(cboVol02DestFolders), context_.settings.vol02Destinations);
    TakeDestinations(ItemsOf(cboVol03DestFolders), context_.settings.vol03Destinations);
    SaveUnlessUnchanged(context_.fs, context_.messenger, context_.settings, settingsSeen_);
}

void TfrmMain::FormDestroy() {
    if (destroyed_) return;
    destroyed_ = true;
    CloseHelpAtExit(context_.fs, context_.messenger, help_, context_.settings.defaultDirectory,
                    context_.settings.programIdentifier);
}

bool TfrmMain::SelectFiles() {
    if (!windows_ || windows_->fileSelection->Run() != QDialog::Accepted) return false;
    const QString types = QString::fromStdString(FileTypesLabelText(context_.settings));
    lblVol08FileTypesAllSelected->setText(types);
    lblVol07FileTypesAllSelected->setText(types);
    return true;
}

// The copy tab recomputes its totals and the delete tab refreshes itself after an OK; both come
// with their operations.
void TfrmMain::btnVol08FileSelectionClick() {
    if (SelectFiles()) RefreshTab(kTabCopy);
}

void TfrmMain::btnVol07FileSelectionClick() {
    if (SelectFiles()) RefreshTab(kTabDelete);
}

void TfrmMain::TransferBuilderListTo(int tabIndex) {
    FolderListPane* pane = panes_[static_cast<std::size_t>(tabIndex)];
    if (!windows_ || !pane) return;
    TfrmSubFolderListBuilder& builder = *windows_->listBuilder;
    builder.Run();
    const TabPrefix prefix = tabIndex == kTabCopy     ? TabPrefix::Vol08
                             : tabIndex == kTabDelete ? TabPrefix::Vol07
                                                      : TabPrefix::Vol06;
    if (const auto warning = TransferBuilderList(prefix, pane->Model(), builder.IncludeLines(),
                                                 builder.ClosedWithImport())) {
        context_.messenger.Show(warning->text, warning->title, warning->flags);
        return;
    }
    pane->ListsChanged();
}

void TfrmMain::btnVol08SubFolderLevelListBuilderClick() {
    TransferBuilderListTo(kTabCopy);
}
void TfrmMain::btnVol07SubFolderLevelListBuilderClick() {
    TransferBuilderListTo(kTabDelete);
}
void TfrmMain::btnVol06SubFolderLevelListBuilderClick() {
    TransferBuilderListTo(kTabRename);
}

void TfrmMain::mnuManageSeparatorsClick() {
    if (windows_) windows_->delimiters->Run();
}

void TfrmMain::mnuExitClick() {
    close();
}

void TfrmMain::mnuOverviewClick() {
    if (windows_) windows_->overview->exec();
}

void TfrmMain::mnuVisitWebClick() {
    OpenWithShell(context_, help_.HelpFile());
}

void TfrmMain::ShowHelpTopic(int topic) {
    if (windows_) windows_->altalanosHelp->ShowHelpTopic(topic);
}

void TfrmMain::ShowExamples(ExampleWindow window) {
    if (windows_) windows_->Examples(window).exec();
}

void TfrmMain::mnuAboutClick() {
    if (windows_) windows_->about->ShowCentred();
}

void TfrmMain::btnVol03ClearAllClick() {
    if (ShowCreateMessage(context_.messenger, CreateTab::Numbers,
                          CreateMessageId::ClearFieldsQuestion) != kAnswerYes)
        return;
    Templates(kTabCreate3)->ClearFields();
    Log(VisualLogTab::Vol03).ZeroCounters();
    if (CreateFoldersTab* create = CreateTabOf(kTabCreate3)) create->ClearFields();
    ShowCreateMessage(context_.messenger, CreateTab::Numbers, CreateMessageId::ClearFieldsEnd);
}

CreateFoldersTab* TfrmMain::CreateTabOf(int tabIndex) const {
    if (tabIndex < kTabCreate1 || tabIndex > kTabCreate3) return nullptr;
    return createTabs_[static_cast<std::size_t>(tabIndex - kTabCreate1)].get();
}

}  // namespace arbovane
