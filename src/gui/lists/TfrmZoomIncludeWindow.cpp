#include "gui/lists/TfrmZoomIncludeWindow.h"

#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/PumpMessages.h"

namespace arbovane {

namespace {

// The list scrolls sideways over this width, whatever its lines hold.
constexpr int kHorizontalExtent = 3000;
constexpr qint64 kPumpIntervalMs = 50;

}  // namespace

TfrmZoomIncludeWindow::TfrmZoomIncludeWindow(GuiContext& context, QWidget* parent)
    : QDialog(parent), lines_(context.text, context.fs) {
    setObjectName("frmZoomIncludeWindow");
    setWindowTitle("Zoom the Include Window.");
    setModal(true);

    lstZoomIncludeList = new QListWidget(this);
    lstZoomIncludeList->setObjectName("lstZoomIncludeList");
    lstZoomIncludeList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstZoomIncludeList->setWordWrap(false);
    lstZoomIncludeList->setUniformItemSizes(true);
    lstZoomIncludeList->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    lstZoomIncludeList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    btnZoomIncludeClose = new QPushButton("Close", this);
    btnZoomIncludeClose->setObjectName("btnZoomIncludeClose");

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(btnZoomIncludeClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstZoomIncludeList, 1);
    layout->addLayout(bottom);
    resize(860, 520);

    connect(btnZoomIncludeClose, &QPushButton::clicked, this,
            &TfrmZoomIncludeWindow::btnZoomIncludeCloseClick);
}

void TfrmZoomIncludeWindow::AddLines(const std::vector<std::string>& lines) {
    const int rowHeight = lstZoomIncludeList->fontMetrics().height() + 2;
    QElapsedTimer clock;
    clock.start();
    lstZoomIncludeList->setUpdatesEnabled(false);
    for (const std::string& line : lines) {
        if (!lines_.Add(line)) continue;
        auto* item = new QListWidgetItem(QString::fromStdString(line));
        item->setSizeHint(QSize(kHorizontalExtent, rowHeight));
        lstZoomIncludeList->addItem(item);
        // A long list keeps the program responsive without paying a repaint per line.
        if (clock.elapsed() >= kPumpIntervalMs) {
            lstZoomIncludeList->setUpdatesEnabled(true);
            PumpMessages();
            lstZoomIncludeList->setUpdatesEnabled(false);
            clock.restart();
        }
    }
    lstZoomIncludeList->setUpdatesEnabled(true);
    PumpMessages();
}

void TfrmZoomIncludeWindow::Zoom(const std::vector<std::string>& lines) {
    AddLines(lines);
    exec();
}

void TfrmZoomIncludeWindow::btnZoomIncludeCloseClick() {
    accept();
}

}  // namespace arbovane
