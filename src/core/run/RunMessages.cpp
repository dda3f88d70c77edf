#include "core/run/RunMessages.h"

#include "core/visuallog/VisualLog.h"
#include "platform/Messenger.h"

namespace arbovane {

namespace {

const char* OperationOf(VisualLogTab tab) {
    switch (tab) {
        case VisualLogTab::Vol08:
            return "Copy Folder Structure(s).-From a Folder List - Level.";
        case VisualLogTab::Vol07:
            return "Delete Folder(s).- From a Folder List.";
        case VisualLogTab::Vol06:
            return "Rename Folder(s).-From a Folder List.";
        case VisualLogTab::Vol02:
            return "Creating Folder(s).-From a String List.";
        case VisualLogTab::Vol04:
            return "Creating Folder(s).- From a Folder List.";
        case VisualLogTab::Vol03:
            return "Creating Folder(s).-Increased Numbers.";
    }
    return "";
}

std::string Title(VisualLogTab tab, const char* category, const char* number) {
    return std::string(OperationOf(tab)) + "            " + category + " no: " + number + ".";
}

}  // namespace

OpMessage RunMessage(VisualLogTab tab, RunMessageId id, const std::string& detail) {
    const bool undoable = tab != VisualLogTab::Vol07;
    switch (id) {
        case RunMessageId::Interrupted:
            return {
                "The last run ended before it was finished !!!\n(The program was closed, "
                "stopped by the system, or the power failed.)\nUndo takes back what the run "
                "had made until then.",
                Title(tab, "Information", "0610"), kMsgInformation};
        case RunMessageId::Stopped:
            return {std::string("The run was stopped by the user !!!\nWhat it did until then is "
                                "listed in the Visual Log.") +
                        (undoable ? "\nUndo takes it back." : ""),
                    Title(tab, "Information", "0611"), kMsgInformation};
        case RunMessageId::SimulationStopped:
            return {
                "The Simulation was stopped by the user !!!\nWhat it found until then is "
                "listed in the Visual Log.",
                Title(tab, "Information", "0611"), kMsgInformation};
        case RunMessageId::UndoStopped:
            return {
                "The Undo was stopped by the user !!!\nWhat it did not take back yet stays for "
                "the next Undo.",
                Title(tab, "Information", "0611"), kMsgInformation};
        case RunMessageId::StopToClose:
            return {"A run is still going on !!!\nDo you want to stop it and close the program ?",
                    Title(tab, "Information", "0612"), kMsgQuestion};
        case RunMessageId::JournalDamaged:
            return {"The Undo journal of the last run can not be read : " + detail +
                        "\nNothing was changed.",
                    Title(tab, "Warning", "0613"), kMsgWarning};
        case RunMessageId::JournalNotWritten:
            return {"The Undo journal could not be written : " + detail +
                        "\nUndo works until the program ends, not after a new start.",
                    Title(tab, "Warning", "0614"), kMsgWarning};
    }
    return {};
}

bool ShowIfStopped(Messenger& messenger, const VisualLog& log) {
    if (!log.Stopped()) return false;
    const OpMessage message = RunMessage(log.Layout().tab, log.Mode() == VisualLogMode::Simulate
                                                               ? RunMessageId::SimulationStopped
                                                               : RunMessageId::Stopped);
    messenger.Show(message.text, message.title, message.flags, message.owner);
    return true;
}

}  // namespace arbovane
