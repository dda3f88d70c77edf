#include "gui/visuallog/VisualLogWindow.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <stdexcept>

#include "core/paths/Arbsplit.h"
#include "core/visuallog/CategoryExport.h"
#include "core/visuallog/VisualLog.h"
#include "core/visuallog/VisualLogProgress.h"
#include "gui/acquire/TfrmFileExport.h"
#include "gui/visuallog/VisualLogListModel.h"
#include "gui/visuallog/VisualLogListViews.h"
#include "gui/visuallog/ZoomStatisticsWindow.h"
#include "platform/Messenger.h"

namespace arbovane {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

const QColor kMarkerColour(128, 0, 0);  // maroon

bool IsByteCounter(const VisualLogCounterLayout& counter) {
    return counter.name.find("Size") != std::string::npos;
}

// "1,234,567 bytes (1.18 MB)" in the user's own digit grouping.
QString BytesText(double bytes) {
    const auto whole = static_cast<std::uint64_t>(bytes < 0 ? 0 : bytes);
    return QLocale().toString(static_cast<qulonglong>(whole)) + " bytes (" +
           QString::fromStdString(FormatSize(whole)) + ")";
}

QString ElapsedText(std::chrono::steady_clock::duration elapsed) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(elapsed).count();
    return QString("Time: %1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

VisualLogWindow::VisualLogWindow(GuiContext& context, VisualLog& log, VisualLogTab tab,
                                 TfrmFileExport& exportDialog, QWidget* parent)
    : QDialog(parent), context_(context), log_(log), exportDialog_(exportDialog) {
    if (log.Layout().tab != tab)
        throw std::logic_error("Visual Log window given another tab's log");
    const VisualLogLayout& layout = log_.Layout();
    setObjectName(Q(layout.objectName));
    setWindowTitle(Q(layout.caption));
    setModal(false);

    for (std::size_t i = 0; i < log_.CategoryCount(); ++i)
        models_.push_back(new VisualLogListModel(log_, i, this));

    auto* column = new QVBoxLayout(this);
    lblNormalSimulate = new QLabel(this);
    lblNormalSimulate->setObjectName(Q(layout.markerLabelName));
    QFont markerFont = lblNormalSimulate->font();
    markerFont.setBold(true);
    lblNormalSimulate->setFont(markerFont);
    column->addWidget(lblNormalSimulate);
    lblNote = new QLabel(this);
    lblNote->setObjectName(Q("lblStat" + layout.number + "Note"));
    lblNote->setAlignment(Qt::AlignCenter);
    lblNote->setWordWrap(true);
    column->addWidget(lblNote);
    // The run mode as a check box (checked: Normal) for whoever reads it off the window; never
    // shown.
    chkNormalSimulate = new QCheckBox("Normal/Simulate", this);
    chkNormalSimulate->setObjectName(Q(layout.modeCheckBoxName));
    chkNormalSimulate->hide();

    // While a run goes on: how far it is, how long it has taken, and the way to stop it.
    wdgLive = new QWidget(this);
    wdgLive->setObjectName(Q("wdgStat" + layout.number + "Live"));
    auto* live = new QHBoxLayout(wdgLive);
    live->setContentsMargins(0, 0, 0, 0);
    prgRun = new QProgressBar(wdgLive);
    prgRun->setObjectName(Q("prgStat" + layout.number + "Run"));
    prgRun->setRange(0, 1000);
    prgRun->setFormat("%p %");
    live->addWidget(prgRun, 1);
    lblRunTime = new QLabel(wdgLive);
    lblRunTime->setObjectName(Q("lblStat" + layout.number + "RunTime"));
    live->addWidget(lblRunTime);
    btnStop = new QPushButton("Stop", wdgLive);
    btnStop->setObjectName(Q("btnStat" + layout.number + "Stop"));
    btnStop->setToolTip("Ends the run before its next folder or file (Esc).");
    connect(btnStop, &QPushButton::clicked, this, &VisualLogWindow::btnStopClick);
    live->addWidget(btnStop);
    column->addWidget(wdgLive);
    wdgLive->hide();

    BuildCounters(column);
    BuildCategories(column);

    btnOK = new QPushButton("OK", this);
    btnOK->setDefault(true);
    btnOK->setObjectName(Q("btnStat" + layout.number + "OK"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    column->addLayout(buttons);
    connect(btnOK, &QPushButton::clicked, this, &VisualLogWindow::btnOKClick);
    // Fits a 1366 x 768 screen with its title bar and a task bar; the lists grow with it.
    setSizeGripEnabled(true);
    resize(1000, 680);

    MarkerChanged();
    WriteCounters();
    log_.AttachView(this);
}

VisualLogWindow::~VisualLogWindow() {
    if (log_.View() == this) log_.AttachView(nullptr);
    // The zoom window's lists view this window's models; it goes first.
    delete zoom_;
}

void VisualLogWindow::SetZoomWindow(ZoomStatisticsWindow* zoom) {
    zoom_ = zoom;
}

void VisualLogWindow::BuildCounters(QVBoxLayout* column) {
    const VisualLogLayout& layout = log_.Layout();
    auto* frame = new QGroupBox(Q(layout.countersFrame), this);
    frame->setObjectName(Q("grpStat" + layout.number + "Counters"));
    auto* grid = new QGridLayout(frame);
    for (const VisualLogGridCaption& caption : layout.gridCaptions) {
        auto* label = new QLabel(Q(caption.text), frame);
        label->setObjectName(Q(layout.labelPrefix + "Caption" + std::to_string(caption.cell.row) +
                               "_" + std::to_string(caption.cell.column)));
        label->setWordWrap(caption.cell.row == 0 || caption.cell.column > 0);
        grid->addWidget(label, caption.cell.row, caption.cell.column);
    }
    const int digitsWidth = fontMetrics().horizontalAdvance(QString(16, QLatin1Char('0')));
    for (const VisualLogCounterLayout& counter : layout.counters) {
        counterTexts_.emplace_back();
        if (!counter.shown) {
            counterLabels_.push_back(nullptr);
            byteLabels_.push_back(nullptr);
            continue;
        }
        auto* label = new QLabel(frame);
        label->setObjectName(Q(layout.labelPrefix + counter.name));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // Wide enough for every figure, so a growing count never waits for a new layout.
        label->setMinimumWidth(digitsWidth + 8);
        counterLabels_.push_back(label);
        if (!IsByteCounter(counter)) {
            byteLabels_.push_back(nullptr);
            grid->addWidget(label, counter.cell.row, counter.cell.column);
            continue;
        }
        auto* cell = new QVBoxLayout;
        cell->setSpacing(0);
        cell->addWidget(label);
        auto* bytes = new QLabel(frame);
        bytes->setObjectName(Q(layout.labelPrefix + counter.name + "Bytes"));
        bytes->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QFont small = bytes->font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        bytes->setFont(small);
        // A window squeezed onto a small screen would otherwise cut the figures' tops off.
        bytes->setMinimumHeight(QFontMetrics(small).height());
        cell->addWidget(bytes);
        byteLabels_.push_back(bytes);
        grid->addLayout(cell, counter.cell.row, counter.cell.column);
    }
    column->addWidget(frame);
}

void VisualLogWindow::BuildCategories(QVBoxLayout* column) {
    const VisualLogLayout& layout = log_.Layout();
    const std::string lstPrefix = "lstStat" + layout.number;
    QGroupBox* frame = nullptr;
    QHBoxLayout* row = nullptr;
    int groups = 0;
    for (std::size_t i = 0; i < layout.categories.size(); ++i) {
        const VisualLogCategoryLayout& category = layout.categories[i];
        if (!frame || layout.categories[i - 1].group != category.group) {
            frame = new QGroupBox(Q(category.group), this);
            frame->setObjectName(Q("grpStat" + layout.number + "Group" + std::to_string(++groups)));
            row = new QHBoxLayout(frame);
            // The successes get the most room, the failed undo (mostly empty) the least.
            const bool failedUndo = category.listName.find("FailedUndo") != std::string::npos;
            column->addWidget(frame, groups == 1 ? 3 : failedUndo ? 1 : 2);
        }
        const std::string key = category.listName.substr(lstPrefix.size());
        auto* cell = new QVBoxLayout;
        if (!category.heading.empty()) {
            auto* heading = new QLabel(Q(category.heading), frame);
            heading->setObjectName(Q("lblStat" + layout.number + key + "Heading"));
            cell->addWidget(heading);
        }
        cell->addWidget(MakeVisualLogListView(Q(category.listName), models_[i], frame), 1);
        auto* zoom = new QPushButton("Zoom", frame);
        zoom->setObjectName(Q("btnStat" + layout.number + key + "Zoom"));
        auto* exportButton = new QPushButton("Export", frame);
        exportButton->setObjectName(Q("btnStat" + layout.number + key + "Export"));
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(zoom);
        buttons->addWidget(exportButton);
        cell->addLayout(buttons);
        row->addLayout(cell, 1);
        exportButtons_.push_back(exportButton);
        connect(zoom, &QPushButton::clicked, this, [this, i] { ZoomClick(i); });
        connect(exportButton, &QPushButton::clicked, this, [this, i] { ExportClick(i); });
    }
}

void VisualLogWindow::Repaint() {
    for (VisualLogListModel* model : models_) model->AnnounceAppended();
    WriteCounters();
    if (log_.IsLive()) WriteProgress();
    // Synchronously: a run keeps the message loop waiting until it ends.
    repaint();
    if (zoom_ && zoom_->isVisible()) zoom_->repaint();
}

void VisualLogWindow::WriteCounters() {
    for (std::size_t i = 0; i < counterLabels_.size(); ++i) {
        if (!counterLabels_[i]) continue;
        QString text = Q(log_.CounterTextAt(i));
        if (text == counterTexts_[i]) continue;
        counterLabels_[i]->setText(text);
        counterTexts_[i] = std::move(text);
        if (byteLabels_[i]) byteLabels_[i]->setText(BytesText(log_.CounterAt(i)));
    }
}

void VisualLogWindow::WriteProgress() {
    const RunProgress progress = ProgressOf(log_);
    if (progress.total > 0) {
        prgRun->setRange(0, 1000);
        prgRun->setValue(progress.PerMille());
    } else {
        prgRun->setRange(0, 0);  // busy, no end known
    }
    lblRunTime->setText(ElapsedText(std::chrono::steady_clock::now() - log_.RunStart()));
}

void VisualLogWindow::LiveChanged() {
    const bool live = log_.IsLive();
    wdgLive->setVisible(live);
    btnStop->setEnabled(live);
    btnStop->setText("Stop");
    if (live) WriteProgress();
}

void VisualLogWindow::btnStopClick() {
    if (!log_.IsLive()) return;
    log_.RequestStop();
    btnStop->setEnabled(false);
    btnStop->setText("Stopping...");
}

void VisualLogWindow::reject() {
    if (log_.IsLive()) {
        btnStopClick();
        return;
    }
    QDialog::reject();
}

void VisualLogWindow::PlaceFirstTime() {
    if (placed_) return;
    placed_ = true;
    // The run buttons stand at the top of the main window's right-hand column: the log goes to
    // the lower left of the screen. Moved by the user, it stays where it was put.
    const QScreen* screen =
        parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize frame = frameGeometry().size();
    move(area.left(), std::max(area.top(), area.bottom() - frame.height() + 1));
}

void VisualLogWindow::MarkerChanged() {
    lblNormalSimulate->setText(Q(log_.MarkerText()));
    QPalette palette = lblNormalSimulate->palette();
    palette.setColor(QPalette::WindowText, kMarkerColour);
    lblNormalSimulate->setPalette(palette);
    lblNormalSimulate->setAlignment(Qt::AlignCenter);
    chkNormalSimulate->setChecked(log_.Mode() == VisualLogMode::Normal);
    lblNote->setText(Q(log_.Note()));
    lblNote->setVisible(!log_.Note().empty());
}

void VisualLogWindow::CategoriesAboutToBeCleared() {
    for (VisualLogListModel* model : models_) model->BeginClear();
}

void VisualLogWindow::CategoriesCleared() {
    for (VisualLogListModel* model : models_) model->EndClear();
}

void VisualLogWindow::EntriesPending() {
    // Lines added outside a repaint reach the lists when the message loop next runs.
    if (showPendingQueued_) return;
    showPendingQueued_ = true;
    QMetaObject::invokeMethod(this, &VisualLogWindow::ShowPendingEntries, Qt::QueuedConnection);
}

void VisualLogWindow::ShowPendingEntries() {
    showPendingQueued_ = false;
    log_.Flush();
}

void VisualLogWindow::ShowWindow() {
    PlaceFirstTime();
    show();
    raise();
    activateWindow();
}

void VisualLogWindow::btnOKClick() {
    hide();
}

void VisualLogWindow::ZoomClick(std::size_t category) {
    if (zoom_) zoom_->Zoom(category);
}

void VisualLogWindow::ExportClick(std::size_t category) {
    const VisualLogCategoryLayout& layout = log_.Layout().categories.at(category);
    const std::vector<std::string>& lines = log_.LinesAt(category);
    if (lines.empty()) {
        context_.messenger.Show(layout.emptyText, layout.emptyTitle, kMsgWarning);
        return;
    }
    exportDialog_.ExportLines(CategoryExportLines(lines), "FOLDERS");
    exportButtons_.at(category)->setFocus();
}

}  // namespace arbovane
