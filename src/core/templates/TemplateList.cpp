#include "core/templates/TemplateList.h"

#include "core/acquire/ImportClass.h"
#include "core/lists/ListMoves.h"
#include "core/paths/Arbsplit.h"
#include "core/paths/PathText.h"
#include "core/templates/TemplateMessages.h"

namespace arbovane {

namespace {

// "d:\" and the like; a shorter choice is no folder at all.
constexpr std::size_t kDriveRootLength = 3;

}  // namespace

TemplateList::TemplateList(TemplateTab tab, const Text& text, FileSystem& fs)
    : tab_(tab), lines_(text, fs) {}

void TemplateList::ChooseKind(TemplateKind kind) {
    if (kind == kind_) return;
    kind_ = kind;
    lines_.Clear();
}

void TemplateList::Append(const std::string& line) {
    if (lines_.Add(line) && progress_) progress_(lines_.Size());
}

TemplateList::StructureChoice TemplateList::ChooseStructure(const std::string& browsed) const {
    StructureChoice choice;
    choice.path = TrimSpaces(browsed);
    if (kind_ != TemplateKind::FullPath || choice.path.size() < kDriveRootLength) return choice;
    choice.proceed = true;
    if (choice.path.size() == kDriveRootLength)
        choice.question = TemplateMessageFor(tab_, TemplateMessageId::DriveRootQuestion);
    return choice;
}

bool TemplateList::AddStructure(const std::string& path) {
    return lines_.Add(path);
}

std::optional<ListMessage> TemplateList::ViewSelected(const std::vector<std::size_t>& selected,
                                                      std::string& target) const {
    const std::vector<std::size_t> positions = SelectedPositions(selected, lines_.Size());
    if (positions.empty()) return TemplateMessageFor(tab_, TemplateMessageId::NothingSelected);
    target = TrimSpaces(lines_.At(positions.front()));
    return std::nullopt;
}

std::optional<ListMessage> TemplateList::Import(const std::vector<std::string>& lines,
                                                bool closedWithOk) {
    if (lines.empty()) return TemplateMessageFor(tab_, TemplateMessageId::ImportEmpty);
    if (!closedWithOk || kind_ == TemplateKind::Nothing) return std::nullopt;
    std::string report;
    const bool errors = kind_ == TemplateKind::FullPath ? CheckImportFull(report, lines)
                                                        : CheckImportRelative(report, lines);
    if (errors) return TemplateMessageFor(tab_, TemplateMessageId::ImportCheck, report);
    for (const std::string& line : lines) {
        const std::string normalised = NormalisePath(line);
        if (TrimSpaces(normalised).empty()) continue;
        Append(normalised);
    }
    return std::nullopt;
}

std::optional<ListMessage> TemplateList::ExportLines(std::vector<std::string>& lines) const {
    lines.clear();
    if (lines_.Empty()) return TemplateMessageFor(tab_, TemplateMessageId::ExportEmpty);
    lines = lines_.Lines();
    return std::nullopt;
}

std::optional<ListMessage> TemplateList::EditOk(const std::vector<std::string>& memoLines) {
    if (kind_ == TemplateKind::Nothing) return std::nullopt;
    std::vector<std::string> kept;
    for (const std::string& line : memoLines) {
        std::string trimmed = TrimSpaces(line);
        if (!trimmed.empty()) kept.push_back(std::move(trimmed));
    }
    const bool relative = kind_ == TemplateKind::Relative;
    std::string report;
    if (relative ? CheckRelativePaths(report, kept) : CheckFullPaths(report, kept))
        return TemplateMessageFor(
            tab_,
            relative ? TemplateMessageId::EditCheckRelative : TemplateMessageId::EditCheckFullPath,
            report);
    lines_.Clear();
    for (const std::string& line : kept) {
        const std::string normalised = NormalisePath(line);
        if (TrimSpaces(normalised).empty() || HasDrive(normalised) == relative) continue;
        Append(normalised);
    }
    return std::nullopt;
}

ListMessage TemplateList::DeleteSelectedPrompt() const {
    return TemplateMessageFor(tab_, TemplateMessageId::DeleteSelectedQuestion);
}

void TemplateList::DeleteSelected(const std::vector<std::size_t>& selected) {
    lines_.RemoveAt(selected);
}

ListMessage TemplateList::DeleteAllPrompt() const {
    return TemplateMessageFor(tab_, lines_.Empty() ? TemplateMessageId::DeleteAllEmpty
                                                   : TemplateMessageId::DeleteAllQuestion);
}

}  // namespace arbovane
