#include <QApplication>
#include <QDir>
#include <exception>

#include "core/app/ProgramSettings.h"
#include "core/help/HelpEngine.h"
#include "gui/app/ProgramWindows.h"
#include "gui/app/QtMessenger.h"
#include "gui/app/QtShell.h"
#include "gui/app/TfrmMain.h"
#include "platform/posix/IcuText.h"
#include "platform/posix/PosixFileSystem.h"

int main(int argc, char* argv[]) {
    using namespace arbovane;
    QApplication app(argc, argv);
    try {
        IcuText text;
        PosixFileSystem fs(text);
        QtMessenger messenger;
        QtShell shell([&fs](const std::string& path) { return fs.ToHostPath(path); },
                      [&fs](const std::string& path) { return fs.ToWindowsPath(path); });
        ProgramSettings settings;
        GuiContext context{fs, text, messenger, shell, settings};

        HelpEngine help(fs);
        const std::string guide =
            QDir(QCoreApplication::applicationDirPath()).filePath("userguide.html").toStdString();
        help.SetHelpFile(fs.ToWindowsPath(guide).value_or(guide));

        ProgramWindows windows(context, help);
        windows.main->show();
        app.exec();
    } catch (const std::exception& error) {
        QtMessenger().Show(error.what(), "Arbovane 8.20", kMsgError, MessageOwner::System);
    }
    return 0;
}
