#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "core/lists/ListPane.h"
#include "gui/app/GuiContext.h"
#include "gui/lists/ListBoxFill.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace arbovane {

class EditIncludeListWindow;
class TfrmFileExport;
class TfrmFileImport;
class TfrmZoomIncludeWindow;

// The include and exclude lists of one tab with every button around them. The windows it opens
// are created once by the program entry and shared; the tab plugs in its own refresh routine and
// its own part of Clear Fields.
class FolderListPane : public QWidget {
    Q_OBJECT
public:
    FolderListPane(GuiContext& context, TabPrefix prefix, TfrmZoomIncludeWindow& zoomWindow,
                   EditIncludeListWindow& editWindow, TfrmFileExport& exportWindow,
                   QWidget* parent = nullptr);

    ListPane& Model() { return model_; }
    const ListPane& Model() const { return model_; }
    const std::vector<std::string>& IncludeLines() const { return model_.Include().Lines(); }
    const std::vector<std::string>& ExcludeLines() const { return model_.Exclude().Lines(); }

    // The tab's refresh routine, run after every list operation.
    // The import dialog; the Import button works once it is set.
    void SetImportWindow(TfrmFileImport* importWindow);
    void SetRefreshHook(std::function<void()> refresh) { refresh_ = std::move(refresh); }
    // The tab's own resets of Clear Fields (options, templates, run counters, enable rule).
    void SetClearFieldsHook(std::function<void()> clear) { clearFields_ = std::move(clear); }
    // After the lists were changed from outside the pane (import, list builder): shows them again
    // and runs the refresh routine.
    void ListsChanged();

public slots:
    void btnAddFolderClick();
    void btnAddToListClick();
    void edtAddToListReturnPressed();
    void btnMoveToExcludeClick();
    void btnMoveToIncludeClick();
    void btnMoveAllToExcludeClick();
    void btnMoveAllToIncludeClick();
    void btnExchangeListsClick();
    void btnEditIncludeListClick();
    void btnViewSelectedClick();
    void btnDeleteSelectedClick();
    void btnDeleteAllClick();
    void btnZoomIncludeListClick();
    // Filled by the import work; the button stays disabled until then.
    void btnImportListClick();
    void btnExportListClick();
    void btnClearAllClick();

private:
    // Runs one operation unless another is under way; body returns true when the lists changed,
    // which shows them again and runs the refresh routine.
    void Run(const std::function<bool()>& body);
    QPushButton* MakeButton(const std::string& name, const std::string& caption,
                            void (FolderListPane::*handler)());
    QListWidget* MakeList(const std::string& name);
    int Show(const ListMessage& message);
    void AddTyped();
    // Shows both lists from the model and sets the counters.
    void ShowLists();

    GuiContext& context_;
    ListPane model_;
    TfrmZoomIncludeWindow& zoomWindow_;
    EditIncludeListWindow& editWindow_;
    TfrmFileExport& exportWindow_;
    TfrmFileImport* importWindow_ = nullptr;
    std::function<void()> refresh_;
    std::function<void()> clearFields_;
    // Window messages run inside long operations; a click meanwhile must not start another one.
    bool busy_ = false;
    ListCounters counters_;

    QListWidget* lstInclude = nullptr;
    QListWidget* lstExclude = nullptr;
    QLabel* lblIncludeSum = nullptr;
    QLabel* lblExcludeSum = nullptr;
    QLineEdit* edtAddToList = nullptr;
    QPushButton* btnAddFolder = nullptr;
    QPushButton* btnAddToList = nullptr;
    QPushButton* btnViewSelected = nullptr;
    QPushButton* btnImportList = nullptr;
};

}  // namespace arbovane
