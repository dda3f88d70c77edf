#include "core/acquire/ImportClass.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

#include "core/acquire/ListExport.h"
#include "core/lists/FolderList.h"
#include "core/paths/Arbsplit.h"
#include "core/paths/BlankTrim.h"
#include "core/paths/CharacterCount.h"
#include "core/paths/PathText.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace arbovane {

namespace {

const char* const kOpenFailedText =
    "There was a problem opening the file !\nAction : The file is maybe corrupted.";

const ListMessage kImportMessages[] = {
    {"0311",
     "The file extension is not txt.\nMaybe it is not a plain text file. \nDo you want to select "
     "this file ?\nClick YES to Continue Selecting this file,\nClick NO to Stop the Select "
     "process.",
     "Import File content.            Warnings no: 0311.", kMsgQuestion},
    {"0312", kOpenFailedText, "Import File content.            Warnings no: 0312.", kMsgWarning},
    {"0313", kOpenFailedText, "Import File content.            Warnings no: 0313.", kMsgWarning},
    {"0314",
     "The column number is not a number !\nAction : Enter a whole number from 1 in the column "
     "field.",
     "Import File content.            Warnings no: 0314.", kMsgWarning},
    {"0450", "End of the IMPORT process!", "Import File content.            Information no: 0450.",
     kMsgInformation},
    {"0451", "End of the making FOLDER LIST process! (Preview)",
     "Import File content.            Information no: 0451.", kMsgInformation},
};

// The path-list checks of the import differ from the edit windows' only in their first block.
void AppendImportDriveBlock(std::string& message, const std::string& intro,
                            const std::vector<std::string>& entries) {
    const std::size_t n = entries.size();
    message += intro + std::to_string(n) + " )\n";
    for (std::size_t i = 0; i < std::min<std::size_t>(3, n); ++i) message += entries[i] + "\n";
    if (n > 3) message += "\n" + std::to_string(n - 3) + "  more left\n";
}

bool AnyIllegal(const std::vector<std::string>& lines) {
    std::string found;
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return FindIllegalChars('N', NormalisePath(line), found);
    });
}

bool HasExtension(const std::string& line) {
    std::string ext;
    return ExtensionOf(line, ext);
}

}  // namespace

ImportClass::ImportClass(FileSystem& fs, std::string fileName, int mode, std::string separator,
                         std::string quotationMark, bool abandonQuotes)
    : fs_(fs),
      fileName_(std::move(fileName)),
      mode_(mode),
      separator_(std::move(separator)),
      quotationMark_(std::move(quotationMark)),
      abandonQuotes_(abandonQuotes) {
    if (separator_ == "space") separator_ = " ";
}

bool ReadImportFile(FileSystem& fs, const std::string& path, const std::string& failed,
                    std::string& bytes, ListMessage& failure, std::uint64_t limit) {
    const FileSystem::ReadOutcome read = fs.ReadFileUpTo(path, limit, bytes);
    const std::size_t nul = read == FileSystem::ReadOutcome::Read ? bytes.find('\0') : 0;
    if (read == FileSystem::ReadOutcome::Read && nul == std::string::npos) return true;
    failure = ImportMessage(failed);
    if (read == FileSystem::ReadOutcome::TooLarge)
        failure.text = "The file is larger than " + std::to_string(limit >> 20) +
                       " MB and is not imported.\nAction : Split it into smaller files.";
    // No name holds a NUL, and a path would end there: a line would name another folder.
    if (read == FileSystem::ReadOutcome::Read) {
        std::size_t line = 1;
        ForEachTextLine(std::string_view(bytes).substr(0, nul + 1),
                        [&](std::string_view) { ++line; });
        failure.text = "Line " + std::to_string(line - 1) +
                       " of the file holds a NUL character, and the file is not imported.\n"
                       "Action : Remove the NUL characters, or save the list as plain text.";
    }
    bytes.clear();
    return false;
}

bool ImportClass::Run() {
    result_.clear();
    style_ = QuotingStyle::None;
    std::string bytes;
    if (!ReadImportFile(fs_, fileName_, "0313", bytes, failure_, sizeLimit_)) {
        errorCode_ = kCannotOpen;
        errorText_ += "2";
        return false;
    }
    ForEachTextLine(bytes, [this](std::string_view line) {
        if (mode_ == kLines)
            ReadLines(line);
        else if (mode_ == kAllFields || mode_ == kColumn)
            ReadFields(line);
    });
    return true;
}

void ImportClass::ReadLines(std::string_view line) {
    std::string item = ImportItemText(line);
    if (item.empty()) return;
    if (abandonQuotes_) item = DequotedText(DequotedText(item, '"'), '\'');
    result_.push_back(std::move(item));
}

void ImportClass::ReadFields(std::string_view line) {
    if (line.find_first_not_of(' ') == std::string_view::npos) return;
    std::vector<std::string> fields = SplitLine(line, separator_, style_);
    // A field of control characters alone still counts as a column, but gives no item.
    const auto keep = [this](std::string field) {
        std::string item = Finished(std::move(field));
        if (!item.empty()) result_.push_back(std::move(item));
    };
    if (mode_ == kAllFields) {
        for (std::string& field : fields) keep(std::move(field));
    } else if (column_ >= 1 && static_cast<unsigned long long>(column_) <= fields.size()) {
        keep(std::move(fields[column_ - 1]));
    }
}

