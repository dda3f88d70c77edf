#include "core/undo/UndoPlan.h"

namespace arbovane {

namespace {

// The three creation tabs share their plans.
enum class PlanGroup { Copy, Creation };

struct UndoTabProfile {
    UndoTab tab;
    PlanGroup group;
    UndoJournalList undoable;
};

constexpr UndoTabProfile kTabs[] = {
    {UndoTab::Copy, PlanGroup::Copy, UndoJournalList::CreatedStructureFolders},
    {UndoTab::CreateI, PlanGroup::Creation, UndoJournalList::CreatedMainFolders},
    {UndoTab::CreateII, PlanGroup::Creation, UndoJournalList::CreatedMainFolders},
    {UndoTab::CreateIII, PlanGroup::Creation, UndoJournalList::CreatedMainFolders},
};

struct UndoPlanRow {
    PlanGroup group;
    UndoJournalState state;
    UndoPlan plan;
};

using B = UndoBoundaries;
using L = UndoJournalList;
using S = UndoJournalState;

constexpr UndoQueueStep kMainAsItIs{UndoInput::MainFolders, false, true};
constexpr UndoQueueStep kStructureAsItIs{UndoInput::StructureFolders, false, false};

const std::vector<UndoPlanRow>& PlanTable() {
    static const std::vector<UndoPlanRow> rows = {
        // group, state: boundaries, main folders, structure folders, files, steps
        {PlanGroup::Copy,
         S::FailedUndo,
         {B::None, L::None, L::FailedUndoFolders, L::FailedUndoFiles, {kStructureAsItIs}}},
        {PlanGroup::Copy,
         S::MarkerF,
         {B::None, L::None, L::CreatedStructureFolders, L::CopiedFiles, {kStructureAsItIs}}},
        // The run journals every folder it makes, parents included, so nothing above them is
        // climbed to: an empty folder that was there before the run stays.
        {PlanGroup::Copy,
         S::MarkerR,
         {B::MainFolders,
          L::CopyTargetFolders,
          L::CreatedStructureFolders,
          L::None,
          {kStructureAsItIs}}},

        // The creation runs journal every folder they make, parents included, and never one
        // that was there: the journal is removed as it stands, so an empty folder the user had
        // before the run stays, up to the drive.
        {PlanGroup::Creation,
         S::FailedUndo,
         {B::None, L::FailedUndoFolders, L::None, L::FailedUndoFiles, {kMainAsItIs}}},
        {PlanGroup::Creation,
         S::MarkerF,
         {B::None,
          L::CreatedMainFolders,
          L::CreatedStructureFolders,
          L::CopiedFiles,
          {kMainAsItIs, kStructureAsItIs}}},
        {PlanGroup::Creation,
         S::MarkerR,
         {B::None,
          L::CreatedMainFolders,
          L::CreatedStructureFolders,
          L::None,
          {kMainAsItIs, kStructureAsItIs}}},
        {PlanGroup::Creation,
         S::MarkerN,
         {B::None,
          L::CreatedMainFolders,
          L::CreatedStructureFolders,
          L::None,
          {kMainAsItIs, kStructureAsItIs}}},
    };
    return rows;
}

const UndoTabProfile& ProfileOf(UndoTab tab) {
    for (const auto& profile : kTabs)
        if (profile.tab == tab) return profile;
    return kTabs[0];
}

}  // namespace

std::optional<UndoJournalState> JournalStateOf(const UndoJournal& journal) {
    // An interrupted run's journal holds what it made as left-overs, taken back as they stand.
    if (!journal.FailedUndoFolders.empty() || journal.FromInterruptedRun) return S::FailedUndo;
    if (journal.AttachModeMarker == "F") return S::MarkerF;
    if (journal.AttachModeMarker == "R") return S::MarkerR;
    if (journal.AttachModeMarker == "N") return S::MarkerN;
    return std::nullopt;
}

const UndoPlan* FindUndoPlan(UndoTab tab, UndoJournalState state) {
    const PlanGroup group = ProfileOf(tab).group;
    for (const auto& row : PlanTable())
        if (row.group == group && row.state == state) return &row.plan;
    return nullptr;
}

const UndoPlan* UndoPlanFor(UndoTab tab, const UndoJournal& journal) {
    const auto state = JournalStateOf(journal);
    return state ? FindUndoPlan(tab, *state) : nullptr;
}

const std::vector<std::string>& JournalListOf(const UndoJournal& journal, UndoJournalList list) {
    static const std::vector<std::string> kNone;
    switch (list) {
        case L::None:
            return kNone;
        case L::CreatedMainFolders:
            return journal.CreatedMainFolders;
        case L::CopyTargetFolders:
            return journal.CopyTargetFolders;
        case L::CreatedStructureFolders:
            return journal.CreatedStructureFolders;
        case L::CopiedFiles:
            return journal.CopiedFiles;
        case L::FailedUndoFolders:
            return journal.FailedUndoFolders;
        case L::FailedUndoFiles:
            return journal.FailedUndoFiles;
    }
    return kNone;
}

UndoJournalList UndoableListOf(UndoTab tab) {
    return ProfileOf(tab).undoable;
}

bool HasSomethingToUndo(UndoTab tab, const UndoJournal& journal) {
    if (!journal.FailedUndoFolders.empty() || !JournalListOf(journal, UndoableListOf(tab)).empty())
        return true;
    // A run cut off may have made files and nothing else yet; what it made goes back all the
    // same, as the user never saw the run end.
    if (journal.FromInterruptedRun)
        return !journal.FailedUndoFiles.empty() || !journal.UnconfirmedEntry.empty();
    const UndoPlan* plan = UndoPlanFor(tab, journal);
    if (!plan) return false;
    // Copied files alone make no undo.
    for (UndoJournalList list : {plan->mainFolders, plan->structureFolders})
        if (!JournalListOf(journal, list).empty()) return true;
    return false;
}

}  // namespace arbovane
