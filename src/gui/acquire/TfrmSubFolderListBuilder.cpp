#include "gui/acquire/TfrmSubFolderListBuilder.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

#include "core/app/ProgramSettings.h"
#include "core/lists/FolderBrowser.h"
#include "gui/acquire/TfrmFLLEditIncludeFolderList.h"
#include "gui/acquire/TfrmFileExport.h"
#include "gui/app/PumpMessages.h"
#include "gui/app/ShellOpen.h"
#include "gui/lists/LineListView.h"
#include "gui/lists/ListBoxFill.h"
#include "gui/templates/TfrmLevelSummFolder.h"
#include "platform/Messenger.h"
#include "platform/Shell.h"

namespace arbovane {

namespace {

// Both lists scroll sideways over this width, whatever their lines hold.
constexpr int kHorizontalExtent = 3000;
// A walk that ends sooner shows no progress; one that goes on shows it and lets window messages
// run this often.
constexpr qint64 kWalkProgressDelayMs = 200;
constexpr qint64 kWalkPumpIntervalMs = 50;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

}  // namespace

TfrmSubFolderListBuilder::TfrmSubFolderListBuilder(GuiContext& context,
                                                   TfrmFLLEditIncludeFolderList& editWindow,
                                                   TfrmFileExport& exportWindow,
                                                   TfrmLevelSummFolder& levelWindow,
                                                   QWidget* parent)
    : QDialog(parent),
      context_(context),
      model_(context.fs, context.text),
      editWindow_(editWindow),
      exportWindow_(exportWindow),
      levelWindow_(levelWindow) {
    setObjectName("frmSubFolderListBuilder");
    setWindowTitle("Subfolder List Builder");
    setModal(true);
    model_.SetProgress(
        [this](std::size_t include, std::size_t exclude) { counters_.Progress(include, exclude); });
    model_.SetWalkProgress([this](std::uint64_t listings) { WalkProgress(listings); });

    // Source folder and its summary.
    cboMainSourceFolder = new QComboBox(this);
    cboMainSourceFolder->setObjectName("cboMainSourceFolder");
    cboMainSourceFolder->setEditable(true);
    cboMainSourceFolder->setInsertPolicy(QComboBox::NoInsert);
    cboMainSourceFolder->setToolTip("Enter or Select a SourceFolder.");
    btnMainSourceFolderAdd = MakeButton("btnMainSourceFolderAdd", "Browse",
                                        &TfrmSubFolderListBuilder::btnMainSourceFolderAddClick);
    btnMainSourceFolderView = MakeButton("btnMainSourceFolderView", "View",
                                         &TfrmSubFolderListBuilder::btnMainSourceFolderViewClick);
    lblMainLevelSumSubFolder = MakeLabel(this, "lblMainLevelSumSubFolder", "0");
    lblMainLevelSumFiles = MakeLabel(this, "lblMainLevelSumFiles", "0");
    lblMainLevelSumFileSize = MakeLabel(this, "lblMainLevelSumFileSize", "0 bytes.");
    lstViewLevelSumFolder = new QTreeWidget(this);
    lstViewLevelSumFolder->setObjectName("lstViewLevelSumFolder");
    lstViewLevelSumFolder->setColumnCount(2);
    lstViewLevelSumFolder->setHeaderLabels({"Level Number", "Number of SubFolders"});
    lstViewLevelSumFolder->setRootIsDecorated(false);
    lstViewLevelSumFolder->setUniformRowHeights(true);

    // Levels, list mode and filter.
    btnBuildList =
        MakeButton("btnBuildList", "Build a List", &TfrmSubFolderListBuilder::btnBuildListClick);
    rdoFromToLevelNumber = new QRadioButton("From:", this);
    rdoFromToLevelNumber->setObjectName("rdoFromToLevelNumber");
    rdoAboveLevelNumber = new QRadioButton("Above:", this);
    rdoAboveLevelNumber->setObjectName("rdoAboveLevelNumber");
    rdoBelowLevelNumber = new QRadioButton("Below:", this);
    rdoBelowLevelNumber->setObjectName("rdoBelowLevelNumber");
    levelModes_ = new QButtonGroup(this);
    for (QRadioButton* radio : {rdoFromToLevelNumber, rdoAboveLevelNumber, rdoBelowLevelNumber})
        levelModes_->addButton(radio);
    rdoFromToLevelNumber->setChecked(true);
    edtFromLevelNumber = MakeNumberField("edtFromLevelNumber", "1");
    lblFromTo = MakeLabel(this, "lblFromTo", "To:");
    edtToLevelNumber = MakeNumberField("edtToLevelNumber", "3");
    edtAboveLevelNumber = MakeNumberField("edtAboveLevelNumber", "1");
    edtBelowLevelNumber = MakeNumberField("edtBelowLevelNumber", "0");
    udFromLevelNumber =
        MakeSpin("udFromLevelNumber", edtFromLevelNumber, kBuilderLevelMinimum, true);
    udToLevelNumber = MakeSpin("udToLevelNumber", edtToLevelNumber, kBuilderLevelMinimum, true);
    udAboveLevelNumber =
        MakeSpin("udAboveLevelNumber", edtAboveLevelNumber, kBuilderLevelMinimum, false);
    udBelowLevelNumber =
        MakeSpin("udBelowLevelNumber", edtBelowLevelNumber, kBuilderBelowMinimum, false);

    rdoBuildAllSubFolders = new QRadioButton("All Subfolders in Path", this);
    rdoBuildAllSubFolders->setObjectName("rdoBuildAllSubFolders");
    rdoBuildLastSubFolder = new QRadioButton("Only the Last Subfolder", this);
    rdoBuildLastSubFolder->setObjectName("rdoBuildLastSubFolder");
    listModes_ = new QButtonGroup(this);
    listModes_->addButton(rdoBuildAllSubFolders);
    listModes_->addButton(rdoBuildLastSubFolder);
    rdoBuildAllSubFolders->setChecked(true);
    edtSubFolderFilter = new QLineEdit(this);
    edtSubFolderFilter->setObjectName("edtSubFolderFilter");

    // The two lists and their buttons.
    lstIncludeFolderList = new LineListView(
        "lstIncludeFolderList",
        [this]() -> const std::vector<std::string>& { return model_.Include().Lines(); },
        kHorizontalExtent, this);
    lstIncludeFolderList->setToolTip("A List of Builded (Generated)  Subfolders.");
    lstExcludeFolderList = new LineListView(
        "lstExcludeFolderList",
        [this]() -> const std::vector<std::string>& { return model_.Exclude().Lines(); },
        kHorizontalExtent, this);
    prgBuilderWalk = new QProgressBar(this);
    prgBuilderWalk->setObjectName("prgBuilderWalk");
    // Its place stays taken while hidden, so showing it needs no new layout before it paints.
    QSizePolicy keepPlace = prgBuilderWalk->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    prgBuilderWalk->setSizePolicy(keepPlace);
    prgBuilderWalk->hide();
    lblIncludeSum = MakeLabel(this, "lblIncludeSum", "0");
    lblExcludeSum = MakeLabel(this, "lblExcludeSum", "0");
    counters_.Attach(lblIncludeSum, lblExcludeSum);
    btnDeleteAll =
        MakeButton("btnDeleteAll", "Delete All", &TfrmSubFolderListBuilder::btnDeleteAllClick);
    btnImport = MakeButton("btnImport", "Import", &TfrmSubFolderListBuilder::btnImportClick);
    btnImport->setDefault(true);

    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(cboMainSourceFolder, 1);
    sourceRow->addWidget(btnMainSourceFolderAdd);
    sourceRow->addWidget(btnMainSourceFolderView);
    auto* sumRow = new QHBoxLayout;
    sumRow->addWidget(MakeLabel(this, "lblMainLevelSumContains", "Contains:"));
    sumRow->addWidget(lblMainLevelSumSubFolder);
    sumRow->addWidget(MakeLabel(this, "lblMainLevelSumFolders", "Folders."));
    sumRow->addWidget(lblMainLevelSumFiles);
    sumRow->addWidget(MakeLabel(this, "lblMainLevelSumFilesCaption", "Files."));
    sumRow->addWidget(MakeLabel(this, "lblMainLevelSumFileSizeCaption", "File Size:"));
    sumRow->addWidget(lblMainLevelSumFileSize);
    sumRow->addStretch(1);
    sumRow->addWidget(prgBuilderWalk);

    auto* levels = new QGridLayout;
    levels->addWidget(rdoFromToLevelNumber, 0, 0);
    levels->addWidget(edtFromLevelNumber, 0, 1);
    levels->addWidget(udFromLevelNumber, 0, 2);
    levels->addWidget(lblFromTo, 0, 3);
    levels->addWidget(edtToLevelNumber, 0, 4);
    levels->addWidget(udToLevelNumber, 0, 5);
    levels->addWidget(rdoAboveLevelNumber, 1, 0);
    levels->addWidget(edtAboveLevelNumber, 1, 1);
    levels->addWidget(udAboveLevelNumber, 1, 2);
    levels->addWidget(rdoBelowLevelNumber, 2, 0);
    levels->addWidget(edtBelowLevelNumber, 2, 1);
    levels->addWidget(udBelowLevelNumber, 2, 2);
    levels->addWidget(rdoBuildAllSubFolders, 0, 6);
    levels->addWidget(rdoBuildLastSubFolder, 1, 6);
    levels->addWidget(MakeLabel(this, "lblSubFolderFilter", "Subfolder Filter:"), 2, 6);
    levels->addWidget(edtSubFolderFilter, 2, 7);
    levels->addWidget(btnBuildList, 0, 7);
    levels->setColumnStretch(7, 1);

    auto* moveColumn = new QVBoxLayout;
    moveColumn->addStretch(1);
    moveColumn->addWidget(
        MakeButton("btnMoveToExclude", ">", &TfrmSubFolderListBuilder::btnMoveToExcludeClick));
    moveColumn->addWidget(
        MakeButton("btnMoveToInclude", "<", &TfrmSubFolderListBuilder::btnMoveToIncludeClick));
    moveColumn->addWidget(MakeButton("btnMoveAllToExclude", ">>",
                                     &TfrmSubFolderListBuilder::btnMoveAllToExcludeClick));
    moveColumn->addWidget(MakeButton("btnMoveAllToInclude", "<<",
                                     &TfrmSubFolderListBuilder::btnMoveAllToIncludeClick));
    moveColumn->addWidget(
        MakeButton("btnExchangeLists", "<>", &TfrmSubFolderListBuilder::btnExchangeListsClick));
    moveColumn->addStretch(1);

    auto* lists = new QGridLayout;
    lists->addWidget(MakeLabel(this, "lblIncludeFolderList", "Include Folder List"), 0, 0);
    lists->addWidget(MakeLabel(this, "lblExcludeFolderList", "Exclude Folder List"), 0, 2);
    lists->addWidget(lstIncludeFolderList, 1, 0);
    lists->addLayout(moveColumn, 1, 1);
    lists->addWidget(lstExcludeFolderList, 1, 2);
    auto* includeCount = new QHBoxLayout;
    includeCount->addWidget(MakeLabel(this, "lblIncludeLines", "Lines:"));
    includeCount->addWidget(lblIncludeSum);
    includeCount->addStretch(1);
    auto* excludeCount = new QHBoxLayout;
    excludeCount->addWidget(MakeLabel(this, "lblExcludeLines", "Lines:"));
    excludeCount->addWidget(lblExcludeSum);
    excludeCount->addStretch(1);
    lists->addLayout(includeCount, 2, 0);
    lists->addLayout(excludeCount, 2, 2);
    lists->setColumnStretch(0, 3);
    lists->setColumnStretch(2, 2);
    lists->setRowStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(MakeButton("btnEditIncludeList", "Edit List",
                                  &TfrmSubFolderListBuilder::btnEditIncludeListClick));
    buttons->addWidget(MakeButton("btnViewSelected", "View Sel.",
                                  &TfrmSubFolderListBuilder::btnViewSelectedClick));
    buttons->addWidget(
        MakeButton("btnExportList", "Export", &TfrmSubFolderListBuilder::btnExportListClick));
    buttons->addWidget(
        MakeButton("btnLevels", "Levels", &TfrmSubFolderListBuilder::btnLevelsClick));
    buttons->addStretch(1);
    buttons->addWidget(MakeButton("btnDeleteSelected", "Delete Selected",
                                  &TfrmSubFolderListBuilder::btnDeleteSelectedClick));
    buttons->addWidget(btnDeleteAll);
    buttons->addSpacing(16);
    buttons->addWidget(btnImport);
    buttons->addWidget(
        MakeButton("btnCancel", "Cancel", &TfrmSubFolderListBuilder::btnCancelClick));

    auto* top = new QGridLayout;
    top->addLayout(sourceRow, 0, 0);
    top->addLayout(sumRow, 1, 0);
    top->addLayout(levels, 2, 0);
    top->addWidget(lstViewLevelSumFolder, 0, 1, 3, 1);
    top->setColumnStretch(0, 3);
    top->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);
    resize(900, 640);

