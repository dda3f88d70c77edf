#pragma once

#include <QMainWindow>

namespace arbovane {

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);
};

}  // namespace arbovane
