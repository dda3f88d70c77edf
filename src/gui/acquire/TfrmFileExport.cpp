#include "gui/acquire/TfrmFileExport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStringList>
#include <QVBoxLayout>

#include "core/app/ProgramSettings.h"
#include "core/paths/Arbsplit.h"
#include "gui/app/PumpMessages.h"
#include "gui/lists/LineListView.h"
#include "platform/FileSystem.h"
#include "platform/Messenger.h"
#include "platform/Shell.h"
#include "platform/Text.h"

namespace arbovane {

namespace {

const char* const kSyntaxErrorTitle = "Export Content to a File.            Warning no: 0385bc.";
const char* const kSaveFailedText =
    "There was a problem saving the file !\nAction : The file is maybe corrupted.";
const char* const kSaveFailedTitle = "Export Conrent to File.            Warning no: 0330.";
const char* const kEndText = "End of the exporting process.";

const char* const kSaveDialogTitle = "Export Folder Names (strings) to a file.";
const char* const kSaveDialogFilter =
    "Text Files (*.txt)|*.txt|Comma Separated (*.csv)|*.csv|All Files (*.*)|*.*";
const char* const kSaveDialogExtension = "txt";

const int kScrollExtentPixels = 2000;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

TfrmFileExport::TfrmFileExport(GuiContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName("frmFileExport");
    setWindowTitle("Export Datas to a File.");
    setModal(true);

    // Long paths scroll sideways over a fixed extent, so a long list is not measured line by line.
    lstFileExportSource = new LineListView(
        "lstFileExportSource", [this]() -> const std::vector<std::string>& { return Shown(); },
        kScrollExtentPixels, this);
    lstFileExportSource->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* sourceCaption = new QLabel("Original Content to Export:", this);
    sourceCaption->setObjectName("lblSmartExportSourceCaption");
    lblSmartExportSource = new QLabel(this);
    lblSmartExportSource->setObjectName("lblSmartExportSource");
    auto* exportedCaption = new QLabel("Exported:", this);
    exportedCaption->setObjectName("lblSmartExportExportedCaption");
    lblSmartExportExported = new QLabel(this);
    lblSmartExportExported->setObjectName("lblSmartExportExported");

    auto* typeFrame = new QGroupBox("Export Type", this);
    typeFrame->setObjectName("grpFileExportType");
    rdoFileExportPlainTextFile =
        new QRadioButton("To a Plain Text File. One Line - one string.", typeFrame);
    rdoFileExportPlainTextFile->setObjectName("rdoFileExportPlainTextFile");
    rdoFileExportCSVSeparatedFile = new QRadioButton("To a CSV - Separated File.", typeFrame);
    rdoFileExportCSVSeparatedFile->setObjectName("rdoFileExportCSVSeparatedFile");
    auto* delimiterCaption = new QLabel("Select a Delimiter", typeFrame);
    delimiterCaption->setObjectName("lblFileExportDelimiter");
    cboFileExportDelimiter = new QComboBox(typeFrame);
    cboFileExportDelimiter->setObjectName("cboFileExportDelimiter");
    cboFileExportDelimiter->setEditable(true);
    // A typed delimiter is used as it stands; the list itself never grows at run time.
    cboFileExportDelimiter->setInsertPolicy(QComboBox::NoInsert);
    chkFileExportQuotationMarks = new QCheckBox("Put Double Quotes around strings.", typeFrame);
    chkFileExportQuotationMarks->setObjectName("chkFileExportQuotationMarks");
    auto* typeLayout = new QGridLayout(typeFrame);
    typeLayout->addWidget(rdoFileExportPlainTextFile, 0, 0, 1, 2);
    typeLayout->addWidget(rdoFileExportCSVSeparatedFile, 1, 0, 1, 2);
    typeLayout->addWidget(delimiterCaption, 2, 0);
    typeLayout->addWidget(cboFileExportDelimiter, 2, 1);
    typeLayout->addWidget(chkFileExportQuotationMarks, 3, 0, 1, 2);

    auto* linesFrame = new QGroupBox("Export Lines", this);
    linesFrame->setObjectName("grpFileExportLines");
    rdoFileExportUnModified = new QRadioButton("Unmodified", linesFrame);
    rdoFileExportUnModified->setObjectName("rdoFileExportUnModified");
    rdoFileExportUnModified->setToolTip("Export Folders, Strings Unmodified.");
    rdoFileExportWithoutDriveLetter =
        new QRadioButton("As Folder Templates     (Without Drive Letters, if ANY)", linesFrame);
    rdoFileExportWithoutDriveLetter->setObjectName("rdoFileExportWithoutDriveLetter");
    rdoFileExportWithoutDriveLetter->setToolTip(
        "Export Folders without Drive Letter, strings Unmodified.");
    auto* linesLayout = new QVBoxLayout(linesFrame);
    linesLayout->addWidget(rdoFileExportUnModified);
    linesLayout->addWidget(rdoFileExportWithoutDriveLetter);

    btnFileExportTo = new QPushButton("Export To...", this);
    btnFileExportTo->setObjectName("btnFileExportTo");
    btnFileExportClose = new QPushButton("Close", this);
    btnFileExportClose->setObjectName("btnFileExportClose");

    auto* counters = new QHBoxLayout;
    counters->addWidget(sourceCaption);
    counters->addWidget(lblSmartExportSource);
    counters->addStretch();
    counters->addWidget(exportedCaption);
    counters->addWidget(lblSmartExportExported);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnFileExportTo);
    buttons->addWidget(btnFileExportClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstFileExportSource, 1);
    layout->addLayout(counters);
    layout->addWidget(typeFrame);
    layout->addWidget(linesFrame);
    layout->addLayout(buttons);
    resize(620, 560);

