#pragma once

#include <chrono>

namespace arbovane {

// The time source that paces Visual Log repaints; tests drive a fake one.
class RefreshClock {
public:
    virtual ~RefreshClock() = default;
    virtual std::chrono::steady_clock::time_point Now() const = 0;
};

}  // namespace arbovane
