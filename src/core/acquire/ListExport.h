#pragma once

#include <string>
#include <vector>

namespace arbovane {

class FileSystem;
class Text;

// The two ways the export dialog rebuilds its source list from the lines it was given.
enum class ExportLinesChoice {
    Unmodified,
    AsFolderTemplates,  // each line without its drive part
};

enum class ExportType {
    PlainTextFile,     // one line per entry, each ended by CR LF
    CsvSeparatedFile,  // every entry followed by the delimiter, all on one line
};

struct ExportFormat {
    ExportType type = ExportType::PlainTextFile;
    bool quotationMarks = false;
    std::string delimiter;  // as typed in the combo box; trimmed here
};

// The delimiters offered when the program settings hold no separators, in their order.
const std::vector<std::string>& BuiltInDelimiters();
// The entries of the delimiter combo box: the settings' separators, or the built-in delimiters
// when there are none; each only once, letter case ignored.
std::vector<std::string> DelimiterEntries(const Text& text,
                                          const std::vector<std::string>& separators);

// The lines in order, each kept only the first time it occurs with any letter case.
std::vector<std::string> UniqueLines(const Text& text, const std::vector<std::string>& lines);
// The same, reusing the lines given instead of copying them.
std::vector<std::string> UniqueLines(const Text& text, std::vector<std::string>&& lines);
// The lines in order, each kept only the first time it names its entry, as fs decides (the
// lists of folders keep them so).
std::vector<std::string> UniqueEntryLines(const Text& text, FileSystem& fs,
                                          std::vector<std::string>&& lines);
// One given line as the chosen rebuild shows it: "As Folder Templates" keeps what follows the
// first colon (a line without one stays whole).
std::string SourceLineFor(ExportLinesChoice choice, const std::string& given);
// The source list rebuilt from the given lines: each line transformed, then de-duplicated.
std::vector<std::string> RebuildSourceLines(const Text& text, FileSystem& fs,
                                            const std::vector<std::string>& given,
                                            ExportLinesChoice choice);

// The content kind as it is compared: trimmed and upper-cased.
std::string ContentKindKey(const std::string& contentKind);
bool IsStringsContent(const std::string& contentKind);
// Only "FOLDERS" and "STRINGS" lists are written; any other kind gives an empty file.
bool WritesContent(const std::string& contentKind);
// Plain strings cannot lose a drive part, so they are always rebuilt unmodified.
ExportLinesChoice ChoiceForContent(const std::string& contentKind, ExportLinesChoice choice);

// The typed delimiter, trimmed; exactly "space" stands for one blank.
std::string DelimiterText(const std::string& typed);
// The bytes one line contributes to the file.
std::string ExportRecord(const std::string& line, const ExportFormat& format);
// The whole file.
std::string ExportBytes(const std::vector<std::string>& lines, const ExportFormat& format,
                        const std::string& contentKind);

}  // namespace arbovane
