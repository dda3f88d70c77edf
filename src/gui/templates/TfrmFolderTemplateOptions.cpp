#include "gui/templates/TfrmFolderTemplateOptions.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace arbovane {

TfrmFolderTemplateOptions::TfrmFolderTemplateOptions(GuiContext& /*context*/,
                                                     MAP_FOLDER_TEMPLATE_OPTIONS& store,
                                                     QWidget* parent)
    : QDialog(parent), store_(store) {
    setObjectName("frmFolderTemplateOptions");
    setWindowTitle("Options for Folder Structures in Plain Text Files");
    setModal(true);

    auto* frame = new QGroupBox(
        "Copy/Attach Folder Structures From Plain Text Files (No Drive Letter)", this);
    frame->setObjectName("grpFolderTemplateOptions");
    const auto option = [frame](const char* name, const char* caption) {
        auto* button = new QRadioButton(caption, frame);
        button->setObjectName(name);
        return button;
    };
    rdoFolderTemplateOptionsReplaceNo =
        option("rdoFolderTemplateOptionsReplaceNo", "Whole Folder Paths without Drive Letters.");
    rdoFolderTemplateOptionsReplaceFirst = option("rdoFolderTemplateOptionsReplaceFirst",
                                                  "Folder Paths Without the First (Main) Folders.");
    rdoFolderTemplateOptionsReplaceAll = option(
        "rdoFolderTemplateOptionsReplaceAll",
        "Folder Paths Without the First Folders, but replace all occurrences of the First  Folder "
        "Name in the Path with the Selected Folder Name from the Include Window.");
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(rdoFolderTemplateOptionsReplaceNo);
    frameLayout->addWidget(rdoFolderTemplateOptionsReplaceFirst);
    frameLayout->addWidget(rdoFolderTemplateOptionsReplaceAll);

    const auto button = [this](const char* name, const char* caption) {
        auto* made = new QPushButton(caption, this);
        made->setObjectName(name);
        made->setAutoDefault(false);
        return made;
    };
    btnFolderTemplateOptionsOK = button("btnFolderTemplateOptionsOK", "OK");
    btnFolderTemplateOptionsOK->setDefault(true);
    btnFolderTemplateOptionsCancel = button("btnFolderTemplateOptionsCancel", "Cancel");
    btnFolderTemplateOptionsHelp = button("btnFolderTemplateOptionsHelp", "Help");
    btnFolderTemplateOptionsHelp->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnFolderTemplateOptionsOK);
    buttons->addWidget(btnFolderTemplateOptionsCancel);
    buttons->addWidget(btnFolderTemplateOptionsHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    connect(btnFolderTemplateOptionsOK, &QPushButton::clicked, this,
            &TfrmFolderTemplateOptions::btnFolderTemplateOptionsOKClick);
    connect(btnFolderTemplateOptionsCancel, &QPushButton::clicked, this,
            &TfrmFolderTemplateOptions::btnFolderTemplateOptionsCancelClick);
    connect(btnFolderTemplateOptionsHelp, &QPushButton::clicked, this,
            &TfrmFolderTemplateOptions::btnFolderTemplateOptionsHelpClick);
}

void TfrmFolderTemplateOptions::SetHelpHook(std::function<void(int topic)> help) {
    help_ = std::move(help);
    btnFolderTemplateOptionsHelp->setEnabled(static_cast<bool>(help_));
}

int TfrmFolderTemplateOptions::Run() {
    FormActivate();
    return exec();
}

void TfrmFolderTemplateOptions::FormActivate() {
    switch (TemplateOptionFor(store_, key_)) {
        case TemplateOption::ReplaceNo:
            rdoFolderTemplateOptionsReplaceNo->setChecked(true);
            break;
        case TemplateOption::ReplaceFirst:
            rdoFolderTemplateOptionsReplaceFirst->setChecked(true);
            break;
        case TemplateOption::ReplaceAll:
            rdoFolderTemplateOptionsReplaceAll->setChecked(true);
            break;
    }
}

void TfrmFolderTemplateOptions::btnFolderTemplateOptionsOKClick() {
    TemplateOption checked = TemplateOption::ReplaceNo;
    if (rdoFolderTemplateOptionsReplaceFirst->isChecked()) checked = TemplateOption::ReplaceFirst;
    if (rdoFolderTemplateOptionsReplaceAll->isChecked()) checked = TemplateOption::ReplaceAll;
    store_[key_].option = checked;
    accept();
}

void TfrmFolderTemplateOptions::btnFolderTemplateOptionsCancelClick() {
    reject();
}

void TfrmFolderTemplateOptions::btnFolderTemplateOptionsHelpClick() {
    if (help_) help_(key_);
}

}  // namespace arbovane
