#include "gui/ops/create/CreateFoldersTab.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/help/Examples.h"
#include "core/help/HelpTopics.h"
#include "core/lists/FolderBrowser.h"
#include "core/ops/create/CreateNames.h"
#include "core/paths/Arbsplit.h"
#include "core/paths/PathText.h"
#include "core/templates/FolderStructSize.h"
#include "core/undo/FolderFileUndoRun.h"
#include "core/undo/RunJournal.h"
#include "core/undo/UndoJournal.h"
#include "core/undo/UndoPlan.h"
#include "core/visuallog/VisualLog.h"
#include "gui/lists/FolderListPane.h"
#include "gui/templates/TemplatePane.h"
#include "platform/Shell.h"

namespace arbovane {

namespace {

using M = CreateMessageId;

const char* PrefixOf(CreateTab tab) {
    switch (tab) {
        case CreateTab::StringList:
            return "Vol02";
        case CreateTab::Numbers:
            return "Vol03";
        case CreateTab::FolderList:
            return "Vol04";
    }
    return "Vol02";
}

UndoTab UndoTabOf(CreateTab tab) {
    switch (tab) {
        case CreateTab::StringList:
            return UndoTab::CreateI;
        case CreateTab::Numbers:
            return UndoTab::CreateIII;
        case CreateTab::FolderList:
            return UndoTab::CreateII;
    }
    return UndoTab::CreateI;
}

int TemplateKeyOf(CreateTab tab) {
    switch (tab) {
        case CreateTab::StringList:
            return kTemplateKeyVol02;
        case CreateTab::Numbers:
            return kTemplateKeyVol03;
        case CreateTab::FolderList:
            return kTemplateKeyVol04;
    }
    return kTemplateKeyVol02;
}

std::vector<std::string> ItemsOf(const QComboBox* box) {
    std::vector<std::string> items;
    for (int i = 0; i < box->count(); ++i) items.push_back(box->itemText(i).toStdString());
    return items;
}

}  // namespace

CreateFoldersTab::CreateFoldersTab(CreateTab tab, CreateTabServices services,
                                   TemplatePane& templates, UndoJournal& journal,
                                   const MAP_FOLDER_TEMPLATE_OPTIONS& options, QObject* parent)
    : QObject(parent),
      tab_(tab),
      services_(std::move(services)),
      templates_(templates),
      journal_(journal),
      file_(services_.context, services_.keeper, LogTabOf(UndoTabOf(tab))),
      options_(options) {
    BuildControls();
    templates_.SetChangeHook([this](TemplateChange change) {
        if (change == TemplateChange::AttachMode || change == TemplateChange::Kind)
            withFiles_ = WithFiles(templates_.Mode());
        Refresh();
    });
    templates_.SetRunButtonsHook([this](bool enabled) {
        btnCreateFolders->setEnabled(enabled && !running_);
        btnCreateFoldersSimulation->setEnabled(enabled && !running_);
    });
}

QString CreateFoldersTab::Name(const char* kind, const char* rest) const {
    return QString("%1%2%3").arg(kind, PrefixOf(tab_), rest);
}

QLineEdit* CreateFoldersTab::MakeEdit(QWidget* parent, const char* rest) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(Name("edt", rest));
    return edit;
}

QCheckBox* CreateFoldersTab::MakeCheck(QWidget* parent, const char* rest, const char* caption,
                                       bool checked) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(Name("chk", rest));
    box->setChecked(checked);
    return box;
}

