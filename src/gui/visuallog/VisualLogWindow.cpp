#include "gui/visuallog/VisualLogWindow.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>
#include <stdexcept>

#include "core/visuallog/CategoryExport.h"
#include "core/visuallog/VisualLog.h"
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
    // The run mode as a check box (checked: Normal) for whoever reads it off the window; never
    // shown.
    chkNormalSimulate = new QCheckBox("Normal/Simulate", this);
    chkNormalSimulate->setObjectName(Q(layout.modeCheckBoxName));
    chkNormalSimulate->hide();

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
    // Fits a 1366 x 768 screen with its title bar and a task bar.
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
            continue;
        }
        auto* label = new QLabel(frame);
        label->setObjectName(Q(layout.labelPrefix + counter.name));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // Wide enough for every figure, so a growing count never waits for a new layout.
        label->setMinimumWidth(digitsWidth + 8);
        grid->addWidget(label, counter.cell.row, counter.cell.column);
        counterLabels_.push_back(label);
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
            column->addWidget(frame, 1);
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
    }
}

void VisualLogWindow::MarkerChanged() {
    lblNormalSimulate->setText(Q(log_.MarkerText()));
    QPalette palette = lblNormalSimulate->palette();
    palette.setColor(QPalette::WindowText, kMarkerColour);
    lblNormalSimulate->setPalette(palette);
    lblNormalSimulate->setAlignment(Qt::AlignCenter);
    chkNormalSimulate->setChecked(log_.Mode() == VisualLogMode::Normal);
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
