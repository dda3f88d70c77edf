#include "gui/visuallog/ZoomStatisticsWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/visuallog/VisualLogLayout.h"
#include "gui/visuallog/VisualLogListModel.h"
#include "gui/visuallog/VisualLogListViews.h"

namespace arbovane {

ZoomStatisticsWindow::ZoomStatisticsWindow(GuiContext& /*context*/, const VisualLogLayout& layout,
                                           const std::vector<VisualLogListModel*>& models,
                                           QWidget* parent)
    : QDialog(parent) {
    setObjectName(QString::fromStdString(layout.zoomObjectName));
    setWindowTitle(QString::fromStdString(layout.zoomCaption));
    setModal(false);

    auto* column = new QVBoxLayout(this);
    for (std::size_t i = 0; i < layout.categories.size(); ++i) {
        const VisualLogCategoryLayout& category = layout.categories[i];
        const QString listName = QString::fromStdString(category.zoomListName);
        auto* caption = new QLabel(QString::fromStdString(category.zoomCaption), this);
        caption->setObjectName("lbl" + listName.mid(3));
        caption->hide();
        QListView* list = MakeVisualLogListView(listName, models.at(i), this);
        list->hide();
        column->addWidget(caption);
        column->addWidget(list, 1);
        captions_.push_back(caption);
        lists_.push_back(list);
    }
    btnClose = new QPushButton("Close", this);
    btnClose->setObjectName("btnVol" + QString::fromStdString(layout.number) +
                            "ZoomStatisticsClose");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnClose);
    column->addLayout(buttons);
    resize(900, 600);

    connect(btnClose, &QPushButton::clicked, this, &ZoomStatisticsWindow::btnCloseClick);
}

void ZoomStatisticsWindow::Zoom(std::size_t category) {
    for (QLabel* caption : captions_) caption->hide();
    captions_.at(category)->show();
    for (QListView* list : lists_) list->hide();
    lists_.at(category)->show();
    selected_ = static_cast<int>(category);
    show();
    raise();
    activateWindow();
}

void ZoomStatisticsWindow::btnCloseClick() {
    hide();
}

}  // namespace arbovane
