#pragma once

#include <optional>
#include <string>

namespace arbovane {

// A box of the rename tab; the window passes it to the Messenger.
struct RenameMessage {
    std::string text;
    std::string title;
    int flags = 0;
    bool operator==(const RenameMessage&) const = default;
};

enum class RenameMessageId {
    RunQuestion,          // 0207
    RunEnd,               // 0208
    RunListEmpty,         // 0209
    SimulationQuestion,   // 0513
    SimulationEnd,        // 0514
    SimulationListEmpty,  // 0515
};

const RenameMessage& RenameMessageFor(RenameMessageId id);

// The five text fields of the method frame.
enum class RenameField { Prefix, FirstDelimiter, SecondDelimiter, Suffix, NewName };

// The field's warning followed by the characters a folder name may not hold, each after a
// space; nothing when the text is clean.
std::optional<RenameMessage> CheckRenameField(RenameField field, const std::string& text);

// What a refused field keeps: the text without its refused characters, wherever they were typed
// or pasted; every other character stays.
std::string TakeBackRefusedText(const std::string& text);

}  // namespace arbovane
