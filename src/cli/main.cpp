#include <atomic>
#include <csignal>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>

#include "cli/CliRun.h"
#include "core/app/ProgramSettings.h"

// Besides the window program's entry, the one place outside the platform layer that names a
// backend.
#ifdef _WIN32
#include <windows.h>
// These need what windows.h declares.
#include <io.h>
#include <shellapi.h>

#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Text.h"
using PlatformText = arbovane::Win32Text;
using PlatformFileSystem = arbovane::Win32FileSystem;
#else
#include <unistd.h>

#include "platform/posix/DriveTable.h"
#include "platform/posix/IcuText.h"
#include "platform/posix/PosixFileSystem.h"
using PlatformText = arbovane::IcuText;
using PlatformFileSystem = arbovane::PosixFileSystem;
#endif

namespace {

// The arguments as UTF-8, which the ports speak.
std::vector<std::string> Arguments(int argc, char* argv[]) {
#ifdef _WIN32
    (void)argc;
    (void)argv;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide && i < count; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string argument(size > 0 ? size - 1 : 0, '\0');
        if (size > 1)
            WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, argument.data(), size, nullptr, nullptr);
        arguments.push_back(std::move(argument));
    }
    LocalFree(wide);
    return arguments;
#else
    return std::vector<std::string>(argv + 1, argv + argc);
#endif
}

bool ErrorIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) == 1;
#endif
}

// Set by SIGINT, SIGTERM and SIGHUP (Ctrl+C, Ctrl+Break and closing the console on Windows):
// the run stops between two entries, ends its journal and the program exits with status 1.
std::atomic<bool> endRequested{false};

#ifdef _WIN32
BOOL WINAPI OnConsoleEnd(DWORD) {
    endRequested = true;
    return TRUE;
}
#else
void OnEndSignal(int) {
    endRequested = true;
}
#endif

void CatchEndSignals() {
#ifdef _WIN32
    SetConsoleCtrlHandler(OnConsoleEnd, TRUE);
#else
    struct sigaction action {};
    action.sa_handler = OnEndSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace arbovane;
#ifdef _WIN32
    SetConsoleOutputCP(CP_UTF8);
#endif
    try {
        PlatformText text;
        PlatformFileSystem fs(text);
#ifndef _WIN32
        // The same drive letters the window program sees when started here.
        std::string settingsFolder;
        if (!StartSettingsFolder(fs, settingsFolder)) settingsFolder.clear();
        for (const std::string& problem :
             LoadDriveTable(fs, settingsFolder, std::getenv(kDriveTableVariable)))
            std::cerr << "arbovane-cli: drive table entry not understood: " << problem << "\n";
#endif
        CliPorts ports{fs,
                       text,
                       std::cout,
                       std::cerr,
                       ErrorIsTerminal(),
                       [&fs](const std::string& path) {
                           namespace stdfs = std::filesystem;
                           std::error_code error;
                           const std::u8string given(path.begin(), path.end());
                           const stdfs::path absolute = stdfs::absolute(stdfs::path(given), error);
                           if (error) return std::optional<std::string>();
                           const std::u8string full = absolute.lexically_normal().u8string();
                           return fs.ToWindowsPath(std::string(full.begin(), full.end()));
                       },
                       [] { return endRequested.load(); }};
        CatchEndSignals();
        return RunCli(Arguments(argc, argv), ports);
    } catch (const std::exception& error) {
        std::cerr << "arbovane-cli: " << error.what() << "\n";
        return 2;
    }
}
