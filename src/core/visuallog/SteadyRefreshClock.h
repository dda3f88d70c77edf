#pragma once

#include "core/visuallog/RefreshClock.h"

namespace arbovane {

class SteadyRefreshClock : public RefreshClock {
public:
    std::chrono::steady_clock::time_point Now() const override;

    // Shared by every log that is given no clock of its own.
    static const SteadyRefreshClock& Instance();
};

}  // namespace arbovane
