#include "core/visuallog/SteadyRefreshClock.h"

namespace arbovane {

std::chrono::steady_clock::time_point SteadyRefreshClock::Now() const {
    return std::chrono::steady_clock::now();
}

const SteadyRefreshClock& SteadyRefreshClock::Instance() {
    static const SteadyRefreshClock clock;
    return clock;
}

}  // namespace arbovane
