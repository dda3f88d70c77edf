#include "core/app/MainWindowRules.h"

#include <unordered_set>

#include "core/app/ProgramSettings.h"
#include "core/paths/Arbsplit.h"
#include "core/paths/PathText.h"
#include "platform/Text.h"

namespace arbovane {

std::string FileTypesLabelText(const ProgramSettings& settings) {
    const std::string pattern = TrimSpaces(settings.selectionText);
    if (pattern.empty() || pattern == "*.*") return "All.";
    return SummariseList(settings.selectedPatterns, 35);
}

std::vector<std::string> DestinationComboItems(const Text& text,
                                               const std::vector<std::string>& remembered) {
    // Keyed by the lower-cased folder, as the list boxes look lines up, so ten thousand entries
    // are not compared pair by pair.
    std::unordered_set<std::string> listed;
    listed.reserve(remembered.size());
    std::vector<std::string> items;
    for (const std::string& folder : remembered)
        if (!folder.empty() && listed.insert(text.LowerCase(folder)).second)
            items.push_back(folder);
    return items;
}

void TakeDestinations(const std::vector<std::string>& comboItems,
                      std::vector<std::string>& stored) {
    if (!comboItems.empty()) stored = comboItems;
}

}  // namespace arbovane
