#include "core/templates/TemplateMessages.h"

#include <map>
#include <utility>

namespace arbovane {

namespace {

using Id = TemplateMessageId;

const char* const kCopyLevel = "Copy Folder Structure(s).-From a Folder List - Level.            ";
const char* const kCopyList = "Copy Folder Structure(s).-From a Folder List.            ";
const char* const kStrings = "Creating Folder(s).-From a String List.            ";
const char* const kStringsWide = "Creating Folder(s).-From a String List.             ";
const char* const kFolders = "Creating Folder(s).-From a Folder List.            ";
const char* const kFoldersWide = "Creating Folder(s).-From a Folder List.             ";
const char* const kNumbers = "Creating Folder(s).-Increased Numbers.            ";
const char* const kNumbersWide = "Creating Folder(s).-Increased Numbers.             ";
const char* const kNumbersTabbed = "Creating Folder(s).-Increased Numbers.\t\t\t";
const char* const kNumbersSpaced = "Creating Folder(s).- Increased Numbers.            ";

const char* const kSelectionEmpty =
    "The selection field is empty !\nAction : You must select a folder with subfolder structure.";
const char* const kNothingSelected =
    "There is no selected Folder Structure !\nAction : You must select a Folder with subfolder "
    "structure.";
const char* const kCopyDriveRoot =
    "Do you want to COPY the Entire Disk to the Folders specified in The Include Window ?\nClick "
    "YES to Copy,\nClick NO to Cancel.";
const char* const kAttachDriveRoot =
    "Do you want to Attach the Entire Disk to the Folders specified in The Include Window "
    "?\nClick YES to Attach,\nClick NO to Cancel.";
const char* const kImportEmpty = "Empty Result List in the File Import Window!\n";
const char* const kExportEmpty = "The Folder Structure/Templates Window is empty !\n";
const char* const kDeleteSelected =
    "Do you want to delete the selected item(s) from the Exclude list ?";
const char* const kCopyDeleteAllEmpty = "Empty List in the Folder Structure/Templates Window!\n";
const char* const kCreateDeleteAllEmpty = "Empty List in the Folder Structures/Templates Window!\n";
const char* const kCopyDeleteAll =
    "Do you want to delete all item(s) from the Folder Structure/Templates list ?";
const char* const kCreateDeleteAll =
    "Do you want to delete all item(s) from the Folder Structures/Templates list ?";
const char* const kFileSelectionHint =
    "You can Select File Names/Types by Clicking on the <Select Files> button.";

struct Entry {
    std::string text;  // empty for the check messages, which show the check's report
    std::string title;
    int flags = kMsgWarning;
};

using Table = std::map<std::pair<TemplateTab, Id>, Entry>;

void AddCopyTab(Table& t) {
    const std::string level = kCopyLevel, list = kCopyList;
    const auto add = [&t](Id id, Entry entry) { t[{TemplateTab::Vol08, id}] = std::move(entry); };
    add(Id::SelectionEmpty, {kSelectionEmpty, level + "Warning no: 0279."});
    add(Id::NothingSelected, {kNothingSelected, level + "Warning no: 0280."});
    add(Id::DriveRootQuestion, {kCopyDriveRoot, level + "Information no: 0330.", kMsgQuestion});
    add(Id::ImportEmpty, {kImportEmpty, level + "Warning no: 0401a."});
    add(Id::ImportCheck, {"", list + "Warning no: 0385bc."});
    add(Id::ExportEmpty,
        {kExportEmpty,
         "Copy Folder Structure(s).-From a Folder List - Level.             Warning no: 0560a."});
    add(Id::DeleteSelectedQuestion, {kDeleteSelected, level + "Warning no: 0281.", kMsgQuestion});
    add(Id::DeleteAllEmpty, {kCopyDeleteAllEmpty, level + "Warning no: 0520a."});
    add(Id::DeleteAllQuestion, {kCopyDeleteAll, level + "Warning no: 0521a.", kMsgQuestion});
    add(Id::EditCheckRelative, {"", list + "Warning no: 0383bc."});
    add(Id::EditCheckFullPath,
        {"", "Copy Folder Structure(s).-From a Folder List.             Warning no: 0383bc."});
    add(Id::FileSelectionHint, {kFileSelectionHint, level + "Warning no: 0277."});
}

// What differs between the three creation tabs; each title is complete.
struct CreationTitles {
    TemplateTab tab;
    const char* selectionEmptyText;
    const char* nothingSelectedText;
    const char* deleteSelectedText;
    std::string selectionEmpty, nothingSelected, driveRoot, importEmpty, importCheck, editCheck,
        exportEmpty, deleteSelected, deleteAllEmpty, deleteAll;
};

void AddCreationTab(Table& t, const CreationTitles& c) {
    const auto add = [&t, &c](Id id, Entry entry) { t[{c.tab, id}] = std::move(entry); };
    add(Id::SelectionEmpty, {c.selectionEmptyText, c.selectionEmpty});
    add(Id::NothingSelected, {c.nothingSelectedText, c.nothingSelected});
    add(Id::DriveRootQuestion, {kAttachDriveRoot, c.driveRoot, kMsgQuestion});
    add(Id::ImportEmpty, {kImportEmpty, c.importEmpty});
    add(Id::ImportCheck, {"", c.importCheck});
    add(Id::ExportEmpty, {kExportEmpty, c.exportEmpty});
    add(Id::DeleteSelectedQuestion, {c.deleteSelectedText, c.deleteSelected, kMsgQuestion});
    add(Id::DeleteAllEmpty, {kCreateDeleteAllEmpty, c.deleteAllEmpty});
    add(Id::DeleteAllQuestion, {kCreateDeleteAll, c.deleteAll, kMsgQuestion});
    // The creation tabs check both kinds under one title.
    add(Id::EditCheckRelative, {"", c.editCheck});
    add(Id::EditCheckFullPath, {"", c.editCheck});
}

void AddCreationTabs(Table& t) {
    const std::string s = kStrings, sw = kStringsWide;
    AddCreationTab(
        t, {TemplateTab::Vol02,
            "The selection field is empty !\nAction : You must select a folder with subfolders "
            "structure.",
            "There is no selected Folder Structure !\nAction : You must select a folder with "
            "subfolders structure.",
            kDeleteSelected, s + "Warning no: 0020.", s + "Warning no: 0021.",
            s + "Warning no: 0331.", sw + "Warning no: 0377a.", s + "Warning no: 0385bc.",
            s + "Warning no: 0385bc.", sw + "Warning no: 0560a.", s + "Warning no: 0022.",
            s + "Warning no: 0520a.", s + "Warning no: 0521a."});
    const std::string f = kFolders, fw = kFoldersWide;
    AddCreationTab(
        t, {TemplateTab::Vol04, kSelectionEmpty,
            "There is no selected Folder Structure !\nAction : You must select a Folder with "
            "subfolders structure.",
            kDeleteSelected, f + "Warning no: 0056.", f + "Warning no: 0057.",
            f + "Warning no: 0333.", fw + "Warning no: 0383a.", f + "Warning no: 0385bc.",
            "Creating Folder(s).- From a Folder List - Level.            Warning no: 0385bc.",
            fw + "Warning no: 0560a.", f + "Warning no: 0058.",
            "Creating Folder(s).-From a Folder List..            Warning no: 0520a.",
            f + "Warning no: 0521a."});
    const std::string n = kNumbers, nw = kNumbersWide, nt = kNumbersTabbed, ns = kNumbersSpaced;
    AddCreationTab(
        t, {TemplateTab::Vol03, kSelectionEmpty,
            "There is no selected Folder Structure !\nAction : You must select a folder with "
            "subfolder structure.",
            "Do you want to delete selected folder(s) from the Exclude list ?",
            ns + "Warning no: 0085.", nt + "Warning no: 0086.", n + "Warning no: 0332.",
            "Creating Folder(s).- Increased Numbers.             Warning no: 0377b.",
            n + "Warning no: 0385bc.", ns + "Warning no: 0385bc.", nw + "Warning no: 0560a.",
            nt + "Warning no: 0087.", n + "Warning no: 0520a.", n + "Warning no: 0521a."});
}

// The number after the title's last "no: ", for reading a message in a test log or debugger.
std::string NumberOf(const std::string& title) {
    const auto at = title.rfind("no: ");
    if (at == std::string::npos) return {};
    std::string number = title.substr(at + 4);
    if (!number.empty() && number.back() == '.') number.pop_back();
    return number;
}

const Table& Messages() {
    static const Table table = [] {
        Table t;
        AddCopyTab(t);
        AddCreationTabs(t);
        return t;
    }();
    return table;
}

}  // namespace

ListMessage TemplateMessageFor(TemplateTab tab, TemplateMessageId id, const std::string& report) {
    const auto found = Messages().find({tab, id});
    if (found == Messages().end()) return {};
    const Entry& entry = found->second;
    const bool check =
        id == Id::ImportCheck || id == Id::EditCheckRelative || id == Id::EditCheckFullPath;
    return ListMessage{NumberOf(entry.title), check ? report : entry.text, entry.title,
                       entry.flags};
}

}  // namespace arbovane
