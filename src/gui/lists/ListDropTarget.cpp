#include "gui/lists/ListDropTarget.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>

#include "platform/Shell.h"

namespace arbovane {

namespace {

bool Acceptable(const QMimeData* data) {
    return data && (data->hasUrls() || data->hasText());
}

}  // namespace

ListInput ListInputOf(const QMimeData& data, Shell& shell, FileSystem& fs) {
    ListInput input;
    if (data.hasUrls()) {
        std::vector<DroppedItem> items;
        for (const QUrl& url : data.urls()) {
            if (!url.isLocalFile()) {
                items.push_back({url.toString().toStdString(), false});
                continue;
            }
            const std::string host = url.toLocalFile().toStdString();
            const auto windows = shell.WindowsPathOf(host);
            items.push_back(windows ? DroppedItem{*windows, true} : DroppedItem{host, false});
        }
        input.dropped = SortDropped(fs, items);
        return input;
    }
    // One path a line, as a column copied from a spreadsheet; a line break of any system ends one.
    QString text = data.text();
    text.replace("\r\n", "\n").replace('\r', '\n');
    for (const QString& line : text.split('\n')) input.lines.push_back(line.toStdString());
    return input;
}

ListDropTarget::ListDropTarget(QAbstractItemView* view, Shell& shell, FileSystem& fs,
                               Handler handler)
    : QObject(view), view_(view), shell_(shell), fs_(fs), handler_(std::move(handler)) {
    view->setAcceptDrops(true);
    view->viewport()->setAcceptDrops(true);
    view->viewport()->installEventFilter(this);
    view->installEventFilter(this);
}

bool ListDropTarget::eventFilter(QObject* watched, QEvent* event) {
    // A list that waits for something else (the names list for its destination) takes nothing.
    if (!view_->isEnabled()) return false;
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (Acceptable(drag->mimeData()))
                drag->acceptProposedAction();
            else
                drag->ignore();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (!Acceptable(drop->mimeData())) return true;
            drop->acceptProposedAction();
            ListInput input = ListInputOf(*drop->mimeData(), shell_, fs_);
            // The file manager waits until the drop ends; a thousand folders are taken after it.
            if (!input.Empty())
                QMetaObject::invokeMethod(
                    this,
                    [this, input = std::move(input)]() mutable { handler_(std::move(input)); },
                    Qt::QueuedConnection);
            return true;
        }
        case QEvent::KeyPress:
            if (watched == view_ && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
                const QMimeData* data = QGuiApplication::clipboard()->mimeData();
                if (Acceptable(data)) {
                    ListInput input = ListInputOf(*data, shell_, fs_);
                    if (!input.Empty()) handler_(std::move(input));
                }
                return true;
            }
            return false;
        default:
            return false;
    }
}

}  // namespace arbovane
