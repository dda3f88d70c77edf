#pragma once

#include <string>
#include <vector>

#include "core/ops/delete/DeleteTabMode.h"
#include "core/ops/rename/RenameNames.h"
#include "core/templates/TemplateKind.h"
#include "core/templates/TemplateOptions.h"

namespace arbovane {

// The tabs a job can be saved from, in page order.
enum class JobTab { Copy, Delete, Rename, CreateNames, CreatePaths, CreateNumbers };

// "copy", "create-names": the word a job file and the command line use for the tab.
const char* JobTabName(JobTab tab);
// "Copy Folder Structures": the tab's caption.
const char* JobTabCaption(JobTab tab);

// The inputs of one tab as a job keeps them. A tab reads the parts it has; the others keep the
// values a tab starts with.
struct TabJob {
    JobTab tab = JobTab::Copy;
    std::string version;  // of the program that saved it

    std::vector<std::string> include;
    std::vector<std::string> exclude;

    TemplateKind kind = TemplateKind::Relative;
    AttachMode mode = AttachMode::None;                 // full-path templates
    TemplateOption option = TemplateOption::ReplaceNo;  // relative templates
    std::vector<std::string> templates;
    // The file selection as its dialog shows it; used by a copy with files and by the delete
    // tab's file modes.
    std::string files;

    DeleteTabMode deleteMode = DeleteTabMode::SubfoldersOnly;
    bool readOnlyFolders = false;

    RenameMethod method = RenameMethod::AddPrefixSuffix;
    std::string firstDelimiter;
    std::string secondDelimiter;
    std::string newName;

    std::string destination;
    std::string prefix;  // also the rename tab's
    std::string suffix;
    bool hyphen = false;
    std::string start = "1";
    std::string end = "1";
    bool padded = false;
    bool numbersInLevels = false;

    bool operator==(const TabJob&) const = default;
};

// What a tab's job holds, given its choices: the lists, the templates, a file selection.
bool JobHasLists(JobTab tab);
bool JobHasTemplates(JobTab tab);
bool JobUsesFiles(const TabJob& job);

}  // namespace arbovane
