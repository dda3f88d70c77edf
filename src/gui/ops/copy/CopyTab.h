#pragma once

#include <QElapsedTimer>
#include <QObject>

#include "core/jobs/TabJob.h"
#include "core/ops/copy/CopyRun.h"
#include "core/ops/copy/CopyTotals.h"
#include "core/templates/TemplateOptions.h"
#include "gui/app/TabJournal.h"
#include "gui/app/TabServices.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace arbovane {

class TemplatePane;
struct UndoJournal;

// The run, simulation and undo controls of the Copy Folder Structures tab, and its refresh after
// every change of its lists, templates, attach mode or file selection.
class CopyTab : public QObject {
    Q_OBJECT
public:
    CopyTab(TabServices services, TemplatePane& templates, UndoJournal& journal,
            const MAP_FOLDER_TEMPLATE_OPTIONS& options, QObject* parent = nullptr);

    // Enabling, to-do counters and the free-space check.
    void Refresh();
    // The tab's part of "Clear Fields", after the lists were emptied.
    void ClearFields();
    CopyTotals& Totals() { return totals_; }
    // The tab's inputs as a job; a job's inputs on the tab, then its refresh. The template option
    // and the file selection are the main window's to set.
    void SaveJob(TabJob& job) const;
    void OpenJob(const TabJob& job);

public slots:
    void btnVol08CopyFoldersClick();
    void btnVol08CopyFoldersSimulationClick();
    void btnVol08UndoClick();
    void btnVol08HelpClick();
    void btnVol08ExamplesClick();

private:
    void BuildControls();
    CopyTabOptions Options() const;
    CopyRunPorts Ports() const;
    CopyRunHooks Hooks();
    // The buttons whose state depends on the lists, the templates and the journal.
    void ApplyButtons();
    void SetRunning(bool running);

    TabServices services_;
    TemplatePane& templates_;
    UndoJournal& journal_;
    TabJournal file_;
    const MAP_FOLDER_TEMPLATE_OPTIONS& options_;
    CopyTotals totals_;
    bool running_ = false;
    QElapsedTimer pumpClock_;

    QPushButton* btnVol08CopyFolders = nullptr;
    QPushButton* btnVol08CopyFoldersSimulation = nullptr;
    QPushButton* btnVol08Undo = nullptr;
    QPushButton* btnVol08Help = nullptr;
    QPushButton* btnVol08Examples = nullptr;
    // Made by the main window and the list pane on the same sheet.
    QCheckBox* chkVol08ShowDetailedResults = nullptr;
    QPushButton* btnVol08Statistics = nullptr;
    QPushButton* btnVol08FileSelection = nullptr;
    QLabel* lblVol08FileTypesAllSelected = nullptr;
    QLabel* lblSelTypes = nullptr;
    QPushButton* btnVol08ClearAll = nullptr;
};

}  // namespace arbovane
