#pragma once

#include <string>

#include "core/ops/OpMessage.h"
#include "core/visuallog/VisualLogIds.h"

namespace arbovane {

class Messenger;
class VisualLog;

// The boxes every operation shares about its run as a whole, titled with the tab's operation.
enum class RunMessageId {
    Interrupted,        // 0610: an undo of a run that never ended
    Stopped,            // 0611: the user stopped the run
    SimulationStopped,  // 0611: the user stopped the simulation
    UndoStopped,        // 0611: the user stopped an undo
    StopToClose,        // 0612: closing the program while a run goes on
    JournalDamaged,     // 0613: a journal file that cannot be read; detail: the reason and file
    JournalNotWritten,  // 0614: the journal file could not be written; detail: the file
};

OpMessage RunMessage(VisualLogTab tab, RunMessageId id, const std::string& detail = {});

// In place of a run's end message: true, after saying so, when the user stopped the run.
bool ShowIfStopped(Messenger& messenger, const VisualLog& log);

}  // namespace arbovane
