#pragma once

#include <windows.h>
#include <winternl.h>

#include <string>

#include "platform/FileSystem.h"

#ifndef FILE_OPEN_REPARSE_POINT
#define FILE_OPEN_REPARSE_POINT 0x00200000
#endif
#ifndef FILE_OPEN_FOR_BACKUP_INTENT
#define FILE_OPEN_FOR_BACKUP_INTENT 0x00004000
#endif
#ifndef FILE_DIRECTORY_FILE
#define FILE_DIRECTORY_FILE 0x00000001
#endif
#ifndef FILE_NON_DIRECTORY_FILE
#define FILE_NON_DIRECTORY_FILE 0x00000040
#endif
#ifndef FILE_SYNCHRONOUS_IO_NONALERT
#define FILE_SYNCHRONOUS_IO_NONALERT 0x00000020
#endif
#ifndef FILE_OPEN
#define FILE_OPEN 0x00000001
#endif
#ifndef FILE_CREATE
#define FILE_CREATE 0x00000002
#endif
#ifndef OBJ_CASE_INSENSITIVE
#define OBJ_CASE_INSENSITIVE 0x00000040
#endif

namespace arbovane {

// A handle that closes itself.
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    HANDLE Get() const { return handle_; }
    bool Ok() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Release() {
        HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return handle;
    }
    void Reset(HANDLE handle = INVALID_HANDLE_VALUE) {
        if (Ok()) CloseHandle(handle_);
        handle_ = handle;
    }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// The reason next to a failed call, from the last Win32 error.
FsError ErrorOfWin32(DWORD error);
FsError ErrorOfStatus(NTSTATUS status);

// Opens one name relative to an open folder (NtCreateFile with that folder as root): the name is
// never parsed as a path, a link or mount point at it is opened as itself (never followed), and
// letter case is ignored as Win32 ignores it.
NTSTATUS OpenRelative(HANDLE folder, const std::wstring& name, ACCESS_MASK access,
                      ULONG disposition, ULONG options, UniqueHandle& out);

// Nanoseconds since 1970 of a Windows file time.
std::int64_t FileTimeToNs(const FILETIME& time);
std::int64_t FileTimeToNs(const LARGE_INTEGER& time);

// Size, times and file index of an open file; of an open folder too when folders.
bool StampOfHandle(HANDLE file, FileStamp& stamp, bool folders = false);

// A name surrogate (symbolic link, junction, mount point) among reparse tags: walks never enter
// one. Other reparse points (cloud placeholders, dedup) are ordinary files and folders.
bool IsLinkTag(DWORD tag);

}  // namespace arbovane
