#pragma once

#include <QDialog>
#include <QString>
#include <cstddef>
#include <vector>

#include "core/visuallog/VisualLogIds.h"
#include "core/visuallog/VisualLogView.h"
#include "gui/app/GuiContext.h"

class QCheckBox;
class QLabel;
class QListView;
class QProgressBar;
class QPushButton;
class QVBoxLayout;

namespace arbovane {

class TfrmFileExport;
class VisualLog;
class VisualLogListModel;
class ZoomStatisticsWindow;

// What the six Visual Log windows have in common: built from the tab's layout, it shows the
// tab's VisualLog (attaching itself as its view) and exports its categories through the export
// dialog. Each window has one zoom window, which its subclass creates.
class VisualLogWindow : public QDialog, public VisualLogView {
    Q_OBJECT
public:
    ~VisualLogWindow() override;

    VisualLog& Log() { return log_; }
    ZoomStatisticsWindow& ZoomWindow() { return *zoom_; }
    // The list model of a category, shared with the zoom window.
    VisualLogListModel& Model(std::size_t category) { return *models_.at(category); }

    // VisualLogView
    void Repaint() override;
    void MarkerChanged() override;
    void CategoriesAboutToBeCleared() override;
    void CategoriesCleared() override;
    void EntriesPending() override;
    void ShowWindow() override;
    void LiveChanged() override;

public slots:
    void btnOKClick();
    // Ends the run going on before its next entry.
    void btnStopClick();
    // The Zoom and Export buttons under the category lists.
    void ZoomClick(std::size_t category);
    void ExportClick(std::size_t category);

protected:
    VisualLogWindow(GuiContext& context, VisualLog& log, VisualLogTab tab,
                    TfrmFileExport& exportDialog, QWidget* parent);
    // Called once by the subclass constructor.
    void SetZoomWindow(ZoomStatisticsWindow* zoom);
    const std::vector<VisualLogListModel*>& Models() const { return models_; }

private:
    void BuildCounters(QVBoxLayout* column);
    void BuildCategories(QVBoxLayout* column);
    void ShowPendingEntries();
    void WriteCounters();
    void WriteProgress();
    // Esc stops a run going on instead of closing the window.
    void reject() override;
    // The first time: beside the main window's run buttons, never over them.
    void PlaceFirstTime();

    GuiContext& context_;
    VisualLog& log_;
    TfrmFileExport& exportDialog_;
    ZoomStatisticsWindow* zoom_ = nullptr;
    std::vector<VisualLogListModel*> models_;
    std::vector<QLabel*> counterLabels_;  // nullptr for a counter no label shows
    std::vector<QString> counterTexts_;
    std::vector<QPushButton*> exportButtons_;
    // Beside each byte counter: the figure with thousands separators and its unit.
    std::vector<QLabel*> byteLabels_;
    bool showPendingQueued_ = false;
    bool placed_ = false;

    QWidget* wdgLive = nullptr;
    QProgressBar* prgRun = nullptr;
    QLabel* lblRunTime = nullptr;
    QPushButton* btnStop = nullptr;

    QLabel* lblNormalSimulate = nullptr;
    QLabel* lblNote = nullptr;
    QCheckBox* chkNormalSimulate = nullptr;
    QPushButton* btnOK = nullptr;
};

}  // namespace arbovane
