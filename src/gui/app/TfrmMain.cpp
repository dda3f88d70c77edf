#include "gui/app/TfrmMain.h"

namespace arbovane {

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName("frmMain");
    setWindowTitle("Arbovane 8.20");
    resize(900, 640);
}

}  // namespace arbovane
