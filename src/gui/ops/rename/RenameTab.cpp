#include "gui/ops/rename/RenameTab.h"

#include "core/undo/UndoJournal.h"

namespace arbovane {

RenameTab::RenameTab(TabServices services, RenameJournal& journal, QObject* parent)
    : QObject(parent), services_(std::move(services)), journal_(journal) {}

void RenameTab::Refresh() {}

void RenameTab::ClearFields() {}

}  // namespace arbovane
