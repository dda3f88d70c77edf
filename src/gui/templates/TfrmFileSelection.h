#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "gui/app/GuiContext.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace arbovane {

// "File Selection": the one line of file names and patterns that every file walk of the program
// applies. Created once and reused; the selection changes only through OK.
class TfrmFileSelection : public QDialog {
    Q_OBJECT
public:
    explicit TfrmFileSelection(GuiContext& context, QWidget* parent = nullptr);

    // Activates the dialog and shows it modally; QDialog::Accepted after OK, else Rejected.
    int Run();

    std::vector<std::string> MenuItems() const;
    // Help shows the help window at its file-selection topic; until a hook is set its button is
    // off.
    void SetHelpHook(std::function<void()> help);

signals:
    // After an OK that replaced the selection, with the new "Sel. Types:" text.
    void FileTypesLabelChanged(const QString& text);

public slots:
    // Runs each time the dialog is shown by Run.
    void FormActivate();
    void btnFileManOKClick();
    void btnFileManCancelClick();
    void btnFileManClearFileNamesClick();
    void btnFileSelectionHelpClick();

private:
    GuiContext& context_;
    std::function<void()> help_;

    QLabel* lblMagyarazat = nullptr;
    QComboBox* cboFileManNames = nullptr;
    QPushButton* btnFileManClearFileNames = nullptr;
    QPushButton* btnFileSelectionHelp = nullptr;
    QPushButton* btnFileManOK = nullptr;
    QPushButton* btnFileManCancel = nullptr;
};

}  // namespace arbovane
