#include "gui/ops/rename/RenameTab.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/help/Examples.h"
#include "core/help/HelpTopics.h"
#include "core/ops/rename/FolderRename.h"
#include "core/undo/RenameUndo.h"
#include "core/undo/RunJournal.h"
#include "core/undo/UndoJournal.h"
#include "core/visuallog/VisualLog.h"
#include "gui/lists/FolderListPane.h"
#include "gui/lists/LineListView.h"
#include "platform/Messenger.h"

namespace arbovane {

namespace {

std::string Std(const QLineEdit* edit) {
    return edit->text().toStdString();
}

}  // namespace

RenameTab::RenameTab(TabServices services, RenameJournal& journal, QObject* parent)
    : QObject(parent),
      services_(std::move(services)),
      journal_(journal),
      file_(services_.context, services_.keeper, VisualLogTab::Vol06) {
    BuildControls();
    chkVol06ShowDetailedResults =
        services_.sheet->findChild<QCheckBox*>("chkVol06ShowDetailedResults");
    btnVol06Statistics = services_.sheet->findChild<QPushButton*>("btnVol06Statistics");
    lblVol06StartFolder = services_.sheet->findChild<QLabel*>("lblVol06StartFolder");
    lblVol06EndFolder = services_.sheet->findChild<QLabel*>("lblVol06EndFolder");
    lstVol06IncludeFolderList =
        services_.sheet->findChild<LineListView*>("lstVol06IncludeFolderList");
    if (lstVol06IncludeFolderList)
        connect(lstVol06IncludeFolderList->selectionModel(), &QItemSelectionModel::selectionChanged,
                this, [this] { ShowPreview(); });
    ApplyEnabling();
}

QLineEdit* RenameTab::AddField(QGridLayout* grid, int row, const char* objectName,
                               const char* label, RenameField field) {
    QWidget* frame = grid->parentWidget();
    auto* caption = new QLabel(label, frame);
    auto* edit = new QLineEdit(frame);
    edit->setObjectName(objectName);
    caption->setBuddy(edit);
    grid->addWidget(caption, row, 1);
    grid->addWidget(edit, row, 2);
    connect(edit, &QLineEdit::textEdited, this, [this, field] { CheckField(field); });
    connect(edit, &QLineEdit::textChanged, this, [this] { ShowPreview(); });
    edit->installEventFilter(this);
    fields_[static_cast<std::size_t>(field)] = edit;
    return edit;
}

void RenameTab::BuildControls() {
    QWidget* sheet = services_.sheet;
    auto* outer = new QGroupBox("Rename Multiple Folders", sheet);
    auto* outerLayout = new QVBoxLayout(outer);

    auto* methods = new QGroupBox("Methods for Renaming Folders", outer);
    auto* grid = new QGridLayout(methods);
    rdoVol06RenameAddPrefixesSuffixes = new QRadioButton("Add Prefix and/or Suffix", methods);
    rdoVol06RenameAddPrefixesSuffixes->setObjectName("rdoVol06RenameAddPrefixesSuffixes");
    rdoVol06RenameAddPrefixesSuffixes->setChecked(true);
    grid->addWidget(rdoVol06RenameAddPrefixesSuffixes, 0, 0, 1, 3);
    edtVol06NewPrefix = AddField(grid, 1, "edtVol06NewPrefix", "New prefix:", RenameField::Prefix);
    edtVol06DelimiterPrefixSubFolder =
        AddField(grid, 2, "edtVol06DelimiterPrefixSubFolder",
                 "Delimiter between Prefix and Subfold. name", RenameField::FirstDelimiter);
    edtVol06DelimiterSubFolderSuffix =
        AddField(grid, 3, "edtVol06DelimiterSubFolderSuffix",
                 "Delimiter between Subfold. name and Suffix", RenameField::SecondDelimiter);
    edtVol06NewSuffix = AddField(grid, 4, "edtVol06NewSuffix", "New Suffix", RenameField::Suffix);
    rdoVol06RenameTheLastSubFolder = new QRadioButton("Rename the Last Subfolder", methods);
    rdoVol06RenameTheLastSubFolder->setObjectName("rdoVol06RenameTheLastSubFolder");
    grid->addWidget(rdoVol06RenameTheLastSubFolder, 5, 0, 1, 3);
    edtVol06RenameNewLastSubFolder =
        AddField(grid, 6, "edtVol06RenameNewLastSubFolder", "New Name:", RenameField::NewName);
    grid->setColumnMinimumWidth(0, 16);
    grid->setColumnStretch(2, 1);

    auto* group = new QButtonGroup(methods);
    group->addButton(rdoVol06RenameAddPrefixesSuffixes);
    group->addButton(rdoVol06RenameTheLastSubFolder);
    connect(rdoVol06RenameAddPrefixesSuffixes, &QRadioButton::toggled, this, [this] {
        ApplyEnabling();
        ShowPreview();
    });
    outerLayout->addWidget(methods);

    auto* buttons = new QHBoxLayout;
    btnVol06RenameFolders = new QPushButton(" RENAME  Folders", outer);
    btnVol06RenameFolders->setObjectName("btnVol06RenameFolders");
    connect(btnVol06RenameFolders, &QPushButton::clicked, this,
            &RenameTab::btnVol06RenameFoldersClick);
    btnVol06RenameFoldersSimulation = new QPushButton("Simulation", outer);
    btnVol06RenameFoldersSimulation->setObjectName("btnVol06RenameFoldersSimulation");
    btnVol06RenameFoldersSimulation->setToolTip(
        "Simulate the Folder Renaming process (No actual Renaming).");
    connect(btnVol06RenameFoldersSimulation, &QPushButton::clicked, this,
            &RenameTab::btnVol06RenameFoldersSimulationClick);
    btnVol06Undo = new QPushButton("Undo", outer);
    btnVol06Undo->setObjectName("btnVol06Undo");
    connect(btnVol06Undo, &QPushButton::clicked, this, &RenameTab::btnVol06UndoClick);
    btnVol06Help = new QPushButton("Help", outer);
    btnVol06Help->setObjectName("btnVol06Help");
    connect(btnVol06Help, &QPushButton::clicked, this, &RenameTab::btnVol06HelpClick);
    btnVol06Examples = new QPushButton("Examples", outer);
    btnVol06Examples->setObjectName("btnVol06Examples");
    connect(btnVol06Examples, &QPushButton::clicked, this, &RenameTab::btnVol06ExamplesClick);
    for (QPushButton* button : {btnVol06RenameFolders, btnVol06RenameFoldersSimulation,
                                btnVol06Undo, btnVol06Help, btnVol06Examples}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    outerLayout->addLayout(buttons);

    if (services_.side) services_.side->insertWidget(0, outer);
}

RenameFields RenameTab::Fields() const {
    RenameFields fields;
    fields.method = rdoVol06RenameTheLastSubFolder->isChecked() ? RenameMethod::ReplaceLastName
                                                                : RenameMethod::AddPrefixSuffix;
    fields.prefix = Std(edtVol06NewPrefix);
    fields.firstDelimiter = Std(edtVol06DelimiterPrefixSubFolder);
    fields.secondDelimiter = Std(edtVol06DelimiterSubFolderSuffix);
    fields.suffix = Std(edtVol06NewSuffix);
    fields.newName = Std(edtVol06RenameNewLastSubFolder);
    return fields;
}

void RenameTab::ApplyEnabling() {
    const bool on = includeHasLines_;
    const bool affixes = rdoVol06RenameAddPrefixesSuffixes->isChecked();
    rdoVol06RenameAddPrefixesSuffixes->setEnabled(on);
    rdoVol06RenameTheLastSubFolder->setEnabled(on);
    for (QLineEdit* edit : {edtVol06NewPrefix, edtVol06DelimiterPrefixSubFolder,
                            edtVol06DelimiterSubFolderSuffix, edtVol06NewSuffix})
        edit->setEnabled(on && affixes);
    edtVol06RenameNewLastSubFolder->setEnabled(on && !affixes);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{chkVol06ShowDetailedResults, btnVol06Statistics,
                                         btnVol06RenameFolders, btnVol06RenameFoldersSimulation})
        if (widget) widget->setEnabled(on);
    // Undo works on the journal, whatever the lists hold now.
    btnVol06Undo->setEnabled(!journal_.RenamedPairs.empty() || !journal_.FailedUndoPairs.empty() ||
                             file_.Damaged());
}

void RenameTab::ShowPreview() {
    if (!lblVol06StartFolder || !lblVol06EndFolder) return;
    const std::vector<std::string>& lines = services_.pane.IncludeLines();
    std::size_t row = 0;
    if (lstVol06IncludeFolderList) {
        const QItemSelectionModel* selection = lstVol06IncludeFolderList->selectionModel();
        const QModelIndex current = selection->currentIndex();
        if (current.isValid() && selection->isSelected(current))
            row = static_cast<std::size_t>(current.row());
        else if (const auto selected = lstVol06IncludeFolderList->SelectedRows(); !selected.empty())
            row = selected.front();
    }
    const RenamePreview preview =
        row < lines.size() ? PreviewRename(lines[row], Fields()) : RenamePreview{};
    lblVol06StartFolder->setText(QString::fromStdString(preview.before));
    lblVol06EndFolder->setText(QString::fromStdString(preview.after));
}

void RenameTab::Refresh() {
    const std::size_t lines = services_.pane.IncludeLines().size();
    includeHasLines_ = lines > 0;
    ApplyEnabling();
    ShowPreview();
    RefreshRenameCounters(services_.log, lines);
}

void RenameTab::ClearFields() {
    rdoVol06RenameAddPrefixesSuffixes->setChecked(true);
    for (QLineEdit* edit : fields_) edit->clear();
    if (chkVol06ShowDetailedResults) chkVol06ShowDetailedResults->setChecked(true);
    services_.log.ZeroCounters();
    journal_ = {};
    file_.Forget();
    includeHasLines_ = false;
    ApplyEnabling();
    ShowPreview();
}

bool RenameTab::ShowLogChecked() const {
    return chkVol06ShowDetailedResults && chkVol06ShowDetailedResults->isChecked();
}

void RenameTab::CheckField(RenameField field) {
    QLineEdit* edit = fields_[static_cast<std::size_t>(field)];
    if (checkingField_ || !edit) return;
    const std::optional<RenameMessage> warning = CheckRenameField(field, Std(edit));
    if (!warning) return;
    checkingField_ = true;
    // Only what was refused goes; the cursor stays after the character typed before it.
    const QString before = edit->text().left(edit->cursorPosition());
    const int cursor =
        static_cast<int>(QString::fromStdString(TakeBackRefusedText(before.toStdString())).size());
    services_.context.messenger.Show(warning->text, warning->title, warning->flags);
    edit->setText(QString::fromStdString(TakeBackRefusedText(Std(edit))));
    edit->setCursorPosition(cursor);
    edit->setFocus();
    checkingField_ = false;
}

bool RenameTab::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // A box or menu opening takes the focus for a moment; the field was not left.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            for (std::size_t i = 0; i < fields_.size(); ++i)
                if (fields_[i] == watched) CheckField(static_cast<RenameField>(i));
        }
    }
    return QObject::eventFilter(watched, event);
}

