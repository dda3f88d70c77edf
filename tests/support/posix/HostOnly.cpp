#include "support/HostOnly.h"

#include <grp.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdlib>
#include <string>

namespace arbovane::testing {

bool RunsAsRoot() {
    return geteuid() == 0;
}

bool SetHostMode(const std::string& hostPath, unsigned mode) {
    return chmod(hostPath.c_str(), static_cast<mode_t>(mode)) == 0;
}

unsigned HostMode(const std::string& hostPath) {
    struct stat st {};
    return stat(hostPath.c_str(), &st) == 0 ? static_cast<unsigned>(st.st_mode & 07777) : 0;
}

bool AsUnprivilegedUser(const std::function<bool()>& check) {
    if (geteuid() != 0) return check();
    const pid_t child = fork();
    if (child == 0) {
        const bool dropped = setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0;
        _exit(!dropped ? 2 : (check() ? 1 : 0));
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) return false;
    return WEXITSTATUS(status) == 1;
}

bool BindMount(const std::string& source, const std::string& at) {
    return mount(source.c_str(), at.c_str(), nullptr, MS_BIND, nullptr) == 0;
}

bool MountSmallVolume(const std::string& at, unsigned long long bytes) {
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0777";
    return mount("tmpfs", at.c_str(), "tmpfs", 0, options.c_str()) == 0;
}

void Unmount(const std::string& at) {
    umount2(at.c_str(), MNT_DETACH);
}

void SetEnvironment(const char* name, const char* value) {
    value ? setenv(name, value, 1) : unsetenv(name);
}

}  // namespace arbovane::testing
