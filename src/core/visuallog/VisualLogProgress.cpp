#include "core/visuallog/VisualLogProgress.h"

#include <algorithm>

#include "core/visuallog/VisualLog.h"

namespace arbovane {

namespace {

bool IsByteCounter(const VisualLogCounterLayout& counter) {
    return counter.name.find("Size") != std::string::npos;
}

}  // namespace

int RunProgress::PerMille() const {
    if (total <= 0) return 0;
    return static_cast<int>(std::clamp(done / total, 0.0, 1.0) * 1000);
}

RunProgress ProgressOf(const VisualLog& log) {
    RunProgress progress;
    const auto& counters = log.Layout().counters;
    for (std::size_t i = 0; i < counters.size(); ++i) {
        const VisualLogCounterLayout& counter = counters[i];
        if (IsByteCounter(counter)) continue;
        if (counter.toDo)
            progress.total += log.CounterAt(i);
        else if (counter.shown)
            progress.done += log.CounterAt(i);
    }
    return progress;
}

}  // namespace arbovane
