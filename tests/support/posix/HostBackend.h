#pragma once

#include "platform/posix/IcuText.h"
#include "platform/posix/PosixFileSystem.h"

namespace arbovane {

// The backend the tests of this platform run on.
using HostText = IcuText;
using HostFileSystem = PosixFileSystem;

}  // namespace arbovane
