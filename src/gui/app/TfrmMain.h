#pragma once

#include <QMainWindow>
#include <array>
#include <memory>

#include "core/app/ProgramSettings.h"
#include "core/jobs/TabJob.h"
#include "core/templates/TemplateOptions.h"
#include "core/undo/UndoJournal.h"
#include "core/visuallog/VisualLog.h"
#include "gui/app/GuiContext.h"
#include "gui/app/LiveRun.h"

class QAction;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QVBoxLayout;

namespace arbovane {

enum class ExampleWindow;
class CopyTab;
class CreateFoldersTab;
class DeleteTab;
class FolderListPane;
class HelpEngine;
class JournalKeeper;
class RenameTab;
class TemplatePane;
struct ProgramWindows;

// The main window: six operation tabs, the menu, the program's lifecycle (settings read at
// creation and written at close) and the tab lock of a running operation.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    // Runs the create steps: the settings are read (or written on a first start) before the
    // window can be shown.
    TfrmMain(GuiContext& context, HelpEngine& help, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // Builds what needs the windows created after this one (list panes, Visual Log buttons).
    void AttachWindows(ProgramWindows& windows);

    VisualLog& Log(VisualLogTab tab) { return *logs_[static_cast<std::size_t>(tab)]; }
    FolderListPane* Pane(int tabIndex) const { return panes_[static_cast<std::size_t>(tabIndex)]; }
    QTabWidget* Pages() const { return pgeMain; }
    // The template area of the copy and creation tabs; nullptr for the other tabs.
    TemplatePane* Templates(int tabIndex) const {
        return templatePanes_[static_cast<std::size_t>(tabIndex)];
    }
    // How each tab maps its relative templates; changed only by the options dialog, read by the
    // runs, kept until the program ends.
    MAP_FOLDER_TEMPLATE_OPTIONS& TemplateOptions() { return templateOptions_; }
    const MAP_FOLDER_TEMPLATE_OPTIONS& TemplateOptions() const { return templateOptions_; }

    // The undo journals of the copy and creation tabs (Vol08, Vol02, Vol04, Vol03) and of the
    // rename tab; they live as long as the program.
    UndoJournal& Journal(VisualLogTab tab);
    RenameJournal& Renames() { return renameJournal_; }
    // The file that keeps a tab's journal across starts; nullptr for the delete tab.
    JournalKeeper* Keeper(VisualLogTab tab) const {
        return keepers_[static_cast<std::size_t>(tab)].get();
    }
    // The run going on, if any.
    LiveRun& Live() { return liveRun_; }

    // A run disables every other tab sheet; the running tab stays usable.
    void LockTabsFor(QWidget* runningTab);
    void UnlockTabs();

    // Each tab's refresh routine and enable rule; the operations fill in their controls.
    void RefreshTab(int tabIndex);
    void EnableTabControls(int tabIndex, bool includeListHasItems);
    // The general help window at a topic, with "More help".
    void ShowHelpTopic(int topic);
    void ShowExamples(ExampleWindow window);

    // The inputs of a tab as a job, and a job set on the tab it was saved from.
    TabJob JobOfTab(int tabIndex) const;
    void OpenJob(const TabJob& job);

public slots:
    void FormActivate();
    void FormDestroy();
    void mnuExitClick();
    // The current tab's inputs saved as a job; a job opened on its own tab, which comes to front.
    void mnuSaveJobClick();
    void mnuOpenJobClick();
    void mnuOverviewClick();
    void mnuVisitWebClick();
    void mnuAboutClick();
    void mnuManageSeparatorsClick();
    void btnVol03ClearAllClick();
    void btnVol08FileSelectionClick();
    void btnVol08SubFolderLevelListBuilderClick();
    void btnVol07SubFolderLevelListBuilderClick();
    void btnVol06SubFolderLevelListBuilderClick();
    void btnVol07FileSelectionClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    QWidget* AddTab(const char* objectName, const char* caption, VisualLogTab logTab,
                    bool hasTemplates);
    void BuildMenu();
    // Each tab's journal file, read back: the last run can be taken back after a new start.
    void LoadJournals();
    // Closes the window once no run and no box of one is left.
    void CloseAfterRun();
    void BuildTabs();
    void FormClose();
    void ShowVisualLog(VisualLogTab tab);
    // The controller of a creation tab, or nullptr.
    CreateFoldersTab* CreateTabOf(int tabIndex) const;
    // The list builder, its result handed to the tab's include list.
    void TransferBuilderListTo(int tabIndex);
    // The file selection dialog; true when it closed with OK.
    bool SelectFiles();

    GuiContext& context_;
    HelpEngine& help_;
    // The settings file as read at start or last written by the close.
    SettingsFileSeen settingsSeen_;
    ProgramWindows* windows_ = nullptr;
    std::array<std::unique_ptr<VisualLog>, 6> logs_;
    std::array<FolderListPane*, 6> panes_{};
    std::array<QVBoxLayout*, 6> paneHosts_{};
    std::array<TemplatePane*, 6> templatePanes_{};
    MAP_FOLDER_TEMPLATE_OPTIONS templateOptions_;
    std::array<QBoxLayout*, 6> sideColumns_{};
    std::array<UndoJournal, 6> journals_;
    RenameJournal renameJournal_;
    std::array<std::unique_ptr<JournalKeeper>, 6> keepers_;
    LiveRun liveRun_{*this};
    // Closing was asked for during a run; the window closes once the run has ended.
    bool closeAfterRun_ = false;
    std::unique_ptr<CopyTab> copyTab_;
    std::unique_ptr<DeleteTab> deleteTab_;
    std::unique_ptr<RenameTab> renameTab_;
    // Names (Vol02), full paths (Vol04) and numbers (Vol03), in page order.
    std::array<std::unique_ptr<CreateFoldersTab>, 3> createTabs_;
    bool destroyed_ = false;

    QTabWidget* pgeMain = nullptr;
    QMenu* mnuMisc = nullptr;
    QComboBox* cboVol02DestFolders = nullptr;
    QComboBox* cboVol03DestFolders = nullptr;
    QSpinBox* udVol03StartNumber = nullptr;
    QSpinBox* udVol03EndNumber = nullptr;
    QLabel* lblVol08FileTypesAllSelected = nullptr;
    QLabel* lblVol07FileTypesAllSelected = nullptr;
};

}  // namespace arbovane
