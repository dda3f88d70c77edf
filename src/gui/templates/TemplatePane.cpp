#include "gui/templates/TemplatePane.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/lists/FolderBrowser.h"
#include "gui/acquire/TfrmFileExport.h"
#include "gui/acquire/TfrmFileImport.h"
#include "gui/app/PumpMessages.h"
#include "gui/lists/ListBoxFill.h"
#include "gui/templates/TfrmFolderStructuresTemplates.h"
#include "gui/templates/TfrmFolderTemplateOptions.h"
#include "platform/Messenger.h"
#include "platform/Shell.h"

namespace arbovane {

namespace {

constexpr AttachMode kModes[] = {
    AttachMode::MainFolderWithFiles, AttachMode::MainFolderWithoutFiles,
    AttachMode::SubFoldersOnlyWithFiles, AttachMode::SubFoldersOnlyWithoutFiles};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

TemplatePane::TemplatePane(GuiContext& context, TemplateTab tab, QWidget* parent)
    : QWidget(parent),
      context_(context),
      texts_(TemplateTexts(tab)),
      model_(tab, context.text, context.fs),
      hints_(tab) {
    const std::string& name = texts_.name;
    setObjectName(Q("pnl" + name + "FolderStructuresTemplates"));
    model_.SetProgress([this](std::size_t count) { Progress(count); });

    grpTemplates = new QGroupBox("Folder Structures (Templates)", this);
    grpTemplates->setObjectName(Q("grp" + name + "FolderStructuresTemplates"));

    kindGroup_ = new QButtonGroup(this);
    const std::string rdo = "rdo" + name;
    if (texts_.attachNothing) {
        rdoAttachNothing =
            MakeRadio(grpTemplates, rdo + "AttachNothing", texts_.attachNothingCaption);
        kindGroup_->addButton(rdoAttachNothing);
    }
    rdoStructureImportFullPaths =
        MakeRadio(grpTemplates, rdo + "StructureImportFullPaths", texts_.fullPathCaption);
    rdoStructureImportRelativePaths =
        MakeRadio(grpTemplates, rdo + "StructureImportRelativePaths", texts_.relativeCaption);
    kindGroup_->addButton(rdoStructureImportFullPaths);
    kindGroup_->addButton(rdoStructureImportRelativePaths);
    rdoStructureImportRelativePaths->setChecked(true);
    const std::pair<QRadioButton*, TemplateKind> kinds[] = {
        {rdoAttachNothing, TemplateKind::Nothing},
        {rdoStructureImportFullPaths, TemplateKind::FullPath},
        {rdoStructureImportRelativePaths, TemplateKind::Relative}};
    for (const auto& [button, kind] : kinds) {
        if (!button) continue;
        connect(button, &QRadioButton::toggled, this, [this, kind = kind](bool checked) {
            if (checked) KindChosen(kind);
        });
    }

    modeGroup_ = new QButtonGroup(this);
    const std::string modeNames[] = {"AttachMainFolderWithFiles", "AttachMainFolderWithoutFiles",
                                     "AttachSubFoldersOnlyWithFiles",
                                     "AttachSubFoldersOnlyWithoutFiles"};
    const std::string* modeCaptions[] = {
        &texts_.mainFolderWithFilesCaption, &texts_.mainFolderWithoutFilesCaption,
        &texts_.subFoldersOnlyWithFilesCaption, &texts_.subFoldersOnlyWithoutFilesCaption};
    for (std::size_t i = 0; i < rdoAttachModes.size(); ++i) {
        QRadioButton* button = MakeRadio(grpTemplates, rdo + modeNames[i], *modeCaptions[i]);
        modeGroup_->addButton(button);
        const AttachMode mode = kModes[i];
        connect(button, &QRadioButton::toggled, this, [this, mode](bool checked) {
            if (checked) ModeChosen(mode);
        });
        rdoAttachModes[i] = button;
    }

    lstAddFolderStructure = new QListWidget(grpTemplates);
    lstAddFolderStructure->setObjectName(Q("lst" + name + "AddFolderStructure"));
    lstAddFolderStructure->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Long paths scroll sideways; the rows are measured one by one so the extent follows the
    // longest line (the lists are short).
    lstAddFolderStructure->setWordWrap(false);
    lstAddFolderStructure->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    lstAddFolderStructure->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lstAddFolderStructure->setMinimumHeight(90);

    auto* linesCaption = new QLabel("Lines:", grpTemplates);
    linesCaption->setObjectName(Q("lbl" + name + "FolderStructuresTemplatesLines"));
    lblFolderStructuresTemplatesSum = new QLabel("0", grpTemplates);
    lblFolderStructuresTemplatesSum->setObjectName(
        Q("lbl" + name + "FolderStructuresTemplatesSum"));

    const std::string btn = "btn" + name;
    btnAddFolderStructure = MakeButton(grpTemplates, btn + "AddFolderStructure", "Add Structure",
                                       &TemplatePane::btnAddFolderStructureClick);
    btnImportFolderStructuresTemplates =
        MakeButton(grpTemplates, btn + "ImportFolderStructuresTemplates", "Import",
                   &TemplatePane::btnImportFolderStructuresTemplatesClick);
    btnExportFolderStructuresTemplates =
        MakeButton(grpTemplates, btn + "ExportFolderStructuresTemplates", "Export",
                   &TemplatePane::btnExportFolderStructuresTemplatesClick);
    btnEditFolderStructuresTemplates =
        MakeButton(grpTemplates, btn + "EditFolderStructuresTemplates", "Edit",
                   &TemplatePane::btnEditFolderStructuresTemplatesClick);
    btnViewFolderStructure = MakeButton(grpTemplates, btn + "ViewFolderStructure", "View Selected",
                                        &TemplatePane::btnViewFolderStructureClick);
    btnDeleteSelFolderStructuresTemplates =
        MakeButton(grpTemplates, btn + "DeleteSelFolderStructuresTemplates", "Delete Sel.",
                   &TemplatePane::btnDeleteSelFolderStructuresTemplatesClick);
    btnDeleteAllFolderStructuresTemplates =
        MakeButton(grpTemplates, btn + "DeleteAllFolderStructuresTemplates", "Delete All",
                   &TemplatePane::btnDeleteAllFolderStructuresTemplatesClick);
    btnFolderTemplatesOptions = MakeButton(grpTemplates, btn + "FolderTemplatesOptions", "Options",
                                           &TemplatePane::btnFolderTemplatesOptionsClick);

    auto* kindColumn = new QVBoxLayout;
    kindColumn->setSpacing(2);
    for (QRadioButton* button :
         {rdoAttachNothing, rdoStructureImportFullPaths, rdoStructureImportRelativePaths})
        if (button) kindColumn->addWidget(button);
    // The attach modes matter only for full-path templates and sit below them, indented.
    auto* modeColumn = new QVBoxLayout;
    modeColumn->setSpacing(2);
    modeColumn->setContentsMargins(18, 0, 0, 0);
    for (QRadioButton* button : rdoAttachModes) modeColumn->addWidget(button);

    auto* countRow = new QHBoxLayout;
    countRow->addWidget(linesCaption);
    countRow->addWidget(lblFolderStructuresTemplatesSum);
    countRow->addStretch(1);

    auto* buttons = new QGridLayout;
    buttons->setSpacing(4);
    QPushButton* const order[] = {btnAddFolderStructure,
                                  btnImportFolderStructuresTemplates,
                                  btnExportFolderStructuresTemplates,
                                  btnEditFolderStructuresTemplates,
                                  btnViewFolderStructure,
                                  btnDeleteSelFolderStructuresTemplates,
                                  btnDeleteAllFolderStructuresTemplates,
                                  btnFolderTemplatesOptions};
    for (int i = 0; i < 8; ++i) buttons->addWidget(order[i], i / 4, i % 4);

    auto* frameLayout = new QVBoxLayout(grpTemplates);
    frameLayout->setSpacing(4);
    frameLayout->addLayout(kindColumn);
    frameLayout->addLayout(modeColumn);
    frameLayout->addWidget(lstAddFolderStructure, 1);
    frameLayout->addLayout(countRow);
    frameLayout->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grpTemplates);

