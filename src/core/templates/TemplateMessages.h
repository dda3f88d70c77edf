#pragma once

#include <string>

#include "core/lists/ListMessage.h"
#include "core/templates/TemplateKind.h"

namespace arbovane {

// Every box of the template area of the copy and creation tabs.
enum class TemplateMessageId {
    SelectionEmpty,          // Add Structure without a folder
    NothingSelected,         // View Selected without a selected line
    DriveRootQuestion,       // Add Structure on a drive root
    ImportEmpty,             // the import dialog's result list is empty
    ImportCheck,             // the import check found problems; its report is the text
    ExportEmpty,             // Export of an empty list
    DeleteSelectedQuestion,  // Delete Sel.
    DeleteAllEmpty,          // Delete All on an empty list
    DeleteAllQuestion,       // Delete All
    EditCheckRelative,       // the edit check of relative templates found problems
    EditCheckFullPath,       // the edit check of full-path templates found problems
    FileSelectionHint,       // copy tab: the first pick of an attach mode with files
};

// The box of one tab; report is the text of the two check messages. A tab without the message
// (the hint off the copy tab) gets an empty one.
ListMessage TemplateMessageFor(TemplateTab tab, TemplateMessageId id,
                               const std::string& report = {});

}  // namespace arbovane
