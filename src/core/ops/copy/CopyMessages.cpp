#include "core/ops/copy/CopyMessages.h"

#include <map>

namespace arbovane {

namespace {

const char* const kLevel = "Copy Folder Structure(s).-From a Folder List - Level.            ";
const char* const kSimulationLevel =
    "Simulate the Copy Folder Structure(s) Process.-From a Folder List - Level.            ";
const char* const kSizeMissing = "The path doesn't exists : \n";
const char* const kEmptyList =
    "The Include list is empty !!!\nYou must enter at least one Folder to copy folders.";
const char* const kNoTemplate =
    "There is no additional Subfolder structure. !\nAction : You must add at least one "
    "Subfolder structure.";

std::string Level(const char* number) {
    return std::string(kLevel) + number;
}
std::string SimulationLevel(const char* number) {
    return std::string(kSimulationLevel) + number;
}

const std::map<CopyMessageId, CopyMessage>& Table() {
    using Id = CopyMessageId;
    static const std::map<Id, CopyMessage> table = {
        {Id::FreeSpace,
         {"", "Copy Folder(s).-From a Folder List.            Information no: 0177.", kMsgWarning}},
        {Id::NoTemplate, {kNoTemplate, Level("Warning no: 0282."), kMsgWarning}},
        {Id::Confirmation,
         {"Do you want to copy folders ?\n\nNote: If the <Select Files> button is active, only "
          "the Selected Files will be used.",
          "Copy Folder Structure(s).-From a Folder List.            Information no: 0284.",
          kMsgQuestion}},
        {Id::RunEnd,
         {"End of the Copy process !!!", Level("Information no: 0285."), kMsgInformation}},
        {Id::RunEmptyList,
         {kEmptyList,
          "Copy Folder Structure(s).-From a Folder List - Level.           Warning no: 0286.",
          kMsgWarning}},
        {Id::ClearFieldsQuestion,
         {"You will delete all fields !!!\nClick YES to Continue deleting all fields,\nClick NO "
          "to Stop the delete process.",
          Level("Information no: 0287."), kMsgQuestion}},
        {Id::ClearFieldsEnd,
         {"End of the CLEAR FIELDS process !!!\n",
          "Copy Folder Structure(s).-From a Folder List Level.           Warning no: 0288.",
          kMsgWarning}},
        {Id::CopiedSizeMissing,
         {kSizeMissing,
          "Copy Folder structure(s).-From a Folder List - Level.            Warning no: 0295.",
          kMsgWarning, MessageOwner::System}},
        {Id::ExistingSizeMissing,
         {kSizeMissing,
          "Copy Folder structure(s).-From a Folder List - Level.            Warning no: 0296.",
          kMsgWarning, MessageOwner::System}},
        {Id::SameFolderFull, {"", Level("Information no: 0307."), kMsgInformation}},
        {Id::SameFolderRelative,
         {"", "Copy Folder(s).-From a Folder List.            Warning no: 0375.", kMsgWarning}},
        {Id::SimulationNoTemplate,
         {kNoTemplate, SimulationLevel("Warning no: 0505."), kMsgWarning}},
        {Id::SimulationIntro,
         {"Simulation shows you the complete Copy Folder Structure(s) process \nwithout actually "
          "Copy them on the hard drive.\n\nThis allows you to see the process in real time, "
          "eliminate errors or export\nResult Folder lists - all without compromising existing "
          "Folder Structures.\n\nNote: If the <Select Files> button is active, only the "
          "Selected Files will be used.",
          "Simulate Copy Folder Structure(s) Process.-From a Folder List.            "
          "Information no: 0507.",
          kMsgQuestion}},
        {Id::SimulationSameFolderFull,
         {"", SimulationLevel("Information no: 0508."), kMsgInformation}},
        {Id::SimulationEnd,
         {"End of Simulation !!!\n\nNo actual Folders/Files were copied because of Simulation "
          "(Test Mode).\n\nThe purpose of the Simulation is to show the Complete Folder Copy "
          "process\n without actually Copy them on the hard drive.\n\nIf You want to Copy "
          "Folder Structures, Use the Copy Folders button.",
          SimulationLevel("Information no: 0509."), kMsgInformation}},
        {Id::SimulationEmptyList,
         {kEmptyList,
          "Simulate the Copy Folder Structure(s) Process.-From a Folder List - Level.           "
          "Warning no: 0510.",
          kMsgWarning}},
        {Id::SimulationSameFolderRelative,
         {"", "Creating Folder(s).-From a Folder List.            Warning no: 0375.", kMsgWarning}},
    };
    return table;
}

}  // namespace

const CopyMessage& CopyMessageFor(CopyMessageId id) {
    return Table().at(id);
}

int ShowCopyMessage(Messenger& messenger, CopyMessageId id, const std::string& detail) {
    const CopyMessage& message = CopyMessageFor(id);
    const bool appended =
        id == CopyMessageId::CopiedSizeMissing || id == CopyMessageId::ExistingSizeMissing;
    const std::string text = appended               ? message.text + detail
                             : message.text.empty() ? detail
                                                    : message.text;
    return messenger.Show(text, message.title, message.flags, message.owner);
}

}  // namespace arbovane