    connect(cboMainSourceFolder, &QComboBox::activated, this,
            &TfrmSubFolderListBuilder::cboMainSourceFolderSelect);
    // Enter in the typed folder takes it as the source, as choosing it from the list does, and
    // never reaches the default button.
    cboMainSourceFolder->lineEdit()->installEventFilter(this);
    connect(rdoFromToLevelNumber, &QRadioButton::clicked, this,
            &TfrmSubFolderListBuilder::rdoFromToLevelNumberClick);
    connect(rdoAboveLevelNumber, &QRadioButton::clicked, this,
            &TfrmSubFolderListBuilder::rdoAboveLevelNumberClick);
    connect(rdoBelowLevelNumber, &QRadioButton::clicked, this,
            &TfrmSubFolderListBuilder::rdoBelowLevelNumberClick);
    connect(edtFromLevelNumber, &QLineEdit::editingFinished, this,
            &TfrmSubFolderListBuilder::edtFromLevelNumberExit);
    connect(edtToLevelNumber, &QLineEdit::editingFinished, this,
            &TfrmSubFolderListBuilder::edtToLevelNumberExit);
    ShowLists();
}

QPushButton* TfrmSubFolderListBuilder::MakeButton(const char* name, const char* caption,
                                                  void (TfrmSubFolderListBuilder::*handler)()) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

