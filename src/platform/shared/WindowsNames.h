#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace arbovane {

// Windows text is Unicode: bytes that are no UTF-8 name nothing Windows could create.
bool IsValidUtf8(std::string_view text);

// One element per UTF-8 character; a byte that starts no valid character stands alone, so
// invalid names are still handled byte by byte.
std::vector<std::string_view> Utf8Characters(std::string_view text);

// A name Windows could create: not empty, no reserved or control characters, no device name
// (CON, NUL, COM1, ... also with an extension), no trailing period or blank.
bool IsCreatableWindowsName(const std::string& name);

// CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9, CONIN$, CONOUT$, in any letter case, also followed by
// blanks or by an extension: Windows opens the device instead of a file of that name.
bool IsReservedDeviceName(const std::string& name);

// A listed name no Windows path can carry: a backslash inside, or a trailing period or blank
// that Windows would drop on the way in and so reach another entry.
bool IsUnaddressableWindowsName(const std::string& name);

}  // namespace arbovane
