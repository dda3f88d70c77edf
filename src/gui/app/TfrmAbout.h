#pragma once

#include <QDialog>
#include <string>

#include "gui/app/GuiContext.h"

namespace arbovane {

// The About box: the program title, what it is for, the user guide and OK.
class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    // guidePath: the user guide, in Windows path text, opened with the shell.
    TfrmAbout(GuiContext& context, std::string guidePath, QWidget* parent = nullptr);

    // Centred on the screen, modal.
    int ShowCentred();

public slots:
    void lblAboutGuideClick();

private:
    GuiContext& context_;
    std::string guidePath_;
};

}  // namespace arbovane