QLineEdit* TfrmSubFolderListBuilder::MakeNumberField(const char* name, const char* text) {
    auto* field = new QLineEdit(text, this);
    field->setObjectName(name);
    field->setMaximumWidth(60);
    return field;
}

QSpinBox* TfrmSubFolderListBuilder::MakeSpin(const char* name, QLineEdit* field, int minimum,
                                             bool wraps) {
    auto* spin = new QSpinBox(this);
    spin->setObjectName(name);
    spin->setRange(minimum, kBuilderLevelMaximum);
    spin->setWrapping(wraps);
    spin->setFixedWidth(20);
    // The field beside it shows the number; the spin control only steps it.
    if (auto* own = spin->findChild<QLineEdit*>()) own->setVisible(false);
    const auto follow = [spin](const QString& text) {
        std::int32_t value = 0;
        if (!ParseWholeNumber(text.toStdString(), value)) return;
        const QSignalBlocker blocker(spin);
        spin->setValue(std::clamp<std::int32_t>(value, spin->minimum(), spin->maximum()));
    };
    follow(field->text());
    connect(field, &QLineEdit::textChanged, spin, follow);
    connect(spin, &QSpinBox::valueChanged, field,
            [field](int value) { field->setText(QString::number(value)); });
    return spin;
}

int TfrmSubFolderListBuilder::Run() {
    closedWithImport_ = false;
    ShowLists();
    return exec();
}

