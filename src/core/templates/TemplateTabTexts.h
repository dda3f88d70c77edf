#pragma once

#include <string>

#include "core/templates/TemplateKind.h"

namespace arbovane {

// What differs between the template areas of the four tabs apart from their boxes: the part the
// control names carry, the options key and the radio button captions.
struct TemplateTabTexts {
    TemplateTab tab = TemplateTab::Vol08;
    std::string name;  // "Vol08"
    int optionsKey = 0;
    // The copy tab has no "Attach Nothing.".
    bool attachNothing = false;
    std::string attachNothingCaption;
    std::string fullPathCaption;
    std::string relativeCaption;
    std::string mainFolderWithFilesCaption;
    std::string mainFolderWithoutFilesCaption;
    std::string subFoldersOnlyWithFilesCaption;
    std::string subFoldersOnlyWithoutFilesCaption;
};

const TemplateTabTexts& TemplateTexts(TemplateTab tab);

}  // namespace arbovane
