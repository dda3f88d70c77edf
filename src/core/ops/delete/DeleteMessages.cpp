#include "core/ops/delete/DeleteMessages.h"

#include <map>

namespace arbovane {

namespace {

const char* const kRunTitlePrefix = "Delete Folder(s).-From a Folder List.";
const char* const kConfirmationBody =
    "Do you want to DELETE folders PERMANENTLY ?\n\nClick YES to Continue the Delete "
    "process,\nClick NO to Stop the Delete process.\n\nNote: If the <Select Files> button is "
    "active, only the Selected Files will be used.";
const char* const kConfirmationTitle =
    "Delete Folder(s). - From a Folder List.            Information no: 0238.";

const std::map<DeleteMessageId, DeleteMessage>& Table() {
    static const std::map<DeleteMessageId, DeleteMessage> table = {
        {DeleteMessageId::ReadOnlyOption,
         {"The program will delete All the Folders, including Special Read-Only Folders, like "
          "\\My Music, \\My Pictures, \\My Videos, etc.!\n",
          std::string(kRunTitlePrefix) + "            Warning no: 0234.", kMsgWarning}},
        {DeleteMessageId::FileSelectionHint,
         {"You can Select File Names/Types by Clicking on the <Select Files> button.",
          "Delete Foldere(s).-From a Folder List.           Warning no: 0237.", kMsgWarning}},
        {DeleteMessageId::FirstConfirmation,
         {std::string("First Confirmation for DELETING Folders/Files\n\n") + kConfirmationBody,
          kConfirmationTitle, kMsgQuestion}},
        {DeleteMessageId::FinalConfirmation,
         {std::string("Final Confirmation for DELETING Folders/Files\n\n") + kConfirmationBody,
          kConfirmationTitle, kMsgQuestion}},
        {DeleteMessageId::RunEnd,
         {"End of the Delete process !!!",
          std::string(kRunTitlePrefix) + "            Information no: 0239.", kMsgInformation}},
        {DeleteMessageId::RunEmptyList,
         {"The Include Folder list is empty !!!\nYou must enter at least one Folder to Delete "
          "folders.",
          std::string(kRunTitlePrefix) + "           Warning no: 0240.", kMsgWarning}},
        {DeleteMessageId::DriveOnly,
         {"You can not Enter a drive without Folder(s)!\nSo You can not Delete the Entire drive.",
          std::string(kRunTitlePrefix) + "            Warning no: 0334.", kMsgWarning}},
        {DeleteMessageId::SimulationIntro,
         {"Simulation shows you the complete Delete Folder/File process \nwithout actually "
          "Delete them on the hard drive.\n\nThis allows you to see the process in real time, "
          "eliminate errors or export\nResult Folder lists - all without compromising existing "
          "Folder Structures.\n\nNote: If the <Select Files> button is active, only the Selected "
          "Files will be used.",
          "Simulate the Folder/File Delete Process.-From a Folder List.            Information "
          "no: 0516.",
          kMsgInformation}},
        {DeleteMessageId::SimulationEnd,
         {"End of Simulation !!!\n\nNo actual Folders were Deleted because of Simulation (Test "
          "Mode).\n\nThe purpose of the Simulation is to show the Complete Folder Deleting "
          "process\n without actually deleting them on the hard drive.\n\nIf You want to Delete "
          "Folders/Files, Use the Delete Folders button.",
          "Simulate the Folder/File Delete Process.-From a Folder List - Level.            "
          "Information no: 0517.",
          kMsgInformation}},
        {DeleteMessageId::SimulationEmptyList,
         {"The Include list is empty !!!\nYou must enter at least one Folder to Delete folders.",
          "Simulate the Folder/File Delete Process.-From a Folder List.           Warning no: "
          "0518.",
          kMsgWarning}},
    };
    return table;
}

}  // namespace

const DeleteMessage& DeleteMessageFor(DeleteMessageId id) {
    return Table().at(id);
}

int ShowDeleteMessage(Messenger& messenger, DeleteMessageId id) {
    const DeleteMessage& message = DeleteMessageFor(id);
    return messenger.Show(message.text, message.title, message.flags);
}

}  // namespace arbovane
