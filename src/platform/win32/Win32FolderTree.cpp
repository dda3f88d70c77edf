#include "platform/win32/Win32FolderTree.h"

#include <algorithm>
#include <random>

#include "platform/Text.h"
#include "platform/shared/WindowsNames.h"
#include "platform/shared/WindowsPattern.h"
#include "platform/win32/Wide.h"
#include "platform/win32/Win32FileSystem.h"

namespace arbovane {

namespace {

constexpr std::size_t kOpenFolders = 64;
constexpr NTSTATUS kNameCollision = static_cast<NTSTATUS>(0xC0000035L);
constexpr NTSTATUS kNotADirectory = static_cast<NTSTATUS>(0xC0000103L);
constexpr NTSTATUS kDirectoryNotEmpty = static_cast<NTSTATUS>(0xC0000101L);
constexpr ACCESS_MASK kFolderAccess = FILE_LIST_DIRECTORY | FILE_TRAVERSE | FILE_READ_ATTRIBUTES;
constexpr DWORD kSettable = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                            FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                            FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

std::vector<std::string> Components(const std::string& relative) {
    std::vector<std::string> parts;
    std::string part;
    for (const char c : relative) {
        if (c == '\\' || c == '/') {
            if (!part.empty()) parts.push_back(std::move(part));
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(std::move(part));
    return parts;
}

std::string JoinParts(const std::vector<std::string>& parts, std::size_t count) {
    std::string joined;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) joined += '\\';
        joined += parts[i];
    }
    return joined;
}

bool Fail(FsError& why, FsError error) {
    why = error;
    return false;
}

CreateOutcome Failed(FsError& why, FsError error) {
    why = error;
    return CreateOutcome::Failed;
}

bool IsLinkInfo(HANDLE handle, const BY_HANDLE_FILE_INFORMATION& info) {
    if (!(info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) return false;
    FILE_ATTRIBUTE_TAG_INFO tag{};
    // A reparse point whose tag cannot be read is treated as a link: never entered.
    return !GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &tag, sizeof tag) ||
           IsLinkTag(tag.ReparseTag);
}

bool MarkForDeletion(HANDLE handle, FsError& why) {
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = TRUE;
    if (SetFileInformationByHandle(handle, FileDispositionInfo, &disposition, sizeof disposition))
        return true;
    const DWORD error = GetLastError();
    why = error == ERROR_DIR_NOT_EMPTY ? FsError::NotEmpty : ErrorOfWin32(error);
    return false;
}

// The path the system gives for an open handle ("\\?\D:\..."), empty when it gives none.
std::wstring FinalPath(HANDLE handle) {
    std::wstring path(MAX_PATH, L'\0');
    DWORD size = GetFinalPathNameByHandleW(handle, path.data(), static_cast<DWORD>(path.size()),
                                           FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (size >= path.size()) {
        path.resize(size + 1);
        size = GetFinalPathNameByHandleW(handle, path.data(), static_cast<DWORD>(path.size()),
                                         FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    }
    if (size == 0 || size >= path.size()) return {};
    path.resize(size);
    return path;
}

// Whether the process's current directory is the open folder or lies below it.
bool HoldsCurrentDirectory(HANDLE folder) {
    const std::wstring path = FinalPath(folder);
    return !path.empty() && Win32FileSystem::HoldsCurrentDirectory(path);
}

std::wstring TemporaryName() {
    static std::mt19937_64 random{std::random_device{}()};
    wchar_t name[32];
    swprintf(name, 32, L".~%016llx", static_cast<unsigned long long>(random()));
    return name;
}

bool SetBasic(HANDLE handle, const LARGE_INTEGER* lastWrite, DWORD attributes) {
    FILE_BASIC_INFO basic{};
    if (lastWrite) basic.LastWriteTime = *lastWrite;
    basic.FileAttributes = attributes;
    return SetFileInformationByHandle(handle, FileBasicInfo, &basic, sizeof basic) != 0;
}

// Renames the open file to name in folder, never onto an existing entry. The native call takes
// the folder as a handle, so the new name is never parsed as a path.
bool RenameInto(HANDLE file, HANDLE folder, const std::wstring& name, FsError& why) {
    struct RenameInformation {
        BOOLEAN ReplaceIfExists;
        HANDLE RootDirectory;
        ULONG FileNameLength;
        WCHAR FileName[1];
    };
    constexpr auto kFileRenameInformation = static_cast<FILE_INFORMATION_CLASS>(10);
    std::vector<unsigned char> buffer(sizeof(RenameInformation) + name.size() * sizeof(wchar_t));
    auto* rename = reinterpret_cast<RenameInformation*>(buffer.data());
    rename->ReplaceIfExists = FALSE;
    rename->RootDirectory = folder;
    rename->FileNameLength = static_cast<ULONG>(name.size() * sizeof(wchar_t));
    std::copy(name.begin(), name.end(), rename->FileName);
    IO_STATUS_BLOCK io{};
    const NTSTATUS status = NtSetInformationFile(
        file, &io, rename, static_cast<ULONG>(buffer.size()), kFileRenameInformation);
    if (status >= 0) return true;
    why = status == kNameCollision ? FsError::Exists : ErrorOfStatus(status);
    return false;
}

}  // namespace

std::unique_ptr<Win32FolderTree> Win32FolderTree::Open(const Text& text, std::string root,
                                                       const std::wstring& full,
                                                       bool refuseLinkRoot, FsError& why) {
    const DWORD flags =
        FILE_FLAG_BACKUP_SEMANTICS | (refuseLinkRoot ? FILE_FLAG_OPEN_REPARSE_POINT : 0);
    // No delete access is held during the walk: other programs that open the folder without
    // sharing deletion would be locked out.
    UniqueHandle handle(CreateFileW(full.c_str(), kFolderAccess,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, flags, nullptr));
    if (!handle.Ok()) {
        why = ErrorOfWin32(GetLastError());
        return nullptr;
    }
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(handle.Get(), &info)) {
        why = ErrorOfWin32(GetLastError());
        return nullptr;
    }
    if (refuseLinkRoot && IsLinkInfo(handle.Get(), info)) {
        why = FsError::IsLink;
        return nullptr;
    }
    if (!(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        why = FsError::NotAFolder;
        return nullptr;
    }
    return std::unique_ptr<Win32FolderTree>(
        new Win32FolderTree(text, std::move(root), std::move(handle), info.dwVolumeSerialNumber));
}

Win32FolderTree::Win32FolderTree(const Text& text, std::string root, UniqueHandle rootHandle,
                                 DWORD volume)
    : text_(text), root_(std::move(root)), rootHandle_(std::move(rootHandle)), volume_(volume) {}

HANDLE Win32FolderTree::Folder(const std::string& relative, FsError& why) {
    const std::vector<std::string> parts = Components(relative);
    if (parts.empty()) {
        if (!rootHandle_.Ok()) why = FsError::NotFound;
        return rootHandle_.Ok() ? rootHandle_.Get() : nullptr;
    }
    const std::string key = JoinParts(parts, parts.size());
    if (const auto it = open_.find(key); it != open_.end()) {
        uses_.splice(uses_.begin(), uses_, it->second.use);
        return it->second.handle.Get();
    }
    std::wstring name;
    const HANDLE parent = Parent(key, name, why);
    if (!parent) return nullptr;
    UniqueHandle folder;
    const NTSTATUS status =
        OpenRelative(parent, name, kFolderAccess, FILE_OPEN, FILE_DIRECTORY_FILE, folder);
    if (status < 0) {
        why = status == kNotADirectory ? FsError::NotAFolder : ErrorOfStatus(status);
        return nullptr;
    }
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(folder.Get(), &info)) {
        why = ErrorOfWin32(GetLastError());
        return nullptr;
    }
    // A link, junction or mount point, or anything on another volume, is not entered.
    if (IsLinkInfo(folder.Get(), info) || info.dwVolumeSerialNumber != volume_) {
        why = FsError::IsLink;
        return nullptr;
    }
    if (open_.size() >= kOpenFolders) {
        open_.erase(uses_.back());
        uses_.pop_back();
    }
    uses_.push_front(key);
    const HANDLE raw = folder.Get();
    open_.emplace(key, Cached{std::move(folder), uses_.begin(), text_.LowerCase(key)});
    return raw;
}

HANDLE Win32FolderTree::Parent(const std::string& relative, std::wstring& name, FsError& why) {
    const std::vector<std::string> parts = Components(relative);
    if (parts.empty()) {
        why = FsError::BadName;
        return nullptr;
    }
    const std::string& last = parts.back();
    if (last == "." || last == ".." || IsUnaddressableWindowsName(last) || !ToWide(last, name)) {
        why = FsError::BadName;
        return nullptr;
    }
    return Folder(JoinParts(parts, parts.size() - 1), why);
}

bool Win32FolderTree::OpenEntry(const std::string& relative, ACCESS_MASK access,
                                UniqueHandle& entry, BY_HANDLE_FILE_INFORMATION& info,
                                FsError& why) {
    std::wstring name;
    const HANDLE parent = Parent(relative, name, why);
    if (!parent) return false;
    const NTSTATUS status = OpenRelative(parent, name, access, FILE_OPEN, 0, entry);
    if (status < 0) return Fail(why, ErrorOfStatus(status));
    if (!GetFileInformationByHandle(entry.Get(), &info))
        return Fail(why, ErrorOfWin32(GetLastError()));
    return true;
}

void Win32FolderTree::Forget(const std::string& relative) {
    const std::vector<std::string> parts = Components(relative);
    const std::string key = text_.LowerCase(JoinParts(parts, parts.size()));
    for (auto it = open_.begin(); it != open_.end();) {
        const std::string& open = it->second.lowered;
        if (key.empty() || open == key ||
            (open.size() > key.size() && open.compare(0, key.size(), key) == 0 &&
             open[key.size()] == '\\')) {
            uses_.erase(it->second.use);
            it = open_.erase(it);
        } else {
            ++it;
        }
    }
}

bool Win32FolderTree::List(const std::string& relative, const std::string& pattern,
                           std::vector<DirEntry>& entries, FsError& why) {
    entries.clear();
    const HANDLE folder = Folder(relative, why);
    if (!folder) return false;
    const bool everything = pattern == "*" || pattern == "*.*";
    std::vector<unsigned char> buffer(64 * 1024);
    FILE_INFO_BY_HANDLE_CLASS kind = FileIdBothDirectoryRestartInfo;
    for (;;) {
        if (!GetFileInformationByHandleEx(folder, kind, buffer.data(),
                                          static_cast<DWORD>(buffer.size()))) {
            const DWORD error = GetLastError();
            if (error == ERROR_NO_MORE_FILES) break;
            return Fail(why, ErrorOfWin32(error));
        }
        kind = FileIdBothDirectoryInfo;
        std::size_t offset = 0;
        for (;;) {
            const auto* info =
                reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(buffer.data() + offset);
            const std::wstring_view wide(info->FileName, info->FileNameLength / sizeof(wchar_t));
            if (wide != L"." && wide != L"..") {
                std::string name = ToUtf8(wide);
                const std::string shortName = ToUtf8(
                    std::wstring_view(info->ShortName, info->ShortNameLength / sizeof(wchar_t)));
                if (everything || MatchesWindowsPattern(text_, pattern, name, shortName)) {
                    DirEntry entry;
                    entry.attributes = info->FileAttributes;
                    entry.isFolder = (info->FileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
                    const bool reparse = (info->FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
                    // The reparse tag of an entry comes in the extended-attribute size field.
                    entry.isLink = reparse && IsLinkTag(info->EaSize);
                    entry.isMountPoint = reparse && info->EaSize == IO_REPARSE_TAG_MOUNT_POINT;
                    entry.unaddressable = IsUnaddressableWindowsName(name);
                    entry.size =
                        entry.isFolder ? 0 : static_cast<std::uint64_t>(info->EndOfFile.QuadPart);
                    entry.name = std::move(name);
                    entries.push_back(std::move(entry));
                }
            }
            if (info->NextEntryOffset == 0) break;
            offset += info->NextEntryOffset;
        }
    }
    std::sort(entries.begin(), entries.end(), [this](const DirEntry& a, const DirEntry& b) {
        const int order = text_.CompareNoCase(a.name, b.name);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    return true;
}

bool Win32FolderTree::GetAttributes(const std::string& relative, std::uint32_t& attributes,
                                    FsError& why) {
    BY_HANDLE_FILE_INFORMATION info;
    if (Components(relative).empty()) {
        if (!rootHandle_.Ok()) return Fail(why, FsError::NotFound);
        if (!GetFileInformationByHandle(rootHandle_.Get(), &info))
            return Fail(why, ErrorOfWin32(GetLastError()));
        attributes = info.dwFileAttributes;
        return true;
    }
    UniqueHandle entry;
    if (!OpenEntry(relative, FILE_READ_ATTRIBUTES, entry, info, why)) return false;
    attributes = info.dwFileAttributes;
    return true;
}

bool Win32FolderTree::SetAttributes(const std::string& relative, std::uint32_t attributes,
                                    FsError& why) {
    UniqueHandle entry;
    BY_HANDLE_FILE_INFORMATION info;
    HANDLE handle = nullptr;
    if (Components(relative).empty()) {
        // The root handle has no write access to attributes: the root is set by the path the
        // system gives for that very handle.
        if (!rootHandle_.Ok()) return Fail(why, FsError::NotFound);
        if (!GetFileInformationByHandle(rootHandle_.Get(), &info))
            return Fail(why, ErrorOfWin32(GetLastError()));
        const DWORD wanted = attributes & kSettable;
        if (wanted == (info.dwFileAttributes & kSettable)) return true;
        const std::wstring path = FinalPath(rootHandle_.Get());
        if (path.empty() ||
            !SetFileAttributesW(path.c_str(), wanted ? wanted : FILE_ATTRIBUTE_NORMAL))
            return Fail(why, ErrorOfWin32(GetLastError()));
        return true;
    } else {
        if (!OpenEntry(relative, FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES, entry, info, why))
            return false;
        handle = entry.Get();
        // A link has no attributes worth changing, and its target may lie outside the tree.
        if (IsLinkInfo(handle, info)) return true;
    }
    const DWORD wanted = attributes & kSettable;
    if (wanted == (info.dwFileAttributes & kSettable)) return true;
    if (!SetBasic(handle, nullptr, wanted ? wanted : FILE_ATTRIBUTE_NORMAL))
        return Fail(why, ErrorOfWin32(GetLastError()));
    return true;
}

bool Win32FolderTree::RemoveFile(const std::string& relative, FsError& why) {
    UniqueHandle entry;
    BY_HANDLE_FILE_INFORMATION info;
    if (!OpenEntry(relative, DELETE | FILE_READ_ATTRIBUTES, entry, info, why)) return false;
    const bool link = IsLinkInfo(entry.Get(), info);
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !link)
        return Fail(why, FsError::NotAFolder);
    if (!link && (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY))
        return Fail(why, FsError::AccessDenied);
    return MarkForDeletion(entry.Get(), why);
}

bool Win32FolderTree::RemoveFolder(const std::string& relative, FsError& why) {
    BY_HANDLE_FILE_INFORMATION info;
    if (Components(relative).empty()) {
        if (!rootHandle_.Ok()) return Fail(why, FsError::NotFound);
        if (!GetFileInformationByHandle(rootHandle_.Get(), &info))
            return Fail(why, ErrorOfWin32(GetLastError()));
        if ((info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) ||
            HoldsCurrentDirectory(rootHandle_.Get()))
            return Fail(why, FsError::AccessDenied);
        // The root goes through a new handle on the path the system gives for the open one, and
        // only when that handle is the very folder that was opened (same volume, same file).
        const std::wstring path = FinalPath(rootHandle_.Get());
        UniqueHandle again(CreateFileW(
            path.c_str(), DELETE | FILE_READ_ATTRIBUTES,
            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
            FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        BY_HANDLE_FILE_INFORMATION now;
        if (path.empty() || !again.Ok() || !GetFileInformationByHandle(again.Get(), &now))
            return Fail(why, ErrorOfWin32(GetLastError()));
        if (now.dwVolumeSerialNumber != info.dwVolumeSerialNumber ||
            now.nFileIndexHigh != info.nFileIndexHigh || now.nFileIndexLow != info.nFileIndexLow)
            return Fail(why, FsError::IsLink);
        open_.clear();
        uses_.clear();
        if (!MarkForDeletion(again.Get(), why)) return false;
        rootHandle_.Reset();
        return true;
    }
    UniqueHandle entry;
    if (!OpenEntry(relative, DELETE | FILE_READ_ATTRIBUTES | FILE_LIST_DIRECTORY, entry, info, why))
        return false;
    if (IsLinkInfo(entry.Get(), info)) return Fail(why, FsError::IsLink);
    if (!(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return Fail(why, FsError::NotAFolder);
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) || HoldsCurrentDirectory(entry.Get()))
        return Fail(why, FsError::AccessDenied);
    // A folder can only go once no handle of this tree holds it open.
    Forget(relative);
    return MarkForDeletion(entry.Get(), why);
}

CreateOutcome Win32FolderTree::MakeFolder(const std::string& relative, FsError& why) {
    std::wstring name;
    const HANDLE parent = Parent(relative, name, why);
    if (!parent) return CreateOutcome::Failed;
    const auto holder = [&] {
        why = FsError::Exists;
        UniqueHandle existing;
        BY_HANDLE_FILE_INFORMATION info;
        FsError ignored = FsError::None;
        if (OpenEntry(relative, FILE_READ_ATTRIBUTES, existing, info, ignored) &&
            (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !IsLinkInfo(existing.Get(), info))
            return CreateOutcome::Existed;
        return CreateOutcome::Failed;
    };
    const std::string last = Components(relative).back();
    UniqueHandle folder;
    // A name the creation would refuse may still hold an existing folder; any other is tried at
    // once, an existing entry known by the collision.
    if (!IsCreatableWindowsName(last) || name.size() > 255) {
        if (OpenRelative(parent, name, FILE_READ_ATTRIBUTES, FILE_OPEN, 0, folder) >= 0)
            return holder();
        return Failed(why, FsError::BadName);
    }
    const NTSTATUS status =
        OpenRelative(parent, name, FILE_LIST_DIRECTORY, FILE_CREATE, FILE_DIRECTORY_FILE, folder);
    if (status >= 0) return CreateOutcome::Created;
    // Made by someone else meanwhile: theirs, not ours.
    if (status == kNameCollision) return holder();
    return Failed(why, ErrorOfStatus(status));
}

CreateOutcome Win32FolderTree::CopyFileTo(const std::string& relative, FolderTree& target,
                                          const std::string& targetRelative, FileStamp& stamp,
                                          FsError& why) {
    auto* destination = dynamic_cast<Win32FolderTree*>(&target);
    if (!destination) return Failed(why, FsError::Other);
    std::wstring sourceName;
    const HANDLE sourceParent = Parent(relative, sourceName, why);
    if (!sourceParent) return CreateOutcome::Failed;
    UniqueHandle in;
    NTSTATUS status = OpenRelative(sourceParent, sourceName, GENERIC_READ, FILE_OPEN,
                                   FILE_NON_DIRECTORY_FILE, in);
    if (status < 0) return Failed(why, ErrorOfStatus(status));
    BY_HANDLE_FILE_INFORMATION source;
    if (!GetFileInformationByHandle(in.Get(), &source))
        return Failed(why, ErrorOfWin32(GetLastError()));
    // Never copied through a link: the link itself was opened, and it is refused.
    if (IsLinkInfo(in.Get(), source)) return Failed(why, FsError::IsLink);

    std::wstring name;
    const HANDLE folder = destination->Parent(targetRelative, name, why);
    if (!folder) return CreateOutcome::Failed;
    UniqueHandle existing;
    if (OpenRelative(folder, name, FILE_READ_ATTRIBUTES, FILE_OPEN, 0, existing) >= 0) {
        why = FsError::Exists;
        return CreateOutcome::Existed;
    }
    if (!IsCreatableWindowsName(Components(targetRelative).back()) || name.size() > 255)
        return Failed(why, FsError::BadName);

    // The content goes to a new file of a name of its own first and takes the target's name
    // only when whole, through a rename that never replaces.
    UniqueHandle out;
    const std::wstring temporary = TemporaryName();
    status = OpenRelative(folder, temporary,
                          GENERIC_WRITE | DELETE | FILE_WRITE_ATTRIBUTES | FILE_READ_ATTRIBUTES,
                          FILE_CREATE, FILE_NON_DIRECTORY_FILE, out);
    if (status < 0) return Failed(why, ErrorOfStatus(status));
    const auto discard = [&](FsError error) {
        FsError ignored = FsError::None;
        MarkForDeletion(out.Get(), ignored);
        why = error;
        return CreateOutcome::Failed;
    };
    std::vector<char> buffer(1 << 20);
    std::uint64_t copied = 0;
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(in.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr))
            return discard(ErrorOfWin32(GetLastError()));
        if (read == 0) break;
        DWORD written = 0;
        if (!WriteFile(out.Get(), buffer.data(), read, &written, nullptr) || written != read)
            return discard(ErrorOfWin32(GetLastError()));
        copied += written;
    }
    LARGE_INTEGER lastWrite;
    lastWrite.LowPart = source.ftLastWriteTime.dwLowDateTime;
    lastWrite.HighPart = static_cast<LONG>(source.ftLastWriteTime.dwHighDateTime);
    if (!SetBasic(out.Get(), &lastWrite, 0)) return discard(ErrorOfWin32(GetLastError()));
    FsError renamed = FsError::None;
    if (!RenameInto(out.Get(), folder, name, renamed)) {
        if (renamed == FsError::Exists) {
            discard(FsError::Exists);
            return CreateOutcome::Existed;
        }
        return discard(renamed);
    }
    const DWORD keep = source.dwFileAttributes & kSettable;
    if (keep) SetBasic(out.Get(), nullptr, keep);
    // Read last: the rename and the attributes changed the file's change time.
    if (!StampOfHandle(out.Get(), stamp)) {
        stamp = {};
        stamp.size = copied;
        stamp.modifiedNs = FileTimeToNs(source.ftLastWriteTime);
    }
    return CreateOutcome::Created;
}

CreateOutcome Win32FolderTree::CanCreate(const std::string& relative, FsError& why) {
    const std::vector<std::string> parts = Components(relative);
    if (parts.empty()) {
        why = FsError::Exists;
        return CreateOutcome::Existed;
    }
    // The deepest folder that exists, reached as a walk reaches it: a link or another volume on
    // the way fails here as it would fail the creation.
    HANDLE folder = Folder("", why);
    if (!folder) return CreateOutcome::Failed;
    std::size_t existing = 0;
    for (; existing + 1 < parts.size(); ++existing) {
        FsError opened = FsError::None;
        const HANDLE next = Folder(JoinParts(parts, existing + 1), opened);
        if (!next) {
            if (opened != FsError::NotFound) return Failed(why, opened);
            break;
        }
        folder = next;
    }
    if (existing + 1 == parts.size()) {
        UniqueHandle entry;
        BY_HANDLE_FILE_INFORMATION info;
        FsError opened = FsError::None;
        if (OpenEntry(relative, FILE_READ_ATTRIBUTES, entry, info, opened)) {
            why = FsError::Exists;
            return (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                           !IsLinkInfo(entry.Get(), info)
                       ? CreateOutcome::Existed
                       : CreateOutcome::Failed;
        }
        if (opened != FsError::NotFound) return Failed(why, opened);
    }
    for (std::size_t i = existing; i < parts.size(); ++i) {
        std::wstring wide;
        if (parts[i] == "." || parts[i] == ".." || IsUnaddressableWindowsName(parts[i]) ||
            !IsCreatableWindowsName(parts[i]) || !ToWide(parts[i], wide) || wide.size() > 255)
            return Failed(why, FsError::BadName);
    }
    // Opening the folder again for adding entries proves the right to add them.
    UniqueHandle writable(ReOpenFile(folder, FILE_ADD_SUBDIRECTORY | FILE_ADD_FILE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     FILE_FLAG_BACKUP_SEMANTICS));
    if (!writable.Ok()) return Failed(why, ErrorOfWin32(GetLastError()));
    return CreateOutcome::Created;
}

bool Win32FolderTree::IdentifyFolder(const std::string& relative, FolderIdentity& identity,
                                     FsError& why) {
    // Opened as a walk enters it, so a link or another volume is no folder of the tree.
    const HANDLE folder = Folder(relative, why);
    BY_HANDLE_FILE_INFORMATION info;
    if (!folder) return false;
    if (!GetFileInformationByHandle(folder, &info)) return Fail(why, ErrorOfWin32(GetLastError()));
    identity.volume = info.dwVolumeSerialNumber;
    identity.index = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    identity.ignoresCase = true;
    return true;
}

bool Win32FolderTree::GetFileStamp(const std::string& relative, FileStamp& stamp, FsError& why) {
    UniqueHandle entry;
    BY_HANDLE_FILE_INFORMATION info;
    if (!OpenEntry(relative, FILE_READ_ATTRIBUTES, entry, info, why)) return false;
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return Fail(why, FsError::NotAFolder);
    return StampOfHandle(entry.Get(), stamp) || Fail(why, ErrorOfWin32(GetLastError()));
}

}  // namespace arbovane
