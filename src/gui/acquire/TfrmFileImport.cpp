#include "gui/acquire/TfrmFileImport.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/acquire/ImportClass.h"
#include "core/app/ProgramSettings.h"
#include "gui/acquire/MarkListWindow.h"
#include "gui/acquire/TfrmEditSmartImport.h"
#include "gui/app/PumpMessages.h"
#include "gui/lists/LineListView.h"
#include "gui/lists/TfrmZoomIncludeWindow.h"
#include "platform/FileSystem.h"
#include "platform/Messenger.h"
#include "platform/Shell.h"
#include "platform/Text.h"

namespace arbovane {

namespace {

const char* const kOpenDialogTitle = "Import Folder Names (strings) from Files.";
const char* const kOpenDialogFilter =
    "Text Files (*.txt)|*.txt|Comma Separated (*.csv)|*.csv|All Files (*.*)|*.*";

constexpr int kScrollExtentPixels = 3000;
// The up-down's range; a larger column can still be typed.
constexpr long long kMaxUpDownColumn = 100;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QLabel* MakeLabel(const QString& caption, QWidget* parent, const char* name) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QPushButton* MakeButton(const QString& caption, QWidget* parent, const char* name) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TfrmFileImport::TfrmFileImport(GuiContext& context, QWidget* parent)
    : QDialog(parent), context_(context), preview_(context.text, context.fs) {
    setObjectName("frmFileImport");
    setWindowTitle("Import Folders/Subfolders/Strings  from a Text File.");
    setModal(true);

    lblFileImportStep1 = MakeLabel("1.", this, "lblFileImportStep1");
    edtFileImportFileName = new QLineEdit(this);
    edtFileImportFileName->setObjectName("edtFileImportFileName");
    edtFileImportFileName->installEventFilter(this);
    btnFileImportBrowse = MakeButton("Browse", this, "btnFileImportBrowse");

    lblFileImportSource = MakeLabel("Source File (Preview)", this, "lblFileImportSource");
    // Every row has the same size, which carries the scroll extent, so a long list is not
    // measured line by line.
    lstFileImportSource = new LineListView(
        "lstFileImportSource", [this]() -> const std::vector<std::string>& { return source_; },
        kScrollExtentPixels, this);
    lblFileImportSourceLinesCaption = MakeLabel("Lines:", this, "lblFileImportSourceLinesCaption");
    lblFileImportSourceLines = MakeLabel("0", this, "lblFileImportSourceLines");
    btnFileImportZoomSource = MakeButton("Zoom", this, "btnFileImportZoomSource");

    lblFileImportResults = MakeLabel("Created List from the Source", this, "lblFileImportResults");
    lstFileImportResults = new LineListView(
        "lstFileImportResults",
        [this]() -> const std::vector<std::string>& { return preview_.Lines(); },
        kScrollExtentPixels, this);
    lblFileImportPreviewLinesCaption =
        MakeLabel("Lines:", this, "lblFileImportPreviewLinesCaption");
    lblFileImportPreviewLines = MakeLabel("0", this, "lblFileImportPreviewLines");
    btnFileImportZoomResults = MakeButton("Zoom", this, "btnFileImportZoomResults");
    btnFileImportEdit = MakeButton("Edit", this, "btnFileImportEdit");

    auto* typeFrame = new QGroupBox(this);
    typeFrame->setObjectName("grpFileImportType");
    rdoFileImportPlainText =
        new QRadioButton("From  a Plain Text File (One line - One String).", typeFrame);
    rdoFileImportPlainText->setObjectName("rdoFileImportPlainText");
    rdoFileImportSeparatedFile = new QRadioButton("From a CSV/ Separated file.", typeFrame);
    rdoFileImportSeparatedFile->setObjectName("rdoFileImportSeparatedFile");
    auto* typeGroup = new QButtonGroup(this);
    typeGroup->addButton(rdoFileImportPlainText);
    typeGroup->addButton(rdoFileImportSeparatedFile);

    lblFileImportDelimiter = MakeLabel("Delimiter", typeFrame, "lblFileImportDelimiter");
    cboFileImportDelimiter = new QComboBox(typeFrame);
    cboFileImportDelimiter->setObjectName("cboFileImportDelimiter");
    cboFileImportDelimiter->setEditable(true);
    // A typed delimiter is used as it stands; the list itself is kept by the delimiters dialog.
    cboFileImportDelimiter->setInsertPolicy(QComboBox::NoInsert);
    btnFileImportManageSeparators = MakeButton("...", typeFrame, "btnFileImportManageSeparators");
    btnFileImportManageSeparators->setToolTip("Manage Delimiters.");
    btnFileImportManageQuotationMarks =
        MakeButton("...", typeFrame, "btnFileImportManageQuotationMarks");
    btnFileImportManageQuotationMarks->setToolTip("Manage Quotation Marks.");
    cboFileImportQuotationMarks = new QComboBox(typeFrame);
    cboFileImportQuotationMarks->setObjectName("cboFileImportQuotationMarks");
    cboFileImportQuotationMarks->setVisible(false);
    // Until the managing windows are handed over, the combo boxes offer the stored lists.
    btnFileImportManageSeparators->setEnabled(false);
    btnFileImportManageQuotationMarks->setEnabled(false);

    rdoFileImportAllColumns = new QRadioButton("All columns", typeFrame);
    rdoFileImportAllColumns->setObjectName("rdoFileImportAllColumns");
    rdoFileImportOneColumn = new QRadioButton("Select a Column :", typeFrame);
    rdoFileImportOneColumn->setObjectName("rdoFileImportOneColumn");
    auto* columnGroup = new QButtonGroup(this);
    columnGroup->addButton(rdoFileImportAllColumns);
    columnGroup->addButton(rdoFileImportOneColumn);
    edtFileImportColumnNumber = new QLineEdit("1", typeFrame);
    edtFileImportColumnNumber->setObjectName("edtFileImportColumnNumber");
    edtFileImportColumnNumber->setMaximumWidth(60);
    udFileImportColumnNumberUp = new QToolButton(typeFrame);
    udFileImportColumnNumberUp->setObjectName("udFileImportColumnNumberUp");
    udFileImportColumnNumberUp->setArrowType(Qt::UpArrow);
    udFileImportColumnNumberDown = new QToolButton(typeFrame);
    udFileImportColumnNumberDown->setObjectName("udFileImportColumnNumberDown");
    udFileImportColumnNumberDown->setArrowType(Qt::DownArrow);

    chkFileImportAbandonQMarks =
        new QCheckBox("Abandon Quotation Marks around strings (if any).", typeFrame);
    chkFileImportAbandonQMarks->setObjectName("chkFileImportAbandonQMarks");
    chkFileImportAbandonQMarks->setChecked(true);

    auto* columnRow = new QHBoxLayout;
    columnRow->addWidget(rdoFileImportAllColumns);
    columnRow->addWidget(rdoFileImportOneColumn);
    columnRow->addWidget(edtFileImportColumnNumber);
    columnRow->addWidget(udFileImportColumnNumberUp);
    columnRow->addWidget(udFileImportColumnNumberDown);
    columnRow->addStretch(1);
    auto* delimiterRow = new QHBoxLayout;
    delimiterRow->addWidget(lblFileImportDelimiter);
    delimiterRow->addWidget(cboFileImportDelimiter, 1);
    delimiterRow->addWidget(btnFileImportManageSeparators);
    delimiterRow->addWidget(cboFileImportQuotationMarks);
    delimiterRow->addWidget(btnFileImportManageQuotationMarks);
    auto* typeLayout = new QVBoxLayout(typeFrame);
    typeLayout->addWidget(rdoFileImportPlainText);
    typeLayout->addWidget(rdoFileImportSeparatedFile);
    typeLayout->addLayout(delimiterRow);
    typeLayout->addLayout(columnRow);
    typeLayout->addWidget(chkFileImportAbandonQMarks);

    lblFileImportStep2 = MakeLabel("2.", this, "lblFileImportStep2");
    btnFileImportCreate =
        MakeButton("Create a      Folder/String  List", this, "btnFileImportCreate");
    btnFileImportClearAll = MakeButton("Clear All  ", this, "btnFileImportClearAll");
    lblFileImportStep3 = MakeLabel("3.", this, "lblFileImportStep3");
    btnFileImportImport = MakeButton("IMPORT", this, "btnFileImportImport");
    btnFileImportImport->setDefault(true);
    btnFileImportCancel = MakeButton("Cancel", this, "btnFileImportCancel");
    btnFileImportHelp = MakeButton("Help", this, "btnFileImportHelp");
    btnFileImportHelp->setEnabled(false);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(lblFileImportStep1);
    fileRow->addWidget(edtFileImportFileName, 1);
    fileRow->addWidget(btnFileImportBrowse);

    auto* sourceColumn = new QVBoxLayout;
    sourceColumn->addWidget(lblFileImportSource);
    sourceColumn->addWidget(lstFileImportSource, 1);
    auto* sourceCounter = new QHBoxLayout;
    sourceCounter->addWidget(lblFileImportSourceLinesCaption);
    sourceCounter->addWidget(lblFileImportSourceLines);
    sourceCounter->addStretch(1);
    sourceCounter->addWidget(btnFileImportZoomSource);
    sourceColumn->addLayout(sourceCounter);

    auto* resultsColumn = new QVBoxLayout;
    resultsColumn->addWidget(lblFileImportResults);
    resultsColumn->addWidget(lstFileImportResults, 1);
    auto* resultsCounter = new QHBoxLayout;
    resultsCounter->addWidget(lblFileImportPreviewLinesCaption);
    resultsCounter->addWidget(lblFileImportPreviewLines);
    resultsCounter->addStretch(1);
    resultsCounter->addWidget(btnFileImportEdit);
    resultsCounter->addWidget(btnFileImportZoomResults);
    resultsColumn->addLayout(resultsCounter);

    auto* lists = new QHBoxLayout;
    lists->addLayout(sourceColumn, 1);
    lists->addLayout(resultsColumn, 1);

    auto* steps = new QHBoxLayout;
    steps->addWidget(lblFileImportStep2);
    steps->addWidget(btnFileImportCreate);
    steps->addWidget(btnFileImportClearAll);
    steps->addStretch(1);
    steps->addWidget(lblFileImportStep3);
    steps->addWidget(btnFileImportImport);
    steps->addWidget(btnFileImportCancel);
    steps->addWidget(btnFileImportHelp);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addLayout(lists, 1);
    layout->addWidget(typeFrame);
    layout->addLayout(steps);
    resize(900, 620);

    connect(btnFileImportBrowse, &QPushButton::clicked, this,
            &TfrmFileImport::btnFileImportBrowseClick);
    connect(btnFileImportCreate, &QPushButton::clicked, this,
            &TfrmFileImport::btnFileImportCreateClick);
    connect(btnFileImportClearAll, &QPushButton::clicked, this,
            &TfrmFileImport::btnFileImportClearAllClick);
    connect(btnFileImportZoomSource, &QPushButton::clicked, this,
            &TfrmFileImport::btnFileImportZoomSourceClick);
    connect(btnFileImportZoomResults, &QPushButton::clicked, this,
            &TfrmFileImport::btnFileImportZoomResultsClick);
    connect(btnFileImportEdit, &QPushButton::clicked, this,
            &TfrmFileImport::btnFileImportEditClick);
    connect(btnFileImportImport, &QPushButton::clicked, this,
            &TfrmFileImport::btnFileImportImportClick);
    connect(btnFileImportCancel, &QPushButton::clicked, this,
            &TfrmFileImport::btnFileImportCancelClick);
    connect(btnFileImportHelp, &QPushButton::clicked, this,
            &TfrmFileImport::btnFileImportHelpClick);
    connect(btnFileImportManageSeparators, &QPushButton::clicked, this,
            &TfrmFileImport::btnFileImportManageSeparatorsClick);
    connect(btnFileImportManageQuotationMarks, &QPushButton::clicked, this,
            &TfrmFileImport::btnFileImportManageQuotationMarksClick);
    connect(rdoFileImportPlainText, &QRadioButton::clicked, this,
            &TfrmFileImport::rdoFileImportPlainTextClick);
    connect(rdoFileImportSeparatedFile, &QRadioButton::clicked, this,
            &TfrmFileImport::rdoFileImportSeparatedFileClick);
    connect(rdoFileImportAllColumns, &QRadioButton::clicked, this,
            &TfrmFileImport::rdoFileImportAllColumnsClick);
    connect(rdoFileImportOneColumn, &QRadioButton::clicked, this,
            &TfrmFileImport::rdoFileImportOneColumnClick);
    connect(udFileImportColumnNumberUp, &QToolButton::clicked, this,
            [this] { udFileImportColumnNumberClick(true); });
    connect(udFileImportColumnNumberDown, &QToolButton::clicked, this,
            [this] { udFileImportColumnNumberClick(false); });

    FillSeparators();
    rdoFileImportPlainText->setChecked(true);
    rdoFileImportPlainTextClick();
    ApplyEnableRule(false);
    lblFileImportSourceLines->setText("0");
    lblFileImportPreviewLines->setText("0");
}

bool TfrmFileImport::ImportLines(std::vector<std::string>& lines) {
    const bool ok = exec() == QDialog::Accepted;
    if (ok) lines = preview_.TakeLines();
    // A million lines would otherwise stay in memory until the next import.
    ForgetLines();
    return ok;
}

bool TfrmFileImport::CheckImportFull(std::string& message) const {
    return arbovane::CheckImportFull(message, preview_.Lines());
}

bool TfrmFileImport::CheckImportRelative(std::string& message) const {
    return arbovane::CheckImportRelative(message, preview_.Lines());
}

void TfrmFileImport::FillSeparators() {
    // Each box in one go: thirty thousand marks added one by one would each update it.
    const auto fill = [this](QComboBox* box, const std::vector<std::string>& stored) {
        QStringList entries;
        for (const std::string& entry : ImportSeparatorEntries(context_.text, stored))
            entries.append(Q(entry));
        box->clear();
        box->addItems(entries);
        if (box->count() > 0) box->setCurrentIndex(0);
    };
    fill(cboFileImportDelimiter, context_.settings.separators);
    fill(cboFileImportQuotationMarks, context_.settings.quotationMarks);
}

void TfrmFileImport::ApplyEnableRule(bool sourceFilled) {
    for (QWidget* widget : std::initializer_list<QWidget*>{
             lstFileImportResults, lblFileImportResults, lblFileImportPreviewLinesCaption,
             lblFileImportPreviewLines, btnFileImportZoomResults, rdoFileImportPlainText,
             btnFileImportEdit, chkFileImportAbandonQMarks, btnFileImportCreate,
             lblFileImportStep2})
        widget->setEnabled(sourceFilled);
    if (sourceFilled) {
        rdoFileImportPlainText->setChecked(true);
        rdoFileImportPlainTextClick();
    }
    const bool importable = sourceFilled && !preview_.Empty();
    btnFileImportImport->setEnabled(importable);
    lblFileImportStep3->setEnabled(importable);
}

void TfrmFileImport::ShowImportEnabled() {
    btnFileImportImport->setEnabled(!preview_.Empty());
    lblFileImportStep3->setEnabled(!preview_.Empty());
}

void TfrmFileImport::Show(const ListMessage& message) {
    context_.messenger.Show(message.text, message.title, message.flags, MessageOwner::MainWindow);
}

void TfrmFileImport::edtFileImportFileNameReturnPressed() {
    btnFileImportBrowseClick();
}

bool TfrmFileImport::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the file-name field browses instead of pressing the default button.
    if (watched == edtFileImportFileName && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            edtFileImportFileNameReturnPressed();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmFileImport::btnFileImportBrowseClick() {
    std::string path;
    if (!context_.shell.OpenFileDialog(kOpenDialogTitle, kOpenDialogFilter, "", path)) {
        ApplyEnableRule(!source_.empty());
        return;
    }
    if (AsksAboutExtension(context_.text, path)) {
        const ListMessage question = ImportMessage("0311");
        if (context_.messenger.Show(question.text, question.title, question.flags,
                                    MessageOwner::MainWindow) != kAnswerYes)
            return;
    }
    edtFileImportFileName->setText(Q(path));
    std::string bytes;
    ListMessage failure;
    if (!ReadImportFile(context_.fs, path, "0312", bytes, failure)) {
        Show(failure);
        return;
    }
    ClearSource();
    ClearPreview();
    const auto flush = [&] {
        lstFileImportSource->ShowAppended();
        lblFileImportSourceLines->setText(QString::number(source_.size()));
        Pump();
    };
    ForEachTextLine(bytes, [&](std::string_view line) {
        if (line.find_first_not_of(' ') == std::string_view::npos) return;
        source_.push_back(SourceLineOf(line));
        if (PumpDue()) flush();
    });
    std::string().swap(bytes);
    flush();
    Show(ImportMessage("0450"));
    ApplyEnableRule(!source_.empty());
}

void TfrmFileImport::btnFileImportCreateClick() {
    const int mode =
        ImportModeFor(rdoFileImportPlainText->isChecked(), rdoFileImportAllColumns->isChecked(),
                      rdoFileImportOneColumn->isChecked());
    long long column = 1;
    if (mode == ImportClass::kColumn &&
        !ColumnNumberFrom(edtFileImportColumnNumber->text().toStdString(), column)) {
        // Nothing has changed yet: the user corrects the field and presses Create again.
        Show(ImportMessage("0314"));
        return;
    }
    ClearPreview();
    ImportClass import(context_.fs, edtFileImportFileName->text().toStdString(), mode,
                       ImportSeparatorFrom(cboFileImportDelimiter->currentText().toStdString()),
                       cboFileImportQuotationMarks->currentText().toStdString(),
                       chkFileImportAbandonQMarks->isChecked());
    if (mode == ImportClass::kColumn) import.SetColumn(column);
    if (!import.Run()) {
        Show(import.Failure());
        ShowImportEnabled();
        return;
    }
    FillPreview(import.Result());
    ShowImportEnabled();
    Show(ImportMessage("0451"));
}

void TfrmFileImport::FillPreview(const std::vector<std::string>& items) {
    std::size_t looked = 0;
    const auto flush = [&] {
        lstFileImportResults->ShowAppended();
        lblFileImportPreviewLines->setText(QString::number(looked));
        Pump();
    };
    for (const std::string& item : items) {
        ++looked;
        AddToPreview(preview_, item);
        if (PumpDue()) flush();
    }
    flush();
}

void TfrmFileImport::btnFileImportClearAllClick() {
    edtFileImportFileName->clear();
    ClearSource();
    ClearPreview();
    rdoFileImportPlainText->setChecked(true);
    rdoFileImportPlainTextClick();
    edtFileImportColumnNumber->setText("1");
    chkFileImportAbandonQMarks->setChecked(true);
    if (cboFileImportDelimiter->count() > 0) cboFileImportDelimiter->setCurrentIndex(0);
    ApplyEnableRule(!source_.empty());
}

void TfrmFileImport::btnFileImportZoomSourceClick() {
    ZoomWindow().Zoom(source_);
}

void TfrmFileImport::btnFileImportZoomResultsClick() {
    ZoomWindow().Zoom(preview_.Lines());
}

void TfrmFileImport::btnFileImportEditClick() {
    std::vector<std::string> edited;
    if (!EditWindow().Edit(preview_.Lines(), edited)) return;
    ClearPreview();
    ParseBackPreview(preview_, edited);
    lstFileImportResults->ShowLines();
    lblFileImportPreviewLines->setText(QString::number(preview_.Size()));
    ShowImportEnabled();
}

void TfrmFileImport::btnFileImportImportClick() {
    accept();
}

void TfrmFileImport::btnFileImportCancelClick() {
    reject();
}

void TfrmFileImport::SetHelpHook(std::function<void()> help) {
    help_ = std::move(help);
    btnFileImportHelp->setEnabled(static_cast<bool>(help_));
}

void TfrmFileImport::btnFileImportHelpClick() {
    if (help_) help_();
}

void TfrmFileImport::SetMarkWindows(MarkListWindow* delimiters, MarkListWindow* quotationMarks) {
    delimiters_ = delimiters;
    quotationMarks_ = quotationMarks;
    btnFileImportManageSeparators->setEnabled(delimiters_ != nullptr);
    btnFileImportManageQuotationMarks->setEnabled(quotationMarks_ != nullptr);
}

void TfrmFileImport::btnFileImportManageSeparatorsClick() {
    if (!delimiters_) return;
    delimiters_->Run();
    FillSeparators();
}

void TfrmFileImport::btnFileImportManageQuotationMarksClick() {
    if (!quotationMarks_) return;
    quotationMarks_->Run();
    FillSeparators();
}

void TfrmFileImport::rdoFileImportPlainTextClick() {
    for (QWidget* widget : std::initializer_list<QWidget*>{
             rdoFileImportAllColumns, rdoFileImportOneColumn, edtFileImportColumnNumber,
             udFileImportColumnNumberUp, udFileImportColumnNumberDown, lblFileImportDelimiter,
             cboFileImportDelimiter})
        widget->setEnabled(false);
}

void TfrmFileImport::rdoFileImportSeparatedFileClick() {
    for (QWidget* widget :
         std::initializer_list<QWidget*>{rdoFileImportAllColumns, rdoFileImportOneColumn,
                                         lblFileImportDelimiter, cboFileImportDelimiter})
        widget->setEnabled(true);
    rdoFileImportAllColumns->setChecked(true);
    rdoFileImportAllColumnsClick();
}

void TfrmFileImport::rdoFileImportAllColumnsClick() {
    for (QWidget* widget : std::initializer_list<QWidget*>{
             edtFileImportColumnNumber, udFileImportColumnNumberUp, udFileImportColumnNumberDown})
        widget->setEnabled(false);
}

void TfrmFileImport::rdoFileImportOneColumnClick() {
    for (QWidget* widget : std::initializer_list<QWidget*>{
             edtFileImportColumnNumber, udFileImportColumnNumberUp, udFileImportColumnNumberDown})
        widget->setEnabled(true);
}

void TfrmFileImport::udFileImportColumnNumberClick(bool up) {
    long long column = 1;
    if (!ColumnNumberFrom(edtFileImportColumnNumber->text().toStdString(), column)) column = 1;
    column += up ? 1 : -1;
    if (column > kMaxUpDownColumn) column = 1;
    if (column < 1) column = kMaxUpDownColumn;
    edtFileImportColumnNumber->setText(QString::number(column));
}

void TfrmFileImport::ClearSource() {
    std::vector<std::string>().swap(source_);
    lstFileImportSource->ShowLines();
    lblFileImportSourceLines->setText("0");
}

void TfrmFileImport::ClearPreview() {
    preview_.Clear();
    lstFileImportResults->ShowLines();
    lblFileImportPreviewLines->setText("0");
}

void TfrmFileImport::ForgetLines() {
    ClearSource();
    ClearPreview();
    ApplyEnableRule(false);
}

TfrmZoomIncludeWindow& TfrmFileImport::ZoomWindow() {
    if (!zoom_) zoom_ = new TfrmZoomIncludeWindow(context_, this);
    return *zoom_;
}

TfrmEditSmartImport& TfrmFileImport::EditWindow() {
    if (!edit_) edit_ = new TfrmEditSmartImport(context_, this);
    return *edit_;
}

bool TfrmFileImport::PumpDue() const {
    constexpr qint64 kPumpIntervalMs = 30;
    return !pumpClock_.isValid() || pumpClock_.elapsed() >= kPumpIntervalMs;
}

void TfrmFileImport::Pump() {
    PumpMessages();
    pumpClock_.start();
}

}  // namespace arbovane
