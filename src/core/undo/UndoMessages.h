#pragma once

#include <string>

#include "core/undo/UndoTab.h"

namespace arbovane {

// The boxes of one tab's Undo: nothing to undo (warning), the question, the failure report
// (warning) and the end (information).
struct UndoTabTexts {
    std::string nothingText;
    std::string nothingTitle;
    std::string questionText;
    std::string questionTitle;
    std::string reportTitle;
    std::string endText;
    std::string endTitle;
};

const UndoTabTexts& UndoTextsFor(UndoTab tab);

}  // namespace arbovane
