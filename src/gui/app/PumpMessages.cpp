#include "gui/app/PumpMessages.h"

#include <QCoreApplication>

namespace arbovane {

void PumpMessages() {
    QCoreApplication::processEvents();
}

}  // namespace arbovane
