#include <QDir>
#include <exception>

#include "core/app/ProgramSettings.h"
#include "core/help/HelpEngine.h"
#include "gui/app/ProgramApplication.h"
#include "gui/app/ProgramWindows.h"
#include "gui/app/QtMessenger.h"
#include "gui/app/QtShell.h"
#include "gui/app/TfrmMain.h"

// The one place outside the platform layer that names a backend.
#ifdef _WIN32
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Text.h"
using PlatformText = arbovane::Win32Text;
using PlatformFileSystem = arbovane::Win32FileSystem;
#else
#include "platform/posix/IcuText.h"
#include "platform/posix/PosixFileSystem.h"
using PlatformText = arbovane::IcuText;
using PlatformFileSystem = arbovane::PosixFileSystem;
#endif

int main(int argc, char* argv[]) {
    using namespace arbovane;
    // Outlives the application object, which shows every escaped exception with it.
    QtMessenger messenger;
    ProgramApplication app(argc, argv);
    app.SetErrorMessenger(&messenger);
    try {
        PlatformText text;
        PlatformFileSystem fs(text);
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