int TfrmSubFolderListBuilder::Show(const ListMessage& message) {
    return context_.messenger.Show(message.text, message.title, message.flags,
                                   MessageOwner::MainWindow);
}

void TfrmSubFolderListBuilder::Operate(const std::function<void()>& body, bool listsChange) {
    if (busy_) return;
    busy_ = true;
    counters_.StartOperation();
    // The list boxes would paint lines that are moving under them while messages run.
    lstIncludeFolderList->setUpdatesEnabled(false);
    lstExcludeFolderList->setUpdatesEnabled(false);
    body();
    // Showing the lists again would drop the user's selection.
    if (listsChange) ShowLists();
    lstIncludeFolderList->setUpdatesEnabled(true);
    lstExcludeFolderList->setUpdatesEnabled(true);
    busy_ = false;
}

void TfrmSubFolderListBuilder::done(int result) {
    if (busy_) return;
    QDialog::done(result);
}

void TfrmSubFolderListBuilder::ShowLists() {
    if (model_.Include().Revision() != includeShown_) {
        lstIncludeFolderList->ShowLines();
        includeShown_ = model_.Include().Revision();
    }
    if (model_.Exclude().Revision() != excludeShown_) {
        lstExcludeFolderList->ShowLines();
        excludeShown_ = model_.Exclude().Revision();
    }
    counters_.Show(model_.Include().Size(), model_.Exclude().Size());
    // The lines shown are the lists' own again; a box shown from here on paints them.
    lstIncludeFolderList->setUpdatesEnabled(true);
    lstExcludeFolderList->setUpdatesEnabled(true);
}

