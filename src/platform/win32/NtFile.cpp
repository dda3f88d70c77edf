#include "platform/win32/NtFile.h"

#include <climits>

namespace arbovane {

FsError ErrorOfWin32(DWORD error) {
    switch (error) {
        case ERROR_SUCCESS:
            return FsError::None;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
        case ERROR_NOT_READY:
            return FsError::NotFound;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_WRITE_PROTECT:
        case ERROR_PRIVILEGE_NOT_HELD:
            return FsError::AccessDenied;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return FsError::Exists;
        case ERROR_DIR_NOT_EMPTY:
            return FsError::NotEmpty;
        case ERROR_DIRECTORY:
            return FsError::NotAFolder;
        case ERROR_FILENAME_EXCED_RANGE:
            return FsError::NameTooLong;
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
            return FsError::BadName;
        case ERROR_CANT_ACCESS_FILE:
        case 681:  // ERROR_STOPPED_ON_SYMLINK
            return FsError::IsLink;
        default:
            return FsError::Other;
    }
}

FsError ErrorOfStatus(NTSTATUS status) {
    return ErrorOfWin32(RtlNtStatusToDosError(status));
}

NTSTATUS OpenRelative(HANDLE folder, const std::wstring& name, ACCESS_MASK access,
                      ULONG disposition, ULONG options, UniqueHandle& out) {
    out.Reset();
    if (name.empty() || name.size() * sizeof(wchar_t) > USHRT_MAX - sizeof(wchar_t))
        return static_cast<NTSTATUS>(0xC0000033L);  // STATUS_OBJECT_NAME_INVALID
    UNICODE_STRING text;
    text.Buffer = const_cast<PWSTR>(name.c_str());
    text.Length = static_cast<USHORT>(name.size() * sizeof(wchar_t));
    text.MaximumLength = text.Length;
    OBJECT_ATTRIBUTES attributes;
    InitializeObjectAttributes(&attributes, &text, OBJ_CASE_INSENSITIVE, folder, nullptr);
    IO_STATUS_BLOCK io{};
    HANDLE handle = INVALID_HANDLE_VALUE;
    const NTSTATUS status = NtCreateFile(
        &handle, access | SYNCHRONIZE, &attributes, &io, nullptr, FILE_ATTRIBUTE_NORMAL,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, disposition,
        options | FILE_OPEN_REPARSE_POINT | FILE_SYNCHRONOUS_IO_NONALERT |
            FILE_OPEN_FOR_BACKUP_INTENT,
        nullptr, 0);
    if (status >= 0) out.Reset(handle);
    return status;
}

std::int64_t FileTimeToNs(const FILETIME& time) {
    LARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = static_cast<LONG>(time.dwHighDateTime);
    return FileTimeToNs(value);
}

std::int64_t FileTimeToNs(const LARGE_INTEGER& time) {
    constexpr std::int64_t kEpoch = 116444736000000000LL;  // 1601 to 1970 in 100 ns
    return (static_cast<std::int64_t>(time.QuadPart) - kEpoch) * 100;
}

bool StampOfHandle(HANDLE file, FileStamp& stamp, bool folders) {
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(file, &info) ||
        (!folders && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    stamp.size = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    stamp.modifiedNs = FileTimeToNs(info.ftLastWriteTime);
    stamp.fileId = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    FILE_BASIC_INFO basic;
    stamp.changedNs = GetFileInformationByHandleEx(file, FileBasicInfo, &basic, sizeof basic)
                          ? FileTimeToNs(basic.ChangeTime)
                          : 0;
    return true;
}

bool IsLinkTag(DWORD tag) {
    return tag == IO_REPARSE_TAG_SYMLINK || tag == IO_REPARSE_TAG_MOUNT_POINT ||
           IsReparseTagNameSurrogate(tag);
}

}  // namespace arbovane
