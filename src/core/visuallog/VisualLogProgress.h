#pragma once

namespace arbovane {

class VisualLog;

// How far a run is, from its log's counters: the entries it has given an outcome against the
// to-do counters it set before it started. Byte counters are left out.
struct RunProgress {
    double done = 0;
    double total = 0;  // 0 when the run does not know its total
    // 0 to 1000, never past the end even when the run met more than its counters foresaw.
    int PerMille() const;
};

RunProgress ProgressOf(const VisualLog& log);

}  // namespace arbovane
