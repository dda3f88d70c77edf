#include "gui/app/TfrmMoreHelp.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/help/HelpTopics.h"
#include "gui/app/HelpList.h"

namespace arbovane {

TfrmMoreHelp::TfrmMoreHelp(const QString& programTitle, QWidget* parent) : QDialog(parent) {
    setObjectName("frmMoreHelp");
    setWindowTitle("More Help Topics for " + programTitle);
    setModal(true);
    lstMoreHelp = MakeHelpList("lstMoreHelp", this);
    FillHelpList(*lstMoreHelp, MoreHelpLines());
    btnMoreHelpOk = new QPushButton("OK", this);
    btnMoreHelpOk->setObjectName("btnMoreHelpOk");
    btnMoreHelpOk->setDefault(true);
    connect(btnMoreHelpOk, &QPushButton::clicked, this, &TfrmMoreHelp::btnMoreHelpOkClick);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstMoreHelp, 1);
    layout->addWidget(btnMoreHelpOk, 0, Qt::AlignRight);
    resize(760, 560);
}

void TfrmMoreHelp::btnMoreHelpOkClick() {
    accept();
}

}  // namespace arbovane
