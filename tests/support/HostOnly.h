#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace arbovane::testing {

// Host features the tests arrange trees with; where a platform lacks one, the tests that need
// it are excluded there (see tests/windows-exclusions.txt).

// Whether permission bits fail to stop this process (root on POSIX).
bool RunsAsRoot();
// Permission bits of a host entry, as chmod takes them; on Windows only the owner's write bit
// has a meaning (the read-only attribute).
bool SetHostMode(const std::string& hostPath, unsigned mode);
unsigned HostMode(const std::string& hostPath);
// The check's verdict, run as an unprivileged user when this process runs as root.
bool AsUnprivilegedUser(const std::function<bool()>& check);
// Mounts source at the folder at (a bind mount); false when the host does not allow it.
bool BindMount(const std::string& source, const std::string& at);
void Unmount(const std::string& at);
// Mounts a fresh volume image (vfat, else an ext4 with a casefolded folder) at the folder at;
// folder receives the folder whose names ignore letter case. False with the reason when the host
// cannot.
bool MountCaseIgnoringVolume(const std::string& image, const std::string& at, std::string& folder,
                             std::string& reason);
// Mounts a volume of its own holding at most bytes at the folder at (a small tmpfs); false when
// the host does not allow it.
bool MountSmallVolume(const std::string& at, unsigned long long bytes);
// Sets (value) or removes (nullptr) an environment variable of this process.
void SetEnvironment(const char* name, const char* value);
// The variable naming the folder below which users keep their programs' configuration:
// XDG_CONFIG_HOME on POSIX, APPDATA on Windows.
extern const char* const kConfigurationBaseVariable;
// The longest path the host's own path calls take: PATH_MAX on POSIX, MAX_PATH on Windows.
extern const std::size_t kHostPathLimit;
// A symbolic link at the host path at, pointing to target (a folder link when target is a
// folder). False where the host makes none: Wine reports success and makes nothing, and Windows
// makes them only with the right to.
bool MakeHostLink(const std::string& target, const std::string& at);
// Whether the volume holding the host folder takes another letter case of a name for the same
// entry (Windows volumes do, most POSIX ones do not): the cases that spell an existing folder
// otherwise expect what this volume answers.
bool HostIgnoresLetterCase(const std::string& hostFolder);
// Whether a case that needs a link can run here; where the link could not be made it says so
// and the caller leaves that one case out, so the rest of its test still runs.
bool LinkCaseRuns(bool linked, const std::string& name);

}  // namespace arbovane::testing
