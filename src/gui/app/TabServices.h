#pragma once

#include <functional>

#include "gui/app/GuiContext.h"

class QBoxLayout;
class QWidget;

namespace arbovane {

enum class ExampleWindow;
class FolderListPane;
class JournalKeeper;
class VisualLog;

// What an operation tab's controller needs of the main window: the ports, its sheet and the column
// its option frames go into, its list pane, its Visual Log and the tab lock of a run.
struct TabServices {
    GuiContext& context;
    QWidget* sheet;
    // The right-hand column of the sheet; frames are inserted at its top.
    QBoxLayout* side;
    FolderListPane& pane;
    VisualLog& log;
    // Disables every other tab sheet, and enables them again.
    std::function<void()> lockOtherTabs;
    std::function<void()> unlockTabs;
    // Shows the general help window at a topic.
    std::function<void(int topic)> showHelp;
    // Shows an examples window.
    std::function<void(ExampleWindow)> showExamples;
    // The file that keeps the tab's journal; nullptr on the delete tab.
    JournalKeeper* keeper = nullptr;
};

}  // namespace arbovane
