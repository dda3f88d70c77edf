#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

namespace arbovane {

// "More Help Topics for ...": fixed lines about what every tab shares (lists, editing, import and
// export, the list builder, Simulation, Visual Log, Undo), filled once at creation.
class TfrmMoreHelp : public QDialog {
    Q_OBJECT
public:
    explicit TfrmMoreHelp(const QString& programTitle, QWidget* parent = nullptr);

public slots:
    void btnMoreHelpOkClick();

private:
    QListWidget* lstMoreHelp = nullptr;
    QPushButton* btnMoreHelpOk = nullptr;
};

}  // namespace arbovane