std::string ImportClass::Finished(std::string field) const {
    field = ImportItemText(field);
    if (field.empty()) return field;
    if (style_ != QuotingStyle::None) field = QuotedText(field, QuoteCharOf(style_));
    if (abandonQuotes_) field = DequotedText(DequotedText(field, '"'), '\'');
    return field;
}

ListMessage ImportMessage(const std::string& number) {
    for (const ListMessage& message : kImportMessages)
        if (message.number == number) return message;
    return {};
}

bool ColumnNumberFrom(const std::string& text, long long& column) {
    const std::string trimmed = TrimSpaces(text);
    // from_chars knows no leading plus, and ignores the user's locale, as the field should.
    const char* first = trimmed.data();
    const char* last = first + trimmed.size();
    if (first != last && *first == '+') ++first;
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || first == last || !std::isfinite(value)) return false;
    const double whole = std::trunc(value);
    if (whole > 2147483647.0 || whole < -2147483648.0) return false;
    column = static_cast<long long>(whole);
    return true;
}

const std::vector<std::string>& ImportBuiltInSeparators() {
    static const std::vector<std::string> separators = {
        ",", "\"", "'", "|", "~", ";", ":", "#", "&", "@", "$", "<", ">", ".", "-", "_", "space"};
    return separators;
}

std::vector<std::string> ImportSeparatorEntries(const Text& text,
                                                const std::vector<std::string>& stored) {
    if (!stored.empty()) return UniqueLines(text, stored);
    std::vector<std::string> builtIn;
    for (const std::string& separator : ImportBuiltInSeparators())
        builtIn.push_back(TrimSpaces(text.LowerCase(separator)));
    return UniqueLines(text, builtIn);
}

int ImportModeFor(bool plainText, bool allColumns, bool oneColumn) {
    if (plainText) return ImportClass::kLines;
    if (allColumns) return ImportClass::kAllFields;
    if (oneColumn) return ImportClass::kColumn;
    return ImportClass::kLines;
}

std::string ImportSeparatorFrom(const std::string& comboText) {
    const std::string separator = TrimSpaces(comboText);
    return separator.empty() ? " " : separator;
}

std::string ImportItemText(std::string_view text) {
    std::string item(text);
    for (char& c : item)
        if (IsBlankOrControl(c)) c = ' ';
    return TrimSpaces(item);
}

std::string SourceLineOf(std::string_view line) {
    constexpr std::size_t kMaxSourceLine = 2048;
    return std::string(LeadingCharacters(line, kMaxSourceLine));
}

bool AsksAboutExtension(const Text& text, const std::string& path) {
    std::string ext;
    ExtensionOf(path, ext);
    return text.LowerCase(ext) != "txt";
}

bool AddToPreview(FolderList& preview, const std::string& item) {
    const std::string trimmed = ImportItemText(item);
    return !trimmed.empty() && preview.Add(trimmed);
}

void ParseBackPreview(FolderList& preview, const std::vector<std::string>& lines) {
    preview.Clear();
    for (const std::string& line : lines) {
        const std::string trimmed = ImportItemText(line);
        if (!trimmed.empty()) preview.Add(NormalisePath(trimmed));
    }
}

bool CheckImportFull(std::string& message, const std::vector<std::string>& lines) {
    message.clear();
    std::vector<std::string> withoutDrive;
    for (const std::string& line : lines)
        if (!HasDrive(line)) withoutDrive.push_back(line);
    if (!withoutDrive.empty()) {
        AppendImportDriveBlock(message,
                               "You can only enter full paths with drive letters.\nThere are no "
                               "drive letters in paths (total: ",
                               withoutDrive);
        const bool anyWithout = !std::all_of(lines.begin(), lines.end(), HasExtension);
        if (anyWithout || AnyIllegal(lines)) message += "\n";
    }
    bool errors = !withoutDrive.empty();
    errors = ReportSyntaxErrors(message, lines) || errors;
    errors = ReportColons(1, message, lines) || errors;
    return errors;
}

bool CheckImportRelative(std::string& message, const std::vector<std::string>& lines) {
    message.clear();
    std::vector<std::string> withDrive;
    for (const std::string& line : lines)
        if (HasDrive(line)) withDrive.push_back(line);
    if (!withDrive.empty()) {
        AppendImportDriveBlock(message,
                               "You can only enter relative paths without drive letters.\nThere "
                               "are drive letters in paths (total: ",
                               withDrive);
        const bool anyExtension = std::any_of(lines.begin(), lines.end(), HasExtension);
        if (anyExtension || AnyIllegal(lines)) message += "\n";
    }
    bool errors = !withDrive.empty();
    errors = ReportSyntaxErrors(message, lines) || errors;
    errors = ReportColons(0, message, lines) || errors;
    errors = ReportNoLeadingBackslash(message, lines) || errors;
    return errors;
}

}  // namespace arbovane
