#include "gui/app/ProgramWindows.h"

#include <initializer_list>

#include "core/app/ProgramSettings.h"
#include "core/help/HelpEngine.h"
#include "core/help/HelpTopics.h"
#include "gui/acquire/TfrmDelimiters.h"
#include "gui/acquire/TfrmEditSmartImport.h"
#include "gui/acquire/TfrmFLLEditIncludeFolderList.h"
#include "gui/acquire/TfrmFileExport.h"
#include "gui/acquire/TfrmFileImport.h"
#include "gui/acquire/TfrmQuotationMarks.h"
#include "gui/acquire/TfrmSubFolderListBuilder.h"
#include "gui/app/TfrmAbout.h"
#include "gui/app/TfrmAltalanosHelp.h"
#include "gui/app/TfrmJob.h"
#include "gui/app/TfrmMain.h"
#include "gui/app/TfrmMoreHelp.h"
#include "gui/app/TfrmOverViewHelp.h"
#include "gui/help/ExamplesWindow.h"
#include "gui/lists/TfrmVol02EditIncludeList.h"
#include "gui/lists/TfrmVol04EditIncludeList.h"
#include "gui/lists/TfrmVol06EditIncludeList.h"
#include "gui/lists/TfrmVol07EditIncludeList.h"
#include "gui/lists/TfrmVol08EditIncludeList.h"
#include "gui/lists/TfrmZoomIncludeWindow.h"
#include "gui/templates/TfrmFileSelection.h"
#include "gui/templates/TfrmFolderStructuresTemplates.h"
#include "gui/templates/TfrmFolderTemplateOptions.h"
#include "gui/templates/TfrmLevelSummFolder.h"
#include "gui/visuallog/TfrmStatistic02.h"
#include "gui/visuallog/TfrmStatistic03.h"
#include "gui/visuallog/TfrmStatistic04.h"
#include "gui/visuallog/TfrmStatistic06.h"
#include "gui/visuallog/TfrmStatistic08.h"
#include "gui/visuallog/TfrmStatistics07.h"
#include "gui/visuallog/ZoomStatisticsWindow.h"

