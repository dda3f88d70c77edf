#pragma once

#include <memory>
#include <vector>

#include "core/help/Examples.h"
#include "gui/app/GuiContext.h"

class QWidget;

namespace arbovane {

class ExamplesWindow;
class HelpEngine;
class TfrmAbout;
class TfrmAltalanosHelp;
class TfrmDelimiters;
class TfrmEditSmartImport;
class TfrmFLLEditIncludeFolderList;
class TfrmFileExport;
class TfrmFileImport;
class TfrmFileSelection;
class TfrmFolderStructuresTemplates;
class TfrmFolderTemplateOptions;
class TfrmJob;
class TfrmLevelSummFolder;
class TfrmMain;
class TfrmMoreHelp;
class TfrmOverViewHelp;
class TfrmQuotationMarks;
class TfrmStatistic02;
class TfrmStatistic03;
class TfrmStatistic04;
class TfrmStatistic06;
class TfrmStatistic08;
class TfrmStatistics07;
class TfrmSubFolderListBuilder;
class TfrmVol02EditIncludeList;
class TfrmVol04EditIncludeList;
class TfrmVol06EditIncludeList;
class TfrmVol07EditIncludeList;
class TfrmVol08EditIncludeList;
class TfrmZoomIncludeWindow;
class VisualLogWindow;

// Every window of the program, created once in the program's fixed order and living until the
// process ends. Members are destroyed in reverse order, so the main window goes last.
struct ProgramWindows {
    ProgramWindows(GuiContext& context, HelpEngine& help);
    ~ProgramWindows();

    VisualLogWindow& LogWindow(int tabIndex);
    ExamplesWindow& Examples(ExampleWindow window);
    // Every top-level window in the start-up order, with each Visual Log window's zoom window
    // after it, so tools and tests reach them all without a list of their own.
    std::vector<QWidget*> All();
    // Hands the help windows to the dialogs whose Help buttons open them.
    void AttachHelp();

    std::unique_ptr<TfrmMain> main;
    std::unique_ptr<TfrmAbout> about;
    std::unique_ptr<TfrmFLLEditIncludeFolderList> builderEdit;
    std::unique_ptr<TfrmVol02EditIncludeList> vol02Edit;
    std::unique_ptr<TfrmVol04EditIncludeList> vol04Edit;
    std::unique_ptr<TfrmVol06EditIncludeList> vol06Edit;
    std::unique_ptr<TfrmVol07EditIncludeList> vol07Edit;
    std::unique_ptr<TfrmVol08EditIncludeList> vol08Edit;
    std::unique_ptr<TfrmFolderStructuresTemplates> folderStructuresTemplates;
    std::unique_ptr<TfrmEditSmartImport> editSmartImport;
    std::unique_ptr<TfrmFileExport> fileExport;
    std::unique_ptr<TfrmFileImport> fileImport;
    std::unique_ptr<TfrmFileSelection> fileSelection;
    std::unique_ptr<TfrmFolderTemplateOptions> folderTemplateOptions;
    std::unique_ptr<TfrmAltalanosHelp> altalanosHelp;
    std::unique_ptr<TfrmMoreHelp> moreHelp;
    std::unique_ptr<TfrmOverViewHelp> overview;
    std::unique_ptr<TfrmQuotationMarks> quotationMarks;
    std::unique_ptr<TfrmDelimiters> delimiters;
    std::unique_ptr<TfrmLevelSummFolder> levelSummary;
    std::unique_ptr<TfrmSubFolderListBuilder> listBuilder;
    std::unique_ptr<TfrmZoomIncludeWindow> zoomInclude;
    std::unique_ptr<TfrmJob> job;
    std::unique_ptr<TfrmStatistic08> statistic08;
    std::unique_ptr<TfrmStatistic02> statistic02;
    std::unique_ptr<TfrmStatistic03> statistic03;
    std::unique_ptr<TfrmStatistic04> statistic04;
    std::unique_ptr<TfrmStatistic06> statistic06;
    std::unique_ptr<TfrmStatistics07> statistics07;
    // Windows whose work comes with later features: created in their place with their captions.
    // In the order of the tabs: copy, delete, rename, strings, list of folders, numbers.
    std::vector<std::unique_ptr<ExamplesWindow>> examples;
};

}  // namespace arbovane