void RenameTab::btnVol06RenameFoldersClick() {
    GuiContext& context = services_.context;
    FileSystem& fs = file_.RunFileSystem(RenameRunJournal({}));
    RenameTabRun(fs, context.messenger, services_.log, services_.lockOtherTabs,
                 services_.unlockTabs)
        .Rename(services_.pane.IncludeLines(), Fields(), ShowLogChecked(), journal_);
    file_.EndRun(RenameRunJournal(journal_));
    ApplyEnabling();
}

void RenameTab::btnVol06RenameFoldersSimulationClick() {
    GuiContext& context = services_.context;
    RenameTabRun(context.fs, context.messenger, services_.log, services_.lockOtherTabs,
                 services_.unlockTabs)
        .Simulate(services_.pane.IncludeLines(), Fields(), ShowLogChecked());
}

void RenameTab::btnVol06ExamplesClick() {
    if (services_.showExamples) services_.showExamples(ExampleWindow::Rename);
}

void RenameTab::btnVol06HelpClick() {
    if (services_.showHelp) services_.showHelp(kHelpTopicRename);
}

void RenameTab::btnVol06UndoClick() {
    if (file_.RefuseDamaged()) return;
    GuiContext& context = services_.context;
    // The window lets events run during the undo too, so nothing else may start meanwhile.
    services_.lockOtherTabs();
    RenameUndo(file_.UndoFileSystem(), context.messenger, services_.log)
        .Run(journal_, file_.Hooks([this] { return RenameRunJournal(journal_); }));
    services_.unlockTabs();
    ApplyEnabling();
}

