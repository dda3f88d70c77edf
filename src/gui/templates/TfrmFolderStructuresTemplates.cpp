#include "gui/templates/TfrmFolderStructuresTemplates.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

#include "core/lists/EditParseBack.h"

namespace arbovane {

TfrmFolderStructuresTemplates::TfrmFolderStructuresTemplates(GuiContext& /*context*/,
                                                             QWidget* parent)
    : QDialog(parent) {
    setObjectName("frmFolderStructuresTemplates");
    setWindowTitle("Edit ");
    setModal(true);

    mmoEditFolderStructuresTemplates = new QPlainTextEdit(this);
    mmoEditFolderStructuresTemplates->setObjectName("mmoEditFolderStructuresTemplates");
    mmoEditFolderStructuresTemplates->setLineWrapMode(QPlainTextEdit::NoWrap);
    mmoEditFolderStructuresTemplates->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mmoEditFolderStructuresTemplates->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* linesCaption = new QLabel("Lines:", this);
    linesCaption->setObjectName("lblFolderStructuresTemplatesEditLines");
    lblFolderStructuresTemplatesEditLinesCurrent = new QLabel("0", this);
    lblFolderStructuresTemplatesEditLinesCurrent->setObjectName(
        "lblFolderStructuresTemplatesEditLinesCurrent");

    const auto button = [this](const char* name, const char* caption) {
        auto* made = new QPushButton(caption, this);
        made->setObjectName(name);
        made->setAutoDefault(false);
        return made;
    };
    btnOK = button("btnFolderStructuresTemplatesOK", "OK");
    btnCancel = button("btnFolderStructuresTemplatesCancel", "Cancel");
    btnHelp = button("btnFolderStructuresTemplatesHelp", "Help");
    btnHelp->setEnabled(false);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(linesCaption);
    bottom->addWidget(lblFolderStructuresTemplatesEditLinesCurrent);
    bottom->addStretch(1);
    bottom->addWidget(btnOK);
    bottom->addWidget(btnCancel);
    bottom->addWidget(btnHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mmoEditFolderStructuresTemplates, 1);
    layout->addLayout(bottom);
    resize(640, 460);

    connect(btnOK, &QPushButton::clicked, this, &TfrmFolderStructuresTemplates::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmFolderStructuresTemplates::btnCancelClick);
    connect(btnHelp, &QPushButton::clicked, this, &TfrmFolderStructuresTemplates::btnHelpClick);
    connect(mmoEditFolderStructuresTemplates, &QPlainTextEdit::textChanged, this,
            &TfrmFolderStructuresTemplates::mmoEditFolderStructuresTemplatesChange);
}

void TfrmFolderStructuresTemplates::SetHelpHook(std::function<void()> help) {
    help_ = std::move(help);
    btnHelp->setEnabled(static_cast<bool>(help_));
}

void TfrmFolderStructuresTemplates::btnHelpClick() {
    if (help_) help_();
}

void TfrmFolderStructuresTemplates::Prepare(const std::vector<std::string>& lines) {
    shownLines_.clear();
    for (const std::string& line : lines) {
        const QString shown = QString::fromStdString(line);
        if (!shownLines_.contains(shown)) shownLines_.insert(shown, line);
    }
    edited_.clear();
    mmoEditFolderStructuresTemplates->setPlainText(QString::fromStdString(JoinMemoLines(lines)));
    mmoEditFolderStructuresTemplatesChange();
}

bool TfrmFolderStructuresTemplates::Edit(const std::vector<std::string>& lines,
                                         std::vector<std::string>& edited) {
    Prepare(lines);
    const bool ok = exec() == QDialog::Accepted;
    if (ok) edited = std::move(edited_);
    edited_.clear();
    return ok;
}

std::vector<std::string> TfrmFolderStructuresTemplates::EditedLines() const {
    std::vector<std::string> lines;
    const QTextDocument* document = mmoEditFolderStructuresTemplates->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QString shown = block.text();
        const auto original = shownLines_.constFind(shown);
        lines.push_back(original != shownLines_.cend() ? *original : shown.toStdString());
    }
    // A final line break opens no line, as the counter shows.
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

void TfrmFolderStructuresTemplates::mmoEditFolderStructuresTemplatesChange() {
    const QTextDocument* document = mmoEditFolderStructuresTemplates->document();
    int count = document->blockCount();
    if (document->lastBlock().text().isEmpty()) --count;
    lblFolderStructuresTemplatesEditLinesCurrent->setText(QString::number(count));
}

void TfrmFolderStructuresTemplates::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TfrmFolderStructuresTemplates::FormActivate() {
    mmoEditFolderStructuresTemplates->setFocus();
}

void TfrmFolderStructuresTemplates::btnOKClick() {
    edited_ = EditedLines();
    accept();
}

void TfrmFolderStructuresTemplates::btnCancelClick() {
    reject();
}

void TfrmFolderStructuresTemplates::done(int result) {
    mmoEditFolderStructuresTemplates->clear();
    shownLines_.clear();
    QDialog::done(result);
}

}  // namespace arbovane
