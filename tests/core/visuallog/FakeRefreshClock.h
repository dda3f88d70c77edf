#pragma once

#include "core/visuallog/RefreshClock.h"

namespace arbovane::testing {

// Time stands still until the test moves it.
class FakeRefreshClock : public RefreshClock {
public:
    std::chrono::steady_clock::time_point Now() const override { return now_; }
    void Advance(std::chrono::milliseconds step) { now_ += step; }

private:
    std::chrono::steady_clock::time_point now_{std::chrono::hours(1)};
};

}  // namespace arbovane::testing
