#include "gui/templates/TfrmFileSelection.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/ProgramSettings.h"
#include "core/app/SaveClass.h"
#include "core/templates/FileSelection.h"
#include "platform/Messenger.h"

namespace arbovane {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

int Show(Messenger& messenger, const FileSelectionMessage& message) {
    return messenger.Show(message.text, message.title, message.flags, message.owner);
}

}  // namespace

TfrmFileSelection::TfrmFileSelection(GuiContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName("frmFileSelection");
    setWindowTitle("File Selection");
    setModal(true);

    auto* frame = new QGroupBox("Selecting File names and/or File Types ( extensions)", this);
    frame->setObjectName("grpFileSelection");
    lblMagyarazat = new QLabel(
        "File names and extensions - wildcard supported (*.*    a*.txt    b?.html)", frame);
    lblMagyarazat->setObjectName("lblMagyarazat");
    auto* namesCaption = new QLabel("File Names and Extensions :", frame);
    namesCaption->setObjectName("lblFileManNames");
    cboFileManNames = new QComboBox(frame);
    cboFileManNames->setObjectName("cboFileManNames");
    cboFileManNames->setEditable(true);
    // The list grows only through OK, never by pressing Enter in the entry line.
    cboFileManNames->setInsertPolicy(QComboBox::NoInsert);
    cboFileManNames->setMinimumContentsLength(40);
    namesCaption->setBuddy(cboFileManNames);
    btnFileManClearFileNames = new QPushButton("Clear Menu", frame);
    btnFileManClearFileNames->setObjectName("btnFileManClearFileNames");

    auto* frameLayout = new QGridLayout(frame);
    frameLayout->addWidget(lblMagyarazat, 0, 0, 1, 3);
    frameLayout->addWidget(namesCaption, 1, 0);
    frameLayout->addWidget(cboFileManNames, 1, 1);
    frameLayout->addWidget(btnFileManClearFileNames, 1, 2);
    frameLayout->setColumnStretch(1, 1);

    btnFileSelectionHelp = new QPushButton("Help", this);
    btnFileSelectionHelp->setObjectName("btnFileSelectionHelp");
    btnFileSelectionHelp->setEnabled(false);
    btnFileManOK = new QPushButton("OK", this);
    btnFileManOK->setObjectName("btnFileManOK");
    btnFileManOK->setDefault(true);
    btnFileManCancel = new QPushButton("Cancel", this);
    btnFileManCancel->setObjectName("btnFileManCancel");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnFileSelectionHelp);
    buttons->addStretch();
    buttons->addWidget(btnFileManOK);
    buttons->addWidget(btnFileManCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    connect(btnFileManOK, &QPushButton::clicked, this, &TfrmFileSelection::btnFileManOKClick);
    connect(btnFileManCancel, &QPushButton::clicked, this,
            &TfrmFileSelection::btnFileManCancelClick);
    connect(btnFileManClearFileNames, &QPushButton::clicked, this,
            &TfrmFileSelection::btnFileManClearFileNamesClick);
    connect(btnFileSelectionHelp, &QPushButton::clicked, this,
            &TfrmFileSelection::btnFileSelectionHelpClick);
}

int TfrmFileSelection::Run() {
    FormActivate();
    return exec();
}

std::vector<std::string> TfrmFileSelection::MenuItems() const {
    std::vector<std::string> items;
    items.reserve(cboFileManNames->count());
    for (int row = 0; row < cboFileManNames->count(); ++row)
        items.push_back(cboFileManNames->itemText(row).toStdString());
    return items;
}

void TfrmFileSelection::FormActivate() {
    const std::vector<std::string> before = MenuItems();
    const FileSelectionActivation shown = ActivateFileSelection(
        context_.text, before, context_.settings.namesMenu, context_.settings.selectionText);
    for (std::size_t row = before.size(); row < shown.items.size(); ++row)
        cboFileManNames->addItem(Q(shown.items[row]));
    cboFileManNames->setCurrentIndex(shown.selected);
    // A typed text that is not an entry survives setCurrentIndex on an unchanged index.
    cboFileManNames->setEditText(Q(shown.items[shown.selected]));
}

void TfrmFileSelection::btnFileManOKClick() {
    const FileSelectionOutcome outcome =
        ApplyFileSelection(context_.text, cboFileManNames->currentText().toStdString(), MenuItems(),
                           context_.settings);
    for (const FileSelectionMessage& message : outcome.messages) Show(context_.messenger, message);
    if (outcome.changed) {
        const QString typed = cboFileManNames->currentText();
        for (auto row = static_cast<std::size_t>(cboFileManNames->count());
             row < outcome.comboItems.size(); ++row)
            cboFileManNames->addItem(Q(outcome.comboItems[row]));
        cboFileManNames->setEditText(typed);
        emit FileTypesLabelChanged(Q(outcome.labelText));
    }
    SaveClass(context_.fs, context_.messenger).Save(context_.settings);
    accept();
}

void TfrmFileSelection::btnFileManCancelClick() {
    reject();
}

void TfrmFileSelection::btnFileManClearFileNamesClick() {
    const FileSelectionMessage message = ClearMenuMessage(cboFileManNames->count());
    const int answer = Show(context_.messenger, message);
    if (message.flags == kMsgQuestion && answer == kAnswerYes) {
        cboFileManNames->clear();
        cboFileManNames->clearEditText();
    }
}

void TfrmFileSelection::SetHelpHook(std::function<void()> help) {
    help_ = std::move(help);
    btnFileSelectionHelp->setEnabled(static_cast<bool>(help_));
}

void TfrmFileSelection::btnFileSelectionHelpClick() {
    if (help_) help_();
}

}  // namespace arbovane
