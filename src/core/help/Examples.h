#pragma once

#include <string>
#include <vector>

#include "core/ops/delete/DeleteTabMode.h"
#include "core/ops/rename/RenameNames.h"
#include "core/templates/TemplateKind.h"

namespace arbovane {

class FileSystem;
class Text;

// The six examples windows, one per operation tab.
enum class ExampleWindow { Copy, Delete, Rename, Strings, FolderList, Numbers };

// A full-path template of a sample: its folder and the entries below it ("E-mails\",
// "E-mails\Brochure.txt"; folders end in a backslash).
struct ExampleTemplate {
    std::string folder;
    std::vector<std::string> entries;
};

// The fixed inputs a window shows and its operation runs on.
struct ExampleSample {
    std::vector<std::string> includeLines;  // include list, or the strings to create from
    std::string destination;                // strings and numbers
    std::string prefix;
    std::string suffix;
    std::string startNumber;
    std::string endNumber;
    bool hyphen = false;
    bool padded = false;
    std::vector<std::string> relativeTemplates;
    std::vector<ExampleTemplate> fullPathTemplates;
    // Below the include folders (delete, rename): entries as for templates, with the include
    // folder's path in front.
    std::vector<std::string> includeEntries;
    RenameFields rename;  // the method is the selected option's
};

const ExampleSample& SampleOf(ExampleWindow window);

// The selected radio buttons. The copy and creation windows use kind and mode, the delete
// window deleteMode, the rename window renameMethod.
struct ExampleChoice {
    TemplateKind kind = TemplateKind::Relative;
    AttachMode mode = AttachMode::MainFolderWithoutFiles;
    DeleteTabMode deleteMode = DeleteTabMode::SubfoldersOnly;
    RenameMethod renameMethod = RenameMethod::AddPrefixSuffix;
};

struct ExampleResult {
    // Copy, rename and creation: the deepest folders and the files the run makes or renames.
    // Delete: every folder and file it deletes.
    std::vector<std::string> results;
    // Delete: what stays of the sample, from the include folders' parent down.
    std::vector<std::string> retained;
};

// Writes the sample's folders and files onto fs (an empty file system holding drives e: and
// f:) and runs the tab's own simulation on it for choice. False when the sample could not be
// made there.
bool RunExample(FileSystem& fs, const Text& text, ExampleWindow window, const ExampleChoice& choice,
                ExampleResult& result);

}  // namespace arbovane
