#pragma once

#include <functional>

namespace arbovane {

// Where an undo's journal file is kept in step with the undo: begin runs after the user said Yes
// and before the first change, end once the journal holds what is left.
struct UndoHooks {
    std::function<void()> begin;
    std::function<void()> end;
};

}  // namespace arbovane
