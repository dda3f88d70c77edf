#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <utility>
#include <vector>

#include "core/jobs/TabJob.h"
#include "core/ops/delete/DeleteRun.h"
#include "core/ops/delete/DeleteTabRules.h"
#include "core/ops/delete/DeleteToDoCount.h"
#include "gui/app/TabServices.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace arbovane {

// The controls and handlers of the Delete Folder Structures tab.
class DeleteTab : public QObject {
    Q_OBJECT
public:
    explicit DeleteTab(TabServices services, QObject* parent = nullptr);

    // After every list change and mode change: enabling, and the to-delete counters when what
    // they count changed.
    void Refresh();
    // The tab's part of "Clear Fields", after the lists were emptied.
    void ClearFields();
    // The tab's inputs as a job; a job's inputs on the tab, then its refresh. The file selection
    // is the main window's to set.
    void SaveJob(TabJob& job) const;
    void OpenJob(const TabJob& job);

public slots:
    void btnVol07DeleteFoldersClick();
    void btnVol07DeleteFoldersSimulationClick();
    void btnVol07HelpClick();
    void btnVol07ExamplesClick();
    void chkVol07ReadOnlyFoldersToggled(bool checked);

private:
    void BuildControls();
    QRadioButton* AddMode(QWidget* frame, const char* name, const char* caption, const char* hint,
                          DeleteTabMode mode);
    void ModeChosen(DeleteTabMode mode);
    DeleteTabMode CheckedMode() const;
    DeleteTabOptions Options() const;
    DeleteRunPorts Ports();
    DeleteTabLock Lock() const;
    // A count that measures many main folders shows how far it got, repainting the bar itself:
    // the count lets no window messages run.
    void ShowCountProgress(std::size_t done, std::size_t total);

    TabServices services_;
    FileModeHints hints_;
    DeleteToDoCount toDo_;
    QElapsedTimer countClock_;
    QElapsedTimer countPaint_;
    std::vector<std::pair<QRadioButton*, DeleteTabMode>> modeButtons_;

    QRadioButton* rdoVol07DeleteSubFolders = nullptr;
    QRadioButton* rdoVol07DeleteCompleteFolders = nullptr;
    QRadioButton* rdoVol07DeleteOnlyFiles = nullptr;
    QRadioButton* rdoVol07DeleteOnlyFilesInMainFolder = nullptr;
    QCheckBox* chkVol07DeleteDoubleConfirm = nullptr;
    QCheckBox* chkVol07ReadOnlyFolders = nullptr;
    QPushButton* btnVol07DeleteFolders = nullptr;
    QPushButton* btnVol07DeleteFoldersSimulation = nullptr;
    QPushButton* btnVol07Help = nullptr;
    QPushButton* btnVol07Examples = nullptr;
    QProgressBar* prgVol07ToDoCount = nullptr;
    // Made by the main window on the same sheet.
    QCheckBox* chkVol07ShowDetailedResults = nullptr;
    QPushButton* btnVol07Statistics = nullptr;
    QPushButton* btnVol07FileSelection = nullptr;
    QLabel* lblVol07FileTypesAllSelected = nullptr;
    QLabel* lblSelTypes = nullptr;
};

}  // namespace arbovane
