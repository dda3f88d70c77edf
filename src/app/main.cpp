#include <QApplication>

#include "gui/app/TfrmMain.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    arbovane::TfrmMain mainWindow;
    mainWindow.show();
    return app.exec();
}
