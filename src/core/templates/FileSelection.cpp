#include "core/templates/FileSelection.h"

#include <algorithm>

#include "core/app/MainWindowRules.h"
#include "core/app/ProgramSettings.h"
#include "core/paths/PathText.h"
#include "platform/Text.h"

namespace arbovane {

namespace {

const char* const kMsg0542Text =
    "Both Copy and Delete Processes will use selected files (if the <Select Files> button is "
    "active).\n";
const char* const kMsg0542Title = "File Selection.            Warning no: 0542.";
const char* const kMsg0519Text = "Odd number of marks(separators) : ";
const char* const kMsg0519Action = "Action : You must enter an even number of separators(marks).";
const char* const kMsg0519Title = "Warning !    Msg no: 0519.";
const char* const kMsg0547Text = "A file name can not hold a folder or a drive : ";
const char* const kMsg0547Action =
    "Action : You must enter file names and extensions only, without \\ / : and ..";
const char* const kMsg0547Title = "File Selection.            Warning no: 0547.";
const char* const kMsg0544Title = "Information !    Msg no: 0544";
const char* const kMsg0545Text = "Empty List in the File Names Menu!\n";
const char* const kMsg0545Title = "File Selection.            Warning no: 0545.";
const char* const kMsg0546Text = "Do you want to delete all item(s) from the File Names Menu ?";
const char* const kMsg0546Title = "File Selection.            Warning no: 0546.";

const char* const kWhiteSpace = " \t\n\r\v\f";

bool HasWhiteSpace(const std::string& text) {
    return text.find_first_of(kWhiteSpace) != std::string::npos;
}

std::string TrimWhiteSpace(const std::string& text) {
    const auto first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(kWhiteSpace) - first + 1);
}

void AppendWords(const std::string& segment, std::vector<std::string>& tokens) {
    std::size_t at = segment.find_first_not_of(kWhiteSpace);
    while (at != std::string::npos) {
        const std::size_t end = segment.find_first_of(kWhiteSpace, at);
        tokens.push_back(segment.substr(at, end == std::string::npos ? end : end - at));
        at = end == std::string::npos ? end : segment.find_first_not_of(kWhiteSpace, end);
    }
}

bool Holds(const Text& text, const std::vector<std::string>& items, const std::string& value) {
    return std::any_of(items.begin(), items.end(),
                       [&](const std::string& item) { return text.EqualsNoCase(item, value); });
}

}  // namespace

bool TokeniseSelection(const std::string& entry, std::vector<std::string>& tokens,
                       FileSelectionMessage& failure) {
    tokens.clear();
    const auto quotes = std::count(entry.begin(), entry.end(), '"');
    if (quotes % 2 != 0) {
        failure = {kMsg0519Text + std::to_string(quotes) + "\n\n" + kMsg0519Action, kMsg0519Title,
                   kMsgWarning, MessageOwner::System};
        return false;
    }
    bool inside = false;
    std::size_t start = 0;
    while (true) {
        const std::size_t quote = entry.find('"', start);
        const std::string segment =
            entry.substr(start, quote == std::string::npos ? quote : quote - start);
        if (inside) {
            const std::string token = TrimSpaces(segment);
            if (!token.empty()) tokens.push_back(token);
        } else {
            AppendWords(segment, tokens);
        }
        if (quote == std::string::npos) break;
        inside = !inside;
        start = quote + 1;
    }
    return true;
}

bool IsFileNamePattern(const std::string& pattern) {
    const std::string name = TrimWhiteSpace(pattern);
    return name.find_first_of("\\/:") == std::string::npos && name != "." && name != "..";
}

std::optional<FileSelectionMessage> FolderPartMessage(const std::vector<std::string>& tokens) {
    std::string refused;
    for (const std::string& token : tokens) {
        if (IsFileNamePattern(token)) continue;
        refused += "\n" + token;
    }
    if (refused.empty()) return std::nullopt;
    return FileSelectionMessage{kMsg0547Text + refused + "\n\n" + kMsg0547Action, kMsg0547Title,
                                kMsgWarning, MessageOwner::MainWindow};
}

