#pragma once

#include <QObject>

#include "gui/app/TabServices.h"

namespace arbovane {

struct RenameJournal;

// The controls and handlers of the Rename Folders tab.
class RenameTab : public QObject {
    Q_OBJECT
public:
    RenameTab(TabServices services, RenameJournal& journal, QObject* parent = nullptr);

    // After every list change: enabling and the counters.
    void Refresh();
    // The tab's part of "Clear Fields", after the lists were emptied.
    void ClearFields();

private:
    TabServices services_;
    RenameJournal& journal_;
};

}  // namespace arbovane
