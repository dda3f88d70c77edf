#include "platform/win32/Win32FileSystem.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <random>

#include "platform/Text.h"
#include "platform/shared/WindowsNames.h"
#include "platform/shared/WindowsPathParts.h"
#include "platform/shared/WindowsPattern.h"
#include "platform/win32/NtFile.h"
#include "platform/win32/Wide.h"
#include "platform/win32/Win32FolderTree.h"

namespace arbovane {

namespace {

constexpr DWORD kNoAttributes = INVALID_FILE_ATTRIBUTES;
// The attributes SetFileAttributesW takes.
constexpr DWORD kSettable = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                            FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                            FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

DWORD AttributesOf(const std::wstring& full) {
    return GetFileAttributesW(full.c_str());
}

// The reparse tag of an entry that is a reparse point, the entry itself, never what it points
// to.
DWORD ReparseTagOf(const std::wstring& full) {
    WIN32_FIND_DATAW data;
    const HANDLE find =
        FindFirstFileExW(full.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr, 0);
    if (find == INVALID_HANDLE_VALUE) return 0;
    FindClose(find);
    return (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? data.dwReserved0 : 0;
}

bool IsLinkEntry(const std::wstring& full, DWORD attributes) {
    return attributes != kNoAttributes && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
           IsLinkTag(ReparseTagOf(full));
}

// Whether the path, links followed, is a folder.
bool LeadsToFolder(const std::wstring& full) {
    UniqueHandle handle(CreateFileW(full.c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    return handle.Ok() && GetFileInformationByHandle(handle.Get(), &info) &&
           (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The path as Win32 calls without the prefix take it.
std::wstring WithoutPrefix(const std::wstring& full) {
    if (full.compare(0, 8, L"\\\\?\\UNC\\") == 0) return L"\\" + full.substr(7);
    if (full.compare(0, 4, L"\\\\?\\") == 0) return full.substr(4);
    return full;
}

bool CurrentDirectory(std::wstring& path) {
    DWORD size = GetCurrentDirectoryW(0, nullptr);
    for (int attempt = 0; attempt < 4 && size > 0; ++attempt) {
        path.assign(size, L'\0');
        const DWORD used = GetCurrentDirectoryW(size, path.data());
        if (used < size) {
            path.resize(used);
            return true;
        }
        size = used;
    }
    return false;
}

std::wstring Sibling(const std::wstring& folder) {
    static std::mt19937_64 random{std::random_device{}()};
    wchar_t tail[32];
    swprintf(tail, 32, L".~%016llx", static_cast<unsigned long long>(random()));
    return folder + L"\\" + tail;
}

// A journal's pieces, each written through at once.
class Win32AppendFile : public AppendFile {
public:
    explicit Win32AppendFile(UniqueHandle file) : file_(std::move(file)) {}
    bool Append(const std::string& text) override;
    bool Sync() override { return FlushFileBuffers(file_.Get()) != 0; }

private:
    UniqueHandle file_;
};

bool WriteAll(HANDLE file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

bool Win32AppendFile::Append(const std::string& text) {
    return WriteAll(file_.Get(), text);
}

// A copy or temporary file that did not come out whole goes, read-only or not.
void Discard(const std::wstring& full) {
    SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(full.c_str());
}

}  // namespace

std::wstring Win32FileSystem::Native::Prefix(std::size_t count) const {
    std::wstring out = full.substr(0, rootSize);
    for (std::size_t i = 0; i < count && i < names.size(); ++i) {
        if (out.back() != L'\\') out += L'\\';
        out += names[i];
    }
    return out;
}

Win32FileSystem::Win32FileSystem(const Text& text) : text_(text) {}

void Win32FileSystem::MapDrive(char letter, const std::string& folder) {
    if (!std::isalpha(static_cast<unsigned char>(letter))) return;
    WindowsPathParts parts;
    if (!SplitWindowsPath(folder, parts) ||
        (parts.anchor != PathAnchor::kDriveRoot && parts.anchor != PathAnchor::kShareRoot))
        return;
    std::string text =
        parts.anchor == PathAnchor::kDriveRoot ? std::string(1, parts.letter) + ":" : parts.share;
    for (const auto& name : parts.components) text += "\\" + name;
    drives_[static_cast<char>(std::toupper(static_cast<unsigned char>(letter)))] = text;
}

void Win32FileSystem::UnmapDrive(char letter) {
    drives_.erase(static_cast<char>(std::toupper(static_cast<unsigned char>(letter))));
}

bool Win32FileSystem::Absolute(const std::string& path, std::string& absolute) const {
    WindowsPathParts parts;
    if (!SplitWindowsPath(path, parts)) return false;
    std::string root;
    std::vector<std::string> names;
    const auto fromCurrent = [&](bool wholePath) {
        std::string current;
        WindowsPathParts here;
        if (!const_cast<Win32FileSystem*>(this)->ReadCurrentDirectory(current) ||
            !SplitWindowsPath(current, here))
            return false;
        root =
            here.anchor == PathAnchor::kShareRoot ? here.share : std::string(1, here.letter) + ":";
        if (wholePath) names = here.components;
        return true;
    };
    switch (parts.anchor) {
        case PathAnchor::kDriveRoot:
            root = std::string(1, parts.letter) + ":";
            break;
        case PathAnchor::kDriveCurrent: {
            root = std::string(1, parts.letter) + ":";
            std::string current;
            WindowsPathParts here;
            if (const_cast<Win32FileSystem*>(this)->ReadCurrentDirectory(current) &&
                SplitWindowsPath(current, here) && here.anchor == PathAnchor::kDriveRoot &&
                here.letter == parts.letter)
                names = here.components;
            break;
        }
        case PathAnchor::kShareRoot:
            root = parts.share;
            break;
        case PathAnchor::kCurrentDriveRoot:
            if (!fromCurrent(false)) return false;
            break;
        case PathAnchor::kCurrentDirectory:
            if (!fromCurrent(true)) return false;
            break;
    }
    for (auto& name : parts.components) {
        if (name == "..") {
            if (!names.empty()) names.pop_back();
        } else {
            names.push_back(std::move(name));
        }
    }
    absolute = root;
    for (const auto& name : names) absolute += "\\" + name;
    if (names.empty()) absolute += "\\";
    return true;
}

std::optional<Win32FileSystem::Native> Win32FileSystem::Resolve(const std::string& path,
                                                                FsError* why) const {
    const auto fail = [&](FsError error) -> std::optional<Native> {
        if (why) *why = error;
        return std::nullopt;
    };
    std::string absolute;
    if (!Absolute(path, absolute)) return fail(FsError::BadName);
    WindowsPathParts parts;
    if (!SplitWindowsPath(absolute, parts)) return fail(FsError::BadName);
    std::string root;
    if (parts.anchor == PathAnchor::kShareRoot) {
        root = parts.share;
    } else {
        const auto mapped = drives_.find(parts.letter);
        root = mapped != drives_.end() ? mapped->second : std::string(1, parts.letter) + ":\\";
    }
    Native native;
    std::wstring wideRoot;
    if (!ToWide(root, wideRoot)) return fail(FsError::BadName);
    native.full = wideRoot.compare(0, 2, L"\\\\") == 0 ? L"\\\\?\\UNC\\" + wideRoot.substr(2)
                                                       : L"\\\\?\\" + wideRoot;
    native.rootSize = native.full.size();
    for (const auto& name : parts.components) {
        std::wstring wide;
        if (!ToWide(name, wide)) return fail(FsError::BadName);
        if (native.full.back() != L'\\') native.full += L'\\';
        native.full += wide;
        native.names.push_back(std::move(wide));
    }
    if (native.full.size() >= 32767) return fail(FsError::NameTooLong);
    return native;
}

std::optional<std::string> Win32FileSystem::ToHostPath(const std::string& windowsPath) const {
    const auto native = Resolve(windowsPath);
    if (!native) return std::nullopt;
    return ToUtf8(WithoutPrefix(native->full));
}

std::optional<std::string> Win32FileSystem::ToWindowsPath(const std::string& hostPath) const {
    std::wstring wide;
    if (!ToWide(hostPath, wide)) return std::nullopt;
    std::replace(wide.begin(), wide.end(), L'/', L'\\');
    const std::string text = ToUtf8(WithoutPrefix(wide));
    const std::pair<const char, std::string>* best = nullptr;
    for (const auto& mapping : drives_) {
        const std::string& folder = mapping.second;
        if (text.size() < folder.size() || (best && folder.size() <= best->second.size())) continue;
        if (text.size() > folder.size() && text[folder.size()] != '\\') continue;
        if (!text_.EqualsNoCase(text.substr(0, folder.size()), folder)) continue;
        best = &mapping;
    }
    if (!best) return text;
    std::string rest = text.substr(best->second.size());
    if (rest.empty()) rest.assign(1, '\\');
    return std::string(1, best->first) + ":" + rest;
}

bool Win32FileSystem::HoldsCurrentDirectory(const std::wstring& full) {
    std::wstring current;
    if (!CurrentDirectory(current)) return false;
    current = WithoutPrefix(current);
    std::wstring folder = WithoutPrefix(full);
    while (folder.size() > 3 && folder.back() == L'\\') folder.pop_back();
    while (current.size() > 3 && current.back() == L'\\') current.pop_back();
    if (current.size() < folder.size()) return false;
    if (current.size() > folder.size() && current[folder.size()] != L'\\') return false;
    return CompareStringOrdinal(current.c_str(), static_cast<int>(folder.size()), folder.c_str(),
                                static_cast<int>(folder.size()), TRUE) == CSTR_EQUAL;
}

bool Win32FileSystem::IsFolder(const std::string& path) {
    const auto native = Resolve(path);
    if (!native) return false;
    const DWORD attributes = AttributesOf(native->full);
    if (attributes == kNoAttributes || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    return !(attributes & FILE_ATTRIBUTE_REPARSE_POINT) || LeadsToFolder(native->full);
}

bool Win32FileSystem::IsFile(const std::string& path) {
    const auto native = Resolve(path);
    if (!native) return false;
    const DWORD attributes = AttributesOf(native->full);
    if (attributes == kNoAttributes) return false;
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    return !LeadsToFolder(native->full);
}

bool Win32FileSystem::IsLink(const std::string& path) {
    const auto native = Resolve(path);
    return native && !native->IsRoot() && IsLinkEntry(native->full, AttributesOf(native->full));
}

bool Win32FileSystem::Exists(const std::string& path, FsError& why) {
    const auto native = Resolve(path, &why);
    if (!native) {
        if (why == FsError::BadName) why = FsError::NotFound;
        return false;
    }
    if (AttributesOf(native->full) != kNoAttributes) return true;
    why = ErrorOfWin32(GetLastError());
    return false;
}

bool Win32FileSystem::GetAttributes(const std::string& path, std::uint32_t& attributes) {
    const auto native = Resolve(path);
    if (!native) return false;
    const DWORD own = AttributesOf(native->full);
    if (own == kNoAttributes) return false;
    attributes = own;
    return true;
}

bool Win32FileSystem::SameEntry(const std::string& a, const std::string& b) {
    return a == b || text_.EqualsNoCase(a, b);
}

bool Win32FileSystem::Enumerate(const std::string& folderAndPattern, const EntryVisitor& visit) {
    std::string text = folderAndPattern;
    std::replace(text.begin(), text.end(), '/', '\\');
    std::string folder, pattern;
    const auto slash = text.rfind('\\');
    if (slash != std::string::npos) {
        folder = text.substr(0, slash + 1);
        pattern = text.substr(slash + 1);
    } else if (text.size() >= 2 && text[1] == ':') {
        folder = text.substr(0, 2);
        pattern = text.substr(2);
    } else {
        folder = ".";
        pattern = text;
    }
    const auto native = Resolve(folder);
    std::wstring widePattern;
    if (!native || !ToWide(pattern, widePattern)) return false;
    const DWORD here = AttributesOf(native->full);
    if (here == kNoAttributes || !(here & FILE_ATTRIBUTE_DIRECTORY)) return false;
    if (widePattern.empty()) return true;
    std::wstring search = native->full;
    if (search.back() != L'\\') search += L'\\';
    search += widePattern;

    WIN32_FIND_DATAW data;
    const HANDLE find = FindFirstFileExW(search.c_str(), FindExInfoBasic, &data,
                                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES;
    }
    std::vector<DirEntry> entries;
    do {
        const std::wstring_view name(data.cFileName);
        if (name == L"." || name == L"..") continue;
        DirEntry entry;
        entry.name = ToUtf8(name);
        entry.attributes = data.dwFileAttributes;
        entry.isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        const bool reparse = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        entry.isLink = reparse && IsLinkTag(data.dwReserved0);
        entry.isMountPoint = reparse && data.dwReserved0 == IO_REPARSE_TAG_MOUNT_POINT;
        entry.unaddressable = IsUnaddressableWindowsName(entry.name);
        entry.size = entry.isFolder ? 0
                                    : (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) |
                                          data.nFileSizeLow;
        entries.push_back(std::move(entry));
    } while (FindNextFileW(find, &data));
    FindClose(find);

    // Name order ignoring case, the bytes breaking ties, so every run sees the same sequence.
    std::sort(entries.begin(), entries.end(), [this](const DirEntry& a, const DirEntry& b) {
        const int order = text_.CompareNoCase(a.name, b.name);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    for (const DirEntry& entry : entries)
        if (!visit(entry)) break;
    return true;
}

std::unique_ptr<FolderTree> Win32FileSystem::OpenTree(const std::string& root, FsError& why,
                                                      bool refuseLinkRoot) {
    const auto native = Resolve(root, &why);
    if (!native) {
        why = FsError::NotFound;
        return nullptr;
    }
    return Win32FolderTree::Open(text_, root, native->full, refuseLinkRoot, why);
}

bool Win32FileSystem::ReadWholeFile(const std::string& path, std::string& bytes) {
    return ReadFileUpTo(path, ~std::uint64_t{0}, bytes) == ReadOutcome::Read;
}

FileSystem::ReadOutcome Win32FileSystem::ReadFileUpTo(const std::string& path, std::uint64_t limit,
                                                      std::string& bytes) {
    const auto native = Resolve(path);
    if (!native) return ReadOutcome::Failed;
    UniqueHandle file(CreateFileW(native->full.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!file.Ok() || GetFileType(file.Get()) != FILE_TYPE_DISK ||
        !GetFileInformationByHandle(file.Get(), &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return ReadOutcome::Failed;
    const std::uint64_t size =
        (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    std::string data;
    data.reserve(static_cast<std::size_t>(std::min(size, limit)));
    char buffer[1 << 16];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr))
            return ReadOutcome::Failed;
        if (read == 0) break;
        if (data.size() + read > limit) {
            // Never more than the limit in memory, whatever the file holds.
            data.append(buffer, static_cast<std::size_t>(limit - data.size()));
            bytes = std::move(data);
            return ReadOutcome::TooLarge;
        }
        data.append(buffer, read);
    }
    bytes = std::move(data);
    return ReadOutcome::Read;
}

bool Win32FileSystem::ConfigurationFolder(std::string& path) {
    // %APPDATA%\arbovane, the roaming folder of the user's program settings.
    const wchar_t* appData = _wgetenv(L"APPDATA");
    if (!appData || !*appData) return false;
    // Named by its drive letter where a drive table maps one onto it, as every other path is.
    const auto folder = ToWindowsPath(ToUtf8(appData) + "\\arbovane");
    if (!folder || !CreateFolderTree(*folder) || !IsFolder(*folder)) return false;
    path = *folder;
    return true;
}

bool Win32FileSystem::WriteWholeFile(const std::string& path, const std::string& bytes) {
    const auto native = Resolve(path);
    if (!native || native->IsRoot()) return false;
    const DWORD attributes = AttributesOf(native->full);
    const auto writeNew = [&](const std::wstring& full) {
        UniqueHandle file(CreateFileW(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.Ok()) return false;
        const bool ok = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
        file.Reset();
        if (!ok) Discard(full);
        return ok;
    };
    if (attributes == kNoAttributes) {
        if (!IsCreatableWindowsName(ToUtf8(native->names.back()))) return false;
        return writeNew(native->full);
    }
    // Windows refuses to write a read-only file, whoever asks.
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) return false;
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        // The new content goes to a sibling first and replaces the old file in one step, so a
        // write that fails half way (a full disk) leaves the old file whole.
        const std::wstring temporary = Sibling(native->Prefix(native->names.size() - 1));
        if (writeNew(temporary)) {
            if (MoveFileExW(temporary.c_str(), native->full.c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
                return true;
            Discard(temporary);
            return false;
        }
    }
    // A link is written through; so is a file in a folder that takes no new entries.
    UniqueHandle file(CreateFileW(native->full.c_str(), GENERIC_WRITE, 0, nullptr,
                                  TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.Ok() && GetFileType(file.Get()) == FILE_TYPE_DISK && WriteAll(file.Get(), bytes);
}

std::unique_ptr<AppendFile> Win32FileSystem::OpenAppendFile(const std::string& path, bool truncate,
                                                            FsError& why) {
    const auto native = Resolve(path);
    if (!native || native->IsRoot()) {
        why = FsError::NotFound;
        return nullptr;
    }
    UniqueHandle file(CreateFileW(native->full.c_str(), FILE_APPEND_DATA | SYNCHRONIZE,
                                  FILE_SHARE_READ, nullptr, truncate ? CREATE_ALWAYS : OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Ok()) {
        why = ErrorOfWin32(GetLastError());
        return nullptr;
    }
    return std::make_unique<Win32AppendFile>(std::move(file));
}

bool Win32FileSystem::CreateFolderTree(const std::string& path) {
    const auto native = Resolve(path);
    if (!native) return false;
    std::size_t existing = native->names.size();
    while (existing > 0 && AttributesOf(native->Prefix(existing)) == kNoAttributes) --existing;
    // Everything that can be checked is checked first, so a refused path creates nothing.
    for (std::size_t i = existing; i < native->names.size(); ++i)
        if (!IsCreatableWindowsName(ToUtf8(native->names[i])) || native->names[i].size() > 255)
            return false;
    for (std::size_t i = existing; i < native->names.size(); ++i) {
        if (!CreateDirectoryW(native->Prefix(i + 1).c_str(), nullptr) &&
            GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
    }
    const DWORD attributes = AttributesOf(native->full);
    return attributes != kNoAttributes && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

CreateOutcome Win32FileSystem::CanCreate(const std::string& path, FsError& why) {
    const auto native = Resolve(path, &why);
    if (!native) return CreateOutcome::Failed;
    if (native->IsRoot()) {
        why = FsError::Exists;
        return CreateOutcome::Existed;
    }
    std::size_t existing = native->names.size();
    while (existing > 0 && AttributesOf(native->Prefix(existing)) == kNoAttributes) --existing;
    if (existing == native->names.size()) {
        why = FsError::Exists;
        const DWORD attributes = AttributesOf(native->full);
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) && !IsLinkEntry(native->full, attributes)
                   ? CreateOutcome::Existed
                   : CreateOutcome::Failed;
    }
    for (std::size_t i = existing; i < native->names.size(); ++i) {
        if (!IsCreatableWindowsName(ToUtf8(native->names[i])) || native->names[i].size() > 255) {
            why = FsError::BadName;
            return CreateOutcome::Failed;
        }
    }
    // Opening the deepest existing folder for adding entries proves the right to add them.
    UniqueHandle folder(CreateFileW(native->Prefix(existing).c_str(),
                                    FILE_ADD_SUBDIRECTORY | FILE_ADD_FILE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!folder.Ok() || !GetFileInformationByHandle(folder.Get(), &info)) {
        why = ErrorOfWin32(GetLastError());
        return CreateOutcome::Failed;
    }
    if (!(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        why = FsError::NotAFolder;
        return CreateOutcome::Failed;
    }
    return CreateOutcome::Created;
}

bool Win32FileSystem::IdentifyFolder(const std::string& path, FolderIdentity& identity,
                                     FsError& why) {
    const auto native = Resolve(path, &why);
    if (!native) return false;
    UniqueHandle handle(CreateFileW(native->full.c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!handle.Ok() || !GetFileInformationByHandle(handle.Get(), &info)) {
        why = ErrorOfWin32(GetLastError());
        return false;
    }
    if (!(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        why = FsError::NotAFolder;
        return false;
    }
    identity.volume = info.dwVolumeSerialNumber;
    identity.index = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    identity.ignoresCase = true;
    return true;
}

bool Win32FileSystem::MatchesPattern(const std::string& pattern, const std::string& name) {
    return MatchesWindowsPattern(text_, pattern, name);
}

CreateOutcome Win32FileSystem::CreateFolder(const std::string& path) {
    const auto native = Resolve(path);
    if (!native || native->IsRoot()) return CreateOutcome::Failed;
    const auto holder = [&] {
        const DWORD attributes = AttributesOf(native->full);
        const bool folder = attributes != kNoAttributes &&
                            (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
                            !IsLinkEntry(native->full, attributes);
        return folder ? CreateOutcome::Existed : CreateOutcome::Failed;
    };
    if (AttributesOf(native->full) != kNoAttributes) return holder();
    const DWORD parent = AttributesOf(native->Prefix(native->names.size() - 1));
    if (parent == kNoAttributes || !(parent & FILE_ATTRIBUTE_DIRECTORY) ||
        !IsCreatableWindowsName(ToUtf8(native->names.back())) || native->names.back().size() > 255)
        return CreateOutcome::Failed;
    if (CreateDirectoryW(native->full.c_str(), nullptr)) return CreateOutcome::Created;
    // Made by someone else meanwhile: theirs, not ours.
    return GetLastError() == ERROR_ALREADY_EXISTS ? holder() : CreateOutcome::Failed;
}

bool Win32FileSystem::RemoveEmptyFolder(const std::string& path) {
    const auto native = Resolve(path);
    if (!native || native->IsRoot()) return false;
    const DWORD attributes = AttributesOf(native->full);
    if (attributes == kNoAttributes || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    // A link goes as the entry it is; the folder it points to stays as it is.
    if (!IsLinkEntry(native->full, attributes)) {
        if (attributes & FILE_ATTRIBUTE_READONLY) return false;
        if (HoldsCurrentDirectory(native->full)) return false;
    }
    return RemoveDirectoryW(native->full.c_str()) != 0;
}

bool Win32FileSystem::RemoveFile(const std::string& path) {
    const auto native = Resolve(path);
    if (!native || native->IsRoot()) return false;
    const DWORD attributes = AttributesOf(native->full);
    if (attributes == kNoAttributes) return false;
    const bool link = IsLinkEntry(native->full, attributes);
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        return link && RemoveDirectoryW(native->full.c_str()) != 0;
    }
    if (!link && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
    return DeleteFileW(native->full.c_str()) != 0;
}

bool Win32FileSystem::CopyFileNoOverwrite(const std::string& source, const std::string& target) {
    FileStamp stamp;
    return CopyNewFile(source, target, stamp) == CreateOutcome::Created;
}

CreateOutcome Win32FileSystem::CopyNewFile(const std::string& source, const std::string& target,
                                           FileStamp& stamp) {
    const auto from = Resolve(source);
    const auto to = Resolve(target);
    if (!from || from->IsRoot() || !to || to->IsRoot()) return CreateOutcome::Failed;
    const DWORD sourceAttributes = AttributesOf(from->full);
    if (sourceAttributes == kNoAttributes || (sourceAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
        IsLinkEntry(from->full, sourceAttributes))
        return CreateOutcome::Failed;
    if (AttributesOf(to->full) != kNoAttributes) return CreateOutcome::Existed;
    const std::wstring folder = to->Prefix(to->names.size() - 1);
    const DWORD parent = AttributesOf(folder);
    if (parent == kNoAttributes || !(parent & FILE_ATTRIBUTE_DIRECTORY) ||
        !IsCreatableWindowsName(ToUtf8(to->names.back())) || to->names.back().size() > 255)
        return CreateOutcome::Failed;
    // The whole copy is made under a name of its own and only then takes the target's name, so
    // the target never shows a part of the content. A source swapped for a link meanwhile is
    // copied as the link, never as what it points to, and then discarded.
    const std::wstring temporary = Sibling(folder);
    if (!CopyFileExW(from->full.c_str(), temporary.c_str(), nullptr, nullptr, nullptr,
                     COPY_FILE_FAIL_IF_EXISTS | COPY_FILE_COPY_SYMLINK)) {
        if (GetLastError() != ERROR_FILE_EXISTS) Discard(temporary);
        return CreateOutcome::Failed;
    }
    if (AttributesOf(temporary) & FILE_ATTRIBUTE_REPARSE_POINT) {
        Discard(temporary);
        return CreateOutcome::Failed;
    }
    if (!MoveFileExW(temporary.c_str(), to->full.c_str(), MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        Discard(temporary);
        return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? CreateOutcome::Existed
                                                                           : CreateOutcome::Failed;
    }
    GetFileStamp(target, stamp);
    return CreateOutcome::Created;
}

bool Win32FileSystem::GetFileStamp(const std::string& path, FileStamp& stamp) {
    const auto native = Resolve(path);
    if (!native) return false;
    // The entry itself, a link not followed; reading its attributes needs no other access.
    UniqueHandle file(
        CreateFileW(native->full.c_str(), FILE_READ_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    return file.Ok() && StampOfHandle(file.Get(), stamp, false);
}

bool Win32FileSystem::GetEntryStamp(const std::string& path, FileStamp& stamp) {
    const auto native = Resolve(path);
    if (!native) return false;
    UniqueHandle entry(
        CreateFileW(native->full.c_str(), FILE_READ_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    return entry.Ok() && StampOfHandle(entry.Get(), stamp, true);
}

bool Win32FileSystem::MoveFolderNoReplace(const std::string& source, const std::string& target) {
    const auto from = Resolve(source);
    const auto to = Resolve(target);
    if (!from || from->IsRoot() || !to || to->IsRoot()) return false;
    const DWORD attributes = AttributesOf(from->full);
    if (attributes == kNoAttributes || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    const bool link = IsLinkEntry(from->full, attributes);
    if (!link && !LeadsToFolder(from->full)) return false;
    if (!IsCreatableWindowsName(ToUtf8(to->names.back()))) return false;
    if (AttributesOf(to->full) != kNoAttributes) {
        // Only the source itself under another letter case may stand there: Windows renames it
        // to the new spelling.
        const bool itself =
            from->full.size() == to->full.size() &&
            CompareStringOrdinal(from->full.c_str(), static_cast<int>(from->full.size()),
                                 to->full.c_str(), static_cast<int>(to->full.size()),
                                 TRUE) == CSTR_EQUAL;
        if (!itself || from->names.back() == to->names.back()) return false;
    }
    if (!link && HoldsCurrentDirectory(from->full)) return false;
    // No MOVEFILE_REPLACE_EXISTING: an existing target, an empty folder too, is never replaced;
    // no MOVEFILE_COPY_ALLOWED: a folder never moves to another volume by a copy.
    return MoveFileExW(from->full.c_str(), to->full.c_str(), 0) != 0;
}

bool Win32FileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
    const auto native = Resolve(path);
    if (!native) return false;
    const DWORD own = AttributesOf(native->full);
    if (own == kNoAttributes) return false;
    // A link has no attributes worth changing, and what it points to may lie outside the tree.
    if (IsLinkEntry(native->full, own)) return true;
    const DWORD wanted = attributes & kSettable;
    if (wanted == (own & kSettable)) return true;
    return SetFileAttributesW(native->full.c_str(), wanted ? wanted : FILE_ATTRIBUTE_NORMAL) != 0;
}

bool Win32FileSystem::FreeBytesForUser(const std::string& path, std::uint64_t& bytes) {
    const auto native = Resolve(path);
    if (!native) return false;
    std::size_t existing = native->names.size();
    while (existing > 0 && AttributesOf(native->Prefix(existing)) == kNoAttributes) --existing;
    std::wstring folder = native->Prefix(existing);
    if (folder.back() != L'\\') folder += L'\\';
    ULARGE_INTEGER available, total, free;
    if (!GetDiskFreeSpaceExW(folder.c_str(), &available, &total, &free)) return false;
    bytes = available.QuadPart;
    return true;
}

bool Win32FileSystem::VolumeId(const std::string& path, std::uint64_t& id) {
    const auto native = Resolve(path);
    if (!native) return false;
    std::size_t existing = native->names.size();
    while (existing > 0 && AttributesOf(native->Prefix(existing)) == kNoAttributes) --existing;
    UniqueHandle handle(CreateFileW(native->Prefix(existing).c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!handle.Ok() || !GetFileInformationByHandle(handle.Get(), &info)) return false;
    id = info.dwVolumeSerialNumber;
    return true;
}

std::vector<LogicalDrive> Win32FileSystem::LogicalDrives() {
    std::vector<LogicalDrive> drives;
    const DWORD present = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        const char letter = static_cast<char>('A' + i);
        if (!(present & (1u << i)) && !drives_.count(letter)) continue;
        drives.push_back({letter, DriveType(std::string(1, letter) + ":\\")});
    }
    return drives;
}

int Win32FileSystem::DriveType(const std::string& root) {
    WindowsPathParts parts;
    if (!SplitWindowsPath(root, parts) || !parts.components.empty()) return kDriveNoRootDir;
    std::string systemRoot;
    switch (parts.anchor) {
        case PathAnchor::kDriveRoot:
        case PathAnchor::kDriveCurrent: {
            const auto mapped = drives_.find(parts.letter);
            if (mapped != drives_.end()) {
                if (AttributesOf(L"\\\\?\\" + [&] {
                        std::wstring wide;
                        ToWide(mapped->second, wide);
                        return wide;
                    }()) == kNoAttributes)
                    return kDriveNoRootDir;
                WindowsPathParts folder;
                SplitWindowsPath(mapped->second, folder);
                systemRoot = folder.anchor == PathAnchor::kShareRoot
                                 ? folder.share + "\\"
                                 : std::string(1, folder.letter) + ":\\";
            } else {
                systemRoot = std::string(1, parts.letter) + ":\\";
            }
            break;
        }
        case PathAnchor::kShareRoot:
            systemRoot = parts.share + "\\";
            break;
        case PathAnchor::kCurrentDriveRoot: {
            std::string current;
            if (!ReadCurrentDirectory(current) || current.size() < 2 || current[1] != ':')
                return kDriveNoRootDir;
            return DriveType(current.substr(0, 2) + "\\");
        }
        case PathAnchor::kCurrentDirectory:
            return kDriveNoRootDir;
    }
    std::wstring wide;
    if (!ToWide(systemRoot, wide)) return kDriveNoRootDir;
    return static_cast<int>(GetDriveTypeW(wide.c_str()));
}

bool Win32FileSystem::ReadCurrentDirectory(std::string& path) {
    std::wstring current;
    if (!CurrentDirectory(current)) return false;
    const auto windows = ToWindowsPath(ToUtf8(current));
    if (!windows) return false;
    path = *windows;
    return true;
}

bool Win32FileSystem::MakeCurrentDirectory(const std::string& path) {
    const auto native = Resolve(path);
    if (!native || !LeadsToFolder(native->full)) return false;
    std::wstring folder = WithoutPrefix(native->full);
    if (folder.back() != L'\\') folder += L'\\';
    return SetCurrentDirectoryW(folder.c_str()) != 0;
}

}  // namespace arbovane
