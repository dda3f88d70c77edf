#include "core/acquire/ListBuilderRules.h"

#include <algorithm>
#include <charconv>

#include "core/acquire/ListingReporter.h"
#include "core/lists/EditParseBack.h"
#include "core/lists/ListMoves.h"
#include "core/paths/Arbsplit.h"
#include "core/paths/PathText.h"
#include "platform/Text.h"

namespace arbovane {

namespace {

const char* const kTitle = "SubFolder Level List Builder.            Warning no: ";
const char* const kExportTitle = "SubFolder Level List Builder.             Warning no: 0584.";
const char* const kEditCheckTitle = "Folder Level List Builder.            Warning no: 0385bc.";

const char* const kSourceEmpty =
    "The selection field is empty !\nAction : You must select a destination folder.";
const char* const kNothingSelected =
    "There is no selected Folder Structure !\nAction : You must select a Folder with a subfolder "
    "structure.";
const char* const kDeleteSelectedQuestion =
    "Do you want to delete the selected item(s) from the Exclude list ?\nNote: You can delete ONLY "
    "from the EXCLUDE list.\n";
const char* const kExcludeEmpty =
    "The EXCLUDE list is empty !\nAction : You must enter at least one FOLDER to the EXCLUDE list "
    "to delete it.\n";
const char* const kExcludeWindowEmpty = "Empty List in the Exclude Window!\n";
const char* const kDeleteAllQuestion = "Do you want to delete all item(s) from the Exclude list ?";
const char* const kClearQuestion =
    "Do you want to clear the previous content of the INCLUDE window ?\nClick YES to clear the "
    "previous content,\nClick NO to leave it.";
const char* const kStartAfterEnd =
    "The Start Number is greater then the End one!\nAction : You must enter a Start number that is "
    "smaller than the End one.";
const char* const kNoResults =
    "There are no matching results for subfolder selection !\nAction : You must select a proper "
    "Subfolder level, or a filter.";
const char* const kNotWholeNumber =
    "The Level Number is not a whole number !\nAction : You must enter a whole number in the level "
    "field.";
const char* const kIncludeEmpty = "The Include Folder List is empty !\n";

ListMessage Message(const std::string& number, const std::string& text, int flags = kMsgWarning) {
    return ListMessage{number, text, kTitle + number + ".", flags};
}

// The file system of a walk, reporting each listing to progress.
ListingReporter Reporting(FileSystem& fs, const ListBuilderRules::WalkProgress& progress) {
    return ListingReporter(fs, [&progress](std::uint64_t listings, std::uint64_t) {
        if (progress) progress(listings);
    });
}

// Blanks and control characters, as the builder's fields are trimmed.
std::string Trim(const std::string& text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    const auto first = std::find_if_not(text.begin(), text.end(), blank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
    return first < last ? std::string(first, last) : std::string();
}

}  // namespace

bool ParseWholeNumber(const std::string& text, std::int32_t& value) {
    std::string digits = Trim(text);
    if (!digits.empty() && digits.front() == '+') digits.erase(0, 1);
    if (digits.empty() || digits.front() == '+') return false;
    const char* end = digits.data() + digits.size();
    std::int32_t parsed = 0;
    const auto [at, error] = std::from_chars(digits.data(), end, parsed);
    if (error != std::errc() || at != end) return false;
    value = parsed;
    return true;
}

void FixFromToFields(std::string& from, std::string& to) {
    std::int32_t value = 1;
    if (!ParseWholeNumber(from, value)) {
        value = 1;
        from = std::to_string(value);
    }
    std::int32_t ignored = 0;
    if (!ParseWholeNumber(to, ignored)) to = std::to_string(value);
}

ListBuilderRules::ListBuilderRules(FileSystem& fs, const Text& text)
    : fs_(fs), text_(text), include_(text, fs), exclude_(text, fs) {}

void ListBuilderRules::Report(std::size_t includeCount, std::size_t excludeCount) const {
    if (progress_) progress_(includeCount, excludeCount);
}

std::optional<ListMessage> ListBuilderRules::MeasureSource(const std::string& source,
                                                           _tagSourceSummary& summary) const {
    const std::string trimmed = Trim(source);
    if (trimmed.empty()) return Message("0572", kSourceEmpty);
    ListingReporter fs = Reporting(fs_, walkProgress_);
    FolderStructSize size(fs, trimmed);
    size.SetIncludeMain(false);
    size.MeasureAllFiles();
    summary.rows = size.ShowAllFilesLevelSummary().rows;
    summary.folders = std::to_string(size.FolderCount());
    summary.files = std::to_string(size.AllFileCount());
    summary.fileSize = FormatSize(size.AllByteTotal());
    summary.listings = fs.Listings();
    return std::nullopt;
}

std::size_t ListBuilderRules::HistoryPosition(const std::vector<std::string>& history,
                                              const std::string& text) const {
    for (std::size_t i = 0; i < history.size(); ++i)
        if (text_.CompareNoCase(history[i], text) == 0) return i;
    return std::string::npos;
}

std::optional<ListMessage> ListBuilderRules::ViewSource(const std::string& source,
                                                        std::string& target) const {
    target = Trim(source);
    if (target.empty()) return Message("0573", kSourceEmpty);
    return std::nullopt;
}

ListMessage ListBuilderRules::BuildPrompt(const std::string& source) const {
    if (Trim(source).empty()) return Message("0579", kSourceEmpty);
    return Message("0580", kClearQuestion, kMsgQuestion);
}

void ListBuilderRules::ClearInclude() {
    include_.Clear();
    Report();
}

std::optional<ListMessage> ListBuilderRules::Build(const std::string& source,
                                                   const std::string& filter,
                                                   const _tagBuilderLevels& levels) {
    ListingReporter fs = Reporting(fs_, walkProgress_);
    LevelCopy walk(fs, text_, {Trim(source)});
    std::int32_t first = 0;
    std::int32_t second = 0;
    switch (levels.mode) {
        case LevelCopy::kAbove:
            if (!ParseWholeNumber(levels.above, first)) return Message("0583", kNotWholeNumber);
            walk.SetAbove(first);
            break;
        case LevelCopy::kBelow:
            if (!ParseWholeNumber(levels.below, first)) return Message("0583", kNotWholeNumber);
            walk.SetBelow(first);
            break;
        default:
            if (!ParseWholeNumber(levels.from, first) || !ParseWholeNumber(levels.to, second))
                return Message("0583", kNotWholeNumber);
            if (second < first) return Message("0581", kStartAfterEnd);
            walk.SetFromTo(first, second);
            break;
    }
    walk.SetListMode(levels.lastOnly ? LevelCopy::kLastOnly : LevelCopy::kAllInPath);
    walk.SetFilter(LowerCase(text_, Trim(filter)));
    walk.Walk();
    const std::vector<std::string> results = walk.Results();
    if (results.empty()) return Message("0582", kNoResults);
    for (const std::string& result : results) {
        std::string line = Trim(result);
        if (!line.empty() && include_.AddUnlessIn(std::move(line), exclude_)) Report();
    }
    Report();
    return std::nullopt;
}

void ListBuilderRules::MoveSelected(FolderList& source, FolderList& target,
                                    const std::vector<std::size_t>& selected) {
    MoveSelectedItems(
        source, target, &target == &exclude_, selected, ListItemFilter(),
        [this](std::size_t include, std::size_t exclude) { Report(include, exclude); });
    Report();
}

void ListBuilderRules::MoveSelectedToExclude(const std::vector<std::size_t>& selected) {
    MoveSelected(include_, exclude_, selected);
}

void ListBuilderRules::MoveSelectedToInclude(const std::vector<std::size_t>& selected) {
    MoveSelected(exclude_, include_, selected);
}

void ListBuilderRules::MoveAll(FolderList& source, FolderList& target) {
    MoveAllItems(source, target, ListItemFilter());
    Report();
}

void ListBuilderRules::MoveAllToExclude() {
    MoveAll(include_, exclude_);
}

void ListBuilderRules::MoveAllToInclude() {
    MoveAll(exclude_, include_);
}

void ListBuilderRules::ExchangeLists() {
    ExchangeItems(include_, exclude_,
                  [this](std::size_t include, std::size_t exclude) { Report(include, exclude); });
    Report();
}

ListMessage ListBuilderRules::DeleteSelectedPrompt() const {
    if (exclude_.Empty()) return Message("0576", kExcludeEmpty);
    return Message("0575", kDeleteSelectedQuestion, kMsgQuestion);
}

void ListBuilderRules::DeleteSelectedExcluded(const std::vector<std::size_t>& selected) {
    DeleteSelectedItems(
        include_, exclude_, selected,
        [this](std::size_t include, std::size_t exclude) { Report(include, exclude); });
    Report();
}

ListMessage ListBuilderRules::DeleteAllPrompt() const {
    if (exclude_.Empty()) return Message("0577", kExcludeWindowEmpty);
    return Message("0578", kDeleteAllQuestion, kMsgQuestion);
}

void ListBuilderRules::DeleteAllExcluded() {
    exclude_.Clear();
    Report();
}

std::optional<ListMessage> ListBuilderRules::ParseBack(const std::vector<std::string>& lines) {
    std::string report;
    if (!ParseBackEditedLines(lines, false, include_, exclude_, report, [this] { Report(); }))
        return ListMessage{"0385bc", report, kEditCheckTitle, kMsgWarning};
    Report();
    return std::nullopt;
}

std::optional<ListMessage> ListBuilderRules::ViewSelected(const std::vector<std::size_t>& selected,
                                                          std::string& target) const {
    const std::vector<std::size_t> positions = SelectedPositions(selected, include_.Size());
    if (positions.empty()) return Message("0574", kNothingSelected);
    target = Trim(include_.At(positions.front()));
    return std::nullopt;
}

std::optional<ListMessage> ListBuilderRules::ExportLines(std::vector<std::string>& lines) const {
    lines.clear();
    if (include_.Empty()) return ListMessage{"0584", kIncludeEmpty, kExportTitle, kMsgWarning};
    lines = include_.Lines();
    return std::nullopt;
}

std::optional<ListMessage> ListBuilderRules::LevelSummary(
    const std::vector<std::size_t>& selected, const std::vector<std::string>& patterns,
    std::optional<_tagLevelSummary>& summary) const {
    summary.reset();
    std::string folder;
    if (const auto refusal = ViewSelected(selected, folder)) return refusal;
    if (folder.empty()) return std::nullopt;
    ListingReporter fs = Reporting(fs_, walkProgress_);
    FolderStructSize size(fs, folder);
    size.SetIncludeMain(true);
    size.MeasureSelectedFiles(patterns.empty() ? std::vector<std::string>{"*.*"} : patterns);
    summary = size.ShowLevelSummary();
    return std::nullopt;
}

}  // namespace arbovane
