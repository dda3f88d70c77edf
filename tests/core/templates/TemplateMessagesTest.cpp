#include <gtest/gtest.h>

#include <string>

#include "core/templates/TemplateAreaRules.h"
#include "core/templates/TemplateMessages.h"

namespace arbovane {
namespace {

using Id = TemplateMessageId;

struct Expected {
    TemplateTab tab;
    Id id;
    const char* text;  // nullptr: the check's report
    const char* title;
    int flags;
};

const char* const kSelectionEmpty =
    "The selection field is empty !\nAction : You must select a folder with subfolder structure.";
const char* const kCopyRoot =
    "Do you want to COPY the Entire Disk to the Folders specified in The Include Window ?\nClick "
    "YES to Copy,\nClick NO to Cancel.";
const char* const kAttachRoot =
    "Do you want to Attach the Entire Disk to the Folders specified in The Include Window "
    "?\nClick YES to Attach,\nClick NO to Cancel.";
const char* const kImportEmpty = "Empty Result List in the File Import Window!\n";
const char* const kExportEmpty = "The Folder Structure/Templates Window is empty !\n";
const char* const kDeleteSelected =
    "Do you want to delete the selected item(s) from the Exclude list ?";
const char* const kCreateEmpty = "Empty List in the Folder Structures/Templates Window!\n";
const char* const kCreateDeleteAll =
    "Do you want to delete all item(s) from the Folder Structures/Templates list ?";

const Expected kMessages[] = {
    // The copy tab.
    {TemplateTab::Vol08, Id::SelectionEmpty, kSelectionEmpty,
     "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0279.", 48},
    {TemplateTab::Vol08, Id::NothingSelected,
     "There is no selected Folder Structure !\nAction : You must select a Folder with subfolder "
     "structure.",
     "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0280.", 48},
    {TemplateTab::Vol08, Id::DriveRootQuestion, kCopyRoot,
     "Copy Folder Structure(s).-From a Folder List - Level.            Information no: 0330.", 292},
    {TemplateTab::Vol08, Id::ImportEmpty, kImportEmpty,
     "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0401a.", 48},
    {TemplateTab::Vol08, Id::ImportCheck, nullptr,
     "Copy Folder Structure(s).-From a Folder List.            Warning no: 0385bc.", 48},
    {TemplateTab::Vol08, Id::ExportEmpty, kExportEmpty,
     "Copy Folder Structure(s).-From a Folder List - Level.             Warning no: 0560a.", 48},
    {TemplateTab::Vol08, Id::DeleteSelectedQuestion, kDeleteSelected,
     "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0281.", 292},
    {TemplateTab::Vol08, Id::DeleteAllEmpty,
     "Empty List in the Folder Structure/Templates Window!\n",
     "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0520a.", 48},
    {TemplateTab::Vol08, Id::DeleteAllQuestion,
     "Do you want to delete all item(s) from the Folder Structure/Templates list ?",
     "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0521a.", 292},
    {TemplateTab::Vol08, Id::EditCheckRelative, nullptr,
     "Copy Folder Structure(s).-From a Folder List.            Warning no: 0383bc.", 48},
    {TemplateTab::Vol08, Id::EditCheckFullPath, nullptr,
     "Copy Folder Structure(s).-From a Folder List.             Warning no: 0383bc.", 48},
    {TemplateTab::Vol08, Id::FileSelectionHint,
     "You can Select File Names/Types by Clicking on the <Select Files> button.",
     "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0277.", 48},
    // Create Folder Structures-I.
    {TemplateTab::Vol02, Id::SelectionEmpty,
     "The selection field is empty !\nAction : You must select a folder with subfolders "
     "structure.",
     "Creating Folder(s).-From a String List.            Warning no: 0020.", 48},
    {TemplateTab::Vol02, Id::NothingSelected,
     "There is no selected Folder Structure !\nAction : You must select a folder with subfolders "
     "structure.",
     "Creating Folder(s).-From a String List.            Warning no: 0021.", 48},
    {TemplateTab::Vol02, Id::DriveRootQuestion, kAttachRoot,
     "Creating Folder(s).-From a String List.            Warning no: 0331.", 292},
    {TemplateTab::Vol02, Id::ImportEmpty, kImportEmpty,
     "Creating Folder(s).-From a String List.             Warning no: 0377a.", 48},
    {TemplateTab::Vol02, Id::ImportCheck, nullptr,
     "Creating Folder(s).-From a String List.            Warning no: 0385bc.", 48},
    {TemplateTab::Vol02, Id::EditCheckRelative, nullptr,
     "Creating Folder(s).-From a String List.            Warning no: 0385bc.", 48},
    {TemplateTab::Vol02, Id::EditCheckFullPath, nullptr,
     "Creating Folder(s).-From a String List.            Warning no: 0385bc.", 48},
    {TemplateTab::Vol02, Id::ExportEmpty, kExportEmpty,
     "Creating Folder(s).-From a String List.             Warning no: 0560a.", 48},
    {TemplateTab::Vol02, Id::DeleteSelectedQuestion, kDeleteSelected,
     "Creating Folder(s).-From a String List.            Warning no: 0022.", 292},
    {TemplateTab::Vol02, Id::DeleteAllEmpty, kCreateEmpty,
     "Creating Folder(s).-From a String List.            Warning no: 0520a.", 48},
    {TemplateTab::Vol02, Id::DeleteAllQuestion, kCreateDeleteAll,
     "Creating Folder(s).-From a String List.            Warning no: 0521a.", 292},
    // Create Folder Struct.-II.
    {TemplateTab::Vol04, Id::SelectionEmpty, kSelectionEmpty,
     "Creating Folder(s).-From a Folder List.            Warning no: 0056.", 48},
    {TemplateTab::Vol04, Id::NothingSelected,
     "There is no selected Folder Structure !\nAction : You must select a Folder with subfolders "
     "structure.",
     "Creating Folder(s).-From a Folder List.            Warning no: 0057.", 48},
    {TemplateTab::Vol04, Id::DriveRootQuestion, kAttachRoot,
     "Creating Folder(s).-From a Folder List.            Warning no: 0333.", 292},
    {TemplateTab::Vol04, Id::ImportEmpty, kImportEmpty,
     "Creating Folder(s).-From a Folder List.             Warning no: 0383a.", 48},
    {TemplateTab::Vol04, Id::ImportCheck, nullptr,
     "Creating Folder(s).-From a Folder List.            Warning no: 0385bc.", 48},
    {TemplateTab::Vol04, Id::EditCheckRelative, nullptr,
     "Creating Folder(s).- From a Folder List - Level.            Warning no: 0385bc.", 48},
    {TemplateTab::Vol04, Id::EditCheckFullPath, nullptr,
     "Creating Folder(s).- From a Folder List - Level.            Warning no: 0385bc.", 48},
    {TemplateTab::Vol04, Id::ExportEmpty, kExportEmpty,
     "Creating Folder(s).-From a Folder List.             Warning no: 0560a.", 48},
    {TemplateTab::Vol04, Id::DeleteSelectedQuestion, kDeleteSelected,
     "Creating Folder(s).-From a Folder List.            Warning no: 0058.", 292},
    {TemplateTab::Vol04, Id::DeleteAllEmpty, kCreateEmpty,
     "Creating Folder(s).-From a Folder List..            Warning no: 0520a.", 48},
    {TemplateTab::Vol04, Id::DeleteAllQuestion, kCreateDeleteAll,
     "Creating Folder(s).-From a Folder List.            Warning no: 0521a.", 292},
    // Create Folder Struct.-III.
    {TemplateTab::Vol03, Id::SelectionEmpty, kSelectionEmpty,
     "Creating Folder(s).- Increased Numbers.            Warning no: 0085.", 48},
    {TemplateTab::Vol03, Id::NothingSelected,
     "There is no selected Folder Structure !\nAction : You must select a folder with subfolder "
     "structure.",
     "Creating Folder(s).-Increased Numbers.\t\t\tWarning no: 0086.", 48},
    {TemplateTab::Vol03, Id::DriveRootQuestion, kAttachRoot,
     "Creating Folder(s).-Increased Numbers.            Warning no: 0332.", 292},
    {TemplateTab::Vol03, Id::ImportEmpty, kImportEmpty,
     "Creating Folder(s).- Increased Numbers.             Warning no: 0377b.", 48},
    {TemplateTab::Vol03, Id::ImportCheck, nullptr,
     "Creating Folder(s).-Increased Numbers.            Warning no: 0385bc.", 48},
    {TemplateTab::Vol03, Id::EditCheckRelative, nullptr,
     "Creating Folder(s).- Increased Numbers.            Warning no: 0385bc.", 48},
    {TemplateTab::Vol03, Id::EditCheckFullPath, nullptr,
     "Creating Folder(s).- Increased Numbers.            Warning no: 0385bc.", 48},
    {TemplateTab::Vol03, Id::ExportEmpty, kExportEmpty,
     "Creating Folder(s).-Increased Numbers.             Warning no: 0560a.", 48},
    {TemplateTab::Vol03, Id::DeleteSelectedQuestion,
     "Do you want to delete selected folder(s) from the Exclude list ?",
     "Creating Folder(s).-Increased Numbers.\t\t\tWarning no: 0087.", 292},
    {TemplateTab::Vol03, Id::DeleteAllEmpty, kCreateEmpty,
     "Creating Folder(s).-Increased Numbers.            Warning no: 0520a.", 48},
    {TemplateTab::Vol03, Id::DeleteAllQuestion, kCreateDeleteAll,
     "Creating Folder(s).-Increased Numbers.            Warning no: 0521a.", 292},
};

TEST(TemplateMessages, EveryBoxOfTheFourTabs) {
    const std::string report = "Error Type: a report\n";
    for (const Expected& e : kMessages) {
        const ListMessage shown = TemplateMessageFor(e.tab, e.id, report);
        const std::string where = e.title;
        EXPECT_EQ(shown.text, e.text ? e.text : report) << where;
        EXPECT_EQ(shown.title, e.title) << where;
        EXPECT_EQ(shown.flags, e.flags) << where;
    }
}

TEST(TemplateMessages, TheFileSelectionHintIsTheCopyTabsOnly) {
    for (const TemplateTab tab : {TemplateTab::Vol02, TemplateTab::Vol04, TemplateTab::Vol03})
        EXPECT_TRUE(TemplateMessageFor(tab, Id::FileSelectionHint).title.empty());
}

TEST(TemplateFileHints, EachModeWithFilesHintsOncePerStart) {
    TemplateFileHints hints(TemplateTab::Vol08);
    const struct {
        AttachMode mode;
        bool hint;
    } picks[] = {{AttachMode::MainFolderWithoutFiles, false},
                 {AttachMode::MainFolderWithFiles, true},
                 {AttachMode::MainFolderWithFiles, false},
                 {AttachMode::SubFoldersOnlyWithoutFiles, false},
                 {AttachMode::SubFoldersOnlyWithFiles, true},
                 {AttachMode::SubFoldersOnlyWithFiles, false},
                 {AttachMode::MainFolderWithFiles, false}};
    int step = 0;
    for (const auto& pick : picks) {
        EXPECT_EQ(hints.OnModeChosen(pick.mode).has_value(), pick.hint) << "pick " << step;
        ++step;
    }
    TemplateFileHints creation(TemplateTab::Vol02);
    EXPECT_FALSE(creation.OnModeChosen(AttachMode::MainFolderWithFiles).has_value());
}

}  // namespace
}  // namespace arbovane
