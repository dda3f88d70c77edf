#pragma once

namespace arbovane {

// What watches a run from outside the engine: it may ask the run to stop, and it hears between two
// entries that the run goes on (a window paints and lets the desktop's events run then).
class RunControl {
public:
    virtual ~RunControl() = default;
    // Asked between two entries, so it must be cheap; true ends the run before the next entry.
    virtual bool StopRequested() = 0;
    // True when the control paints the Visual Log itself, at its own pace.
    virtual bool PaintsLog() const { return false; }
};

}  // namespace arbovane
