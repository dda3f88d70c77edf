#include "gui/ops/delete/DeleteTab.h"

namespace arbovane {

DeleteTab::DeleteTab(TabServices services, QObject* parent)
    : QObject(parent), services_(std::move(services)) {}

void DeleteTab::Refresh() {}

void DeleteTab::ClearFields() {}

}  // namespace arbovane
