#pragma once

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace arbovane::testing {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the built command-line program as a process, its output caught in files; in
// workingDirectory when one is given.
inline CliResult RunCliProcess(const std::vector<std::string>& arguments,
                               const std::string& workingDirectory = {}) {
    namespace stdfs = std::filesystem;
    const stdfs::path dir = stdfs::temp_directory_path() / ("cli-out-" + std::to_string(getpid()));
    stdfs::create_directories(dir);
    const std::string outPath = (dir / "out").string();
    const std::string errPath = (dir / "err").string();
    const pid_t child = fork();
    if (child == 0) {
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int in = open("/dev/null", O_RDONLY);
        dup2(out, 1);
        dup2(err, 2);
        dup2(in, 0);
        if (!workingDirectory.empty() && chdir(workingDirectory.c_str()) != 0) _exit(126);
        std::vector<char*> argv{const_cast<char*>(ARBOVANE_CLI_PATH)};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(ARBOVANE_CLI_PATH, argv.data());
        _exit(127);
    }
    CliResult result;
    int status = 0;
    waitpid(child, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    auto read = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    };
    result.out = read(outPath);
    result.err = read(errPath);
    stdfs::remove_all(dir);
    return result;
}

// A host path in the form the program's own drive table gives it (Z: is the host's root).
inline std::string ZPath(std::string host) {
    for (char& c : host)
        if (c == '/') c = '\\';
    return "Z:" + host;
}

}  // namespace arbovane::testing