void CreateFoldersTab::BuildControls() {
    QWidget* sheet = services_.sheet;
    const bool numbers = tab_ == CreateTab::Numbers;
    auto* frame = new QGroupBox(sheet);
    frame->setObjectName(Name("grp", "FolderNames"));
    auto* column = new QVBoxLayout(frame);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Prefix :", frame), 0, 0);
    edtPrefix = MakeEdit(frame, "Prefix");
    grid->addWidget(edtPrefix, 0, 1);
    grid->addWidget(new QLabel("Suffix :", frame), 0, 2);
    edtSuffix = MakeEdit(frame, "Suffix");
    grid->addWidget(edtSuffix, 0, 3);
    chkHyphen =
        MakeCheck(frame, "Hyphen",
                  numbers ? "Hyphen between Prefix-Increased Number-Suffix." : "Hyphen", false);
    if (tab_ == CreateTab::FolderList)
        chkHyphen->setToolTip("Hyphen between Prefix-Last SubFolder-Suffix.");
    grid->addWidget(chkHyphen, 1, 0, 1, 4);
    if (numbers) {
        chkPaddedZeroes =
            MakeCheck(frame, "PaddedZeroes", "Padded zeroes in Increased Numbers.", false);
        grid->addWidget(chkPaddedZeroes, 2, 0, 1, 4);
        chkAddIncNumbersAsSuffix =
            MakeCheck(frame, "AddIncNumbersAsSuffix",
                      "Add Increased Numbers as Suffixes to Subfolders", false);
        grid->addWidget(chkAddIncNumbersAsSuffix, 3, 0, 1, 4);
        edtStartNumber = sheet->findChild<QLineEdit*>("edtVol03StartNumber");
        edtEndNumber = sheet->findChild<QLineEdit*>("edtVol03EndNumber");
        if (edtStartNumber)
            connect(edtStartNumber, &QLineEdit::editingFinished, this,
                    [this] { NumbersLeft(true); });
        if (edtEndNumber)
            connect(edtEndNumber, &QLineEdit::editingFinished, this,
                    [this] { NumbersLeft(false); });
    }
    column->addLayout(grid);
    chkViewDetailedResults = sheet->findChild<QCheckBox*>(Name("chk", "ViewDetailedResults"));
    if (tab_ != CreateTab::FolderList) {
        chkViewDestFolder = MakeCheck(sheet, "ViewDestFolder", "Show Explorer", true);
        // Beside "Show Visual Log".
        QBoxLayout* row = nullptr;
        for (int i = 0; chkViewDetailedResults && i < services_.side->count() && !row; ++i)
            if (auto* inner = qobject_cast<QBoxLayout*>(services_.side->itemAt(i)->layout()))
                if (inner->indexOf(chkViewDetailedResults) >= 0) row = inner;
        if (row) {
            row->insertWidget(1, chkViewDestFolder);
        } else {
            grid->addWidget(chkViewDestFolder, 4, 0, 1, 4);
        }
    }
    connect(edtPrefix, &QLineEdit::textChanged, this, [this] {
        CheckNamePart(edtPrefix, true);
        UpdatePreview();
    });
    connect(edtSuffix, &QLineEdit::textChanged, this, [this] {
        CheckNamePart(edtSuffix, false);
        UpdatePreview();
    });
    for (QCheckBox* box : {chkHyphen, chkPaddedZeroes})
        if (box) connect(box, &QCheckBox::toggled, this, [this] { UpdatePreview(); });

    const char* captions[] = {"  CREATE  Folders/  F. Structures ",
                              "  CREATE  Folders/   F. Structures",
                              "  CREATE  Folders/    F. Structures"};
    const char* hints[] = {"Simulate the Folder creation Process (No actual Folder Creating).",
                           "Simulate the Folder creation Process (no Folder Creation).",
                           "Simulate the Folder Creation Process (No actual Folder Creation)."};
    const int index = static_cast<int>(tab_);
    auto* row = new QHBoxLayout;
    btnCreateFolders = new QPushButton(captions[index], frame);
    btnCreateFolders->setObjectName(Name("btn", "CreateFolders"));
    connect(btnCreateFolders, &QPushButton::clicked, this,
            &CreateFoldersTab::btnCreateFoldersClick);
    row->addWidget(btnCreateFolders);
    btnCreateFoldersSimulation = new QPushButton("Simulation", frame);
    btnCreateFoldersSimulation->setObjectName(Name("btn", "CreateFoldersSimulation"));
    btnCreateFoldersSimulation->setToolTip(hints[index]);
    connect(btnCreateFoldersSimulation, &QPushButton::clicked, this,
            &CreateFoldersTab::btnCreateFoldersSimulationClick);
    row->addWidget(btnCreateFoldersSimulation);
    btnUndo = new QPushButton("Undo", frame);
    btnUndo->setObjectName(Name("btn", "Undo"));
    connect(btnUndo, &QPushButton::clicked, this, &CreateFoldersTab::btnUndoClick);
    row->addWidget(btnUndo);
    btnHelp = new QPushButton("Help", frame);
    btnHelp->setObjectName(Name("btn", tab_ == CreateTab::StringList ? "ListHelp" : "Help"));
    connect(btnHelp, &QPushButton::clicked, this, &CreateFoldersTab::btnHelpClick);
    row->addWidget(btnHelp);
    btnExamples = new QPushButton("Examples", frame);
    btnExamples->setObjectName(Name("btn", tab_ == CreateTab::StringList ? "Example" : "Examples"));
    connect(btnExamples, &QPushButton::clicked, this, &CreateFoldersTab::btnExamplesClick);
    row->addWidget(btnExamples);
    column->addLayout(row);
    // What the tab does, above its options; wrapped, so that it never widens the window.
    const char* frameCaptions[] = {
        "Create Multiple Folders from a List of Strings. Attach Folder Structures (Templates) to "
        "Each NEWLY Created Folder",
        "Create Multiple Folders using Increased Numbers. Attach Folder Structures (Templates) to "
        "Each NEWLY Created Folder.",
        "Create Multiple Folders a List of Folders. Attach Folder Structures  (Templates) to Each "
        "NEWLY  Created Folder."};
    auto* caption = new QLabel(frameCaptions[index], sheet);
    caption->setObjectName(Name("lbl", "TabCaption"));
    caption->setWordWrap(true);
    services_.side->insertWidget(0, caption);
    // The numbers tab has room under its numbers; the list tabs under their lists.
    if (services_.left) {
        services_.left->insertWidget(numbers ? 1 : services_.left->count(), frame);
    } else {
        services_.side->insertWidget(0, frame);
    }

    if (QComboBox* box = services_.destinations) {
        auto* destinationRow = qobject_cast<QBoxLayout*>(box->parentWidget()->layout());
        btnAddDestFolder = new QPushButton("Browse", box->parentWidget());
        btnAddDestFolder->setObjectName(Name("btn", "AddDestFolder"));
        connect(btnAddDestFolder, &QPushButton::clicked, this,
                &CreateFoldersTab::btnAddDestFolderClick);
        btnViewDestFolder = new QPushButton("View", box->parentWidget());
        btnViewDestFolder->setObjectName(Name("btn", "ViewDestFolder"));
        connect(btnViewDestFolder, &QPushButton::clicked, this,
                &CreateFoldersTab::btnViewDestFolderClick);
        if (destinationRow) {
            destinationRow->addWidget(btnAddDestFolder);
            destinationRow->addWidget(btnViewDestFolder);
        }
        connect(box, &QComboBox::activated, this,
                [this, box] { DestinationChosen(box->currentText().toStdString()); });
        if (QLineEdit* typed = box->lineEdit())
            connect(typed, &QLineEdit::editingFinished, this, [this, box] {
                // Leaving the box as it was (also when the tab is left) changes nothing: a
                // refresh would zero the counters of the run the Visual Log still lists.
                if (box->currentText() == destinationSeen_) return;
                destinationSeen_ = box->currentText();
                destinationChosen_ = !destinationSeen_.trimmed().isEmpty();
                Refresh();
            });
    }
    lblStartFolder = sheet->findChild<QLabel*>(Name("lbl", "StartFolder"));
    lblEndFolder = sheet->findChild<QLabel*>(Name("lbl", "EndFolder"));
    btnStatistic = sheet->findChild<QPushButton*>(
        Name("btn", tab_ == CreateTab::StringList ? "Statistic" : "Statistics"));
}