void TfrmSubFolderListBuilder::StartWalk(std::uint64_t expected, bool measuring) {
    walkClock_.start();
    walkPump_.invalidate();
    walkExpected_ = expected;
    walkMeasuring_ = measuring;
}

void TfrmSubFolderListBuilder::WalkProgress(std::uint64_t listings) {
    if (!walkClock_.isValid() || walkClock_.elapsed() < kWalkProgressDelayMs) return;
    if (walkPump_.isValid() && walkPump_.elapsed() < kWalkPumpIntervalMs) return;
    // The source lists itself first; every further listing is a folder below it.
    if (walkMeasuring_) lblMainLevelSumSubFolder->setText(QString::number(listings - 1));
    if (walkExpected_ > 0) {
        const int total = static_cast<int>(std::min<std::uint64_t>(walkExpected_, INT_MAX));
        prgBuilderWalk->setRange(0, total);
        prgBuilderWalk->setValue(
            static_cast<int>(std::min<std::uint64_t>(listings, static_cast<std::uint64_t>(total))));
    } else {
        prgBuilderWalk->setRange(0, 0);
    }
    prgBuilderWalk->show();
    PumpMessages();
    walkPump_.start();
}

void TfrmSubFolderListBuilder::EndWalk() {
    walkClock_.invalidate();
    prgBuilderWalk->hide();
}

void TfrmSubFolderListBuilder::SetSourceFolder(const std::string& text) {
    if (busy_) return;
    busy_ = true;
    _tagSourceSummary summary;
    StartWalk(0, true);
    const auto refusal = model_.MeasureSource(text, summary);
    EndWalk();
    busy_ = false;
    if (refusal) {
        Show(*refusal);
        return;
    }
    measuredSource_ = text;
    measuredListings_ = summary.listings;
    lstViewLevelSumFolder->clear();
    for (const _tagLevelSummaryRow& row : summary.rows)
        lstViewLevelSumFolder->addTopLevelItem(new QTreeWidgetItem({Q(row.level), Q(row.folders)}));
    lblMainLevelSumSubFolder->setText(Q(summary.folders));
    lblMainLevelSumFiles->setText(Q(summary.files));
    lblMainLevelSumFileSize->setText(Q(summary.fileSize));

    std::vector<std::string> history;
    for (int i = 0; i < cboMainSourceFolder->count(); ++i)
        history.push_back(cboMainSourceFolder->itemText(i).toStdString());
    const std::size_t position = model_.HistoryPosition(history, text);
    if (position == std::string::npos) {
        cboMainSourceFolder->addItem(Q(text));
        cboMainSourceFolder->setCurrentIndex(cboMainSourceFolder->count() - 1);
    } else {
        cboMainSourceFolder->setCurrentIndex(static_cast<int>(position));
    }
}

