#pragma once

#include <map>
#include <string>

namespace arbovane {

class Text;

// How a relative template line is mapped onto one include folder.
enum class TemplateOption {
    ReplaceNo,     // the whole line
    ReplaceFirst,  // the line without its first folder
    ReplaceAll,    // without its first folder, that folder's name replaced by the include folder's
};

struct _tagFoldersTemplateOptions {
    TemplateOption option = TemplateOption::ReplaceNo;
};

// One entry per tab that has a template list, keyed by the tab's template key.
using MAP_FOLDER_TEMPLATE_OPTIONS = std::map<int, _tagFoldersTemplateOptions>;

// The template keys of the four tabs; the options dialog's help topic has the same number.
constexpr int kTemplateKeyVol04 = 1;
constexpr int kTemplateKeyVol02 = 2;
constexpr int kTemplateKeyVol03 = 3;
constexpr int kTemplateKeyVol08 = 4;

// ReplaceNo when the store has no entry for the key.
TemplateOption TemplateOptionFor(const MAP_FOLDER_TEMPLATE_OPTIONS& store, int key);

// The relative path to attach below includeFolder; may be empty (the line named only a first
// folder, which the options without it leave nothing of).
std::string TransformTemplateLine(const Text& text, TemplateOption option, const std::string& line,
                                  const std::string& includeFolder);

// The folder to create: includeFolder, a backslash and the relative path, normalised. Empty when
// the relative path cannot be attached: it holds a colon, or a "." or ".." part that would lead
// out of the include folder.
std::string JoinTemplatePath(const std::string& includeFolder, const std::string& relative);

}  // namespace arbovane