void CreateFoldersTab::btnExamplesClick() {
    const ExampleWindow window = tab_ == CreateTab::StringList ? ExampleWindow::Strings
                                 : tab_ == CreateTab::Numbers  ? ExampleWindow::Numbers
                                                               : ExampleWindow::FolderList;
    if (services_.showExamples) services_.showExamples(window);
}

void CreateFoldersTab::btnHelpClick() {
    const int topic = tab_ == CreateTab::StringList ? kHelpTopicCreateFromStrings
                      : tab_ == CreateTab::Numbers  ? kHelpTopicCreateFromNumbers
                                                    : kHelpTopicCreateFromPaths;
    if (services_.showHelp) services_.showHelp(topic);
}

void CreateFoldersTab::CheckNamePart(QLineEdit* edit, bool prefix) {
    const std::string text = edit->text().toStdString();
    std::string found;
    if (!FindIllegalChars('F', text, found)) return;
    ShowCreateMessage(services_.context.messenger, tab_,
                      prefix ? M::PrefixIllegal : M::SuffixIllegal, found);
    // Shortened until clean: writing the text back checks it again.
    edit->setText(QString::fromStdString(text.substr(0, text.size() - 1)));
    edit->setFocus();
}

void CreateFoldersTab::NumbersLeft(bool startLeft) {
    const NumberBoxes numbers =
        ReadNumberBoxes(edtStartNumber->text().toStdString(), edtEndNumber->text().toStdString());
    if (numbers.startText) {
        edtStartNumber->setText(QString::fromStdString(*numbers.startText));
        (startLeft ? edtEndNumber : edtStartNumber)->setFocus();
    }
    if (numbers.endText) {
        edtEndNumber->setText(QString::fromStdString(*numbers.endText));
        edtEndNumber->setFocus();
    }
    Refresh();
}

