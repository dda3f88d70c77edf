#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/templates/TemplateKind.h"
#include "core/templates/TemplateOptions.h"

namespace arbovane {

class CopyTotals;
class FileSystem;
class Messenger;
class Text;
class VisualLog;
struct UndoJournal;

// The state of the copy tab that a run reads.
struct CopyTabOptions {
    std::vector<std::string> includeLines;  // as the list box holds them
    std::vector<std::string> templates;     // in list order
    TemplateKind kind = TemplateKind::Relative;
    AttachMode mode = AttachMode::None;
    std::vector<std::string> patterns;  // the selected file patterns
    TemplateOption option = TemplateOption::ReplaceNo;
    bool showVisualLog = true;
};

struct CopyRunPorts {
    FileSystem& fs;
    const Text& text;
    Messenger& messenger;
    VisualLog& log;
};

struct CopyRunHooks {
    // Around the include folders: the other tabs (and the tab's own run buttons) are disabled.
    std::function<void()> lock;
    std::function<void()> unlock;
    // The simulation lets window messages run once per file it considers.
    std::function<void()> pump;
    // After the no-template warning.
    std::function<void()> focusAddStructure;
};

// " COPY   Folder Structures (Templates)": totals, question, journal, every include folder, end
// message. False when it stopped before the include folders.
bool RunCopyFolders(const CopyRunPorts& ports, CopyTotals& totals, UndoJournal& journal,
                    const CopyTabOptions& options, const CopyRunHooks& hooks);

// "Simulation": the same walk, asking the disk instead of changing it; the journal stays.
bool RunCopySimulation(const CopyRunPorts& ports, CopyTotals& totals, const CopyTabOptions& options,
                       const CopyRunHooks& hooks);

}  // namespace arbovane
