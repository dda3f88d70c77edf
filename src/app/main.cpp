#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
#include "platform/posix/DriveTable.h"
#include "platform/posix/IcuText.h"
#include "platform/posix/PosixFileSystem.h"
using PlatformText = arbovane::IcuText;
using PlatformFileSystem = arbovane::PosixFileSystem;
#endif

namespace {

// The Start menu entry on Windows and the desktop launcher start the program with this option:
// its settings then live in the user's own configuration folder, never in the folder a shortcut
// happens to start in (on Windows the program's own folder, which the user may not write).
constexpr const char* kUserSettingsOption = "--user-settings";

bool HasOption(int argc, char* argv[], const char* option) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], option) == 0) return true;
    return false;
}

// Answered before any window exists, so they work without a display.
bool AnsweredWithoutWindows(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("arbovane %s\n", ARBOVANE_VERSION);
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf(
                "Usage: arbovane [--user-settings] [--version] [--help]\n"
                "Creates, copies, renames and deletes folder structures in bulk, in its window.\n"
                "It keeps its settings in default.set in the folder it is started from.\n"
                "--user-settings starts it in the user's configuration folder instead\n"
                "(%%APPDATA%%\\arbovane on Windows, ~/.config/arbovane elsewhere), as its\n"
                "Start menu entry and arbovane-desktop do.\n"
                "arbovane-cli runs the same operations without a window.\n");
            return true;
        }
    }
    return false;
}

// Beside the program in the build folder, in the documentation folder once installed.
QString UserGuidePath() {
    const QDir here(QCoreApplication::applicationDirPath());
    const QString beside = here.filePath("userguide.html");
    if (QFileInfo::exists(beside)) return beside;
    const QString installed = here.filePath("../share/doc/arbovane/userguide.html");
    return QFileInfo::exists(installed) ? QDir::cleanPath(installed) : beside;
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace arbovane;
    if (AnsweredWithoutWindows(argc, argv)) return 0;
    // Outlives the application object, which shows every escaped exception with it.
    QtMessenger messenger;
    ProgramApplication app(argc, argv);
    app.SetErrorMessenger(&messenger);
    try {
        PlatformText text;
        PlatformFileSystem fs(text);
        if (HasOption(argc, argv, kUserSettingsOption)) {
            // Without such a folder the program keeps the folder it was started in.
            std::string folder;
            if (fs.ConfigurationFolder(folder)) fs.MakeCurrentDirectory(folder);
        }
#ifndef _WIN32
        // The user's drive letters, beside the settings file, before any path is read.
        std::string settingsFolder;
        if (!StartSettingsFolder(fs, settingsFolder)) settingsFolder.clear();
        for (const std::string& problem :
             LoadDriveTable(fs, settingsFolder, std::getenv(kDriveTableVariable)))
            std::fprintf(stderr, "Drive table entry not understood: %s\n", problem.c_str());
#endif
        QtShell shell([&fs](const std::string& path) { return fs.ToHostPath(path); },
                      [&fs](const std::string& path) { return fs.ToWindowsPath(path); });
        ProgramSettings settings;
        GuiContext context{fs, text, messenger, shell, settings};

        HelpEngine help(fs);
        const std::string guide = UserGuidePath().toStdString();
        help.SetHelpFile(fs.ToWindowsPath(guide).value_or(guide));

        ProgramWindows windows(context, help);
        windows.main->show();
        app.exec();
    } catch (const std::exception& error) {
        app.ShowError(error.what());
    }
    return 0;
}
