#pragma once

#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Text.h"

namespace arbovane {

// The backend the tests of this platform run on.
using HostText = Win32Text;
using HostFileSystem = Win32FileSystem;

}  // namespace arbovane