    ApplyEnabling(false);
}

QRadioButton* TemplatePane::MakeRadio(QWidget* parent, const std::string& name,
                                      const std::string& caption) {
    auto* button = new QRadioButton(Q(caption), parent);
    button->setObjectName(Q(name));
    return button;
}

QPushButton* TemplatePane::MakeButton(QWidget* parent, const std::string& name,
                                      const std::string& caption, void (TemplatePane::*handler)()) {
    auto* button = new QPushButton(Q(caption), parent);
    button->setObjectName(Q(name));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

AttachMode TemplatePane::Mode() const {
    return model_.Kind() == TemplateKind::FullPath ? CheckedMode() : AttachMode::None;
}

AttachMode TemplatePane::CheckedMode() const {
    for (std::size_t i = 0; i < rdoAttachModes.size(); ++i)
        if (rdoAttachModes[i]->isChecked()) return kModes[i];
    return AttachMode::None;
}

void TemplatePane::CheckMode(AttachMode mode) {
    if (mode == CheckedMode()) return;
    const QSignalBlocker blocker(modeGroup_);
    // An exclusive group never lets its last checked button go.
    modeGroup_->setExclusive(false);
    for (std::size_t i = 0; i < rdoAttachModes.size(); ++i) {
        const QSignalBlocker buttonBlocker(rdoAttachModes[i]);
        rdoAttachModes[i]->setChecked(kModes[i] == mode);
    }
    modeGroup_->setExclusive(true);
}

void TemplatePane::ApplyEnabling(bool includeListHasItems) {
    includeListHasItems_ = includeListHasItems;
    enabling_ =
        TemplateEnablingFor(includeListHasItems, model_.Kind(), CheckedMode(), !model_.Empty());
    for (QAbstractButton* button : kindGroup_->buttons()) button->setEnabled(enabling_.kindButtons);
    for (QRadioButton* button : rdoAttachModes) button->setEnabled(enabling_.attachModes);
    CheckMode(enabling_.mode);
    lstAddFolderStructure->setEnabled(enabling_.list);
    btnAddFolderStructure->setEnabled(enabling_.addStructure);
    btnViewFolderStructure->setEnabled(enabling_.viewSelected);
    btnImportFolderStructuresTemplates->setEnabled(enabling_.importButton);
    btnExportFolderStructuresTemplates->setEnabled(enabling_.exportButton);
    btnEditFolderStructuresTemplates->setEnabled(enabling_.edit);
    btnDeleteSelFolderStructuresTemplates->setEnabled(enabling_.deleteSelected);
    btnDeleteAllFolderStructuresTemplates->setEnabled(enabling_.deleteAll);
    btnFolderTemplatesOptions->setEnabled(enabling_.options);
}

void TemplatePane::SetKind(TemplateKind kind) {
    QRadioButton* button = kind == TemplateKind::Nothing    ? rdoAttachNothing
                           : kind == TemplateKind::FullPath ? rdoStructureImportFullPaths
                                                            : rdoStructureImportRelativePaths;
    if (button) button->setChecked(true);
}

void TemplatePane::OpenJob(TemplateKind kind, AttachMode mode,
                           const std::vector<std::string>& lines) {
    QRadioButton* chosen = kind == TemplateKind::Nothing    ? rdoAttachNothing
                           : kind == TemplateKind::FullPath ? rdoStructureImportFullPaths
                                                            : rdoStructureImportRelativePaths;
    for (QAbstractButton* button : kindGroup_->buttons()) {
        const QSignalBlocker blocker(button);
        button->setChecked(button == chosen);
    }
    model_.ChooseKind(kind);
    model_.Clear();
    for (const std::string& line : lines) model_.AddStructure(line);
    CheckMode(kind == TemplateKind::FullPath ? mode : AttachMode::None);
    ShowList();
}

void TemplatePane::ClearFields() {
    for (QAbstractButton* button : kindGroup_->buttons()) {
        const QSignalBlocker blocker(button);
        button->setChecked(button == rdoStructureImportRelativePaths);
    }
    model_.ChooseKind(TemplateKind::Relative);
    model_.Clear();
    CheckMode(AttachMode::None);
    FillListBox(lstAddFolderStructure, {});
    lblFolderStructuresTemplatesSum->clear();
}

void TemplatePane::KindChosen(TemplateKind kind) {
    model_.ChooseKind(kind);
    ShowList();
    ApplyEnabling(includeListHasItems_);
    Changed(TemplateChange::Kind);
}

void TemplatePane::ModeChosen(AttachMode mode) {
    if (const auto hint = hints_.OnModeChosen(mode)) Show(*hint);
    ApplyEnabling(includeListHasItems_);
    Changed(TemplateChange::AttachMode);
}

void TemplatePane::Changed(TemplateChange change) {
    if (change_) change_(change);
}

int TemplatePane::Show(const ListMessage& message) {
    return context_.messenger.Show(message.text, message.title, message.flags,
                                   MessageOwner::MainWindow);
}

void TemplatePane::ShowList() {
    FillListBox(lstAddFolderStructure, model_.Lines());
    lblFolderStructuresTemplatesSum->setText(QString::number(model_.Size()));
}

void TemplatePane::Progress(std::size_t count) {
    // The counter moves and messages run at most every 50 ms, so a long import stays quick.
    constexpr qint64 kPumpIntervalMs = 50;
    if (pumpClock_.isValid() && pumpClock_.elapsed() < kPumpIntervalMs) return;
    lblFolderStructuresTemplatesSum->setText(QString::number(count));
    PumpMessages();
    pumpClock_.start();
}

void TemplatePane::Run(const std::function<void()>& body) {
    if (busy_) return;
    busy_ = true;
    pumpClock_.start();
    body();
    busy_ = false;
}

void TemplatePane::btnAddFolderStructureClick() {
    Run([this] {
        const TemplateList::StructureChoice choice =
            model_.ChooseStructure(BrowseFolder(context_.shell));
        if (!choice.proceed) return;
        if (choice.question && Show(*choice.question) != kAnswerYes) return;
        model_.AddStructure(choice.path);
        ShowList();
        Changed(TemplateChange::StructureAdded);
        if (runButtons_) runButtons_(true);
        lstAddFolderStructure->setFocus();
    });
}

void TemplatePane::btnViewFolderStructureClick() {
    Run([this] {
        std::string target;
        if (const auto refusal = model_.ViewSelected(SelectedRows(lstAddFolderStructure), target))
            Show(*refusal);
        else
            context_.shell.Open(target);
    });
}

void TemplatePane::btnImportFolderStructuresTemplatesClick() {
    if (!windows_.fileImport) return;
    Run([this] {
        std::vector<std::string> lines;
        const bool imported = windows_.fileImport->ImportLines(lines);
        if (const auto refusal = model_.Import(lines, imported)) Show(*refusal);
        ShowList();
        ApplyEnabling(includeListHasItems_);
        Changed(TemplateChange::List);
    });
}

void TemplatePane::btnExportFolderStructuresTemplatesClick() {
    if (!windows_.fileExport) return;
    Run([this] {
        std::vector<std::string> lines;
        if (const auto refusal = model_.ExportLines(lines)) {
            Show(*refusal);
            return;
        }
        windows_.fileExport->ExportLines(lines, "STRINGS");
        Changed(TemplateChange::List);
    });
}

void TemplatePane::btnEditFolderStructuresTemplatesClick() {
    if (!windows_.edit) return;
    Run([this] {
        std::vector<std::string> edited;
        if (!windows_.edit->Edit(model_.Lines(), edited)) return;
        if (const auto refusal = model_.EditOk(edited)) {
            Show(*refusal);
            return;
        }
        ShowList();
        Changed(TemplateChange::List);
    });
}

void TemplatePane::btnDeleteSelFolderStructuresTemplatesClick() {
    Run([this] {
        if (Show(model_.DeleteSelectedPrompt()) == kAnswerYes)
            model_.DeleteSelected(SelectedRows(lstAddFolderStructure));
        ShowList();
        Changed(TemplateChange::List);
        btnDeleteSelFolderStructuresTemplates->setFocus();
    });
}

void TemplatePane::btnDeleteAllFolderStructuresTemplatesClick() {
    Run([this] {
        const ListMessage prompt = model_.DeleteAllPrompt();
        if (Show(prompt) == kAnswerYes && prompt.IsQuestion()) model_.DeleteAll();
        ShowList();
        Changed(TemplateChange::List);
        btnDeleteAllFolderStructuresTemplates->setFocus();
    });
}

void TemplatePane::btnFolderTemplatesOptionsClick() {
    if (!windows_.options) return;
    Run([this] {
        windows_.options->SetKey(texts_.optionsKey);
        windows_.options->Run();
    });
}

}  // namespace arbovane
