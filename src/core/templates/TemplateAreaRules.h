#pragma once

#include <optional>

#include "core/lists/ListMessage.h"
#include "core/templates/TemplateKind.h"

namespace arbovane {

// Which controls of a tab's template area are usable, and the attach mode left checked.
struct TemplateAreaEnabling {
    bool kindButtons = false;
    bool attachModes = false;
    bool list = false;
    bool addStructure = false;
    bool viewSelected = false;
    bool importButton = false;
    bool exportButton = false;
    bool edit = false;
    bool deleteSelected = false;
    bool deleteAll = false;
    bool options = false;
    AttachMode mode = AttachMode::None;
    // The copy tab's "Select/View Files" and "Sel. Types:".
    bool fileSelection = false;
    // The run and simulation buttons.
    bool run = false;

    bool operator==(const TemplateAreaEnabling&) const = default;
};

// gate: the include list holds lines (on the numbers tab, which has none: a destination was
// chosen). Nothing of the area works without it; full-path templates are picked one by one and
// come with attach modes, relative ones come from text and options; "Attach Nothing." leaves only
// the kind buttons.
TemplateAreaEnabling TemplateEnablingFor(bool gate, TemplateKind kind, AttachMode mode,
                                         bool templatesHaveLines);

// The copy tab's hint about the file selection, shown the first time after start that each of the
// two attach modes with files is picked. The other tabs never show it.
class TemplateFileHints {
public:
    explicit TemplateFileHints(TemplateTab tab) : tab_(tab) {}
    std::optional<ListMessage> OnModeChosen(AttachMode mode);

private:
    TemplateTab tab_;
    bool mainFolderShown_ = false;
    bool subFoldersShown_ = false;
};

}  // namespace arbovane
