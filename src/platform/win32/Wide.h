#pragma once

#include <string>
#include <string_view>

namespace arbovane {

// UTF-8 at the ports, UTF-16 inside: false for bytes that are no UTF-8, which no Windows name
// can hold.
bool ToWide(std::string_view text, std::wstring& wide);
std::string ToUtf8(std::wstring_view wide);

}  // namespace arbovane
