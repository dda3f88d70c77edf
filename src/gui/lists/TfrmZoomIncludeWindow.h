#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "core/lists/FolderList.h"
#include "gui/app/GuiContext.h"

class QListWidget;
class QPushButton;

namespace arbovane {

// "Zoom the Include Window.": one wide list that gathers the include items of every zoom, from
// any tab, for as long as the window lives (it is created once, at start).
class TfrmZoomIncludeWindow : public QDialog {
    Q_OBJECT
public:
    explicit TfrmZoomIncludeWindow(GuiContext& context, QWidget* parent = nullptr);

    // Adds every line the list does not hold yet, then shows the window modally.
    void Zoom(const std::vector<std::string>& lines);
    // Everything Zoom does before showing the window.
    void AddLines(const std::vector<std::string>& lines);
    const std::vector<std::string>& Lines() const { return lines_.Lines(); }

public slots:
    void btnZoomIncludeCloseClick();

private:
    FolderList lines_;

    QListWidget* lstZoomIncludeList = nullptr;
    QPushButton* btnZoomIncludeClose = nullptr;
};

}  // namespace arbovane
