#pragma once

#include <string>
#include <vector>

namespace arbovane {

class Text;
struct ProgramSettings;

// Text of the "Sel. Types:" labels of the copy and delete tabs.
std::string FileTypesLabelText(const ProgramSettings& settings);

// Items for a destination combo box: each remembered folder that is not empty and not yet listed
// (letter case ignored, by the lower-cased text, as the list boxes search), in stored order.
std::vector<std::string> DestinationComboItems(const Text& text,
                                               const std::vector<std::string>& remembered);

// The stored list after closing: the combo box's items, or the old list when the box is empty.
void TakeDestinations(const std::vector<std::string>& comboItems, std::vector<std::string>& stored);

}  // namespace arbovane
