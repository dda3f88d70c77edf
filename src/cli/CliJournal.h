#pragma once

#include <optional>
#include <string>

#include "core/undo/UndoJournal.h"
#include "core/undo/UndoTab.h"

namespace arbovane {

// What a journal file holds: the run of one tab, so that a later undo can take it back.
struct CliJournal {
    enum class Kind { Folders, Rename };
    Kind kind = Kind::Folders;
    UndoTab tab = UndoTab::Copy;  // Folders only
    UndoJournal folders;
    RenameJournal renames;
};

// One entry per line, its kind first; fields apart by tabs, which no Windows name can hold.
std::string JournalFileText(const CliJournal& journal);
// Empty, with error set, when the text is no journal file of this program.
std::optional<CliJournal> ParseJournalFile(const std::string& text, std::string& error);

}  // namespace arbovane
