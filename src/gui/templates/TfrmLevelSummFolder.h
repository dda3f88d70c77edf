#pragma once

#include <QDialog>

#include "core/templates/FolderStructSize.h"
#include "gui/app/GuiContext.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace arbovane {

// "Level Number - Number of Subfolders": the folders per level of one measured tree.
class TfrmLevelSummFolder : public QDialog {
    Q_OBJECT
public:
    explicit TfrmLevelSummFolder(GuiContext& context, QWidget* parent = nullptr);

    // Shows the summary; the window is shown by Run.
    void Fill(const _tagLevelSummary& summary);
    // Fill, then Run.
    void ShowSummary(const _tagLevelSummary& summary);
    int Run() { return exec(); }

public slots:
    void btnLevelSummFolderCloseClick();

private:
    GuiContext& context_;

    QTreeWidget* lstViewLevelSummFolder = nullptr;
    QLabel* lblLevelSummFolderName = nullptr;
    QLabel* lblLevelSummFolderSum = nullptr;
    QLabel* lblLevelSummFileSum = nullptr;
    QLabel* lblLevelSummFileSize = nullptr;
    QPushButton* btnLevelSummFolderClose = nullptr;
};

}  // namespace arbovane
