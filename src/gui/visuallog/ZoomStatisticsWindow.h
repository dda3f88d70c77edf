#pragma once

#include <QDialog>
#include <cstddef>
#include <vector>

#include "gui/app/GuiContext.h"

class QLabel;
class QListView;
class QPushButton;

namespace arbovane {

struct VisualLogLayout;
class VisualLogListModel;

// The zoom window of a Visual Log window: one enlarged category at a time, its list viewing the
// same model as the Visual Log window's list, so it never needs filling.
class ZoomStatisticsWindow : public QDialog {
    Q_OBJECT
public:
    ZoomStatisticsWindow(GuiContext& context, const VisualLogLayout& layout,
                         const std::vector<VisualLogListModel*>& models, QWidget* parent = nullptr);

    // Shows exactly this category's caption and list, and the window, non-modally.
    void Zoom(std::size_t category);
    // The category last zoomed, or -1 before the first zoom.
    int SelectedCategory() const { return selected_; }

public slots:
    void btnCloseClick();

private:
    std::vector<QLabel*> captions_;
    std::vector<QListView*> lists_;
    QPushButton* btnClose = nullptr;
    int selected_ = -1;
};

}  // namespace arbovane