    connect(rdoFileExportPlainTextFile, &QRadioButton::clicked, this,
            &TfrmFileExport::rdoFileExportPlainTextFileClick);
    connect(rdoFileExportCSVSeparatedFile, &QRadioButton::clicked, this,
            &TfrmFileExport::rdoFileExportCSVSeparatedFileClick);
    connect(rdoFileExportUnModified, &QRadioButton::clicked, this,
            &TfrmFileExport::rdoFileExportUnModifiedClick);
    connect(rdoFileExportWithoutDriveLetter, &QRadioButton::clicked, this,
            &TfrmFileExport::rdoFileExportWithoutDriveLetterClick);
    connect(btnFileExportTo, &QPushButton::clicked, this, &TfrmFileExport::btnFileExportToClick);
    connect(btnFileExportClose, &QPushButton::clicked, this, &QDialog::reject);

    // In one go: thirty thousand separators added one by one would each update the box.
    QStringList delimiters;
    for (const std::string& delimiter :
         DelimiterEntries(context_.text, context_.settings.separators))
        delimiters.append(Q(delimiter));
    cboFileExportDelimiter->addItems(delimiters);
    Pump();
    if (cboFileExportDelimiter->count() > 0) cboFileExportDelimiter->setCurrentIndex(0);

    rdoFileExportPlainTextFile->setChecked(true);
    cboFileExportDelimiter->setEnabled(false);
    rdoFileExportUnModified->setChecked(true);
    ResetCounters();
}

void TfrmFileExport::ExportLines(std::vector<std::string> lines, const std::string& contentKind) {
    PrepareExport(std::move(lines), contentKind);
    exec();
}

void TfrmFileExport::PrepareExport(std::vector<std::string> lines, const std::string& contentKind) {
    ResetCounters();
    rebuilt_ = false;
    std::vector<std::string>().swap(rebuiltLines_);
    givenLines_ = UniqueEntryLines(context_.text, context_.fs, std::move(lines));
    ShowSourceList();
    contentKind_ = contentKind;
}

void TfrmFileExport::done(int result) {
    QDialog::done(result);
    // A million lines would otherwise stay in memory until the next export.
    std::vector<std::string>().swap(givenLines_);
    std::vector<std::string>().swap(rebuiltLines_);
    rebuilt_ = false;
    ShowSourceList();
    ResetCounters();
}

void TfrmFileExport::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Only a show by the program starts an export; a restored window keeps its state.
    if (!event->spontaneous()) FormActivate();
}

void TfrmFileExport::FormActivate() {
    const bool strings = IsStringsContent(contentKind_);
    rdoFileExportUnModified->setEnabled(!strings);
    rdoFileExportWithoutDriveLetter->setEnabled(!strings);
    // The given lines are the source list as the caller filled it; the checked choice is applied
    // to them, so the list shows what will be written.
    const ExportLinesChoice choice = ChoiceForContent(contentKind_, foldersChoice_);
    ShowChoice(choice);
    if (choice == ExportLinesChoice::Unmodified && !rebuilt_)
        lblSmartExportSource->setText(QString::number(givenLines_.size()));
    else
        ApplyChoice(choice);
}

