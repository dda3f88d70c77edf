#include "core/ops/create/CreateMessages.h"

#include <map>
#include <utility>

namespace arbovane {

namespace {

using Id = CreateMessageId;
using Key = std::pair<CreateTab, CreateMessageId>;

const char* const kStrings = "Creating Folder(s).-From a String List.            ";
const char* const kNumbers = "Creating Folder(s).-Increased Numbers.            ";
const char* const kNumbersTabs = "Creating Folder(s).-Increased Numbers.\t\t\t";
const char* const kFolders = "Creating Folder(s).-From a Folder List.            ";
const char* const kSimStrings = "Simulate Creating Folder(s).-From a String List.            ";
const char* const kSimNumbers = "Simulate Creating Folder(s).-Increased Numbers.            ";
const char* const kSimNumbersTabs = "Simulate Creating Folder(s).-Increased Numbers.\t\t\t";
const char* const kSimFolders = "Simulate Creating Folder(s).-From a Folder List.            ";

const char* const kSelectDestination =
    "The selection field is empty !\nAction : You must select a destination folder.";
const char* const kNoTemplate =
    "There is no additional Subfolder structure. !\nAction : You must add at least one "
    "Subfolder structure.";
const char* const kConfirm = "Do you want to create folders ?\n";
const char* const kEnd = "End of Creating Folders/Files !!!";
const char* const kEmptyItems =
    "The Include list is empty !!!\nYou must enter at least one item to create folders.";
const char* const kEmptyFolders =
    "The Include list is empty !!!\nYou must enter at least one Folder to create folders.";
const char* const kPrefix = "Illegal character in the Prefix : ";
const char* const kSuffix = "Illegal character in the Suffix : ";
const char* const kSizeMissing = "The path doesn't exists : \n";
const char* const kStartFirst =
    "The Start Number is greater then the End one.!\nAction : You must enter a Start number "
    "that is smaller than the End one.";
const char* const kEndLater =
    "The Start Number is greater then the End one.!\nAction : You must enter an End number "
    "that is greater than the Start one.";
const char* const kIntro =
    "Simulation shows you the complete Folder Creation process \nwithout actually creating them "
    "on the hard drive.\n\nThis allows you to see the process in real time, eliminate errors or "
    "export\nResult Folder/File lists - all without compromising existing Folder Structures.\n";
const char* const kSimEnd =
    "End of Simulation !!!\n\nNo actual Folders were Created because of Simulation.\nThe "
    "purpose of the Simulation is to show the Complete Folder creation process\n without "
    "actually creating them on the hard drive.\n\nIf You want to Create Folders, use the Create "
    "Folders button.";
const char* const kRelativePair =
    "Creating Folder(s).-From a Folder List.            Warning no: 0375.";

std::string T(const char* head, const char* rest) {
    return std::string(head) + rest;
}

OpMessage Warn(std::string text, std::string title) {
    return {std::move(text), std::move(title), kMsgWarning, MessageOwner::MainWindow};
}
OpMessage Info(std::string text, std::string title) {
    return {std::move(text), std::move(title), kMsgInformation, MessageOwner::MainWindow};
}
OpMessage Ask(std::string text, std::string title) {
    return {std::move(text), std::move(title), kMsgQuestion, MessageOwner::MainWindow};
}
OpMessage SystemWarn(std::string text, std::string title) {
    return {std::move(text), std::move(title), kMsgWarning, MessageOwner::System};
}

const std::map<Key, OpMessage>& Table() {
    constexpr CreateTab S = CreateTab::StringList;
    constexpr CreateTab N = CreateTab::Numbers;
    constexpr CreateTab F = CreateTab::FolderList;
    static const std::map<Key, OpMessage> table = {
        {{S, Id::DestinationEmpty},
         Warn("The selection field is empty !\nAction : You must select a Destination Folder.",
              T(kStrings, "Warning no: 0001."))},
        {{S, Id::ViewEmpty}, Warn(kSelectDestination, T(kStrings, "Warning no: 0002."))},
        {{S, Id::PrefixIllegal}, Warn(kPrefix, T(kStrings, "Warning no: 0018."))},
        {{S, Id::SuffixIllegal}, Warn(kSuffix, T(kStrings, "Warning no: 0019."))},
        {{S, Id::NoTemplate}, Warn(kNoTemplate, T(kStrings, "Warning no: 0023."))},
        {{S, Id::Confirmation},
         Ask(kConfirm,
             "Creating Folder(s).-From  a String List.            Information no: 0025.")},
        {{S, Id::RunEnd}, Info(kEnd, T(kStrings, "Information no: 0026."))},
        {{S, Id::RunEmptyList}, Warn(kEmptyItems, T(kStrings, "Warning no: 0027."))},
        {{S, Id::FreeSpace}, Warn("", T(kStrings, "Information no: 0035."))},
        {{S, Id::SameFolderFull}, Warn("", T(kStrings, "Warning no: 0373."))},
        {{S, Id::SameFolderRelative}, Warn("", kRelativePair)},
        {{S, Id::CopiedSizeMissing}, SystemWarn(kSizeMissing, T(kStrings, "Warning no: 0036."))},
        {{S, Id::NotCopiedSizeMissing}, SystemWarn(kSizeMissing, T(kStrings, "Warning no: 0037."))},
        {{S, Id::SimulationNoTemplate}, Warn(kNoTemplate, T(kSimStrings, "Warning no: 0453."))},
        {{S, Id::SimulationIntro}, Ask(kIntro, T(kSimStrings, "Information no: 0455."))},
        {{S, Id::SimulationSameFolderFull}, Warn("", T(kSimFolders, "Warning no: 0456."))},
        {{S, Id::SimulationEnd}, Info(kSimEnd, T(kSimStrings, "Information no: 0457."))},
        {{S, Id::SimulationEmptyList}, Warn(kEmptyItems, T(kSimStrings, "Warning no: 0458."))},
        {{S, Id::SimulationCopiedSizeMissing},
         SystemWarn(kSizeMissing, T(kSimStrings, "Warning no: 0459."))},
        {{S, Id::SimulationExistingSizeMissing},
         SystemWarn(kSizeMissing, T(kSimStrings, "Warning no: 0460."))},

        {{N, Id::DestinationEmpty}, Warn(kSelectDestination, T(kNumbersTabs, "Warning no: 0077."))},
        {{N, Id::ViewEmpty}, Warn(kSelectDestination, T(kNumbersTabs, "Warning no: 0078."))},
        {{N, Id::PrefixIllegal}, Warn(kPrefix, T(kNumbers, "Warning no: 0079."))},
        {{N, Id::SuffixIllegal},
         Warn(kSuffix, "Creating Folder(s).-Increased numbers.            Warning no: 0080.")},
        {{N, Id::ClearFieldsQuestion},
         Ask("You will delete all fields !!!\nClick YES to Continue deleting all fields,\nClick "
             "NO to Stop the delete process.",
             T(kNumbers, "Information no: 0083."))},
        {{N, Id::ClearFieldsEnd},
         Info("End of the CLEAR FIELDS process !!!", T(kNumbers, "Information no: 0084."))},
        {{N, Id::StartAfterEnd},
         Warn(kStartFirst, "Creating Folder(s).-Increased Numbers.    Warning no: 0089.")},
        {{N, Id::NoTemplate}, Warn(kNoTemplate, T(kNumbersTabs, "Warning no: 0091."))},
        {{N, Id::Confirmation},
         Ask(kConfirm, "Creating Folder(s).- Increased Numbers.            Information no: 0093.")},
        {{N, Id::StartAfterEndRead},
         Warn(kEndLater, "Creating Folder(s).-Increased Numbers.    Warning no: 0095.")},
        {{N, Id::RunEnd}, Info(kEnd, T(kNumbers, "Information no: 0094."))},
        {{N, Id::FreeSpace}, Warn("", T(kNumbers, "Information no: 0100."))},
        {{N, Id::SameFolderFull}, Warn("", T(kNumbersTabs, "Warning no: 0374."))},
        {{N, Id::SameFolderRelative}, Warn("", kRelativePair)},
        {{N, Id::CopiedSizeMissing}, SystemWarn(kSizeMissing, T(kNumbers, "Warning no: 0101."))},
        {{N, Id::NotCopiedSizeMissing}, SystemWarn(kSizeMissing, T(kNumbers, "Warning no: 0102."))},
        {{N, Id::DestinationSummary},
         {"", "Summary of the selected Subfolder structure.", kMsgPlain, MessageOwner::MainWindow}},
        {{N, Id::SimulationStartAfterEnd},
         Warn(kStartFirst, "Simulate Creating Folder(s).-Increased Numbers.    Warning no: 0461.")},
        {{N, Id::SimulationNoTemplate}, Warn(kNoTemplate, T(kSimNumbersTabs, "Warning no: 0463."))},
        {{N, Id::SimulationIntro},
         Ask(kIntro,
             "Simulate Creating Folder(s).- Increased Numbers.            Information no: 0465.")},
        {{N, Id::SimulationSameFolderFull}, Warn("", T(kSimNumbersTabs, "Warning no: 0466."))},
        {{N, Id::SimulationEnd}, Info(kSimEnd, T(kSimNumbers, "Information no: 0467."))},
        {{N, Id::SimulationStartAfterEndRead},
         Warn(kEndLater, "Simulate Creating Folder(s).-Increased Numbers.    Warning no: 0468.")},
        {{N, Id::SimulationCopiedSizeMissing},
         SystemWarn(kSizeMissing, T(kSimNumbers, "Warning no: 0469."))},
        {{N, Id::SimulationExistingSizeMissing},
         SystemWarn(kSizeMissing, T(kSimNumbers, "Warning no: 0470."))},

        {{F, Id::PrefixIllegal}, Warn(kPrefix, T(kFolders, "Warning no: 0054."))},
        {{F, Id::SuffixIllegal}, Warn(kSuffix, T(kFolders, "Warning no: 0055."))},
        {{F, Id::NoTemplate}, Warn(kNoTemplate, T(kFolders, "Warning no: 0059."))},
        {{F, Id::Confirmation}, Ask(kConfirm, T(kFolders, "Information no: 0061."))},
        {{F, Id::RunEnd}, Info(kEnd, T(kFolders, "Information no: 0062."))},
        {{F, Id::RunEmptyList},
         Warn(kEmptyFolders,
              "Creating Folder(s).-From a Folder List.           Warning no: 0063.")},
        {{F, Id::FreeSpace}, Warn("", T(kFolders, "Information no: 0071."))},
        {{F, Id::SameFolderFull}, Warn("", kRelativePair)},
        {{F, Id::SameFolderRelative}, Warn("", kRelativePair)},
        {{F, Id::CopiedSizeMissing}, SystemWarn(kSizeMissing, T(kFolders, "Warning no: 0072."))},
        {{F, Id::NotCopiedSizeMissing},
         SystemWarn("The path doesn't exist : \n", T(kFolders, "Warning no: 0073."))},
        {{F, Id::SimulationNoTemplate}, Warn(kNoTemplate, T(kSimFolders, "Warning no: 0471."))},
        {{F, Id::SimulationIntro}, Ask(kIntro, T(kSimFolders, "Information no: 0473."))},
        {{F, Id::SimulationSameFolderFull}, Warn("", T(kSimFolders, "Warning no: 0474."))},
        {{F, Id::SimulationEnd}, Info(kSimEnd, T(kSimFolders, "Information no: 0475."))},
        {{F, Id::SimulationEmptyList},
         Warn(kEmptyFolders,
              "Simulate Creating Folder(s).-From a Folder List.           Warning no: 0476.")},
        {{F, Id::SimulationCopiedSizeMissing},
         SystemWarn(kSizeMissing, T(kSimFolders, "Warning no: 0477."))},
        {{F, Id::SimulationExistingSizeMissing},
         SystemWarn(kSizeMissing, T(kSimFolders, "Warning no: 0478."))},
    };
    return table;
}

}  // namespace

const OpMessage& CreateMessageFor(CreateTab tab, CreateMessageId id) {
    return Table().at({tab, id});
}

bool HasCreateMessage(CreateTab tab, CreateMessageId id) {
    return Table().count({tab, id}) > 0;
}

int ShowCreateMessage(Messenger& messenger, CreateTab tab, CreateMessageId id,
                      const std::string& detail) {
    const OpMessage& message = CreateMessageFor(tab, id);
    const std::string text = message.text.empty() ? detail : message.text + detail;
    return messenger.Show(text, message.title, message.flags, message.owner);
}

}  // namespace arbovane
