#include <gtest/gtest.h>

#include "core/ops/create/CreateMessages.h"
#include "support/ScriptedMessenger.h"

namespace arbovane {
namespace {

using Id = CreateMessageId;
constexpr CreateTab S = CreateTab::StringList;
constexpr CreateTab N = CreateTab::Numbers;
constexpr CreateTab F = CreateTab::FolderList;

// Every box spelled out as the user sees it; detail is what the caller adds.
struct Expected {
    CreateTab tab;
    Id id;
    const char* detail;
    const char* text;
    const char* title;
    int flags;
    MessageOwner owner = MessageOwner::MainWindow;
};

constexpr MessageOwner kSystem = MessageOwner::System;

const Expected kMessages[] = {
    {S, Id::DestinationEmpty, "",
     "The selection field is empty !\nAction : You must select a Destination Folder.",
     "Creating Folder(s).-From a String List.            Warning no: 0001.", 48},
    {S, Id::ViewEmpty, "",
     "The selection field is empty !\nAction : You must select a destination folder.",
     "Creating Folder(s).-From a String List.            Warning no: 0002.", 48},
    {S, Id::PrefixIllegal, " \\", "Illegal character in the Prefix :  \\",
     "Creating Folder(s).-From a String List.            Warning no: 0018.", 48},
    {S, Id::SuffixIllegal, " ?", "Illegal character in the Suffix :  ?",
     "Creating Folder(s).-From a String List.            Warning no: 0019.", 48},
    {S, Id::NoTemplate, "",
     "There is no additional Subfolder structure. !\nAction : You must add at least one "
     "Subfolder structure.",
     "Creating Folder(s).-From a String List.            Warning no: 0023.", 48},
    {S, Id::Confirmation, "", "Do you want to create folders ?\n",
     "Creating Folder(s).-From  a String List.            Information no: 0025.", 292},
    {S, Id::RunEnd, "", "End of Creating Folders/Files !!!",
     "Creating Folder(s).-From a String List.            Information no: 0026.", 64},
    {S, Id::RunEmptyList, "",
     "The Include list is empty !!!\nYou must enter at least one item to create folders.",
     "Creating Folder(s).-From a String List.            Warning no: 0027.", 48},
    {S, Id::FreeSpace, "short", "short",
     "Creating Folder(s).-From a String List.            Information no: 0035.", 48},
    {S, Id::SameFolderFull, "same", "same",
     "Creating Folder(s).-From a String List.            Warning no: 0373.", 48},
    {S, Id::SameFolderRelative, "same", "same",
     "Creating Folder(s).-From a Folder List.            Warning no: 0375.", 48},
    {S, Id::CopiedSizeMissing, "d:\\T\\f", "The path doesn't exists : \nd:\\T\\f",
     "Creating Folder(s).-From a String List.            Warning no: 0036.", 48, kSystem},
    {S, Id::NotCopiedSizeMissing, "d:\\T\\f", "The path doesn't exists : \nd:\\T\\f",
     "Creating Folder(s).-From a String List.            Warning no: 0037.", 48, kSystem},
    {S, Id::SimulationNoTemplate, "",
     "There is no additional Subfolder structure. !\nAction : You must add at least one "
     "Subfolder structure.",
     "Simulate Creating Folder(s).-From a String List.            Warning no: 0453.", 48},
    {S, Id::SimulationIntro, "",
     "Simulation shows you the complete Folder Creation process \nwithout actually creating "
     "them on the hard drive.\n\nThis allows you to see the process in real time, eliminate "
     "errors or export\nResult Folder/File lists - all without compromising existing Folder "
     "Structures.\n",
     "Simulate Creating Folder(s).-From a String List.            Information no: 0455.", 292},
    {S, Id::SimulationSameFolderFull, "same", "same",
     "Simulate Creating Folder(s).-From a Folder List.            Warning no: 0456.", 48},
    {S, Id::SimulationEnd, "",
     "End of Simulation !!!\n\nNo actual Folders were Created because of Simulation.\nThe "
     "purpose of the Simulation is to show the Complete Folder creation process\n without "
     "actually creating them on the hard drive.\n\nIf You want to Create Folders, use the "
     "Create Folders button.",
     "Simulate Creating Folder(s).-From a String List.            Information no: 0457.", 64},
    {S, Id::SimulationEmptyList, "",
     "The Include list is empty !!!\nYou must enter at least one item to create folders.",
     "Simulate Creating Folder(s).-From a String List.            Warning no: 0458.", 48},
    {S, Id::SimulationCopiedSizeMissing, "p", "The path doesn't exists : \np",
     "Simulate Creating Folder(s).-From a String List.            Warning no: 0459.", 48, kSystem},
    {S, Id::SimulationExistingSizeMissing, "p", "The path doesn't exists : \np",
     "Simulate Creating Folder(s).-From a String List.            Warning no: 0460.", 48, kSystem},

    {N, Id::DestinationEmpty, "",
     "The selection field is empty !\nAction : You must select a destination folder.",
     "Creating Folder(s).-Increased Numbers.\t\t\tWarning no: 0077.", 48},
    {N, Id::ViewEmpty, "",
     "The selection field is empty !\nAction : You must select a destination folder.",
     "Creating Folder(s).-Increased Numbers.\t\t\tWarning no: 0078.", 48},
    {N, Id::PrefixIllegal, " :", "Illegal character in the Prefix :  :",
     "Creating Folder(s).-Increased Numbers.            Warning no: 0079.", 48},
    {N, Id::SuffixIllegal, " :", "Illegal character in the Suffix :  :",
     "Creating Folder(s).-Increased numbers.            Warning no: 0080.", 48},
    {N, Id::ClearFieldsQuestion, "",
     "You will delete all fields !!!\nClick YES to Continue deleting all fields,\nClick NO to "
     "Stop the delete process.",
     "Creating Folder(s).-Increased Numbers.            Information no: 0083.", 292},
    {N, Id::ClearFieldsEnd, "", "End of the CLEAR FIELDS process !!!",
     "Creating Folder(s).-Increased Numbers.            Information no: 0084.", 64},
    {N, Id::StartAfterEnd, "",
     "The Start Number is greater then the End one.!\nAction : You must enter a Start number "
     "that is smaller than the End one.",
     "Creating Folder(s).-Increased Numbers.    Warning no: 0089.", 48},
    {N, Id::NoTemplate, "",
     "There is no additional Subfolder structure. !\nAction : You must add at least one "
     "Subfolder structure.",
     "Creating Folder(s).-Increased Numbers.\t\t\tWarning no: 0091.", 48},
    {N, Id::Confirmation, "", "Do you want to create folders ?\n",
     "Creating Folder(s).- Increased Numbers.            Information no: 0093.", 292},
    {N, Id::StartAfterEndRead, "",
     "The Start Number is greater then the End one.!\nAction : You must enter an End number "
     "that is greater than the Start one.",
     "Creating Folder(s).-Increased Numbers.    Warning no: 0095.", 48},
    {N, Id::RunEnd, "", "End of Creating Folders/Files !!!",
     "Creating Folder(s).-Increased Numbers.            Information no: 0094.", 64},
    {N, Id::FreeSpace, "short", "short",
     "Creating Folder(s).-Increased Numbers.            Information no: 0100.", 48},
    {N, Id::SameFolderFull, "same", "same",
     "Creating Folder(s).-Increased Numbers.\t\t\tWarning no: 0374.", 48},
    {N, Id::SameFolderRelative, "same", "same",
     "Creating Folder(s).-From a Folder List.            Warning no: 0375.", 48},
    {N, Id::CopiedSizeMissing, "p", "The path doesn't exists : \np",
     "Creating Folder(s).-Increased Numbers.            Warning no: 0101.", 48, kSystem},
    {N, Id::NotCopiedSizeMissing, "p", "The path doesn't exists : \np",
     "Creating Folder(s).-Increased Numbers.            Warning no: 0102.", 48, kSystem},
    {N, Id::DestinationSummary, "sum", "sum", "Summary of the selected Subfolder structure.", 0},
    {N, Id::SimulationStartAfterEnd, "",
     "The Start Number is greater then the End one.!\nAction : You must enter a Start number "
     "that is smaller than the End one.",
     "Simulate Creating Folder(s).-Increased Numbers.    Warning no: 0461.", 48},
    {N, Id::SimulationNoTemplate, "",
     "There is no additional Subfolder structure. !\nAction : You must add at least one "
     "Subfolder structure.",
     "Simulate Creating Folder(s).-Increased Numbers.\t\t\tWarning no: 0463.", 48},
    {N, Id::SimulationIntro, "",
     "Simulation shows you the complete Folder Creation process \nwithout actually creating "
     "them on the hard drive.\n\nThis allows you to see the process in real time, eliminate "
     "errors or export\nResult Folder/File lists - all without compromising existing Folder "
     "Structures.\n",
     "Simulate Creating Folder(s).- Increased Numbers.            Information no: 0465.", 292},
    {N, Id::SimulationSameFolderFull, "same", "same",
     "Simulate Creating Folder(s).-Increased Numbers.\t\t\tWarning no: 0466.", 48},
    {N, Id::SimulationEnd, "",
     "End of Simulation !!!\n\nNo actual Folders were Created because of Simulation.\nThe "
     "purpose of the Simulation is to show the Complete Folder creation process\n without "
     "actually creating them on the hard drive.\n\nIf You want to Create Folders, use the "
     "Create Folders button.",
     "Simulate Creating Folder(s).-Increased Numbers.            Information no: 0467.", 64},
    {N, Id::SimulationStartAfterEndRead, "",
     "The Start Number is greater then the End one.!\nAction : You must enter an End number "
     "that is greater than the Start one.",
     "Simulate Creating Folder(s).-Increased Numbers.    Warning no: 0468.", 48},
    {N, Id::SimulationCopiedSizeMissing, "p", "The path doesn't exists : \np",
     "Simulate Creating Folder(s).-Increased Numbers.            Warning no: 0469.", 48, kSystem},
    {N, Id::SimulationExistingSizeMissing, "p", "The path doesn't exists : \np",
     "Simulate Creating Folder(s).-Increased Numbers.            Warning no: 0470.", 48, kSystem},

    {F, Id::PrefixIllegal, " |", "Illegal character in the Prefix :  |",
     "Creating Folder(s).-From a Folder List.            Warning no: 0054.", 48},
    {F, Id::SuffixIllegal, " |", "Illegal character in the Suffix :  |",
     "Creating Folder(s).-From a Folder List.            Warning no: 0055.", 48},
    {F, Id::NoTemplate, "",
     "There is no additional Subfolder structure. !\nAction : You must add at least one "
     "Subfolder structure.",
     "Creating Folder(s).-From a Folder List.            Warning no: 0059.", 48},
    {F, Id::Confirmation, "", "Do you want to create folders ?\n",
     "Creating Folder(s).-From a Folder List.            Information no: 0061.", 292},
    {F, Id::RunEnd, "", "End of Creating Folders/Files !!!",
     "Creating Folder(s).-From a Folder List.            Information no: 0062.", 64},
    {F, Id::RunEmptyList, "",
     "The Include list is empty !!!\nYou must enter at least one Folder to create folders.",
     "Creating Folder(s).-From a Folder List.           Warning no: 0063.", 48},
    {F, Id::FreeSpace, "short", "short",
     "Creating Folder(s).-From a Folder List.            Information no: 0071.", 48},
    {F, Id::SameFolderFull, "same", "same",
     "Creating Folder(s).-From a Folder List.            Warning no: 0375.", 48},
    {F, Id::SameFolderRelative, "same", "same",
     "Creating Folder(s).-From a Folder List.            Warning no: 0375.", 48},
    {F, Id::CopiedSizeMissing, "p", "The path doesn't exists : \np",
     "Creating Folder(s).-From a Folder List.            Warning no: 0072.", 48, kSystem},
    {F, Id::NotCopiedSizeMissing, "p", "The path doesn't exist : \np",
     "Creating Folder(s).-From a Folder List.            Warning no: 0073.", 48, kSystem},
    {F, Id::SimulationNoTemplate, "",
     "There is no additional Subfolder structure. !\nAction : You must add at least one "
     "Subfolder structure.",
     "Simulate Creating Folder(s).-From a Folder List.            Warning no: 0471.", 48},
    {F, Id::SimulationIntro, "",
     "Simulation shows you the complete Folder Creation process \nwithout actually creating "
     "them on the hard drive.\n\nThis allows you to see the process in real time, eliminate "
     "errors or export\nResult Folder/File lists - all without compromising existing Folder "
     "Structures.\n",
     "Simulate Creating Folder(s).-From a Folder List.            Information no: 0473.", 292},
    {F, Id::SimulationSameFolderFull, "same", "same",
     "Simulate Creating Folder(s).-From a Folder List.            Warning no: 0474.", 48},
    {F, Id::SimulationEnd, "",
     "End of Simulation !!!\n\nNo actual Folders were Created because of Simulation.\nThe "
     "purpose of the Simulation is to show the Complete Folder creation process\n without "
     "actually creating them on the hard drive.\n\nIf You want to Create Folders, use the "
     "Create Folders button.",
     "Simulate Creating Folder(s).-From a Folder List.            Information no: 0475.", 64},
    {F, Id::SimulationEmptyList, "",
     "The Include list is empty !!!\nYou must enter at least one Folder to create folders.",
     "Simulate Creating Folder(s).-From a Folder List.           Warning no: 0476.", 48},
    {F, Id::SimulationCopiedSizeMissing, "p", "The path doesn't exists : \np",
     "Simulate Creating Folder(s).-From a Folder List.            Warning no: 0477.", 48, kSystem},
    {F, Id::SimulationExistingSizeMissing, "p", "The path doesn't exists : \np",
     "Simulate Creating Folder(s).-From a Folder List.            Warning no: 0478.", 48, kSystem},
};

TEST(CreateMessages, EveryBoxAsShown) {
    for (const Expected& e : kMessages) {
        testing::ScriptedMessenger messenger;
        ShowCreateMessage(messenger, e.tab, e.id, e.detail);
        ASSERT_EQ(messenger.Shown().size(), 1u) << e.title;
        const auto& shown = messenger.Shown().front();
        EXPECT_EQ(shown.text, e.text) << e.title;
        EXPECT_EQ(shown.title, e.title);
        EXPECT_EQ(shown.flags, e.flags) << e.title;
        EXPECT_EQ(shown.owner, e.owner) << e.title;
    }
}

TEST(CreateMessages, BoxesATabDoesNotHave) {
    EXPECT_FALSE(HasCreateMessage(F, Id::DestinationEmpty));
    EXPECT_FALSE(HasCreateMessage(N, Id::RunEmptyList));
    EXPECT_FALSE(HasCreateMessage(S, Id::StartAfterEnd));
    EXPECT_TRUE(HasCreateMessage(N, Id::StartAfterEnd));
}

}  // namespace
}  // namespace arbovane
