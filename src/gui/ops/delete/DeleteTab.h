#pragma once

#include <QObject>

#include "gui/app/TabServices.h"

namespace arbovane {

// The controls and handlers of the Delete Folder Structures tab.
class DeleteTab : public QObject {
    Q_OBJECT
public:
    explicit DeleteTab(TabServices services, QObject* parent = nullptr);

    // After every list change and mode change: enabling and the to-delete counters.
    void Refresh();
    // The tab's part of "Clear Fields", after the lists were emptied.
    void ClearFields();

private:
    TabServices services_;
};

}  // namespace arbovane