bool CreateFoldersTab::Gate() const {
    if (tab_ == CreateTab::Numbers) return destinationChosen_;
    if (tab_ == CreateTab::StringList && !destinationChosen_) return false;
    return services_.pane && !services_.pane->IncludeLines().empty();
}

void CreateFoldersTab::ApplyButtons() {
    const bool gate = Gate();
    // The names are strings below the destination: without one there is nothing to type them into.
    if (tab_ == CreateTab::StringList && services_.pane)
        services_.pane->SetListsEnabled(destinationChosen_ && !running_, !running_);
    templates_.ApplyEnabling(gate);
    const TemplateAreaEnabling& enabling = templates_.Enabling();
    for (QWidget* widget : std::initializer_list<QWidget*>{
             edtPrefix, edtSuffix, chkHyphen, chkPaddedZeroes, chkViewDestFolder,
             chkViewDetailedResults, btnStatistic, edtStartNumber, edtEndNumber})
        if (widget) widget->setEnabled(gate);
    // The names tab's destination row is always usable; the numbers tab's View needs one.
    if (btnViewDestFolder) btnViewDestFolder->setEnabled(tab_ != CreateTab::Numbers || gate);
    if (chkAddIncNumbersAsSuffix) {
        const bool relative = gate && templates_.Kind() == TemplateKind::Relative;
        if (!relative) chkAddIncNumbersAsSuffix->setChecked(false);
        chkAddIncNumbersAsSuffix->setEnabled(relative);
    }
    // The numbers tab has no list to wait for.
    const bool run =
        tab_ == CreateTab::Numbers
            ? gate && (templates_.Kind() == TemplateKind::Nothing || !templates_.Lines().empty())
            : enabling.run;
    btnCreateFolders->setEnabled(run && !running_);
    btnCreateFoldersSimulation->setEnabled(run && !running_);
    const bool undoable = HasSomethingToUndo(UndoTabOf(tab_), journal_) || file_.Damaged();
    btnUndo->setEnabled((gate || undoable) && !running_);
    if (btnAddDestFolder) btnAddDestFolder->setEnabled(!running_);
}

void CreateFoldersTab::Refresh() {
    ApplyButtons();
    VisualLog& log = services_.log;
    for (std::size_t i = 0; i < log.CounterCount(); ++i)
        log.Set(static_cast<CreationCounter>(i), 0);
    if (Gate()) UpdateToCreate(Ports(), totals_, Options(), withFiles_);
    log.Flush();
    UpdatePreview();
}

void CreateFoldersTab::UpdatePreview() {
    if (!lblStartFolder || !lblEndFolder) return;
    const CreatePreview preview = Gate() ? PreviewNewFolders(Options()) : CreatePreview{};
    lblStartFolder->setText(QString::fromStdString(preview.first));
    lblEndFolder->setText(QString::fromStdString(preview.last));
}

void CreateFoldersTab::ClearFields() {
    for (QLineEdit* edit : {edtPrefix, edtSuffix}) edit->clear();
    for (QCheckBox* box : {chkHyphen, chkViewDestFolder, chkViewDetailedResults})
        if (box) box->setChecked(true);
    if (chkAddIncNumbersAsSuffix) chkAddIncNumbersAsSuffix->setChecked(false);
    if (edtStartNumber) edtStartNumber->setText("1");
    if (edtEndNumber) edtEndNumber->setText("1");
    if (services_.destinations && services_.destinations->count() > 0)
        services_.destinations->setCurrentIndex(0);
    journal_ = {};
    file_.Forget();
    destinationChosen_ = false;
    totals_.Forget();
    withFiles_ = false;
    Refresh();
}

