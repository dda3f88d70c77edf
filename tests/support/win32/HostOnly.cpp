#include <windows.h>

#include "support/HostOnly.h"

#include <cstdlib>

#ifndef SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE
#define SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE 0x2
#endif

namespace arbovane::testing {

namespace {

std::wstring Wide(const std::string& text) {
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
    for (wchar_t& c : out)
        if (c == L'/') c = L'\\';
    return out;
}

}  // namespace

const char* const kConfigurationBaseVariable = "APPDATA";
const std::size_t kHostPathLimit = MAX_PATH;

bool MakeHostLink(const std::string& target, const std::string& at) {
    const std::wstring wideTarget = Wide(target);
    const std::wstring wideAt = Wide(at);
    const DWORD targetAttributes = GetFileAttributesW(wideTarget.c_str());
    DWORD flags = SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE;
    if (targetAttributes != INVALID_FILE_ATTRIBUTES &&
        (targetAttributes & FILE_ATTRIBUTE_DIRECTORY))
        flags |= SYMBOLIC_LINK_FLAG_DIRECTORY;
    if (!CreateSymbolicLinkW(wideAt.c_str(), wideTarget.c_str(), flags)) return false;
    // Believed only when the link is there: Wine answers success without making one.
    const DWORD made = GetFileAttributesW(wideAt.c_str());
    return made != INVALID_FILE_ATTRIBUTES && (made & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

bool RunsAsRoot() {
    return false;
}

bool SetHostMode(const std::string& hostPath, unsigned mode) {
    const std::wstring path = Wide(hostPath);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    const DWORD wanted = (mode & 0200) ? (attributes & ~DWORD{FILE_ATTRIBUTE_READONLY})
                                       : (attributes | FILE_ATTRIBUTE_READONLY);
    return SetFileAttributesW(path.c_str(), wanted) != 0;
}

unsigned HostMode(const std::string& hostPath) {
    const DWORD attributes = GetFileAttributesW(Wide(hostPath).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return 0;
    return (attributes & FILE_ATTRIBUTE_READONLY) ? 0555 : 0777;
}

bool AsUnprivilegedUser(const std::function<bool()>& check) {
    return check();
}

bool BindMount(const std::string&, const std::string&) {
    return false;
}

bool MountSmallVolume(const std::string&, unsigned long long) {
    return false;
}

void Unmount(const std::string&) {}

bool MountCaseIgnoringVolume(const std::string&, const std::string&, std::string&,
                             std::string& reason) {
    reason = "Windows volumes ignore letter case already: the host backend's cases cover it";
    return false;
}

void SetEnvironment(const char* name, const char* value) {
    _putenv_s(name, value ? value : "");
}

}  // namespace arbovane::testing
