#pragma once

#include <string>

namespace arbovane {

// Windows drive type code of the file system holding an existing host folder; kDriveNoRootDir
// when the folder is not there.
int HostDriveType(const std::string& hostFolder);

}  // namespace arbovane