void TfrmFileExport::rdoFileExportUnModifiedClick() {
    foldersChoice_ = ExportLinesChoice::Unmodified;
    ShowChoice(foldersChoice_);
    ApplyChoice(foldersChoice_);
}

void TfrmFileExport::rdoFileExportWithoutDriveLetterClick() {
    foldersChoice_ = ExportLinesChoice::AsFolderTemplates;
    ShowChoice(ChoiceForContent(contentKind_, foldersChoice_));
    ApplyChoice(ChoiceForContent(contentKind_, foldersChoice_));
}

void TfrmFileExport::rdoFileExportPlainTextFileClick() {
    rdoFileExportPlainTextFile->setChecked(true);
    cboFileExportDelimiter->setEnabled(false);
}

void TfrmFileExport::rdoFileExportCSVSeparatedFileClick() {
    rdoFileExportCSVSeparatedFile->setChecked(true);
    cboFileExportDelimiter->setEnabled(true);
}

void TfrmFileExport::btnFileExportToClick() {
    const std::vector<std::string>& lines = Shown();
    std::string report;
    if (ReportSyntaxErrors(report, lines)) {
        context_.messenger.Show(report, kSyntaxErrorTitle, kMsgWarning);
        return;
    }
    ExportFormat format;
    format.type = rdoFileExportCSVSeparatedFile->isChecked() ? ExportType::CsvSeparatedFile
                                                             : ExportType::PlainTextFile;
    format.quotationMarks = chkFileExportQuotationMarks->isChecked();
    format.delimiter = cboFileExportDelimiter->currentText().toStdString();

    std::string path;
    if (!context_.shell.SaveFileDialog(kSaveDialogTitle, kSaveDialogFilter, kSaveDialogExtension,
                                       "", path))
        return;

    // The whole file is formed first and written in one call, so a failed write is never
    // mistaken for a finished export.
    std::string bytes;
    lblSmartExportExported->setText("0");
    if (WritesContent(contentKind_)) {
        std::size_t exported = 0;
        for (const std::string& line : lines) {
            bytes += ExportRecord(line, format);
            ++exported;
            if (PumpDue()) {
                lblSmartExportExported->setText(QString::number(exported));
                Pump();
            }
        }
        lblSmartExportExported->setText(QString::number(exported));
        Pump();
    }
    if (!context_.fs.WriteWholeFile(path, bytes)) {
        lblSmartExportExported->setText("0");
        context_.messenger.Show(kSaveFailedText, kSaveFailedTitle, kMsgWarning);
        return;
    }
    context_.messenger.Show(kEndText, kProgramTitle, kMsgPlain);
}

void TfrmFileExport::ResetCounters() {
    lblSmartExportSource->setText("0");
    lblSmartExportExported->setText("0");
}

void TfrmFileExport::ShowSourceList() {
    lstFileExportSource->ShowLines();
    const QModelIndex first = lstFileExportSource->model()->index(0, 0);
    if (first.isValid())
        lstFileExportSource->selectionModel()->setCurrentIndex(first,
                                                               QItemSelectionModel::ClearAndSelect);
    lblSmartExportSource->setText(QString::number(Shown().size()));
}

void TfrmFileExport::ApplyChoice(ExportLinesChoice choice) {
    ResetCounters();
    rebuilt_ = choice != ExportLinesChoice::Unmodified;
    if (rebuilt_)
        rebuiltLines_ = RebuildSourceLines(context_.text, context_.fs, givenLines_, choice);
    else
        std::vector<std::string>().swap(rebuiltLines_);
    ShowSourceList();
}

bool TfrmFileExport::PumpDue() const {
    constexpr qint64 kPumpIntervalMs = 30;
    return !pumpClock_.isValid() || pumpClock_.elapsed() >= kPumpIntervalMs;
}

void TfrmFileExport::Pump() {
    PumpMessages();
    pumpClock_.start();
}

void TfrmFileExport::ShowChoice(ExportLinesChoice choice) {
    if (choice == ExportLinesChoice::Unmodified)
        rdoFileExportUnModified->setChecked(true);
    else
        rdoFileExportWithoutDriveLetter->setChecked(true);
}

}  // namespace arbovane