bool TfrmSubFolderListBuilder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cboMainSourceFolder->lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            cboMainSourceFolderSelect();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmSubFolderListBuilder::btnMainSourceFolderAddClick() {
    SetSourceFolder(BrowseFolder(context_.shell));
}

void TfrmSubFolderListBuilder::cboMainSourceFolderSelect() {
    SetSourceFolder(cboMainSourceFolder->currentText().toStdString());
}

void TfrmSubFolderListBuilder::btnMainSourceFolderViewClick() {
    std::string target;
    if (const auto refusal =
            model_.ViewSource(cboMainSourceFolder->currentText().toStdString(), target))
        Show(*refusal);
    else
        OpenWithShell(context_, target);
}

_tagBuilderLevels TfrmSubFolderListBuilder::Levels() const {
    _tagBuilderLevels levels;
    levels.mode = rdoAboveLevelNumber->isChecked()   ? LevelCopy::kAbove
                  : rdoBelowLevelNumber->isChecked() ? LevelCopy::kBelow
                                                     : LevelCopy::kFromTo;
    levels.from = edtFromLevelNumber->text().toStdString();
    levels.to = edtToLevelNumber->text().toStdString();
    levels.above = edtAboveLevelNumber->text().toStdString();
    levels.below = edtBelowLevelNumber->text().toStdString();
    levels.lastOnly = rdoBuildLastSubFolder->isChecked();
    return levels;
}

void TfrmSubFolderListBuilder::BuildList() {
    Operate([this] {
        const std::string source = cboMainSourceFolder->currentText().toStdString();
        const ListMessage prompt = model_.BuildPrompt(source);
        const int answer = Show(prompt);
        if (!prompt.IsQuestion()) return;
        if (answer == kAnswerYes) {
            model_.ClearInclude();
            ShowLists();
        }
        // A source measured before tells how many folders the walk will list at most.
        StartWalk(source == measuredSource_ ? measuredListings_ : 0, false);
        const auto refusal =
            model_.Build(source, edtSubFolderFilter->text().toStdString(), Levels());
        EndWalk();
        if (refusal) Show(*refusal);
    });
}

void TfrmSubFolderListBuilder::btnBuildListClick() {
    BuildList();
}

void TfrmSubFolderListBuilder::ChooseLevelMode(QRadioButton* chosen) {
    chosen->setChecked(true);
    for (QLineEdit* field :
         {edtFromLevelNumber, edtToLevelNumber, edtAboveLevelNumber, edtBelowLevelNumber})
        field->setText("1");
    const bool fromTo = chosen == rdoFromToLevelNumber;
    const bool above = chosen == rdoAboveLevelNumber;
    const bool below = chosen == rdoBelowLevelNumber;
    for (QWidget* widget : std::initializer_list<QWidget*>{
             edtFromLevelNumber, udFromLevelNumber, lblFromTo, edtToLevelNumber, udToLevelNumber})
        widget->setEnabled(fromTo);
    edtAboveLevelNumber->setEnabled(above);
    udAboveLevelNumber->setEnabled(above);
    edtBelowLevelNumber->setEnabled(below);
    udBelowLevelNumber->setEnabled(below);
}

void TfrmSubFolderListBuilder::rdoFromToLevelNumberClick() {
    ChooseLevelMode(rdoFromToLevelNumber);
}

