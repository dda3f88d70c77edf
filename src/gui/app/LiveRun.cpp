#include "gui/app/LiveRun.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTabWidget>
#include <algorithm>

#include "core/visuallog/VisualLog.h"
#include "core/visuallog/VisualLogProgress.h"

namespace arbovane {

void LiveRun::Begin(VisualLog& log) {
    End();
    log_ = &log;
    title_ = window_.windowTitle();
    // The running tab's own controls would change the run's inputs under it.
    if (auto* tabs = window_.findChild<QTabWidget*>("pgeMain"))
        if (QWidget* sheet = tabs->currentWidget()) sheet->setEnabled(false);
    if (QMenuBar* menu = window_.menuBar()) menu->setEnabled(false);
    sinceEvents_.start();
    sincePaint_.start();
    paintIntervalMs_ = kPaintIntervalMs;
    log.SetRunControl(this);
}

void LiveRun::End() {
    if (!log_) return;
    VisualLog* log = log_;
    log_ = nullptr;
    log->SetRunControl(nullptr);
    if (auto* tabs = window_.findChild<QTabWidget*>("pgeMain"))
        for (int i = 0; i < tabs->count(); ++i) tabs->widget(i)->setEnabled(true);
    if (QMenuBar* menu = window_.menuBar()) menu->setEnabled(true);
    window_.setWindowTitle(title_);
}

bool LiveRun::StopRequested() {
    if (log_ && !pumping_ && sinceEvents_.elapsed() >= kEventIntervalMs)
        Pump(sincePaint_.elapsed() >= paintIntervalMs_);
    return false;
}

void LiveRun::LetEventsRun() {
    Pump(true);
}

void LiveRun::Pump(bool paint) {
    if (!log_ || pumping_) return;
    pumping_ = true;
    QElapsedTimer cost;
    cost.start();
    if (paint) {
        log_->Flush();
        ShowProgressInTitle();
    }
    // Input reaches only what is enabled: the Visual Log (its Stop), the main window's close.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (paint) {
        paintIntervalMs_ =
            std::clamp<qint64>(20 * cost.elapsed(), kPaintIntervalMs, kLongestPaintIntervalMs);
        sincePaint_.start();
    }
    pumping_ = false;
    sinceEvents_.start();
}

void LiveRun::ShowProgressInTitle() {
    if (!log_) return;
    const RunProgress progress = ProgressOf(*log_);
    if (progress.total <= 0) return;
    window_.setWindowTitle(QString("%1 - %2 %").arg(title_).arg(progress.PerMille() / 10));
}

}  // namespace arbovane
