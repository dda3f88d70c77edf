#include "core/lists/ListPane.h"

#include <algorithm>

#include "core/acquire/ImportClass.h"
#include "core/lists/EditParseBack.h"
#include "core/lists/ListMoves.h"
#include "core/lists/RefusalBoxes.h"
#include "core/paths/Arbsplit.h"
#include "core/paths/CharacterCount.h"
#include "core/paths/PathText.h"

namespace arbovane {

namespace {

const char* const kSelectionEmpty = "The selection field is empty !!!";
const char* const kFolderInInclude = "This folder exists in the INCLUDE FOLDER LIST !!!";
const char* const kFolderInExclude = "This folder exists in the EXCLUDE FOLDER LIST !!!";
const char* const kStringFieldEmpty =
    "The text field is empty !\nAction : You must enter a different name to add to the Include "
    "List.";
const char* const kPathFieldEmpty = "The text field is empty !!!";
const char* const kItemInInclude = "This item already exists in the Include list !";
const char* const kItemInExclude = "This item already exists in the Exclude list !";
const char* const kStringHasDrive =
    "This item is a Folder Name (with drive letter) !\nAction : You must enter a string without a "
    "drive letter !!!";
const char* const kIllegalInString = "Illegal character in the Text : ";
const char* const kExcludeEmptyFolders =
    "The EXCLUDE list is empty !\nAction : You must enter at least one FOLDER to the EXCLUDE list "
    "to delete it.\n";
const char* const kExcludeEmptyStrings =
    "The EXCLUDE list is empty !\nAction : You must enter at least one STRING to the EXCLUDE list "
    "to delete it.\n";
const char* const kDeleteSelectedQuestion =
    "Do you want to delete the selected item(s) from the Exclude list ?\nNote: You can delete ONLY "
    "from the EXCLUDE list.\n";
const char* const kExcludeWindowEmpty = "Empty List in the Exclude Window!\n";
const char* const kDeleteAllQuestion = "Do you want to delete all item(s) from the Exclude list ?";
const char* const kNothingSelected =
    "There is no selected Folder Structure !\nAction : You must select a Folder with subfolder "
    "structure.";
const char* const kIncludeEmpty = "The Include List is empty !\n";
const char* const kClearQuestion =
    "You will delete all fields !!!\nClick YES to Continue deleting all fields,\nClick NO to Stop "
    "the delete process.";
const char* const kClearEnd = "End of the CLEAR FIELDS process !!!\n";
const char* const kNoFolders =
    "Only FOLDERS can be added to the list !!!\nThese items are no folders on a drive (files, web "
    "addresses), and are not added.";

// The number a title carries after "no: ", for reading a message in a debugger or a test log.
std::string NumberOf(const std::string& title) {
    const auto at = title.rfind("no: ");
    if (at == std::string::npos) return {};
    std::string number = title.substr(at + 4);
    if (!number.empty() && number.back() == '.') number.pop_back();
    return number;
}

ListMessage Message(const std::string& text, const std::string& title, int flags = kMsgWarning) {
    return ListMessage{NumberOf(title), text, title, flags};
}

}  // namespace

ListPane::ListPane(TabPrefix prefix, const Text& text, FileSystem& fs)
    : texts_(TabTexts(prefix)),
      include_(text, fs, texts_.strings),
      exclude_(text, fs, texts_.strings) {}

void ListPane::Report(std::size_t includeCount, std::size_t excludeCount) const {
    if (progress_) progress_(includeCount, excludeCount);
}

bool ListPane::Movable(const std::string& item) const {
    // A folder tab never moves an item without a drive; it can only be left from an older edit.
    return !texts_.needsDrive || HasDrive(TrimSpaces(item));
}

std::optional<ListMessage> ListPane::BrowsedRefusal(const std::string& candidate) const {
    if (candidate.empty()) return Message(kSelectionEmpty, texts_.addEmptyTitle);
    if (include_.Holds(candidate)) return Message(kFolderInInclude, texts_.addInIncludeTitle);
    if (exclude_.Holds(candidate)) return Message(kFolderInExclude, texts_.addInExcludeTitle);
    return std::nullopt;
}

std::optional<ListMessage> ListPane::AddBrowsedFolder(const std::string& chosen) {
    const std::string candidate = TrimSpaces(chosen);
    if (auto refusal = BrowsedRefusal(candidate)) return refusal;
    include_.Add(candidate);
    return std::nullopt;
}

std::vector<ListMessage> ListPane::AddBrowsedFolders(const std::vector<std::string>& chosen,
                                                     ListSide side) {
    RefusalBoxes refusals;
    if (chosen.empty()) refusals.Add(*BrowsedRefusal({}), {});
    for (const std::string& folder : chosen) {
        const std::string candidate = TrimSpaces(folder);
        if (const auto refusal = BrowsedRefusal(candidate)) {
            refusals.Add(*refusal, candidate);
            continue;
        }
        Side(side).Add(candidate);
        Report();
    }
    Report();
    return refusals.Boxes();
}

std::optional<ListMessage> ListPane::HeldRefusal(const std::string& item) const {
    if (include_.Holds(item)) return Message(kItemInInclude, texts_.addInIncludeTitle);
    if (exclude_.Holds(item)) return Message(kItemInExclude, texts_.addInExcludeTitle);
    return std::nullopt;
}

TypedAddResult ListPane::AddTypedString(const std::string& fieldText) {
    TypedAddResult result{std::nullopt, fieldText};
    TypedStringInto(include_, fieldText, result);
    return result;
}

void ListPane::TypedStringInto(FolderList& target, const std::string& fieldText,
                               TypedAddResult& result) {
    const std::string trimmed = TrimSpaces(fieldText);
    if (trimmed.empty()) {
        result.message = Message(kStringFieldEmpty, texts_.addEmptyTitle);
        return;
    }
    if ((result.message = HeldRefusal(fieldText))) return;
    if (HasDrive(trimmed)) {
        result.message = Message(kStringHasDrive, texts_.addHasDriveTitle);
        return;
    }
    std::string found;
    if (FindIllegalChars('H', trimmed, found)) {
        result.message = Message(kIllegalInString + found, texts_.addIllegalTitle);
        // Takes back the character just typed.
        result.fieldText = trimmed.substr(0, trimmed.size() - 1);
        return;
    }
    const std::string normalised = NormalisePath(trimmed);
    // Blanks and slashes can hide an item the lists already hold; it is refused like the text.
    if ((result.message = HeldRefusal(normalised))) return;
    target.Add(normalised);
    result.fieldText = normalised;
}

TypedAddResult ListPane::AddTypedPaths(FileSystem& fs, const std::string& fieldText) {
    TypedAddResult result{std::nullopt, fieldText};
    TypedPathsInto(fs, include_, fieldText, result);
    return result;
}

void ListPane::TypedPathsInto(FileSystem& fs, FolderList& target, const std::string& fieldText,
                              TypedAddResult& result) {
    const std::string text = TrimSpaces(fieldText);
    if (text.empty()) {
        result.message = Message(kPathFieldEmpty, texts_.addEmptyTitle);
        return;
    }
    // A list without an entry field has titles of its own for what only typing can bring.
    const bool field = texts_.typedAdd;
    const std::string& colonTitle = field ? texts_.addColonTitle : texts_.pasteRefusedTitle;
    const std::string& refusedTitle = field ? texts_.addRefusedTitle : texts_.pasteRefusedTitle;
    std::string message;
    if (!AnalyseColons(text, message)) {
        result.message = Message(message, colonTitle);
        return;
    }
    std::string normalised;
    if (!CheckTextItem(text, normalised, message)) {
        result.message = Message(message, refusedTitle);
        return;
    }
    for (const std::string& piece : SplitFullPaths(normalised)) {
        const std::string path = TrimSpaces(piece);
        if (!CheckFolderName(fs, path, message, false)) {
            result.message = Message(message, refusedTitle);
        } else if (!field) {
            result.message = BrowsedRefusal(path);
        } else if (include_.Holds(path)) {
            result.message = Message(kItemInInclude, refusedTitle);
        } else if (exclude_.Holds(path)) {
            result.message = Message(kItemInExclude, refusedTitle);
        }
        // The paths before the refused one stay added.
        if (result.message) return;
        target.Add(path);
    }
    result.fieldText = normalised;
}

std::vector<ListMessage> ListPane::AddTypedLines(FileSystem& fs,
                                                 const std::vector<std::string>& lines,
                                                 ListSide side) {
    RefusalBoxes refusals;
    for (const std::string& line : lines) {
        if (TrimSpaces(line).empty()) continue;
        TypedAddResult result{std::nullopt, line};
        if (texts_.strings)
            TypedStringInto(Side(side), line, result);
        else
            TypedPathsInto(fs, Side(side), line, result);
        if (result.message) refusals.Add(*result.message, TrimSpaces(line));
        Report();
    }
    Report();
    return refusals.Boxes();
}

std::optional<ListMessage> ListPane::RefuseDropped(const std::vector<std::string>& items) const {
    if (items.empty()) return std::nullopt;
    // Named even alone: a file looks like a folder in the list it was dragged from.
    return Message(std::string(kNoFolders) + "\n\n" + ItemsBlock(items), texts_.dropRefusedTitle);
}

void ListPane::MoveSelected(FolderList& source, FolderList& target,
                            const std::vector<std::size_t>& selected) {
    MoveSelectedItems(
        source, target, &target == &exclude_, selected,
        [this](const std::string& item) { return Movable(item); },
        [this](std::size_t include, std::size_t exclude) { Report(include, exclude); });
    Report();
}

void ListPane::MoveSelectedToExclude(const std::vector<std::size_t>& selected) {
    MoveSelected(include_, exclude_, selected);
}

void ListPane::MoveSelectedToInclude(const std::vector<std::size_t>& selected) {
    MoveSelected(exclude_, include_, selected);
}

void ListPane::MoveAll(FolderList& source, FolderList& target) {
    MoveAllItems(source, target, [this](const std::string& item) { return Movable(item); });
    Report();
}

void ListPane::MoveAllToExclude() {
    MoveAll(include_, exclude_);
}

void ListPane::MoveAllToInclude() {
    MoveAll(exclude_, include_);
}

void ListPane::ExchangeLists() {
    ExchangeItems(include_, exclude_,
                  [this](std::size_t include, std::size_t exclude) { Report(include, exclude); });
    Report();
}

ListMessage ListPane::DeleteSelectedPrompt() const {
    if (exclude_.Empty())
        return Message(texts_.strings ? kExcludeEmptyStrings : kExcludeEmptyFolders,
                       texts_.deleteSelectedEmptyTitle);
    return Message(kDeleteSelectedQuestion, texts_.deleteSelectedQuestionTitle, kMsgQuestion);
}

void ListPane::DeleteSelectedExcluded(const std::vector<std::size_t>& selected) {
    DeleteSelectedItems(
        include_, exclude_, selected,
        [this](std::size_t include, std::size_t exclude) { Report(include, exclude); });
    Report();
}

ListMessage ListPane::DeleteAllPrompt() const {
    if (exclude_.Empty()) return Message(kExcludeWindowEmpty, texts_.deleteAllEmptyTitle);
    return Message(kDeleteAllQuestion, texts_.deleteAllQuestionTitle, kMsgQuestion);
}

void ListPane::DeleteAllExcluded() {
    exclude_.Clear();
    Report();
}

std::optional<ListMessage> ListPane::ParseBack(const std::vector<std::string>& lines) {
    std::string report;
    const bool accepted = ParseBackEditedLines(lines, texts_.strings, include_, exclude_, report,
                                               [this] { Report(); });
    if (!accepted) return Message(report, texts_.editCheckTitle);
    Report();
    return std::nullopt;
}

std::optional<ListMessage> ListPane::ViewSelected(const std::vector<std::size_t>& selected,
                                                  std::string& target) const {
    const std::vector<std::size_t> positions = SelectedPositions(selected, include_.Size());
    if (positions.empty()) return Message(kNothingSelected, texts_.viewSelectedTitle);
    target = TrimSpaces(include_.At(positions.front()));
    return std::nullopt;
}

std::optional<ListMessage> ListPane::ImportResult(std::vector<std::string> lines,
                                                  bool closedWithOk) {
    if (lines.empty())
        return Message("Empty Result List in the File Import Window!\n", texts_.importEmptyTitle);
    if (!closedWithOk) return std::nullopt;
    std::string report;
    const bool errors =
        texts_.strings ? CheckImportRelative(report, lines) : CheckImportFull(report, lines);
    if (errors) return Message(report, texts_.importCheckTitle);
    for (std::string& line : lines) {
        std::string item = texts_.strings ? NormalisePath(line) : std::move(line);
        const std::size_t length = CountCharacters(TrimSpaces(item));
        if (texts_.strings ? length == 0 : length < 2) continue;
        if (include_.AddUnlessIn(std::move(item), exclude_)) Report();
    }
    Report();
    return std::nullopt;
}

std::optional<ListMessage> ListPane::ExportLines(std::vector<std::string>& lines) const {
    lines.clear();
    if (include_.Empty()) return Message(kIncludeEmpty, texts_.exportEmptyTitle);
    for (const std::string& item : include_.Lines())
        if (Movable(item)) lines.push_back(item);
    return std::nullopt;
}

void ListPane::ReplaceLists(const std::vector<std::string>& include,
                            const std::vector<std::string>& exclude) {
    include_.Clear();
    exclude_.Clear();
    include_.AddAll(include);
    for (const std::string& line : exclude) exclude_.AddUnlessIn(line, include_);
    Report();
}

ListMessage ListPane::ClearFieldsQuestion() const {
    return Message(kClearQuestion, texts_.clearQuestionTitle, kMsgQuestion);
}

void ListPane::ClearLists() {
    include_.Clear();
    exclude_.Clear();
    Report();
}

ListMessage ListPane::ClearFieldsEnd() const {
    return Message(kClearEnd, texts_.clearEndTitle, kMsgWarning);
}

}  // namespace arbovane
