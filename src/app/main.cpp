#include <QDir>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "core/app/ProgramSettings.h"
#include "core/help/HelpEngine.h"
#include "gui/app/ProgramApplication.h"
#include "gui/app/ProgramWindows.h"
#include "gui/app/QtMessenger.h"
#include "gui/app/QtShell.h"
#include "gui/app/TfrmMain.h"
#include "platform/posix/DriveTable.h"
#include "platform/posix/IcuText.h"
#include "platform/posix/PosixFileSystem.h"

int main(int argc, char* argv[]) {
    using namespace arbovane;
    // Outlives the application object, which shows every escaped exception with it.
    QtMessenger messenger;
    ProgramApplication app(argc, argv);
    app.SetErrorMessenger(&messenger);
    try {
        IcuText text;
        PosixFileSystem fs(text);
        // The user's drive letters, beside the settings file, before any path is read.
        std::string settingsFolder;
        if (!StartSettingsFolder(fs, settingsFolder)) settingsFolder.clear();
        for (const std::string& problem :
             LoadDriveTable(fs, settingsFolder, std::getenv(kDriveTableVariable)))
            std::fprintf(stderr, "Drive table entry not understood: %s\n", problem.c_str());
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
        app.ShowError(error.what());
    }
    return 0;
}
