#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/Messenger.h"

namespace arbovane {

class Text;
struct ProgramSettings;

// A box the file selection wants shown; the dialog passes it to the Messenger as it stands.
struct FileSelectionMessage {
    std::string text;
    std::string title;
    int flags = kMsgWarning;
    MessageOwner owner = MessageOwner::MainWindow;

    bool operator==(const FileSelectionMessage&) const = default;
};

// The pattern that stands for every file.
inline constexpr const char* kFileSelectionAllFiles = "*.*";

// Splits an entry into patterns: quoted parts are one token each (blanks trimmed, may hold
// blanks), the rest splits at white space. False, with no tokens and message 0519 in failure,
// when the entry holds an odd number of double quotes.
bool TokeniseSelection(const std::string& entry, std::vector<std::string>& tokens,
                       FileSelectionMessage& failure);

// A pattern that names files in the folder it is applied to: no folder or drive part (no "\",
// "/" or ":"), and not "." or "..". The walks build every path as the folder they list plus the
// name found, so a pattern that lists another folder would have them act on names that were never
// matched.
bool IsFileNamePattern(const std::string& pattern);

// Message 0547 for the tokens that are no file name patterns, in token order; nothing when all
// are.
std::optional<FileSelectionMessage> FolderPartMessage(const std::vector<std::string>& tokens);

// One 0544 box for every token without a period, in token order, repeats included.
std::vector<FileSelectionMessage> PeriodCheckMessages(const std::vector<std::string>& tokens);

// The tokens without those that are blank and without exact repeats, in their order.
std::vector<std::string> DropEmptyAndRepeatedTokens(const std::vector<std::string>& tokens);

// The canonical text of a pattern list: one blank between patterns, a pattern holding white space
// inside double quotes.
std::string SelectionTextOf(const std::vector<std::string>& patterns);

// What the dialog shows when it is activated.
struct FileSelectionActivation {
    std::vector<std::string> items;  // the combo box's list
    int selected = -1;               // index of the entry the entry line shows
};

// The combo box's list grows by the remembered names and the current selection text (a blank one
// shown as "*.*"), each only when the list does not hold it yet (letter case ignored).
FileSelectionActivation ActivateFileSelection(const Text& text,
                                              const std::vector<std::string>& comboItems,
                                              const std::vector<std::string>& namesMenu,
                                              const std::string& selectionText);

// The result of OK.
struct FileSelectionOutcome {
    std::vector<FileSelectionMessage> messages;  // to show in this order
    bool changed = false;                        // false after 0519 or 0547: the selection stayed
    std::vector<std::string> comboItems;         // the combo box's list afterwards
    std::string labelText;                       // the "Sel. Types:" text (when changed)
};

// OK over the typed entry and the combo box's list: replaces the selection of settings (patterns,
// selection text, names menu) unless the entry cannot be split. Saving is the caller's part.
FileSelectionOutcome ApplyFileSelection(const Text& text, const std::string& entry,
                                        const std::vector<std::string>& comboItems,
                                        ProgramSettings& settings);

// Clear Menu: 0545 for an empty list, otherwise the 0546 question; the list is emptied on Yes.
FileSelectionMessage ClearMenuMessage(std::size_t itemCount);

}  // namespace arbovane
