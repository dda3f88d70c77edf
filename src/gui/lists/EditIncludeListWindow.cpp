#include "gui/lists/EditIncludeListWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

#include "core/lists/EditParseBack.h"
#include "platform/Messenger.h"

namespace arbovane {

EditIncludeListWindow::EditIncludeListWindow(GuiContext& context, const std::string& name,
                                             const std::string& caption, QWidget* parent)
    : QDialog(parent), context_(context) {
    const QString prefix = QString::fromStdString(name);
    setObjectName("frm" + prefix + "EditIncludeList");
    setWindowTitle(QString::fromStdString(caption));
    setModal(true);

    mmoEditIncludeList = new QPlainTextEdit(this);
    mmoEditIncludeList->setObjectName("mmo" + prefix + "EditIncludeList");
    mmoEditIncludeList->setLineWrapMode(QPlainTextEdit::NoWrap);
    mmoEditIncludeList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mmoEditIncludeList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* linesCaption = new QLabel("Lines:", this);
    linesCaption->setObjectName("lbl" + prefix + "EditLines");
    lblEditLinesSum = new QLabel("0", this);
    lblEditLinesSum->setObjectName("lbl" + prefix + "EditLinesSum");

    btnEditOK = new QPushButton("OK", this);
    btnEditOK->setObjectName("btn" + prefix + "EditOK");
    btnEditOK->setAutoDefault(false);
    btnEditCancel = new QPushButton("Cancel", this);
    btnEditCancel->setObjectName("btn" + prefix + "EditCancel");
    btnEditCancel->setAutoDefault(false);
    btnEditHelp = new QPushButton("Help", this);
    btnEditHelp->setObjectName("btn" + prefix + "EditHelp");
    btnEditHelp->setAutoDefault(false);
    btnEditHelp->setEnabled(false);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(linesCaption);
    bottom->addWidget(lblEditLinesSum);
    bottom->addStretch(1);
    bottom->addWidget(btnEditOK);
    bottom->addWidget(btnEditCancel);
    bottom->addWidget(btnEditHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mmoEditIncludeList, 1);
    layout->addLayout(bottom);
    resize(640, 460);

    connect(btnEditOK, &QPushButton::clicked, this, &EditIncludeListWindow::btnEditOKClick);
    connect(btnEditCancel, &QPushButton::clicked, this, &EditIncludeListWindow::btnEditCancelClick);
    connect(btnEditHelp, &QPushButton::clicked, this, &EditIncludeListWindow::btnEditHelpClick);
    connect(mmoEditIncludeList, &QPlainTextEdit::textChanged, this,
            &EditIncludeListWindow::mmoEditIncludeListChange);
    mmoEditIncludeList->clear();
}

void EditIncludeListWindow::Prepare(const std::vector<std::string>& lines, ParseBack parseBack) {
    parseBack_ = std::move(parseBack);
    mmoEditIncludeList->clear();
    const std::size_t uncarried = memoText_.Show(mmoEditIncludeList, lines);
    mmoEditIncludeListChange();
    if (uncarried > 0) {
        const ListMessage warning = UncarriedLinesMessage(uncarried);
        context_.messenger.Show(warning.text, warning.title, warning.flags,
                                MessageOwner::MainWindow);
    }
}

bool EditIncludeListWindow::Edit(const std::vector<std::string>& lines, ParseBack parseBack) {
    Prepare(lines, std::move(parseBack));
    return exec() == QDialog::Accepted;
}

std::vector<std::string> EditIncludeListWindow::MemoLines() const {
    return memoText_.Read(mmoEditIncludeList);
}

void EditIncludeListWindow::mmoEditIncludeListChange() {
    // Counted from the blocks, not by splitting the text, so typing in a long list stays quick; a
    // final line break opens no line, as in SplitMemoLines.
    const QTextDocument* document = mmoEditIncludeList->document();
    int count = document->blockCount();
    if (document->lastBlock().text().isEmpty()) --count;
    lblEditLinesSum->setText(QString::number(count));
}

void EditIncludeListWindow::btnEditOKClick() {
    if (parseBack_) {
        if (const auto refusal = parseBack_(MemoLines())) {
            // The text stays as typed so the user can correct it.
            context_.messenger.Show(refusal->text, refusal->title, refusal->flags,
                                    MessageOwner::MainWindow);
            return;
        }
    }
    accept();
}

void EditIncludeListWindow::btnEditCancelClick() {
    reject();
}

void EditIncludeListWindow::SetHelpHook(std::function<void()> help) {
    help_ = std::move(help);
    btnEditHelp->setEnabled(static_cast<bool>(help_));
}

void EditIncludeListWindow::btnEditHelpClick() {
    if (help_) help_();
}

void EditIncludeListWindow::done(int result) {
    mmoEditIncludeList->clear();
    memoText_.Clear();
    parseBack_ = nullptr;
    QDialog::done(result);
}

}  // namespace arbovane
