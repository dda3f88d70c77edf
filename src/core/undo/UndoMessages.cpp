#include "core/undo/UndoMessages.h"

namespace arbovane {

namespace {

struct UndoTabTextRow {
    UndoTab tab;
    UndoTabTexts texts;
};

const UndoTabTextRow kRows[] = {
    {UndoTab::Copy,
     {"No UNDO process !!!\nThere are no copied Subfolders (and files) !!!\nYou must copy at least "
      "on one Subfolder to UNDO them.",
      "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0290.",
      "Do you want to delete all folders (and files)\ncopied last time ?",
      "Copy Folder Structure(s).-From a Folder List - Level.            Information no: 0291.",
      "Copy Folder Structure(s).-From a Folder List Level.            Information no: 0292.",
      "End of the Undo process !!!",
      "Copy Folder Structure(s).-From a Folder List - Level.            Information no: 0293."}},
    {UndoTab::CreateI,
     {"No UNDO process !!!\nThere are no created folders (and files) !!!\nYou must create at "
      "least one folder to UNDO them.",
      "Creating Folder(s).-From a String List.            Warning no: 0028.",
      "Do you want to delete all folders (and files)\ncreated last time ?",
      "Creating Folder(s).-From a String List.            Information no: 0029.",
      "Creating Folder(s).-From a String List.            Information no: 0030.",
      "End of Undo process !!!",
      "Creating Folder(s).-From a String List.            Information no: 0031."}},
    {UndoTab::CreateII,
     {"No UNDO process !!!\nThere are no created folders (and files) !!!\nYou must create at "
      "least one folders and files to UNDO them.",
      "Creating Folder(s).- From a Folder List.            Warning no: 0096.",
      "Do you want to delete all folders (and files)\ncreated last time ?",
      "Creating Folder(s).- From a Folder List.            Information no: 0097.",
      "Creating Folder(s).- From a Folder List.            Information no: 0030.",
      "End of Undo process !!!",
      "Creating Folder(s).- From a Folder List.            Information no: 0099."}},
    {UndoTab::CreateIII,
     {"No UNDO process !!!\nThere are no created folders (and files) !!!\nYou must create at "
      "least one folders and files to UNDO them.",
      "Creating Folder(s).-Increased Numbers.            Warning no: 0096.",
      "Do you want to delete all folders (and files)\ncreated last time ?",
      "Creating Folder(s).-Increased Numbers.            Information no: 0097.",
      "Creating Folder(s).- Increased Numbers.            Information no: 0030.",
      "End of Undo process !!!",
      "Creating Folder(s).-Increased Numbers.            Information no: 0099."}},
};

}  // namespace

const UndoTabTexts& UndoTextsFor(UndoTab tab) {
    for (const auto& row : kRows)
        if (row.tab == tab) return row.texts;
    return kRows[0].texts;
}

}  // namespace arbovane
