#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/lists/ListPane.h"
#include "gui/app/GuiContext.h"
#include "gui/lists/ListBoxFill.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace arbovane {

class EditIncludeListWindow;
class LineListView;
struct ListInput;
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
    // Every control of the pane but "Clear Fields", which resets the whole tab and so may stay
    // usable where the lists are not.
    void SetListsEnabled(bool lists, bool clearFields);
    // After the lists were changed from outside the pane (import, list builder): shows them again
    // and runs the refresh routine.
    void ListsChanged();
    // The lists of a job, then the tab's refresh.
    void OpenJob(const std::vector<std::string>& include, const std::vector<std::string>& exclude);

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
    // Folders dropped on a list box, or lines pasted into it.
    void TakeInput(ListSide side, const ListInput& input);

private:
    // Runs one operation unless another is under way; body returns false when it cannot have
    // changed the lists. A list that did change is shown again, and the refresh routine runs when
    // the include list changed; an operation that changed nothing (a No, a Cancel, an export)
    // leaves both alone.
    void Run(const std::function<bool()>& body);
    QPushButton* MakeButton(const std::string& name, const std::string& caption,
                            void (FolderListPane::*handler)());
    int Show(const ListMessage& message);
    void ShowAll(const std::vector<ListMessage>& messages);
    void AddTyped();
    // Shows the lists that changed since they were last shown and sets the counters.
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

    // The revisions of the lists as the list boxes show them.
    std::uint64_t includeShown_ = 0;
    std::uint64_t excludeShown_ = 0;

    LineListView* lstInclude = nullptr;
    LineListView* lstExclude = nullptr;
    QLabel* lblIncludeSum = nullptr;
    QLabel* lblExcludeSum = nullptr;
    QLineEdit* edtAddToList = nullptr;
    QPushButton* btnAddFolder = nullptr;
    QPushButton* btnAddToList = nullptr;
    QPushButton* btnViewSelected = nullptr;
    QPushButton* btnImportList = nullptr;
    QPushButton* btnClearAll = nullptr;
};

}  // namespace arbovane