void RenameTab::SaveJob(TabJob& job) const {
    const RenameFields fields = Fields();
    job.tab = JobTab::Rename;
    job.include = services_.pane.IncludeLines();
    job.exclude = services_.pane.ExcludeLines();
    job.method = fields.method;
    job.prefix = fields.prefix;
    job.firstDelimiter = fields.firstDelimiter;
    job.secondDelimiter = fields.secondDelimiter;
    job.suffix = fields.suffix;
    job.newName = fields.newName;
}

void RenameTab::OpenJob(const TabJob& job) {
    (job.method == RenameMethod::ReplaceLastName ? rdoVol06RenameTheLastSubFolder
                                                 : rdoVol06RenameAddPrefixesSuffixes)
        ->setChecked(true);
    const std::pair<QLineEdit*, const std::string*> texts[] = {
        {edtVol06NewPrefix, &job.prefix},
        {edtVol06DelimiterPrefixSubFolder, &job.firstDelimiter},
        {edtVol06DelimiterSubFolderSuffix, &job.secondDelimiter},
        {edtVol06NewSuffix, &job.suffix},
        {edtVol06RenameNewLastSubFolder, &job.newName}};
    for (const auto& [edit, text] : texts) edit->setText(QString::fromStdString(*text));
    services_.pane.OpenJob(job.include, job.exclude);
}

}  // namespace arbovane
