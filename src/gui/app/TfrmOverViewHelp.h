#pragma once

#include <QDialog>
#include <string>

#include "gui/app/GuiContext.h"

namespace arbovane {

// Some questions about the program and their answers, with a link to the user guide.
class TfrmOverViewHelp : public QDialog {
    Q_OBJECT
public:
    TfrmOverViewHelp(GuiContext& context, std::string guidePath, QWidget* parent = nullptr);

public slots:
    void lblOverViewHelpLinkClick();

private:
    GuiContext& context_;
    std::string guidePath_;
};

}  // namespace arbovane
