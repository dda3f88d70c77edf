#pragma once

#include <QElapsedTimer>
#include <QString>

#include "core/run/RunControl.h"

class QMainWindow;
class QWidget;

namespace arbovane {

class VisualLog;

// The window side of a run: while it goes on, the main window's tabs and menu take no input, and
// between two entries of the run the window lets paint and desktop events run at most every
// kEventInterval, so it never looks hung and its Visual Log can stop the run.
class LiveRun : public RunControl {
public:
    static constexpr int kEventIntervalMs = 40;

    explicit LiveRun(QMainWindow& window) : window_(window) {}
    LiveRun(const LiveRun&) = delete;
    LiveRun& operator=(const LiveRun&) = delete;
    ~LiveRun() override { End(); }

    void Begin(VisualLog& log);
    void End();
    bool Active() const { return log_ != nullptr; }
    VisualLog* Log() const { return log_; }

    bool StopRequested() override;
    // Lets the events run now, whatever the pacing.
    void LetEventsRun();

private:
    void ShowProgressInTitle();

    QMainWindow& window_;
    VisualLog* log_ = nullptr;
    QElapsedTimer sinceEvents_;
    QString title_;
    bool pumping_ = false;
};

}  // namespace arbovane
