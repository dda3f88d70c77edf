#include "gui/app/TfrmJob.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/jobs/JobCheck.h"
#include "core/jobs/JobFile.h"
#include "core/jobs/JobMessages.h"
#include "core/paths/PathText.h"
#include "platform/FileSystem.h"
#include "platform/Messenger.h"
#include "platform/Shell.h"

namespace arbovane {

namespace {

const char* const kFilter = "Job files (*.job)|*.job|All files (*.*)|*.*";
// A job of a hundred thousand lines is shown by its beginning; the file holds them all.
constexpr int kLinesShown = 2000;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string Counted(std::size_t count, const char* what) {
    return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

// "3 include lines, 1 template": what a job will set on its tab.
std::string Contents(const TabJob& job) {
    std::string text;
    const auto add = [&text](const std::string& part) {
        text += (text.empty() ? "" : ", ") + part;
    };
    if (JobHasLists(job.tab)) {
        add(Counted(job.include.size(), "include line"));
        add(Counted(job.exclude.size(), "exclude line"));
    }
    if (JobHasTemplates(job.tab) && job.kind != TemplateKind::Nothing)
        add(Counted(job.templates.size(), "template"));
    if (JobUsesFiles(job)) add("the file selection " + job.files);
    return text;
}

}  // namespace

TfrmJob::TfrmJob(GuiContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setObjectName("frmJob");
    setModal(true);
    auto* column = new QVBoxLayout(this);
    lblJobSummary = new QLabel(this);
    lblJobSummary->setObjectName("lblJobSummary");
    lblJobSummary->setWordWrap(true);
    column->addWidget(lblJobSummary);

    auto* fileRow = new QHBoxLayout;
    auto* fileCaption = new QLabel("Job file:", this);
    edtJobFile = new QLineEdit(this);
    edtJobFile->setObjectName("edtJobFile");
    fileCaption->setBuddy(edtJobFile);
    connect(edtJobFile, &QLineEdit::editingFinished, this, &TfrmJob::edtJobFileEditingFinished);
    btnJobBrowse = new QPushButton("Browse...", this);
    btnJobBrowse->setObjectName("btnJobBrowse");
    btnJobBrowse->setAutoDefault(false);
    connect(btnJobBrowse, &QPushButton::clicked, this, &TfrmJob::btnJobBrowseClick);
    fileRow->addWidget(fileCaption);
    fileRow->addWidget(edtJobFile, 1);
    fileRow->addWidget(btnJobBrowse);
    column->addLayout(fileRow);

    mmoJobText = new QPlainTextEdit(this);
    mmoJobText->setObjectName("mmoJobText");
    mmoJobText->setReadOnly(true);
    mmoJobText->setLineWrapMode(QPlainTextEdit::NoWrap);
    column->addWidget(mmoJobText, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnJobOK = new QPushButton(this);
    btnJobOK->setObjectName("btnJobOK");
    btnJobOK->setAutoDefault(false);
    connect(btnJobOK, &QPushButton::clicked, this, &TfrmJob::btnJobOKClick);
    btnJobCancel = new QPushButton("Cancel", this);
    btnJobCancel->setObjectName("btnJobCancel");
    btnJobCancel->setAutoDefault(false);
    connect(btnJobCancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(btnJobOK);
    buttons->addWidget(btnJobCancel);
    column->addLayout(buttons);
    resize(620, 460);
}

bool TfrmJob::PrepareSave(const TabJob& job) {
    std::string error;
    if (!JobText(job, text_, error)) {
        ShowJobMessage(context_.messenger, JobMessageId::LineBreak, {}, error);
        return false;
    }
    saving_ = true;
    setWindowTitle("Save Job");
    btnJobOK->setText("Save");
    lblJobSummary->setText(Q(std::string("The tab \"") + JobTabCaption(job.tab) +
                             "\": " + Contents(job) + ". The job file will hold:"));
    ShowText(text_);
    return true;
}

bool TfrmJob::SaveJob(const TabJob& job) {
    if (!PrepareSave(job)) return false;
    return exec() == QDialog::Accepted;
}

void TfrmJob::PrepareOpen() {
    saving_ = false;
    opened_.reset();
    shownFile_.clear();
    setWindowTitle("Open Job");
    btnJobOK->setText("Open");
    lblJobSummary->setText(
        "Choose a job file saved from a tab. Opening it replaces the lists "
        "and settings of that tab.");
    mmoJobText->clear();
    if (!edtJobFile->text().trimmed().isEmpty()) ShowFile();
}

std::optional<TabJob> TfrmJob::OpenJob() {
    PrepareOpen();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return opened_;
}

void TfrmJob::ShowText(const std::string& text) {
    std::string shown;
    std::size_t lines = 0, at = 0;
    for (; at < text.size() && lines < kLinesShown; ++lines) {
        const std::size_t end = text.find('\n', at);
        at = end == std::string::npos ? text.size() : end + 1;
    }
    shown = text.substr(0, at);
    if (at < text.size()) {
        std::size_t more = 0;
        for (std::size_t i = at; i < text.size(); ++i) more += text[i] == '\n';
        shown += "... (" + std::to_string(more) + " more lines)\n";
    }
    mmoJobText->setPlainText(QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size())));
}

bool TfrmJob::Browse() {
    std::string chosen;
    const std::string current = TrimSpaces(edtJobFile->text().toStdString());
    const bool picked =
        saving_ ? context_.shell.SaveFileDialog("Save Job", kFilter, "job", current, chosen)
                : context_.shell.OpenFileDialog("Open Job", kFilter, {}, chosen);
    if (!picked || chosen.empty()) return false;
    edtJobFile->setText(Q(chosen));
    if (!saving_) ShowFile();
    return true;
}

void TfrmJob::btnJobBrowseClick() {
    Browse();
}

void TfrmJob::edtJobFileEditingFinished() {
    if (!saving_ && isVisible()) ShowFile();
}

void TfrmJob::ShowFile() {
    const std::string path = TrimSpaces(edtJobFile->text().toStdString());
    if (path == shownFile_) return;
    shownFile_ = path;
    std::string bytes;
    if (path.empty() || !context_.fs.ReadWholeFile(path, bytes)) {
        mmoJobText->clear();
        lblJobSummary->setText("The file cannot be read.");
        return;
    }
    ShowText(bytes);
    const JobParse parse = ParseJobText(bytes);
    switch (parse.outcome) {
        case JobParse::Outcome::Newer:
            lblJobSummary->setText(Q("A job saved by version " + parse.job.version +
                                     ", which is newer than this one: it cannot be opened."));
            return;
        case JobParse::Outcome::Damaged:
            lblJobSummary->setText(Q("This file is no job that can be opened: " + parse.error));
            return;
        case JobParse::Outcome::Opened:
            lblJobSummary->setText(Q(std::string("A job of the tab \"") +
                                     JobTabCaption(parse.job.tab) + "\": " + Contents(parse.job) +
                                     ". Opening it replaces that tab's lists and settings."));
            return;
    }
}

void TfrmJob::btnJobOKClick() {
    if (TrimSpaces(edtJobFile->text().toStdString()).empty() && !Browse()) return;
    if (saving_)
        Save();
    else
        Open();
}

void TfrmJob::Save() {
    const std::string path = TrimSpaces(edtJobFile->text().toStdString());
    if (context_.fs.IsFile(path) &&
        ShowJobMessage(context_.messenger, JobMessageId::Replace, path) != kAnswerYes)
        return;
    if (!context_.fs.WriteWholeFile(path, text_)) {
        ShowJobMessage(context_.messenger, JobMessageId::WriteFailed, path);
        return;
    }
    accept();
}

void TfrmJob::Open() {
    const std::string path = TrimSpaces(edtJobFile->text().toStdString());
    std::string bytes;
    if (!context_.fs.ReadWholeFile(path, bytes)) {
        ShowJobMessage(context_.messenger, JobMessageId::ReadFailed, path);
        return;
    }
    JobParse parse = ParseJobText(bytes);
    if (parse.outcome == JobParse::Outcome::Newer) {
        ShowJobMessage(context_.messenger, JobMessageId::Newer, path, parse.job.version);
        return;
    }
    if (parse.outcome == JobParse::Outcome::Damaged) {
        ShowJobMessage(context_.messenger, JobMessageId::Damaged, path, parse.error);
        return;
    }
    if (const std::string refusal = JobContentRefusal(parse.job); !refusal.empty()) {
        ShowJobMessage(context_.messenger, JobMessageId::NotTaken, path, refusal);
        return;
    }
    opened_ = std::move(parse.job);
    accept();
}

}  // namespace arbovane
