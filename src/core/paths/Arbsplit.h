#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace arbovane {

class FileSystem;
class Text;

// One finding of illegal characters.
struct _tagBadCharsInFolder {
    std::string folder;
    std::string chars;
};

// One finding of too many colons.
struct _tagColonsInFolder {
    std::string folder;
    int colons = 0;
};

// Illegal-character modes: 'F' a single name part typed by the user, 'H' a string of the
// string-list tab, anything else ('N', 'n') a full or relative folder path.
bool FindIllegalChars(char mode, const std::string& text, std::string& found);

std::string NormalisePath(const std::string& text);
std::string NormaliseTypedText(const std::string& text);
bool AnalyseColons(const std::string& text, std::string& message);
bool CheckTextItem(const std::string& text, std::string& normalised, std::string& message);
std::vector<std::string> SplitFullPaths(const std::string& text);
bool CheckFolderName(FileSystem& fs, const std::string& path, std::string& message,
                     bool acceptAnyDrive);
// True when the operation must not run.
bool CheckSameFolder(const Text& text, const std::string& destination, const std::string& source,
                     std::string& message);
// Appends the path to good or bad; false when bad is not empty.
bool ScreenPath(FileSystem& fs, const std::string& text, std::vector<std::string>& good,
                std::vector<std::string>& bad);

// The report functions append to message and return true when they found something.
bool ReportSyntaxErrors(std::string& message, const std::vector<std::string>& lines);
// Lines holding a NUL character, each with it shown as [NUL]: no name holds one, and the host
// would read the path as ending there. Header text: "Error Type: There are NUL characters in the
// Folder Names (total: ".
bool ReportNulCharacters(std::string& message, const std::vector<std::string>& lines);
bool ReportColons(int maxColons, std::string& message, const std::vector<std::string>& lines);
bool ReportNoLeadingBackslash(std::string& message, const std::vector<std::string>& lines);
// Full reports; true when there are errors.
bool CheckRelativePaths(std::string& message, const std::vector<std::string>& lines);
bool CheckFullPaths(std::string& message, const std::vector<std::string>& lines);

std::string FormatSize(std::uint64_t bytes, double& value, std::string& unit);
std::string FormatSize(std::uint64_t bytes);
std::string SummariseList(const std::vector<std::string>& list, std::size_t limit = 35);
unsigned CountSeparators(const std::string& path);
bool StartsWithBackslash(const std::string& text);

}  // namespace arbovane