std::vector<FileSelectionMessage> PeriodCheckMessages(const std::vector<std::string>& tokens) {
    std::vector<std::string> dotless;
    for (const std::string& token : tokens)
        if (token.find('.') == std::string::npos) dotless.push_back(token);
    const std::string total = std::to_string(dotless.size());
    std::vector<FileSelectionMessage> messages;
    for (std::size_t k = 0; k < dotless.size(); ++k) {
        messages.push_back(
            {"Period (.) is missing from : " + total + " file names." +
                 "\nNo: " + std::to_string(k + 1) + "/" + total + " is : " + dotless[k] +
                 "\nIf you want to search files with SPACE(s) in their names,\n" +
                 "then you must put complete file name with extension into double quotes!\n",
             kMsg0544Title, kMsgInformation, MessageOwner::System});
    }
    return messages;
}

std::vector<std::string> DropEmptyAndRepeatedTokens(const std::vector<std::string>& tokens) {
    std::vector<std::string> kept;
    for (const std::string& token : tokens) {
        if (TrimWhiteSpace(token).empty()) continue;
        if (std::find(kept.begin(), kept.end(), token) == kept.end()) kept.push_back(token);
    }
    return kept;
}

std::string SelectionTextOf(const std::vector<std::string>& patterns) {
    std::string joined;
    for (const std::string& pattern : patterns) {
        if (!joined.empty()) joined += ' ';
        joined += HasWhiteSpace(pattern) ? "\"" + pattern + "\"" : pattern;
    }
    return TrimSpaces(joined);
}

FileSelectionActivation ActivateFileSelection(const Text& text,
                                              const std::vector<std::string>& comboItems,
                                              const std::vector<std::string>& namesMenu,
                                              const std::string& selectionText) {
    FileSelectionActivation shown{comboItems, -1};
    for (const std::string& name : namesMenu) {
        // An empty entry would only be dropped again at the next OK.
        if (!name.empty() && !Holds(text, shown.items, name)) shown.items.push_back(name);
    }
    const std::string current =
        TrimSpaces(selectionText).empty() ? std::string(kFileSelectionAllFiles) : selectionText;
    const auto match =
        std::find_if(shown.items.begin(), shown.items.end(),
                     [&](const std::string& item) { return text.EqualsNoCase(item, current); });
    if (match == shown.items.end()) {
        shown.items.push_back(current);
        shown.selected = static_cast<int>(shown.items.size()) - 1;
    } else {
        shown.selected = static_cast<int>(match - shown.items.begin());
    }
    return shown;
}

FileSelectionOutcome ApplyFileSelection(const Text& text, const std::string& entry,
                                        const std::vector<std::string>& comboItems,
                                        ProgramSettings& settings) {
    FileSelectionOutcome outcome;
    outcome.comboItems = comboItems;
    outcome.messages.push_back(
        {kMsg0542Text, kMsg0542Title, kMsgWarning, MessageOwner::MainWindow});

    const std::string typed =
        TrimSpaces(entry).empty() ? std::string(kFileSelectionAllFiles) : entry;
    std::vector<std::string> tokens;
    FileSelectionMessage failure;
    if (!TokeniseSelection(typed, tokens, failure)) {
        outcome.messages.push_back(failure);
        return outcome;
    }
    // The walks would act on another folder's names; the selection stays as it was.
    if (const auto refusal = FolderPartMessage(tokens)) {
        outcome.messages.push_back(*refusal);
        return outcome;
    }
    for (FileSelectionMessage& message : PeriodCheckMessages(tokens))
        outcome.messages.push_back(std::move(message));

    std::vector<std::string> patterns = DropEmptyAndRepeatedTokens(tokens);
    // An entry of blank quotes alone selects nothing; all files keep the labels and the walks in
    // agreement, since a blank selection already reads as all files everywhere.
    if (patterns.empty()) patterns.push_back(kFileSelectionAllFiles);

    settings.selectedPatterns = patterns;
    settings.selectionText = SelectionTextOf(patterns);
    outcome.changed = true;
    outcome.labelText = FileTypesLabelText(settings);

    if (!Holds(text, outcome.comboItems, settings.selectionText))
        outcome.comboItems.push_back(settings.selectionText);
    settings.namesMenu.clear();
    for (const std::string& item : outcome.comboItems)
        if (!item.empty()) settings.namesMenu.push_back(item);
    return outcome;
}

FileSelectionMessage ClearMenuMessage(std::size_t itemCount) {
    if (itemCount == 0) return {kMsg0545Text, kMsg0545Title, kMsgWarning, MessageOwner::MainWindow};
    return {kMsg0546Text, kMsg0546Title, kMsgQuestion, MessageOwner::MainWindow};
}

}  // namespace arbovane
