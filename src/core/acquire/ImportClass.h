#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/acquire/SplitLine.h"
#include "core/lists/ListMessage.h"

namespace arbovane {

class FileSystem;
class FolderList;
class Text;

// The largest file the import reads: the biggest lists people import are a few tens of megabytes,
// and a file read whole must not exhaust the memory when a wrong file is picked.
constexpr std::uint64_t kImportFileLimit = std::uint64_t{256} << 20;

// Turns a text file into a list of items: one per line, every field of a separated file, or one
// column of it.
class ImportClass {
public:
    enum Mode : int { kLines = 2, kAllFields = 4, kColumn = 5 };
    enum ErrorCode : int { kNoError = 0, kCannotOpen = 2 };

    // The file system must outlive the object. The separator "space" stands for one blank; the
    // quotation mark is kept for the caller, the parsing knows only the double and single quote.
    ImportClass(FileSystem& fs, std::string fileName, int mode, std::string separator,
                std::string quotationMark, bool abandonQuotes);

    void SetColumn(long long column) { column_ = column; }
    void SetSizeLimit(std::uint64_t limit) { sizeLimit_ = limit; }

    // Reads the file and fills the result; false (and message 0313 in Failure) when the file
    // cannot be read or is larger than the size limit.
    bool Run();

    const std::vector<std::string>& Result() const { return result_; }
    int Error() const { return errorCode_; }
    const std::string& ErrorText() const { return errorText_; }
    const ListMessage& Failure() const { return failure_; }
    QuotingStyle Style() const { return style_; }
    const std::string& Separator() const { return separator_; }
    const std::string& QuotationMark() const { return quotationMark_; }

private:
    void ReadLines(std::string_view line);
    void ReadFields(std::string_view line);
    std::string Finished(std::string field) const;

    FileSystem& fs_;
    std::string fileName_;
    int mode_;
    std::string separator_;
    std::string quotationMark_;
    bool abandonQuotes_;
    long long column_ = 1;
    std::uint64_t sizeLimit_ = kImportFileLimit;
    QuotingStyle style_ = QuotingStyle::None;
    std::vector<std::string> result_;
    int errorCode_ = kNoError;
    std::string errorText_;
    ListMessage failure_;
};

// The boxes of the import, by number: "0311", "0312", "0313", "0314", "0450", "0451".
ListMessage ImportMessage(const std::string& number);

// Reads an import source whole; false with the box to show (failed is the number of the box for
// a file that cannot be read, "0312" or "0313": a file over limit, or one holding a NUL byte, gets
// its title with its own text).
bool ReadImportFile(FileSystem& fs, const std::string& path, const std::string& failed,
                    std::string& bytes, ListMessage& failure,
                    std::uint64_t limit = kImportFileLimit);

// The column field's text as a number, any fraction dropped; false when it is no number.
bool ColumnNumberFrom(const std::string& text, long long& column);

// Calls fn for every line of a file read in text mode: CR LF, LF and a lone CR each end a line,
// and a last line without an end counts. A UTF-8 byte-order mark is no part of the first line.
template <typename Fn>
void ForEachTextLine(std::string_view bytes, Fn&& fn) {
    std::size_t start = bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    while (start < bytes.size()) {
        auto end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = bytes.size();
        fn(bytes.substr(start, end - start));
        start = end + 1;
        if (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n') ++start;
    }
}

// An item as the import keeps it: every control character (a tab, a stray carriage return)
// turned into a blank, then trimmed of blanks. No item carries a control character into a list.
std::string ImportItemText(std::string_view text);

// The separators offered when the program settings hold none, in their order.
const std::vector<std::string>& ImportBuiltInSeparators();
// The entries of the delimiter combo box: the stored list, or the built-in separators lower-cased
// and trimmed when it is empty; each only once, letter case ignored.
std::vector<std::string> ImportSeparatorEntries(const Text& text,
                                                const std::vector<std::string>& stored);
// The mode the radio buttons choose.
int ImportModeFor(bool plainText, bool allColumns, bool oneColumn);
// The delimiter combo box's text as the separator: trimmed, a single blank when nothing is left.
std::string ImportSeparatorFrom(const std::string& comboText);
// A source line as the preview of the file shows it: at most 2048 characters, never cutting one;
// bytes that are no UTF-8 count one each and stay.
std::string SourceLineOf(std::string_view line);
// Every extension other than "txt" (letter case ignored) asks first, a missing one too.
bool AsksAboutExtension(const Text& text, const std::string& path);
// Adds the item trimmed, unless it trims to empty or the preview holds it; true when added.
bool AddToPreview(FolderList& preview, const std::string& item);
// The OK of the preview's edit window: the preview is rebuilt from the lines that do not trim to
// empty, normalised, each once.
void ParseBackPreview(FolderList& preview, const std::vector<std::string>& lines);

// Checks of the preview before the receiving tab imports it; true when they found errors.
bool CheckImportFull(std::string& message, const std::vector<std::string>& lines);
bool CheckImportRelative(std::string& message, const std::vector<std::string>& lines);

}  // namespace arbovane
