#include "core/ops/rename/RenameMessages.h"

#include <array>
#include <cstddef>

#include "core/paths/Arbsplit.h"
#include "platform/Messenger.h"

namespace arbovane {

namespace {

// Titles keep their own spacing: some have eleven spaces before the category word, some twelve.
const std::array<RenameMessage, 6> kMessages = {{
    {"Do you want to RENAME folders ?\n",
     "Rename Folders. - From a Folder List.            Information no: 0207.", kMsgQuestion},
    {"End of the Rename process !!!",
     "Rename Folder(s).-From a Folder List.            Information no: 0208.", kMsgInformation},
    {"The Include list is empty !!!\nYou must enter at least one Folder to Rename folders.",
     "Rename Folder(s).-From a Folder List.           Warning no: 0209.", kMsgWarning},
    {"Simulation shows you the complete Rename Folder process \nwithout actually Rename them on "
     "the hard drive.\n\n",
     "Simulate Rename Folder  Process.-From a Folder List.            Information no: 0513.",
     kMsgQuestion},
    {"End of Simulation !!!\n\nNo actual Folders were Renamed because of Simulation.\n\nThe "
     "purpose of the Simulation is to show the Complete Folder Renaming process\n without "
     "actually Renaming them on the hard drive.\n\nIf You want to Rename Folders, Use the Rename "
     "Folders button.",
     "Rename Folder(s).-From a Folder List.            Information no: 0514.", kMsgInformation},
    {"The Include list is empty !!!\nYou must enter at least one Folder to Rename folders.",
     "Rename Folder(s).-From a Folder List.           Warning no: 0515.", kMsgWarning},
}};

struct FieldWarning {
    const char* text;
    const char* title;
};

// In the order of RenameField.
const std::array<FieldWarning, 5> kFieldWarnings = {{
    {"Illegal character in the Prefix : ",
     "Rename Folders. - From a Folder List.            Warning no: 0200."},
    {"Illegal character in the Delimiter : ",
     "Rename Folders. - From a Folder List.            Warning no: 0202."},
    {"Illegal character in the Delimiter : ",
     "Rename Folders. - From a Folder List.            Warning no: 0203."},
    {"Illegal character in the Suffix : ",
     "Rename Folder(s).-From a Folder List.            Warning no: 0201."},
    {"Illegal character in the New Subfolder string : ",
     "Rename Folders. - From a Folder List.            Warning no: 0600."},
}};

constexpr char kNamePartMode = 'F';

bool IsRefused(char c) {
    std::string found;
    return FindIllegalChars(kNamePartMode, std::string(1, c), found);
}

}  // namespace

const RenameMessage& RenameMessageFor(RenameMessageId id) {
    return kMessages.at(static_cast<std::size_t>(id));
}

std::optional<RenameMessage> CheckRenameField(RenameField field, const std::string& text) {
    std::string found;
    if (!FindIllegalChars(kNamePartMode, text, found)) return std::nullopt;
    const FieldWarning& warning = kFieldWarnings.at(static_cast<std::size_t>(field));
    return RenameMessage{warning.text + found, warning.title, kMsgWarning};
}

std::string TakeBackRefusedText(const std::string& text) {
    // Every refused character is a single byte, so the rest stays whole UTF-8 wherever the
    // refused one was typed or pasted.
    std::string kept;
    kept.reserve(text.size());
    for (const char c : text)
        if (!IsRefused(c)) kept += c;
    return kept;
}

}  // namespace arbovane
