#include "gui/acquire/MarkListWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>

#include "core/app/ProgramSettings.h"
#include "core/app/RestoreClass.h"
#include "core/app/SaveClass.h"
#include "platform/Messenger.h"

namespace arbovane {

namespace {

const char* const kSetDefaultsHint =
    "Set the default marks into the included list and delete the contents of the excluded list.";

QStringList ToStringList(const std::vector<std::string>& lines) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines) list.push_back(QString::fromStdString(line));
    return list;
}

std::vector<std::string> LinesOf(const QListWidget* list) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(list->count()));
    for (int row = 0; row < list->count(); ++row)
        lines.push_back(list->item(row)->text().toStdString());
    return lines;
}

}  // namespace

MarkListWindow::MarkListWindow(GuiContext& context, const Captions& captions, QWidget* parent)
    : QDialog(parent),
      context_(context),
      prefix_(captions.prefix),
      model_(captions.kind, context.text) {
    setObjectName(QString::fromStdString("frm" + prefix_));
    setWindowTitle(captions.caption);
    setModal(true);

    auto* includedHeading = new QLabel(captions.includedHeading, this);
    includedHeading->setObjectName(QString::fromStdString("lbl" + prefix_ + "Included"));
    auto* excludedHeading = new QLabel(captions.excludedHeading, this);
    excludedHeading->setObjectName(QString::fromStdString("lbl" + prefix_ + "Excluded"));
    lstIncluded = MakeList("lst" + prefix_ + "Included");
    lstExcluded = MakeList("lst" + prefix_ + "Excluded");

    btnIncToExc = MakeButton("btn" + prefix_ + "IncToExc", ">");
    btnExcToInc = MakeButton("btn" + prefix_ + "ExcToInc", "<");
    btnAllFromInc = MakeButton("btn" + prefix_ + "AllFromInc", ">>");
    btnAllFromExc = MakeButton("btn" + prefix_ + "AllFromExc", "<<");
    btnExchangeIncExc = MakeButton("btn" + prefix_ + "ExchangeIncExc", "<>");
    btnDelete = MakeButton("btn" + prefix_ + "Delete", captions.deleteCaption);
    btnRemoveAll = MakeButton("btn" + prefix_ + "RemoveAll", captions.removeAllCaption);
    btnAdd = MakeButton("btn" + prefix_ + "Add", "Add");
    btnSetDefaults = MakeButton("btn" + prefix_ + "SetDefaults", "Set Defaults");
    btnSetDefaults->setToolTip(kSetDefaultsHint);
    btnClose = MakeButton("btn" + prefix_ + "Close", "&Close");

    auto* addLabel = new QLabel(captions.addLabel, this);
    addLabel->setObjectName(QString::fromStdString("lbl" + prefix_ + "Add"));
    edtAdd = new QLineEdit(this);
    edtAdd->setObjectName(QString::fromStdString("edt" + prefix_ + "Add"));
    addLabel->setBuddy(edtAdd);

    auto* moves = new QVBoxLayout;
    moves->addStretch();
    for (QPushButton* button :
         {btnIncToExc, btnExcToInc, btnAllFromInc, btnAllFromExc, btnExchangeIncExc})
        moves->addWidget(button);
    moves->addStretch();

    auto* lists = new QGridLayout;
    lists->addWidget(includedHeading, 0, 0);
    lists->addWidget(excludedHeading, 0, 2);
    lists->addWidget(lstIncluded, 1, 0);
    lists->addLayout(moves, 1, 1);
    lists->addWidget(lstExcluded, 1, 2);
    auto* deleting = new QHBoxLayout;
    deleting->addWidget(btnDelete);
    deleting->addWidget(btnRemoveAll);
    lists->addLayout(deleting, 2, 2);

    auto* adding = new QHBoxLayout;
    adding->addWidget(addLabel);
    adding->addWidget(edtAdd, 1);
    adding->addWidget(btnAdd);

    auto* closing = new QHBoxLayout;
    closing->addWidget(btnSetDefaults);
    closing->addStretch();
    closing->addWidget(btnClose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(adding);
    layout->addLayout(closing);
    resize(520, 420);

    // Created at start, right after the main window read the settings file into the store: the
    // store holds what a second reading would give.
    model_.Activate(StoredList());
    ShowLists();
}

int MarkListWindow::Run() {
    return exec();
}

std::vector<std::string> MarkListWindow::IncludedLines() const {
    return LinesOf(lstIncluded);
}

std::vector<std::string> MarkListWindow::ExcludedLines() const {
    return LinesOf(lstExcluded);
}

void MarkListWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A window restored by the user is no new showing.
    if (!event->spontaneous()) FormActivate();
}

