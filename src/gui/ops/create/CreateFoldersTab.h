#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>

#include "core/jobs/TabJob.h"
#include "core/ops/copy/CopyTotals.h"
#include "core/ops/create/CreateRun.h"
#include "core/templates/TemplateOptions.h"
#include "gui/app/GuiContext.h"
#include "gui/app/TabJournal.h"

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace arbovane {

enum class ExampleWindow;
class FolderListPane;
class JournalKeeper;
class TemplatePane;
class VisualLog;
struct UndoJournal;

// What a creation tab's controller needs of the main window.
struct CreateTabServices {
    GuiContext& context;
    QWidget* sheet;
    QBoxLayout* side;         // the right-hand column; frames go to its top
    QBoxLayout* left;         // the left-hand column, under the list pane or the numbers
    FolderListPane* pane;     // null on the numbers tab
    QComboBox* destinations;  // null on the full-path tab
    VisualLog& log;
    std::function<void()> lockOtherTabs;
    std::function<void()> unlockTabs;
    std::function<void(int topic)> showHelp;
    std::function<void(ExampleWindow)> showExamples;
    JournalKeeper* keeper = nullptr;  // the file that keeps the tab's journal
};

// The prefix, suffix and option boxes and the run, simulation and undo buttons of one creation
// tab (names, numbers or full paths), and its refresh after every change of its lists,
// templates, kind or attach mode.
class CreateFoldersTab : public QObject {
    Q_OBJECT
public:
    CreateFoldersTab(CreateTab tab, CreateTabServices services, TemplatePane& templates,
                     UndoJournal& journal, const MAP_FOLDER_TEMPLATE_OPTIONS& options,
                     QObject* parent = nullptr);

    // Enabling, then every counter zeroed and the to-create counters recomputed.
    void Refresh();
    // The tab's part of "Clear Fields", after the lists were emptied.
    void ClearFields();
    CreateTabOptions Options() const;
    // The tab's inputs as a job; a job's inputs on the tab, then its refresh. The template option
    // is the main window's to set.
    void SaveJob(TabJob& job) const;
    void OpenJob(const TabJob& job);

public slots:
    // btnVol02CreateFoldersClick, btnVol03CreateFoldersClick, btnVol04CreateFoldersClick.
    void btnCreateFoldersClick();
    void btnCreateFoldersSimulationClick();
    void btnUndoClick();
    void btnAddDestFolderClick();
    void btnViewDestFolderClick();
    // btnVol02ListHelpClick, btnVol03HelpClick, btnVol04HelpClick.
    void btnHelpClick();
    // btnVol02ExampleClick, btnVol03ExamplesClick, btnVol04ExamplesClick.
    void btnExamplesClick();

private:
    void BuildControls();
    QString Name(const char* kind, const char* rest) const;
    QLineEdit* MakeEdit(QWidget* parent, const char* rest);
    QCheckBox* MakeCheck(QWidget* parent, const char* rest, const char* caption, bool checked);
    void CheckNamePart(QLineEdit* edit, bool prefix);
    void NumbersLeft(bool startLeft);
    // A destination was picked or browsed; empty when browsing was cancelled.
    void DestinationChosen(const std::string& chosen);
    void MoveDestinationFirst(const std::string& destination);
    // A job's destination, taken without the messages of a browsed one.
    void LoadDestination(const std::string& destination);
    bool Gate() const;
    // The first and last folder the run would make.
    void UpdatePreview();
    void ApplyButtons();
    void SetRunning(bool running);
    CreateRunPorts Ports() const;
    CreateRunHooks Hooks();

    CreateTab tab_;
    CreateTabServices services_;
    TemplatePane& templates_;
    UndoJournal& journal_;
    TabJournal file_;
    const MAP_FOLDER_TEMPLATE_OPTIONS& options_;
    CopyTotals totals_;
    bool running_ = false;
    // A click on a "With Files" mode measures with files; other changes keep the last choice.
    bool withFiles_ = false;
    // The numbers tab waits for a destination instead of an include list.
    bool destinationChosen_ = false;
    // The destination text the tab was last refreshed for.
    QString destinationSeen_;

    QLineEdit* edtPrefix = nullptr;
    QLineEdit* edtSuffix = nullptr;
    QCheckBox* chkHyphen = nullptr;
    QCheckBox* chkPaddedZeroes = nullptr;
    QCheckBox* chkAddIncNumbersAsSuffix = nullptr;
    QCheckBox* chkViewDestFolder = nullptr;
    QCheckBox* chkViewDetailedResults = nullptr;
    QLineEdit* edtStartNumber = nullptr;
    QLineEdit* edtEndNumber = nullptr;
    QPushButton* btnAddDestFolder = nullptr;
    QPushButton* btnViewDestFolder = nullptr;
    QPushButton* btnCreateFolders = nullptr;
    QPushButton* btnCreateFoldersSimulation = nullptr;
    QPushButton* btnUndo = nullptr;
    QPushButton* btnHelp = nullptr;
    QPushButton* btnExamples = nullptr;
    QPushButton* btnStatistic = nullptr;
    QLabel* lblStartFolder = nullptr;
    QLabel* lblEndFolder = nullptr;
};

}  // namespace arbovane
