#include "core/paths/BlankTrim.h"

#include <algorithm>

namespace arbovane {

bool IsBlankOrControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte <= 0x20u || byte == 0x7Fu;
}

bool IsOnlyBlanksAndControls(std::string_view text) {
    return std::all_of(text.begin(), text.end(), IsBlankOrControl);
}

std::string TrimBlanksAndControls(std::string_view text) {
    const auto first = std::find_if_not(text.begin(), text.end(), IsBlankOrControl);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlankOrControl).base();
    return first < last ? std::string(first, last) : std::string();
}

}  // namespace arbovane
