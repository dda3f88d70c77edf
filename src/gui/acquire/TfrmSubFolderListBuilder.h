#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/acquire/ListBuilderRules.h"
#include "gui/app/GuiContext.h"
#include "gui/lists/ListBoxFill.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTreeWidget;

namespace arbovane {

class LineListView;
class TfrmFileExport;
class TfrmFLLEditIncludeFolderList;
class TfrmLevelSummFolder;

// "Subfolder List Builder": lists the subfolders of one source folder by their level below it.
// Its lists, source history and settings last between showings.
class TfrmSubFolderListBuilder : public QDialog {
    Q_OBJECT
public:
    TfrmSubFolderListBuilder(GuiContext& context, TfrmFLLEditIncludeFolderList& editWindow,
                             TfrmFileExport& exportWindow, TfrmLevelSummFolder& levelWindow,
                             QWidget* parent = nullptr);

    // Shows the window modally; QDialog::Accepted when it closed with "Import".
    int Run();
    // The result the tabs take over.
    const std::vector<std::string>& IncludeLines() const { return model_.Include().Lines(); }
    bool ClosedWithImport() const { return closedWithImport_; }

    ListBuilderRules& Model() { return model_; }
    // After the lists were changed from outside the window: shows them again.
    void ListsChanged() { ShowLists(); }

    void SetSourceFolder(const std::string& text);
    void BuildList();

public slots:
    void btnMainSourceFolderAddClick();
    void cboMainSourceFolderSelect();
    void btnMainSourceFolderViewClick();
    void btnBuildListClick();
    void rdoFromToLevelNumberClick();
    void rdoAboveLevelNumberClick();
    void rdoBelowLevelNumberClick();
    void edtFromLevelNumberExit();
    void edtToLevelNumberExit();
    void btnMoveToExcludeClick();
    void btnMoveToIncludeClick();
    void btnMoveAllToExcludeClick();
    void btnMoveAllToIncludeClick();
    void btnExchangeListsClick();
    void btnEditIncludeListClick();
    void btnViewSelectedClick();
    void btnExportListClick();
    void btnDeleteSelectedClick();
    void btnDeleteAllClick();
    void btnLevelsClick();
    void btnImportClick();
    void btnCancelClick();

    // While a walk lets window messages run, the window stays open.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs one operation unless another is under way, then shows both lists when they changed.
    void Operate(const std::function<void()>& body, bool listsChange = true);
    int Show(const ListMessage& message);
    QPushButton* MakeButton(const char* name, const char* caption,
                            void (TfrmSubFolderListBuilder::*handler)());
    QLineEdit* MakeNumberField(const char* name, const char* text);
    QSpinBox* MakeSpin(const char* name, QLineEdit* field, int minimum, bool wraps);
    void ChooseLevelMode(QRadioButton* chosen);
    _tagBuilderLevels Levels() const;
    void ShowLists();
    // A walk that takes long shows how far it got and lets window messages run, at most every
    // 50 ms; expected: the listings it will make, 0 when unknown.
    void StartWalk(std::uint64_t expected, bool measuring);
    void WalkProgress(std::uint64_t listings);
    void EndWalk();

    GuiContext& context_;
    ListBuilderRules model_;
    TfrmFLLEditIncludeFolderList& editWindow_;
    TfrmFileExport& exportWindow_;
    TfrmLevelSummFolder& levelWindow_;
    bool closedWithImport_ = false;
    // Window messages run inside long operations; a click meanwhile must not start another one.
    bool busy_ = false;
    ListCounters counters_;
    std::uint64_t includeShown_ = 0;
    std::uint64_t excludeShown_ = 0;
    // The last source measured and the listings its measurement took.
    std::string measuredSource_;
    std::uint64_t measuredListings_ = 0;
    QElapsedTimer walkClock_;
    QElapsedTimer walkPump_;
    std::uint64_t walkExpected_ = 0;
    bool walkMeasuring_ = false;

    QComboBox* cboMainSourceFolder = nullptr;
    QPushButton* btnMainSourceFolderAdd = nullptr;
    QPushButton* btnMainSourceFolderView = nullptr;
    QLabel* lblMainLevelSumSubFolder = nullptr;
    QLabel* lblMainLevelSumFiles = nullptr;
    QLabel* lblMainLevelSumFileSize = nullptr;
    QTreeWidget* lstViewLevelSumFolder = nullptr;
    QPushButton* btnBuildList = nullptr;
    QButtonGroup* levelModes_ = nullptr;
    QRadioButton* rdoFromToLevelNumber = nullptr;
    QRadioButton* rdoAboveLevelNumber = nullptr;
    QRadioButton* rdoBelowLevelNumber = nullptr;
    QLineEdit* edtFromLevelNumber = nullptr;
    QLineEdit* edtToLevelNumber = nullptr;
    QLineEdit* edtAboveLevelNumber = nullptr;
    QLineEdit* edtBelowLevelNumber = nullptr;
    QLabel* lblFromTo = nullptr;
    QSpinBox* udFromLevelNumber = nullptr;
    QSpinBox* udToLevelNumber = nullptr;
    QSpinBox* udAboveLevelNumber = nullptr;
    QSpinBox* udBelowLevelNumber = nullptr;
    QButtonGroup* listModes_ = nullptr;
    QRadioButton* rdoBuildAllSubFolders = nullptr;
    QRadioButton* rdoBuildLastSubFolder = nullptr;
    QLineEdit* edtSubFolderFilter = nullptr;
    QProgressBar* prgBuilderWalk = nullptr;
    LineListView* lstIncludeFolderList = nullptr;
    LineListView* lstExcludeFolderList = nullptr;
    QLabel* lblIncludeSum = nullptr;
    QLabel* lblExcludeSum = nullptr;
    QPushButton* btnDeleteAll = nullptr;
    QPushButton* btnImport = nullptr;
};

}  // namespace arbovane
