#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/lists/ListMessage.h"
#include "core/templates/TemplateAreaRules.h"
#include "core/templates/TemplateKind.h"
#include "core/templates/TemplateList.h"
#include "core/templates/TemplateTabTexts.h"
#include "gui/app/GuiContext.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace arbovane {

class TfrmFileExport;
class TfrmFileImport;
class TfrmFolderStructuresTemplates;
class TfrmFolderTemplateOptions;

// What the tab's refresh is told after the pane changed something.
enum class TemplateChange { List, Kind, AttachMode, StructureAdded };

// The dialogs a template pane opens; created once by the program entry and shared.
struct TemplatePaneWindows {
    TfrmFileImport* fileImport = nullptr;
    TfrmFileExport* fileExport = nullptr;
    TfrmFolderStructuresTemplates* edit = nullptr;
    TfrmFolderTemplateOptions* options = nullptr;
};

// The "Folder Structures (Templates)" frame of a copy or creation tab: the kind and attach-mode
// buttons, the template list with its counter and its buttons. The tab's controller reads the
// lines, the kind and the mode, and plugs in its refresh.
class TemplatePane : public QWidget {
    Q_OBJECT
public:
    TemplatePane(GuiContext& context, TemplateTab tab, QWidget* parent = nullptr);

    // Import, Export, Edit and Options work once their dialogs are set.
    void SetWindows(const TemplatePaneWindows& windows) { windows_ = windows; }

    TemplateTab Tab() const { return model_.Tab(); }
    const TemplateTabTexts& Texts() const { return texts_; }
    const std::vector<std::string>& Lines() const { return model_.Lines(); }
    TemplateKind Kind() const { return model_.Kind(); }
    // AttachMode::None unless the full-path kind is chosen.
    AttachMode Mode() const;

    // Applies the enabling table for the include list's state, the kind and the mode.
    void ApplyEnabling(bool includeListHasItems);
    // The states the last ApplyEnabling gave, the run buttons' rule included.
    const TemplateAreaEnabling& Enabling() const { return enabling_; }

    // Called after every change: the list (Import, Export, Edit, Delete Sel., Delete All), the
    // kind buttons, the attach-mode buttons, and Add Structure (StructureAdded). The tab
    // refreshes itself.
    void SetChangeHook(std::function<void(TemplateChange)> hook) { change_ = std::move(hook); }
    // Add Structure enables the run buttons at once.
    void SetRunButtonsHook(std::function<void(bool enabled)> hook) {
        runButtons_ = std::move(hook);
    }

    // The tab's part of Clear Fields: list emptied, counter blanked, relative kind, modes
    // unchecked. No hook runs; the tab refreshes and disables the area itself.
    void ClearFields();
    // As a click on the kind button (for tests and Clear Fields).
    void SetKind(TemplateKind kind);
    // The templates of a job: kind, mode and lines as they were saved. No hook runs and no hint
    // shows; the tab refreshes itself.
    void OpenJob(TemplateKind kind, AttachMode mode, const std::vector<std::string>& lines);

public slots:
    void btnAddFolderStructureClick();
    void btnImportFolderStructuresTemplatesClick();
    void btnExportFolderStructuresTemplatesClick();
    void btnEditFolderStructuresTemplatesClick();
    void btnViewFolderStructureClick();
    void btnDeleteSelFolderStructuresTemplatesClick();
    void btnDeleteAllFolderStructuresTemplatesClick();
    void btnFolderTemplatesOptionsClick();

private:
    QRadioButton* MakeRadio(QWidget* parent, const std::string& name, const std::string& caption);
    QPushButton* MakeButton(QWidget* parent, const std::string& name, const std::string& caption,
                            void (TemplatePane::*handler)());
    // Runs one button's work unless another is under way (the long ones let messages run).
    void Run(const std::function<void()>& body);
    int Show(const ListMessage& message);
    void Changed(TemplateChange change);
    void KindChosen(TemplateKind kind);
    void ModeChosen(AttachMode mode);
    AttachMode CheckedMode() const;
    void CheckMode(AttachMode mode);
    // The list box and its counter from the model.
    void ShowList();
    void Progress(std::size_t count);

    GuiContext& context_;
    const TemplateTabTexts& texts_;
    TemplateList model_;
    TemplateFileHints hints_;
    TemplatePaneWindows windows_;
    std::function<void(TemplateChange)> change_;
    std::function<void(bool)> runButtons_;
    bool includeListHasItems_ = false;
    TemplateAreaEnabling enabling_;
    bool busy_ = false;
    QElapsedTimer pumpClock_;

    QGroupBox* grpTemplates = nullptr;
    QButtonGroup* kindGroup_ = nullptr;
    QButtonGroup* modeGroup_ = nullptr;
    QRadioButton* rdoAttachNothing = nullptr;
    QRadioButton* rdoStructureImportFullPaths = nullptr;
    QRadioButton* rdoStructureImportRelativePaths = nullptr;
    // In the order of AttachMode after None.
    std::array<QRadioButton*, 4> rdoAttachModes{};
    QListWidget* lstAddFolderStructure = nullptr;
    QLabel* lblFolderStructuresTemplatesSum = nullptr;
    QPushButton* btnAddFolderStructure = nullptr;
    QPushButton* btnImportFolderStructuresTemplates = nullptr;
    QPushButton* btnExportFolderStructuresTemplates = nullptr;
    QPushButton* btnEditFolderStructuresTemplates = nullptr;
    QPushButton* btnViewFolderStructure = nullptr;
    QPushButton* btnDeleteSelFolderStructuresTemplates = nullptr;
    QPushButton* btnDeleteAllFolderStructuresTemplates = nullptr;
    QPushButton* btnFolderTemplatesOptions = nullptr;
};

}  // namespace arbovane
