#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/lists/FolderList.h"
#include "core/lists/ListMessage.h"
#include "core/templates/TemplateKind.h"

namespace arbovane {

class FileSystem;
class Text;

// The template list of one tab and every operation of its buttons. Operations return the box to
// show instead of showing it; those that ask first come in two steps, the prompt and the action
// taken on Yes. Lines are held once as the include lists hold them: two spellings that fs finds
// to name one folder are one line.
class TemplateList {
public:
    // Called after each line an import or an edit appends, with the line count to show.
    using Progress = std::function<void(std::size_t count)>;

    TemplateList(TemplateTab tab, const Text& text, FileSystem& fs);

    TemplateTab Tab() const { return tab_; }
    TemplateKind Kind() const { return kind_; }
    const std::vector<std::string>& Lines() const { return lines_.Lines(); }
    std::size_t Size() const { return lines_.Size(); }
    bool Empty() const { return lines_.Empty(); }
    void SetProgress(Progress progress) { progress_ = std::move(progress); }

    // Another kind empties the list; the kind already chosen changes nothing.
    void ChooseKind(TemplateKind kind);
    void Clear() { lines_.Clear(); }

    // The first step of Add Structure, on the browsed folder.
    struct StructureChoice {
        std::string path;                     // trimmed
        bool proceed = false;                 // false: nothing usable was chosen, no message
        std::optional<ListMessage> question;  // a drive root: go on only on Yes
    };
    StructureChoice ChooseStructure(const std::string& browsed) const;
    // Appends the chosen path unless the list holds it; true when it was appended.
    bool AddStructure(const std::string& path);

    // The first selected line, trimmed, in target; otherwise the warning.
    std::optional<ListMessage> ViewSelected(const std::vector<std::size_t>& selected,
                                            std::string& target) const;

    // The import dialog's result: the warning of an empty result or of lines the kind cannot take
    // (then nothing is added), or nothing when the new lines were appended. A Cancel adds nothing.
    std::optional<ListMessage> Import(const std::vector<std::string>& lines, bool closedWithOk);

    // The lines to hand to the export dialog, or the warning of an empty list.
    std::optional<ListMessage> ExportLines(std::vector<std::string>& lines) const;

    // The edit dialog's OK: the refusal to show (the list is unchanged) or nothing when the list
    // was rebuilt from the lines.
    std::optional<ListMessage> EditOk(const std::vector<std::string>& memoLines);

    ListMessage DeleteSelectedPrompt() const;
    // positions in any order; the lines go from the last to the first.
    void DeleteSelected(const std::vector<std::size_t>& selected);
    // The warning of an empty list, or the question.
    ListMessage DeleteAllPrompt() const;
    void DeleteAll() { lines_.Clear(); }

private:
    void Append(const std::string& line);

    TemplateTab tab_;
    TemplateKind kind_ = TemplateKind::Relative;
    FolderList lines_;
    Progress progress_;
};

}  // namespace arbovane
