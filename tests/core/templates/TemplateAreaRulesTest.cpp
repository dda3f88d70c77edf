#include <gtest/gtest.h>

#include <string>

#include "core/templates/TemplateAreaRules.h"

namespace arbovane {
namespace {

using Kind = TemplateKind;
using Mode = AttachMode;

// The controls as a row of letters, so a table line shows the whole state: k kind buttons, m
// attach modes, l list, a Add Structure, v View Selected, i Import, e Export, d Edit, s Delete
// Sel., D Delete All, o Options, f file selection, r run; '-' where disabled.
std::string Row(const TemplateAreaEnabling& e) {
    const std::pair<bool, char> flags[] = {
        {e.kindButtons, 'k'},  {e.attachModes, 'm'},  {e.list, 'l'},
        {e.addStructure, 'a'}, {e.viewSelected, 'v'}, {e.importButton, 'i'},
        {e.exportButton, 'e'}, {e.edit, 'd'},         {e.deleteSelected, 's'},
        {e.deleteAll, 'D'},    {e.options, 'o'},      {e.fileSelection, 'f'},
        {e.run, 'r'}};
    std::string row;
    for (const auto& [on, letter] : flags) row += on ? letter : '-';
    return row;
}

TEST(TemplateAreaRules, EnablingTable) {
    const struct {
        bool gate;
        Kind kind;
        Mode mode;
        bool lines;
        const char* row;
        Mode modeAfter;
    } cases[] = {
        // An empty include list leaves nothing usable, whatever the kind.
        {false, Kind::Relative, Mode::None, true, "-------------", Mode::None},
        {false, Kind::FullPath, Mode::SubFoldersOnlyWithFiles, true, "-------------",
         Mode::SubFoldersOnlyWithFiles},
        {false, Kind::FullPath, Mode::None, false, "-------------", Mode::None},
        {false, Kind::Nothing, Mode::None, false, "-------------", Mode::None},
        // Relative templates come from text: import, export, edit and options, no modes.
        {true, Kind::Relative, Mode::None, false, "k-l--iedsDo--", Mode::None},
        {true, Kind::Relative, Mode::None, true, "k-l--iedsDo-r", Mode::None},
        {true, Kind::Relative, Mode::MainFolderWithFiles, true, "k-l--iedsDo-r", Mode::None},
        // Full-path templates are picked one by one; without a mode the one without files.
        {true, Kind::FullPath, Mode::None, false, "kmlav---sD---", Mode::MainFolderWithoutFiles},
        {true, Kind::FullPath, Mode::SubFoldersOnlyWithoutFiles, true, "kmlav---sD--r",
         Mode::SubFoldersOnlyWithoutFiles},
        {true, Kind::FullPath, Mode::MainFolderWithFiles, true, "kmlav---sD-fr",
         Mode::MainFolderWithFiles},
        {true, Kind::FullPath, Mode::SubFoldersOnlyWithFiles, false, "kmlav---sD-f-",
         Mode::SubFoldersOnlyWithFiles},
        // "Attach Nothing." needs no templates and leaves only the kind buttons.
        {true, Kind::Nothing, Mode::MainFolderWithFiles, false, "k-----------r", Mode::None},
    };
    for (const auto& c : cases) {
        const TemplateAreaEnabling e = TemplateEnablingFor(c.gate, c.kind, c.mode, c.lines);
        EXPECT_EQ(Row(e), c.row) << c.row;
        EXPECT_EQ(e.mode, c.modeAfter) << c.row;
    }
}

}  // namespace
}  // namespace arbovane
