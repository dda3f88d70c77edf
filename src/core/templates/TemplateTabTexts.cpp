#include "core/templates/TemplateTabTexts.h"

#include "core/templates/TemplateOptions.h"

namespace arbovane {

namespace {

TemplateTabTexts Creation(TemplateTab tab, const char* name, int key, const char* fullPath,
                          const char* relative) {
    TemplateTabTexts t;
    t.tab = tab;
    t.name = name;
    t.optionsKey = key;
    t.attachNothing = true;
    t.attachNothingCaption = "Attach Nothing.";
    t.fullPathCaption = fullPath;
    t.relativeCaption = relative;
    t.mainFolderWithFilesCaption = "Main Folders and their Subfolders - With Files.";
    t.mainFolderWithoutFilesCaption = "Main Folders and their Subfolders - Without Files.";
    t.subFoldersOnlyWithFilesCaption = "Subfolders Only - With Files.";
    t.subFoldersOnlyWithoutFilesCaption = "Subfolders Only - Without Files.";
    return t;
}

TemplateTabTexts Copy() {
    TemplateTabTexts t;
    t.tab = TemplateTab::Vol08;
    t.name = "Vol08";
    t.optionsKey = kTemplateKeyVol08;
    t.fullPathCaption = "Existing Folder Structures (Hard Drive...).";
    t.relativeCaption = "Folder Struct. in Text Files (No Drive Letter).";
    t.mainFolderWithFilesCaption = "Main Folders and their Subfolders - With Sel. Files.";
    t.mainFolderWithoutFilesCaption = "Main Folders and their Subfolders - Without Files.";
    t.subFoldersOnlyWithFilesCaption = "Subfolders Only - With Selected Files.";
    t.subFoldersOnlyWithoutFilesCaption = "Subfolders Only - Without Files.";
    return t;
}

}  // namespace

const TemplateTabTexts& TemplateTexts(TemplateTab tab) {
    static const TemplateTabTexts vol08 = Copy();
    static const TemplateTabTexts vol02 =
        Creation(TemplateTab::Vol02, "Vol02", kTemplateKeyVol02,
                 "Existing Folder Structures (Hard Drive...).",
                 "Folder Struct from Text Files (No Drive Letter).");
    static const TemplateTabTexts vol04 =
        Creation(TemplateTab::Vol04, "Vol04", kTemplateKeyVol04,
                 "Existing Folder Structures (Hard Drive...).",
                 "Folder Struct. from Text Files (No Drive Letter)");
    static const TemplateTabTexts vol03 =
        Creation(TemplateTab::Vol03, "Vol03", kTemplateKeyVol03,
                 "Existing Folder Structures (Hard Drive...)",
                 "Folder Struct. from Text Files (No Drive Letter)");
    switch (tab) {
        case TemplateTab::Vol08:
            return vol08;
        case TemplateTab::Vol02:
            return vol02;
        case TemplateTab::Vol04:
            return vol04;
        case TemplateTab::Vol03:
            return vol03;
    }
    return vol08;
}

}  // namespace arbovane
