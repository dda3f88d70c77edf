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
// kEventInterval, so it never looks hung and its Visual Log can stop the run. The Visual Log is
// painted less often: a large one takes milliseconds to paint, and the pace keeps that cost to a
// twentieth of the run.
class LiveRun : public RunControl {
public:
    static constexpr int kEventIntervalMs = 40;
    static constexpr qint64 kPaintIntervalMs = 100;
    static constexpr qint64 kLongestPaintIntervalMs = 1000;

    explicit LiveRun(QMainWindow& window) : window_(window) {}
    LiveRun(const LiveRun&) = delete;
    LiveRun& operator=(const LiveRun&) = delete;
    ~LiveRun() override { End(); }

    void Begin(VisualLog& log);
    void End();
    bool Active() const { return log_ != nullptr; }
    VisualLog* Log() const { return log_; }

    bool StopRequested() override;
    bool PaintsLog() const override { return true; }
    // Lets the events run now, whatever the pacing.
    void LetEventsRun();

private:
    void Pump(bool paint);
    void ShowProgressInTitle();

    QMainWindow& window_;
    VisualLog* log_ = nullptr;
    QElapsedTimer sinceEvents_;
    QElapsedTimer sincePaint_;
    qint64 paintIntervalMs_ = kPaintIntervalMs;
    QString title_;
    bool pumping_ = false;
};

}  // namespace arbovane
