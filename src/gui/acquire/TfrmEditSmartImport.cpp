#include "gui/acquire/TfrmEditSmartImport.h"

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

TfrmEditSmartImport::TfrmEditSmartImport(GuiContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName("frmEditSmartImport");
    setWindowTitle("Edit the content of the Import Window.");
    setModal(true);

    mmoEditSmartImport = new QPlainTextEdit(this);
    mmoEditSmartImport->setObjectName("mmoEditSmartImport");
    mmoEditSmartImport->setLineWrapMode(QPlainTextEdit::NoWrap);
    mmoEditSmartImport->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mmoEditSmartImport->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* linesCaption = new QLabel("Lines:", this);
    linesCaption->setObjectName("lblEditSmartImportLines");
    lblEditSmartImportLinesSum = new QLabel("0", this);
    lblEditSmartImportLinesSum->setObjectName("lblEditSmartImportLinesSum");

    btnEditSmartImportOK = new QPushButton("OK", this);
    btnEditSmartImportOK->setObjectName("btnEditSmartImportOK");
    btnEditSmartImportOK->setAutoDefault(false);
    btnEditSmartImportCancel = new QPushButton("Cancel", this);
    btnEditSmartImportCancel->setObjectName("btnEditSmartImportCancel");
    btnEditSmartImportCancel->setAutoDefault(false);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(linesCaption);
    bottom->addWidget(lblEditSmartImportLinesSum);
    bottom->addStretch(1);
    bottom->addWidget(btnEditSmartImportOK);
    bottom->addWidget(btnEditSmartImportCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mmoEditSmartImport, 1);
    layout->addLayout(bottom);
    resize(640, 460);

    connect(btnEditSmartImportOK, &QPushButton::clicked, this,
            &TfrmEditSmartImport::btnEditSmartImportOKClick);
    connect(btnEditSmartImportCancel, &QPushButton::clicked, this,
            &TfrmEditSmartImport::btnEditSmartImportCancelClick);
    connect(mmoEditSmartImport, &QPlainTextEdit::textChanged, this,
            &TfrmEditSmartImport::mmoEditSmartImportChange);
}

void TfrmEditSmartImport::Prepare(const std::vector<std::string>& lines) {
    edited_.clear();
    const std::size_t uncarried = memoText_.Show(mmoEditSmartImport, lines);
    mmoEditSmartImportChange();
    if (uncarried > 0) {
        const ListMessage warning = UncarriedLinesMessage(uncarried);
        context_.messenger.Show(warning.text, warning.title, warning.flags,
                                MessageOwner::MainWindow);
    }
}

bool TfrmEditSmartImport::Edit(const std::vector<std::string>& lines,
                               std::vector<std::string>& edited) {
    Prepare(lines);
    const bool ok = exec() == QDialog::Accepted;
    if (ok) edited = std::move(edited_);
    edited_.clear();
    return ok;
}

std::vector<std::string> TfrmEditSmartImport::MemoLines() const {
    return memoText_.Read(mmoEditSmartImport);
}

void TfrmEditSmartImport::mmoEditSmartImportChange() {
    // Counted from the blocks so typing in a long list stays quick; a final line break opens no
    // line.
    const QTextDocument* document = mmoEditSmartImport->document();
    int count = document->blockCount();
    if (document->lastBlock().text().isEmpty()) --count;
    lblEditSmartImportLinesSum->setText(QString::number(count));
}

void TfrmEditSmartImport::btnEditSmartImportOKClick() {
    edited_ = MemoLines();
    accept();
}

void TfrmEditSmartImport::btnEditSmartImportCancelClick() {
    reject();
}

void TfrmEditSmartImport::done(int result) {
    // The window is created once; a closed edit leaves no text behind.
    mmoEditSmartImport->clear();
    memoText_.Clear();
    QDialog::done(result);
}

}  // namespace arbovane
