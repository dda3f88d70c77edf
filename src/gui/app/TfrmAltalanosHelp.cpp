#include "gui/app/TfrmAltalanosHelp.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/help/HelpTopics.h"
#include "gui/app/HelpList.h"
#include "gui/app/TfrmMoreHelp.h"

namespace arbovane {

TfrmAltalanosHelp::TfrmAltalanosHelp(const QString& programTitle, QWidget* parent)
    : QDialog(parent) {
    setObjectName("frmAltalanosHelp");
    setWindowTitle("Help for " + programTitle);
    setModal(true);
    lstAltalanosHelp = MakeHelpList("lstAltalanosHelp", this);
    btnAltalanosHelpOk = new QPushButton("OK", this);
    btnAltalanosHelpOk->setObjectName("btnAltalanosHelpOk");
    btnAltalanosHelpOk->setDefault(true);
    btnAltalanosHelpMoreHelp = new QPushButton("More help", this);
    btnAltalanosHelpMoreHelp->setObjectName("btnAltalanosHelpMoreHelp");
    btnAltalanosHelpMoreHelp->setAutoDefault(false);
    connect(btnAltalanosHelpOk, &QPushButton::clicked, this,
            &TfrmAltalanosHelp::btnAltalanosHelpOkClick);
    connect(btnAltalanosHelpMoreHelp, &QPushButton::clicked, this,
            &TfrmAltalanosHelp::btnAltalanosHelpMoreHelpClick);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAltalanosHelpMoreHelp);
    buttons->addStretch();
    buttons->addWidget(btnAltalanosHelpOk);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstAltalanosHelp, 1);
    layout->addLayout(buttons);
    resize(820, 600);
}

int TfrmAltalanosHelp::ShowHelpTopic(int topic, bool moreHelpVisible) {
    SetTopic(topic);
    moreHelpWanted_ = moreHelpVisible;  // the showing itself sets the button
    const int result = exec();
    moreHelpWanted_ = true;
    return result;
}

void TfrmAltalanosHelp::showEvent(QShowEvent* event) {
    // Only a real showing fills the list, not the window system's own show after a minimise.
    if (!event->spontaneous()) FormActivate();
    QDialog::showEvent(event);
}

void TfrmAltalanosHelp::FormActivate() {
    btnAltalanosHelpMoreHelp->setEnabled(true);
    btnAltalanosHelpMoreHelp->setVisible(true);
    FillHelpList(*lstAltalanosHelp, HelpTopicLines(topic_));
    if (HelpTopicHidesMoreHelp(topic_) || !moreHelpWanted_) {
        btnAltalanosHelpMoreHelp->setEnabled(false);
        btnAltalanosHelpMoreHelp->setVisible(false);
    }
    lstAltalanosHelp->scrollToTop();
}

void TfrmAltalanosHelp::btnAltalanosHelpOkClick() {
    accept();
}

void TfrmAltalanosHelp::btnAltalanosHelpMoreHelpClick() {
    if (moreHelp_) moreHelp_->exec();
}

}  // namespace arbovane
