#include "support/HostOnly.h"

#include <grp.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace arbovane::testing {

const char* const kConfigurationBaseVariable = "XDG_CONFIG_HOME";
const std::size_t kHostPathLimit = PATH_MAX;

bool MakeHostLink(const std::string& target, const std::string& at) {
    return symlink(target.c_str(), at.c_str()) == 0;
}

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
    if (umount2(at.c_str(), 0) != 0) umount2(at.c_str(), MNT_DETACH);
}

namespace {

bool Quietly(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// Whether a name written in one letter case is found in another.
bool FoldsCase(const std::string& folder) {
    std::ofstream(folder + "/CaseProbe") << "x";
    std::error_code ec;
    const bool folds = std::filesystem::exists(folder + "/cASEpROBE", ec);
    std::filesystem::remove(folder + "/CaseProbe", ec);
    return folds;
}

}  // namespace

bool MountCaseIgnoringVolume(const std::string& image, const std::string& at, std::string& folder,
                             std::string& reason) {
    // Asked once: making and mounting an image costs seconds, and the answer does not change.
    static std::string known;
    if (!known.empty()) {
        reason = known;
        return false;
    }
    if (geteuid() != 0) {
        reason = known = "mounting a volume image needs root";
        return false;
    }
    std::error_code ec;
    std::filesystem::create_directories(at, ec);
    std::string tried;
    const auto attempt = [&](const char* kind, const std::string& make,
                             const std::string& mountOptions, const std::string& inside) {
        std::filesystem::remove(image, ec);
        { std::ofstream(image, std::ios::binary).seekp((32 << 20) - 1) << '\0'; }
        const std::string tool = make.substr(0, make.find(' '));
        if (!Quietly("command -v " + tool)) {
            tried +=
                std::string(tried.empty() ? "" : "; ") + kind + ": " + tool + " is not installed";
            return false;
        }
        if (!Quietly(make)) {
            tried += std::string(tried.empty() ? "" : "; ") + kind + ": " + tool + " failed";
            return false;
        }
        if (!Quietly("mount -o loop" + mountOptions + " '" + image + "' '" + at + "'")) {
            tried +=
                std::string(tried.empty() ? "" : "; ") + kind + ": this kernel does not mount it";
            return false;
        }
        folder = at + inside;
        if (inside.empty() ||
            (Quietly("mkdir '" + folder + "'") && Quietly("chattr +F '" + folder + "'"))) {
            if (FoldsCase(folder)) return true;
        }
        Unmount(at);
        tried += std::string(tried.empty() ? "" : "; ") + kind + ": names keep their letter case";
        return false;
    };
    if (attempt("vfat", "mkfs.vfat '" + image + "'", ",uid=0", "") ||
        attempt("casefolded ext4", "mkfs.ext4 -q -F -O casefold '" + image + "'", "", "/folded"))
        return true;
    reason = known = "no volume that ignores letter case can be mounted here (" + tried + ")";
    std::filesystem::remove(image, ec);
    return false;
}

void SetEnvironment(const char* name, const char* value) {
    value ? setenv(name, value, 1) : unsetenv(name);
}

}  // namespace arbovane::testing