void MarkListWindow::FormActivate() {
    // Read into a copy, so a file that cannot be read leaves the store as it was instead of
    // without its lists.
    ProgramSettings fresh = context_.settings;
    ClearLists(fresh);
    if (RestoreClass(context_.fs).Restore(fresh)) context_.settings = std::move(fresh);
    model_.Activate(StoredList());
    ShowLists();
}

void MarkListWindow::IncToExc() {
    model_.MoveSelectedToExcluded(SelectedRows(lstIncluded));
    ShowLists();
}

void MarkListWindow::ExcToInc() {
    if (const auto refusal = model_.MoveSelectedToIncluded(SelectedRows(lstExcluded)))
        Show(*refusal);
    ShowLists();
}

void MarkListWindow::AllFromInc() {
    model_.MoveAllToExcluded();
    ShowLists();
}

void MarkListWindow::AllFromExc() {
    if (const auto refusal = model_.MoveAllToIncluded()) Show(*refusal);
    ShowLists();
}

void MarkListWindow::ExchangeIncExc() {
    if (const auto refusal = model_.ExchangeLists()) Show(*refusal);
    ShowLists();
}

void MarkListWindow::DeleteSelected() {
    if (Show(model_.DeleteSelectedQuestion()) == kAnswerYes)
        model_.DeleteSelectedExcluded(SelectedRows(lstExcluded));
    ShowLists();
}

void MarkListWindow::RemoveAll() {
    if (Show(model_.RemoveAllQuestion()) == kAnswerYes) model_.RemoveAllExcluded();
    ShowLists();
}

void MarkListWindow::AddMark() {
    std::string field = edtAdd->text().toStdString();
    if (const auto refusal = model_.Add(field)) {
        Show(*refusal);
        edtAdd->setFocus();
        return;
    }
    edtAdd->setText(QString::fromStdString(field));
    ShowLists();
}

void MarkListWindow::SetDefaults() {
    model_.SetDefaults();
    ShowLists();
}

void MarkListWindow::CloseAndSave() {
    StoredList() = model_.Included();
    // A failed write has shown its own message; the window closes all the same.
    SaveClass(context_.fs, context_.messenger).Save(context_.settings);
    accept();
}

std::vector<std::string>& MarkListWindow::StoredList() {
    return model_.Kind() == MarkKind::Delimiters ? context_.settings.separators
                                                 : context_.settings.quotationMarks;
}

QPushButton* MarkListWindow::MakeButton(const std::string& name, const char* caption) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromStdString(name));
    // Enter belongs to the edit box, never to a default button.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QListWidget* MarkListWindow::MakeList(const std::string& name) {
    auto* list = new QListWidget(this);
    list->setObjectName(QString::fromStdString(name));
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setUniformItemSizes(true);
    return list;
}

std::vector<std::size_t> MarkListWindow::SelectedRows(const QListWidget* list) {
    std::vector<std::size_t> rows;
    for (const QModelIndex& index : list->selectionModel()->selectedIndexes())
        rows.push_back(static_cast<std::size_t>(index.row()));
    std::sort(rows.begin(), rows.end());
    return rows;
}

int MarkListWindow::Show(const ListMessage& message) {
    return context_.messenger.Show(message.text, message.title, message.flags,
                                   MessageOwner::MainWindow);
}

void MarkListWindow::ShowLists() {
    lstIncluded->clear();
    lstIncluded->addItems(ToStringList(model_.Included()));
    lstExcluded->clear();
    lstExcluded->addItems(ToStringList(model_.Excluded()));
    edtAdd->setFocus();
}

}  // namespace arbovane
