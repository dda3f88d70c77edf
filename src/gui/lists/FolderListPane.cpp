#include "gui/lists/FolderListPane.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/lists/FolderBrowser.h"
#include "gui/acquire/TfrmFileExport.h"
#include "gui/acquire/TfrmFileImport.h"
#include "gui/app/ShellOpen.h"
#include "gui/lists/EditIncludeListWindow.h"
#include "gui/lists/LineListView.h"
#include "gui/lists/ListBoxFill.h"
#include "gui/lists/ListDropTarget.h"
#include "gui/lists/TfrmZoomIncludeWindow.h"
#include "platform/FileSystem.h"
#include "platform/Messenger.h"
#include "platform/Shell.h"

namespace arbovane {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

FolderListPane::FolderListPane(GuiContext& context, TabPrefix prefix,
                               TfrmZoomIncludeWindow& zoomWindow, EditIncludeListWindow& editWindow,
                               TfrmFileExport& exportWindow, QWidget* parent)
    : QWidget(parent),
      context_(context),
      model_(prefix, context.text, context.fs),
      zoomWindow_(zoomWindow),
      editWindow_(editWindow),
      exportWindow_(exportWindow) {
    const ListTabTexts& texts = model_.Texts();
    const std::string& name = texts.name;
    setObjectName(Q("pnl" + name + "FolderLists"));
    model_.SetProgress(
        [this](std::size_t include, std::size_t exclude) { counters_.Progress(include, exclude); });

    lstInclude = new LineListView(
        Q(texts.includeListName),
        [this]() -> const std::vector<std::string>& { return model_.Include().Lines(); }, 0, this);
    lstExclude = new LineListView(
        Q(texts.excludeListName),
        [this]() -> const std::vector<std::string>& { return model_.Exclude().Lines(); }, 0, this);
    auto* includeCaption = new QLabel(Q(texts.includeCaption), this);
    includeCaption->setObjectName(Q("lbl" + name + "IncludeCaption"));
    auto* excludeCaption = new QLabel(Q(texts.excludeCaption), this);
    excludeCaption->setObjectName(Q("lbl" + name + "ExcludeCaption"));
    auto* includeLines = new QLabel("Lines:", this);
    includeLines->setObjectName(Q("lbl" + name + "IncludeLines"));
    auto* excludeLines = new QLabel("Lines:", this);
    excludeLines->setObjectName(Q("lbl" + name + "ExcludeLines"));
    lblIncludeSum = new QLabel("0", this);
    lblIncludeSum->setObjectName(Q(texts.includeSumName));
    lblExcludeSum = new QLabel("0", this);
    lblExcludeSum->setObjectName(Q(texts.excludeSumName));
    counters_.Attach(lblIncludeSum, lblExcludeSum);
    for (const auto& [view, side] :
         {std::pair{lstInclude, ListSide::Include}, std::pair{lstExclude, ListSide::Exclude}})
        new ListDropTarget(view, context.shell, context.fs,
                           [this, side = side](const ListInput& input) { TakeInput(side, input); });

    const std::string btn = "btn" + name;
    auto* moveColumn = new QVBoxLayout;
    moveColumn->addStretch(1);
    moveColumn->addWidget(
        MakeButton(btn + "MoveToExclude", ">", &FolderListPane::btnMoveToExcludeClick));
    moveColumn->addWidget(
        MakeButton(btn + "MoveToInclude", "<", &FolderListPane::btnMoveToIncludeClick));
    moveColumn->addWidget(
        MakeButton(btn + "MoveAllToExclude", ">>", &FolderListPane::btnMoveAllToExcludeClick));
    moveColumn->addWidget(
        MakeButton(btn + "MoveAllToInclude", "<<", &FolderListPane::btnMoveAllToIncludeClick));
    moveColumn->addWidget(
        MakeButton(btn + "ExchangeLists", "<>", &FolderListPane::btnExchangeListsClick));
    moveColumn->addStretch(1);

    auto* addRow = new QHBoxLayout;
    if (texts.typedAdd) {
        if (!texts.addTypedLabel.empty()) {
            auto* label = new QLabel(Q(texts.addTypedLabel), this);
            label->setObjectName(Q("lbl" + name + "AddToList"));
            addRow->addWidget(label);
        }
        edtAddToList = new QLineEdit(this);
        edtAddToList->setObjectName(Q("edt" + name + "AddToList"));
        connect(edtAddToList, &QLineEdit::returnPressed, this,
                &FolderListPane::edtAddToListReturnPressed);
        btnAddToList = MakeButton(btn + "AddToList", texts.addTypedCaption,
                                  &FolderListPane::btnAddToListClick);
        addRow->addWidget(edtAddToList, 1);
        addRow->addWidget(btnAddToList);
    }
    if (texts.browseAdd) {
        btnAddFolder = MakeButton(btn + "AddFolder", texts.addBrowsedCaption,
                                  &FolderListPane::btnAddFolderClick);
        addRow->addWidget(btnAddFolder);
    }
    // The buttons that empty lists stand at the right of this row, below the exclude list, so
    // the pane is narrow enough for a 1366-pixel screen beside the tab's options.
    addRow->addStretch(1);
    addRow->addWidget(MakeButton(btn + "DeleteSelected", texts.deleteSelectedCaption,
                                 &FolderListPane::btnDeleteSelectedClick));
    addRow->addWidget(
        MakeButton(btn + "DeleteAll", "Delete All", &FolderListPane::btnDeleteAllClick));
    btnClearAll =
        MakeButton(btn + "ClearAll", texts.clearFieldsCaption, &FolderListPane::btnClearAllClick);
    addRow->addWidget(btnClearAll);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(
        MakeButton(btn + "EditIncludeList", "Edit List", &FolderListPane::btnEditIncludeListClick));
    if (texts.viewSelected) {
        btnViewSelected = MakeButton(btn + "ViewSelected", "View Selected",
                                     &FolderListPane::btnViewSelectedClick);
        buttonRow->addWidget(btnViewSelected);
    }
    buttonRow->addWidget(
        MakeButton(btn + "ZoomIncludeList", "Zoom", &FolderListPane::btnZoomIncludeListClick));
    btnImportList =
        MakeButton(btn + "ImportList", texts.importCaption, &FolderListPane::btnImportListClick);
    btnImportList->setEnabled(false);
    buttonRow->addWidget(btnImportList);
    buttonRow->addWidget(
        MakeButton(btn + "ExportList", "Export", &FolderListPane::btnExportListClick));
    buttonRow->addStretch(1);

    auto* includeCount = new QHBoxLayout;
    includeCount->addWidget(includeLines);
    includeCount->addWidget(lblIncludeSum);
    includeCount->addStretch(1);
    auto* excludeCount = new QHBoxLayout;
    excludeCount->addWidget(excludeLines);
    excludeCount->addWidget(lblExcludeSum);
    excludeCount->addStretch(1);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(includeCaption, 0, 0);
    grid->addWidget(excludeCaption, 0, 2);
    grid->addWidget(lstInclude, 1, 0);
    grid->addLayout(moveColumn, 1, 1);
    grid->addWidget(lstExclude, 1, 2);
    grid->addLayout(includeCount, 2, 0);
    grid->addLayout(excludeCount, 2, 2);
    grid->addLayout(addRow, 3, 0, 1, 3);
    grid->addLayout(buttonRow, 4, 0, 1, 3);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(2, 2);
    grid->setRowStretch(1, 1);
}

QPushButton* FolderListPane::MakeButton(const std::string& name, const std::string& caption,
                                        void (FolderListPane::*handler)()) {
    auto* button = new QPushButton(Q(caption), this);
    button->setObjectName(Q(name));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

int FolderListPane::Show(const ListMessage& message) {
    return context_.messenger.Show(message.text, message.title, message.flags,
                                   MessageOwner::MainWindow);
}

void FolderListPane::ShowAll(const std::vector<ListMessage>& messages) {
    for (const ListMessage& message : messages) Show(message);
}

void FolderListPane::Run(const std::function<bool()>& body) {
    if (busy_) return;
    busy_ = true;
    counters_.StartOperation();
    // The list boxes would paint lines that are moving under them while messages run.
    lstInclude->setUpdatesEnabled(false);
    lstExclude->setUpdatesEnabled(false);
    const bool mayHaveChanged = body();
    const bool includeChanged = model_.Include().Revision() != includeShown_;
    const bool excludeChanged = model_.Exclude().Revision() != excludeShown_;
    if (mayHaveChanged && (includeChanged || excludeChanged)) {
        ShowLists();
        // What the tab counts and enables comes from the include list alone.
        if (includeChanged && refresh_) refresh_();
    }
    lstInclude->setUpdatesEnabled(true);
    lstExclude->setUpdatesEnabled(true);
    busy_ = false;
    if (edtAddToList) edtAddToList->setFocus();
}

void FolderListPane::ListsChanged() {
    ShowLists();
    if (refresh_) refresh_();
}

void FolderListPane::OpenJob(const std::vector<std::string>& include,
                             const std::vector<std::string>& exclude) {
    if (edtAddToList) edtAddToList->clear();
    model_.ReplaceLists(include, exclude);
    ListsChanged();
}

void FolderListPane::ShowLists() {
    if (model_.Include().Revision() != includeShown_) {
        lstInclude->ShowLines();
        includeShown_ = model_.Include().Revision();
    }
    if (model_.Exclude().Revision() != excludeShown_) {
        lstExclude->ShowLines();
        excludeShown_ = model_.Exclude().Revision();
    }
    counters_.Show(model_.Include().Size(), model_.Exclude().Size());
    // The lines shown are the lists' own again; a box shown from here on paints them.
    lstInclude->setUpdatesEnabled(true);
    lstExclude->setUpdatesEnabled(true);
}

void FolderListPane::btnAddFolderClick() {
    Run([this] {
        ShowAll(model_.AddBrowsedFolders(BrowseFolders(context_.shell)));
        return true;
    });
}

void FolderListPane::TakeInput(ListSide side, const ListInput& input) {
    Run([&] {
        std::vector<ListMessage> boxes;
        if (auto refusal = model_.RefuseDropped(input.dropped.refused)) boxes.push_back(*refusal);
        // A folder from a file manager comes in as the tab's own way of naming one would bring
        // it: the folder dialog where the tab has one, the entry field otherwise.
        const std::vector<std::string>& folders = input.dropped.folders;
        for (ListMessage& box : model_.Texts().browseAdd && !folders.empty()
                                    ? model_.AddBrowsedFolders(folders, side)
                                    : model_.AddTypedLines(context_.fs, folders, side))
            boxes.push_back(std::move(box));
        for (ListMessage& box : model_.AddTypedLines(context_.fs, input.lines, side))
            boxes.push_back(std::move(box));
        ShowAll(boxes);
        return true;
    });
}

void FolderListPane::AddTyped() {
    if (!edtAddToList) return;
    Run([this] {
        const std::string field = edtAddToList->text().toStdString();
        const TypedAddResult result = model_.Texts().strings
                                          ? model_.AddTypedString(field)
                                          : model_.AddTypedPaths(context_.fs, field);
        if (result.message) Show(*result.message);
        edtAddToList->setText(Q(result.fieldText));
        return true;
    });
}

void FolderListPane::btnAddToListClick() {
    AddTyped();
}

void FolderListPane::edtAddToListReturnPressed() {
    AddTyped();
}

void FolderListPane::btnMoveToExcludeClick() {
    Run([this] {
        model_.MoveSelectedToExclude(lstInclude->SelectedRows());
        return true;
    });
}

void FolderListPane::btnMoveToIncludeClick() {
    Run([this] {
        model_.MoveSelectedToInclude(lstExclude->SelectedRows());
        return true;
    });
}

void FolderListPane::btnMoveAllToExcludeClick() {
    Run([this] {
        model_.MoveAllToExclude();
        return true;
    });
}

void FolderListPane::btnMoveAllToIncludeClick() {
    Run([this] {
        model_.MoveAllToInclude();
        return true;
    });
}

void FolderListPane::btnExchangeListsClick() {
    Run([this] {
        model_.ExchangeLists();
        return true;
    });
}

void FolderListPane::btnEditIncludeListClick() {
    Run([this] {
        return editWindow_.Edit(model_.Include().Lines(),
                                [this](const auto& lines) { return model_.ParseBack(lines); });
    });
}

void FolderListPane::btnViewSelectedClick() {
    Run([this] {
        std::string target;
        if (const auto refusal = model_.ViewSelected(lstInclude->SelectedRows(), target))
            Show(*refusal);
        else
            OpenWithShell(context_, target);
        return false;
    });
}

void FolderListPane::btnDeleteSelectedClick() {
    Run([this] {
        const ListMessage prompt = model_.DeleteSelectedPrompt();
        if (Show(prompt) == kAnswerYes && prompt.IsQuestion())
            model_.DeleteSelectedExcluded(lstExclude->SelectedRows());
        return true;
    });
}

void FolderListPane::btnDeleteAllClick() {
    Run([this] {
        const ListMessage prompt = model_.DeleteAllPrompt();
        if (Show(prompt) == kAnswerYes && prompt.IsQuestion()) model_.DeleteAllExcluded();
        return true;
    });
}

void FolderListPane::btnZoomIncludeListClick() {
    Run([this] {
        zoomWindow_.Zoom(model_.Include().Lines());
        return false;
    });
}

void FolderListPane::SetImportWindow(TfrmFileImport* importWindow) {
    importWindow_ = importWindow;
    btnImportList->setEnabled(importWindow_ != nullptr);
}

void FolderListPane::btnImportListClick() {
    if (!importWindow_) return;
    Run([this] {
        std::vector<std::string> lines;
        const bool imported = importWindow_->ImportLines(lines);
        if (const auto refusal = model_.ImportResult(std::move(lines), imported)) Show(*refusal);
        return true;
    });
}

void FolderListPane::btnExportListClick() {
    Run([this] {
        std::vector<std::string> lines;
        if (const auto refusal = model_.ExportLines(lines))
            Show(*refusal);
        else
            exportWindow_.ExportLines(lines, model_.Texts().exportKind);
        return true;
    });
}

void FolderListPane::btnClearAllClick() {
    Run([this] {
        if (Show(model_.ClearFieldsQuestion()) != kAnswerYes) return false;
        model_.ClearLists();
        if (edtAddToList) edtAddToList->clear();
        ShowLists();
        if (clearFields_) clearFields_();
        if (refresh_) refresh_();
        Show(model_.ClearFieldsEnd());
        return false;
    });
}

void FolderListPane::SetListsEnabled(bool lists, bool clearFields) {
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child == btnClearAll) continue;
        child->setEnabled(lists && (child != btnImportList || importWindow_ != nullptr));
    }
    btnClearAll->setEnabled(clearFields);
}

}  // namespace arbovane
