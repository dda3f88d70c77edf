#include "gui/templates/TfrmLevelSummFolder.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace arbovane {

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

}  // namespace

TfrmLevelSummFolder::TfrmLevelSummFolder(GuiContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName("frmLevelSummFolder");
    setWindowTitle("Level Number - Number of Subfolders");
    setToolTip(
        "Display a Number of Subfolder Levels and a Number of Subfolder on those Levels of the "
        "specified Folder.");
    setModal(true);

    lstViewLevelSummFolder = new QTreeWidget(this);
    lstViewLevelSummFolder->setObjectName("lstViewLevelSummFolder");
    lstViewLevelSummFolder->setColumnCount(2);
    lstViewLevelSummFolder->setHeaderLabels({"Level Number", "Number of Subfolders"});
    lstViewLevelSummFolder->setRootIsDecorated(false);
    lstViewLevelSummFolder->setUniformRowHeights(true);
    lstViewLevelSummFolder->header()->setStretchLastSection(true);

    lblLevelSummFolderName = MakeLabel(this, "lblLevelSummFolderName", "");
    lblLevelSummFolderSum = MakeLabel(this, "lblLevelSummFolderSum", "0");
    lblLevelSummFileSum = MakeLabel(this, "lblLevelSummFileSum", "0");
    lblLevelSummFileSize = MakeLabel(this, "lblLevelSummFileSize", "");
    btnLevelSummFolderClose = new QPushButton("Close", this);
    btnLevelSummFolderClose->setObjectName("btnLevelSummFolderClose");
    btnLevelSummFolderClose->setDefault(true);

    auto* grid = new QGridLayout;
    grid->addWidget(MakeLabel(this, "lblLevelSummFolderStructure", "Folder Structure:"), 0, 0);
    grid->addWidget(lblLevelSummFolderName, 0, 1);
    auto* counts = new QHBoxLayout;
    counts->addWidget(lblLevelSummFolderSum);
    counts->addWidget(MakeLabel(this, "lblLevelSummSubfolders", "Subfolders"));
    counts->addWidget(lblLevelSummFileSum);
    counts->addWidget(MakeLabel(this, "lblLevelSummFiles", "Files."));
    counts->addStretch(1);
    grid->addWidget(MakeLabel(this, "lblLevelSummContains", "Contains:"), 1, 0);
    grid->addLayout(counts, 1, 1);
    grid->addWidget(MakeLabel(this, "lblLevelSummSumFileSize", "Sum file size:"), 2, 0);
    grid->addWidget(lblLevelSummFileSize, 2, 1);
    grid->setColumnStretch(1, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(btnLevelSummFolderClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstViewLevelSummFolder, 1);
    layout->addLayout(grid);
    layout->addLayout(bottom);
    resize(420, 380);

    connect(btnLevelSummFolderClose, &QPushButton::clicked, this,
            &TfrmLevelSummFolder::btnLevelSummFolderCloseClick);
}

void TfrmLevelSummFolder::Fill(const _tagLevelSummary& summary) {
    lstViewLevelSummFolder->clear();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(summary.rows.size()));
    for (const _tagLevelSummaryRow& row : summary.rows)
        rows.push_back(new QTreeWidgetItem(
            {QString::fromStdString(row.level), QString::fromStdString(row.folders)}));
    lstViewLevelSummFolder->addTopLevelItems(rows);
    lblLevelSummFolderName->setText(QString::fromStdString(summary.folderName));
    lblLevelSummFolderSum->setText(QString::fromStdString(summary.folderSum));
    lblLevelSummFileSum->setText(QString::fromStdString(summary.fileSum));
    lblLevelSummFileSize->setText(QString::fromStdString(summary.fileSize));
}

void TfrmLevelSummFolder::ShowSummary(const _tagLevelSummary& summary) {
    Fill(summary);
    Run();
}

void TfrmLevelSummFolder::btnLevelSummFolderCloseClick() {
    accept();
}

}  // namespace arbovane
