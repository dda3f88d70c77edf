#include "core/app/MainWindowRules.h"

#include <algorithm>

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
    std::vector<std::string> items;
    for (const std::string& folder : remembered) {
        if (folder.empty()) continue;
        const bool listed = std::any_of(items.begin(), items.end(), [&](const std::string& item) {
            return text.EqualsNoCase(item, folder);
        });
        if (!listed) items.push_back(folder);
    }
    return items;
}

void TakeDestinations(const std::vector<std::string>& comboItems,
                      std::vector<std::string>& stored) {
    if (!comboItems.empty()) stored = comboItems;
}

}  // namespace arbovane
