#include <unistd.h>

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>

#include "cli/CliRun.h"
#include "core/app/ProgramSettings.h"
#include "platform/posix/DriveTable.h"
#include "platform/posix/IcuText.h"
#include "platform/posix/PosixFileSystem.h"

int main(int argc, char* argv[]) {
    using namespace arbovane;
    try {
        IcuText text;
        PosixFileSystem fs(text);
        // The same drive letters the window program sees when started here.
        std::string settingsFolder;
        if (!StartSettingsFolder(fs, settingsFolder)) settingsFolder.clear();
        for (const std::string& problem :
             LoadDriveTable(fs, settingsFolder, std::getenv(kDriveTableVariable)))
            std::cerr << "arbovane-cli: drive table entry not understood: " << problem << "\n";
        CliPorts ports{fs,
                       text,
                       std::cout,
                       std::cerr,
                       isatty(STDERR_FILENO) == 1,
                       [&fs](const std::string& path) {
                           std::error_code error;
                           const auto absolute = std::filesystem::absolute(path, error);
                           if (error) return std::optional<std::string>();
                           return fs.ToWindowsPath(absolute.lexically_normal().string());
                       }};
        return RunCli(std::vector<std::string>(argv + 1, argv + argc), ports);
    } catch (const std::exception& error) {
        std::cerr << "arbovane-cli: " << error.what() << "\n";
        return 2;
    }
}
