#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/ops/create/CreateMessages.h"
#include "core/templates/TemplateKind.h"
#include "core/templates/TemplateOptions.h"

namespace arbovane {

class CopyTotals;
class FileSystem;
class Messenger;
class Text;
class VisualLog;
struct UndoJournal;

// The state of a creation tab that its run, simulation and to-create counters read.
struct CreateTabOptions {
    CreateTab tab = CreateTab::StringList;
    std::string destination;                // names and numbers
    std::vector<std::string> includeLines;  // names and full paths, in list order
    std::string startText = "1";            // numbers: the texts of the two boxes
    std::string endText = "1";
    std::string prefix;  // as typed
    std::string suffix;
    bool hyphen = false;
    bool padded = false;           // numbers
    bool numbersInLevels = false;  // numbers, relative templates
    std::vector<std::string> templates;
    TemplateKind kind = TemplateKind::Relative;
    AttachMode mode = AttachMode::None;
    TemplateOption option = TemplateOption::ReplaceNo;
    bool showVisualLog = true;
    bool showExplorer = true;  // names and numbers
};

struct CreateRunPorts {
    FileSystem& fs;
    const Text& text;
    Messenger& messenger;
    VisualLog& log;
};

struct CreateRunHooks {
    // Around the main loop: the other tabs and the tab's own run buttons are disabled.
    std::function<void()> lock;
    std::function<void()> unlock;
    std::function<void()> focusAddStructure;
    std::function<void()> focusEndNumber;
    // "Show Explorer": the destination, trimmed.
    std::function<void(const std::string&)> openDestination;
    // After the unlock of a confirmed run (the destination history moves its destination first).
    std::function<void()> runEnded;
};

// Whether a full-path attach mode with files is chosen.
bool CreateWithFiles(const CreateTabOptions& options);
// How many main folders the inputs name: include lines or numbers.
std::uint64_t MainFolderCount(const CreateTabOptions& options);

// The to-create counters: measures the full-path templates (again only when they changed,
// unless force) and checks free space. False without anything to create or when space is short
// (after the free-space message); the counters are then left as they are.
bool UpdateToCreate(const CreateRunPorts& ports, CopyTotals& totals,
                    const CreateTabOptions& options, bool withFiles, bool force = false);

// The tab's create button: checks, question, journal, every name, number or path, end message.
// False when it stopped before the main loop.
bool RunCreateFolders(const CreateRunPorts& ports, CopyTotals& totals, UndoJournal& journal,
                      const CreateTabOptions& options, const CreateRunHooks& hooks);

// "Simulation": the same walk asking the disk instead of changing it; the journal stays.
bool RunCreateSimulation(const CreateRunPorts& ports, CopyTotals& totals,
                         const CreateTabOptions& options, const CreateRunHooks& hooks);

// One main folder a tab would make: its parent (with a trailing backslash) and the path; empty
// path and the set-aside text when it is refused.
struct NewFolder {
    std::string path;
    std::string refused;  // what the log lists under other reasons
    std::string numberText;
    // The length of the path's part that names the folder it is made in (with its backslash),
    // through which the run creates it.
    std::size_t parentLength = 0;
};
// Every main folder of the inputs in run order; visit returns false to stop.
void ForEachNewFolder(const CreateTabOptions& options,
                      const std::function<bool(const NewFolder&)>& visit);

// The first and the last folder a run would make (or set aside), for the tab's preview; both
// empty when there is none. Numbers are not walked in between.
struct CreatePreview {
    std::string first;
    std::string last;
    bool operator==(const CreatePreview&) const = default;
};
CreatePreview PreviewNewFolders(const CreateTabOptions& options);

}  // namespace arbovane
