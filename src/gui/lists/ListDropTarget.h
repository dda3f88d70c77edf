#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "core/lists/DroppedItems.h"

class QAbstractItemView;
class QMimeData;

namespace arbovane {

class FileSystem;
class Shell;

// What a drop or a paste brings to a list: folders and refused items when it holds file
// addresses (a file manager's drag or copy), otherwise the lines of its text.
struct ListInput {
    DroppedItems dropped;
    std::vector<std::string> lines;

    bool Empty() const {
        return dropped.folders.empty() && dropped.refused.empty() && lines.empty();
    }
};

ListInput ListInputOf(const QMimeData& data, Shell& shell, FileSystem& fs);

// Lets a list box take what a file manager drops on it and what Ctrl+V pastes into it.
class ListDropTarget : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(ListInput)>;

    ListDropTarget(QAbstractItemView* view, Shell& shell, FileSystem& fs, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractItemView* view_;
    Shell& shell_;
    FileSystem& fs_;
    Handler handler_;
};

}  // namespace arbovane
