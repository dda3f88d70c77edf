#include "core/templates/TemplateAreaRules.h"

#include "core/templates/TemplateMessages.h"

namespace arbovane {

TemplateAreaEnabling TemplateEnablingFor(bool gate, TemplateKind kind, AttachMode mode,
                                         bool templatesHaveLines) {
    TemplateAreaEnabling e;
    const bool fullPath = kind == TemplateKind::FullPath;
    e.mode = fullPath ? mode : AttachMode::None;
    if (!gate) return e;
    e.kindButtons = true;
    e.run = kind == TemplateKind::Nothing || templatesHaveLines;
    if (kind == TemplateKind::Nothing) return e;
    e.list = e.deleteSelected = e.deleteAll = true;
    if (fullPath) {
        if (e.mode == AttachMode::None) e.mode = AttachMode::MainFolderWithoutFiles;
        e.attachModes = e.addStructure = e.viewSelected = true;
        e.fileSelection = WithFiles(e.mode);
    } else {
        e.options = e.importButton = e.exportButton = e.edit = true;
    }
    return e;
}

std::optional<ListMessage> TemplateFileHints::OnModeChosen(AttachMode mode) {
    if (tab_ != TemplateTab::Vol08) return std::nullopt;
    bool* shown = mode == AttachMode::MainFolderWithFiles       ? &mainFolderShown_
                  : mode == AttachMode::SubFoldersOnlyWithFiles ? &subFoldersShown_
                                                                : nullptr;
    if (!shown || *shown) return std::nullopt;
    *shown = true;
    return TemplateMessageFor(tab_, TemplateMessageId::FileSelectionHint);
}

}  // namespace arbovane
