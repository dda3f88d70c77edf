#pragma once

#include <cstddef>
#include <string>

namespace arbovane {

class FileSystem;
class Text;

// Longest current directory the program takes (the Windows path limit).
constexpr std::size_t kMaxPathLength = 260;

std::string TrimSpaces(const std::string& text);
// Head gets everything up to and including the first colon, tail the rest; false without a colon.
bool SplitAtColon(const std::string& text, std::string& head, std::string& tail);
bool SplitFolderAndFile(FileSystem& fs, const std::string& path, std::string& name,
                        std::string& folder);
std::string SplitParentAndLast(FileSystem& fs, const std::string& path, std::string& last,
                               bool useFileSystem);
// The extension of the last component without its dot; "noext" and false when there is none.
bool ExtensionOf(const std::string& path, std::string& ext);
std::string ZeroPadNumber(long long number, int width);
std::string ZeroPadText(const std::string& text, int width);
std::string LowerCase(const Text& text, const std::string& value);

// The drive part of a path as Windows extracts it: "d:", or "\\server\share"; empty when none.
std::string ExtractDrive(const std::string& path);
bool HasDrive(const std::string& path);
// Every '/' turned into '\'.
std::string WithBackslashes(std::string path);

bool CaptureCurrentDirectory(FileSystem& fs, std::size_t& length, std::string& path);
bool IsExistingFolder(FileSystem& fs, const std::string& path);
bool HasAtMostSubfolders(FileSystem& fs, std::size_t limit, const std::string& folder);
// The name of a drive-type code, or empty for a code outside the table.
std::string DriveTypeName(int code);
bool LookUpDrive(FileSystem& fs, const std::string& drive, std::string& typeName,
                 bool acceptAlways);

// Restores the captured current directory when it goes out of scope.
class CurrentDirectoryGuard {
public:
    explicit CurrentDirectoryGuard(FileSystem& fs);
    ~CurrentDirectoryGuard();
    CurrentDirectoryGuard(const CurrentDirectoryGuard&) = delete;
    CurrentDirectoryGuard& operator=(const CurrentDirectoryGuard&) = delete;

private:
    FileSystem& fs_;
    std::string saved_;
    bool captured_ = false;
};

}  // namespace arbovane
