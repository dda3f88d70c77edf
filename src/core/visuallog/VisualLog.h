#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

#include "core/visuallog/RefreshClock.h"
#include "core/visuallog/VisualLogIds.h"
#include "core/visuallog/VisualLogLayout.h"

namespace arbovane {

class RunControl;
class VisualLogView;

// The statistics of one operation tab: the run mode, the counters and the category lists that the
// tab's Visual Log window shows. Operations feed it entry by entry; the window is only a view.
class VisualLog {
public:
    // Repaints of a long run are at least this far apart.
    static constexpr std::chrono::milliseconds kRepaintInterval{50};

    explicit VisualLog(VisualLogTab tab, const RefreshClock& clock = DefaultClock());
    VisualLog(const VisualLog&) = delete;
    VisualLog& operator=(const VisualLog&) = delete;

    const VisualLogLayout& Layout() const { return layout_; }

    // The window that shows this log, or nullptr. The view must outlive its attachment.
    void AttachView(VisualLogView* view);
    VisualLogView* View() const { return view_; }

    // Starts a run or simulation: stores the mode and sets the marker, zeroes the outcome counters
    // (the to-do counters stay), empties every category list and repaints.
    void BeginRun(VisualLogMode mode);

    // Who watches the run that feeds this log now (the window, the command line), or nullptr
    // between runs.
    void SetRunControl(RunControl* control);
    bool IsLive() const { return control_ != nullptr; }
    // The user wants the run to end (Stop, Esc, closing the program): the run ends before its
    // next entry.
    void RequestStop() { stopRequested_ = true; }
    // Asked by the engines between two entries. Once true it stays true until the next run, and
    // the marker says that the user stopped the run.
    bool StopRequested();
    bool Stopped() const { return stopped_; }
    // The next run starts unstopped (BeginRun does this; undo runs, which keep the marker, call
    // it).
    void ClearStop();
    // When the current or last run started, for the time it has taken.
    std::chrono::steady_clock::time_point RunStart() const { return runStart_; }
    // Repaints once more, whatever the pacing; the end of every run calls it.
    void EndRun() { Flush(); }
    void Flush();
    // Repaints unless the last repaint ended less than kRepaintInterval ago.
    void Refresh();
    // Repaints and shows the window.
    void Show();

    // Zeroes the outcome counters and empties the lists, leaving mode and marker (undo runs).
    void ClearOutcomes();
    // Zeroes every counter, the to-do counters included.
    void ZeroCounters();
    // Sets the marker again from the stored mode (each activation of the main window).
    void RederiveMarker();

    VisualLogMode Mode() const { return mode_; }
    // A line under the marker about what the log shows now (an undo and its outcome); empty
    // after BeginRun.
    void SetNote(std::string note);
    const std::string& Note() const { return note_; }
    // The mode's marker, saying too when the user stopped the run.
    std::string MarkerText() const;

    template <VisualLogCounterId Id>
    void Add(Id counter, double amount) {
        counters_[CounterIndex(counter)] += amount;
    }
    template <VisualLogCounterId Id>
    void Set(Id counter, double value) {
        counters_[CounterIndex(counter)] = value;
    }
    template <VisualLogCounterId Id>
    double Counter(Id counter) const {
        return counters_[CounterIndex(counter)];
    }
    template <VisualLogCategoryId Id>
    void AddEntry(Id category, std::string text) {
        AddEntryAt(CategoryIndex(category), std::move(text));
    }
    template <VisualLogCategoryId Id>
    const std::vector<std::string>& Lines(Id category) const {
        return categories_[CategoryIndex(category)];
    }

    // By position in the layout tables, for the window.
    std::size_t CounterCount() const { return counters_.size(); }
    double CounterAt(std::size_t index) const { return counters_.at(index); }
    std::string CounterTextAt(std::size_t index) const;
    std::size_t CategoryCount() const { return categories_.size(); }
    const std::vector<std::string>& LinesAt(std::size_t index) const {
        return categories_.at(index);
    }
    void AddEntryAt(std::size_t index, std::string text);

private:
    static const RefreshClock& DefaultClock();

    template <typename Id>
    std::size_t CounterIndex(Id counter) const {
        CheckFamily(VisualLogFamilyOf<Id>::value);
        return static_cast<std::size_t>(counter);
    }
    template <typename Id>
    std::size_t CategoryIndex(Id category) const {
        CheckFamily(VisualLogFamilyOf<Id>::value);
        return static_cast<std::size_t>(category);
    }
    void CheckFamily(VisualLogFamily family) const;
    void ZeroOutcomeCounters();
    void ClearCategories();
    void Repaint();

    const VisualLogLayout& layout_;
    const RefreshClock& clock_;
    VisualLogView* view_ = nullptr;
    RunControl* control_ = nullptr;
    bool stopRequested_ = false;
    std::string note_;
    bool stopped_ = false;
    std::chrono::steady_clock::time_point runStart_;
    VisualLogMode mode_ = VisualLogMode::Normal;
    std::vector<double> counters_;
    std::vector<std::vector<std::string>> categories_;
    bool entriesPending_ = false;
    bool repainted_ = false;
    std::chrono::steady_clock::time_point lastRepaint_;
};

}  // namespace arbovane