namespace arbovane {

ProgramWindows::ProgramWindows(GuiContext& context, HelpEngine& help) {
    const QString title = QString::fromStdString(context.settings.programTitle.empty()
                                                     ? std::string("Arbovane 8.20")
                                                     : context.settings.programTitle);
    main = std::make_unique<TfrmMain>(context, help);
    about = std::make_unique<TfrmAbout>(context, help.HelpFile(), main.get());
    builderEdit = std::make_unique<TfrmFLLEditIncludeFolderList>(context, main.get());
    vol02Edit = std::make_unique<TfrmVol02EditIncludeList>(context, main.get());
    vol04Edit = std::make_unique<TfrmVol04EditIncludeList>(context, main.get());
    vol06Edit = std::make_unique<TfrmVol06EditIncludeList>(context, main.get());
    vol07Edit = std::make_unique<TfrmVol07EditIncludeList>(context, main.get());
    vol08Edit = std::make_unique<TfrmVol08EditIncludeList>(context, main.get());
    folderStructuresTemplates =
        std::make_unique<TfrmFolderStructuresTemplates>(context, main.get());
    editSmartImport = std::make_unique<TfrmEditSmartImport>(context, main.get());
    examples.push_back(std::make_unique<TfrmExamplesCopy>(context.text, main.get()));
    examples.push_back(std::make_unique<TfrmExamplesDelete>(context.text, main.get()));
    examples.push_back(std::make_unique<TfrmExamplesRename>(context.text, main.get()));
    examples.push_back(std::make_unique<TfrmDriveSelect>(context.text, main.get()));
    examples.push_back(std::make_unique<TfrmExamplesCreateFolders>(context.text, main.get()));
    examples.push_back(std::make_unique<TfrmExamplesIncreasedNumbers>(context.text, main.get()));
    fileExport = std::make_unique<TfrmFileExport>(context, main.get());
    fileImport = std::make_unique<TfrmFileImport>(context, main.get());
    fileImport->SetEditWindow(editSmartImport.get());
    fileSelection = std::make_unique<TfrmFileSelection>(context, main.get());
    folderTemplateOptions =
        std::make_unique<TfrmFolderTemplateOptions>(context, main->TemplateOptions(), main.get());
    altalanosHelp = std::make_unique<TfrmAltalanosHelp>(title, main.get());
    moreHelp = std::make_unique<TfrmMoreHelp>(title, main.get());
    altalanosHelp->SetMoreHelpWindow(moreHelp.get());
    overview = std::make_unique<TfrmOverViewHelp>(context, help.HelpFile(), main.get());
    // Both take their lists from the settings the main window read; each showing reads the file.
    quotationMarks = std::make_unique<TfrmQuotationMarks>(context, main.get());
    delimiters = std::make_unique<TfrmDelimiters>(context, main.get());
    levelSummary = std::make_unique<TfrmLevelSummFolder>(context, main.get());
    // The builder works through windows created after its own place in the order, so it comes
    // once they exist.
    listBuilder = std::make_unique<TfrmSubFolderListBuilder>(context, *builderEdit, *fileExport,
                                                             *levelSummary, main.get());
    zoomInclude = std::make_unique<TfrmZoomIncludeWindow>(context, main.get());
    fileImport->SetZoomWindow(zoomInclude.get());
    job = std::make_unique<TfrmJob>(context, main.get());
    fileImport->SetMarkWindows(delimiters.get(), quotationMarks.get());
    // Each Visual Log window creates its zoom window, which shares its list models.
    statistic08 =
        std::make_unique<TfrmStatistic08>(context, main->Log(VisualLogTab::Vol08), *fileExport);
    statistic02 =
        std::make_unique<TfrmStatistic02>(context, main->Log(VisualLogTab::Vol02), *fileExport);
    statistic03 =
        std::make_unique<TfrmStatistic03>(context, main->Log(VisualLogTab::Vol03), *fileExport);
    statistic04 =
        std::make_unique<TfrmStatistic04>(context, main->Log(VisualLogTab::Vol04), *fileExport);
    statistic06 =
        std::make_unique<TfrmStatistic06>(context, main->Log(VisualLogTab::Vol06), *fileExport);
    statistics07 =
        std::make_unique<TfrmStatistics07>(context, main->Log(VisualLogTab::Vol07), *fileExport);
    AttachHelp();
    main->AttachWindows(*this);
}

void ProgramWindows::AttachHelp() {
    TfrmAltalanosHelp* help = altalanosHelp.get();
    TfrmMoreHelp* more = moreHelp.get();
    folderTemplateOptions->SetHelpHook([help](int topic) { help->ShowHelpTopic(topic); });
    fileImport->SetHelpHook([help] { help->ShowHelpTopic(kHelpTopicFileImport); });
    fileSelection->SetHelpHook(
        [help] { help->ShowHelpTopic(kHelpTopicFileSelection, /*moreHelpVisible=*/false); });
    // The edit windows explain themselves in the more-help lines.
    for (EditIncludeListWindow* edit : std::initializer_list<EditIncludeListWindow*>{
             builderEdit.get(), vol02Edit.get(), vol04Edit.get(), vol06Edit.get(), vol07Edit.get(),
             vol08Edit.get()})
        edit->SetHelpHook([more] { more->exec(); });
    folderStructuresTemplates->SetHelpHook([more] { more->exec(); });
}

ProgramWindows::~ProgramWindows() {
    // The Visual Log windows go before the logs they show.
    statistics07.reset();
    statistic06.reset();
    statistic04.reset();
    statistic03.reset();
    statistic02.reset();
    statistic08.reset();
}

ExamplesWindow& ProgramWindows::Examples(ExampleWindow window) {
    for (const auto& examplesWindow : examples)
        if (examplesWindow->Window() == window) return *examplesWindow;
    return *examples.front();
}

std::vector<QWidget*> ProgramWindows::All() {
    std::vector<QWidget*> all{
        main.get(),           about.get(),     builderEdit.get(),
        vol02Edit.get(),      vol04Edit.get(), vol06Edit.get(),
        vol07Edit.get(),      vol08Edit.get(), folderStructuresTemplates.get(),
        editSmartImport.get()};
    for (const auto& window : examples) all.push_back(window.get());
    all.insert(all.end(), {fileExport.get(), fileImport.get(), fileSelection.get(),
                           folderTemplateOptions.get(), altalanosHelp.get(), moreHelp.get(),
                           overview.get(), quotationMarks.get(), delimiters.get(),
                           levelSummary.get(), listBuilder.get(), zoomInclude.get(), job.get()});
    for (VisualLogWindow* log : std::initializer_list<VisualLogWindow*>{
             statistic08.get(), statistic02.get(), statistic03.get(), statistic04.get(),
             statistic06.get(), statistics07.get()}) {
        all.push_back(log);
        all.push_back(&log->ZoomWindow());
    }
    return all;
}

VisualLogWindow& ProgramWindows::LogWindow(int tabIndex) {
    switch (tabIndex) {
        case 0:
            return *statistic08;
        case 1:
            return *statistics07;
        case 2:
            return *statistic06;
        case 3:
            return *statistic02;
        case 4:
            return *statistic04;
        default:
            return *statistic03;
    }
}

}  // namespace arbovane
