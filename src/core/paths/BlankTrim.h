#pragma once

#include <string>
#include <string_view>

namespace arbovane {

// Blanks and control characters (bytes up to 0x20, and 0x7F) count as no text at all at either
// end of a typed or stored value.
bool IsBlankOrControl(char c);
bool IsOnlyBlanksAndControls(std::string_view text);
std::string TrimBlanksAndControls(std::string_view text);

}  // namespace arbovane