CreateTabOptions CreateFoldersTab::Options() const {
    CreateTabOptions options;
    options.tab = tab_;
    if (services_.destinations)
        options.destination = services_.destinations->currentText().toStdString();
    if (services_.pane) options.includeLines = services_.pane->IncludeLines();
    if (edtStartNumber) options.startText = edtStartNumber->text().toStdString();
    if (edtEndNumber) options.endText = edtEndNumber->text().toStdString();
    options.prefix = edtPrefix->text().toStdString();
    options.suffix = edtSuffix->text().toStdString();
    options.hyphen = chkHyphen->isChecked();
    options.padded = chkPaddedZeroes && chkPaddedZeroes->isChecked();
    options.numbersInLevels = chkAddIncNumbersAsSuffix && chkAddIncNumbersAsSuffix->isChecked();
    options.templates = templates_.Lines();
    options.kind = templates_.Kind();
    options.mode = options.kind == TemplateKind::FullPath ? templates_.Mode() : AttachMode::None;
    options.option = TemplateOptionFor(options_, TemplateKeyOf(tab_));
    options.showVisualLog = !chkViewDetailedResults || chkViewDetailedResults->isChecked();
    options.showExplorer = chkViewDestFolder && chkViewDestFolder->isChecked();
    return options;
}

CreateRunPorts CreateFoldersTab::Ports() const {
    return {services_.context.fs, services_.context.text, services_.context.messenger,
            services_.log};
}

void CreateFoldersTab::SetRunning(bool running) {
    running_ = running;
    ApplyButtons();
}

void CreateFoldersTab::MoveDestinationFirst(const std::string& destination) {
    QComboBox* box = services_.destinations;
    if (!box) return;
    const auto history = HistoryWithFirst(services_.context.text, ItemsOf(box), destination);
    const QSignalBlocker blocker(box);
    box->clear();
    for (const std::string& item : history) box->addItem(QString::fromStdString(item));
    box->setCurrentIndex(0);
}

CreateRunHooks CreateFoldersTab::Hooks() {
    CreateRunHooks hooks;
    hooks.lock = [this] {
        services_.lockOtherTabs();
        SetRunning(true);
    };
    hooks.unlock = [this] {
        SetRunning(false);
        services_.unlockTabs();
    };
    hooks.focusAddStructure = [this] {
        if (auto* add = templates_.findChild<QPushButton*>(Name("btn", "AddFolderStructure")))
            add->setFocus();
    };
    hooks.focusEndNumber = [this] {
        if (edtEndNumber) edtEndNumber->setFocus();
    };
    hooks.openDestination = [this](const std::string& folder) {
        services_.context.shell.Open(folder);
    };
    return hooks;
}

void CreateFoldersTab::btnCreateFoldersClick() {
    if (running_) return;
    const CreateTabOptions options = Options();
    CreateRunHooks hooks = Hooks();
    hooks.runEnded = [this, destination = options.destination] {
        MoveDestinationFirst(destination);
    };
    const UndoTab undoTab = UndoTabOf(tab_);
    FileSystem& fs = file_.RunFileSystem(FolderRunJournal(undoTab, {}));
    RunCreateFolders({fs, services_.context.text, services_.context.messenger, services_.log},
                     totals_, journal_, options, hooks);
    file_.EndRun(FolderRunJournal(undoTab, journal_));
    ApplyButtons();
}

void CreateFoldersTab::btnCreateFoldersSimulationClick() {
    if (running_) return;
    const CreateTabOptions options = Options();
    CreateRunHooks hooks = Hooks();
    // Only the numbers tab's simulation moves its destination first.
    if (tab_ == CreateTab::Numbers)
        hooks.runEnded = [this, destination = options.destination] {
            MoveDestinationFirst(destination);
        };
    RunCreateSimulation(Ports(), totals_, options, hooks);
    ApplyButtons();
}

void CreateFoldersTab::btnUndoClick() {
    if (running_ || file_.RefuseDamaged()) return;
    const UndoTab undoTab = UndoTabOf(tab_);
    // The window lets events run during the undo too, so nothing else may start meanwhile.
    SetRunning(true);
    services_.lockOtherTabs();
    RunFolderFileUndo(undoTab, journal_, services_.log, file_.UndoFileSystem(),
                      services_.context.text, services_.context.messenger,
                      file_.Hooks([this, undoTab] { return FolderRunJournal(undoTab, journal_); }));
    services_.unlockTabs();
    SetRunning(false);
    ApplyButtons();
}

void CreateFoldersTab::btnAddDestFolderClick() {
    DestinationChosen(BrowseFolder(services_.context.shell));
}

