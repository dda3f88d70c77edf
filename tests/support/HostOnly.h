#pragma once

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

}  // namespace arbovane::testing