void TfrmSubFolderListBuilder::rdoAboveLevelNumberClick() {
    ChooseLevelMode(rdoAboveLevelNumber);
}

void TfrmSubFolderListBuilder::rdoBelowLevelNumberClick() {
    ChooseLevelMode(rdoBelowLevelNumber);
}

void TfrmSubFolderListBuilder::edtFromLevelNumberExit() {
    std::string from = edtFromLevelNumber->text().toStdString();
    std::string to = edtToLevelNumber->text().toStdString();
    FixFromToFields(from, to);
    edtFromLevelNumber->setText(Q(from));
    edtToLevelNumber->setText(Q(to));
}

void TfrmSubFolderListBuilder::edtToLevelNumberExit() {
    edtFromLevelNumberExit();
}

void TfrmSubFolderListBuilder::btnMoveToExcludeClick() {
    Operate([this] { model_.MoveSelectedToExclude(lstIncludeFolderList->SelectedRows()); });
}

void TfrmSubFolderListBuilder::btnMoveToIncludeClick() {
    Operate([this] { model_.MoveSelectedToInclude(lstExcludeFolderList->SelectedRows()); });
}

void TfrmSubFolderListBuilder::btnMoveAllToExcludeClick() {
    Operate([this] { model_.MoveAllToExclude(); });
}

void TfrmSubFolderListBuilder::btnMoveAllToIncludeClick() {
    Operate([this] { model_.MoveAllToInclude(); });
}

void TfrmSubFolderListBuilder::btnExchangeListsClick() {
    Operate([this] { model_.ExchangeLists(); });
}

void TfrmSubFolderListBuilder::btnEditIncludeListClick() {
    Operate([this] {
        editWindow_.Edit(model_.Include().Lines(),
                         [this](const auto& lines) { return model_.ParseBack(lines); });
    });
}

void TfrmSubFolderListBuilder::btnViewSelectedClick() {
    Operate(
        [this] {
            std::string target;
            if (const auto refusal =
                    model_.ViewSelected(lstIncludeFolderList->SelectedRows(), target))
                Show(*refusal);
            else
                OpenWithShell(context_, target);
        },
        false);
}

void TfrmSubFolderListBuilder::btnExportListClick() {
    Operate(
        [this] {
            std::vector<std::string> lines;
            if (const auto refusal = model_.ExportLines(lines))
                Show(*refusal);
            else
                exportWindow_.ExportLines(lines, "FOLDERS");
        },
        false);
}

void TfrmSubFolderListBuilder::btnDeleteSelectedClick() {
    Operate([this] {
        const ListMessage prompt = model_.DeleteSelectedPrompt();
        if (Show(prompt) == kAnswerYes && prompt.IsQuestion())
            model_.DeleteSelectedExcluded(lstExcludeFolderList->SelectedRows());
    });
}

void TfrmSubFolderListBuilder::btnDeleteAllClick() {
    Operate([this] {
        const ListMessage prompt = model_.DeleteAllPrompt();
        if (Show(prompt) == kAnswerYes && prompt.IsQuestion()) model_.DeleteAllExcluded();
    });
    btnDeleteAll->setFocus();
}

void TfrmSubFolderListBuilder::btnLevelsClick() {
    Operate(
        [this] {
            std::optional<_tagLevelSummary> summary;
            StartWalk(0, false);
            const auto refusal = model_.LevelSummary(lstIncludeFolderList->SelectedRows(),
                                                     context_.settings.selectedPatterns, summary);
            EndWalk();
            if (refusal)
                Show(*refusal);
            else if (summary)
                levelWindow_.ShowSummary(*summary);
        },
        false);
}

void TfrmSubFolderListBuilder::btnImportClick() {
    closedWithImport_ = true;
    accept();
}

void TfrmSubFolderListBuilder::btnCancelClick() {
    closedWithImport_ = false;
    reject();
}

}  // namespace arbovane
