#include "core/visuallog/VisualLog.h"

#include <algorithm>
#include <stdexcept>

#include "core/run/RunControl.h"
#include "core/visuallog/CounterText.h"
#include "core/visuallog/SteadyRefreshClock.h"
#include "core/visuallog/VisualLogView.h"

namespace arbovane {

VisualLog::VisualLog(VisualLogTab tab, const RefreshClock& clock)
    : layout_(VisualLogLayoutFor(tab)),
      clock_(clock),
      counters_(layout_.counters.size(), 0.0),
      categories_(layout_.categories.size()) {}

const RefreshClock& VisualLog::DefaultClock() {
    return SteadyRefreshClock::Instance();
}

void VisualLog::AttachView(VisualLogView* view) {
    view_ = view;
    repainted_ = false;
    entriesPending_ = false;
}

void VisualLog::SetNote(std::string note) {
    note_ = std::move(note);
    if (view_) view_->MarkerChanged();
}

void VisualLog::BeginRun(VisualLogMode mode) {
    mode_ = mode;
    note_.clear();
    stopped_ = false;
    stopRequested_ = false;
    runStart_ = clock_.Now();
    if (view_) view_->MarkerChanged();
    ClearOutcomes();
}

void VisualLog::SetRunControl(RunControl* control) {
    control_ = control;
    if (!view_) return;
    view_->LiveChanged();
    if (!control_ && entriesPending_) view_->EntriesPending();
}

bool VisualLog::StopRequested() {
    if (control_ && control_->StopRequested()) stopRequested_ = true;
    if (stopRequested_ && !stopped_) {
        stopped_ = true;
        if (view_) view_->MarkerChanged();
    }
    return stopped_;
}

void VisualLog::ClearStop() {
    stopRequested_ = false;
    runStart_ = clock_.Now();
    if (!stopped_) return;
    stopped_ = false;
    if (view_) view_->MarkerChanged();
}

void VisualLog::ClearOutcomes() {
    ZeroOutcomeCounters();
    ClearCategories();
    Flush();
}

void VisualLog::ZeroCounters() {
    std::fill(counters_.begin(), counters_.end(), 0.0);
}

void VisualLog::RederiveMarker() {
    if (view_) view_->MarkerChanged();
}

std::string VisualLog::MarkerText() const {
    const std::string& marker =
        mode_ == VisualLogMode::Simulate ? layout_.simulateMarker : layout_.normalMarker;
    return stopped_ ? marker + "  Stopped by the user." : marker;
}

void VisualLog::Flush() {
    if (view_) Repaint();
}

void VisualLog::Refresh() {
    if (!view_ || (control_ && control_->PaintsLog())) return;
    // A run refreshes after every counter change; painting each of them would cost more than the
    // run itself, and no one sees more than a few frames a second.
    if (repainted_ && clock_.Now() - lastRepaint_ < kRepaintInterval) return;
    Repaint();
}

void VisualLog::Show() {
    if (!view_) return;
    Repaint();
    view_->ShowWindow();
}

std::string VisualLog::CounterTextAt(std::size_t index) const {
    return CounterText(counters_.at(index));
}

void VisualLog::AddEntryAt(std::size_t index, std::string text) {
    categories_.at(index).push_back(std::move(text));
    if (entriesPending_ || !view_) return;
    entriesPending_ = true;
    // A control that paints the log shows them at its own pace.
    if (control_ && control_->PaintsLog()) return;
    view_->EntriesPending();
}

void VisualLog::CheckFamily(VisualLogFamily family) const {
    if (family != layout_.family)
        throw std::logic_error("counter or category of another tab's Visual Log");
}

void VisualLog::ZeroOutcomeCounters() {
    for (std::size_t i = 0; i < counters_.size(); ++i)
        if (!layout_.counters[i].toDo) counters_[i] = 0.0;
}

void VisualLog::ClearCategories() {
    if (view_) view_->CategoriesAboutToBeCleared();
    for (auto& lines : categories_) {
        // Swapped out so a list of a million lines gives its memory back.
        std::vector<std::string>().swap(lines);
    }
    entriesPending_ = false;
    if (view_) view_->CategoriesCleared();
}

void VisualLog::Repaint() {
    entriesPending_ = false;
    view_->Repaint();
    // Timed from the end, so a repaint slower than the interval (long lists) still leaves the run
    // the whole interval to itself.
    repainted_ = true;
    lastRepaint_ = clock_.Now();
}

}  // namespace arbovane
