#include "platform/win32/Wide.h"

#include <windows.h>

#include <climits>

namespace arbovane {

bool ToWide(std::string_view text, std::wstring& wide) {
    wide.clear();
    if (text.empty()) return true;
    if (text.size() > INT_MAX) return false;
    const int length = static_cast<int>(text.size());
    const int size =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
    if (size <= 0) return false;
    wide.resize(static_cast<std::size_t>(size));
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), length, wide.data(),
                               size) == size;
}

std::string ToUtf8(std::wstring_view wide) {
    if (wide.empty() || wide.size() > INT_MAX) return {};
    const int length = static_cast<int>(wide.size());
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, out.data(), size, nullptr, nullptr);
    return out;
}

}  // namespace arbovane
