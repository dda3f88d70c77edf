#include <cstdio>

#include "support/HostOnly.h"

namespace arbovane::testing {

bool LinkCaseRuns(bool linked, const std::string& name) {
    if (!linked)
        std::printf("[   NOTE   ] \"%s\" left out: this host made no symbolic link\n",
                    name.c_str());
    return linked;
}

}  // namespace arbovane::testing