void CreateFoldersTab::DestinationChosen(const std::string& chosen) {
    QComboBox* box = services_.destinations;
    if (!box) return;
    const std::string trimmed = TrimSpaces(chosen);
    if (tab_ == CreateTab::Numbers) {
        FolderStructSize size(services_.context.fs, trimmed);
        size.SetIncludeMain(!(templates_.Mode() == AttachMode::SubFoldersOnlyWithFiles ||
                              templates_.Mode() == AttachMode::SubFoldersOnlyWithoutFiles));
        if (!trimmed.empty()) size.MeasureAllFiles();
        ShowCreateMessage(services_.context.messenger, tab_, M::DestinationSummary,
                          DestinationSummaryText(trimmed, trimmed.empty() ? 0 : size.FolderCount(),
                                                 size.AllFileCount(), size.AllByteTotal()));
    }
    if (trimmed.empty()) {
        if (tab_ == CreateTab::Numbers) destinationChosen_ = false;
        if (box->currentText().trimmed().isEmpty() || tab_ == CreateTab::Numbers) {
            ShowCreateMessage(services_.context.messenger, tab_, M::DestinationEmpty);
            box->setFocus();
        }
        Refresh();
        return;
    }
    MoveDestinationFirst(trimmed);
    destinationChosen_ = true;
    destinationSeen_ = box->currentText();
    Refresh();
}

void CreateFoldersTab::btnViewDestFolderClick() {
    const std::string destination =
        services_.destinations ? TrimSpaces(services_.destinations->currentText().toStdString())
                               : std::string{};
    if (destination.empty()) {
        ShowCreateMessage(services_.context.messenger, tab_, M::ViewEmpty);
        return;
    }
    services_.context.shell.Open(destination);
}

void CreateFoldersTab::SaveJob(TabJob& job) const {
    const CreateTabOptions options = Options();
    job.tab = tab_ == CreateTab::StringList   ? JobTab::CreateNames
              : tab_ == CreateTab::FolderList ? JobTab::CreatePaths
                                              : JobTab::CreateNumbers;
    if (services_.pane) {
        job.include = services_.pane->IncludeLines();
        job.exclude = services_.pane->ExcludeLines();
    }
    // Without a chosen destination the box shows only the history.
    if (services_.destinations && destinationChosen_)
        job.destination = TrimSpaces(options.destination);
    job.prefix = options.prefix;
    job.suffix = options.suffix;
    job.hyphen = options.hyphen;
    if (tab_ == CreateTab::Numbers) {
        // The numbers the run reads from the boxes.
        const NumberBoxes numbers = ReadNumberBoxes(options.startText, options.endText);
        job.start = std::to_string(numbers.start);
        job.end = std::to_string(numbers.end);
        job.padded = options.padded;
        job.numbersInLevels = options.numbersInLevels;
    }
    job.kind = options.kind;
    job.mode = options.mode;
    job.option = options.option;
    job.templates = options.templates;
}

void CreateFoldersTab::LoadDestination(const std::string& destination) {
    QComboBox* box = services_.destinations;
    if (!box) return;
    if (destination.empty()) {
        const QSignalBlocker blocker(box);
        box->setEditText({});
    } else {
        MoveDestinationFirst(destination);
    }
    destinationChosen_ = !destination.empty();
    destinationSeen_ = box->currentText();
}

void CreateFoldersTab::OpenJob(const TabJob& job) {
    templates_.OpenJob(job.kind, job.mode, job.templates);
    withFiles_ = job.kind == TemplateKind::FullPath && WithFiles(job.mode);
    LoadDestination(job.destination);
    edtPrefix->setText(QString::fromStdString(job.prefix));
    edtSuffix->setText(QString::fromStdString(job.suffix));
    chkHyphen->setChecked(job.hyphen);
    if (tab_ == CreateTab::Numbers) {
        edtStartNumber->setText(QString::fromStdString(job.start));
        edtEndNumber->setText(QString::fromStdString(job.end));
        chkPaddedZeroes->setChecked(job.padded);
        chkAddIncNumbersAsSuffix->setChecked(job.numbersInLevels);
    }
    totals_.Forget();
    // The lists' refresh is the tab's; the numbers tab refreshes itself.
    if (services_.pane)
        services_.pane->OpenJob(job.include, job.exclude);
    else
        Refresh();
}

}  // namespace arbovane
