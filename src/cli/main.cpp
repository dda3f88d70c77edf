#include <unistd.h>

#include <exception>
#include <filesystem>
#include <iostream>

#include "cli/CliRun.h"
#include "platform/posix/IcuText.h"
#include "platform/posix/PosixFileSystem.h"

int main(int argc, char* argv[]) {
    using namespace arbovane;
    try {
        IcuText text;
        PosixFileSystem fs(text);
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
